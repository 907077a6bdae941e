// The help viewer: the program's user guide, compiled into the program, in a
// small read-only window owned by the main window.
#pragma once

#include <QWidget>

#include "app/layout_metrics.h"

class QTextBrowser;

namespace skyledger {

// Where the user guide lives among the program's resources.
inline constexpr const char* USER_GUIDE_RESOURCE = ":/help/user_guide.html";

class HelpWindow : public QWidget {
    Q_OBJECT

  public:
    HelpWindow(const LayoutMetrics& metrics, QWidget* owner);

    // The guide as plain text, for a look from outside.
    [[nodiscard]] QString plainText() const;

  private:
    QTextBrowser* browser;
};

} // namespace skyledger
