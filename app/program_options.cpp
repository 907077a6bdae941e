// Reading the command line and running its scripted parts.
#include "app/program_options.h"

#include <QApplication>
#include <QPixmap>
#include <QRegularExpression>
#include <memory>

#include "almanac/app_state.h"
#include "app/about_dialog.h"
#include "app/help_window.h"
#include "app/location_dialog.h"
#include "app/main_window.h"
#include "gui/qt_text.h"
#include "reports/calendar_print.h"
#include "reports/calendar_window.h"
#include "reports/chart_print.h"
#include "reports/chart_window.h"
#include "reports/print_report.h"
#include "reports/track_print.h"
#include "reports/track_window.h"
#include "settings/names.h"
#include "support/version.h"

namespace skyledger {

namespace {

// Shows a window the way the user would see it before it is grabbed.
QWidget* shown(QWidget* widget) {
    widget->show();
    QApplication::processEvents();
    return widget;
}

std::optional<CivilDate> parseDate(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch()) return std::nullopt;
    const CivilDate date{match.captured(1).toInt(), match.captured(2).toInt(),
                         match.captured(3).toInt()};
    if (!isAcceptedDate(date)) return std::nullopt;
    return date;
}

template <typename Table> bool knownName(const Table& table, const QString& name) {
    for (const auto& entry : table) {
        if (name == QLatin1String(entry.name)) return true;
    }
    return false;
}

template <typename Table> QString namesOf(const Table& table) {
    QStringList names;
    for (const auto& entry : table)
        names << QLatin1String(entry.name);
    return names.isEmpty() ? QStringLiteral("none yet") : names.join(QStringLiteral(", "));
}

bool savePng(QWidget* widget, const QString& file, QString& error) {
    if (widget->grab().save(file, "PNG")) return true;
    error = QStringLiteral("Cannot write the image file \"%1\".").arg(file);
    return false;
}

} // namespace

const std::vector<ScreenshotWindow>& screenshotWindows() {
    static const std::vector<ScreenshotWindow> table = {
        {"about",
         [](MainWindow& window, const ProgramOptions&) -> QWidget* {
             // Owned by the main window; closed with it.
             auto* about = new AboutDialog(&window);
             about->setAttribute(Qt::WA_DeleteOnClose);
             return shown(about);
         }},
        {"help",
         [](MainWindow& window, const ProgramOptions&) -> QWidget* {
             window.openHelp();
             return shown(window.helpWindow());
         }},
        {"chart",
         [](MainWindow& window, const ProgramOptions& options) -> QWidget* {
             // --days days from the main window's date, as if asked for in
             // the request dialog.
             AlmanacSession& session = window.almanacSession();
             if (!session.prepareChart(session.state().currentDate, options.days)) return nullptr;
             return shown(window.openReport<ChartWindow>());
         }},
        {"calendar",
         [](MainWindow& window, const ProgramOptions&) -> QWidget* {
             return shown(window.openReport<MoonCalendarWindow>());
         }},
        {"track",
         [](MainWindow& window, const ProgramOptions&) -> QWidget* {
             return shown(window.openReport<TrackWindow>());
         }},
        {"location",
         [](MainWindow& window, const ProgramOptions&) -> QWidget* {
             // On the current place; the run ends before anything is saved.
             auto* dialog = new LocationDialog(window.almanacSession().editLocations(),
                                               window.layoutMetrics(), &window);
             dialog->setAttribute(Qt::WA_DeleteOnClose);
             return shown(dialog);
         }},
    };
    return table;
}

const std::vector<PdfReport>& pdfReports() {
    // The reports print what their windows would show on the main window's
    // date and place, through the same page routines, without the windows.
    static const std::vector<PdfReport> table = {
        {"chart",
         [](MainWindow& window, const ProgramOptions& options, const QString& file) {
             AlmanacSession& session = window.almanacSession();
             if (!session.prepareChart(session.state().currentDate, options.days)) return false;
             const AppState& state = session.state();
             return printReportToPdf(file, chartPageRoutine(state.chart, state));
         }},
        {"calendar",
         [](MainWindow& window, const ProgramOptions&, const QString& file) {
             AlmanacSession& session = window.almanacSession();
             AlmanacView printout;
             const AlmanacSession::Subscription computed =
                 session.subscribe(printout, Follows::Calendar);
             return printReportToPdf(file, [&](QPrinter& printer, QPainter& painter) {
                 printCalendarPages(printer, painter, session.state());
             });
         }},
        {"track",
         [](MainWindow& window, const ProgramOptions&, const QString& file) {
             AlmanacSession& session = window.almanacSession();
             AlmanacView printout;
             const AlmanacSession::Subscription computed =
                 session.subscribe(printout, Follows::Track);
             return printReportToPdf(file, [&](QPrinter& printer, QPainter& painter) {
                 printTrackPages(printer, painter, session.state());
             });
         }},
    };
    return table;
}

