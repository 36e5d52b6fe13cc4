#include "Form1.h"

#include "ClientArea.h"
#include "FatalError.h"
#include "HelpBox.h"
#include "HelpTexts.h"
#include "HostDialog.h"
#include "JoinDialog.h"
#include "ImageControl.h"
#include "NoAltMenuStyle.h"
#include "drawing/Pictures.h"
#include "input/KeyHandlers.h"
#include "platform/ConfiguredSize.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QHostInfo>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>

#include <array>

namespace skyvane {

namespace {

constexpr QRect kLabel1Geometry{0, 103, 320, 27};
// Window managers resize the window by its edges only in steps of this size beyond its normal
// size, and no screen is that large: its edges cannot change its size, while maximised,
// full-screen and tiled sizes, which take no steps, are taken as given.
constexpr int kResizeStep = 16384;
constexpr int kPadPollingMs = 10;  // half a frame: between games a pad answers as quickly as the keys
constexpr int kNetServiceMs = 10;  // the other machine hears from this one while a game is held
constexpr qint64 kRoundTripShownMs = 1000;  // the status line's round trip is this often new
constexpr double kLabel1PointSize = 20.25;

// The message label: white text centred on a black band, hidden at start.
QLabel* createLabel1(QWidget* parent)
{
    auto* label1 = new QLabel(parent);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"), QStringLiteral("Noto Sans CJK JP")});
    font.setPointSizeF(kLabel1PointSize);
    font.setWeight(QFont::Normal);
    label1->setFont(font);
    QPalette colours = label1->palette();
    colours.setColor(QPalette::Window, Qt::black);
    colours.setColor(QPalette::WindowText, Qt::white);
    label1->setPalette(colours);
    label1->setAutoFillBackground(true);
    label1->setFocusPolicy(Qt::NoFocus);
    label1->setText(QString::fromUtf8(kGameOverCaption));
    label1->hide();
    return label1;
}

ImageControl* createImage1(const QImage& title, QWidget* parent)
{
    auto* image1 = new ImageControl(title, parent);
    image1->setObjectName(QStringLiteral("Image1"));
    return image1;
}

} // namespace

Form1::Form1(const Pictures& pictures, GameState& state, int firstPadPlayer)
    : state_(state), surfaces_(pictures.rocketSheet, pictures.meteorStrip, pictures.finale),
      drawing_(surfaces_), title_(pictures.title), clientArea_(new ClientArea(surfaces_.window(), this)),
      label1_(createLabel1(clientArea_)), image1_(createImage1(title_, clientArea_)), controls_(*image1_, *label1_),
      game_(state_, World{clock_, random_, *this, drawing_, controls_}),
      keyboardFocus_([this](std::uintptr_t window, bool hasKeyboard) {
          if (window == internalWinId())
              letGoOfKeyboard(hasKeyboard);
      }),
      padKeys_(held_, firstPadPlayer - 1)
{
    setWindowTitle(QStringLiteral("Skyvane"));
    setWindowIcon(QIcon(QPixmap::fromImage(pictures.icon)));
    clientArea_->addControl(*label1_, kLabel1Geometry);
    clientArea_->addControl(*image1_, QRect(QPoint(0, 0), title_.size()));
    setCentralWidget(clientArea_);
    createMenus();
    setFocusPolicy(Qt::StrongFocus);
    resize(sizeHint());  // the normal size, on a small screen too
    placeAtScreenCentre();
    winId();  // the native window, whose size hints hold from its first showing on
    setBaseSize(size());
    setSizeIncrement(kResizeStep, kResizeStep);
    followConfiguredSize(*windowHandle());
    if (gamepads_.available()) {
        connect(&padPolling_, &QTimer::timeout, this, [this] { gamepads_.poll(*this); });
        padPolling_.start(kPadPollingMs);
    }
}

// The controls show the surface and the title picture, members that end before the children would.
Form1::~Form1() { delete takeCentralWidget(); }

// The whole menu tree; each menu and item has its caption as its object name.
void Form1::createMenus()
{
    auto addMenu = [this](const QString& name) {
        QMenu* menu = menuBar()->addMenu(name);
        menu->setObjectName(name);
        menu->menuAction()->setObjectName(name);
        return menu;
    };
    auto addItem = [this](QMenu* menu, const QString& name, void (Form1::*command)()) {
        QAction* action = menu->addAction(name);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, command);
        return action;
    };

