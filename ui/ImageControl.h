#pragma once
// An image control: a picture drawn over the window surface at its own size, never focused.

#include <QImage>
#include <QWidget>

namespace skyvane {

class ImageControl : public QWidget {
    Q_OBJECT
public:
    ImageControl(const QImage& picture, QWidget* parent);
    const QImage& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

} // namespace skyvane
