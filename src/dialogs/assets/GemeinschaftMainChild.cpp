// Page 3 of the community dialog: child benefit, for whom, its number and amount, and its recipient.
#include "GemeinschaftMain.h"

#include "Editors.h"
#include "FixedGrid.h"
#include "Messages.h"
#include "PageBuilder.h"
#include "ServerObjects.h"
#include "Settings.h"
#include "Sql.h"
#include "YesNoPair.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

enum ClaimColumn { NameColumn, ClaimColumn, IdentColumn, NumberColumn };

constexpr int kFirstClaimNumber = 1;
constexpr int kLastClaimNumber = 10; // CKG_CHILD_1 … CKG_CHILD_10

const QString kJa = QStringLiteral("Ja");
const QString kNein = QStringLiteral("Nein");

QString settingSection() { return QStringLiteral("MONEY"); }
QString settingKey() { return QStringLiteral("CHILD"); }

} // namespace

QWidget* TGemeinschaftMainDlg::createChildPage()
{
    QWidget* page = forms::pageContent(QStringLiteral("TabSheet4"));
    auto* layout = static_cast<QVBoxLayout*>(page->layout());
    QGroupBox* group = forms::groupBox(QStringLiteral("ChildMoneyGroup"), QStringLiteral("Kindergeld"), page);
    auto* g = new QVBoxLayout(group);

    const QString question = QStringLiteral("Besteht Anspruch auf Kindergeld?");
    g->addWidget(forms::question(question, group, QStringLiteral("ChildMoneyQuestion")));
    auto* answers = new QHBoxLayout;
    auto* yes = forms::checkBox(QStringLiteral("ChildMoneyYes"), QStringLiteral("Ja, für folgende Personen"), group);
    auto* no = forms::checkBox(QStringLiteral("ChildMoneyNo"), kNein, group);
    yes->setAccessibleDescription(question);
    no->setAccessibleDescription(question);
    answers->addWidget(yes);
    answers->addWidget(no);
    answers->addStretch(1);
    g->addLayout(answers);

    // The claims are stored by their person's number; identifier and number stay hidden.
    m_claimsGrid = new FixedGrid(0,
                                 {{QStringLiteral("Name, Vorname"), QString(), CellKind::Text, 300},
                                  {QStringLiteral("Anspruch (Ja/Nein)"), QString(), CellKind::Pick, 140, {kJa, kNein}},
                                  {QString(), QString(), CellKind::Text, 0},
                                  {QString(), QString(), CellKind::Text, 0}},
                                 group);
    m_claimsGrid->setObjectName(QStringLiteral("ChildClaimsGrid"));
    m_claimsGrid->setColumnHidden(IdentColumn, true);
    m_claimsGrid->setColumnHidden(NumberColumn, true);
    m_claimsGrid->horizontalHeader()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    m_claimsGrid->setMinimumHeight(m_claimsGrid->horizontalHeader()->sizeHint().height() +
                                   6 * m_claimsGrid->verticalHeader()->defaultSectionSize());
    g->addWidget(m_claimsGrid, 1);

    auto* fields = new QGridLayout;
    m_childNumberEdit = forms::lineEdit(QStringLiteral("ChildNumberEdit"), group, 140);
    m_childNumberEdit->setMaxLength(10);
    m_childNumberLabel = forms::label(QStringLiteral("Kindergeld Nummer"), group, QStringLiteral("ChildNumberLabel"));
    m_childNumberLabel->setBuddy(m_childNumberEdit);
    m_childAmountEdit = new MoneyEdit(group);
    m_childAmountEdit->setObjectName(QStringLiteral("ChildAmountEdit"));
    m_childAmountLabel = forms::label(QStringLiteral("Monatlich in Höhe von"), group, QStringLiteral("ChildAmountLabel"));
    m_childAmountLabel->setBuddy(m_childAmountEdit);
    m_childRecipientCombo = new QComboBox(group);
    m_childRecipientCombo->setObjectName(QStringLiteral("ChildRecipientCombo"));
    m_childRecipientCombo->setMinimumWidth(240);
    m_childRecipientLabel = forms::label(QStringLiteral("wird überwisen an"), group, QStringLiteral("ChildRecipientLabel"));
    m_childRecipientLabel->setBuddy(m_childRecipientCombo);
    fields->addWidget(m_childNumberLabel, 0, 0);
    fields->addWidget(m_childNumberEdit, 0, 1);
    fields->addWidget(m_childAmountLabel, 1, 0);
    fields->addWidget(m_childAmountEdit, 1, 1);
    fields->addWidget(m_childRecipientLabel, 2, 0);
    fields->addWidget(m_childRecipientCombo, 2, 1);
    fields->setColumnStretch(2, 1);
    g->addLayout(fields);
    layout->addWidget(group, 1);

    m_childMoney = new YesNoPair(yes, no, YesNoPair::Exclusive, this);
    m_childMoney->onChange([this](bool ticked) { ChildMoneyChange(ticked); });
    connect(m_childMoney, &YesNoPair::clicked, this, &TGemeinschaftMainDlg::ChildMoneyClick);
    connect(m_childNumberEdit, &QLineEdit::textEdited, this, [this] { writeChildNumber(); });
    connect(m_childAmountEdit, &MoneyEdit::valueEdited, this, [this] { writeChildNumber(); });
    connect(m_childRecipientCombo, qOverload<int>(&QComboBox::activated), this,
            &TGemeinschaftMainDlg::ChildRecipientChosen);
    return page;
}

