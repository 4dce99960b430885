// The sheet catalogue on small applications: which sheets and copies each condition and repetition
// gives, what each copy's data sets hold, and the failures. Probe templates stand in for the real ones.

#include "PrintTestSupport.h"

#include <QTest>
#include <memory>

using namespace printtest;
using printing::Mode;

namespace {

const QString kUnborn = QStringLiteral("{FFFFFFFF-FFFF-FFFF-FFFF-FFFFFFFFFFFF}");

QVariantMap money(const QString& app, const QString& person, bool noIncome, bool employed = false) {
    return {{QStringLiteral("MIP_IDENT"), TMainObject::NewRowIdent()}, {QStringLiteral("MIP_INDEX_MAINHEADER"), app},
            {QStringLiteral("MIP_INDEX_PERSON"), person},               {QStringLiteral("MIP_HVAE_NO"), noIncome},
            {QStringLiteral("MIP_HAVE_SOLD"), employed}};
}

QString message(const char* name) {
    return QStringLiteral("Dieses Zusatzblatt (\"%1\") wird gemäß Ihren Angaben nicht benötigt!")
        .arg(QString::fromUtf8(name));
}

} // namespace

class TestPrintCatalogue : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void conditions_data();
    void conditions();
    void personSlots();
    void freshContextPerCopy();
    void unbornChild();
    void rowValues();
    void templateFailures_data();
    void templateFailures();
    void databaseError();
    void checklist();
    void sheetLists_data();
    void sheetLists();

private:
    QString build(const QString& setup);
    std::unique_ptr<TestHome> m_home;
};

void TestPrintCatalogue::init() {
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->ok());
    QVERIFY(writeProbeTemplates(*m_home));
}

void TestPrintCatalogue::cleanup() { m_home.reset(); }

// The applications of the cases, each as small as its point.
QString TestPrintCatalogue::build(const QString& setup) {
    const QString app = application(QStringLiteral("Fall ") + setup, QStringLiteral("Alt"), QStringLiteral("Anna"));
    if (setup == QLatin1String("income-no-employment")) {
        insert(QStringLiteral("MAINMONEY"), money(app, app, false));
    } else if (setup == QLatin1String("no-income")) {
        insert(QStringLiteral("MAINMONEY"), money(app, app, true));
    } else if (setup == QLatin1String("lists")) {
        const QString partner = person(app, 1, 2, QStringLiteral("Bär"), QStringLiteral("Bea"));
        insert(QStringLiteral("MAINMONEY"), money(app, app, false));
        insert(QStringLiteral("MAINMONEY"), money(app, partner, false));
        insert(QStringLiteral("MONEYINANY"), {{QStringLiteral("MIA_IDENT"), TMainObject::NewRowIdent()},
                                              {QStringLiteral("MIA_INDEX_PERSON"), app},
                                              {QStringLiteral("MIA_BRUTTO"), 150.0}});
        insert(QStringLiteral("MONEYINONE"), {{QStringLiteral("MIO_IDENT"), TMainObject::NewRowIdent()},
                                              {QStringLiteral("MIO_INDEX_PERSON"), partner},
                                              {QStringLiteral("MIO_BRUTTO"), 1234.5}});
    } else if (setup == QLatin1String("five")) {
        person(app, 1, 2, QStringLiteral("Bär"), QStringLiteral("Bea"));
        for (int i = 3; i <= 5; ++i)
            person(app, 2, i, QStringLiteral("Kind"), QStringLiteral("K%1").arg(i), QStringLiteral("2010-01-0%1").arg(i));
    } else if (setup == QLatin1String("nine")) {
        // Numbered against their age, and the ninth without a birth date: the order is by birth date.
        for (int i = 1; i <= 9; ++i)
            person(app, 2, 11 - i, QStringLiteral("Kind"), QStringLiteral("K%1").arg(i),
                   i == 9 ? QVariant() : QVariant(QStringLiteral("20%1-05-01").arg(i + 10)));
    } else if (setup == QLatin1String("accident-flag")) {
        update(QStringLiteral("MAINHEADER"), QStringLiteral("BDG_IDENT"), app,
               {{QStringLiteral("BDG_THIRD_UNFALL_YES"), true}});
    } else if (setup == QLatin1String("pkv")) {
        person(app, 1, 2, QStringLiteral("Bär"), QStringLiteral("Bea"));
        store::execute(QStringLiteral("UPDATE PERSON SET PRS_KV_NO_PKV_YES=? WHERE PRS_INDEX_MAINHEADER=?"),
                       {true, app});
    }
    return app;
}