    // Tapping Alt must not give the menu bar the keyboard: the arrow keys belong to the game.
    auto* noAlt = new NoAltMenuStyle(QApplication::style()->name());
    noAlt->setParent(menuBar());
    menuBar()->setStyle(noAlt);

    QMenu* gameMenu = addMenu(QStringLiteral("ゲーム"));
    QAction* start = addItem(gameMenu, QStringLiteral("スタート"), &Form1::startCommand);
    start->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    start->setShortcutContext(Qt::ApplicationShortcut);
    addItem(gameMenu, QStringLiteral("終わる"), &Form1::quitCommand);

    QMenu* playersMenu = addMenu(QStringLiteral("人数設定"));
    auto* playerCount = new QActionGroup(this);
    playerCount->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    const std::array<QString, kPlayerCountItems> captions{QStringLiteral("１人"), QStringLiteral("２人")};
    for (int index = 0; index < kPlayerCountItems; ++index) {
        QAction* item = playersMenu->addAction(captions[static_cast<std::size_t>(index)]);
        item->setObjectName(QStringLiteral("人数"));
        item->setCheckable(true);
        item->setData(index);
        playerCount->addAction(item);
        playerCount_.items[static_cast<std::size_t>(index)] = item;
    }
    playerCount_.items[0]->setChecked(true);
    connect(playerCount, &QActionGroup::triggered, this,
            [this](QAction* item) { playerCountCommand(item->data().toInt()); });

    QMenu* helpMenu = addMenu(QStringLiteral("ヘルプ"));
    addItem(helpMenu, QStringLiteral("遊び方"), &Form1::howToPlayCommand);
    addItem(helpMenu, QStringLiteral("操作表"), &Form1::controlsTableCommand);

    // Play over the network, beside the menus of the game.
    QMenu* netMenu = addMenu(QStringLiteral("ネット対戦"));
    netItems_.host = addItem(netMenu, QStringLiteral("ホストになる"), &Form1::hostCommand);
    netItems_.join = addItem(netMenu, QStringLiteral("参加する"), &Form1::joinCommand);
    netItems_.leave = addItem(netMenu, QStringLiteral("ネット対戦をやめる"), &Form1::leaveNetCommand);
    enableNetItems();
}

// Hosting and joining while there is no net game, leaving while there is one.
void Form1::enableNetItems()
{
    const bool playing = net_ != nullptr || joinLookup_;
    netItems_.host->setEnabled(!playing);
    netItems_.join->setEnabled(!playing);
    netItems_.leave->setEnabled(net_ != nullptr);
}

// Centres the whole frame: title bar and borders once the window manager has framed the window,
// the client area alone before.
void Form1::placeAtScreenCentre()
{
    if (const QScreen* target = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(target->availableGeometry().center());
        move(frame.topLeft());
    }
}

void Form1::openMenuBar()
{
    QMenuBar* bar = menuBar();
    bar->setActiveAction(bar->actions().constFirst());
}

