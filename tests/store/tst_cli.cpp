// velmora-cli from outside, as a probe would run it: bad files, damaged databases, a second writer.
// Every refusal has exit code 1, a German message, and leaves the stored applications as they were.

#include "InstanceLock.h"
#include "TestHome.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

const QString kStored = "{0A000000-0000-4000-8000-000000000001}";
const QString kStoredChild = "{0A000000-0000-4000-8000-000000000002}";
const QString kNew = "{0B000000-0000-4000-8000-000000000001}";
const QString kNewChild = "{0B000000-0000-4000-8000-000000000002}";

QByteArray applicationFile(const QString& ident, const QString& name, const QString& child,
                           const std::function<void(QJsonObject&)>& change = {})
{
    QJsonObject tables;
    tables.insert("MAINHEADER", QJsonArray{QJsonObject{{"BDG_IDENT", ident}, {"BDG_SIGN", name}}});
    tables.insert("PERSON", QJsonArray{QJsonObject{{"PRS_IDENT", ident}, {"PRS_INDEX_MAINHEADER", ident}, {"PRS_TYPE", 0}},
                                       QJsonObject{{"PRS_IDENT", child}, {"PRS_INDEX_MAINHEADER", ident}, {"PRS_TYPE", 2}}});
    tables.insert("VERGIRO", QJsonArray{QJsonObject{{"GRO_IDENT", "{0D000000-0000-4000-8000-00000000000" + ident.mid(2, 1) + "}"},
                                                    {"GRO_INDEX_MAINHEADER", ident}, {"GRO_BRUTTO", 1136.8}}});
    if (change)
        change(tables);
    return QJsonDocument(QJsonObject{{"format", "velmora-application"}, {"version", 1}, {"tables", tables}}).toJson();
}

QByteArray fileHash(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(content), content.size());
}

} // namespace

class CliTest : public QObject {
    Q_OBJECT
private slots:
    void importRefusesFromOutside_data();
    void importRefusesFromOutside();
    void exportCannotOverwriteTheProgramsFiles_data();
    void exportCannotOverwriteTheProgramsFiles();
    void exportIsPrivateAndWhole();
    void damagedDatabaseIsRefused_data();
    void damagedDatabaseIsRefused();
    void importWaitsForNoOtherWriter_data();
    void importWaitsForNoOtherWriter();

private:
    // Runs the command line on the test's program folder; as the user nobody when `other` is set and
    // the test runs as root, since root writes read-only files.
    Run cli(const QStringList& args, bool other = false) const;
    std::unique_ptr<TestHome> m_home;
};

