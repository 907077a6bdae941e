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
#include "gui/qt_text.h"
#include "reports/calendar_window.h"
#include "reports/chart_window.h"
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
    explicit ClientArea(const MainWindow& owner) : QWidget(nullptr), owner(owner) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        owner.paintClientArea(painter);
    }

  private:
    const MainWindow& owner;
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
    : QMainWindow(parent), session(session), state(session.state()), metrics(metrics),
      messages(std::move(messages)) {
    setWindowTitle(QStringLiteral("Skyledger"));
    buildMenus();
    buildControls();
    subscription = session.subscribe(*this);
    session.recompute();
}

MainWindow::~MainWindow() {
    if (help) help->close();
}

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("Multi-&day Chart..."), this, &MainWindow::openMultiDayChart);
    file->addAction(QStringLiteral("&Alt/Az Table..."), this, &MainWindow::openReport<TrackWindow>);
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
    QWidget* order[] = {dayCombo, monthCombo,  yearCombo,    timeBasisBar,
                        clockBar, bearingsBar, locationCombo};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
    dayCombo->setFocus();

    client->setFixedSize(geometry.clientSize);
    // The window cannot be resized: its client area keeps the layout's size.
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindow::buildClientArea() {
    client = new ClientArea(*this);
    client->setFont(metrics.uiFont);
    QPalette pal = client->palette();
    pal.setColor(QPalette::Window, LIGHT_GREY);
    pal.setColor(QPalette::WindowText, Qt::black);
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    client->setPalette(pal);
    client->setAutoFillBackground(true);
    setCentralWidget(client);
}

// The three toolbars; their widths complete the window's geometry.
void MainWindow::buildToolbars() {
    timeBasisBar = new ToolbarControl(
        TOOLBAR_BUTTON_SIZE, 4, 1,
        {toolbarImage("button_st"), toolbarImage("button_dst"), toolbarImage("button_ut"),
         toolbarImage("button_lt")},
        {QStringLiteral("Standard Time"), QStringLiteral("Daylight Savings Time"),
         QStringLiteral("Universal Time"), QStringLiteral("Local Time")},
        metrics, client, client);
    clockBar = new ToolbarControl(
        TOOLBAR_BUTTON_SIZE, 2, 1, {toolbarImage("button_12hr"), toolbarImage("button_24hr")},
        {QStringLiteral("12-hour clock"), QStringLiteral("24-hour clock")}, metrics, client,
        client);
    bearingsBar = new ToolbarControl(
        TOOLBAR_BUTTON_SIZE, 2, 1, {toolbarImage("button_magnetic"), toolbarImage("button_true")},
        {QStringLiteral("Magnetic bearings"), QStringLiteral("True bearings")}, metrics, client,
        client);
    const int widths[3] = {timeBasisBar->width(), clockBar->width(), bearingsBar->width()};
    geometry = mainWindowLayout(metrics, widths);
    timeBasisBar->move(geometry.timeBasisToolbar);
    clockBar->move(geometry.clockToolbar);
    bearingsBar->move(geometry.bearingsToolbar);
    for (const Toolbar which : {Toolbar::TimeBasis, Toolbar::Clock, Toolbar::Bearings}) {
        connect(toolbar(which), &ToolbarControl::clicked, this,
                [this, which](int index) { toolbarClicked(which, index); });
    }
    selectToolbarButtons();
}

// The day, month, year and location boxes, filled from the state.
void MainWindow::buildBoxes() {
    QStyle* boxStyle = dropDownListStyle(metrics.scrollBarWidth, this);
    auto makeBox = [this, boxStyle](const QRect& box) {
        auto* combo = new QComboBox(client);
        makeDropDownList(*combo, boxStyle);
        combo->setGeometry(box);
        return combo;
    };
    dayCombo = makeBox(geometry.dayBox);
    monthCombo = makeBox(geometry.monthBox);
    yearCombo = makeBox(geometry.yearBox);
    locationCombo = makeBox(geometry.locationBox);
    fillMonthBox(*monthCombo);
    fillYearBox(*yearCombo);
    fillDayBox();
    monthCombo->setCurrentIndex(state.currentDate.month - 1);
    // A clock year the box does not offer leaves it without a selection; the
    // clock's year is used until the user picks one.
    const int32_t year = state.currentDate.year;
    yearCombo->setCurrentIndex(year >= FIRST_YEAR && year <= LAST_YEAR ? year - FIRST_YEAR : -1);
    fillLocationBox();
    connect(yearCombo, &QComboBox::currentIndexChanged, this, &MainWindow::yearChosen);
    connect(monthCombo, &QComboBox::currentIndexChanged, this, &MainWindow::monthChosen);
    connect(dayCombo, &QComboBox::currentIndexChanged, this, &MainWindow::dayChosen);
    connect(locationCombo, &QComboBox::currentIndexChanged, this, &MainWindow::locationChosen);
}

// The headings, the row labels and the eight value fields.
void MainWindow::buildResultFields() {
    staticText(client, QStringLiteral("Rise"), geometry.riseHeading, Qt::AlignTop);
    staticText(client, QStringLiteral("Set"), geometry.setHeading, Qt::AlignTop);
    staticText(client, QStringLiteral("Sun"), geometry.sunLabel, Qt::AlignVCenter);
    staticText(client, QStringLiteral("Moon"), geometry.moonLabel, Qt::AlignVCenter);
    for (size_t i = 0; i < fields.size(); ++i) {
        QLabel* field = staticText(client, QString(), geometry.fields[i], Qt::AlignVCenter);
        // The classic sunken client edge: two pixels, grey and black above
        // and left, white and light grey below and right.
        field->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
        // The field is one pixel wider than "99:99AM" inside its edge: a
        // framed label's default indent (half an 'x') would cut off the
        // first digit of a 12-hour time.
        field->setIndent(0);
        fields[i] = field;
    }
}

