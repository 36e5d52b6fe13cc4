#include "tools/drawassets/TitlePicture.h"

#include "tools/drawassets/PaintKit.h"
#include "tools/drawassets/PaletteImage.h"
#include "tools/drawassets/Prng.h"

#include <QLineF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QFontDatabase>
#include <QRawFont>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace skyvane::drawassets {

namespace {

constexpr std::uint64_t kStarSeed = 0x7E11A5C0FFEEull;
constexpr int kStars = 30;

const QRectF kPilotBounds(26, 22, 157, 205);
const QRectF kNameBounds(212, 197, 87, 26);

// Light falls from the upper left on everything in the picture.
const QPointF kLight = QPointF(-0.6, -0.8);

const QColor kSeam = grey(70);

// Greys for the suit, the sky and the stars; navy for the visor; orange-red for the lights.
QList<QRgb> titlePalette()
{
    QList<QRgb> palette = colourRamp(qRgb(0, 0, 0), qRgb(255, 255, 255), 86);
    palette.append(colourRamp(qRgb(6, 8, 20), qRgb(58, 76, 124), 24));
    palette.append(colourRamp(qRgb(70, 88, 136), qRgb(210, 222, 244), 12));
    palette.append(colourRamp(qRgb(24, 6, 2), qRgb(255, 72, 32), 22));
    palette.append(colourRamp(qRgb(255, 96, 56), qRgb(255, 220, 190), 10));
    return palette;
}

// A shade across a part whose axis runs from `a` to `b`: bright on the side facing the light.
QLinearGradient across(QPointF a, QPointF b, double halfWidth, int bright, int dark)
{
    QLineF axis(a, b);
    QPointF normal(-axis.dy(), axis.dx());
    normal /= std::hypot(normal.x(), normal.y());
    if (normal.x() * kLight.x() + normal.y() * kLight.y() < 0)
        normal = -normal;
    const QPointF middle = (a + b) / 2.0;
    QLinearGradient gradient(middle + normal * halfWidth, middle - normal * halfWidth);
    gradient.setColorAt(0.0, grey(bright));
    gradient.setColorAt(0.3, grey(bright - 6));
    gradient.setColorAt(1.0, grey(dark));
    return gradient;
}

void fillSeamed(QPainter& painter, const QPainterPath& path, const QBrush& brush, double seam = 1.4)
{
    fillPath(painter, path, brush, roundPen(kSeam, seam));
}

// A padded limb: a chain of bulging rings from `from` to `to`.
void drawSegmentedLimb(QPainter& painter, QPointF from, QPointF to, double width, int rings, int bright, int dark)
{
    const QLineF axis(from, to);
    const double angle = axis.angle();
    const double step = axis.length() / rings;
    QPainterPath ring;
    ring.addRoundedRect(QRectF(-step / 2 - 1.2, -width / 2, step + 2.4, width), step / 2.2, width / 2.6);
    for (int i = 0; i < rings; ++i) {
        const QPointF centre = axis.pointAt((i + 0.5) / rings);
        QTransform place;
        place.translate(centre.x(), centre.y());
        place.rotate(-angle);
        fillSeamed(painter, place.map(ring), across(from, to, width / 2, bright, dark));
    }
}

void drawLight(QPainter& painter, QPointF at)
{
    QRadialGradient glow(at, 7.0);
    glow.setColorAt(0.0, QColor(255, 110, 60, 220));
    glow.setColorAt(0.4, QColor(255, 72, 32, 110));
    glow.setColorAt(1.0, QColor(255, 72, 32, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(at, 7.0, 7.0);
    QRadialGradient lamp(at - QPointF(0.6, 0.6), 2.6);
    lamp.setColorAt(0.0, QColor(255, 220, 190));
    lamp.setColorAt(0.5, QColor(255, 96, 56));
    lamp.setColorAt(1.0, QColor(200, 50, 20));
    painter.setBrush(lamp);
    painter.drawEllipse(at, 2.4, 2.4);
}

void drawBoot(QPainter& painter, QPointF ankle, QPointF toe, int bright)
{
    const QLineF axis(ankle, toe);
    QTransform place;
    place.translate(ankle.x(), ankle.y());
    place.rotate(-axis.angle());
    const double length = axis.length();
    QPainterPath shape;
    shape.moveTo(-7, -8);
    shape.cubicTo(0, -10, length - 4, -8, length + 2, -4);
    shape.cubicTo(length + 7, -1, length + 7, 5, length + 3, 6);
    shape.lineTo(-6, 7);
    shape.cubicTo(-9, 5, -9, -6, -7, -8);
    fillSeamed(painter, place.map(shape), across(ankle, toe, 7, bright, bright - 120));
    // Dark sole along the bottom.
    QPainterPath sole;
    sole.moveTo(-6, 7);
    sole.lineTo(length + 3, 6);
    painter.setPen(QPen(grey(88), 2.6, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(place.map(sole));
}

void drawTube(QPainter& painter)
{
    // Along the back, leaning with the body: nose at the top, fins and nozzle at the bottom.
    painter.save();
    painter.translate(72, 106);
    painter.rotate(7);
    const double half = 19;
    QPainterPath fins;
    fins.moveTo(-half, 28);
    fins.lineTo(-half - 16, 60);
    fins.lineTo(-half - 16, 82);
    fins.lineTo(-half, 70);
    fins.closeSubpath();
    fins.moveTo(half, 28);
    fins.lineTo(half + 14, 58);
    fins.lineTo(half + 14, 78);
    fins.lineTo(half, 70);
    fins.closeSubpath();
    QLinearGradient finShade(-half - 16, 40, half + 14, 80);
    finShade.setColorAt(0.0, grey(235));
    finShade.setColorAt(1.0, grey(120));
    fillSeamed(painter, fins, finShade);

    QPainterPath nozzle;
    nozzle.moveTo(-9, 72);
    nozzle.lineTo(9, 72);
    nozzle.lineTo(12, 84);
    nozzle.lineTo(-12, 84);
    nozzle.closeSubpath();
    QLinearGradient metal(-12, 0, 12, 0);
    metal.setColorAt(0.0, grey(170));
    metal.setColorAt(1.0, grey(70));
    fillSeamed(painter, nozzle, metal);

    QPainterPath tube;
    tube.moveTo(-half, 74);
    tube.lineTo(-half, -40);
    tube.cubicTo(-half, -62, -5, -78, 0, -82);
    tube.cubicTo(5, -78, half, -62, half, -40);
    tube.lineTo(half, 74);
    tube.closeSubpath();
    QLinearGradient body(-half, 0, half, 0);
    body.setColorAt(0.0, grey(214));
    body.setColorAt(0.3, grey(255));
    body.setColorAt(0.55, grey(238));
    body.setColorAt(1.0, grey(118));
    fillSeamed(painter, tube, body, 1.6);
    // Panel seams and the band where the nose cone sits.
    painter.setPen(QPen(grey(110), 1.4));
    for (double y : {-40.0, 10.0, 52.0})
        painter.drawLine(QPointF(-half + 1, y), QPointF(half - 1, y));
    painter.restore();
}

void drawHelmet(QPainter& painter)
{
    const QPointF centre(128, 62);
    const double radius = 38;
    QPainterPath shell;
    shell.addEllipse(centre, radius, radius);
    QRadialGradient light(centre + QPointF(-14, -16), radius * 1.5, centre + QPointF(-16, -20));
    light.setColorAt(0.0, grey(255));
    light.setColorAt(0.45, grey(236));
    light.setColorAt(0.8, grey(170));
    light.setColorAt(1.0, grey(120));
    fillSeamed(painter, shell, light, 1.6);

    // The visor faces the way the pilot flies: dark glass with the rim round it.
    QPainterPath visor;
    visor.addEllipse(QPointF(147, 63), 22, 26);
    visor = visor.intersected(shell);
    painter.setPen(QPen(grey(150), 4.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(visor);
    QLinearGradient glass(QPointF(130, 40), QPointF(165, 88));
    glass.setColorAt(0.0, QColor(58, 76, 124));
    glass.setColorAt(0.5, QColor(20, 26, 52));
    glass.setColorAt(1.0, QColor(8, 10, 24));
    painter.setPen(QPen(kSeam, 1.2));
    painter.setBrush(glass);
    painter.drawPath(visor);
    // Reflection of the light on the glass.
    QPainterPath glint;
    glint.moveTo(134, 50);
    glint.cubicTo(138, 42, 146, 39, 153, 41);
    glint.cubicTo(146, 43, 140, 47, 137, 54);
    glint.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(210, 222, 244));
    painter.drawPath(glint);
    painter.setBrush(QColor(120, 140, 190));
    painter.drawEllipse(QPointF(158, 76), 2.2, 1.6);
}

void drawPilot(QPainter& painter)
{
    // Back to front: the far leg, the tube, the body, the near limbs, the helmet.
    drawSegmentedLimb(painter, {108, 160}, {127, 190}, 20, 3, 205, 100);
    drawSegmentedLimb(painter, {127, 190}, {104, 208}, 17, 3, 200, 100);
    drawBoot(painter, {102, 210}, {116, 220}, 190);

    drawTube(painter);

    // The body leans forward into the flight; its padding shows as curved seams.
    QPainterPath body;
    body.moveTo(106, 96);
    body.cubicTo(124, 88, 148, 94, 152, 112);
    body.cubicTo(156, 130, 148, 150, 136, 164);
    body.cubicTo(126, 174, 104, 172, 96, 160);
    body.cubicTo(90, 144, 90, 120, 94, 106);
    body.cubicTo(96, 100, 100, 98, 106, 96);
    QRadialGradient bodyLight(QPointF(110, 112), 64, QPointF(104, 104));
    bodyLight.setColorAt(0.0, grey(255));
    bodyLight.setColorAt(0.55, grey(228));
    bodyLight.setColorAt(1.0, grey(130));
    fillSeamed(painter, body, bodyLight, 1.6);
    painter.save();
    painter.setClipPath(body);
    painter.setPen(QPen(kSeam, 1.3));
    painter.setBrush(Qt::NoBrush);
    for (double y : {124.0, 140.0, 155.0}) {
        QPainterPath seam;
        seam.moveTo(86, y - 4);
        seam.quadTo(122, y + 8, 158, y - 10);
        painter.drawPath(seam);
    }
    painter.restore();
    // Chest unit with the harness strap from the tube.
    QPainterPath strap;
    strap.moveTo(80, 110);
    strap.quadTo(102, 104, 124, 116);
    strap.lineTo(122, 123);
    strap.quadTo(102, 112, 80, 118);
    strap.closeSubpath();
    fillSeamed(painter, strap, across({80, 110}, {124, 116}, 5, 180, 100));
    QPainterPath chest;
    chest.addRoundedRect(QRectF(122, 112, 22, 16), 3, 3);
    fillSeamed(painter, chest, across({122, 120}, {144, 120}, 8, 225, 140));

    // Near leg, knee drawn up, and the arm stretched out ahead.
    drawSegmentedLimb(painter, {124, 156}, {152, 180}, 22, 3, 252, 130);
    drawSegmentedLimb(painter, {152, 180}, {130, 208}, 19, 3, 248, 130);
    drawBoot(painter, {128, 212}, {144, 220}, 230);
    drawSegmentedLimb(painter, {134, 108}, {158, 114}, 17, 2, 252, 140);
    drawSegmentedLimb(painter, {158, 114}, {172, 116}, 15, 2, 250, 140);
    QPainterPath glove;
    glove.addRoundedRect(QRectF(170, 108, 12, 15), 5, 5);
    fillSeamed(painter, glove, across({170, 115}, {182, 115}, 7, 235, 130));

    drawHelmet(painter);
    QPainterPath collar;
    collar.addEllipse(QPointF(118, 98), 24, 7);
    fillSeamed(painter, collar, across({94, 98}, {142, 98}, 7, 215, 120));

    for (QPointF joint : {QPointF(158, 114), QPointF(152, 180), QPointF(127, 190), QPointF(132, 110)})
        drawLight(painter, joint);
}

void drawStars(QPainter& painter)
{
    Prng random(kStarSeed);
    const QRectF keepClear = kPilotBounds.adjusted(-4, -4, 4, 4);
    const QRectF nameClear = kNameBounds.adjusted(-6, -6, 6, 6);
    std::vector<QPointF> placed;
    while (static_cast<int>(placed.size()) < kStars) {
        const QPointF at(std::floor(random.between(3, 317)) + 0.5, std::floor(random.between(3, 237)) + 0.5);
        const int brightness = 150 + random.below(106);
        const bool large = random.below(5) == 0;
        if (keepClear.contains(at) || nameClear.contains(at))
            continue;
        bool crowded = false;
        for (QPointF other : placed)
            crowded = crowded || QLineF(at, other).length() < 18;
        if (crowded)
            continue;
        placed.push_back(at);
        painter.fillRect(QRectF(at.x() - 0.5, at.y() - 0.5, 1, 1), grey(brightness));
        if (large) {
            const QColor arm = grey(brightness / 2);
            painter.fillRect(QRectF(at.x() - 1.5, at.y() - 0.5, 1, 1), arm);
            painter.fillRect(QRectF(at.x() + 0.5, at.y() - 0.5, 1, 1), arm);
            painter.fillRect(QRectF(at.x() - 0.5, at.y() - 1.5, 1, 1), arm);
            painter.fillRect(QRectF(at.x() - 0.5, at.y() + 0.5, 1, 1), arm);
        }
    }
}

// Three passes of a box blur on the alpha channel approach a soft Gaussian glow.
QImage blurredAlpha(const QImage& source, int radius)
{
    const int w = source.width(), h = source.height();
    std::vector<int> alpha(static_cast<std::size_t>(w * h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            alpha[static_cast<std::size_t>(y * w + x)] = qAlpha(source.pixel(x, y));
    std::vector<int> scratch(alpha.size());
    auto pass = [&](bool horizontal) {
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                int sum = 0;
                for (int d = -radius; d <= radius; ++d) {
                    const int sx = horizontal ? x + d : x, sy = horizontal ? y : y + d;
                    if (sx >= 0 && sx < w && sy >= 0 && sy < h)
                        sum += alpha[static_cast<std::size_t>(sy * w + sx)];
                }
                scratch[static_cast<std::size_t>(y * w + x)] = sum / (2 * radius + 1);
            }
        }
        alpha.swap(scratch);
    };
    for (int i = 0; i < 3; ++i) {
        pass(true);
        pass(false);
    }
    QImage glow(w, h, QImage::Format_Alpha8);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            glow.scanLine(y)[x] = static_cast<uchar>(alpha[static_cast<std::size_t>(y * w + x)]);
    return glow;
}

// DejaVu Sans Bold, found by family through the font system; no other font may stand in.
QRawFont titleFont()
{
    const QString family = QStringLiteral("DejaVu Sans");
    const QString style = QStringLiteral("Bold");
    if (!QFontDatabase::families().contains(family) || !QFontDatabase::styles(family).contains(style))
        throw std::runtime_error("the title font DejaVu Sans Bold is not installed (Debian package fonts-dejavu-core)");
    QFont wanted = QFontDatabase::font(family, style, 40);
    wanted.setPixelSize(40);
    wanted.setHintingPreference(QFont::PreferNoHinting);
    wanted.setStyleStrategy(QFont::NoFontMerging);
    const QRawFont font = QRawFont::fromFont(wanted);
    if (!font.isValid())
        throw std::runtime_error("the title font DejaVu Sans Bold cannot be read");
    return font;
}

void drawName(QPainter& painter)
{
    const QRawFont font = titleFont();  // glyph outlines, no hinting
    const QString text = QStringLiteral("Skyvane");
    const QList<quint32> glyphs = font.glyphIndexesForString(text);
    const QList<QPointF> advances = font.advancesForGlyphIndexes(glyphs, QRawFont::KernedAdvances);
    QPainterPath name;
    QPointF pen(0, 0);
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        name.addPath(font.pathForGlyph(glyphs[i]).translated(pen));
        pen += advances[i];
    }

    // Fit the letters inside the name's place, leaving room for the glow.
    const QRectF letters = name.boundingRect();
    const QRectF room = kNameBounds.adjusted(5, 4, -5, -4);
    const double scale = std::min(room.width() / letters.width(), room.height() / letters.height());
    QTransform fit;
    fit.translate(room.center().x(), room.center().y());
    fit.scale(scale, scale);
    fit.translate(-letters.center().x(), -letters.center().y());
    name = fit.map(name);

    QImage shape(TitlePicture::Width, TitlePicture::Height, QImage::Format_ARGB32_Premultiplied);
    shape.fill(Qt::transparent);
    {
        QPainter shapePainter(&shape);
        shapePainter.setRenderHint(QPainter::Antialiasing);
        shapePainter.fillPath(name, Qt::white);
    }
    const QImage glow = blurredAlpha(shape, 2);
    QImage glowColour(glow.size(), QImage::Format_ARGB32_Premultiplied);
    glowColour.fill(Qt::transparent);
    for (int y = 0; y < glow.height(); ++y)
        for (int x = 0; x < glow.width(); ++x) {
            const int a = std::min(255, glow.constScanLine(y)[x] * 3 / 2);
            const int g = 150 * a / 255;
            glowColour.setPixel(x, y, qRgba(g, g, g, a));
        }
    painter.drawImage(0, 0, glowColour);
    painter.fillPath(name, Qt::white);
}

} // namespace

QImage TitlePicture::draw()
{
    QImage picture(Width, Height, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    drawStars(painter);
    painter.save();
    painter.translate(0, -1);
    drawPilot(painter);
    painter.restore();
    drawName(painter);
    painter.end();

    snapToPalette(picture, titlePalette());
    return toIndexed8(picture);
}

} // namespace skyvane::drawassets
