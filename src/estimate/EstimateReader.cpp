#include "EstimateReader.h"

#include "Estimate.h"
#include "Paths.h"
#include "Settings.h"
#include "Sql.h"

#include <QSqlError>
#include <QSqlQuery>

namespace estimate {

namespace {

StatementObserver& observer() {
    static StatementObserver instance;
    return instance;
}

// Runs the statements of one read; the first failure stops every later statement and is kept, so
// that the caller reports exactly one engine message.
class Statements {
public:
    bool failed() const { return !m_error.isEmpty(); }
    const QString& error() const { return m_error; }

    // Calls `each` for every row of the statement.
    template <typename F> void rows(const QString& sql, const store::Values& values, F each) {
        if (failed()) return;
        if (observer()) observer()(sql, values);
        store::Rows r = store::select(sql, values, store::OnError::Ignore);
        if (!r.ok()) {
            m_error = r.query().lastError().text();
            if (m_error.trimmed().isEmpty())
                m_error = QStringLiteral("Die Anweisung ist fehlgeschlagen: ") + sql;
            return;
        }
        while (r.next())
            each(r);
    }

    // The first row only, as a row read by its columns.
    template <typename F> void first(const QString& sql, const store::Values& values, F read) {
        bool done = false;
        rows(sql, values, [&](store::Rows& r) {
            if (!done) read(r);
            done = true;
        });
    }

