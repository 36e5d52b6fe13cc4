#pragma once
// A shown Form1 with the real pictures, driven as a user would: keys and clicks through the
// window system's routing, to whatever window has them. Work that must run while a game or a
// help box holds the event loop is scheduled with after(); it records what it sees and never
// asserts, and a watchdog ends whatever still blocks, so a failure can never become a hang.

#include "drawing/Pictures.h"
#include "game/GameState.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace skyvane::testing {

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<Form1>(loadPictures(), state, firstPadPlayer);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        image1 = window->findChild<QWidget*>(QStringLiteral("Image1"));
        label1 = window->findChild<QLabel*>(QStringLiteral("Label1"));
        ASSERT_NE(image1, nullptr);
        ASSERT_NE(label1, nullptr);
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [this] {
            watchdogFired = true;
            if (QWidget* popup = QApplication::activePopupWidget())
                popup->close();
            for (QWidget* top : QApplication::topLevelWidgets())
                if (auto* dialog = qobject_cast<QDialog*>(top); dialog && dialog->isVisible())
                    dialog->reject();
            state.Playing = 0;
        });
        watchdog.start(kWatchdogMs);
    }

    void TearDown() override
    {
        EXPECT_FALSE(watchdogFired) << "something blocked until the watchdog ended it";
        watchdog.stop();
        window.reset();
        // A close ends every event loop and leaves later ones ending at once, as the program
        // would; one turn of the main loop starts the next test afresh.
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();
    }

    QAction* action(const char* name) const { return window->findChild<QAction*>(QString::fromUtf8(name)); }
    QWindow* handle() const { return window->windowHandle(); }

    // The client area as the window paints it, one image pixel per window pixel.
    QImage clientArea() const
    {
        QImage shown(320, 241, QImage::Format_RGB32);
        window->centralWidget()->render(&shown);
        return shown;
    }

    // Runs work after delayMs of the event loop (also of a running game's pump or a help box).
    static void after(int delayMs, std::function<void()> work) { QTimer::singleShot(delayMs, std::move(work)); }

    // The open help box, once the event loop has shown it.
    static QMessageBox* openBox()
    {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(top); box && box->isVisible())
                return box;
        return nullptr;
    }

    // The object name of the open menu, or "" when none is open.
    static QString openMenu()
    {
        const QWidget* popup = QApplication::activePopupWidget();
        return popup != nullptr ? popup->objectName() : QString();
    }

    // Clicks a title of the menu bar, which opens its menu; false if it did not open.
    bool clickMenuTitle(const char* title) const
    {
        QMenuBar* bar = window->menuBar();
        QAction* menu = action(title);
        if (menu == nullptr)
            return false;
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu).center());
        return QTest::qWaitFor([&] { return openMenu() == QString::fromUtf8(title); }, 1000);
    }

    // A key pressed or released wherever the keyboard is now: the open menu, the active help
    // box or the window.
    static void keyToFocus(QTest::KeyAction action, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* target = QApplication::activePopupWidget();
        if (target == nullptr)
            target = QApplication::activeWindow();
        if (target != nullptr)
            QTest::keyEvent(action, target->windowHandle(), key, modifiers);
    }

    // A hand-made key event straight to the window, for exact modifiers and auto-repeat.
    void key(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers, bool autoRepeat = false)
    {
        QKeyEvent event(type, key, modifiers, QString(), autoRepeat);
        QApplication::sendEvent(window.get(), &event);
    }

    static constexpr int kWatchdogMs = 10000;

    int firstPadPlayer = 1;  // as --first-pad gives it
    GameState state;
    std::unique_ptr<Form1> window;
    QWidget* image1 = nullptr;
    QLabel* label1 = nullptr;
    QTimer watchdog;
    bool watchdogFired = false;
};

} // namespace skyvane::testing
