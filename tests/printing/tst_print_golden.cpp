// Every sheet copy of the family fixture, filled from the installation's templates, against the golden
// files in tests/printing/golden/: a changed template or data set shows up as a readable diff.
// VELMORA_UPDATE_GOLDEN=1 rewrites the golden files from the current output.

#include "Catalogue.h"
#include "PrintEngine.h"
#include "Render.h"
#include "ServerObjects.h"
#include "TestHome.h"
#include "Transfer.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

const QString kGolden = QStringLiteral(VELMORA_SOURCE_DIR "/tests/printing/golden");

QStringList missingTemplates() {
    QStringList missing;
    for (const QString& base : printing::templateBases())
        if (!QFile::exists(printing::templatePath(base)))
            missing << base;
    return missing;
}

} // namespace

class TestPrintGolden : public QObject {
    Q_OBJECT

private slots:
    void family();
};

void TestPrintGolden::family() {
    TestHome home;
    QVERIFY(home.ok());
    const QStringList missing = missingTemplates();
    if (!missing.isEmpty())
        QSKIP(qPrintable(QStringLiteral("templates not written yet: ") + missing.join(QLatin1Char(' '))));
    QFile fixture(QStringLiteral(VELMORA_SOURCE_DIR "/tests/fixtures/print-family.json"));
    QVERIFY(fixture.open(QIODevice::ReadOnly));
    QString name;
    QString error;
    QVERIFY2(store::importApplication(fixture.readAll(), &name, &error), qPrintable(error));

    printing::RecordingSink sink;
    printing::PrintEngine engine(sink, printing::Mode::Direct, [](const QString&) {});
    QList<int> all;
    for (const printing::Sheet& s : printing::catalogue())
        all << s.number;
    QVERIFY2(engine.print(QStringLiteral("{F1000000-0000-4000-8000-000000000001}"), all), qPrintable(engine.error()));

    QStringList produced;
    for (const printing::SheetCopy& c : sink.copies())
        produced << QStringLiteral("%1_%2.html").arg(produced.size() + 1, 3, 10, QLatin1Char('0')).arg(c.base);

    const QDir dir(kGolden);
    if (qEnvironmentVariable("VELMORA_UPDATE_GOLDEN") == QLatin1String("1")) {
        QVERIFY(QDir().mkpath(kGolden));
        for (const QString& stale : dir.entryList({QStringLiteral("*.html")}, QDir::Files))
            QVERIFY(QFile::remove(dir.filePath(stale)));
        for (qsizetype i = 0; i < produced.size(); ++i) {
            QFile f(dir.filePath(produced.at(i)));
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(sink.copies().at(i).html.toUtf8());
        }
        qInfo("golden files rewritten in %s", qPrintable(kGolden));
        return;
    }

    QCOMPARE(produced, dir.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name));
    for (qsizetype i = 0; i < produced.size(); ++i) {
        QFile f(dir.filePath(produced.at(i)));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList expected = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
        const QStringList actual = sink.copies().at(i).html.split(QLatin1Char('\n'));
        for (qsizetype line = 0; line < std::max(expected.size(), actual.size()); ++line) {
            const QString want = expected.value(line, QStringLiteral("<end of file>"));
            const QString got = actual.value(line, QStringLiteral("<end of file>"));
            if (want != got)
                QFAIL(qPrintable(QStringLiteral("%1, line %2:\n  golden: %3\n  now:    %4")
                                     .arg(produced.at(i))
                                     .arg(line + 1)
                                     .arg(want, got)));
        }
    }
}

QTEST_MAIN(TestPrintGolden)
#include "tst_print_golden.moc"
