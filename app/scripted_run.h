// The scripted runs of the desktop program: the windows --screenshot-window
// can render and the reports --pdf can print, and running what the options
// ask of the created main window.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace skyledger {

class MainWindow;
struct ProgramOptions;

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

// Whether a name is in its table, and the table's names for a message.
[[nodiscard]] bool isScreenshotWindow(const QString& name);
[[nodiscard]] bool isPdfReport(const QString& name);
[[nodiscard]] QString screenshotWindowNames();
[[nodiscard]] QString pdfReportNames();

// What the scripted options ask of the created main window: the screenshot
// or PDF. Gives the exit status when the program should end here (0 done, 1
// a file could not be written), or nothing when the window should stay open.
// Messages for the user go to `error`.
std::optional<int> runProgramOptions(MainWindow& window, const ProgramOptions& options,
                                     QString& error);

} // namespace skyledger
