#include "KeyedGrid.h"

#include "Formats.h"

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace {

const QString kYes = QStringLiteral("Ja");
const QString kNo = QStringLiteral("Nein");

} // namespace

namespace keyed {

KeyedColumn text(const QString& caption, const QString& field, int width)
{
    KeyedColumn c;
    c.caption = caption;
    c.field = field;
    c.width = width;
    return c;
}

KeyedColumn money(const QString& caption, const QString& field, int width)
{
    KeyedColumn c = text(caption, field, width);
    c.kind = KeyedCell::Money;
    return c;
}

KeyedColumn yesNo(const QString& caption, const QString& yesField, const QString& noField, int width)
{
    KeyedColumn c = text(caption, yesField, width);
    c.kind = KeyedCell::YesNo;
    c.noField = noField;
    return c;
}

KeyedColumn choice(const QString& caption, const QStringList& picks, const QStringList& flags, int width)
{
    KeyedColumn c = text(caption, QString(), width);
    c.kind = KeyedCell::Choice;
    c.picks = picks;
    c.flags = flags;
    return c;
}

KeyedColumn choiceText(const QString& caption, const QStringList& picks, const QString& field, int width)
{
    KeyedColumn c = text(caption, field, width);
    c.kind = KeyedCell::Choice;
    c.picks = picks;
    c.allowEmpty = true;
    return c;
}

KeyedColumn display(const QString& caption, std::function<QVariant(store::Rows&)> read, int width)
{
    KeyedColumn c = text(caption, QString(), width);
    c.read = std::move(read);
    c.readOnly = true;
    return c;
}

KeyedColumn hidden(const QString& field)
{
    KeyedColumn c = text(QString(), field, 0);
    c.hidden = true;
    c.readOnly = true;
    return c;
}

} // namespace keyed

// Editors and display texts per cell kind.
class KeyedDelegate : public QStyledItemDelegate {
public:
    explicit KeyedDelegate(KeyedGrid* grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const QVariant v = index.data(Qt::EditRole);
        if (m_grid->m_columns.at(index.column()).kind == KeyedCell::Money) {
            option->text = store::formatMoneyGrid(v.toDouble());
            option->displayAlignment = Qt::AlignRight | Qt::AlignVCenter;
        } else {
            option->text = v.toString();
        }
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        const KeyedColumn& c = m_grid->m_columns.at(index.column());
        QWidget* editor = nullptr;
        switch (c.kind) {
        case KeyedCell::Money: {
            auto* spin = new QDoubleSpinBox(parent);
            spin->setLocale(store::germanLocale());
            spin->setRange(-1e9, 1e9);
            spin->setDecimals(2);
            spin->setSuffix(QStringLiteral(" €"));
            spin->setButtonSymbols(QAbstractSpinBox::NoButtons);
            spin->setGroupSeparatorShown(true);
            editor = spin;
            break;
        }
        case KeyedCell::Choice:
        case KeyedCell::YesNo: {
            auto* combo = new QComboBox(parent);
            const QStringList entries = m_grid->picks(index.column());
            const QStringList codes = m_grid->m_codes.at(index.column());
            if (c.allowEmpty)
                combo->addItem(QString());
            for (int i = 0; i < entries.size(); ++i)
                combo->addItem(entries.at(i), i < codes.size() ? QVariant(codes.at(i)) : QVariant());
            editor = combo;
            break;
        }
        case KeyedCell::Text: {
            auto* line = new QLineEdit(parent);
            if (c.maxLength > 0)
                line->setMaxLength(c.maxLength);
            editor = line;
            break;
        }
        }
        m_grid->m_editor = editor;
        m_grid->m_editorIndex = index;
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
        if (auto* spin = qobject_cast<QDoubleSpinBox*>(editor)) {
            spin->setValue(v.toDouble());
        } else if (auto* combo = qobject_cast<QComboBox*>(editor)) {
            int i = combo->findText(v.toString());
            if (i < 0 && !v.toString().isEmpty()) {
                // A loaded text the list does not offer (e.g. a spelling of its own) stays what it is.
                combo->addItem(v.toString());
                i = combo->count() - 1;
            }
            combo->setCurrentIndex(qMax(0, i));
        } else if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            line->setText(v.toString());
        }
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        QVariant v;
        if (auto* spin = qobject_cast<QDoubleSpinBox*>(editor)) {
            spin->interpretText();
            v = spin->value();
        } else if (auto* combo = qobject_cast<QComboBox*>(editor)) {
            v = combo->currentText();
            const int codeCell = m_grid->m_columns.at(index.column()).codeCell;
            if (codeCell >= 0) {
                const QVariant code = combo->currentData();
                // An entry without a code (a stale text) keeps the reference as it was.
                if (code.isValid())
                    m_grid->setCell(index.row(), codeCell, code.toString());
            }
        } else if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            v = line->text();
        }
        model->setData(index, v, Qt::EditRole);
    }

