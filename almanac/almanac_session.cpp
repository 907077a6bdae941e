// The session layer: the program's flow over the value computations.
#include "almanac/almanac_session.h"

#include <algorithm>
#include <utility>

#include "almanac/local_time.h"
#include "astro/planetary_series.h"
#include "settings/location_list.h"
#include "settings/location_range.h"
#include "settings/settings_file.h"
#include "support/messages.h"

namespace skyledger {

namespace {

// The altitude/azimuth table names another file than the day for the same
// missing list; both mean that no settings file was read.
constexpr std::string_view TRACK_LOCATION_FILE_NAME = "Location.txt";

int32_t clamped(int32_t value, int32_t low, int32_t high) {
    return std::max(low, std::min(value, high));
}

// The date with its month in 1..12 and its day inside the month.
CivilDate clampedDate(CivilDate date) {
    date.month = clamped(date.month, 1, 12);
    date.day = clamped(date.day, 1, daysInMonth(date.month, date.year));
    return date;
}

} // namespace

// The listeners in the order they subscribed. Shared with the subscriptions
// so that one outliving the session ends without touching it.
struct AlmanacSession::Listeners {
    struct Entry {
        uint64_t id;
        AlmanacView* view;
        Follows follows;
    };
    std::vector<Entry> entries;
    uint64_t nextId = 1;

