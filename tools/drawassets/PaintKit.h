#pragma once
// Small drawing helpers shared by the pictures.

#include <QBrush>
#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

namespace skyvane::drawassets {

QColor grey(int level);

// A solid pen with round caps and joins, as every outline of the pictures has.
QPen roundPen(const QColor& colour, double width);

// Fills path with brush and draws its outline with pen.
void fillPath(QPainter& painter, const QPainterPath& path, const QBrush& brush, const QPen& pen);

// A pair of tube fins: the right one through the given points, the left one its mirror in x = 0.
QPainterPath mirroredFins(QPointF root, QPointF outerTop, QPointF outerBottom, QPointF innerBottom);

} // namespace skyvane::drawassets
