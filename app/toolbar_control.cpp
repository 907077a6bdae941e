// The toolbar control: painting, hover, the tip and clicks.
#include "app/toolbar_control.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <utility>

#include "gui/colours.h"
#include "gui/qt_text.h"

namespace skyledger {

namespace {

// The pitch of the grid is the image plus its bevel and a ground margin.
int pitchOf(int buttonSize) {
    return buttonSize + 5;
}

} // namespace

// A small white box with a black border and the label centred on one line.
class ToolbarTip : public QWidget {
  public:
    ToolbarTip(const QString& text, const QFont& font, QWidget* owner)
        : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput),
          label(text) {
        setFont(font);
        setAttribute(Qt::WA_ShowWithoutActivating);
    }
    [[nodiscard]] const QString& text() const { return label; }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.setPen(Qt::black);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        p.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, label);
    }

  private:
    QString label;
};

ToolbarControl::ToolbarControl(int controlId, Mode mode, int buttonSize, int columns, int rows,
                               std::vector<QIcon> images, QStringList labels,
                               const LayoutMetrics& metrics, QWidget* parent, QWidget* tipArea)
    : QWidget(parent), id(controlId), mode(mode), imageSize(buttonSize), columnCount(columns),
      rowCount(rows), images(std::move(images)), labels(std::move(labels)), metrics(metrics),
      tipArea(tipArea), states(static_cast<size_t>(columns * rows), 0),
      unavailable(static_cast<size_t>(columns * rows), false) {
    setFixedSize(columns * pitchOf(imageSize) + 2, rows * pitchOf(imageSize) + 2);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, LIGHT_GREY);
    setPalette(pal);
    setAutoFillBackground(true);
    tipTimer.setSingleShot(true);
    // A tip never shows early: a coarse timer may fire up to 5% before time.
    tipTimer.setTimerType(Qt::PreciseTimer);
    tipTimer.setInterval(DEFAULT_TIP_DELAY_MS);
    connect(&tipTimer, &QTimer::timeout, this, &ToolbarControl::showTip);
    if (mode == Mode::Radio && !states.empty()) states[0] = 1;
}

ToolbarControl::~ToolbarControl() {
    removeTip();
}

void ToolbarControl::selectToolbarButton(int index) {
    for (size_t i = 0; i < states.size(); ++i)
        states[i] = static_cast<int>(i) == index ? 1 : 0;
    update();
}

int ToolbarControl::toolbarButtonState(int index) const {
    if (index < 0 || index >= buttonCount()) return 0;
    return states[static_cast<size_t>(index)];
}

void ToolbarControl::setToolbarButtonState(int index, int state) {
    if (index < 0 || index >= buttonCount()) return;
    states[static_cast<size_t>(index)] = state;
    update();
}

void ToolbarControl::setButtonAvailable(int index, bool available) {
    if (index < 0 || index >= buttonCount()) return;
    unavailable[static_cast<size_t>(index)] = !available;
    update();
}

bool ToolbarControl::isButtonAvailable(int index) const {
    return index >= 0 && index < buttonCount() && !unavailable[static_cast<size_t>(index)];
}

void ToolbarControl::activateButton(int index) {
    if (!isButtonAvailable(index)) return;
    stopHover();
    keyboardButton = index;
    if (mode == Mode::Radio) {
        selectToolbarButton(index);
    } else {
        setToolbarButtonState(index, toolbarButtonState(index) ? 0 : 1);
    }
    emit clicked(id, index);
}

QPoint ToolbarControl::buttonOrigin(int index) const {
    const int column = index % columnCount;
    const int row = index / columnCount;
    return {2 + column * pitchOf(imageSize), 2 + row * pitchOf(imageSize)};
}

int ToolbarControl::cellAt(QPoint point) const {
    if (point.x() < 0 || point.y() < 0) return -1;
    const int column = point.x() / pitchOf(imageSize);
    const int row = point.y() / pitchOf(imageSize);
    if (column >= columnCount || row >= rowCount) return -1;
    return row * columnCount + column;
}

int ToolbarControl::buttonAt(QPoint point) const {
    const int index = cellAt(point);
    if (index < 0) return -1;
    const QPoint origin = buttonOrigin(index);
    const int dx = point.x() - origin.x();
    const int dy = point.y() - origin.y();
    return dx >= 0 && dx <= imageSize && dy >= 0 && dy <= imageSize ? index : -1;
}

QWidget* ToolbarControl::visibleTip() const {
    return tip && tip->isVisible() ? tip : nullptr;
}