    [[nodiscard]] bool contains(uint64_t id) const {
        return std::any_of(entries.begin(), entries.end(),
                           [id](const Entry& e) { return e.id == id; });
    }
};

AlmanacSession::AlmanacSession(AppState& state)
    : state_(state), listeners_(std::make_shared<Listeners>()) {}

AlmanacSession::~AlmanacSession() = default;

AlmanacSession::Subscription::Subscription(std::weak_ptr<Listeners> listeners, uint64_t id)
    : listeners_(std::move(listeners)), id_(id) {}

AlmanacSession::Subscription::Subscription(Subscription&& other) noexcept
    : listeners_(std::move(other.listeners_)), id_(std::exchange(other.id_, 0)) {}

AlmanacSession::Subscription&
AlmanacSession::Subscription::operator=(Subscription&& other) noexcept {
    if (this != &other) {
        end();
        listeners_ = std::move(other.listeners_);
        id_ = std::exchange(other.id_, 0);
    }
    return *this;
}

AlmanacSession::Subscription::~Subscription() {
    end();
}

void AlmanacSession::Subscription::end() {
    if (const std::shared_ptr<Listeners> listeners = listeners_.lock()) {
        std::erase_if(listeners->entries,
                      [this](const Listeners::Entry& e) { return e.id == id_; });
    }
    listeners_.reset();
    id_ = 0;
}

AlmanacSession::Subscription AlmanacSession::subscribe(AlmanacView& view, Follows follows) {
    const uint64_t id = listeners_->nextId++;
    listeners_->entries.push_back({id, &view, follows});
    Subscription subscription(listeners_, id);
    if (follows == Follows::Track) updateTrack();
    if (follows == Follows::Calendar) updateCalendar();
    return subscription;
}

bool AlmanacSession::followed(Follows report) const {
    const auto& entries = listeners_->entries;
    return std::any_of(entries.begin(), entries.end(),
                       [report](const Listeners::Entry& e) { return e.follows == report; });
}

template <typename Notify> void AlmanacSession::notifyViews(Notify notify) {
    // A view may end its subscription (its window closes) while it is told.
    const std::vector<Listeners::Entry> entries = listeners_->entries;
    for (const Listeners::Entry& entry : entries)
        if (listeners_->contains(entry.id)) notify(*entry.view);
}

void AlmanacSession::showMessage(const std::string& message) {
    notifyViews([&](AlmanacView& v) { v.showError(message); });
}

void AlmanacSession::showError(AlmanacError error) {
    // Without a current place the results are shown empty, without a message.
    if (error != AlmanacError::NoCurrentLocation) showMessage(almanacErrorMessage(error));
}

bool AlmanacSession::refusedForRange(const Location& place) {
    const std::optional<std::string> problem = locationRangeProblem(place);
    if (!problem) {
        shownRangeProblem_.clear();
        return false;
    }
    if (*problem != shownRangeProblem_) {
        shownRangeProblem_ = *problem;
        showMessage(*problem);
    }
    return true;
}

void AlmanacSession::setYear(int32_t year) {
    setDate({year, state_.currentDate.month, state_.currentDate.day});
}

void AlmanacSession::setMonth(int32_t month) {
    setDate({state_.currentDate.year, month, state_.currentDate.day});
}

void AlmanacSession::setDay(int32_t day) {
    setDate({state_.currentDate.year, state_.currentDate.month, day});
}

void AlmanacSession::setDate(CivilDate date) {
    state_.currentDate = clampedDate(date);
    recompute();
}

template <typename T> void AlmanacSession::change(T& field, T value) {
    field = value;
    recompute();
}

void AlmanacSession::setCurrentLocation(int32_t index) {
    if (index != state_.locations.current) calendarPlaceChanged_ = true;
    change(state_.locations.current, index);
}

void AlmanacSession::setTimeBasis(TimeBasis basis) {
    change(state_.preferences.timeBasis, basis);
}

void AlmanacSession::setTwelveHourClock(bool on) {
    change(state_.preferences.twelveHourClock, on);
}

void AlmanacSession::setMagneticBearings(bool on) {
    change(state_.preferences.magneticBearings, on);
}

LocationList& AlmanacSession::editLocations() {
    return state_.locations;
}

void AlmanacSession::locationsEdited() {
    sortLocations(state_.locations);
    // The current place may have moved, or be the first one made.
    calendarPlaceChanged_ = true;
    recompute();
}

void AlmanacSession::reportUnknownZone(const Location* place) {
    const std::optional<std::string> problem = place ? unknownZoneProblem(*place) : std::nullopt;
    if (problem && *problem != shownZoneProblem_) showMessage(*problem);
    shownZoneProblem_ = problem.value_or("");
}

void AlmanacSession::recompute() {
    if (!state_.locations.present) {
        showError(AlmanacError::NoLocationList);
        return;
    }
    const Location* place = state_.locations.currentLocation();
    state_.preferences.timeBasis = basisAvailableAt(place, state_.preferences.timeBasis);
    reportUnknownZone(place);
    if (!place || refusedForRange(*place)) {
        state_.day = DayAlmanac{};
    } else {
        const AlmanacResult<DayNumbers> numbers =
            computeDayNumbers(state_.currentDate, *place, state_.preferences);
        if (!numbers.ok()) {
            showError(numbers.error());
            return;
        }
        state_.day = formatDayAlmanac(numbers.value(), state_.preferences);
    }
    notifyViews([](AlmanacView& v) { v.dayChanged(); });
    if (followed(Follows::Track)) updateTrack();
    if (followed(Follows::Calendar) &&
        (calendarPlaceChanged_ || state_.calendar.year != state_.currentDate.year ||
         state_.calendar.month != state_.currentDate.month))
        updateCalendar();
}

bool AlmanacSession::prepareChart(CivilDate start, int32_t days) {
    // A failed request leaves no rows of an earlier one for a window to show.
    state_.chart = ChartTable{};
    if (days < 1 || days > chartDaysAvailable(start)) {
        showMessage(chartDayCountMessage(start));
        return false;
    }
    if (!state_.locations.present) {
        showError(AlmanacError::NoLocationList);
        return false;
    }
    const Location* place = state_.locations.currentLocation();
    if (!place) {
        showMessage(state_.locations.records.empty() ? NO_PLACES_YET_MESSAGE
                                                     : NO_PLACE_CHOSEN_MESSAGE);
        return false;
    }
    if (locationRangeProblem(*place)) {
        // Asked for explicitly: say why again, even if the day said it before.
        shownRangeProblem_.clear();
        refusedForRange(*place);
        return false;
    }
    AlmanacResult<ChartTable> chart = computeChart(start, days, *place, state_.preferences);
    if (!chart.ok()) {
        showError(chart.error());
        return false;
    }
    state_.chart = std::move(chart).value();
    return true;
}

void AlmanacSession::updateTrack() {
    if (!state_.locations.present) {
        showMessage(missingFileMessage(TRACK_LOCATION_FILE_NAME));
        return;
    }
    const Location* place = state_.locations.currentLocation();
    if (!place || refusedForRange(*place)) {
        state_.track = TrackTable{};
    } else {
        AlmanacResult<TrackTable> track =
            computeTrack(state_.currentDate, *place, state_.preferences);
        if (!track.ok()) {
            showError(track.error());
            return;
        }
        state_.track = std::move(track).value();
    }
    notifyViews([](AlmanacView& v) { v.trackChanged(); });
}

void AlmanacSession::updateCalendar() {
    calendarPlaceChanged_ = false;
    const int32_t year = state_.currentDate.year;
    const int32_t month = state_.currentDate.month;
    const Location* place = state_.locations.currentLocation();
    if (!place || refusedForRange(*place)) {
        // Without a place to compute the calendar still shows the month's days.
        state_.calendar = moonCalendarDays(year, month);
    } else {
        AlmanacResult<MoonCalendarGrid> grid =
            computeMoonCalendar(year, month, *place, state_.preferences);
        if (!grid.ok()) {
            showError(grid.error());
            return;
        }
        state_.calendar = std::move(grid).value();
    }
    notifyViews([](AlmanacView& v) { v.calendarChanged(); });
}

} // namespace skyledger
