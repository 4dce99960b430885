#include "AnspruchMainAccident.h"

#include "Editors.h"
#include "Messages.h"
#include "PageBuilder.h"
#include "ServerObjects.h"
#include "Sql.h"
#include "UnfallArbeit.h"
#include "UnfallBehandlung.h"
#include "UnfallDetailDialog.h"
#include "UnfallMain.h"
#include "UnfallSonstig.h"
#include "UnfallTraeger.h"
#include "UnfallVerfahren.h"
#include "UnfallVerkehr.h"
#include "WriteGroup.h"
#include "YesNoPair.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kMaxLength = 200;
constexpr int kIdentColumn = 1; // the hidden PRS_IDENT of a person row

QCheckBox* box(const QString& name, const QString& caption, const QString& question, QWidget* parent) {
    QCheckBox* b = forms::checkBox(name, caption, parent);
    b->setAccessibleDescription(question);
    return b;
}

} // namespace

AnspruchAccidentPage::AnspruchAccidentPage(QObject* parent) : QObject(parent) {
    m_content = build();
    declareWrites();
    emptyState();
}

AnspruchAccidentPage::~AnspruchAccidentPage() {
    // A page whose content no dialog took over still owns it.
    if (m_content && !m_content->parent()) delete m_content;
}

QWidget* AnspruchAccidentPage::content() { return m_content; }

QString AnspruchAccidentPage::title() { return QStringLiteral("Ansprüche - Hilfebedürftigkeit durch Unfall"); }

QString AnspruchAccidentPage::application() const { return MainObject ? MainObject->AntragIdent : QString(); }

QString AnspruchAccidentPage::displayName() const {
    QTreeWidgetItem* item = UnfallTree->currentItem();
    return item ? item->text(0) : QString();
}

