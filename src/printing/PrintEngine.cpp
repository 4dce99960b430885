#include "PrintEngine.h"

#include "Render.h"
#include "Sql.h"

#include <QSqlError>
#include <QTextDocument>
#include <algorithm>

namespace printing {

namespace {

const QString kDummy = QStringLiteral("DUMMY");

QStringList padded(const QStringList& identifiers, int from) {
    QStringList persons = identifiers.mid(from, 3);
    while (persons.size() < 3)
        persons << kDummy;
    return persons;
}

DataSet* findSet(QList<DataSet>& sets, const QString& name) {
    for (DataSet& s : sets)
        if (s.name == name)
            return &s;
    return nullptr;
}

QString labelOf(const Row& row) {
    if (row.columns.contains(QStringLiteral("Z92O_IDENT")))
        return ownerName(row.text(QStringLiteral("Z92O_NAME")), row.text(QStringLiteral("Z92O_VNAME")));
    return ownerName(row.text(QStringLiteral("PRS_NAME")), row.text(QStringLiteral("PRS_VNAME")));
}

} // namespace

PrintEngine::PrintEngine(PrintSink& sink, Mode mode, std::function<void(const QString&)> message)
    : m_sink(sink), m_mode(mode), m_message(std::move(message)) {}

bool PrintEngine::print(const QString& application, const QList<int>& sheets) {
    m_application = application;
    if (!readKopf(application, &m_kopf, &m_error))
        return false;
    QList<int> numbers = sheets;
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    for (int n : numbers) {
        const Sheet* sheet = sheetByNumber(n);
        if (!sheet) {
            m_error = QStringLiteral("Ein Blatt %1 gibt es nicht.").arg(n);
            return false;
        }
        if (!produce(*sheet))
            return false;
    }
    return true;
}

bool PrintEngine::printChecklist(const QString& application, const Sheet& checklist, const QString& owner) {
    m_application = application;
    if (!readKopf(application, &m_kopf, &m_error))
        return false;
    BindValues binds;
    binds.application = application;
    binds.owner = owner;
    QList<DataSet> sets;
    if (!fillSets(checklist, binds, false, &sets))
        return false;
    QString label;
    if (const DataSet* person = findSet(sets, QStringLiteral("frDBDataSet10")); person && !person->rows.isEmpty())
        label = labelOf(person->rows.first());
    return output(checklist, sets, label);
}

bool PrintEngine::finish() { return m_sink.finish(&m_error); }

bool PrintEngine::conditionHolds(const Sheet& sheet, bool* holds) {
    const auto count = [this](const QString& sql, const QVariantList& values, qlonglong* n) {
        store::Rows rows = store::select(sql, values, store::OnError::Ignore);
        if (!rows.ok()) {
            m_error = QStringLiteral("Fehler beim Zugriff auf die Datenbank:\n") + rows.query().lastError().text();
            return false;
        }
        *n = rows.next() ? rows.query().value(0).toLongLong() : 0;
        return true;
    };
    switch (sheet.condition) {
    case Condition::Always:
        *holds = true;
        return true;
    case Condition::Flag: {
        store::Rows rows = store::select(
            QStringLiteral("SELECT %1 FROM MAINHEADER WHERE BDG_IDENT=?").arg(store::quoteIdentifier(sheet.flag)),
            {m_application}, store::OnError::Ignore);
        if (!rows.ok()) {
            m_error = QStringLiteral("Fehler beim Zugriff auf die Datenbank:\n") + rows.query().lastError().text();
            return false;
        }
        *holds = rows.next() && rows.flag(sheet.flag);
        return true;
    }
    case Condition::Income: {
        qlonglong without = 0;
        qlonglong all = 0;
        if (!count(QStringLiteral("SELECT COUNT(*) FROM MAINMONEY WHERE MIP_INDEX_MAINHEADER=? AND MIP_HVAE_NO=?"),
                   {m_application, true}, &without) ||
            !count(QStringLiteral("SELECT COUNT(*) FROM MAINMONEY WHERE MIP_INDEX_MAINHEADER=?"), {m_application},
                   &all))
            return false;
        *holds = without != all;
        return true;
    }
    case Condition::FurtherPersons: {
        qlonglong further = 0;
        if (!count(QStringLiteral("SELECT COUNT(*) FROM PERSON WHERE PRS_INDEX_MAINHEADER=? AND PRS_TYPE=2"),
                   {m_application}, &further))
            return false;
        *holds = further > 3;
        return true;
    }
    case Condition::HasRow:
    case Condition::RowQuery: {
        Statement statement = sheet.conditionQuery;
        if (sheet.condition == Condition::RowQuery)
            for (const DataSetSpec& spec : sheet.dataSets)
                if (spec.name == sheet.rowQuery)
                    statement = spec.statement;
        BindValues binds;
        binds.application = m_application;
        QList<Row> rows;
        if (!m_reader.read(statement, binds, &rows, &m_error))
            return false;
        *holds = !rows.isEmpty() && !rows.first().values.value(0).toString().isEmpty();
        return true;
    }
    }
    return false;
}

bool PrintEngine::furtherPersons(QStringList* identifiers, QStringList* names) {
    struct Person {
        QString ident;
        QString name;
        QDate birthday;
    };
    store::Rows rows = store::select(QStringLiteral("SELECT PRS_IDENT, PRS_NAME, PRS_VNAME, PRS_BIRTHDAY FROM PERSON "
                                                    "WHERE PRS_INDEX_MAINHEADER=? AND PRS_TYPE=2 ORDER BY PRS_NUMBER"),
                                     {m_application}, store::OnError::Ignore);
    if (!rows.ok()) {
        m_error = QStringLiteral("Fehler beim Zugriff auf die Datenbank:\n") + rows.query().lastError().text();
        return false;
    }
    QList<Person> persons;
    while (rows.next())
        persons << Person{rows.text(QStringLiteral("PRS_IDENT")),
                          ownerName(rows.text(QStringLiteral("PRS_NAME")), rows.text(QStringLiteral("PRS_VNAME"))),
                          rows.date(QStringLiteral("PRS_BIRTHDAY"))};
    // The elder first; a person without a birth date after everyone with one.
    std::stable_sort(persons.begin(), persons.end(), [](const Person& a, const Person& b) {
        if (a.birthday.isValid() != b.birthday.isValid())
            return a.birthday.isValid();
        return a.birthday < b.birthday;
    });
    for (const Person& p : persons) {
        *identifiers << p.ident;
        *names << p.name;
    }
    return true;
}

bool PrintEngine::fillSets(const Sheet& sheet, const BindValues& binds, bool perRow, QList<DataSet>* sets) {
    for (const DataSetSpec& spec : sheet.dataSets) {
        if (spec.perRow != perRow)
            continue;
        DataSet set;
        if (!m_reader.fill(spec, binds, &set, &m_error))
            return false;
        sets->append(set);
    }
    return true;
}

bool PrintEngine::produce(const Sheet& sheet) {
    if (m_mode != Mode::Design) {
        bool holds = true;
        if (!conditionHolds(sheet, &holds))
            return false;
        if (!holds) {
            if (m_mode == Mode::Direct)
                return true;
            m_message(notNeededMessage(sheet));
        }
    }
    QStringList further;
    QStringList names;
    if (!furtherPersons(&further, &names))
        return false;
    BindValues binds;
    binds.application = m_application;
    binds.slotPersons = padded(further, 0);

    if (sheet.copies == Copies::PersonGroups) {
        // The main form holds the first three further persons; every further three get a copy.
        const int groups = std::max(1, int((further.size() - 3 + 2) / 3));
        for (int g = 0; g < groups; ++g) {
            const int from = 3 + 3 * g;
            binds.slotPersons = padded(further, from);
            QList<DataSet> sets;
            if (!fillSets(sheet, binds, false, &sets) ||
                !output(sheet, sets, names.mid(from, 3).join(QStringLiteral("; "))))
                return false;
        }
        return true;
    }

    QList<DataSet> sets;
    if (!fillSets(sheet, binds, false, &sets))
        return false;
    if (sheet.copies == Copies::Once)
        return output(sheet, sets, {});

    const QList<Row> rows = findSet(sets, sheet.rowQuery)->rows;
    if (rows.isEmpty()) {
        if (m_mode != Mode::Design) {
            if (sheet.copies == Copies::PerRowTested)
                m_message(notNeededMessage(sheet));
            if (sheet.copies != Copies::PerRow)
                return true;
        }
        QList<DataSet> empty;
        for (const DataSetSpec& spec : sheet.dataSets)
            if (spec.perRow)
                empty << DataSet{spec.name, {}};
        return output(sheet, sets + empty, {});
    }
    for (const Row& row : rows) {
        QList<DataSet> copy = sets;
        findSet(copy, sheet.rowQuery)->rows = {row};
        binds.rowPerson = row.text(QStringLiteral("PRS_IDENT"));
        binds.rowOther = row.text(QStringLiteral("Z92O_IDENT"));
        if (!fillSets(sheet, binds, true, &copy) || !output(sheet, copy, labelOf(row)))
            return false;
    }
    return true;
}

bool PrintEngine::output(const Sheet& sheet, const QList<DataSet>& sets, const QString& label) {
    const kainjow::mustache::data context = makeContext(sets, m_kopf);
    for (const TemplateSpec& t : sheet.templates) {
        if (!t.onlyWithRowsOf.isEmpty() && m_mode != Mode::Design) {
            const auto set = std::find_if(sets.begin(), sets.end(),
                                          [&](const DataSet& s) { return s.name == t.onlyWithRowsOf; });
            if (set == sets.end() || set->rows.isEmpty())
                continue;
        }
        SheetCopy copy;
        copy.sheet = sheet.number;
        copy.base = t.base;
        copy.templatePath = templatePath(t.base);
        copy.label = label;
        if (!renderSheet(t.base, context, &copy.html, &m_error))
            return false;
        const std::unique_ptr<QTextDocument> document = layoutSheet(copy.html);
        copy.firstPage = m_pages + 1;
        m_pages += std::max(1, document->pageCount());
        copy.lastPage = m_pages;
        if (!m_sink.add(copy, *document, &m_error))
            return false;
        ++m_produced;
    }
    return true;
}

} // namespace printing
