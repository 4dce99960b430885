#include "Messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTextStream>

namespace store {

namespace {
MessageResponder& responder()
{
    static MessageResponder instance;
    return instance;
}

QWidget* parentWindow()
{
    return qobject_cast<QApplication*>(QCoreApplication::instance()) ? QApplication::activeWindow() : nullptr;
}
} // namespace

void Messages::setResponder(MessageResponder r) { responder() = std::move(r); }

Answer Messages::show(MessageKind kind, const QString& text)
{
    if (responder())
        return responder()(Message{kind, text});
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        // Without a window system (the command line) a message goes to the error stream.
        QTextStream(stderr) << text << Qt::endl;
        return kind == MessageKind::Information || kind == MessageKind::Error ? Answer::Ok : Answer::No;
    }
    const QString title = QStringLiteral("Velmora");
    switch (kind) {
    case MessageKind::Information:
        QMessageBox::information(parentWindow(), title, text);
        return Answer::Ok;
    case MessageKind::Error:
        QMessageBox::critical(parentWindow(), title, text);
        return Answer::Ok;
    case MessageKind::ConfirmYesCancel: {
        QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::Cancel,
                        parentWindow());
        box.button(QMessageBox::Yes)->setText(QStringLiteral("Ja"));
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("Abbrechen"));
        return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::Cancel;
    }
    case MessageKind::ConfirmYesNo: {
        QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parentWindow());
        box.button(QMessageBox::Yes)->setText(QStringLiteral("Ja"));
        box.button(QMessageBox::No)->setText(QStringLiteral("Nein"));
        return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
    }
    return Answer::Cancel;
}

void Messages::information(const QString& text) { show(MessageKind::Information, text); }

bool Messages::confirmYesCancel(const QString& text)
{
    return show(MessageKind::ConfirmYesCancel, text) == Answer::Yes;
}

bool Messages::confirmYesNo(const QString& text) { return show(MessageKind::ConfirmYesNo, text) == Answer::Yes; }

void Messages::error(const QString& text) { show(MessageKind::Error, text); }

} // namespace store
