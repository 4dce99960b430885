#include "Formats.h"
#include "ProgramFolder.h"
#include "Schema.h"
#include "ServerObjects.h"
#include "Sql.h"
#include "TestHome.h"
#include "Transfer.h"

#include <QCryptographicHash>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QSqlRecord>
#include <QtTest>

namespace {

struct PositionalTable {
    const char* table;
    std::vector<const char*> columns;
};

const std::vector<PositionalTable> kPositionalTables = {
#include "positional_tables.inc"
};

QByteArray fileHash(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

int count(const QString& sql, const store::Values& values = {})
{
    return store::selectValue(sql, values).toInt();
}

} // namespace

class StoreTest : public QObject {
    Q_OBJECT
private slots:
    void positionalTablesHaveTheirPhysicalOrder();
    void freshDatabaseNeedsNoUpgrade();
    void upgradeAddsWhatIsMissing();
    void newRowIdentHasRegistryForm();
    void connectFailsWithoutCreating_data();
    void connectFailsWithoutCreating();
    void initLeavesAnExistingDatabaseAlone();
    void textsComeBackAsTyped();
    void transactionKeepsTheOldStateOnFailure();
    void exportImportRoundTrip();
    void importRefusesAndWritesNothing_data();
    void importRefusesAndWritesNothing();
    void amountsAreReadInGerman_data();
    void amountsAreReadInGerman();
    void storedAmountsThatAreNoNumberReadAsZero_data();
    void storedAmountsThatAreNoNumberReadAsZero();
    void amountsAreShownInGerman();
};

void StoreTest::positionalTablesHaveTheirPhysicalOrder()
{
    TestHome home;
    QVERIFY(home.ok());
    for (const PositionalTable& t : kPositionalTables) {
        QStringList expected;
        for (const char* c : t.columns)
            expected << QString::fromLatin1(c);
        QCOMPARE(store::tableColumns(QString::fromLatin1(t.table)), expected);
    }
}

void StoreTest::freshDatabaseNeedsNoUpgrade()
{
    TestHome home;
    QVERIFY(home.ok());
    QVERIFY(store::tableColumns("VERKLV").contains("KLV_ISRENTE"));
    QVERIFY(store::tableColumns("UHMAIN").contains("UHM_COUNSEL_YES"));
    QVERIFY(store::tableColumns("UHMAIN").contains("UHM_COUNSEL_NO"));
    QVERIFY(store::tableColumns("PERSON").contains("PRS_AZUBI_PROF"));
    QVERIFY(store::tableColumns("PERSON").contains("PRS_KV_NO_PKV_RV"));
    QCOMPARE(count("SELECT count(*) FROM PERSON WHERE PRS_IDENT='DUMMY' AND PRS_ISDUMMY AND PRS_TYPE=-1"), 1);
    QCOMPARE(store::selectValue("PRAGMA user_version").toInt(), store::kDictionaryVersion);

    const QStringList columns = store::tableColumns("PERSON") + store::tableColumns("UHMAIN");
    QVERIFY(MainObject->UpgradeSchema());
    QCOMPARE(store::tableColumns("PERSON") + store::tableColumns("UHMAIN"), columns);
    QCOMPARE(count("SELECT count(*) FROM PERSON"), 1);
}

void StoreTest::upgradeAddsWhatIsMissing()
{
    TestHome home;
    QVERIFY(home.ok());
    const QString app = createTestApplication();
    QVERIFY(store::execute("INSERT INTO VERKLV (KLV_IDENT, KLV_INDEX_MAINHEADER) VALUES ('K1', ?)", {app}));
    // Make the database older: the columns the upgrade adds and the placeholder row go.
    for (const auto& [table, column] : std::vector<std::pair<QString, QString>>{{"VERKLV", "KLV_ISRENTE"},
                                                                                {"UHMAIN", "UHM_COUNSEL_YES"},
                                                                                {"UHMAIN", "UHM_COUNSEL_NO"},
                                                                                {"PERSON", "PRS_AZUBI_PROF"},
                                                                                {"PERSON", "PRS_KV_NO_PKV_RV"}})
        QVERIFY(store::execute(QString("ALTER TABLE %1 DROP COLUMN %2").arg(table, column)));
    QVERIFY(store::execute("DELETE FROM PERSON WHERE PRS_IDENT='DUMMY'"));
    QVERIFY(store::execute("PRAGMA user_version = 0"));

    QVERIFY(MainObject->UpgradeSchema());
    QVERIFY(store::tableColumns("VERKLV").contains("KLV_ISRENTE"));
    QCOMPARE(store::selectValue("SELECT KLV_ISRENTE FROM VERKLV WHERE KLV_IDENT='K1'").toInt(), 0);
    QCOMPARE(count("SELECT count(*) FROM UHMAIN WHERE UHM_COUNSEL_YES=0 AND UHM_COUNSEL_NO=1"), 1);
    QCOMPARE(count("SELECT count(*) FROM PERSON WHERE PRS_AZUBI_PROF=0 AND PRS_KV_NO_PKV_RV=0"), 2);
    QCOMPARE(count("SELECT count(*) FROM PERSON WHERE PRS_IDENT='DUMMY' AND PRS_ISDUMMY=1 AND PRS_NUMBER=-1"), 1);
    // A new row reads the default, as it does in a fresh database.
    QVERIFY(store::execute("INSERT INTO VERKLV (KLV_IDENT, KLV_INDEX_MAINHEADER) VALUES ('K2', ?)", {app}));
    QCOMPARE(store::selectValue("SELECT KLV_ISRENTE FROM VERKLV WHERE KLV_IDENT='K2'").toInt(), 0);

    const QStringList columnsAfterFirst = store::tableColumns("UHMAIN") + store::tableColumns("PERSON");
    QVERIFY(MainObject->UpgradeSchema());
    QCOMPARE(store::tableColumns("UHMAIN") + store::tableColumns("PERSON"), columnsAfterFirst);
    QCOMPARE(count("SELECT count(*) FROM PERSON WHERE PRS_IDENT='DUMMY'"), 1);
}

void StoreTest::newRowIdentHasRegistryForm()
{
    const QRegularExpression form("^\\{[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\\}$");
    QSet<QString> seen;
    for (int i = 0; i < 1000; ++i) {
        const QString id = TMainObject::NewRowIdent();
        QCOMPARE(id.size(), 38);
        QVERIFY2(form.match(id).hasMatch(), qPrintable(id));
        QVERIFY(!seen.contains(id));
        seen.insert(id);
    }
}

void StoreTest::connectFailsWithoutCreating_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: no file at all
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("not a database") << QByteArray("Das ist keine Datenbank, nur ein Text.\n").repeated(200);
}

