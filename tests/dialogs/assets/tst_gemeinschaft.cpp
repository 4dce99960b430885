// The community dialog, driven through its widgets: the four pages' rules, what they store, the
// confirmation of page 1, the grids and the child-benefit recipient in SETTING.INI.
#include "Application.h"
#include "DataDialog.h"
#include "Editors.h"
#include "MemberHelpDetails.h"
#include "FixedGrid.h"
#include "GemeinschaftMain.h"
#include "ServerObjects.h"
#include "Settings.h"
#include "Sql.h"
#include "TestHome.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

namespace {

QString app() { return MainObject->AntragIdent; }

QVariant value(const QString& sql, const store::Values& values = {}) { return store::selectValue(sql, values); }

int count(const QString& table, const QString& where, const store::Values& values) {
    return value(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2").arg(table, where), values).toInt();
}

QString addPerson(const QString& name, const QString& firstName, int type, int number) {
    const QString ident = TMainObject::NewRowIdent();
    if (!store::execute("INSERT INTO PERSON (PRS_IDENT, PRS_INDEX_MAINHEADER, PRS_TYPE, PRS_NUMBER, PRS_NAME, PRS_VNAME) "
                        "VALUES (?, ?, ?, ?, ?, ?)",
                        {ident, app(), type, number, name + ' ', firstName + ' '}))
        return {};
    return ident;
}

class RecordingBar : public NavigationMarker {
public:
    void markItem(int panel, int item) override { marks << qMakePair(panel, item); }
    QList<QPair<int, int>> marks;
};

class Housing : public DataDialog {
public:
    Housing() : DataDialog(4, QStringLiteral("Housing")) { addPage({QStringLiteral("Wohnung"), 27, new QWidget, {}}); }
};

const QString kConfirmation = QStringLiteral(
    "Wenn Sie den Schalter auf \"Nein\" zurücksetzen, \nwerden alle zur gewählten Person hinterlegten Informationen "
    "gelöscht!\n\nWollen Sie fortfahren?");

} // namespace

class GemeinschaftTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void communityPage_data();
    void communityPage();
    void communityRowIsInsertedOnceOnTheFirstSave();
    void relativesQuestionAndOneSupportRowPerPerson();
    void relativesGridIsStoredForItsPerson();
    void relativeTypedIntoTheGridIsStoredOnLeavingIt();
    void detailsButtonOpensTheSelectedPersonsDetails();
    void personNoAsksAndDeletesEverything_data();
    void personNoAsksAndDeletesEverything();
    void personNoDeletesBothOrNothing();
    void relativesRewriteKeepsTheOldListOnFailure();
    void nutritionStoresWhatTheBoxesShow();
    void childBenefitLoadingDeletesNothing();
    void childBenefitClicksStoreWhatTheScreenShows();
    void claimOfAPersonAboveTenIsReadOnly();
    void pagesChainAndLeadBackToHousing();

private:
    TGemeinschaftMainDlg* open(int page);
    template <typename T = QWidget> T* find(const QString& name) const {
        auto* w = m_dialog->findChild<T*>(name);
        if (!w) qFatal("%s is missing", qPrintable(name));
        return w;
    }
    QCheckBox* box(const QString& name) const { return find<QCheckBox>(name); }
    FixedGrid* relatives() const { return find<FixedGrid>("RelativesGrid"); }
    void selectPerson(const QString& list, int row);

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<ScriptedMessages> m_messages;
    std::unique_ptr<TGemeinschaftMainDlg> m_dialog;
    RecordingBar m_bar;
    QString m_partner;
    QString m_child;
};

