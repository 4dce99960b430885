// The applicant dialog, driven through its widgets: what it shows, what it stores, where it leads.
#include "Application.h"
#include "DataDialog.h"
#include "MainAntrag.h"
#include "Paths.h"
#include "ServerObjects.h"
#include "Sql.h"
#include "TestHome.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

namespace {

QString app() {
    return MainObject->AntragIdent;
}

// The stored value as it lies in the table (texts with their appended blank).
QVariant raw(const QString& sql) {
    return store::selectValue(sql, {app()});
}

int changesSoFar() {
    return store::selectValue(QStringLiteral("SELECT total_changes()")).toInt();
}

// A user's click on the box's indicator (the centre of a wide box may lie beyond its caption).
void userClick(QAbstractButton* box) {
    QVERIFY2(box->isVisible(), qPrintable(box->objectName() + " is not visible"));
    clickBox(box);
}

// Text typed by the user; QTest types ASCII only, so umlauts come in as a whole edit.
void userTypes(QLineEdit* edit, const QString& text) {
    edit->setText(text);
    emit edit->textEdited(text);
}

class RecordingBar : public NavigationMarker {
public:
    void markItem(int panel, int item) override { marks << qMakePair(panel, item); }
    QList<QPair<int, int>> marks;
};

// Stands in for the persons dialog of panel 1.
class NextDialog : public DataDialog {
public:
    NextDialog()
        : DataDialog(1, QStringLiteral("NextDialog")) {
        addPage({QStringLiteral("Personen"), 3, new QWidget, [this] { ++loads; }});
        addPage({QStringLiteral("Krankenversicherung"), 4, new QWidget, {}});
    }
    int loads = 0;
};

// Questions 1 to 9 with the column each keeps, in the order of their shared statement.
const char* const kThirteen =
    "SELECT BDG_ALG1_YES, BDG_ALG1_NO, BDG_ALG1_NOCHANGE, BDG_EINKOMM_ALL_NOCHANGE, "
    "BDG_MORECOST_CHANGE, BDG_LIVING_COST_NOCHANGE, BDG_VERMOEGEN_NOCHANGE, "
    "BDG_UNTERH_NOCHANGE, BDG_THIRD_NOCHANGE, BDG_OTHER_CHANGE, BDG_PERSONINFO_YES, "
    "BDG_PERSONINFO_NO, BDG_PERSONINFO_NOCHANGE FROM MAINHEADER WHERE BDG_IDENT=?";

QList<int> storedThirteen() {
    store::Rows rows = store::select(QString::fromLatin1(kThirteen), {app()});
    QList<int> values;
    if (rows.next())
        for (int i = 0; i < 13; ++i)
            values << rows.query().value(i).toInt();
    return values;
}

struct ChangeQuestion {
    int number;
    int yesBox;
    int noBox;
    const char* column;
};

const ChangeQuestion kChangeQuestions[] = {
    {2, 3, 4, "BDG_PERSONINFO_NOCHANGE"}, {3, 23, 24, "BDG_EINKOMM_ALL_NOCHANGE"},
    {4, 5, 6, "BDG_MORECOST_CHANGE"},     {5, 7, 8, "BDG_LIVING_COST_NOCHANGE"},
    {6, 9, 10, "BDG_VERMOEGEN_NOCHANGE"}, {7, 11, 12, "BDG_UNTERH_NOCHANGE"},
    {8, 13, 14, "BDG_THIRD_NOCHANGE"},    {9, 15, 16, "BDG_OTHER_CHANGE"},
};

QString plainTextOfHelp(int number) {
    QFile file(store::programPath(QStringLiteral("Daten/Tooltips/%1.htm").arg(number)));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QTextDocument document;
    document.setHtml(QString::fromUtf8(file.readAll()));
    return document.toPlainText();
}

} // namespace

class MainAntragTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void newApplicationShowsAnEmptyForm();
    void shownByItsHostItOpensLoaded();
    void questionOneShowsTheChangeQuestionsAndStoresAllThirteen();
    void changeQuestionAnsweredYesComesBackAfterRestart_data();
    void changeQuestionAnsweredYesComesBackAfterRestart();
    void clickingTheCheckedBoxAnswersTheOtherWay();
    void guardianFieldsFollowQuestionEleven();
    void familyNameAlsoNamesTheApplicantPerson();
    void officeFieldsKeepTheirOwnColumns();
    void oneEditWritesTheWholeGroup();
    void typingAndDeletingLeavesTheStoredValue();
    void emptiedFieldIsStoredAsOneBlank();
    void loadingWritesNothing();
    void showingAPageReadsWhatOtherDialogsWrote();
    void forwardAndBackChainThePages();
    void forwardFromTheLastPageOpensThePersonsDialog();
    void helpFollowsThePage();
    void everythingTypedIsThereAfterRestart();

private:
    TMainAntragDlg* openDialog(int page = 0);
    void restart();
    QLineEdit* edit(int number) const;
    QCheckBox* box(int number) const;

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<ScriptedMessages> m_messages;
    std::unique_ptr<TMainAntragDlg> m_dialog;
    RecordingBar m_bar;
};

void MainAntragTest::init() {
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->ok());
    m_messages = std::make_unique<ScriptedMessages>();
    QVERIFY(!createTestApplication(QStringLiteral("Antrag 1")).isEmpty());
    m_bar.marks.clear();
    MainObject->Navigation = &m_bar;
}

void MainAntragTest::cleanup() {
    m_dialog.reset();
    store::DialogRegistry::instance().clear();
    store::help() = {};
    // Nothing in these cases may end in a message box, least of all a database error.
    QCOMPARE(m_messages->texts(), QStringList());
    m_messages.reset();
    m_home.reset();
}

TMainAntragDlg* MainAntragTest::openDialog(int page) {
    m_dialog = std::make_unique<TMainAntragDlg>();
    m_dialog->resize(844, 690);
    m_dialog->show();
    m_dialog->ShowPage(page);
    return m_dialog.get();
}

// What the next program start sees: a new connection, the application opened again, a new dialog.
void MainAntragTest::restart() {
    const QString ident = app();
    m_dialog.reset();
    delete MainObject;
    MainObject = new TMainObject;
    QVERIFY(MainObject->ConnectDatabase());
    QVERIFY(store::openApplication(ident));
    MainObject->Navigation = &m_bar;
}

QLineEdit* MainAntragTest::edit(int number) const {
    auto* e = m_dialog->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(number));
    if (!e) qFatal("Edit%d is missing", number);
    return e;
}

QCheckBox* MainAntragTest::box(int number) const {
    auto* b = m_dialog->findChild<QCheckBox*>(QStringLiteral("SRCheckBox%1").arg(number));
    if (!b) qFatal("SRCheckBox%d is missing", number);
    return b;
}

void MainAntragTest::newApplicationShowsAnEmptyForm() {
    openDialog(0);
    QCOMPARE(m_dialog->currentPage(), 0);
    QCOMPARE(m_dialog->Label1->text(), QString("Hauptantrag - Antragsteller"));
    for (int e = 1; e <= 19; ++e)
        QVERIFY2(edit(e)->text().isEmpty(), qPrintable(QString("Edit%1").arg(e)));

    m_dialog->ShowPage(1);
    QCOMPARE(m_dialog->Label1->text(), QString("Hauptantrag - weitere Informationen"));
    for (int yes : {1, 17, 19}) {
        QVERIFY(!box(yes)->isChecked());
        QVERIFY(box(yes + 1)->isChecked());
    }
    for (const ChangeQuestion& q : kChangeQuestions) {
        QVERIFY(box(q.yesBox)->isHidden() && box(q.noBox)->isHidden());
        QVERIFY(m_dialog->findChild<QLabel*>(QString("Question%1").arg(q.number))->isVisible());
    }
    QVERIFY(!edit(17)->isVisible());
    QVERIFY(!edit(17)->isEnabled());

    // Their stored "Nein" states are false, so the change questions show "Ja" once they appear.
    userClick(box(1));
    for (const ChangeQuestion& q : kChangeQuestions) {
        QVERIFY(box(q.yesBox)->isVisible());
        QVERIFY2(box(q.yesBox)->isChecked() && !box(q.noBox)->isChecked(), q.column);
    }
}

