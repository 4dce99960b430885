#include "Transfer.h"

#include "Schema.h"
#include "Sql.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QSqlRecord>

namespace store {

namespace {

const QString kFormat = QStringLiteral("velmora-application");
constexpr int kVersion = 1;

QStringList applicationTables()
{
    QStringList tables;
    Rows rows = select(QStringLiteral("SELECT name FROM sqlite_master WHERE type='table' ORDER BY name"));
    while (rows.next())
        tables << rows.text(QStringLiteral("name"));
    return tables;
}

struct ColumnInfo {
    QString name;
    QString type;
    bool primaryKey = false;
};

QList<ColumnInfo> columnInfo(const QString& table)
{
    QList<ColumnInfo> columns;
    Rows rows = select(QStringLiteral("SELECT name, type, pk FROM pragma_table_info(?) ORDER BY cid"), {table});
    while (rows.next())
        columns.append({rows.text(QStringLiteral("name")), rows.text(QStringLiteral("type")).toUpper(),
                        rows.integer(QStringLiteral("pk")) > 0});
    return columns;
}

QString columnEndingWith(const QList<ColumnInfo>& columns, const QString& suffix)
{
    for (const ColumnInfo& c : columns)
        if (c.name.endsWith(suffix))
            return c.name;
    return {};
}

// How the rows of a table are tied to an application: the WHERE clause with one `?` for its identifier.
QString ownershipCondition(const QString& table, const QList<ColumnInfo>& columns)
{
    if (table == QLatin1String("MAINHEADER"))
        return QStringLiteral("BDG_IDENT=?");
    const QString application = columnEndingWith(columns, QStringLiteral("_INDEX_MAINHEADER"));
    if (!application.isEmpty())
        return application + QStringLiteral("=?");
    const QString person = columnEndingWith(columns, QStringLiteral("_INDEX_PERSON"));
    if (!person.isEmpty())
        return person + QStringLiteral(" IN (SELECT PRS_IDENT FROM PERSON WHERE PRS_INDEX_MAINHEADER=?)");
    return {};
}

QJsonValue toJson(const QVariant& v, const QString& type)
{
    if (v.isNull())
        return QJsonValue::Null;
    if (type.startsWith(QLatin1String("BOOLEAN")))
        return v.toBool();
    if (type == QLatin1String("INTEGER"))
        return v.toLongLong();
    if (type == QLatin1String("DOUBLE"))
        return v.toDouble();
    return v.toString();
}

QVariant fromJson(const QJsonValue& v, const QString& type)
{
    if (v.isNull() || v.isUndefined())
        return QVariant(QMetaType(QMetaType::QString));
    if (type.startsWith(QLatin1String("BOOLEAN")))
        return v.toBool();
    if (type == QLatin1String("INTEGER"))
        return static_cast<qlonglong>(v.toDouble());
    if (type == QLatin1String("DOUBLE"))
        return v.toDouble();
    return v.isString() ? v.toString() : v.toVariant().toString();
}

QString applicationIdent(const QString& name)
{
    return readText(selectValue(QStringLiteral("SELECT BDG_IDENT FROM MAINHEADER WHERE BDG_SIGN=?"), {name}));
}

} // namespace

bool exportApplication(const QString& name, QByteArray* json, QString* error)
{
    const QString ident = applicationIdent(name);
    if (ident.isEmpty()) {
        *error = QStringLiteral("Es gibt keinen Antrag mit dem Namen \"%1\".").arg(name);
        return false;
    }
    QJsonObject tables;
    for (const QString& table : applicationTables()) {
        const QList<ColumnInfo> columns = columnInfo(table);
        const QString condition = ownershipCondition(table, columns);
        if (condition.isEmpty())
            continue;
        QJsonArray list;
        Rows rows = select(QStringLiteral("SELECT * FROM %1 WHERE %2 ORDER BY rowid").arg(table, condition), {ident});
        if (!rows.ok()) {
            *error = QStringLiteral("Die Tabelle %1 kann nicht gelesen werden.").arg(table);
            return false;
        }
        while (rows.next()) {
            QJsonObject row;
            for (const ColumnInfo& c : columns)
                row.insert(c.name, toJson(rows.value(c.name), c.type));
            list.append(row);
        }
        if (!list.isEmpty())
            tables.insert(table, list);
    }
    QJsonObject document{{QStringLiteral("format"), kFormat}, {QStringLiteral("version"), kVersion},
                         {QStringLiteral("tables"), tables}};
    *json = QJsonDocument(document).toJson(QJsonDocument::Indented);
    return true;
}

bool importApplication(const QByteArray& json, QString* name, QString* error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        *error = QStringLiteral("Die Datei ist kein gültiges JSON: %1").arg(parseError.errorString());
        return false;
    }
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("format")).toString() != kFormat ||
        root.value(QStringLiteral("version")).toInt() != kVersion) {
        *error = QStringLiteral("Die Datei ist kein Velmora-Antrag (format \"%1\", version %2 erwartet).")
                     .arg(kFormat)
                     .arg(kVersion);
        return false;
    }
    const QJsonObject tables = root.value(QStringLiteral("tables")).toObject();
    const QJsonArray headers = tables.value(QStringLiteral("MAINHEADER")).toArray();
    if (headers.size() != 1) {
        *error = QStringLiteral("Die Datei muss genau eine Zeile der Tabelle MAINHEADER enthalten.");
        return false;
    }
    const QString sign = headers.first().toObject().value(QStringLiteral("BDG_SIGN")).toString().trimmed();
    const QString ident = headers.first().toObject().value(QStringLiteral("BDG_IDENT")).toString().trimmed();
    if (sign.isEmpty() || ident.isEmpty()) {
        *error = QStringLiteral("Dem Antrag fehlen Name (BDG_SIGN) oder Kennung (BDG_IDENT).");
        return false;
    }
    if (!applicationIdent(sign).isEmpty()) {
        *error = QStringLiteral("Ein Antrag mit dem Namen \"%1\" existiert bereits.").arg(sign);
        return false;
    }

    const QStringList known = applicationTables();
    // Check everything before writing anything, so a refusal leaves the database as it was.
    for (auto it = tables.begin(); it != tables.end(); ++it) {
        if (!known.contains(it.key()) || it.key() == QLatin1String("USERS")) {
            *error = QStringLiteral("Unbekannte Tabelle \"%1\".").arg(it.key());
            return false;
        }
        const QList<ColumnInfo> columns = columnInfo(it.key());
        QSet<QString> names;
        QString keyColumn;
        for (const ColumnInfo& c : columns) {
            names.insert(c.name);
            if (c.primaryKey)
                keyColumn = c.name;
        }
        if (!it.value().isArray()) {
            *error = QStringLiteral("Die Tabelle \"%1\" ist keine Liste von Zeilen.").arg(it.key());
            return false;
        }
        for (const QJsonValue& rowValue : it.value().toArray()) {
            const QJsonObject row = rowValue.toObject();
            for (auto c = row.begin(); c != row.end(); ++c) {
                if (!names.contains(c.key())) {
                    *error = QStringLiteral("Unbekannte Spalte \"%1\" in Tabelle \"%2\".").arg(c.key(), it.key());
                    return false;
                }
            }
            if (!keyColumn.isEmpty()) {
                const QString key = row.value(keyColumn).toString();
                if (!selectValue(QStringLiteral("SELECT 1 FROM %1 WHERE %2=?").arg(it.key(), keyColumn), {key})
                         .isNull()) {
                    *error = QStringLiteral("Die Kennung %1 (Tabelle %2) existiert bereits.").arg(key, it.key());
                    return false;
                }
            }
        }
    }

    QString failure;
    const bool ok = inTransaction(
        [&] {
            for (auto it = tables.begin(); it != tables.end(); ++it) {
                QHash<QString, QString> types;
                for (const ColumnInfo& c : columnInfo(it.key()))
                    types.insert(c.name, c.type);
                for (const QJsonValue& rowValue : it.value().toArray()) {
                    const QJsonObject row = rowValue.toObject();
                    QStringList columns;
                    Values values;
                    for (auto c = row.begin(); c != row.end(); ++c) {
                        columns << quoteIdentifier(c.key());
                        values << fromJson(c.value(), types.value(c.key()));
                    }
                    const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                            .arg(it.key(), columns.join(QLatin1Char(',')),
                                                 QStringList(columns.size(), QStringLiteral("?")).join(QLatin1Char(',')));
                    if (!execute(sql, values, OnError::Ignore)) {
                        failure = QStringLiteral("Eine Zeile der Tabelle %1 kann nicht eingefügt werden.").arg(it.key());
                        return false;
                    }
                }
            }
            return true;
        },
        OnError::Ignore);
    if (!ok) {
        *error = failure.isEmpty() ? QStringLiteral("Der Antrag konnte nicht gespeichert werden.") : failure;
        return false;
    }
    *name = sign;
    return true;
}

} // namespace store
