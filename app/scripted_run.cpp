// The scripted runs: the windows and reports by name, rendered or printed
// from the created main window.
#include "app/scripted_run.h"

#include <QApplication>
#include <QPixmap>
#include <QStringList>

#include "almanac/app_state.h"
#include "app/about_dialog.h"
#include "app/help_window.h"
#include "app/location_dialog.h"
#include "app/main_window.h"
#include "app/program_options.h"
#include "reports/calendar_print.h"
#include "reports/calendar_window.h"
#include "reports/chart_print.h"
#include "reports/chart_window.h"
#include "reports/print_report.h"
#include "reports/track_print.h"
#include "reports/track_window.h"

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
    return names.isEmpty() ? QStringLiteral("none yet") : names.join(QStringLiteral(", "));
}

// Prints a report the session computes only while it is followed, following
// it for as long as the printing takes.
bool printFollowed(AlmanacSession& session, Follows report, const QString& file,
                   void (*pages)(QPrinter&, QPainter&, const AppState&)) {
    AlmanacView printout;
    const AlmanacSession::Subscription computed = session.subscribe(printout, report);
    return printReportToPdf(file, [&](QPrinter& printer, QPainter& painter) {
        pages(printer, painter, session.state());
    });
}

bool savePng(QWidget* widget, const QString& file, QString& error) {
    if (widget->grab().save(file, "PNG")) return true;
    error = QStringLiteral("Cannot write the image file \"%1\".").arg(shownPath(file));
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
             return printFollowed(window.almanacSession(), Follows::Calendar, file,
                                  &printCalendarPages);
         }},
        {"track",
         [](MainWindow& window, const ProgramOptions&, const QString& file) {
             return printFollowed(window.almanacSession(), Follows::Track, file, &printTrackPages);
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
            error = QStringLiteral("Cannot write the PDF file \"%1\".").arg(shownPath(options.pdfFile));
            return 1;
        }
    }
    if (scripted) return 0;
    return std::nullopt;
}

} // namespace skyledger
