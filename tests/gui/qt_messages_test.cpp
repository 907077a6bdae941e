// What a window test or a scripted offscreen run prints of Qt's diagnostics,
// and how a failing check shows a QString.
#include <gtest/gtest.h>

#include <QString>
#include <QtGlobal>

#include "gui/qt_messages.h"

namespace skyledger {
namespace {

TEST(QtMessages, OnlyTheOffscreenWindowManagerWarningsAreDropped) {
    quietenQtOffscreenMessages(); // as the program and the test main do; once is enough
    ::testing::internal::CaptureStderr();
    qWarning("This plugin does not support propagateSizeHints()");
    qWarning("This plugin does not support grabbing the keyboard");
    qWarning("This plugin does not support QPlatformServices::openUrl() for 'x'.");
    qWarning("QPainter::begin(): Returned false");
    const std::string printed = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(printed.find("propagateSizeHints"), std::string::npos) << printed;
    EXPECT_EQ(printed.find("grabbing"), std::string::npos) << printed;
    EXPECT_NE(printed.find("openUrl"), std::string::npos) << printed;
    EXPECT_NE(printed.find("QPainter::begin"), std::string::npos) << printed;
}

TEST(QtMessages, AFailingCheckShowsAQStringAsItsText) {
    EXPECT_EQ(::testing::PrintToString(QStringLiteral("Troms\u00F8 05:45")),
              "\"Troms\xC3\xB8 05:45\"");
}

} // namespace
} // namespace skyledger
