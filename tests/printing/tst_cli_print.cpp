// `velmora-cli print` as a user runs it: imported applications printed to PDF, the listing, the text
// of the pages (pdftotext), the margins (pdftotext -bbox), and the failures with their exit codes.

#include "Catalogue.h"
#include "TestHome.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <memory>

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

const QString kFamily = QStringLiteral("Familie O'Neill");

QString fixture(const QString& name) { return QStringLiteral(VELMORA_SOURCE_DIR "/tests/fixtures/") + name; }

Run run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(120000))
        return {};
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

struct Listed {
    int first = 0;
    int last = 0;
    int sheet = 0;
    QString base;
    QString label;
};

QList<Listed> parseList(const QString& out) {
    QList<Listed> list;
    for (const QString& line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList f = line.split(QLatin1Char('\t'));
        const QStringList pages = f.value(0).split(QLatin1Char('-'));
        list << Listed{pages.value(0).toInt(), pages.value(1).toInt(), f.value(1).toInt(), f.value(2), f.value(3)};
    }
    return list;
}

} // namespace

class TestCliPrint : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void familyToPdf();
    void pageText();
    void margins();
    void nothingProduced();
    void previewMessages();
    void failures_data();
    void failures();

private:
    Run cli(const QStringList& args, const TestHome& home) const;
    bool realTemplates() const;
    std::unique_ptr<TestHome> m_home;   // the installation's templates
    std::unique_ptr<TestHome> m_probes; // a template of its own per sheet, for the failures
    QString m_pdf;
    QList<Listed> m_list;
};

Run TestCliPrint::cli(const QStringList& args, const TestHome& home) const {
    return run(QStringLiteral(VELMORA_CLI), QStringList{QStringLiteral("--home"), home.path()} + args);
}

bool TestCliPrint::realTemplates() const {
    for (const QString& base : printing::templateBases())
        if (!QFile::exists(m_home->file(QStringLiteral("Daten/Templates/%1.html").arg(base))))
            return false;
    return true;
}

void TestCliPrint::initTestCase() {
    m_home = std::make_unique<TestHome>(false);
    m_probes = std::make_unique<TestHome>(false);
    QVERIFY(m_home->ok() && m_probes->ok());
    for (const TestHome* home : {m_home.get(), m_probes.get()})
        for (const QString& f : {QStringLiteral("print-family.json"), QStringLiteral("estimate-family.json")}) {
            const Run r = cli({QStringLiteral("import"), fixture(f)}, *home);
            QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        }
    QDir(m_probes->file(QStringLiteral("Daten/Templates"))).removeRecursively();
    QVERIFY(QDir().mkpath(m_probes->file(QStringLiteral("Daten/Templates"))));
    for (const QString& base : printing::templateBases()) {
        QFile f(m_probes->file(QStringLiteral("Daten/Templates/%1.html").arg(base)));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("<p>%1 {{#Kopf}}{{KOPF_ANTRAGSTELLER}}{{/Kopf}}</p>").arg(base).toUtf8());
    }
    m_pdf = m_home->file(QStringLiteral("family.pdf"));
}

void TestCliPrint::cleanupTestCase() {
    m_home.reset();
    m_probes.reset();
}

void TestCliPrint::familyToPdf() {
    if (!realTemplates())
        QSKIP("the installation's templates are not all written yet");
    const Run r = cli({QStringLiteral("print"), kFamily, QStringLiteral("--complete"), QStringLiteral("--list"),
                       QStringLiteral("--pdf"), m_pdf},
                      *m_home);
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    QCOMPARE(r.err, QString());
    m_list = parseList(r.out);

    // Every sheet is needed by this family; the per-person sheets come in the persons' order.
    QStringList copies;
    for (const Listed& l : m_list)
        copies << QStringLiteral("%1 %2 %3").arg(l.sheet).arg(l.base, l.label).trimmed();
    const QStringList expectedStart{"1 HauptSeite1", "2 HauptSeite2", "3 HauptSeite3", "4 HauptSeite4",
                                    "5 HauptSeite5", "6 HauptSeite6", "7 Zusatz_1_S_1", "8 Zusatz_1_S_2",
                                    "9 Zusatz_21_S_1 O'Neill, Jürgen", "9 Zusatz_211 O'Neill, Jürgen",
                                    "9 Zusatz_21_S_1 Groß & Klein, Zoë", "9 Zusatz_212 Groß & Klein, Zoë"};
    QCOMPARE(copies.mid(0, expectedStart.size()), expectedStart);
    QVERIFY(copies.contains(QStringLiteral("18 Zusatz_4_S_1 O'Neill, Jörg; O'Neill, Ömer")));
    QVERIFY(copies.contains(QStringLiteral("29 Zusatz_9_S_2 D'Angelo, Maria")));
    QCOMPARE(copies.last(), QStringLiteral("37 Zusatz_10_S_6 O'Neill, Lukas"));

    // The pages run on without a gap, each copy fits the pages its template has, and the PDF has them all.
    int next = 1;
    for (const Listed& l : m_list) {
        QCOMPARE(l.first, next);
        QFile t(m_home->file(QStringLiteral("Daten/Templates/%1.html").arg(l.base)));
        QVERIFY(t.open(QIODevice::ReadOnly));
        const int pages = 1 + int(QString::fromUtf8(t.readAll()).count(QStringLiteral("page-break-before: always")));
        QVERIFY2(l.last - l.first + 1 == pages,
                 qPrintable(QStringLiteral("%1 takes %2 pages instead of %3").arg(l.base).arg(l.last - l.first + 1).arg(pages)));
        next = l.last + 1;
    }
    const Run info = run(QStringLiteral("pdfinfo"), {m_pdf});
    QVERIFY(info.out.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(next - 1))));
    QVERIFY(info.out.contains(QStringLiteral("pts (A4)")));
}

