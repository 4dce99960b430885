#include "MoneyInputAny.h"

TMoneyInputAnyDlg::TMoneyInputAnyDlg(QWidget* parent)
    : IncomeDetailDialog(
          {QStringLiteral("TMoneyInputAnyDlg"),
           QStringLiteral("Sonstige Einkommen"),
           QStringLiteral("Sonstige Einkommen von "),
           QStringLiteral(
               "Geben Sie hier Einkommen wie z.B. Unterhaltsleistungen, Einkünfte aus Vermietung und "
               "Verpachtung an:"),
           QStringLiteral("MONEYINANY"),
           QStringLiteral("MIA"),
           {{QStringLiteral("Art der Einkünfte"), QStringLiteral("MIA_SIGN"), CellKind::Text, 320},
            {QStringLiteral("Höhe monatlich"), QStringLiteral("MIA_BRUTTO"), CellKind::Money, 130}},
           1},
          parent) {}
