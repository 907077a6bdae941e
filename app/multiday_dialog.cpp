#include "app/multiday_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>

#include "almanac/chart.h"
#include "almanac/display_format.h"
#include "app/drop_down_list.h"
#include "gui/date_boxes.h"
#include "gui/layout_metrics.h"
#include "gui/desktop_messages.h"
#include "gui/qt_text.h"
#include "support/format_text.h"
#include "support/messages.h"
#include "support/parse_number.h"

namespace skyledger {

namespace {

// The field reads at most this many characters, as the number was always read.
constexpr int DAYS_FIELD_MAX_LENGTH = 79;

QString decimal(int32_t value) {
    return toQString(formatText("%d", value));
}

// A list wide enough for `textWidth` beside its arrow: the scroll bar's width
// and a gap each side, or more where the style's arrow and frame need it.
int listWidth(const QComboBox& box, int textWidth, const LayoutMetrics& m) {
    QStyleOptionComboBox option;
    option.initFrom(&box);
    const QSize styled = box.style()->sizeFromContents(QStyle::CT_ComboBox, &option,
                                                       QSize(textWidth, m.lineHeight), &box);
    return std::max(textWidth + m.scrollBarWidth + 2 * m.gap, styled.width());
}

} // namespace

MultiDayDialog::MultiDayDialog(const LayoutMetrics& metrics, CivilDate start,
                               ChartPreparer prepareChart, QWidget* owner, MessageSink messages)
    : QDialog(owner), start_(start), prepareChart_(std::move(prepareChart)),
      messages_(std::move(messages)),
      cancelButton_(new QPushButton(QStringLiteral("Cancel"), this)),
      okButton_(new QPushButton(QStringLiteral("OK"), this)),
      startLabel_(new QLabel(QStringLiteral("Start Date:"), this)),
      daysLabel_(new QLabel(QStringLiteral("Number of days:"), this)), dayBox_(new QComboBox(this)),
      monthBox_(new QComboBox(this)), yearBox_(new QComboBox(this)),
      daysField_(new QLineEdit(this)) {
    setWindowTitle(QStringLiteral("Multiday Chart"));
    setFont(metrics.uiFont);
    start_.year = std::clamp(start_.year, FIRST_YEAR, LAST_YEAR);
    start_.month = std::clamp(start_.month, 1, 12);
    start_.day = std::clamp(start_.day, 1, daysInMonth(start_.month, start_.year));

    okButton_->setDefault(true);
    startLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    daysLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Only digits can be typed; whatever else arrives is still refused on OK.
    daysField_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    daysField_->setMaxLength(DAYS_FIELD_MAX_LENGTH);
    daysField_->setText(decimal(PROPOSED_DAYS));

    QStyle* listStyle = dropDownListStyle(metrics.scrollBarWidth, this);
    for (QComboBox* box : {dayBox_, monthBox_, yearBox_})
        makeDropDownList(*box, listStyle);
    fillMonthBox(*monthBox_);
    fillYearBox(*yearBox_);
    monthBox_->setCurrentIndex(start_.month - 1);
    yearBox_->setCurrentIndex(start_.year - FIRST_YEAR);
    fillDayBox();
    layOut(metrics);

    connect(dayBox_, &QComboBox::currentIndexChanged, this, &MultiDayDialog::dayChosen);
    connect(monthBox_, &QComboBox::currentIndexChanged, this, &MultiDayDialog::monthChosen);
    connect(yearBox_, &QComboBox::currentIndexChanged, this, &MultiDayDialog::yearChosen);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(okButton_, &QPushButton::clicked, this, &MultiDayDialog::confirm);
    daysField_->setFocus();
    daysField_->selectAll();
}

void MultiDayDialog::layOut(const LayoutMetrics& m) {
    const int g = m.gap;
    const int b = m.buttonHeight;

    const int cancelWidth = m.textWidth("Cancel") + 2 * g;
    cancelButton_->setGeometry(g, g, cancelWidth, b);
    okButton_->setGeometry(g + cancelWidth + g, g, m.textWidth("OK") + 2 * g, b);

    // The column is sized for "Number of Days:", a little wider than the
    // label's own "Number of days:".
    const int labelWidth = std::max(m.textWidth("Start Date:"), m.textWidth("Number of Days:"));
    const int fieldX = 2 * g + labelWidth;

    int widestMonth = 0;
    for (int32_t month = 1; month <= 12; ++month)
        widestMonth = std::max(widestMonth, m.textWidth(monthAbbreviation(month)));
    const int row1 = 2 * g + b;
    startLabel_->setGeometry(g, row1, labelWidth, b);
    dayBox_->setGeometry(fieldX, row1, listWidth(*dayBox_, m.textWidth("99"), m), b);
    monthBox_->setGeometry(dayBox_->geometry().right() + 1 + g, row1,
                           listWidth(*monthBox_, widestMonth, m), b);
    yearBox_->setGeometry(monthBox_->geometry().right() + 1 + g, row1,
                          listWidth(*yearBox_, m.textWidth("9999"), m), b);

    const int row2 = 3 * g + 2 * b;
    daysLabel_->setGeometry(g, row2, labelWidth, b);
    daysField_->setGeometry(fieldX, row2, m.textWidth("999") + 2 * g, b);

    setFixedSize(yearBox_->geometry().right() + 1 + g, row2 + b + g);
}

void MultiDayDialog::fillDayBox() {
    start_.day = std::min(start_.day, daysInMonth(start_.month, start_.year));
    skyledger::fillDayBox(*dayBox_, start_.day, start_.month, start_.year);
}

void MultiDayDialog::dayChosen(int index) {
    start_.day = index + 1;
}

void MultiDayDialog::monthChosen(int index) {
    start_.month = index + 1;
    fillDayBox();
}

void MultiDayDialog::yearChosen(int index) {
    start_.year = FIRST_YEAR + index;
    fillDayBox();
}

void MultiDayDialog::showError(const std::string& message) {
    messages_(this, errorCaption(), toQString(message));
    // Back in the dialog the refused number is selected: typing replaces it.
    daysField_->setFocus();
    daysField_->selectAll();
}

void MultiDayDialog::confirm() {
    // The count is checked before anything shared is touched, so an open
    // chart never sees a count that was not computed.
    int32_t days = 0;
    if (!parseInteger(toWindows1252(daysField_->text()), days)) {
        showError(INVALID_DAY_COUNT_MESSAGE);
        return;
    }
    // No row may fall after the last year the almanac computes.
    if (days < 1 || days > chartDaysAvailable(start_)) {
        showError(chartDayCountMessage(start_));
        return;
    }
    // Without rows (no places to compute for) there is no chart to open; the
    // preparer has told the user why.
    if (!prepareChart_(start_, days)) {
        reject();
        return;
    }
    accept();
}

} // namespace skyledger
