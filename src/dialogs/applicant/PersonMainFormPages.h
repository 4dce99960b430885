#pragma once

// Pages 0 to 4 of the persons dialog. Each page object builds its controls, keeps them in step with
// its rules, declares its write groups and loads the joined PERSON/MOREPOWER row of the current person.

#include "PageBuilder.h"

#include <QCheckBox>
#include <QLabel>
#include <QObject>
#include <QVector>
#include <initializer_list>

class DateEdit;
class QButtonGroup;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QSpinBox;
class QWidget;
class TPersonMainFormDlg;
class WriteGroup;
class YesNoPair;

namespace store {
class Rows;
}

namespace personform {

using forms::checkBox;
using forms::dateEdit;
using forms::groupBox;
using forms::keepSpace;
using forms::label;
using forms::lineEdit;
using forms::pageContent;
using forms::question;
using forms::setShown;
using forms::tabChain;
using forms::warnWhenNoDate;
using forms::WrappedCheckBox;

// The two rows of boxes about the exemption from compulsory insurance, shown on page 1 and on page 3.
struct ExemptionRows {
    QWidget* widget = nullptr;
    QLabel* subsidyCaption = nullptr;
    QLabel* noticeCaption = nullptr;
    // Subsidy for health, care and pension insurance, then the notices for the same three.
    QVector<QCheckBox*> boxes;
};
ExemptionRows exemptionRows(int page, QWidget* parent);

} // namespace personform

// Page 0: type, relationship, names, sex, birth, marital status, citizenship, asylum, ability to work,
// education and accommodation in an institution.
class PersonalPage : public QObject {
    Q_OBJECT
public:
    explicit PersonalPage(TPersonMainFormDlg* dialog);
    QWidget* create();
    void reset();
    // The first step of every load: the education answer back to "Nein" with its fields hidden.
    void prepare();
    // Sets the page from the joined row. False when a relationship list could not be read: the load
    // stops there (the message has been shown).
    bool load(const store::Rows& row, int position);
    int shownType() const { return m_type; }

private:
    void buildPerson(QGridLayout* grid, QWidget* parent);
    QWidget* buildPersonal(QWidget* parent);
    QWidget* buildFamily(QWidget* parent);
    QWidget* buildCitizenship(QWidget* parent);
    QWidget* buildEducation(QWidget* parent);
    QWidget* buildInstitution(QWidget* parent);
    void declareWrites();
    bool loadRelationship(const store::Rows& row);
    void onEducationClicked(QCheckBox* clicked);
    void setEducationEndShown(bool shown);
    void resetEducationEnd();
    int familyChoice() const;

    TPersonMainFormDlg* m_dialog;
    int m_type = 0;

    QComboBox* m_typeCombo = nullptr;
    QLabel* m_relationLabel = nullptr;
    QComboBox* m_relationCombo = nullptr;
    QLineEdit* m_relationEdit = nullptr;

    QLineEdit* m_name = nullptr;
    QLineEdit* m_birthName = nullptr;
    QLineEdit* m_firstName = nullptr;
    QLineEdit* m_birthTown = nullptr;
    YesNoPair* m_sex = nullptr;
    DateEdit* m_birthday = nullptr;

    QButtonGroup* m_family = nullptr;
    QLineEdit* m_familySince = nullptr;

    YesNoPair* m_state = nullptr;
    QLineEdit* m_stateSign = nullptr;
    YesNoPair* m_asylum = nullptr;
    QLineEdit* m_argeNumber = nullptr;
    YesNoPair* m_work = nullptr;
    QLineEdit* m_workReason = nullptr;

    QCheckBox* m_school = nullptr;
    QCheckBox* m_vocational = nullptr;
    QCheckBox* m_noEducation = nullptr;
    QLabel* m_monthLabel = nullptr;
    QComboBox* m_month = nullptr;
    QLabel* m_yearLabel = nullptr;
    QSpinBox* m_year = nullptr;