// An open menu holds the game, as a help box does, until it closes or the window does.
void Form1::pumpEvents()
{
    showGameChanges();
    gamepads_.poll(*this);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    while (QApplication::activePopupWidget() != nullptr && isVisible())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void Form1::showGameChanges()
{
    if (drawing_.takeDirty())
        clientArea_->surfaceChanged();
    controls_.apply();
}

// The whole game runs inside this command: keys and menu commands reach it through the event
// pump at the end of each pass, and a start from there sets up the new game in place. With the
// other player there, the start is the net game's, on both machines.
void Form1::startCommand()
{
    if (net_ && net_->session->connected()) {
        net_->game.startCommand();
        startNetGameWhenFree();
        return;
    }
    runGuarded([this] { game_.start(); });
    showGameChanges();
    if (state_.Playing == 0)  // the game ended: what a pad still holds counts again once pressed anew
        gamepads_.releaseAll(*this);
}

void Form1::padControl(int slot, PadControl control, bool down)
{
    if (down && !isActiveWindow())
        return;
    if (control == PadControl::Start) {
        // Once the pads are read: the game runs inside the command.
        if (down)
            QMetaObject::invokeMethod(this, &Form1::startCommand, Qt::QueuedConnection);
        return;
    }
    runGuarded([&] { padKeys_.control(keyCells(), slot, control, down, shift_.mask()); });
}

std::int16_t Form1::shiftState(std::int16_t keyboard) const
{
    return static_cast<std::int16_t>(keyboard | padKeys_.shiftHeld());
}

void Form1::quitCommand() { close(); }

// A net game is for two players always.
void Form1::playerCountCommand(int index)
{
    const bool twoAlways = net_ && net_->session->connected();
    runGuarded([&] { choosePlayerCount(state_, playerCount_, static_cast<std::int16_t>(twoAlways ? 1 : index)); });
}

void Form1::howToPlayCommand() { showHelpBox(*this, HelpTexts::HowToPlayTitle, HelpTexts::HowToPlay); }

void Form1::hostCommand()
{
    HostDialog dialog(programVersion());
    if (showOwnedBox(*this, dialog) == QDialog::Accepted)
        playOverNetwork(dialog.takeSession());
}

void Form1::joinCommand()
{
    JoinDialog dialog;
    if (showOwnedBox(*this, dialog) == QDialog::Accepted)
        joinNetGame(dialog.address(), dialog.code());
}

// The host's name is looked up without holding the window; then the join goes on from the
// network service, saying how it goes.
void Form1::joinNetGame(const net::NetAddress& address, const net::JoinCode& code)
{
    joinLookup_ = true;
    enableNetItems();
    showStatus(QStringLiteral("%1 を探しています…").arg(QString::fromStdString(address.host)));
    QHostInfo::lookupHost(QString::fromStdString(address.host), this, [this, address, code](const QHostInfo& found) {
        joinLookup_ = false;
        const QList<QHostAddress> addresses = found.addresses();
        const auto ipv4 = std::find_if(addresses.begin(), addresses.end(), [](const QHostAddress& a) {
            return a.protocol() == QAbstractSocket::IPv4Protocol;
        });
        std::unique_ptr<net::Session> session =
            ipv4 == addresses.end() ? nullptr
                                    : net::Session::join(ipv4->toString().toStdString(), address.port, code, programVersion());
        if (!session) {
            enableNetItems();
            return showStatus(QStringLiteral("参加できませんでした: %1 が見つかりません").arg(QString::fromStdString(address.host)));
        }
        playOverNetwork(std::move(session));
    });
}

// Leaving ends the net game on both machines; a game running here ends first.
void Form1::leaveNetCommand()
{
    if (!net_)
        return;
    net_->game.leave();
    leavingNet_ = true;
    if (!net_->game.running())
        endNetPlay();
}

std::string Form1::programVersion() { return QCoreApplication::applicationVersion().toStdString(); }

// The normal size: the client area, the menu bar above it and the status line, once there is
// one, below; on a small screen too. Only window managers' steps beyond it resize by the edges.
void Form1::takeNormalSize()
{
    if (windowState() == Qt::WindowNoState)
        resize(sizeHint());
    setBaseSize(sizeHint());
}

// A label of the status line, not its passing message, which a menu's item clears. The window
// grows by the line rather than the client area shrinking, once the line is laid out.
void Form1::showStatus(const QString& text)
{
    if (netStatus_ == nullptr) {
        netStatus_ = new QLabel(this);
        netStatus_->setObjectName(QStringLiteral("ネット対戦の状態"));
        statusBar()->setSizeGripEnabled(false);
        statusBar()->addWidget(netStatus_);
        QMetaObject::invokeMethod(this, &Form1::takeNormalSize, Qt::QueuedConnection);
    }
    if (netStatus_->text() != text) {
        netStatus_->setText(text);
        netStatus_->setToolTip(text);
    }
}

void Form1::controlsTableCommand() { showHelpBox(*this, HelpTexts::ControlsTableTitle, HelpTexts::ControlsTable); }

// Every close request ends the program at once, also in the middle of a game.
void Form1::Form_QueryUnload()
{
    if (net_) {
        net_->game.requestClose();
        net_->session->leave();
    }
    game_.requestClose();
    QCoreApplication::exit(0);
}

void Form1::closeEvent(QCloseEvent* event)
{
    event->accept();
    Form_QueryUnload();
}

void Form1::keyPressEvent(QKeyEvent* event)
{
    const std::int16_t shift = shiftState(shift_.afterEvent(*event));
    runGuarded([&] { held_.press(keyCells(), KeyHolder::Keyboard, virtualKeyCode(*event), shift); });
    if (event->key() == Qt::Key_F10)
        openMenuBar();
    else if (event->key() == Qt::Key_F11 && !event->isAutoRepeat())
        toggleFullScreen();
}

// Only F11 leaves full screen: Esc belongs to the game.
void Form1::toggleFullScreen() { setWindowState(windowState() ^ Qt::WindowFullScreen); }

// Auto-repeat arrives as release and press pairs; only the presses count.
void Form1::keyReleaseEvent(QKeyEvent* event)
{
    if (event->isAutoRepeat())
        return;
    const std::int16_t shift = shiftState(shift_.afterEvent(*event));
    runGuarded([&] { held_.release(keyCells(), KeyHolder::Keyboard, virtualKeyCode(*event), shift); });
}

// The keyboard goes to a menu, a help box or another window, and comes back: a key let go
// meanwhile never reaches the window, so it holds none from the keyboard's going until its
// return; a key still held on return comes back with its next repeat.
void Form1::focusInEvent(QFocusEvent* event)
{
    letGoOfKeyboard(true);
    QMainWindow::focusInEvent(event);
}

void Form1::focusOutEvent(QFocusEvent* event)
{
    letGoOfKeyboard(false);
    QMainWindow::focusOutEvent(event);
}

void Form1::letGoOfKeyboard(bool hasKeyboard)
{
    shift_.resync(hasKeyboard ? QGuiApplication::queryKeyboardModifiers() : Qt::NoModifier);
    runGuarded([this] { held_.releaseAll(keyCells(), KeyHolder::Keyboard, shiftState(shift_.mask())); });
}

// The pads are not the window's to hold while another window is active, a help box among them.
void Form1::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        gamepads_.releaseAll(*this);
    QMainWindow::changeEvent(event);
}

