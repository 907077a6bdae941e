// Entry point of skyledger, the desktop program.
#include <QApplication>
#include <QFile>
#include <QIcon>
#include <cstdio>

#include "almanac/almanac_session.h"
#include "almanac/app_state.h"
#include "almanac/local_time.h"
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

} // namespace

int main(int argc, char** argv) {
    using namespace skyledger;
    quietenQtOffscreenMessages();
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Skyledger"));

    ProgramOptions options;
    QString error;
    if (!parseProgramOptions(QApplication::arguments().mid(1), options, error)) {
        printLine(stderr, QStringLiteral("skyledger: ") + error);
        return 2;
    }
    if (options.help) {
        std::fputs(programUsage().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (options.version) {
        printLine(stdout, versionLine());
        return 0;
    }
    const bool scripted = !options.screenshotFile.isEmpty() || !options.windowName.isEmpty() ||
                          !options.pdfKind.isEmpty();

    QIcon icon;
    icon.addFile(QStringLiteral(":/images/skyledger_32.xpm"));
    icon.addFile(QStringLiteral(":/images/skyledger_16.xpm"));
    QApplication::setWindowIcon(icon);

    const LayoutMetrics metrics = measureLayoutMetrics();
    QApplication::setFont(metrics.uiFont);

    const std::string settingsFile =
        prepareSettingsFile(settingsEnvironment(runningProgramPath(argv[0])));
    AppState state;
    loadSettings(settingsFile, state.locations, state.preferences);
    startFromClock(state, readLocalClock());
    if (!applyStartOptions(state, options, error)) {
        printLine(stderr, QStringLiteral("skyledger: ") + error);
        return 2;
    }
    state.preferences.timeBasis = startingTimeBasis(state.locations, state.preferences.timeBasis);
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
