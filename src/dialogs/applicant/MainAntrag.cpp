#include "MainAntrag.h"

#include "ServerObjects.h"
#include "Sql.h"
#include "WriteGroup.h"
#include "YesNoPair.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QVBoxLayout>

#include <iterator>

namespace {

QString applicationKey() {
    return MainObject ? MainObject->AntragIdent : QString();
}

constexpr int kApplicantPage = 0;
constexpr int kQuestionsPage = 1;
constexpr int kLastEditOfPage0 = 16; // Edit1 to Edit16; Edit17 to Edit19 are the guardian's
constexpr int kEditCount = 19;

// A field of page 0 or of the guardian panel: its edit, caption, column and place in its group's grid
// (side 0 left, 1 right; a wide field takes the whole line).
struct Field {
    int edit;
    const char* caption;
    const char* column;
    int row = 0;
    int side = 0;
    bool wide = false;
};

const Field kOfficeFields[] = {
    {1, "Dienststelle", "BDG_OFFICENAME", 0, 0, true},
    {2, "Nummer der Bedarfsgemeinschaft", "BDG_NUMBER", 1, 0},
    {3, "Org. Einheit", "BDG_ORGUNIT", 1, 1},
};

// The column names are swapped against their meaning: ANS_FIRSTNAME holds the family name.
const Field kApplicantFields[] = {
    {4, "Familienname", "ANS_FIRSTNAME", 0, 0},
    {5, "Vorname", "ANS_LASTNAME", 0, 1},
    {6, "Straße, Hnr.", "ANS_STREET", 1, 0, true},
    {7, "PLZ", "ANS_ZIP", 2, 0},
    {8, "Ort", "ANS_TOWN", 2, 1},
    {9, "Wohnhaft bei", "ANS_LIVING_AT", 3, 0, true},
    {10, "Telefon", "ANS_PHONE", 4, 0},
    {11, "FAX", "ANS_FAX", 4, 1},
    {12, "eMail", "ANS_EMAIL", 5, 0, true},
};

const Field kBankFields[] = {
    {13, "Bankleitzahl", "ANS_BANK_BLZ", 0, 0},
    {14, "Kontonummer", "ANS_BANK_KTO", 0, 1},
    {15, "Bezeichnung", "ANS_BANK_SIGN", 1, 0, true},
    {16, "Name des Kontoinhabers", "ANS_BANK_OWNER", 2, 0, true},
};

const Field kGuardianFields[] = {
    {17, "durch", "BDG_BEISTAND_SIGN", 0, 0, true},
    {18, "Aktenzeichen", "BDG_BEISTAND_AZ", 1, 0, true},
    {19, "Wirkung der Betreuung", "BDG_BEISTAND_WIRKUNG", 2, 0, true},
};

// A question of page 1 with its two boxes and the MAINHEADER column it is loaded from. The change
// questions 2 to 9 keep the state of their "Nein" box, whatever the column's name says.
struct Question {
    const char* text;
    int yesBox;
    int noBox;
    const char* column;
    bool columnHoldsNo;
};

const Question kQuestions[] = {
    {"Haben Sie in den letzten 3 Monaten vor dem Tag der Antragstellung mindestens einen Tag "
     "Arbeitslosengeld II bezogen und sind seitdem nicht umgezogen?",
     1, 2, "BDG_ALG1_YES", false},
    {"Haben sich die persönlichen Verhältnisse der zur Bedarfsgemeinschaft lebenden Personen geändert?", 3, 4,
     "BDG_PERSONINFO_NOCHANGE", true},
    {"Haben sich die Einkommensverhältnisse der Personen geändert?", 23, 24, "BDG_EINKOMM_ALL_NOCHANGE",
     true},
    {"Haben sich die Voraussetzungen für Leistungen für besondere Mehrbedarfe geändert?", 5, 6,
     "BDG_MORECOST_CHANGE", true},
    {"Haben sich die Wohnverhältnisse oder Kosten für Unterkunft und Heizung geändert?", 7, 8,
     "BDG_LIVING_COST_NOCHANGE", true},
    {"Haben sich die Vermögensverhältnisse  der in der Bedarfsgemeinschaft lebenden Personen geändert?", 9,
     10, "BDG_VERMOEGEN_NOCHANGE", true},
    {"Haben sich Unterhaltsansprüche gegenüber Dritten geändert?", 11, 12, "BDG_UNTERH_NOCHANGE", true},
    {"Haben sich Ansprüche gegenüber Arbeitgebern, Sozialleistungsträgern oder Schadenersatzansprüche "
     "geändert?",
     13, 14, "BDG_THIRD_NOCHANGE", true},
    {"Haben sich andere Angaben, die für die Leistungsgewährung von Bedeutung sein könnten, geändert?", 15,
     16, "BDG_OTHER_CHANGE", true},
    {"Entstehen Kosten für Unterkunft und Heizung?", 17, 18, "BDG_LIVING_COST_YES", false},
    {"Wurde ein Betreuer / Beistand bestellt?", 19, 20, "BDG_BEISTAND_YES", false},
};

constexpr int kFirstChangeQuestion = 2;
constexpr int kLastChangeQuestion = 9;
constexpr int kGuardianQuestion = 11;

QString german(const char* text) {
    return QString::fromUtf8(text);
}

// Gives every label of a column the width of the widest, so that the fields of all groups line up.
void alignLabels(const QVector<QLabel*>& labels) {
    int width = 0;
    for (QLabel* label : labels)
        width = qMax(width, label->sizeHint().width());
    for (QLabel* label : labels)
        label->setMinimumWidth(width);
}

QFrame* separator(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

TMainAntragDlg::TMainAntragDlg(QWidget* parent)
    : DataDialog(0, QStringLiteral("MainAntragDlg"), parent) {
    if (HelpButton) HelpButton->setObjectName(QStringLiteral("SpeedButton3"));
    m_edits.resize(kEditCount);
    addPage({QStringLiteral("Hauptantrag - Antragsteller"), 1, createApplicantPage(),
             [this] { loadApplicantPage(); }});
    addPage({QStringLiteral("Hauptantrag - weitere Informationen"), 2, createQuestionsPage(),
             [this] { loadQuestionsPage(); }});

    (new WriteGroup(QStringLiteral("MAINHEADER"), QStringLiteral("BDG_IDENT"), applicationKey, this))
        ->text(edit(1), QStringLiteral("BDG_OFFICENAME"))
        .text(edit(2), QStringLiteral("BDG_NUMBER"))
        .text(edit(3), QStringLiteral("BDG_ORGUNIT"));

    auto* applicant = new WriteGroup(QStringLiteral("MAINPERSON"), QStringLiteral("ANS_INDEX_MAINHEADER"),
                                     applicationKey, this);
    for (const Field& f : kApplicantFields)
        applicant->text(edit(f.edit), german(f.column));
    for (const Field& f : kBankFields)
        applicant->text(edit(f.edit), german(f.column));
    // The persons dialog lists the applicant by these names.
    applicant->also([this] {
        return store::execute(
            QStringLiteral("UPDATE PERSON SET PRS_NAME=?, PRS_VNAME=? "
                           "WHERE PRS_INDEX_MAINHEADER=? AND PRS_TYPE=0"),
            {store::textValue(edit(4)->text()), store::textValue(edit(5)->text()), applicationKey()});
    });

    m_guardianGroup =
        new WriteGroup(QStringLiteral("MAINHEADER"), QStringLiteral("BDG_IDENT"), applicationKey, this);
    for (const Field& f : kGuardianFields)
        m_guardianGroup->text(edit(f.edit), german(f.column));

    // Questions 1 to 9 are written together, whichever box was clicked, also while 2 to 9 are hidden.
    YesNoPair* alg = question(1);
    YesNoPair* personInfo = question(2);
    auto* changes =
        new WriteGroup(QStringLiteral("MAINHEADER"), QStringLiteral("BDG_IDENT"), applicationKey, this);
    changes->pair(alg, QStringLiteral("BDG_ALG1_YES"), QStringLiteral("BDG_ALG1_NO"))
        .value(QStringLiteral("BDG_ALG1_NOCHANGE"), [alg] { return alg->no(); });
    for (int q = kFirstChangeQuestion + 1; q <= kLastChangeQuestion; ++q)
        changes->pair(question(q), QString(), german(kQuestions[q - 1].column));
    changes->pair(personInfo, QStringLiteral("BDG_PERSONINFO_YES"), QStringLiteral("BDG_PERSONINFO_NO"))
        .value(QStringLiteral("BDG_PERSONINFO_NOCHANGE"), [personInfo] { return personInfo->no(); });

    (new WriteGroup(QStringLiteral("MAINHEADER"), QStringLiteral("BDG_IDENT"), applicationKey, this))
        ->pair(question(10), QStringLiteral("BDG_LIVING_COST_YES"), QStringLiteral("BDG_LIVING_COST_NO"));

    (new WriteGroup(QStringLiteral("MAINHEADER"), QStringLiteral("BDG_IDENT"), applicationKey, this))
        ->pair(question(kGuardianQuestion), QStringLiteral("BDG_BEISTAND_YES"),
               QStringLiteral("BDG_BEISTAND_NO"))
        .also([this] {
            if (!question(kGuardianQuestion)->no()) return true;
            // Without a guardian nothing of one may remain, neither on screen nor stored.
            for (const Field& f : kGuardianFields)
                edit(f.edit)->clear();
            return m_guardianGroup->write();
        });

    question(1)->onChange([this](bool yes) { SRCheckBox1Change(yes); });
    question(kGuardianQuestion)->onChange([this](bool yes) { SRCheckBox19Change(yes); });

    SRCheckBox1Change(false);
    SRCheckBox19Change(false);
    if (MainObject) MainObject->MarkNavItem(panel(), kApplicantPage);
}

QWidget* TMainAntragDlg::createApplicantPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet1"));
    auto* column = new QWidget(page);
    column->setMaximumWidth(900);
    auto* columnLayout = new QVBoxLayout(column);
    columnLayout->setContentsMargins(0, 0, 0, 0);
    columnLayout->setSpacing(12);

    QVector<QLabel*> leftLabels;
    QVector<QLabel*> rightLabels;
    auto addGroup = [&](const QString& objectName, const QString& title, const auto& fields) {
        auto* group = new QGroupBox(title, column);
        group->setObjectName(objectName);
        auto* grid = new QGridLayout(group);
        grid->setHorizontalSpacing(10);
        grid->setVerticalSpacing(6);
        grid->setColumnStretch(1, 1);
        grid->setColumnStretch(3, 1);
        grid->setColumnMinimumWidth(2, 0);
        for (const Field& f : fields) {
            auto* label = new QLabel(german(f.caption), group);
            auto* e = new QLineEdit(group);
            e->setObjectName(QStringLiteral("Edit%1").arg(f.edit));
            label->setBuddy(e);
            m_edits[f.edit - 1] = e;
            const int labelColumn = f.side == 0 ? 0 : 2;
            grid->addWidget(label, f.row, labelColumn);
            grid->addWidget(e, f.row, labelColumn + 1, 1, f.wide ? 3 : 1);
            (f.side == 0 ? leftLabels : rightLabels) << label;
        }
        columnLayout->addWidget(group);
    };
    addGroup(QStringLiteral("OfficeGroup"), QStringLiteral("Zuständige Stelle"), kOfficeFields);
    addGroup(QStringLiteral("ApplicantGroup"), QStringLiteral("Antragsteller(in)"), kApplicantFields);
    addGroup(QStringLiteral("BankGroup"), QStringLiteral("Bankverbindung"), kBankFields);
    alignLabels(leftLabels);
    alignLabels(rightLabels);

    // The groups grow with the window up to their maximum width and stay at the left.
    auto* row = new QHBoxLayout;
    row->addWidget(column, 1);
    row->addStretch(0);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->addLayout(row);
    layout->addStretch(1);
    return page;
}

QWidget* TMainAntragDlg::createQuestionsPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet2"));
    auto* frame = new QGroupBox(page);
    frame->setObjectName(QStringLiteral("QuestionsGroup"));
    frame->setMaximumWidth(900);
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(8);
    grid->setColumnMinimumWidth(0, 24); // the indent of the change questions
    grid->setColumnStretch(1, 1);

