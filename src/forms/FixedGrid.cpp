#include "FixedGrid.h"

#include "Editors.h"
#include "Formats.h"
#include "Messages.h"
#include "ServerObjects.h"
#include "Sql.h"

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QSpinBox>
#include <QStyledItemDelegate>

// Editors and display texts per cell kind.
class GridDelegate : public QStyledItemDelegate {
public:
    explicit GridDelegate(FixedGrid* grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    QString displayText(const QVariant& value, const QLocale&) const override
    {
        Q_UNUSED(value);
        return {};
    }

    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const GridColumn& c = m_grid->m_columns.at(index.column());
        const QVariant v = index.data(Qt::EditRole);
        switch (c.kind) {
        case CellKind::Money:
            option->text = store::formatMoneyGrid(v.toDouble());
            option->displayAlignment = Qt::AlignRight | Qt::AlignVCenter;
            break;
        case CellKind::Unit:
            option->text = store::germanLocale().toString(v.toDouble(), 'f', c.decimals) + c.unit;
            option->displayAlignment = Qt::AlignRight | Qt::AlignVCenter;
            break;
        case CellKind::Date:
            option->text = store::formatDate(v.toDate());
            break;
        case CellKind::Integer:
            option->text = QString::number(v.toInt());
            option->displayAlignment = Qt::AlignRight | Qt::AlignVCenter;
            break;
        case CellKind::Text:
        case CellKind::Pick:
            option->text = v.toString();
            break;
        }
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        const GridColumn& c = m_grid->m_columns.at(index.column());
        QWidget* editor = nullptr;
        switch (c.kind) {
        case CellKind::Money:
        case CellKind::Unit: {
            auto* spin = new QDoubleSpinBox(parent);
            spin->setLocale(store::germanLocale());
            spin->setRange(-1e9, 1e9);
            spin->setDecimals(c.kind == CellKind::Money ? 2 : c.decimals);
            spin->setSuffix(c.kind == CellKind::Money ? QStringLiteral(" €") : c.unit);
            spin->setButtonSymbols(QAbstractSpinBox::NoButtons);
            spin->setGroupSeparatorShown(true);
            editor = spin;
            break;
        }
        case CellKind::Integer: {
            auto* spin = new QSpinBox(parent);
            spin->setRange(0, 999999);
            editor = spin;
            break;
        }
        case CellKind::Date:
            editor = new DateEdit(parent);
            break;
        case CellKind::Pick: {
            auto* combo = new QComboBox(parent);
            combo->addItem(QString());
            combo->addItems(c.persons ? m_grid->m_personNames : c.picks);
            editor = combo;
            break;
        }
        case CellKind::Text:
            editor = new QLineEdit(parent);
            break;
        }
        m_grid->m_editor = editor;
        return editor;
    }

    void destroyEditor(QWidget* editor, const QModelIndex& index) const override
    {
        if (m_grid->m_editor == editor)
            m_grid->m_editor = nullptr;
        QStyledItemDelegate::destroyEditor(editor, index);
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        const QVariant v = index.data(Qt::EditRole);
        if (auto* spin = qobject_cast<QDoubleSpinBox*>(editor))
            spin->setValue(v.toDouble());
        else if (auto* ispin = qobject_cast<QSpinBox*>(editor))
            ispin->setValue(v.toInt());
        else if (auto* date = qobject_cast<DateEdit*>(editor))
            date->setDate(v.toDate());
        else if (auto* combo = qobject_cast<QComboBox*>(editor)) {
            int i = combo->findText(v.toString());
            if (i < 0 && !v.toString().isEmpty()) {
                // A stored entry that the list no longer offers stays what it was.
                combo->addItem(v.toString());
                i = combo->count() - 1;
            }
            combo->setCurrentIndex(qMax(0, i));
        } else if (auto* line = qobject_cast<QLineEdit*>(editor))
            line->setText(v.toString());
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        QVariant v;
        if (auto* spin = qobject_cast<QDoubleSpinBox*>(editor)) {
            spin->interpretText();
            v = spin->value();
        } else if (auto* ispin = qobject_cast<QSpinBox*>(editor)) {
            ispin->interpretText();
            v = ispin->value();
        } else if (auto* date = qobject_cast<DateEdit*>(editor)) {
            if (!date->isAcceptable())
                return; // an unreadable date keeps the cell as it was
            v = date->date();
        } else if (auto* combo = qobject_cast<QComboBox*>(editor))
            v = combo->currentText();
        else if (auto* line = qobject_cast<QLineEdit*>(editor))
            v = line->text();
        model->setData(index, v, Qt::EditRole);
    }

private:
    FixedGrid* m_grid;
};

