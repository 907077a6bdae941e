// The main window: layout, the boxes and toolbars, the menus and painting.
#include "app/main_window.h"

#include <QAction>
#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QSignalBlocker>
#include <algorithm>

#include "almanac/day_almanac.h"
#include "almanac/day_details_text.h"
#include "almanac/display_format.h"
#include "almanac/local_time.h"
#include "app/about_dialog.h"
#include "app/drop_down_list.h"
#include "app/help_window.h"
#include "app/location_dialog.h"
#include "app/multiday_dialog.h"
#include "app/toolbar_control.h"
#include "gui/colours.h"
#include "gui/date_boxes.h"
#include "gui/moon_disc.h"
#include "gui/desktop_messages.h"
#include "gui/qt_text.h"
#include "reports/calendar_window.h"
#include "reports/chart_window.h"
#include "reports/details_window.h"
#include "reports/track_window.h"
#include "support/format_text.h"

namespace skyledger {

namespace {

// The toolbar images are 17 pixels square.
constexpr int TOOLBAR_BUTTON_SIZE = 17;

// Each image at its own size and at twice it for dense screens; the toolbar
// asks the icon for the one its screen needs.
QIcon toolbarImage(const char* name) {
    QIcon icon;
    icon.addFile(QStringLiteral(":/images/%1.xpm").arg(QLatin1String(name)));
    icon.addFile(QStringLiteral(":/images/%1@2x.xpm").arg(QLatin1String(name)));
    return icon;
}

// The client area paints what the main window draws itself.
class ClientArea : public QWidget {
  public:
    explicit ClientArea(const MainWindow& owner) : QWidget(nullptr), owner_(owner) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        owner_.paintClientArea(painter);
    }

  private:
    const MainWindow& owner_;
};

// Right-aligned text. The headings sit at the top of their box, which
// reaches into the rows below; a row's label and its fields share one
// vertical centre so that their texts stand on one line.
QLabel* staticText(QWidget* parent, const QString& text, const QRect& box, Qt::Alignment vertical) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(box);
    label->setAlignment(Qt::AlignRight | vertical);
    return label;
}

} // namespace

MainWindowLayout mainWindowLayout(const LayoutMetrics& m, const int toolbarWidths[3]) {
    const int G = m.gap;
    const int B = m.buttonHeight;
    const int L = m.lineHeight;
    const int V = m.scrollBarWidth;
    MainWindowLayout out;

    int widestMonth = 0;
    for (int32_t month = 1; month <= 12; ++month) {
        widestMonth = std::max(widestMonth, m.textWidth(monthAbbreviation(month)));
    }
    out.dayBox = QRect(G, G, m.textWidth("99") + V + 2 * G, B);
    out.monthBox = QRect(out.dayBox.x() + out.dayBox.width(), G, widestMonth + V + 2 * G, B);
    out.yearBox =
        QRect(out.monthBox.x() + out.monthBox.width(), G, m.textWidth("2000") + V + 2 * G, B);
    int x = out.yearBox.x() + out.yearBox.width() + G;
    out.timeBasisToolbar = QPoint(x, G);
    x += toolbarWidths[0] + G;
    out.clockToolbar = QPoint(x, G);
    x += toolbarWidths[1] + G;
    out.bearingsToolbar = QPoint(x, G);
    const int rowRight = x + toolbarWidths[2] + G;

    out.separatorY = 2 * B + 3 * G;
    const int T = out.separatorY + G + 2;
    out.resultsTop = T;
    int* c = out.columns;
    c[0] = std::max(m.textWidth("Sun"), m.textWidth("Moon")) + 2 * G;
    c[1] = c[0] + m.textWidth("99:99AM") + G;
    c[2] = c[1] + m.textWidth("999~") + 3 * G;
    c[3] = c[2] + m.textWidth("99:99AM") + G;
    c[4] = c[3] + m.textWidth("999~") + 3 * G;
    const int D = L + 2 * B + G;
    out.discBox = QRect(c[4], T, D, D);

    const int W = std::max(rowRight, c[4] + D + G);
    out.clientSize = QSize(W, T + D + G);
    out.locationBox = QRect(G, B + 2 * G, W - 2 * G, B);

    out.riseHeading = QRect(c[0], T, c[1] - c[0], B);
    out.setHeading = QRect(c[2], T, c[3] - c[2], B);
    const int rowY[2] = {T + L, T + L + B + G};
    out.sunLabel = QRect(G, rowY[0], c[0] - 2 * G, B);
    out.moonLabel = QRect(G, rowY[1], c[0] - 2 * G, B);
    for (int row = 0; row < 2; ++row) {
        const int y = rowY[row];
        out.fields[static_cast<size_t>(row * 4 + 0)] = QRect(c[0], y, c[1] - c[0], B);
        out.fields[static_cast<size_t>(row * 4 + 1)] = QRect(c[1], y, c[2] - 2 * G - c[1], B);
        out.fields[static_cast<size_t>(row * 4 + 2)] = QRect(c[2], y, c[3] - c[2], B);
        out.fields[static_cast<size_t>(row * 4 + 3)] = QRect(c[3], y, c[4] - 2 * G - c[3], B);
    }
    return out;
}

