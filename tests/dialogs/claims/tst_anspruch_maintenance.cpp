// Page 0 of the claims dialog, driven through its widgets: the separation questions and their rows,
// the child assignment, the other parents and the keyed grids.
#include "AnspruchTest.h"

#include "AnspruchMain.h"
#include "DataDialog.h"

#include <QCheckBox>
#include <QToolButton>

using namespace claims_test;

namespace {

const QString kUnborn = QStringLiteral("{FFFFFFFF-FFFF-FFFF-FFFF-FFFFFFFFFFFF}");

QDate yearsAgo(int years, int dayOffset) { return QDate::currentDate().addYears(-years).addDays(dayOffset); }

} // namespace

class MaintenancePageTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void loadedSeparationStateShowsAndKeeps_data();
    void loadedSeparationStateShowsAndKeeps();
    void switchingApplicationsKeepsTheNewOnesSeparationRows();
    void unreadableAnswersAreReportedAndCleanNothingUp();
    void divorceThenApplicantGivesARowThatGoesWithTheDivorce();
    void partnerBoxWithoutPartnerUnticksItself();
    void missingMaintenanceRowIsCreatedBeforeTheFirstWrite();
    void separatedRowIsSavedWithSwappedNames();
    void childAssignmentFollowsKindAndAge_data();
    void childAssignmentFollowsKindAndAge();
    void changingTheKindUpdatesIt();
    void noDeletesTheChildsRows();
    void unbornChildRowsBelongToTheirApplication();
    void rowsOfPersonsNoLongerChildrenStayUntouched();
    void otherParentsAddedEditedAndDeleted();
    void gridsKeepTheirChoicesWhenSavedUnchanged();
    void youngAdultAnswersAreStoredAsTheirColumnsSay();
    void leavingThePageSavesAnOpenCellOfEveryGrid();

private:
    void showPage();
    QCheckBox* box(const QString& name) { return find<QCheckBox>(m_dialog, name); }
    KeyedGrid* grid(const QString& name) { return find<KeyedGrid>(m_dialog, name); }
    QString m_app;
    TestHome* m_home = nullptr;
    ScriptedMessages* m_messages = nullptr;
    TAnspruchMainDlg* m_dialog = nullptr;
};

void MaintenancePageTest::init()
{
    m_home = new TestHome;
    QVERIFY(m_home->ok());
    m_messages = new ScriptedMessages;
    m_app = createTestApplication(QStringLiteral("Antrag"));
    addPerson(0, QStringLiteral("Müller"), QStringLiteral("Anna"), QDate(1980, 3, 1));
    m_dialog = new TAnspruchMainDlg;
    m_dialog->resize(1000, 700);
}

void MaintenancePageTest::cleanup()
{
    delete m_dialog;
    m_dialog = nullptr;
    store::DialogRegistry::instance().clear();
    delete m_messages;
    delete m_home;
}

void MaintenancePageTest::showPage()
{
    m_dialog->show();
    m_dialog->ShowPage(0);
}

void MaintenancePageTest::loadedSeparationStateShowsAndKeeps_data()
{
    QTest::addColumn<bool>("splitt");
    QTest::addColumn<bool>("gesch");
    QTest::addColumn<bool>("shown");
    QTest::newRow("living apart") << true << false << true;
    QTest::newRow("divorced") << false << true << true;
    QTest::newRow("both") << true << true << true;
    QTest::newRow("neither: the stale row goes") << false << false << false;
}