void GemeinschaftTest::init() {
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->ok());
    m_messages = std::make_unique<ScriptedMessages>();
    QVERIFY(!createTestApplication(QStringLiteral("Familie")).isEmpty());
    QVERIFY(store::execute("UPDATE PERSON SET PRS_NAME='Muster ', PRS_VNAME='Max ' WHERE PRS_IDENT=?", {app()}));
    m_child = addPerson(QStringLiteral("Muster"), QStringLiteral("Lena"), 2, 3);
    m_partner = addPerson(QStringLiteral("O'Neill"), QStringLiteral("Erika"), 1, 2);
    m_bar.marks.clear();
    MainObject->Navigation = &m_bar;
}

void GemeinschaftTest::cleanup() {
    m_dialog.reset();
    store::DialogRegistry::instance().clear();
    QCOMPARE(m_messages->texts(), QStringList());
    m_messages.reset();
    m_home.reset();
}

TGemeinschaftMainDlg* GemeinschaftTest::open(int page) {
    m_dialog = std::make_unique<TGemeinschaftMainDlg>();
    m_dialog->resize(844, 690);
    m_dialog->show();
    m_dialog->ShowPage(page);
    m_dialog->activateWindow();
    if (!QTest::qWaitForWindowActive(m_dialog.get()))
        qWarning("the dialog did not become active");
    return m_dialog.get();
}

void GemeinschaftTest::selectPerson(const QString& list, int row) {
    auto* tree = find<QTreeWidget>(list);
    tree->setCurrentItem(tree->topLevelItem(row));
}

// ---------------------------------------------------------------------------------------------------

void GemeinschaftTest::communityPage_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("memo");
    QTest::addColumn<bool>("reasonsShown");
    QTest::addColumn<QString>("stored"); // YES MOREYEARS WITHCHILD WITHOTHER WITHMONEY NO, then the memo

    QTest::newRow("reasons") << QStringList{"MoreYearsBox", "WithMoneyBox"} << QString() << true << "110010| ";
    QTest::newRow("denial with reason") << QStringList{"MemberNo"} << QStringLiteral("Seit 2020 getrennt, O'Brien weiß es")
                                        << false << "000001|Seit 2020 getrennt, O'Brien weiß es ";
    QTest::newRow("denial taken back") << QStringList{"WithChildBox", "MemberNo", "MemberYes"} << QString() << true
                                       << "100000| ";
    QTest::newRow("unanswered") << QStringList{"MemberYes"} << QString() << true << "000000| ";
}

void GemeinschaftTest::communityPage() {
    QFETCH(QStringList, clicks);
    QFETCH(QString, memo);
    QFETCH(bool, reasonsShown);
    QFETCH(QString, stored);
    open(0);
    QCOMPARE(m_dialog->Label1->text(), QString("Gemeinschaftliche Angaben"));
    QVERIFY(box("MemberYes")->isChecked());
    QVERIFY(!find("DescripMemo")->isVisible());
    for (const QString& name : clicks)
        clickBox(box(name));
    if (!memo.isEmpty()) {
        auto* edit = find<QPlainTextEdit>("DescripMemo");
        QVERIFY(edit->isVisible());
        edit->setFocus();
        edit->setPlainText(memo);
    }
    QCOMPARE(box("MoreYearsBox")->isVisible(), reasonsShown);
    QCOMPARE(find("DescripMemo")->isVisible(), !reasonsShown);

    store::Rows row = store::select("SELECT MES_MEMBER_YES, MES_MEMBER_MOREYEARS, MES_MEMBER_WITHCHILD, "
                                    "MES_MEMBER_WITHOTHER, MES_MEMBER_WITHMONEY, MES_MEMBER_NO, MES_DESCRIP "
                                    "FROM MEMBERSHIP WHERE MES_INDEX_MAINHEADER=?",
                                    {app()});
    QVERIFY(row.next());
    QString actual;
    for (int i = 0; i < 6; ++i)
        actual += row.query().value(i).toBool() ? '1' : '0';
    actual += '|' + row.query().value(6).toString();
    QCOMPARE(actual, stored);

    // Shown again, the page says what was stored.
    m_dialog->ShowPage(0);
    QCOMPARE(box("MemberNo")->isChecked(), stored.at(5) == '1');
    QCOMPARE(box("MoreYearsBox")->isChecked(), stored.at(1) == '1');
    QCOMPARE(find<QPlainTextEdit>("DescripMemo")->toPlainText(), memo);
}