    // The first column of the first row as an amount (a sum over no rows is 0).
    double amount(const QString& sql, const store::Values& values) {
        double result = 0;
        rows(sql, values, [&](store::Rows& r) { result = store::readAmount(r.query().value(0)); });
        return result;
    }

private:
    QString m_error;
};

Premium premium(store::Rows& r, const QString& prefix) {
    Premium p;
    p.amount = r.amount(prefix + QStringLiteral("_BRUTTO"));
    for (int i = 0; i < 4; ++i)
        p.interval[i] = r.flag(prefix + QLatin1Char('_') + QString::number(i + 1));
    return p;
}

// The sum of one asset table's value column over a person's rows, found by the trimmed owner name.
double ownedSum(Statements& s, const QString& table, const QString& prefix, const QString& application,
                const QString& owner) {
    return s.amount(
        QStringLiteral("SELECT SUM(%2_BRUTTO) FROM %1 WHERE %2_INDEX_MAINHEADER = ? AND TRIM(%2_OWNER) = ?")
            .arg(table, prefix),
        {application, owner});
}

void readPersons(Statements& s, const QString& application, EstimateInput& in) {
    s.rows(QStringLiteral("SELECT PRS_IDENT, PRS_NAME, PRS_VNAME, PRS_TYPE, PRS_BIRTHDAY FROM PERSON "
                          "WHERE PRS_INDEX_MAINHEADER = ? ORDER BY PRS_TYPE, PRS_BIRTHDAY ASC"),
           {application}, [&](store::Rows& r) {
               EstimatePerson p;
               p.ident = r.text(QStringLiteral("PRS_IDENT"));
               p.surname = r.text(QStringLiteral("PRS_NAME"));
               p.firstName = r.text(QStringLiteral("PRS_VNAME"));
               p.type = r.integer(QStringLiteral("PRS_TYPE"));
               p.birthDate = r.date(QStringLiteral("PRS_BIRTHDAY"));
               p.hasAdditionalNeeds = false;
               in.persons.push_back(p);
           });

    // A person's additional needs are the MOREPOWER row that refers to it.
    s.rows(QStringLiteral(
               "SELECT PRS_IDENT, MOP_PREGNANT_YES, MOP_ALONE_YES, MOP_BEHINDERT FROM PERSON, MOREPOWER "
               "WHERE PRS_INDEX_MAINHEADER = ? AND MOP_INDEX_PERSON = PRS_IDENT "
               "ORDER BY PRS_TYPE, PRS_BIRTHDAY ASC"),
           {application}, [&](store::Rows& r) {
               const QString ident = r.text(QStringLiteral("PRS_IDENT"));
               for (EstimatePerson& p : in.persons) {
                   if (p.ident != ident || p.hasAdditionalNeeds) continue;
                   p.hasAdditionalNeeds = true;
                   p.pregnant = r.flag(QStringLiteral("MOP_PREGNANT_YES"));
                   p.singleParent = r.flag(QStringLiteral("MOP_ALONE_YES"));
                   p.disabled = r.flag(QStringLiteral("MOP_BEHINDERT"));
               }
           });
}

void readLiving(Statements& s, const QString& application, Living& l) {
    s.first(QStringLiteral(
                "SELECT LIV_PERSON_COUNT, LIV_MAIN_WOHN, LIV_MAIN_BIG, LIV_OWNER_HOUSE, LIV_OWNER_WOHN, "
                "LIV_OWNER_YES, LIV_OWNER_BRUTTO, LIV_RENT_BRUTTO, LIV_OTHER_BRUTTO, LIV_WARM_PAUSCH_YES, "
                "LIV_WARM_CENTRAL_YES, LIV_WARM_PAUSCH_BRUTTO, LIV_WARM_BRUTTO "
                "FROM LIVING WHERE LIV_INDEX_MAINHEADER = ?"),
            {application}, [&](store::Rows& r) {
                l.personCountText = r.text(QStringLiteral("LIV_PERSON_COUNT"));
                l.mainWohn = r.amount(QStringLiteral("LIV_MAIN_WOHN"));
                l.mainBig = r.amount(QStringLiteral("LIV_MAIN_BIG"));
                l.ownerHouse = r.flag(QStringLiteral("LIV_OWNER_HOUSE"));
                l.ownerFlat = r.flag(QStringLiteral("LIV_OWNER_WOHN"));
                l.owner = r.flag(QStringLiteral("LIV_OWNER_YES"));
                l.ownerInterest = r.amount(QStringLiteral("LIV_OWNER_BRUTTO"));
                l.rent = r.amount(QStringLiteral("LIV_RENT_BRUTTO"));
                l.otherCosts = r.amount(QStringLiteral("LIV_OTHER_BRUTTO"));
                l.heatingFlatRate = r.flag(QStringLiteral("LIV_WARM_PAUSCH_YES"));
                l.centralWarmWater = r.flag(QStringLiteral("LIV_WARM_CENTRAL_YES"));
                l.heatingFlatRateAmount = r.amount(QStringLiteral("LIV_WARM_PAUSCH_BRUTTO"));
                l.heating = r.amount(QStringLiteral("LIV_WARM_BRUTTO"));
            });
}

// Every benefit row of the application in the order it was captured; the supplement takes the first
// two, a person's income the first one that names the person.
void readBenefits(Statements& s, const QString& application, EstimateInput& in) {
    std::vector<QString> owners;
    s.rows(QStringLiteral(
               "SELECT ALG_OWNER, ALG_ENDE, ALG_WOCHE, ALG_BRUTTO, ALG_WOHN_BRUTTO, ALG_SPERR_YES, "
               "\"ALG-SPERR_ENDE\" FROM VERALG WHERE ALG_INDEX_MAINHEADER = ? ORDER BY ALG_NUMBER, rowid"),
           {application}, [&](store::Rows& r) {
               BenefitRow b;
               b.endText = r.text(QStringLiteral("ALG_ENDE"));
               b.weekly = r.flag(QStringLiteral("ALG_WOCHE"));
               b.amount = r.amount(QStringLiteral("ALG_BRUTTO"));
               b.housingBenefit = r.amount(QStringLiteral("ALG_WOHN_BRUTTO"));
               b.lapsed = r.flag(QStringLiteral("ALG_SPERR_YES"));
               b.lapsedSinceText = r.text(QStringLiteral("ALG-SPERR_ENDE"));
               in.benefitRows.push_back(b);
               owners.push_back(r.text(QStringLiteral("ALG_OWNER")));
           });
    for (EstimatePerson& p : in.persons) {
        for (size_t i = 0; i < owners.size() && !p.benefit; ++i)
            if (owners[i] == p.name()) p.benefit = in.benefitRows[i];
    }
}

void readIncome(Statements& s, const QString& application, EstimatePerson& p) {
    const QString& id = p.ident;
    const QString owner = p.name();
    s.first(QStringLiteral(
                "SELECT MIP_HAVE_RENTE_BRUTTO, MIP_KFZ_BRUTTO, MIP_KFZ_1, MIP_KFZ_2, MIP_KFZ_3, MIP_KFZ_4, "
                "MIP_HV_BRUTTO, MIP_HV_1, MIP_HV_2, MIP_HV_3, MIP_HV_4, "
                "MIP_RV_BRUTTO, MIP_RV_1, MIP_RV_2, MIP_RV_3, MIP_RV_4 "
                "FROM MAINMONEY WHERE MIP_INDEX_PERSON = ?"),
            {id}, [&](store::Rows& r) {
                p.pension = r.amount(QStringLiteral("MIP_HAVE_RENTE_BRUTTO"));
                p.vehicleInsurance = premium(r, QStringLiteral("MIP_KFZ"));
                p.otherInsurance = premium(r, QStringLiteral("MIP_HV"));
                p.pensionProvision = premium(r, QStringLiteral("MIP_RV"));
            });
    p.otherRegular =
        s.amount(QStringLiteral("SELECT SUM(MIA_BRUTTO) FROM MONEYINANY WHERE MIA_INDEX_PERSON = ?"), {id});
    p.irregular =
        s.amount(QStringLiteral("SELECT SUM(MIO_BRUTTO) FROM MONEYINONE WHERE MIO_INDEX_PERSON = ?"), {id});
    // At most one row each: the income is summed, the expenses and deductions come from the first row.
    bool firstSelf = true;
    s.rows(QStringLiteral(
               "SELECT SEM_INPUT_BRUTTO, SEM_OUTPUT_BRUTTO FROM SELFMONEY WHERE SEM_INDEX_PERSON = ?"),
           {id}, [&](store::Rows& r) {
               p.selfEmployed += r.amount(QStringLiteral("SEM_INPUT_BRUTTO"));
               if (firstSelf) p.businessExpenses = r.amount(QStringLiteral("SEM_OUTPUT_BRUTTO"));
               firstSelf = false;
           });
    bool firstPay = true;
    s.rows(QStringLiteral("SELECT SDL_BRUTTO, SDL_MINUS_BRUTTO FROM SOLDMONEY WHERE SDL_INDEX_PERSON = ?"),
           {id}, [&](store::Rows& r) {
               p.pay += r.amount(QStringLiteral("SDL_BRUTTO"));
               if (firstPay) p.payDeductions = r.amount(QStringLiteral("SDL_MINUS_BRUTTO"));
               firstPay = false;
           });
    p.furtherPayments = s.amount(
        QStringLiteral("SELECT SUM(SMA_BRUTTO) FROM SOLDMONEYINANY WHERE SMA_INDEX_PERSON = ?"), {id});
    p.oneOffPayments = s.amount(
        QStringLiteral("SELECT SUM(SMO_BRUTTO) FROM SOLDMONEYINONE WHERE SMO_INDEX_PERSON = ?"), {id});
    s.rows(QStringLiteral("SELECT SUM(UHD_UUB_BAR), SUM(UHD_UUB_NATUR_BAR) FROM UHDETAIL "
                          "WHERE UHD_INDEX_MAINHEADER = ? AND TRIM(UHD_OWNER) = ?"),
           {application, owner}, [&](store::Rows& r) {
               p.maintenanceCash = store::readAmount(r.query().value(0));
               p.maintenanceInKind = store::readAmount(r.query().value(1));
           });
    s.first(QStringLiteral("SELECT Z91_ISUH_BRING_BRUTTO FROM Z91 WHERE Z91_INDEX_PERSON = ?"), {id},
            [&](store::Rows& r) { p.maintenanceSpouse = r.amount(QStringLiteral("Z91_ISUH_BRING_BRUTTO")); });
    s.first(
        QStringLiteral("SELECT Z92U_BRING_BRUTTO, Z92U_C_BRI_BRUTTO FROM Z92UH WHERE Z92U_INDEX_PERSON = ?"),
        {id}, [&](store::Rows& r) {
            p.maintenanceCarer = r.amount(QStringLiteral("Z92U_BRING_BRUTTO"));
            p.maintenanceChild = r.amount(QStringLiteral("Z92U_C_BRI_BRUTTO"));
        });
    p.otherDeductions =
        s.amount(QStringLiteral("SELECT SUM(MOT_BRUTTO) FROM MONEYOUTANY WHERE MOT_INDEX_PERSON = ?"), {id});
}

void readAssets(Statements& s, const QString& application, EstimatePerson& p) {
    const QString owner = p.name();
    p.securities = ownedSum(s, QStringLiteral("VERAKT"), QStringLiteral("AKT"), application, owner);
    p.cash = ownedSum(s, QStringLiteral("VERBAR"), QStringLiteral("BAR"), application, owner);
    p.builtLand = ownedSum(s, QStringLiteral("VERBBG"), QStringLiteral("BBG"), application, owner);
    p.land = ownedSum(s, QStringLiteral("VERUBB"), QStringLiteral("UBB"), application, owner);
    p.buildingSavings = ownedSum(s, QStringLiteral("VERBSPV"), QStringLiteral("BSP"), application, owner);
    p.currentAccounts = ownedSum(s, QStringLiteral("VERGIRO"), QStringLiteral("GRO"), application, owner);
    p.vehicles = ownedSum(s, QStringLiteral("VERKFZ"), QStringLiteral("KFZ"), application, owner);
    p.savingsBooks = ownedSum(s, QStringLiteral("VERSPARB"), QStringLiteral("SPB"), application, owner);
    // Kind 1 is a Riester contract (a deduction from income and no asset), kind 2 retirement provision.
    s.rows(QStringLiteral("SELECT COUNT(CASE WHEN KLV_ISRENTE = 1 THEN 1 END), SUM(KLV_BRUTTO), "
                          "SUM(CASE WHEN KLV_ISRENTE = 2 THEN KLV_BRUTTO END), "
                          "SUM(CASE WHEN KLV_ISRENTE = 1 THEN KLV_BRUTTO END) "
                          "FROM VERKLV WHERE KLV_INDEX_MAINHEADER = ? AND TRIM(KLV_OWNER) = ?"),
           {application, owner}, [&](store::Rows& r) {
               p.riesterContracts = r.query().value(0).toInt();
               p.insuranceAll = store::readAmount(r.query().value(1));
               p.insuranceProvision = store::readAmount(r.query().value(2));
               p.insuranceRiester = store::readAmount(r.query().value(3));
           });
}

} // namespace

bool ReadEstimateInput(const QString& application, const QDate& day, EstimateInput* input, QString* error) {
    EstimateInput& in = *input;
    in = EstimateInput{};
    in.day = day;
    Statements s;
    readPersons(s, application, in);
    readLiving(s, application, in.living);
    readBenefits(s, application, in);
    for (EstimatePerson& p : in.persons) {
        readIncome(s, application, p);
        readAssets(s, application, p);
    }
    in.otherAssets = s.amount(
        QStringLiteral("SELECT SUM(VOT_BRUTTO) FROM VEROTH WHERE VOT_INDEX_MAINHEADER = ?"), {application});
    in.childBenefit = s.amount(
        QStringLiteral("SELECT BDG_CHILDMONEY_BRUTTO FROM MAINHEADER WHERE BDG_IDENT = ?"), {application});
    in.childBenefitPerson = store::readSetting(QStringLiteral("MONEY"), QStringLiteral("CHILD"));

    if (s.failed()) {
        if (error) *error = s.error();
        return false;
    }
    return true;
}

void SetStatementObserver(StatementObserver o) {
    observer() = std::move(o);
}

std::optional<EstimateParameters> LoadProgramParameters(QString* error) {
    return EstimateParameters::load(store::programPath(QString::fromLatin1(parameterFileName())), error);
}

void EstimateRun::recompute() {
    result = ComputeEstimate(input, set);
}

std::optional<EstimateRun> RunEstimate(const QString& application, const QDate& day, QString* error,
                                       bool* databaseFailed) {
    if (databaseFailed) *databaseFailed = false;
    const std::optional<EstimateParameters> parameters = LoadProgramParameters(error);
    if (!parameters) return std::nullopt;
    const ParameterSet* set = parameters->setFor(day);
    if (!set) {
        if (error) *error = parameters->noSetMessage(day);
        return std::nullopt;
    }
    EstimateRun run;
    run.set = *set;
    if (!ReadEstimateInput(application, day, &run.input, error)) {
        if (databaseFailed) *databaseFailed = true;
        return std::nullopt;
    }
    run.recompute();
    return run;
}

} // namespace estimate
