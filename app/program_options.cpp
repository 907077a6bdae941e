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

// The arguments with the index of the one being read.
struct ArgumentReader {
    const QStringList& arguments;
    qsizetype at = 0;
    QString& error;
    const std::vector<std::string>& rawArguments;

    [[nodiscard]] const QString& option() const { return arguments[at]; }
    // Steps to the option's next value; false, with the message, when `count`
    // values do not follow the option.
    bool has(qsizetype count) {
        if (at + count < arguments.size()) return true;
        error = optionNeedsValuesMessage(option(), static_cast<int>(count));
        return false;
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

bool readDate(ArgumentReader& in, ProgramOptions& options) {
    if (!in.has(1)) return false;
    const QString& text = in.next();
    const DateReading reading = readIsoDate(text.toStdString());
    if (reading.ok()) {
        options.date = reading.date;
        return true;
    }
    in.error = notDateInYearsMessage(shownArgument(text), FIRST_YEAR, LAST_YEAR);
    return false;
}

bool readLocation(ArgumentReader& in, ProgramOptions& options) {
    if (!in.has(1)) return false;
    const QString& name = in.next();
    if (!fitsWindows1252(name)) {
        in.error = unkeepablePlaceNameMessage(shownArgument(name));
        return false;
    }
    options.location = toWindows1252(name);
    return true;
}

// The file an option writes into: a name is needed.
bool readFileName(ArgumentReader& in, const QString& option, QString& file) {
    file = in.next();
    if (!file.isEmpty()) return true;
    in.error = emptyFileNameMessage(option);
    return false;
}

// A name from one of the scripted runs' tables and the file to write:
// --screenshot-window and --pdf. `kind` names what the table holds.
struct NamedOutput {
    bool (*known)(const QString& name);
    QString (*names)();
    const char* kind;
};

bool readNamedOutput(ArgumentReader& in, const NamedOutput& table, QString& name, QString& file,
                     std::string& path) {
    const QString option = in.option();
    if (!in.has(2)) return false;
    name = in.next();
    if (!table.known(name)) {
        in.error = unknownNameMessage(shownArgument(name), QLatin1String(table.kind), table.names());
        return false;
    }
    if (!readFileName(in, option, file)) return false;
    path = in.bytes();
    return true;
}

const NamedOutput WINDOWS = {&isScreenshotWindow, &screenshotWindowNames, "window"};
const NamedOutput REPORTS = {&isPdfReport, &pdfReportNames, "report"};

bool readDays(ArgumentReader& in, ProgramOptions& options) {
    if (!in.has(1)) return false;
    bool ok = false;
    options.days = in.next().toInt(&ok);
    if (ok && isChartDayCount(options.days)) return true;
    in.error = dayCountOptionMessage(MAX_CHART_DAYS);
    return false;
}

bool readOption(ArgumentReader& in, ProgramOptions& options) {
    const QString& arg = in.option();
    if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
        options.help = true;
        return true;
    }
    if (arg == QLatin1String("--version")) {
        options.version = true;
        return true;
    }
    if (arg == QLatin1String("--date")) return readDate(in, options);
    if (arg == QLatin1String("--location")) return readLocation(in, options);
    if (arg == QLatin1String("--screenshot")) {
        if (!in.has(1) || !readFileName(in, arg, options.screenshotFile)) return false;
        options.screenshotPath = in.bytes();
        return true;
    }
    if (arg == QLatin1String("--screenshot-window"))
        return readNamedOutput(in, WINDOWS, options.windowName, options.windowFile,
                               options.windowPath);
    if (arg == QLatin1String("--pdf"))
        return readNamedOutput(in, REPORTS, options.pdfKind, options.pdfFile, options.pdfPath);
    if (arg == QLatin1String("--days")) return readDays(in, options);
    in.error = unknownProgramOptionMessage(shownArgument(arg));
    return false;
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
    QString error;
    ArgumentReader in{arguments, 0, error, rawArguments};
    for (; in.at < arguments.size(); ++in.at) {
        if (!readOption(in, options)) return error;
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