FixedGrid::FixedGrid(int rows, const QVector<GridColumn>& columns, QWidget* parent)
    : QTableWidget(rows, columns.size(), parent), m_columns(columns)
{
    setItemDelegate(new GridDelegate(this));
    QStringList captions;
    for (int c = 0; c < columns.size(); ++c) {
        captions << columns.at(c).caption;
        setColumnWidth(c, columns.at(c).width);
    }
    setHorizontalHeaderLabels(captions);
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->setDefaultSectionSize(22);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns.size(); ++c)
            setItem(r, c, new QTableWidgetItem);
    clearAll();
    // Leaving the grid (for anything outside it, also its own editors' departure) saves it.
    connect(qApp, &QApplication::focusChanged, this, &FixedGrid::onFocusChanged);
}

FixedGrid::~FixedGrid()
{
    // Destroying a focused grid moves the focus away; that is no user leaving it, and the slot would
    // otherwise run on a half-destroyed grid.
    disconnect(qApp, &QApplication::focusChanged, this, &FixedGrid::onFocusChanged);
}

void FixedGrid::setStorage(const GridStorage& storage) { m_storage = storage; }

QVariant FixedGrid::emptyValue(int column) const
{
    switch (m_columns.at(column).kind) {
    case CellKind::Money:
    case CellKind::Unit:
        return 0.0;
    case CellKind::Integer:
        return 0;
    case CellKind::Date:
        return QDate();
    case CellKind::Text:
    case CellKind::Pick:
        break;
    }
    return QString();
}

QVariant FixedGrid::cell(int row, int column) const
{
    const QTableWidgetItem* it = item(row, column);
    return it ? it->data(Qt::EditRole) : emptyValue(column);
}

void FixedGrid::setCell(int row, int column, const QVariant& value)
{
    if (QTableWidgetItem* it = item(row, column))
        it->setData(Qt::EditRole, value);
}

bool FixedGrid::isRowFilled(int row) const
{
    if (m_storage.filled)
        return m_storage.filled(row);
    const QVariant first = cell(row, 0);
    switch (m_columns.at(0).kind) {
    case CellKind::Money:
    case CellKind::Unit:
        return first.toDouble() > 0;
    case CellKind::Integer:
        return first.toInt() != 0;
    case CellKind::Date:
        return first.toDate().isValid();
    case CellKind::Text:
    case CellKind::Pick:
        break;
    }
    return !first.toString().trimmed().isEmpty();
}

void FixedGrid::clearRow(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    for (int c = 0; c < columnCount(); ++c)
        setCell(row, c, emptyValue(c));
}

void FixedGrid::clearAll()
{
    for (int r = 0; r < rowCount(); ++r)
        clearRow(r);
}

void FixedGrid::loadPersonNames()
{
    m_personNames.clear();
    const QString application = m_storage.application ? m_storage.application() : MainObject->AntragIdent;
    store::Rows rows = store::select(
        QStringLiteral("SELECT PRS_NAME, PRS_VNAME FROM PERSON WHERE PRS_INDEX_MAINHEADER=? ORDER BY PRS_TYPE"),
        {application});
    while (rows.next())
        m_personNames << rows.text(QStringLiteral("PRS_NAME")) + QStringLiteral(", ") +
                             rows.text(QStringLiteral("PRS_VNAME"));
}

namespace {

QString keyCondition(const GridStorage& s, store::Values* values)
{
    QStringList parts;
    if (!s.applicationColumn.isEmpty()) {
        parts << s.applicationColumn + QStringLiteral("=?");
        *values << s.application();
    }
    if (!s.personColumn.isEmpty()) {
        parts << s.personColumn + QStringLiteral("=?");
        *values << s.person();
    }
    return parts.join(QStringLiteral(" AND "));
}

} // namespace

