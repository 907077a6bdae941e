#include "gui/text_drawing.h"

#include <QPainter>

#include "gui/qt_text.h"

namespace skyledger {

namespace {

constexpr int ONE_LINE = Qt::TextSingleLine | Qt::TextDontClip;

// Tall enough for any one line of text: the box only anchors the text.
constexpr int UNBOUNDED = 1 << 20;

Qt::Alignment across(TextAlign align) {
    switch (align) {
    case TextAlign::Left:
        return Qt::AlignLeft;
    case TextAlign::Centre:
        return Qt::AlignHCenter;
    case TextAlign::Right:
        return Qt::AlignRight;
    }
    return Qt::AlignLeft;
}

} // namespace

void drawTextInRow(QPainter& painter, int left, int right, int top, int height,
                   std::string_view text, TextAlign align) {
    if (text.empty()) return;
    painter.drawText(QRect(left, top, right - left, height),
                     static_cast<int>(across(align) | Qt::AlignTop) | ONE_LINE, toQString(text));
}

void drawTextAt(QPainter& painter, int x, int top, std::string_view text) {
    if (text.empty()) return;
    painter.drawText(QRect(x, top, UNBOUNDED, UNBOUNDED),
                     static_cast<int>(Qt::AlignLeft | Qt::AlignTop) | ONE_LINE, toQString(text));
}

void drawTextCentred(QPainter& painter, const QRect& box, std::string_view text) {
    if (text.empty()) return;
    painter.drawText(box, static_cast<int>(Qt::AlignCenter) | ONE_LINE, toQString(text));
}

void drawHorizontalLine(QPainter& painter, int x1, int x2, int y) {
    if (x2 <= x1) return;
    painter.drawLine(x1, y, x2 - 1, y);
}

void drawVerticalLine(QPainter& painter, int x, int y1, int y2) {
    if (y2 <= y1) return;
    painter.drawLine(x, y1, x, y2 - 1);
}

} // namespace skyledger
