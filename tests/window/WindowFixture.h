#pragma once
// A shown Form1 with the real pictures, driven as a user would: keys and clicks through the
// window system's routing, to whatever window has them. Work that must run while a game or a
// help box holds the event loop is scheduled on a timer; it records what it sees and never
// asserts, and a watchdog ends whatever still blocks, so a failure can never become a hang.

#include "drawing/Pictures.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <array>

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
        ASSERT_TRUE(image1 != nullptr && label1 != nullptr);
        QObject::connect(&watchdog, &QTimer::timeout, [this] {
            watchdogFired = true;
            if (QWidget* popup = QApplication::activePopupWidget())
                popup->close();
            for (QWidget* top : QApplication::topLevelWidgets())
                if (auto* dialog = qobject_cast<QDialog*>(top); dialog && dialog->isVisible())
                    dialog->reject();
            state.Playing = 0;
        });
        watchdog.start(10000);  // ms, far beyond what any test waits for; stopped by TearDown()
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

    using Cells = std::array<int, 4>;  // Steer of 1P and 2P, then Thrust of 1P and 2P
    static constexpr Cells kNoneHeld{};
    Cells cells() const { return {state.Steer[0], state.Steer[1], state.Thrust[0], state.Thrust[1]}; }

    QAction* action(const char* name) const { return window->findChild<QAction*>(QString::fromUtf8(name)); }
    QWindow* handle() const { return window->windowHandle(); }

    // The client area as the window paints it, one image pixel per window pixel.
    QImage clientArea() const
    {
        QImage shown(320, 241, QImage::Format_RGB32);
        window->centralWidget()->render(&shown);
        return shown;
    }

    // Clicks a title of the menu bar, which opens its menu; false if it did not open.
    bool clickMenuTitle(const char* title) const
    {
        QMenuBar* bar = window->menuBar();
        if (QAction* menu = action(title))
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu).center());
        return QTest::qWaitFor([&] {
            const QWidget* popup = QApplication::activePopupWidget();
            return popup != nullptr && popup->objectName() == QString::fromUtf8(title);
        }, 1000);
    }

    // A key pressed or released wherever the keyboard is now: the open menu or the active window.
    static void keyToFocus(QTest::KeyAction action, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* popup = QApplication::activePopupWidget();
        if (QWidget* target = popup != nullptr ? popup : QApplication::activeWindow())
            QTest::keyEvent(action, target->windowHandle(), key, modifiers);
    }

    int firstPadPlayer = 1;  // as --first-pad gives it
    GameState state;
    std::unique_ptr<Form1> window;
    QWidget* image1 = nullptr;
    QLabel* label1 = nullptr;
    QTimer watchdog;
    bool watchdogFired = false;
};

} // namespace skyvane::testing
