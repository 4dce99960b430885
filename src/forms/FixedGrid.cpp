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
#include <QPainter>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTimer>

namespace {

bool isChoice(CellKind kind) { return kind == CellKind::Choice || kind == CellKind::ChoicePair; }

} // namespace

// The column headers: captions wrap, and an optional band of captions stands above groups of columns.
class GridHeader : public QHeaderView {
public:
    explicit GridHeader(FixedGrid* grid) : QHeaderView(Qt::Horizontal, grid), m_grid(grid)
    {
        setSectionsClickable(false);
        setHighlightSections(false);
        setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    }

    QSize sizeHint() const override
    {
        QSize size = QHeaderView::sizeHint();
        size.setHeight(bandHeight() + captionHeight());
        return size;
    }

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override
    {
        const int band = bandHeight();
        QRect captionRect = rect.adjusted(0, band, 0, 0);
        painter->save();
        QStyleOptionHeader option;
        initStyleOption(&option);
        option.rect = captionRect;
        option.section = logicalIndex;
        style()->drawControl(QStyle::CE_HeaderSection, &option, painter, this);
        painter->setPen(palette().color(QPalette::ButtonText));
        painter->drawText(captionRect.adjusted(3, 1, -3, -1), Qt::AlignCenter | Qt::TextWordWrap,
                          model()->headerData(logicalIndex, Qt::Horizontal).toString());
        if (band > 0) {
            QStyleOptionHeader top;
            initStyleOption(&top);
            top.rect = QRect(rect.left(), rect.top(), rect.width(), band);
            style()->drawControl(QStyle::CE_HeaderSection, &top, painter, this);
        }
        painter->restore();
    }

    void paintEvent(QPaintEvent* event) override
    {
        QHeaderView::paintEvent(event);
        if (m_grid->bands().isEmpty())
            return;
        QPainter painter(viewport());
        for (const GridBand& b : m_grid->bands()) {
            int left = -1;
            int right = -1;
            for (int c = b.firstColumn; c < b.firstColumn + b.columnCount && c < count(); ++c) {
                if (isSectionHidden(c))
                    continue;
                const int x = sectionViewportPosition(c);
                left = left < 0 ? x : qMin(left, x);
                right = qMax(right, x + sectionSize(c));
            }
            if (left < 0)
                continue;
            const QRect rect(left, 0, right - left, bandHeight());
            QStyleOptionHeader option;
            initStyleOption(&option);
            option.rect = rect;
            style()->drawControl(QStyle::CE_HeaderSection, &option, &painter, this);
            painter.setPen(palette().color(QPalette::ButtonText));
            QFont bold = font();
            bold.setBold(true);
            painter.setFont(bold);
            painter.drawText(rect.adjusted(3, 0, -3, 0), Qt::AlignCenter | Qt::TextWordWrap, b.caption);
        }
    }

private:
    int lineHeight() const { return fontMetrics().height(); }
    int bandHeight() const { return m_grid->bands().isEmpty() ? 0 : lineHeight() + 8; }
    // Tall enough for the caption that needs the most lines at its column's width.
    int captionHeight() const
    {
        int lines = 1;
        for (int c = 0; c < count(); ++c) {
            if (isSectionHidden(c))
                continue;
            const QString caption = model() ? model()->headerData(c, Qt::Horizontal).toString() : QString();
            const QRect needed = fontMetrics().boundingRect(QRect(0, 0, qMax(20, sectionSize(c) - 6), 1000),
                                                            Qt::AlignCenter | Qt::TextWordWrap, caption);
            lines = qMax(lines, (needed.height() + lineHeight() - 1) / lineHeight());
        }
        return lines * lineHeight() + 8;
    }

