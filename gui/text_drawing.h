// Placing the program's Windows-1252 texts the way the report windows and
// their pages place them: one line, never clipped, inside a box or with the
// text's top-left corner at a point. Lines in the same terms: the far end
// point is not drawn, so a line from x to x + n covers n pixels.
#pragma once

#include <QRect>
#include <string_view>

class QPainter;

namespace skyledger {

enum class TextAlign { Left, Centre, Right };

// The text on one line in the box from `left` to `right` and from `top` down
// `height` pixels: aligned across as asked, at the top of the box.
void drawTextInRow(QPainter& painter, int left, int right, int top, int height,
                   std::string_view text, TextAlign align);

// The text with its top-left corner at (x, top).
void drawTextAt(QPainter& painter, int x, int top, std::string_view text);

// The text centred both ways in `box`.
void drawTextCentred(QPainter& painter, const QRect& box, std::string_view text);

// A horizontal line covering x1 .. x2 - 1 and a vertical one covering y1 .. y2 - 1.
void drawHorizontalLine(QPainter& painter, int x1, int x2, int y);
void drawVerticalLine(QPainter& painter, int x, int y1, int y2);

} // namespace skyledger
