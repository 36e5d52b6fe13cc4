#include "tools/drawassets/RocketSheet.h"

#include "tools/drawassets/PaintKit.h"
#include "tools/drawassets/PaletteImage.h"
#include "tools/drawassets/SpriteCell.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>

namespace skyvane::drawassets {

namespace {

const QColor kOutline = grey(72);
const QColor kBootDark(44, 44, 50);
const QColor kBootBlue(46, 54, 96);

// Shades of the sheet: greys from dark to white, blue-tinted boot darks, flame orange and
// the yellow of the flame cores.
QList<QRgb> rocketPalette()
{
    QList<QRgb> palette;
    for (int level : {63, 71, 79, 88, 96, 104, 112, 120, 128, 136, 144, 152, 160, 168, 176, 184,
                      192, 200, 208, 216, 224, 232, 240, 248, 255})
        palette.append(qRgb(level, level, level));
    palette.append({qRgb(40, 40, 44), qRgb(48, 48, 54), qRgb(38, 42, 70), qRgb(48, 56, 98)});
    palette.append(colourRamp(qRgb(240, 135, 31), qRgb(176, 80, 16), 6));
    palette.append(colourRamp(qRgb(255, 255, 220), qRgb(255, 208, 64), 4));
    return palette;
}

// Everything that makes one view of the figure, in the pack's own frame; the lean turns
// that frame about `pivot`. Legs are hip, knee and foot, the hips in the pack frame and the
// knee and foot as offsets in the cell, so that legs can swing out whatever the lean.
struct Leg {
    QPointF hip, knee, foot;
};

struct View {
    double tipY, coneY, endY;    // pointed tops, start of the straight tube, lower ends
    std::array<double, 2> barY;  // cross bars
    double finTopY;
    double helmetY, helmetRadius;
    bool helmetInFront;          // drawn over the pack instead of behind it
    QRectF torso;                // the back from the shoulders down
    double shoulderSpread;       // how far the shoulders reach out on each side
    std::array<Leg, 2> legs;
    double flameLength;
    double lean;                 // degrees, negative tilts the top to the left
    QPointF pivot;
    double shift;                // horizontal shift of the whole figure in the cell
};

constexpr double kTubeLeft = 16.0;
constexpr double kTubeRight = 34.0;
constexpr double kTubeHalf = 3.0;

QPainterPath tubePath(double cx, const View& v)
{
    QPainterPath path;
    path.moveTo(cx - kTubeHalf, v.endY);
    path.lineTo(cx - kTubeHalf, v.coneY);
    path.cubicTo(cx - kTubeHalf, v.coneY - 2.2, cx - 1.2, v.tipY + 0.8, cx, v.tipY);
    path.cubicTo(cx + 1.2, v.tipY + 0.8, cx + kTubeHalf, v.coneY - 2.2, cx + kTubeHalf, v.coneY);
    path.lineTo(cx + kTubeHalf, v.endY);
    path.closeSubpath();
    return path;
}

// Light falls from the viewer's side and above: round parts are brightest a little left of
// their middle and darkest at their right edge.
QLinearGradient acrossGradient(double left, double right, int edge, int peak)
{
    QLinearGradient gradient(left, 0, right, 0);
    gradient.setColorAt(0.0, grey(edge + 30));
    gradient.setColorAt(0.38, grey(peak));
    gradient.setColorAt(0.62, grey(peak - 15));
    gradient.setColorAt(1.0, grey(edge));
    return gradient;
}

void fillOutlined(QPainter& painter, const QPainterPath& path, const QBrush& brush, double width = 0.9)
{
    fillPath(painter, path, brush, roundPen(kOutline, width));
}

void drawTube(QPainter& painter, double cx, const View& v)
{
    fillOutlined(painter, tubePath(cx, v), acrossGradient(cx - kTubeHalf, cx + kTubeHalf, 100, 255));

    // Fin on the outer side, nozzle below.
    const double side = cx < 25.0 ? -1.0 : 1.0;
    const double outer = cx + side * kTubeHalf;
    QPainterPath fin;
    fin.moveTo(outer, v.finTopY);
    fin.lineTo(outer + side * 2.2, v.endY - 2.0);
    fin.lineTo(outer + side * 2.2, v.endY + 1.6);
    fin.lineTo(outer, v.endY);
    fin.closeSubpath();
    fillOutlined(painter, fin, QBrush(grey(150)), 0.8);

    QPainterPath nozzle;
    nozzle.moveTo(cx - 2.0, v.endY);
    nozzle.lineTo(cx + 2.0, v.endY);
    nozzle.lineTo(cx + 2.6, v.endY + 2.2);
    nozzle.lineTo(cx - 2.6, v.endY + 2.2);
    nozzle.closeSubpath();
    fillOutlined(painter, nozzle, acrossGradient(cx - 2.6, cx + 2.6, 79, 150), 0.7);
}

void drawPack(QPainter& painter, const View& v)
{
    for (double barY : v.barY) {
        QPainterPath bar;
        bar.addRect(QRectF(kTubeLeft, barY - 1.0, kTubeRight - kTubeLeft, 2.0));
        QLinearGradient shade(0, barY - 1.0, 0, barY + 1.0);
        shade.setColorAt(0.0, grey(176));
        shade.setColorAt(1.0, grey(96));
        painter.setPen(Qt::NoPen);
        painter.setBrush(shade);
        painter.drawPath(bar);
    }
    drawTube(painter, kTubeLeft, v);
    drawTube(painter, kTubeRight, v);
}

void drawHelmet(QPainter& painter, const View& v)
{
    const QPointF centre(25.0, v.helmetY);
    const double r = v.helmetRadius;
    QRadialGradient shade(centre, r * 1.15, centre + QPointF(-r * 0.25, -r * 0.45));
    shade.setColorAt(0.0, grey(255));
    shade.setColorAt(0.55, grey(232));
    shade.setColorAt(1.0, grey(120));
    QPainterPath helmet;
    helmet.addEllipse(centre, r, r);
    fillOutlined(painter, helmet, shade);
}

void drawTorso(QPainter& painter, const View& v)
{
    QPainterPath back;
    back.addRoundedRect(v.torso, 2.5, 2.5);
    QPainterPath shoulders;
    shoulders.addRoundedRect(v.torso.left() - v.shoulderSpread, v.torso.top(),
                             v.torso.width() + 2 * v.shoulderSpread, 5.0, 2.5, 2.5);
    const QPainterPath torso = back.united(shoulders);
    QLinearGradient shade(v.torso.left(), 0, v.torso.right(), 0);
    shade.setColorAt(0.0, grey(140));
    shade.setColorAt(0.4, grey(228));
    shade.setColorAt(1.0, grey(120));
    fillOutlined(painter, torso, shade);
}

// A leg in the cell frame: white suit from hip to knee to ankle, a dark boot at the foot.
void drawLeg(QPainter& painter, const Leg& leg)
{
    const QPointF ankle = leg.knee + (leg.foot - leg.knee) * 0.55;
    QPainterPath suit;
    suit.moveTo(leg.hip);
    suit.lineTo(leg.knee);
    suit.lineTo(ankle);
    QPainterPath boot;
    boot.moveTo(ankle);
    boot.lineTo(leg.foot);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(roundPen(kOutline, 5.4));
    painter.drawPath(suit);
    painter.setPen(QPen(kBootDark, 5.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(boot);

    const double left = std::min({leg.hip.x(), leg.knee.x(), ankle.x()}) - 2.0;
    const double right = std::max({leg.hip.x(), leg.knee.x(), ankle.x()}) + 2.0;
    painter.setPen(QPen(QBrush(acrossGradient(left, right, 130, 245)), 3.6, Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    painter.drawPath(suit);
    QLinearGradient bootShade(0, ankle.y() - 2.0, 0, leg.foot.y() + 2.0);
    bootShade.setColorAt(0.0, kBootBlue);
    bootShade.setColorAt(1.0, kBootDark);
    painter.setPen(QPen(QBrush(bootShade), 3.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(boot);
}

QPainterPath flamePath(QPointF nozzle, double length, double halfWidth)
{
    QPainterPath path;
    path.moveTo(nozzle.x() - halfWidth, nozzle.y());
    path.cubicTo(nozzle.x() - halfWidth * 1.25, nozzle.y() + length * 0.35, nozzle.x() - halfWidth * 0.45,
                 nozzle.y() + length * 0.75, nozzle.x(), nozzle.y() + length);
    path.cubicTo(nozzle.x() + halfWidth * 0.45, nozzle.y() + length * 0.75, nozzle.x() + halfWidth * 1.25,
                 nozzle.y() + length * 0.35, nozzle.x() + halfWidth, nozzle.y());
    path.closeSubpath();
    return path;
}

void drawFlame(QPainter& painter, QPointF nozzle, double length)
{
    painter.setPen(Qt::NoPen);
    QLinearGradient outer(0, nozzle.y(), 0, nozzle.y() + length);
    outer.setColorAt(0.0, QColor(240, 135, 31));
    outer.setColorAt(1.0, QColor(176, 80, 16));
    painter.setBrush(outer);
    painter.drawPath(flamePath(nozzle, length, 2.9));

    QLinearGradient core(0, nozzle.y(), 0, nozzle.y() + length * 0.6);
    core.setColorAt(0.0, QColor(255, 255, 220));
    core.setColorAt(1.0, QColor(255, 208, 64));
    painter.setBrush(core);
    painter.drawPath(flamePath(nozzle, length * 0.6, 1.5));
}

View viewFor(RocketSheet::Pose pose, bool turned, bool flames)
{
    using Pose = RocketSheet::Pose;
    View v{};
    switch (pose) {
    case Pose::Climbing: {
        // The pack above, the pilot hanging below it with the helmet between the tube ends.
        v = View{-0.4, 5.0, 21.0, {7.0, 14.0}, 14.0, 20.6, 5.4, true, QRectF(20.0, 22.5, 10.0, 9.0), 2.0,
                 {}, 17.0, 0.0, QPointF(25.0, 14.0), 0.0};
        const double footY = flames ? 38.6 : 39.6;
        v.legs = {Leg{{22.6, 30.0}, {22.6, 34.0}, {22.6, footY}}, Leg{{27.4, 30.0}, {27.4, 34.0}, {27.4, footY}}};
        if (turned) {
            v.lean = -10.0;
            v.shift = -4.0;
            v.legs = {Leg{{22.6, 30.0}, {-4.0, 4.0}, {-8.5, footY - 30.8}},
                      Leg{{27.4, 30.0}, {-2.5, 4.0}, {-6.0, footY - 30.3}}};
        }
        break;
    }
    case Pose::Level: {
        // The helmet above the pack, the pilot sitting in it with bent legs.
        v = View{4.0, 9.0, 27.0, {13.5, 21.5}, 19.0, 5.6, 5.6, false, QRectF(19.5, 9.5, 11.0, 17.5), 3.2,
                 {}, flames ? 20.0 : 0.0, 0.0, QPointF(25.0, 18.0), 0.0};
        v.legs = {Leg{{22.4, 26.0}, {21.4, 31.0}, {21.8, 36.6}}, Leg{{27.6, 26.0}, {28.6, 31.0}, {28.2, 36.6}}};
        if (turned) {
            v.lean = -12.0;
            v.shift = -5.0;
            v.flameLength = 18.0;
            v.legs = {Leg{{22.4, 26.0}, {-6.0, 3.0}, {-9.5, 10.0}}, Leg{{27.6, 26.0}, {-4.5, 5.0}, {-6.5, 11.5}}};
        }
        break;
    }
    case Pose::Falling: {
        // Seen from behind and above: the helmet on top, the body hidden behind the tubes.
        v = View{3.0, 7.0, 25.0, {11.5, 19.0}, 17.0, 5.8, 5.8, true, QRectF(19.5, 8.0, 11.0, 16.0), 4.5,
                 {}, flames ? 24.0 : 0.0, 0.0, QPointF(25.0, 16.0), 0.0};
        v.legs = {Leg{{22.4, 24.0}, {21.6, 27.0}, {21.6, 30.8}}, Leg{{27.6, 24.0}, {28.4, 27.0}, {28.4, 30.8}}};
        if (turned) {
            // The legs thrown out sideways, the furthest swing of the sheet.
            v.lean = -16.0;
            v.shift = -3.0;
            v.flameLength = 22.5;
            v.legs = {Leg{{22.0, 25.5}, {-7.0, 4.0}, {-15.0, 4.3}}, Leg{{27.0, 25.0}, {-5.5, 4.3}, {-10.5, 5.7}}};
        }
        break;
    }
    }
    return v;
}

QImage paintFigure(const View& v, bool turned, bool flames)
{
    QImage cell(RocketSheet::CellSize, RocketSheet::CellSize, QImage::Format_ARGB32_Premultiplied);
    cell.fill(Qt::transparent);
    QPainter painter(&cell);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(v.shift, 0.0);

    QTransform lean;
    lean.translate(v.pivot.x(), v.pivot.y());
    lean.rotate(v.lean);
    lean.translate(-v.pivot.x(), -v.pivot.y());

    // Legs first: the body and the pack in front of them cover the hips.
    for (const Leg& leg : v.legs) {
        const QPointF hip = lean.map(leg.hip);
        Leg placed = turned ? Leg{hip, hip + leg.knee, hip + leg.foot}
                            : Leg{hip, lean.map(leg.knee), lean.map(leg.foot)};
        drawLeg(painter, placed);
    }

    painter.setTransform(lean, true);
    drawTorso(painter, v);
    if (!v.helmetInFront)
        drawHelmet(painter, v);
    if (flames) {
        drawFlame(painter, QPointF(kTubeLeft, v.endY + 2.0), v.flameLength);
        drawFlame(painter, QPointF(kTubeRight, v.endY + 2.0), v.flameLength);
    }
    drawPack(painter, v);
    if (v.helmetInFront)
        drawHelmet(painter, v);
    return cell;
}

} // namespace

QImage RocketSheet::drawSprite(Pose pose, int steer, bool flames)
{
    if (steer > 0)
        return drawSprite(pose, -1, flames).mirrored(true, false);
    const bool turned = steer < 0;
    const View view = viewFor(pose, turned, flames);
    return settledToTop(spriteOnBlack(paintFigure(view, turned, flames), rocketPalette()));
}

QImage RocketSheet::draw()
{
    QImage sheet(Columns * CellSize, 2 * PoseRows * CellSize, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    const std::array<Pose, PoseRows> poses{Pose::Climbing, Pose::Level, Pose::Falling};
    for (int row = 0; row < PoseRows; ++row) {
        for (int column = 0; column < Columns; ++column) {
            const int steer = column % 3 - 1;
            const bool flames = column >= 3;
            placeSprite(sheet, drawSprite(poses[static_cast<std::size_t>(row)], steer, flames),
                        QPoint(column * CellSize, row * CellSize), MaskOffset);
        }
    }
    return toIndexed8(sheet);
}

} // namespace skyvane::drawassets