// On screen only: what a click stores follows in ChildMoneyClick, and loading stores nothing.
void TGemeinschaftMainDlg::ChildMoneyChange(bool yes)
{
    forms::setShown({m_claimsGrid, m_childNumberLabel, m_childNumberEdit, m_childAmountLabel, m_childAmountEdit,
                     m_childRecipientLabel, m_childRecipientCombo},
                    yes);
    m_childNumberEdit->clear();
    m_childAmountEdit->setValue(0);
}

void TGemeinschaftMainDlg::ChildMoneyClick()
{
    const QString app = application();
    if (app.isEmpty())
        return;
    const bool yes = m_childMoney->yes();
    const bool no = m_childMoney->no();
    // The answer, the fields its rule emptied on screen, and for "Nein" the claims go together.
    const bool stored = store::inTransaction([&] {
        if (!store::execute(QStringLiteral("UPDATE MAINHEADER SET BDG_CHILDMONEY_YES=?, BDG_CHILDMONEY_NO=? WHERE BDG_IDENT=?"),
                            {yes, no, app}))
            return false;
        if ((yes || no) && !writeChildNumber())
            return false;
        return !no || store::execute(QStringLiteral("DELETE FROM MEMBERCHILDS WHERE CKG_INDEX_MAINHEADER=?"), {app});
    });
    if (!stored || !no)
        return;
    for (int r = 0; r < m_claimsGrid->rowCount(); ++r)
        m_claimsGrid->setCell(r, ClaimColumn, kNein);
    m_childRecipientCombo->setCurrentIndex(0);
    QString error;
    if (!store::writeSetting(settingSection(), settingKey(), QString(), &error))
        store::Messages::error(error);
}

bool TGemeinschaftMainDlg::writeChildNumber()
{
    if (store::isLoading() || application().isEmpty())
        return false;
    // The number is stored with two blanks appended.
    return store::execute(
        QStringLiteral("UPDATE MAINHEADER SET BDG_CHILDMONEY_NUMBER=?, BDG_CHILDMONEY_BRUTTO=? WHERE BDG_IDENT=?"),
        {m_childNumberEdit->text() + QStringLiteral("  "), m_childAmountEdit->value(), application()});
}

void TGemeinschaftMainDlg::ChildRecipientChosen(int index)
{
    QString error;
    if (!store::writeSetting(settingSection(), settingKey(), m_childRecipientCombo->itemData(index).toString(), &error))
        store::Messages::error(error);
}