QWidget* AnspruchAccidentPage::build() {
    QWidget* page = forms::pageContent(QStringLiteral("TabSheet3"));
    auto* layout = static_cast<QVBoxLayout*>(page->layout());

    // The accident question of the application.
    QGroupBox* top = forms::groupBox(QStringLiteral("UnfallGroup"), QString(), page);
    auto* topLayout = new QHBoxLayout(top);
    const QString accidentQuestion = QStringLiteral(
        "Wurde die Hilfebedürftigkeit einer in Ihrer Bedarfsgemeinschaft lebenden Person durch einen Unfall verursacht?");
    topLayout->addWidget(forms::question(accidentQuestion, top, QStringLiteral("UnfallQuestion")), 1);
    QCheckBox* unfYes = box(QStringLiteral("UHM_UNF_YES"), QStringLiteral("Ja"), accidentQuestion, top);
    QCheckBox* unfNo = box(QStringLiteral("UHM_UNF_NO"), QStringLiteral("Nein"), accidentQuestion, top);
    topLayout->addWidget(unfYes, 0, Qt::AlignTop);
    topLayout->addWidget(unfNo, 0, Qt::AlignTop);
    m_unfall = new YesNoPair(unfYes, unfNo, YesNoPair::Exclusive, this);
    layout->addWidget(top);

    // The persons beside the person's accident data.
    auto* middle = new QHBoxLayout;
    middle->setSpacing(12);
    UnfallTree = new QTreeWidget(page);
    UnfallTree->setObjectName(QStringLiteral("UnfallTree"));
    UnfallTree->setColumnCount(2);
    UnfallTree->setHeaderLabels({QStringLiteral("Name, Vorname"), QStringLiteral("Index")});
    UnfallTree->setColumnHidden(kIdentColumn, true);
    UnfallTree->setRootIsDecorated(false);
    UnfallTree->setFixedWidth(230);
    UnfallTree->setAccessibleName(QStringLiteral("Personen"));
    forms::keepSpace({UnfallTree});
    middle->addWidget(UnfallTree, 0);

    QGroupBox* person = forms::groupBox(QStringLiteral("PersonGroup"), QString(), page);
    auto* personLayout = new QVBoxLayout(person);
    const QString personQuestion =
        QStringLiteral("Trifft dieHilfebedürftigkeit durch Unfall auf die oben ausgewählte Person zu?");
    personLayout->addWidget(forms::question(personQuestion, person, QStringLiteral("PersonQuestion")));
    auto* answers = new QHBoxLayout;
    UnfallYesBox = box(QStringLiteral("UnfallYesBox"), QStringLiteral("Ja, Angaben zum Unfall:"), personQuestion, person);
    UnfallNoBox = box(QStringLiteral("UnfallNoBox"), QStringLiteral("Nein"), personQuestion, person);
    answers->addWidget(UnfallYesBox);
    answers->addSpacing(24);
    answers->addWidget(UnfallNoBox);
    answers->addStretch(1);
    personLayout->addLayout(answers);
    m_accident = new YesNoPair(UnfallYesBox, UnfallNoBox, YesNoPair::Exclusive, this);

    m_detailPanel = new QWidget(person);
    m_detailPanel->setObjectName(QStringLiteral("AccidentPanel"));
    auto* detail = new QGridLayout(m_detailPanel);
    detail->setContentsMargins(0, 0, 0, 0);
    detail->setColumnStretch(1, 1);
    m_date = forms::dateEdit(QStringLiteral("UNF_DATE"), m_detailPanel);
    forms::warnWhenNoDate(m_date, QStringLiteral("Datum des Unfalls"));
    accident::addField(detail, QStringLiteral("Datum des Unfalls"), m_date)->setObjectName(QStringLiteral("DateLabel"));
    detail->setAlignment(m_date, Qt::AlignLeft);
    m_location = accident::memo(QStringLiteral("UNF_LOCATION"), m_detailPanel, 2);
    accident::limitLength(m_location, kMaxLength);
    accident::addField(detail, QStringLiteral("Ort des Unfalls"), m_location)->setObjectName(QStringLiteral("LocationLabel"));
    const QString cohabitation = QStringLiteral(
        "Lebte einer der Verursacher / Schädiger zum Zeitpunkt des Ereignisses mit dem geschädigten in häuslicher "
        "Gemeinschaft?");
    detail->addWidget(forms::question(cohabitation, m_detailPanel, QStringLiteral("MembershipQuestion")),
                      detail->rowCount(), 0, 1, 2);
    auto* membershipRow = new QHBoxLayout;
    QCheckBox* withYes = box(QStringLiteral("UNF_MEMBERSHIP_YES"), QStringLiteral("Ja, mit:"), cohabitation, m_detailPanel);
    QCheckBox* withNo = box(QStringLiteral("UNF_MEMBERSHIP_NO"), QStringLiteral("Nein:"), cohabitation, m_detailPanel);
    membershipRow->addWidget(withYes);
    membershipRow->addSpacing(24);
    membershipRow->addWidget(withNo);
    membershipRow->addStretch(1);
    detail->addLayout(membershipRow, detail->rowCount(), 0, 1, 2);
    m_membership = new YesNoPair(withYes, withNo, YesNoPair::Exclusive, this);
    personLayout->addWidget(m_detailPanel);

    m_cohabitantPanel = new QWidget(person);
    m_cohabitantPanel->setObjectName(QStringLiteral("CohabitantPanel"));
    auto* cohabitant = new QGridLayout(m_cohabitantPanel);
    cohabitant->setContentsMargins(0, 0, 0, 0);
    cohabitant->setColumnStretch(1, 3);
    cohabitant->setColumnStretch(3, 2);
    m_name = forms::lineEdit(QStringLiteral("UNF_MEMBERSHIP_NAME"), m_cohabitantPanel);
    m_degree = forms::lineEdit(QStringLiteral("UNF_MEMBERSHIP_VERWANDT"), m_cohabitantPanel);
    m_name->setMaxLength(kMaxLength);
    m_degree->setMaxLength(kMaxLength);
    auto* nameLabel = forms::label(QStringLiteral("Name, Vorname"), m_cohabitantPanel);
    auto* degreeLabel = forms::label(QStringLiteral("Verwandt. -grad"), m_cohabitantPanel);
    nameLabel->setBuddy(m_name);
    degreeLabel->setBuddy(m_degree);
    cohabitant->addWidget(nameLabel, 0, 0);
    cohabitant->addWidget(m_name, 0, 1);
    cohabitant->addWidget(degreeLabel, 0, 2);
    cohabitant->addWidget(m_degree, 0, 3);
    personLayout->addWidget(m_cohabitantPanel);
    personLayout->addStretch(1);
    middle->addWidget(person, 1);
    layout->addLayout(middle);

    // Benefits already paid.
    m_benefitsPanel = forms::groupBox(QStringLiteral("BenefitsGroup"), QString(), page);
    auto* benefits = new QHBoxLayout(m_benefitsPanel);
    const QString benefitsQuestion =
        QStringLiteral("Wurden durch Krankenkassen und/oder Versicherungen bereits Leistungen erbracht?");
    benefits->addWidget(forms::question(benefitsQuestion, m_benefitsPanel, QStringLiteral("BenefitsQuestion")), 1);
    QCheckBox* paidYes = box(QStringLiteral("UNF_LEISTUNG_YES"), QStringLiteral("Ja"), benefitsQuestion, m_benefitsPanel);
    QCheckBox* paidNo = box(QStringLiteral("UNF_LEISTUNG_NO"), QStringLiteral("Nein"), benefitsQuestion, m_benefitsPanel);
    benefits->addWidget(paidYes, 0, Qt::AlignTop);
    benefits->addWidget(paidNo, 0, Qt::AlignTop);
    m_benefits = new YesNoPair(paidYes, paidNo, YesNoPair::Exclusive, this);
    layout->addWidget(m_benefitsPanel);

    // The detail dialogs.
    auto* buttons = new QGridLayout;
    buttons->setHorizontalSpacing(10);
    DetailsLabel = forms::question(QStringLiteral("Details zum Unfall/Schadenshergang"), page,
                                   QStringLiteral("DetailsLabel"));
    buttons->addWidget(DetailsLabel, 0, 0, 1, 3);
    const auto button = [page](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, page);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    UnfallMainButton = button("UnfallMainButton", QStringLiteral("1. Unfallhauptdaten"));
    UnfallVerfahrenButton = button("UnfallVerfahrenButton", QStringLiteral("2. Verfahrensdaten"));
    UnfallTraegerButton = button("UnfallTraegerButton", QStringLiteral("3. Leistungsträger"));
    UnfallDetailButton = button("UnfallDetailButton", QStringLiteral("4. Unfalldetails"));
    UnfallBehandlungButton = button("UnfallBehandlungButton", QStringLiteral("5. Behandlungen"));
    buttons->addWidget(UnfallMainButton, 1, 0);
    buttons->addWidget(UnfallVerfahrenButton, 1, 1);
    buttons->addWidget(UnfallTraegerButton, 1, 2);
    buttons->addWidget(UnfallDetailButton, 2, 0);
    buttons->addWidget(UnfallBehandlungButton, 2, 1);
    auto* note = forms::label(QStringLiteral("Nennung aller behandelnden Ärzte, Krankenhäuser..."), page,
                              QStringLiteral("BehandlungNote"));
    note->setWordWrap(true);
    buttons->addWidget(note, 2, 2);
    // Hidden buttons keep their places, so that the note stays beside "5. Behandlungen".
    forms::keepSpace({UnfallMainButton, UnfallVerfahrenButton, UnfallTraegerButton, UnfallDetailButton,
                      UnfallBehandlungButton, DetailsLabel});
    layout->addLayout(buttons);
    layout->addStretch(1);

    forms::tabChain({unfYes, unfNo, UnfallTree, UnfallYesBox, UnfallNoBox, m_date, m_location, withYes, withNo,
                     m_name, m_degree, paidYes, paidNo, UnfallMainButton, UnfallVerfahrenButton, UnfallTraegerButton,
                     UnfallDetailButton, UnfallBehandlungButton});

    m_unfall->onChange([this](bool yes) { UnfallTree->setVisible(yes); });
    m_accident->onChange([this](bool yes) { yes ? accidentYesChange() : accidentNoChange(); });
    m_membership->onChange([this](bool yes) { yes ? membershipYesChange() : membershipNoChange(); });
    m_benefits->onChange([this](bool yes) { UnfallTraegerButton->setEnabled(yes); });

    connect(UnfallTree, &QTreeWidget::currentItemChanged, this, [this] {
        store::LoadScope loading;
        personChange();
    });
    connect(UnfallYesBox, &QCheckBox::clicked, this, [this] { accidentYesClick(); });
    connect(UnfallNoBox, &QCheckBox::clicked, this, [this] { accidentNoClick(); });
    connect(UnfallMainButton, &QPushButton::clicked, this, [this] { openMainData(); });
    connect(UnfallVerfahrenButton, &QPushButton::clicked, this, [this] {
        proceedingsDialog()->Show(application(), m_person, displayName());
    });
    connect(UnfallTraegerButton, &QPushButton::clicked, this, [this] {
        insurersDialog()->Show(application(), m_person, displayName());
    });
    connect(UnfallDetailButton, &QPushButton::clicked, this, [this] { openDetails(); });
    connect(UnfallBehandlungButton, &QPushButton::clicked, this, [this] {
        treatmentsDialog()->Show(application(), m_person, displayName());
    });
    return page;
}

