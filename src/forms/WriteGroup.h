#pragma once

#include "Sql.h"

#include <QObject>
#include <QVector>
#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;
class DateEdit;
class MoneyEdit;
class ExclusiveGroup;
class YesNoPair;

// A group of controls bound to columns of one row, written together by one UPDATE whenever a user
// changes any of them (text edited, value changed, box clicked, entry chosen). Nothing is written
// while a page loads. A dialog declares its groups as a table:
//
//   group("MAINPERSON", "ANS_IDENT", applicationKey)
//       .text(Edit1, "ANS_LASTNAME")
//       .text(Edit2, "ANS_FIRSTNAME");
class WriteGroup : public QObject {
    Q_OBJECT
public:
    WriteGroup(const QString& table, const QString& keyColumn, std::function<QString()> key,
               QObject* parent = nullptr);

    WriteGroup& text(QLineEdit* edit, const QString& column);
    WriteGroup& memo(QPlainTextEdit* edit, const QString& column);
    WriteGroup& money(MoneyEdit* edit, const QString& column);
    WriteGroup& date(DateEdit* edit, const QString& column);
    WriteGroup& flag(QCheckBox* box, const QString& column);
    // Either column may be empty where a pair stores only one of its answers.
    WriteGroup& pair(YesNoPair* pair, const QString& yesColumn, const QString& noColumn);
    // One LOGICAL column per box of the group, in the order of its boxes.
    WriteGroup& exclusive(ExclusiveGroup* group, const QStringList& columns);
    WriteGroup& spin(QSpinBox* spin, const QString& column);
    WriteGroup& comboText(QComboBox* combo, const QString& column);
    WriteGroup& comboIndex(QComboBox* combo, const QString& column);
    // A column whose value the dialog computes; it does not trigger the write itself.
    WriteGroup& value(const QString& column, std::function<QVariant()> value);
    // Runs before the UPDATE (e.g. finding or creating the row); false cancels the write.
    WriteGroup& before(std::function<bool()> step);
    // Further statements that belong to the same write (e.g. the names in the person row).
    WriteGroup& also(std::function<bool()> step);

    // Writes the whole group now. False when a statement failed (already shown), the row is missing
    // (said so) or it is loading.
    bool write();

    QStringList columns() const;

private:
    void bind(const QString& column, std::function<QVariant()> value);
    void trigger();

    QString m_table;
    QString m_keyColumn;
    std::function<QString()> m_key;
    QVector<std::pair<QString, std::function<QVariant()>>> m_values;
    QVector<std::function<bool()>> m_before;
    QVector<std::function<bool()>> m_also;
};
