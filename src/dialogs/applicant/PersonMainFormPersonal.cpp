#include "Editors.h"
#include "Messages.h"
#include "Paths.h"
#include "PersonMainForm.h"
#include "PersonMainFormPages.h"
#include "Sql.h"
#include "WriteGroup.h"
#include "YesNoPair.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QVBoxLayout>

using namespace personform;

namespace {

constexpr int kDefaultYear = 2006;

const char* const kFamilyCaptions[] = {
    "ledig",           "verheiratet",   "eingetragene Lebenspartnerschaft", "dauernd getrennt lebend seit",
    "geschieden seit", "verwitwet seit"};
const char* const kFamilyNames[] = {"FamilySingle",    "FamilyMarried",  "FamilyPartnership",
                                    "FamilySeparated", "FamilyDivorced", "FamilyWidowed"};
// Flag and since-column of each marital status; the first three have no since-column.
const char* const kFamilyFlags[] = {"PRS_FAMILY_LEDIG",      "PRS_FAMILY_MARIED",
                                    "PRS_FAMILY_PARTNER_IS", "PRS_FAMILY_PARTNER_SPLIT",
                                    "PRS_FAMILY_GESCH_IS",   "PRS_FAMILY_WITW_IS"};
const char* const kFamilySince[] = {nullptr,
                                    nullptr,
                                    nullptr,
                                    "PRS_FAMILY_PARTNER_SPLITSINCE",
                                    "PRS_FAMILY_GESCH_SINCE",
                                    "PRS_FAMILY_WITW_SINCE"};
constexpr int kFirstFamilyWithSince = 3;

const char* const kMonths[] = {"Januar", "Februar", "März",      "April",   "Mai",      "Juni",
                               "Juli",   "August",  "September", "Oktober", "November", "Dezember"};

QString col(const char* name) {
    return QString::fromLatin1(name);
}

// One entry a line, UTF-8; Windows line ends and empty lines at the end are no entries.
bool readRelationList(const QString& fileName, int needed, QStringList* entries) {
    const QString relative = QStringLiteral("Daten/Default/") + fileName;
    QFile file(store::programPath(relative));
    if (!QFileInfo(file.fileName()).isFile() || !file.open(QIODevice::ReadOnly)) {
        store::Messages::error(
            QStringLiteral("Die Liste der Verwandtschaftsverhältnisse „%1“ %2.\nBitte prüfen "
                           "Sie, ob das Programm vollständig installiert ist. Die Angaben der "
                           "Person werden nicht angezeigt.")
                .arg(relative, file.exists() ? QStringLiteral("kann nicht gelesen werden")
                                             : QStringLiteral("ist nicht vorhanden")));
        return false;
    }
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.size() < needed) {
        store::Messages::error(
            QStringLiteral("Die Liste der Verwandtschaftsverhältnisse „%1“ enthält %2 Einträge, "
                           "benötigt werden mindestens %3.\nBitte prüfen Sie, ob das Programm "
                           "vollständig installiert ist. Die Angaben der Person werden nicht "
                           "angezeigt.")
                .arg(relative)
                .arg(lines.size())
                .arg(needed));
        return false;
    }
    *entries = lines;
    return true;
}

} // namespace

PersonalPage::PersonalPage(TPersonMainFormDlg* dialog)
    : QObject(dialog)
    , m_dialog(dialog) {}

QWidget* PersonalPage::create() {
    QWidget* page = pageContent(QStringLiteral("PersonalPage"));
    auto* layout = static_cast<QVBoxLayout*>(page->layout());

    QGroupBox* person = groupBox(QStringLiteral("PersonGroup"), QStringLiteral("Angaben zur Person"), page);
    auto* grid = new QGridLayout(person);
    buildPerson(grid, person);
    layout->addWidget(person);
    layout->addWidget(buildFamily(page));
    layout->addWidget(buildCitizenship(page));
    layout->addWidget(buildEducation(page));
    layout->addWidget(buildInstitution(page));
    layout->addStretch(1);
    declareWrites();
    return page;
}

