#pragma once
// Form1: the game's one window with its menu bar, its controls and the game state.

#include <QMainWindow>
#include <memory>

class QAction;
class QLabel;

namespace skyvane {

struct Pictures;
struct GameState;
class Game;
class ImageControl;

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(const Pictures& pictures);
    ~Form1() override;

    GameState& state();
    Game& game();
    const QImage& surface() const;
    ImageControl& image1() const;
    QLabel& label1() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void createControls(const Pictures& pictures);
    void createMenus();
    void placeAtScreenCentre();
    // Schedules the repaint of what was drawn and shows the controls as the game left them.
    void showGameChanges();

    // Menu commands.
    void startCommand();
    void quitCommand();
    void playerCountCommand(int index);
    void howToPlayCommand();
    void controlsTableCommand();
    void Form_QueryUnload();

    struct Parts;
    std::unique_ptr<Parts> parts_;
};

} // namespace skyvane