Run CliTest::cli(const QStringList& args, bool other) const
{
    QProcess p;
    QStringList call = QStringList{"--home", m_home->path()} + args;
    if (other && geteuid() == 0)
        p.start("setpriv", QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", VELMORA_CLI} + call);
    else
        p.start(VELMORA_CLI, call);
    if (!p.waitForFinished(60000))
        return {};
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

void CliTest::importRefusesFromOutside_data()
{
    QTest::addColumn<QByteArray>("content"); // the file to import; special files by name below
    QTest::addColumn<QString>("special");
    QTest::addColumn<QString>("reason");
    const auto changed = [](const std::function<void(QJsonObject&)>& change) {
        return applicationFile(kNew, "Neu", kNewChild, change);
    };
    const auto giro = [](const QJsonObject& values) {
        return [values](QJsonObject& tables) {
            QJsonObject row{{"GRO_IDENT", "{0E000000-0000-4000-8000-000000000001}"}};
            for (auto it = values.begin(); it != values.end(); ++it)
                row.insert(it.key(), it.value());
            tables.insert("VERGIRO", QJsonArray{row});
        };
    };
    QTest::newRow("account for the stored application")
        << changed(giro({{"GRO_INDEX_MAINHEADER", kStored}})) << "" << "gehört nicht zum übernommenen Antrag";
    QTest::newRow("person for the stored application") << changed([](QJsonObject& t) {
        t.insert("PERSON", QJsonArray{QJsonObject{{"PRS_IDENT", kNew}, {"PRS_INDEX_MAINHEADER", kNew}, {"PRS_TYPE", 0}},
                                      QJsonObject{{"PRS_IDENT", kNewChild}, {"PRS_INDEX_MAINHEADER", kStored}, {"PRS_TYPE", 2}}});
    }) << "" << "Tabelle PERSON, Zeile 2, Spalte PRS_INDEX_MAINHEADER";
    QTest::newRow("income of a stored person") << changed([](QJsonObject& t) {
        t.insert("MONEYINANY", QJsonArray{QJsonObject{{"MIA_IDENT", "{0E000000-0000-4000-8000-000000000002}"},
                                                      {"MIA_INDEX_MAINHEADER", kNew}, {"MIA_INDEX_PERSON", kStoredChild}}});
    }) << "" << "ist keine Person des übernommenen Antrags";
    QTest::newRow("orphan") << changed(giro({{"GRO_INDEX_MAINHEADER", "{0F000000-0000-4000-8000-000000000001}"}})) << ""
                            << "gehört nicht zum übernommenen Antrag";
    QTest::newRow("application DUMMY") << applicationFile("DUMMY", "Neu", kNewChild) << "" << "\"DUMMY\" ist keine Kennung";
    QTest::newRow("object as text") << changed(giro({{"GRO_INDEX_MAINHEADER", kNew}, {"GRO_BANK", QJsonObject{{"x", 1}}}}))
                                    << "" << "Spalte GRO_BANK: erwartet einen Text";
    QTest::newRow("text as amount") << changed(giro({{"GRO_INDEX_MAINHEADER", kNew}, {"GRO_BRUTTO", "viel"}})) << ""
                                    << "Spalte GRO_BRUTTO: erwartet eine Zahl";
    QTest::newRow("NUL") << changed(giro({{"GRO_INDEX_MAINHEADER", kNew}, {"GRO_BANK", QString("Bank") + QChar(0)}}))
                         << "" << "Nullzeichen";
    QTest::newRow("huge name") << applicationFile(kNew, QString(100000, 'N'), kNewChild) << ""
                               << "länger als 50 Zeichen";
    QTest::newRow("endless device") << QByteArray() << "/dev/zero" << "keine gewöhnliche Datei";
    QTest::newRow("over 100 MB") << QByteArray() << "sparse" << "größer als 100 MB";
    QTest::newRow("folder") << QByteArray() << "folder" << "keine gewöhnliche Datei";
    QTest::newRow("missing") << QByteArray() << "missing" << "kann nicht gelesen werden";
}

void CliTest::importRefusesFromOutside()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, special);
    QFETCH(QString, reason);
    m_home = std::make_unique<TestHome>(false);
    QVERIFY(m_home->ok());
    const QString stored = m_home->file("stored.json");
    writeFile(stored, applicationFile(kStored, "Da", kStoredChild));
    Run r = cli({"import", stored});
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    const Run before = cli({"export", "Da"});
    QCOMPARE(before.exitCode, 0);

    QString file = m_home->file("probe.json");
    if (special == "/dev/zero")
        file = special;
    else if (special == "sparse") {
        writeFile(file, "{");
        QVERIFY(QFile::resize(file, 100 * 1024 * 1024 + 1));
    }
    else if (special == "folder")
        QVERIFY(QDir().mkpath(file));
    else if (special.isEmpty())
        writeFile(file, content);
    r = cli({"import", file});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(reason), qPrintable(r.err));
    QCOMPARE(cli({"list"}).out, QString("Da\n"));
    QCOMPARE(cli({"export", "Da"}).out, before.out);
    m_home.reset();
}

void CliTest::exportCannotOverwriteTheProgramsFiles_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("the database") << "Daten/Default/REDIR.sqlite";
    QTest::newRow("its log") << "Daten/Default/REDIR.sqlite-wal";
    QTest::newRow("a file in Daten") << "Daten/Tooltips/export.json";
    QTest::newRow("the dictionary by a detour") << "Formulare/../Daten/Default/schema.sql";
    QTest::newRow("a link to the database") << "link.sqlite";
}

void CliTest::exportCannotOverwriteTheProgramsFiles()
{
    QFETCH(QString, target);
    m_home = std::make_unique<TestHome>(false);
    QVERIFY(m_home->ok());
    const QString stored = m_home->file("stored.json");
    writeFile(stored, applicationFile(kStored, "Da", kStoredChild));
    QCOMPARE(cli({"import", stored}).exitCode, 0);
    const QString db = m_home->file("Daten/Default/REDIR.sqlite");
    QVERIFY(QFile::link(db, m_home->file("link.sqlite")));
    const QByteArray before = fileHash(db);
    const QByteArray targetBefore = fileHash(m_home->file(target));
    const Run r = cli({"export", "Da", m_home->file(target)});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains("liegt im Ordner Daten des Programms oder ist die Datenbank selbst"), qPrintable(r.err));
    QCOMPARE(fileHash(db), before);
    QCOMPARE(fileHash(m_home->file(target)), targetBefore);
    QCOMPARE(cli({"list"}).out, QString("Da\n"));
    m_home.reset();
}

