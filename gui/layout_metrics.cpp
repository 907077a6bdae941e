// Measuring the user-interface font and deriving the layout metrics.
#include "gui/layout_metrics.h"

#include <QApplication>
#include <QFontMetrics>
#include <QStyle>
#include <cstdlib>

#include "gui/qt_text.h"

namespace skyledger {

namespace {

int cellHeightOf(const QFont& font, const QPaintDevice* device) {
    if (device) return QFontMetrics(font, device).height();
    return QFontMetrics(font).height();
}

} // namespace

QFont fontWithCellHeight(const QString& family, int cellHeight, int weight,
                         const QPaintDevice* device) {
    QFont font(family);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setStyleStrategy(QFont::PreferDefault);
    // Text height grows with the pixel size in steps of about 1.15: start from
    // that estimate and walk to the nearest measured height.
    font.setPixelSize(std::max(1, cellHeight * 100 / 115));
    int best = font.pixelSize();
    int bestError = std::abs(cellHeightOf(font, device) - cellHeight);
    for (int size = std::max(1, best - 3); size <= best + 3; ++size) {
        font.setPixelSize(size);
        const int error = std::abs(cellHeightOf(font, device) - cellHeight);
        if (error < bestError) {
            best = size;
            bestError = error;
        }
    }
    font.setPixelSize(best);
    return font;
}

int textWidth(const QFont& font, std::string_view text, const QPaintDevice* device) {
    const QString s = toQString(text);
    if (device) return QFontMetrics(font, device).horizontalAdvance(s);
    return QFontMetrics(font).horizontalAdvance(s);
}

int LayoutMetrics::textWidth(std::string_view text) const {
    return skyledger::textWidth(uiFont, text);
}

LayoutMetrics measureLayoutMetrics() {
    LayoutMetrics m;
    m.uiFont = fontWithCellHeight(QStringLiteral("Arial"), UI_FONT_CELL_HEIGHT, 400);
    m.lineHeight = QFontMetrics(m.uiFont).height();
    m.buttonHeight = m.lineHeight + CONTROL_FRAME_HEIGHT;
    m.gap = m.buttonHeight / 4;
    m.scrollBarWidth = QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return m;
}

} // namespace skyledger
