#pragma once

#include <QDate>
#include <QMap>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace estimate {

enum PersonType { Applicant = 0, Partner = 1, FurtherPerson = 2 };

// A premium with its four interval flags (monthly, quarterly, half-yearly, yearly).
struct Premium {
    double amount = 0;
    std::array<bool, 4> interval{};
};

// One row of unemployment benefit as captured (VERALG). Dates stay texts: the caption shows the
// text as typed, and a text that is no date has its own meaning in each step.
struct BenefitRow {
    QString endText;           // ALG_ENDE
    bool weekly = false;       // ALG_WOCHE; otherwise the amount is daily
    double amount = 0;         // ALG_BRUTTO, per week or day
    double housingBenefit = 0; // ALG_WOHN_BRUTTO
    bool lapsed = false;       // ALG_SPERR_YES
    QString lapsedSinceText;   // ALG-SPERR_ENDE
};

struct EstimatePerson {
    QString ident;
    QString surname;
    QString firstName;
    int type = FurtherPerson;
    QDate birthDate; // invalid when missing, 0 or unreadable

    // MOREPOWER; a person without the row has no additional-needs row.
    bool hasAdditionalNeeds = true;
    bool pregnant = false;
    bool singleParent = false;
    bool disabled = false;

    // Income, monthly
    double pension = 0;                // MIP_HAVE_RENTE_BRUTTO
    double otherRegular = 0;           // sum MIA_BRUTTO
    double irregular = 0;              // sum MIO_BRUTTO
    double selfEmployed = 0;           // sum SEM_INPUT_BRUTTO
    double pay = 0;                    // sum SDL_BRUTTO
    double furtherPayments = 0;        // sum SMA_BRUTTO
    double oneOffPayments = 0;         // sum SMO_BRUTTO
    double maintenanceCash = 0;        // sum UHD_UUB_BAR by owner
    double maintenanceInKind = 0;      // sum UHD_UUB_NATUR_BAR by owner
    double maintenanceSpouse = 0;      // Z91_ISUH_BRING_BRUTTO
    double maintenanceCarer = 0;       // Z92U_BRING_BRUTTO
    double maintenanceChild = 0;       // Z92U_C_BRI_BRUTTO
    std::optional<BenefitRow> benefit; // first VERALG row by owner

    // Deductions
    Premium vehicleInsurance;    // MIP_KFZ_*
    Premium otherInsurance;      // MIP_HV_*
    Premium pensionProvision;    // MIP_RV_*
    double otherDeductions = 0;  // sum MOT_BRUTTO
    double businessExpenses = 0; // SEM_OUTPUT_BRUTTO
    double payDeductions = 0;    // SDL_MINUS_BRUTTO
    int riesterContracts = 0;    // VERKLV rows with KLV_ISRENTE = 1

    // Assets by owner
    double securities = 0;         // VERAKT
    double cash = 0;               // VERBAR
    double builtLand = 0;          // VERBBG
    double land = 0;               // VERUBB
    double buildingSavings = 0;    // VERBSPV
    double currentAccounts = 0;    // VERGIRO
    double vehicles = 0;           // VERKFZ
    double insuranceAll = 0;       // VERKLV, every contract
    double insuranceProvision = 0; // VERKLV with KLV_ISRENTE = 2
    double insuranceRiester = 0;   // VERKLV with KLV_ISRENTE = 1
    double savingsBooks = 0;       // VERSPARB

    // "Name, Vorname", both trimmed: how the grids and the owner columns name a person.
    QString name() const { return surname.trimmed() + QStringLiteral(", ") + firstName.trimmed(); }
};

// The application's LIVING row; a missing row reads as all zero.
struct Living {
    QString personCountText; // LIV_PERSON_COUNT, as typed
    double mainWohn = 0;
    double mainBig = 0;
    bool ownerHouse = false;
    bool ownerFlat = false;
    bool owner = false;
    double ownerInterest = 0; // LIV_OWNER_BRUTTO
    double rent = 0;          // LIV_RENT_BRUTTO
    double otherCosts = 0;    // LIV_OTHER_BRUTTO
    bool heatingFlatRate = false;
    bool centralWarmWater = false;
    double heatingFlatRateAmount = 0; // LIV_WARM_PAUSCH_BRUTTO
    double heating = 0;               // LIV_WARM_BRUTTO
};

struct EstimateInput {
    QDate day; // ages and benefit end dates are taken as of this day

    // In the order of the person list: by type, then birth date, oldest first.
    std::vector<EstimatePerson> persons;
    Living living;
    std::vector<BenefitRow> benefitRows; // every VERALG row of the application, in stored order
    double otherAssets = 0;              // VEROTH of the whole application
    QString childBenefitPerson;          // SETTING.INI [MONEY] CHILD
    double childBenefit = 0;             // BDG_CHILDMONEY_BRUTTO

    // The user's choices
    int rentLevel = 0;               // 0 = "Mietstufe 1" ... 5 = "Mietstufe 6"
    QMap<QString, int> dietByPerson; // person ident -> index into the diet list; missing = none
};

struct PersonRate {
    QString ident;
    QString name;
    QDate birthDate;
    std::optional<int> age;
    int type = FurtherPerson;
    double rate = 0;
};

struct AdditionalNeed {
    QString ident;
    QString name;
    double pregnancy = 0;
    double singleParent = 0;
    double disability = 0;
    int dietIndex = 0;
    QString dietText;
    double diet = 0;
    double total = 0;
};

struct Housing {
    // Personen der Bedarfsgem., sonstige Personen, Personen gesamt, Wohnfläche, angemessene Wohnfläche
    std::array<double, 5> household{};
    // Miete, angemessene Kosten, als Bedarf anzuerkennen, abzüglich Mietanteile, Unterkunftsbedarf
    std::array<double, 5> rent{};
    // anfallend, angemessen, anzuerkennen, abzüglich Anteile, anzurechnen, Warmwasser, Heizung und Warmwasser
    std::array<double, 7> heating{};
    double total = 0; // rent[4] + heating[6]
};

struct Supplement {
    QString firstCaption;
    // Bezug monatlich, Wohngeld, Anspruch ALG II, Differenz * Anteil, Zuschlag Kinder, Höchstbetrag,
    // erstes Jahr, zweites Jahr
    std::array<double, 8> rows{};
};

struct IncomeRow {
    QString name;
    double income = 0;
    double deductions = 0;
    double exemption = 0;
    double counted = 0;
};

struct AssetRow {
    QString name;
    double assets = 0;
    double deductions = 0;
    double allowance = 0;
    double counted = 0;
};

enum ResultRow {
    ResultStandardRates,
    ResultAdditionalNeeds,
    ResultHousing,
    ResultSupplement,
    ResultIncome,
    ResultAssets,
    ResultBenefit
};

struct EstimateResult {
    std::vector<PersonRate> persons;
    double ratesTotal = 0;
    std::vector<AdditionalNeed> additionalNeeds;
    double additionalNeedsTotal = 0;
    Housing housing;
    Supplement supplement;
    std::vector<IncomeRow> income; // one per person, then "Gesamt"
    std::vector<AssetRow> assets;  // one per person, then "Gesamt"
    std::array<double, 7> result{};
    // False when a figure could not be computed; `problems` says which and why, and the expected
    // benefit must then not be shown as an amount.
    bool complete = true;
    QStringList problems;
};

} // namespace estimate