void MaintenancePageTest::loadedSeparationStateShowsAndKeeps()
{
    QFETCH(bool, splitt);
    QFETCH(bool, gesch);
    QFETCH(bool, shown);
    QVERIFY(store::execute("INSERT INTO Z91 (Z91_LFDNR, Z91_INDEX_MAINHEADER, Z91_INDEX_PERSON) VALUES (?,?,?)",
                           {TMainObject::NewRowIdent(), m_app, m_app}));
    QVERIFY(store::execute("UPDATE UHMAIN SET UHM_MAIN_SPLITT=?, UHM_MAIN_GESCH=?, UHM_MAIN_AST=1 "
                           "WHERE UHM_INDEX_MAINHEADER=?",
                           {splitt, gesch, m_app}));
    showPage();
    QCOMPARE(grid("SplittTree")->isVisibleTo(m_dialog), shown);
    QCOMPARE(box("UHM_MAIN_AST")->isVisibleTo(m_dialog), shown);
    QCOMPARE(box("UHM_MAIN_AST")->isChecked(), shown);
    QCOMPARE(grid("SplittTree")->rowCount(), shown ? 1 : 0);
    QCOMPARE(count("Z91", "Z91_INDEX_MAINHEADER=?", {m_app}), shown ? 1 : 0);
    QCOMPARE(value("SELECT UHM_MAIN_AST FROM UHMAIN WHERE UHM_INDEX_MAINHEADER=?", {m_app}).toBool(), shown);
    if (shown)
        QCOMPARE(grid("SplittTree")->text(0, 0), QString("Müller, Anna"));
}

void MaintenancePageTest::switchingApplicationsKeepsTheNewOnesSeparationRows()
{
    QVERIFY(store::execute("UPDATE UHMAIN SET UHM_MAIN_SPLITT=1 WHERE UHM_INDEX_MAINHEADER=?", {m_app}));
    showPage();
    QVERIFY(box("UHM_MAIN_SPLITT")->isChecked());
    const QString other = createTestApplication(QStringLiteral("Zweiter"));
    QVERIFY(store::execute("INSERT INTO Z91 (Z91_LFDNR, Z91_INDEX_MAINHEADER, Z91_INDEX_PERSON) VALUES (?,?,?)",
                           {TMainObject::NewRowIdent(), other, other}));
    QVERIFY(store::execute("UPDATE UHMAIN SET UHM_MAIN_GESCH=1, UHM_MAIN_AST=1 WHERE UHM_INDEX_MAINHEADER=?", {other}));
    m_dialog->ShowPage(0);
    QCOMPARE(count("Z91", "Z91_INDEX_MAINHEADER=?", {other}), 1);
    QVERIFY(value("SELECT UHM_MAIN_AST FROM UHMAIN WHERE UHM_INDEX_MAINHEADER=?", {other}).toBool());
    QVERIFY(box("UHM_MAIN_AST")->isChecked());
    QVERIFY(!box("UHM_MAIN_SPLITT")->isChecked());
    QVERIFY(box("UHM_MAIN_GESCH")->isChecked());
    QCOMPARE(grid("SplittTree")->rowCount(), 1);
}

void MaintenancePageTest::unreadableAnswersAreReportedAndCleanNothingUp()
{
    QVERIFY(store::execute("UPDATE UHMAIN SET UHM_MAIN_SPLITT=1 WHERE UHM_INDEX_MAINHEADER=?", {m_app}));
    QVERIFY(store::execute("INSERT INTO Z91 (Z91_LFDNR, Z91_INDEX_MAINHEADER, Z91_INDEX_PERSON) VALUES (?,?,?)",
                           {TMainObject::NewRowIdent(), m_app, m_app}));
    showPage();
    QVERIFY(box("UHM_MAIN_SPLITT")->isChecked());
    QVERIFY(store::execute("ALTER TABLE UHMAIN RENAME TO UHMAIN_AWAY"));
    m_messages->clear();
    m_dialog->ShowPage(0);
    QCOMPARE(m_messages->texts(), QStringList({"Fehler bei lesen aus uhmain"}));
    QVERIFY(!box("UHM_MAIN_SPLITT")->isChecked());
    QCOMPARE(count("Z91", "Z91_INDEX_MAINHEADER=?", {m_app}), 1);
    QVERIFY(store::execute("ALTER TABLE UHMAIN_AWAY RENAME TO UHMAIN"));
}

