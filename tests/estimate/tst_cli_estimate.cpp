// `velmora-cli estimate` as a user runs it: a program folder of its own, applications imported from
// the fixtures, the figures read back from the printed JSON and table.

#include "TestHome.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QTest>
#include <cmath>

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

QString fixture(const QString& name) {
    return QStringLiteral(VELMORA_SOURCE_DIR "/tests/fixtures/") + name;
}

} // namespace

class TestCliEstimate : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void json();
    void table();
    void incomplete();
    void wrongCalls_data();
    void wrongCalls();

private:
    Run cli(const QStringList& args) const;
    std::unique_ptr<TestHome> m_home;
};

Run TestCliEstimate::cli(const QStringList& args) const {
    QProcess p;
    p.start(QStringLiteral(VELMORA_CLI), QStringList{QStringLiteral("--home"), m_home->path()} + args);
    if (!p.waitForFinished(60000)) return {};
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

void TestCliEstimate::initTestCase() {
    m_home = std::make_unique<TestHome>(false);
    QVERIFY(m_home->ok());
    for (const QString& f : {QStringLiteral("estimate-family.json"), QStringLiteral("estimate-benefit.json"),
                             QStringLiteral("estimate-nobirthday.json")}) {
        const Run r = cli({QStringLiteral("import"), fixture(f)});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    }
    QSettings settings(m_home->file(QStringLiteral("SETTING.INI")), QSettings::IniFormat);
    settings.setValue(QStringLiteral("MONEY/CHILD"),
                      QStringLiteral("{E5710000-0000-4000-8000-000000000002}"));
}

void TestCliEstimate::cleanupTestCase() {
    m_home.reset();
}

void TestCliEstimate::json() {
    const Run r = cli({QStringLiteral("estimate"), QStringLiteral("Familie Beispiel"),
                       QStringLiteral("--date"), QStringLiteral("2024-06-15"), QStringLiteral("--rent-level"),
                       QStringLiteral("6"), QStringLiteral("--json")});
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    QJsonParseError parseError;
    const QJsonObject j = QJsonDocument::fromJson(r.out.toUtf8(), &parseError).object();
    QCOMPARE(parseError.error, QJsonParseError::NoError);

    const QJsonArray persons = j.value(QStringLiteral("persons")).toArray();
    QCOMPARE(persons.size(), 4);
    QCOMPARE(persons.at(2).toObject().value(QStringLiteral("name")).toString(),
             QStringLiteral("Beispiel, David"));
    QCOMPARE(persons.at(2).toObject().value(QStringLiteral("age")).toInt(), 15);
    QCOMPARE(persons.at(2).toObject().value(QStringLiteral("birthday")).toString(),
             QStringLiteral("2009-01-15"));
    QCOMPARE(persons.at(2).toObject().value(QStringLiteral("rate")).toDouble(), 278.0);

    const QJsonObject housing = j.value(QStringLiteral("housing")).toObject();
    QCOMPARE(housing.value(QStringLiteral("rent")).toArray().at(1).toDouble(), 710.0);
    QVERIFY(std::fabs(housing.value(QStringLiteral("total")).toDouble() - 509.76) < 1e-9);
    const QJsonArray income = j.value(QStringLiteral("income")).toArray();
    QCOMPARE(income.last().toObject().value(QStringLiteral("name")).toString(), QStringLiteral("Gesamt"));
    QVERIFY(std::fabs(income.last().toObject().value(QStringLiteral("exemption")).toDouble() - 264.8) < 1e-9);
    const QJsonArray result = j.value(QStringLiteral("result")).toArray();
    QCOMPARE(result.size(), 7);
    QVERIFY(std::fabs(result.at(6).toDouble() - 889.60) < 1e-9);
    QCOMPARE(j.value(QStringLiteral("complete")).toBool(), true);
    QCOMPARE(j.value(QStringLiteral("problems")).toArray().size(), 0);
}

void TestCliEstimate::table() {
    const Run r = cli({QStringLiteral("estimate"), QStringLiteral("Karla Klein"), QStringLiteral("--date"),
                       QStringLiteral("2024-06-15")});
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    QVERIFY(r.out.contains(QStringLiteral("berechnet für den 15.06.2024, Mietstufe 1")));
    QVERIFY(
        r.out.contains(QStringLiteral("letzter Bezug am 31.03.2024 in Höhe von monatl.          800,00 €")));
    QVERIFY(
        r.out.contains(QStringLiteral("Zuschlag im zweiten Jahr                                  48,84 €")));
    QVERIFY(r.out.contains(QStringLiteral("Voraussichtlicher Anspruch: 99,68€")));
}

void TestCliEstimate::incomplete() {
    const Run json =
        cli({QStringLiteral("estimate"), QStringLiteral("Ohne Geburtsdatum"), QStringLiteral("--json")});
    // The figures are printed, and the exit code says that the result is incomplete.
    QVERIFY2(json.exitCode == 3, qPrintable(json.err));
    const QJsonObject j = QJsonDocument::fromJson(json.out.toUtf8()).object();
    QCOMPARE(j.value(QStringLiteral("complete")).toBool(), false);
    QCOMPARE(j.value(QStringLiteral("problems")).toArray().at(0).toString(),
             QStringLiteral("Fehler bei der Berechnung der Vermögensfreigrenze! Geburtsdatum fehlt oder ist "
                            "fehlerhaft von: Muster, Max"));

    const Run text = cli({QStringLiteral("estimate"), QStringLiteral("Ohne Geburtsdatum")});
    QCOMPARE(text.exitCode, 3);
    QVERIFY(
        text.out.contains(QStringLiteral("Der voraussichtliche Anspruch konnte nicht berechnet werden.")));
    QVERIFY(!text.out.contains(QStringLiteral("Voraussichtlicher Anspruch: ")));
}

void TestCliEstimate::wrongCalls_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    const QString e = QStringLiteral("estimate");
    const QString karla = QStringLiteral("Karla Klein");
    QTest::newRow("no name") << QStringList{e} << 2 << QStringLiteral("Der Name des Antrags fehlt.");
    QTest::newRow("unknown application")
        << QStringList{e, QStringLiteral("Niemand")} << 1
        << QStringLiteral("Es gibt keinen Antrag mit dem Namen \"Niemand\".");
    QTest::newRow("rent level 0")
        << QStringList{e, karla, QStringLiteral("--rent-level"), QStringLiteral("0")} << 2
        << QStringLiteral("Die Mietstufe muss eine Zahl von 1 bis 6 sein, nicht „0“.");
    QTest::newRow("rent level 7") << QStringList{e, karla, QStringLiteral("--rent-level"),
                                                 QStringLiteral("7")}
                                  << 2 << QStringLiteral("nicht „7“");
    QTest::newRow("rent level without value") << QStringList{e, karla, QStringLiteral("--rent-level")} << 2
                                              << QStringLiteral("--rent-level braucht einen Wert.");
    QTest::newRow("German date") << QStringList{e, karla, QStringLiteral("--date"),
                                                QStringLiteral("15.06.2024")}
                                 << 2 << QStringLiteral("Das Datum muss die Form JJJJ-MM-TT haben");
    QTest::newRow("no such day") << QStringList{e, karla, QStringLiteral("--date"),
                                                QStringLiteral("2023-02-29")}
                                 << 2 << QStringLiteral("nicht „2023-02-29“");
    QTest::newRow("before every parameter set")
        << QStringList{e, karla, QStringLiteral("--date"), QStringLiteral("2005-01-01")} << 1
        << QStringLiteral("enthält keinen Parametersatz, der am 01.01.2005 gilt.");
    QTest::newRow("unknown option") << QStringList{e, karla, QStringLiteral("--pdf")} << 2
                                    << QStringLiteral("Unbekannte Angabe: --pdf");
}

void TestCliEstimate::wrongCalls() {
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    const Run r = cli(args);
    QCOMPARE(r.exitCode, exitCode);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QVERIFY(r.out.isEmpty());
}

QTEST_GUILESS_MAIN(TestCliEstimate)
#include "tst_cli_estimate.moc"
