// The command line of the desktop program: where the window starts, and the
// scripted runs that render a window to a PNG or a report to a PDF and exit
// (for documentation, tests and a look without a display).
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

#include "almanac/chart.h"
#include "almanac/civil_calendar.h"
#include "support/result.h"
#include "support/terminal_text.h"

namespace skyledger {

// The chart length when --days is not given (at most MAX_CHART_DAYS).
inline constexpr int32_t DEFAULT_REPORT_DAYS = 31;

struct ProgramOptions {
    std::optional<CivilDate> date;
    std::optional<std::string> location; // Windows-1252
    QString screenshotFile;              // --screenshot
    QString windowName;                  // --screenshot-window NAME FILE
    QString windowFile;
    QString pdfKind; // --pdf KIND FILE
    QString pdfFile;
    // The three file names as given, byte for byte (a name need not be UTF-8).
    std::string screenshotPath;
    std::string windowPath;
    std::string pdfPath;
    int32_t days = DEFAULT_REPORT_DAYS;
    bool help = false;
    bool version = false;
};

// Reads the arguments after the program's name. Gives the options, or a
// one-line description of the problem with the arguments it names escaped
// and shortened. An empty file name is a problem; so is a chart that would
// run past the last year. `rawArguments`, when given, are the same arguments
// as bytes: file names are taken from them unchanged.
Result<ProgramOptions, QString>
parseProgramOptions(const QStringList& arguments,
                    const std::vector<std::string>& rawArguments = {});

// The text --help prints; it ends by naming `settingsFile`, the settings file
// this run would read.
[[nodiscard]] QString programUsage(const QString& settingsFile);

// `text` from the command line as a message shows it: control characters
// and bytes that are not UTF-8 escaped, cut after `limit` characters, as
// skyledger-cli shows them.
[[nodiscard]] QString shownArgument(const QString& text, size_t limit = ECHO_LIMIT);
// A file name as a message shows it: whole, up to the longest path, escaped.
[[nodiscard]] QString shownPath(const QString& path);

// The line --version prints: "skyledger 2.1".
[[nodiscard]] QString versionLine();

} // namespace skyledger
