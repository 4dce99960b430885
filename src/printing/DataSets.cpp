#include "DataSets.h"

#include "Formats.h"
#include "Sql.h"

#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

namespace printing {

namespace {

std::string utf8(const QString& s) { return s.toStdString(); }

QString engineError(const QSqlQuery& q) {
    return QStringLiteral("Fehler beim Zugriff auf die Datenbank:\n") + q.lastError().text();
}

} // namespace

QString Row::text(const QString& column) const {
    const qsizetype i = columns.indexOf(column);
    return i < 0 ? QString() : values.at(i).toString();
}

QString ownerName(const QString& name, const QString& firstName) {
    return name.trimmed() + QStringLiteral(", ") + firstName.trimmed();
}

QVariantList bindValues(const Statement& statement, const BindValues& binds) {
    QVariantList values;
    for (Bind b : statement.binds) {
        switch (b) {
        case Bind::App: values << binds.application; break;
        case Bind::True: values << true; break;
        case Bind::False: values << false; break;
        case Bind::Dummy: values << QStringLiteral("DUMMY"); break;
        case Bind::Slot0: values << binds.slotPersons.value(0, QStringLiteral("DUMMY")); break;
        case Bind::Slot1: values << binds.slotPersons.value(1, QStringLiteral("DUMMY")); break;
        case Bind::Slot2: values << binds.slotPersons.value(2, QStringLiteral("DUMMY")); break;
        case Bind::RowPerson: values << binds.rowPerson; break;
        case Bind::RowOther: values << binds.rowOther; break;
        case Bind::Owner: values << binds.owner; break;
        }
    }
    return values;
}

DataSetReader::DataSetReader() {
    store::Rows tables = store::select(QStringLiteral("SELECT name FROM sqlite_master WHERE type='table'"), {},
                                       store::OnError::Ignore);
    QStringList names;
    while (tables.next())
        names << tables.text(QStringLiteral("name"));
    for (const QString& table : names) {
        store::Rows info = store::select(QStringLiteral("PRAGMA table_info(%1)").arg(store::quoteIdentifier(table)),
                                         {}, store::OnError::Ignore);
        while (info.next())
            m_types.insert(info.text(QStringLiteral("name")), info.text(QStringLiteral("type")).toUpper());
    }
}

Row DataSetReader::format(const QSqlRecord& record) const {
    Row row;
    for (int i = 0; i < record.count(); ++i) {
        const QString column = record.fieldName(i);
        const QVariant v = record.value(i);
        const QString type = m_types.value(column);
        QVariant shown;
        if (type == QLatin1String("BOOLEAN"))
            shown = v.toBool();
        else if (v.isNull())
            shown = QString();
        else if (type == QLatin1String("DATE"))
            shown = store::formatDate(store::readDate(v));
        else if (type == QLatin1String("DOUBLE") || (type.isEmpty() && v.typeId() == QMetaType::Double))
            shown = store::formatAmount(store::readAmount(v));
        else
            shown = store::readText(v);
        row.columns << column;
        row.values << shown;
    }
    // The unborn child has no person row; the claims it has are printed under this name.
    const qsizetype child = row.columns.indexOf(QStringLiteral("Z92U_INDEX_PERSON"));
    const qsizetype name = row.columns.indexOf(QStringLiteral("PRS_NAME"));
    if (child >= 0 && name >= 0 && row.values.at(child).toString() == unbornChildIdent() &&
        row.text(QStringLiteral("PRS_IDENT")).isEmpty())
        row.values[name] = QStringLiteral("noch ungeboren");
    return row;
}

bool DataSetReader::read(const Statement& statement, const BindValues& binds, QList<Row>* rows, QString* error) {
    store::Rows result = store::select(statement.sql, bindValues(statement, binds), store::OnError::Ignore);
    if (!result.ok()) {
        *error = engineError(result.query());
        return false;
    }
    rows->clear();
    while (result.next())
        rows->append(format(result.query().record()));
    if (result.query().lastError().isValid()) {
        *error = engineError(result.query());
        return false;
    }
    return true;
}

bool DataSetReader::fill(const DataSetSpec& spec, const BindValues& binds, DataSet* set, QString* error) {
    set->name = spec.name;
    if (!read(spec.statement, binds, &set->rows, error))
        return false;
    const bool empty = set->rows.isEmpty() || set->rows.first().values.value(0).toString().isEmpty();
    if (empty && !spec.fallback.isEmpty())
        return read(spec.fallback, binds, &set->rows, error);
    return true;
}

bool readKopf(const QString& application, Row* kopf, QString* error) {
    store::Rows header = store::select(
        QStringLiteral("SELECT BDG_SIGN, BDG_DATE, BDG_NUMBER, BDG_OFFICENAME FROM MAINHEADER WHERE BDG_IDENT=?"),
        {application}, store::OnError::Ignore);
    if (!header.ok()) {
        *error = engineError(header.query());
        return false;
    }
    const bool found = header.next();
    store::Rows person = store::select(QStringLiteral("SELECT PRS_NAME, PRS_VNAME FROM PERSON WHERE "
                                                      "PRS_INDEX_MAINHEADER=? AND PRS_TYPE=0 ORDER BY PRS_NUMBER"),
                                       {application}, store::OnError::Ignore);
    if (!person.ok()) {
        *error = engineError(person.query());
        return false;
    }
    const bool hasApplicant = person.next();
    kopf->columns = QStringList{QStringLiteral("KOPF_ANTRAG"), QStringLiteral("KOPF_DATUM"),
                                QStringLiteral("KOPF_NUMMER"), QStringLiteral("KOPF_DIENSTSTELLE"),
                                QStringLiteral("KOPF_ANTRAGSTELLER")};
    kopf->values = QVariantList{
        found ? header.text(QStringLiteral("BDG_SIGN")) : QString(),
        found ? store::formatDate(header.date(QStringLiteral("BDG_DATE"))) : QString(),
        found ? header.text(QStringLiteral("BDG_NUMBER")) : QString(),
        found ? header.text(QStringLiteral("BDG_OFFICENAME")) : QString(),
        hasApplicant ? ownerName(person.text(QStringLiteral("PRS_NAME")), person.text(QStringLiteral("PRS_VNAME")))
                     : QString()};
    return true;
}

namespace {

kainjow::mustache::data object(const Row& row) {
    kainjow::mustache::data o{kainjow::mustache::data::type::object};
    for (qsizetype i = 0; i < row.columns.size(); ++i) {
        const QVariant& v = row.values.at(i);
        if (v.typeId() == QMetaType::Bool)
            o.set(utf8(row.columns.at(i)), v.toBool() ? kainjow::mustache::data::type::bool_true
                                                       : kainjow::mustache::data::type::bool_false);
        else
            o.set(utf8(row.columns.at(i)), utf8(v.toString()));
    }
    return o;
}

} // namespace

kainjow::mustache::data makeContext(const QList<DataSet>& sets, const Row& kopf) {
    kainjow::mustache::data context{kainjow::mustache::data::type::object};
    for (const DataSet& set : sets) {
        kainjow::mustache::data list{kainjow::mustache::data::type::list};
        int number = 0;
        for (const Row& row : set.rows) {
            kainjow::mustache::data o = object(row);
            o.set("_NR", std::to_string(++number));
            list.push_back(o);
        }
        context.set(utf8(set.name), list);
    }
    context.set("Kopf", object(kopf));
    return context;
}

} // namespace printing
