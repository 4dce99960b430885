#include "Transfer.h"

#include "Schema.h"
#include "ServerObjects.h"
#include "Sql.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QSqlRecord>

#include <cmath>
#include <optional>

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

namespace {

// The longest application name the dialogs accept.
constexpr int kMaxNameLength = 50;
// Far beyond any real amount, small enough that sums of many of them stay exact to the cent.
constexpr double kMaxAmount = 1e12;

// A row of the file that cannot be taken as it is: the place and the reason.
struct Refusal {
    QString message;
};

QString where(const QString& table, int row, const QString& column)
{
    return QStringLiteral("Tabelle %1, Zeile %2, Spalte %3").arg(table).arg(row + 1).arg(column);
}

// The value of one column as it is written, or a refusal when it does not fit the column's type.
std::optional<QVariant> columnValue(const QJsonValue& v, const QString& type, QString* reason)
{
    if (v.isNull() || v.isUndefined()) {
        if (type.startsWith(QLatin1String("BOOLEAN"))) {
            *reason = QStringLiteral("erwartet true oder false");
            return std::nullopt;
        }
        return QVariant(QMetaType(QMetaType::QString));
    }
    if (type.startsWith(QLatin1String("BOOLEAN"))) {
        if (!v.isBool()) {
            *reason = QStringLiteral("erwartet true oder false");
            return std::nullopt;
        }
        return v.toBool();
    }
    if (type == QLatin1String("INTEGER")) {
        const double d = v.toDouble();
        if (!v.isDouble() || !std::isfinite(d) || d != std::trunc(d) || std::abs(d) > 2147483647.0) {
            *reason = QStringLiteral("erwartet eine ganze Zahl");
            return std::nullopt;
        }
        return static_cast<qlonglong>(d);
    }
    if (type == QLatin1String("DOUBLE")) {
        const double d = v.toDouble();
        if (!v.isDouble() || !std::isfinite(d) || std::abs(d) > kMaxAmount) {
            *reason = QStringLiteral("erwartet eine Zahl bis %1").arg(kMaxAmount, 0, 'g', 3);
            return std::nullopt;
        }
        return d;
    }
    if (!v.isString()) {
        *reason = QStringLiteral("erwartet einen Text");
        return std::nullopt;
    }
    const QString text = v.toString();
    if (text.contains(QChar(0))) {
        *reason = QStringLiteral("enthält ein Nullzeichen");
        return std::nullopt;
    }
    if (type == QLatin1String("DATE")) {
        const QDate date = QDate::fromString(text, Qt::ISODate);
        if (text.size() != 10 || !date.isValid()) {
            *reason = QStringLiteral("erwartet ein Datum der Form JJJJ-MM-TT, nicht \"%1\"").arg(text.left(40));
            return std::nullopt;
        }
    }
    return text;
}

// The rows of the file checked and converted, table by table, ready to be inserted.
struct PreparedRow {
    QStringList columns;
    Values values;
};
using PreparedTables = QList<std::pair<QString, QList<PreparedRow>>>;

class ImportCheck {
public:
    ImportCheck(const QJsonObject& tables, const QString& application) : m_tables(tables), m_application(application) {}

    // Checks every row of every table; the first fault ends the check with its message.
    bool run(PreparedTables* prepared, QString* error);

private:
    bool collectKeys(QString* error);
    bool checkReference(const QString& table, int row, const QString& column, const QString& value, QString* error) const;

