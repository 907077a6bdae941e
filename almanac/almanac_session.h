// The program's flow over the almanac's computations: the session owns the
// changes to the one AppState, reruns what a change of date, place or
// preference affects, turns a failure into the program's message, and tells
// its views what changed. No windowing: the Qt windows listen through
// AlmanacView, and the rules below hold whatever shows them.
//
// - The day is recomputed after every change; its fields change only on
//   success. Without a location list every recomputation shows "Missing File:
//   Skyledger Settings.txt" and changes nothing; with a list but no current
//   place the day's results become empty, without a message.
// - Views subscribe; a subscription lasts as long as the object that holds
//   it (a window holds its own, so it ends with the window).
// - While a subscription follows the altitude/azimuth table, its track is
//   recomputed after every successful recomputation of the day.
// - A place whose values lie outside the ranges the Location dialog accepts
//   (kept as it is in the list and the file) is not computed: the message
//   naming the place and the field is shown once, and the results are empty.
// - A place whose time-zone name the database does not know is computed as a
//   place without a zone; the message naming it is shown once.
// - On local time, a change to a place without a zone falls back to standard
//   time.
// - While a subscription follows the calendar, its grid is recomputed when the
//   month or the year differs from the month it shows, and when the place
//   changes (another place chosen, or the list edited); not for the day or a
//   preference.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "almanac/almanac_result.h"
#include "almanac/almanac_view.h"
#include "almanac/app_state.h"

namespace skyledger {

// The report a subscription keeps computed besides the day.
enum class Follows { DayOnly, Track, Calendar };

class AlmanacSession {
    struct Listeners;

  public:
    explicit AlmanacSession(AppState& state);
    AlmanacSession(const AlmanacSession&) = delete;
    AlmanacSession& operator=(const AlmanacSession&) = delete;
    ~AlmanacSession();

    // A view's place among the session's listeners. The view hears every
    // change and message until the subscription ends: when it is destroyed,
    // assigned over or ended; a session that ends first ends it too.
    class Subscription {
      public:
        Subscription() = default;
        Subscription(Subscription&& other) noexcept;
        Subscription& operator=(Subscription&& other) noexcept;
        Subscription(const Subscription&) = delete;
        Subscription& operator=(const Subscription&) = delete;
        ~Subscription();
        void end();

      private:
        friend class AlmanacSession;
        Subscription(std::weak_ptr<Listeners> listeners, uint64_t id);
        std::weak_ptr<Listeners> listeners_;
        uint64_t id_ = 0;
    };

    // Adds `view` as a listener. Following the track or the calendar computes
    // it now and keeps it computed while the subscription lasts.
    [[nodiscard]] Subscription subscribe(AlmanacView& view, Follows follows = Follows::DayOnly);

    const AppState& state() const { return state_; }

    // The current date. A change of year or month clamps the day to the
    // month's length; a day or date is clamped into its month. Each recomputes.
    void setYear(int32_t year);
    void setMonth(int32_t month);
    void setDay(int32_t day);
    void setDate(CivilDate date);

    // The current place, by index into the list; recomputes.
    void setCurrentLocation(int32_t index);

    // The display preferences; each recomputes.
    void setTimeBasis(TimeBasis basis);
    void setTwelveHourClock(bool on);
    void setMagneticBearings(bool on);

    // The list for the Location dialog to edit in place; call locationsEdited
    // afterwards, whatever the dialog's result.
    LocationList& editLocations();
    // Sorts the list by name (the current place follows) and recomputes.
    void locationsEdited();

    // Recomputes the day, then the open reports as the rules above say.
    void recompute();

    // Fills state().chart with `days` rows from `start` for the current place
    // and preferences; true on success. The day count is checked first
    // (chartDayCountMessage: no row may fall after 2100). On failure the
    // message is shown once, the table is left empty and false is returned;
    // without a place to compute for, the message says how to make one.
    bool prepareChart(CivilDate start, int32_t days);

  private:
    // Stores a setting and recomputes.
    template <typename T> void change(T& field, T value);
    void updateTrack();
    void updateCalendar();
    void showError(AlmanacError error);
    void showMessage(const std::string& message);
    template <typename Notify> void notifyViews(Notify notify);
    [[nodiscard]] bool followed(Follows report) const;

    bool refusedForRange(const Location& place);
    void reportUnknownZone(const Location* place);

    AppState& state_;
    std::shared_ptr<Listeners> listeners_;
    // The last range message shown for the current place: said once, not at
    // every recomputation while that place stays current.
    std::string shownRangeProblem_;
    std::string shownZoneProblem_; // likewise for an unknown zone name
    // Another place became current, or the list was edited, since the
    // calendar was last computed.
    bool calendarPlaceChanged_ = false;
};

} // namespace skyledger
