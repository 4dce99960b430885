#include "ServerObjects.h"

#include "Messages.h"
#include "Paths.h"
#include "Schema.h"
#include "Sql.h"

#include <QDir>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

TMainObject* MainObject = nullptr;

namespace {
int connectionCounter = 0;
}

TMainObject::TMainObject() : m_connectionName(QStringLiteral("velmora-%1").arg(++connectionCounter))
{
    QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
}

TMainObject::~TMainObject()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
    if (MainObject == this)
        MainObject = nullptr;
}

QSqlDatabase TMainObject::Connection() const { return QSqlDatabase::database(m_connectionName, false); }

bool TMainObject::ConnectDatabase()
{
    m_connectError.clear();
    QSqlDatabase db = Connection();
    if (db.isOpen())
        db.close();
    const QString path = store::databasePath();
    // A file that is not ours is refused before anything could write to it.
    if (!store::isVelmoraDatabase(path, &m_connectError))
        return false;
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    if (!db.open()) {
        m_connectError = QStringLiteral("Die Datenbank %1 kann nicht geöffnet werden.\n%2")
                             .arg(QDir::toNativeSeparators(path), db.lastError().text());
        return false;
    }
    // A database we may not write fails here rather than at the first entry. Taking the write lock is
    // not enough: a read-only file or a folder without room for the -wal and -shm files only shows when
    // a page is written, so one is (and rolled back).
    QSqlQuery q(db);
    const int version = q.exec(QStringLiteral("PRAGMA user_version")) && q.next() ? q.value(0).toInt() : 0;
    const bool ok = q.exec(QStringLiteral("PRAGMA journal_mode=WAL")) && q.exec(QStringLiteral("PRAGMA synchronous=FULL")) &&
                    q.exec(QStringLiteral("PRAGMA busy_timeout=2000")) && q.exec(QStringLiteral("BEGIN IMMEDIATE")) &&
                    q.exec(QStringLiteral("PRAGMA user_version = %1").arg(version)) &&
                    q.exec(QStringLiteral("ROLLBACK"));
    if (!ok) {
        const QSqlError error = q.lastError();
        const int code = error.nativeErrorCode().toInt() & 0xff;
        // SQLITE_BUSY and SQLITE_LOCKED: another program holds the database.
        const bool busy = code == 5 || code == 6;
        const QString shown = QDir::toNativeSeparators(path);
        m_connectError =
            (busy ? QStringLiteral("Die Datenbank %1 wird gerade von einem anderen Programm benutzt.").arg(shown)
                  : store::notWritableMessage(shown)) +
            QStringLiteral("\n") + error.text();
        q.exec(QStringLiteral("ROLLBACK"));
        q.finish();
        db.close();
        return false;
    }
    return true;
}

bool TMainObject::LoginUser()
{
    if (!LoginDialog)
        return false;
    try {
        return LoginDialog();
    } catch (...) {
        return false;
    }
}

bool TMainObject::UpgradeSchema() { return store::upgradeSchema(); }

QString TMainObject::NewRowIdent()
{
    const QUuid id = QUuid::createUuid();
    if (id.isNull())
        return {};
    return id.toString(QUuid::WithBraces).toUpper();
}

bool TMainObject::IsRowIdent(const QString& text)
{
    static const QRegularExpression form(
        QStringLiteral("^\\{[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\\}$"));
    return form.match(text).hasMatch();
}

void TMainObject::MarkNavItem(int panel, int item)
{
    if (Navigation)
        Navigation->markItem(panel, item);
}

