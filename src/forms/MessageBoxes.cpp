#include "MessageBoxes.h"

#include "Messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace forms {

namespace {

using store::Answer;
using store::Message;
using store::MessageKind;

Answer showBox(const Message& message)
{
    QWidget* parent = QApplication::activeWindow();
    const QString title = QStringLiteral("Velmora");
    switch (message.kind) {
    case MessageKind::Information:
        QMessageBox::information(parent, title, message.text);
        return Answer::Ok;
    case MessageKind::Error:
        QMessageBox::critical(parent, title, message.text);
        return Answer::Ok;
    case MessageKind::ConfirmYesCancel: {
        QMessageBox box(QMessageBox::Question, title, message.text, QMessageBox::Yes | QMessageBox::Cancel,
                        parent);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("Ja"));
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("Abbrechen"));
        return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::Cancel;
    }
    case MessageKind::ConfirmYesNo: {
        QMessageBox box(QMessageBox::Question, title, message.text, QMessageBox::Yes | QMessageBox::No, parent);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("Ja"));
        box.button(QMessageBox::No)->setText(QStringLiteral("Nein"));
        return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
    }
    return Answer::Cancel;
}

} // namespace

void installMessageBoxes() { store::Messages::setPresenter(showBox); }

} // namespace forms
