#pragma once

#include "Catalogue.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <kainjow/mustache.hpp>

class QSqlRecord;

namespace printing {

// One row of a data set as the templates see it: every column of its statement, already formatted
// (texts trimmed, money "1.234,56", dates "dd.MM.yyyy", NULL empty; LOGICAL columns as bool).
struct Row {
    QStringList columns;
    QVariantList values; // QString, or bool for LOGICAL columns
    QString text(const QString& column) const;
};

struct DataSet {
    QString name;
    QList<Row> rows;
};

// The values a statement's binds take for one copy.
struct BindValues {
    QString application;
    QStringList slotPersons; // three person identifiers, padded with "DUMMY"
    QString rowPerson;
    QString rowOther;
    QString owner;
};

// Runs the statements of the data sets and formats their rows. Column types come from the database's
// own dictionary, read once.
class DataSetReader {
public:
    DataSetReader();
    // The rows of one statement; false with the engine's message in `error`.
    bool read(const Statement& statement, const BindValues& binds, QList<Row>* rows, QString* error);
    // The statement, and its fallback when the statement yields no row.
    bool fill(const DataSetSpec& spec, const BindValues& binds, DataSet* set, QString* error);

private:
    Row format(const QSqlRecord& record) const;
    QHash<QString, QString> m_types; // column -> declared type (upper case)
};

// The bound values of a statement, in placeholder order.
QVariantList bindValues(const Statement& statement, const BindValues& binds);

// The identification box of every sheet: KOPF_ANTRAG, KOPF_DATUM, KOPF_NUMMER, KOPF_DIENSTSTELLE,
// KOPF_ANTRAGSTELLER ("Name, Vorname" of the applicant).
bool readKopf(const QString& application, Row* kopf, QString* error);

// The context of one copy: exactly these data sets (each a list of rows with `_NR`), and `Kopf`.
kainjow::mustache::data makeContext(const QList<DataSet>& sets, const Row& kopf);

// "Name, Vorname" as the owner columns and the identification box write it.
QString ownerName(const QString& name, const QString& firstName);

} // namespace printing