void MainAntragTest::shownByItsHostItOpensLoaded() {
    QVERIFY(store::execute("UPDATE MAINPERSON SET ANS_TOWN='Görlitz ' WHERE ANS_IDENT=?", {app()}));
    m_dialog = std::make_unique<TMainAntragDlg>();
    QCOMPARE(m_bar.marks, (QList<QPair<int, int>>{{0, 0}}));
    QCOMPARE(m_dialog->currentPage(), 0);
    m_dialog->show(); // as the main window's MDI area does, without ShowPage
    QTRY_COMPARE(edit(8)->text(), QString("Görlitz"));
    QCOMPARE(m_dialog->Label1->text(), QString("Hauptantrag - Antragsteller"));
    QVERIFY(!m_dialog->WebBrowser1->toPlainText().isEmpty());
    QVERIFY(m_dialog->SpeedButton2->isHidden());
}

void MainAntragTest::questionOneShowsTheChangeQuestionsAndStoresAllThirteen() {
    openDialog(1);
    userClick(box(1));
    QCOMPARE(storedThirteen(), (QList<int>{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0}));

    userClick(box(6));  // question 4 "Nein"
    userClick(box(4));  // question 2 "Nein"
    userClick(box(16)); // question 9 "Nein"
    QCOMPARE(storedThirteen(), (QList<int>{1, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 1, 1}));

    // "Nein" hides the boxes again and stores their states as they are.
    userClick(box(2));
    for (const ChangeQuestion& q : kChangeQuestions)
        QVERIFY(box(q.yesBox)->isHidden() && box(q.noBox)->isHidden());
    QCOMPARE(storedThirteen(), (QList<int>{0, 1, 1, 0, 1, 0, 0, 0, 0, 1, 0, 1, 1}));

    userClick(box(1));
    QVERIFY(box(6)->isChecked() && box(4)->isChecked() && box(16)->isChecked() && box(23)->isChecked());
}

void MainAntragTest::changeQuestionAnsweredYesComesBackAfterRestart_data() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(std::size(kChangeQuestions)); ++i)
        QTest::newRow(qPrintable(QString("question %1").arg(kChangeQuestions[i].number))) << i;
}

void MainAntragTest::changeQuestionAnsweredYesComesBackAfterRestart() {
    QFETCH(int, index);
    const ChangeQuestion& asked = kChangeQuestions[index];
    // Question 1 answered "Ja" and nothing changed so far.
    QStringList nothingChanged{"BDG_ALG1_YES=1", "BDG_ALG1_NOCHANGE=0"};
    for (const ChangeQuestion& q : kChangeQuestions)
        nothingChanged << QString("%1=1").arg(q.column);
    QVERIFY(
        store::execute("UPDATE MAINHEADER SET " + nothingChanged.join(", ") + " WHERE BDG_IDENT=?", {app()}));

    openDialog(1);
    QVERIFY(box(asked.noBox)->isChecked());
    userClick(box(asked.yesBox));
    QCOMPARE(raw(QString("SELECT %1 FROM MAINHEADER WHERE BDG_IDENT=?").arg(asked.column)).toInt(), 0);
    for (const ChangeQuestion& q : kChangeQuestions)
        if (q.number != asked.number)
            QCOMPARE(raw(QString("SELECT %1 FROM MAINHEADER WHERE BDG_IDENT=?").arg(q.column)).toInt(), 1);
    if (asked.number == 2)
        QCOMPARE(raw("SELECT BDG_PERSONINFO_YES FROM MAINHEADER WHERE BDG_IDENT=?").toInt(), 1);

    restart();
    openDialog(1);
    QVERIFY(box(asked.yesBox)->isVisible());
    QVERIFY(box(asked.yesBox)->isChecked() && !box(asked.noBox)->isChecked());
    for (const ChangeQuestion& q : kChangeQuestions)
        if (q.number != asked.number) QVERIFY2(box(q.noBox)->isChecked(), q.column);
}

