#include "UnfallTraeger.h"

#include "PageBuilder.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>

using namespace accident;

namespace {
struct Field {
    int group;
    const char* caption;
    const char* column;
};
const char* const kGroups[] = {
    "Bei welcher Krankenkasse war der Geschädigte zum Zeitpunkt des Unfalls?",
    "Bei welchem Rentenversicherungsträger ist der Geschädigte versichert?",
    "Unfallversicherung (Berufsgenossenschaft oder sonstiges) des Betriebes?",
};
// Top to bottom, the order in which they are written.
const Field kFields[] = {
    {0, "Bezeichnung", "UNF_LEISTUNG_KK_NAME"},  {0, "Anschrift", "UNF_LEISTUNG_KK_ADDRESS"},
    {0, "Vers. Nummer", "UNF_LEISTUNG_KK_NUMBER"}, {1, "Bezeichnung", "UNF_LEISTUNG_RV_NAME"},
    {1, "RV-Nummer", "UNF_LEISTUNG_RV_NUMBER"},  {2, "Bezeichnung", "UNF_LEISTUNG_UV_NAME"},
};
} // namespace

TUnfallTraegerDlg::TUnfallTraegerDlg(QWidget* parent)
    : UnfallDetailDialog(QStringLiteral("TUnfallTraegerDlg"), QStringLiteral("Leistungsträger"),
                         QStringLiteral("Leistungsträger von "), parent) {
    QGridLayout* grids[3] = {};
    for (int g = 0; g < 3; ++g) {
        QGroupBox* group = forms::groupBox(QStringLiteral("InsurerGroup%1").arg(g + 1), QString(), this);
        grids[g] = new QGridLayout(group);
        grids[g]->addWidget(forms::question(QString::fromUtf8(kGroups[g]), group), 0, 0, 1, 2);
        grids[g]->setColumnStretch(1, 1);
        body()->addWidget(group);
    }
    for (const Field& f : kFields) {
        QLineEdit* edit = forms::lineEdit(QString::fromUtf8(f.column), grids[f.group]->parentWidget(), 320);
        addField(grids[f.group], QString::fromUtf8(f.caption), edit);
        m_columns.text(edit, QString::fromUtf8(f.column));
    }
    body()->addStretch(1);
    resize(560, sizeHint().height());
}

void TUnfallTraegerDlg::reset() {
    for (QLineEdit* e : findChildren<QLineEdit*>())
        e->clear();
}

void TUnfallTraegerDlg::load() {
    store::Rows row = accidentRow();
    if (row.next()) m_columns.load(row);
}

bool TUnfallTraegerDlg::write() {
    return m_columns.update(QStringLiteral("UNFMAIN"), QStringLiteral("UNF_INDEX_PERSON"), person());
}