void AnspruchAccidentPage::declareWrites() {
    const auto applicationKey = [this] { return application(); };
    const auto personKey = [this] { return m_person; };

    // The accident answer and its twins in the header, which decide whether the accident sheets are
    // printed. The hidden maintenance pair of page 0 is always "Nein".
    (new WriteGroup(QStringLiteral("UHMAIN"), QStringLiteral("UHM_INDEX_MAINHEADER"), applicationKey, this))
        ->pair(m_unfall, QStringLiteral("UHM_UNF_YES"), QStringLiteral("UHM_UNF_NO"))
        .value(QStringLiteral("UHM_UNTERHALT_YES"), [] { return false; })
        .value(QStringLiteral("UHM_UNTERHALT_NO"), [] { return true; })
        .before([this] {
            // An application imported without its claims row would otherwise lose every answer.
            return store::execute(
                QStringLiteral("INSERT INTO UHMAIN (UHM_IDENT, UHM_INDEX_MAINHEADER) SELECT ?, ? "
                               "WHERE NOT EXISTS (SELECT 1 FROM UHMAIN WHERE UHM_INDEX_MAINHEADER=?)"),
                {application(), application(), application()});
        })
        .also([this] {
            return store::execute(
                QStringLiteral("UPDATE MAINHEADER SET BDG_THIRD_UNFALL_YES=?, BDG_THIRD_UNFALL_NO=?, "
                               "BDG_UNTERH_YES=?, BDG_UNTERH_NO=? WHERE BDG_IDENT=?"),
                {m_unfall->yes(), m_unfall->no(), false, true, application()});
        });

    const QString table = QStringLiteral("UNFMAIN");
    const QString key = QStringLiteral("UNF_INDEX_PERSON");
    (new WriteGroup(table, key, personKey, this))->date(m_date, QStringLiteral("UNF_DATE"));
    (new WriteGroup(table, key, personKey, this))->memo(m_location, QStringLiteral("UNF_LOCATION"));
    (new WriteGroup(table, key, personKey, this))->text(m_name, QStringLiteral("UNF_MEMBERSHIP_NAME"));
    (new WriteGroup(table, key, personKey, this))->text(m_degree, QStringLiteral("UNF_MEMBERSHIP_VERWANDT"));
    (new WriteGroup(table, key, personKey, this))
        ->pair(m_membership, QStringLiteral("UNF_MEMBERSHIP_YES"), QStringLiteral("UNF_MEMBERSHIP_NO"))
        .pair(m_benefits, QStringLiteral("UNF_LEISTUNG_YES"), QStringLiteral("UNF_LEISTUNG_NO"));
}