void GemeinschaftTest::communityRowIsInsertedOnceOnTheFirstSave() {
    open(0);
    QCOMPARE(count("MEMBERSHIP", "MES_INDEX_MAINHEADER=?", {app()}), 0);
    clickBox(box("WithOtherBox"));
    clickBox(box("WithChildBox"));
    clickBox(box("WithChildBox"));
    QCOMPARE(count("MEMBERSHIP", "MES_INDEX_MAINHEADER=?", {app()}), 1);
    QVERIFY(TMainObject::IsRowIdent(value("SELECT MES_IDENT FROM MEMBERSHIP WHERE MES_INDEX_MAINHEADER=?", {app()}).toString()));
    QCOMPARE(value("SELECT MES_MEMBER_WITHOTHER + 2 * MES_MEMBER_WITHCHILD FROM MEMBERSHIP WHERE MES_INDEX_MAINHEADER=?",
                   {app()}).toInt(),
             1);
}

// ---------------------------------------------------------------------------------------------------

void GemeinschaftTest::relativesQuestionAndOneSupportRowPerPerson() {
    open(1);
    QCOMPARE(m_dialog->Label1->text(), QString("Feststellung der Hilfebedürftigkeit"));
    QVERIFY(box("HelpNo")->isChecked());
    QVERIFY(!find("HelpPersonList")->isVisible());
    clickBox(box("HelpYes"));
    QCOMPARE(value("SELECT BDG_MEMBER_HELP_YES || BDG_MEMBER_HELP_NO FROM MAINHEADER WHERE BDG_IDENT=?", {app()}).toString(),
             QString("10"));
    QVERIFY(find("HelpPersonList")->isVisible());
    QVERIFY(box("HelpPersonNo")->isChecked());
    QVERIFY(!relatives()->isVisible());
    // Applicant, partner, child: by type, then number.
    auto* list = find<QTreeWidget>("HelpPersonList");
    QCOMPARE(list->topLevelItemCount(), 3);
    QCOMPARE(list->topLevelItem(1)->text(0), QString("O'Neill, Erika"));

    selectPerson("HelpPersonList", 1);
    clickBox(box("HelpPersonYes"));
    QVERIFY(relatives()->isVisible());
    QVERIFY(find("DetailsButton")->isVisible());
    clickBox(box("HelpPersonYes")); // unticked: nothing added
    clickBox(box("HelpPersonYes"));
    QCOMPARE(count("MEMBERHELP", "MHM_INDEX_PERSON=?", {m_partner}), 1);
    QCOMPARE(count("MEMBERHELP", "MHM_INDEX_MAINHEADER=?", {app()}), 1);

    // "Nein" of the question hides everything and deletes nothing; "Ja" again shows what is stored.
    clickBox(box("HelpNo"));
    QVERIFY(!find("HelpPersonList")->isVisible());
    QCOMPARE(count("MEMBERHELP", "MHM_INDEX_PERSON=?", {m_partner}), 1);
    clickBox(box("HelpYes"));
    QVERIFY(box("HelpPersonYes")->isChecked());
    QVERIFY(relatives()->isVisible());

    // Another person has no support row.
    selectPerson("HelpPersonList", 2);
    QVERIFY(box("HelpPersonNo")->isChecked());
    selectPerson("HelpPersonList", 1);
    QVERIFY(box("HelpPersonYes")->isChecked());
}