void MaintenancePageTest::divorceThenApplicantGivesARowThatGoesWithTheDivorce()
{
    showPage();
    QVERIFY(!grid("SplittTree")->isVisibleTo(m_dialog));
    clickBox(box("UHM_MAIN_GESCH"));
    QCOMPARE(value("SELECT UHM_MAIN_GESCH FROM UHMAIN WHERE UHM_INDEX_MAINHEADER=?", {m_app}).toInt(), 1);
    QVERIFY(box("UHM_MAIN_AST")->isVisibleTo(m_dialog));
    clickBox(box("UHM_MAIN_AST"));
    QCOMPARE(count("Z91", "Z91_INDEX_MAINHEADER=? AND Z91_INDEX_PERSON=?", {m_app, m_app}), 1);
    QCOMPARE(value("SELECT UHM_MAIN_AST FROM UHMAIN WHERE UHM_INDEX_MAINHEADER=?", {m_app}).toInt(), 1);
    QCOMPARE(value("SELECT UHM_COUNSEL_YES FROM UHMAIN WHERE UHM_INDEX_MAINHEADER=?", {m_app}).toInt(), 1);
    KeyedGrid* splitt = grid("SplittTree");
    QCOMPARE(splitt->rowCount(), 1);
    QCOMPARE(splitt->text(0, 1), QString("Getrennt Lebend"));
    // A second tick after unticking gives one row again, not two.
    clickBox(box("UHM_MAIN_AST"));
    QCOMPARE(count("Z91", "Z91_INDEX_MAINHEADER=?", {m_app}), 0);
    clickBox(box("UHM_MAIN_AST"));
    QCOMPARE(count("Z91", "Z91_INDEX_MAINHEADER=?", {m_app}), 1);

    clickBox(box("UHM_MAIN_GESCH"));
    QVERIFY(!splitt->isVisibleTo(m_dialog));
    QCOMPARE(count("Z91", "Z91_INDEX_MAINHEADER=?", {m_app}), 0);
    QCOMPARE(value("SELECT UHM_MAIN_AST FROM UHMAIN WHERE UHM_INDEX_MAINHEADER=?", {m_app}).toInt(), 0);
    QVERIFY(!box("UHM_MAIN_AST")->isChecked());
}

void MaintenancePageTest::partnerBoxWithoutPartnerUnticksItself()
{
    QVERIFY(store::execute("UPDATE UHMAIN SET UHM_MAIN_SPLITT=1 WHERE UHM_INDEX_MAINHEADER=?", {m_app}));
    showPage();
    const int before = value("SELECT total_changes()", {}).toInt();
    clickBox(box("UHM_MAIN_PRT"));
    QVERIFY(!box("UHM_MAIN_PRT")->isChecked());
    QCOMPARE(value("SELECT total_changes()", {}).toInt(), before);

    const QString partner = addPerson(1, "O'Neill", "Sean");
    clickBox(box("UHM_MAIN_PRT"));
    QVERIFY(box("UHM_MAIN_PRT")->isChecked());
    QCOMPARE(count("Z91", "Z91_INDEX_MAINHEADER=? AND Z91_INDEX_PERSON=?", {m_app, partner}), 1);
    QCOMPARE(grid("SplittTree")->text(0, 0), QString("O'Neill, Sean"));
}

void MaintenancePageTest::missingMaintenanceRowIsCreatedBeforeTheFirstWrite()
{
    QVERIFY(store::execute("DELETE FROM UHMAIN WHERE UHM_INDEX_MAINHEADER=?", {m_app}));
    showPage();
    QCOMPARE(count("UHMAIN", "UHM_INDEX_MAINHEADER=?", {m_app}), 0); // loading writes nothing
    clickBox(box("UHM_MAIN_NO"));
    QCOMPARE(value("SELECT UHM_MAIN_NO FROM UHMAIN WHERE UHM_INDEX_MAINHEADER=? AND UHM_IDENT=?", {m_app, m_app}).toInt(),
             1);
}

