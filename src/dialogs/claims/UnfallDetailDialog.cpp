#include "UnfallDetailDialog.h"

#include "Editors.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

namespace accident {

ColumnTable& ColumnTable::text(QLineEdit* edit, const QString& column) {
    return custom(
        column, [edit] { return store::textValue(edit->text()); },
        [edit, column](const store::Rows& row) { edit->setText(row.text(column)); });
}

ColumnTable& ColumnTable::memo(QPlainTextEdit* edit, const QString& column) {
    return custom(
        column, [edit] { return store::textValue(edit->toPlainText()); },
        [edit, column](const store::Rows& row) { edit->setPlainText(row.text(column)); });
}

ColumnTable& ColumnTable::box(QCheckBox* box, const QString& column) {
    // Setting a box runs its change rule, so the boxes are loaded in the order of their columns.
    return custom(
        column, [box] { return box->isChecked(); },
        [box, column](const store::Rows& row) { box->setChecked(row.flag(column)); });
}

ColumnTable& ColumnTable::custom(const QString& column, std::function<QVariant()> value,
                                 std::function<void(const store::Rows& row)> load) {
    m_entries.append({column, std::move(value), std::move(load)});
    return *this;
}

QStringList ColumnTable::columns() const {
    QStringList list;
    for (const Entry& e : m_entries)
        list << e.column;
    return list;
}

store::Values ColumnTable::values() const {
    store::Values list;
    for (const Entry& e : m_entries)
        list << e.value();
    return list;
}

void ColumnTable::load(const store::Rows& row) const {
    for (const Entry& e : m_entries)
        e.load(row);
}

bool ColumnTable::update(const QString& table, const QString& keyColumn, const QString& key) const {
    QStringList sets;
    for (const Entry& e : m_entries)
        sets << e.column + QStringLiteral("=?");
    store::Values bound = values();
    bound << key;
    return store::execute(
        QStringLiteral("UPDATE %1 SET %2 WHERE %3=?").arg(table, sets.join(QStringLiteral(", ")), keyColumn),
        bound);
}

bool ColumnTable::insert(const QString& table, const QStringList& leadingColumns,
                         const store::Values& leading) const {
    const QStringList all = leadingColumns + columns();
    store::Values bound = leading;
    bound << values();
    return store::execute(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                              .arg(table, all.join(QLatin1Char(',')),
                                   QStringList(all.size(), QStringLiteral("?")).join(QLatin1Char(','))),
                          bound);
}

void limitLength(QPlainTextEdit* memo, int maximum) {
    QObject::connect(memo, &QPlainTextEdit::textChanged, memo, [memo, maximum] {
        const QString text = memo->toPlainText();
        if (text.size() <= maximum) return;
        memo->setPlainText(text.left(maximum));
        memo->moveCursor(QTextCursor::End);
    });
}

QPlainTextEdit* memo(const QString& name, QWidget* parent, int lines) {
    auto* edit = new QPlainTextEdit(parent);
    edit->setObjectName(name);
    edit->setTabChangesFocus(true);
    const int height = lines * edit->fontMetrics().lineSpacing() + 12;
    edit->setMinimumHeight(height);
    edit->setMaximumHeight(height + edit->fontMetrics().lineSpacing());
    return edit;
}

QLabel* addField(QGridLayout* grid, const QString& caption, QWidget* field, int columnSpan) {
    const int row = grid->rowCount();
    auto* label = new QLabel(caption, grid->parentWidget());
    label->setBuddy(field);
    // Short captions stay on one line; long ones wrap instead of widening the form.
    const bool wraps = caption.size() > 30;
    label->setWordWrap(wraps);
    const bool tall = wraps || qobject_cast<QPlainTextEdit*>(field);
    grid->addWidget(label, row, 0, tall ? Qt::AlignTop : Qt::AlignVCenter);
    grid->addWidget(field, row, 1, 1, columnSpan);
    return label;
}

UnfallDetailDialog::UnfallDetailDialog(const QString& objectName, const QString& caption,
                                       const QString& titlePrefix, QWidget* parent)
    : QDialog(parent), m_titlePrefix(titlePrefix) {
    setObjectName(objectName);
    setWindowTitle(caption);
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("TitleLabel"));
    m_title->setWordWrap(true);
    m_title->setStyleSheet(
        QStringLiteral("color: navy; font-size: 16px; font-weight: bold; font-style: italic;"));
    layout->addWidget(m_title);

    m_body = new QVBoxLayout;
    m_body->setSpacing(8);
    layout->addLayout(m_body, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    auto* close = new QPushButton(QStringLiteral("Schließen"), this);
    close->setObjectName(QStringLiteral("CloseButton"));
    close->setAutoDefault(false); // Enter in a field is no "Schließen"
    bottom->addWidget(close);
    layout->addLayout(bottom);

    connect(close, &QPushButton::clicked, this, [this] {
        if (write()) accept();
    });
}

int UnfallDetailDialog::Show(const QString& application, const QString& person, const QString& displayName) {
    m_application = application;
    m_person = person;
    m_title->setText(m_titlePrefix + displayName);
    {
        store::LoadScope loading;
        reset();
        load();
    }
    return exec();
}

store::Rows UnfallDetailDialog::accidentRow() const {
    return store::select(QStringLiteral("SELECT * FROM UNFMAIN WHERE UNF_INDEX_PERSON=? ORDER BY rowid"), {m_person});
}

} // namespace accident