void PersonalPage::buildPerson(QGridLayout* grid, QWidget* parent) {
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    m_typeCombo = new QComboBox(parent);
    m_typeCombo->setObjectName(QStringLiteral("TypeCombo"));
    m_typeCombo->addItems(TPersonMainFormDlg::typeNames());
    m_relationLabel = label(QStringLiteral("Ich bin"), parent, QStringLiteral("RelationLabel"));
    m_relationCombo = new QComboBox(parent);
    m_relationCombo->setObjectName(QStringLiteral("RelationCombo"));
    m_relationCombo->setMinimumWidth(380);
    m_relationEdit = lineEdit(QStringLiteral("RelationEdit"), parent);
    m_name = lineEdit(QStringLiteral("NameEdit"), parent, 220);
    m_birthName = lineEdit(QStringLiteral("BirthNameEdit"), parent, 220);
    m_firstName = lineEdit(QStringLiteral("FirstNameEdit"), parent, 220);
    m_birthTown = lineEdit(QStringLiteral("BirthTownEdit"), parent, 220);
    QCheckBox* female = checkBox(QStringLiteral("FemaleBox"), QStringLiteral("Weiblich"), parent);
    QCheckBox* male = checkBox(QStringLiteral("MaleBox"), QStringLiteral("Männlich"), parent);
    m_sex = new YesNoPair(female, male, YesNoPair::Complementary, this);
    m_birthday = dateEdit(QStringLiteral("BirthdayEdit"), parent);
    warnWhenNoDate(m_birthday, QStringLiteral("Geburtsdatum"));

    auto* relation = new QHBoxLayout;
    relation->addWidget(m_relationCombo, 1);
    relation->addWidget(m_relationEdit, 1);
    auto* sex = new QHBoxLayout;
    sex->addWidget(female);
    sex->addWidget(male);
    sex->addStretch(1);

    grid->addWidget(label(QStringLiteral("Person"), parent), 0, 0);
    grid->addWidget(m_typeCombo, 0, 1);
    grid->addWidget(m_relationLabel, 0, 2);
    grid->addLayout(relation, 0, 3);
    grid->addWidget(label(QStringLiteral("Name"), parent), 1, 0);
    grid->addWidget(m_name, 1, 1);
    grid->addWidget(label(QStringLiteral("Geburtsname"), parent), 1, 2);
    grid->addWidget(m_birthName, 1, 3);
    grid->addWidget(label(QStringLiteral("Vorname"), parent), 2, 0);
    grid->addWidget(m_firstName, 2, 1);
    grid->addWidget(label(QStringLiteral("Geburtsort"), parent), 2, 2);
    grid->addWidget(m_birthTown, 2, 3);
    grid->addWidget(label(QStringLiteral("Geschlecht"), parent), 3, 0);
    grid->addLayout(sex, 3, 1);
    grid->addWidget(label(QStringLiteral("Geburtsdatum"), parent), 3, 2);
    grid->addWidget(m_birthday, 3, 3, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 2);
}

QWidget* PersonalPage::buildFamily(QWidget* parent) {
    QGroupBox* box = groupBox(QStringLiteral("FamilyGroup"), QStringLiteral("Familienstand"), parent);
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(18);
    m_family = new QButtonGroup(this);
    for (int i = 0; i < 6; ++i) {
        auto* radio = new QRadioButton(QString::fromUtf8(kFamilyCaptions[i]), box);
        radio->setObjectName(col(kFamilyNames[i]));
        m_family->addButton(radio, i);
        grid->addWidget(radio, i / 3, i % 3);
    }
    m_familySince = lineEdit(QStringLiteral("FamilySinceEdit"), box, 160);
    m_familySince->setToolTip(QStringLiteral("seit wann (z. B. Datum oder Jahr)"));
    keepSpace({m_familySince});
    grid->addWidget(m_familySince, 1, 3);
    grid->setColumnStretch(4, 1);
    connect(m_family, &QButtonGroup::idToggled, this,
            [this](int, bool) { m_familySince->setVisible(familyChoice() >= kFirstFamilyWithSince); });
    return box;
}