void GemeinschaftTest::relativesGridIsStoredForItsPerson() {
    open(1);
    clickBox(box("HelpYes"));
    selectPerson("HelpPersonList", 1);
    clickBox(box("HelpPersonYes"));
    relatives()->setCell(0, 0, QStringLiteral("O'Neill"));
    relatives()->setCell(0, 1, QStringLiteral("Karl"));
    relatives()->setCell(0, 2, QStringLiteral("um 1950"));
    relatives()->setCell(0, 3, 0); // "Elternteil?" Ja
    relatives()->setCell(2, 0, QStringLiteral("Berg"));

    // Choosing another person stores the grid for the one it was loaded for.
    selectPerson("HelpPersonList", 2);
    QCOMPARE(count("MEMBERHELPPERSON", "MHP_INDEX_PERSON=?", {m_partner}), 2);
    QCOMPARE(count("MEMBERHELPPERSON", "MHP_INDEX_PERSON=?", {m_child}), 0);
    QCOMPARE(value("SELECT MHP_NAME || '|' || MHP_VNAME || '|' || MHP_BIRTHDAY || '|' || MHP_ELTER_YES || MHP_ELTER_NO "
                   "|| '|' || MHP_NUMBER FROM MEMBERHELPPERSON WHERE MHP_INDEX_PERSON=? AND MHP_NUMBER=0",
                   {m_partner}).toString(),
             QString("O'Neill |Karl |um 1950 |10|0"));
    QCOMPARE(value("SELECT MHP_ELTER_YES || MHP_ELTER_NO || MHP_NUMBER FROM MEMBERHELPPERSON "
                   "WHERE MHP_INDEX_PERSON=? AND MHP_NAME='Berg'",
                   {m_partner}).toString(),
             QString("012"));
    QVERIFY(relatives()->text(0, 0).isEmpty());

    // Back to the partner: the stored relatives fill the grid from the top.
    selectPerson("HelpPersonList", 1);
    QCOMPARE(relatives()->text(0, 0), QString("O'Neill"));
    QCOMPARE(relatives()->cell(0, 3).toInt(), 0); // Ja
    QCOMPARE(relatives()->text(1, 0), QString("Berg"));
    QCOMPARE(relatives()->cell(1, 3).toInt(), 1); // Nein
    QCOMPARE(relatives()->text(2, 0), QString());
}

void GemeinschaftTest::relativeTypedIntoTheGridIsStoredOnLeavingIt() {
    open(1);
    clickBox(box("HelpYes"));
    clickBox(box("HelpPersonYes"));
    FixedGrid* grid = relatives();
    grid->setFocus();
    grid->setCurrentCell(0, 0);
    QTest::keyClick(grid, 'H');
    QWidget* editor = QApplication::focusWidget();
    QVERIFY(editor && editor != grid);
    QTest::keyClicks(editor, "ahn");
    find<QTreeWidget>("HelpPersonList")->setFocus();
    QCOMPARE(value("SELECT MHP_NAME || MHP_ELTER_YES || MHP_ELTER_NO FROM MEMBERHELPPERSON WHERE MHP_INDEX_PERSON=?",
                   {app()}).toString(),
             QString("Hahn 01"));
}

void GemeinschaftTest::detailsButtonOpensTheSelectedPersonsDetails() {
    open(1);
    clickBox(box("HelpYes"));
    selectPerson("HelpPersonList", 1);
    clickBox(box("HelpPersonYes"));
    QString title;
    QTimer::singleShot(0, m_dialog.get(), [this, &title] {
        QDialog* details = m_dialog->detailsDialog();
        title = details->findChild<QLabel*>("TitleLabel")->text();
        clickBox(details->findChild<QCheckBox*>("MoneyYes"));
        details->close();
    });
    QTest::mouseClick(find<QPushButton>("DetailsButton"), Qt::LeftButton);
    QCOMPARE(title, QString("Zuwendungsdetails von O'Neill, Erika"));
    QCOMPARE(value("SELECT MHM_MONEY_YES FROM MEMBERHELP WHERE MHM_INDEX_PERSON=?", {m_partner}).toInt(), 1);
    QCOMPARE(count("MEMBERHELP", "MHM_INDEX_PERSON=?", {m_partner}), 1);
}

