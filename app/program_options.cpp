// Reading the command line of the desktop program.
#include "app/program_options.h"

#include <QFile>
#include <climits>

#include "app/scripted_run.h"
#include "gui/desktop_messages.h"
#include "gui/qt_text.h"
#include "support/version.h"

namespace skyledger {

namespace {

// What reading one option gives: done, or the message refusing it.
using OptionRead = Result<Done, QString>;

// The arguments with the index of the one being read.
struct ArgumentReader {
    const QStringList& arguments;
    qsizetype at = 0;
    const std::vector<std::string>& rawArguments;

    [[nodiscard]] const QString& option() const { return arguments[at]; }
    // Whether `count` values follow the option.
    [[nodiscard]] bool has(qsizetype count) const { return at + count < arguments.size(); }
    // The refusal of an option that `count` values do not follow.
    [[nodiscard]] QString lacks(qsizetype count) const {
        return optionNeedsValuesMessage(option(), static_cast<int>(count));
    }
    const QString& next() { return arguments[++at]; }
    // The bytes of the argument read last: as given, or as Qt encodes file
    // names (a name need not be UTF-8).
    [[nodiscard]] std::string bytes() const {
        if (static_cast<size_t>(at) < rawArguments.size())
            return rawArguments[static_cast<size_t>(at)];
        return QFile::encodeName(arguments[at]).toStdString();
    }
};

OptionRead readDate(ArgumentReader& in, ProgramOptions& options) {
    if (!in.has(1)) return in.lacks(1);
    const QString& text = in.next();
    const DateReading reading = readIsoDate(text.toStdString());
    if (!reading.ok()) return notDateInYearsMessage(shownArgument(text), FIRST_YEAR, LAST_YEAR);
    options.date = reading.date;
    return Done{};
}

OptionRead readLocation(ArgumentReader& in, ProgramOptions& options) {
    if (!in.has(1)) return in.lacks(1);
    const QString& name = in.next();
    if (!fitsWindows1252(name)) return unkeepablePlaceNameMessage(shownArgument(name));
    options.location = toWindows1252(name);
    return Done{};
}

// The file an option writes into: a name is needed.
OptionRead readFileName(ArgumentReader& in, const QString& option, QString& file) {
    file = in.next();
    if (file.isEmpty()) return emptyFileNameMessage(option);
    return Done{};
}

// A name from one of the scripted runs' tables and the file to write:
// --screenshot-window and --pdf. `kind` names what the table holds.
struct NamedOutput {
    bool (*known)(const QString& name);
    QString (*names)();
    const char* kind;
};

OptionRead readNamedOutput(ArgumentReader& in, const NamedOutput& table, QString& name,
                           QString& file, std::string& path) {
    const QString option = in.option();
    if (!in.has(2)) return in.lacks(2);
    name = in.next();
    if (!table.known(name))
        return unknownNameMessage(shownArgument(name), QLatin1String(table.kind), table.names());
    if (OptionRead read = readFileName(in, option, file); !read.ok()) return read;
    path = in.bytes();
    return Done{};
}

const NamedOutput WINDOWS = {&isScreenshotWindow, &screenshotWindowNames, "window"};
const NamedOutput REPORTS = {&isPdfReport, &pdfReportNames, "report"};

OptionRead readDays(ArgumentReader& in, ProgramOptions& options) {
    if (!in.has(1)) return in.lacks(1);
    bool ok = false;
    options.days = in.next().toInt(&ok);
    if (!ok || !isChartDayCount(options.days)) return dayCountOptionMessage(MAX_CHART_DAYS);
    return Done{};
}

OptionRead readScreenshot(ArgumentReader& in, ProgramOptions& options) {
    const QString option = in.option();
    if (!in.has(1)) return in.lacks(1);
    if (OptionRead read = readFileName(in, option, options.screenshotFile); !read.ok()) return read;
    options.screenshotPath = in.bytes();
    return Done{};
}

OptionRead readOption(ArgumentReader& in, ProgramOptions& options) {
    const QString& arg = in.option();
    if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
        options.help = true;
        return Done{};
    }
    if (arg == QLatin1String("--version")) {
        options.version = true;
        return Done{};
    }
    if (arg == QLatin1String("--date")) return readDate(in, options);
    if (arg == QLatin1String("--location")) return readLocation(in, options);
    if (arg == QLatin1String("--screenshot")) return readScreenshot(in, options);
    if (arg == QLatin1String("--screenshot-window"))
        return readNamedOutput(in, WINDOWS, options.windowName, options.windowFile,
                               options.windowPath);
    if (arg == QLatin1String("--pdf"))
        return readNamedOutput(in, REPORTS, options.pdfKind, options.pdfFile, options.pdfPath);
    if (arg == QLatin1String("--days")) return readDays(in, options);
    return unknownProgramOptionMessage(shownArgument(arg));
}

// A chart asked for on the command line ends by the last day computed: the
// refusal otherwise.
std::optional<QString> chartPastTheCalendar(const ProgramOptions& options) {
    const bool chart =
        options.windowName == QLatin1String("chart") || options.pdfKind == QLatin1String("chart");
    if (!chart || !options.date || options.days <= chartDaysAvailable(*options.date))
        return std::nullopt;
    return QStringLiteral("--days: %1").arg(toQString(chartDayCountMessage(*options.date)));
}

} // namespace

QString shownArgument(const QString& text, size_t limit) {
    return QString::fromStdString(echoText(text.toStdString(), limit));
}

QString shownPath(const QString& path) {
    return shownArgument(path, PATH_MAX);
}

Result<ProgramOptions, QString> parseProgramOptions(const QStringList& arguments,
                                                    const std::vector<std::string>& rawArguments) {
    ProgramOptions options;
    ArgumentReader in{arguments, 0, rawArguments};
    for (; in.at < arguments.size(); ++in.at) {
        if (OptionRead read = readOption(in, options); !read.ok()) return read.error();
    }
    if (std::optional<QString> refusal = chartPastTheCalendar(options)) return *refusal;
    return options;
}

QString programUsage(const QString& settingsFile) {
    return QStringLiteral(
               "Usage: skyledger [OPTIONS]\n"
               "The Sun and Moon almanac on the desktop.\n"
               "\n"
               "  --date YYYY-MM-DD          open on this date (years %1 to %2); default today\n"
               "  --location NAME            open at this place of the settings file\n"
               "  --screenshot FILE.png      render the main window into FILE and exit\n"
               "  --screenshot-window NAME FILE.png\n"
               "                             render another window into FILE and exit\n"
               "                             (NAME: %3)\n"
               "  --pdf KIND FILE.pdf        print a report into FILE and exit (KIND: %4)\n"
               "  --days N                   days of the chart report, 1 to %5 (default %6)\n"
               "  --help                     show this text\n"
               "  --version                  show the program's version\n"
               "\n"
               "Without a display the scripted options still work; the window needs one.\n"
               "Exit status: 0 done, 1 a file could not be written or no display for the\n"
               "window, 2 bad input.\n"
               "\n"
               "The places and display settings are kept in the settings file.\n"
               "Settings file: %7\n")
        .arg(FIRST_YEAR)
        .arg(LAST_YEAR)
        .arg(screenshotWindowNames(), pdfReportNames())
        .arg(MAX_CHART_DAYS)
        .arg(DEFAULT_REPORT_DAYS)
        .arg(shownPath(settingsFile));
}

QString versionLine() {
    return QStringLiteral("skyledger %1").arg(QLatin1String(programVersion()));
}

} // namespace skyledger