void MainAntragTest::clickingTheCheckedBoxAnswersTheOtherWay() {
    openDialog(1);
    QVERIFY(box(18)->isChecked());
    userClick(box(18)); // question 10 "Nein", already checked
    QVERIFY(box(17)->isChecked() && !box(18)->isChecked());
    QCOMPARE(
        raw("SELECT BDG_LIVING_COST_YES || BDG_LIVING_COST_NO FROM MAINHEADER WHERE BDG_IDENT=?").toString(),
        QString("10"));
    userClick(box(17));
    QVERIFY(!box(17)->isChecked() && box(18)->isChecked());
    QCOMPARE(
        raw("SELECT BDG_LIVING_COST_YES || BDG_LIVING_COST_NO FROM MAINHEADER WHERE BDG_IDENT=?").toString(),
        QString("01"));
}

void MainAntragTest::guardianFieldsFollowQuestionEleven() {
    openDialog(1);
    userClick(box(19));
    QCOMPARE(raw("SELECT BDG_BEISTAND_YES || BDG_BEISTAND_NO FROM MAINHEADER WHERE BDG_IDENT=?").toString(),
             QString("10"));
    for (int e : {17, 18, 19})
        QVERIFY(edit(e)->isVisible() && edit(e)->isEnabled());
    QTest::keyClicks(edit(17), "Amtsgericht Mitte");
    QTest::keyClicks(edit(18), "51 XVII 123/06");
    userTypes(edit(19), QString::fromUtf8("Vermögenssorge"));
    QCOMPARE(raw("SELECT BDG_BEISTAND_SIGN FROM MAINHEADER WHERE BDG_IDENT=?").toString(),
             QString("Amtsgericht Mitte "));
    QCOMPARE(raw("SELECT BDG_BEISTAND_WIRKUNG FROM MAINHEADER WHERE BDG_IDENT=?").toString(),
             QString::fromUtf8("Vermögenssorge "));

    // A reload shows the guardian as stored.
    m_dialog->ShowPage(1);
    QVERIFY(box(19)->isChecked() && edit(18)->isVisible());
    QCOMPARE(edit(18)->text(), QString("51 XVII 123/06"));

    userClick(box(20));
    for (int e : {17, 18, 19}) {
        QVERIFY(edit(e)->text().isEmpty());
        QVERIFY(!edit(e)->isVisible());
    }
    QCOMPARE(raw("SELECT BDG_BEISTAND_YES || BDG_BEISTAND_NO FROM MAINHEADER WHERE BDG_IDENT=?").toString(),
             QString("01"));
    for (const char* column : {"BDG_BEISTAND_SIGN", "BDG_BEISTAND_AZ", "BDG_BEISTAND_WIRKUNG"})
        QCOMPARE(raw(QString("SELECT %1 FROM MAINHEADER WHERE BDG_IDENT=?").arg(column)).toString(),
                 QString(" "));

    userClick(box(19));
    for (int e : {17, 18, 19})
        QVERIFY(edit(e)->isVisible() && edit(e)->text().isEmpty());
}

void MainAntragTest::familyNameAlsoNamesTheApplicantPerson() {
    QVERIFY(
        store::execute("INSERT INTO PERSON (PRS_IDENT, PRS_INDEX_MAINHEADER, PRS_TYPE, PRS_NUMBER, PRS_NAME, "
                       "PRS_VNAME) VALUES ('P2', ?, 1, 2, 'Partner ', 'Paul ')",
                       {app()}));
    openDialog(0);
    QTest::keyClicks(edit(5), "Zoe");
    userTypes(edit(4), QString::fromUtf8("O'Neill-Jäger"));

    store::Rows person = store::select("SELECT PRS_NAME, PRS_VNAME FROM PERSON WHERE PRS_INDEX_MAINHEADER=? "
                                       "AND PRS_TYPE=0",
                                       {app()});
    QVERIFY(person.next());
    QCOMPARE(person.query().value(0).toString(), QString::fromUtf8("O'Neill-Jäger "));
    QCOMPARE(person.query().value(1).toString(), QString("Zoe "));
    QCOMPARE(raw("SELECT ANS_FIRSTNAME FROM MAINPERSON WHERE ANS_IDENT=?").toString(),
             QString::fromUtf8("O'Neill-Jäger "));
    QCOMPARE(raw("SELECT ANS_LASTNAME FROM MAINPERSON WHERE ANS_IDENT=?").toString(), QString("Zoe "));
    QCOMPARE(
        raw("SELECT PRS_NAME || '|' || PRS_VNAME FROM PERSON WHERE PRS_IDENT='P2' AND PRS_INDEX_MAINHEADER=?")
            .toString(),
        QString("Partner |Paul "));
}