    int row = 0;
    for (int q = 1; q <= int(std::size(kQuestions)); ++q) {
        const Question& entry = kQuestions[q - 1];
        const bool indented = q >= kFirstChangeQuestion && q <= kLastChangeQuestion;
        auto* text = new QLabel(german(entry.text), frame);
        text->setObjectName(QStringLiteral("Question%1").arg(q));
        text->setWordWrap(true);
        auto* yes = new QCheckBox(QStringLiteral("Ja"), frame);
        yes->setObjectName(QStringLiteral("SRCheckBox%1").arg(entry.yesBox));
        auto* no = new QCheckBox(QStringLiteral("Nein"), frame);
        no->setObjectName(QStringLiteral("SRCheckBox%1").arg(entry.noBox));
        for (QCheckBox* box : {yes, no}) {
            box->setAccessibleDescription(text->text());
            // Hidden boxes keep their place, so the question texts do not reflow.
            QSizePolicy policy = box->sizePolicy();
            policy.setRetainSizeWhenHidden(true);
            box->setSizePolicy(policy);
        }
        if (indented)
            grid->addWidget(text, row, 1);
        else
            grid->addWidget(text, row, 0, 1, 2);
        grid->addWidget(yes, row, 2, Qt::AlignTop);
        grid->addWidget(no, row, 3, Qt::AlignTop);
        m_questions << new YesNoPair(yes, no, YesNoPair::Complementary, this);
        no->setChecked(true);
        ++row;
        if (q == 1 || q == kLastChangeQuestion) grid->addWidget(separator(frame), row++, 0, 1, 4);
    }