void ToolbarControl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    for (int i = 0; i < buttonCount(); ++i) {
        const QPoint o = buttonOrigin(i);
        const int x = o.x();
        const int y = o.y();
        // The icon gives the image drawn for this screen's pixel density, so
        // that a dense screen shows the double-size image, not a blurred
        // enlargement.
        if (static_cast<size_t>(i) < images.size()) {
            const QIcon::Mode look = isButtonAvailable(i) ? QIcon::Normal : QIcon::Disabled;
            p.drawPixmap(QRect(x, y, imageSize, imageSize),
                         images[static_cast<size_t>(i)].pixmap(QSize(imageSize, imageSize),
                                                               devicePixelRatioF(), look));
        }
        const bool pressed = toolbarButtonState(i) != 0;
        const QColor topLeft = pressed ? Qt::black : Qt::white;
        const QColor bottomRight = pressed ? Qt::white : Qt::black;
        // Line by line as a pen that leaves out each line's last pixel: the
        // left and top lines own the bottom-left corner, the right and
        // bottom lines the top-right one.
        p.fillRect(x - 1, y - 1, 1, imageSize + 3, topLeft);
        p.fillRect(x - 1, y - 1, imageSize + 2, 1, topLeft);
        p.fillRect(x + imageSize + 1, y - 1, 1, imageSize + 2, bottomRight);
        p.fillRect(x, y + imageSize + 1, imageSize + 2, 1, bottomRight);
    }
    if (hasFocus()) {
        // A dotted frame along the image's own edge, where no letter reaches.
        const QPoint o = buttonOrigin(keyboardButton);
        QPen pen(Qt::black, 1, Qt::DotLine);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(o.x(), o.y(), imageSize - 1, imageSize - 1));
    }
}

void ToolbarControl::keyPressEvent(QKeyEvent* event) {
    const int column = keyboardButton % columnCount;
    const int row = keyboardButton / columnCount;
    int next = keyboardButton;
    switch (event->key()) {
    case Qt::Key_Left:
        if (column > 0) next = keyboardButton - 1;
        break;
    case Qt::Key_Right:
        if (column + 1 < columnCount) next = keyboardButton + 1;
        break;
    case Qt::Key_Up:
        if (row > 0) next = keyboardButton - columnCount;
        break;
    case Qt::Key_Down:
        if (row + 1 < rowCount) next = keyboardButton + columnCount;
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        activateButton(keyboardButton);
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (next != keyboardButton) {
        keyboardButton = next;
        update();
    }
}

void ToolbarControl::focusInEvent(QFocusEvent* event) {
    // Coming in with Tab, the mark starts on the pressed button, as in a
    // group of radio buttons; a click places it itself.
    const bool tabbed =
        event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    if (tabbed && mode == Mode::Radio) {
        for (int i = 0; i < buttonCount(); ++i) {
            if (toolbarButtonState(i) != 0) keyboardButton = i;
        }
    }
    update();
}

void ToolbarControl::focusOutEvent(QFocusEvent*) {
    update();
}

void ToolbarControl::mouseMoveEvent(QMouseEvent* event) {
    const int index =
        rect().contains(event->position().toPoint()) ? cellAt(event->position().toPoint()) : -1;
    if (index == hovered) return;
    if (index < 0) {
        stopHover();
        return;
    }
    hovered = index;
    removeTip();
    tipTimer.start();
}

void ToolbarControl::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    activateButton(buttonAt(event->position().toPoint()));
}

void ToolbarControl::leaveEvent(QEvent*) {
    stopHover();
}

void ToolbarControl::hideEvent(QHideEvent*) {
    stopHover();
}

void ToolbarControl::stopHover() {
    tipTimer.stop();
    removeTip();
    hovered = -1;
}

void ToolbarControl::showTip() {
    removeTip();
    if (hovered < 0 || hovered >= labels.size()) return;
    const QString& label = labels[hovered];
    const int cellX = (hovered % columnCount) * pitchOf(imageSize);
    const int cellY = (hovered / columnCount) * pitchOf(imageSize);
    const int width = metrics.textWidth(toWindows1252(label)) + 2 * metrics.gap;
    QRect box(mapToGlobal(QPoint(cellX + metrics.gap, cellY + imageSize + 6)),
              QSize(width, metrics.buttonHeight));
    // Keep the tip inside the main window's client area: shift it left or up
    // so that it ends at that area's edge.
    const QWidget* area = tipArea ? tipArea.data() : window();
    const QRect bounds(area->mapToGlobal(QPoint(0, 0)), area->size());
    if (box.right() > bounds.right()) box.moveRight(bounds.right());
    if (box.bottom() > bounds.bottom()) box.moveBottom(bounds.bottom());
    tip = new ToolbarTip(label, metrics.uiFont, this);
    tip->setGeometry(box);
    tip->show();
}

void ToolbarControl::removeTip() {
    if (!tip) return;
    delete tip;
    tip = nullptr;
}

} // namespace skyledger
