// The messages of the almanac's failures.
#include "almanac/almanac_result.h"

#include "astro/planetary_series.h"
#include "settings/settings_file.h"
#include "support/messages.h"

namespace skyledger {

std::string almanacErrorMessage(AlmanacError error) {
    switch (error) {
    case AlmanacError::NoLocationList:
        return missingFileMessage(SETTINGS_FILE_NAME);
    case AlmanacError::NoCurrentLocation:
        return NO_PLACE_MESSAGE;
    case AlmanacError::SeriesNotLoadable:
        return TERM_STORE_OUT_OF_MEMORY;
    case AlmanacError::PhaseSearchFailed:
        return PHASE_NOT_FOUND_MESSAGE;
    case AlmanacError::InvalidRequest:
        break;
    }
    return DAY_COUNT_RANGE_MESSAGE;
}

} // namespace skyledger
