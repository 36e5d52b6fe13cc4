// The committed pictures are exactly what the drawing program writes.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace skyvane::test {
namespace {

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(DrawingProgram, RerunWritesTheCommittedFilesByteForByte)
{
    QTemporaryDir output;
    ASSERT_TRUE(output.isValid());
    QProcess program;
    program.start(QStringLiteral(SKYVANE_DRAWASSETS), {output.path()});
    ASSERT_TRUE(program.waitForFinished(120000));
    ASSERT_EQ(program.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();

    const QDir committed(QStringLiteral(SKYVANE_ASSETS_DIR));
    for (const char* name : {"rocket_sheet.png", "meteor_strip.png", "title.png", "finale.png", "icon.png", "icon.ico"}) {
        const QByteArray drawn = contentsOf(QDir(output.path()).filePath(QLatin1String(name)));
        ASSERT_FALSE(drawn.isEmpty()) << name;
        EXPECT_TRUE(drawn == contentsOf(committed.filePath(QLatin1String(name))))
            << name << " differs from the drawing program's output; rerun skyvane-drawassets";
    }
}

} // namespace
} // namespace skyvane::test
