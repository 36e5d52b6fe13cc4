#include "Form1.h"

#include "FatalError.h"
#include "FormControls.h"
#include "HelpBox.h"
#include "ImageControl.h"
#include "KeyTranslation.h"
#include "Pictures.h"
#include "SurfaceDrawing.h"
#include "Surfaces.h"
#include "game/Game.h"
#include "input/HelpTexts.h"
#include "input/KeyHandlers.h"
#include "input/PlayerCount.h"
#include "platform/DeterministicRandom.h"
#include "platform/QtEventPump.h"
#include "platform/SystemTickCounter.h"
#include "platform/X11CloseRequests.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>

#include <array>

namespace skyvane {

namespace {

constexpr QRect kLabel1Geometry{0, 103, 320, 27};
constexpr double kLabel1PointSize = 20.25;

// The check marks of the two player-count items.
class PlayerCountActions : public PlayerCountChecks {
public:
    void setChecked(int index, bool checked) override { items.at(static_cast<std::size_t>(index))->setChecked(checked); }
    std::array<QAction*, kPlayerCountItems> items{};
};

// The message label: white text centred on a black band, hidden at start.
QLabel* createLabel1(QWidget* parent)
{
    auto* label1 = new QLabel(parent);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setGeometry(kLabel1Geometry);
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

} // namespace

struct Form1::Parts {
    Parts(const Pictures& pictures, std::function<void()> beforePump)
        : surfaces(pictures.rocketSheet, pictures.meteorStrip, pictures.finale,
                   QApplication::palette().color(QPalette::Window)),
          drawing(surfaces), pump(std::move(beforePump))
    {
    }

    GameState state;
    Surfaces surfaces;
    SurfaceDrawing drawing;
    SystemTickCounter clock;
    DeterministicRandom random;
    QtEventPump pump;
    QImage title;
    ImageControl* clientArea = nullptr;
    ImageControl* image1 = nullptr;
    QLabel* label1 = nullptr;
    std::unique_ptr<FormControls> controls;
    std::unique_ptr<Game> game;
    PlayerCountActions playerCount;
    ShiftState shift;
    std::unique_ptr<X11CloseRequests> closeRequests;
};

Form1::Form1(const Pictures& pictures)
    : parts_(std::make_unique<Parts>(pictures, [this] { showGameChanges(); }))
{
    setWindowTitle(QStringLiteral("Skyvane"));
    setWindowIcon(QIcon(QPixmap::fromImage(pictures.icon)));
    createControls(pictures);
    parts_->controls = std::make_unique<FormControls>(*parts_->image1, *parts_->label1);
    parts_->game = std::make_unique<Game>(
        parts_->state, World{parts_->clock, parts_->random, parts_->pump, parts_->drawing, *parts_->controls});
    createMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setFocusPolicy(Qt::StrongFocus);
    placeAtScreenCentre();
    parts_->closeRequests = std::make_unique<X11CloseRequests>(*this, [this] { Form_QueryUnload(); });
}

Form1::~Form1() = default;

GameState& Form1::state() { return parts_->state; }
Game& Form1::game() { return *parts_->game; }
const QImage& Form1::surface() const { return parts_->surfaces.window(); }
ImageControl& Form1::image1() const { return *parts_->image1; }
QLabel& Form1::label1() const { return *parts_->label1; }

void Form1::createControls(const Pictures& pictures)
{
    // The client area shows the window surface; Image1 and Label1 lie above it.
    auto* clientArea = new ImageControl(parts_->surfaces.window(), this);
    setCentralWidget(clientArea);

    auto* label1 = createLabel1(clientArea);

    parts_->title = pictures.title;
    auto* image1 = new ImageControl(parts_->title, clientArea);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->move(0, 0);

    parts_->clientArea = clientArea;
    parts_->label1 = label1;
    parts_->image1 = image1;
}

// The whole menu tree, with the design's names as object names.
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
        parts_->playerCount.items[static_cast<std::size_t>(index)] = item;
    }
    parts_->playerCount.items[0]->setChecked(true);
    connect(playerCount, &QActionGroup::triggered, this,
            [this](QAction* item) { playerCountCommand(item->data().toInt()); });

    QMenu* helpMenu = addMenu(QStringLiteral("ヘルプ"));
    addItem(helpMenu, QStringLiteral("遊び方"), &Form1::howToPlayCommand);
    addItem(helpMenu, QStringLiteral("操作表"), &Form1::controlsTableCommand);
}

void Form1::placeAtScreenCentre()
{
    adjustSize();
    if (const QScreen* target = screen())
        move(target->availableGeometry().center() - rect().center());
}

void Form1::showGameChanges()
{
    if (parts_->drawing.takeDirty())
        parts_->clientArea->update();
    parts_->controls->apply();
}

void Form1::startCommand()
{
    runGuarded([this] { parts_->game->start(); });
    showGameChanges();
}

void Form1::quitCommand() { close(); }

void Form1::playerCountCommand(int index)
{
    runGuarded([&] { choosePlayerCount(parts_->state, parts_->playerCount, static_cast<std::int16_t>(index)); });
}

void Form1::howToPlayCommand() { showHelpBox(this, HelpTexts::HowToPlayTitle, HelpTexts::HowToPlay); }

void Form1::controlsTableCommand() { showHelpBox(this, HelpTexts::ControlsTableTitle, HelpTexts::ControlsTable); }

// Every close request ends the program at once, also in the middle of a game.
void Form1::Form_QueryUnload()
{
    parts_->game->requestClose();
    QCoreApplication::exit(0);
}

void Form1::closeEvent(QCloseEvent* event)
{
    event->accept();
    Form_QueryUnload();
}

void Form1::keyPressEvent(QKeyEvent* event)
{
    const std::int16_t shift = parts_->shift.afterEvent(*event);
    runGuarded([&] { Form_KeyDown(parts_->state, virtualKeyCode(*event), shift); });
}

// Auto-repeat arrives as release and press pairs; only the presses count.
void Form1::keyReleaseEvent(QKeyEvent* event)
{
    if (event->isAutoRepeat())
        return;
    const std::int16_t shift = parts_->shift.afterEvent(*event);
    runGuarded([&] { Form_KeyUp(parts_->state, virtualKeyCode(*event), shift); });
}

void Form1::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        parts_->shift.resync(QGuiApplication::queryKeyboardModifiers());
    QMainWindow::changeEvent(event);
}

// Tab reaches the game like any other key: there is no control to move the focus to.
bool Form1::focusNextPrevChild(bool) { return false; }

} // namespace skyvane
