#pragma once
// A picture drawn at its own size with nearest-neighbour scaling, so that high-DPI screens
// get crisp pixel blocks; never focused. It keeps a reference, not a copy: the window
// surface it may show is written on every frame. The picture must outlive the control.

#include <QImage>
#include <QWidget>

namespace skyvane {

class ImageControl : public QWidget {
    Q_OBJECT
public:
    ImageControl(const QImage& picture, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QImage& picture_;
};

} // namespace skyvane
