#pragma once

#include "FixedGrid.h"

#include <QDialog>
#include <QString>
#include <QVector>

class QLabel;
class QPushButton;
class QToolButton;

// What tells one member of the income detail family from the others.
struct IncomeDetailKind {
    QString objectName;  // the window's class name, e.g. "TMoneyOutAnyDlg"
    QString caption;     // window caption
    QString titlePrefix; // followed by the person's display name in the title line
    QString note;        // above the grid
    QString table;
    QString prefix;              // column prefix, e.g. "MOT": <prefix>_IDENT, _INDEX_MAINHEADER, …
    QVector<GridColumn> columns; // the grid, in the order of the table's columns 4 onward
    int decidingColumn = 0;      // a row is an item only while this amount is above 0
};

// A modal list of one person's income or deduction items: twenty rows, read sorted by their kind
// when the dialog opens and written back as a whole whenever it closes, however it is closed.
class IncomeDetailDialog : public QDialog {
    Q_OBJECT
public:
    IncomeDetailDialog(const IncomeDetailKind& kind, QWidget* parent = nullptr);

    // Shows the person's list and returns once the dialog has closed and the list is stored.
    int Show(const QString& application, const QString& person, const QString& displayName);

    FixedGrid* grid() const { return m_grid; }
    const IncomeDetailKind& kind() const { return m_kind; }
    static constexpr int kRows = 20;

    // Every way of closing ends here, the window's close button and Escape included.
    void done(int result) override;

private:
    IncomeDetailKind m_kind;
    QString m_application;
    QString m_person;
    QLabel* m_title;
    FixedGrid* m_grid;
};
