// Reading the command line of the desktop program.
#include "app/program_options.h"

#include "app/scripted_run.h"
#include "gui/qt_text.h"
#include "support/version.h"

namespace skyledger {

namespace {

// The arguments with the index of the one being read.
struct ArgumentReader {
    const QStringList& arguments;
    qsizetype at = 0;
    QString& error;

    [[nodiscard]] const QString& option() const { return arguments[at]; }
    // Steps to the option's next value; false, with the message, when `count`
    // values do not follow the option.
    bool has(qsizetype count) {
        if (at + count < arguments.size()) return true;
        error = QStringLiteral("%1 needs %2")
                    .arg(option(),
                         count == 1 ? QStringLiteral("a value") : QStringLiteral("two values"));
        return false;
    }
    const QString& next() { return arguments[++at]; }
};

bool readDate(ArgumentReader& in, ProgramOptions& options) {
    if (!in.has(1)) return false;
    const QString& text = in.next();
    const DateReading reading = readIsoDate(text.toStdString());
    if (reading.ok()) {
        options.date = reading.date;
        return true;
    }
    in.error = QStringLiteral("'%1' is not a date of the form YYYY-MM-DD in the years %2 to %3")
                   .arg(text)
                   .arg(FIRST_YEAR)
                   .arg(LAST_YEAR);
    return false;
}

bool readLocation(ArgumentReader& in, ProgramOptions& options) {
    if (!in.has(1)) return false;
    const QString& name = in.next();
    if (!fitsWindows1252(name)) {
        in.error = QStringLiteral("'%1' is not a place name Skyledger can keep").arg(name);
        return false;
    }
    options.location = toWindows1252(name);
    return true;
}

// A name from one of the scripted runs' tables and the file to write:
// --screenshot-window and --pdf. `kind` names what the table holds.
struct NamedOutput {
    bool (*known)(const QString& name);
    QString (*names)();
    const char* kind;
};

bool readNamedOutput(ArgumentReader& in, const NamedOutput& table, QString& name, QString& file) {
    if (!in.has(2)) return false;
    name = in.next();
    file = in.next();
    if (table.known(name)) return true;
    in.error = QStringLiteral("'%1' is not a %2 (known: %3)")
                   .arg(name, QLatin1String(table.kind), table.names());
    return false;
}

const NamedOutput WINDOWS = {&isScreenshotWindow, &screenshotWindowNames, "window"};
const NamedOutput REPORTS = {&isPdfReport, &pdfReportNames, "report"};

bool readDays(ArgumentReader& in, ProgramOptions& options) {
    if (!in.has(1)) return false;
    bool ok = false;
    options.days = in.next().toInt(&ok);
    if (ok && isChartDayCount(options.days)) return true;
    in.error = QStringLiteral("--days takes a number from 1 to %1").arg(MAX_CHART_DAYS);
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
        if (!in.has(1)) return false;
        options.screenshotFile = in.next();
        return true;
    }
    if (arg == QLatin1String("--screenshot-window"))
        return readNamedOutput(in, WINDOWS, options.windowName, options.windowFile);
    if (arg == QLatin1String("--pdf"))
        return readNamedOutput(in, REPORTS, options.pdfKind, options.pdfFile);
    if (arg == QLatin1String("--days")) return readDays(in, options);
    in.error = QStringLiteral("unknown option '%1' (try --help)").arg(arg);
    return false;
}

} // namespace

bool parseProgramOptions(const QStringList& arguments, ProgramOptions& options, QString& error) {
    options = ProgramOptions{};
    ArgumentReader in{arguments, 0, error};
    for (; in.at < arguments.size(); ++in.at) {
        if (!readOption(in, options)) return false;
    }
    return true;
}

QString programUsage() {
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
               "The places and display settings are kept in \"Skyledger Settings.txt\" beside\n"
               "the program. Exit status: 0 done, 1 a file could not be written, 2 bad input.\n")
        .arg(FIRST_YEAR)
        .arg(LAST_YEAR)
        .arg(screenshotWindowNames(), pdfReportNames())
        .arg(MAX_CHART_DAYS)
        .arg(DEFAULT_REPORT_DAYS);
}

QString versionLine() {
    return QStringLiteral("skyledger %1").arg(QLatin1String(programVersion()));
}

} // namespace skyledger