void TestPrintCatalogue::conditions_data() {
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QList<int>>("sheets");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("copies");
    QTest::addColumn<QStringList>("messages");
    const int direct = int(Mode::Direct);
    const int preview = int(Mode::Preview);
    const QStringList none;

    QTest::newRow("bare application, complete") << "bare" << range(1, 37) << direct
        << QStringList{"1 HauptSeite1", "2 HauptSeite2", "3 HauptSeite3", "4 HauptSeite4", "5 HauptSeite5",
                       "6 HauptSeite6", "14 Zusatz_3_S_1", "15 Zusatz_3_S_2", "16 Zusatz_3_S_3",
                       "17 Zusatz_3_S_4", "20 Zusatz_5_S_1"}
        << none;
    QTest::newRow("nobody has income, direct") << "no-income" << range(9, 13) << direct << none << none;
    QTest::newRow("nobody has income, preview") << "no-income" << range(9, 13) << preview
        << QStringList{"9 Zusatz_21_S_1", "10 Zusatz_21_S_2", "11 Zusatz_22_S_1", "12 Zusatz_23_S_1",
                       "13 Zusatz_23_S_2"}
        << QStringList(5, message("Einkommen"));
    QTest::newRow("income but nobody employed") << "income-no-employment" << range(9, 13) << direct
        << QStringList{"9 Zusatz_21_S_1 Alt, Anna", "10 Zusatz_21_S_2 Alt, Anna", "11 Zusatz_22_S_1",
                       "12 Zusatz_23_S_1", "13 Zusatz_23_S_2"}
        << none;
    QTest::newRow("sheet 9 with the lists each person has") << "lists" << QList<int>{9} << direct
        << QStringList{"9 Zusatz_21_S_1 Alt, Anna", "9 Zusatz_211 Alt, Anna", "9 Zusatz_21_S_1 Bär, Bea",
                       "9 Zusatz_212 Bär, Bea"}
        << none;
    QTest::newRow("five persons, direct") << "five" << range(18, 19) << direct << none << none;
    QTest::newRow("five persons, preview") << "five" << QList<int>{18} << preview
        << QStringList{"18 Zusatz_4_S_1"} << QStringList{message("Weitere Personen")};
    QTest::newRow("nine further persons") << "nine" << range(18, 19) << direct
        << QStringList{"18 Zusatz_4_S_1 Kind, K4; Kind, K5; Kind, K6", "18 Zusatz_4_S_1 Kind, K7; Kind, K8; Kind, K9",
                       "19 Zusatz_4_S_2 Kind, K4; Kind, K5; Kind, K6", "19 Zusatz_4_S_2 Kind, K7; Kind, K8; Kind, K9"}
        << none;
    QTest::newRow("accident flag without accidents") << "accident-flag" << range(32, 37) << direct << none
        << QStringList(6, message("Bedürftigkeit durch Unfall"));
    QTest::newRow("no accident flag, preview") << "bare" << QList<int>{32} << preview << none
        << QStringList(2, message("Bedürftigkeit durch Unfall"));
    QTest::newRow("design mode tests nothing") << "bare" << QList<int>{7, 21, 32} << int(Mode::Design)
        << QStringList{"7 Zusatz_1_S_1", "21 Zusatz_6_S_1", "32 Zusatz_10_S_1"} << none;
    QTest::newRow("two privately insured, applicant first") << "pkv" << QList<int>{21} << direct
        << QStringList{"21 Zusatz_6_S_1 Alt, Anna", "21 Zusatz_6_S_1 Bär, Bea"} << none;
    QTest::newRow("nobody privately insured, preview") << "bare" << QList<int>{21} << preview << none
        << QStringList{message("Zuschuss zur Sozialversicherung")};
}

