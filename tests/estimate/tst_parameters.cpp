// The parameter file: the delivered file loads, and every fault of a file is a clear German error.

#include "EstimateCases.h"
#include "EstimateParameters.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace estimate;

namespace {

QString sourceFile() {
    return QStringLiteral(VELMORA_SOURCE_DIR "/data/Daten/Default/Leistungsparameter.json");
}

QJsonObject delivered() {
    QFile f(sourceFile());
    if (!f.open(QIODevice::ReadOnly)) qFatal("cannot read %s", qPrintable(sourceFile()));
    return QJsonDocument::fromJson(f.readAll()).object();
}

// Replaces (or with an undefined value removes) the value at `path` below the first set.
QJsonValue edited(QJsonValue node, QStringList path, const QJsonValue& value) {
    if (path.isEmpty()) return value;
    const QString key = path.takeFirst();
    if (node.isArray()) {
        QJsonArray a = node.toArray();
        const int i = key.toInt();
        if (path.isEmpty() && value.isUndefined())
            a.removeAt(i);
        else
            a[i] = edited(a.at(i), path, value);
        return a;
    }
    QJsonObject o = node.toObject();
    if (path.isEmpty() && value.isUndefined())
        o.remove(key);
    else
        o[key] = edited(o.value(key), path, value);
    return o;
}

QByteArray withChange(const QString& path, const QJsonValue& value) {
    const QJsonValue doc = edited(delivered(), path.split(QLatin1Char('/')), value);
    return QJsonDocument(doc.toObject()).toJson();
}

} // namespace

class TestParameters : public QObject {
    Q_OBJECT

private slots:
    void deliveredFileLoads();
    void ceilingsOfTheDeliveredFile_data();
    void ceilingsOfTheDeliveredFile();
    void missingFile();
    void faultyFile_data();
    void faultyFile();
    void setForDay();
};

void TestParameters::deliveredFileLoads() {
    QString error;
    const auto p = EstimateParameters::load(sourceFile(), &error);
    QVERIFY2(p, qPrintable(error));
    QCOMPARE(int(p->sets().size()), 1);
    const ParameterSet& s = p->sets().front();
    QCOMPARE(s.validFrom, QDate(2007, 7, 1));
    QCOMPARE(int(s.diets.size()), 21);
    QCOMPARE(s.diets[0].text, QStringLiteral("Keine (hier auswählen)"));
    QCOMPARE(s.diets[20].text, QStringLiteral("Zöliakie, Sprue (Glutenfreie Kost)"));
    // The two factors whose captions say otherwise (18 %, 2/3) keep their own values.
    QCOMPARE(s.warmWaterShare, 0.19);
    QCOMPARE(s.supplementShare, 0.66);
}

void TestParameters::ceilingsOfTheDeliveredFile_data() {
    QTest::addColumn<int>("persons");
    QTest::addColumn<QList<double>>("ceilings");
    QTest::newRow("1") << 1 << QList<double>{270, 280, 290, 300, 310, 320};
    QTest::newRow("2") << 2 << QList<double>{320, 340, 360, 380, 400, 420};
    QTest::newRow("3") << 3 << QList<double>{390, 410, 430, 450, 470, 490};
    QTest::newRow("4") << 4 << QList<double>{450, 480, 510, 540, 570, 600};
    QTest::newRow("5") << 5 << QList<double>{510, 550, 590, 630, 670, 710};
    QTest::newRow("each further") << 0 << QList<double>{60, 65, 70, 75, 80, 85};
}

void TestParameters::ceilingsOfTheDeliveredFile() {
    QFETCH(int, persons);
    QFETCH(QList<double>, ceilings);
    const ParameterSet& s = cases::set();
    for (int level = 0; level < RentLevelCount; ++level)
        QCOMPARE(persons ? s.rentCeilings[persons - 1][level] : s.rentCeilingFurtherPerson[level],
                 ceilings[level]);
}

void TestParameters::missingFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Leistungsparameter.json"));
    QString error;
    QVERIFY(!EstimateParameters::load(path, &error));
    QVERIFY2(error.contains(QStringLiteral("fehlt")), qPrintable(error));
    QVERIFY2(error.contains(path), qPrintable(error));
}