void MainAntragTest::officeFieldsKeepTheirOwnColumns() {
    QVERIFY(store::execute("UPDATE MAINHEADER SET BDG_OFFICENAME='Jobcenter ', BDG_NUMBER='BG-1 ', "
                           "BDG_ORGUNIT='T-5 ', BDG_DEBITORNUMBER='D-77 ' WHERE BDG_IDENT=?",
                           {app()}));
    openDialog(0);
    QCOMPARE(edit(1)->text(), QString("Jobcenter"));
    QCOMPARE(edit(2)->text(), QString("BG-1"));
    QCOMPARE(edit(3)->text(), QString("T-5"));

    QTest::keyClicks(edit(3), "a");
    QTest::keyClicks(edit(2), "b");
    store::Rows header = store::select("SELECT BDG_OFFICENAME, BDG_NUMBER, BDG_ORGUNIT, BDG_DEBITORNUMBER "
                                       "FROM MAINHEADER WHERE BDG_IDENT=?",
                                       {app()});
    QVERIFY(header.next());
    QCOMPARE(header.query().value(0).toString(), QString("Jobcenter "));
    QCOMPARE(header.query().value(1).toString(), QString("BG-1b "));
    QCOMPARE(header.query().value(2).toString(), QString("T-5a "));
    QCOMPARE(header.query().value(3).toString(), QString("D-77 "));
}

void MainAntragTest::oneEditWritesTheWholeGroup() {
    const QStringList columns{"ANS_FIRSTNAME", "ANS_LASTNAME",  "ANS_STREET",    "ANS_ZIP",   "ANS_TOWN",
                              "ANS_LIVING_AT", "ANS_PHONE",     "ANS_FAX",       "ANS_EMAIL", "ANS_BANK_BLZ",
                              "ANS_BANK_KTO",  "ANS_BANK_SIGN", "ANS_BANK_OWNER"};
    QStringList sets;
    for (int i = 0; i < columns.size(); ++i)
        sets << QString("%1='W%2 '").arg(columns.at(i)).arg(i + 4);
    QVERIFY(store::execute("UPDATE MAINPERSON SET " + sets.join(", ") + " WHERE ANS_IDENT=?", {app()}));
    openDialog(0);
    // Another writer empties the row behind the dialog's back; one edit writes all of it again.
    QVERIFY(store::execute("UPDATE MAINPERSON SET " + columns.join("=NULL, ") + "=NULL WHERE ANS_IDENT=?",
                           {app()}));
    QTest::keyClicks(edit(16), "!");
    for (int i = 0; i < columns.size(); ++i) {
        const QString expected = i == 12 ? QString("W16! ") : QString("W%1 ").arg(i + 4);
        QCOMPARE(raw(QString("SELECT %1 FROM MAINPERSON WHERE ANS_IDENT=?").arg(columns.at(i))).toString(),
                 expected);
    }
}

void MainAntragTest::typingAndDeletingLeavesTheStoredValue() {
    openDialog(0);
    QTest::keyClicks(edit(6), "Lindenstr. 12");
    QCOMPARE(raw("SELECT ANS_STREET FROM MAINPERSON WHERE ANS_IDENT=?").toString(),
             QString("Lindenstr. 12 "));
    QTest::keyClicks(edit(6), "a");
    QTest::keyClick(edit(6), Qt::Key_Backspace);
    QCOMPARE(raw("SELECT ANS_STREET FROM MAINPERSON WHERE ANS_IDENT=?").toString(),
             QString("Lindenstr. 12 "));
}