void TestPrintCatalogue::conditions() {
    QFETCH(QString, setup);
    QFETCH(QList<int>, sheets);
    QFETCH(int, mode);
    const QString app = build(setup);
    QVERIFY(!app.isEmpty());
    const Result r = print(app, sheets, Mode(mode));
    QVERIFY2(r.ok, qPrintable(r.error));
    QTEST(r.copies, "copies");
    QTEST(r.messages, "messages");
}

void TestPrintCatalogue::personSlots() {
    const QString app = build(QStringLiteral("nine"));
    const Result r = print(app, {1, 3, 5, 19}, Mode::Direct);
    QVERIFY2(r.ok, qPrintable(r.error));
    QCOMPARE(r.raw.size(), 5);
    // The main form: the three eldest further persons; without a partner the placeholder person.
    const QString page3 = r.raw.at(1).html;
    QCOMPARE(probeLine(page3, QStringLiteral("frDBDataSet4")), QStringLiteral("frDBDataSet4:[1|K1|]"));
    QCOMPARE(probeLine(page3, QStringLiteral("frDBDataSet6")), QStringLiteral("frDBDataSet6:[1|K3|]"));
    QCOMPARE(probeLine(r.raw.at(0).html, QStringLiteral("frDBDataSet3")), QStringLiteral("frDBDataSet3:[1||]"));
    // Joined with MAINMONEY the placeholder has no row: an empty column.
    QCOMPARE(probeLine(r.raw.at(2).html, QStringLiteral("frDBDataSet3")), QStringLiteral("frDBDataSet3:"));
    // Sheet 19's second copy: the seventh to ninth person, and the count of that copy's persons.
    const QString second = r.raw.at(4).html;
    QCOMPARE(probeLine(second, QStringLiteral("frDBDataSet4")), QStringLiteral("frDBDataSet4:"));
    QCOMPARE(probeLine(r.raw.at(3).html, QStringLiteral("frDBDataSet7")), QStringLiteral("frDBDataSet7:[1||3]"));
    QCOMPARE(probeLine(second, QStringLiteral("frDBDataSet7")), QStringLiteral("frDBDataSet7:[1||3]"));
    QCOMPARE(probeLine(second, QStringLiteral("frDBDataSet8")), QStringLiteral("frDBDataSet8:[1||0]"));
}