void MainWindow::fillDayBox() {
    const CivilDate& date = state.currentDate;
    skyledger::fillDayBox(*dayCombo, date.day, date.month, date.year);
}

void MainWindow::fillLocationBox() {
    const QSignalBlocker quiet(locationCombo);
    locationCombo->clear();
    if (!state.locations.present) return;
    for (const Location& place : state.locations.records) {
        locationCombo->addItem(toQString(place.name));
    }
    locationCombo->setCurrentIndex(state.locations.current);
}

void MainWindow::selectToolbarButtons() {
    const Location* place = state.locations.currentLocation();
    timeBasisBar->setButtonAvailable(static_cast<int>(TimeBasis::Local),
                                     place && hasKnownZone(*place));
    timeBasisBar->selectToolbarButton(static_cast<int>(state.preferences.timeBasis));
    clockBar->selectToolbarButton(state.preferences.twelveHourClock ? 0 : 1);
    bearingsBar->selectToolbarButton(state.preferences.magneticBearings ? 0 : 1);
}

void MainWindow::yearChosen(int index) {
    if (index < 0) return;
    // The session clamps the day to the new month's length.
    session.setYear(FIRST_YEAR + index);
    fillDayBox();
}

void MainWindow::monthChosen(int index) {
    if (index < 0) return;
    session.setMonth(index + 1);
    fillDayBox();
}

void MainWindow::dayChosen(int index) {
    if (index < 0) return;
    session.setDay(index + 1);
}

void MainWindow::locationChosen(int index) {
    if (index < 0) return;
    session.setCurrentLocation(index);
}

void MainWindow::toolbarClicked(Toolbar which, int index) {
    switch (which) {
    case Toolbar::TimeBasis:
        session.setTimeBasis(static_cast<TimeBasis>(index));
        break;
    case Toolbar::Clock:
        session.setTwelveHourClock(index == 0);
        break;
    case Toolbar::Bearings:
        session.setMagneticBearings(index == 0);
        break;
    }
    selectToolbarButtons();
    update();
}

ToolbarControl* MainWindow::toolbar(Toolbar which) const {
    switch (which) {
    case Toolbar::TimeBasis:
        return timeBasisBar;
    case Toolbar::Clock:
        return clockBar;
    case Toolbar::Bearings:
        return bearingsBar;
    }
    return nullptr;
}

HelpWindow* MainWindow::helpWindow() const {
    return help;
}

QLabel* MainWindow::resultField(ResultField field) const {
    return fields[static_cast<size_t>(field)];
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
    const int width = geometry.clientSize.width();
    // The etched separator.
    const int S = geometry.separatorY;
    p.fillRect(0, S, width, 1, Qt::black);
    p.fillRect(0, S + 1, width, 1, Qt::white);

    // The disc box's sunken frame: black along the left and top, white along
    // the right and bottom.
    const QRect& box = geometry.discBox;
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
    if (!state.day.computed) return;
    drawMoonDisc(p, PixelBox{left, top, right, bottom}, state.day.moonPhaseAngle, 4,
                 state.day.southernHemisphere);

    // The illuminated percentage, grey, centred on the disc.
    const int textBoxWidth = metrics.textWidth("100%");
    const int centreX = (left + right) / 2;
    const int centreY = (top + bottom) / 2;
    const QRect textBox(centreX - textBoxWidth / 2, centreY - metrics.lineHeight / 2, textBoxWidth,
                        metrics.lineHeight);
    p.setFont(metrics.uiFont);
    p.setPen(GREY);
    p.drawText(textBox, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine,
               toQString(formatText("%d%%", state.day.illuminationPercent)));
}

void MainWindow::dayChanged() {
    const DayAlmanac& day = state.day;
    const std::string* texts[8] = {
        &day.sunriseText,  &day.sunriseBearingText,  &day.sunsetText,  &day.sunsetBearingText,
        &day.moonriseText, &day.moonriseBearingText, &day.moonsetText, &day.moonsetBearingText};
    for (size_t i = 0; i < fields.size(); ++i)
        fields[i]->setText(toQString(*texts[i]));
    // Another place may have no zone: local time is then unavailable.
    selectToolbarButtons();
    client->update(geometry.discBox.adjusted(0, 0, 1, 1));
}

void MainWindow::showError(const std::string& message) {
    messages(this, QStringLiteral("Error"), toQString(message));
}

void MainWindow::openMultiDayChart() {
    MultiDayDialog request(
        metrics, state.currentDate,
        [this](CivilDate start, int32_t days) { return session.prepareChart(start, days); }, this,
        messages);
    if (request.exec() != QDialog::Accepted) return;
    openReport<ChartWindow>();
}

void MainWindow::openLocationDialog() {
    LocationDialog dialog(session.editLocations(), metrics, this);
    dialog.setMessageSink(messages);
    dialog.exec();
    // Whatever the result: a Delete is applied at once, even under Cancel.
    session.locationsEdited();
    fillLocationBox();
}

void MainWindow::openHelp() {
    if (!help) help = new HelpWindow(metrics, settingsPath, this);
    help->show();
    help->raise();
}

void MainWindow::openAbout() {
    AboutDialog about(this);
    about.exec();
}

} // namespace skyledger