void GemeinschaftTest::personNoAsksAndDeletesEverything_data() {
    QTest::addColumn<bool>("confirm");
    QTest::newRow("refused") << false;
    QTest::newRow("confirmed") << true;
}

void GemeinschaftTest::personNoAsksAndDeletesEverything() {
    QFETCH(bool, confirm);
    open(1);
    clickBox(box("HelpYes"));
    selectPerson("HelpPersonList", 1);
    clickBox(box("HelpPersonYes"));
    relatives()->setCell(0, 0, QStringLiteral("Berg"));
    m_dialog->deactivate();
    QCOMPARE(count("MEMBERHELPPERSON", "MHP_INDEX_PERSON=?", {m_partner}), 1);

    m_messages->answer({confirm ? store::Answer::Yes : store::Answer::No});
    clickBox(box("HelpPersonNo"));
    QCOMPARE(m_messages->texts(), QStringList{kConfirmation});
    m_messages->clear();
    QCOMPARE(box("HelpPersonYes")->isChecked(), !confirm);
    QCOMPARE(box("HelpPersonNo")->isChecked(), confirm);
    QCOMPARE(count("MEMBERHELP", "MHM_INDEX_PERSON=?", {m_partner}), confirm ? 0 : 1);
    QCOMPARE(count("MEMBERHELPPERSON", "MHP_INDEX_PERSON=?", {m_partner}), confirm ? 0 : 1);

    // Leaving the page saves the grid: deleted relatives do not come back, kept ones stay.
    QTest::mouseClick(m_dialog->SpeedButton1, Qt::LeftButton);
    QCOMPARE(m_dialog->currentPage(), 2);
    QCOMPARE(count("MEMBERHELPPERSON", "MHP_INDEX_PERSON=?", {m_partner}), confirm ? 0 : 1);
}

void GemeinschaftTest::personNoDeletesBothOrNothing() {
    open(1);
    clickBox(box("HelpYes"));
    selectPerson("HelpPersonList", 1);
    clickBox(box("HelpPersonYes"));
    relatives()->setCell(0, 0, QStringLiteral("Berg"));
    m_dialog->deactivate();
    QVERIFY(store::execute("CREATE TRIGGER refuse BEFORE DELETE ON MEMBERHELPPERSON "
                           "BEGIN SELECT RAISE(ABORT, 'verweigert'); END"));
    m_messages->answer({store::Answer::Yes});
    clickBox(box("HelpPersonNo"));
    QCOMPARE(m_messages->shown().size(), 2);
    QCOMPARE(m_messages->shown().at(1).kind, store::MessageKind::Error);
    m_messages->clear();
    QVERIFY(store::execute("DROP TRIGGER refuse"));
    // The support sheet and its relatives are both still there, and the page says so.
    QCOMPARE(count("MEMBERHELP", "MHM_INDEX_PERSON=?", {m_partner}), 1);
    QCOMPARE(count("MEMBERHELPPERSON", "MHP_INDEX_PERSON=?", {m_partner}), 1);
    QVERIFY(box("HelpPersonYes")->isChecked());
    QCOMPARE(relatives()->text(0, 0), QString("Berg"));
}

void GemeinschaftTest::relativesRewriteKeepsTheOldListOnFailure() {
    open(1);
    clickBox(box("HelpYes"));
    selectPerson("HelpPersonList", 1);
    clickBox(box("HelpPersonYes"));
    relatives()->setCell(0, 0, QStringLiteral("Alt"));
    relatives()->setCell(1, 0, QStringLiteral("Älter"));
    m_dialog->deactivate();
    QVERIFY(store::execute("CREATE TRIGGER refuse BEFORE INSERT ON MEMBERHELPPERSON WHEN NEW.MHP_NAME = 'Kaputt ' "
                           "BEGIN SELECT RAISE(ABORT, 'verweigert'); END"));
    relatives()->setCell(0, 0, QStringLiteral("Neu"));
    relatives()->setCell(1, 0, QStringLiteral("Kaputt"));
    m_dialog->deactivate();
    QVERIFY(store::execute("DROP TRIGGER refuse"));
    QCOMPARE(value("SELECT group_concat(MHP_NAME, '|') FROM (SELECT MHP_NAME FROM MEMBERHELPPERSON "
                   "WHERE MHP_INDEX_PERSON=? ORDER BY MHP_NUMBER)",
                   {m_partner}).toString(),
             QString("Alt |Älter "));
}

