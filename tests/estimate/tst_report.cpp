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

void TestReport::jsonShape() {
    EstimateInput in = cases::household({Applicant, Partner, FurtherPerson}, {40, 38, 5});
    in.persons[0].pay = 500;
    const EstimateResult r = cases::compute(in);
    const QJsonObject j = estimateToJson(r);

    QCOMPARE(j.keys(), (QStringList{"additionalNeeds", "assets", "complete", "housing", "income", "persons",
                                    "problems", "result", "supplement"}));
    const QJsonArray persons = j.value("persons").toArray();
    QCOMPARE(persons.size(), 3);
    const QJsonObject first = persons.at(0).toObject();
    QCOMPARE(first.keys(), (QStringList{"age", "birthday", "name", "rate", "type"}));
    QCOMPARE(first.value("birthday").toString(), QStringLiteral("1984-01-01"));
    QCOMPARE(first.value("age").toInt(), 40);
    QCOMPARE(first.value("type").toInt(), 0);
    QCOMPARE(first.value("rate").toDouble(), 312.0);

    QCOMPARE(j.value("additionalNeeds").toArray().at(0).toObject().keys(),
             (QStringList{"diet", "disability", "name", "pregnancy", "singleParent", "total"}));
    const QJsonObject housing = j.value("housing").toObject();
    QCOMPARE(housing.value("household").toArray().size(), 5);
    QCOMPARE(housing.value("rent").toArray().size(), 5);
    QCOMPARE(housing.value("heating").toArray().size(), 7);
    QVERIFY(housing.value("total").isDouble());
    QCOMPARE(j.value("supplement").toArray().size(), 8);
    QCOMPARE(j.value("result").toArray().size(), 7);

    const QJsonArray income = j.value("income").toArray();
    QCOMPARE(income.size(), 4);
    const QJsonObject total = income.last().toObject();
    QCOMPARE(total.keys(), (QStringList{"counted", "deductions", "exemption", "income", "name"}));
    QCOMPARE(total.value("name").toString(), QStringLiteral("Gesamt"));
    QCOMPARE(total.value("counted").toDouble(), 320.0);
    const QJsonArray assets = j.value("assets").toArray();
    QCOMPARE(assets.last().toObject().keys(),
             (QStringList{"allowance", "assets", "counted", "deductions", "name"}));
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
