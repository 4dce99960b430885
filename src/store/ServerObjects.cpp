#include "ServerObjects.h"

#include "Messages.h"
#include "Paths.h"
#include "Schema.h"
#include "Sql.h"

#include <QFileInfo>
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
    if (!QFileInfo(path).isFile()) {
        m_connectError = QStringLiteral("Die Datenbank %1 fehlt.").arg(path);
        return false;
    }
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    if (!db.open()) {
        m_connectError = db.lastError().text();
        return false;
    }
    // A file that is no database, or one we may not write, fails here rather than at the first entry.
    QSqlQuery q(db);
    const bool ok = q.exec(QStringLiteral("PRAGMA journal_mode=WAL")) && q.exec(QStringLiteral("PRAGMA synchronous=FULL")) &&
                    q.exec(QStringLiteral("PRAGMA busy_timeout=2000")) &&
                    q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) &&
                    q.exec(QStringLiteral("BEGIN IMMEDIATE")) && q.exec(QStringLiteral("ROLLBACK"));
    if (!ok) {
        m_connectError = q.lastError().text();
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

