// The clear error a damaged picture gives, and how run-time errors end the program.
#include "game/GameState.h"
#include "ui/FatalError.h"
#include "drawing/Pictures.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

using namespace skyvane;

TEST(Pictures, ADamagedOrMissingPictureIsAClearError)
{
    QTemporaryDir dir;
    QFile original(PictureFiles::Finale.resourcePath());
    QFile out(dir.filePath("finale.png"));  // the finale's first third
    ASSERT_TRUE(original.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    ASSERT_GT(out.write(original.read(original.size() / 3)), 0);

    const std::vector<std::pair<QString, QSize>> cases{
        {out.fileName(), {50, 50}}, {dir.filePath("missing.png"), {50, 50}}, {original.fileName(), {60, 50}}};
    for (const auto& [path, size] : cases) {
        try {
            loadPicture(path, size);
            ADD_FAILURE() << "no error for " << path.toStdString();
        } catch (const PictureError& error) {
            EXPECT_NE(std::string(error.what()).find(path.toStdString()), std::string::npos) << error.what();
        }
    }
}

// The child shows what the box said on standard error as it closes it, and ends with its own
// code if no box comes.
TEST(RunTimeErrors, EndTheProgramWithABoxAMessageOnStandardErrorAndACode)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");  // Qt runs threads: start the child afresh
    EXPECT_EXIT(
        {
            QTimer::singleShot(2000, [] { std::_Exit(99); });
            auto* poll = new QTimer;
            QObject::connect(poll, &QTimer::timeout, [] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    std::fprintf(stderr, "a box said: %s\n", box->text().toLocal8Bit().constData());
                    box->close();
                }
            });
            poll->start(10);
            runGuarded([] {
                GameState s;
                s.RocketX[0] = 40000;
            });
        },
        ::testing::ExitedWithCode(kExitRuntimeError),
        "skyvane: Overflow: RocketX\\(0\\) = 40000 is outside(.|\n)*a box said: Overflow: RocketX\\(0\\) = 40000");
}