void TestParameters::faultyFile_data() {
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("message");

    const QJsonValue removed(QJsonValue::Undefined);
    QTest::newRow("no JSON") << QByteArray("{ \"Format\": ") << QStringLiteral("Kein gültiges JSON");
    QTest::newRow("not an object") << QByteArray("[1, 2]") << QStringLiteral("kein JSON-Objekt");
    QTest::newRow("other format") << withChange(QStringLiteral("Format"), QStringLiteral("etwas"))
                                  << QStringLiteral("„Format“");
    QTest::newRow("other version") << withChange(QStringLiteral("Version"), 2) << QStringLiteral("Version");
    QTest::newRow("no sets") << withChange(QStringLiteral("Parametersätze"), QJsonArray())
                             << QStringLiteral("„Parametersätze“: die Liste braucht mindestens 1 Einträge");
    QTest::newRow("missing date") << withChange(QStringLiteral("Parametersätze/0/gültig ab"), removed)
                                  << QStringLiteral("„Parametersätze › 1 › gültig ab“: der Wert fehlt");
    QTest::newRow("bad date") << withChange(QStringLiteral("Parametersätze/0/gültig ab"),
                                            QStringLiteral("1.7.2007"))
                              << QStringLiteral("kein Datum der Form JJJJ-MM-TT");
    QTest::newRow("missing rate") << withChange(QStringLiteral("Parametersätze/0/Regelbedarf/allein"),
                                                removed)
                                  << QStringLiteral(
                                         "„Parametersätze › 1 › Regelbedarf › allein“: der Wert fehlt");
    QTest::newRow("rate as text") << withChange(QStringLiteral("Parametersätze/0/Regelbedarf/allein"),
                                                QStringLiteral("347,00"))
                                  << QStringLiteral("Regelbedarf › allein“: keine Zahl");
    QTest::newRow("couple combination missing")
        << withChange(QStringLiteral("Parametersätze/0/Regelbedarf/Paar/3/Partner volljährig"), false)
        << QStringLiteral("jede Verbindung");
    QTest::newRow("unbounded band before the last")
        << withChange(QStringLiteral("Parametersätze/0/Regelbedarf/weitere Personen/0/unter Alter"), removed)
        << QStringLiteral("nur die letzte Stufe darf ohne Obergrenze sein");
    QTest::newRow("falling bands") << withChange(
                                          QStringLiteral("Parametersätze/0/Einkommen/Freibetrag/2/bis"), 700)
                                   << QStringLiteral("müssen steigen");
    QTest::newRow("ceiling row too short")
        << withChange(QStringLiteral("Parametersätze/0/Unterkunft/Mietobergrenzen/nach Haushaltsgröße/4"),
                      QJsonArray{1, 2})
        << QStringLiteral("nach Haushaltsgröße › 5“: die Zeile braucht genau 6 Beträge");
    QTest::newRow("missing section") << withChange(QStringLiteral("Parametersätze/0/Vermögen"), removed)
                                     << QStringLiteral("„Parametersätze › 1 › Vermögen“: der Wert fehlt");
    QTest::newRow("zero divisor") << withChange(
                                         QStringLiteral("Parametersätze/0/Einkommen/Teiler Zahlungsweise/3"),
                                         0)
                                  << QStringLiteral("ein Teiler darf nicht 0 oder negativ sein");
    QTest::newRow("negative divisor")
        << withChange(QStringLiteral("Parametersätze/0/Einkommen/Teiler Zahlungsweise/1"), -3)
        << QStringLiteral("„Parametersätze › 1 › Einkommen › Teiler Zahlungsweise“: ein Teiler darf nicht 0 oder negativ sein");
    // Plausibility: each entry named, with the rule it breaks.
    QTest::newRow("negative standard rate")
        << withChange(QStringLiteral("Parametersätze/0/Regelbedarf/allein"), -347)
        << QStringLiteral("„Parametersätze › 1 › Regelbedarf › allein“: ein Regelbedarf muss über 0 und höchstens "
                          "10.000 liegen, nicht -347");
    QTest::newRow("zero standard rate")
        << withChange(QStringLiteral("Parametersätze/0/Regelbedarf/weitere Personen/1/Betrag"), 0)
        << QStringLiteral("„Parametersätze › 1 › Regelbedarf › weitere Personen › 2 › Betrag“: ein Regelbedarf");
    QTest::newRow("absurd standard rate")
        << withChange(QStringLiteral("Parametersätze/0/Regelbedarf/Paar/3/Partner"), 312000)
        << QStringLiteral("„Parametersätze › 1 › Regelbedarf › Paar › 4 › Partner“: ein Regelbedarf");
    QTest::newRow("share given in percent")
        << withChange(QStringLiteral("Parametersätze/0/Mehrbedarf/Schwangerschaft Anteil"), 17)
        << QStringLiteral("„Parametersätze › 1 › Mehrbedarf › Schwangerschaft Anteil“: ein Anteil muss zwischen 0 "
                          "und 1 liegen (0 bis 100 %), nicht 17");
    QTest::newRow("negative share")
        << withChange(QStringLiteral("Parametersätze/0/Einkommen/Freibetrag/1/Anteil"), -0.2)
        << QStringLiteral("„Parametersätze › 1 › Einkommen › Freibetrag › 2 › Anteil“: ein Anteil");
    QTest::newRow("share of the supplement")
        << withChange(QStringLiteral("Parametersätze/0/Zuschlag/Anteil zweites Jahr"), 50)
        << QStringLiteral("Zuschlag › Anteil zweites Jahr“: ein Anteil");
    QTest::newRow("negative amount")
        << withChange(QStringLiteral("Parametersätze/0/Vermögen/Kraftfahrzeug frei bis"), -5000)
        << QStringLiteral("„Parametersätze › 1 › Vermögen › Kraftfahrzeug frei bis“: ein Betrag muss zwischen 0");
    QTest::newRow("negative rent ceiling")
        << withChange(QStringLiteral("Parametersätze/0/Unterkunft/Mietobergrenzen/je weitere Person/2"), -70)
        << QStringLiteral("„Parametersätze › 1 › Unterkunft › Mietobergrenzen › je weitere Person › 3“: ein Betrag");
    QTest::newRow("negative band bound")
        << withChange(QStringLiteral("Parametersätze/0/Einkommen/Freibetrag/0/unter"), -100)
        << QStringLiteral("„Parametersätze › 1 › Einkommen › Freibetrag › 1 › unter“: eine Grenze darf nicht negativ sein");
    QTest::newRow("no days in a month")
        << withChange(QStringLiteral("Parametersätze/0/Zuschlag/Tage je Monat"), 0)
        << QStringLiteral("„Parametersätze › 1 › Zuschlag › Tage je Monat“: der Wert muss über 0 liegen");
    QTest::newRow("age of majority 0")
        << withChange(QStringLiteral("Parametersätze/0/Regelbedarf/volljährig ab Alter"), 0)
        << QStringLiteral("„Parametersätze › 1 › Regelbedarf › volljährig ab Alter“: ein Alter muss zwischen 1 und 150");
    QTest::newRow("diet without amount")
        << withChange(QStringLiteral("Parametersätze/0/Mehrbedarf/Kostenaufwändige Ernährung/20/Betrag"),
                      removed)
        << QStringLiteral("Kostenaufwändige Ernährung › 21 › Betrag“: der Wert fehlt");
}

