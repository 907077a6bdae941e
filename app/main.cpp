// Entry point of skyledger, the desktop program.
#include <QApplication>
#include <QFile>
#include <QIcon>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "almanac/almanac_session.h"
#include "almanac/app_state.h"
#include "app/main_window.h"
#include "app/program_options.h"
#include "gui/layout_metrics.h"
#include "gui/message_sink.h"
#include "gui/qt_messages.h"
#include "settings/settings_file.h"
#include "settings/settings_location.h"

namespace {

void printLine(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fprintf(stream, "%s\n", bytes.constData());
}

// Qt's own options that take a value; QApplication reads and removes them.
const char* const QT_OPTIONS_WITH_VALUE[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin",   "style",
    "stylesheet", "session", "display",  "geometry", "qwindowgeometry",
    "qwindowicon", "qwindowtitle"};

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

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// Whether a window system can be reached: a platform named outright, or an
// X or Wayland display.
bool haveDisplay() {
    return isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char** argv) {
    using namespace skyledger;
    // The options are read before the window system starts: --help, bad input
    // and the scripted runs need no display.
    QStringList arguments;
    bool platformNamed = false;
    for (int i = 1; i < argc;) {
        const int next = pastQtOption(argc, argv, i, platformNamed);
        if (next == i) arguments << QString::fromLocal8Bit(argv[i++]);
        i = std::max(i, next);
    }
    ProgramOptions options;
    QString error;
    if (!parseProgramOptions(arguments, options, error)) {
        printLine(stderr, QStringLiteral("skyledger: ") + error);
        return 2;
    }
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
    const bool scripted = !options.screenshotFile.isEmpty() || !options.windowName.isEmpty() ||
                          !options.pdfKind.isEmpty();
    if (!platformNamed && !haveDisplay()) {
        if (!scripted) {
            printLine(stderr, QStringLiteral("skyledger: no display to open the window on (neither "
                                             "DISPLAY nor WAYLAND_DISPLAY is set)"));
            return 1;
        }
        // A scripted run draws into images and PDF files: no screen is needed.
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }

    quietenQtOffscreenMessages();
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Skyledger"));

    QIcon icon;
    icon.addFile(QStringLiteral(":/images/skyledger_32.xpm"));
    icon.addFile(QStringLiteral(":/images/skyledger_16.xpm"));
    QApplication::setWindowIcon(icon);

    const LayoutMetrics metrics = measureLayoutMetrics();
    QApplication::setFont(metrics.uiFont);

    const std::string settingsFile = prepareSettingsFile(environment);
    AppState state;
    loadSettings(settingsFile, state.locations, state.preferences);
    startFromClock(state, readLocalClock());
    if (!applyStartOptions(state, options, error)) {
        printLine(stderr, QStringLiteral("skyledger: ") + error);
        return 2;
    }
    AlmanacSession session(state);

    // A scripted run has nobody to click a message box away: its messages go
    // to the terminal.
    MessageSink messages = showMessageBox;
    if (scripted) {
        messages = [](QWidget*, const QString& caption, const QString& text) {
            printLine(stderr, QStringLiteral("skyledger: %1: %2").arg(caption, text));
        };
    }

    int status = 0;
    {
        MainWindow window(session, metrics, messages);
        window.setSettingsFile(QFile::decodeName(QByteArray::fromStdString(settingsFile)));
        if (const std::optional<int> done = runProgramOptions(window, options, error)) {
            if (!error.isEmpty()) printLine(stderr, QStringLiteral("skyledger: ") + error);
            // A scripted run changes nothing the settings file keeps.
            return *done;
        }
        window.show();
        status = QApplication::exec();
    }
    saveSettingsAtExit(settingsFile, state, messages);
    return status;
}