void AnspruchAccidentPage::load() {
    m_unfall->set(false, true);
    {
        const QSignalBlocker block(UnfallTree);
        UnfallTree->clear();
    }
    m_person.clear();
    emptyState();

    store::Rows persons = store::select(
        QStringLiteral("SELECT * FROM PERSON WHERE PRS_INDEX_MAINHEADER=? ORDER BY PRS_TYPE, PRS_NUMBER"),
        {application()});
    {
        const QSignalBlocker block(UnfallTree);
        while (persons.next()) {
            auto* item = new QTreeWidgetItem(UnfallTree);
            item->setText(0, persons.text(QStringLiteral("PRS_NAME")) + QStringLiteral(", ") +
                                 persons.text(QStringLiteral("PRS_VNAME")));
            item->setText(kIdentColumn, persons.text(QStringLiteral("PRS_IDENT")));
        }
        if (UnfallTree->topLevelItemCount() > 0) UnfallTree->setCurrentItem(UnfallTree->topLevelItem(0));
    }

    store::Rows claims =
        store::select(QStringLiteral("SELECT * FROM UHMAIN WHERE UHM_INDEX_MAINHEADER=?"), {application()});
    if (claims.next()) {
        const bool yes = claims.flag(QStringLiteral("UHM_UNF_YES"));
        const bool no = claims.flag(QStringLiteral("UHM_UNF_NO"));
        m_unfall->set(yes, no || !yes);
    }
    personChange();
}