void TestPrintCatalogue::freshContextPerCopy() {
    const QString app = build(QStringLiteral("lists"));
    // Two other parents, each with a child of their own.
    for (int i = 1; i <= 2; ++i) {
        const QString other = TMainObject::NewRowIdent();
        const QString child = person(app, 2, 2 + i, QStringLiteral("Kind"), QStringLiteral("C%1").arg(i));
        QVERIFY(insert(QStringLiteral("Z92OTH"), {{QStringLiteral("Z92O_IDENT"), other},
                                                  {QStringLiteral("Z92O_INDEX_MAINHEADER"), app},
                                                  {QStringLiteral("Z92O_VNAME"), QStringLiteral("P%1 ").arg(i)}}));
        QVERIFY(insert(QStringLiteral("Z92UH"), {{QStringLiteral("Z92U_IDENT"), TMainObject::NewRowIdent()},
                                                 {QStringLiteral("Z92U_INDEX_MAINHEADER"), app},
                                                 {QStringLiteral("Z92U_INDEX_PERSON"), child},
                                                 {QStringLiteral("Z92U_TYPE"), 0},
                                                 {QStringLiteral("Z92U_INDEX_OTHER"), other}}));
    }
    const Result r = print(app, {2, 9, 29}, Mode::Direct);
    QVERIFY2(r.ok, qPrintable(r.error));
    QCOMPARE(r.copies, (QStringList{"2 HauptSeite2", "9 Zusatz_21_S_1 Alt, Anna", "9 Zusatz_211 Alt, Anna",
                                    "9 Zusatz_21_S_1 Bär, Bea", "9 Zusatz_212 Bär, Bea", "29 Zusatz_9_S_2 , P1",
                                    "29 Zusatz_9_S_2 , P2"}));
    // Sheet 2 has its own application row; nothing of sheet 1 is needed for it.
    QCOMPARE(probeLine(r.raw.at(0).html, QStringLiteral("frDBDataSet1")), QStringLiteral("frDBDataSet1:[1||]"));
    // The first person's sums and lists are on her first template already, and gone for the second.
    QCOMPARE(probeLine(r.raw.at(1).html, QStringLiteral("frDBDataSet4")), QStringLiteral("frDBDataSet4:[1||150,00]"));
    QCOMPARE(probeLine(r.raw.at(1).html, QStringLiteral("frDBDataSet6")), QStringLiteral("frDBDataSet6:[1||]"));
    QCOMPARE(probeLine(r.raw.at(1).html, QStringLiteral("frDBDataSet3")), QStringLiteral("frDBDataSet3:[1|Anna|]"));
    QCOMPARE(probeLine(r.raw.at(3).html, QStringLiteral("frDBDataSet4")), QStringLiteral("frDBDataSet4:[1||]"));
    QCOMPARE(probeLine(r.raw.at(3).html, QStringLiteral("frDBDataSet5")),
             QStringLiteral("frDBDataSet5:[1||1.234,50]"));
    QCOMPARE(probeLine(r.raw.at(3).html, QStringLiteral("frDBDataSet6")), QStringLiteral("frDBDataSet6:"));
    // Each other parent's copy holds that parent and that parent's child only.
    QCOMPARE(probeLine(r.raw.at(5).html, QStringLiteral("Z93DataSet")), QStringLiteral("Z93DataSet:[1|P1|]"));
    QCOMPARE(probeLine(r.raw.at(5).html, QStringLiteral("Z93HlpDataSet")), QStringLiteral("Z93HlpDataSet:[1|C1|]"));
    QCOMPARE(probeLine(r.raw.at(6).html, QStringLiteral("Z93HlpDataSet")), QStringLiteral("Z93HlpDataSet:[1|C2|]"));
}

void TestPrintCatalogue::unbornChild() {
    const QString app = build(QStringLiteral("bare"));
    const QString other = TMainObject::NewRowIdent();
    const QString child = person(app, 2, 2, QStringLiteral("Kind"), QStringLiteral("Carl"));
    QVERIFY(insert(QStringLiteral("Z92OTH"), {{QStringLiteral("Z92O_IDENT"), other},
                                              {QStringLiteral("Z92O_INDEX_MAINHEADER"), app},
                                              {QStringLiteral("Z92O_NAME"), QStringLiteral("D'Angelo ")},
                                              {QStringLiteral("Z92O_VNAME"), QStringLiteral("Maria ")}}));
    for (const QString& who : {child, kUnborn})
        QVERIFY(insert(QStringLiteral("Z92UH"), {{QStringLiteral("Z92U_IDENT"), TMainObject::NewRowIdent()},
                                                 {QStringLiteral("Z92U_INDEX_MAINHEADER"), app},
                                                 {QStringLiteral("Z92U_INDEX_PERSON"), who},
                                                 {QStringLiteral("Z92U_TYPE"), 0},
                                                 {QStringLiteral("Z92U_INDEX_OTHER"), other}}));
    for (const char* base : {"Zusatz_9_S_2", "Zusatz_9_S_3"}) {
        QFile f(m_home->file(QStringLiteral("Daten/Templates/%1.html").arg(QLatin1String(base))));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("{{#frDBDataSet2}}<{{PRS_NAME}}|{{PRS_VNAME}}>{{/frDBDataSet2}}/"
                "{{#Z93HlpDataSet}}<{{PRS_NAME}}|{{PRS_VNAME}}>{{/Z93HlpDataSet}}");
    }
    const Result r = print(app, {29, 30}, Mode::Direct);
    QVERIFY2(r.ok, qPrintable(r.error));
    QCOMPARE(r.copies, (QStringList{"29 Zusatz_9_S_2 D'Angelo, Maria", "30 Zusatz_9_S_3 D'Angelo, Maria"}));
    QCOMPARE(r.raw.at(0).html, QStringLiteral("<Kind|Carl><noch ungeboren|>/<Kind|Carl><noch ungeboren|>"));
    QCOMPARE(r.raw.at(1).html, QStringLiteral("<Kind|Carl>/<Kind|Carl>"));
}

