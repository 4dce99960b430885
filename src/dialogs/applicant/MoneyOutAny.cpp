#include "MoneyOutAny.h"

TMoneyOutAnyDlg::TMoneyOutAnyDlg(QWidget* parent)
    : IncomeDetailDialog(
          {QStringLiteral("TMoneyOutAnyDlg"),
           QStringLiteral("Weitere Absetzungsmöglichkeiten"),
           QStringLiteral("Weitere Absetzungsmögl.  von "),
           QStringLiteral(
               "Geben Sie hier Einkommen wie z.B. Unterhaltsleistungen, Einkünfte aus Vermietung und "
               "Verpachtung an:"),
           QStringLiteral("MONEYOUTANY"),
           QStringLiteral("MOT"),
           {{QStringLiteral("Art"), QStringLiteral("MOT_SIGN"), CellKind::Text, 170},
            {QStringLiteral("Name"), QStringLiteral("MOT_NAME"), CellKind::Text, 110},
            {QStringLiteral("Vorname"), QStringLiteral("MOT_VNAME"), CellKind::Text, 110},
            {QStringLiteral("Verwandt. -Verhältn."), QStringLiteral("MOT_VERWANDT"), CellKind::Text, 130},
            {QStringLiteral("Grund"), QStringLiteral("MOT_GRUND"), CellKind::Text, 140},
            {QStringLiteral("Höhe monatlich"), QStringLiteral("MOT_BRUTTO"), CellKind::Money, 120}},
           5},
          parent) {}