void MaintenancePageTest::separatedRowIsSavedWithSwappedNames()
{
    QVERIFY(store::execute("UPDATE UHMAIN SET UHM_MAIN_GESCH=1, UHM_MAIN_AST=1 WHERE UHM_INDEX_MAINHEADER=?", {m_app}));
    QVERIFY(store::execute("INSERT INTO Z91 (Z91_LFDNR, Z91_INDEX_MAINHEADER, Z91_INDEX_PERSON) VALUES (?,?,?)",
                           {TMainObject::NewRowIdent(), m_app, m_app}));
    showPage();
    KeyedGrid* splitt = grid("SplittTree");
    QVERIFY(chooseCell(splitt, 0, 1, "Geschieden"));
    QVERIFY(typeCell(splitt, 0, 2, "D'Angelo"));
    QVERIFY(typeCell(splitt, 0, 3, "Marco"));
    QVERIFY(chooseCell(splitt, 0, 8, "sonstiges"));
    QVERIFY(chooseCell(splitt, 0, 13, "Ja"));
    QVERIFY(amountCell(splitt, 0, 14, 250.5));
    store::Rows row = store::select("SELECT * FROM Z91 WHERE Z91_INDEX_MAINHEADER=?", {m_app});
    QVERIFY(row.next());
    QCOMPARE(row.value("Z91_FIRSTNAME").toString(), QString("D'Angelo "));
    QCOMPARE(row.value("Z91_LASTNAME").toString(), QString("Marco "));
    QCOMPARE(row.flag("Z91_MAIN_GESCH_YES"), true);
    QCOMPARE(row.flag("Z91_MAIN_SPLITT_YES"), false);
    QCOMPARE(row.flag("Z91_ISUH_WOOTHER_YES"), true);
    QCOMPARE(row.flag("Z91_ISUH_WORKER_YES"), false);
    QCOMPARE(row.flag("Z91_ISUH_BRING_YES"), true);
    QCOMPARE(row.flag("Z91_ISUH_BRING_NO"), false);
    QCOMPARE(row.flag("Z91_ISUH_URTEIL_NO"), true);
    QCOMPARE(row.amount("Z91_ISUH_BRING_BRUTTO"), 250.5);
    QCOMPARE(row.text("Z91_INDEX_PERSON"), m_app);

    m_dialog->ShowPage(0);
    QCOMPARE(splitt->text(0, 1), QString("Geschieden"));
    QCOMPARE(splitt->text(0, 2), QString("D'Angelo"));
    QCOMPARE(splitt->text(0, 8), QString("sonstiges"));
    QCOMPARE(splitt->cell(0, 14).toDouble(), 250.5);
}

void MaintenancePageTest::childAssignmentFollowsKindAndAge_data()
{
    QTest::addColumn<QDate>("birthday");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("young");
    QTest::newRow("10 years") << yearsAgo(10, 0) << "ehelich" << 1 << false;
    QTest::newRow("15th birthday tomorrow") << yearsAgo(15, 1) << "unehellich" << 0 << false;
    QTest::newRow("15th birthday today") << yearsAgo(15, 0) << "unehellich" << 0 << true;
    QTest::newRow("15th birthday yesterday") << yearsAgo(15, -1) << "ehelich" << 1 << true;
    QTest::newRow("20 years") << yearsAgo(20, -40) << "ehelich" << 1 << true;
    QTest::newRow("26th birthday tomorrow") << yearsAgo(26, 1) << "ehelich" << 1 << true;
    QTest::newRow("26th birthday today") << yearsAgo(26, 0) << "ehelich" << 1 << false;
    QTest::newRow("26th birthday yesterday") << yearsAgo(26, -1) << "unehellich" << 0 << false;
    QTest::newRow("no birth date") << QDate() << "ehelich" << 1 << false;
}

void MaintenancePageTest::childAssignmentFollowsKindAndAge()
{
    QFETCH(QDate, birthday);
    QFETCH(QString, entry);
    QFETCH(int, type);
    QFETCH(bool, young);
    const QString child = addPerson(2, "Müller", "Tim", birthday);
    showPage();
    KeyedGrid* children = grid("PregChildTree");
    QCOMPARE(children->rowCount(), 2);
    QCOMPARE(children->text(1, 0), QString("noch ungeboren"));
    QCOMPARE(children->text(1, 2), kUnborn);
    QVERIFY(grid("PregSumTree")->isHidden());
    QVERIFY(chooseCell(children, 0, 1, entry));
    QCOMPARE(value("SELECT Z92U_TYPE FROM Z92UH WHERE Z92U_INDEX_MAINHEADER=? AND Z92U_INDEX_PERSON=?", {m_app, child}),
             QVariant(type));
    QCOMPARE(count("Z94LESS25", "Z94_INDEX_MAINHEADER=? AND Z94_INDEX_PERSON=?", {m_app, child}), young ? 1 : 0);
    QCOMPARE(children->text(0, 1), type == 0 ? QString("unehelich") : QString("ehelich"));
    QCOMPARE(grid("PregSumTree")->rowCount(), 1);
    QCOMPARE(grid("PregSumTree")->text(0, 0), QString("Müller, Tim"));
    QVERIFY(!grid("PregSumTree")->isHidden());
    QCOMPARE(grid("UHChildTree")->rowCount(), 1);
    QCOMPARE(grid("Tree25")->rowCount(), young ? 1 : 0);
    QCOMPARE(!grid("Tree25")->isHidden(), young);
}