QWidget* PersonalPage::buildCitizenship(QWidget* parent) {
    QGroupBox* box =
        groupBox(QStringLiteral("CitizenshipGroup"),
                 QStringLiteral("Staatsangehörigkeit, Agentur für Arbeit, Erwerbsfähigkeit"), parent);
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(8);
    const auto line = [&](int row, const QString& caption, std::initializer_list<QWidget*> widgets) {
        grid->addWidget(label(caption, box), row, 0);
        auto* h = new QHBoxLayout;
        h->setSpacing(10);
        for (QWidget* w : widgets)
            h->addWidget(w);
        h->addStretch(1);
        grid->addLayout(h, row, 1);
    };
    QCheckBox* german = checkBox(QStringLiteral("GermanBox"), QStringLiteral("Deutsch"), box);
    QCheckBox* other = checkBox(QStringLiteral("OtherStateBox"), QStringLiteral("andere:"), box);
    m_state = new YesNoPair(german, other, YesNoPair::Complementary, this);
    m_stateSign = lineEdit(QStringLiteral("StateEdit"), box, 220);
    QCheckBox* asylumYes = checkBox(QStringLiteral("AsylumYes"), QStringLiteral("Ja"), box);
    QCheckBox* asylumNo = checkBox(QStringLiteral("AsylumNo"), QStringLiteral("Nein"), box);
    m_asylum = new YesNoPair(asylumYes, asylumNo, YesNoPair::Complementary, this);
    m_argeNumber = lineEdit(QStringLiteral("ArgeNumberEdit"), box, 220);
    QCheckBox* workYes = checkBox(QStringLiteral("WorkYes"), QStringLiteral("Ja"), box);
    QCheckBox* workNo = checkBox(QStringLiteral("WorkNo"), QStringLiteral("Nein, weil:"), box);
    m_work = new YesNoPair(workYes, workNo, YesNoPair::Complementary, this);
    m_workReason = lineEdit(QStringLiteral("WorkReasonEdit"), box, 360);
    keepSpace({m_stateSign, m_workReason});

    line(0, QStringLiteral("Staatsangehörigkeit"), {german, other, m_stateSign});
    line(1, QStringLiteral("Berechtigter nach dem Asylbwerbergesetz"), {asylumYes, asylumNo});
    line(2, QStringLiteral("Kundennummer der Agentur für Arbeit"), {m_argeNumber});
    line(3, QStringLiteral("Umfang der Erwerbsfähigkeit (mindestens 3 Stunden täglich)"),
         {workYes, workNo, m_workReason});
    grid->setColumnStretch(1, 1);

    m_state->onChange([this](bool german) { m_stateSign->setVisible(!german); });
    m_work->onChange([this](bool able) { m_workReason->setVisible(!able); });
    return box;
}

QWidget* PersonalPage::buildEducation(QWidget* parent) {
    QGroupBox* box =
        groupBox(QStringLiteral("EducationGroup"), QStringLiteral("Schul- oder Berufsausbildung"), parent);
    auto* row = new QHBoxLayout(box);
    row->setSpacing(14);
    m_school = checkBox(QStringLiteral("SchoolBox"), QStringLiteral("Schüler / Student"), box);
    m_vocational = checkBox(QStringLiteral("VocationalBox"), QStringLiteral("berufl. Ausbild."), box);
    m_noEducation = checkBox(QStringLiteral("NoEducationBox"), QStringLiteral("Nein"), box);
    m_monthLabel = label(QStringLiteral("bis Monat"), box, QStringLiteral("MonthLabel"));
    m_month = new QComboBox(box);
    m_month->setObjectName(QStringLiteral("MonthCombo"));
    for (const char* month : kMonths)
        m_month->addItem(QString::fromUtf8(month));
    m_month->setMinimumWidth(130);
    m_yearLabel = label(QStringLiteral("bis Jahr"), box, QStringLiteral("YearLabel"));
    m_year = new QSpinBox(box);
    m_year->setObjectName(QStringLiteral("YearSpin"));
    m_year->setRange(1900, 2999);
    m_year->setValue(kDefaultYear);
    keepSpace({m_monthLabel, m_month, m_yearLabel, m_year});
    for (QWidget* w : {static_cast<QWidget*>(m_school), static_cast<QWidget*>(m_vocational),
                       static_cast<QWidget*>(m_noEducation)})
        row->addWidget(w);
    row->addSpacing(20);
    row->addWidget(m_monthLabel);
    row->addWidget(m_month);
    row->addWidget(m_yearLabel);
    row->addWidget(m_year);
    row->addStretch(1);
    for (QCheckBox* b : {m_school, m_vocational, m_noEducation})
        connect(b, &QCheckBox::clicked, this, [this, b] { onEducationClicked(b); });
    return box;
}