void FixedGrid::load()
{
    m_loading = true;
    if (m_editor)
        closeEditor(m_editor, QAbstractItemDelegate::RevertModelCache);
    clearAll();
    for (const GridColumn& c : m_columns)
        if (c.persons) {
            loadPersonNames();
            break;
        }
    store::Values values;
    const QString where = keyCondition(m_storage, &values);
    QString order = m_storage.orderBy.isEmpty() ? m_storage.numberColumn : m_storage.orderBy;
    const QString sql = QStringLiteral("SELECT * FROM %1 WHERE %2%3")
                            .arg(m_storage.table, where, order.isEmpty() ? QString() : QStringLiteral(" ORDER BY ") + order);
    store::Rows rows = store::select(sql, values);
    int next = 0;
    const bool byPosition = m_storage.orderBy.isEmpty() && !m_storage.numberColumn.isEmpty();
    while (rows.next()) {
        const int row = byPosition ? rows.integer(m_storage.numberColumn) : next++;
        if (row < 0 || row >= rowCount())
            continue;
        for (int c = 0; c < m_columns.size(); ++c) {
            const GridColumn& col = m_columns.at(c);
            if (col.field.isEmpty())
                continue;
            const QVariant v = rows.value(QString(col.field).remove(QLatin1Char('"')));
            switch (col.kind) {
            case CellKind::Money:
            case CellKind::Unit:
                setCell(row, c, store::readAmount(v));
                break;
            case CellKind::Integer:
                setCell(row, c, v.toInt());
                break;
            case CellKind::Date:
                setCell(row, c, store::readDate(v));
                break;
            case CellKind::Text:
            case CellKind::Pick:
                setCell(row, c, store::readText(v));
                break;
            }
        }
    }
    m_loading = false;
}

void FixedGrid::finishEditing()
{
    if (m_editor) {
        QWidget* editor = m_editor;
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

bool FixedGrid::save()
{
    finishEditing();
    if (m_storage.table.isEmpty())
        return false;
    const GridStorage& s = m_storage;
    const bool ok = store::inTransaction(
        [&] {
            store::Values keys;
            const QString where = keyCondition(s, &keys);
            if (!store::execute(QStringLiteral("DELETE FROM %1 WHERE %2").arg(s.table, where), keys,
                                store::OnError::Ignore))
                return false;
            double total = 0;
            for (int r = 0; r < rowCount(); ++r) {
                if (!isRowFilled(r))
                    continue;
                QStringList columns{s.identColumn};
                store::Values values{TMainObject::NewRowIdent()};
                if (!s.applicationColumn.isEmpty()) {
                    columns << s.applicationColumn;
                    values << s.application();
                }
                if (!s.personColumn.isEmpty()) {
                    columns << s.personColumn;
                    values << s.person();
                }
                if (!s.numberColumn.isEmpty()) {
                    columns << s.numberColumn;
                    values << r;
                }
                for (int c = 0; c < m_columns.size(); ++c) {
                    const GridColumn& col = m_columns.at(c);
                    if (col.field.isEmpty())
                        continue;
                    columns << store::quoteIdentifier(col.field);
                    const QVariant v = cell(r, c);
                    switch (col.kind) {
                    case CellKind::Money:
                    case CellKind::Unit:
                        values << v.toDouble();
                        break;
                    case CellKind::Integer:
                        values << v.toInt();
                        break;
                    case CellKind::Date:
                        values << store::dateValue(v.toDate());
                        break;
                    case CellKind::Text:
                    case CellKind::Pick:
                        values << store::textValue(v.toString());
                        break;
                    }
                }
                if (s.totalColumn >= 0)
                    total += amount(r, s.totalColumn);
                const QString sql =
                    QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                        .arg(s.table, columns.join(QLatin1Char(',')),
                             QStringList(columns.size(), QStringLiteral("?")).join(QLatin1Char(',')));
                if (!store::execute(sql, values, store::OnError::Ignore))
                    return false;
            }
            return !s.writeTotal || s.writeTotal(total);
        },
        store::OnError::Ignore);
    if (ok)
        emit saved();
    return ok;
}

void FixedGrid::onFocusChanged(QWidget* old, QWidget* now)
{
    const auto inside = [this](QWidget* w) { return w && (w == this || isAncestorOf(w)); };
    if (!m_loading && inside(old) && !inside(now))
        save();
}

void ClearGridRow(FixedGrid* grid)
{
    if (!grid || !store::Messages::confirmYesNo(QStringLiteral("Wollen Sie den Inhalt der Zeile löschen?")))
        return;
    grid->clearRow(grid->currentRow());
    grid->save();
}

void ClearGridAll(FixedGrid* grid)
{
    if (!grid ||
        !store::Messages::confirmYesNo(QStringLiteral("Wollen Sie den gesamten Inhalt der Tabelle löschen?")))
        return;
    grid->clearAll();
    grid->save();
}