bool parseProgramOptions(const QStringList& arguments, ProgramOptions& options, QString& error) {
    options = ProgramOptions{};
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        // The values an option takes, or false when too few follow.
        auto values = [&](qsizetype count) {
            if (i + count < arguments.size()) return true;
            error = QStringLiteral("%1 needs %2")
                        .arg(arg,
                             count == 1 ? QStringLiteral("a value") : QStringLiteral("two values"));
            return false;
        };
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            options.help = true;
        } else if (arg == QLatin1String("--version")) {
            options.version = true;
        } else if (arg == QLatin1String("--date")) {
            if (!values(1)) return false;
            options.date = parseDate(arguments[++i]);
            if (!options.date) {
                error = QStringLiteral("'%1' is not a date of the form YYYY-MM-DD in the years "
                                       "%2 to %3")
                            .arg(arguments[i])
                            .arg(FIRST_YEAR)
                            .arg(LAST_YEAR);
                return false;
            }
        } else if (arg == QLatin1String("--location")) {
            if (!values(1)) return false;
            const QString name = arguments[++i];
            if (!fitsWindows1252(name)) {
                error = QStringLiteral("'%1' is not a place name Skyledger can keep").arg(name);
                return false;
            }
            options.location = toWindows1252(name);
        } else if (arg == QLatin1String("--screenshot")) {
            if (!values(1)) return false;
            options.screenshotFile = arguments[++i];
        } else if (arg == QLatin1String("--screenshot-window")) {
            if (!values(2)) return false;
            options.windowName = arguments[++i];
            options.windowFile = arguments[++i];
            if (!knownName(screenshotWindows(), options.windowName)) {
                error = QStringLiteral("'%1' is not a window (known: %2)")
                            .arg(options.windowName, namesOf(screenshotWindows()));
                return false;
            }
        } else if (arg == QLatin1String("--pdf")) {
            if (!values(2)) return false;
            options.pdfKind = arguments[++i];
            options.pdfFile = arguments[++i];
            if (!knownName(pdfReports(), options.pdfKind)) {
                error = QStringLiteral("'%1' is not a report (known: %2)")
                            .arg(options.pdfKind, namesOf(pdfReports()));
                return false;
            }
        } else if (arg == QLatin1String("--days")) {
            if (!values(1)) return false;
            bool ok = false;
            options.days = arguments[++i].toInt(&ok);
            if (!ok || options.days < 1 || options.days > MAX_REPORT_DAYS) {
                error = QStringLiteral("--days takes a number from 1 to %1").arg(MAX_REPORT_DAYS);
                return false;
            }
        } else {
            error = QStringLiteral("unknown option '%1' (try --help)").arg(arg);
            return false;
        }
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
        .arg(namesOf(screenshotWindows()), namesOf(pdfReports()))
        .arg(MAX_REPORT_DAYS)
        .arg(DEFAULT_REPORT_DAYS);
}

QString versionLine() {
    return QStringLiteral("skyledger %1").arg(QLatin1String(programVersion()));
}

bool applyStartOptions(AppState& state, const ProgramOptions& options, QString& error) {
    if (options.date) state.currentDate = *options.date;
    if (!options.location) return true;
    const LocationList& places = state.locations;
    for (int32_t i = 0; places.present && i < places.count(); ++i) {
        if (sameName(places.records[static_cast<size_t>(i)].name, *options.location)) {
            state.locations.current = i;
            return true;
        }
    }
    error = QStringLiteral("There is no place called '%1' in the settings file.")
                .arg(toQString(*options.location));
    return false;
}

std::optional<int> runProgramOptions(MainWindow& window, const ProgramOptions& options,
                                     QString& error) {
    bool scripted = false;
    if (!options.screenshotFile.isEmpty()) {
        scripted = true;
        if (!savePng(shown(&window), options.screenshotFile, error)) return 1;
    }
    for (const ScreenshotWindow& entry : screenshotWindows()) {
        if (options.windowName != QLatin1String(entry.name)) continue;
        scripted = true;
        shown(&window);
        QWidget* other = entry.open(window, options);
        if (!other) {
            error = QStringLiteral("The %1 window could not be opened.").arg(options.windowName);
            return 1;
        }
        if (!savePng(other, options.windowFile, error)) return 1;
    }
    for (const PdfReport& entry : pdfReports()) {
        if (options.pdfKind != QLatin1String(entry.name)) continue;
        scripted = true;
        if (!entry.write(window, options, options.pdfFile)) {
            error = QStringLiteral("Cannot write the PDF file \"%1\".").arg(options.pdfFile);
            return 1;
        }
    }
    if (scripted) return 0;
    return std::nullopt;
}

} // namespace skyledger
