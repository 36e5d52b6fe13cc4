#include "ClientArea.h"

#include <QPainter>

namespace skyvane {

ClientArea::ClientArea(const QImage& surface, QWidget* parent) : QWidget(parent), surface_(surface)
{
    setFixedSize(surface.size());
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ClientArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(rect(), surface_);
}

} // namespace skyvane
