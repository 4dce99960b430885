// Page 1 of the claims dialog (employer claims, other benefits) and where the dialog's buttons lead.
#include "AnspruchTest.h"

#include "DataDialog.h"
#include "FixedGrid.h"

#include <QCheckBox>
#include <QToolButton>

using namespace claims_test;

namespace {

// Stands in for a neighbour in the bar.
class Neighbour : public DataDialog {
public:
    Neighbour(int panel, int pages) : DataDialog(panel, QStringLiteral("Neighbour%1").arg(panel))
    {
        for (int p = 0; p < pages; ++p)
            addPage({QStringLiteral("Seite %1").arg(p), 0, new QWidget, [this, p] { shown = p; }});
    }
    int shown = -1;
};

QList<int> uhmain(const QString& application, const QString& columns)
{
    store::Rows row = store::select(QStringLiteral("SELECT %1 FROM UHMAIN WHERE UHM_INDEX_MAINHEADER=?").arg(columns),
                                    {application});
    QList<int> values;
    if (row.next())
        for (int i = 0; i < columns.count(',') + 1; ++i)
            values << row.query().value(i).toInt();
    return values;
}

QList<int> header(const QString& application, const QString& columns)
{
    store::Rows row =
        store::select(QStringLiteral("SELECT %1 FROM MAINHEADER WHERE BDG_IDENT=?").arg(columns), {application});
    QList<int> values;
    if (row.next())
        for (int i = 0; i < columns.count(',') + 1; ++i)
            values << row.query().value(i).toInt();
    return values;
}

} // namespace

class EmployerPageTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void pairsLoadFromTheirColumns_data();
    void pairsLoadFromTheirColumns();
    void aClickWritesOnlyItsOwnQuestion();
    void rowsAreNumberedByPositionAndReloadPacked();
    void noKeepsTheRows();
    void failingInsertKeepsTheOldList();
    void clearRowAsksAndSaves();
    void chainLeadsToTheNeighbours();

private:
    void showPage();
    FixedGrid* grid(const QString& name) { return find<FixedGrid>(m_dialog, name); }
    QCheckBox* box(const QString& name) { return find<QCheckBox>(m_dialog, name); }
    QString m_app;
    TestHome* m_home = nullptr;
    ScriptedMessages* m_messages = nullptr;
    TAnspruchMainDlg* m_dialog = nullptr;
};

void EmployerPageTest::init()
{
    m_home = new TestHome;
    QVERIFY(m_home->ok());
    m_messages = new ScriptedMessages;
    m_app = createTestApplication(QStringLiteral("Antrag"));
    addPerson(0, QStringLiteral("Müller"), QStringLiteral("Anna"));
    addPerson(1, QStringLiteral("O'Neill"), QStringLiteral("Sean"));
    m_dialog = new TAnspruchMainDlg;
    m_dialog->resize(1000, 700);
}

void EmployerPageTest::cleanup()
{
    delete m_dialog;
    m_dialog = nullptr;
    store::DialogRegistry::instance().clear();
    delete m_messages;
    delete m_home;
}

void EmployerPageTest::showPage()
{
    m_dialog->show();
    m_dialog->ShowPage(1);
}

void EmployerPageTest::pairsLoadFromTheirColumns_data()
{
    QTest::addColumn<int>("yes");
    QTest::addColumn<int>("no");
    QTest::addColumn<bool>("shownYes");
    QTest::newRow("never answered") << 0 << 0 << false;
    QTest::newRow("Ja") << 1 << 0 << true;
    QTest::newRow("Nein") << 0 << 1 << false;
}

void EmployerPageTest::pairsLoadFromTheirColumns()
{
    QFETCH(int, yes);
    QFETCH(int, no);
    QFETCH(bool, shownYes);
    QVERIFY(store::execute("UPDATE UHMAIN SET UHM_BOSS_YES=?, UHM_BOSS_NO=?, UHM_HELP_YES=?, UHM_HELP_NO=? "
                           "WHERE UHM_INDEX_MAINHEADER=?",
                           {yes, no, yes, no, m_app}));
    showPage();
    for (const QString prefix : {"UHM_BOSS", "UHM_HELP"}) {
        QCOMPARE(box(prefix + "_YES")->isChecked(), shownYes);
        QCOMPARE(box(prefix + "_NO")->isChecked(), !shownYes);
    }
    QCOMPARE(grid("BossTree")->isVisibleTo(m_dialog), shownYes);
    QCOMPARE(grid("HelpTree")->isVisibleTo(m_dialog), shownYes);
    QCOMPARE(find<QToolButton>(m_dialog, "BossClearRowButton")->isVisibleTo(m_dialog), shownYes);
    QCOMPARE(find<QToolButton>(m_dialog, "HelpClearAllButton")->isVisibleTo(m_dialog), shownYes);
}

