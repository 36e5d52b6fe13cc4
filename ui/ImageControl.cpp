#include "ImageControl.h"

#include <QPainter>

namespace skyvane {

ImageControl::ImageControl(const QImage& picture, QWidget* parent) : QWidget(parent), picture_(picture)
{
    resize(picture.size());
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(rect(), picture_);
}

} // namespace skyvane
