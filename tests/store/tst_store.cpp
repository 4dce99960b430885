#include "Formats.h"
#include "ProgramFolder.h"
#include "Schema.h"
#include "ServerObjects.h"
#include "Sql.h"
#include "TestHome.h"
#include "Transfer.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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
    void exportImportRoundTripCoversEveryTable();
    void importRefusesAndWritesNothing_data();
    void importRefusesAndWritesNothing();
    void importTakesWhatBelongsToTheApplication();
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

namespace {

struct DictionaryColumn {
    QString name;
    QString type;
};

QList<DictionaryColumn> dictionaryColumns(const QString& table)
{
    QList<DictionaryColumn> columns;
    store::Rows rows = store::select("SELECT name, upper(type) AS type FROM pragma_table_info(?) ORDER BY cid", {table});
    while (rows.next())
        columns.append({rows.text("name"), rows.text("type")});
    return columns;
}

// The tables of the dictionary that hold rows of an application, each with the condition that finds them
// (one `?` for the application's identifier): its application column, or the person column for tables
// tied to the application only through a person.
QMap<QString, QString> applicationTables()
{
    QMap<QString, QString> tables;
    store::Rows rows = store::select("SELECT name FROM sqlite_master WHERE type='table'");
    while (rows.next()) {
        const QString table = rows.text("name");
        QString application, person;
        for (const DictionaryColumn& c : dictionaryColumns(table)) {
            if (c.name.endsWith("_INDEX_MAINHEADER"))
                application = c.name;
            if (c.name.endsWith("_INDEX_PERSON"))
                person = c.name;
        }
        if (table == "MAINHEADER")
            tables.insert(table, "BDG_IDENT=?");
        else if (!application.isEmpty())
            tables.insert(table, application + "=?");
        else if (!person.isEmpty())
            tables.insert(table, person + " IN (SELECT PRS_IDENT FROM PERSON WHERE PRS_INDEX_MAINHEADER=?)");
    }
    return tables;
}

// Every row of an application, table by table, all columns, in key order.
QMap<QString, QList<QVariantList>> applicationRows(const QString& app)
{
    QMap<QString, QList<QVariantList>> all;
    const QMap<QString, QString> tables = applicationTables();
    for (auto it = tables.begin(); it != tables.end(); ++it) {
        store::Rows rows = store::select(QString("SELECT * FROM %1 WHERE %2 ORDER BY 1").arg(it.key(), it.value()), {app});
        while (rows.next()) {
            QVariantList row;
            for (int c = 0; c < rows.query().record().count(); ++c)
                row << rows.query().value(c);
            all[it.key()] << row;
        }
    }
    return all;
}

// A value of the column's type that no default produces.
QVariant sampleValue(const QString& table, const DictionaryColumn& c)
{
    if (c.type.startsWith("BOOLEAN"))
        return true;
    if (c.type == "INTEGER")
        return 7;
    if (c.type == "DOUBLE")
        return 1234.56;
    if (c.type == "DATE")
        return "2020-01-31";
    return QString("%1 O'Groß ").arg(table);
}

} // namespace

