// Entry point of skyledger, the desktop program.
#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QTimer>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "almanac/almanac_session.h"
#include "almanac/app_state.h"
#include "almanac/local_time.h"
#include "app/desktop_run.h"
#include "app/main_window.h"
#include "app/program_options.h"
#include "app/scripted_run.h"
#include "app/settings_saving.h"
#include "app/termination_signals.h"
#include "gui/desktop_messages.h"
#include "gui/layout_metrics.h"
#include "gui/message_sink.h"
#include "gui/qt_messages.h"
#include "settings/settings_keeper.h"
#include "settings/settings_location.h"

namespace {

using namespace skyledger;

constexpr int EXIT_FILE_PROBLEM = 1;
constexpr int EXIT_BAD_INPUT = 2;
constexpr int EXIT_NO_DISPLAY = 1;

// Qt's own options that take a value; QApplication reads and removes them.
const char* const QT_OPTIONS_WITH_VALUE[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin",
    "style",    "stylesheet",         "session",       "display",
    "geometry", "qwindowgeometry",    "qwindowicon",   "qwindowtitle"};

void printLine(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fprintf(stream, "%s\n", bytes.constData());
}

// The index past Qt's own option at argv[i] (with its value), or i when the
// argument is none of them. Qt takes them with one dash or two.
int pastQtOption(int argc, char** argv, int i, bool& namesPlatform) {
    const char* arg = argv[i];
    if (arg[0] != '-') return i;
    const char* name = arg[1] == '-' ? arg + 2 : arg + 1;
    if (std::strcmp(name, "reverse") == 0) return i + 1;
    for (const char* option : QT_OPTIONS_WITH_VALUE) {
        if (std::strcmp(name, option) != 0 || i + 1 >= argc) continue;
        if (std::strcmp(option, "platform") == 0) namesPlatform = true;
        return i + 2;
    }
    return i;
}

// The program's own arguments, read before the window system starts: --help,
// bad input and the scripted runs need no display. `platformNamed` tells
// whether Qt's -platform was among them; `raw` receives the same arguments as
// bytes.
QStringList programArguments(int argc, char** argv, bool& platformNamed,
                             std::vector<std::string>& raw) {
    QStringList arguments;
    for (int i = 1; i < argc;) {
        const int next = pastQtOption(argc, argv, i, platformNamed);
        if (next == i) {
            raw.emplace_back(argv[i]); // the bytes, for file names that are not UTF-8
            arguments << QString::fromLocal8Bit(argv[i++]);
        }
        i = std::max(i, next);
    }
    return arguments;
}

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// Whether a window system can be reached: a platform named outright, or an
// X or Wayland display.
bool haveDisplay() {
    return isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
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
        messages(owner, settingsCaption(), problem);
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
    if (const std::optional<ScriptedEnd> done = runProgramOptions(window, options)) {
        if (!done->message.isEmpty())
            printLine(stderr, QStringLiteral("skyledger: ") + done->message);
        return {done->status, false};
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
    bool platformNamed = false;
    std::vector<std::string> rawArguments;
    const Result<ProgramOptions, QString> parsed = parseProgramOptions(
        programArguments(argc, argv, platformNamed, rawArguments), rawArguments);
    if (!parsed.ok()) {
        printLine(stderr, QStringLiteral("skyledger: ") + parsed.error());
        return EXIT_BAD_INPUT;
    }
    const ProgramOptions& options = parsed.value();
    const SettingsEnvironment environment = settingsEnvironment(runningProgramPath(argv[0]));
    if (options.help) {
        const QString settings =
            QFile::decodeName(QByteArray::fromStdString(settingsFileLocation(environment)));
        std::fputs(programUsage(settings).toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (options.version) {
        printLine(stdout, versionLine());
        return 0;
    }
    if (!platformNamed && !haveDisplay()) {
        if (!isScripted(options)) {
            printLine(stderr, QStringLiteral("skyledger: ") + noDisplayMessage());
            return EXIT_NO_DISPLAY;
        }
        // A scripted run draws into images and PDF files: no screen is needed.
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }

    quietenQtOffscreenMessages();
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Skyledger"));
    setProgramIcon();
    const LayoutMetrics metrics = measureLayoutMetrics();
    QApplication::setFont(metrics.uiFont);

    const std::string settingsFile = prepareSettingsFile(environment);
    SettingsKeeper keeper(settingsFile);
    AppState state;
    const QStringList settingsProblems = loadSettingsForWindow(keeper, state);
    startFromClock(state, readLocalClock());
    if (const Result<Done, QString> started = applyStartOptions(state, options); !started.ok()) {
        printLine(stderr, QStringLiteral("skyledger: ") + started.error());
        return EXIT_BAD_INPUT;
    }
    state.preferences.timeBasis = startingTimeBasis(state.locations, state.preferences.timeBasis);
    AlmanacSession session(state);
    const MessageSink messages = messageSinkFor(options);
    const WindowRun run =
        runMainWindow(session, metrics, messages, options, keeper, settingsProblems);
    if (run.saveSettings && !saveAtExit(keeper, state, messages)) return EXIT_FILE_PROBLEM;
    return run.status;
}
