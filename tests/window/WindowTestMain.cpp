// GoogleTest with a QApplication, as the window tests need one.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral("1.00"));  // a net game's version
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