    FixedGrid* m_grid;
};

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
        case CellKind::DateText:
            option->text = store::formatDate(v.toDate());
            break;
        case CellKind::Integer:
            option->text = QString::number(v.toInt());
            option->displayAlignment = Qt::AlignRight | Qt::AlignVCenter;
            break;
        case CellKind::Choice:
        case CellKind::ChoicePair:
            option->text = c.picks.value(v.toInt());
            break;
        case CellKind::PersonIdent:
            option->text = m_grid->personName(v.toString());
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
        case CellKind::DateText:
            editor = new DateEdit(parent);
            break;
        case CellKind::Pick: {
            auto* combo = new QComboBox(parent);
            combo->addItem(QString());
            combo->addItems(c.persons ? m_grid->m_personNames : c.picks);
            if (c.editable) {
                combo->setEditable(true);
                combo->setInsertPolicy(QComboBox::NoInsert);
                if (c.maxLength > 0)
                    combo->lineEdit()->setMaxLength(c.maxLength);
            }
            editor = combo;
            break;
        }
        case CellKind::Choice:
        case CellKind::ChoicePair: {
            auto* combo = new QComboBox(parent);
            combo->addItems(c.picks);
            editor = combo;
            break;
        }
        case CellKind::PersonIdent: {
            auto* combo = new QComboBox(parent);
            combo->addItem(QString(), QString());
            for (int i = 0; i < m_grid->m_personIdents.size(); ++i)
                combo->addItem(m_grid->m_personNames.value(i), m_grid->m_personIdents.at(i));
            editor = combo;
            break;
        }
        case CellKind::Text: {
            auto* line = new QLineEdit(parent);
            if (c.maxLength > 0)
                line->setMaxLength(c.maxLength);
            editor = line;
            break;
        }
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
        const GridColumn& c = m_grid->m_columns.at(index.column());
        const QVariant v = index.data(Qt::EditRole);
        if (auto* spin = qobject_cast<QDoubleSpinBox*>(editor))
            spin->setValue(v.toDouble());
        else if (auto* ispin = qobject_cast<QSpinBox*>(editor))
            ispin->setValue(v.toInt());
        else if (auto* date = qobject_cast<DateEdit*>(editor))
            date->setDate(v.toDate());
        else if (auto* combo = qobject_cast<QComboBox*>(editor)) {
            if (isChoice(c.kind)) {
                combo->setCurrentIndex(qBound(0, v.toInt(), combo->count() - 1));
                return;
            }
            if (c.kind == CellKind::PersonIdent) {
                combo->setCurrentIndex(qMax(0, combo->findData(v.toString())));
                return;
            }
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
        const GridColumn& c = m_grid->m_columns.at(index.column());
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
        } else if (auto* combo = qobject_cast<QComboBox*>(editor)) {
            if (isChoice(c.kind))
                v = combo->currentIndex();
            else if (c.kind == CellKind::PersonIdent)
                v = combo->currentData().toString();
            else
                v = combo->currentText();
        } else if (auto* line = qobject_cast<QLineEdit*>(editor))
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
    setHorizontalHeader(new GridHeader(this));
    QStringList captions;
    for (int c = 0; c < columns.size(); ++c)
        captions << columns.at(c).caption;
    setHorizontalHeaderLabels(captions);
    for (int c = 0; c < columns.size(); ++c) {
        setColumnWidth(c, columns.at(c).width);
        setColumnHidden(c, columns.at(c).hidden);
        if (!columns.at(c).toolTip.isEmpty())
            horizontalHeaderItem(c)->setToolTip(columns.at(c).toolTip);
    }
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->setDefaultSectionSize(22);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns.size(); ++c) {
            auto* it = new QTableWidgetItem;
            if (columns.at(c).readOnly)
                it->setFlags(it->flags() & ~Qt::ItemIsEditable);
            setItem(r, c, it);
        }
    clearAll();
    connect(this, &QTableWidget::itemChanged, this, [this] { m_failureShown = false; });
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

void FixedGrid::setBands(const QVector<GridBand>& bands)
{
    m_bands = bands;
    horizontalHeader()->updateGeometry();
    updateGeometries();
}

void FixedGrid::setCellReadOnly(int row, int column, bool readOnly, const QString& toolTip)
{
    QTableWidgetItem* it = item(row, column);
    if (!it)
        return;
    it->setFlags(readOnly ? it->flags() & ~Qt::ItemIsEditable : it->flags() | Qt::ItemIsEditable);
    it->setToolTip(toolTip);
}