void StoreTest::connectFailsWithoutCreating()
{
    QFETCH(QByteArray, content);
    TestHome home(false);
    const QString db = home.file("Daten/Default/REDIR.sqlite");
    QVERIFY(QFile::remove(db));
    if (!content.isEmpty()) {
        QFile f(db);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    MainObject = new TMainObject;
    QVERIFY(!MainObject->ConnectDatabase());
    QVERIFY(!MainObject->ConnectError().isEmpty());
    QCOMPARE(QFile::exists(db), !content.isEmpty());
    if (!content.isEmpty()) {
        QFile f(db);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), content);
    }
}

void StoreTest::initLeavesAnExistingDatabaseAlone()
{
    TestHome home;
    QVERIFY(home.ok());
    createTestApplication("Bleibt");
    delete MainObject;
    MainObject = nullptr;
    const QString db = home.file("Daten/Default/REDIR.sqlite");
    // Only its user may read the database (mode 0600).
    const auto permissions = QFile::permissions(db);
    QVERIFY(permissions.testFlags(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QVERIFY(!(permissions & (QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther |
                             QFileDevice::WriteOther | QFileDevice::ExeOwner)));
    const QByteArray before = fileHash(db);
    QString error;
    QVERIFY(store::initializeProgramFolder(home.path(), QStringLiteral(VELMORA_BUILD_HOME), &error));
    QCOMPARE(fileHash(db), before);
}

void StoreTest::textsComeBackAsTyped()
{
    TestHome home;
    QVERIFY(home.ok());
    const QString app = createTestApplication("O'Brien \"Müller\" Straße");
    const QString typed = QString::fromUtf8("D'Alembert-Jäger, Öß  ");
    QVERIFY(store::execute("UPDATE MAINPERSON SET ANS_LASTNAME=? WHERE ANS_IDENT=?", {store::textValue(typed), app}));
    store::Rows rows = store::select("SELECT ANS_LASTNAME FROM MAINPERSON WHERE ANS_IDENT=?", {app});
    QVERIFY(rows.next());
    QCOMPARE(rows.text("ANS_LASTNAME"), typed.trimmed());
    // Trailing blanks do not matter in comparisons, as with fixed-width text columns.
    QCOMPARE(count("SELECT count(*) FROM MAINPERSON WHERE ANS_LASTNAME=?", {typed.trimmed()}), 1);
    QCOMPARE(count("SELECT count(*) FROM MAINHEADER WHERE BDG_SIGN=?", {QString("O'Brien \"Müller\" Straße")}), 1);
}

void StoreTest::transactionKeepsTheOldStateOnFailure()
{
    TestHome home;
    QVERIFY(home.ok());
    ScriptedMessages messages;
    const QString app = createTestApplication();
    QVERIFY(!store::inTransaction([&] {
        return store::execute("UPDATE MAINPERSON SET ANS_LASTNAME='X' WHERE ANS_IDENT=?", {app}) &&
               store::execute("INSERT INTO NO_SUCH_TABLE VALUES (1)");
    }));
    QCOMPARE(messages.shown().size(), 1);
    QCOMPARE(messages.shown().first().kind, store::MessageKind::Error);
    QCOMPARE(store::readText(store::selectValue("SELECT ANS_LASTNAME FROM MAINPERSON WHERE ANS_IDENT=?", {app})),
             QString());
}

void StoreTest::exportImportRoundTrip()
{
    QByteArray json;
    QMap<QString, QList<QVariantList>> rowsBefore;
    QString app;
    // The rows of one application, table by table, as the store holds them.
    const auto snapshot = [&app] {
        QMap<QString, QList<QVariantList>> all;
        const QList<std::pair<QString, QString>> tables{
            {"MAINHEADER", "BDG_IDENT"},           {"MAINPERSON", "ANS_INDEX_MAINHEADER"},
            {"PERSON", "PRS_INDEX_MAINHEADER"},    {"MOREPOWER", "MOP_INDEX_MAINHEADER"},
            {"VERMAIN", "VEM_INDEX_MAINHEADER"},   {"UHMAIN", "UHM_INDEX_MAINHEADER"},
            {"LIVING", "LIV_INDEX_MAINHEADER"},    {"VERGIRO", "GRO_INDEX_MAINHEADER"},
            {"MONEYINANY", "MIA_INDEX_MAINHEADER"}, {"VERALG", "ALG_INDEX_MAINHEADER"}};
        for (const auto& [table, column] : tables) {
            store::Rows rows = store::select(QString("SELECT * FROM %1 WHERE %2=? ORDER BY 1").arg(table, column), {app});
            while (rows.next()) {
                QVariantList row;
                for (int c = 0; c < rows.query().record().count(); ++c)
                    row << rows.query().value(c);
                all[table] << row;
            }
        }
        return all;
    };
    {
        TestHome source;
        QVERIFY(source.ok());
        app = createTestApplication("Familie Groß");
        createTestApplication("Andere"); // not exported
        QVERIFY(store::execute("UPDATE MAINPERSON SET ANS_LASTNAME=? WHERE ANS_IDENT=?",
                               {store::textValue("Groß"), app}));
        QVERIFY(store::execute("INSERT INTO VERGIRO VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
                               {"{G1}", app, "Groß, Anna ", "Sparkasse ", "123 ", "456 ", 1234.56, 0}));
        QVERIFY(store::execute("INSERT INTO MONEYINANY VALUES (?, ?, ?, ?, ?)",
                               {"{M1}", app, app, "Rente ", 800.5}));
        // A column whose name needs quoting in SQL.
        QVERIFY(store::execute("INSERT INTO VERALG (ALG_IDENT, ALG_INDEX_MAINHEADER, \"ALG-SPERR_ENDE\") "
                               "VALUES (?, ?, ?)",
                               {"{A1}", app, "31.12.2026 "}));
        QString error;
        QVERIFY2(store::exportApplication("Familie Groß", &json, &error), qPrintable(error));
        rowsBefore = snapshot();
        QCOMPARE(rowsBefore.size(), 10);
    }
    QVERIFY(json.contains("velmora-application"));
    TestHome target;
    QVERIFY(target.ok());
    QString name, error;
    QVERIFY2(store::importApplication(json, &name, &error), qPrintable(error));
    QCOMPARE(name, QString("Familie Groß"));
    QCOMPARE(snapshot(), rowsBefore);
    // The other application stayed behind.
    QCOMPARE(count("SELECT count(*) FROM MAINHEADER"), 1);
    QCOMPARE(count("SELECT count(*) FROM PERSON"), 2);
}

void StoreTest::importRefusesAndWritesNothing_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("reason");
    const QByteArray header = R"({"format":"velmora-application","version":1,"tables":{"MAINHEADER":[{"BDG_IDENT":"{A}","BDG_SIGN":"Neu"}],)";
    QTest::newRow("not json") << QByteArray("{kein json") << "kein gültiges JSON";
    QTest::newRow("other format") << QByteArray(R"({"format":"x","version":1,"tables":{}})") << "kein Velmora-Antrag";
    QTest::newRow("unknown table") << header + R"("NOPE":[{"X":1}]}})" << "Unbekannte Tabelle";
    QTest::newRow("unknown column") << header + R"("PERSON":[{"PRS_IDENT":"{P}","PRS_WHAT":1}]}})"
                                    << "Unbekannte Spalte";
    QTest::newRow("existing name")
        << QByteArray(R"({"format":"velmora-application","version":1,"tables":{"MAINHEADER":[{"BDG_IDENT":"{B}","BDG_SIGN":"Da"}]}})")
        << "existiert bereits";
    QTest::newRow("existing ident") << header + R"("PERSON":[{"PRS_IDENT":"DUMMY"}]}})" << "existiert bereits";
}

void StoreTest::importRefusesAndWritesNothing()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, reason);
    TestHome home;
    QVERIFY(home.ok());
    createTestApplication("Da");
    const int before = count("SELECT (SELECT count(*) FROM MAINHEADER) + (SELECT count(*) FROM PERSON)");
    QString name, error;
    QVERIFY(!store::importApplication(json, &name, &error));
    QVERIFY2(error.contains(reason), qPrintable(error));
    QCOMPARE(count("SELECT (SELECT count(*) FROM MAINHEADER) + (SELECT count(*) FROM PERSON)"), before);
}

