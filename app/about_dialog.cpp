// The About box, laid out in dialog units of its 8-point Arial.
#include "app/about_dialog.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "support/version.h"

namespace skyledger {

namespace {

// 8 points at the classic 96 pixels per inch.
constexpr int DIALOG_FONT_PIXELS = 11;

} // namespace

AboutDialog::AboutDialog(QWidget* owner) : QDialog(owner) {
    setWindowTitle(QStringLiteral("About Skyledger"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(DIALOG_FONT_PIXELS);
    setFont(font);
    // Dialog units: a quarter of the font's average character width across,
    // an eighth of its height down.
    const QFontMetrics fm(font);
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int baseX = (fm.horizontalAdvance(alphabet) / 26 + 1) / 2;
    const int baseY = fm.height();
    auto dluX = [baseX](int units) { return units * baseX / 4; };
    auto dluY = [baseY](int units) { return units * baseY / 8; };
    setFixedSize(dluX(210), dluY(79));

    const QString lines[] = {
        QStringLiteral("Skyledger %1").arg(QLatin1String(programVersion())),
        QStringLiteral("Copyright \u00A9 2026 The Skyledger authors."),
        QStringLiteral("Under the MIT licence; no warranty of any kind.")};
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(lines[i], this);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setGeometry(dluX(5), dluY(8 + i * 12), dluX(200), dluY(10));
    }
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    ok->setGeometry(dluX(80), dluY(57), dluX(50), dluY(14));
    connect(ok, &QPushButton::clicked, this, [this] { done(0); });
}

void AboutDialog::keyPressEvent(QKeyEvent* event) {
    // Only the OK button closes the box.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace skyledger