void StoreTest::exportImportRoundTripCoversEveryTable()
{
    QByteArray json;
    QMap<QString, QList<QVariantList>> rowsBefore;
    QString app;
    QStringList tables;
    {
        TestHome source;
        QVERIFY(source.ok());
        app = createTestApplication("Familie Groß");
        createTestApplication("Andere"); // not exported
        const QString child = TMainObject::NewRowIdent();
        tables = applicationTables().keys();
        // One filled row in every table of an application; the rows that exist once per application are
        // filled where they stand.
        for (const QString& table : tables) {
            const QList<DictionaryColumn> columns = dictionaryColumns(table);
            QStringList names;
            store::Values values;
            for (const DictionaryColumn& c : columns) {
                QVariant v = sampleValue(table, c);
                if (c.name.endsWith("_INDEX_MAINHEADER"))
                    v = app;
                else if (c.name.endsWith("_INDEX_PERSON"))
                    v = child;
                else if (c.name.contains("_INDEX_")) // another row of the application
                    v = app;
                names << store::quoteIdentifier(c.name);
                values << v;
            }
            if (table == "MAINHEADER") {
                QStringList assignments;
                store::Values kept;
                for (int i = 0; i < columns.size(); ++i) {
                    if (columns.at(i).name == "BDG_IDENT" || columns.at(i).name == "BDG_SIGN")
                        continue;
                    assignments << names.at(i) + "=?";
                    kept << values.at(i);
                }
                QVERIFY(store::execute(QString("UPDATE MAINHEADER SET %1 WHERE BDG_IDENT=?").arg(assignments.join(',')),
                                       kept << app));
                continue;
            }
            values[0] = table == "PERSON" ? child : TMainObject::NewRowIdent();
            if (table == "PERSON") {
                values[names.indexOf("\"PRS_TYPE\"")] = 2;
                values[names.indexOf("\"PRS_ISDUMMY\"")] = false;
            }
            QVERIFY2(store::execute(QString("INSERT INTO %1 (%2) VALUES (%3)")
                                        .arg(table, names.join(','), QStringList(names.size(), "?").join(',')),
                                    values),
                     qPrintable(table));
        }
        QString error;
        QVERIFY2(store::exportApplication("Familie Groß", &json, &error), qPrintable(error));
        rowsBefore = applicationRows(app);
    }
    // Every table of an application took part, the ones tied to it only through a person too.
    QCOMPARE(rowsBefore.keys(), tables);
    QVERIFY(tables.contains("VERFREE"));
    TestHome target;
    QVERIFY(target.ok());
    QString name, error;
    QVERIFY2(store::importApplication(json, &name, &error), qPrintable(error));
    QCOMPARE(name, QString("Familie Groß"));
    const QMap<QString, QList<QVariantList>> rowsAfter = applicationRows(app);
    for (const QString& table : tables)
        QVERIFY2(rowsAfter.value(table) == rowsBefore.value(table), qPrintable(table));
    // The other application stayed behind.
    QCOMPARE(count("SELECT count(*) FROM MAINHEADER"), 1);
    QCOMPARE(count("SELECT count(*) FROM PERSON WHERE PRS_IDENT<>'DUMMY'"), 2);
}

namespace {

const QString kOther = "{0A000000-0000-4000-8000-000000000001}";      // the stored application "Da"
const QString kOtherChild = "{0A000000-0000-4000-8000-000000000002}"; // a person of "Da"
const QString kNew = "{0B000000-0000-4000-8000-000000000001}";        // the application of the file
const QString kNewChild = "{0B000000-0000-4000-8000-000000000002}";
const QString kStranger = "{0C000000-0000-4000-8000-000000000009}"; // in neither

QJsonObject row(std::initializer_list<std::pair<QString, QJsonValue>> values)
{
    QJsonObject o;
    for (const auto& [k, v] : values)
        o.insert(k, v);
    return o;
}

// A small application as import takes it: header, applicant and one child, one income row.
QJsonObject applicationFile(const QString& ident, const QString& name, const QString& child)
{
    QJsonObject tables;
    tables.insert("MAINHEADER", QJsonArray{row({{"BDG_IDENT", ident}, {"BDG_SIGN", name}})});
    tables.insert("PERSON", QJsonArray{row({{"PRS_IDENT", ident}, {"PRS_INDEX_MAINHEADER", ident}, {"PRS_TYPE", 0},
                                            {"PRS_NUMBER", 1}, {"PRS_NAME", "Alt "}}),
                                       row({{"PRS_IDENT", child}, {"PRS_INDEX_MAINHEADER", ident}, {"PRS_TYPE", 2},
                                            {"PRS_NUMBER", 2}, {"PRS_BIRTHDAY", "2015-03-01"}})});
    tables.insert("MONEYINANY", QJsonArray{row({{"MIA_IDENT", "{0D000000-0000-4000-8000-00000000000" + ident.mid(2, 1) + "}"},
                                                {"MIA_INDEX_MAINHEADER", ident}, {"MIA_INDEX_PERSON", child},
                                                {"MIA_SIGN", "Kindergeld "}, {"MIA_BRUTTO", 250.0}})});
    return tables;
}

QByteArray document(const QJsonObject& tables)
{
    return QJsonDocument(QJsonObject{{"format", "velmora-application"}, {"version", 1}, {"tables", tables}}).toJson();
}

// The file of the new application with one table's rows replaced or one value of a row changed.
QByteArray withRows(const QString& table, const QJsonArray& rows)
{
    QJsonObject tables = applicationFile(kNew, "Neu", kNewChild);
    tables.insert(table, rows);
    return document(tables);
}

QByteArray withValue(const QString& table, int index, const QString& column, const QJsonValue& value)
{
    QJsonObject tables = applicationFile(kNew, "Neu", kNewChild);
    QJsonArray rows = tables.value(table).toArray();
    QJsonObject r = rows.at(index).toObject();
    if (value.isUndefined())
        r.remove(column);
    else
        r.insert(column, value);
    rows.replace(index, r);
    tables.insert(table, rows);
    return document(tables);
}

QByteArray exportOf(const QString& name)
{
    QByteArray json;
    QString error;
    if (!store::exportApplication(name, &json, &error))
        qWarning("%s", qPrintable(error));
    return json;
}

} // namespace

