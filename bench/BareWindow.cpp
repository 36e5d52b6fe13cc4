// A bare Qt 6 window of the game's size with a one-item menu bar: the yardstick for the
// start-up time and resident memory of skyvane (bench/startup.sh).
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.menuBar()->addMenu(QStringLiteral("Menu"))->addAction(QStringLiteral("Item"));
    auto* client = new QWidget(&window);
    client->setFixedSize(320, 241);
    window.setCentralWidget(client);
    window.show();
    return QApplication::exec();
}