// The window manager frames the window after it is first shown; from then on the frame is known.
void Form1::moveEvent(QMoveEvent* event)
{
    if (!frameCentred_ && frameGeometry().size() != size()) {
        frameCentred_ = true;
        placeAtScreenCentre();
    }
    QMainWindow::moveEvent(event);
}

void Form1::playOverNetwork(std::unique_ptr<net::Session> session)
{
    net_ = std::make_unique<net::NetPlay>(std::move(session), state_, World{clock_, random_, *this, drawing_, controls_});
    netConnected_ = false;
    netWasConnected_ = false;
    leavingNet_ = false;
    shownNetState_.reset();
    enableNetItems();
    connect(&netService_, &QTimer::timeout, this, &Form1::serviceNetwork, Qt::UniqueConnection);
    netService_.start(kNetServiceMs);
    serviceNetwork();
}

GameState& Form1::keyCells() { return net_ && net_->session->connected() ? net_->game.keyCells() : state_; }

void Form1::serviceNetwork()
{
    net_->game.service();
    const bool connected = net_->session->connected();
    if (connected && !netConnected_)
        welcomeOtherPlayer();
    netConnected_ = connected;
    netWasConnected_ = netWasConnected_ || connected;
    // Not from here: Qt fires no timer again while its slot runs, and the game would run inside it.
    if (net_->game.startPending() && !netStartQueued_) {
        netStartQueued_ = true;
        QMetaObject::invokeMethod(this, &Form1::startNetGameWhenFree, Qt::QueuedConnection);
    }
    if ((net_->session->over() || leavingNet_) && !net_->game.running())
        return endNetPlay();
    showNetState();
}

