// What skyledger-cli prints for each command: plain UTF-8 text for people, or
// one JSON document (--json) for scripts. Texts from the core are converted
// from Windows-1252 here.
//
// Every JSON document is one object with "version" (the schema, 1),
// "command", and for the computing commands "location" and "preferences"
// ("timeBasis", "twelveHourClock", "bearingReference": "magnetic" or "true").
// Dates are "YYYY-MM-DD". An event is null when it does not happen on the
// date, or {"time": clock text or null, "instant": ISO-8601 with the UTC
// offset, "bearing": degrees, "bearingText"}. Illumination is a number with
// its text beside it. Where the day's details are known, an event that does
// not happen has a member "<event>Reason" beside it: {"reason": "upAllDay",
// "downAllDay" or "noneOnDate", "text": the sentence, and for noneOnDate
// "next": the next one's instant, when it comes within a week}.
#pragma once

#include <string>
#include <vector>

#include "almanac/app_state.h"
#include "almanac/atlas_place.h"
#include "settings/city_atlas.h"

namespace skyledger {

// The day's almanac for state.currentDate: the texts of state.day, or, as
// JSON, the numbers behind them.
std::string dayReport(const AppState& state, const DayNumbers& numbers, bool json);
// The day's details (state.details) for state.currentDate.
std::string detailsReport(const AppState& state, bool json);
// The state's chart table.
std::string chartReport(const AppState& state, bool json);
// The state's track table for state.currentDate.
std::string trackReport(const AppState& state, bool json);
// The state's calendar grid for the month.
std::string calendarReport(const AppState& state, int32_t year, int32_t month, bool json);
// The location list, the current place marked with '*' (or "current").
std::string locationsReport(const AppState& state, bool json);
// The atlas's matches for `query` (UTF-8): name, country, region, position,
// zone and population ("longitude" positive west in JSON, as everywhere).
std::string citiesReport(const std::string& query, const std::vector<const City*>& matches,
                         bool json);
// The model's declination at a point on a date, and whether the date lies in
// the model's years.
std::string declinationReport(double latitude, double longitude, const CivilDate& date,
                              const ModelDeclination& declination, bool json);
// What `locations <verb>` stored: the place now named `name` (Windows-1252;
// gone after remove) and the current place.
std::string placeEditReport(const std::string& verb, const std::string& name,
                            const LocationList& list, bool json);

} // namespace skyledger
