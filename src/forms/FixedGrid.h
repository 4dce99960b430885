#pragma once

#include <QStringList>
#include <QVariantList>
#include <QTableWidget>
#include <QVector>
#include <functional>

enum class CellKind {
    Text,        // free text
    Money,       // amount, shown "1.234,56 €"
    Date,        // dd.MM.yyyy or empty, stored as a date
    Pick,        // one entry of a fixed list (or the application's persons), stored as its text
    Integer,     // whole number
    Unit,        // number shown with a unit suffix, e.g. " m²"
    Choice,      // one entry of `picks`, stored as its code (`codes`); never empty
    ChoicePair,  // "Ja"/"Nein"-like entries stored as two LOGICAL columns (`field` for the first entry,
                 // `noField` for the second); never empty
    DateText,    // dd.MM.yyyy or empty, stored as text
    PersonIdent, // one of the application's persons, shown by name, stored by identifier
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
    QVariantList codes;  // the stored values of a Choice column's entries (by default their index)
    int defaultPick = 0; // the entry a Choice or ChoicePair cell shows when nothing is stored
    QString noField;     // the second LOGICAL column of a ChoicePair column
    bool editable = false; // a Pick column that also accepts typed text
    bool readOnly = false;
    bool hidden = false;   // not shown, still loaded and saved
    int maxLength = 0;     // of a text, typed pick or date text; 0 for none
    QString toolTip;       // of the column's header
};

// A caption over a group of neighbouring columns, in a band above their headers.
struct GridBand {
    QString caption;
    int firstColumn = 0;
    int columnCount = 1;
};

class FixedGrid;

// Where and how a grid's rows are stored. The grid rewrites the whole list on save.
struct GridStorage {
    QString table;
    QString identColumn;
    QString applicationColumn;          // "…_INDEX_MAINHEADER"; empty for lists of a person only
    QString personColumn;               // "…_INDEX_PERSON"; empty for lists of the application
    QString numberColumn;               // "…_NUMBER": the row's position; empty when the list keeps none
    std::function<QString()> application; // the key values, read afresh at every load; a save writes
                                          // for those of the last load
    std::function<QString()> person;
    QString orderBy;                    // loading order; rows then fill the grid from the top
    // A row is stored when this holds; by default when its first cell is filled.
    std::function<bool(int row)> filled;
    // Written last, in the same transaction, with the sum of `totalColumn` over the stored rows.
    int totalColumn = -1;
    std::function<bool(double total)> writeTotal;
    // Lists that are not stored one row per grid row: these replace the reading and the rewriting. The
    // save runs inside the grid's one transaction; false rolls it back.
    std::function<void(FixedGrid& grid)> customLoad;
    std::function<bool(FixedGrid& grid)> customSave;
};

// Who started a save: a user's action reports a failure once; deactivation and closing stay silent.
enum class SaveMode { Report, Silent };

// A grid of a fixed number of rows that are filled or emptied, never added or removed.
class FixedGrid : public QTableWidget {
    Q_OBJECT
public:
    FixedGrid(int rows, const QVector<GridColumn>& columns, QWidget* parent = nullptr);
    ~FixedGrid() override;

    void setStorage(const GridStorage& storage);
    const QVector<GridColumn>& gridColumns() const { return m_columns; }

    // A row of captions over groups of columns.
    void setBands(const QVector<GridBand>& bands);
    const QVector<GridBand>& bands() const { return m_bands; }
    void setCellReadOnly(int row, int column, bool readOnly, const QString& toolTip = QString());

    // Typed cell values: QString (Text, Pick, PersonIdent: the identifier), double (Money, Unit),
    // QDate (Date, DateText), int (Integer; Choice and ChoicePair: the entry's index).
    QVariant cell(int row, int column) const;
    void setCell(int row, int column, const QVariant& value);
    QString text(int row, int column) const { return cell(row, column).toString(); }
    double amount(int row, int column) const { return cell(row, column).toDouble(); }
    bool isRowFilled(int row) const;

    void clearRow(int row);
    void clearAll();

    // Empties the cells, fills the person lists, reads the stored rows. A load asked for while the grid
    // commits an editor or saves waits until that has finished, so that no cell goes away under it.
    void load();
    // Finishes the cell being edited and rewrites the stored list in one transaction: the old list
    // or the new one, never half of either. A failure started by a user's action is shown once.
    // The list is saved for the application and person it was loaded for.
    bool save(SaveMode mode = SaveMode::Report);
    // Commits the open cell editor into its cell.
    void finishEditing();

    QStringList personNames() const { return m_personNames; }
    QStringList personIdents() const { return m_personIdents; }
    // The name shown for a person's identifier (empty for an unknown one).
    QString personName(const QString& ident) const;
    QString loadedApplication() const { return m_loadedApplication; }
    QString loadedPerson() const { return m_loadedPerson; }

    // The value a cell of `column` is written as, and the cell value a stored value is read as.
    QVariant storedValue(int column, const QVariant& cellValue) const;
    QVariant cellValue(int column, const QVariant& stored) const;

signals:
    void saved();

protected:
    // Tab after the last cell and Shift+Tab before the first leave the grid, so that the controls
    // beside it can be reached from the keyboard.
    bool focusNextPrevChild(bool next) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    friend class GridDelegate;
    bool atEdge(bool next) const;
    QVariant emptyValue(int column) const;
    void loadPersonNames();
    void loadRows();
    bool saveRows();
    void onFocusChanged(QWidget* old, QWidget* now);
    QString applicationKey() const;
    QString personKey() const;

    QVector<GridColumn> m_columns;
    QVector<GridBand> m_bands;
    GridStorage m_storage;
    QStringList m_personNames;
    QStringList m_personIdents;
    QString m_loadedApplication;
    QString m_loadedPerson;
    bool m_hasLoaded = false;
    QWidget* m_editor = nullptr;
    bool m_loading = false;
    bool m_busy = false;        // committing an editor or saving
    bool m_loadPending = false; // a load asked for while busy
    bool m_failureShown = false; // the last save failed and said so; nothing changed since
};

// Empty the focused row or every row of a grid after a confirmation, then save the grid.
void ClearGridRow(FixedGrid* grid);
void ClearGridAll(FixedGrid* grid);
