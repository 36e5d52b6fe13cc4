#include "tools/drawassets/PaintKit.h"

namespace skyvane::drawassets {

QColor grey(int level) { return QColor(level, level, level); }

QPen roundPen(const QColor& colour, double width) { return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void fillPath(QPainter& painter, const QPainterPath& path, const QBrush& brush, const QPen& pen)
{
    painter.setPen(pen);
    painter.setBrush(brush);
    painter.drawPath(path);
}

QPainterPath mirroredFins(QPointF root, QPointF outerTop, QPointF outerBottom, QPointF innerBottom)
{
    QPainterPath fins;
    for (const double side : {-1.0, 1.0}) {
        fins.moveTo(side * root.x(), root.y());
        fins.lineTo(side * outerTop.x(), outerTop.y());
        fins.lineTo(side * outerBottom.x(), outerBottom.y());
        fins.lineTo(side * innerBottom.x(), innerBottom.y());
        fins.closeSubpath();
    }
    return fins;
}

} // namespace skyvane::drawassets
