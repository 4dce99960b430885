#pragma once

#include "Sql.h"

#include <QHeaderView>
#include <QPersistentModelIndex>
#include <QStringList>
#include <QTableWidget>
#include <QVector>
#include <functional>

enum class KeyedCell {
    Text,   // free text
    Money,  // amount, shown "1.234,56 €"
    Choice, // one entry of `picks`
    YesNo,  // "Nein" / "Ja", stored as the pair `field` (_YES) and `noField` (_NO)
};

struct KeyedColumn {
    QString caption;
    KeyedCell kind = KeyedCell::Text;
    // The stored column. A Choice with `flags` stores one LOGICAL column per entry instead; a Choice
    // with `field` stores its text.
    QString field;
    QString noField;   // YesNo: the "_NO" column
    QStringList picks; // Choice: the entries
    // Choice: flags.at(i) is true exactly when entry i is chosen; an empty name stores nothing for that
    // entry. On load the later true flag wins, none gives `defaultPick`.
    QStringList flags;
    int defaultPick = 0;
    bool allowEmpty = false; // Choice: an empty entry first; no flag set gives an empty cell
    bool noBlank = false;    // Text: written without the appended blank
    int maxLength = 0;       // Text: 0 = no limit
    bool readOnly = false;
    bool hidden = false;     // loaded and kept like any cell, not shown
    int width = 110;
    QString toolTip;
    // Display cells or cells computed from several columns: what the cell shows for a loaded row.
    std::function<QVariant(store::Rows& row)> read;
    // Choice with codes (setPicks): the hidden cell that receives the chosen entry's code.
    int codeCell = -1;
};

// Short forms for the column tables of the dialogs.
namespace keyed {
KeyedColumn text(const QString& caption, const QString& field, int width = 110);
KeyedColumn money(const QString& caption, const QString& field, int width = 100);
KeyedColumn yesNo(const QString& caption, const QString& yesField, const QString& noField, int width = 90);
// Stored as one LOGICAL column per entry (see KeyedColumn::flags).
KeyedColumn choice(const QString& caption, const QStringList& picks, const QStringList& flags, int width = 130);
// Stored as the chosen text.
KeyedColumn choiceText(const QString& caption, const QStringList& picks, const QString& field, int width = 110);
// Read-only, shown from the loaded row.
KeyedColumn display(const QString& caption, std::function<QVariant(store::Rows&)> read, int width = 150);
KeyedColumn hidden(const QString& field);
} // namespace keyed

// A row of captions over groups of columns, above the header.
struct KeyedBand {
    QString caption;
    int firstColumn;
    int columnCount;
};

// How each row goes back: one UPDATE per row, keyed on a hidden cell, qualified by the application it
// was loaded for (so that rows of another application sharing the key are never touched).
struct KeyedStorage {
    QString table;
    QString keyColumn;                    // the UPDATE's key, e.g. "Z92O_IDENT"
    int keyCell = -1;                     // the hidden cell holding it
    QString applicationColumn;            // "…_INDEX_MAINHEADER"; empty: the key alone
    std::function<QString()> application; // read at load; the rows are saved for that application
    QVector<QPair<QString, QVariant>> constants; // columns every UPDATE writes with a fixed value
    // Adjusts the assignments of a row after the columns' own (values that depend on other cells).
    std::function<void(const class KeyedGrid& grid, int row, QVector<QPair<QString, QVariant>>& sets)> adjust;
    // Completes a loaded row after the columns' own reading (cells that depend on other columns).
    std::function<void(class KeyedGrid& grid, int row, store::Rows& stored)> loadRow;
    bool saveOnCommit = true; // save after every committed cell (besides leaving the grid)
};

// A grid of one row per stored record, its row count set by the load. Each row is written back by its
// own UPDATE on the key cell; a failing row does not stop the others.
class KeyedGrid : public QTableWidget {
    Q_OBJECT
public:
    KeyedGrid(const QVector<KeyedColumn>& columns, QWidget* parent = nullptr);
    ~KeyedGrid() override;

    void setStorage(const KeyedStorage& storage) { m_storage = storage; }
    const KeyedStorage& storage() const { return m_storage; }
    const QVector<KeyedColumn>& gridColumns() const { return m_columns; }
    void setBands(const QVector<KeyedBand>& bands);

    // QString (Text, Choice, YesNo) or double (Money).
    QVariant cell(int row, int column) const;
    QString text(int row, int column) const { return cell(row, column).toString(); }
    void setCell(int row, int column, const QVariant& value);
    bool isYes(int row, int column) const { return text(row, column) == QStringLiteral("Ja"); }

    // Dynamic entries of a Choice column; `codes` (same length) go into the column's code cell.
    void setPicks(int column, const QStringList& picks, const QStringList& codes = {});
    QStringList picks(int column) const;

    // Removes every row (the open editor is dropped).
    void clearRows();
    // Appends an empty row (choices on their default, amounts 0) and returns its index.
    int appendRow();
    // Clears, then one row per result of `sql`, read through the columns and `loadRow`.
    void load(const QString& sql, const store::Values& values);
    // The application the rows were loaded for; saves go there.
    QString loadedApplication() const { return m_application; }
    // The grid's height follows its rows, so that the page (not the grid) scrolls.
    void fitHeight();
    // A narrow grid takes the width of all its columns instead of scrolling.
    void fitWidth();

    // Puts the open editor's value into its cell and closes it, without the save a user's commit brings.
    void commitEditor();
    // Commits the open editor, then one UPDATE per row (nothing while a page loads). Failures of single rows are skipped; with
    // OnError::Report the first engine message is shown once. False when a row could not be written.
    bool save(store::OnError onError = store::OnError::Ignore);

signals:
    // A user committed a cell (after the save that `saveOnCommit` asks for).
    void committed(int row, int column);
    // The focus left the grid and its editors, after the save that brings.
    void left();

protected:
    void commitData(QWidget* editor) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    friend class KeyedDelegate;
    QVariant emptyValue(int column) const;
    QVector<QPair<QString, QVariant>> assignments(int row) const;
    void onFocusChanged(QWidget* old, QWidget* now);

    QVector<KeyedColumn> m_columns;
    QVector<QStringList> m_picks;
    QVector<QStringList> m_codes;
    KeyedStorage m_storage;
    QString m_application;
    QWidget* m_editor = nullptr;
    QPersistentModelIndex m_editorIndex;
    QPersistentModelIndex m_committedIndex;
    bool m_quiet = false;
    bool m_busy = false;
};

// The header of a keyed grid: band captions over groups of columns, column captions wrapped below.
class KeyedHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit KeyedHeader(QWidget* parent);
    void setBands(const QVector<KeyedBand>& bands);
    const QVector<KeyedBand>& bands() const { return m_bands; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    int bandHeight() const;
    QVector<KeyedBand> m_bands;
};
