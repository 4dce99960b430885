// The two printed forms of an estimate: German amounts and the JSON of the command line.

#include "EstimateCases.h"
#include "EstimateReport.h"

#include <QJsonArray>
#include <QTest>

using namespace estimate;

class TestReport : public QObject {
    Q_OBJECT

private slots:
    void money_data();
    void money();
    void jsonShape();
    void incompleteShowsNoAmount();
};

void TestReport::money_data() {
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("grid");
    QTest::newRow("347") << 347.0 << QStringLiteral("347,00€") << QStringLiteral("347,00 €");
    QTest::newRow("thousands") << 1234.565 << QStringLiteral("1.234,57€") << QStringLiteral("1.234,57 €");
    QTest::newRow("zero") << 0.0 << QStringLiteral("0,00€") << QStringLiteral("0,00 €");
    QTest::newRow("almost zero below") << -0.001 << QStringLiteral("0,00€") << QStringLiteral("0,00 €");
    QTest::newRow("negative") << -116.666 << QStringLiteral("-116,67€") << QStringLiteral("-116,67 €");
}

void TestReport::money() {
    QFETCH(double, amount);
    QFETCH(QString, label);
    QFETCH(QString, grid);
    QCOMPARE(formatMoney(amount), label);
    QCOMPARE(formatMoney(amount, true), grid);
}

namespace {

// The numbers of a JSON list, for comparing with the result's arrays.
template <size_t N> bool sameNumbers(const QJsonArray& a, const std::array<double, N>& values) {
    if (a.size() != int(N)) return false;
    for (size_t i = 0; i < N; ++i)
        if (!a.at(int(i)).isDouble() || !cases::same(a.at(int(i)).toDouble(), values[i])) return false;
    return true;
}

} // namespace

