// The persons list of the retirement-provision page in the store: the upgrade of an older database
// adds its table, and an application carries it through export and import.

#include "Schema.h"
#include "ServerObjects.h"
#include "Sql.h"
#include "TestHome.h"
#include "Transfer.h"

#include <QtTest>

namespace {

int count(const QString& sql, const store::Values& values = {}) {
    return store::selectValue(sql, values).toInt();
}

} // namespace

class TestVermoegenStore : public QObject {
    Q_OBJECT

private slots:
    void upgradeAddsPensionPersons();
    void pensionPersonsTravelWithTheApplication();
};

void TestVermoegenStore::upgradeAddsPensionPersons() {
    TestHome home;
    QVERIFY(home.ok());
    QCOMPARE(store::tableColumns("VERRVPERSON"),
             (QStringList{"RVP_IDENT", "RVP_INDEX_MAINHEADER", "RVP_INDEX_PERSON", "RVP_NUMBER"}));
    // A database of dictionary version 1 has no such table.
    QVERIFY(store::execute("DROP TABLE VERRVPERSON"));
    QVERIFY(store::execute("PRAGMA user_version = 1"));
    QVERIFY(MainObject->UpgradeSchema());
    QCOMPARE(store::tableColumns("VERRVPERSON"),
             (QStringList{"RVP_IDENT", "RVP_INDEX_MAINHEADER", "RVP_INDEX_PERSON", "RVP_NUMBER"}));
    QCOMPARE(count("SELECT count(*) FROM sqlite_master WHERE type='index' AND name='IX_VERRVPERSON_MAINHEADER'"), 1);
    QCOMPARE(store::selectValue("PRAGMA user_version").toInt(), 2);
    // Once more changes nothing and keeps the rows.
    QVERIFY(store::execute("INSERT INTO VERRVPERSON VALUES ('R1', 'A', 'P', 0)"));
    QVERIFY(MainObject->UpgradeSchema());
    QCOMPARE(count("SELECT count(*) FROM VERRVPERSON"), 1);
}

void TestVermoegenStore::pensionPersonsTravelWithTheApplication() {
    QByteArray json;
    QString app;
    QString person;
    {
        TestHome home;
        QVERIFY(home.ok());
        app = createTestApplication(QStringLiteral("O'Brien"));
        person = TMainObject::NewRowIdent();
        QVERIFY(store::execute("INSERT INTO PERSON (PRS_IDENT, PRS_INDEX_MAINHEADER, PRS_TYPE, PRS_NUMBER) "
                               "VALUES (?, ?, 1, 2)",
                               {person, app}));
        QVERIFY(store::execute("INSERT INTO VERRVPERSON VALUES (?, ?, ?, 3)",
                               {TMainObject::NewRowIdent(), app, person}));
        QVERIFY(store::execute("INSERT INTO VERRVPERSON VALUES (?, 'another application', ?, 0)",
                               {TMainObject::NewRowIdent(), person}));
        QString error;
        QVERIFY2(store::exportApplication(QStringLiteral("O'Brien"), &json, &error), qPrintable(error));
    }
    TestHome home;
    QVERIFY(home.ok());
    QString name;
    QString error;
    QVERIFY2(store::importApplication(json, &name, &error), qPrintable(error));
    QCOMPARE(name, QStringLiteral("O'Brien"));
    QCOMPARE(count("SELECT count(*) FROM VERRVPERSON"), 1);
    QCOMPARE(count("SELECT count(*) FROM VERRVPERSON WHERE RVP_INDEX_MAINHEADER=? AND RVP_INDEX_PERSON=? "
                   "AND RVP_NUMBER=3",
                   {app, person}),
             1);
}

QTEST_MAIN(TestVermoegenStore)
#include "tst_vermoegen_store.moc"
