#include "GemeinschaftMain.h"

#include "MemberHelpDetails.h"
#include "PageBuilder.h"
#include "ServerObjects.h"
#include "Sql.h"
#include "WriteGroup.h"
#include "YesNoPair.h"

#include <QGroupBox>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

TGemeinschaftMainDlg::TGemeinschaftMainDlg(QWidget* parent)
    : DataDialog(kPanel, QStringLiteral("TGemeinschaftMainDlg"), parent)
{
    addPage({QStringLiteral("Gemeinschaftliche Angaben"), 28, createCommunityPage(), [this] { loadCommunityPage(); }});
    addPage({QStringLiteral("Feststellung der Hilfebedürftigkeit"), 29, createHelpPage(), [this] { loadHelpPage(); }});
    addPage({QStringLiteral("Mehrbedarf für kostenaufwändige Ernährung"), 30, createFoodPage(),
             [this] { loadFoodPage(); }});
    addPage({QStringLiteral("Anspruch auf Kindergeld"), 31, createChildPage(), [this] { loadChildPage(); }});
}

QString TGemeinschaftMainDlg::application() { return MainObject ? MainObject->AntragIdent : QString(); }

TMemberHelpDetailsDlg* TGemeinschaftMainDlg::detailsDialog()
{
    if (!m_details)
        m_details = new TMemberHelpDetailsDlg(window());
    return m_details;
}

// ---------------------------------------------------------------------------------------------------
// Persons of pages 1 and 2: "Name, Vorname", the identifier in a hidden column.

void TGemeinschaftMainDlg::fillPersons(QTreeWidget* list)
{
    const QSignalBlocker block(list);
    list->clear();
    store::Rows rows = store::select(QStringLiteral("SELECT PRS_IDENT, PRS_NAME, PRS_VNAME FROM PERSON "
                                                    "WHERE PRS_INDEX_MAINHEADER=? ORDER BY PRS_TYPE, PRS_NUMBER"),
                                     {application()});
    while (rows.next()) {
        auto* item = new QTreeWidgetItem(list);
        item->setText(0, rows.text(QStringLiteral("PRS_NAME")) + QStringLiteral(", ") +
                             rows.text(QStringLiteral("PRS_VNAME")));
        item->setText(1, rows.text(QStringLiteral("PRS_IDENT")));
    }
    if (list->topLevelItemCount() > 0)
        list->setCurrentItem(list->topLevelItem(0));
}

QString TGemeinschaftMainDlg::selectedPerson(QTreeWidget* list)
{
    return list->currentItem() ? list->currentItem()->text(1) : QString();
}

QString TGemeinschaftMainDlg::selectedName(QTreeWidget* list)
{
    return list->currentItem() ? list->currentItem()->text(0) : QString();
}

// ---------------------------------------------------------------------------------------------------
// Page 0: the community of responsibility and support

namespace {

struct Reason {
    const char* name;
    const char* caption;
    const char* column;
};

const Reason kReasons[] = {
    {"MoreYearsBox", "leben länger als ein Jahr in einem gemeinsamen Haushalt", "MES_MEMBER_MOREYEARS"},
    {"WithChildBox", "leben mit (mindestens) einem gemeinsamen Kind zusammen", "MES_MEMBER_WITHCHILD"},
    {"WithOtherBox", "versorgen Kinder oder Angehörige im Haushalt", "MES_MEMBER_WITHOTHER"},
    {"WithMoneyBox", "sind befugt, über Einkommen oder Vermögen des anderen zu verfügen", "MES_MEMBER_WITHMONEY"},
};

// The row is inserted by the first save of the page.
bool ensureMembershipRow()
{
    const QString app = MainObject ? MainObject->AntragIdent : QString();
    if (app.isEmpty())
        return false;
    return store::execute(
        QStringLiteral("INSERT INTO MEMBERSHIP (MES_IDENT, MES_INDEX_MAINHEADER) SELECT ?, ? "
                       "WHERE NOT EXISTS (SELECT 1 FROM MEMBERSHIP WHERE MES_INDEX_MAINHEADER=?)"),
        {TMainObject::NewRowIdent(), app, app});
}

} // namespace

