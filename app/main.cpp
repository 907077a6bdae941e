// Entry point of skyledger, the desktop program.
#include <QApplication>
#include <QFile>
#include <QIcon>
#include <cstdio>

#include "almanac/almanac_session.h"
#include "almanac/app_state.h"
#include "almanac/local_time.h"
#include "app/desktop_run.h"
#include "app/main_window.h"
#include "app/program_options.h"
#include "app/scripted_run.h"
#include "gui/layout_metrics.h"
#include "gui/message_sink.h"
#include "gui/qt_messages.h"
#include "settings/settings_file.h"
#include "settings/settings_location.h"

namespace {

using namespace skyledger;

constexpr int EXIT_BAD_INPUT = 2;

void printLine(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fprintf(stream, "%s\n", bytes.constData());
}

bool isScripted(const ProgramOptions& options) {
    return !options.screenshotFile.isEmpty() || !options.windowName.isEmpty() ||
           !options.pdfKind.isEmpty();
}

void setProgramIcon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/images/skyledger_32.xpm"));
    icon.addFile(QStringLiteral(":/images/skyledger_16.xpm"));
    QApplication::setWindowIcon(icon);
}

// A scripted run has nobody to click a message box away: its messages go to
// the terminal.
MessageSink messageSinkFor(const ProgramOptions& options) {
    if (!isScripted(options)) return showMessageBox;
    return [](QWidget*, const QString& caption, const QString& text) {
        printLine(stderr, QStringLiteral("skyledger: %1: %2").arg(caption, text));
    };
}

// The main window over the session until the user closes it, or until the
// scripted options are done; the exit status, and whether the settings are to
// be saved (a scripted run changes nothing the settings file keeps).
struct WindowRun {
    int status = 0;
    bool saveSettings = true;
};

WindowRun runMainWindow(AlmanacSession& session, const LayoutMetrics& metrics,
                        const MessageSink& messages, const ProgramOptions& options,
                        const std::string& settingsFile) {
    MainWindow window(session, metrics, messages);
    window.setSettingsFile(QFile::decodeName(QByteArray::fromStdString(settingsFile)));
    QString error;
    if (const std::optional<int> done = runProgramOptions(window, options, error)) {
        if (!error.isEmpty()) printLine(stderr, QStringLiteral("skyledger: ") + error);
        return {*done, false};
    }
    window.show();
    return {QApplication::exec(), true};
}

} // namespace

int main(int argc, char** argv) {
    quietenQtOffscreenMessages();
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Skyledger"));

    ProgramOptions options;
    QString error;
    if (!parseProgramOptions(QApplication::arguments().mid(1), options, error)) {
        printLine(stderr, QStringLiteral("skyledger: ") + error);
        return EXIT_BAD_INPUT;
    }
    if (options.help) {
        std::fputs(programUsage().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (options.version) {
        printLine(stdout, versionLine());
        return 0;
    }
    setProgramIcon();
    const LayoutMetrics metrics = measureLayoutMetrics();
    QApplication::setFont(metrics.uiFont);

    const std::string settingsFile =
        prepareSettingsFile(settingsEnvironment(runningProgramPath(argv[0])));
    AppState state;
    loadSettings(settingsFile, state.locations, state.preferences);
    startFromClock(state, readLocalClock());
    if (!applyStartOptions(state, options, error)) {
        printLine(stderr, QStringLiteral("skyledger: ") + error);
        return EXIT_BAD_INPUT;
    }
    state.preferences.timeBasis = startingTimeBasis(state.locations, state.preferences.timeBasis);
    AlmanacSession session(state);
    const MessageSink messages = messageSinkFor(options);
    const WindowRun run = runMainWindow(session, metrics, messages, options, settingsFile);
    if (run.saveSettings) saveSettingsAtExit(settingsFile, state, messages);
    return run.status;
}
