// The help viewer: the program's user guide, compiled into the program, in a
// small read-only window owned by the main window.
#pragma once

#include <QString>
#include <QWidget>

#include "gui/layout_metrics.h"

class QTextBrowser;

namespace skyledger {

// Where the user guide lives among the program's resources.
inline constexpr const char* USER_GUIDE_RESOURCE = ":/help/user_guide.html";

// The guide's stand-in for the settings file's path, replaced as it is shown.
inline constexpr const char* SETTINGS_FILE_MARK = "@SETTINGS_FILE@";

class HelpWindow : public QWidget {
    Q_OBJECT

  public:
    // `settingsFile` is the settings file this run uses; the guide names it
    // where it tells where the places are kept.
    HelpWindow(const LayoutMetrics& metrics, const QString& settingsFile, QWidget* owner);

    // The guide as plain text, for a look from outside.
    [[nodiscard]] QString plainText() const;

  private:
    QTextBrowser* browser_;
};

} // namespace skyledger