QVariant FixedGrid::emptyValue(int column) const
{
    const GridColumn& c = m_columns.at(column);
    switch (c.kind) {
    case CellKind::Money:
    case CellKind::Unit:
        return 0.0;
    case CellKind::Integer:
        return 0;
    case CellKind::Date:
    case CellKind::DateText:
        return QDate();
    case CellKind::Choice:
    case CellKind::ChoicePair:
        return c.defaultPick;
    case CellKind::Text:
    case CellKind::Pick:
    case CellKind::PersonIdent:
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
    case CellKind::DateText:
        return first.toDate().isValid();
    case CellKind::Choice:
    case CellKind::ChoicePair:
        return false; // a choice always shows an entry; such grids say themselves when a row counts
    case CellKind::Text:
    case CellKind::Pick:
    case CellKind::PersonIdent:
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

QString FixedGrid::applicationKey() const
{
    if (m_hasLoaded)
        return m_loadedApplication;
    return m_storage.application ? m_storage.application() : QString();
}

QString FixedGrid::personKey() const
{
    if (m_hasLoaded)
        return m_loadedPerson;
    return m_storage.person ? m_storage.person() : QString();
}

QString FixedGrid::personName(const QString& ident) const
{
    const int i = m_personIdents.indexOf(ident);
    return i < 0 ? QString() : m_personNames.value(i);
}

void FixedGrid::loadPersonNames()
{
    m_personNames.clear();
    m_personIdents.clear();
    const QString application = m_storage.application ? m_storage.application() : MainObject->AntragIdent;
    store::Rows rows = store::select(QStringLiteral("SELECT PRS_IDENT, PRS_NAME, PRS_VNAME FROM PERSON "
                                                    "WHERE PRS_INDEX_MAINHEADER=? ORDER BY PRS_TYPE, PRS_NUMBER"),
                                     {application});
    while (rows.next()) {
        m_personIdents << rows.text(QStringLiteral("PRS_IDENT"));
        m_personNames << rows.text(QStringLiteral("PRS_NAME")) + QStringLiteral(", ") +
                             rows.text(QStringLiteral("PRS_VNAME"));
    }
}

QVariant FixedGrid::cellValue(int column, const QVariant& stored) const
{
    const GridColumn& col = m_columns.at(column);
    switch (col.kind) {
    case CellKind::Money:
    case CellKind::Unit:
        return store::readAmount(stored);
    case CellKind::Integer:
        return stored.toInt();
    case CellKind::Date:
        return store::readDate(stored);
    case CellKind::DateText:
        return store::parseDate(store::readText(stored));
    case CellKind::Choice: {
        for (int i = 0; i < col.picks.size(); ++i) {
            const QVariant code = i < col.codes.size() ? col.codes.at(i) : QVariant(i);
            if (!stored.isNull() && store::readText(stored) == code.toString())
                return i;
        }
        return col.defaultPick;
    }
    case CellKind::ChoicePair:
        break; // read from its two columns by the loader
    case CellKind::Text:
    case CellKind::Pick:
    case CellKind::PersonIdent:
        return store::readText(stored);
    }
    return emptyValue(column);
}

QVariant FixedGrid::storedValue(int column, const QVariant& v) const
{
    const GridColumn& col = m_columns.at(column);
    switch (col.kind) {
    case CellKind::Money:
    case CellKind::Unit:
        return v.toDouble();
    case CellKind::Integer:
        return v.toInt();
    case CellKind::Date:
        return store::dateValue(v.toDate());
    case CellKind::DateText:
        return store::textValue(store::formatDate(v.toDate()));
    case CellKind::Choice:
        return v.toInt() < col.codes.size() ? col.codes.at(v.toInt()) : QVariant(v.toInt());
    case CellKind::ChoicePair:
        return v.toInt() == 0; // the first column; the second is written beside it
    case CellKind::PersonIdent:
        return v.toString();
    case CellKind::Text:
    case CellKind::Pick:
        break;
    }
    return store::textValue(v.toString());
}

namespace {

QString keyCondition(const GridStorage& s, const QString& application, const QString& person,
                     store::Values* values)
{
    QStringList parts;
    if (!s.applicationColumn.isEmpty()) {
        parts << s.applicationColumn + QStringLiteral("=?");
        *values << application;
    }
    if (!s.personColumn.isEmpty()) {
        parts << s.personColumn + QStringLiteral("=?");
        *values << person;
    }
    return parts.join(QStringLiteral(" AND "));
}

QString stored(const QString& field) { return QString(field).remove(QLatin1Char('"')); }

} // namespace

void FixedGrid::load()
{
    if (m_busy) {
        // Asked for from inside a commit or a save (a rule reacting to `saved`): the cells and their
        // editor must outlive that, so the load follows once it has finished.
        if (!m_loadPending) {
            m_loadPending = true;
            QTimer::singleShot(0, this, [this] {
                m_loadPending = false;
                load();
            });
        }
        return;
    }
    m_loading = true;
    if (m_editor)
        closeEditor(m_editor, QAbstractItemDelegate::RevertModelCache);
    clearAll();
    m_loadedApplication = m_storage.application ? m_storage.application() : QString();
    m_loadedPerson = m_storage.person ? m_storage.person() : QString();
    m_hasLoaded = true;
    for (const GridColumn& c : m_columns)
        if (c.persons || c.kind == CellKind::PersonIdent) {
            loadPersonNames();
            break;
        }
    if (m_storage.customLoad)
        m_storage.customLoad(*this);
    else if (!m_storage.table.isEmpty())
        loadRows();
    m_loading = false;
}

void FixedGrid::loadRows()
{
    store::Values values;
    const QString where = keyCondition(m_storage, m_loadedApplication, m_loadedPerson, &values);
    const QString order = m_storage.orderBy.isEmpty() ? m_storage.numberColumn : m_storage.orderBy;
    const QString sql = QStringLiteral("SELECT * FROM %1 WHERE %2%3")
                            .arg(m_storage.table, where,
                                 order.isEmpty() ? QString() : QStringLiteral(" ORDER BY ") + order);
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
            if (col.kind == CellKind::ChoicePair) {
                const bool yes = rows.flag(stored(col.field));
                const bool no = !col.noField.isEmpty() && rows.flag(stored(col.noField));
                setCell(row, c, yes ? 0 : (no ? 1 : col.defaultPick));
                continue;
            }
            setCell(row, c, cellValue(c, rows.value(stored(col.field))));
        }
    }
}