void StoreTest::importRefusesAndWritesNothing_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("reason");
    const QString guid = "{0E000000-0000-4000-8000-000000000001}";
    QTest::newRow("not json") << QByteArray("{kein json") << "kein gültiges JSON";
    QTest::newRow("other format") << QByteArray(R"({"format":"x","version":1,"tables":{}})") << "kein Velmora-Antrag";
    QTest::newRow("tables not an object") << QByteArray(R"({"format":"velmora-application","version":1,"tables":[]})")
                                          << "kein Velmora-Antrag";
    QTest::newRow("unknown table") << withRows("NOPE", {row({{"X", 1}})}) << "Unbekannte Tabelle \"NOPE\"";
    QTest::newRow("users") << withRows("USERS", {row({{"USR_IDENT", guid}})}) << "Unbekannte Tabelle \"USERS\"";
    QTest::newRow("unknown column") << withValue("PERSON", 1, "PRS_WHAT", 1) << "Unbekannte Spalte \"PRS_WHAT\"";
    QTest::newRow("rows not a list") << withRows("VERGIRO", {}).replace("\"VERGIRO\": [\n        ]", "\"VERGIRO\": 5")
                                     << "keine Liste von Zeilen";
    QTest::newRow("row not an object") << withRows("VERGIRO", {QJsonValue(7)}) << "Tabelle VERGIRO, Zeile 1:";
    QTest::newRow("existing name") << document(applicationFile(kNew, "Da", kNewChild)) << "\"Da\" existiert bereits";
    QTest::newRow("existing ident") << withValue("PERSON", 1, "PRS_IDENT", kOtherChild)
                                    << QString("Die Kennung %1 (Tabelle PERSON) existiert bereits").arg(kOtherChild);
    QTest::newRow("key twice") << withValue("PERSON", 1, "PRS_IDENT", kNew) << "mehrfach";
    QTest::newRow("application key DUMMY") << document(applicationFile("DUMMY", "Neu", kNewChild))
                                           << "Tabelle MAINHEADER, Zeile 1, Spalte BDG_IDENT: \"DUMMY\" ist keine Kennung";
    QTest::newRow("person key DUMMY") << withValue("PERSON", 1, "PRS_IDENT", "DUMMY")
                                      << "Tabelle PERSON, Zeile 2, Spalte PRS_IDENT: \"DUMMY\"";
    QTest::newRow("lower-case key") << withValue("PERSON", 1, "PRS_IDENT", kNewChild.toLower()) << "keine Kennung";
    QTest::newRow("key without braces") << withValue("PERSON", 1, "PRS_IDENT", kNewChild.mid(1, 36)) << "keine Kennung";
    QTest::newRow("key not text") << withValue("PERSON", 1, "PRS_IDENT", 12) << "keine Kennung";
    QTest::newRow("unborn child as key")
        << withValue("PERSON", 1, "PRS_IDENT", TMainObject::UnbornChildIdent()) << "keine Kennung";
    QTest::newRow("row of another application")
        << withValue("MONEYINANY", 0, "MIA_INDEX_MAINHEADER", kOther)
        << "Tabelle MONEYINANY, Zeile 1, Spalte MIA_INDEX_MAINHEADER: die Zeile gehört nicht zum übernommenen Antrag";
    QTest::newRow("person of another application")
        << withValue("MONEYINANY", 0, "MIA_INDEX_PERSON", kOtherChild)
        << "Tabelle MONEYINANY, Zeile 1, Spalte MIA_INDEX_PERSON: \"" + kOtherChild + "\" ist keine Person";
    QTest::newRow("person row of another application") << withValue("PERSON", 1, "PRS_INDEX_MAINHEADER", kOther)
                                                       << "gehört nicht zum übernommenen Antrag";
    QTest::newRow("orphan without application")
        << withRows("VERGIRO", {row({{"GRO_IDENT", guid}, {"GRO_OWNER", "Alt "}})})
        << "Tabelle VERGIRO, Zeile 1, Spalte GRO_INDEX_MAINHEADER: die Kennung des Antrags oder der Person fehlt";
    QTest::newRow("orphan of an unknown application")
        << withRows("VERGIRO", {row({{"GRO_IDENT", guid}, {"GRO_INDEX_MAINHEADER", kStranger}})})
        << "gehört nicht zum übernommenen Antrag";
    QTest::newRow("orphan of an unknown person") << withRows("VERFREE", {row({{"FRA_IDENT", guid}, {"FRA_INDEX_PERSON", kStranger}})})
                                                 << "Spalte FRA_INDEX_PERSON: \"" + kStranger + "\" ist keine Person";
    QTest::newRow("orphan with no person") << withRows("VERFREE", {row({{"FRA_IDENT", guid}})})
                                           << "Spalte FRA_INDEX_PERSON: die Kennung des Antrags oder der Person fehlt";
    QTest::newRow("orphan with an empty person")
        << withRows("VERFREE", {row({{"FRA_IDENT", guid}, {"FRA_INDEX_PERSON", " "}})})
        << "Spalte FRA_INDEX_PERSON: \"\" ist keine Person";
    QTest::newRow("the placeholder person") << withValue("MONEYINANY", 0, "MIA_INDEX_PERSON", "DUMMY")
                                            << "\"DUMMY\" ist keine Person";
    QTest::newRow("unborn child outside the claims")
        << withValue("MONEYINANY", 0, "MIA_INDEX_PERSON", TMainObject::UnbornChildIdent()) << "ist keine Person";
    QTest::newRow("other reference outside the file")
        << withRows("Z92UH", {row({{"Z92U_IDENT", guid}, {"Z92U_INDEX_MAINHEADER", kNew}, {"Z92U_INDEX_PERSON", kNewChild},
                                   {"Z92U_INDEX_OTHER", kStranger}})})
        << "Spalte Z92U_INDEX_OTHER: \"" + kStranger + "\" verweist auf keine Zeile";
    QTest::newRow("placeholder flag") << withValue("PERSON", 1, "PRS_ISDUMMY", true) << "Platzhalter";
    QTest::newRow("person type 3") << withValue("PERSON", 1, "PRS_TYPE", 3) << "Spalte PRS_TYPE: erwartet 0, 1 oder 2";
    QTest::newRow("person type -1") << withValue("PERSON", 1, "PRS_TYPE", -1) << "Spalte PRS_TYPE: erwartet 0, 1 oder 2";
    QTest::newRow("object as text") << withValue("PERSON", 1, "PRS_NAME", QJsonObject{{"a", 1}})
                                    << "Tabelle PERSON, Zeile 2, Spalte PRS_NAME: erwartet einen Text";
    QTest::newRow("number as text") << withValue("PERSON", 1, "PRS_NAME", 5) << "Spalte PRS_NAME: erwartet einen Text";
    QTest::newRow("NUL in a text") << withValue("PERSON", 1, "PRS_NAME", QString("Al") + QChar(0) + "t")
                                   << "Spalte PRS_NAME: enthält ein Nullzeichen";
    QTest::newRow("text as amount") << withValue("MONEYINANY", 0, "MIA_BRUTTO", "250") << "Spalte MIA_BRUTTO: erwartet eine Zahl";
    QTest::newRow("amount too large") << withValue("MONEYINANY", 0, "MIA_BRUTTO", 1e300) << "Spalte MIA_BRUTTO: erwartet eine Zahl";
    QTest::newRow("fraction as integer") << withValue("PERSON", 1, "PRS_NUMBER", 1.5) << "Spalte PRS_NUMBER: erwartet eine ganze Zahl";
    QTest::newRow("integer too large") << withValue("PERSON", 1, "PRS_NUMBER", 1e10) << "erwartet eine ganze Zahl";
    QTest::newRow("1 as logical") << withValue("PERSON", 1, "PRS_AZUBI_PROF", 1) << "Spalte PRS_AZUBI_PROF: erwartet true oder false";
    QTest::newRow("null as logical") << withValue("PERSON", 1, "PRS_AZUBI_PROF", QJsonValue::Null) << "erwartet true oder false";
    QTest::newRow("date that does not exist") << withValue("PERSON", 1, "PRS_BIRTHDAY", "2023-02-30")
                                              << "Spalte PRS_BIRTHDAY: erwartet ein Datum der Form JJJJ-MM-TT";
    QTest::newRow("German date") << withValue("PERSON", 1, "PRS_BIRTHDAY", "01.03.2015") << "erwartet ein Datum";
    QTest::newRow("date with time") << withValue("PERSON", 1, "PRS_BIRTHDAY", "2015-03-01T10:00:00") << "erwartet ein Datum";
    QTest::newRow("name too long") << document(applicationFile(kNew, QString(51, 'N'), kNewChild))
                                   << "Spalte BDG_SIGN: der Name ist länger als 50 Zeichen";
    QTest::newRow("huge name") << document(applicationFile(kNew, QString(1 << 20, 'N'), kNewChild)) << "länger als 50";
    QTest::newRow("too large") << QByteArray(store::kMaxImportBytes + 1, ' ') << "größer als 100 MB";
}

