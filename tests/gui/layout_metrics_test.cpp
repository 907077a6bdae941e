// The layout metrics, measured on the offscreen screen.
#include <gtest/gtest.h>

#include "gui/layout_metrics.h"
#include "gui/qt_text.h"

namespace skyledger {
namespace {

TEST(LayoutMetrics, DeriveButtonHeightAndGapFromTheMeasuredLineHeight) {
    const LayoutMetrics m = measureLayoutMetrics();
    EXPECT_EQ(m.uiFont.family(), QStringLiteral("Arial"));
    EXPECT_EQ(m.lineHeight, UI_FONT_CELL_HEIGHT);
    EXPECT_EQ(m.buttonHeight, m.lineHeight + 6);
    EXPECT_EQ(m.gap, m.buttonHeight / 4);
    EXPECT_GT(m.scrollBarWidth, 0);
}

TEST(LayoutMetrics, MeasureWindows1252Text) {
    const LayoutMetrics m = measureLayoutMetrics();
    // The degree sign is one byte in the program's texts and one glyph wide.
    EXPECT_GT(m.textWidth("999\xB0"), m.textWidth("999"));
    EXPECT_LT(m.textWidth("999\xB0"), m.textWidth("9999"));
    EXPECT_GT(m.textWidth("99:99AM"), m.textWidth("99:99"));
}

TEST(QtText, ConvertsWindows1252NotLatin1) {
    EXPECT_EQ(toQString("\x80"), QString(QChar(0x20AC)));
    EXPECT_EQ(toQString("\xB0"), QString(QChar(0x00B0)));
    EXPECT_EQ(toWindows1252(QString(QChar(0x20AC))), "\x80");
    EXPECT_TRUE(fitsWindows1252(QStringLiteral("Z\u00FCrich \u20AC")));
    EXPECT_FALSE(fitsWindows1252(QStringLiteral("\u6771\u4EAC")));
}

} // namespace
} // namespace skyledger
