// The estimate of households of 1, 6, 12 and 24 persons with every table filled, beside the bare cost of
// its own statements in the same run. The estimate should cost at most twice its statements and grow
// linearly with the persons.
#include "Estimate.h"
#include "EstimateReader.h"
#include "ProgramFolder.h"
#include "ServerObjects.h"
#include "Sql.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

const QDate kDay(2024, 6, 15);

QString applicationOf(int persons) {
    return QStringLiteral("{BENCH-%1}").arg(persons, 2, 10, QLatin1Char('0'));
}

QString ident(int persons, int person, int row = 0) {
    return QStringLiteral("{B%1-%2-%3}").arg(persons).arg(person).arg(row);
}

void insert(const QString& table, const QStringList& columns, const store::Values& values) {
    const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(table, columns.join(QLatin1Char(',')),
                                 QStringList(columns.size(), QStringLiteral("?")).join(QLatin1Char(',')));
    if (!store::execute(sql, values, store::OnError::Ignore)) qFatal("cannot fill %s", qPrintable(table));
}

// One application of `persons` persons (applicant, partner, children) with a row in every table the
// estimate reads: income and deductions of every kind, two entries of every asset kind, benefit rows.
void fillHousehold(int persons) {
    const QString app = applicationOf(persons);
    insert("MAINHEADER", {"BDG_IDENT", "BDG_SIGN", "BDG_CHILDMONEY_BRUTTO"}, {app, app, 154.0 * persons});
    insert("LIVING",
           {"LIV_IDENT", "LIV_INDEX_MAINHEADER", "LIV_RENT_BRUTTO", "LIV_OTHER_BRUTTO", "LIV_WARM_BRUTTO",
            "LIV_WARM_CENTRAL_YES", "LIV_MAIN_BIG", "LIV_PERSON_COUNT"},
           {app, app, 300.0 + 60 * persons, 80.0, 90.0, true, 40.0 + 15 * persons, QStringLiteral("1 ")});
    for (int v = 0; v < 2; ++v)
        insert("VEROTH", {"VOT_IDENT", "VOT_INDEX_MAINHEADER", "VOT_BRUTTO"},
               {ident(persons, 0, 900 + v), app, 250.0});

    for (int p = 0; p < persons; ++p) {
        const QString id = p == 0 ? app : ident(persons, p);
        const QString surname = QStringLiteral("Bench%1 ").arg(p);
        const QString owner = QStringLiteral("Bench%1, Vorname ").arg(p);
        const int type = p == 0 ? 0 : p == 1 ? 1 : 2;
        const QString birthday =
            QDate(type == 2 ? 2005 + p % 18 : 1980 + p, 1 + p % 12, 1 + p % 28).toString(Qt::ISODate);
        insert("PERSON",
               {"PRS_IDENT", "PRS_INDEX_MAINHEADER", "PRS_TYPE", "PRS_NUMBER", "PRS_NAME", "PRS_VNAME",
                "PRS_BIRTHDAY"},
               {id, app, type, p + 1, surname, QStringLiteral("Vorname "), birthday});
        insert("MOREPOWER",
               {"MOP_IDENT", "MOP_INDEX_MAINHEADER", "MOP_INDEX_PERSON", "MOP_PREGNANT_YES", "MOP_ALONE_YES"},
               {id, app, id, p == 1, p == 0});
        insert("MAINMONEY",
               {"MIP_IDENT", "MIP_INDEX_MAINHEADER", "MIP_INDEX_PERSON", "MIP_HAVE_RENTE_BRUTTO",
                "MIP_KFZ_BRUTTO", "MIP_KFZ_4", "MIP_HV_BRUTTO", "MIP_HV_2", "MIP_RV_BRUTTO", "MIP_RV_1"},
               {ident(persons, p, 1), app, id, 50.0, 240.0, true, 60.0, true, 20.0, true});
        insert("SELFMONEY",
               {"SEM_IDENT", "SEM_INDEX_MAINHEADER", "SEM_INDEX_PERSON", "SEM_INPUT_BRUTTO",
                "SEM_OUTPUT_BRUTTO"},
               {ident(persons, p, 2), app, id, 300.0, 100.0});
        insert("SOLDMONEY",
               {"SDL_IDENT", "SDL_INDEX_MAINHEADER", "SDL_INDEX_PERSON", "SDL_BRUTTO", "SDL_MINUS_BRUTTO"},
               {ident(persons, p, 3), app, id, 400.0, 80.0});
        int row = 10;
        for (const auto& [table, prefix] :
             std::initializer_list<std::pair<const char*, const char*>>{{"MONEYINANY", "MIA"},
                                                                        {"MONEYINONE", "MIO"},
                                                                        {"SOLDMONEYINANY", "SMA"},
                                                                        {"SOLDMONEYINONE", "SMO"},
                                                                        {"MONEYOUTANY", "MOT"}}) {
            const QString x = QString::fromLatin1(prefix);
            for (int k = 0; k < 2; ++k)
                insert(table, {x + "_IDENT", x + "_INDEX_MAINHEADER", x + "_INDEX_PERSON", x + "_BRUTTO"},
                       {ident(persons, p, row++), app, id, 10.0 + k});
        }
        insert("UHDETAIL",
               {"UHD_IDENT", "UHD_INDEX_MAINHEADER", "UHD_OWNER", "UHD_UUB_BAR", "UHD_UUB_NATUR_BAR"},
               {ident(persons, p, 30), app, owner, 20.0, 5.0});
        insert("Z91", {"Z91_LFDNR", "Z91_INDEX_MAINHEADER", "Z91_INDEX_PERSON", "Z91_ISUH_BRING_BRUTTO"},
               {ident(persons, p, 31), app, id, 15.0});
        insert("Z92UH",
               {"Z92U_IDENT", "Z92U_INDEX_MAINHEADER", "Z92U_INDEX_PERSON", "Z92U_BRING_BRUTTO",
                "Z92U_C_BRI_BRUTTO"},
               {ident(persons, p, 32), app, id, 12.0, 8.0});
        row = 40;
        for (const auto& [table, prefix] :
             std::initializer_list<std::pair<const char*, const char*>>{{"VERAKT", "AKT"},
                                                                        {"VERBAR", "BAR"},
                                                                        {"VERBBG", "BBG"},
                                                                        {"VERUBB", "UBB"},
                                                                        {"VERBSPV", "BSP"},
                                                                        {"VERGIRO", "GRO"},
                                                                        {"VERKFZ", "KFZ"},
                                                                        {"VERSPARB", "SPB"}}) {
            const QString x = QString::fromLatin1(prefix);
            for (int k = 0; k < 2; ++k)
                insert(table,
                       {x + "_IDENT", x + "_INDEX_MAINHEADER", x + "_OWNER", x + "_BRUTTO", x + "_NUMBER"},
                       {ident(persons, p, row++), app, owner, 1500.0 + k, k});
        }
        for (int kind = 0; kind < 3; ++kind)
            insert(
                "VERKLV",
                {"KLV_IDENT", "KLV_INDEX_MAINHEADER", "KLV_OWNER", "KLV_BRUTTO", "KLV_NUMBER", "KLV_ISRENTE"},
                {ident(persons, p, 60 + kind), app, owner, 2000.0, kind, kind});
        insert("VERALG",
               {"ALG_IDENT", "ALG_INDEX_MAINHEADER", "ALG_OWNER", "ALG_ENDE", "ALG_WOCHE", "ALG_BRUTTO",
                "ALG_NUMBER"},
               {ident(persons, p, 70), app, owner, QStringLiteral("30.09.2024 "), p % 2 == 0, 30.0 + p, p});
    }
}

