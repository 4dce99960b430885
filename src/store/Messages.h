#pragma once

#include <QString>
#include <functional>

namespace store {

// Every message box of the program goes through here, so that tests can answer them.
enum class MessageKind { Information, ConfirmYesCancel, ConfirmYesNo, Error };
enum class Answer { Ok, Yes, No, Cancel };

struct Message {
    MessageKind kind;
    QString text;
};

using MessageResponder = std::function<Answer(const Message&)>;

class Messages {
public:
    static void information(const QString& text);
    // True when the user answered Yes.
    static bool confirmYesCancel(const QString& text);
    static bool confirmYesNo(const QString& text);
    static void error(const QString& text);

    // Replaces the message boxes (tests); an empty responder restores them.
    static void setResponder(MessageResponder responder);

private:
    static Answer show(MessageKind kind, const QString& text);
};

} // namespace store
