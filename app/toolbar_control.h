// A small grid of bitmap buttons with a one-pixel 3D bevel: the main window's
// time-basis, clock and bearings selectors. Exactly one button is pressed, as
// in a group of radio buttons.
// Resting the pointer on a button for a second shows its label in a tip just
// below it. From the keyboard the control takes focus with Tab, the arrow
// keys move a dotted focus mark from button to button and Space or Enter
// clicks the marked one.
#pragma once

#include <QIcon>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "gui/layout_metrics.h"

namespace skyledger {

class ToolbarTip;

class ToolbarControl : public QWidget {
    Q_OBJECT

  public:
    // The rest before a tip shows.
    static constexpr int DEFAULT_TIP_DELAY_MS = 1000;

    // `images` and `labels` hold one entry per button in row-major order
    // (index = row x columns + column); the images are buttonSize pixels
    // square, each icon holding that size and, for dense screens, twice it. `tipArea` is the widget
    // whose rectangle a tip must stay inside (the main window's client area); the toolbar's own
    // window when null.
    ToolbarControl(int buttonSize, int columns, int rows, std::vector<QIcon> images,
                   QStringList labels, const LayoutMetrics& metrics, QWidget* parent,
                   QWidget* tipArea = nullptr);
    ~ToolbarControl() override;

    [[nodiscard]] int buttonCount() const { return columnCount_ * rowCount_; }

    // Presses button `index` and raises every other; an index outside the
    // grid raises them all.
    void selectToolbarButton(int index);
    // True for the pressed button; false for a raised one and for an index
    // outside the grid.
    [[nodiscard]] bool isButtonPressed(int index) const { return index >= 0 && index == pressed_; }

    // What a click on button `index` does: removes the tip, presses the
    // button, then emits clicked(). A button made unavailable does nothing.
    void activateButton(int index);

    // Makes button `index` available or not; an unavailable one is drawn
    // greyed and ignores clicks and keys. All are available at first.
    void setButtonAvailable(int index, bool available);
    [[nodiscard]] bool isButtonAvailable(int index) const;

    // The top-left corner of button `index`'s image, in toolbar pixels.
    [[nodiscard]] QPoint buttonOrigin(int index) const;
    // The button whose image square (edges included) holds `point`, or -1.
    [[nodiscard]] int buttonAt(QPoint point) const;

    // The rest before a tip shows; tests shorten it.
    void setTipDelay(int milliseconds) { tipTimer_.setInterval(milliseconds); }
    // The tip on show, or null.
    [[nodiscard]] QWidget* visibleTip() const;

    // The button the keyboard works on: the one the focus mark is drawn on
    // while the control has focus.
    [[nodiscard]] int focusedButton() const { return keyboardButton_; }

  signals:
    // Every click on a button, also on the one already pressed.
    void clicked(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    int cellAt(QPoint point) const;
    void showTip();
    void removeTip();
    void stopHover();

    int imageSize_;
    int columnCount_;
    int rowCount_;
    std::vector<QIcon> images_;
    QStringList labels_;
    const LayoutMetrics& metrics_;
    QPointer<QWidget> tipArea_;
    int pressed_ = 0; // the pressed button; -1 when none is
    int hovered_ = -1;
    int keyboardButton_ = 0;
    QTimer tipTimer_;
    ToolbarTip* tip_ = nullptr;
    std::vector<bool> unavailable_;
};

} // namespace skyledger
