#include "gui/date_boxes.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <algorithm>

#include "almanac/civil_calendar.h"
#include "almanac/display_format.h"
#include "gui/qt_text.h"
#include "support/format_text.h"

namespace skyledger {

void fillMonthBox(QComboBox& box) {
    for (int32_t month = 1; month <= 12; ++month)
        box.addItem(toQString(monthAbbreviation(month)));
}

void fillYearBox(QComboBox& box) {
    for (int32_t year = FIRST_YEAR; year <= LAST_YEAR; ++year)
        box.addItem(toQString(formatText("%d", year)));
}

void fillDayBox(QComboBox& box, int32_t day, int32_t month, int32_t year) {
    const QSignalBlocker quiet(&box);
    box.clear();
    const int32_t length = daysInMonth(month, year);
    for (int32_t d = 1; d <= length; ++d)
        box.addItem(toQString(formatText("%d", d)));
    box.setCurrentIndex(std::min(day, length) - 1);
}

} // namespace skyledger
