// The window tests run on Qt's offscreen platform, whatever display there is,
// with the style and application font the program itself uses.
#include <gtest/gtest.h>

#include <QApplication>

#include "tests/gui/qt_test_environment.h"

int main(int argc, char** argv) {
    const skyledger::QtTestEnvironment environment;
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
