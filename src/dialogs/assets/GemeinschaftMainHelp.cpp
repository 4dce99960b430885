// Page 1 of the community dialog: relatives in the household and the support each person receives.
#include "GemeinschaftMain.h"

#include "FixedGrid.h"
#include "Messages.h"
#include "MemberHelpDetails.h"
#include "PageBuilder.h"
#include "ServerObjects.h"
#include "Sql.h"
#include "WriteGroup.h"
#include "YesNoPair.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QString kJa = QStringLiteral("Ja");
const QString kNein = QStringLiteral("Nein");

} // namespace

QWidget* TGemeinschaftMainDlg::createHelpPage()
{
    QWidget* page = forms::pageContent(QStringLiteral("TabSheet2"));
    auto* layout = static_cast<QVBoxLayout*>(page->layout());
    QGroupBox* group = forms::groupBox(QStringLiteral("HelpGroup"), QStringLiteral("Verwandte und Verschwägerte im Haushalt"), page);
    auto* g = new QVBoxLayout(group);

    const QString question = QStringLiteral(
        "Leben im gemeinsamen Haushalt verwandte oder verschwägerte Personen, die nicht zur Bedarfsgemeinschaft gehören?");
    g->addWidget(forms::question(question, group, QStringLiteral("HelpQuestion")));
    auto* answers = new QHBoxLayout;
    auto* yes = forms::checkBox(QStringLiteral("HelpYes"), kJa, group);
    auto* no = forms::checkBox(QStringLiteral("HelpNo"), kNein, group);
    yes->setAccessibleDescription(question);
    no->setAccessibleDescription(question);
    answers->addWidget(yes);
    answers->addWidget(no);
    answers->addStretch(1);
    g->addLayout(answers);

    m_helpPersonCaption = forms::label(
        QStringLiteral("Wählen Sie nacheinander die entsprechende Person aus und beantworten Sie die weiter unten "
                       "stehenden Fragen:"),
        group, QStringLiteral("HelpPersonCaption"));
    m_helpPersonCaption->setWordWrap(true);
    g->addWidget(m_helpPersonCaption);
    m_helpPersonList = new QTreeWidget(group);
    m_helpPersonList->setObjectName(QStringLiteral("HelpPersonList"));
    m_helpPersonList->setColumnCount(2);
    m_helpPersonList->setHeaderLabels({QStringLiteral("Name, Vorname"), QString()});
    m_helpPersonList->setColumnHidden(1, true);
    m_helpPersonList->setRootIsDecorated(false);
    m_helpPersonList->setFixedHeight(96);
    m_helpPersonCaption->setBuddy(m_helpPersonList);
    g->addWidget(m_helpPersonList);

    const QString personQuestion = QStringLiteral(
        "Erhält die oben gewählte Person Leistungen (Unterkunft, Verpflegung...) von der verwandten/verschwägerten Person?");
    m_helpPersonQuestion = forms::question(personQuestion, group, QStringLiteral("HelpPersonQuestion"));
    g->addWidget(m_helpPersonQuestion);
    auto* personAnswers = new QHBoxLayout;
    auto* personYes = forms::checkBox(QStringLiteral("HelpPersonYes"), QStringLiteral("Ja, von folgenden Personen:"), group);
    auto* personNo = forms::checkBox(QStringLiteral("HelpPersonNo"), kNein, group);
    personYes->setAccessibleDescription(personQuestion);
    personNo->setAccessibleDescription(personQuestion);
    personAnswers->addWidget(personYes);
    personAnswers->addWidget(personNo);
    personAnswers->addStretch(1);
    g->addLayout(personAnswers);

    m_relativesCaption = forms::label(QStringLiteral("Erläutern Sie hier die genaue Art der Zuwendung(en)"), group,
                                      QStringLiteral("RelativesCaption"));
    g->addWidget(m_relativesCaption);
    auto* gridRow = new QHBoxLayout;
    // "Geb.-Datum" is kept as typed; "Elternteil?" is stored as a pair of flags.
    GridColumn parent{QStringLiteral("Elternteil?"), QStringLiteral("MHP_ELTER_YES"), CellKind::ChoicePair, 90, {kJa, kNein}};
    parent.noField = QStringLiteral("MHP_ELTER_NO");
    parent.defaultPick = 1;
    m_relativesGrid = new FixedGrid(kRelativeRows,
                                    {{QStringLiteral("Name"), QStringLiteral("MHP_NAME"), CellKind::Text, 170},
                                     {QStringLiteral("Vorname"), QStringLiteral("MHP_VNAME"), CellKind::Text, 170},
                                     {QStringLiteral("Geb.-Datum"), QStringLiteral("MHP_BIRTHDAY"), CellKind::Text, 110},
                                     parent},
                                    group);
    GridStorage storage;
    storage.table = QStringLiteral("MEMBERHELPPERSON");
    storage.identColumn = QStringLiteral("MHP_IDENT");
    storage.applicationColumn = QStringLiteral("MHP_INDEX_MAINHEADER");
    storage.personColumn = QStringLiteral("MHP_INDEX_PERSON");
    storage.numberColumn = QStringLiteral("MHP_NUMBER");
    storage.orderBy = QStringLiteral("MHP_NUMBER"); // the stored rows fill the grid from the top
    storage.application = application;
    storage.person = [this] { return selectedPerson(m_helpPersonList); };
    m_relativesGrid->setStorage(storage);
    m_relativesGrid->setObjectName(QStringLiteral("RelativesGrid"));
    m_relativesGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_relativesGrid->setMinimumHeight(m_relativesGrid->horizontalHeader()->sizeHint().height() +
                                      8 * m_relativesGrid->verticalHeader()->defaultSectionSize());
    m_relativesCaption->setBuddy(m_relativesGrid);
    gridRow->addWidget(m_relativesGrid, 1);
    m_detailsButton = new QPushButton(QStringLiteral("Zuwendungsdetails"), group);
    m_detailsButton->setObjectName(QStringLiteral("DetailsButton"));
    gridRow->addWidget(m_detailsButton, 0, Qt::AlignTop);
    g->addLayout(gridRow, 1);
    layout->addWidget(group, 1);

    m_help = new YesNoPair(yes, no, YesNoPair::Exclusive, this);
    m_helpPerson = new YesNoPair(personYes, personNo, YesNoPair::Exclusive, this);
    m_help->onChange([this](bool ticked) { HelpChange(ticked); });
    m_helpPerson->onChange([this](bool ticked) { HelpPersonChange(ticked); });

    (new WriteGroup(QStringLiteral("MAINHEADER"), QStringLiteral("BDG_IDENT"), application, this))
        ->before([] { return !application().isEmpty(); })
        .pair(m_help, QStringLiteral("BDG_MEMBER_HELP_YES"), QStringLiteral("BDG_MEMBER_HELP_NO"));
    // After the rule, a "Ja" shows what is stored for the selected person, never "Nein" over a stored row.
    connect(yes, &QCheckBox::clicked, this, [this] {
        if (m_help->yes())
            loadHelpPerson();
    });
    connect(personYes, &QCheckBox::clicked, this, &TGemeinschaftMainDlg::HelpPersonYesClick);
    connect(personNo, &QCheckBox::clicked, this, &TGemeinschaftMainDlg::HelpPersonNoClick);
    connect(m_helpPersonList, &QTreeWidget::currentItemChanged, this, &TGemeinschaftMainDlg::helpPersonSelected);
    connect(m_detailsButton, &QPushButton::clicked, this, &TGemeinschaftMainDlg::DetailsButtonClick);
    return page;
}