void MaintenancePageTest::changingTheKindUpdatesIt()
{
    const QString child = addPerson(2, "Müller", "Tim", yearsAgo(8, 0));
    showPage();
    KeyedGrid* children = grid("PregChildTree");
    QVERIFY(chooseCell(children, 0, 1, "ehelich"));
    QVERIFY(chooseCell(children, 0, 1, "unehellich"));
    QCOMPARE(count("Z92UH", "Z92U_INDEX_MAINHEADER=? AND Z92U_INDEX_PERSON=?", {m_app, child}), 1);
    QCOMPARE(value("SELECT Z92U_TYPE FROM Z92UH WHERE Z92U_INDEX_PERSON=?", {child}).toInt(), 0);
    QCOMPARE(children->text(0, 1), QString("unehelich"));
    QVERIFY(chooseCell(children, 0, 1, "ehelich"));
    QCOMPARE(value("SELECT Z92U_TYPE FROM Z92UH WHERE Z92U_INDEX_PERSON=?", {child}).toInt(), 1);
}

void MaintenancePageTest::noDeletesTheChildsRows()
{
    const QString child = addPerson(2, "Müller", "Lea", yearsAgo(18, -10));
    const QString sibling = addPerson(3, "Müller", "Max", yearsAgo(17, -10));
    showPage();
    KeyedGrid* children = grid("PregChildTree");
    QVERIFY(chooseCell(children, rowOf(children, 2, child), 1, "ehelich"));
    QVERIFY(chooseCell(children, rowOf(children, 2, sibling), 1, "ehelich"));
    QCOMPARE(count("Z94LESS25", "Z94_INDEX_MAINHEADER=?", {m_app}), 2);
    QVERIFY(chooseCell(children, rowOf(children, 2, child), 1, "Nein"));
    QCOMPARE(count("Z92UH", "Z92U_INDEX_PERSON=?", {child}), 0);
    QCOMPARE(count("Z94LESS25", "Z94_INDEX_PERSON=?", {child}), 0);
    QCOMPARE(count("Z92UH", "Z92U_INDEX_PERSON=?", {sibling}), 1);
    QCOMPARE(count("Z94LESS25", "Z94_INDEX_PERSON=?", {sibling}), 1);
    QCOMPARE(grid("Tree25")->rowCount(), 1);
}

void MaintenancePageTest::unbornChildRowsBelongToTheirApplication()
{
    const QString first = m_app;
    showPage();
    QVERIFY(chooseCell(grid("PregChildTree"), 0, 1, "unehellich"));
    QCOMPARE(count("Z92UH", "Z92U_INDEX_MAINHEADER=? AND Z92U_INDEX_PERSON=?", {first, kUnborn}), 1);
    QCOMPARE(grid("PregSumTree")->rowCount(), 1);
    QCOMPARE(grid("PregSumTree")->text(0, 0), QString("noch ungeboren"));
    QCOMPARE(grid("UHChildTree")->rowCount(), 0); // an unborn child has no child maintenance

    const QString second = createTestApplication(QStringLiteral("Zweiter"));
    m_dialog->ShowPage(0);
    QCOMPARE(grid("PregChildTree")->text(0, 1), QString("Nein"));
    QCOMPARE(grid("PregSumTree")->rowCount(), 0);
    QVERIFY(chooseCell(grid("PregChildTree"), 0, 1, "unehellich"));
    QCOMPARE(count("Z92UH", "Z92U_INDEX_MAINHEADER=? AND Z92U_INDEX_PERSON=?", {second, kUnborn}), 1);
    QVERIFY(amountCell(grid("PregSumTree"), 0, 5, 300.0));
    QCOMPARE(value("SELECT Z92U_BRING_BRUTTO FROM Z92UH WHERE Z92U_INDEX_MAINHEADER=?", {second}).toDouble(), 300.0);
    QCOMPARE(value("SELECT IFNULL(Z92U_BRING_BRUTTO, 0) FROM Z92UH WHERE Z92U_INDEX_MAINHEADER=?", {first}).toDouble(),
             0.0);
    QVERIFY(chooseCell(grid("PregChildTree"), 0, 1, "Nein"));
    QCOMPARE(count("Z92UH", "Z92U_INDEX_MAINHEADER=?", {second}), 0);
    QCOMPARE(count("Z92UH", "Z92U_INDEX_MAINHEADER=? AND Z92U_INDEX_PERSON=?", {first, kUnborn}), 1);
}