QWidget* PersonalPage::buildInstitution(QWidget* parent) {
    QGroupBox* box = groupBox(
        QStringLiteral("InstitutionGroup"),
        QStringLiteral("aktuelle / gegenwärtige Unterbringung in einer stationären Einrichtung"), parent);
    auto* row = new QHBoxLayout(box);
    row->setSpacing(10);
    QCheckBox* yes = checkBox(QStringLiteral("InstitutionYes"), QStringLiteral("Ja"), box);
    QCheckBox* no = checkBox(QStringLiteral("InstitutionNo"), QStringLiteral("Nein"), box);
    m_institution = new YesNoPair(yes, no, YesNoPair::Complementary, this);
    m_institutionStart = dateEdit(QStringLiteral("InstitutionStart"), box);
    m_institutionFrom = dateEdit(QStringLiteral("InstitutionFrom"), box);
    m_institutionUntil = dateEdit(QStringLiteral("InstitutionUntil"), box);
    warnWhenNoDate(m_institutionStart, QStringLiteral("ab Datum"));
    warnWhenNoDate(m_institutionFrom, QStringLiteral("von Datum"));
    warnWhenNoDate(m_institutionUntil, QStringLiteral("bis Datum"));
    QLabel* start = label(QStringLiteral("ab Datum"), box, QStringLiteral("InstitutionStartLabel"));
    QLabel* orLabel = label(QStringLiteral("bzw. (oder)"), box, QStringLiteral("InstitutionOrLabel"));
    QLabel* from = label(QStringLiteral("von Datum"), box, QStringLiteral("InstitutionFromLabel"));
    QLabel* until = label(QStringLiteral("bis Datum"), box, QStringLiteral("InstitutionUntilLabel"));
    m_institutionDetails = {start, m_institutionStart, orLabel, from, m_institutionFrom,
                            until, m_institutionUntil};
    row->addWidget(yes);
    row->addWidget(no);
    row->addSpacing(20);
    for (QWidget* w : m_institutionDetails) {
        keepSpace({w});
        row->addWidget(w);
    }
    row->addStretch(1);
    m_institution->onChange([this](bool yes) {
        for (QWidget* w : m_institutionDetails)
            w->setVisible(yes);
    });
    return box;
}

int PersonalPage::familyChoice() const {
    return m_family->checkedId();
}