// ---------------------------------------------------------------------------------------------------

void GemeinschaftTest::nutritionStoresWhatTheBoxesShow() {
    open(2);
    QCOMPARE(m_dialog->Label1->text(), QString("Mehrbedarf für kostenaufwändige Ernährung"));
    QVERIFY(!box("MoreFootNoneBox")->isVisible());
    clickBox(box("MoreFootYes"));
    QCOMPARE(value("SELECT BDG_MOREFOOT_YES || BDG_MOREFOOT_NO FROM MAINHEADER WHERE BDG_IDENT=?", {app()}).toString(),
             QString("10"));
    QVERIFY(box("MoreFootNoneBox")->isChecked());
    QVERIFY(!find("MoreFootDateEdit")->isVisible());
    selectPerson("MoreFootPersonList", 2);

    const auto row = [this] {
        return value("SELECT MOF_HAVE_YES || '|' || MOF_HAVE_DATE || '|' || MOF_WANT_YES FROM MEMBERMOREFOOT "
                     "WHERE MOF_INDEX_PERSON=?",
                     {m_child}).toString();
    };
    clickBox(box("MoreFootHaveBox"));
    QVERIFY(find("MoreFootDateEdit")->isVisible());
    QCOMPARE(row(), QString("1| |0"));
    auto* date = find<QLineEdit>("MoreFootDateEdit");
    date->setFocus();
    QTest::keyClicks(date, "01.02.2026x");
    QCOMPARE(date->text(), QString("01.02.2026"));
    QCOMPARE(row(), QString("1|01.02.2026 |0"));

    clickBox(box("MoreFootWantBox"));
    QVERIFY(!find("MoreFootDateEdit")->isVisible());
    QCOMPARE(row(), QString("0| |1"));
    // Clicking the ticked box leaves the person without a claim.
    clickBox(box("MoreFootWantBox"));
    QCOMPARE(count("MEMBERMOREFOOT", "MOF_INDEX_PERSON=?", {m_child}), 0);
    clickBox(box("MoreFootWantBox"));
    clickBox(box("MoreFootNoneBox"));
    QCOMPARE(count("MEMBERMOREFOOT", "MOF_INDEX_PERSON=?", {m_child}), 0);

    clickBox(box("MoreFootHaveBox"));
    date->setText(QStringLiteral("März"));
    emit date->textEdited(date->text());
    m_dialog->ShowPage(2);
    QVERIFY(box("MoreFootYes")->isChecked());
    QVERIFY(box("MoreFootNoneBox")->isChecked()); // the first person has no claim
    selectPerson("MoreFootPersonList", 2);
    QVERIFY(box("MoreFootHaveBox")->isChecked());
    QCOMPARE(find<QLineEdit>("MoreFootDateEdit")->text(), QString("März"));
    QCOMPARE(count("MEMBERMOREFOOT", "MOF_INDEX_MAINHEADER=?", {app()}), 1);
}

// ---------------------------------------------------------------------------------------------------