void MaintenancePageTest::rowsOfPersonsNoLongerChildrenStayUntouched()
{
    const QString gone = TMainObject::NewRowIdent();
    const QString grown = addPerson(1, "Müller", "Partner", yearsAgo(30, 0));
    for (const QString& person : {gone, grown})
        QVERIFY(store::execute("INSERT INTO Z92UH (Z92U_IDENT, Z92U_INDEX_MAINHEADER, Z92U_INDEX_PERSON, Z92U_TYPE, "
                               "Z92U_BRING_BRUTTO, Z92U_ANW_NAME) VALUES (?,?,?,0,99,'Alt ')",
                               {TMainObject::NewRowIdent(), m_app, person}));
    showPage();
    QCOMPARE(grid("PregSumTree")->rowCount(), 0);
    QCOMPARE(grid("UHChildTree")->rowCount(), 0);
    m_dialog->deactivate();
    QCOMPARE(count("Z92UH", "Z92U_INDEX_MAINHEADER=? AND Z92U_BRING_BRUTTO=99 AND Z92U_ANW_NAME='Alt '", {m_app}), 2);
}

void MaintenancePageTest::otherParentsAddedEditedAndDeleted()
{
    const QString child = addPerson(2, "Müller", "Tim", yearsAgo(6, 0));
    showPage();
    QVERIFY(chooseCell(grid("PregChildTree"), 0, 1, "unehellich"));
    auto* add = find<QToolButton>(m_dialog, "AddParentButton");
    add->click();
    add->click();
    KeyedGrid* others = grid("PregOtherTree");
    QCOMPARE(others->rowCount(), 2);
    QCOMPARE(count("Z92OTH", "Z92O_INDEX_MAINHEADER=?", {m_app}), 2);
    // Names with commas and twins of the same name map by identifier, not by text.
    QVERIFY(typeCell(others, 0, 0, "Meier, jun."));
    // Tab moves on to the next cell while the grids are read anew.
    QVERIFY(editCell<QLineEdit>(grid("PregOtherTree"), 0, 1, [](QLineEdit* e) {
        e->setText("Jan");
        QTest::keyClick(e, Qt::Key_Tab);
    }));
    QVERIFY(amountCell(grid("PregOtherTree"), 0, 8, 1500.0));
    QVERIFY(chooseCell(grid("PregOtherTree"), 0, 10, "Mutter"));
    others = grid("PregOtherTree");
    const QString meier = others->text(0, 9);
    const QString second = others->text(1, 9);
    QCOMPARE(value("SELECT typeof(Z92O_BRUTTO) FROM Z92OTH WHERE Z92O_IDENT=?", {meier}).toString(), QString("real"));
    QCOMPARE(value("SELECT Z92O_BRUTTO FROM Z92OTH WHERE Z92O_IDENT=?", {meier}).toDouble(), 1500.0);
    QCOMPARE(value("SELECT Z92O_NAME FROM Z92OTH WHERE Z92O_IDENT=?", {meier}).toString(), QString("Meier, jun. "));
    QCOMPARE(value("SELECT Z92O_ISMOTHER FROM Z92OTH WHERE Z92O_IDENT=?", {meier}).toInt(), 1);
    QCOMPARE(value("SELECT Z92O_ISVATHER FROM Z92OTH WHERE Z92O_IDENT=?", {meier}).toInt(), 0);

    KeyedGrid* sums = grid("PregSumTree");
    QCOMPARE(sums->picks(1), QStringList({"Meier, jun., Jan", ", "}));
    QVERIFY(chooseCell(sums, 0, 1, "Meier, jun., Jan"));
    QCOMPARE(value("SELECT Z92U_INDEX_OTHER FROM Z92UH WHERE Z92U_INDEX_PERSON=?", {child}).toString(), meier + " ");
    QCOMPARE(grid("UHChildTree")->text(0, 1), QString("Meier, jun., Jan"));
    m_dialog->ShowPage(0);
    QCOMPARE(grid("PregSumTree")->text(0, 1), QString("Meier, jun., Jan"));

    // "X" on the first parent deletes it and the reference to it, in one go.
    others = grid("PregOtherTree");
    others->setCurrentCell(0, 0);
    find<QToolButton>(m_dialog, "DeleteParentButton")->click();
    QCOMPARE(count("Z92OTH", "Z92O_IDENT=?", {meier}), 0);
    QCOMPARE(count("Z92OTH", "Z92O_IDENT=?", {second}), 1);
    QCOMPARE(value("SELECT Z92U_INDEX_OTHER FROM Z92UH WHERE Z92U_INDEX_PERSON=?", {child}).toString().trimmed(),
             QString());
    QCOMPARE(grid("PregSumTree")->text(0, 1), QString());
    QCOMPARE(grid("PregOtherTree")->rowCount(), 1);
}

