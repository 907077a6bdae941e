// The scripted runs of the desktop program: the windows --screenshot-window
// can render and the reports --pdf can print, and running what the options
// ask of the created main window.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "support/file_result.h"

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

// A report --pdf can print: `write` prints it into the file `path` (the
// name's bytes), or gives the reason it could not.
struct PdfReport {
    const char* name;
    std::function<FileResult<Done>(MainWindow&, const ProgramOptions&, const std::string& path)>
        write;
};

// The tables of those names; each window adds its own entry.
[[nodiscard]] const std::vector<ScreenshotWindow>& screenshotWindows();
[[nodiscard]] const std::vector<PdfReport>& pdfReports();

// Whether a name is in its table, and the table's names for a message.
[[nodiscard]] bool isScreenshotWindow(const QString& name);
[[nodiscard]] bool isPdfReport(const QString& name);
[[nodiscard]] QString screenshotWindowNames();
[[nodiscard]] QString pdfReportNames();

// How a scripted run ended: its exit status (0 done, 1 a file could not be
// written) and, when it failed, what to tell the user.
struct ScriptedEnd {
    int status = 0;
    QString message;
};

// What the scripted options ask of the created main window: the screenshot
// or PDF. Gives how the run ended when the program should end here, or
// nothing when the window should stay open.
std::optional<ScriptedEnd> runProgramOptions(MainWindow& window, const ProgramOptions& options);

} // namespace skyledger
