#pragma once

#include <QStringList>
#include <QTableWidget>
#include <QVector>
#include <functional>

enum class CellKind {
    Text,    // free text
    Money,   // amount, shown "1.234,56 €"
    Date,    // dd.MM.yyyy or empty
    Pick,    // one entry of a fixed list (or the application's persons)
    Integer, // whole number
    Unit,    // number shown with a unit suffix, e.g. " m²"
};

struct GridColumn {
    QString caption;
    QString field; // the stored column; empty for a column that is not stored
    CellKind kind = CellKind::Text;
    int width = 120;
    QStringList picks;   // the entries of a Pick column
    bool persons = false; // a Pick column listing "Name, Vorname" of the application's persons
    QString unit;        // the suffix of a Unit column
    int decimals = 2;    // of a Unit column
};

// Where and how a grid's rows are stored. The grid rewrites the whole list on save.
struct GridStorage {
    QString table;
    QString identColumn;
    QString applicationColumn;          // "…_INDEX_MAINHEADER"; empty for lists of a person only
    QString personColumn;               // "…_INDEX_PERSON"; empty for lists of the application
    QString numberColumn;               // "…_NUMBER": the row's position; empty when the list keeps none
    std::function<QString()> application; // the key values, read afresh at every load and save
    std::function<QString()> person;
    QString orderBy;                    // loading order; rows then fill the grid from the top
    // A row is stored when this holds; by default when its first cell is filled.
    std::function<bool(int row)> filled;
    // Written last, in the same transaction, with the sum of `totalColumn` over the stored rows.
    int totalColumn = -1;
    std::function<bool(double total)> writeTotal;
};

// A grid of a fixed number of rows that are filled or emptied, never added or removed.
class FixedGrid : public QTableWidget {
    Q_OBJECT
public:
    FixedGrid(int rows, const QVector<GridColumn>& columns, QWidget* parent = nullptr);
    ~FixedGrid() override;

    void setStorage(const GridStorage& storage);
    const QVector<GridColumn>& gridColumns() const { return m_columns; }

    // Typed cell values: QString (Text, Pick), double (Money, Unit), QDate (Date), int (Integer).
    QVariant cell(int row, int column) const;
    void setCell(int row, int column, const QVariant& value);
    QString text(int row, int column) const { return cell(row, column).toString(); }
    double amount(int row, int column) const { return cell(row, column).toDouble(); }
    bool isRowFilled(int row) const;

    void clearRow(int row);
    void clearAll();

    // Empties the cells, fills the person lists, reads the stored rows.
    void load();
    // Finishes the cell being edited and rewrites the stored list in one transaction: the old list
    // or the new one, never half of either. Failures are not shown (grid saves are guarded).
    bool save();
    // Commits the open cell editor into its cell.
    void finishEditing();

    QStringList personNames() const { return m_personNames; }

signals:
    void saved();

private:
    friend class GridDelegate;
    QVariant emptyValue(int column) const;
    void loadPersonNames();
    void onFocusChanged(QWidget* old, QWidget* now);

    QVector<GridColumn> m_columns;
    GridStorage m_storage;
    QStringList m_personNames;
    QWidget* m_editor = nullptr;
    bool m_loading = false;
};

// Empty the focused row or every row of a grid after a confirmation, then save the grid.
void ClearGridRow(FixedGrid* grid);
void ClearGridAll(FixedGrid* grid);