void TestPrintCatalogue::rowValues() {
    const QString app = application(QStringLiteral("O'Brien & <Co>"), QStringLiteral("O'Brien & <Co>"),
                                    QStringLiteral("Jürgen"));
    QVERIFY(update(QStringLiteral("MAINHEADER"), QStringLiteral("BDG_IDENT"), app,
                   {{QStringLiteral("BDG_DATE"), QStringLiteral("2024-06-03")},
                    {QStringLiteral("BDG_CHILDMONEY_BRUTTO"), 1234.5},
                    {QStringLiteral("BDG_LIVING_COST_YES"), true},
                    {QStringLiteral("BDG_NUMBER"), QStringLiteral("  31501BG0042   ")},
                    {QStringLiteral("BDG_OFFICENAME"), QStringLiteral("Jobcenter Köln ")}}));
    person(app, 1, 2, QStringLiteral("Bär"), QStringLiteral("Bea"));
    store::execute(QStringLiteral("UPDATE PERSON SET PRS_BIRTHNAME=? WHERE PRS_TYPE=1 AND PRS_INDEX_MAINHEADER=?"),
                   {QStringLiteral("D'Souza "), app});
    QFile f(m_home->file(QStringLiteral("Daten/Templates/HauptSeite1.html")));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    // The applicant's row has no birth name (NULL): it must not take the partner's from further out.
    f.write("{{#frDBDataSet1}}{{BDG_DATE}}|{{BDG_CHILDMONEY_BRUTTO}}|{{#BDG_LIVING_COST_YES}}ja{{/BDG_LIVING_COST_YES}}"
            "|{{^BDG_LIVING_COST_NO}}nein{{/BDG_LIVING_COST_NO}}|{{BDG_NUMBER}}|{{ANS_STREET}}{{/frDBDataSet1}}\n"
            "{{#frDBDataSet3}}{{#frDBDataSet2}}({{PRS_BIRTHNAME}}){{/frDBDataSet2}}{{PRS_BIRTHNAME}}{{/frDBDataSet3}}\n"
            "{{#Kopf}}{{KOPF_ANTRAG}}|{{KOPF_DATUM}}|{{KOPF_NUMMER}}|{{KOPF_DIENSTSTELLE}}|{{KOPF_ANTRAGSTELLER}}{{/Kopf}}");
    f.close();
    const Result r = print(app, {1}, Mode::Direct);
    QVERIFY2(r.ok, qPrintable(r.error));
    QCOMPARE(r.raw.first().html.split(QLatin1Char('\n')),
             (QStringList{"03.06.2024|1.234,50|ja|nein|31501BG0042|", "()D&#39;Souza",
                          "O&#39;Brien &amp; &lt;Co&gt;|03.06.2024|31501BG0042|Jobcenter Köln|"
                          "O&#39;Brien &amp; &lt;Co&gt;, Jürgen"}));
}

void TestPrintCatalogue::templateFailures_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("missing") << QByteArray() << QStringLiteral("kann nicht geöffnet werden");
    QTest::newRow("unclosed section") << QByteArray("{{#frDBDataSet1}}x") << QStringLiteral("ist fehlerhaft");
    QTest::newRow("mismatched section") << QByteArray("{{#frDBDataSet1}}x{{/frDBDataSet2}}")
                                        << QStringLiteral("ist fehlerhaft");
}

