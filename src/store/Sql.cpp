#include "Sql.h"

#include "Messages.h"
#include "ServerObjects.h"

#include <QSqlError>

namespace store {

namespace {

QSqlDatabase db() { return MainObject ? MainObject->Connection() : QSqlDatabase(); }

QString& lastError()
{
    static QString text;
    return text;
}

bool prepareAndRun(QSqlQuery& q, const QString& sql, const Values& values, OnError onError)
{
    q.setForwardOnly(true);
    bool ok = q.prepare(sql);
    if (ok) {
        for (int i = 0; i < values.size(); ++i)
            q.bindValue(i, values.at(i));
        ok = q.exec();
    }
    if (!ok) {
        lastError() = q.lastError().text();
        if (onError == OnError::Report)
            reportDatabaseError(lastError());
    }
    return ok;
}

int loadingDepth = 0;
int loadWriteDepth = 0;
bool strictLoading = false;

// Whether a statement changes data (transaction control and reads do not).
bool changesData(const QString& sql)
{
    const QString verb = sql.trimmed().section(QLatin1Char(' '), 0, 0).toUpper();
    static const QStringList writes = {QStringLiteral("INSERT"), QStringLiteral("UPDATE"),
                                       QStringLiteral("DELETE"), QStringLiteral("REPLACE"),
                                       QStringLiteral("CREATE"), QStringLiteral("DROP"),
                                       QStringLiteral("ALTER")};
    return writes.contains(verb);
}

bool refusedWhileLoading(const QString& sql)
{
    if (loadingDepth == 0 || loadWriteDepth > 0 || !changesData(sql))
        return false;
    if (strictLoading)
        qFatal("A statement that changes data ran while a page loads: %s", qPrintable(sql));
    qWarning("Refused while a page loads: %s", qPrintable(sql));
    return true;
}

} // namespace

bool isLoading() { return loadingDepth > 0; }
LoadScope::LoadScope() { ++loadingDepth; }
LoadScope::~LoadScope() { --loadingDepth; }
LoadWrite::LoadWrite() { ++loadWriteDepth; }
LoadWrite::~LoadWrite() { --loadWriteDepth; }
void setStrictLoading(bool strict) { strictLoading = strict; }

void reportDatabaseError(const QString& engineMessage)
{
    Messages::error(QStringLiteral("Fehler beim Zugriff auf die Datenbank:\n") + engineMessage);
}

bool execute(const QString& sql, const Values& values, OnError onError)
{
    if (refusedWhileLoading(sql))
        return false;
    QSqlQuery q(db());
    return prepareAndRun(q, sql, values, onError);
}

int executeCounted(const QString& sql, const Values& values, OnError onError)
{
    if (refusedWhileLoading(sql))
        return -1;
    QSqlQuery q(db());
    return prepareAndRun(q, sql, values, onError) ? q.numRowsAffected() : -1;
}

QString lastDatabaseError() { return lastError(); }

Rows select(const QString& sql, const Values& values, OnError onError)
{
    QSqlQuery q(db());
    const bool ok = prepareAndRun(q, sql, values, onError);
    return Rows(std::move(q), ok);
}

QVariant selectValue(const QString& sql, const Values& values, OnError onError)
{
    Rows rows = select(sql, values, onError);
    if (rows.ok() && rows.next())
        return rows.query().value(0);
    return {};
}

Rows::Rows(QSqlQuery query, bool ok) : m_query(std::move(query)), m_ok(ok) {}

bool Rows::next() { return m_ok && m_query.next(); }

QVariant Rows::value(const QString& column) const { return m_query.value(column); }

QString Rows::text(const QString& column) const { return readText(value(column)); }

bool Rows::flag(const QString& column) const { return value(column).toBool(); }

int Rows::integer(const QString& column) const { return value(column).toInt(); }

double Rows::amount(const QString& column) const { return readAmount(value(column)); }

QDate Rows::date(const QString& column) const { return readDate(value(column)); }

QString quoteIdentifier(const QString& name)
{
    if (name.startsWith(QLatin1Char('"')))
        return name;
    return QLatin1Char('"') + name + QLatin1Char('"');
}

QString readText(const QVariant& v) { return v.isNull() ? QString() : v.toString().trimmed(); }

double readAmount(const QVariant& v)
{
    bool ok = false;
    const double d = v.toDouble(&ok);
    return ok ? d : 0.0;
}

QDate readDate(const QVariant& v)
{
    if (v.isNull())
        return {};
    const QString s = v.toString().trimmed();
    if (s.isEmpty() || s == QLatin1String("0"))
        return {};
    return QDate::fromString(s.left(10), Qt::ISODate);
}

QVariant textValue(const QString& text) { return QVariant(text + QLatin1Char(' ')); }

QVariant dateValue(const QDate& date)
{
    return date.isValid() ? QVariant(date.toString(Qt::ISODate)) : QVariant(QMetaType(QMetaType::QString));
}

bool inTransaction(const std::function<bool()>& work, OnError onError)
{
    QSqlDatabase d = db();
    if (!d.transaction()) {
        if (onError == OnError::Report)
            reportDatabaseError(d.lastError().text());
        return false;
    }
    if (!work()) {
        d.rollback();
        return false;
    }
    if (d.commit())
        return true;
    // A failed commit loses the work: say so where failures are shown at all.
    if (onError == OnError::Report)
        reportDatabaseError(d.lastError().text());
    d.rollback();
    return false;
}

} // namespace store