void MaintenancePageTest::gridsKeepTheirChoicesWhenSavedUnchanged()
{
    const QString child = addPerson(2, "Müller", "Tim", yearsAgo(19, -3));
    QVERIFY(store::execute("INSERT INTO Z92UH (Z92U_IDENT, Z92U_INDEX_MAINHEADER, Z92U_INDEX_PERSON, Z92U_TYPE, "
                           "Z92U_C_JA_NO, Z92U_C_BRI_YES, Z92U_C_BRI_BRUTTO) VALUES (?,?,?,1,1,1,210)",
                           {TMainObject::NewRowIdent(), m_app, child}));
    QVERIFY(store::execute("INSERT INTO Z94LESS25 (Z94_IDENT, Z94_INDEX_MAINHEADER, Z94_INDEX_PERSON, "
                           "Z94_EA_CLOSED_YES, Z94_EA_CLOSED_DATE, Z94_EA_CLOSED_SIGN, Z94_EA_NOSTART_YES, "
                           "Z94_EA_NOSTART_DESCRIP) VALUES (?,?,?,1,'01.07.2024 ','Geselle ',1,'Krank ')",
                           {TMainObject::NewRowIdent(), m_app, child}));
    showPage();
    QCOMPARE(grid("UHChildTree")->text(0, 10), QString("keiner"));
    QCOMPARE(grid("UHChildTree")->text(0, 4), QString("Ja"));
    QCOMPARE(grid("Tree25")->text(0, 9), QString("noch nicht begonnen"));
    m_dialog->deactivate();
    store::Rows uh = store::select("SELECT * FROM Z92UH WHERE Z92U_INDEX_PERSON=?", {child});
    QVERIFY(uh.next());
    QVERIFY(uh.flag("Z92U_C_JA_NO"));
    QVERIFY(!uh.flag("Z92U_C_JA_LFD"));
    QVERIFY(uh.flag("Z92U_C_BRI_YES"));
    QVERIFY(!uh.flag("Z92U_C_BRI_NO"));
    QCOMPARE(uh.amount("Z92U_C_BRI_BRUTTO"), 210.0);
    QCOMPARE(uh.integer("Z92U_TYPE"), 1);
    store::Rows young = store::select("SELECT * FROM Z94LESS25 WHERE Z94_INDEX_PERSON=?", {child});
    QVERIFY(young.next());
    // The later flag decides what the cell shows; saving writes what it shows.
    QVERIFY(!young.flag("Z94_EA_CLOSED_YES"));
    QVERIFY(young.flag("Z94_EA_NOSTART_YES"));
    QCOMPARE(young.text("Z94_EA_NOSTART_DESCRIP"), QString("Krank"));
}