void MainAntragTest::emptiedFieldIsStoredAsOneBlank() {
    QVERIFY(store::execute("UPDATE MAINPERSON SET ANS_PHONE='0351 12345 ' WHERE ANS_IDENT=?", {app()}));
    openDialog(0);
    QCOMPARE(edit(10)->text(), QString("0351 12345"));
    edit(10)->selectAll();
    QTest::keyClick(edit(10), Qt::Key_Delete);
    QCOMPARE(raw("SELECT ANS_PHONE FROM MAINPERSON WHERE ANS_IDENT=?").toString(), QString(" "));
    restart();
    openDialog(0);
    QCOMPARE(edit(10)->text(), QString());
}

void MainAntragTest::loadingWritesNothing() {
    QVERIFY(store::execute("UPDATE MAINHEADER SET BDG_OFFICENAME='Jobcenter ', BDG_ALG1_YES=1, "
                           "BDG_BEISTAND_YES=1, BDG_BEISTAND_AZ='4 XVII 9/07 ' WHERE BDG_IDENT=?",
                           {app()}));
    QVERIFY(store::execute("UPDATE MAINPERSON SET ANS_FIRSTNAME='Groß ' WHERE ANS_IDENT=?", {app()}));
    const int before = changesSoFar();
    openDialog(0);
    m_dialog->ShowPage(1);
    QTest::mouseClick(m_dialog->SpeedButton2, Qt::LeftButton);
    QTest::mouseClick(m_dialog->SpeedButton1, Qt::LeftButton);
    m_dialog->ShowPage(0);
    QCOMPARE(changesSoFar(), before);
    QCOMPARE(edit(4)->text(), QString::fromUtf8("Groß"));
    m_dialog->ShowPage(1);
    QVERIFY(box(1)->isChecked() && box(3)->isVisible());
    QVERIFY(box(19)->isChecked() && edit(18)->isVisible());
    QCOMPARE(edit(18)->text(), QString("4 XVII 9/07"));
}

void MainAntragTest::showingAPageReadsWhatOtherDialogsWrote() {
    openDialog(1);
    QVERIFY(box(2)->isChecked());
    // The assets dialog answers the same question on its page "Arbeitslosengeld I".
    QVERIFY(store::execute("UPDATE MAINHEADER SET BDG_ALG1_YES=1, BDG_ALG1_NO=0 WHERE BDG_IDENT=?", {app()}));
    m_dialog->ShowPage(1);
    QVERIFY(box(1)->isChecked());
    // A later click writes the answer on screen, which is the stored one.
    userClick(box(23));
    QCOMPARE(raw("SELECT BDG_ALG1_YES || BDG_ALG1_NO FROM MAINHEADER WHERE BDG_IDENT=?").toString(),
             QString("10"));
}

void MainAntragTest::forwardAndBackChainThePages() {
    openDialog(0);
    QVERIFY(m_dialog->SpeedButton2->isHidden());
    QVERIFY(m_dialog->SpeedButton1->isVisible());
    m_bar.marks.clear();

    QTest::mouseClick(m_dialog->SpeedButton1, Qt::LeftButton);
    QCOMPARE(m_dialog->currentPage(), 1);
    QCOMPARE(m_dialog->Label1->text(), QString("Hauptantrag - weitere Informationen"));
    QVERIFY(m_dialog->SpeedButton2->isVisible());
    QCOMPARE(m_bar.marks, (QList<QPair<int, int>>{{0, 1}}));

    QTest::mouseClick(m_dialog->SpeedButton2, Qt::LeftButton);
    QCOMPARE(m_dialog->currentPage(), 0);
    QCOMPARE(m_dialog->Label1->text(), QString("Hauptantrag - Antragsteller"));
    QVERIFY(m_dialog->SpeedButton2->isHidden());
    QCOMPARE(m_bar.marks, (QList<QPair<int, int>>{{0, 1}, {0, 0}}));

    // The bar leads to either page as well, and the back button follows.
    m_dialog->ShowPage(1);
    QVERIFY(m_dialog->SpeedButton2->isVisible());
    m_dialog->ShowPage(0);
    QVERIFY(m_dialog->SpeedButton2->isHidden());

    // Without a persons dialog in this program, forward from page 1 stays where it is.
    m_dialog->ShowPage(1);
    m_bar.marks.clear();
    QTest::mouseClick(m_dialog->SpeedButton1, Qt::LeftButton);
    QCOMPARE(m_dialog->currentPage(), 1);
    QVERIFY(m_bar.marks.isEmpty());
}

