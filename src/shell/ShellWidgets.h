#pragma once

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QToolButton>

// The look the shell's windows share: header strip, footer strip, buttons, input fields.
namespace shell {

// Daten/Bilder/<name> of the program folder.
QString picture(const QString& name);

// The picture strip at the top of a dialog with its title in navy, bold italic.
QFrame* headerStrip(const QString& title, QWidget* parent, QLabel** titleLabel = nullptr);
// The strip at the bottom of a dialog with a short line of text.
QFrame* footerStrip(const QString& text, QWidget* parent);
QString footerText();

// A flat, large button with a hand cursor, as the dialogs' buttons look.
QPushButton* flatButton(const QString& text, const QString& objectName, QWidget* parent);
// A picture button of the header strip with a hint.
QToolButton* imageButton(const QString& pictureName, const QString& hint, const QString& objectName,
                         QWidget* parent);

// Input fields of the shell dialogs have the navigation bar's colour.
void styleField(QLineEdit* edit);
// Every letter typed into `edit` becomes upper case.
void upperCase(QLineEdit* edit);

// The navigation bar's background colour.
constexpr int kBarRed = 198, kBarGreen = 198, kBarBlue = 255;

} // namespace shell
