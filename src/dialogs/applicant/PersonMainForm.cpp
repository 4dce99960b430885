#include "PersonMainForm.h"

#include "Editors.h"
#include "Formats.h"
#include "Messages.h"
#include "PersonMainFormIncome.h"
#include "PersonMainFormPages.h"
#include "ServerObjects.h"
#include "Sql.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>

namespace {

enum ListColumn { TypeColumn, NameColumn, FirstNameColumn, BirthdayColumn, IndexColumn };

struct PageEntry {
    const char* suffix; // of the header "Personen - Name Vorname"
    int help;
};

const PageEntry kPages[] = {
    {" - Allgemein", 3},
    {" - Krankenversicherung Seite 1", 4},
    {" - Krankenversicherung Seite 2", 5},
    {" - Rentenversicherung", 6},
    {" - Mehrbedarf", 7},
    {" - Einkommen - Basisangaben", 8},
    {" - Einkommen aus Selbständigkeit", 9},
    {" - Einkommen aus Beschäftigung", 10},
};
constexpr int kFirstIncomePage = 5;
constexpr int kPageTotal = int(sizeof(kPages) / sizeof(kPages[0]));

// The tables holding rows of one person besides PERSON, emptied before the person row goes.
const std::pair<const char*, const char*> kPersonTables[] = {
    {"SOLDMONEYINONE", "SMO"}, {"SOLDMONEYINANY", "SMA"}, {"SOLDMONEY", "SDL"},
    {"SELFMONEY", "SEM"},      {"MOREPOWER", "MOP"},      {"MONEYOUTANY", "MOT"},
    {"MONEYINONE", "MIO"},     {"MONEYINANY", "MIA"},     {"MAINMONEY", "MIP"},
};

QString openApplication() {
    return MainObject ? MainObject->AntragIdent : QString();
}

} // namespace

QStringList TPersonMainFormDlg::typeNames() {
    return {QStringLiteral("Antragsteller(in)"), QStringLiteral("Partner(in)"),
            QStringLiteral("Weitere Person")};
}

TPersonMainFormDlg::TPersonMainFormDlg(QWidget* parent)
    : DataDialog(kPanel, QStringLiteral("TPersonMainFormDlg"), parent)
    , m_income(std::make_unique<PersonIncomePages>(this)) {
    buildPersonList();
    m_personal = new PersonalPage(this);
    m_insurance = new InsurancePages(this);
    m_needs = new NeedsPage(this);
    QWidget* const ownPages[] = {m_personal->create(), m_insurance->createHealth(),
                                 m_insurance->createRelatives(), m_insurance->createPension(),
                                 m_needs->create()};
    for (int page = 0; page < kPageTotal; ++page) {
        QWidget* content = page < kFirstIncomePage ? ownPages[page] : m_income->createPage(page);
        addPage({QString::fromUtf8(kPages[page].suffix), kPages[page].help, content,
                 [this] { loadCurrentPage(); }});
    }
    setPersonButtonsEnabled(false);
    // The list and its buttons come before the pages, as they stand on screen.
    if (HelpButton) setTabOrder(HelpButton, PersonMainTRee);
    setTabOrder(PersonMainTRee, NewButton);
    setTabOrder(NewButton, DeleteButton);
}

TPersonMainFormDlg::~TPersonMainFormDlg() {
    // The list empties itself while it is destroyed; that is no choice of a person to load.
    PersonMainTRee->blockSignals(true);
}

