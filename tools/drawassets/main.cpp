// Draws the five pictures of the game and writes them, with icon.ico and the desktop icons in
// hicolor/<size>x<size>/apps/, to one directory:
//   skyvane-drawassets [output-dir]      (default: the source tree's assets/)
// Every run writes the same bytes, so the committed pictures can be checked against it.

#include "tools/drawassets/FinalePicture.h"
#include "tools/drawassets/IconFile.h"
#include "tools/drawassets/MeteorStrip.h"
#include "tools/drawassets/RocketSheet.h"
#include "tools/drawassets/TitlePicture.h"
#include "tools/drawassets/WindowIcon.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QSaveFile>
#include <cstdio>
#include <stdexcept>

namespace {

using namespace skyvane::drawassets;

// The desktop entry's Icon= name, which the icon theme looks up.
const QString kDesktopIconName = QStringLiteral("io.github.skyvane.Skyvane");

void writePng(const QDir& directory, const QString& name, const QImage& picture)
{
    const QString folder = QFileInfo(directory.filePath(name)).path();
    if (!QDir().mkpath(folder))
        throw std::runtime_error("cannot create " + folder.toStdString());
    QImageWriter writer(directory.filePath(name), "png");
    if (!writer.write(picture))
        throw std::runtime_error(QStringLiteral("cannot write %1: %2").arg(writer.fileName(), writer.errorString()).toStdString());
}

void writeBytes(const QDir& directory, const QString& name, const QByteArray& bytes)
{
    QSaveFile file(directory.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw std::runtime_error(QStringLiteral("cannot write %1: %2").arg(file.fileName(), file.errorString()).toStdString());
}

} // namespace

int main(int argc, char* argv[])
{
    // Nothing is shown; the font database needs a GUI application all the same.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() > 2) {
        std::fprintf(stderr, "usage: skyvane-drawassets [output-dir]\n");
        return 2;
    }
    const QDir directory(arguments.size() == 2 ? arguments[1] : QStringLiteral(SKYVANE_ASSETS_DIR));
    try {
        if (!directory.exists() && !QDir().mkpath(directory.path()))
            throw std::runtime_error("cannot create " + directory.path().toStdString());
        writePng(directory, QStringLiteral("rocket_sheet.png"), RocketSheet::draw());
        writePng(directory, QStringLiteral("meteor_strip.png"), MeteorStrip::draw());
        writePng(directory, QStringLiteral("title.png"), TitlePicture::draw());
        writePng(directory, QStringLiteral("finale.png"), FinalePicture::draw());
        const QImage icon = WindowIcon::draw();
        writePng(directory, QStringLiteral("icon.png"), icon);
        writeBytes(directory, QStringLiteral("icon.ico"), IconFile::encode(icon));
        for (const int size : WindowIcon::DesktopSizes)
            writePng(directory, QStringLiteral("hicolor/%1x%1/apps/%2.png").arg(size).arg(kDesktopIconName),
                     WindowIcon::draw(size));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "skyvane-drawassets: %s\n", error.what());
        return 1;
    }
    return 0;
}
