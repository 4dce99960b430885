#include "SoldInputAny.h"

TSoldInputAnyDlg::TSoldInputAnyDlg(QWidget* parent)
    : IncomeDetailDialog(
          {QStringLiteral("TSoldInputAnyDlg"),
           QStringLiteral("Weitere laufende Leistungen"),
           QStringLiteral("weit. lauf. Leistungen von "),
           QStringLiteral(
               "Geben Sie hier Einkommen wie z.B. Unterhaltsleistungen, Einkünfte aus Vermietung und "
               "Verpachtung an:"),
           QStringLiteral("SOLDMONEYINANY"),
           QStringLiteral("SMA"),
           {{QStringLiteral("Art der Einkünfte"), QStringLiteral("SMA_SIGN"), CellKind::Text, 320},
            {QStringLiteral("Höhe monatlich"), QStringLiteral("SMA_BRUTTO"), CellKind::Money, 130}},
           1},
          parent) {}