void TestReport::jsonShape() {
    EstimateInput in = cases::household({Applicant, Partner, FurtherPerson}, {40, 38, 5});
    in.persons[0].pay = 500;
    in.persons[1].pregnant = true;
    in.persons[1].savingsBooks = 9000;
    in.living.rent = 250;
    const EstimateResult r = cases::compute(in);
    const QJsonObject j = estimateToJson(r);

    QCOMPARE(j.keys(), (QStringList{"additionalNeeds", "assets", "complete", "housing", "income", "persons",
                                    "problems", "result", "supplement"}));
    const QJsonArray persons = j.value("persons").toArray();
    QCOMPARE(persons.size(), 3);
    const QJsonObject first = persons.at(0).toObject();
    QCOMPARE(first.keys(), (QStringList{"age", "birthday", "name", "rate", "type"}));
    QCOMPARE(first.value("birthday").toString(), QStringLiteral("1984-01-01"));
    // Figures worked out by hand: a couple of adults 312 each, a child under 14 208; pay 500 less its
    // exemption 100 + 20 % of 400 counts 320; the rent lies below the ceiling and counts in full.
    const QList<double> rates{312, 312, 208};
    const QList<int> ages{40, 38, 5};
    for (int i = 0; i < 3; ++i) {
        const QJsonObject p = persons.at(i).toObject();
        QCOMPARE(p.value("rate").toDouble(), rates.at(i));
        QCOMPARE(p.value("age").toInt(), ages.at(i));
        QCOMPARE(p.value("type").toInt(), i);
        QCOMPARE(p.value("name").toString(), r.persons[i].name);
    }
    const QJsonArray result = j.value("result").toArray();
    QCOMPARE(result.size(), 7);
    QCOMPARE(result.at(ResultStandardRates).toDouble(), 832.0);
    QCOMPARE(result.at(ResultHousing).toDouble(), 250.0);
    QCOMPARE(result.at(ResultIncome).toDouble(), 320.0);
    QVERIFY(sameNumbers(result, r.result));

    const QJsonArray income = j.value("income").toArray();
    QCOMPARE(income.size(), 4);
    const QJsonObject applicantIncome = income.first().toObject();
    QCOMPARE(applicantIncome.value("income").toDouble(), 500.0);
    QCOMPARE(applicantIncome.value("deductions").toDouble(), 0.0);
    QCOMPARE(applicantIncome.value("exemption").toDouble(), 180.0);
    QCOMPARE(applicantIncome.value("counted").toDouble(), 320.0);
    const QJsonObject total = income.last().toObject();
    QCOMPARE(total.keys(), (QStringList{"counted", "deductions", "exemption", "income", "name"}));
    QCOMPARE(total.value("name").toString(), QStringLiteral("Gesamt"));
    QCOMPARE(total.value("income").toDouble(), 500.0);
    QCOMPARE(total.value("counted").toDouble(), 320.0);

    // Every other figure carries the computed value under its own key (the input gives the pregnancy,
    // the savings and the rent values that tell the keys apart).
    const QJsonArray needs = j.value("additionalNeeds").toArray();
    QCOMPARE(needs.size(), int(r.additionalNeeds.size()));
    QCOMPARE(needs.at(0).toObject().keys(),
             (QStringList{"diet", "disability", "name", "pregnancy", "singleParent", "total"}));
    QVERIFY(r.additionalNeeds[1].pregnancy > 0);
    for (int i = 0; i < needs.size(); ++i) {
        const QJsonObject n = needs.at(i).toObject();
        const AdditionalNeed& a = r.additionalNeeds[i];
        QCOMPARE(n.value("name").toString(), a.name);
        QCOMPARE(n.value("pregnancy").toDouble(), a.pregnancy);
        QCOMPARE(n.value("singleParent").toDouble(), a.singleParent);
        QCOMPARE(n.value("disability").toDouble(), a.disability);
        QCOMPARE(n.value("diet").toDouble(), a.diet);
        QCOMPARE(n.value("total").toDouble(), a.total);
    }
    for (int i = 0; i < income.size(); ++i) {
        const QJsonObject o = income.at(i).toObject();
        QCOMPARE(o.value("income").toDouble(), r.income[i].income);
        QCOMPARE(o.value("deductions").toDouble(), r.income[i].deductions);
        QCOMPARE(o.value("exemption").toDouble(), r.income[i].exemption);
        QCOMPARE(o.value("counted").toDouble(), r.income[i].counted);
    }
    const QJsonArray assets = j.value("assets").toArray();
    QCOMPARE(assets.size(), int(r.assets.size()));
    QCOMPARE(assets.last().toObject().keys(),
             (QStringList{"allowance", "assets", "counted", "deductions", "name"}));
    for (int i = 0; i < assets.size(); ++i) {
        const QJsonObject o = assets.at(i).toObject();
        QCOMPARE(o.value("name").toString(), r.assets[i].name);
        QCOMPARE(o.value("assets").toDouble(), r.assets[i].assets);
        QCOMPARE(o.value("deductions").toDouble(), r.assets[i].deductions);
        QCOMPARE(o.value("allowance").toDouble(), r.assets[i].allowance);
        QCOMPARE(o.value("counted").toDouble(), r.assets[i].counted);
    }
    const QJsonObject housing = j.value("housing").toObject();
    QVERIFY(sameNumbers(housing.value("household").toArray(), r.housing.household));
    QVERIFY(sameNumbers(housing.value("rent").toArray(), r.housing.rent));
    QVERIFY(sameNumbers(housing.value("heating").toArray(), r.housing.heating));
    QCOMPARE(housing.value("total").toDouble(), 250.0);
    QVERIFY(sameNumbers(j.value("supplement").toArray(), r.supplement.rows));

    QCOMPARE(j.value("complete").toBool(), true);
    QCOMPARE(j.value("problems").toArray().size(), 0);
    QCOMPARE(resultLabel(r),
             QStringLiteral("Voraussichtlicher Anspruch: ") + formatMoney(r.result[ResultBenefit]));
}

void TestReport::incompleteShowsNoAmount() {
    EstimateInput in = cases::household({Applicant}, {40});
    in.persons[0].birthDate = QDate();
    in.persons[0].surname = QStringLiteral("Muster");
    in.persons[0].firstName = QStringLiteral("Max");
    const EstimateResult r = cases::compute(in);
    const QJsonObject j = estimateToJson(r);
    QCOMPARE(j.value("complete").toBool(), false);
    QCOMPARE(j.value("problems").toArray().at(0).toString(),
             QStringLiteral("Fehler bei der Berechnung der Vermögensfreigrenze! Geburtsdatum fehlt oder ist "
                            "fehlerhaft von: Muster, Max"));
    const QJsonObject person = j.value("persons").toArray().at(0).toObject();
    QVERIFY(person.value("birthday").isNull());
    QVERIFY(person.value("age").isNull());

    QCOMPARE(resultLabel(r), QStringLiteral("Der voraussichtliche Anspruch konnte nicht berechnet werden."));
    const QString text = estimateToText(r);
    QVERIFY(text.contains(QStringLiteral("Der voraussichtliche Anspruch konnte nicht berechnet werden.")));
    QVERIFY(!text.contains(QStringLiteral("Voraussichtlicher Anspruch: ")));
    QVERIFY(text.contains(QStringLiteral("Geburtsdatum fehlt oder ist fehlerhaft von: Muster, Max")));
}

QTEST_GUILESS_MAIN(TestReport)
#include "tst_report.moc"