void EmployerPageTest::aClickWritesOnlyItsOwnQuestion()
{
    // The answers of the other questions and pages as another session left them.
    QVERIFY(store::execute("UPDATE UHMAIN SET UHM_HELP_YES=1, UHM_UNF_YES=1 "
                           "WHERE UHM_INDEX_MAINHEADER=?", {m_app}));
    QVERIFY(store::execute("UPDATE MAINHEADER SET BDG_THIRD_WANTTO_YES=1, BDG_THIRD_UNFALL_YES=1 WHERE BDG_IDENT=?",
                           {m_app}));
    showPage();
    QVERIFY(store::execute("UPDATE UHMAIN SET UHM_HELP_YES=0, UHM_HELP_NO=1 WHERE UHM_INDEX_MAINHEADER=?", {m_app}));
    clickBox(box("UHM_BOSS_YES"));
    QVERIFY(grid("BossTree")->isVisibleTo(m_dialog));
    QCOMPARE(uhmain(m_app, "UHM_BOSS_YES, UHM_BOSS_NO, UHM_UNTERHALT_YES, UHM_UNTERHALT_NO"), QList<int>({1, 0, 0, 1}));
    QCOMPARE(header(m_app, "BDG_THIRD_YES, BDG_THIRD_NO, BDG_UNTERH_YES, BDG_UNTERH_NO"), QList<int>({1, 0, 0, 1}));
    // What the page shows of the benefits question is not written over what another place stored.
    QCOMPARE(uhmain(m_app, "UHM_HELP_YES, UHM_HELP_NO, UHM_UNF_YES"), QList<int>({0, 1, 1}));
    QCOMPARE(header(m_app, "BDG_THIRD_WANTTO_YES, BDG_THIRD_UNFALL_YES"), QList<int>({1, 1}));

    clickBox(box("UHM_HELP_NO"));
    QCOMPARE(uhmain(m_app, "UHM_HELP_YES, UHM_HELP_NO"), QList<int>({0, 1}));
    QCOMPARE(header(m_app, "BDG_THIRD_WANTTO_YES, BDG_THIRD_WANTTO_NO"), QList<int>({0, 1}));
    clickBox(box("UHM_HELP_NO"));
    QCOMPARE(uhmain(m_app, "UHM_HELP_YES, UHM_HELP_NO"), QList<int>({0, 0})); // unanswered
    QCOMPARE(header(m_app, "BDG_THIRD_WANTTO_YES, BDG_THIRD_WANTTO_NO"), QList<int>({0, 0}));
    QCOMPARE(uhmain(m_app, "UHM_BOSS_YES"), QList<int>({1}));
}

void EmployerPageTest::rowsAreNumberedByPositionAndReloadPacked()
{
    QVERIFY(store::execute("UPDATE UHMAIN SET UHM_BOSS_YES=1, UHM_HELP_YES=1 WHERE UHM_INDEX_MAINHEADER=?", {m_app}));
    showPage();
    FixedGrid* boss = grid("BossTree");
    QCOMPARE(boss->personNames(), QStringList({"Müller, Anna", "O'Neill, Sean"}));
    boss->setCell(0, 0, QString("Müller, Anna"));
    boss->setCell(0, 1, QString("Bau GmbH, Weg 1"));
    boss->setCell(2, 0, QString("O'Neill, Sean"));
    boss->setCell(2, 3, QString("ArbG Köln 1 Ca 2/26"));
    FixedGrid* help = grid("HelpTree");
    help->setCell(1, 1, QString("Wohngeld")); // no owner: not stored
    help->setCell(3, 0, QString("Müller, Anna"));
    help->setCell(3, 4, QString("01.01.2027"));
    m_dialog->SpeedButton2->click(); // back to page 0 saves both grids
    QCOMPARE(m_dialog->currentPage(), 0);
    QCOMPARE(value("SELECT GROUP_CONCAT(UHB_NUMBER) FROM (SELECT UHB_NUMBER FROM UHBOSS WHERE UHB_INDEX_MAINHEADER=? "
                   "ORDER BY UHB_NUMBER)", {m_app}).toString(),
             QString("0,2"));
    QCOMPARE(value("SELECT UHB_GERICHT FROM UHBOSS WHERE UHB_NUMBER=2", {}).toString(), QString("ArbG Köln 1 Ca 2/26 "));
    QCOMPARE(value("SELECT UHB_OWNER FROM UHBOSS WHERE UHB_NUMBER=2", {}).toString(), QString("O'Neill, Sean "));
    QCOMPARE(count("UHHELP", "UHH_INDEX_MAINHEADER=?", {m_app}), 1);
    QCOMPARE(value("SELECT UHH_NUMBER FROM UHHELP", {}).toInt(), 3);
    QCOMPARE(value("SELECT UHH_STARTDATE FROM UHHELP", {}).toString(), QString("01.01.2027 "));

    m_dialog->ShowPage(1);
    QCOMPARE(boss->text(0, 1), QString("Bau GmbH, Weg 1"));
    QCOMPARE(boss->text(1, 0), QString("O'Neill, Sean"));
    QCOMPARE(boss->text(1, 3), QString("ArbG Köln 1 Ca 2/26"));
    QCOMPARE(boss->text(2, 0), QString());
    QCOMPARE(help->text(0, 0), QString("Müller, Anna"));
    QCOMPARE(help->text(1, 1), QString());
}

