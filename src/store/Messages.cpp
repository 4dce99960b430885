#include "Messages.h"

#include <QTextStream>

namespace store {

namespace {
MessageResponder& responder()
{
    static MessageResponder instance;
    return instance;
}

MessageResponder& presenter()
{
    static MessageResponder instance;
    return instance;
}
} // namespace

void Messages::setResponder(MessageResponder r) { responder() = std::move(r); }
void Messages::setPresenter(MessageResponder p) { presenter() = std::move(p); }

Answer Messages::show(MessageKind kind, const QString& text)
{
    if (responder())
        return responder()(Message{kind, text});
    if (presenter())
        return presenter()(Message{kind, text});
    QTextStream(stderr) << text << Qt::endl;
    return kind == MessageKind::Information || kind == MessageKind::Error ? Answer::Ok : Answer::No;
}

void Messages::information(const QString& text) { show(MessageKind::Information, text); }

bool Messages::confirmYesCancel(const QString& text)
{
    return show(MessageKind::ConfirmYesCancel, text) == Answer::Yes;
}

bool Messages::confirmYesNo(const QString& text) { return show(MessageKind::ConfirmYesNo, text) == Answer::Yes; }

void Messages::error(const QString& text) { show(MessageKind::Error, text); }

} // namespace store
