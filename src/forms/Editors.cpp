#include "Editors.h"

#include "Formats.h"

MoneyEdit::MoneyEdit(QWidget* parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight);
    setValue(0.0);
    connect(this, &QLineEdit::textEdited, this, [this] { emit valueEdited(value()); });
    connect(this, &QLineEdit::editingFinished, this, [this] {
        if (isReadable())
            setText(store::formatAmount(value()));
    });
}

double MoneyEdit::value() const { return store::parseAmount(text()); }

void MoneyEdit::setValue(double amount) { setText(store::formatAmount(amount)); }

bool MoneyEdit::isReadable() const
{
    bool ok = false;
    store::parseAmount(text(), &ok);
    return ok || text().trimmed().isEmpty();
}

DateEdit::DateEdit(QWidget* parent) : QLineEdit(parent)
{
    setPlaceholderText(QStringLiteral("TT.MM.JJJJ"));
    setMaxLength(10);
    connect(this, &QLineEdit::textEdited, this, [this] {
        const bool acceptable = isAcceptable();
        setStyleSheet(acceptable ? QString() : QStringLiteral("color: #b00000;"));
        if (acceptable)
            emit dateEdited(date());
    });
}

QDate DateEdit::date() const { return store::parseDate(text()); }

void DateEdit::setDate(const QDate& date)
{
    setText(store::formatDate(date));
    setStyleSheet(QString());
}

bool DateEdit::isAcceptable() const { return text().trimmed().isEmpty() || date().isValid(); }
