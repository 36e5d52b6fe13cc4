#pragma once
// A picture drawn over the whole control with nearest-neighbour scaling, so that a control a
// whole number of times the picture's size, or a high-DPI screen, shows crisp pixel blocks;
// never focused. It keeps a reference, not a copy; the picture must outlive the control.

#include <QImage>
#include <QWidget>

namespace skyvane {

class ImageControl : public QWidget {
    Q_OBJECT
public:
    // The control starts at the picture's size.
    ImageControl(const QImage& picture, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QImage& picture_;
};

} // namespace skyvane
