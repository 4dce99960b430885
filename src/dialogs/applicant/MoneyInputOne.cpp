#include "MoneyInputOne.h"

TMoneyInputOneDlg::TMoneyInputOneDlg(QWidget* parent)
    : IncomeDetailDialog(
          {QStringLiteral("TMoneyInputOneDlg"),
           QStringLiteral("Sonstige Einkommen"),
           QStringLiteral("Sonstige Einkommen von "),
           QStringLiteral("Geben Sie hier Einkommen an, die nicht regelmäßig erzielt werden, z,B. "
                          "Steuerrückerstattungen"),
           QStringLiteral("MONEYINONE"),
           QStringLiteral("MIO"),
           // The three dates are kept as typed: a month or a rough period is a valid answer here.
           {{QStringLiteral("Art der Einkünfte"), QStringLiteral("MIO_SIGN"), CellKind::Text, 220},
            {QStringLiteral("Zeitraum von"), QStringLiteral("MIO_FROM"), CellKind::Text, 100},
            {QStringLiteral("Zeitraum bis"), QStringLiteral("MIO_UNTIL"), CellKind::Text, 100},
            {QStringLiteral("Zugeflossen am"), QStringLiteral("MIO_INPUT"), CellKind::Text, 110},
            {QStringLiteral("Höhe monatlich"), QStringLiteral("MIO_BRUTTO"), CellKind::Money, 120}},
           4},
          parent) {}
