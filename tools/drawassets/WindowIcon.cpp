#include "tools/drawassets/WindowIcon.h"

#include "tools/drawassets/PaintKit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace skyvane::drawassets {

namespace {

// A dark rim keeps the white rocket visible on light title bars too.
const QColor kRim = grey(64);

} // namespace

QImage WindowIcon::draw(int size)
{
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);

    // Drawn nose up in its own frame of Size units, then turned so that the nose points to the
    // upper left. Light from the top of the icon falls on the frame's right side.
    const double scale = double(size) / Size;
    painter.translate(16.0 * scale, 16.0 * scale);
    painter.rotate(-45.0);
    painter.scale(0.94 * scale, 0.94 * scale);
    // Below Size the outlines thin less than the rocket shrinks, or they would fade to grey.
    const double thicken = scale < 1.0 ? std::sqrt(1.0 / scale) : 1.0;
    const QPen rim = roundPen(kRim, 1.2 * thicken);

    const QPainterPath fins = mirroredFins({4.2, 4.0}, {8.6, 11.0}, {8.6, 14.2}, {4.2, 11.5});
    painter.setPen(rim);
    painter.setBrush(grey(200));
    painter.drawPath(fins);

    QPainterPath nozzle;
    nozzle.moveTo(-2.6, 12.0);
    nozzle.lineTo(2.6, 12.0);
    nozzle.lineTo(3.4, 15.2);
    nozzle.lineTo(-3.4, 15.2);
    nozzle.closeSubpath();
    painter.setBrush(grey(120));
    painter.drawPath(nozzle);

    QPainterPath body;
    body.moveTo(-4.2, 12.0);
    body.lineTo(-4.2, -6.0);
    body.cubicTo(-4.2, -11.0, -1.8, -15.0, 0.0, -17.5);
    body.cubicTo(1.8, -15.0, 4.2, -11.0, 4.2, -6.0);
    body.lineTo(4.2, 12.0);
    body.closeSubpath();
    QLinearGradient across(-4.2, 0, 4.2, 0);
    across.setColorAt(0.0, grey(170));
    across.setColorAt(0.6, grey(255));
    across.setColorAt(1.0, grey(225));
    painter.setBrush(across);
    painter.drawPath(body);

    // Middle fin seen edge-on, and a porthole.
    painter.setPen(QPen(kRim, 1.6 * thicken, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(0.0, 6.0), QPointF(0.0, 13.5));
    painter.setPen(rim);
    QLinearGradient glass(-2.0, -6.0, 2.0, -2.0);
    glass.setColorAt(0.0, QColor(150, 190, 235));
    glass.setColorAt(1.0, QColor(40, 70, 130));
    painter.setBrush(glass);
    painter.drawEllipse(QPointF(0.0, -4.0), 2.2, 2.2);
    painter.end();

    return icon.convertToFormat(QImage::Format_ARGB32);
}

} // namespace skyvane::drawassets
