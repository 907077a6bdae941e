// The help viewer.
#include "app/help_window.h"

#include <QAction>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

namespace skyledger {

namespace {

// A browser that fills in the settings file's path each time it loads the
// guide, so that following the guide's own links keeps the path.
class GuideBrowser : public QTextBrowser {
  public:
    GuideBrowser(const QString& settingsFile, QWidget* parent)
        : QTextBrowser(parent), settingsFile_(settingsFile) {}

    QVariant loadResource(int type, const QUrl& name) override {
        QVariant resource = QTextBrowser::loadResource(type, name);
        if (type != QTextDocument::HtmlResource) return resource;
        const QString path = settingsFile_.isEmpty() ? QStringLiteral("(none)") : settingsFile_;
        QString html = QString::fromUtf8(resource.toByteArray());
        html.replace(QLatin1String(SETTINGS_FILE_MARK), path.toHtmlEscaped());
        return html;
    }

  private:
    QString settingsFile_;
};

} // namespace

HelpWindow::HelpWindow(const LayoutMetrics& metrics, const QString& settingsFile, QWidget* owner)
    : QWidget(owner, Qt::Window), browser_(new GuideBrowser(settingsFile, this)) {
    setWindowTitle(QStringLiteral("Skyledger Help"));
    // The program ends with its main window, whether or not help is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(metrics.uiFont);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    browser_->setReadOnly(true);
    browser_->setOpenLinks(true);
    browser_->document()->setDocumentMargin(8);
    browser_->setSource(QUrl(QStringLiteral("qrc") + QLatin1String(USER_GUIDE_RESOURCE)));
    // Wide enough for about 60 characters, tall enough for a section.
    resize(36 * metrics.lineHeight, 32 * metrics.lineHeight);
    // Escape closes the help as it closes the other windows it sits beside.
    auto* escape = new QAction(this);
    escape->setShortcut(QKeySequence(Qt::Key_Escape));
    escape->setShortcutContext(Qt::WindowShortcut);
    connect(escape, &QAction::triggered, this, &QWidget::close);
    addAction(escape);
}

QString HelpWindow::plainText() const {
    return browser_->toPlainText();
}

} // namespace skyledger