void TestPrintCatalogue::templateFailures() {
    QFETCH(QByteArray, text);
    QFETCH(QString, expected);
    const QString app = build(QStringLiteral("bare"));
    const QString path = m_home->file(QStringLiteral("Daten/Templates/HauptSeite3.html"));
    if (text.isEmpty()) {
        QVERIFY(QFile::remove(path));
    } else {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }
    const Result r = print(app, range(1, 6), Mode::Direct);
    QVERIFY(!r.ok);
    QVERIFY2(r.error.contains(path) && r.error.contains(expected), qPrintable(r.error));
    // The action ends at the failing sheet.
    QCOMPARE(r.copies, (QStringList{"1 HauptSeite1", "2 HauptSeite2"}));
}

void TestPrintCatalogue::databaseError() {
    const QString app = build(QStringLiteral("bare"));
    QVERIFY(store::execute(QStringLiteral("DROP TABLE UHBOSS")));
    const Result r = print(app, range(1, 6), Mode::Direct);
    QVERIFY(!r.ok);
    QVERIFY2(r.error.startsWith(QStringLiteral("Fehler beim Zugriff auf die Datenbank:\n")) &&
                 r.error.contains(QStringLiteral("UHBOSS")),
             qPrintable(r.error));
    QCOMPARE(r.copies, (QStringList{"1 HauptSeite1", "2 HauptSeite2", "3 HauptSeite3", "4 HauptSeite4"}));
}

void TestPrintCatalogue::checklist() {
    const QString app = build(QStringLiteral("bare"));
    QVERIFY(insert(QStringLiteral("NOTEBOOK"), {{QStringLiteral("HTV_IDENT"), TMainObject::NewRowIdent()},
                                                {QStringLiteral("HTV_INDEX_MAINHEADER"), app},
                                                {QStringLiteral("HTV_OWNER"), app},
                                                {QStringLiteral("HTV_TEXT"), QStringLiteral("   Mietvertrag ")},
                                                {QStringLiteral("HTV_NUMBER"), 1}}));
    printing::RecordingSink sink;
    printing::PrintEngine engine(sink, Mode::Direct, [](const QString&) {});
    QVERIFY2(engine.printChecklist(app, printing::personChecklist(), app), qPrintable(engine.error()));
    QCOMPARE(sink.copies().size(), 1);
    QCOMPARE(sink.copies().first().base, QStringLiteral("NoteBook2"));
    QCOMPARE(sink.copies().first().label, QStringLiteral("Alt, Anna"));
    QCOMPARE(probeLine(sink.copies().first().html, QStringLiteral("frDBDataSet3")),
             QStringLiteral("frDBDataSet3:[1|Mietvertrag|]"));
    QCOMPARE(probeLine(sink.copies().first().html, QStringLiteral("frDBDataSet10")),
             QStringLiteral("frDBDataSet10:[1|Anna|]"));
}

void TestPrintCatalogue::sheetLists_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("numbers");
    QTest::newRow("ranges and single sheets") << "14,1-3,9" << QList<int>{1, 2, 3, 9, 14};
    QTest::newRow("overlapping") << "2-4, 3-5" << QList<int>{2, 3, 4, 5};
    QTest::newRow("sheet 38") << "1,38" << QList<int>{};
    QTest::newRow("sheet 0") << "0" << QList<int>{};
    QTest::newRow("reversed range") << "5-3" << QList<int>{};
    QTest::newRow("no number") << "1,,2" << QList<int>{};
}

void TestPrintCatalogue::sheetLists() {
    QFETCH(QString, text);
    QFETCH(QList<int>, numbers);
    QList<int> parsed;
    QString error;
    const bool ok = printing::parseSheetList(text, &parsed, &error);
    QCOMPARE(ok, !numbers.isEmpty());
    if (ok)
        QCOMPARE(parsed, numbers);
    else
        QVERIFY(!error.isEmpty());
}

QTEST_MAIN(TestPrintCatalogue)
#include "tst_print_catalogue.moc"