bool TGemeinschaftMainDlg::saveClaims()
{
    m_claimsGrid->finishEditing();
    const QString app = application();
    // Without "Ja" there are no claims to keep; "Nein" has deleted them.
    if (app.isEmpty() || !m_childMoney->yes())
        return false;
    store::Values values{TMainObject::NewRowIdent(), app};
    for (int n = kFirstClaimNumber; n <= kLastClaimNumber; ++n)
        values << false;
    for (int r = 0; r < m_claimsGrid->rowCount(); ++r) {
        const int number = m_claimsGrid->text(r, NumberColumn).toInt();
        if (m_claimsGrid->text(r, ClaimColumn) == kJa && number >= kFirstClaimNumber && number <= kLastClaimNumber)
            values[1 + number] = true;
    }
    return store::inTransaction(
        [&values, &app] {
            return store::execute(QStringLiteral("DELETE FROM MEMBERCHILDS WHERE CKG_INDEX_MAINHEADER=?"), {app},
                                  store::OnError::Ignore) &&
                   store::execute(QStringLiteral("INSERT INTO MEMBERCHILDS (CKG_IDENT, CKG_INDEX_MAINHEADER, CKG_CHILD_1, "
                                                 "CKG_CHILD_2, CKG_CHILD_3, CKG_CHILD_4, CKG_CHILD_5, CKG_CHILD_6, "
                                                 "CKG_CHILD_7, CKG_CHILD_8, CKG_CHILD_9, CKG_CHILD_10) "
                                                 "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                                  values, store::OnError::Ignore);
        },
        store::OnError::Ignore);
}

void TGemeinschaftMainDlg::loadChildPage()
{
    m_loadingGrid = true;
    m_claimsGrid->finishEditing();
    m_childMoney->yesBox()->setChecked(false);
    m_childMoney->noBox()->setChecked(true);
    ChildMoneyChange(false);

    // The persons: one claims row each, and the recipient list with an empty first entry.
    m_claimsGrid->setRowCount(0);
    m_childRecipientCombo->clear();
    m_childRecipientCombo->addItem(QString(), QString());
    store::Rows persons = store::select(QStringLiteral("SELECT PRS_IDENT, PRS_NAME, PRS_VNAME, PRS_NUMBER FROM PERSON "
                                                       "WHERE PRS_INDEX_MAINHEADER=? ORDER BY PRS_TYPE, PRS_NUMBER"),
                                        {application()});
    while (persons.next()) {
        const int r = m_claimsGrid->rowCount();
        m_claimsGrid->setRowCount(r + 1);
        for (int c = 0; c < m_claimsGrid->columnCount(); ++c)
            m_claimsGrid->setItem(r, c, new QTableWidgetItem);
        const QString name =
            persons.text(QStringLiteral("PRS_NAME")) + QStringLiteral(", ") + persons.text(QStringLiteral("PRS_VNAME"));
        const int number = persons.integer(QStringLiteral("PRS_NUMBER"));
        m_claimsGrid->setCell(r, NameColumn, name);
        m_claimsGrid->setCell(r, ClaimColumn, kNein);
        m_claimsGrid->setCell(r, IdentColumn, persons.text(QStringLiteral("PRS_IDENT")));
        m_claimsGrid->setCell(r, NumberColumn, QString::number(number));
        QTableWidgetItem* nameItem = m_claimsGrid->item(r, NameColumn);
        nameItem->setFlags(nameItem->flags() & ~Qt::ItemIsEditable);
        // Only ten persons have a column of their own; a claim for any other could not be kept.
        if (number < kFirstClaimNumber || number > kLastClaimNumber) {
            QTableWidgetItem* claim = m_claimsGrid->item(r, ClaimColumn);
            claim->setFlags(claim->flags() & ~Qt::ItemIsEditable);
            claim->setToolTip(QStringLiteral("Nur für Personen mit Nummer 1 bis 10 speicherbar"));
            claim->setForeground(Qt::gray);
        }
        m_childRecipientCombo->addItem(name, persons.text(QStringLiteral("PRS_IDENT")));
    }
    const int recipient = m_childRecipientCombo->findData(store::readSetting(settingSection(), settingKey()));
    m_childRecipientCombo->setCurrentIndex(recipient > 0 ? recipient : 0);

    store::Rows header = store::select(QStringLiteral("SELECT BDG_CHILDMONEY_YES, BDG_CHILDMONEY_NO, BDG_CHILDMONEY_NUMBER, "
                                                      "BDG_CHILDMONEY_BRUTTO FROM MAINHEADER WHERE BDG_IDENT=?"),
                                       {application()});
    const bool found = header.next();
    m_childMoney->yesBox()->setChecked(found && header.flag(QStringLiteral("BDG_CHILDMONEY_YES")));
    m_childMoney->noBox()->setChecked(found && header.flag(QStringLiteral("BDG_CHILDMONEY_NO")));
    if (!m_childMoney->yes() && !m_childMoney->no())
        m_childMoney->noBox()->setChecked(true);
    if (found) {
        m_childNumberEdit->setText(header.text(QStringLiteral("BDG_CHILDMONEY_NUMBER")));
        m_childAmountEdit->setValue(header.amount(QStringLiteral("BDG_CHILDMONEY_BRUTTO")));
    }

    store::Rows claims =
        store::select(QStringLiteral("SELECT * FROM MEMBERCHILDS WHERE CKG_INDEX_MAINHEADER=?"), {application()});
    if (claims.next())
        for (int r = 0; r < m_claimsGrid->rowCount(); ++r) {
            const int number = m_claimsGrid->text(r, NumberColumn).toInt();
            if (number >= kFirstClaimNumber && number <= kLastClaimNumber &&
                claims.flag(QStringLiteral("CKG_CHILD_%1").arg(number)))
                m_claimsGrid->setCell(r, ClaimColumn, kJa);
        }
    m_loadingGrid = false;
}
