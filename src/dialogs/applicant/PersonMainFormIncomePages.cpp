#include "PersonMainFormIncomePages.h"

#include "Editors.h"
#include "Formats.h"
#include "Messages.h"
#include "ServerObjects.h"
#include "Sql.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace income {

QString findOrCreateRow(const QString& table, const QString& prefix, const QString& person) {
    if (person.isEmpty() || !MainObject) return {};
    const QString application = MainObject->AntragIdent;
    {
        store::Rows rows = store::select(
            QStringLiteral("SELECT %1_IDENT FROM %2 WHERE %1_INDEX_MAINHEADER=? AND %1_INDEX_PERSON=?")
                .arg(prefix, table),
            {application, person});
        if (!rows.ok()) return {};
        if (rows.next()) return rows.text(prefix + QStringLiteral("_IDENT"));
    }
    const QString id = TMainObject::NewRowIdent();
    if (id.isEmpty()) {
        store::reportDatabaseError(QStringLiteral("Es konnte keine neue Kennung erzeugt werden."));
        return {};
    }
    if (!store::execute(QStringLiteral("INSERT INTO %1 (%2_IDENT,%2_INDEX_MAINHEADER,%2_INDEX_PERSON) "
                                       "VALUES (?, ?, ?)")
                            .arg(table, prefix),
                        {id, application, person}))
        return {};
    return id;
}

double detailSum(const QString& table, const QString& prefix, const QString& column, const QString& person) {
    if (person.isEmpty() || !MainObject) return 0;
    return store::readAmount(store::selectValue(
        QStringLiteral("SELECT SUM(%1) FROM %2 WHERE %3_INDEX_MAINHEADER=? AND %3_INDEX_PERSON=?")
            .arg(column, table, prefix),
        {MainObject->AntragIdent, person}));
}

namespace {

MoneyEdit* plainMoneyEdit(const QString& name, QWidget* parent) {
    auto* edit = new MoneyEdit(parent);
    edit->setObjectName(name);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0.000.000,00")) + 22);
    return edit;
}

} // namespace

MoneyEdit* moneyEdit(const QString& name, const QString& caption, QWidget* parent) {
    MoneyEdit* edit = plainMoneyEdit(name, parent);
    QObject::connect(edit, &QLineEdit::editingFinished, edit, [edit, caption] {
        const QString text = edit->text().trimmed();
        if (edit->isReadable()) {
            edit->setProperty("warnedText", QVariant());
            return;
        }
        // Once per text: the message box takes the focus, which finishes the editing again.
        if (edit->property("warnedText").toString() == text) return;
        edit->setProperty("warnedText", text);
        store::Messages::information(
            QStringLiteral("„%1“ ist kein gültiger Betrag für „%2“.\nBitte geben Sie den "
                           "Betrag in der Form 1.234,56 ein.\nBis dahin zählt das Feld "
                           "als 0,00 €.")
                .arg(text, caption));
    });
    return edit;
}

MoneyEdit* sumField(const QString& name, QWidget* parent) {
    MoneyEdit* edit = plainMoneyEdit(name, parent);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setStyleSheet(QStringLiteral("background: #eeeef6;"));
    return edit;
}

QSpinBox* spinBox(const QString& name, int minimum, int maximum, QWidget* parent) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setRange(minimum, maximum);
    spin->setFixedWidth(spin->fontMetrics().horizontalAdvance(
                            QString(QString::number(maximum).size() + 1, QLatin1Char('0'))) +
                        40);
    return spin;
}

QSpinBox* yearSpin(const QString& name, QWidget* parent) {
    QSpinBox* spin = spinBox(name, 0, 9999, parent);
    // No year is a blank, on screen as in the store; emptying the field is no year.
    spin->setSpecialValueText(QStringLiteral(" "));
    if (auto* edit = spin->findChild<QLineEdit*>())
        QObject::connect(edit, &QLineEdit::textEdited, spin, [spin](const QString& text) {
            if (text.trimmed().isEmpty()) spin->setValue(0);
        });
    return spin;
}

QPushButton* detailButton(const QString& name, QWidget* parent) {
    auto* button = new QPushButton(QStringLiteral("Hier angeben"), parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QLabel* notApplicableNote(const QString& name, QWidget* parent) {
    auto* note = new QLabel(QStringLiteral("...entfällt..."), parent);
    note->setObjectName(name);
    note->setAlignment(Qt::AlignCenter);
    note->setStyleSheet(QStringLiteral("color: navy; font-size: 18px; font-style: italic; padding: 40px;"));
    return note;
}

QVariant dateText(const QDate& date) {
    return store::textValue(store::formatDate(date));
}

QDate readDateText(const QString& text) {
    const QString s = text.trimmed();
    if (s.isEmpty()) return {};
    QDate d = store::parseDate(s.left(10));
    if (!d.isValid()) d = QDate::fromString(s.left(10), Qt::ISODate);
    return d;
}

QVariant dateFieldValue(const DateEdit* edit, const QString& table, const QString& rowColumn,
                        const QString& row, const QString& column) {
    if (edit->isAcceptable()) return dateText(edit->date());
    const QString stored = store::readText(store::selectValue(
        QStringLiteral("SELECT %1 FROM %2 WHERE %3=?").arg(column, table, rowColumn), {row}));
    return store::textValue(stored);
}

} // namespace income
