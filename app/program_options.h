// The command line of the desktop program: where the window starts, and the
// scripted runs that render a window to a PNG or a report to a PDF and exit
// (for documentation, tests and a look without a display).
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "almanac/civil_calendar.h"

class QWidget;

namespace skyledger {

class MainWindow;
struct AppState;

// The chart length when --days is not given, and its bounds.
inline constexpr int32_t DEFAULT_REPORT_DAYS = 31;
inline constexpr int32_t MAX_REPORT_DAYS = 366;

struct ProgramOptions {
    std::optional<CivilDate> date;
    std::optional<std::string> location; // Windows-1252
    QString screenshotFile;              // --screenshot
    QString windowName;                  // --screenshot-window NAME FILE
    QString windowFile;
    QString pdfKind; // --pdf KIND FILE
    QString pdfFile;
    int32_t days = DEFAULT_REPORT_DAYS;
    bool help = false;
    bool version = false;
};

// A window --screenshot-window can render: `open` shows it (on the main
// window's current date and place) and gives the widget to grab.
struct ScreenshotWindow {
    const char* name;
    std::function<QWidget*(MainWindow&, const ProgramOptions&)> open;
};

// A report --pdf can print: `write` prints it into `file`; false on failure.
struct PdfReport {
    const char* name;
    std::function<bool(MainWindow&, const ProgramOptions&, const QString& file)> write;
};

// The tables of those names; each window adds its own entry.
[[nodiscard]] const std::vector<ScreenshotWindow>& screenshotWindows();
[[nodiscard]] const std::vector<PdfReport>& pdfReports();

// Reads the arguments after the program's name. On a problem gives false and
// a one-line description in `error`.
bool parseProgramOptions(const QStringList& arguments, ProgramOptions& options, QString& error);

// The text --help prints.
[[nodiscard]] QString programUsage();

// The line --version prints: "skyledger 2.1".
[[nodiscard]] QString versionLine();

// Puts the date and place the options name into the state the main window
// opens on. False, with a message in `error`, when the settings have no place
// of that name (names compare as the location list compares them).
bool applyStartOptions(AppState& state, const ProgramOptions& options, QString& error);

// What the scripted options ask of the created main window: the screenshot
// or PDF. Gives the exit status when the program should end here (0 done, 1
// a file could not be written), or nothing when the window should stay open.
// Messages for the user go to `error`.
std::optional<int> runProgramOptions(MainWindow& window, const ProgramOptions& options,
                                     QString& error);

} // namespace skyledger
