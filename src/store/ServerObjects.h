#pragma once

#include <QDate>
#include <QSqlDatabase>
#include <QString>
#include <functional>

// Implemented by the main window's navigation bar; the store only knows this much of it.
class NavigationMarker {
public:
    virtual ~NavigationMarker() = default;
    // Close every panel, release every item, then open `panel` and press its `item`.
    virtual void markItem(int panel, int item) = 0;
};

// The program's one service object: the connection, the logged-in user, the open application.
class TMainObject {
public:
    TMainObject();
    ~TMainObject();
    TMainObject(const TMainObject&) = delete;
    TMainObject& operator=(const TMainObject&) = delete;

    QString UserIdent;
    QString UserFullName;
    QString UserLoginName;
    // Never the password: the login keeps nothing secret here.
    QString UserPassword;
    QString AntragIdent;
    QString AntragUserIdent;
    QString AntragSign;
    QDate AntragDate;

    QSqlDatabase Connection() const;

    // Opens Daten/Default/REDIR.sqlite of the program folder; false when it is missing, is no
    // database, or cannot be written (read-only or locked). Never creates a database.
    bool ConnectDatabase();
    // Why the last ConnectDatabase failed, in German, for the message after the fixed text.
    QString ConnectError() const { return m_connectError; }

    // Shows the login dialog (set by the shell as `LoginDialog`); false on cancel or error.
    bool LoginUser();
    std::function<bool()> LoginDialog;

    // Brings an older database up to the current dictionary; idempotent. False when a step failed
    // (the error has been shown and nothing of the upgrade was kept).
    bool UpgradeSchema();

    // "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", upper-case hexadecimal; empty when none could be made.
    static QString NewRowIdent();
    // Whether `text` has the form NewRowIdent makes (the placeholder "DUMMY" has not).
    static bool IsRowIdent(const QString& text);
    // The fixed identifier the claims dialog stores for a child not yet born.
    static QString UnbornChildIdent() { return QStringLiteral("{FFFFFFFF-FFFF-FFFF-FFFF-FFFFFFFFFFFF}"); }

    void MarkNavItem(int panel, int item);
    NavigationMarker* Navigation = nullptr;

private:
    QString m_connectionName;
    QString m_connectError;
};

// The one global instance, created by the main window (and by the command line and the tests).
extern TMainObject* MainObject;
