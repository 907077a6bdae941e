#include "reports/track_layout.h"

namespace skyledger {

TrackLayout makeTrackLayout(const std::function<int(std::string_view)>& width, int spacing,
                            int left, bool twelveHourClock, std::string_view offsetNote) {
    TrackLayout t;
    t.timeWidth = width("99:99") + (twelveHourClock ? width("AM") : 0);
    if (!offsetNote.empty()) t.timeWidth += width(" ") + width(offsetNote);
    t.altWidth = width("-99\xB0");
    t.azWidth = width("999\xB0");
    t.shadWidth = width("99.99");
    t.time = left;
    t.sunAlt = t.time + t.timeWidth + spacing;
    t.sunAz = t.sunAlt + t.altWidth + spacing;
    t.sunShad = t.sunAz + t.azWidth + spacing;
    t.moonAlt = t.sunShad + t.shadWidth + spacing;
    t.moonAz = t.moonAlt + t.altWidth + spacing;
    t.tableRight = t.moonAz + t.azWidth + spacing;
    return t;
}

} // namespace skyledger
