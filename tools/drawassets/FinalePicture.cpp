#include "tools/drawassets/FinalePicture.h"

#include "tools/drawassets/PaintKit.h"
#include "tools/drawassets/PaletteImage.h"
#include "tools/drawassets/SpriteCell.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace skyvane::drawassets {

namespace {

// Light from the upper left, as in the other pictures; the far limbs are a step darker.
const QColor kOutline = grey(79);

void strokeLimb(QPainter& painter, const QPainterPath& path, double width, const QBrush& fill)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(roundPen(kOutline, width + 1.6));
    painter.drawPath(path);
    painter.setPen(QPen(fill, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
}

void fillOutlined(QPainter& painter, const QPainterPath& path, const QBrush& fill)
{
    fillPath(painter, path, fill, roundPen(kOutline, 1.0));
}

QLinearGradient litFromUpperLeft(QPointF from, QPointF to, int bright, int dark)
{
    QLinearGradient gradient(from, to);
    gradient.setColorAt(0.0, grey(bright));
    gradient.setColorAt(1.0, grey(dark));
    return gradient;
}

QPainterPath polyline(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    auto point = points.begin();
    path.moveTo(*point);
    for (++point; point != points.end(); ++point)
        path.lineTo(*point);
    return path;
}

void drawLeg(QPainter& painter, QPointF hip, QPointF knee, QPointF ankle, QPointF toe, int brightness)
{
    strokeLimb(painter, polyline({hip, knee, ankle}), 4.4,
               litFromUpperLeft(knee + QPointF(-3, -3), knee + QPointF(3, 4), brightness, brightness - 90));
    // The boot: dark, its sole towards the toe.
    strokeLimb(painter, polyline({ankle, toe}), 4.2, grey(96));
}

void drawArm(QPainter& painter, QPointF shoulder, QPointF elbow, QPointF hand, int brightness)
{
    strokeLimb(painter, polyline({shoulder, elbow, hand}), 3.2,
               litFromUpperLeft(shoulder + QPointF(0, -2), elbow + QPointF(0, 3), brightness, brightness - 80));
}

} // namespace

QImage FinalePicture::draw()
{
    QImage canvas(Size, Size, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);

    // Far side first: the far leg and arm.
    drawLeg(painter, {21.5, 29.0}, {32.0, 32.0}, {30.0, 39.5}, {34.5, 41.5}, 190);
    drawArm(painter, {29.0, 19.0}, {35.0, 22.0}, {41.0, 21.0}, 180);

    // The pack's tube along the back, slanting down to the lower left, with fins and nozzle.
    painter.save();
    painter.translate(20.0, 20.5);
    painter.rotate(32.0);
    QPainterPath tube;
    tube.moveTo(-3.4, 12.5);
    tube.lineTo(-3.4, -9.0);
    tube.cubicTo(-3.4, -12.5, -1.0, -15.0, 0.0, -16.0);
    tube.cubicTo(1.0, -15.0, 3.4, -12.5, 3.4, -9.0);
    tube.lineTo(3.4, 12.5);
    tube.closeSubpath();
    fillOutlined(painter, mirroredFins({3.4, 5.0}, {6.0, 10.5}, {6.0, 14.0}, {3.4, 12.5}), grey(150));
    QLinearGradient across(-3.4, 0, 3.4, 0);
    across.setColorAt(0.0, grey(250));
    across.setColorAt(0.45, grey(232));
    across.setColorAt(1.0, grey(120));
    fillOutlined(painter, tube, across);
    QPainterPath nozzle;
    nozzle.moveTo(-2.4, 12.5);
    nozzle.lineTo(2.4, 12.5);
    nozzle.lineTo(3.0, 15.0);
    nozzle.lineTo(-3.0, 15.0);
    nozzle.closeSubpath();
    fillOutlined(painter, nozzle, grey(112));
    for (double barY : {-4.0, 6.0}) {
        QPainterPath strap;
        strap.addRect(QRectF(3.0, barY - 1.0, 4.0, 2.0));
        fillOutlined(painter, strap, grey(140));
    }
    painter.restore();

    // Body leaning into the flight, from the neck down to the hips.
    QPainterPath body;
    body.moveTo(26.0, 16.5);
    body.cubicTo(31.5, 16.0, 34.0, 19.0, 31.5, 24.0);
    body.lineTo(26.0, 31.5);
    body.cubicTo(23.5, 34.0, 18.0, 32.5, 18.5, 28.0);
    body.lineTo(21.5, 20.0);
    body.cubicTo(22.5, 17.5, 24.0, 16.6, 26.0, 16.5);
    fillOutlined(painter, body, litFromUpperLeft({22.0, 18.0}, {30.0, 30.0}, 245, 150));

    // Near leg, knee bent forward, and near arm reaching ahead.
    drawLeg(painter, {22.0, 30.0}, {31.0, 36.5}, {25.5, 43.5}, {29.5, 46.5}, 240);
    drawArm(painter, {27.5, 20.0}, {33.5, 25.0}, {40.0, 24.5}, 245);

    // Helmet with the visor on its upper right.
    const QPointF centre(32.0, 10.0);
    QPainterPath helmet;
    helmet.addEllipse(centre, 7.0, 7.0);
    QRadialGradient shell(centre + QPointF(-2.5, -3.0), 9.5);
    shell.setColorAt(0.0, grey(252));
    shell.setColorAt(0.6, grey(222));
    shell.setColorAt(1.0, grey(130));
    fillOutlined(painter, helmet, shell);
    QPainterPath visor;
    visor.moveTo(centre + QPointF(-0.5, -5.6));
    visor.cubicTo(centre + QPointF(4.8, -5.6), centre + QPointF(6.8, -1.5), centre + QPointF(6.2, 2.8));
    visor.cubicTo(centre + QPointF(3.0, 3.6), centre + QPointF(-0.5, 1.5), centre + QPointF(-0.5, -5.6));
    painter.setPen(Qt::NoPen);
    QLinearGradient glass(centre + QPointF(1, -5), centre + QPointF(6, 2));
    glass.setColorAt(0.0, grey(120));
    glass.setColorAt(0.35, grey(88));
    glass.setColorAt(1.0, grey(79));
    painter.setBrush(glass);
    painter.drawPath(visor);
    painter.end();

    const QList<QRgb> greys = colourRamp(qRgb(79, 79, 79), qRgb(247, 247, 247), 65);
    return toIndexed8(spriteOnBlack(canvas, greys));
}

} // namespace skyvane::drawassets
