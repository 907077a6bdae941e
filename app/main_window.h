// The main window "Skyledger": the date boxes, the three toolbars, the
// location box, the eight value fields of the day's rise and set times and
// bearings, and the Moon's disc with its illuminated percentage. It shows
// what the almanac computations leave in the application state and computes
// nothing itself.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QRect>
#include <array>
#include <string>

#include "almanac/almanac_session.h"
#include "almanac/almanac_view.h"
#include "gui/layout_metrics.h"
#include "gui/message_sink.h"

class QAction;
class QComboBox;
class QLabel;

namespace skyledger {

class ToolbarControl;
class HelpWindow;

// The eight value fields.
enum class ResultField {
    SunriseTime,
    SunriseBearing,
    SunsetTime,
    SunsetBearing,
    MoonriseTime,
    MoonriseBearing,
    MoonsetTime,
    MoonsetBearing,
};

// The three toolbars, left to right.
enum class Toolbar { TimeBasis, Clock, Bearings };

// The client-area geometry of the main window, in pixels, derived from the
// layout metrics when the window is created.
struct MainWindowLayout {
    QRect dayBox, monthBox, yearBox;
    QPoint timeBasisToolbar, clockToolbar, bearingsToolbar;
    QRect locationBox;
    int separatorY = 0;  // S: the etched line
    int resultsTop = 0;  // T: the headings' top
    int columns[5] = {}; // c1..c5
    QRect riseHeading, setHeading;
    QRect sunLabel, moonLabel;
    // Sun rise time, Sun rise bearing, Sun set time, Sun set bearing, then
    // the same four for the Moon.
    std::array<QRect, 8> fields;
    QRect discBox; // the square the Moon is drawn in
    QSize clientSize;
};

// `toolbarWidths` are the three toolbars' widths in pixels, left to right.
[[nodiscard]] MainWindowLayout mainWindowLayout(const LayoutMetrics& metrics,
                                                const int toolbarWidths[3]);

class MainWindow : public QMainWindow, public AlmanacView {
    Q_OBJECT

  public:
    // Listens to `session` and computes the day once. Shows every message
    // through `messages`.
    MainWindow(AlmanacSession& session, const LayoutMetrics& metrics,
               MessageSink messages = showMessageBox, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The windows of the File menu.
    // The chart request dialog; when it computed a chart, the chart window.
    void openMultiDayChart();
    void openLocationDialog();

    // A report window (ChartWindow, MoonCalendarWindow, TrackWindow ...) on
    // the session's state as it is now, shown in place of an open one of its
    // kind; the chart window shows the chart the session prepared last.
    template <typename Report> Report* openReport() {
        delete reportWindow<Report>();
        auto* window = new Report(metrics_, session_, this);
        window->setMessageSink(messages_);
        window->show();
        return window;
    }
    // The open report window of that kind, or null.
    template <typename Report> [[nodiscard]] Report* reportWindow() const {
        return findChild<Report*>(QString(), Qt::FindDirectChildrenOnly);
    }
    // The Help menu.
    void openHelp();
    void openAbout();

    // The settings file this run reads and writes, for the help to name.
    void setSettingsFile(const QString& path) { settingsPath_ = path; }
    // What saves the settings when the Location dialog closes (the same safe
    // save as at exit); none in windows made for tests.
    void setSettingsSaver(std::function<void()> saver) { saveSettingsNow_ = std::move(saver); }
    [[nodiscard]] const QString& settingsFile() const { return settingsPath_; }

    [[nodiscard]] AlmanacSession& almanacSession() const { return session_; }
    [[nodiscard]] const LayoutMetrics& layoutMetrics() const { return metrics_; }
    [[nodiscard]] const MainWindowLayout& layoutGeometry() const { return geometry_; }
    [[nodiscard]] QWidget* clientArea() const { return client_; }
    [[nodiscard]] QComboBox* dayBox() const { return dayCombo_; }
    [[nodiscard]] QComboBox* monthBox() const { return monthCombo_; }
    [[nodiscard]] QComboBox* yearBox() const { return yearCombo_; }
    [[nodiscard]] QComboBox* locationBox() const { return locationCombo_; }
    [[nodiscard]] ToolbarControl* toolbar(Toolbar which) const;
    [[nodiscard]] QLabel* resultField(ResultField field) const;
    [[nodiscard]] HelpWindow* helpWindow() const;
    // The File and Help menu actions, by their menu text without '&'.
    [[nodiscard]] QAction* menuAction(const QString& text) const;

    // Draws the client area's own painting (separator, disc box, disc and
    // percentage) from the state.
    void paintClientArea(QPainter& painter) const;

    // AlmanacView
    void dayChanged() override;
    void showError(const std::string& message) override;

  private:
    void buildMenus();
    void buildControls();
    void buildClientArea();
    void buildToolbars();
    void buildBoxes();
    void buildResultFields();
    void fillDayBox();
    void fillLocationBox();
    void selectToolbarButtons();
    void yearChosen(int index);
    void monthChosen(int index);
    void dayChosen(int index);
    void locationChosen(int index);
    void toolbarClicked(Toolbar which, int index);

    AlmanacSession& session_;
    const AppState& state_;
    const LayoutMetrics& metrics_;
    MessageSink messages_;
    MainWindowLayout geometry_;
    QWidget* client_ = nullptr;
    QComboBox* dayCombo_ = nullptr;
    QComboBox* monthCombo_ = nullptr;
    QComboBox* yearCombo_ = nullptr;
    QComboBox* locationCombo_ = nullptr;
    ToolbarControl* timeBasisBar_ = nullptr;
    ToolbarControl* clockBar_ = nullptr;
    ToolbarControl* bearingsBar_ = nullptr;
    std::array<QLabel*, 8> fields_{};
    QString settingsPath_;
    std::function<void()> saveSettingsNow_;
    QPointer<HelpWindow> help_;
    AlmanacSession::Subscription subscription_;
};

} // namespace skyledger
