// The desktop program's command line, and the About box it can render.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "almanac/app_state.h"
#include "app/about_dialog.h"
#include "app/desktop_run.h"
#include "app/program_options.h"
#include "settings/settings_file.h"

namespace skyledger {
namespace {

bool parse(const QStringList& args, ProgramOptions& options, QString& error) {
    const Result<ProgramOptions, QString> parsed = parseProgramOptions(args);
    if (!parsed.ok()) {
        error = parsed.error();
        return false;
    }
    options = parsed.value();
    return true;
}

TEST(ProgramOptions, ReadsWhereToStartAndWhatToRender) {
    ProgramOptions o;
    QString error;
    ASSERT_TRUE(parse({"--date", "2024-02-29", "--location", "Troms\u00F8", "--screenshot",
                       "/tmp/a.png", "--screenshot-window", "help", "/tmp/h.png", "--days", "366"},
                      o, error))
        << error.toStdString();
    ASSERT_TRUE(o.date.has_value());
    EXPECT_EQ(o.date->year, 2024);
    EXPECT_EQ(o.date->month, 2);
    EXPECT_EQ(o.date->day, 29);
    EXPECT_EQ(*o.location, std::string("Troms\xF8")); // Windows-1252, as the settings keep it
    EXPECT_EQ(o.screenshotFile, QStringLiteral("/tmp/a.png"));
    EXPECT_EQ(o.windowName, QStringLiteral("help"));
    EXPECT_EQ(o.windowFile, QStringLiteral("/tmp/h.png"));
    EXPECT_EQ(o.days, 366);
}

TEST(ProgramOptions, RefusesWhatTheWindowCannotShow) {
    ProgramOptions o;
    QString error;
    for (const QStringList& bad : {
             QStringList{"--date", "2023-02-29"}, // no such day
             QStringList{"--date", "1899-12-31"}, // before the first year
             QStringList{"--date", "2026-3-20"},  // not the form
             QStringList{"--days", "0"},          // too few
             QStringList{"--days", "367"},        // too many
             QStringList{"--screenshot-window", "nowhere", "/tmp/x.png"},
             QStringList{"--pdf", "nothing", "/tmp/x.pdf"},
             QStringList{"--screenshot"},               // value missing
             QStringList{"--location", "\u6771\u4EAC"}, // no Windows-1252 form
             QStringList{"--frobnicate"},
         }) {
        error.clear();
        EXPECT_FALSE(parse(bad, o, error)) << bad.join(' ').toStdString();
        EXPECT_FALSE(error.isEmpty()) << bad.join(' ').toStdString();
    }
    EXPECT_TRUE(programUsage(QStringLiteral("/x/s.txt")).contains(QStringLiteral("about, help")));
}

TEST(ProgramOptions, StartOnTheNamedPlaceWhateverItsLetterCase) {
    AppState state;
    const SettingsRead loaded = loadSettings(SKYLEDGER_DEFAULT_SETTINGS);
    ASSERT_EQ(loaded.load, SettingsLoad::Loaded);
    state.locations = loaded.list;
    state.preferences = loaded.prefs;
    ProgramOptions o;
    QString error;
    ASSERT_TRUE(parse({"--location", "TROMS\u00F8", "--date", "2030-07-04"}, o, error));
    ASSERT_TRUE(applyStartOptions(state, o).ok());
    EXPECT_EQ(state.locations.currentLocation()->name, "Troms\xF8");
    EXPECT_EQ(state.currentDate.year, 2030);
    EXPECT_EQ(state.currentDate.day, 4);

    const int32_t before = state.locations.current;
    ASSERT_TRUE(parse({"--location", "Atlantis"}, o, error));
    const Result<Done, QString> refused = applyStartOptions(state, o);
    ASSERT_FALSE(refused.ok());
    EXPECT_TRUE(refused.error().contains(QStringLiteral("Atlantis")));
    EXPECT_EQ(state.locations.current, before);
}

TEST(AboutDialog, OnlyOkClosesIt) {
    AboutDialog about(nullptr);
    about.show();
    QApplication::processEvents();
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Skyledger"));
    QTest::keyClick(&about, Qt::Key_Escape);
    EXPECT_TRUE(about.isVisible());
    auto* ok = about.findChild<QPushButton*>();
    ASSERT_NE(ok, nullptr);
    about.setResult(7);
    ok->click();
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), 0);
}

// One version, the build's, wherever the program shows it; every line of the
// About box fits its label.
TEST(AboutDialog, ShowsTheBuildsVersionLikeVersionDoes) {
    ProgramOptions o;
    QString error;
    ASSERT_TRUE(parse({"--version"}, o, error));
    EXPECT_TRUE(o.version);
    EXPECT_EQ(versionLine(), QStringLiteral("skyledger " SKYLEDGER_PROJECT_VERSION));

    AboutDialog about(nullptr);
    QStringList texts;
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        texts << label->text();
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()),
                  label->contentsRect().width())
            << label->text().toStdString();
    }
    EXPECT_TRUE(texts.contains(QStringLiteral("Skyledger " SKYLEDGER_PROJECT_VERSION)))
        << texts.join('|').toStdString();
}

} // namespace
} // namespace skyledger