void TPersonMainFormDlg::buildPersonList() {
    auto* strip = new QFrame(this);
    strip->setObjectName(QStringLiteral("PersonPanel"));
    strip->setStyleSheet(QStringLiteral("#PersonPanel { background: rgb(226,226,255); }"));
    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(8, 6, 8, 6);

    PersonMainTRee = new QTreeWidget(strip);
    PersonMainTRee->setObjectName(QStringLiteral("PersonMainTRee"));
    PersonMainTRee->setHeaderLabels({QStringLiteral("Person"), QStringLiteral("Name"),
                                     QStringLiteral("Vorname"), QStringLiteral("Gebrtsdatum"),
                                     QStringLiteral("Index")});
    PersonMainTRee->setColumnHidden(IndexColumn, true);
    PersonMainTRee->setRootIsDecorated(false);
    PersonMainTRee->setUniformRowHeights(true);
    PersonMainTRee->setAllColumnsShowFocus(true);
    PersonMainTRee->setSelectionMode(QAbstractItemView::SingleSelection);
    PersonMainTRee->setFixedHeight(118);
    PersonMainTRee->header()->setStretchLastSection(false);
    PersonMainTRee->header()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    PersonMainTRee->header()->setSectionResizeMode(FirstNameColumn, QHeaderView::Stretch);
    PersonMainTRee->setColumnWidth(TypeColumn, 150);
    PersonMainTRee->setColumnWidth(NameColumn, 220);
    PersonMainTRee->setColumnWidth(FirstNameColumn, 220);
    PersonMainTRee->setColumnWidth(BirthdayColumn, 110);
    layout->addWidget(PersonMainTRee, 1);
    connect(PersonMainTRee, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (current) loadPerson();
    });

    auto* buttons = new QVBoxLayout;
    NewButton = new QPushButton(QStringLiteral("Neu"), strip);
    NewButton->setObjectName(QStringLiteral("NewButton"));
    NewButton->setToolTip(QStringLiteral("Weitere Person hinzufügen"));
    DeleteButton = new QPushButton(QStringLiteral("Löschen"), strip);
    DeleteButton->setObjectName(QStringLiteral("DeleteButton"));
    DeleteButton->setToolTip(QStringLiteral("Ausgewählte Person löschen"));
    for (QPushButton* b : {NewButton, DeleteButton}) {
        b->setMinimumWidth(96);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    layout->addLayout(buttons);
    connect(NewButton, &QPushButton::clicked, this, &TPersonMainFormDlg::addPerson);
    connect(DeleteButton, &QPushButton::clicked, this, &TPersonMainFormDlg::deletePerson);

    // Between the header and the pages, so that the list stays in view on every page.
    if (auto* frame = qobject_cast<QBoxLayout*>(this->layout())) frame->insertWidget(1, strip);
}

QString TPersonMainFormDlg::titleOf(int index) const {
    if (index < 0 || index >= kPageTotal) return QString();
    return QStringLiteral("Personen - ") + m_displayName + QString::fromUtf8(kPages[index].suffix);
}

void TPersonMainFormDlg::loadCurrentPage() {
    // The list belongs to the application it was filled for; after another application was opened,
    // a kept list would send every write to a person of the other one.
    if (!m_shown || m_listApplication != openApplication()) {
        m_shown = true;
        showFirst();
    } else {
        // Names change elsewhere too (the applicant's in the applicant dialog): the list is read
        // afresh, keeping the selected person.
        const QString selected = m_person;
        fillList();
        int position = 0;
        for (int i = 0; i < PersonMainTRee->topLevelItemCount(); ++i)
            if (PersonMainTRee->topLevelItem(i)->text(IndexColumn) == selected) position = i;
        focusRow(position, false);
    }
    loadPerson();
    setPersonButtonsEnabled(currentPage() == 0);
}

void TPersonMainFormDlg::setPersonButtonsEnabled(bool enabled) {
    NewButton->setEnabled(enabled);
    DeleteButton->setEnabled(enabled);
}

void TPersonMainFormDlg::setPagesEnabled(bool enabled) {
    for (int page = 0; page < pageCount(); ++page)
        pageWidget(page)->setEnabled(enabled);
}

void TPersonMainFormDlg::showFirst() {
    resetPages();
    fillList();
    focusRow(0, false); // the page about to be shown loads it
}

void TPersonMainFormDlg::resetPages() {
    store::LoadScope resetting;
    m_personal->reset();
    m_insurance->reset();
    m_needs->reset();
}