void StoreTest::amountsAreReadInGerman_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("readable");
    QTest::newRow("thousands and cents") << "1.234,56" << 1234.56 << true;
    QTest::newRow("comma") << "12,5" << 12.5 << true;
    QTest::newRow("plain") << "1234" << 1234.0 << true;
    QTest::newRow("with euro sign") << "12,50 €" << 12.5 << true;
    QTest::newRow("negative") << "-3,10" << -3.1 << true;
    QTest::newRow("letters") << "zwölf" << 0.0 << false;
    QTest::newRow("decimal dot, two digits") << "1234.56" << 1234.56 << true;
    QTest::newRow("decimal dot, one digit") << "12.5" << 12.5 << true;
    QTest::newRow("decimal dot, negative") << "-0.75" << -0.75 << true;
    QTest::newRow("thousands dot") << "1.234" << 1234.0 << true;
    QTest::newRow("thousands dots") << "1.234.567" << 1234567.0 << true;
    QTest::newRow("dot and comma") << "1.234,5" << 1234.5 << true;
    QTest::newRow("dot after comma") << "1,234.56" << 0.0 << false;
    QTest::newRow("two decimal dots") << "1.23.45" << 0.0 << false;
    QTest::newRow("dot, three decimals of four") << "12.3456" << 0.0 << false;
    QTest::newRow("nan") << "nan" << 0.0 << false;
    QTest::newRow("inf") << "inf" << 0.0 << false;
    QTest::newRow("-inf") << "-inf" << 0.0 << false;
    QTest::newRow("exponent") << "1e999" << 0.0 << false;
    QTest::newRow("too long for a double") << QString(400, QLatin1Char('9')) << 0.0 << false;
    QTest::newRow("empty") << "" << 0.0 << false;
}