    m_guardianPanel = new QWidget(frame);
    m_guardianPanel->setObjectName(QStringLiteral("GuardianPanel"));
    auto* guardian = new QGridLayout(m_guardianPanel);
    guardian->setContentsMargins(0, 0, 0, 0);
    guardian->setHorizontalSpacing(10);
    QVector<QLabel*> labels;
    for (const Field& f : kGuardianFields) {
        auto* label = new QLabel(german(f.caption), m_guardianPanel);
        auto* e = new QLineEdit(m_guardianPanel);
        e->setObjectName(QStringLiteral("Edit%1").arg(f.edit));
        label->setBuddy(e);
        m_edits[f.edit - 1] = e;
        guardian->addWidget(label, f.row, 0);
        guardian->addWidget(e, f.row, 1);
        labels << label;
    }
    alignLabels(labels);
    grid->addWidget(m_guardianPanel, row, 1, 1, 3);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->addWidget(frame);
    layout->addStretch(1);
    return page;
}

void TMainAntragDlg::loadApplicantPage() {
    for (int e = 1; e <= kLastEditOfPage0; ++e)
        edit(e)->clear();
    store::Rows header =
        store::select(QStringLiteral("SELECT * FROM MAINHEADER WHERE BDG_IDENT=?"), {applicationKey()});
    if (header.next())
        for (const Field& f : kOfficeFields)
            edit(f.edit)->setText(header.text(german(f.column)));
    store::Rows person = store::select(
        QStringLiteral("SELECT * FROM MAINPERSON WHERE ANS_INDEX_MAINHEADER=?"), {applicationKey()});
    if (person.next()) {
        for (const Field& f : kApplicantFields)
            edit(f.edit)->setText(person.text(german(f.column)));
        for (const Field& f : kBankFields)
            edit(f.edit)->setText(person.text(german(f.column)));
    }
}