void TPersonMainFormDlg::fillList() {
    const QSignalBlocker block(PersonMainTRee);
    PersonMainTRee->clear();
    m_listApplication = openApplication();
    // Several partners or further persons keep the order in which they were added.
    store::Rows rows =
        store::select(QStringLiteral("SELECT PRS_IDENT, PRS_TYPE, PRS_NAME, PRS_VNAME, PRS_BIRTHDAY "
                                     "FROM PERSON WHERE PRS_INDEX_MAINHEADER=? "
                                     "ORDER BY PRS_TYPE, PRS_NUMBER"),
                      {m_listApplication});
    const QStringList types = typeNames();
    while (rows.next()) {
        auto* item = new QTreeWidgetItem(PersonMainTRee);
        const int type = rows.integer(QStringLiteral("PRS_TYPE"));
        item->setText(TypeColumn, type >= 0 && type < types.size() ? types.at(type) : QString());
        item->setData(TypeColumn, Qt::UserRole, type);
        item->setText(NameColumn, rows.text(QStringLiteral("PRS_NAME")));
        item->setText(FirstNameColumn, rows.text(QStringLiteral("PRS_VNAME")));
        item->setText(BirthdayColumn, store::formatDate(rows.date(QStringLiteral("PRS_BIRTHDAY"))));
        item->setText(IndexColumn, rows.text(QStringLiteral("PRS_IDENT")));
    }
}

void TPersonMainFormDlg::focusRow(int position, bool load) {
    const int rows = PersonMainTRee->topLevelItemCount();
    QTreeWidgetItem* item = rows ? PersonMainTRee->topLevelItem(qBound(0, position, rows - 1)) : nullptr;
    {
        const QSignalBlocker block(PersonMainTRee);
        PersonMainTRee->setCurrentItem(item);
    }
    if (load) loadPerson();
}

void TPersonMainFormDlg::loadPerson() {
    store::LoadScope loading;
    QTreeWidgetItem* item = PersonMainTRee->currentItem();
    m_position = item ? PersonMainTRee->indexOfTopLevelItem(item) : -1;
    m_personal->prepare();
    m_person = item ? item->text(IndexColumn) : QString();
    m_displayName =
        item ? item->text(NameColumn) + QLatin1Char(' ') + item->text(FirstNameColumn) : QString();
    refreshTitle();

    bool loaded = false;
    if (item) {
        store::Rows row =
            store::select(QStringLiteral("SELECT * FROM PERSON, MOREPOWER WHERE PRS_IDENT=? AND "
                                         "PRS_INDEX_MAINHEADER=? AND MOP_INDEX_PERSON=PRS_IDENT"),
                          {m_person, openApplication()});
        loaded = row.next() && m_personal->load(row, m_position);
        if (loaded) {
            m_insurance->setAgeLimit(m_personal->shownType() == FurtherPerson ? 14 : 23);
            m_insurance->load(row);
            m_needs->load(row);
            for (int page = kFirstIncomePage; page < kPageTotal; ++page)
                m_income->loadPage(page, m_person);
        }
    }
    if (!loaded) {
        // What the controls still hold belongs to the person shown before; none of it may be written
        // to this one.
        resetPages();
    }
    setPagesEnabled(loaded);
}

void TPersonMainFormDlg::refreshListRow() {
    QTreeWidgetItem* item = PersonMainTRee->topLevelItem(m_position);
    store::Rows row = store::select(QStringLiteral("SELECT PRS_NAME, PRS_VNAME, PRS_BIRTHDAY FROM PERSON "
                                                   "WHERE PRS_IDENT=?"),
                                    {m_person});
    if (!item || !row.next()) return;
    item->setText(NameColumn, row.text(QStringLiteral("PRS_NAME")));
    item->setText(FirstNameColumn, row.text(QStringLiteral("PRS_VNAME")));
    item->setText(BirthdayColumn, store::formatDate(row.date(QStringLiteral("PRS_BIRTHDAY"))));
    m_displayName = item->text(NameColumn) + QLatin1Char(' ') + item->text(FirstNameColumn);
    refreshTitle();
}

