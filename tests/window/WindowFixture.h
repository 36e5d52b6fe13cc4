#pragma once
// A shown Form1 with the real pictures, and helpers to act on it while a game runs.

#include "game/GameState.h"
#include "ui/Form1.h"
#include "drawing/Pictures.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace skyvane::testing {

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<Form1>(loadPictures(), state);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        image1 = window->findChild<QWidget*>(QStringLiteral("Image1"));
        label1 = window->findChild<QLabel*>(QStringLiteral("Label1"));
        ASSERT_NE(image1, nullptr);
        ASSERT_NE(label1, nullptr);
    }
    void TearDown() override
    {
        window.reset();
        // A close ends every event loop and leaves later ones ending at once, as the program
        // would; one turn of the main loop starts the next test afresh.
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();
    }

    QAction* action(const char* name) const { return window->findChild<QAction*>(QString::fromUtf8(name)); }

    // The client area as the window paints it, one image pixel per window pixel.
    QImage clientArea() const
    {
        QImage shown(320, 241, QImage::Format_RGB32);
        window->centralWidget()->render(&shown);
        return shown;
    }

    // Runs work after delayMs of the event loop (also of a running game's pump).
    static void after(int delayMs, std::function<void()> work) { QTimer::singleShot(delayMs, std::move(work)); }

    // The open help box, once the event loop has shown it.
    static QMessageBox* openBox()
    {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(top); box && box->isVisible())
                return box;
        return nullptr;
    }

    void key(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers, bool autoRepeat = false)
    {
        QKeyEvent event(type, key, modifiers, QString(), autoRepeat);
        QApplication::sendEvent(window.get(), &event);
    }

    GameState state;
    std::unique_ptr<Form1> window;
    QWidget* image1 = nullptr;
    QLabel* label1 = nullptr;
};

} // namespace skyvane::testing
