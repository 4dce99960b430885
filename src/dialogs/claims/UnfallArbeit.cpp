#include "UnfallArbeit.h"

#include "PageBuilder.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace accident;

TUnfallArbeitDlg::TUnfallArbeitDlg(QWidget* parent)
    : UnfallDetailDialog(QStringLiteral("TUnfallArbeitDlg"), QStringLiteral("Arbeitsunfall"),
                         QStringLiteral("Arbeitsunfall  von "), parent) {
    auto* caption = forms::question(
        QStringLiteral("Schildern Sie möglichst ausführlich den Unfall bzw. die Entstehung des Schadens:"), this);
    QPlainTextEdit* description = memo(QStringLiteral("UNF_DESCRIP"), this, 8);
    description->setMaximumHeight(QWIDGETSIZE_MAX);
    caption->setBuddy(description);
    body()->addWidget(caption);
    body()->addWidget(description, 1);

    QGroupBox* group = forms::groupBox(QStringLiteral("EmployerGroup"), QStringLiteral("Angaben zum Arbeitgeber"), this);
    auto* grid = new QGridLayout(group);
    grid->setColumnStretch(1, 1);
    QLineEdit* company = forms::lineEdit(QStringLiteral("UNF_COMPANY_NAME"), group, 320);
    QLineEdit* address = forms::lineEdit(QStringLiteral("UNF_COMPANY_ADDRESS"), group, 320);
    addField(grid, QStringLiteral("Firma"), company);
    addField(grid, QStringLiteral("Anschrift"), address);
    body()->addWidget(group);

    m_columns.memo(description, QStringLiteral("UNF_DESCRIP"))
        .text(company, QStringLiteral("UNF_COMPANY_NAME"))
        .text(address, QStringLiteral("UNF_COMPANY_ADDRESS"));
    resize(600, 480);
}

void TUnfallArbeitDlg::reset() {
    for (QPlainTextEdit* m : findChildren<QPlainTextEdit*>())
        m->clear();
    for (QLineEdit* e : findChildren<QLineEdit*>())
        e->clear();
}

void TUnfallArbeitDlg::load() {
    store::Rows row = accidentRow();
    if (row.next()) m_columns.load(row);
}

bool TUnfallArbeitDlg::write() {
    return m_columns.update(QStringLiteral("UNFMAIN"), QStringLiteral("UNF_INDEX_PERSON"), person());
}