void MainAntragTest::forwardFromTheLastPageOpensThePersonsDialog() {
    NextDialog* next = nullptr;
    store::DialogRegistry::instance().registerFactory(1, [&next] { return next = new NextDialog; });
    openDialog(1);
    m_bar.marks.clear();
    QTest::mouseClick(m_dialog->SpeedButton1, Qt::LeftButton);
    QVERIFY(next);
    std::unique_ptr<NextDialog> owner(next);
    QCOMPARE(next->currentPage(), 0);
    QCOMPARE(next->loads, 1);
    QVERIFY(next->isVisible());
    QCOMPARE(m_bar.marks, (QList<QPair<int, int>>{{1, 0}}));
    store::DialogRegistry::instance().clear();
}

void MainAntragTest::helpFollowsThePage() {
    QList<int> automatic;
    QList<int> requested;
    store::help().showHelpAuto = [&automatic](int n) { automatic << n; };
    store::help().showHelp = [&requested](int n) { requested << n; };

    openDialog(0);
    auto* button = m_dialog->findChild<QAbstractButton*>("SpeedButton3");
    QVERIFY(button);
    QCOMPARE(m_dialog->WebBrowser1->toPlainText(), plainTextOfHelp(1001));
    QVERIFY(automatic.contains(2001));
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(requested, QList<int>{2001});

    automatic.clear();
    QTest::mouseClick(m_dialog->SpeedButton1, Qt::LeftButton);
    QCOMPARE(m_dialog->WebBrowser1->toPlainText(), plainTextOfHelp(1002));
    QCOMPARE(automatic, QList<int>{2002});
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(requested, (QList<int>{2001, 2002}));
}

void MainAntragTest::everythingTypedIsThereAfterRestart() {
    openDialog(0);
    const QList<QPair<int, QString>> typed{{1, "Jobcenter Dresden"},
                                           {2, "BG 0815"},
                                           {3, "Team 4"},
                                           {4, QString::fromUtf8("Schäfer")},
                                           {5, "Lena"},
                                           {6, "Am Markt 3"},
                                           {7, "01067"},
                                           {8, "Dresden"},
                                           {9, "Familie Roth"},
                                           {10, "0351 4711"},
                                           {11, "0351 4712"},
                                           {12, "lena@example.org"},
                                           {13, "850 503 00"},
                                           {14, "3120 4711 00"},
                                           {15, "Ostsächsische Sparkasse"},
                                           {16, QString::fromUtf8("Lena Schäfer")}};
    for (const auto& [number, text] : typed) {
        if (text.toLatin1() == text.toUtf8())
            QTest::keyClicks(edit(number), text);
        else
            userTypes(edit(number), text);
    }
    QTest::mouseClick(m_dialog->SpeedButton1, Qt::LeftButton);
    userClick(box(1));  // earlier benefits: yes
    userClick(box(24)); // income unchanged
    userClick(box(17)); // housing costs: yes
    userClick(box(19)); // guardian: yes
    QTest::keyClicks(edit(17), "Amtsgericht Dresden");

    restart();
    openDialog(0);
    for (const auto& [number, text] : typed)
        QCOMPARE(edit(number)->text(), text);
    m_dialog->ShowPage(1);
    QVERIFY(box(1)->isChecked());
    QVERIFY(box(24)->isChecked() && box(3)->isChecked());
    QVERIFY(box(17)->isChecked());
    QVERIFY(box(19)->isChecked());
    QCOMPARE(edit(17)->text(), QString("Amtsgericht Dresden"));
}

QTEST_MAIN(MainAntragTest)
#include "tst_mainantrag.moc"