MainWindow::MainWindow(AlmanacSession& session, const LayoutMetrics& metrics, MessageSink messages,
                       QWidget* parent)
    : QMainWindow(parent), session_(session), state_(session.state()), metrics_(metrics),
      messages_(std::move(messages)) {
    setWindowTitle(QStringLiteral("Skyledger"));
    buildMenus();
    buildControls();
    subscription_ = session_.subscribe(*this);
    session_.recompute();
}

MainWindow::~MainWindow() {
    if (help_) help_->close();
}

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("Multi-&day Chart..."), this, &MainWindow::openMultiDayChart);
    file->addAction(QStringLiteral("&Alt/Az Table..."), this, &MainWindow::openReport<TrackWindow>);
    file->addAction(QStringLiteral("Da&y Details..."), this, &MainWindow::openReport<DetailsWindow>);
    file->addAction(QStringLiteral("&Moon Calendar..."), this,
                    &MainWindow::openReport<MoonCalendarWindow>);
    file->addAction(QStringLiteral("&Location..."), this, &MainWindow::openLocationDialog);
    file->addSeparator();
    QAction* quit = file->addAction(QStringLiteral("&Quit"), this, &QWidget::close);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* helpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    QAction* contents =
        helpMenu->addAction(QStringLiteral("Contents"), this, &MainWindow::openHelp);
    contents->setShortcut(QKeySequence(Qt::Key_F1));
    helpMenu->addAction(QStringLiteral("&About Skyledger"), this, &MainWindow::openAbout);
}