void EmployerPageTest::noKeepsTheRows()
{
    QVERIFY(store::execute("UPDATE UHMAIN SET UHM_BOSS_YES=1 WHERE UHM_INDEX_MAINHEADER=?", {m_app}));
    QVERIFY(store::execute("INSERT INTO UHBOSS VALUES (?, ?, 'Müller, Anna ', 'Bau ', ' ', ' ', 0)",
                           {TMainObject::NewRowIdent(), m_app}));
    showPage();
    clickBox(box("UHM_BOSS_NO"));
    QVERIFY(!grid("BossTree")->isVisibleTo(m_dialog));
    QCOMPARE(uhmain(m_app, "UHM_BOSS_YES, UHM_BOSS_NO"), QList<int>({0, 1}));
    QCOMPARE(header(m_app, "BDG_THIRD_YES, BDG_THIRD_NO"), QList<int>({0, 1}));
    m_dialog->deactivate();
    QCOMPARE(count("UHBOSS", "UHB_INDEX_MAINHEADER=?", {m_app}), 1);
}

void EmployerPageTest::failingInsertKeepsTheOldList()
{
    QVERIFY(store::execute("INSERT INTO UHHELP VALUES (?, ?, 'Müller, Anna ', 'Alt ', ' ', ' ', ' ', 0)",
                           {TMainObject::NewRowIdent(), m_app}));
    QVERIFY(store::execute("CREATE TRIGGER refuse BEFORE INSERT ON UHHELP WHEN NEW.UHH_TYPE LIKE 'FEHLER%' "
                           "BEGIN SELECT RAISE(ABORT, 'abgelehnt'); END"));
    showPage();
    FixedGrid* help = grid("HelpTree");
    help->setCell(0, 1, QString("Neu"));
    help->setCell(1, 0, QString("O'Neill, Sean"));
    help->setCell(1, 1, QString("FEHLER"));
    m_dialog->deactivate();
    QCOMPARE(count("UHHELP", "UHH_INDEX_MAINHEADER=?", {m_app}), 1);
    QCOMPARE(value("SELECT UHH_TYPE FROM UHHELP", {}).toString(), QString("Alt "));
}

void EmployerPageTest::clearRowAsksAndSaves()
{
    QVERIFY(store::execute("UPDATE UHMAIN SET UHM_BOSS_YES=1 WHERE UHM_INDEX_MAINHEADER=?", {m_app}));
    QVERIFY(store::execute("INSERT INTO UHBOSS VALUES (?, ?, 'Müller, Anna ', 'Bau ', ' ', ' ', 0)",
                           {TMainObject::NewRowIdent(), m_app}));
    showPage();
    FixedGrid* boss = grid("BossTree");
    boss->setCurrentCell(0, 1);
    m_messages->answer({store::Answer::No});
    find<QToolButton>(m_dialog, "BossClearRowButton")->click();
    QCOMPARE(count("UHBOSS", "UHB_INDEX_MAINHEADER=?", {m_app}), 1);
    m_messages->answer({store::Answer::Yes});
    find<QToolButton>(m_dialog, "BossClearRowButton")->click();
    QCOMPARE(count("UHBOSS", "UHB_INDEX_MAINHEADER=?", {m_app}), 0);
    QVERIFY(m_messages->texts().contains("Wollen Sie den Inhalt der Zeile löschen?"));
}

void EmployerPageTest::chainLeadsToTheNeighbours()
{
    auto* assets = new Neighbour(2, 13);
    auto* housing = new Neighbour(4, 1);
    store::DialogRegistry::instance().registerFactory(2, [assets] { return assets; });
    store::DialogRegistry::instance().registerFactory(4, [housing] { return housing; });
    m_dialog->show();
    m_dialog->ShowPage(0);
    m_dialog->SpeedButton2->click();
    QCOMPARE(assets->currentPage(), 12);
    QCOMPARE(assets->shown, 12);
    m_dialog->ShowPage(0);
    m_dialog->SpeedButton1->click();
    QCOMPARE(m_dialog->currentPage(), 1);
    QCOMPARE(m_dialog->Label1->text(), QString("Ansprüche - gegen Arbeitgeber, Sozialdienste"));
    m_dialog->SpeedButton1->click();
    if (m_dialog->pageCount() == 3) {
        QCOMPARE(m_dialog->currentPage(), 2);
        m_dialog->SpeedButton1->click();
    }
    QCOMPARE(housing->shown, 0);
    delete assets;
    delete housing;
}

QTEST_MAIN(EmployerPageTest)
#include "tst_anspruch_employer.moc"