void PersonalPage::declareWrites() {
    const auto key = [d = m_dialog] { return d->currentPerson(); };
    const auto group = [this, key] {
        return new WriteGroup(QStringLiteral("PERSON"), QStringLiteral("PRS_IDENT"), key, this);
    };
    const auto text = [](QLineEdit* edit, bool take) {
        return store::textValue(take ? edit->text() : QString());
    };

    group()->comboIndex(m_typeCombo, QStringLiteral("PRS_TYPE")).also([this] {
        m_dialog->typeChanged();
        return true;
    });

    m_applicantRelation = group();
    m_applicantRelation
        ->value(QStringLiteral("PRS_IS_ALONE"), [this] { return m_relationCombo->currentIndex() == 1; })
        .value(QStringLiteral("PRS_IS_ALONEMOTHER"), [this] { return m_relationCombo->currentIndex() == 2; });
    m_partnerRelation = group();
    const char* const partnerFlags[] = {"PRS_IS_NOSPLIT_HUSBAND", "PRS_IS_NOSPLIT_PARTNER", "PRS_IS_PARTNER",
                                        "PSR_IS_OTHER"};
    for (int entry = 0; entry < 4; ++entry)
        m_partnerRelation->value(col(partnerFlags[entry]),
                                 [this, entry] { return m_relationCombo->currentIndex() == entry; });
    connect(m_relationCombo, qOverload<int>(&QComboBox::activated), this, [this] {
        if (m_type == TPersonMainFormDlg::Applicant)
            m_applicantRelation->write();
        else if (m_type == TPersonMainFormDlg::Partner)
            m_partnerRelation->write();
    });
    group()->text(m_relationEdit, QStringLiteral("PRS_VERWANDT"));

    group()
        ->text(m_name, QStringLiteral("PRS_NAME"))
        .text(m_birthName, QStringLiteral("PRS_BIRTHNAME"))
        .text(m_firstName, QStringLiteral("PRS_VNAME"))
        .value(QStringLiteral("PRS_FEMALE"), [this] { return m_sex->yes(); })
        .value(QStringLiteral("PRS_MAN"), [this] { return m_sex->no(); })
        .value(QStringLiteral("PRS_BIRTHDAY"),
               [this] { return m_dialog->dateOrStored(m_birthday, QStringLiteral("PRS_BIRTHDAY")); })
        .text(m_birthTown, QStringLiteral("PRS_BIRTHTOWN"))
        .also([this] {
            m_dialog->refreshListRow();
            return true;
        });
    group()->date(m_birthday, QStringLiteral("PRS_BIRTHDAY")).also([this] {
        m_dialog->refreshListRow();
        return true;
    });
    group()->pair(m_sex, QStringLiteral("PRS_FEMALE"), QStringLiteral("PRS_MAN"));

    m_familyChoice = group();
    for (int i = 0; i < 6; ++i) {
        m_familyChoice->value(col(kFamilyFlags[i]), [this, i] { return familyChoice() == i; });
        if (kFamilySince[i])
            m_familyChoice->value(col(kFamilySince[i]), [this, text] { return text(m_familySince, true); });
    }
    connect(m_family, &QButtonGroup::idClicked, this, [this](int id) {
        if (id < kFirstFamilyWithSince) m_familySince->clear();
        m_familyChoice->write();
    });
    WriteGroup* since = group();
    for (int i = kFirstFamilyWithSince; i < 6; ++i)
        since->value(col(kFamilySince[i]),
                     [this, text, i] { return text(m_familySince, familyChoice() == i); });
    connect(m_familySince, &QLineEdit::textEdited, since, [since] { since->write(); });

    group()
        ->pair(m_state, QStringLiteral("PRS_STATE_GR"), QStringLiteral("PRS_STATE_OTHER"))
        .before([this] {
            if (!m_state->no()) m_stateSign->clear();
            return true;
        })
        .value(QStringLiteral("PRS_STATE_SIGN"), [this, text] { return text(m_stateSign, m_state->no()); });
    group()->text(m_stateSign, QStringLiteral("PRS_STATE_SIGN"));
    group()->pair(m_asylum, QStringLiteral("PRS_ASYL_YES"), QStringLiteral("PRS_ASYL_NO"));
    group()->text(m_argeNumber, QStringLiteral("PRS_ARGE_NUMBER"));
    group()
        ->pair(m_work, QStringLiteral("PRS_WORK_YES"), QStringLiteral("PRS_WORK_NO"))
        .before([this] {
            if (!m_work->no()) m_workReason->clear();
            return true;
        })
        .value(QStringLiteral("PRS_WORK_NO_SIGN"), [this, text] { return text(m_workReason, m_work->no()); });
    group()->text(m_workReason, QStringLiteral("PRS_WORK_NO_SIGN"));

    const auto withEnd = [this] { return m_school->isChecked() || m_vocational->isChecked(); };
    m_education = group();
    m_education->value(QStringLiteral("PRS_AZUBI_YES"), [this] { return m_school->isChecked(); })
        .value(QStringLiteral("PRS_AZUBI_NO"), [this] { return m_noEducation->isChecked(); })
        .value(QStringLiteral("PRS_AZUBI_UNTIL_MONTH"),
               [this, withEnd] { return store::textValue(withEnd() ? m_month->currentText() : QString()); })
        .value(QStringLiteral("PRS_AZUBI_UNTIL_YEAR"),
               [this, withEnd] {
                   return store::textValue(withEnd() ? QString::number(m_year->value()) : QString());
               })
        .value(QStringLiteral("PRS_AZUBI_PROF"), [this] { return m_vocational->isChecked(); });
    m_educationMonth = group();
    m_educationMonth->value(QStringLiteral("PRS_AZUBI_UNTIL_MONTH"), [this] {
        return store::textValue(m_noEducation->isChecked() ? QString() : m_month->currentText());
    });
    connect(m_month, qOverload<int>(&QComboBox::activated), m_educationMonth,
            [this] { m_educationMonth->write(); });
    m_educationYear = group();
    m_educationYear->value(QStringLiteral("PRS_AZUBI_UNTIL_YEAR"),
                           [this] { return store::textValue(QString::number(m_year->value())); });
    connect(m_year, qOverload<int>(&QSpinBox::valueChanged), m_educationYear,
            [this] { m_educationYear->write(); });

    const QVector<std::pair<DateEdit*, QString>> institutionDates = {
        {m_institutionStart, QStringLiteral("PRS_OUTDOR_START")},
        {m_institutionFrom, QStringLiteral("PRS_OUTDOR_FROM")},
        {m_institutionUntil, QStringLiteral("PRS_OUTDOR_UNTIL")}};
    WriteGroup* institution = group();
    institution->pair(m_institution, QStringLiteral("PRS_OUTDOR_YES"), QStringLiteral("PRS_OUTDOR_NO"));
    for (const auto& [edit, column] : institutionDates) {
        institution->value(
            column, [this, edit = edit, column = column] { return m_dialog->dateOrStored(edit, column); });
        group()->date(edit, column);
    }
}

