#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

namespace store {

// Every format of the program follows de_DE.
QLocale germanLocale();

// "1.234,56€", as labels show amounts.
QString formatMoneyLabel(double amount);
// "1.234,56 €", as grids show amounts.
QString formatMoneyGrid(double amount);
// "1.234,56", as amount fields show them.
QString formatAmount(double amount);
// German input ("1.234,56", "12,5", "1234", "12,50 €"), and "1234.56" typed with a decimal dot (a dot
// before one or two final digits, no comma); `ok` false and 0 when it cannot be read.
double parseAmount(const QString& text, bool* ok = nullptr);

// "dd.MM.yyyy"; empty for no date.
QString formatDate(const QDate& date);
// "11.12.2026" or "1.2.2026"; invalid when it cannot be read.
QDate parseDate(const QString& text);

} // namespace store
