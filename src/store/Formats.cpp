#include "Formats.h"

#include <QRegularExpression>

#include <cmath>

namespace store {

QLocale germanLocale() { return QLocale(QLocale::German, QLocale::Germany); }

QString formatAmount(double amount)
{
    // A sum that rounds to zero is zero, not "-0,00".
    if (std::abs(amount) < 0.005)
        amount = 0.0;
    return germanLocale().toString(amount, 'f', 2);
}

QString formatMoneyLabel(double amount) { return formatAmount(amount) + QStringLiteral("€"); }

QString formatMoneyGrid(double amount) { return formatAmount(amount) + QStringLiteral(" €"); }

double parseAmount(const QString& text, bool* ok)
{
    QString s = text;
    s.remove(QStringLiteral("€")).remove(QLatin1Char(' ')).remove(QChar(0x00A0));
    if (ok)
        *ok = false;
    if (s.isEmpty())
        return 0.0;
    // Thousands separators only between groups of three digits; the comma is the decimal separator.
    static const QRegularExpression german(QStringLiteral("^[+-]?(\\d{1,3}(\\.\\d{3})+|\\d+)(,\\d*)?$"));
    // Without a comma, a dot before one or two digits can only be meant as the decimal point ("1234.56");
    // before three digits it stays a thousands separator ("1.234").
    static const QRegularExpression dotDecimal(QStringLiteral("^[+-]?\\d+\\.\\d{1,2}$"));
    const bool decimalDot = dotDecimal.match(s).hasMatch();
    if (!decimalDot && !german.match(s).hasMatch())
        return 0.0;
    if (!decimalDot)
        s.remove(QLatin1Char('.')).replace(QLatin1Char(','), QLatin1Char('.'));
    bool converted = false;
    const double value = s.toDouble(&converted);
    // A digit string too long for a double overflows; no amount is infinite.
    converted = converted && std::isfinite(value);
    if (ok)
        *ok = converted;
    return converted ? value : 0.0;
}

QString formatDate(const QDate& date) { return date.isValid() ? date.toString(QStringLiteral("dd.MM.yyyy")) : QString(); }

QDate parseDate(const QString& text)
{
    const QString s = text.trimmed();
    for (const char* format : {"dd.MM.yyyy", "d.M.yyyy"}) {
        const QDate d = QDate::fromString(s, QLatin1String(format));
        if (d.isValid())
            return d;
    }
    return {};
}

} // namespace store
