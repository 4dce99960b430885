#pragma once

#include "Messages.h"

#include <QAbstractButton>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>

// A program folder of its own for one test: laid out by the same function as `velmora-cli init`,
// with a fresh database from the dictionary, VELMORA_HOME pointing at it and MainObject connected.
class TestHome {
public:
    explicit TestHome(bool connect = true);
    ~TestHome();
    QString path() const { return m_dir.path(); }
    QString file(const QString& relative) const;
    bool ok() const { return m_ok; }

private:
    QTemporaryDir m_dir;
    bool m_ok = false;
};

// Answers the program's message boxes in tests and records what they said.
class ScriptedMessages {
public:
    ScriptedMessages();
    ~ScriptedMessages();
    // The answers to the next confirmations, in order; when they run out, confirmations get `fallback`.
    void answer(std::initializer_list<store::Answer> answers) { m_answers << answers; }
    void setFallback(store::Answer fallback) { m_fallback = fallback; }
    QStringList texts() const;
    QList<store::Message> shown() const { return m_shown; }
    void clear() { m_shown.clear(); }

private:
    QList<store::Answer> m_answers;
    QList<store::Message> m_shown;
    store::Answer m_fallback = store::Answer::Yes;
};

// Files a test makes read-only stop other users than root only; as root, the test runs the part within
// this scope as the user nobody (effective ids only, so that it can switch back), after handing the
// program folder `folder` over to that user. As any other user it does nothing.
class OtherUser {
public:
    explicit OtherUser(const QString& folder);
    ~OtherUser();
    OtherUser(const OtherUser&) = delete;
    OtherUser& operator=(const OtherUser&) = delete;

private:
    bool m_switched = false;
};

// Clicks a check box or button on its indicator, as a user would; a plain mouseClick aims at the
// widget's centre, which in a stretched layout lies beyond the caption and misses.
void clickBox(QAbstractButton* box);

// Logs a user in directly (as the login dialog would) and creates an application named `name`;
// returns its identifier.
QString createTestApplication(const QString& name = QStringLiteral("Test"));
