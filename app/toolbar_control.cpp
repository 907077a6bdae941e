// The toolbar control: painting, hover, the tip and clicks.
#include "app/toolbar_control.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
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
          label_(text) {
        setFont(font);
        setAttribute(Qt::WA_ShowWithoutActivating);
    }
    [[nodiscard]] const QString& text() const { return label_; }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.setPen(Qt::black);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        p.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, label_);
    }

  private:
    QString label_;
};

ToolbarControl::ToolbarControl(int buttonSize, int columns, int rows, std::vector<QIcon> images,
                               QStringList labels, const LayoutMetrics& metrics, QWidget* parent,
                               QWidget* tipArea)
    : QWidget(parent), imageSize_(buttonSize), columnCount_(columns), rowCount_(rows),
      images_(std::move(images)), labels_(std::move(labels)), metrics_(metrics), tipArea_(tipArea),
      pressed_(columns * rows > 0 ? 0 : -1),
      unavailable_(static_cast<size_t>(std::max(columns * rows, 0)), false) {
    setFixedSize(columns * pitchOf(imageSize_) + 2, rows * pitchOf(imageSize_) + 2);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, LIGHT_GREY);
    setPalette(pal);
    setAutoFillBackground(true);
    tipTimer_.setSingleShot(true);
    // A tip never shows early: a coarse timer may fire up to 5% before time.
    tipTimer_.setTimerType(Qt::PreciseTimer);
    tipTimer_.setInterval(DEFAULT_TIP_DELAY_MS);
    connect(&tipTimer_, &QTimer::timeout, this, &ToolbarControl::showTip);
}

ToolbarControl::~ToolbarControl() {
    removeTip();
}

void ToolbarControl::selectToolbarButton(int index) {
    pressed_ = index >= 0 && index < buttonCount() ? index : -1;
    update();
}

void ToolbarControl::setButtonAvailable(int index, bool available) {
    if (index < 0 || index >= buttonCount()) return;
    unavailable_[static_cast<size_t>(index)] = !available;
    update();
}

bool ToolbarControl::isButtonAvailable(int index) const {
    return index >= 0 && index < buttonCount() && !unavailable_[static_cast<size_t>(index)];
}

void ToolbarControl::activateButton(int index) {
    if (!isButtonAvailable(index)) return;
    stopHover();
    keyboardButton_ = index;
    selectToolbarButton(index);
    emit clicked(index);
}

QPoint ToolbarControl::buttonOrigin(int index) const {
    const int column = index % columnCount_;
    const int row = index / columnCount_;
    return {2 + column * pitchOf(imageSize_), 2 + row * pitchOf(imageSize_)};
}

int ToolbarControl::cellAt(QPoint point) const {
    if (point.x() < 0 || point.y() < 0) return -1;
    const int column = point.x() / pitchOf(imageSize_);
    const int row = point.y() / pitchOf(imageSize_);
    if (column >= columnCount_ || row >= rowCount_) return -1;
    return row * columnCount_ + column;
}

int ToolbarControl::buttonAt(QPoint point) const {
    const int index = cellAt(point);
    if (index < 0) return -1;
    const QPoint origin = buttonOrigin(index);
    const int dx = point.x() - origin.x();
    const int dy = point.y() - origin.y();
    return dx >= 0 && dx <= imageSize_ && dy >= 0 && dy <= imageSize_ ? index : -1;
}

