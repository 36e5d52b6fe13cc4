// The heaviest frame of flight on the real surfaces and pictures: the clear, 51 stars,
// five meteors of size 148, two rockets and eleven debris particles of ten specks each.
#include "HeapCalls.h"
#include "game/GameConstants.h"
#include "drawing/Pictures.h"
#include "drawing/SurfaceDrawing.h"
#include "drawing/Surfaces.h"

#include <QPainter>
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>

namespace {

using namespace skyvane;

struct Point {
    int x;
    int y;
};

struct Meteor {
    int centreX;
    int centreY;
    int frameX;
};

struct Rocket {
    int x;
    int y;
    int sourceX;
    int sourceY;
};

constexpr int kWorstMeteorSize = 148;

// Four meteors overlap in the middle, the fifth reaches a little past the bottom right.
constexpr std::array<Meteor, kMeteorSlots> kMeteors{{{120, 100, 0}, {160, 120, 300}, {200, 110, 500},
                                                     {150, 150, 700}, {246, 170, 900}}};
constexpr std::array<Rocket, 2> kRockets{{{60, 150, 200, 50}, {200, 40, 250, 100}}};

// Star and speck places spread over the play area by a fixed linear congruential sequence.
struct Scene {
    std::array<Point, kStarCount> stars{};
    std::array<Point, kDebrisCount * kDebrisSpecks> specks{};

    Scene()
    {
        std::uint32_t seed = 12345;
        auto next = [&seed](int range) {
            seed = seed * 1664525u + 1013904223u;
            return static_cast<int>((seed >> 8) % static_cast<std::uint32_t>(range));
        };
        for (Point& star : stars)
            star = {next(kPlayAreaWidth), next(kPlayAreaHeight)};
        for (int particle = 0; particle < kDebrisCount; ++particle) {
            const Point centre{20 + next(280), 20 + next(200)};
            for (int speck = 0; speck < kDebrisSpecks; ++speck)
                specks[static_cast<std::size_t>(particle * kDebrisSpecks + speck)] = {centre.x + next(16) - 8,
                                                                                     centre.y + next(16) - 8};
        }
    }
};

std::int16_t i16(int value) { return static_cast<std::int16_t>(value); }

void composeWithDrawing(SurfaceDrawing& drawing, const Scene& scene)
{
    drawing.ClearPlayArea();
    for (const Point& star : scene.stars)
        drawing.PlotPoint(i16(star.x), i16(star.y), kStarColour);
    for (const Meteor& meteor : kMeteors)
        drawing.BlitMeteor(i16(meteor.centreX), i16(meteor.centreY), i16(kWorstMeteorSize), i16(meteor.frameX));
    for (const Rocket& rocket : kRockets)
        drawing.BlitRocket(i16(rocket.x), i16(rocket.y), i16(rocket.sourceX), i16(rocket.sourceY));
    for (const Point& speck : scene.specks)
        drawing.PlotPoint(i16(speck.x), i16(speck.y), kSpeckColour);
}

// The same frame as a straightforward Qt program would draw it.
void composeWithPlainQt(QImage& window, const Pictures& pictures, const Scene& scene)
{
    {
        QPainter painter(&window);
        painter.fillRect(QRect(0, 0, kPlayAreaWidth + 1, kPlayAreaHeight + 1), Qt::black);
    }
    for (const Point& star : scene.stars)
        window.setPixel(star.x, star.y, 0xFF000000 | kStarColour);
    {
        QPainter painter(&window);
        const int half = kWorstMeteorSize / 2;
        for (const Meteor& meteor : kMeteors) {
            const QPoint corner(meteor.centreX - half, meteor.centreY - half);
            const QImage image = pictures.meteorStrip.copy(meteor.frameX, 0, 100, 100).scaled(kWorstMeteorSize, kWorstMeteorSize);
            const QImage mask = pictures.meteorStrip.copy(meteor.frameX, 100, 100, 100).scaled(kWorstMeteorSize, kWorstMeteorSize);
            painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
            painter.drawImage(corner, mask);
            painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            painter.drawImage(corner, image);
        }
        for (const Rocket& rocket : kRockets) {
            const QPoint corner(rocket.x, rocket.y);
            painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
            painter.drawImage(corner, pictures.rocketSheet,
                              QRect(rocket.sourceX, rocket.sourceY + kRocketMaskOffset, kRocketSize, kRocketSize));
            painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            painter.drawImage(corner, pictures.rocketSheet, QRect(rocket.sourceX, rocket.sourceY, kRocketSize, kRocketSize));
        }
    }
    for (const Point& speck : scene.specks)
        window.setPixel(speck.x, speck.y, 0xFF000000 | kSpeckColour);
}

const Pictures& pictures()
{
    static const Pictures loaded = loadPictures();
    return loaded;
}

void BM_WorstCaseFrame(benchmark::State& state)
{
    const Scene scene;
    Surfaces surfaces(pictures().rocketSheet, pictures().meteorStrip, pictures().finale);
    SurfaceDrawing drawing(surfaces);
    doubles::startMeasuring();
    for (auto _ : state) {
        composeWithDrawing(drawing, scene);
        benchmark::DoNotOptimize(surfaces.window().constBits());
        benchmark::ClobberMemory();
    }
    bench::reportHeapCallsPerFrame(state, doubles::stopMeasuring());
}
BENCHMARK(BM_WorstCaseFrame);

void BM_PlainQtFrame(benchmark::State& state)
{
    const Scene scene;
    const Pictures plain{pictures().rocketSheet.convertToFormat(QImage::Format_RGB32),
                         pictures().meteorStrip.convertToFormat(QImage::Format_RGB32), {}, {}, {}};
    QImage window(kPlayAreaWidth, kPlayAreaHeight + 1, QImage::Format_RGB32);
    window.fill(Qt::white);
    doubles::startMeasuring();
    for (auto _ : state) {
        composeWithPlainQt(window, plain, scene);
        benchmark::DoNotOptimize(window.constBits());
        benchmark::ClobberMemory();
    }
    bench::reportHeapCallsPerFrame(state, doubles::stopMeasuring());
}
BENCHMARK(BM_PlainQtFrame);

} // namespace

BENCHMARK_MAIN();