void GemeinschaftTest::childBenefitLoadingDeletesNothing() {
    QVERIFY(store::writeSetting("MONEY", "CHILD", m_partner));
    QVERIFY(store::execute("INSERT INTO MEMBERCHILDS (CKG_IDENT, CKG_INDEX_MAINHEADER, CKG_CHILD_3) VALUES (?, ?, 1)",
                           {TMainObject::NewRowIdent(), app()}));
    // "Nein" stored, and another application's page before it: opening the page changes nothing.
    QVERIFY(store::execute("UPDATE MAINHEADER SET BDG_CHILDMONEY_NO=1, BDG_CHILDMONEY_NUMBER='123  ', "
                           "BDG_CHILDMONEY_BRUTTO=250 WHERE BDG_IDENT=?",
                           {app()}));
    open(3);
    QCOMPARE(m_dialog->Label1->text(), QString("Anspruch auf Kindergeld"));
    QVERIFY(box("ChildMoneyNo")->isChecked());
    QVERIFY(!find("ChildClaimsGrid")->isVisible());
    QVERIFY(!m_dialog->SpeedButton1->isVisible());
    QCOMPARE(store::readSetting("MONEY", "CHILD"), m_partner);
    QCOMPARE(count("MEMBERCHILDS", "CKG_INDEX_MAINHEADER=?", {app()}), 1);
    m_dialog->deactivate();
    QCOMPARE(count("MEMBERCHILDS", "CKG_INDEX_MAINHEADER=? AND CKG_CHILD_3", {app()}), 1);

    // With "Ja" stored, the page shows the number, amount, recipient and claims.
    QVERIFY(store::execute("UPDATE MAINHEADER SET BDG_CHILDMONEY_YES=1, BDG_CHILDMONEY_NO=0 WHERE BDG_IDENT=?", {app()}));
    m_dialog->ShowPage(3);
    QCOMPARE(find<QLineEdit>("ChildNumberEdit")->text(), QString("123"));
    QCOMPARE(find<QLineEdit>("ChildAmountEdit")->text(), QString("250,00"));
    QCOMPARE(find<QComboBox>("ChildRecipientCombo")->currentText(), QString("O'Neill, Erika"));
    auto* grid = find<FixedGrid>("ChildClaimsGrid");
    QCOMPARE(grid->rowCount(), 3);
    QCOMPARE(grid->text(2, 0), QString("Muster, Lena"));
    QCOMPARE(grid->cell(2, 1).toInt(), 0); // Ja
    QCOMPARE(grid->cell(0, 1).toInt(), 1); // Nein
}

void GemeinschaftTest::childBenefitClicksStoreWhatTheScreenShows() {
    QVERIFY(store::execute("UPDATE MAINHEADER SET BDG_CHILDMONEY_NO=1, BDG_CHILDMONEY_NUMBER='99  ', "
                           "BDG_CHILDMONEY_BRUTTO=250 WHERE BDG_IDENT=?",
                           {app()}));
    open(3);
    const auto header = [] {
        return value("SELECT BDG_CHILDMONEY_YES || BDG_CHILDMONEY_NO || '|' || BDG_CHILDMONEY_NUMBER || '|' || "
                     "BDG_CHILDMONEY_BRUTTO FROM MAINHEADER WHERE BDG_IDENT=?",
                     {app()}).toString();
    };
    clickBox(box("ChildMoneyYes"));
    QVERIFY(find("ChildClaimsGrid")->isVisible());
    QCOMPARE(find<QLineEdit>("ChildNumberEdit")->text(), QString());
    // What the screen emptied is emptied in the database too.
    QCOMPARE(header(), QString("10|  |0.0"));

    auto* number = find<QLineEdit>("ChildNumberEdit");
    number->setFocus();
    QTest::keyClicks(number, "123");
    auto* amount = find<QLineEdit>("ChildAmountEdit");
    amount->setFocus();
    amount->selectAll();
    QTest::keyClicks(amount, "204");
    QCOMPARE(header(), QString("10|123  |204.0"));

    auto* combo = find<QComboBox>("ChildRecipientCombo");
    QCOMPARE(combo->itemText(0), QString());
    combo->setCurrentIndex(2);
    emit combo->activated(2);
    QCOMPARE(store::readSetting("MONEY", "CHILD"), m_partner);

    auto* grid = find<FixedGrid>("ChildClaimsGrid");
    grid->setCell(0, 1, 0); // Ja
    grid->setCell(2, 1, 0);
    QTest::mouseClick(m_dialog->SpeedButton2, Qt::LeftButton);
    QCOMPARE(m_dialog->currentPage(), 2);
    QCOMPARE(value("SELECT CKG_CHILD_1 || CKG_CHILD_2 || CKG_CHILD_3 || CKG_CHILD_4 || CKG_CHILD_5 || CKG_CHILD_6 || "
                   "CKG_CHILD_7 || CKG_CHILD_8 || CKG_CHILD_9 || CKG_CHILD_10 FROM MEMBERCHILDS WHERE CKG_INDEX_MAINHEADER=?",
                   {app()}).toString(),
             QString("1010000000"));
    QCOMPARE(count("MEMBERCHILDS", "CKG_INDEX_MAINHEADER=?", {app()}), 1);

    m_dialog->ShowPage(3);
    clickBox(box("ChildMoneyNo"));
    QCOMPARE(header(), QString("01|  |0.0"));
    QCOMPARE(count("MEMBERCHILDS", "CKG_INDEX_MAINHEADER=?", {app()}), 0);
    QCOMPARE(store::readSetting("MONEY", "CHILD"), QString());
    QCOMPARE(combo->currentIndex(), 0);
    m_dialog->deactivate();
    QCOMPARE(count("MEMBERCHILDS", "CKG_INDEX_MAINHEADER=?", {app()}), 0);

    // "Ja" again starts from nothing: the recipient has to be chosen anew.
    clickBox(box("ChildMoneyYes"));
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(grid->cell(0, 1).toInt(), 1); // Nein
}

