#include "SoldMoneyInOne.h"

TSoldMoneyInOneDlg::TSoldMoneyInOneDlg(QWidget* parent)
    : IncomeDetailDialog(
          {QStringLiteral("TSoldMoneyInOneDlg"),
           QStringLiteral("Einmalzahlungen"),
           QStringLiteral("Einmalzahlungen von "),
           QStringLiteral("Geben Sie hier Einkommen an, die nicht regelmäßig erzielt werden, z,B. "
                          "Steuerrückerstattungen:"),
           QStringLiteral("SOLDMONEYINONE"),
           QStringLiteral("SMO"),
           {{QStringLiteral("Art der Einkünfte"), QStringLiteral("SMO_SIGN"), CellKind::Text, 220},
            {QStringLiteral("Fälligkeit"), QStringLiteral("SMO_UNTIL"), CellKind::Text, 110},
            {QStringLiteral("Bruttobetrag"), QStringLiteral("SMO_BRUTTO"), CellKind::Money, 120},
            {QStringLiteral("Nettobetrag"), QStringLiteral("SMO_NETTO"), CellKind::Money, 120}},
           3},
          parent) {}