void TestParameters::faultyFile() {
    QFETCH(QByteArray, json);
    QFETCH(QString, message);
    QString error;
    QVERIFY(!EstimateParameters::fromJson(json, QStringLiteral("Test.json"), &error));
    QVERIFY2(error.startsWith(
                 QStringLiteral("Die Parameterdatei der Leistungsberechnung ist fehlerhaft: Test.json")),
             qPrintable(error));
    QVERIFY2(error.contains(message), qPrintable(error));
}

void TestParameters::setForDay() {
    // A second set valid from 2025: the day decides which one counts.
    QJsonObject doc = delivered();
    QJsonArray sets = doc.value(QStringLiteral("Parametersätze")).toArray();
    QJsonObject newer = sets.at(0).toObject();
    newer[QStringLiteral("gültig ab")] = QStringLiteral("2025-01-01");
    QJsonObject rates = newer.value(QStringLiteral("Regelbedarf")).toObject();
    rates[QStringLiteral("allein")] = 563.0;
    newer[QStringLiteral("Regelbedarf")] = rates;
    sets.prepend(newer);
    doc[QStringLiteral("Parametersätze")] = sets;

    QString error;
    const auto p =
        EstimateParameters::fromJson(QJsonDocument(doc).toJson(), QStringLiteral("Test.json"), &error);
    QVERIFY2(p, qPrintable(error));
    QVERIFY(!p->setFor(QDate(2007, 6, 30)));
    QCOMPARE(
        p->noSetMessage(QDate(2007, 6, 30)),
        QStringLiteral("Die Parameterdatei Test.json enthält keinen Parametersatz, der am 30.06.2007 gilt."));
    QCOMPARE(p->setFor(QDate(2007, 7, 1))->singleRate, 347.0);
    QCOMPARE(p->setFor(QDate(2024, 12, 31))->singleRate, 347.0);
    QCOMPARE(p->setFor(QDate(2025, 1, 1))->singleRate, 563.0);

    // Two sets from the same day leave it open which one counts.
    sets[0] = sets.at(1);
    doc[QStringLiteral("Parametersätze")] = sets;
    QVERIFY(!EstimateParameters::fromJson(QJsonDocument(doc).toJson(), QStringLiteral("Test.json"), &error));
    QVERIFY2(error.contains(QStringLiteral("Zwei Parametersätze gelten ab demselben Tag")),
             qPrintable(error));
}

QTEST_GUILESS_MAIN(TestParameters)
#include "tst_parameters.moc"
