// The layout metrics every window derives its geometry from, measured once at
// start-up. The windows were laid out in the terms of the classic Windows
// desktop; this is the one place where those terms are mapped onto Qt.
//
// Qt sizes client areas, not outer frames, so the frame and caption terms of
// the classic outer-size formulas drop out: every window's client area gets
// exactly the size its layout asks for.
#pragma once

#include <QFont>
#include <string_view>

class QPaintDevice;

namespace skyledger {

// What a button, box or field adds to the text height: one and a half
// classic sizing frames of 4 pixels.
inline constexpr int CONTROL_FRAME_HEIGHT = 6;

// The text height the user-interface font is created with: a cell 16 pixels
// high (ascent plus descent), as the windows were drawn for.
inline constexpr int UI_FONT_CELL_HEIGHT = 16;

struct LayoutMetrics {
    // "Arial" (fontconfig gives its metric twin Liberation Sans), weight 400,
    // at the pixel size whose measured text height is 16 or nearest.
    QFont uiFont;
    // L: the measured text height of uiFont (ascent + descent).
    int lineHeight = 0;
    // B: L + CONTROL_FRAME_HEIGHT, the height of buttons, boxes and fields.
    int buttonHeight = 0;
    // G: B / 4, the spacing unit of every layout.
    int gap = 0;
    // V: the width of a vertical scroll bar in the application's style.
    int scrollBarWidth = 0;

    // Width in pixels of a Windows-1252 text drawn in uiFont.
    [[nodiscard]] int textWidth(std::string_view text) const;
};

// Measures the metrics on the screen. Needs a QApplication; call it once at
// start-up, after the application font and style are set.
[[nodiscard]] LayoutMetrics measureLayoutMetrics();

// Width in pixels of a Windows-1252 text in `font`, measured on `device`
// (the screen when null): the printing routines measure with their own fonts.
[[nodiscard]] int textWidth(const QFont& font, std::string_view text,
                            const QPaintDevice* device = nullptr);

// The font of `family` and `weight` whose text height (ascent + descent),
// measured on `device` (the screen when null), is `cellHeight` pixels or the
// nearest to it: how the windows' and printouts' fonts are given a height.
[[nodiscard]] QFont fontWithCellHeight(const QString& family, int cellHeight, int weight,
                                       const QPaintDevice* device = nullptr);

} // namespace skyledger
