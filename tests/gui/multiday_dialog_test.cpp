// The multi-day request dialog, driven through its own controls.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "almanac/almanac_session.h"
#include "app/multiday_dialog.h"
#include "chart_test_support.h"
#include "tests/almanac_fixtures.h"

namespace skyledger {
namespace {

class MultiDayDialogTest : public ::testing::Test {
  protected:
    std::unique_ptr<AppState> state = greenwichState();
    AlmanacSession session{*state};
    ShownErrors errors;
    int preparations = 0;

    std::unique_ptr<MultiDayDialog> open(CivilDate start) {
        const ChartPreparer prepare = [this](CivilDate from, int32_t days) {
            ++preparations;
            return session.prepareChart(from, days);
        };
        auto dialog =
            std::make_unique<MultiDayDialog>(testMetrics(), start, prepare, nullptr, errors.sink());
        dialog->show();
        return dialog;
    }

    // Types `days` into the field (as pasted: the text is not filtered) and
    // presses OK.
    void confirm(MultiDayDialog& dialog, const QString& days) {
        dialog.daysField()->setText(days);
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    }
};

TEST_F(MultiDayDialogTest, ProposesTwentyOneEachTimeAndClampsTheDayToTheMonth) {
    {
        auto first = open(CivilDate{2024, 1, 31});
        EXPECT_EQ(first->daysField()->text(), QStringLiteral("21"));
        EXPECT_EQ(first->dayBox()->currentText(), QStringLiteral("31"));
        first->daysField()->setText(QStringLiteral("100"));
        first->monthBox()->setCurrentIndex(3); // April has 30 days
        EXPECT_EQ(first->dayBox()->count(), 30);
        EXPECT_EQ(first->dayBox()->currentText(), QStringLiteral("30"));
        EXPECT_EQ(first->startDate().day, 30);
        first->monthBox()->setCurrentIndex(1); // February of a leap year
        EXPECT_EQ(first->dayBox()->count(), 29);
        EXPECT_EQ(first->startDate().day, 29);
        first->yearBox()->setCurrentIndex(2023 - FIRST_YEAR);
        EXPECT_EQ(first->dayBox()->count(), 28);
        EXPECT_EQ(first->startDate().day, 28);
        EXPECT_EQ(first->yearBox()->itemText(0), QStringLiteral("1900"));
        EXPECT_EQ(first->yearBox()->itemText(first->yearBox()->count() - 1),
                  QStringLiteral("2100"));
        QTest::mouseClick(first->cancelButton(), Qt::LeftButton);
        EXPECT_EQ(first->result(), QDialog::Rejected);
    }
    auto second = open(CivilDate{2024, 1, 31});
    EXPECT_EQ(second->daysField()->text(), QStringLiteral("21"));
    EXPECT_EQ(preparations, 0);
}

TEST_F(MultiDayDialogTest, RefusesABadCountBeforeTheChartIsTouched) {
    fillMadeUpChart(*state, 5);
    auto dialog = open(CivilDate{2024, 6, 1});
    for (const char* text : {"", "abc", "1.5", " 7"}) {
        confirm(*dialog, QString::fromLatin1(text));
        ASSERT_EQ(errors.messages.size(), 1u) << text;
        EXPECT_EQ(errors.messages.back(), "Invalid number of days") << text;
        errors.messages.clear();
    }
    for (const char* text : {"0", "-3", "367", "99999999999"}) {
        dialog->cancelButton()->setFocus();
        confirm(*dialog, QString::fromLatin1(text));
        ASSERT_EQ(errors.messages.size(), 1u) << text;
        // Back in the dialog, typing replaces the refused number.
        EXPECT_EQ(dialog->focusWidget(), dialog->daysField()) << text;
        EXPECT_EQ(dialog->daysField()->selectedText(), QString::fromLatin1(text));
        const char* expected = std::string(text) == "99999999999"
                                   ? "Invalid number of days"
                                   : "Number of days out of range (1..366)";
        EXPECT_EQ(errors.messages.back(), expected) << text;
        errors.messages.clear();
    }
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(preparations, 0);
    EXPECT_EQ(state->chart.rowCount(), 5);
}

TEST_F(MultiDayDialogTest, FillsAYearOfRowsThroughLeapDays) {
    auto leapYear = open(CivilDate{2024, 1, 1});
    confirm(*leapYear, QStringLiteral("366"));
    EXPECT_EQ(leapYear->result(), QDialog::Accepted);
    EXPECT_FALSE(leapYear->isVisible());
    ASSERT_EQ(state->chart.rowCount(), 366);
    const CivilDate last = state->chart.rows[365].date;
    EXPECT_EQ(last.day, 31);
    EXPECT_EQ(last.month, 12);
    EXPECT_EQ(last.year, 2024);

    auto fromMarch = open(CivilDate{2024, 1, 1});
    fromMarch->yearBox()->setCurrentIndex(2023 - FIRST_YEAR);
    fromMarch->monthBox()->setCurrentIndex(2);
    confirm(*fromMarch, QStringLiteral("366"));
    EXPECT_EQ(fromMarch->result(), QDialog::Accepted);
    ASSERT_EQ(state->chart.rowCount(), 366);
    EXPECT_EQ(state->chart.rows[0].date.month, 3);
    EXPECT_EQ(state->chart.rows[0].date.year, 2023);
    const CivilDate end = state->chart.rows[365].date;
    EXPECT_EQ(end.day, 29);
    EXPECT_EQ(end.month, 2);
    EXPECT_EQ(end.year, 2024);
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(MultiDayDialogTest, ACountRunningPast2100IsRefusedWithTheCountsThatFit) {
    auto dialog = open(CivilDate{2100, 12, 25});
    confirm(*dialog, QStringLiteral("10"));
    ASSERT_EQ(errors.messages.size(), 1u);
    EXPECT_NE(errors.messages[0].find("(1..7)"), std::string::npos) << errors.messages[0];
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(preparations, 0);
    confirm(*dialog, QStringLiteral("7"));
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    ASSERT_EQ(state->chart.rowCount(), 7);
    EXPECT_EQ(state->chart.rows[6].date.year, 2100);
}

TEST_F(MultiDayDialogTest, WithoutPlacesNoChartIsOpenedAndTheUserIsToldWhy) {
    state->locations = LocationList{};
    auto noFile = open(CivilDate{2024, 1, 1});
    confirm(*noFile, QStringLiteral("10"));
    EXPECT_EQ(noFile->result(), QDialog::Rejected);
    EXPECT_EQ(state->chart.rowCount(), 0);
    errors.messages.clear();

    state->locations.present = true; // a list, but not one place in it
    RecordingView mainWindow;        // where the session's messages are shown
    const AlmanacSession::Subscription heard = session.subscribe(mainWindow);
    auto noPlace = open(CivilDate{2024, 1, 1});
    confirm(*noPlace, QStringLiteral("10"));
    EXPECT_FALSE(noPlace->isVisible());
    ASSERT_EQ(mainWindow.errors.size(), 1u);
    EXPECT_NE(mainWindow.errors[0].find("File > Location..."), std::string::npos)
        << mainWindow.errors[0];
}

} // namespace
} // namespace skyledger
