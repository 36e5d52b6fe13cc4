// Prints "X Y" for every place where a small picture appears pixel for pixel in a screenshot:
// how the Wayland test finds a window that the compositor placed where it liked.
// Usage: find_picture SCREENSHOT PICTURE
#include <QImage>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: find_picture SCREENSHOT PICTURE\n");
        return 64;
    }
    const QImage screen = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    const QImage picture = QImage(QString::fromLocal8Bit(argv[2])).convertToFormat(QImage::Format_RGB32);
    if (screen.isNull() || picture.isNull()) {
        std::fprintf(stderr, "find_picture: cannot read %s or %s\n", argv[1], argv[2]);
        return 66;
    }
    const auto rowBytes = static_cast<std::size_t>(picture.width()) * 4;
    auto appearsAt = [&](int x, int y) {
        for (int row = 0; row < picture.height(); ++row)
            if (std::memcmp(screen.constScanLine(y + row) + x * 4, picture.constScanLine(row), rowBytes) != 0)
                return false;
        return true;
    };
    for (int y = 0; y + picture.height() <= screen.height(); ++y)
        for (int x = 0; x + picture.width() <= screen.width(); ++x)
            if (appearsAt(x, y))
                std::printf("%d %d\n", x, y);
    return 0;
}