void PersonalPage::onEducationClicked(QCheckBox* clicked) {
    for (QCheckBox* b : {m_school, m_vocational, m_noEducation})
        if (b != clicked) b->setChecked(false);
    const bool withEnd = m_school->isChecked() || m_vocational->isChecked();
    setEducationEndShown(withEnd);
    if (!withEnd) resetEducationEnd();
    m_education->write();
}

void PersonalPage::setEducationEndShown(bool shown) {
    setShown({m_monthLabel, m_month, m_yearLabel, m_year}, shown);
}

void PersonalPage::resetEducationEnd() {
    // Emptying the fields is part of the education answer's own write, not a choice of month or year.
    const QSignalBlocker blockMonth(m_month);
    const QSignalBlocker blockYear(m_year);
    m_month->setCurrentIndex(-1);
    m_year->setValue(kDefaultYear);
}

void PersonalPage::reset() {
    for (QLineEdit* edit : {m_relationEdit, m_name, m_birthName, m_firstName, m_birthTown, m_familySince,
                            m_stateSign, m_argeNumber, m_workReason})
        edit->clear();
    for (DateEdit* edit : {m_birthday, m_institutionStart, m_institutionFrom, m_institutionUntil})
        edit->setDate(QDate());
    m_relationCombo->setCurrentIndex(-1);
    m_family->button(0)->setChecked(true);
    m_sex->setYes(true);
    m_state->setYes(true);
    m_asylum->setYes(false);
    m_work->setYes(true);
    prepare();
    resetEducationEnd();
    m_institution->setYes(false);
}

void PersonalPage::prepare() {
    setEducationEndShown(false);
    m_school->setChecked(false);
    m_vocational->setChecked(false);
    m_noEducation->setChecked(true);
}

