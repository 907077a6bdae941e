// The drop-down lists of the main window and the chart request: sized as
// classic drop-down lists, and opening at most eight rows tall with a scroll
// bar, however long the list (201 years, 31 days).
#pragma once

class QComboBox;
class QObject;
class QStyle;

namespace skyledger {

// The rows an open list shows at once.
inline constexpr int DROP_DOWN_ROWS = 8;

// The style of the lists of one window, owned by `owner`: the arrow button
// `arrowWidth` pixels wide (the scroll bar's width), the text all the rest,
// and the open list under the box rather than as tall as its contents.
[[nodiscard]] QStyle* dropDownListStyle(int arrowWidth, QObject* owner);

// Gives `box` that style and the eight-row list.
void makeDropDownList(QComboBox& box, QStyle* style);

} // namespace skyledger
