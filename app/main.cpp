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
#include "app/main_window.h"
#include "app/program_options.h"
#include "app/settings_saving.h"
#include "app/termination_signals.h"
#include "gui/layout_metrics.h"
#include "gui/message_sink.h"
#include "gui/qt_messages.h"
#include "settings/settings_keeper.h"
#include "settings/settings_location.h"

namespace {

void printLine(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fprintf(stream, "%s\n", bytes.constData());
}

} // namespace

int main(int argc, char** argv) {
    using namespace skyledger;
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
    SettingsKeeper keeper(settingsFile);
    AppState state;
    const QStringList settingsProblems = loadSettingsForWindow(keeper, state);
    startFromClock(state, readLocalClock());
    if (!applyStartOptions(state, options, error)) {
        printLine(stderr, QStringLiteral("skyledger: ") + error);
        return 2;
    }
    AlmanacSession session(state);

    // A scripted run has nobody to click a message box away: its messages go
    // to the terminal.
    const MessageSink toTerminal = [](QWidget*, const QString& caption, const QString& text) {
        printLine(stderr, QStringLiteral("skyledger: %1: %2").arg(caption, text));
    };
    const MessageSink messages = scripted ? toTerminal : MessageSink(showMessageBox);

    const QString settingsCaption = QStringLiteral("Skyledger Settings");
    int status = 0;
    {
        MainWindow window(session, metrics, messages);
        window.setSettingsFile(QFile::decodeName(QByteArray::fromStdString(settingsFile)));
        if (scripted) {
            for (const QString& problem : settingsProblems)
                messages(nullptr, settingsCaption, problem);
        }
        if (const std::optional<int> done = runProgramOptions(window, options, error)) {
            if (!error.isEmpty()) printLine(stderr, QStringLiteral("skyledger: ") + error);
            // A scripted run changes nothing the settings file keeps.
            return *done;
        }
        window.setSettingsSaver([&] {
            saveChangedSettings(keeper, state, messages, &window, askToReplaceChangedFile);
        });
        quitOnTerminationSignals();
        window.show();
        // Said once, over the window.
        QTimer::singleShot(0, &window, [&] {
            for (const QString& problem : settingsProblems)
                messages(&window, settingsCaption, problem);
        });
        status = QApplication::exec();
    }
    // Ended by a signal nobody may be there to answer: the other copy's file is
    // kept and the words go to the terminal.
    const bool signalled = endedBySignal();
    const MessageSink& exitMessages = signalled ? toTerminal : messages;
    const ReplaceQuestion ask = signalled ? ReplaceQuestion() : askToReplaceChangedFile;
    if (!saveChangedSettings(keeper, state, exitMessages, nullptr, ask)) return 1;
    return status;
}
