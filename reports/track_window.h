// The "Alt/Az Table" window: the Sun's and the Moon's altitude and azimuth,
// and the Sun's shadow ratio, every quarter hour of the main window's date,
// as a table that scrolls by line or page. It paints the track table the
// application state holds; while the window is open the session recomputes
// it after every change in the main window and says so.
#pragma once

#include <QWidget>
#include <string>

#include "almanac/almanac_view.h"
#include "reports/print_job.h"
#include "reports/track_layout.h"

class QPushButton;
class QScrollBar;

namespace skyledger {

class AlmanacSession;
struct LayoutMetrics;

class TrackWindow : public QWidget, public AlmanacView {
    Q_OBJECT

  public:
    // A window of its own, owned by `owner` (the main window); it deletes
    // itself when closed. Opening it has the session compute the track;
    // destroying it stops the recomputations, so an open table is destroyed
    // before another one is made. The first data line shows 12:00.
    TrackWindow(const LayoutMetrics& metrics, AlmanacSession& session, QWidget* owner = nullptr);
    ~TrackWindow() override;

    // The track was recomputed: paint it again where the user scrolled to.
    void trackChanged() override;
    // Nothing else the session reports concerns this window; the main window
    // shows the messages.
    void dayChanged() override {}
    void calendarChanged() override {}
    void showError(const std::string&) override {}

    // Where "Print" sends the page: the print dialog unless replaced.
    void setPrintJob(PrintJob job) { printJob_ = std::move(job); }

    [[nodiscard]] int topSample() const { return topSample_; }
    [[nodiscard]] int visibleLines() const { return visibleLines_; }
    [[nodiscard]] const TrackLayout& layout() const { return layout_; }
    // The top of the first data line, in client pixels.
    [[nodiscard]] int firstDataLineTop() const;

    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* printButton() const { return print_; }
    QScrollBar* scrollBar() const { return scrollBar_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void applyLayout();
    void print();

    const LayoutMetrics& metrics_;
    AlmanacSession& session_;
    QPushButton* cancel_ = nullptr;
    QPushButton* print_ = nullptr;
    QScrollBar* scrollBar_ = nullptr;
    PrintJob printJob_;
    TrackLayout layout_;
    bool layoutTwelveHour_ = false;
    std::string layoutNote_; // the offset note the Time column was laid out for
    int topSample_ = 0;
    int visibleLines_ = 0;
};

} // namespace skyledger