void AnspruchAccidentPage::leave() {
    // Every entry of this page is written as it is made, and the detail dialogs write before they
    // close: nothing waits for the page to be left.
}

void AnspruchAccidentPage::emptyState() {
    m_accident->set(false, true);
    m_date->setDate(QDate());
    m_location->clear();
    m_name->clear();
    m_degree->clear();
    // Without a person there is nothing the question could be answered for.
    UnfallYesBox->setEnabled(!m_person.isEmpty());
    UnfallNoBox->setEnabled(!m_person.isEmpty());
}

void AnspruchAccidentPage::personChange() {
    QTreeWidgetItem* item = UnfallTree->currentItem();
    m_person = item ? item->text(kIdentColumn) : QString();
    emptyState();
    if (m_person.isEmpty()) return;
    store::Rows row = store::select(QStringLiteral("SELECT * FROM UNFMAIN WHERE UNF_INDEX_PERSON=? ORDER BY rowid"),
                                    {m_person}, store::OnError::Ignore);
    if (!row.next()) return;
    m_accident->set(true, false);
    m_date->setDate(row.date(QStringLiteral("UNF_DATE")));
    m_location->setPlainText(row.text(QStringLiteral("UNF_LOCATION")));
    m_name->setText(row.text(QStringLiteral("UNF_MEMBERSHIP_NAME")));
    m_degree->setText(row.text(QStringLiteral("UNF_MEMBERSHIP_VERWANDT")));
    const bool withYes = row.flag(QStringLiteral("UNF_MEMBERSHIP_YES"));
    m_membership->set(withYes, !withYes || row.flag(QStringLiteral("UNF_MEMBERSHIP_NO")));
    const bool paidYes = row.flag(QStringLiteral("UNF_LEISTUNG_YES"));
    m_benefits->set(paidYes, !paidYes || row.flag(QStringLiteral("UNF_LEISTUNG_NO")));
    applyMainData(row.flag(QStringLiteral("UNF_ERSATZ_ISURTEIL")),
                  row.flag(QStringLiteral("UNF_IS_WORK")) || row.flag(QStringLiteral("UNF_IS_TRAFFIC")) ||
                      row.flag(QStringLiteral("UNF_IS_OTHER")));
}