struct Statement {
    QString sql;
    store::Values values;
};

// The statements one estimate runs, as the reader ran them.
std::vector<Statement> statementsOf(int persons) {
    std::vector<Statement> recorded;
    estimate::SetStatementObserver([&](const QString& sql, const QVariantList& values) {
        recorded.push_back({sql, values});
    });
    estimate::EstimateInput input;
    QString error;
    estimate::ReadEstimateInput(applicationOf(persons), kDay, &input, &error);
    estimate::SetStatementObserver({});
    return recorded;
}

// Baseline: the same statements prepared, bound, executed and stepped through, every column fetched.
void runBare(const std::vector<Statement>& statements) {
    QSqlDatabase db = MainObject->Connection();
    for (const Statement& s : statements) {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        q.prepare(s.sql);
        for (int i = 0; i < s.values.size(); ++i)
            q.bindValue(i, s.values.at(i));
        q.exec();
        const int columns = q.record().count();
        while (q.next())
            for (int c = 0; c < columns; ++c)
                benchmark::DoNotOptimize(q.value(c));
    }
}

const estimate::ParameterSet& parameters() {
    static const estimate::EstimateParameters loaded = [] {
        QString error;
        auto p = estimate::LoadProgramParameters(&error);
        if (!p) qFatal("%s", qPrintable(error));
        return *p;
    }();
    return *loaded.setFor(kDay);
}