private:
    KeyedGrid* m_grid;
};

KeyedHeader::KeyedHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(false);
    setHighlightSections(false);
    setDefaultAlignment(Qt::AlignCenter);
    connect(this, &QHeaderView::sectionResized, this, [this] { updateGeometry(); });
}

void KeyedHeader::setBands(const QVector<KeyedBand>& bands)
{
    m_bands = bands;
    updateGeometry();
    viewport()->update();
}

int KeyedHeader::bandHeight() const
{
    return m_bands.isEmpty() ? 0 : fontMetrics().height() + 8;
}

QSize KeyedHeader::sizeHint() const
{
    QSize size = QHeaderView::sizeHint();
    int captions = fontMetrics().height();
    if (model())
        for (int i = 0; i < count(); ++i) {
            if (isSectionHidden(i))
                continue;
            const QString text = model()->headerData(i, orientation()).toString();
            const QRect bound = fontMetrics().boundingRect(QRect(0, 0, qMax(20, sectionSize(i) - 8), 2000),
                                                           Qt::TextWordWrap | Qt::AlignCenter, text);
            captions = qMax(captions, bound.height());
        }
    size.setHeight(bandHeight() + captions + 10);
    return size;
}

void KeyedHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    const QRect r = rect.adjusted(0, bandHeight(), 0, 0);
    painter->save();
    painter->fillRect(r, palette().button());
    painter->setPen(palette().mid().color());
    painter->drawRect(r.adjusted(0, 0, -1, -1));
    painter->setPen(palette().buttonText().color());
    painter->drawText(r.adjusted(4, 2, -4, -2), Qt::AlignCenter | Qt::TextWordWrap,
                      model() ? model()->headerData(logicalIndex, orientation()).toString() : QString());
    painter->restore();
}

