#include "WriteGroup.h"

#include "DataDialog.h"
#include "Editors.h"
#include "Messages.h"
#include "YesNoPair.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>

WriteGroup::WriteGroup(const QString& table, const QString& keyColumn, std::function<QString()> key,
                       QObject* parent)
    : QObject(parent), m_table(table), m_keyColumn(keyColumn), m_key(std::move(key))
{
}

void WriteGroup::bind(const QString& column, std::function<QVariant()> value)
{
    if (!column.isEmpty())
        m_values.append({column, std::move(value)});
}

void WriteGroup::trigger()
{
    if (!store::isLoading())
        write();
}

WriteGroup& WriteGroup::text(QLineEdit* edit, const QString& column)
{
    bind(column, [edit] { return store::textValue(edit->text()); });
    connect(edit, &QLineEdit::textEdited, this, &WriteGroup::trigger);
    return *this;
}

WriteGroup& WriteGroup::memo(QPlainTextEdit* edit, const QString& column)
{
    bind(column, [edit] { return store::textValue(edit->toPlainText()); });
    // A memo has no user-only edit signal; programmatic changes happen while loading, when nothing writes.
    connect(edit, &QPlainTextEdit::textChanged, this, [this, edit] {
        if (edit->hasFocus())
            trigger();
    });
    return *this;
}

WriteGroup& WriteGroup::money(MoneyEdit* edit, const QString& column)
{
    bind(column, [edit] { return edit->value(); });
    connect(edit, &MoneyEdit::valueEdited, this, &WriteGroup::trigger);
    return *this;
}

WriteGroup& WriteGroup::date(DateEdit* edit, const QString& column)
{
    bind(column, [edit] { return store::dateValue(edit->date()); });
    connect(edit, &DateEdit::dateEdited, this, &WriteGroup::trigger);
    return *this;
}

WriteGroup& WriteGroup::flag(QCheckBox* box, const QString& column)
{
    bind(column, [box] { return box->isChecked(); });
    connect(box, &QCheckBox::clicked, this, &WriteGroup::trigger);
    return *this;
}

WriteGroup& WriteGroup::pair(YesNoPair* pair, const QString& yesColumn, const QString& noColumn)
{
    bind(yesColumn, [pair] { return pair->yes(); });
    bind(noColumn, [pair] { return pair->no(); });
    connect(pair, &YesNoPair::clicked, this, &WriteGroup::trigger);
    return *this;
}

WriteGroup& WriteGroup::exclusive(ExclusiveGroup* group, const QStringList& columns)
{
    for (int i = 0; i < columns.size(); ++i)
        bind(columns.at(i), [group, i] { return group->checked() == i; });
    connect(group, &ExclusiveGroup::clicked, this, &WriteGroup::trigger);
    return *this;
}

WriteGroup& WriteGroup::spin(QSpinBox* spin, const QString& column)
{
    bind(column, [spin] { return spin->value(); });
    connect(spin, qOverload<int>(&QSpinBox::valueChanged), this, &WriteGroup::trigger);
    return *this;
}

WriteGroup& WriteGroup::comboText(QComboBox* combo, const QString& column)
{
    bind(column, [combo] { return store::textValue(combo->currentText()); });
    connect(combo, qOverload<int>(&QComboBox::activated), this, &WriteGroup::trigger);
    return *this;
}

WriteGroup& WriteGroup::comboIndex(QComboBox* combo, const QString& column)
{
    bind(column, [combo] { return combo->currentIndex(); });
    connect(combo, qOverload<int>(&QComboBox::activated), this, &WriteGroup::trigger);
    return *this;
}

WriteGroup& WriteGroup::value(const QString& column, std::function<QVariant()> value)
{
    bind(column, std::move(value));
    return *this;
}

WriteGroup& WriteGroup::before(std::function<bool()> step)
{
    m_before.append(std::move(step));
    return *this;
}

WriteGroup& WriteGroup::also(std::function<bool()> step)
{
    m_also.append(std::move(step));
    return *this;
}

QStringList WriteGroup::columns() const
{
    QStringList list;
    for (const auto& v : m_values)
        list << v.first;
    return list;
}

bool WriteGroup::write()
{
    if (store::isLoading())
        return false;
    for (const auto& step : m_before)
        if (!step())
            return false;
    QStringList sets;
    store::Values values;
    for (const auto& [column, value] : m_values) {
        sets << store::quoteIdentifier(column) + QStringLiteral("=?");
        values << value();
    }
    values << m_key();
    if (!sets.isEmpty()) {
        const int changed = store::executeCounted(
            QStringLiteral("UPDATE %1 SET %2 WHERE %3=?").arg(m_table, sets.join(QStringLiteral(", ")), m_keyColumn),
            values);
        if (changed < 0)
            return false;
        if (changed == 0) {
            // The row is missing (a damaged or incomplete application): storing nothing in silence
            // would let the user believe the entry is kept.
            store::Messages::error(QStringLiteral("Die Angabe wurde nicht gespeichert: der zugehörige Datensatz "
                                                  "(Tabelle %1) fehlt in diesem Antrag.\nBitte öffnen Sie den "
                                                  "Antrag erneut; fehlende Datensätze werden dabei angelegt.")
                                       .arg(m_table));
            return false;
        }
    }
    for (const auto& step : m_also)
        if (!step())
            return false;
    return true;
}
