// The About box: the program's name and version and its ownership notice.
// Only OK closes it; Escape does not.
#pragma once

#include <QDialog>

namespace skyledger {

class AboutDialog : public QDialog {
    Q_OBJECT

  public:
    explicit AboutDialog(QWidget* owner);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace skyledger