void CliTest::exportIsPrivateAndWhole()
{
    m_home = std::make_unique<TestHome>(false);
    QVERIFY(m_home->ok());
    const QString stored = m_home->file("stored.json");
    writeFile(stored, applicationFile(kStored, "Da", kStoredChild));
    QCOMPARE(cli({"import", stored}).exitCode, 0);
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath("da.json");
    writeFile(target, "an earlier export");
    QVERIFY(QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther));
    const Run r = cli({"export", "Da", target});
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    const auto permissions = QFile::permissions(target);
    QVERIFY(permissions.testFlags(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QVERIFY(!(permissions & (QFileDevice::ExeOwner | QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                             QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::WriteOther |
                             QFileDevice::ExeOther)));
    QFile f(target);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QJsonObject document = QJsonDocument::fromJson(f.readAll()).object();
    QCOMPARE(document.value("tables").toObject().value("MAINHEADER").toArray().first().toObject().value("BDG_SIGN").toString(),
             QString("Da"));
    // Nothing of the writing is left beside it.
    QCOMPARE(QDir(elsewhere.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"da.json"});
    m_home.reset();
}

void CliTest::damagedDatabaseIsRefused_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("reason");
    QTest::newRow("0-byte file, list") << "empty" << "list" << "ist leer (0 Byte)";
    QTest::newRow("0-byte file, init") << "empty" << "init" << "ist leer (0 Byte)";
    QTest::newRow("folder, list") << "folder" << "list" << "liegt ein Ordner";
    QTest::newRow("folder, init") << "folder" << "init" << "liegt ein Ordner";
    QTest::newRow("read-only WAL database") << "read-only" << "list" << "kann nicht beschrieben werden";
    QTest::newRow("read-only folder") << "read-only folder" << "list" << "kann nicht beschrieben werden";
}

void CliTest::damagedDatabaseIsRefused()
{
    QFETCH(QString, damage);
    QFETCH(QString, command);
    QFETCH(QString, reason);
    m_home = std::make_unique<TestHome>(false);
    QVERIFY(m_home->ok());
    const QString db = m_home->file("Daten/Default/REDIR.sqlite");
    QCOMPARE(cli({"list"}).exitCode, 0); // leaves the database in WAL mode
    if (damage == "empty" || damage == "folder") {
        QVERIFY(QFile::remove(db));
        if (damage == "empty")
            writeFile(db, {});
        else
            QVERIFY(QDir().mkpath(db));
    }
    const bool other = damage.startsWith("read-only");
    if (other && geteuid() == 0) {
        // The user nobody owns the program folder and may not write what is made read-only.
        QVERIFY(QProcess::execute("chown", {"-R", "65534:65534", m_home->path()}) == 0);
    }
    if (damage == "read-only")
        QVERIFY(QFile::setPermissions(db, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    if (damage == "read-only folder")
        QVERIFY(QFile::setPermissions(m_home->file("Daten/Default"), QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                                                      QFileDevice::ReadOther | QFileDevice::ExeOther));
    const QByteArray before = fileHash(db);
    const qint64 size = QFileInfo(db).size();
    const Run r = cli({command}, other);
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(reason), qPrintable(r.err));
    QCOMPARE(QFileInfo(db).isDir(), damage == "folder");
    QCOMPARE(QFileInfo(db).size(), size);
    QCOMPARE(fileHash(db), before);
    QFile::setPermissions(m_home->file("Daten/Default"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    m_home.reset();
}

void CliTest::importWaitsForNoOtherWriter_data()
{
    QTest::addColumn<bool>("readOnlyProgramFolder");
    QTest::newRow("program folder writable") << false;
    QTest::newRow("program folder read-only") << true;
}

void CliTest::importWaitsForNoOtherWriter()
{
    QFETCH(bool, readOnlyProgramFolder);
    m_home = std::make_unique<TestHome>(false);
    QVERIFY(m_home->ok());
    const QString stored = m_home->file("stored.json");
    writeFile(stored, applicationFile(kStored, "Da", kStoredChild));
    QCOMPARE(cli({"import", stored}).exitCode, 0);
    const QString probe = m_home->file("neu.json");
    writeFile(probe, applicationFile(kNew, "Neu", kNewChild));
    // The command line runs as the user nobody where the test runs as root, so that the read-only
    // program folder binds it; the desktop program's lock is taken by the test itself.
    if (geteuid() == 0)
        QVERIFY(QProcess::execute("chown", {"-R", "65534:65534", m_home->path()}) == 0);
    if (readOnlyProgramFolder)
        QVERIFY(QFile::setPermissions(m_home->path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                                          QFileDevice::ReadOther | QFileDevice::ExeOther));
    InstanceLock desktop(m_home->path());
    QVERIFY(desktop.acquire());
    const Run refused = cli({"import", probe}, true);
    const Run listed = cli({"list"}, true);
    desktop.release();
    const Run imported = cli({"import", probe}, true);
    QFile::setPermissions(m_home->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    QCOMPARE(refused.exitCode, 1);
    QVERIFY2(refused.err.contains("Velmora ist geöffnet"), qPrintable(refused.err));
    // Reading commands may run beside it.
    QCOMPARE(listed.exitCode, 0);
    QCOMPARE(listed.out, QString("Da\n"));
    QVERIFY2(imported.exitCode == 0, qPrintable(imported.err));
    QCOMPARE(cli({"list"}).out, QString("Da\nNeu\n"));
    m_home.reset();
}

QTEST_GUILESS_MAIN(CliTest)
#include "tst_cli.moc"
