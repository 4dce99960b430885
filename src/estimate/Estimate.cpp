#include "Estimate.h"

#include "EstimateCaptions.h"

#include <QRegularExpression>
#include <algorithm>

namespace estimate {

namespace {

template <typename T> const T* findBand(const std::vector<T>& bands, double value) {
    for (const T& b : bands)
        if (b.band.contains(value)) return &b;
    return bands.empty() ? nullptr : &bands.back();
}

QString birthDateProblem(const QString& step, const QString& name) {
    return QStringLiteral("Fehler bei der Berechnung %1! Geburtsdatum fehlt oder ist fehlerhaft von: %2")
        .arg(step, name);
}

// Collects the problems of one run; every figure that cannot be computed adds one line, once.
struct Problems {
    QStringList lines;
    void add(const QString& line) {
        if (!lines.contains(line)) lines << line;
    }
};

void computeStandardRates(const EstimateInput& in, const ParameterSet& p, EstimateResult& out,
                          Problems& problems) {
    for (const EstimatePerson& person : in.persons) {
        PersonRate row;
        row.ident = person.ident;
        row.name = person.name();
        row.birthDate = person.birthDate;
        if (person.birthDate.isValid()) row.age = AgeInYears(person.birthDate, in.day);
        row.type = person.type;
        out.persons.push_back(row);
    }
    auto& rows = out.persons;
    const auto missingAge = [&](const PersonRate& r) {
        problems.add(birthDateProblem(QStringLiteral("des Regelbedarfs"), r.name));
    };

    size_t next = 0;
    if (rows.size() == 1) {
        rows[0].rate = p.singleRate;
        next = 1;
    } else if (rows.size() >= 2 && rows[1].type == Partner) {
        if (rows[0].age && rows[1].age) {
            const bool applicantOfAge = *rows[0].age >= p.ageOfMajority;
            const bool partnerOfAge = *rows[1].age >= p.ageOfMajority;
            for (const CoupleRate& c : p.coupleRates) {
                if (c.applicantOfAge == applicantOfAge && c.partnerOfAge == partnerOfAge) {
                    rows[0].rate = c.applicantRate;
                    rows[1].rate = c.partnerRate;
                }
            }
        } else {
            // Both rates depend on both ages, so neither can be given.
            if (!rows[0].age) missingAge(rows[0]);
            if (!rows[1].age) missingAge(rows[1]);
        }
        next = 2;
    } else if (rows.size() >= 2) {
        rows[0].rate = p.singleRate;
        next = 1;
    }
    for (size_t i = next; i < rows.size(); ++i) {
        if (!rows[i].age) {
            missingAge(rows[i]);
            continue;
        }
        if (const RateBand* b = findBand(p.furtherPersonRates, *rows[i].age)) rows[i].rate = b->rate;
    }
    for (const PersonRate& r : rows)
        out.ratesTotal += r.rate;
}

// Share of the applicant's rate for a single parent, by the children's ages in list order (oldest
// first). Nothing when an age it needs is unknown; `unknown` then names those children.
std::optional<double> singleParentShare(const std::vector<const PersonRate*>& children, const ParameterSet& p,
                                        std::vector<const PersonRate*>* unknown) {
    const size_t n = children.size();
    if (n == 0) return 0.0;
    if (n == 1) {
        if (!children[0]->age) {
            unknown->push_back(children[0]);
            return std::nullopt;
        }
        const ShareBand* b = findBand(p.singleParentOneChild, *children[0]->age);
        return b ? b->share : 0.0;
    }
    if (n == 2) {
        const auto& older = children[0]->age;
        const auto& younger = children[1]->age;
        if ((older && *older < p.twoChildrenOlderBelow) || (younger && *younger < p.twoChildrenYoungerBelow))
            return p.twoChildrenHighShare;
        if (older && younger) return p.twoChildrenLowShare;
        if (!older) unknown->push_back(children[0]);
        if (!younger) unknown->push_back(children[1]);
        return std::nullopt;
    }
    double share = 0;
    for (const ChildCountShare& c : p.singleParentMoreChildren)
        if (size_t(c.fromChildren) <= n) share = c.share;
    return share;
}

void computeAdditionalNeeds(const EstimateInput& in, const ParameterSet& p, EstimateResult& out,
                            Problems& problems) {
    std::vector<const PersonRate*> children;
    for (const PersonRate& r : out.persons)
        if (r.type == FurtherPerson) children.push_back(&r);

    for (size_t i = 0; i < in.persons.size(); ++i) {
        const EstimatePerson& person = in.persons[i];
        if (!person.hasAdditionalNeeds) continue;
        const double rate = out.persons[i].rate;
        AdditionalNeed row;
        row.ident = person.ident;
        row.name = person.name();
        if (person.pregnant) row.pregnancy = p.pregnancyShare * rate;
        if (person.type == Applicant && person.singleParent) {
            std::vector<const PersonRate*> unknown;
            const std::optional<double> share = singleParentShare(children, p, &unknown);
            if (share) row.singleParent = *share * rate;
            for (const PersonRate* child : unknown)
                problems.add(
                    birthDateProblem(QStringLiteral("des Mehrbedarfs für Alleinerziehende"), child->name));
        }
        if (person.disabled) row.disability = p.disabilityShare * rate;

        int diet = in.dietByPerson.value(person.ident, 0);
        if (diet < 0 || size_t(diet) >= p.diets.size()) diet = 0;
        row.dietIndex = diet;
        row.dietText = p.diets.empty() ? QString() : p.diets[diet].text;
        row.diet = p.diets.empty() ? 0 : p.diets[diet].amount;
        row.total = row.pregnancy + row.singleParent + row.disability + row.diet;
        out.additionalNeeds.push_back(row);
        out.additionalNeedsTotal += row.total;
    }
}

void computeHousing(const EstimateInput& in, const ParameterSet& p, EstimateResult& out, Problems& problems) {
    Housing& h = out.housing;
    const Living& l = in.living;
    const int members = int(in.persons.size());
    const int others = OtherPersonCount(l.personCountText);
    const int n = members + others;
    h.household = {double(members), double(others), double(n), l.mainWohn != 0 ? l.mainWohn : l.mainBig,
                   AdequateArea(n, l, p).value_or(0)};

    // The share of the persons outside the household community; a flat of nobody has no shares.
    const auto othersShare = [&](double amount) {
        if (n == 0) {
            problems.add(QStringLiteral("Die Kosten der Unterkunft können nicht aufgeteilt werden: "
                                        "Die Zahl der Personen in der Wohnung ist 0."));
            return 0.0;
        }
        return amount / n * others;
    };

    h.heating[0] = l.heatingFlatRate ? l.heatingFlatRateAmount : l.heating;
    h.heating[1] = p.heatingPerSquareMetre * h.household[4];
    h.heating[2] = std::min(h.heating[0], h.heating[1]);
    h.heating[3] = othersShare(h.heating[2]);
    h.heating[4] = h.heating[2] - h.heating[3];
    h.heating[5] = l.centralWarmWater ? p.warmWaterShare * h.heating[4] : 0;
    h.heating[6] = h.heating[4] - h.heating[5];

    const int level = std::clamp(in.rentLevel, 0, RentLevelCount - 1);
    h.rent[0] = (l.owner ? l.ownerInterest : l.rent) + l.otherCosts;
    h.rent[1] = RentCeiling(n, level, p);
    h.rent[2] = h.rent[1] >= h.rent[0] ? h.rent[0] : h.rent[1];
    h.rent[3] = othersShare(h.rent[2]);
    h.rent[4] = h.rent[2] - h.rent[3];

    h.total = h.rent[4] + h.heating[6];
}

void computeSupplement(const EstimateInput& in, const ParameterSet& p, EstimateResult& out) {
    Supplement& s = out.supplement;
    s.firstCaption = captions::supplementRows().first();
    s.rows.fill(0);
    if (in.benefitRows.empty()) return;

    // Only the first two rows take part; an end date that is no date counts as 0.
    const BenefitRow& first = in.benefitRows[0];
    const auto dayNumber = [](const QString& text) {
        const QDate d = parseDateText(text);
        return d.isValid() ? d.toJulianDay() : 0;
    };
    const BenefitRow* used = &first;
    if (in.benefitRows.size() >= 2) {
        const BenefitRow& second = in.benefitRows[1];
        const qint64 firstEnd = dayNumber(first.endText);
        const qint64 secondEnd = dayNumber(second.endText);
        if (!(firstEnd < secondEnd || secondEnd == 0)) used = &second;
    }

    s.firstCaption = QStringLiteral("letzter Bezug am ") + used->endText.trimmed() +
                     QStringLiteral(" in Höhe von monatl.");
    s.rows[0] = MonthlyBenefit(*used, p);
    s.rows[1] = used->housingBenefit;

    const EstimatePerson* applicant = in.persons.empty() ? nullptr : &in.persons[0];
    if (applicant) {
        double needs = 0;
        for (const AdditionalNeed& a : out.additionalNeeds)
            if (a.ident == applicant->ident) needs = a.total;
        const double members = out.housing.household[0];
        s.rows[2] = out.persons[0].rate + needs + out.housing.total / members;
    }
    const double difference = s.rows[0] + s.rows[1] - s.rows[2];
    s.rows[3] = difference > 0 ? p.supplementShare * difference : 0;

    const auto children = std::count_if(in.persons.begin(), in.persons.end(),
                                        [](const EstimatePerson& e) { return e.type == FurtherPerson; });
    s.rows[4] = p.supplementPerChild * double(children);
    const bool couple = in.persons.size() >= 2 && in.persons[1].type == Partner;
    s.rows[5] = (couple ? p.supplementMaxCouple : p.supplementMaxSingle) + s.rows[4];
    s.rows[6] = std::min(s.rows[3], s.rows[5]);
    s.rows[7] = p.supplementSecondYearShare * s.rows[6];
}

// The unemployment benefit a person receives in the month of `day`: only while the benefit runs.
double countedBenefit(const EstimatePerson& person, const QDate& day, const ParameterSet& p) {
    if (!person.benefit) return 0;
    const BenefitRow& b = *person.benefit;
    const QDate end = parseDateText(b.lapsed ? b.lapsedSinceText : b.endText);
    return end.isValid() && day < end ? MonthlyBenefit(b, p) : 0;
}

void finishIncomeRow(IncomeRow& row, const ParameterSet& p) {
    const double x = row.income - row.deductions;
    row.exemption = IncomeExemption(x, p);
    row.counted = std::max(0.0, x - row.exemption);
}

void computeIncome(const EstimateInput& in, const ParameterSet& p, EstimateResult& out) {
    const QString childBenefitPerson = in.childBenefitPerson.trimmed();
    IncomeRow total;
    total.name = QStringLiteral("Gesamt");
    for (const EstimatePerson& e : in.persons) {
        IncomeRow row;
        row.name = e.name();
        const bool receivesChildBenefit =
            !childBenefitPerson.isEmpty() && childBenefitPerson == e.ident.trimmed();
        // Added in the order the sources are listed, so that the unrounded sums are reproducible.
        for (double v : {e.pension, e.otherRegular, e.irregular, e.selfEmployed, e.pay, e.furtherPayments,
                         e.oneOffPayments, e.maintenanceCash, e.maintenanceInKind,
                         receivesChildBenefit ? in.childBenefit : 0.0, e.maintenanceSpouse,
                         e.maintenanceCarer, e.maintenanceChild, countedBenefit(e, in.day, p)})
            row.income += v;
        for (double v : {MonthlyPremium(e.vehicleInsurance, p), MonthlyPremium(e.otherInsurance, p),
                         MonthlyPremium(e.pensionProvision, p), e.otherDeductions, e.businessExpenses,
                         e.payDeductions, e.riesterContracts > 0 ? p.riesterDeduction : 0.0})
            row.deductions += v;
        finishIncomeRow(row, p);
        total.income += row.income;
        total.deductions += row.deductions;
        out.income.push_back(row);
    }
    // The household's figure is computed from its own totals, and so is the exemption it shows.
    finishIncomeRow(total, p);
    out.income.push_back(total);
}

void computeAssets(const EstimateInput& in, const ParameterSet& p, EstimateResult& out, Problems& problems) {
    double pool = 0;
    for (size_t i = 0; i < in.persons.size(); ++i) {
        const EstimatePerson& e = in.persons[i];
        const PersonRate& r = out.persons[i];
        AssetRow row;
        row.name = e.name();
        row.deductions = p.necessaryPurchases;
        if (!r.age) {
            problems.add(birthDateProblem(QStringLiteral("der Vermögensfreigrenze"), r.name));
        } else if (*r.age < p.ageOfMajority) {
            row.allowance = p.minorAllowance;
        } else {
            const AllowanceRule* rule = &p.adultAllowance.back();
            for (const AllowanceRule& a : p.adultAllowance) {
                if (a.bornBefore && e.birthDate < *a.bornBefore) {
                    rule = &a;
                    break;
                }
            }
            row.allowance = std::clamp(*r.age * rule->perYear, rule->minimum, rule->maximum);
            if (e.type == Applicant || e.type == Partner)
                pool = std::min(pool + *r.age * p.pensionPoolPerYear, p.pensionPoolMaximum);
        }
        out.assets.push_back(row);
    }

    for (size_t i = 0; i < in.persons.size(); ++i) {
        const EstimatePerson& e = in.persons[i];
        // Retirement provision is deductible only as far as the pool still reaches.
        const double provision = std::min(e.insuranceProvision, pool);
        pool -= provision;
        double sum = 0;
        for (double v :
             {e.securities, e.cash, e.builtLand, e.land, i == 0 ? in.otherAssets : 0.0, e.buildingSavings,
              e.currentAccounts, e.vehicles > p.vehicleExemptUpTo ? e.vehicles : 0.0,
              e.insuranceAll - provision - e.insuranceRiester, e.savingsBooks})
            sum += v;
        out.assets[i].assets = sum;
    }

    // A couple's assets belong to both of them alike.
    const bool hasPartner = std::any_of(in.persons.begin(), in.persons.end(),
                                        [](const EstimatePerson& e) { return e.type == Partner; });
    if (hasPartner && out.assets.size() >= 2) {
        const double half = (out.assets[0].assets + out.assets[1].assets) / 2;
        out.assets[0].assets = half;
        out.assets[1].assets = half;
    }

    AssetRow total;
    total.name = QStringLiteral("Gesamt");
    for (AssetRow& row : out.assets) {
        row.counted = std::max(0.0, row.assets - row.deductions - row.allowance);
        total.assets += row.assets;
        total.deductions += row.deductions;
        total.allowance += row.allowance;
    }
    total.counted = std::max(0.0, total.assets - total.deductions - total.allowance);
    out.assets.push_back(total);
}

void computeResult(EstimateResult& out) {
    auto& r = out.result;
    r[ResultStandardRates] = out.ratesTotal;
    r[ResultAdditionalNeeds] = out.additionalNeedsTotal;
    r[ResultHousing] = out.housing.total;
    r[ResultSupplement] = out.supplement.rows[6];
    r[ResultIncome] = out.income.back().counted;
    r[ResultAssets] = out.assets.back().counted;
    r[ResultBenefit] = std::max(0.0, r[0] + r[1] + r[2] + r[3] - r[4] - r[5]);
}

} // namespace

EstimateResult ComputeEstimate(const EstimateInput& input, const ParameterSet& parameters) {
    EstimateResult out;
    Problems problems;
    if (input.persons.empty())
        problems.add(
            QStringLiteral("Der Antrag enthält keine Person; es kann kein Bedarf ermittelt werden."));
    // The order is binding: each step reads the figures of the steps before it.
    computeStandardRates(input, parameters, out, problems);
    computeAdditionalNeeds(input, parameters, out, problems);
    computeHousing(input, parameters, out, problems);
    computeSupplement(input, parameters, out);
    computeIncome(input, parameters, out);
    computeAssets(input, parameters, out, problems);
    computeResult(out);
    out.problems = problems.lines;
    out.complete = out.problems.isEmpty();
    return out;
}

int AgeInYears(const QDate& birth, const QDate& day) {
    int age = day.year() - birth.year();
    QDate anniversary(day.year(), birth.month(), birth.day());
    if (!anniversary.isValid()) anniversary = QDate(day.year(), 3, 1);
    if (day < anniversary) --age;
    return age;
}

QDate parseDateText(const QString& text) {
    static const QRegularExpression german(QStringLiteral(R"(^(\d{1,2})\.(\d{1,2})\.(\d{4})(?:[ T].*)?$)"));
    static const QRegularExpression iso(QStringLiteral(R"(^(\d{4})-(\d{2})-(\d{2})(?:[ T].*)?$)"));
    const QString t = text.trimmed();
    if (const auto m = german.match(t); m.hasMatch())
        return QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    if (const auto m = iso.match(t); m.hasMatch())
        return QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    return {};
}

double IncomeExemption(double x, const ParameterSet& parameters) {
    const ExemptionBand* b = findBand(parameters.incomeExemption, x);
    if (!b || b->passThrough) return x;
    return b->base + b->share * (x - b->shareFrom);
}

double RentCeiling(int persons, int level, const ParameterSet& parameters) {
    if (persons >= 1 && persons <= RentTableSizes) return parameters.rentCeilings[persons - 1][level];
    return parameters.rentCeilings[RentTableSizes - 1][level] +
           (persons - RentTableSizes) * parameters.rentCeilingFurtherPerson[level];
}

std::optional<double> AdequateArea(int persons, const Living& living, const ParameterSet& parameters) {
    if (persons < 1 || persons > parameters.areaMaxPersons) return std::nullopt;
    const auto area = [persons](const AreaRule& rule) {
        return size_t(persons) <= rule.bySize.size() ? rule.bySize[persons - 1]
                                                     : rule.perPerson * persons + rule.base;
    };
    // A later rule wins: a house over a flat over a rented flat.
    double result = area(parameters.areaRented);
    if (living.ownerFlat) result = area(parameters.areaOwnerFlat);
    if (living.ownerHouse) result = area(parameters.areaOwnerHouse);
    return result;
}

double MonthlyPremium(const Premium& premium, const ParameterSet& parameters) {
    double amount = premium.amount;
    for (size_t i = 0; i < premium.interval.size(); ++i)
        if (premium.interval[i]) amount /= parameters.premiumDivisors[i];
    return amount;
}

double MonthlyBenefit(const BenefitRow& row, const ParameterSet& parameters) {
    return row.amount * (row.weekly ? parameters.weeksPerMonth : parameters.daysPerMonth);
}

int OtherPersonCount(const QString& text) {
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok ? n : 0;
}

} // namespace estimate
