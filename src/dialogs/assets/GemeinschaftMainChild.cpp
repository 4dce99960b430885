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

constexpr int kJaPick = 0;
constexpr int kNeinPick = 1;
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

    // One row per person; the claims are stored by the person's number, in one row of ten flags.
    GridColumn claim{QStringLiteral("Anspruch (Ja/Nein)"), QString(), CellKind::ChoicePair, 140, {kJa, kNein}};
    claim.defaultPick = kNeinPick;
    GridColumn name{QStringLiteral("Name, Vorname"), QString(), CellKind::Text, 300};
    name.readOnly = true;
    GridColumn ident{QString(), QString(), CellKind::Text, 0};
    ident.hidden = true;
    GridColumn number{QString(), QString(), CellKind::Integer, 0};
    number.hidden = true;
    m_claimsGrid = new FixedGrid(0, {name, claim, ident, number}, group);
    GridStorage storage;
    storage.application = application;
    storage.customLoad = [this](FixedGrid& grid) { loadClaims(grid); };
    storage.customSave = [this](FixedGrid& grid) { return saveClaims(grid); };
    m_claimsGrid->setStorage(storage);
    m_claimsGrid->setObjectName(QStringLiteral("ChildClaimsGrid"));
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
        m_claimsGrid->setCell(r, ClaimColumn, kNeinPick);
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

// Runs inside the grid's one transaction, for the application the grid was loaded for.
bool TGemeinschaftMainDlg::saveClaims(FixedGrid& grid)
{
    const QString app = grid.loadedApplication();
    // Without "Ja" there are no claims to keep; "Nein" has deleted them.
    if (app.isEmpty() || !m_childMoney->yes())
        return true;
    store::Values values{TMainObject::NewRowIdent(), app};
    for (int n = kFirstClaimNumber; n <= kLastClaimNumber; ++n)
        values << false;
    for (int r = 0; r < grid.rowCount(); ++r) {
        const int number = grid.cell(r, NumberColumn).toInt();
        if (grid.cell(r, ClaimColumn).toInt() == kJaPick && number >= kFirstClaimNumber && number <= kLastClaimNumber)
            values[1 + number] = true;
    }
    return store::execute(QStringLiteral("DELETE FROM MEMBERCHILDS WHERE CKG_INDEX_MAINHEADER=?"), {app},
                          store::OnError::Ignore) &&
           store::execute(QStringLiteral("INSERT INTO MEMBERCHILDS (CKG_IDENT, CKG_INDEX_MAINHEADER, CKG_CHILD_1, "
                                         "CKG_CHILD_2, CKG_CHILD_3, CKG_CHILD_4, CKG_CHILD_5, CKG_CHILD_6, "
                                         "CKG_CHILD_7, CKG_CHILD_8, CKG_CHILD_9, CKG_CHILD_10) "
                                         "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                          values, store::OnError::Ignore);
}

// One row per person, every claim "Nein", then "Ja" for each person numbered n whose CKG_CHILD_n is set.
void TGemeinschaftMainDlg::loadClaims(FixedGrid& grid)
{
    grid.setRowCount(0);
    store::Rows persons = store::select(QStringLiteral("SELECT PRS_IDENT, PRS_NAME, PRS_VNAME, PRS_NUMBER FROM PERSON "
                                                       "WHERE PRS_INDEX_MAINHEADER=? ORDER BY PRS_TYPE, PRS_NUMBER"),
                                        {grid.loadedApplication()});
    while (persons.next()) {
        const int r = grid.rowCount();
        grid.setRowCount(r + 1);
        for (int c = 0; c < grid.columnCount(); ++c)
            grid.setItem(r, c, new QTableWidgetItem);
        const int number = persons.integer(QStringLiteral("PRS_NUMBER"));
        grid.setCell(r, NameColumn,
                     persons.text(QStringLiteral("PRS_NAME")) + QStringLiteral(", ") + persons.text(QStringLiteral("PRS_VNAME")));
        grid.setCell(r, ClaimColumn, kNeinPick);
        grid.setCell(r, IdentColumn, persons.text(QStringLiteral("PRS_IDENT")));
        grid.setCell(r, NumberColumn, number);
        grid.setCellReadOnly(r, NameColumn, true);
        // Only ten persons have a column of their own; a claim for any other could not be kept.
        if (number < kFirstClaimNumber || number > kLastClaimNumber)
            grid.setCellReadOnly(r, ClaimColumn, true, QStringLiteral("Nur für Personen mit Nummer 1 bis 10 speicherbar"));
    }
    store::Rows claims =
        store::select(QStringLiteral("SELECT * FROM MEMBERCHILDS WHERE CKG_INDEX_MAINHEADER=?"), {grid.loadedApplication()});
    if (!claims.next())
        return;
    for (int r = 0; r < grid.rowCount(); ++r) {
        const int number = grid.cell(r, NumberColumn).toInt();
        if (number >= kFirstClaimNumber && number <= kLastClaimNumber &&
            claims.flag(QStringLiteral("CKG_CHILD_%1").arg(number)))
            grid.setCell(r, ClaimColumn, kJaPick);
    }
}

void TGemeinschaftMainDlg::loadChildPage()
{
    m_childMoney->yesBox()->setChecked(false);
    m_childMoney->noBox()->setChecked(true);
    ChildMoneyChange(false);

    // The persons: one claims row each, and the recipient list with an empty first entry.
    m_claimsGrid->load();
    m_childRecipientCombo->clear();
    m_childRecipientCombo->addItem(QString(), QString());
    for (int r = 0; r < m_claimsGrid->rowCount(); ++r)
        m_childRecipientCombo->addItem(m_claimsGrid->text(r, NameColumn), m_claimsGrid->text(r, IdentColumn));
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
}