void MaintenancePageTest::youngAdultAnswersAreStoredAsTheirColumnsSay()
{
    const QString child = addPerson(2, "Müller", "Lea", yearsAgo(17, -3));
    showPage();
    QVERIFY(chooseCell(grid("PregChildTree"), 0, 1, "ehelich"));
    KeyedGrid* young = grid("Tree25");
    QCOMPARE(young->rowCount(), 1);
    QVERIFY(typeCell(young, 0, 2, "11"));       // class, without "Ja": not kept
    QVERIFY(chooseCell(young, 0, 5, "Ja"));
    QVERIFY(typeCell(young, 0, 6, "2027"));
    QVERIFY(chooseCell(young, 0, 8, "Ausbildung nach abbruch einer Ausbildung"));
    QVERIFY(chooseCell(young, 0, 9, "wird begonnen ab"));
    QVERIFY(typeCell(young, 0, 10, "01.09.2026"));
    store::Rows row = store::select("SELECT * FROM Z94LESS25 WHERE Z94_INDEX_PERSON=?", {child});
    QVERIFY(row.next());
    QVERIFY(!row.flag("Z94_SCO_YES"));
    QCOMPARE(row.value("Z94_SCO_CLASS").toString(), QString(" "));
    QVERIFY(row.flag("Z94_BA_YES"));
    QCOMPARE(row.value("Z94_BA_UNTIL").toString(), QString("2027 "));
    QVERIFY(row.flag("Z94_BA_AFTER"));
    QVERIFY(!row.flag("Z94_BA_FIRST"));
    QVERIFY(row.flag("Z94_EA_WILLSTART_YES"));
    QCOMPARE(row.value("Z94_EA_WILLSTART_DATE").toString(), QString("01.09.2026"));
    QCOMPARE(row.value("Z94_EA_CLOSED_DATE").toString(), QString(" "));
    QVERIFY(!row.flag("Z94_EA_YES"));
    m_dialog->ShowPage(0);
    QCOMPARE(grid("Tree25")->text(0, 10), QString("01.09.2026"));
    QCOMPARE(grid("Tree25")->text(0, 8), QString("Ausbildung nach abbruch einer Ausbildung"));
    QCOMPARE(grid("Tree25")->text(0, 2), QString());
}

void MaintenancePageTest::leavingThePageSavesAnOpenCellOfEveryGrid()
{
    const QString child = addPerson(2, "Müller", "Lea", yearsAgo(17, -3));
    showPage();
    QVERIFY(chooseCell(grid("PregChildTree"), 0, 1, "ehelich"));
    const auto openEdit = [&](const QString& name, int column, const QString& text) {
        KeyedGrid* g = grid(name);
        g->setCurrentCell(0, column);
        g->editItem(g->item(0, column));
        auto* editor = qobject_cast<QLineEdit*>(g->indexWidget(g->model()->index(0, column)));
        QVERIFY(editor);
        editor->setText(text);
    };
    openEdit("PregSumTree", 11, "Anwalt A");
    m_dialog->SpeedButton1->click();
    QCOMPARE(m_dialog->currentPage(), 1);
    QCOMPARE(value("SELECT Z92U_ANW_NAME FROM Z92UH WHERE Z92U_INDEX_PERSON=?", {child}).toString(), QString("Anwalt A "));

    m_dialog->ShowPage(0);
    openEdit("UHChildTree", 14, "Anwalt B");
    m_dialog->deactivate();
    QCOMPARE(value("SELECT Z92U_C_ANW_NAME FROM Z92UH WHERE Z92U_INDEX_PERSON=?", {child}).toString(),
             QString("Anwalt B "));
    m_dialog->ShowPage(0);
    QVERIFY(chooseCell(grid("Tree25"), 0, 5, "Ja"));
    openEdit("Tree25", 7, "Tischler");
    m_dialog->SpeedButton2->click(); // nowhere to go before this dialog here, but the page is left
    QCOMPARE(value("SELECT Z94_BA_SIGN FROM Z94LESS25 WHERE Z94_INDEX_PERSON=?", {child}).toString(),
             QString("Tischler "));
}

QTEST_MAIN(MaintenancePageTest)
#include "tst_anspruch_maintenance.moc"
