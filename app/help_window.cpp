// The help viewer.
#include "app/help_window.h"

#include <QFile>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

namespace skyledger {

HelpWindow::HelpWindow(const LayoutMetrics& metrics, QWidget* owner)
    : QWidget(owner, Qt::Window), browser(new QTextBrowser(this)) {
    setWindowTitle(QStringLiteral("Skyledger Help"));
    // The program ends with its main window, whether or not help is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(metrics.uiFont);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    browser->setReadOnly(true);
    browser->setOpenLinks(true);
    browser->document()->setDocumentMargin(8);
    browser->setSource(QUrl(QStringLiteral("qrc") + QLatin1String(USER_GUIDE_RESOURCE)));
    // Wide enough for about 60 characters, tall enough for a section.
    resize(36 * metrics.lineHeight, 32 * metrics.lineHeight);
}

QString HelpWindow::plainText() const {
    return browser->toPlainText();
}

} // namespace skyledger
