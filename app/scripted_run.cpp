// The scripted runs: the windows and reports by name, rendered or printed
// from the created main window.
#include "app/scripted_run.h"

#include <QApplication>
#include <QBuffer>
#include <QPixmap>
#include <QStringList>

#include "almanac/app_state.h"
#include "app/about_dialog.h"
#include "app/help_window.h"
#include "app/location_dialog.h"
#include "app/main_window.h"
#include "app/program_options.h"
#include "gui/desktop_messages.h"
#include "gui/qt_text.h"
#include "reports/calendar_print.h"
#include "reports/calendar_window.h"
#include "reports/chart_print.h"
#include "reports/chart_window.h"
#include "reports/details_print.h"
#include "reports/details_window.h"
#include "reports/print_report.h"
#include "reports/track_print.h"
#include "reports/track_window.h"
#include "settings/location_range.h"
#include "support/file_io.h"
#include "support/messages.h"

namespace skyledger {

namespace {

// Shows a window the way the user would see it before it is grabbed.
QWidget* shown(QWidget* widget) {
    widget->show();
    QApplication::processEvents();
    return widget;
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
    return names.isEmpty() ? noNamesYet() : names.join(QStringLiteral(", "));
}

// Prints a report the session computes only while it is followed, following
// it for as long as the printing takes.
FileResult<Done> printFollowed(AlmanacSession& session, Follows report, const std::string& path,
                               void (*pages)(QPrinter&, QPainter&, const AppState&)) {
    AlmanacView printout;
    const AlmanacSession::Subscription computed = session.subscribe(printout, report);
    return printReportToPdf(path, [&](QPrinter& printer, QPainter& painter) {
        pages(printer, painter, session.state());
    });
}

// Renders the widget into a PNG and writes it whole or not at all; the
// message for the user when it could not.
Result<Done, QString> savePng(QWidget* widget, const QString& file, const std::string& path) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    const bool drawn = buffer.open(QIODevice::WriteOnly) && widget->grab().save(&buffer, "PNG");
    const FileResult<Done> written =
        drawn ? writeOutputFile(
                    path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())))
              : FileResult<Done>(FileProblem{PICTURE_NOT_MADE_REASON});
    if (written.ok()) return Done{};
    return cannotWriteImageMessage(shownPath(file), QString::fromLocal8Bit(written.error().why));
}

// Why a report cannot be printed for the current place: there is none, or
// its values lie outside the Location dialog's ranges.
std::optional<QString> reportRefusal(const AppState& state) {
    const Location* place = state.locations.currentLocation();
    if (place == nullptr)
        return noPlaceForReportMessage();
    if (const std::optional<std::string> problem = locationRangeProblem(*place))
        return toQString(*problem);
    return std::nullopt;
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
        {"details",
         [](MainWindow& window, const ProgramOptions&) -> QWidget* {
             return shown(window.openReport<DetailsWindow>());
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
         [](MainWindow& window, const ProgramOptions& options,
            const std::string& path) -> FileResult<Done> {
             AlmanacSession& session = window.almanacSession();
             if (!session.prepareChart(session.state().currentDate, options.days))
                 return FileProblem{REPORT_NOT_MADE_REASON};
             const AppState& state = session.state();
             return printReportToPdf(path, chartPageRoutine(state.chart, state));
         }},
        {"calendar",
         [](MainWindow& window, const ProgramOptions&, const std::string& path) {
             return printFollowed(window.almanacSession(), Follows::Calendar, path,
                                  &printCalendarPages);
         }},
        {"track",
         [](MainWindow& window, const ProgramOptions&, const std::string& path) {
             return printFollowed(window.almanacSession(), Follows::Track, path, &printTrackPages);
         }},
        {"details",
         [](MainWindow& window, const ProgramOptions&, const std::string& path) {
             // The details come with the day; the line at now on today's date.
             const AppState& state = window.almanacSession().state();
             const std::optional<double> now =
                 nowOnShownDate(state, QDateTime::currentDateTimeUtc());
             return printReportToPdf(path, [&](QPrinter& printer, QPainter& painter) {
                 printDetailsPage(printer, painter, state, now);
             });
         }},
    };
    return table;
}

bool isScreenshotWindow(const QString& name) {
    return knownName(screenshotWindows(), name);
}

bool isPdfReport(const QString& name) {
    return knownName(pdfReports(), name);
}

QString screenshotWindowNames() {
    return namesOf(screenshotWindows());
}

QString pdfReportNames() {
    return namesOf(pdfReports());
}

std::optional<ScriptedEnd> runProgramOptions(MainWindow& window, const ProgramOptions& options) {
    const auto failed = [](QString message) { return ScriptedEnd{1, std::move(message)}; };
    bool scripted = false;
    if (!options.screenshotFile.isEmpty()) {
        scripted = true;
        const Result<Done, QString> saved =
            savePng(shown(&window), options.screenshotFile, options.screenshotPath);
        if (!saved.ok()) return failed(saved.error());
    }
    for (const ScreenshotWindow& entry : screenshotWindows()) {
        if (options.windowName != QLatin1String(entry.name)) continue;
        scripted = true;
        shown(&window);
        QWidget* other = entry.open(window, options);
        if (!other) return failed(windowNotOpenedMessage(options.windowName));
        const Result<Done, QString> saved = savePng(other, options.windowFile, options.windowPath);
        if (!saved.ok()) return failed(saved.error());
    }
    for (const PdfReport& entry : pdfReports()) {
        if (options.pdfKind != QLatin1String(entry.name)) continue;
        scripted = true;
        if (const std::optional<QString> refusal = reportRefusal(window.almanacSession().state()))
            return failed(*refusal);
        const FileResult<Done> written = entry.write(window, options, options.pdfPath);
        if (!written.ok())
            return failed(cannotWritePdfMessage(shownPath(options.pdfFile),
                                                QString::fromLocal8Bit(written.error().why)));
    }
    if (scripted) return ScriptedEnd{};
    return std::nullopt;
}

} // namespace skyledger