void FixedGrid::finishEditing()
{
    if (m_editor) {
        const bool wasBusy = m_busy;
        m_busy = true;
        QWidget* editor = m_editor;
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
        m_busy = wasBusy;
    }
}

bool FixedGrid::saveRows()
{
    const GridStorage& s = m_storage;
    const QString application = applicationKey();
    const QString person = personKey();
    store::Values keys;
    const QString where = keyCondition(s, application, person, &keys);
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
            values << application;
        }
        if (!s.personColumn.isEmpty()) {
            columns << s.personColumn;
            values << person;
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
            values << storedValue(c, cell(r, c));
            if (col.kind == CellKind::ChoicePair && !col.noField.isEmpty()) {
                columns << store::quoteIdentifier(col.noField);
                values << (cell(r, c).toInt() == 1);
            }
        }
        if (s.totalColumn >= 0)
            total += amount(r, s.totalColumn);
        const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(s.table, columns.join(QLatin1Char(',')),
                                     QStringList(columns.size(), QStringLiteral("?")).join(QLatin1Char(',')));
        if (!store::execute(sql, values, store::OnError::Ignore))
            return false;
    }
    return !s.writeTotal || s.writeTotal(total);
}

bool FixedGrid::save(SaveMode mode)
{
    finishEditing();
    if (m_storage.table.isEmpty() && !m_storage.customSave)
        return false;
    // A grid that never showed the stored list would replace it with its empty rows.
    if (!m_hasLoaded)
        return true;
    m_busy = true;
    const bool ok = store::inTransaction(
        [&] { return m_storage.customSave ? m_storage.customSave(*this) : saveRows(); }, store::OnError::Ignore);
    // Leaving the grid for the close button and the closing itself are one action: the user hears of
    // the failure once, until the entries change.
    if (!ok && mode == SaveMode::Report && !m_failureShown) {
        m_failureShown = true;
        store::reportDatabaseError(store::lastDatabaseError());
    }
    if (ok) {
        m_failureShown = false;
        emit saved();
    }
    m_busy = false;
    return ok;
}

bool FixedGrid::atEdge(bool next) const
{
    int lastColumn = -1;
    int firstColumn = -1;
    for (int c = 0; c < columnCount(); ++c)
        if (!isColumnHidden(c)) {
            lastColumn = c;
            if (firstColumn < 0)
                firstColumn = c;
        }
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return true;
    return next ? current.row() == rowCount() - 1 && current.column() == lastColumn
                : current.row() == 0 && current.column() == firstColumn;
}

bool FixedGrid::focusNextPrevChild(bool next)
{
    if (atEdge(next))
        return QWidget::focusNextPrevChild(next);
    return QTableWidget::focusNextPrevChild(next);
}

void FixedGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    const bool leaving = (hint == QAbstractItemDelegate::EditNextItem && atEdge(true)) ||
                         (hint == QAbstractItemDelegate::EditPreviousItem && atEdge(false));
    if (!leaving) {
        QTableWidget::closeEditor(editor, hint);
        return;
    }
    QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
    QWidget::focusNextPrevChild(hint == QAbstractItemDelegate::EditNextItem);
}

void FixedGrid::onFocusChanged(QWidget* old, QWidget* now)
{
    const auto inside = [this](QWidget* w) { return w && (w == this || isAncestorOf(w)); };
    // A message box about a failed save takes the focus as well; that is no second leaving.
    if (!m_loading && !m_busy && inside(old) && !inside(now))
        save(SaveMode::Report);
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