// A game can begin once no other runs: a game on this machine alone ends as the other player
// comes, but still has to leave its loop.
void Form1::startNetGameWhenFree()
{
    netStartQueued_ = false;
    if (!net_ || game_.running() || net_->game.running() || !net_->game.startPending())
        return;
    runGuarded([this] { net_->game.GameMain(); });
    showGameChanges();
    gamepads_.releaseAll(*this);
}

// The other player is here: the game on this machine alone ends, and two players it is.
void Form1::welcomeOtherPlayer()
{
    if (game_.running())
        state_.Playing = 0;
    runGuarded([this] { choosePlayerCount(state_, playerCount_, 1); });
}

// The net game is over once left, or on a joining machine once the host is gone: the window
// plays alone again.
void Form1::endNetPlay()
{
    const NetStatus status = netStatus();
    const std::optional<net::EndReason> reason = net_->game.lastEnd();
    netService_.stop();
    net_.reset();
    enableNetItems();
    if (leavingNet_) {
        setWindowTitle(QStringLiteral("Skyvane"));
        return showStatus(QStringLiteral("ネット対戦をやめました"));
    }
    setWindowTitle(QStringLiteral("Skyvane - the net game ended: %1")
                       .arg(QString::fromUtf8(net::describe(reason.value_or(net::EndReason::Left)))));
    showStatus(netEndedText(status));
}

NetStatus Form1::netStatus() const
{
    const net::Session& session = *net_->session;
    return NetStatus{session.side(), session.connected(), netWasConnected_, net_->game.otherWaitsForThis(),
                     session.port(), QString::fromStdString(net::toString(session.code())), session.roundTripMs(),
                     net_->game.lastEnd()};
}

// The title says which side this machine is and whether the other player is there, the status
// line how the connection stands; both are made anew only when that changes, the round trip
// once a second.
void Form1::showNetState()
{
    const net::Session& session = *net_->session;
    const NetStatus status = netStatus();
    const NetState now{session.connected(), net_->game.lastEnd(), status.otherWaits,
                       QDateTime::currentMSecsSinceEpoch() / kRoundTripShownMs};
    if (now == shownNetState_)
        return;
    shownNetState_ = now;
    showStatus(netStatusText(status));
    QString title;
    if (session.side() == net::Session::Side::Joiner)
        title = session.connected() ? QStringLiteral("Skyvane - 2P, with 1P") : QStringLiteral("Skyvane - 2P, joining");
    else if (session.connected())
        title = QStringLiteral("Skyvane - 1P, with 2P");
    else
        title = QStringLiteral("Skyvane - 1P, hosting with code %1: waiting for 2P%2")
                    .arg(QString::fromStdString(net::toString(session.code())),
                         net_->game.lastEnd() ? QStringLiteral(" (%1)").arg(QString::fromUtf8(net::describe(*net_->game.lastEnd())))
                                              : QString());
    setWindowTitle(title);
}

// Tab reaches the game like any other key: there is no control to move the focus to.
bool Form1::focusNextPrevChild(bool) { return false; }

} // namespace skyvane
