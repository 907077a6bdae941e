// The built desktop program run from a terminal: without a display, and with
// arguments a terminal must not obey.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#ifdef SKYLEDGER_APP_PATH
namespace skyledger {
namespace {

struct Finished {
    int status; // -1 when the program crashed or had to be stopped
    QByteArray out;
    QByteArray err;
};

// `program` with `arguments`; without a display unless `platform` names one.
Finished runProgram(const QString& program, const QStringList& arguments,
               const QString& platform = QString()) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    if (!platform.isEmpty()) environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    // A program that waits for a user here is a failure of its own.
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
        return {-1, process.readAllStandardOutput(), process.readAllStandardError()};
    }
    const int status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return {status, process.readAllStandardOutput(), process.readAllStandardError()};
}

Finished desktop(const QStringList& arguments, const QString& platform = QString()) {
    return runProgram(QStringLiteral(SKYLEDGER_APP_PATH), arguments, platform);
}

QByteArray lineStarting(const QByteArray& text, const char* start) {
    for (const QByteArray& line : text.split('\n'))
        if (line.startsWith(start)) return line;
    return {};
}

TEST(DesktopCommandLine, WithoutADisplayScriptedRunsWorkAndAPlainStartSaysWhy) {
    QTemporaryDir dir;
    const Finished help = desktop({QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0) << help.err.toStdString();
    EXPECT_TRUE(help.out.contains("Usage: skyledger")) << help.out.toStdString();

    const QString png = dir.filePath(QStringLiteral("window.png"));
    const Finished shot = desktop({QStringLiteral("--screenshot"), png, QStringLiteral("--date"),
                              QStringLiteral("2026-03-28")});
    EXPECT_EQ(shot.status, 0) << shot.err.toStdString();
    EXPECT_FALSE(QImage(png).isNull());

    const QString pdf = dir.filePath(QStringLiteral("calendar.pdf"));
    const Finished printed = desktop({QStringLiteral("--pdf"), QStringLiteral("calendar"), pdf});
    EXPECT_EQ(printed.status, 0) << printed.err.toStdString();
    EXPECT_GT(QFileInfo(pdf).size(), 0);

    const Finished plain = desktop({});
    EXPECT_EQ(plain.status, 1) << plain.err.toStdString();
    EXPECT_TRUE(plain.err.startsWith("skyledger: ")) << plain.err.toStdString();
    EXPECT_TRUE(plain.err.contains("display")) << plain.err.toStdString();
    EXPECT_EQ(plain.err.count('\n'), 1) << plain.err.toStdString();
}

#ifdef SKYLEDGER_CLI_PATH
TEST(DesktopCommandLine, HelpNamesTheSettingsFileInUseAsTheCommandLineAlmanacDoes) {
    const Finished help = desktop({QStringLiteral("--help")}, QStringLiteral("offscreen"));
    const Finished cliHelp = runProgram(QStringLiteral(SKYLEDGER_CLI_PATH), {QStringLiteral("--help")});
    const QByteArray named = lineStarting(help.out, "Settings file: ");
    EXPECT_TRUE(named.endsWith("Skyledger Settings.txt")) << help.out.toStdString();
    EXPECT_EQ(named, lineStarting(cliHelp.out, "Settings file: "));
    EXPECT_FALSE(help.out.contains("beside\nthe program"));
}

TEST(DesktopCommandLine, ArgumentsAreEchoedEscapedAndShortAndAnEmptyFileNameIsRefused) {
    const Finished bogus =
        desktop({QString::fromUtf8("--bogus\x1b]0;PWN\x07")}, QStringLiteral("offscreen"));
    EXPECT_EQ(bogus.status, 2);
    EXPECT_TRUE(bogus.err.contains("--bogus\\x1b]0;PWN\\x07")) << bogus.err.toStdString();
    EXPECT_FALSE(bogus.err.contains('\x1b'));

    const Finished longDate = desktop({QStringLiteral("--date"), QString(5000, QLatin1Char('9'))},
                                 QStringLiteral("offscreen"));
    EXPECT_EQ(longDate.status, 2);
    EXPECT_LT(longDate.err.size(), 300) << longDate.err.left(400).toStdString();
    EXPECT_TRUE(longDate.err.contains("99...")) << longDate.err.left(400).toStdString();

    for (const QStringList& empty :
         {QStringList{QStringLiteral("--screenshot"), QString()},
          QStringList{QStringLiteral("--pdf"), QStringLiteral("chart"), QString()},
          QStringList{QStringLiteral("--screenshot-window"), QStringLiteral("about"), QString()}}) {
        const Finished r = desktop(empty, QStringLiteral("offscreen"));
        EXPECT_EQ(r.status, 2) << empty.join(QLatin1Char(' ')).toStdString();
    }

    const Finished cliHelp = runProgram(QStringLiteral(SKYLEDGER_CLI_PATH),
                                   {QStringLiteral("-h"), QStringLiteral("--settings"),
                                    QString::fromUtf8("5o\x01")});
    EXPECT_TRUE(cliHelp.out.contains("Settings file: 5o\\x01")) << cliHelp.out.toStdString();
    EXPECT_FALSE(cliHelp.out.contains('\x01'));
}
#endif

} // namespace
} // namespace skyledger
#endif
