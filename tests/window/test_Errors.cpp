// The clear error a damaged picture gives, and how run-time errors end the program.
#include "game/GameState.h"
#include "ui/FatalError.h"
#include "drawing/Pictures.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

using namespace skyvane;

TEST(Pictures, ADamagedOrMissingPictureIsAClearError)
{
    QTemporaryDir dir;
    const QString finale = PictureFiles::Finale.resourcePath();
    QFile original(finale);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    QByteArray bytes = original.readAll();
    bytes.truncate(bytes.size() / 3);
    const QString damaged = dir.filePath("finale.png");
    QFile out(damaged);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes);
    out.close();

    const std::vector<std::pair<QString, QSize>> cases{
        {damaged, {50, 50}}, {dir.filePath("missing.png"), {50, 50}}, {finale, {60, 50}}};
    for (const auto& [path, size] : cases) {
        try {
            loadPicture(path, size);
            ADD_FAILURE() << "no error for " << path.toStdString();
        } catch (const PictureError& error) {
            EXPECT_NE(std::string(error.what()).find(path.toStdString()), std::string::npos) << error.what();
        }
    }
}

// The child shows what the box said on standard error as it closes it, and ends at once with its
// own code if no box comes.
TEST(RunTimeErrors, EndTheProgramWithABoxAMessageOnStandardErrorAndACode)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");  // Qt runs threads: start the child afresh
    EXPECT_EXIT(
        {
            auto* poll = new QTimer;
            int waited = 0;
            QObject::connect(poll, &QTimer::timeout, [&waited] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    std::fprintf(stderr, "a box said: %s\n", box->text().toLocal8Bit().constData());
                    box->close();
                } else if (++waited > 200) {
                    std::fprintf(stderr, "no box\n");
                    std::_Exit(99);
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
