#pragma once

#include "Sql.h"

#include <QDialog>
#include <QStringList>
#include <QVector>
#include <functional>

class DateEdit;
class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;

namespace accident {

// Controls bound to the columns of one stored row, in the order of those columns: read by name when
// a dialog opens, written together when it closes.
class ColumnTable {
public:
    ColumnTable& text(QLineEdit* edit, const QString& column);
    ColumnTable& memo(QPlainTextEdit* edit, const QString& column);
    ColumnTable& box(QCheckBox* box, const QString& column);
    // A column whose written value the dialog computes (e.g. a date that cannot be read keeps the
    // stored one); `load` sets the control from the row.
    ColumnTable& custom(const QString& column, std::function<QVariant()> value,
                        std::function<void(const store::Rows& row)> load);

    QStringList columns() const;
    store::Values values() const;
    void load(const store::Rows& row) const;
    // UPDATE <table> SET <columns> WHERE <keyColumn>=key.
    bool update(const QString& table, const QString& keyColumn, const QString& key) const;
    // INSERT with the leading key columns and then every bound column.
    bool insert(const QString& table, const QStringList& leadingColumns, const store::Values& leading) const;

private:
    struct Entry {
        QString column;
        std::function<QVariant()> value;
        std::function<void(const store::Rows&)> load;
    };
    QVector<Entry> m_entries;
};

// A memo takes at most `maximum` characters, as the single-line fields beside it do.
void limitLength(QPlainTextEdit* memo, int maximum);
QPlainTextEdit* memo(const QString& name, QWidget* parent, int lines = 3);
// A caption in column 0 and its field beside it, on the next row of `grid`.
QLabel* addField(QGridLayout* grid, const QString& caption, QWidget* field, int columnSpan = 1);

// The frame of every accident detail dialog: the title line naming the person, the dialog's
// controls, and "Schließen", which writes and closes. The window's close box and Escape close
// without writing. The person's data are read once per opening, so a message box that takes and
// gives back the focus never reloads over the user's entries.
class UnfallDetailDialog : public QDialog {
    Q_OBJECT
public:
    UnfallDetailDialog(const QString& objectName, const QString& caption, const QString& titlePrefix,
                       QWidget* parent = nullptr);

    // Shows the person's data modally and returns once the dialog has closed.
    int Show(const QString& application, const QString& person, const QString& displayName);

    QString application() const { return m_application; }
    QString person() const { return m_person; }
    QLabel* titleLabel() const { return m_title; }

protected:
    // The area the dialog puts its controls into.
    QVBoxLayout* body() const { return m_body; }
    // Empties and resets the controls.
    virtual void reset() = 0;
    // Reads the person's rows into the controls (writes are refused meanwhile).
    virtual void load() = 0;
    // Writes the controls; false when a statement failed (already shown), and the dialog stays open.
    virtual bool write() = 0;

    // The person's UNFMAIN row, read by the person alone.
    store::Rows accidentRow() const;

private:
    QString m_titlePrefix;
    QString m_application;
    QString m_person;
    QLabel* m_title;
    QVBoxLayout* m_body;
};

} // namespace accident