void TestCliPrint::pageText() {
    if (m_list.isEmpty())
        QSKIP("needs the PDF of familyToPdf");
    const auto pagesOf = [this](int sheet, const QString& base, int copy = 0) {
        for (const Listed& l : m_list)
            if (l.sheet == sheet && l.base == base && copy-- == 0)
                return run(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QString::number(l.first),
                                                          QStringLiteral("-l"), QString::number(l.last),
                                                          QStringLiteral("-layout"), m_pdf, QStringLiteral("-")})
                    .out;
        return QString();
    };
    const QString first = pagesOf(1, QStringLiteral("HauptSeite1"));
    for (const char* text : {"Hauptantrag – Seite 1 von 6", "O'Neill", "Jürgen", "Jobcenter Köln & Umland",
                             "31501BG0042", "03.06.2024", "kein amtlicher Vordruck – HauptSeite1"})
        QVERIFY2(first.contains(QString::fromUtf8(text)), text);
    const QString partner = pagesOf(2, QStringLiteral("HauptSeite2"));
    QVERIFY(partner.contains(QStringLiteral("Groß & Klein")));
    QVERIFY(partner.contains(QStringLiteral("Zoë")));
    QVERIFY(partner.contains(QStringLiteral("D'Souza")));
    QVERIFY(pagesOf(3, QStringLiteral("HauptSeite3")).contains(QStringLiteral("Mia <Mimi>")));
    QVERIFY(pagesOf(7, QStringLiteral("Zusatz_1_S_1")).contains(QStringLiteral("780,00")));
    QVERIFY(pagesOf(9, QStringLiteral("Zusatz_21_S_1")).contains(QStringLiteral("1.384,56")));
    QVERIFY(pagesOf(9, QStringLiteral("Zusatz_211")).contains(QStringLiteral("Zinsen & Dividenden")));
    QVERIFY(pagesOf(9, QStringLiteral("Zusatz_212"), 0).contains(QStringLiteral("612,30")));
    const QString employment = pagesOf(12, QStringLiteral("Zusatz_23_S_1")) + pagesOf(13, QStringLiteral("Zusatz_23_S_2"));
    QVERIFY(employment.contains(QStringLiteral("Fahrtkostenzuschuss")));
    QVERIFY(employment.contains(QStringLiteral("Weihnachtsgeld")));
    QVERIFY(pagesOf(18, QStringLiteral("Zusatz_4_S_1")).contains(QStringLiteral("Ömer")));
    QVERIFY(pagesOf(29, QStringLiteral("Zusatz_9_S_2")).contains(QStringLiteral("noch ungeboren")));
    QVERIFY(!pagesOf(30, QStringLiteral("Zusatz_9_S_3")).contains(QStringLiteral("noch ungeboren")));
}

void TestCliPrint::margins() {
    if (m_list.isEmpty())
        QSKIP("needs the PDF of familyToPdf");
    const Run r = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), m_pdf, QStringLiteral("-")});
    QCOMPARE(r.exitCode, 0);
    static const QRegularExpression page(QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\">"));
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    const double margin = 15.0 / 25.4 * 72.0;
    const double slack = 1.0;
    double width = 0;
    double height = 0;
    int pageNumber = 0;
    int words = 0;
    for (const QString& line : r.out.split(QLatin1Char('\n'))) {
        if (const auto p = page.match(line); p.hasMatch()) {
            width = p.captured(1).toDouble();
            height = p.captured(2).toDouble();
            ++pageNumber;
        } else if (const auto w = word.match(line); w.hasMatch()) {
            ++words;
            const bool inside = w.captured(1).toDouble() >= margin - slack && w.captured(2).toDouble() >= margin - slack &&
                                w.captured(3).toDouble() <= width - margin + slack &&
                                w.captured(4).toDouble() <= height - margin + slack;
            QVERIFY2(inside, qPrintable(QStringLiteral("page %1: \"%2\" lies beyond the margin (%3)")
                                            .arg(pageNumber)
                                            .arg(w.captured(5), line.trimmed())));
        }
    }
    QVERIFY(words > 1000);
}

