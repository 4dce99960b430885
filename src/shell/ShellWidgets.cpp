#include "ShellWidgets.h"

#include "Paths.h"

#include <QHBoxLayout>
#include <QValidator>

namespace shell {

namespace {

// Turns the text into upper case while it is typed, so that the cursor stays where it was.
class UpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        input = input.toUpper();
        return Acceptable;
    }
};

} // namespace

QString picture(const QString& name) {
    return store::programPath(QStringLiteral("Daten/Bilder/") + name);
}

QFrame* headerStrip(const QString& title, QWidget* parent, QLabel** titleLabel) {
    auto* strip = new QFrame(parent);
    strip->setObjectName(QStringLiteral("HeaderStrip"));
    strip->setFixedHeight(40);
    strip->setStyleSheet(QStringLiteral("#HeaderStrip { border-image: url(%1) 0 0 0 0 stretch stretch; }")
                             .arg(picture("header.png")));
    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(12, 0, 12, 2);
    auto* label = new QLabel(title, strip);
    label->setObjectName(QStringLiteral("HeaderTitle"));
    label->setStyleSheet(
        QStringLiteral("color: navy; font-size: 17px; font-weight: bold; font-style: italic;"));
    layout->addWidget(label);
    layout->addStretch(1);
    if (titleLabel) *titleLabel = label;
    return strip;
}

QFrame* footerStrip(const QString& text, QWidget* parent) {
    auto* strip = new QFrame(parent);
    strip->setObjectName(QStringLiteral("FooterStrip"));
    strip->setFixedHeight(22);
    strip->setStyleSheet(
        QStringLiteral("#FooterStrip { background: rgb(%1,%2,%3); border-top: 1px solid navy; }"
                       "#FooterStrip QLabel { color: #2A2A6A; font-size: 11px; }")
            .arg(kBarRed)
            .arg(kBarGreen)
            .arg(kBarBlue));
    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(10, 0, 10, 0);
    layout->addWidget(new QLabel(text, strip));
    layout->addStretch(1);
    return strip;
}

QString footerText() {
    return QStringLiteral("Velmora · Antragerstellung leichtgemacht");
}

QPushButton* flatButton(const QString& text, const QString& objectName, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(objectName);
    b->setFlat(true);
    // Enter means what each dialog says it means, never "the button that happens to be the default".
    b->setAutoDefault(false);
    b->setCursor(Qt::PointingHandCursor);
    b->setMinimumHeight(30);
    b->setStyleSheet(QStringLiteral(
        "QPushButton { color: navy; font-weight: bold; padding: 4px 14px; border: 1px solid #8C8CD8;"
        " border-radius: 4px; background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #FFFFFF, stop:1 "
        "#DCDCFF); }"
        "QPushButton:hover { background: #C6C6FF; }"
        "QPushButton:pressed { background: #A8A8F0; }"
        "QPushButton:focus { border: 1px solid navy; }"));
    return b;
}

QToolButton* imageButton(const QString& pictureName, const QString& hint, const QString& objectName,
                         QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(objectName);
    b->setIcon(QIcon(picture(pictureName)));
    b->setIconSize(QSize(28, 28));
    b->setToolTip(hint);
    b->setAutoRaise(true);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

void styleField(QLineEdit* edit) {
    edit->setStyleSheet(QStringLiteral("QLineEdit { background: rgb(%1,%2,%3); border: 1px solid #7070B0;"
                                       " padding: 2px; lineedit-password-character: 42; }")
                            .arg(kBarRed)
                            .arg(kBarGreen)
                            .arg(kBarBlue));
}

void upperCase(QLineEdit* edit) {
    edit->setValidator(new UpperCaseValidator(edit));
}

} // namespace shell
