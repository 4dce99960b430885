#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The sheet catalogue: every printable sheet with its condition, its copies and the data sets that
// each copy fills. One table, read by the print engine, the dialog and the template lint test.
namespace printing {

// Where a bound value of a statement comes from.
enum class Bind {
    App,       // the application's identifier
    True,
    False,
    Dummy,     // the placeholder person "DUMMY"
    Slot0,     // the person slots of the copy (main form: the first three further persons; sheets
    Slot1,     //   18/19: the group of three of the copy)
    Slot2,
    RowPerson, // PRS_IDENT of the copy's row
    RowOther,  // Z92O_IDENT of the copy's row
    Owner,     // the person of a person checklist
};

struct Statement {
    QString sql;
    QList<Bind> binds;
    bool isEmpty() const { return sql.isEmpty(); }
};

struct DataSetSpec {
    QString name;
    Statement statement;
    // Run instead when the statement yields no row (the missing partner prints the placeholder).
    Statement fallback;
    // Filled from the copy's row of the row query before the copy's first template.
    bool perRow = false;
};

enum class Condition {
    Always,
    Flag,           // a LOGICAL column of the application's MAINHEADER row is true
    Income,         // some person has income
    FurtherPersons, // more than three further persons (the main form holds three)
    HasRow,         // the condition statement's first row has a non-empty first column
    RowQuery,       // the row query has a row
};

enum class Copies {
    Once,
    PerRow,       // once per row of the row query; once with empty row data sets when it has none
    PerRowTested, // once per row; no row: the message (in every mode) and nothing printed
    PerRowOnly,   // once per row; no row: nothing
    PersonGroups, // once per group of three further persons after the third (at least once)
};

struct TemplateSpec {
    QString base;
    // Produced only when this data set of the copy has a row (empty: always).
    QString onlyWithRowsOf;
};

struct Sheet {
    int number = 0;
    QString group;  // caption of the dialog's row
    QString button;
    QString groupKey; // the name of the row's "Alles" on the command line
    QList<TemplateSpec> templates;
    Condition condition = Condition::Always;
    QString flag;               // Condition::Flag
    Statement conditionQuery;   // Condition::HasRow
    QString messageName;        // the name in "Dieses Zusatzblatt (…) wird … nicht benötigt!"
    Copies copies = Copies::Once;
    QString rowQuery;           // the data set that is the row query
    QList<DataSetSpec> dataSets;
};

// Sheets 1 to 37 in the order "Komplett" produces them.
const QList<Sheet>& catalogue();
// Nullptr for a number outside 1 to 37.
const Sheet* sheetByNumber(int number);

// The checklists, rendered by the same engine: the household list and the person list.
const Sheet& householdChecklist();
const Sheet& personChecklist();

// Every template base name the program reads, each once.
QStringList templateBases();

// The command line's names of the dialog's rows, in the dialog's order.
QStringList groupKeys();
// The sheets of a row's "Alles"; empty for an unknown name.
QList<int> groupSheets(const QString& key);

// "1-6,9,14": the numbers in catalogue order, each once; false with a German message when the list
// is malformed or names a sheet outside 1 to 37.
bool parseSheetList(const QString& text, QList<int>* numbers, QString* error);

// "Dieses Zusatzblatt ("Einkommen") wird gemäß Ihren Angaben nicht benötigt!"
QString notNeededMessage(const Sheet& sheet);

// The fixed identifier of the unborn child in the claims tables.
QString unbornChildIdent();

} // namespace printing
