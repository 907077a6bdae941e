// The chart from the main window: its menu item with the request dialog, and
// the scripted screenshot and PDF of the command line.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>

#include "almanac/almanac_session.h"
#include "app/desktop_run.h"
#include "app/main_window.h"
#include "app/multiday_dialog.h"
#include "app/program_options.h"
#include "app/scripted_run.h"
#include "chart_test_support.h"
#include "reports/chart_print.h"
#include "reports/chart_window.h"

namespace skyledger {
namespace {

class ChartMenuTest : public ::testing::Test {
  protected:
    std::unique_ptr<AppState> state = greenwichState();
    AlmanacSession session{*state};
    ShownErrors errors;
    std::unique_ptr<MainWindow> window;

    void SetUp() override {
        state->currentDate = CivilDate{2024, 2, 20};
        window = std::make_unique<MainWindow>(session, testMetrics(), errors.sink());
    }

    // Chooses the menu item; once the modal dialog runs, `answer` fills it in.
    void request(const std::function<void(MultiDayDialog&)>& answer) {
        QTimer::singleShot(0, window.get(), [&] {
            auto* dialog = window->findChild<MultiDayDialog*>();
            ASSERT_NE(dialog, nullptr);
            answer(*dialog);
            // Whatever the answer, the modal dialog must not wait for a click.
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the request dialog stayed open";
                dialog->reject();
            }
        });
        QAction* item = window->menuAction(QStringLiteral("Multi-day Chart..."));
        ASSERT_NE(item, nullptr);
        ASSERT_TRUE(item->isEnabled());
        item->trigger();
    }

    static void ask(MultiDayDialog& dialog, const char* days) {
        dialog.daysField()->setText(QString::fromLatin1(days));
        dialog.okButton()->click();
    }
};

TEST_F(ChartMenuTest, TheRequestOpensOneChartWindowAndACancelKeepsIt) {
    request([](MultiDayDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Multiday Chart"));
        EXPECT_EQ(d.startDate().day, 20);
        ask(d, "30");
    });
    QPointer<ChartWindow> first = window->reportWindow<ChartWindow>();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->windowTitle(), QStringLiteral("Multi-day Chart"));
    ASSERT_NE(first->scrollBar(), nullptr);
    EXPECT_EQ(first->scrollBar()->maximum(), 9);
    first->scrollBar()->setValue(4);

    request([](MultiDayDialog& d) { d.cancelButton()->click(); });
    EXPECT_EQ(window->reportWindow<ChartWindow>(), first.data());
    EXPECT_EQ(first->topRow(), 4);

    request([](MultiDayDialog& d) {
        ask(d, "400"); // refused: the dialog stays open
        EXPECT_TRUE(d.isVisible());
        d.cancelButton()->click();
    });
    ASSERT_EQ(errors.messages.size(), 1u);
    EXPECT_EQ(errors.messages[0], "Number of days out of range (1..366)");

    request([](MultiDayDialog& d) { ask(d, "10"); });
    EXPECT_TRUE(first.isNull());
    ASSERT_NE(window->reportWindow<ChartWindow>(), nullptr);
    EXPECT_EQ(window->reportWindow<ChartWindow>()->topRow(), 0);
    EXPECT_EQ(window->reportWindow<ChartWindow>()->visibleRows(), 10);
    EXPECT_EQ(window->reportWindow<ChartWindow>()->scrollBar(), nullptr);
}

// Counts the paint events a widget receives.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// Every time of the chart fits its column, on screen and on paper.
void expectTimesFit(const ChartTable& chart, bool twelveHour, const ChartLayout& layout,
                    const TextMeasure& width, const char* where) {
    for (const ChartRow& row : chart.rows)
        for (const std::string& time : chartRowTexts(row, twelveHour).time)
            EXPECT_LE(width(time), layout.timeWidth) << where << ": " << time;
}

TEST_F(ChartMenuTest, AClockChangeLaysTheOpenChartOutAgainSoEveryTimeFits) {
    window->show();
    request([](MultiDayDialog& d) { ask(d, "5"); });
    ChartWindow* chart = window->reportWindow<ChartWindow>();
    ASSERT_NE(chart, nullptr);
    QApplication::processEvents();
    PaintCounter counter;
    chart->installEventFilter(&counter);
    const TextMeasure onScreen = [](std::string_view text) {
        return testMetrics().textWidth(text);
    };
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const PrintFonts fonts = makePrintFonts(printer);
    const PageMargins margins = pageMargins(printerGeometry(printer));
    const TextMeasure onPaper = [&](std::string_view text) {
        return textWidth(fonts.body, text, &printer);
    };
    for (const bool twelveHour : {true, false}) {
        session.setTwelveHourClock(twelveHour); // the "12" and "24" buttons
        QApplication::processEvents();
        EXPECT_GT(counter.paints, 0);
        counter.paints = 0;
        expectTimesFit(state->chart, twelveHour, chart->chartLayout(), onScreen, "screen");
        EXPECT_EQ(chart->width(), chart->chartLayout().tableRight);
        expectTimesFit(state->chart, twelveHour,
                       printChartLayout(fonts, margins, twelveHour, printer), onPaper, "paper");
    }
    chart->removeEventFilter(&counter);
}

TEST_F(ChartMenuTest, ScriptedScreenshotAndPdf) {
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("chart.png"));
    const QString pdf = dir.filePath(QStringLiteral("chart.pdf"));
    const Result<ProgramOptions, QString> parsed =
        parseProgramOptions({"--date", "2024-03-01", "--days", "40", "--screenshot-window", "chart",
                             png, "--pdf", "chart", pdf});
    ASSERT_TRUE(parsed.ok()) << parsed.error().toStdString();
    const ProgramOptions& options = parsed.value();
    ASSERT_TRUE(applyStartOptions(*state, options).ok());
    const std::optional<ScriptedEnd> end = runProgramOptions(*window, options);
    ASSERT_TRUE(end.has_value());
    EXPECT_EQ(end->status, 0) << end->message.toStdString();

    ChartWindow* chart = window->reportWindow<ChartWindow>();
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(QImage(png).size(), chart->size());
    EXPECT_EQ(chart->scrollBar()->maximum(), 40 - 21);

    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(20000));
    const QString all = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(all.contains(QStringLiteral("01-Mar-24")));
    EXPECT_TRUE(all.contains(QStringLiteral("09-Apr-24")));
    EXPECT_FALSE(all.contains(QStringLiteral("10-Apr-24")));
}

} // namespace
} // namespace skyledger