    const QJsonObject& m_tables;
    const QString m_application;
    QSet<QString> m_persons;     // PRS_IDENT of the file's persons
    QSet<QString> m_keys;        // every row key of the file
    const QStringList m_known = applicationTables();
};

bool ImportCheck::collectKeys(QString* error)
{
    for (auto it = m_tables.begin(); it != m_tables.end(); ++it) {
        if (!m_known.contains(it.key()) || it.key() == QLatin1String("USERS")) {
            *error = QStringLiteral("Unbekannte Tabelle \"%1\".").arg(it.key());
            return false;
        }
        const QList<ColumnInfo> columns = columnInfo(it.key());
        if (ownershipCondition(it.key(), columns).isEmpty()) {
            *error = QStringLiteral("Die Tabelle \"%1\" gehört zu keinem Antrag und kann nicht übernommen werden.")
                         .arg(it.key());
            return false;
        }
        if (!it.value().isArray()) {
            *error = QStringLiteral("Die Tabelle \"%1\" ist keine Liste von Zeilen.").arg(it.key());
            return false;
        }
        QString keyColumn;
        for (const ColumnInfo& c : columns)
            if (c.primaryKey)
                keyColumn = c.name;
        QSet<QString> tableKeys;
        const QJsonArray rows = it.value().toArray();
        for (int r = 0; r < rows.size(); ++r) {
            if (!rows.at(r).isObject()) {
                *error = QStringLiteral("Tabelle %1, Zeile %2: keine Zeile mit Spalten.").arg(it.key()).arg(r + 1);
                return false;
            }
            const QJsonValue keyValue = rows.at(r).toObject().value(keyColumn);
            const QString key = keyValue.toString();
            if (!keyValue.isString() || !TMainObject::IsRowIdent(key) || key == TMainObject::UnbornChildIdent()) {
                *error = QStringLiteral("%1: \"%2\" ist keine Kennung der Form {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}.")
                             .arg(where(it.key(), r, keyColumn), keyValue.isString() ? key.left(40) : QString());
                return false;
            }
            if (tableKeys.contains(key)) {
                *error = QStringLiteral("%1: die Kennung %2 kommt in der Datei mehrfach vor.")
                             .arg(where(it.key(), r, keyColumn), key);
                return false;
            }
            tableKeys.insert(key);
            if (!selectValue(QStringLiteral("SELECT 1 FROM %1 WHERE %2=?").arg(it.key(), quoteIdentifier(keyColumn)),
                             {key})
                     .isNull()) {
                *error = QStringLiteral("Die Kennung %1 (Tabelle %2) existiert bereits.").arg(key, it.key());
                return false;
            }
            if (it.key() == QLatin1String("PERSON"))
                m_persons.insert(key);
        }
        m_keys.unite(tableKeys);
    }
    return true;
}

// A reference must stay inside the imported application.
bool ImportCheck::checkReference(const QString& table, int row, const QString& column, const QString& value,
                                 QString* error) const
{
    const QString ref = value.trimmed();
    if (column.endsWith(QLatin1String("_INDEX_MAINHEADER"))) {
        if (ref == m_application)
            return true;
        *error = QStringLiteral("%1: die Zeile gehört nicht zum übernommenen Antrag %2 (\"%3\").")
                     .arg(where(table, row, column), m_application, ref.left(40));
        return false;
    }
    if (column.endsWith(QLatin1String("_INDEX_PERSON"))) {
        const bool viaPersonOnly =
            columnEndingWith(columnInfo(table), QStringLiteral("_INDEX_MAINHEADER")).isEmpty();
        // A person pick left empty is harmless where the row belongs to the application through its own
        // column; a row that belongs to it only through the person needs that person.
        if (ref.isEmpty() && !viaPersonOnly)
            return true;
        if (m_persons.contains(ref) || ref == m_application ||
            (table == QLatin1String("Z92UH") && ref == TMainObject::UnbornChildIdent()))
            return true;
        *error = QStringLiteral("%1: \"%2\" ist keine Person des übernommenen Antrags.")
                     .arg(where(table, row, column), ref.left(40));
        return false;
    }
    if (column.endsWith(QLatin1String("_INDEX_USER")))
        return true;
    // Any other reference names a row of the same file.
    if (ref.isEmpty() || m_keys.contains(ref))
        return true;
    *error = QStringLiteral("%1: \"%2\" verweist auf keine Zeile des übernommenen Antrags.")
                 .arg(where(table, row, column), ref.left(40));
    return false;
}

bool ImportCheck::run(PreparedTables* prepared, QString* error)
{
    if (!collectKeys(error))
        return false;
    for (auto it = m_tables.begin(); it != m_tables.end(); ++it) {
        const QString& table = it.key();
        const QList<ColumnInfo> columns = columnInfo(table);
        QHash<QString, QString> types;
        for (const ColumnInfo& c : columns)
            types.insert(c.name, c.type);
        // A row without the column that ties it to the application would belong to no application at all.
        QString ownerColumn = columnEndingWith(columns, QStringLiteral("_INDEX_MAINHEADER"));
        if (ownerColumn.isEmpty())
            ownerColumn = columnEndingWith(columns, QStringLiteral("_INDEX_PERSON"));
        const QJsonArray rows = it.value().toArray();
        QList<PreparedRow> list;
        for (int r = 0; r < rows.size(); ++r) {
            const QJsonObject row = rows.at(r).toObject();
            if (!ownerColumn.isEmpty() && !row.contains(ownerColumn)) {
                *error = QStringLiteral("%1: die Kennung des Antrags oder der Person fehlt.")
                             .arg(where(table, r, ownerColumn));
                return false;
            }
            PreparedRow prepared;
            for (auto c = row.begin(); c != row.end(); ++c) {
                if (!types.contains(c.key())) {
                    *error = QStringLiteral("Unbekannte Spalte \"%1\" in Tabelle \"%2\".").arg(c.key(), table);
                    return false;
                }
                QString reason;
                const std::optional<QVariant> value = columnValue(c.value(), types.value(c.key()), &reason);
                if (!value) {
                    *error = QStringLiteral("%1: %2.").arg(where(table, r, c.key()), reason);
                    return false;
                }
                if (c.key().contains(QLatin1String("_INDEX_")) &&
                    !checkReference(table, r, c.key(), readText(*value), error))
                    return false;
                prepared.columns << quoteIdentifier(c.key());
                prepared.values << *value;
            }
            if (table == QLatin1String("PERSON")) {
                const QJsonValue type = row.value(QStringLiteral("PRS_TYPE"));
                if (!type.isDouble() || (type.toInt(-1) != 0 && type.toInt(-1) != 1 && type.toInt(-1) != 2)) {
                    *error = QStringLiteral("%1: erwartet 0, 1 oder 2.").arg(where(table, r, QStringLiteral("PRS_TYPE")));
                    return false;
                }
                if (row.value(QStringLiteral("PRS_ISDUMMY")).toBool()) {
                    *error = QStringLiteral("%1: der Platzhalter wird nicht übernommen.")
                                 .arg(where(table, r, QStringLiteral("PRS_ISDUMMY")));
                    return false;
                }
            }
            list.append(prepared);
        }
        prepared->append({table, list});
    }
    return true;
}

} // namespace

