#pragma once
// Form1: the game's one window with its menu bar and its controls, playing on the game state.
// It is also the event pump of the running game: each pass ends by showing what the pass drew.

#include "FormControls.h"
#include "KeyTranslation.h"
#include "NetTexts.h"
#include "PlayerCountItems.h"
#include "input/HeldKeys.h"
#include "input/PadKeys.h"
#include "platform/Gamepads.h"
#include "platform/KeyboardFocus.h"
#include "drawing/SurfaceDrawing.h"
#include "drawing/Surfaces.h"
#include "game/Game.h"
#include "game/GameState.h"
#include "net/NetAddress.h"
#include "net/NetPlay.h"
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

    // From now on the window plays over the network on the session, its keys and pads flying
    // this machine's player, until the session ends.
    void playOverNetwork(std::unique_ptr<net::Session> session);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void createMenus();
    void placeAtScreenCentre();
    void takeNormalSize();
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
    // Lets go of every key the window saw held, as the keyboard leaves it or comes back: what the
    // keyboard does elsewhere is never heard. Back, the modifiers held now count for the keys to come.
    void letGoOfKeyboard(bool hasKeyboard);
    // The shift state the handlers see: the keyboard's, with any Shift a pad holds.
    std::int16_t shiftState(std::int16_t keyboard) const;
    // The cells the key handlers write: the game state's, or in a net game this machine's own.
    GameState& keyCells();

    // The network between games and while a game is held: a game either player started begins,
    // the other player coming or going shows in the title.
    void serviceNetwork();
    void startNetGameWhenFree();
    void welcomeOtherPlayer();
    void endNetPlay();
    void showNetState();

    // Menu commands.
    void startCommand();
    void quitCommand();
    void playerCountCommand(int index);
    void howToPlayCommand();
    void controlsTableCommand();
    void hostCommand();
    void joinCommand();
    void leaveNetCommand();
    void joinNetGame(const net::NetAddress& address, const net::JoinCode& code);
    void enableNetItems();
    void showStatus(const QString& text);
    NetStatus netStatus() const;
    static std::string programVersion();
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
    KeyboardFocusWatch keyboardFocus_;
    PadKeys padKeys_;
    Gamepads gamepads_;
    QTimer padPolling_;  // between games; during one the event pump reads the pads
    bool frameCentred_ = false;
    std::unique_ptr<net::NetPlay> net_;  // a net game, while there is one
    QTimer netService_;
    bool netConnected_ = false;
    bool netWasConnected_ = false;
    bool netStartQueued_ = false;
    bool leavingNet_ = false;
    bool joinLookup_ = false;  // a host's name is being looked up for a join
    QLabel* netStatus_ = nullptr;  // the status line, from the first net game on
    struct NetItems {
        QAction* host = nullptr;
        QAction* join = nullptr;
        QAction* leave = nullptr;
    } netItems_;
    struct NetState {
        bool connected;
        std::optional<net::EndReason> lastEnd;
        bool otherWaits;
        qint64 second;
        bool operator==(const NetState&) const = default;
    };
    std::optional<NetState> shownNetState_;
};

} // namespace skyvane
