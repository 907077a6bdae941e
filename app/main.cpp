// Entry point of skyledger, the desktop program.
#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "almanac/almanac_session.h"
#include "almanac/app_state.h"
#include "app/desktop_run.h"
#include "app/main_window.h"
#include "app/program_options.h"
#include "app/scripted_run.h"
#include "app/settings_saving.h"
#include "app/termination_signals.h"
#include "gui/layout_metrics.h"
#include "gui/message_sink.h"
#include "gui/qt_messages.h"
#include "settings/settings_keeper.h"
#include "settings/settings_location.h"

namespace {

using namespace skyledger;

constexpr int EXIT_FILE_PROBLEM = 1;
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

void toTerminal(QWidget*, const QString& caption, const QString& text) {
    printLine(stderr, QStringLiteral("skyledger: %1: %2").arg(caption, text));
}

// A scripted run has nobody to click a message box away: its messages go to
// the terminal.
MessageSink messageSinkFor(const ProgramOptions& options) {
    return isScripted(options) ? MessageSink(toTerminal) : MessageSink(showMessageBox);
}

// The words on a settings file the program could not fully use, said once:
// on the terminal for a scripted run, over the window otherwise.
void sayOnce(const QStringList& problems, const MessageSink& messages, QWidget* owner) {
    for (const QString& problem : problems)
        messages(owner, QStringLiteral("Skyledger Settings"), problem);
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
                        SettingsKeeper& keeper, const QStringList& settingsProblems) {
    MainWindow window(session, metrics, messages);
    window.setSettingsFile(QFile::decodeName(QByteArray::fromStdString(keeper.path())));
    if (isScripted(options)) sayOnce(settingsProblems, messages, nullptr);
    QString error;
    if (const std::optional<int> done = runProgramOptions(window, options, error)) {
        if (!error.isEmpty()) printLine(stderr, QStringLiteral("skyledger: ") + error);
        return {*done, false};
    }
    window.setSettingsSaver([&] {
        saveChangedSettings(keeper, session.state(), messages, &window, askToReplaceChangedFile);
    });
    quitOnTerminationSignals();
    window.show();
    QTimer::singleShot(0, &window, [&] { sayOnce(settingsProblems, messages, &window); });
    return {QApplication::exec(), true};
}

// Saves what this run changed. Ended by a signal, nobody may be there to
// answer: a file another copy changed is kept, and the words go to the
// terminal. False when the settings could not be saved.
bool saveAtExit(SettingsKeeper& keeper, const AppState& state, const MessageSink& messages) {
    if (endedBySignal()) return saveChangedSettings(keeper, state, toTerminal, nullptr, {});
    return saveChangedSettings(keeper, state, messages, nullptr, askToReplaceChangedFile);
}

} // namespace

int main(int argc, char** argv) {
    // A file-size limit makes a write fail instead of killing the program, so
    // a save cut short is reported and the old file stays.
    std::signal(SIGXFSZ, SIG_IGN);
    quietenQtOffscreenMessages();
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Skyledger"));

    ProgramOptions options;
    QString error;
    if (!parseProgramOptions(QApplication::arguments().mid(1), options, error,
                             std::vector<std::string>(argv + 1, argv + argc))) {
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
    SettingsKeeper keeper(settingsFile);
    AppState state;
    const QStringList settingsProblems = loadSettingsForWindow(keeper, state);
    startFromClock(state, readLocalClock());
    if (!applyStartOptions(state, options, error)) {
        printLine(stderr, QStringLiteral("skyledger: ") + error);
        return EXIT_BAD_INPUT;
    }
    AlmanacSession session(state);
    const MessageSink messages = messageSinkFor(options);
    const WindowRun run =
        runMainWindow(session, metrics, messages, options, keeper, settingsProblems);
    if (run.saveSettings && !saveAtExit(keeper, state, messages)) return EXIT_FILE_PROBLEM;
    return run.status;
}
