#include "Schema.h"

#include "ServerObjects.h"
#include "Sql.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>

namespace store {

QStringList dictionaryStatements(const QString& schemaText)
{
    QStringList lines;
    for (const QString& line : schemaText.split(QLatin1Char('\n'))) {
        if (!line.trimmed().startsWith(QLatin1String("--")))
            lines << line;
    }
    QStringList statements;
    for (const QString& part : lines.join(QLatin1Char('\n')).split(QRegularExpression(QStringLiteral(";[ \\t\\r]*(\\n|$)")))) {
        if (!part.trimmed().isEmpty())
            statements << part.trimmed();
    }
    return statements;
}

bool createDatabase(const QString& databaseFile, const QString& schemaFile, QString* error)
{
    QFile schema(schemaFile);
    if (!schema.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Das Datenverzeichnis %1 kann nicht gelesen werden.").arg(schemaFile);
        return false;
    }
    const QStringList statements = dictionaryStatements(QString::fromUtf8(schema.readAll()));

    const QFileInfo target(databaseFile);
    QDir().mkpath(target.absolutePath());
    // Built beside the target and renamed at the end, so a failure leaves no half-made database.
    const QString building = databaseFile + QStringLiteral(".new");
    QFile::remove(building);
    const QString connectionName = QStringLiteral("velmora-create-") + databaseFile;
    bool ok = true;
    QString message;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        db.setDatabaseName(building);
        ok = db.open();
        if (!ok)
            message = db.lastError().text();
        QSqlQuery q(db);
        if (ok)
            ok = db.transaction();
        for (const QString& sql : statements) {
            if (!ok)
                break;
            if (!q.exec(sql)) {
                ok = false;
                message = q.lastError().text() + QStringLiteral("\n") + sql.left(200);
            }
        }
        if (ok)
            ok = db.commit();
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
    if (ok) {
        QFile::setPermissions(building, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        ok = QFile::rename(building, databaseFile);
        if (!ok)
            message = QStringLiteral("Die Datenbank %1 kann nicht angelegt werden.").arg(databaseFile);
    }
    if (!ok) {
        QFile::remove(building);
        if (error)
            *error = message;
    }
    return ok;
}

QString notWritableMessage(const QString& databaseFile)
{
    return QStringLiteral("Die Datenbank %1 kann nicht beschrieben werden. Die Datei oder ihr Ordner ist "
                          "schreibgeschützt (im Ordner müssen auch die Dateien REDIR.sqlite-wal und "
                          "REDIR.sqlite-shm angelegt werden können).")
        .arg(databaseFile);
}

namespace {

// What keeps an opened database from being the program's: empty when nothing does.
QString dictionaryFault(const QSqlDatabase& db, const QString& shown)
{
    QSqlQuery q(db);
    QStringList tables;
    if (!q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type='table'"))) {
        // SQLITE_READONLY, SQLITE_CANTOPEN: even a reader of a WAL database needs to write its -shm file.
        const int code = q.lastError().nativeErrorCode().toInt() & 0xff;
        return (code == 8 || code == 14 ? notWritableMessage(shown)
                                        : QStringLiteral("Die Datenbank %1 kann nicht gelesen werden.").arg(shown)) +
               QStringLiteral("\n") + q.lastError().text();
    }
    while (q.next())
        tables << q.value(0).toString();
    for (const char* table : {"USERS", "MAINHEADER", "MAINPERSON", "PERSON"}) {
        if (!tables.contains(QLatin1String(table)))
            return QStringLiteral("Die Datei %1 ist keine Velmora-Datenbank (die Tabelle %2 fehlt).")
                .arg(shown, QLatin1String(table));
    }
    const int version = q.exec(QStringLiteral("PRAGMA user_version")) && q.next() ? q.value(0).toInt() : 0;
    if (version > kDictionaryVersion)
        return QStringLiteral("Die Datenbank %1 stammt von einer neueren Programmversion (Version %2, dieses "
                              "Programm kennt Version %3).")
            .arg(shown)
            .arg(version)
            .arg(kDictionaryVersion);
    return {};
}

} // namespace

bool isVelmoraDatabase(const QString& databaseFile, QString* error)
{
    const QString shown = QDir::toNativeSeparators(databaseFile);
    const auto fail = [&](const QString& message) {
        if (error)
            *error = message;
        return false;
    };
    const QFileInfo info(databaseFile);
    if (info.isDir())
        return fail(QStringLiteral("Wo die Datenbank liegen sollte, liegt ein Ordner: %1").arg(shown));
    if (!info.exists())
        return fail(QStringLiteral("Die Datenbank %1 fehlt.").arg(shown));
    if (!info.isFile())
        return fail(QStringLiteral("Die Datenbank %1 ist keine gewöhnliche Datei.").arg(shown));
    if (info.size() == 0)
        return fail(QStringLiteral("Die Datenbank %1 ist leer (0 Byte). Sie wird nicht verändert; legen Sie eine neue "
                                   "an, nachdem Sie die leere Datei entfernt haben.")
                        .arg(shown));
    QFile file(databaseFile);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("Die Datenbank %1 kann nicht gelesen werden.").arg(shown));
    if (file.read(16) != QByteArray("SQLite format 3", 16))
        return fail(QStringLiteral("Die Datei %1 ist keine Datenbank.").arg(shown));
    file.close();

    // Looked at through a read-only connection of its own, so that nothing of a foreign file changes.
    const QString connectionName = QStringLiteral("velmora-check-") + databaseFile;
    QString message;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        db.setDatabaseName(databaseFile);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=2000"));
        if (!db.open()) {
            message = QStringLiteral("Die Datenbank %1 kann nicht geöffnet werden.\n%2").arg(shown, db.lastError().text());
        } else {
            message = dictionaryFault(db, shown);
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connectionName);
    if (!message.isEmpty())
        return fail(message);
    return true;
}

QStringList tableColumns(const QString& table)
{
    QStringList columns;
    // table_info takes the name as an argument of the table-valued function, so it can be bound.
    Rows rows = select(QStringLiteral("SELECT name FROM pragma_table_info(?) ORDER BY cid"), {table});
    while (rows.next())
        columns << rows.text(QStringLiteral("name"));
    return columns;
}

namespace {

bool hasColumn(const QString& table, const QString& column)
{
    return tableColumns(table).contains(column, Qt::CaseSensitive);
}

// Table and column names come from the constants below, never from input.
bool addColumn(const QString& table, const QString& column, const QString& type)
{
    return execute(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3").arg(table, column, type));
}

const QString kLogical = QStringLiteral("BOOLEAN NOT NULL DEFAULT 0");

// Tables that later dictionary versions added, with their indexes, exactly as in schema.sql.
struct AddedTable {
    const char* create;
    const char* index;
};

const AddedTable kAddedTables[] = {
    // version 2: the persons list of the retirement-provision page
    {"CREATE TABLE IF NOT EXISTS VERRVPERSON ("
     "RVP_IDENT TEXT COLLATE RTRIM PRIMARY KEY NOT NULL, "
     "RVP_INDEX_MAINHEADER TEXT COLLATE RTRIM, "
     "RVP_INDEX_PERSON TEXT COLLATE RTRIM, "
     "RVP_NUMBER INTEGER)",
     "CREATE INDEX IF NOT EXISTS IX_VERRVPERSON_MAINHEADER ON VERRVPERSON (RVP_INDEX_MAINHEADER)"},
};

bool upgradeSteps()
{
    if (!hasColumn(QStringLiteral("VERKLV"), QStringLiteral("KLV_ISRENTE"))) {
        if (!addColumn(QStringLiteral("VERKLV"), QStringLiteral("KLV_ISRENTE"), QStringLiteral("INTEGER DEFAULT 0")) ||
            !execute(QStringLiteral("UPDATE VERKLV SET KLV_ISRENTE=0")))
            return false;
    }
    if (!hasColumn(QStringLiteral("UHMAIN"), QStringLiteral("UHM_COUNSEL_YES"))) {
        if (!addColumn(QStringLiteral("UHMAIN"), QStringLiteral("UHM_COUNSEL_YES"), kLogical))
            return false;
        if (!hasColumn(QStringLiteral("UHMAIN"), QStringLiteral("UHM_COUNSEL_NO")) &&
            !addColumn(QStringLiteral("UHMAIN"), QStringLiteral("UHM_COUNSEL_NO"), kLogical))
            return false;
        // Every stored claim answers the new question with no.
        if (!execute(QStringLiteral("UPDATE UHMAIN SET UHM_COUNSEL_YES=?, UHM_COUNSEL_NO=?"), {false, true}))
            return false;
    } else if (!hasColumn(QStringLiteral("UHMAIN"), QStringLiteral("UHM_COUNSEL_NO"))) {
        // A database left with only half of the pair: the stored answers stand, and what is not yes is no.
        if (!addColumn(QStringLiteral("UHMAIN"), QStringLiteral("UHM_COUNSEL_NO"), kLogical) ||
            !execute(QStringLiteral("UPDATE UHMAIN SET UHM_COUNSEL_NO=NOT UHM_COUNSEL_YES")))
            return false;
    }
    if (!hasColumn(QStringLiteral("PERSON"), QStringLiteral("PRS_AZUBI_PROF"))) {
        if (!addColumn(QStringLiteral("PERSON"), QStringLiteral("PRS_AZUBI_PROF"), kLogical) ||
            !execute(QStringLiteral("UPDATE PERSON SET PRS_AZUBI_PROF=?"), {false}))
            return false;
    }
    if (!hasColumn(QStringLiteral("PERSON"), QStringLiteral("PRS_KV_NO_PKV_RV"))) {
        if (!addColumn(QStringLiteral("PERSON"), QStringLiteral("PRS_KV_NO_PKV_RV"), kLogical) ||
            !execute(QStringLiteral("UPDATE PERSON SET PRS_KV_NO_PKV_RV=?"), {false}))
            return false;
    }
    const QVariant dummy =
        selectValue(QStringLiteral("SELECT PRS_IDENT FROM PERSON WHERE PRS_IDENT=?"), {QStringLiteral("DUMMY")});
    if (readText(dummy) != QLatin1String("DUMMY")) {
        if (!execute(QStringLiteral("INSERT INTO PERSON (PRS_IDENT,PRS_INDEX_MAINHEADER,PRS_TYPE,PRS_NUMBER) "
                                    "VALUES (?, ?, ?, ?)"),
                     {QStringLiteral("DUMMY"), QStringLiteral("DUMMY"), -1, -1}) ||
            !execute(QStringLiteral("UPDATE PERSON SET PRS_FAMILY_LEDIG=?, PRS_STATE_GR=?, PRS_ASYL_NO=?, "
                                    "PRS_WORK_YES=?, PRS_AZUBI_NO=?, PRS_OUTDOR_NO=?, PRS_KV_YES=?, "
                                    "PRS_SPLIT_NO=?, PRS_23_YES=?, PRS_RV_YES=?, PRS_RV_YES_RVBUND=?, "
                                    "PRS_ISDUMMY=? WHERE PRS_IDENT=?"),
                     {false, false, false, false, false, false, false, false, false, false, false, true,
                      QStringLiteral("DUMMY")}))
            return false;
    }
    for (const AddedTable& table : kAddedTables) {
        if (!execute(QString::fromLatin1(table.create)) || !execute(QString::fromLatin1(table.index)))
            return false;
    }
    if (selectValue(QStringLiteral("PRAGMA user_version")).toInt() < kDictionaryVersion &&
        !execute(QStringLiteral("PRAGMA user_version = %1").arg(kDictionaryVersion)))
        return false;
    return true;
}

} // namespace

bool upgradeSchema() { return inTransaction(upgradeSteps); }

} // namespace store
