// The client area at any size: the surface in whole square blocks centred on black, its controls at
// the same scale; an area narrower or lower than the surface shows it once, centred and cut.
#include "WholeBlocks.h"

#include "ui/ClientArea.h"

#include <QLabel>
#include <gtest/gtest.h>

using namespace skyvane;
using namespace skyvane::testing;

using Size = std::pair<QSize, ScaledView>;  // an area and how it must show the surface

class ClientAreaAtSize : public ::testing::TestWithParam<Size> {};

TEST_P(ClientAreaAtSize, ShowsTheSurfaceInWholePixelBlocksCentredOnBlackWithItsControlsScaled)
{
    const auto [size, view] = GetParam();
    QImage surface(kClientSize, QImage::Format_RGB32);  // every pixel its own colour, none black
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x)
            surface.setPixel(x, y, qRgb(x & 0xFF, y, 1 + (x >> 8)));
    ClientArea area(surface, nullptr);
    QLabel label(&area);
    QFont font = label.font();
    font.setPointSizeF(20.25);
    label.setFont(font);
    area.addControl(label, QRect(0, 103, 320, 27));
    label.hide();
    area.resize(size);

    EXPECT_EQ(expectedView(size).scale, view.scale);
    EXPECT_EQ(expectedView(size).corner, view.corner);
    EXPECT_EQ(blockMismatch(surface, area.grab().toImage(), view).toStdString(), "");
    EXPECT_EQ(label.geometry(), QRect(view.corner + QPoint(0, 103) * view.scale, QSize(320, 27) * view.scale));
    EXPECT_DOUBLE_EQ(label.font().pointSizeF(), 20.25 * view.scale);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, ClientAreaAtSize,
    ::testing::Values(Size{{320, 241}, {1, {0, 0}}}, Size{{640, 482}, {2, {0, 0}}},
                      Size{{645, 487}, {2, {2, 2}}}, Size{{700, 482}, {2, {30, 0}}},
                      Size{{1280, 964}, {4, {0, 0}}}, Size{{1283, 970}, {4, {1, 3}}},
                      Size{{300, 200}, {1, {-10, -20}}}),
    [](const ::testing::TestParamInfo<Size>& size) {
        return std::to_string(size.param.first.width()) + "x" + std::to_string(size.param.first.height());
    });