void KeyedHeader::paintEvent(QPaintEvent* event)
{
    QHeaderView::paintEvent(event);
    if (m_bands.isEmpty())
        return;
    QPainter painter(viewport());
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    for (const KeyedBand& band : m_bands) {
        int left = -1;
        int right = -1;
        for (int c = band.firstColumn; c < band.firstColumn + band.columnCount && c < count(); ++c) {
            if (isSectionHidden(c))
                continue;
            const int x = sectionViewportPosition(c);
            if (left < 0)
                left = x;
            right = x + sectionSize(c);
        }
        if (left < 0)
            continue;
        const QRect r(left, 0, right - left, bandHeight());
        painter.fillRect(r, QColor(220, 220, 245));
        painter.setPen(palette().mid().color());
        painter.drawRect(r.adjusted(0, 0, -1, -1));
        painter.setPen(QColor(0, 0, 128));
        painter.drawText(r.adjusted(4, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         painter.fontMetrics().elidedText(band.caption, Qt::ElideRight, r.width() - 8));
    }
}

KeyedGrid::KeyedGrid(const QVector<KeyedColumn>& columns, QWidget* parent)
    : QTableWidget(0, columns.size(), parent), m_columns(columns), m_picks(columns.size()),
      m_codes(columns.size())
{
    setHorizontalHeader(new KeyedHeader(this));
    setItemDelegate(new KeyedDelegate(this));
    QStringList captions;
    for (int c = 0; c < columns.size(); ++c) {
        const KeyedColumn& col = columns.at(c);
        captions << col.caption;
        // Captions wrap between words, never inside one.
        int widest = 0;
        for (const QString& word : col.caption.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            widest = qMax(widest, fontMetrics().horizontalAdvance(word));
        setColumnWidth(c, col.hidden ? col.width : qMax(col.width, widest + 14));
        if (col.kind == KeyedCell::YesNo)
            m_picks[c] = QStringList{kNo, kYes};
        else
            m_picks[c] = col.picks;
    }
    setHorizontalHeaderLabels(captions);
    for (int c = 0; c < columns.size(); ++c) {
        if (!columns.at(c).toolTip.isEmpty())
            horizontalHeaderItem(c)->setToolTip(columns.at(c).toolTip);
        setColumnHidden(c, columns.at(c).hidden);
    }
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->setDefaultSectionSize(22);
    verticalHeader()->hide();
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fitHeight();
    // Leaving the grid (for anything outside it and its editors) saves it.
    connect(qApp, &QApplication::focusChanged, this, &KeyedGrid::onFocusChanged);
}

KeyedGrid::~KeyedGrid()
{
    // The focus change of a grid being destroyed is no user leaving it.
    disconnect(qApp, &QApplication::focusChanged, this, &KeyedGrid::onFocusChanged);
}

void KeyedGrid::setBands(const QVector<KeyedBand>& bands)
{
    static_cast<KeyedHeader*>(horizontalHeader())->setBands(bands);
    fitHeight();
}

QVariant KeyedGrid::emptyValue(int column) const
{
    const KeyedColumn& c = m_columns.at(column);
    switch (c.kind) {
    case KeyedCell::Money:
        return 0.0;
    case KeyedCell::YesNo:
        return kNo;
    case KeyedCell::Choice:
        if (c.allowEmpty || m_picks.at(column).isEmpty())
            return QString();
        return m_picks.at(column).value(qBound(0, c.defaultPick, int(m_picks.at(column).size()) - 1));
    case KeyedCell::Text:
        break;
    }
    return QString();
}

QVariant KeyedGrid::cell(int row, int column) const
{
    const QTableWidgetItem* it = item(row, column);
    return it ? it->data(Qt::EditRole) : QVariant();
}

void KeyedGrid::setCell(int row, int column, const QVariant& value)
{
    if (QTableWidgetItem* it = item(row, column))
        it->setData(Qt::EditRole, m_columns.at(column).kind == KeyedCell::Money ? QVariant(value.toDouble())
                                                                                  : QVariant(value.toString()));
}

void KeyedGrid::setPicks(int column, const QStringList& picks, const QStringList& codes)
{
    m_picks[column] = picks;
    m_codes[column] = codes;
}

QStringList KeyedGrid::picks(int column) const { return m_picks.value(column); }

void KeyedGrid::clearRows()
{
    if (m_editor) {
        const bool quiet = m_quiet;
        m_quiet = true;
        closeEditor(m_editor, QAbstractItemDelegate::RevertModelCache);
        m_quiet = quiet;
    }
    setRowCount(0);
    fitHeight();
}

int KeyedGrid::appendRow()
{
    const int row = rowCount();
    insertRow(row);
    for (int c = 0; c < m_columns.size(); ++c) {
        auto* it = new QTableWidgetItem;
        it->setData(Qt::EditRole, emptyValue(c));
        if (m_columns.at(c).readOnly)
            it->setFlags(it->flags() & ~Qt::ItemIsEditable);
        setItem(row, c, it);
    }
    fitHeight();
    return row;
}

void KeyedGrid::load(const QString& sql, const store::Values& values)
{
    clearRows();
    m_application = m_storage.application ? m_storage.application() : QString();
    store::Rows rows = store::select(sql, values);
    while (rows.next()) {
        const int row = appendRow();
        for (int c = 0; c < m_columns.size(); ++c) {
            const KeyedColumn& col = m_columns.at(c);
            if (col.read) {
                setCell(row, c, col.read(rows));
                continue;
            }
            switch (col.kind) {
            case KeyedCell::Text:
                if (!col.field.isEmpty())
                    setCell(row, c, rows.text(col.field));
                break;
            case KeyedCell::Money:
                if (!col.field.isEmpty())
                    setCell(row, c, rows.amount(col.field));
                break;
            case KeyedCell::YesNo:
                setCell(row, c, rows.flag(col.field) ? kYes : kNo);
                break;
            case KeyedCell::Choice:
                if (!col.flags.isEmpty()) {
                    for (int i = 0; i < col.flags.size(); ++i)
                        if (!col.flags.at(i).isEmpty() && rows.flag(col.flags.at(i)))
                            setCell(row, c, m_picks.at(c).value(i)); // the later true flag wins
                } else if (!col.field.isEmpty()) {
                    setCell(row, c, rows.text(col.field));
                }
                break;
            }
        }
        if (m_storage.loadRow)
            m_storage.loadRow(*this, row, rows);
    }
}

void KeyedGrid::fitHeight()
{
    int height = horizontalHeader()->sizeHint().height() + 2 * frameWidth();
    for (int r = 0; r < rowCount(); ++r)
        height += rowHeight(r);
    if (horizontalScrollBar()->isVisible() || horizontalHeader()->length() > viewport()->width())
        height += horizontalScrollBar()->sizeHint().height();
    setFixedHeight(height);
}

void KeyedGrid::fitWidth()
{
    setMinimumWidth(horizontalHeader()->length() + 2 * frameWidth());
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fitHeight();
}

void KeyedGrid::commitEditor()
{
    if (!m_editor)
        return;
    const bool quiet = m_quiet;
    m_quiet = true;
    QWidget* editor = m_editor;
    QAbstractItemView::commitData(editor);
    QAbstractItemView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    m_quiet = quiet;
}

void KeyedGrid::commitData(QWidget* editor)
{
    QTableWidget::commitData(editor);
    if (!m_quiet)
        m_committedIndex = m_editorIndex;
}

void KeyedGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    QTableWidget::closeEditor(editor, hint);
    if (m_quiet || !m_committedIndex.isValid())
        return;
    const int row = m_committedIndex.row();
    const int column = m_committedIndex.column();
    m_committedIndex = QPersistentModelIndex();
    if (m_storage.saveOnCommit)
        save();
    emit committed(row, column);
}

QVector<QPair<QString, QVariant>> KeyedGrid::assignments(int row) const
{
    QVector<QPair<QString, QVariant>> sets;
    for (int c = 0; c < m_columns.size(); ++c) {
        if (c == m_storage.keyCell)
            continue; // the key selects the row; it is not rewritten
        const KeyedColumn& col = m_columns.at(c);
        const QString value = text(row, c);
        switch (col.kind) {
        case KeyedCell::Text:
            if (!col.field.isEmpty())
                sets.append({col.field, col.noBlank ? QVariant(value) : store::textValue(value)});
            break;
        case KeyedCell::Money:
            if (!col.field.isEmpty())
                sets.append({col.field, cell(row, c).toDouble()});
            break;
        case KeyedCell::YesNo:
            sets.append({col.field, value == kYes});
            if (!col.noField.isEmpty())
                sets.append({col.noField, value != kYes});
            break;
        case KeyedCell::Choice:
            if (!col.flags.isEmpty()) {
                const int chosen = m_picks.at(c).indexOf(value);
                for (int i = 0; i < col.flags.size(); ++i)
                    if (!col.flags.at(i).isEmpty())
                        sets.append({col.flags.at(i), i == chosen});
            } else if (!col.field.isEmpty()) {
                sets.append({col.field, store::textValue(value)});
            }
            break;
        }
    }
    for (const auto& constant : m_storage.constants)
        sets.append(constant);
    if (m_storage.adjust)
        m_storage.adjust(*this, row, sets);
    return sets;
}

bool KeyedGrid::save(store::OnError onError)
{
    // An editor closed while a page loads moves the focus; that is nobody's edit to store.
    if (m_busy || store::isLoading())
        return true;
    m_busy = true;
    commitEditor();
    bool allWritten = true;
    const KeyedStorage& s = m_storage;
    if (!s.table.isEmpty() && s.keyCell >= 0) {
        for (int r = 0; r < rowCount(); ++r) {
            const auto sets = assignments(r);
            QStringList parts;
            store::Values values;
            for (const auto& [column, value] : sets) {
                parts << store::quoteIdentifier(column) + QStringLiteral("=?");
                values << value;
            }
            QString where = s.keyColumn + QStringLiteral("=?");
            values << text(r, s.keyCell);
            if (!s.applicationColumn.isEmpty()) {
                where += QStringLiteral(" AND ") + s.applicationColumn + QStringLiteral("=?");
                values << m_application;
            }
            const QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE %3")
                                    .arg(s.table, parts.join(QStringLiteral(", ")), where);
            // One row's failure is skipped; the others are still written. A report shows the first only.
            if (!store::execute(sql, values, allWritten ? onError : store::OnError::Ignore))
                allWritten = false;
        }
    }
    m_busy = false;
    return allWritten;
}

void KeyedGrid::onFocusChanged(QWidget* old, QWidget* now)
{
    const auto inside = [this](QWidget* w) { return w && (w == this || isAncestorOf(w)); };
    if (m_busy || store::isLoading() || !inside(old) || inside(now))
        return;
    save();
    emit left();
}