double runEstimate(int persons) {
    estimate::EstimateInput input;
    QString error;
    estimate::ReadEstimateInput(applicationOf(persons), kDay, &input, &error);
    const estimate::EstimateResult r = estimate::ComputeEstimate(input, parameters());
    return r.result[estimate::ResultBenefit];
}

void BareStatements(benchmark::State& state) {
    const int persons = int(state.range(0));
    const std::vector<Statement> statements = statementsOf(persons);
    for (auto _ : state)
        runBare(statements);
    state.counters["statements"] = double(statements.size());
    state.SetComplexityN(persons);
}

void Estimate(benchmark::State& state) {
    const int persons = int(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(runEstimate(persons));
    state.SetComplexityN(persons);
}

// The whole visit of the dialog: the parameter file is read again, as every visit does.
void EstimateWithParameterFile(benchmark::State& state) {
    const int persons = int(state.range(0));
    QString error;
    for (auto _ : state)
        benchmark::DoNotOptimize(estimate::RunEstimate(applicationOf(persons), kDay, &error));
    state.SetComplexityN(persons);
}

// Both in the same iterations, so that the ratio is taken under the same conditions.
void EstimateOverStatements(benchmark::State& state) {
    const int persons = int(state.range(0));
    const std::vector<Statement> statements = statementsOf(persons);
    using Clock = std::chrono::steady_clock;
    Clock::duration bare{}, full{};
    for (auto _ : state) {
        const auto t0 = Clock::now();
        runBare(statements);
        const auto t1 = Clock::now();
        benchmark::DoNotOptimize(runEstimate(persons));
        const auto t2 = Clock::now();
        bare += t1 - t0;
        full += t2 - t1;
    }
    state.counters["ratio"] =
        std::chrono::duration<double>(full).count() / std::chrono::duration<double>(bare).count();
}

// The computation alone, without the database.
void ComputeOnly(benchmark::State& state) {
    const int persons = int(state.range(0));
    estimate::EstimateInput input;
    QString error;
    estimate::ReadEstimateInput(applicationOf(persons), kDay, &input, &error);
    for (auto _ : state)
        benchmark::DoNotOptimize(estimate::ComputeEstimate(input, parameters()));
    state.SetComplexityN(persons);
}

#define HOUSEHOLDS Arg(1)->Arg(6)->Arg(12)->Arg(24)
BENCHMARK(BareStatements)->HOUSEHOLDS->Complexity(benchmark::oN);
BENCHMARK(Estimate)->HOUSEHOLDS->Complexity(benchmark::oN);
BENCHMARK(EstimateWithParameterFile)->HOUSEHOLDS->Complexity(benchmark::oN);
BENCHMARK(EstimateOverStatements)->HOUSEHOLDS;
BENCHMARK(ComputeOnly)->HOUSEHOLDS->Complexity(benchmark::oN);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir home;
    QString error;
    if (!store::initializeProgramFolder(home.path(), QStringLiteral(VELMORA_BUILD_HOME), &error))
        qFatal("%s", qPrintable(error));
    qputenv("VELMORA_HOME", home.path().toLocal8Bit());
    MainObject = new TMainObject;
    if (!MainObject->ConnectDatabase()) qFatal("no database");
    for (int persons : {1, 6, 12, 24})
        fillHousehold(persons);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    delete MainObject;
    MainObject = nullptr;
    return 0;
}