void AnspruchAccidentPage::applyMainData(bool judgment, bool kindSet) {
    forms::setShown({UnfallVerfahrenButton, UnfallTraegerButton, UnfallDetailButton, UnfallBehandlungButton,
                     m_benefitsPanel, DetailsLabel},
                    !judgment);
    if (kindSet)
        for (QPushButton* b : {UnfallVerfahrenButton, UnfallDetailButton, UnfallBehandlungButton})
            b->setEnabled(true);
}

void AnspruchAccidentPage::accidentYesChange() {
    m_detailPanel->show();
    m_cohabitantPanel->hide();
    m_membership->set(false, true);
    m_benefits->set(false, true);
    forms::setShown({m_benefitsPanel, DetailsLabel, UnfallMainButton, UnfallVerfahrenButton, UnfallTraegerButton,
                     UnfallDetailButton, UnfallBehandlungButton},
                    true);
    UnfallMainButton->setEnabled(true);
    for (QPushButton* b : {UnfallVerfahrenButton, UnfallTraegerButton, UnfallDetailButton, UnfallBehandlungButton})
        b->setEnabled(false);
    m_date->setDate(QDate());
    m_location->clear();
    m_name->clear();
    m_degree->clear();
}

void AnspruchAccidentPage::accidentNoChange() {
    m_membership->set(false, true);
    forms::setShown({m_detailPanel, m_cohabitantPanel, m_benefitsPanel, DetailsLabel, UnfallMainButton,
                     UnfallVerfahrenButton, UnfallTraegerButton, UnfallDetailButton, UnfallBehandlungButton},
                    false);
}

void AnspruchAccidentPage::membershipYesChange() {
    m_cohabitantPanel->show();
    forms::setShown({m_benefitsPanel, DetailsLabel, UnfallTraegerButton, UnfallDetailButton, UnfallBehandlungButton},
                    false);
    UnfallMainButton->setEnabled(false);
    UnfallVerfahrenButton->setEnabled(false);
}

void AnspruchAccidentPage::membershipNoChange() {
    m_cohabitantPanel->hide();
    UnfallMainButton->setEnabled(true);
    UnfallVerfahrenButton->setEnabled(false);
    forms::setShown({m_benefitsPanel, DetailsLabel}, true);
    m_benefits->set(false, true);
    forms::setShown({UnfallTraegerButton, UnfallDetailButton, UnfallBehandlungButton}, true);
    for (QPushButton* b : {UnfallTraegerButton, UnfallDetailButton, UnfallBehandlungButton})
        b->setEnabled(false);
}

void AnspruchAccidentPage::accidentYesClick() {
    // A click on the ticked answer changes nothing: it stays ticked, and its rule does not empty the fields.
    if (!UnfallYesBox->isChecked()) {
        m_accident->setSilently(true, false);
        return;
    }
    // One accident row per person: a second one would print every accident sheet twice.
    bool existed = false;
    const bool inserted = store::inTransaction([&] {
        store::Rows row =
            store::select(QStringLiteral("SELECT UNF_IDENT FROM UNFMAIN WHERE UNF_INDEX_PERSON=?"), {m_person});
        if (!row.ok()) return false;
        existed = row.next();
        return existed || store::execute(QStringLiteral("INSERT INTO UNFMAIN (UNF_IDENT,UNF_INDEX_MAINHEADER,"
                                                        "UNF_INDEX_PERSON) VALUES (?, ?, ?)"),
                                         {TMainObject::NewRowIdent(), application(), m_person});
    });
    if (inserted && !existed) return;
    // The row that is stored (or none) decides what the page shows.
    store::LoadScope loading;
    personChange();
}

