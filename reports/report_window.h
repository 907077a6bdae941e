// What every report window (chart, Moon calendar, alt/az table) shares: its
// window kind and place beside the main window, its subscription to the
// session, its row of buttons starting with Cancel, Escape as Cancel,
// scrolling a table from the keyboard, and the print job its page goes to.
// A report window is one class derived from this one.
#pragma once

#include <QWidget>

#include "almanac/almanac_session.h"
#include "almanac/almanac_view.h"
#include "gui/message_sink.h"
#include "reports/print_job.h"

class QPushButton;
class QScrollBar;

namespace skyledger {

struct LayoutMetrics;

class ReportWindow : public QWidget, public AlmanacView {
    Q_OBJECT

  public:
    // Where "Print" sends the page: the print dialog unless replaced.
    void setPrintJob(PrintJob job) { printJob_ = std::move(job); }
    // Where the window's messages go: a modal message box unless replaced.
    void setMessageSink(MessageSink sink) { messages_ = std::move(sink); }

    [[nodiscard]] QPushButton* cancelButton() const { return cancel_; }

  protected:
    // A fixed-size window of its own titled `title`, owned by `owner` (the
    // main window) and deleted when closed, with a caption, a system menu, a
    // minimise box and a close box, and the Cancel button. It listens to
    // `session`, following `follows`, until it is destroyed.
    ReportWindow(const LayoutMetrics& metrics, AlmanacSession& session, QWidget* owner,
                 const QString& title, Follows follows);

    // The next button of the top row, G right of the last one: as wide as
    // its caption plus 2G, B high, G from the top. A click leaves the
    // keyboard where it was (with the table, which scrolls by keys); Tab
    // still reaches the button.
    QPushButton* addButton(const char* caption);

    // Up and Down move `bar` a line, Page Up and Page Down a page, Home and
    // End to the ends; none without a bar.
    void scrollWithKeys(QScrollBar* bar) { keyScrollBar_ = bar; }

    // Moves the window to `preferred` (screen coordinates) or as near as the
    // screen allows; call once the window has its size.
    void placeNear(QPoint preferred);

    // Hands the page routine to the print job.
    void print(const PageRoutine& pages);

    void keyPressEvent(QKeyEvent* event) override;

    const LayoutMetrics& metrics_;
    AlmanacSession& session_;
    MessageSink messages_ = showMessageBox;

  private:
    QPushButton* cancel_ = nullptr;
    QPushButton* lastButton_ = nullptr;
    QScrollBar* keyScrollBar_ = nullptr;
    PrintJob printJob_;
    AlmanacSession::Subscription subscription_;
};

} // namespace skyledger