void TMainAntragDlg::loadQuestionsPage() {
    for (const Field& f : kGuardianFields)
        edit(f.edit)->clear();
    for (int q = kFirstChangeQuestion; q <= kLastChangeQuestion; ++q) {
        question(q)->yesBox()->hide();
        question(q)->noBox()->hide();
    }
    question(kGuardianQuestion)->setYes(false);

    store::Rows header =
        store::select(QStringLiteral("SELECT * FROM MAINHEADER WHERE BDG_IDENT=?"), {applicationKey()});
    if (!header.next()) return;
    for (int q = 1; q <= int(std::size(kQuestions)); ++q) {
        const Question& entry = kQuestions[q - 1];
        const bool stored = header.flag(german(entry.column));
        question(q)->setYes(entry.columnHoldsNo ? !stored : stored);
    }
    for (const Field& f : kGuardianFields)
        edit(f.edit)->setText(header.text(german(f.column)));
}

void TMainAntragDlg::SRCheckBox1Change(bool yes) {
    // Only the boxes follow question 1; the question texts stay visible.
    for (int q = kFirstChangeQuestion; q <= kLastChangeQuestion; ++q) {
        question(q)->yesBox()->setVisible(yes);
        question(q)->noBox()->setVisible(yes);
    }
}

void TMainAntragDlg::SRCheckBox19Change(bool yes) {
    for (const Field& f : kGuardianFields)
        edit(f.edit)->setEnabled(yes);
    m_guardianPanel->setVisible(yes);
}