void AnspruchAccidentPage::accidentNoClick() {
    if (!UnfallNoBox->isChecked()) {
        m_accident->setSilently(false, true);
        return;
    }
    const bool confirmed = store::Messages::confirmYesCancel(
        QStringLiteral("Wenn Sie diese Angabe auf \"Nein\" zurücksetzen, werden alle hinterlegten Daten gelöscht!\n"
                       "Wollen Sie fortfahren?"));
    const bool deleted = confirmed && store::inTransaction([this] {
        return store::execute(QStringLiteral("DELETE FROM UNFMAIN WHERE UNF_INDEX_PERSON=?"), {m_person}) &&
               store::execute(QStringLiteral("DELETE FROM UNFKFZ WHERE UTR_INDEX_PERSON=?"), {m_person}) &&
               store::execute(QStringLiteral("DELETE FROM UNFOTHER WHERE UNS_INDEX_PERSON=?"), {m_person}) &&
               store::execute(QStringLiteral("DELETE FROM UNFHEALTH WHERE UNH_INDEX_PERSON=?"), {m_person});
    });
    if (deleted) return;
    // Nothing was deleted: the page shows again what is stored.
    store::LoadScope loading;
    personChange();
}

void AnspruchAccidentPage::openMainData() {
    mainDialog()->Show(application(), m_person, displayName());
    store::Rows row =
        store::select(QStringLiteral("SELECT * FROM UNFMAIN WHERE UNF_INDEX_PERSON=? ORDER BY rowid"), {m_person});
    if (!row.next()) return;
    applyMainData(row.flag(QStringLiteral("UNF_ERSATZ_ISURTEIL")),
                  row.flag(QStringLiteral("UNF_IS_WORK")) || row.flag(QStringLiteral("UNF_IS_TRAFFIC")) ||
                      row.flag(QStringLiteral("UNF_IS_OTHER")));
}

void AnspruchAccidentPage::openDetails() {
    store::Rows row =
        store::select(QStringLiteral("SELECT * FROM UNFMAIN WHERE UNF_INDEX_PERSON=? ORDER BY rowid"), {m_person});
    if (!row.next()) return;
    const bool work = row.flag(QStringLiteral("UNF_IS_WORK"));
    const bool traffic = row.flag(QStringLiteral("UNF_IS_TRAFFIC"));
    const bool other = row.flag(QStringLiteral("UNF_IS_OTHER"));
    if (work) workDialog()->Show(application(), m_person, displayName());
    if (traffic) trafficDialog()->Show(application(), m_person, displayName());
    if (other) otherDialog()->Show(application(), m_person, displayName());
}

namespace {
template <typename Dialog>
Dialog* dialogOf(Dialog*& dialog, QWidget* parent) {
    if (!dialog) dialog = new Dialog(parent);
    return dialog;
}
} // namespace

TUnfallMainDlg* AnspruchAccidentPage::mainDialog() { return dialogOf(m_mainDialog, m_content.data()); }
TUnfallVerfahrenDlg* AnspruchAccidentPage::proceedingsDialog() { return dialogOf(m_proceedingsDialog, m_content.data()); }
TUnfallTraegerDlg* AnspruchAccidentPage::insurersDialog() { return dialogOf(m_insurersDialog, m_content.data()); }
TUnfallArbeitDlg* AnspruchAccidentPage::workDialog() { return dialogOf(m_workDialog, m_content.data()); }
TUnfallVerkehrDlg* AnspruchAccidentPage::trafficDialog() { return dialogOf(m_trafficDialog, m_content.data()); }
TUnfallSonstigDlg* AnspruchAccidentPage::otherDialog() { return dialogOf(m_otherDialog, m_content.data()); }
TUnfallBehandlungDlg* AnspruchAccidentPage::treatmentsDialog() { return dialogOf(m_treatmentsDialog, m_content.data()); }
