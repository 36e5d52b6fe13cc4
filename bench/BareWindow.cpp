// A bare Qt 6 window of the game's size with a one-item menu bar: the yardstick for the
// start-up time and resident memory of skyvane (bench/startup.sh). With --game-menus it
// carries the game's Japanese menu captions instead, and with them a CJK font.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>

namespace {

void addGameMenus(QMenuBar* bar)
{
    QMenu* game = bar->addMenu(QStringLiteral("ゲーム"));
    game->addAction(QStringLiteral("スタート"));
    game->addAction(QStringLiteral("終わる"));
    QMenu* players = bar->addMenu(QStringLiteral("人数設定"));
    players->addAction(QStringLiteral("１人"));
    players->addAction(QStringLiteral("２人"));
    QMenu* help = bar->addMenu(QStringLiteral("ヘルプ"));
    help->addAction(QStringLiteral("遊び方"));
    help->addAction(QStringLiteral("操作表"));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare"));
    if (QApplication::arguments().contains(QStringLiteral("--game-menus")))
        addGameMenus(window.menuBar());
    else
        window.menuBar()->addMenu(QStringLiteral("Menu"))->addAction(QStringLiteral("Item"));
    auto* client = new QWidget(&window);
    client->setFixedSize(320, 241);
    window.setCentralWidget(client);
    window.show();
    return QApplication::exec();
}