void TPersonMainFormDlg::typeChanged() {
    const int position = m_position;
    resetPages();
    fillList();
    focusRow(position, true);
}

QVariant TPersonMainFormDlg::dateOrStored(const DateEdit* edit, const QString& column) const {
    if (edit->isAcceptable()) return store::dateValue(edit->date());
    const QVariant stored =
        store::selectValue(QStringLiteral("SELECT %1 FROM PERSON WHERE PRS_IDENT=?").arg(column), {m_person});
    return store::dateValue(store::readDate(stored));
}

void TPersonMainFormDlg::addPerson() {
    const QString application = openApplication();
    if (application.isEmpty()) {
        store::Messages::information(
            QStringLiteral("Es ist kein Antrag geöffnet. Bitte öffnen oder erstellen Sie "
                           "zuerst einen Antrag."));
        return;
    }
    store::Rows highest = store::select(
        QStringLiteral("SELECT MAX(PRS_NUMBER) FROM PERSON WHERE PRS_INDEX_MAINHEADER=?"), {application});
    if (!highest.ok()) return;
    const int n = highest.next() ? highest.query().value(0).toInt() : 0;
    const QString id = TMainObject::NewRowIdent();
    if (id.isEmpty()) {
        store::reportDatabaseError(QStringLiteral("Es konnte keine neue Kennung erzeugt werden."));
        return;
    }
    resetPages();
    // A person without its additional-needs row could never be shown, so both rows come together.
    const bool added = store::inTransaction([&] {
        return store::execute(
                   QStringLiteral("INSERT INTO PERSON (PRS_IDENT,PRS_INDEX_MAINHEADER,PRS_TYPE,PRS_NUMBER,"
                                  "PRS_ISDUMMY,PRS_AZUBI_PROF) VALUES (?, ?, ?, ?, ?, ?)"),
                   {id, application, n == 1 ? int(Partner) : int(FurtherPerson), n + 1, false, false}) &&
               store::execute(
                   QStringLiteral("INSERT INTO MOREPOWER (MOP_IDENT,MOP_INDEX_MAINHEADER,MOP_INDEX_PERSON) "
                                  "VALUES (?, ?, ?)"),
                   {id, application, id});
    });
    fillList();
    int position = m_position;
    if (added) {
        for (int row = 0; row < PersonMainTRee->topLevelItemCount(); ++row)
            if (PersonMainTRee->topLevelItem(row)->text(IndexColumn) == id) position = row;
    }
    focusRow(position, true);
}

void TPersonMainFormDlg::deletePerson() {
    QTreeWidgetItem* item = PersonMainTRee->currentItem();
    if (!item) return;
    const int position = PersonMainTRee->indexOfTopLevelItem(item);
    const QString person = item->text(IndexColumn);
    // The first row is the applicant; a row of type 0 elsewhere or the application's own key is one too.
    if (position == 0 || item->data(TypeColumn, Qt::UserRole).toInt() == Applicant ||
        person == openApplication()) {
        store::Messages::information(QStringLiteral("Der/Die Antragsteller(in) kann nicht gelöscht werden!"));
        return;
    }
    if (!store::Messages::confirmYesCancel(
            QStringLiteral("ACHTUNG!\nSind Sie sicher, dass Sie die ausgewählte "
                           "Person löschen wollen?\n\nAlle gesammleten "
                           "Informationnen werden unwiederbringlich gelöscht!")))
        return;
    // All or nothing: a failing statement must not leave a person without its rows, or rows without it.
    const bool deleted = store::inTransaction([&] {
        for (const auto& [table, prefix] : kPersonTables)
            if (!store::execute(QStringLiteral("DELETE FROM %1 WHERE %2_INDEX_PERSON=?")
                                    .arg(QLatin1String(table), QLatin1String(prefix)),
                                {person}))
                return false;
        return store::execute(QStringLiteral("DELETE FROM PERSON WHERE PRS_IDENT=?"), {person});
    });
    fillList();
    focusRow(deleted ? 0 : position, true);
}
