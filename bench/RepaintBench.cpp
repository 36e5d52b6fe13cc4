// The repaint of the client area after a frame, as the event pump has Qt deliver it, with the
// heap calls it makes: in the window's normal state, the surface shown once, and in full screen
// on a 1920 x 1080 screen, the largest whole scale that fits below the menu bar. The window runs
// on Qt's offscreen platform, whose backing store is an image in memory: what reaching a real
// screen adds is the window system's, the same at every scale.
#include "HeapCalls.h"
#include "drawing/Pictures.h"
#include "game/GameState.h"
#include "ui/ClientArea.h"
#include "ui/Form1.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

using namespace skyvane;

void repaintAt(benchmark::State& state, QSize windowSize)
{
    GameState game;
    Form1 window(loadPictures(), game, 1);
    if (!windowSize.isEmpty())
        window.resize(windowSize);
    window.show();
    auto* area = qobject_cast<ClientArea*>(window.centralWidget());
    QWidget* image1 = window.findChild<QWidget*>(QStringLiteral("Image1"));
    if (area == nullptr || image1 == nullptr) {
        state.SkipWithError("no client area");
        return;
    }
    image1->hide();  // as during a game
    QCoreApplication::processEvents();
    doubles::startMeasuring();
    for (auto _ : state) {
        area->surfaceChanged();
        QCoreApplication::sendPostedEvents(&window, QEvent::UpdateRequest);
    }
    bench::reportHeapCallsPerFrame(state, doubles::stopMeasuring());
    state.counters["scale"] = static_cast<double>(image1->width() / 320);
}

void BM_RepaintNormalSize(benchmark::State& state) { repaintAt(state, {}); }
BENCHMARK(BM_RepaintNormalSize);

void BM_RepaintFullScreen1080p(benchmark::State& state) { repaintAt(state, {1920, 1080}); }
BENCHMARK(BM_RepaintFullScreen1080p);

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