    YesNoPair* m_institution = nullptr;
    QVector<QWidget*> m_institutionDetails;
    DateEdit* m_institutionStart = nullptr;
    DateEdit* m_institutionFrom = nullptr;
    DateEdit* m_institutionUntil = nullptr;

    WriteGroup* m_applicantRelation = nullptr;
    WriteGroup* m_partnerRelation = nullptr;
    WriteGroup* m_familyChoice = nullptr;
    WriteGroup* m_education = nullptr;
    WriteGroup* m_educationMonth = nullptr;
    WriteGroup* m_educationYear = nullptr;
};

// Pages 1 to 3: health insurance, separated partner and main insured person, pension insurance.
class InsurancePages : public QObject {
    Q_OBJECT
public:
    explicit InsurancePages(TPersonMainFormDlg* dialog);
    QWidget* createHealth();
    QWidget* createRelatives();
    QWidget* createPension();
    void reset();
    void load(const store::Rows& row);
    // The age limit of the main-insured question: 23 for applicant and partner, 14 for a further person.
    void setAgeLimit(int years);

private:
    void declareWrites();
    void showHealth();
    void showPension();
    void healthNeverChanged();

    TPersonMainFormDlg* m_dialog;

    // page 1
    YesNoPair* m_kv = nullptr;
    QLineEdit* m_kvSignYes = nullptr;
    QLabel* m_kvNumberYesLabel = nullptr;
    QLineEdit* m_kvNumberYes = nullptr;
    QCheckBox* m_kvLast = nullptr;
    QCheckBox* m_kvNever = nullptr;
    QCheckBox* m_kvPrivate = nullptr;
    QLineEdit* m_kvSignLast = nullptr;
    QLabel* m_kvNumberLastLabel = nullptr;
    QLineEdit* m_kvNumberLast = nullptr;
    personform::ExemptionRows m_exemption1;

    // page 2
    YesNoPair* m_split = nullptr;
    QWidget* m_splitBlock = nullptr;
    QLineEdit* m_splitName = nullptr;
    QLineEdit* m_splitFirstName = nullptr;
    DateEdit* m_splitBirthday = nullptr;
    YesNoPair* m_splitKv = nullptr;
    QVector<QWidget*> m_splitFund;
    QLineEdit* m_splitKvSign = nullptr;
    QLineEdit* m_splitKvNumber = nullptr;
    QLabel* m_ageQuestion = nullptr;
    YesNoPair* m_age = nullptr;
    QWidget* m_mainBlock = nullptr;
    QLineEdit* m_mainName = nullptr;
    QLineEdit* m_mainFirstName = nullptr;
    DateEdit* m_mainBirthday = nullptr;
    YesNoPair* m_mainKv = nullptr;
    QVector<QWidget*> m_mainFund;
    QLineEdit* m_mainKvSign = nullptr;
    QLineEdit* m_mainKvNumber = nullptr;

    // page 3
    YesNoPair* m_rv = nullptr;
    YesNoPair* m_rvInsurer = nullptr;
    QLabel* m_rvNumberLabel = nullptr;
    QLineEdit* m_rvNumber = nullptr;
    QCheckBox* m_rvNever = nullptr;
    QCheckBox* m_rvApplied = nullptr;
    QCheckBox* m_rvToApply = nullptr;
    QCheckBox* m_rvExempt = nullptr;
    QLineEdit* m_rvPlace = nullptr;
    personform::ExemptionRows m_exemption3;
};

// Page 4: the five additional needs and the expected date of delivery.
class NeedsPage : public QObject {
    Q_OBJECT
public:
    explicit NeedsPage(TPersonMainFormDlg* dialog);
    QWidget* create();
    void reset();
    void load(const store::Rows& row);

private:
    TPersonMainFormDlg* m_dialog;
    QCheckBox* m_pregnant = nullptr;
    QLineEdit* m_delivery = nullptr;
    QCheckBox* m_alone = nullptr;
    QCheckBox* m_disabled = nullptr;
    QCheckBox* m_food = nullptr;
    QCheckBox* m_noWork = nullptr;
};
