#include "Form1.h"

#include "game/Game.h"
#include "platform/DeterministicRandom.h"
#include "platform/QtEventPump.h"
#include "platform/SystemTickCounter.h"

#include <QAction>
#include <QMenuBar>

namespace skyvane {

namespace {
class NoDrawing : public Drawing, public Controls {
public:
    void ClearPlayArea() override {}
    void PlotPoint(std::int16_t, std::int16_t, std::uint32_t) override {}
    void BlitMeteor(std::int16_t, std::int16_t, std::int16_t, std::int16_t) override {}
    void BlitRocket(std::int16_t, std::int16_t, std::int16_t, std::int16_t) override {}
    void PaintFinalePicture(std::int16_t, std::int16_t) override {}
    void ClearSurface() override {}
    void showImage1() override {}
    void hideImage1() override {}
    void showLabel1() override {}
    void hideLabel1() override {}
    void setLabel1Caption(std::string_view) override {}
};
} // namespace

struct Form1::Private {
    GameState state;
    SystemTickCounter clock;
    DeterministicRandom random;
    QtEventPump pump{nullptr};
    NoDrawing drawing;
    Game game{state, World{clock, random, pump, drawing, drawing}};
};

Form1::Form1() : d(std::make_unique<Private>())
{
    setWindowTitle("Skyvane");
    auto* start = menuBar()->addMenu("ゲーム")->addAction("スタート");
    start->setShortcut(QKeySequence("Ctrl+S"));
    connect(start, &QAction::triggered, this, [this] { d->game.start(); });
}

Form1::~Form1() = default;

} // namespace skyvane