void GemeinschaftTest::claimOfAPersonAboveTenIsReadOnly() {
    const QString late = addPerson(QStringLiteral("Spät"), QStringLiteral("Tom"), 2, 12);
    QVERIFY(store::execute("UPDATE MAINHEADER SET BDG_CHILDMONEY_YES=1 WHERE BDG_IDENT=?", {app()}));
    open(3);
    auto* grid = find<FixedGrid>("ChildClaimsGrid");
    QCOMPARE(grid->rowCount(), 4);
    QCOMPARE(grid->text(3, 0), QString("Spät, Tom"));
    QVERIFY(!(grid->item(3, 1)->flags() & Qt::ItemIsEditable));
    QVERIFY(!grid->item(3, 1)->toolTip().isEmpty());
    QVERIFY(grid->item(2, 1)->flags() & Qt::ItemIsEditable);
    QVERIFY(!(grid->item(2, 0)->flags() & Qt::ItemIsEditable));
    Q_UNUSED(late);
}

void GemeinschaftTest::pagesChainAndLeadBackToHousing() {
    auto& registry = store::DialogRegistry::instance();
    Housing* housing = nullptr;
    registry.registerFactory(4, [&housing] { return housing = new Housing; });
    registry.registerFactory(5, [] { return new TGemeinschaftMainDlg; });
    open(0);
    for (int page = 1; page <= 3; ++page) {
        QVERIFY(m_dialog->SpeedButton1->isVisible());
        QTest::mouseClick(m_dialog->SpeedButton1, Qt::LeftButton);
        QCOMPARE(m_dialog->currentPage(), page);
        QCOMPARE(m_bar.marks.last(), qMakePair(5, page));
    }
    QVERIFY(!m_dialog->SpeedButton1->isVisible());
    for (int page = 2; page >= 0; --page) {
        QTest::mouseClick(m_dialog->SpeedButton2, Qt::LeftButton);
        QCOMPARE(m_dialog->currentPage(), page);
    }
    QTest::mouseClick(m_dialog->SpeedButton2, Qt::LeftButton);
    QVERIFY(housing);
    QCOMPARE(m_bar.marks.last(), qMakePair(4, 0));
    delete housing;
}

QTEST_MAIN(GemeinschaftTest)
#include "tst_gemeinschaft.moc"
