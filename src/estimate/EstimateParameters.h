#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace estimate {

// A step of a banded rule. A band applies to a value below `below` (exclusive) or up to `upTo`
// (inclusive); the last band of a list has neither bound and takes everything above.
struct Band {
    std::optional<double> below;
    std::optional<double> upTo;
    bool contains(double value) const;
};

// The couple rule: the rates of applicant and partner by whether each of them is of age.
struct CoupleRate {
    bool applicantOfAge = false;
    bool partnerOfAge = false;
    double applicantRate = 0;
    double partnerRate = 0;
};

struct RateBand {
    Band band; // by age in years
    double rate = 0;
};

struct ShareBand {
    Band band; // by age in years
    double share = 0;
};

struct ChildCountShare {
    int fromChildren = 0;
    double share = 0;
};

struct Diet {
    QString text;
    double amount = 0;
};

// Adequate living area by household size: a table for the small households, then base + perPerson * n.
struct AreaRule {
    std::vector<double> bySize; // index 0 = one person
    double perPerson = 0;
    double base = 0;
};

// Income exemption: a band either passes the value through (`passThrough`) or gives
// base + share * (x - shareFrom).
struct ExemptionBand {
    Band band;
    bool passThrough = false;
    double base = 0;
    double share = 0;
    double shareFrom = 0;
};

// Asset allowance of an adult: perYear * age, clamped; `bornBefore` selects the older generation.
struct AllowanceRule {
    std::optional<QDate> bornBefore;
    double perYear = 0;
    double minimum = 0;
    double maximum = 0;
};

constexpr int RentLevelCount = 6;
constexpr int RentTableSizes = 5;

// Every figure the estimate uses, valid from one day on.
struct ParameterSet {
    QDate validFrom;

    // Standard rates
    int ageOfMajority = 18;
    double singleRate = 0;
    std::vector<CoupleRate> coupleRates;
    std::vector<RateBand> furtherPersonRates;

    // Additional needs
    double pregnancyShare = 0;
    double disabilityShare = 0;
    std::vector<ShareBand> singleParentOneChild;
    double twoChildrenHighShare = 0;
    int twoChildrenOlderBelow = 0;
    int twoChildrenYoungerBelow = 0;
    double twoChildrenLowShare = 0;
    std::vector<ChildCountShare> singleParentMoreChildren; // ascending by fromChildren
    std::vector<Diet> diets;                               // index 0 is "none"

    // Housing
    std::array<std::array<double, RentLevelCount>, RentTableSizes> rentCeilings{};
    std::array<double, RentLevelCount> rentCeilingFurtherPerson{};
    int areaMaxPersons = 0;
    AreaRule areaRented;
    AreaRule areaOwnerFlat;
    AreaRule areaOwnerHouse;
    double heatingPerSquareMetre = 0;
    double warmWaterShare = 0;

    // Temporary supplement after unemployment benefit
    double weeksPerMonth = 0;
    double daysPerMonth = 0;
    double supplementShare = 0;
    double supplementPerChild = 0;
    double supplementMaxCouple = 0;
    double supplementMaxSingle = 0;
    double supplementSecondYearShare = 0;

    // Income
    std::array<double, 4> premiumDivisors{}; // monthly, quarterly, half-yearly, yearly
    double riesterDeduction = 0;
    std::vector<ExemptionBand> incomeExemption;

    // Assets
    double necessaryPurchases = 0;
    double minorAllowance = 0;
    std::vector<AllowanceRule> adultAllowance; // first matching rule wins
    double pensionPoolPerYear = 0;
    double pensionPoolMaximum = 0;
    double vehicleExemptUpTo = 0;
};

// The dated sets of the parameter file, oldest first.
class EstimateParameters {
public:
    // Reads Daten/Default/Leistungsparameter.json (or any file of that form). On failure returns
    // nothing and sets `error` to a German message naming the file and the fault.
    static std::optional<EstimateParameters> load(const QString& path, QString* error);
    static std::optional<EstimateParameters> fromJson(const QByteArray& json, const QString& source,
                                                      QString* error);

    // The set in force on `day`: the latest one valid from that day or earlier; null when none is.
    const ParameterSet* setFor(const QDate& day) const;
    // The German message for a day that no set covers.
    QString noSetMessage(const QDate& day) const;

    const std::vector<ParameterSet>& sets() const { return m_sets; }

private:
    QString m_source;
    std::vector<ParameterSet> m_sets;
};

// The file's place inside the program folder.
inline const char* parameterFileName() {
    return "Daten/Default/Leistungsparameter.json";
}

} // namespace estimate