void TGemeinschaftMainDlg::HelpChange(bool yes)
{
    forms::setShown({m_helpPersonCaption, m_helpPersonList, m_helpPersonQuestion, m_helpPerson->yesBox(),
                     m_helpPerson->noBox()},
                    yes);
    if (yes) {
        m_helpPerson->noBox()->setChecked(true);
        HelpPersonChange(false);
    } else {
        m_helpPerson->yesBox()->setChecked(false);
        m_helpPerson->noBox()->setChecked(false);
        forms::setShown({m_relativesCaption, m_relativesGrid, m_detailsButton}, false);
    }
}

void TGemeinschaftMainDlg::HelpPersonChange(bool yes)
{
    forms::setShown({m_relativesCaption, m_relativesGrid, m_detailsButton}, yes);
}

namespace {

bool hasMemberHelp(const QString& person)
{
    return store::selectValue(QStringLiteral("SELECT COUNT(*) FROM MEMBERHELP WHERE MHM_INDEX_PERSON=?"), {person}).toInt() >
           0;
}

} // namespace

// A person receives support exactly when a MEMBERHELP row exists: one row, however often "Ja" is clicked.
void TGemeinschaftMainDlg::HelpPersonYesClick()
{
    const QString person = selectedPerson(m_helpPersonList);
    if (!m_helpPerson->yes() || person.isEmpty() || application().isEmpty() || hasMemberHelp(person))
        return;
    store::execute(QStringLiteral("INSERT INTO MEMBERHELP (MHM_IDENT, MHM_INDEX_MAINHEADER, MHM_INDEX_PERSON) "
                                  "VALUES (?, ?, ?)"),
                   {TMainObject::NewRowIdent(), application(), person});
}

