// The "Alt/Az Table" window: the Sun's and the Moon's altitude and azimuth,
// and the Sun's shadow ratio, every quarter hour of the main window's date,
// as a table that scrolls by line or page. It paints the track table the
// application state holds; while the window is open the session recomputes
// it after every change in the main window and says so.
#pragma once

#include <string>

#include "reports/report_window.h"
#include "reports/track_layout.h"

class QPushButton;
class QScrollBar;

namespace skyledger {

class TrackWindow : public ReportWindow {
    Q_OBJECT

  public:
    // A report window that follows the track: the session computes it now
    // and after every change while the window lives. The first data line
    // shows 12:00.
    TrackWindow(const LayoutMetrics& metrics, AlmanacSession& session, QWidget* owner = nullptr);

    // The track was recomputed: paint it again where the user scrolled to.
    void trackChanged() override;

    [[nodiscard]] int topSample() const { return topSample_; }
    [[nodiscard]] int visibleLines() const { return visibleLines_; }
    [[nodiscard]] const TrackLayout& layout() const { return layout_; }
    // The top of the first data line, in client pixels.
    [[nodiscard]] int firstDataLineTop() const;

    QPushButton* printButton() const { return print_; }
    QScrollBar* scrollBar() const { return scrollBar_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    void applyLayout();
    void printTable();

    QPushButton* print_ = nullptr;
    QScrollBar* scrollBar_ = nullptr;
    TrackLayout layout_;
    bool layoutTwelveHour_ = false;
    std::string layoutNote_; // the offset note the Time column was laid out for
    int topSample_ = 0;
    int visibleLines_ = 0;
};

} // namespace skyledger