QWidget* TGemeinschaftMainDlg::createCommunityPage()
{
    QWidget* page = forms::pageContent(QStringLiteral("TabSheet1"));
    auto* layout = static_cast<QVBoxLayout*>(page->layout());
    QGroupBox* group = forms::groupBox(QStringLiteral("CommunityGroup"),
                                       QStringLiteral("Verantwortung- und Einstehensgemeinschaft"), page);
    auto* g = new QVBoxLayout(group);
    auto* yes = new forms::WrappedCheckBox(QStringLiteral("MemberYes"), QStringLiteral("Meine Partnerin / mein Partner und ich"), group);
    g->addWidget(yes);
    for (const Reason& r : kReasons) {
        auto* reason = new forms::WrappedCheckBox(QString::fromUtf8(r.name), QString::fromUtf8(r.caption), group);
        reason->setContentsMargins(28, 0, 0, 0);
        m_memberBoxes << reason->box();
        g->addWidget(reason);
    }
    auto* no = new forms::WrappedCheckBox(
        QStringLiteral("MemberNo"),
        QStringLiteral("Ich lebe entgegen der gesetzlichern Vermutung NICHT in einer Verantwortung- und "
                       "Einstehensgemeinschaft."),
        group);
    g->addWidget(no);
    m_descripMemo = new QPlainTextEdit(group);
    m_descripMemo->setObjectName(QStringLiteral("DescripMemo"));
    m_descripLabel = forms::label(QStringLiteral("Umfassende Begründung, wie Dauer des Zusammenleben,  mit Beweismitteln "
                                                 "wie Meldebescheinigung, Mietvertrag, Versicherungen u.s.w:"),
                                  group, QStringLiteral("DescripLabel"));
    m_descripLabel->setWordWrap(true);
    m_descripLabel->setBuddy(m_descripMemo);
    g->addWidget(m_descripLabel);
    g->addWidget(m_descripMemo);
    layout->addWidget(group);
    layout->addStretch(1);

    m_member = new YesNoPair(yes->box(), no->box(), YesNoPair::Exclusive, this);
    m_member->onChange([this](bool ticked) { MemberYesChange(ticked); });

    auto* save = new WriteGroup(QStringLiteral("MEMBERSHIP"), QStringLiteral("MES_INDEX_MAINHEADER"), application, this);
    save->before(ensureMembershipRow).pair(m_member, QStringLiteral("MES_MEMBER_YES"), QStringLiteral("MES_MEMBER_NO"));
    for (int i = 0; i < m_memberBoxes.size(); ++i)
        save->flag(m_memberBoxes.at(i), QString::fromUtf8(kReasons[i].column));
    save->memo(m_descripMemo, QStringLiteral("MES_DESCRIP"));
    return page;
}

void TGemeinschaftMainDlg::MemberYesChange(bool yes)
{
    for (QCheckBox* b : m_memberBoxes) {
        b->setChecked(false);
        b->parentWidget()->setVisible(yes);
    }
    forms::setShown({m_descripLabel, m_descripMemo}, !yes);
    m_descripMemo->clear();
}

void TGemeinschaftMainDlg::loadCommunityPage()
{
    m_member->noBox()->setChecked(false);
    m_member->yesBox()->setChecked(true);
    MemberYesChange(true);
    store::Rows row = store::select(QStringLiteral("SELECT * FROM MEMBERSHIP WHERE MES_INDEX_MAINHEADER=?"), {application()});
    if (!row.next())
        return;
    // In column order, with the rules running: both answers stored load as the denial.
    m_member->yesBox()->setChecked(row.flag(QStringLiteral("MES_MEMBER_YES")));
    for (int i = 0; i < m_memberBoxes.size(); ++i)
        m_memberBoxes.at(i)->setChecked(row.flag(QString::fromUtf8(kReasons[i].column)));
    m_member->noBox()->setChecked(row.flag(QStringLiteral("MES_MEMBER_NO")));
    if (!m_member->yes() && !m_member->no())
        m_member->yesBox()->setChecked(true);
    m_descripMemo->setPlainText(row.text(QStringLiteral("MES_DESCRIP")));
}
