#include "app/drop_down_list.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QProxyStyle>
#include <QStyleOptionComplex>

namespace skyledger {

namespace {

// Fusion's own combo box keeps a wider arrow and frame, which would clip a
// two-digit day; this style gives the arrow the scroll bar's width and the
// text all the rest. Fusion also opens a list as tall as its contents
// (over the whole screen for the years); here it opens as a drop-down list,
// DROP_DOWN_ROWS tall.
class DropDownListStyle : public QProxyStyle {
  public:
    DropDownListStyle(int arrowWidth, QObject* owner)
        : QProxyStyle(QStringLiteral("Fusion")), arrowWidth_(arrowWidth) {
        setParent(owner);
    }

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget) const override {
        if (control == CC_ComboBox) {
            const QRect r = option->rect;
            if (sub == SC_ComboBoxArrow) {
                return visualRect(option->direction, r,
                                  QRect(r.right() - FRAME - arrowWidth_ + 1, r.top() + FRAME,
                                        arrowWidth_, r.height() - 2 * FRAME));
            }
            if (sub == SC_ComboBoxEditField) {
                return visualRect(option->direction, r,
                                  QRect(r.left() + FRAME + 1, r.top() + FRAME,
                                        r.width() - 2 * FRAME - 2 - arrowWidth_,
                                        r.height() - 2 * FRAME));
            }
        }
        return QProxyStyle::subControlRect(control, option, sub, widget);
    }

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        // The list drops under the box and keeps to maxVisibleItems.
        if (hint == SH_ComboBox_Popup) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

  private:
    static constexpr int FRAME = 2;
    int arrowWidth_;
};

} // namespace

QStyle* dropDownListStyle(int arrowWidth, QObject* owner) {
    return new DropDownListStyle(arrowWidth, owner);
}

void makeDropDownList(QComboBox& box, QStyle* style) {
    box.setStyle(style);
    box.setMaxVisibleItems(DROP_DOWN_ROWS);
    // A list made before the style came (a font given to the window makes
    // one) keeps the scroll bar turned off that Fusion's tall lists need not.
    box.view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

} // namespace skyledger