void MainWindow::buildControls() {
    buildClientArea();
    buildToolbars();
    buildBoxes();
    buildResultFields();
    // Tab walks the controls as they read: the date, the three toolbars,
    // then the place. The window opens with the keyboard on the day.
    QWidget* order[] = {dayCombo_, monthCombo_,  yearCombo_,    timeBasisBar_,
                        clockBar_, bearingsBar_, locationCombo_};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
    dayCombo_->setFocus();

    client_->setFixedSize(geometry_.clientSize);
    // The window cannot be resized: its client area keeps the layout's size.
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindow::buildClientArea() {
    client_ = new ClientArea(*this);
    client_->setFont(metrics_.uiFont);
    QPalette pal = client_->palette();
    pal.setColor(QPalette::Window, LIGHT_GREY);
    pal.setColor(QPalette::WindowText, Qt::black);
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    client_->setPalette(pal);
    client_->setAutoFillBackground(true);
    setCentralWidget(client_);
}

// The three toolbars; their widths complete the window's geometry.
void MainWindow::buildToolbars() {
    timeBasisBar_ = new ToolbarControl(
        TOOLBAR_BUTTON_SIZE, 4, 1,
        {toolbarImage("button_st"), toolbarImage("button_dst"), toolbarImage("button_ut"),
         toolbarImage("button_lt")},
        {QStringLiteral("Standard Time"), QStringLiteral("Daylight Savings Time"),
         QStringLiteral("Universal Time"), QStringLiteral("Local Time")},
        metrics_, client_, client_);
    clockBar_ = new ToolbarControl(
        TOOLBAR_BUTTON_SIZE, 2, 1, {toolbarImage("button_12hr"), toolbarImage("button_24hr")},
        {QStringLiteral("12-hour clock"), QStringLiteral("24-hour clock")}, metrics_, client_,
        client_);
    bearingsBar_ = new ToolbarControl(
        TOOLBAR_BUTTON_SIZE, 2, 1, {toolbarImage("button_magnetic"), toolbarImage("button_true")},
        {QStringLiteral("Magnetic bearings"), QStringLiteral("True bearings")}, metrics_, client_,
        client_);
    const int widths[3] = {timeBasisBar_->width(), clockBar_->width(), bearingsBar_->width()};
    geometry_ = mainWindowLayout(metrics_, widths);
    timeBasisBar_->move(geometry_.timeBasisToolbar);
    clockBar_->move(geometry_.clockToolbar);
    bearingsBar_->move(geometry_.bearingsToolbar);
    for (const Toolbar which : {Toolbar::TimeBasis, Toolbar::Clock, Toolbar::Bearings}) {
        connect(toolbar(which), &ToolbarControl::clicked, this,
                [this, which](int index) { toolbarClicked(which, index); });
    }
    selectToolbarButtons();
}

// The day, month, year and location boxes, filled from the state.
void MainWindow::buildBoxes() {
    QStyle* boxStyle = dropDownListStyle(metrics_.scrollBarWidth, this);
    auto makeBox = [this, boxStyle](const QRect& box) {
        auto* combo = new QComboBox(client_);
        makeDropDownList(*combo, boxStyle);
        combo->setGeometry(box);
        return combo;
    };
    dayCombo_ = makeBox(geometry_.dayBox);
    monthCombo_ = makeBox(geometry_.monthBox);
    yearCombo_ = makeBox(geometry_.yearBox);
    locationCombo_ = makeBox(geometry_.locationBox);
    fillMonthBox(*monthCombo_);
    fillYearBox(*yearCombo_);
    fillDayBox();
    monthCombo_->setCurrentIndex(state_.currentDate.month - 1);
    // A clock year the box does not offer leaves it without a selection; the
    // clock's year is used until the user picks one.
    const int32_t year = state_.currentDate.year;
    yearCombo_->setCurrentIndex(year >= FIRST_YEAR && year <= LAST_YEAR ? year - FIRST_YEAR : -1);
    fillLocationBox();
    connect(yearCombo_, &QComboBox::currentIndexChanged, this, &MainWindow::yearChosen);
    connect(monthCombo_, &QComboBox::currentIndexChanged, this, &MainWindow::monthChosen);
    connect(dayCombo_, &QComboBox::currentIndexChanged, this, &MainWindow::dayChosen);
    connect(locationCombo_, &QComboBox::currentIndexChanged, this, &MainWindow::locationChosen);
}

// The headings, the row labels and the eight value fields.
void MainWindow::buildResultFields() {
    staticText(client_, QStringLiteral("Rise"), geometry_.riseHeading, Qt::AlignTop);
    staticText(client_, QStringLiteral("Set"), geometry_.setHeading, Qt::AlignTop);
    staticText(client_, QStringLiteral("Sun"), geometry_.sunLabel, Qt::AlignVCenter);
    staticText(client_, QStringLiteral("Moon"), geometry_.moonLabel, Qt::AlignVCenter);
    for (size_t i = 0; i < fields_.size(); ++i) {
        QLabel* field = staticText(client_, QString(), geometry_.fields[i], Qt::AlignVCenter);
        // The classic sunken client edge: two pixels, grey and black above
        // and left, white and light grey below and right.
        field->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
        // The field is one pixel wider than "99:99AM" inside its edge: a
        // framed label's default indent (half an 'x') would cut off the
        // first digit of a 12-hour time.
        field->setIndent(0);
        fields_[i] = field;
    }
}

void MainWindow::fillDayBox() {
    const CivilDate& date = state_.currentDate;
    skyledger::fillDayBox(*dayCombo_, date.day, date.month, date.year);
}

void MainWindow::fillLocationBox() {
    const QSignalBlocker quiet(locationCombo_);
    locationCombo_->clear();
    if (!state_.locations.present) return;
    // All at once: one insertion into the box's model, not one per place.
    QStringList names;
    names.reserve(state_.locations.count());
    for (const Location& place : state_.locations.records)
        names << toQString(place.name);
    locationCombo_->addItems(names);
    locationCombo_->setCurrentIndex(state_.locations.current);
}

void MainWindow::selectToolbarButtons() {
    const Location* place = state_.locations.currentLocation();
    timeBasisBar_->setButtonAvailable(static_cast<int>(TimeBasis::Local),
                                     place && hasKnownZone(*place));
    timeBasisBar_->selectToolbarButton(static_cast<int>(state_.preferences.timeBasis));
    clockBar_->selectToolbarButton(state_.preferences.twelveHourClock ? 0 : 1);
    bearingsBar_->selectToolbarButton(state_.preferences.magneticBearings ? 0 : 1);
}

void MainWindow::yearChosen(int index) {
    if (index < 0) return;
    // The session clamps the day to the new month's length.
    session_.setYear(FIRST_YEAR + index);
    fillDayBox();
}

void MainWindow::monthChosen(int index) {
    if (index < 0) return;
    session_.setMonth(index + 1);
    fillDayBox();
}

void MainWindow::dayChosen(int index) {
    if (index < 0) return;
    session_.setDay(index + 1);
}

void MainWindow::locationChosen(int index) {
    if (index < 0) return;
    session_.setCurrentLocation(index);
}

void MainWindow::toolbarClicked(Toolbar which, int index) {
    switch (which) {
    case Toolbar::TimeBasis:
        session_.setTimeBasis(static_cast<TimeBasis>(index));
        break;
    case Toolbar::Clock:
        session_.setTwelveHourClock(index == 0);
        break;
    case Toolbar::Bearings:
        session_.setMagneticBearings(index == 0);
        break;
    }
    selectToolbarButtons();
    update();
}

ToolbarControl* MainWindow::toolbar(Toolbar which) const {
    switch (which) {
    case Toolbar::TimeBasis:
        return timeBasisBar_;
    case Toolbar::Clock:
        return clockBar_;
    case Toolbar::Bearings:
        return bearingsBar_;
    }
    return nullptr;
}

HelpWindow* MainWindow::helpWindow() const {
    return help_;
}

QLabel* MainWindow::resultField(ResultField field) const {
    return fields_[static_cast<size_t>(field)];
}

QAction* MainWindow::menuAction(const QString& text) const {
    for (QAction* menu : menuBar()->actions()) {
        if (!menu->menu()) continue;
        for (QAction* action : menu->menu()->actions()) {
            if (QString(action->text()).remove(QLatin1Char('&')) == text) return action;
        }
    }
    return nullptr;
}

void MainWindow::paintClientArea(QPainter& p) const {
    const int width = geometry_.clientSize.width();
    // The etched separator.
    const int S = geometry_.separatorY;
    p.fillRect(0, S, width, 1, Qt::black);
    p.fillRect(0, S + 1, width, 1, Qt::white);

    // The disc box's sunken frame: black along the left and top, white along
    // the right and bottom.
    const QRect& box = geometry_.discBox;
    const int left = box.x();
    const int top = box.y();
    const int right = box.x() + box.width();
    const int bottom = box.y() + box.height();
    p.fillRect(left, top, 1, bottom - top + 1, Qt::black);
    p.fillRect(left, top, right - left, 1, Qt::black);
    p.fillRect(right, top, 1, bottom - top, Qt::white);
    p.fillRect(left + 1, bottom, right - left, 1, Qt::white);

    // Without a computed day (no place, or a place refused) the box stays
    // empty rather than show a Moon that was never computed.
    if (!state_.day.computed) return;
    drawMoonDisc(p, PixelBox{left, top, right, bottom}, state_.day.moonPhaseAngle, 4,
                 state_.day.southernHemisphere);

    // The illuminated percentage, grey, centred on the disc.
    const int textBoxWidth = metrics_.textWidth("100%");
    const int centreX = (left + right) / 2;
    const int centreY = (top + bottom) / 2;
    const QRect textBox(centreX - textBoxWidth / 2, centreY - metrics_.lineHeight / 2, textBoxWidth,
                        metrics_.lineHeight);
    p.setFont(metrics_.uiFont);
    p.setPen(GREY);
    p.drawText(textBox, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine,
               toQString(formatText("%d%%", state_.day.illuminationPercent)));
}

void MainWindow::dayChanged() {
    const DayAlmanac& day = state_.day;
    const std::string* texts[8] = {
        &day.sunriseText,  &day.sunriseBearingText,  &day.sunsetText,  &day.sunsetBearingText,
        &day.moonriseText, &day.moonriseBearingText, &day.moonsetText, &day.moonsetBearingText};
    // Resting the pointer on an empty field says why it is empty.
    const std::array<std::string, 4> reasons =
        missingEventReasons(state_.details, state_.preferences.twelveHourClock);
    for (size_t i = 0; i < fields_.size(); ++i) {
        fields_[i]->setText(toQString(*texts[i]));
        fields_[i]->setToolTip(texts[i]->empty() ? toQString(reasons[i / 2]) : QString());
    }
    // Another place may have no zone: local time is then unavailable.
    selectToolbarButtons();
    client_->update(geometry_.discBox.adjusted(0, 0, 1, 1));
}

void MainWindow::showError(const std::string& message) {
    messages_(this, errorCaption(), toQString(message));
}

void MainWindow::openMultiDayChart() {
    MultiDayDialog request(
        metrics_, state_.currentDate,
        [this](CivilDate start, int32_t days) { return session_.prepareChart(start, days); }, this,
        messages_);
    if (request.exec() != QDialog::Accepted) return;
    openReport<ChartWindow>();
}

void MainWindow::openLocationDialog() {
    LocationDialog dialog(session_.editLocations(), metrics_, this);
    dialog.setMessageSink(messages_);
    dialog.exec();
    // Whatever the result: a Delete is applied at once, even under Cancel.
    session_.locationsEdited();
    fillLocationBox();
    if (saveSettingsNow_) saveSettingsNow_();
}

void MainWindow::openHelp() {
    if (!help_) help_ = new HelpWindow(metrics_, settingsPath_, this);
    help_->show();
    help_->raise();
}

void MainWindow::openAbout() {
    AboutDialog about(this);
    about.exec();
}

} // namespace skyledger