bool importApplication(const QByteArray& json, QString* name, QString* error)
{
    if (json.size() > kMaxImportBytes) {
        *error = QStringLiteral("Die Datei ist größer als %1 MB und wird nicht übernommen.").arg(kMaxImportBytes >> 20);
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        *error = QStringLiteral("Die Datei ist kein gültiges JSON: %1").arg(parseError.errorString());
        return false;
    }
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("format")).toString() != kFormat ||
        root.value(QStringLiteral("version")).toInt() != kVersion || !root.value(QStringLiteral("tables")).isObject()) {
        *error = QStringLiteral("Die Datei ist kein Velmora-Antrag (format \"%1\", version %2 erwartet).")
                     .arg(kFormat)
                     .arg(kVersion);
        return false;
    }
    const QJsonObject tables = root.value(QStringLiteral("tables")).toObject();
    const QJsonArray headers = tables.value(QStringLiteral("MAINHEADER")).toArray();
    if (headers.size() != 1 || !headers.first().isObject()) {
        *error = QStringLiteral("Die Datei muss genau eine Zeile der Tabelle MAINHEADER enthalten.");
        return false;
    }
    const QJsonObject header = headers.first().toObject();
    if (!header.value(QStringLiteral("BDG_SIGN")).isString() || !header.value(QStringLiteral("BDG_IDENT")).isString()) {
        *error = QStringLiteral("Dem Antrag fehlen Name (BDG_SIGN) oder Kennung (BDG_IDENT).");
        return false;
    }
    const QString sign = header.value(QStringLiteral("BDG_SIGN")).toString().trimmed();
    const QString ident = header.value(QStringLiteral("BDG_IDENT")).toString();
    if (sign.isEmpty() || ident.isEmpty()) {
        *error = QStringLiteral("Dem Antrag fehlen Name (BDG_SIGN) oder Kennung (BDG_IDENT).");
        return false;
    }
    if (sign.size() > kMaxNameLength) {
        *error = QStringLiteral("Tabelle MAINHEADER, Zeile 1, Spalte BDG_SIGN: der Name ist länger als %1 Zeichen.")
                     .arg(kMaxNameLength);
        return false;
    }
    if (!applicationIdent(sign).isEmpty()) {
        *error = QStringLiteral("Ein Antrag mit dem Namen \"%1\" existiert bereits.").arg(sign);
        return false;
    }

    // Check everything before writing anything, so a refusal leaves the database as it was.
    PreparedTables prepared;
    if (!ImportCheck(tables, ident).run(&prepared, error))
        return false;

    QString failure;
    const bool ok = inTransaction(
        [&] {
            for (const auto& [table, rows] : prepared) {
                for (const PreparedRow& row : rows) {
                    const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                            .arg(table, row.columns.join(QLatin1Char(',')),
                                                 QStringList(row.columns.size(), QStringLiteral("?")).join(QLatin1Char(',')));
                    if (!execute(sql, row.values, OnError::Ignore)) {
                        failure = QStringLiteral("Eine Zeile der Tabelle %1 kann nicht eingefügt werden.").arg(table);
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