QWidget* ToolbarControl::visibleTip() const {
    return tip_ && tip_->isVisible() ? tip_ : nullptr;
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
        if (static_cast<size_t>(i) < images_.size()) {
            const QIcon::Mode look = isButtonAvailable(i) ? QIcon::Normal : QIcon::Disabled;
            p.drawPixmap(QRect(x, y, imageSize_, imageSize_),
                         images_[static_cast<size_t>(i)].pixmap(QSize(imageSize_, imageSize_),
                                                                devicePixelRatioF(), look));
        }
        const bool pressed = isButtonPressed(i);
        const QColor topLeft = pressed ? Qt::black : Qt::white;
        const QColor bottomRight = pressed ? Qt::white : Qt::black;
        // Line by line as a pen that leaves out each line's last pixel: the
        // left and top lines own the bottom-left corner, the right and
        // bottom lines the top-right one.
        p.fillRect(x - 1, y - 1, 1, imageSize_ + 3, topLeft);
        p.fillRect(x - 1, y - 1, imageSize_ + 2, 1, topLeft);
        p.fillRect(x + imageSize_ + 1, y - 1, 1, imageSize_ + 2, bottomRight);
        p.fillRect(x, y + imageSize_ + 1, imageSize_ + 2, 1, bottomRight);
    }
    if (hasFocus()) {
        // A dotted frame along the image's own edge, where no letter reaches.
        const QPoint o = buttonOrigin(keyboardButton_);
        QPen pen(Qt::black, 1, Qt::DotLine);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(o.x(), o.y(), imageSize_ - 1, imageSize_ - 1));
    }
}

void ToolbarControl::keyPressEvent(QKeyEvent* event) {
    const int column = keyboardButton_ % columnCount_;
    const int row = keyboardButton_ / columnCount_;
    int next = keyboardButton_;
    switch (event->key()) {
    case Qt::Key_Left:
        if (column > 0) next = keyboardButton_ - 1;
        break;
    case Qt::Key_Right:
        if (column + 1 < columnCount_) next = keyboardButton_ + 1;
        break;
    case Qt::Key_Up:
        if (row > 0) next = keyboardButton_ - columnCount_;
        break;
    case Qt::Key_Down:
        if (row + 1 < rowCount_) next = keyboardButton_ + columnCount_;
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        activateButton(keyboardButton_);
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (next != keyboardButton_) {
        keyboardButton_ = next;
        update();
    }
}

void ToolbarControl::focusInEvent(QFocusEvent* event) {
    // Coming in with Tab, the mark starts on the pressed button, as in a
    // group of radio buttons; a click places it itself.
    const bool tabbed =
        event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    if (tabbed) {
        for (int i = 0; i < buttonCount(); ++i) {
            if (isButtonPressed(i)) keyboardButton_ = i;
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
    if (index == hovered_) return;
    if (index < 0) {
        stopHover();
        return;
    }
    hovered_ = index;
    removeTip();
    tipTimer_.start();
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
    tipTimer_.stop();
    removeTip();
    hovered_ = -1;
}

void ToolbarControl::showTip() {
    removeTip();
    if (hovered_ < 0 || hovered_ >= labels_.size()) return;
    const QString& label = labels_[hovered_];
    const int cellX = (hovered_ % columnCount_) * pitchOf(imageSize_);
    const int cellY = (hovered_ / columnCount_) * pitchOf(imageSize_);
    const int width = metrics_.textWidth(toWindows1252(label)) + 2 * metrics_.gap;
    QRect box(mapToGlobal(QPoint(cellX + metrics_.gap, cellY + imageSize_ + 6)),
              QSize(width, metrics_.buttonHeight));
    // Keep the tip inside the main window's client area: shift it left or up
    // so that it ends at that area's edge.
    const QWidget* area = tipArea_ ? tipArea_.data() : window();
    const QRect bounds(area->mapToGlobal(QPoint(0, 0)), area->size());
    if (box.right() > bounds.right()) box.moveRight(bounds.right());
    if (box.bottom() > bounds.bottom()) box.moveBottom(bounds.bottom());
    tip_ = new ToolbarTip(label, metrics_.uiFont, this);
    tip_->setGeometry(box);
    tip_->show();
}

void ToolbarControl::removeTip() {
    if (!tip_) return;
    delete tip_;
    tip_ = nullptr;
}

} // namespace skyledger
