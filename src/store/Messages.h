#pragma once

#include <QString>
#include <functional>

namespace store {

// Every message of the program goes through here, so that tests can answer them and the command line
// can print them; the store itself shows no window.
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
    // The message boxes of the desktop program (installed by the forms library). Without them, as on the
    // command line, a message goes to the error stream.
    static void setPresenter(MessageResponder presenter);

private:
    static Answer show(MessageKind kind, const QString& text);
};

} // namespace store