void StoreTest::amountsAreReadInGerman()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(bool, readable);
    bool ok = false;
    QCOMPARE(store::parseAmount(text, &ok), value);
    QCOMPARE(ok, readable);
    if (readable)
        QCOMPARE(store::parseAmount(store::formatAmount(value)), value);
}

void StoreTest::storedAmountsThatAreNoNumberReadAsZero_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<double>("value");
    QTest::newRow("number") << QVariant(12.5) << 12.5;
    QTest::newRow("numeric text") << QVariant("12.5") << 12.5;
    QTest::newRow("NULL") << QVariant(QMetaType(QMetaType::Double)) << 0.0;
    QTest::newRow("words") << QVariant("zwölf") << 0.0;
    QTest::newRow("nan") << QVariant("nan") << 0.0;
    QTest::newRow("inf") << QVariant("inf") << 0.0;
    QTest::newRow("-inf") << QVariant("-inf") << 0.0;
    QTest::newRow("1e999") << QVariant("1e999") << 0.0;
}

void StoreTest::storedAmountsThatAreNoNumberReadAsZero()
{
    QFETCH(QVariant, stored);
    QFETCH(double, value);
    TestHome home;
    QVERIFY(home.ok());
    const QString app = createTestApplication();
    // A DOUBLE column keeps text that does not look like a number as text.
    QVERIFY(store::execute("UPDATE LIVING SET LIV_RENT_BRUTTO=? WHERE LIV_IDENT=?", {stored, app}));
    store::Rows rows = store::select("SELECT LIV_RENT_BRUTTO FROM LIVING WHERE LIV_IDENT=?", {app});
    QVERIFY(rows.next());
    QCOMPARE(rows.amount("LIV_RENT_BRUTTO"), value);
}

void StoreTest::amountsAreShownInGerman()
{
    QCOMPARE(store::formatMoneyLabel(1234.5), QString("1.234,50€"));
    QCOMPARE(store::formatMoneyGrid(-1234567.891), QString("-1.234.567,89 €"));
    // What remains of subtracting equal sums is zero, not "-0,00".
    QCOMPARE(store::formatAmount(0.1 + 0.2 - 0.3 - 1e-9), QString("0,00"));
    QCOMPARE(store::formatAmount(-0.004), QString("0,00"));
}

QTEST_MAIN(StoreTest)
#include "tst_store.moc"