void StoreTest::importRefusesAndWritesNothing()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, reason);
    TestHome home;
    QVERIFY(home.ok());
    QString name, error;
    QVERIFY2(store::importApplication(document(applicationFile(kOther, "Da", kOtherChild)), &name, &error),
             qPrintable(error));
    const QByteArray other = exportOf("Da");
    const QString everything = "SELECT (SELECT count(*) FROM MAINHEADER) + (SELECT count(*) FROM PERSON) + "
                               "(SELECT count(*) FROM MONEYINANY) + (SELECT count(*) FROM VERGIRO) + "
                               "(SELECT count(*) FROM VERFREE) + (SELECT count(*) FROM Z92UH)";
    const int before = count(everything);
    QVERIFY(!store::importApplication(json, &name, &error));
    QVERIFY2(error.contains(reason), qPrintable(error));
    QCOMPARE(count(everything), before);
    QCOMPARE(exportOf("Da"), other);
}

void StoreTest::importTakesWhatBelongsToTheApplication()
{
    TestHome home;
    QVERIFY(home.ok());
    QJsonObject tables = applicationFile(kNew, "Neu", kNewChild);
    // The unborn child in the claims; a person pick left empty in a row of the application.
    tables.insert("Z92UH", QJsonArray{row({{"Z92U_IDENT", "{0E000000-0000-4000-8000-000000000001}"},
                                           {"Z92U_INDEX_MAINHEADER", kNew},
                                           {"Z92U_INDEX_PERSON", TMainObject::UnbornChildIdent()},
                                           {"Z92U_INDEX_OTHER", "{0E000000-0000-4000-8000-000000000002}"}})});
    tables.insert("Z92OTH", QJsonArray{row({{"Z92O_IDENT", "{0E000000-0000-4000-8000-000000000002}"},
                                            {"Z92O_INDEX_MAINHEADER", kNew}})});
    tables.insert("MEMBERHELPPERSON", QJsonArray{row({{"MHP_IDENT", "{0E000000-0000-4000-8000-000000000003}"},
                                                      {"MHP_INDEX_MAINHEADER", kNew}, {"MHP_INDEX_PERSON", " "}})});
    // The applicant is a person of the file even where the file leaves out its row.
    tables.insert("VERFREE", QJsonArray{row({{"FRA_IDENT", "{0E000000-0000-4000-8000-000000000004}"},
                                             {"FRA_INDEX_PERSON", kNew}, {"FRA_COUNT", 2}})});
    QString name, error;
    QVERIFY2(store::importApplication(document(tables), &name, &error), qPrintable(error));
    QCOMPARE(name, QString("Neu"));
    QCOMPARE(count("SELECT count(*) FROM Z92UH WHERE Z92U_INDEX_PERSON=?", {TMainObject::UnbornChildIdent()}), 1);
    QCOMPARE(count("SELECT count(*) FROM VERFREE WHERE FRA_INDEX_PERSON=? AND FRA_COUNT=2", {kNew}), 1);
    QCOMPARE(count("SELECT count(*) FROM PERSON WHERE PRS_INDEX_MAINHEADER=?", {kNew}), 2);
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