bool PersonalPage::load(const store::Rows& row, int position) {
    m_type = row.integer(QStringLiteral("PRS_TYPE"));
    auto* types = qobject_cast<QStandardItemModel*>(m_typeCombo->model());
    // Only the first row is the applicant; no other person may be made one.
    if (types && types->item(TPersonMainFormDlg::Applicant))
        types->item(TPersonMainFormDlg::Applicant)->setEnabled(position == 0);
    if (position == 0) m_typeCombo->setCurrentIndex(TPersonMainFormDlg::Applicant);
    m_typeCombo->setEnabled(position != 0);
    m_typeCombo->setCurrentIndex(m_type);

    if (!loadRelationship(row)) return false;

    m_name->setText(row.text(QStringLiteral("PRS_NAME")));
    m_birthName->setText(row.text(QStringLiteral("PRS_BIRTHNAME")));
    m_firstName->setText(row.text(QStringLiteral("PRS_VNAME")));
    m_birthTown->setText(row.text(QStringLiteral("PRS_BIRTHTOWN")));
    m_sex->setYes(row.flag(QStringLiteral("PRS_FEMALE")));
    m_birthday->setDate(row.date(QStringLiteral("PRS_BIRTHDAY")));

    m_family->button(0)->setChecked(true);
    m_familySince->clear();
    for (int i = 0; i < 6; ++i) {
        if (!row.flag(col(kFamilyFlags[i]))) continue;
        m_family->button(i)->setChecked(true);
        if (kFamilySince[i]) m_familySince->setText(row.text(col(kFamilySince[i])));
    }

    m_state->setYes(row.flag(QStringLiteral("PRS_STATE_GR")));
    m_stateSign->setText(row.text(QStringLiteral("PRS_STATE_SIGN")));
    m_asylum->setYes(row.flag(QStringLiteral("PRS_ASYL_YES")));
    m_argeNumber->setText(row.text(QStringLiteral("PRS_ARGE_NUMBER")));
    m_work->setYes(row.flag(QStringLiteral("PRS_WORK_YES")));
    m_workReason->setText(row.text(QStringLiteral("PRS_WORK_NO_SIGN")));

    m_school->setChecked(row.flag(QStringLiteral("PRS_AZUBI_YES")));
    m_vocational->setChecked(row.flag(QStringLiteral("PRS_AZUBI_PROF")));
    m_noEducation->setChecked(row.flag(QStringLiteral("PRS_AZUBI_NO")));
    setEducationEndShown(m_school->isChecked() || m_vocational->isChecked());
    m_month->setCurrentIndex(m_month->findText(row.text(QStringLiteral("PRS_AZUBI_UNTIL_MONTH"))));
    bool isNumber = false;
    const int year = row.text(QStringLiteral("PRS_AZUBI_UNTIL_YEAR")).toInt(&isNumber);
    m_year->setValue(isNumber ? year : kDefaultYear);

    m_institution->setYes(row.flag(QStringLiteral("PRS_OUTDOR_YES")));
    m_institutionStart->setDate(row.date(QStringLiteral("PRS_OUTDOR_START")));
    m_institutionFrom->setDate(row.date(QStringLiteral("PRS_OUTDOR_FROM")));
    m_institutionUntil->setDate(row.date(QStringLiteral("PRS_OUTDOR_UNTIL")));
    return true;
}

bool PersonalPage::loadRelationship(const store::Rows& row) {
    const bool listed = m_type == TPersonMainFormDlg::Applicant || m_type == TPersonMainFormDlg::Partner;
    m_relationCombo->setVisible(listed);
    m_relationEdit->setVisible(!listed);
    if (!listed) {
        m_relationLabel->setText(QStringLiteral("Verwandschaftsverh."));
        m_relationEdit->setText(row.text(QStringLiteral("PRS_VERWANDT")));
        return true;
    }
    const bool applicant = m_type == TPersonMainFormDlg::Applicant;
    m_relationLabel->setText(applicant ? QStringLiteral("Ich bin") : QStringLiteral("Ich lebe zusammen mit"));
    QStringList entries;
    m_relationCombo->clear();
    if (!readRelationList(applicant ? QStringLiteral("MainPList.lst") : QStringLiteral("OtherPList.lst"),
                          applicant ? 3 : 4, &entries))
        return false;
    m_relationCombo->addItems(entries);
    int entry = applicant ? 0 : -1;
    const QStringList flags =
        applicant
            ? QStringList{QStringLiteral("PRS_IS_ALONE"), QStringLiteral("PRS_IS_ALONEMOTHER")}
            : QStringList{QStringLiteral("PRS_IS_NOSPLIT_HUSBAND"), QStringLiteral("PRS_IS_NOSPLIT_PARTNER"),
                          QStringLiteral("PRS_IS_PARTNER"), QStringLiteral("PSR_IS_OTHER")};
    for (int i = 0; i < flags.size(); ++i)
        if (row.flag(flags.at(i))) entry = applicant ? i + 1 : i;
    m_relationCombo->setCurrentIndex(entry);
    return true;
}
