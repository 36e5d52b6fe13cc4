#pragma once
// Form1: the game's one window with its menu bar and its controls, playing on the game state.
// It is also the event pump of the running game: each pass ends by showing what the pass drew.

#include "FormControls.h"
#include "KeyTranslation.h"
#include "PlayerCountItems.h"
#include "input/HeldKeys.h"
#include "input/PadKeys.h"
#include "platform/Gamepads.h"
#include "drawing/SurfaceDrawing.h"
#include "drawing/Surfaces.h"
#include "game/Game.h"
#include "game/GameState.h"
#include "platform/DeterministicRandom.h"
#include "platform/SystemTickCounter.h"

#include <QMainWindow>
#include <QTimer>

class QLabel;

namespace skyvane {

struct Pictures;
class ImageControl;

class ClientArea;

class Form1 : public QMainWindow, private EventPump, private PadListener {
    Q_OBJECT
public:
    // The window keeps its own copies of the pictures; the game state must outlive it. The first
    // game controller flies player firstPadPlayer (1 or 2), a second one the other player.
    Form1(const Pictures& pictures, GameState& state, int firstPadPlayer);
    ~Form1() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void createMenus();
    void placeAtScreenCentre();
    // F10: the first menu opens, and the menus take the keys until one is chosen or Esc.
    void openMenuBar();
    // F11: full screen, the menu bar still at the top, or back to the state before.
    void toggleFullScreen();

    // The end of every pass of a running game: show the frame, then handle every pending event.
    void pumpEvents() override;
    // Schedules the repaint of what was drawn and shows the controls as the game left them.
    void showGameChanges();
    // The pads' controls press and release the game's keys, only while the window is active.
    void padControl(int slot, PadControl control, bool down) override;
    // The shift state the handlers see: the keyboard's, with any Shift a pad holds.
    std::int16_t shiftState(std::int16_t keyboard) const;

    // Menu commands.
    void startCommand();
    void quitCommand();
    void playerCountCommand(int index);
    void howToPlayCommand();
    void controlsTableCommand();
    void Form_QueryUnload();

    GameState& state_;
    Surfaces surfaces_;
    SurfaceDrawing drawing_;
    SystemTickCounter clock_;
    DeterministicRandom random_;
    QImage title_;
    // The widgets belong to the window; Image1 and Label1 lie above the client area.
    ClientArea* clientArea_;
    QLabel* label1_;
    ImageControl* image1_;
    FormControls controls_;
    Game game_;
    PlayerCountItems playerCount_;
    ShiftState shift_;
    HeldKeys held_;
    PadKeys padKeys_;
    Gamepads gamepads_;
    QTimer padPolling_;  // between games; during one the event pump reads the pads
    bool frameCentred_ = false;
};

} // namespace skyvane