void TGemeinschaftMainDlg::HelpPersonNoClick()
{
    if (!m_helpPerson->no())
        return;
    const QString person = selectedPerson(m_helpPersonList);
    const bool confirmed = store::Messages::confirmYesNo(
        QStringLiteral("Wenn Sie den Schalter auf \"Nein\" zurücksetzen, \n"
                       "werden alle zur gewählten Person hinterlegten Informationen gelöscht!\n\n"
                       "Wollen Sie fortfahren?"));
    const bool deleted = confirmed && store::inTransaction([&person] {
        return store::execute(QStringLiteral("DELETE FROM MEMBERHELP WHERE MHM_INDEX_PERSON=?"), {person}) &&
               store::execute(QStringLiteral("DELETE FROM MEMBERHELPPERSON WHERE MHP_INDEX_PERSON=?"), {person});
    });
    if (!deleted) {
        // Refused, or the deletion failed (and was reported): the person keeps the stored support.
        m_helpPerson->yesBox()->setChecked(true);
        return;
    }
    // The grid must not bring the deleted relatives back at its next save.
    m_relativesGrid->clearAll();
}

void TGemeinschaftMainDlg::helpPersonSelected()
{
    // The grid holds the previous person's relatives; they are stored for that person first.
    m_relativesGrid->save(SaveMode::Report);
    store::LoadScope loading;
    loadHelpPerson();
}

// The grid always holds what is stored for the selected person, also while it is hidden, so that
// any save of it keeps the stored relatives as they are.
void TGemeinschaftMainDlg::loadHelpPerson()
{
    const QString person = selectedPerson(m_helpPersonList);
    if (m_help->yes()) {
        if (!person.isEmpty() && hasMemberHelp(person))
            m_helpPerson->yesBox()->setChecked(true);
        else
            m_helpPerson->noBox()->setChecked(true);
    }
    m_relativesGrid->load();
}

void TGemeinschaftMainDlg::DetailsButtonClick()
{
    const QString person = selectedPerson(m_helpPersonList);
    if (person.isEmpty())
        return;
    m_relativesGrid->save(SaveMode::Report);
    detailsDialog()->Show(application(), person, selectedName(m_helpPersonList));
}

void TGemeinschaftMainDlg::loadHelpPage()
{
    m_help->yesBox()->setChecked(false);
    m_help->noBox()->setChecked(true);
    HelpChange(false);
    fillPersons(m_helpPersonList);
    store::Rows header = store::select(QStringLiteral("SELECT BDG_MEMBER_HELP_YES, BDG_MEMBER_HELP_NO FROM MAINHEADER "
                                                      "WHERE BDG_IDENT=?"),
                                       {application()});
    const bool found = header.next();
    m_help->yesBox()->setChecked(found && header.flag(QStringLiteral("BDG_MEMBER_HELP_YES")));
    m_help->noBox()->setChecked(found && header.flag(QStringLiteral("BDG_MEMBER_HELP_NO")));
    if (!m_help->yes() && !m_help->no())
        m_help->noBox()->setChecked(true);
    loadHelpPerson();
}