void TestCliPrint::nothingProduced() {
    const QString pdf = m_probes->file(QStringLiteral("nothing.pdf"));
    const Run r = cli({QStringLiteral("print"), QStringLiteral("Familie Beispiel"), QStringLiteral("--sheet"),
                       QStringLiteral("18-19"), QStringLiteral("--list"), QStringLiteral("--pdf"), pdf},
                      *m_probes);
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QString());
    QCOMPARE(r.err, QStringLiteral("Es wurde kein Blatt erzeugt.\n"));
    QVERIFY(!QFile::exists(pdf));
}

void TestCliPrint::previewMessages() {
    const QString html = m_probes->file(QStringLiteral("html"));
    const Run r = cli({QStringLiteral("print"), QStringLiteral("Familie Beispiel"), QStringLiteral("--group"),
                       QStringLiteral("weitere-personen"), QStringLiteral("--as-preview"), QStringLiteral("--list"),
                       QStringLiteral("--html"), html},
                      *m_probes);
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.err, QStringLiteral("Dieses Zusatzblatt (\"Weitere Personen\") wird gemäß Ihren Angaben nicht benötigt!\n"
                                   "Dieses Zusatzblatt (\"Weitere Personen - Seite 2\") wird gemäß Ihren Angaben nicht "
                                   "benötigt!\n"));
    QCOMPARE(r.out, QStringLiteral("1-1\t18\tZusatz_4_S_1\t\n2-2\t19\tZusatz_4_S_2\t\n"));
    QCOMPARE(QDir(html).entryList(QDir::Files), (QStringList{"001_Zusatz_4_S_1.html", "002_Zusatz_4_S_2.html"}));
    QFile f(QDir(html).filePath(QStringLiteral("001_Zusatz_4_S_1.html")));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(f.readAll()), QStringLiteral("<p>Zusatz_4_S_1 Beispiel, Anna</p>"));
}

void TestCliPrint::failures_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown application") << QStringList{"print", "Niemand", "--complete", "--pdf", "@PDF"} << 1
                                         << QStringLiteral("Es gibt keinen Antrag mit dem Namen \"Niemand\".");
    QTest::newRow("sheet 38") << QStringList{"print", kFamily, "--sheet", "1-5,38", "--pdf", "@PDF"} << 2
                              << QStringLiteral("Ein Blatt 38 gibt es nicht");
    QTest::newRow("unknown group") << QStringList{"print", kFamily, "--group", "kueche", "--pdf", "@PDF"} << 2
                                   << QStringLiteral("Unbekannte Gruppe „kueche“");
    QTest::newRow("nothing chosen") << QStringList{"print", kFamily, "--pdf", "@PDF"} << 2
                                    << QStringLiteral("Es fehlt, was gedruckt werden soll");
    QTest::newRow("two choices") << QStringList{"print", kFamily, "--complete", "--sheet", "1", "--pdf", "@PDF"} << 2
                                 << QStringLiteral("Nur eine der Angaben");
    QTest::newRow("deleted template") << QStringList{"print", kFamily, "--complete", "--pdf", "@PDF"} << 1
                                      << QStringLiteral("@TEMPLATE kann nicht geöffnet werden");
    QTest::newRow("unwritable file") << QStringList{"print", kFamily, "--sheet", "1", "--pdf", "@DIR/nowhere/x.pdf"}
                                     << 1 << QStringLiteral("kann nicht geschrieben werden");
}

void TestCliPrint::failures() {
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    const QString pdf = m_probes->file(QStringLiteral("failure.pdf"));
    const QString removed = m_probes->file(QStringLiteral("Daten/Templates/Zusatz_3_S_2.html"));
    const bool deleting = message.startsWith(QStringLiteral("@TEMPLATE"));
    message.replace(QStringLiteral("@TEMPLATE"), removed);
    args.replaceInStrings(QStringLiteral("@PDF"), pdf).replaceInStrings(QStringLiteral("@DIR"), m_probes->path());
    // A failed print leaves an older file of that name as it was.
    QFile old(pdf);
    QVERIFY(old.open(QIODevice::WriteOnly | QIODevice::Truncate));
    old.write("old");
    old.close();
    QByteArray keep;
    if (deleting) {
        QFile t(removed);
        QVERIFY(t.open(QIODevice::ReadOnly));
        keep = t.readAll();
        t.close();
        QVERIFY(QFile::remove(removed));
    }
    const Run r = cli(args, *m_probes);
    if (deleting) {
        QFile t(removed);
        QVERIFY(t.open(QIODevice::WriteOnly));
        t.write(keep);
    }
    QCOMPARE(r.exitCode, exitCode);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QFile now(pdf);
    QVERIFY(now.open(QIODevice::ReadOnly));
    QCOMPARE(now.readAll(), QByteArray("old"));
    QVERIFY(!QFile::exists(m_probes->file(QStringLiteral("nowhere"))));
}

QTEST_MAIN(TestCliPrint)
#include "tst_cli_print.moc"
