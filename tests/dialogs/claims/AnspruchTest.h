#pragma once
// What the claims dialog's tests share: applications with persons, and a user's edit of a grid cell.

#include "AnspruchMain.h"
#include "KeyedGrid.h"
#include "ServerObjects.h"
#include "Sql.h"
#include "TestHome.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QtTest>

#include <functional>

namespace claims_test {

// Adds a person of `type` (0 applicant, 1 partner, 2… children) to the open application.
inline QString addPerson(int type, const QString& name, const QString& firstName, const QDate& birthday = {},
                         const QString& ident = TMainObject::NewRowIdent())
{
    const QString application = MainObject->AntragIdent;
    const int number =
        store::selectValue(QStringLiteral("SELECT COUNT(*) FROM PERSON WHERE PRS_INDEX_MAINHEADER=?"), {application})
            .toInt() + 1;
    if (type == 0) {
        store::execute(QStringLiteral("UPDATE PERSON SET PRS_NAME=?, PRS_VNAME=?, PRS_BIRTHDAY=? WHERE PRS_IDENT=?"),
                       {store::textValue(name), store::textValue(firstName), store::dateValue(birthday), application});
        return application;
    }
    store::execute(QStringLiteral("INSERT INTO PERSON (PRS_IDENT, PRS_INDEX_MAINHEADER, PRS_TYPE, PRS_NUMBER, PRS_NAME, "
                                  "PRS_VNAME, PRS_BIRTHDAY) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                   {ident, application, type, number, store::textValue(name), store::textValue(firstName),
                    store::dateValue(birthday)});
    return ident;
}

inline QVariant value(const QString& sql, const store::Values& values) { return store::selectValue(sql, values); }

inline int count(const QString& table, const QString& condition, const store::Values& values)
{
    return store::selectValue(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2").arg(table, condition), values).toInt();
}

template <class T = QWidget>
T* find(QWidget* dialog, const QString& name)
{
    T* w = dialog->findChild<T*>(name);
    if (!w)
        qWarning("no control %s", qPrintable(name));
    return w;
}

// A user's edit of one cell: open its editor, let `change` set it, press Enter (the delegate commits
// through the event loop).
template <typename Editor>
bool editCell(QTableWidget* grid, int row, int column, const std::function<void(Editor*)>& change)
{
    grid->setFocus();
    grid->setCurrentCell(row, column);
    grid->editItem(grid->item(row, column));
    auto* editor = qobject_cast<Editor*>(grid->indexWidget(grid->model()->index(row, column)));
    if (!editor)
        return false;
    change(editor);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    return true;
}

inline bool typeCell(QTableWidget* grid, int row, int column, const QString& text)
{
    return editCell<QLineEdit>(grid, row, column, [&](QLineEdit* e) { e->setText(text); });
}

inline bool chooseCell(QTableWidget* grid, int row, int column, const QString& entry)
{
    return editCell<QComboBox>(grid, row, column, [&](QComboBox* c) {
        const int i = c->findText(entry);
        if (i < 0)
            qWarning("no entry %s", qPrintable(entry));
        c->setCurrentIndex(i);
    });
}

inline bool amountCell(QTableWidget* grid, int row, int column, double amount)
{
    return editCell<QDoubleSpinBox>(grid, row, column, [&](QDoubleSpinBox* s) { s->setValue(amount); });
}

// The row of a keyed grid whose cell `column` holds `text`; -1 when there is none.
inline int rowOf(const KeyedGrid* grid, int column, const QString& text)
{
    for (int r = 0; r < grid->rowCount(); ++r)
        if (grid->text(r, column) == text)
            return r;
    return -1;
}

} // namespace claims_test
