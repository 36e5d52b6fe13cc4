// The client area at any size the window is given: the surface in whole square blocks,
// centred on black, its controls over it at the same scale; an area narrower or lower than the
// surface shows it once, centred and cut.
#include "WholeBlocks.h"

#include "ui/ClientArea.h"

#include <QLabel>
#include <gtest/gtest.h>

using namespace skyvane;
using namespace skyvane::testing;

namespace {

// Every pixel a colour of its own and none black, so that any shift, stretch or cut shows.
QImage patternedSurface()
{
    QImage surface(kClientSize, QImage::Format_RGB32);
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x)
            surface.setPixel(x, y, qRgb(x & 0xFF, y, 1 + (x >> 8)));
    return surface;
}

struct Size {
    QSize area;
    int scale;
    QPoint corner;
};

class ClientAreaAtSize : public ::testing::TestWithParam<Size> {};

} // namespace

TEST_P(ClientAreaAtSize, ShowsTheSurfaceInWholePixelBlocksCentredOnBlackWithItsControlsScaled)
{
    const Size size = GetParam();
    const QImage surface = patternedSurface();
    ClientArea area(surface, nullptr);
    QLabel label(&area);
    QFont font = label.font();
    font.setPointSizeF(20.25);
    label.setFont(font);
    area.addControl(label, QRect(0, 103, 320, 27));
    label.hide();
    area.resize(size.area);

    EXPECT_EQ(expectedView(size.area).scale, size.scale);
    EXPECT_EQ(expectedView(size.area).corner, size.corner);
    EXPECT_EQ(blockMismatch(surface, area.grab().toImage(), {size.scale, size.corner}).toStdString(), "");
    EXPECT_EQ(label.geometry(), QRect(size.corner + QPoint(0, 103) * size.scale, QSize(320, 27) * size.scale));
    EXPECT_DOUBLE_EQ(label.font().pointSizeF(), 20.25 * size.scale);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, ClientAreaAtSize,
    ::testing::Values(Size{{320, 241}, 1, {0, 0}}, Size{{640, 482}, 2, {0, 0}}, Size{{645, 487}, 2, {2, 2}},
                      Size{{700, 482}, 2, {30, 0}}, Size{{1280, 964}, 4, {0, 0}}, Size{{1283, 970}, 4, {1, 3}},
                      Size{{300, 200}, 1, {-10, -20}}),
    [](const ::testing::TestParamInfo<Size>& size) {
        return std::to_string(size.param.area.width()) + "x" + std::to_string(size.param.area.height());
    });
