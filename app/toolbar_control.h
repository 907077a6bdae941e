// A small grid of bitmap buttons with a one-pixel 3D bevel: the main window's
// time-basis, clock and bearings selectors. In radio mode exactly one button
// is pressed; in toggle mode each button is pressed or raised on its own.
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
    enum class Mode { Radio = 1, Toggle = 2 };

    // The rest before a tip shows.
    static constexpr int DEFAULT_TIP_DELAY_MS = 1000;

    // `images` and `labels` hold one entry per button in row-major order
    // (index = row x columns + column); the images are buttonSize pixels
    // square, each icon holding that size and, for dense screens, twice it. `tipArea` is the widget
    // whose rectangle a tip must stay inside (the main window's client area); the toolbar's own
    // window when null.
    ToolbarControl(int controlId, Mode mode, int buttonSize, int columns, int rows,
                   std::vector<QIcon> images, QStringList labels, const LayoutMetrics& metrics,
                   QWidget* parent, QWidget* tipArea = nullptr);
    ~ToolbarControl() override;

    [[nodiscard]] int controlId() const { return id; }
    [[nodiscard]] int buttonCount() const { return columnCount * rowCount; }

    // Presses button `index` and raises every other; an index outside the
    // grid raises them all.
    void selectToolbarButton(int index);
    // 1 pressed (selected), 0 raised; 0 for an index outside the grid.
    [[nodiscard]] int toolbarButtonState(int index) const;
    void setToolbarButtonState(int index, int state);

    // What a click on button `index` does: removes the tip, presses the
    // button (radio) or flips it (toggle), then emits clicked(). A button
    // made unavailable does nothing.
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
    void setTipDelay(int milliseconds) { tipTimer.setInterval(milliseconds); }
    // The tip on show, or null.
    [[nodiscard]] QWidget* visibleTip() const;

    // The button the keyboard works on: the one the focus mark is drawn on
    // while the control has focus.
    [[nodiscard]] int focusedButton() const { return keyboardButton; }

  signals:
    // Every click on a button, also on the one already pressed.
    void clicked(int controlId, int index);

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

    int id;
    Mode mode;
    int imageSize;
    int columnCount;
    int rowCount;
    std::vector<QIcon> images;
    QStringList labels;
    const LayoutMetrics& metrics;
    QPointer<QWidget> tipArea;
    std::vector<int> states;
    std::vector<bool> unavailable;
    int hovered = -1;
    int keyboardButton = 0;
    QTimer tipTimer;
    ToolbarTip* tip = nullptr;
};

} // namespace skyledger
