// The shared mechanisms of the data dialogs, on small dialogs of the test's own.
#include "DataDialog.h"
#include "Editors.h"
#include "FixedGrid.h"
#include "ServerObjects.h"
#include "Sql.h"
#include "TestHome.h"
#include "WriteGroup.h"
#include "YesNoPair.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

namespace {

QString applicationKey() { return MainObject->AntragIdent; }

// A dialog of one page: two names in a write group and one question as a pair.
class PairDialog : public DataDialog {
public:
    explicit PairDialog(YesNoPair::Form form) : DataDialog(0, QStringLiteral("PairDialog"))
    {
        auto* page = new QWidget;
        auto* layout = new QVBoxLayout(page);
        last = new QLineEdit(page);
        first = new QLineEdit(page);
        yes = new QCheckBox(QStringLiteral("Ja"), page);
        no = new QCheckBox(QStringLiteral("Nein"), page);
        for (QWidget* w : std::initializer_list<QWidget*>{last, first, yes, no})
            layout->addWidget(w);
        pair = new YesNoPair(yes, no, form, this);
        pair->onChange([this](bool) { ++ruleRuns; first->setEnabled(!no->isChecked()); });
        (new WriteGroup("MAINPERSON", "ANS_IDENT", applicationKey, this))
            ->text(last, "ANS_LASTNAME")
            .text(first, "ANS_FIRSTNAME");
        (new WriteGroup("MAINHEADER", "BDG_IDENT", applicationKey, this))->pair(pair, "BDG_ALG1_YES", "BDG_ALG1_NO");
        addPage({QStringLiteral("Seite"), 1, page, [this] {
                     store::Rows p = store::select("SELECT * FROM MAINPERSON WHERE ANS_IDENT=?", {applicationKey()});
                     if (p.next()) {
                         last->setText(p.text("ANS_LASTNAME"));
                         first->setText(p.text("ANS_FIRSTNAME"));
                     }
                     store::Rows h = store::select("SELECT * FROM MAINHEADER WHERE BDG_IDENT=?", {applicationKey()});
                     if (h.next())
                         pair->set(h.flag("BDG_ALG1_YES"), h.flag("BDG_ALG1_NO"));
                 }});
    }
    QLineEdit* last;
    QLineEdit* first;
    QCheckBox* yes;
    QCheckBox* no;
    YesNoPair* pair;
    int ruleRuns = 0;
};

// A dialog with one grid of bank accounts.
class GridDialog : public DataDialog {
public:
    explicit GridDialog(int panel = 2) : DataDialog(panel, QStringLiteral("GridDialog"))
    {
        auto* page = new QWidget;
        auto* layout = new QVBoxLayout(page);
        grid = new FixedGrid(20,
                             {{"Inhaber", "GRO_OWNER", CellKind::Pick, 160, {}, true},
                              {"Bank", "GRO_BANK", CellKind::Text},
                              {"Betrag", "GRO_BRUTTO", CellKind::Money}},
                             page);
        grid->setStorage({"VERGIRO", "GRO_IDENT", "GRO_INDEX_MAINHEADER", {}, "GRO_NUMBER", applicationKey, {}, {},
                          [this](int row) { return !grid->text(row, 1).trimmed().isEmpty(); }});
        other = new QLineEdit(page);
        layout->addWidget(grid);
        layout->addWidget(other);
        addPage({QStringLiteral("Girokonten"), 12, page, [this] { grid->load(); }});
        addPage({QStringLiteral("Zweite Seite"), 13, new QWidget, {}});
    }
    FixedGrid* grid;
    QLineEdit* other;
};

int count(const QString& sql, const store::Values& values = {}) { return store::selectValue(sql, values).toInt(); }

QString stored(const QString& sql) { return store::readText(store::selectValue(sql, {applicationKey()})); }

} // namespace

class FrameworkTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void complementaryPairAlwaysHasOneAnswer();
    void exclusivePairMayBeUnanswered();
    void loadingWritesNothing();
    void writeGroupWritesAllItsColumns();
    void emptiedEditIsStoredAsOneBlank();
    void gridKeepsRowPositions();
    void clearAllAsksFirst();
    void gridIsStoredWhenTheDialogIsLeftWhileEditing();
    void failingInsertKeepsThePreviousList();
    void forwardSkipsPanelsWithoutDialog();
    void missingHelpFileIsExplained();

private:
    TestHome* m_home = nullptr;
    ScriptedMessages* m_messages = nullptr;
};

void FrameworkTest::init()
{
    m_home = new TestHome;
    QVERIFY(m_home->ok());
    m_messages = new ScriptedMessages;
    QVERIFY(!createTestApplication().isEmpty());
}

void FrameworkTest::cleanup()
{
    store::DialogRegistry::instance().clear();
    delete m_messages;
    delete m_home;
}

void FrameworkTest::complementaryPairAlwaysHasOneAnswer()
{
    PairDialog d(YesNoPair::Complementary);
    d.show();
    d.ShowPage(0);
    clickBox(d.yes);
    QVERIFY(d.yes->isChecked() && !d.no->isChecked());
    QCOMPARE(count("SELECT count(*) FROM MAINHEADER WHERE BDG_ALG1_YES=1 AND BDG_ALG1_NO=0"), 1);
    // Clicking the checked box answers the other way.
    clickBox(d.yes);
    QVERIFY(!d.yes->isChecked() && d.no->isChecked());
    QVERIFY(!d.first->isEnabled());
    QCOMPARE(count("SELECT count(*) FROM MAINHEADER WHERE BDG_ALG1_YES=0 AND BDG_ALG1_NO=1"), 1);
}

void FrameworkTest::exclusivePairMayBeUnanswered()
{
    PairDialog d(YesNoPair::Exclusive);
    d.show();
    d.ShowPage(0);
    clickBox(d.no);
    QVERIFY(!d.yes->isChecked() && d.no->isChecked());
    clickBox(d.yes);
    QVERIFY(d.yes->isChecked() && !d.no->isChecked());
    clickBox(d.yes);
    QVERIFY(!d.yes->isChecked() && !d.no->isChecked());
    QCOMPARE(count("SELECT count(*) FROM MAINHEADER WHERE BDG_ALG1_YES=0 AND BDG_ALG1_NO=0"), 1);
}

void FrameworkTest::loadingWritesNothing()
{
    QVERIFY(store::execute("UPDATE MAINHEADER SET BDG_ALG1_NO=1 WHERE BDG_IDENT=?", {applicationKey()}));
    QVERIFY(store::execute("UPDATE MAINPERSON SET ANS_LASTNAME='Groß ' WHERE ANS_IDENT=?", {applicationKey()}));
    QVERIFY(store::execute("CREATE TEMP TABLE writes (n INTEGER)"));
    QVERIFY(store::execute("CREATE TEMP TRIGGER w1 AFTER UPDATE ON MAINHEADER BEGIN INSERT INTO writes VALUES (1); END"));
    QVERIFY(store::execute("CREATE TEMP TRIGGER w2 AFTER UPDATE ON MAINPERSON BEGIN INSERT INTO writes VALUES (1); END"));
    PairDialog d(YesNoPair::Complementary);
    d.ShowPage(0);
    d.ShowPage(0);
    QCOMPARE(d.last->text(), QString("Groß"));
    QVERIFY(d.no->isChecked() && !d.yes->isChecked());
    // The rule ran while loading, so the dependent field follows the answer.
    QVERIFY(d.ruleRuns > 0);
    QVERIFY(!d.first->isEnabled());
    QCOMPARE(count("SELECT count(*) FROM writes"), 0);
}

void FrameworkTest::writeGroupWritesAllItsColumns()
{
    PairDialog d(YesNoPair::Complementary);
    d.show();
    d.ShowPage(0);
    d.first->setText("Anna"); // the program's setText writes nothing
    QCOMPARE(stored("SELECT ANS_FIRSTNAME FROM MAINPERSON WHERE ANS_IDENT=?"), QString());
    QTest::keyClicks(d.last, "Meier");
    QCOMPARE(stored("SELECT ANS_LASTNAME FROM MAINPERSON WHERE ANS_IDENT=?"), QString("Meier"));
    QCOMPARE(stored("SELECT ANS_FIRSTNAME FROM MAINPERSON WHERE ANS_IDENT=?"), QString("Anna"));
    // Typing and deleting one character leaves the stored value as it was.
    QTest::keyClicks(d.last, "x");
    QTest::keyClick(d.last, Qt::Key_Backspace);
    QCOMPARE(stored("SELECT ANS_LASTNAME FROM MAINPERSON WHERE ANS_IDENT=?"), QString("Meier"));
    QCOMPARE(store::selectValue("SELECT ANS_LASTNAME FROM MAINPERSON WHERE ANS_IDENT=?", {applicationKey()}).toString(),
             QString("Meier "));
}

void FrameworkTest::emptiedEditIsStoredAsOneBlank()
{
    PairDialog d(YesNoPair::Complementary);
    d.show();
    d.ShowPage(0);
    QTest::keyClicks(d.last, "Ab");
    QTest::keyClick(d.last, Qt::Key_Backspace);
    QTest::keyClick(d.last, Qt::Key_Backspace);
    QCOMPARE(store::selectValue("SELECT ANS_LASTNAME FROM MAINPERSON WHERE ANS_IDENT=?", {applicationKey()}).toString(),
             QString(" "));
    d.ShowPage(0);
    QCOMPARE(d.last->text(), QString());
}

void FrameworkTest::gridKeepsRowPositions()
{
    GridDialog d;
    d.show();
    d.ShowPage(0);
    QCOMPARE(d.grid->personNames(), QStringList{", "});
    d.grid->setCell(0, 1, "Sparkasse");
    d.grid->setCell(0, 2, 100.5);
    d.grid->setCell(3, 1, "Volksbank O'Neill");
    d.grid->setCell(3, 2, 1234.56);
    QVERIFY(d.grid->save());
    store::Rows rows = store::select("SELECT GRO_NUMBER, GRO_BANK, GRO_BRUTTO FROM VERGIRO ORDER BY GRO_NUMBER");
    QVERIFY(rows.next());
    QCOMPARE(rows.integer("GRO_NUMBER"), 0);
    QVERIFY(rows.next());
    QCOMPARE(rows.integer("GRO_NUMBER"), 3);
    QCOMPARE(rows.text("GRO_BANK"), QString("Volksbank O'Neill"));
    QVERIFY(!rows.next());
    d.grid->clearAll();
    d.grid->load();
    QCOMPARE(d.grid->text(3, 1), QString("Volksbank O'Neill"));
    QCOMPARE(d.grid->amount(3, 2), 1234.56);
    QCOMPARE(d.grid->text(1, 1), QString());
    QCOMPARE(d.grid->item(3, 2)->data(Qt::DisplayRole).toDouble(), 1234.56);
}

void FrameworkTest::clearAllAsksFirst()
{
    GridDialog d;
    d.ShowPage(0);
    d.grid->setCell(2, 1, "Bank");
    QVERIFY(d.grid->save());
    m_messages->answer({store::Answer::No});
    ClearGridAll(d.grid);
    QCOMPARE(m_messages->texts(), QStringList{"Wollen Sie den gesamten Inhalt der Tabelle löschen?"});
    QCOMPARE(d.grid->text(2, 1), QString("Bank"));
    QCOMPARE(count("SELECT count(*) FROM VERGIRO"), 1);
    m_messages->answer({store::Answer::Yes});
    ClearGridAll(d.grid);
    QCOMPARE(count("SELECT count(*) FROM VERGIRO"), 0);
    QCOMPARE(d.grid->text(2, 1), QString());

    d.grid->setCell(1, 1, "Eins");
    d.grid->setCell(4, 1, "Vier");
    d.grid->setCurrentCell(4, 1);
    m_messages->answer({store::Answer::Yes});
    ClearGridRow(d.grid);
    QCOMPARE(m_messages->texts().last(), QString("Wollen Sie den Inhalt der Zeile löschen?"));
    QCOMPARE(stored("SELECT GRO_BANK FROM VERGIRO WHERE GRO_INDEX_MAINHEADER=?"), QString("Eins"));
}

void FrameworkTest::gridIsStoredWhenTheDialogIsLeftWhileEditing()
{
    GridDialog d;
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    d.ShowPage(0);
    d.grid->setFocus();
    d.grid->setCurrentCell(5, 1);
    d.grid->edit(d.grid->currentIndex());
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    QTest::keyClicks(editor, "Postbank");
    // Another dialog becomes active: the frame's deactivation stores the open cell too.
    d.deactivate();
    QCOMPARE(count("SELECT count(*) FROM VERGIRO WHERE GRO_BANK='Postbank' AND GRO_NUMBER=5"), 1);
    // Leaving the grid for another control stores it as well.
    d.grid->setCurrentCell(6, 1);
    d.grid->edit(d.grid->currentIndex());
    QTest::keyClicks(QApplication::focusWidget(), "DKB");
    d.other->setFocus();
    QCOMPARE(count("SELECT count(*) FROM VERGIRO WHERE GRO_BANK='DKB' AND GRO_NUMBER=6"), 1);
}

void FrameworkTest::failingInsertKeepsThePreviousList()
{
    GridDialog d;
    d.ShowPage(0);
    d.grid->setCell(0, 1, "Alt");
    QVERIFY(d.grid->save());
    QVERIFY(store::execute("CREATE TEMP TRIGGER refuse BEFORE INSERT ON VERGIRO WHEN NEW.GRO_BANK='Fehler ' "
                           "BEGIN SELECT RAISE(ABORT, 'abgelehnt'); END"));
    d.grid->setCell(0, 1, "Neu");
    d.grid->setCell(1, 1, "Fehler");
    d.grid->setCell(2, 1, "Danach");
    // Deactivation and closing stay silent; a user's action hears of the failure once.
    QVERIFY(!d.grid->save(SaveMode::Silent));
    QCOMPARE(m_messages->shown().size(), 0);
    QVERIFY(!d.grid->save());
    QCOMPARE(m_messages->shown().size(), 1);
    QVERIFY(m_messages->texts().first().contains("abgelehnt"));
    QCOMPARE(count("SELECT count(*) FROM VERGIRO"), 1);
    QCOMPARE(stored("SELECT GRO_BANK FROM VERGIRO WHERE GRO_INDEX_MAINHEADER=?"), QString("Alt"));
    // The entries stay as typed, so that nothing the user wrote is lost.
    QCOMPARE(d.grid->text(1, 1), QString("Fehler"));
    QCOMPARE(d.grid->text(2, 1), QString("Danach"));
}

void FrameworkTest::forwardSkipsPanelsWithoutDialog()
{
    store::DialogRegistry& registry = store::DialogRegistry::instance();
    GridDialog* assets = nullptr;
    registry.registerFactory(0, [] { return new PairDialog(YesNoPair::Complementary); });
    registry.registerFactory(2, [&assets] { return assets = new GridDialog(2); });
    DataDialog* first = registry.dialog(0);
    first->ShowPage(0);
    QVERIFY(!assets);
    QVERIFY(first->SpeedButton2->isHidden()); // nothing lies before the first dialog
    QVERIFY(!first->SpeedButton1->isHidden());
    first->findChild<QToolButton*>("SpeedButton1")->click();
    QVERIFY(assets); // panel 1 has no dialog: skipped without error
    QCOMPARE(assets->currentPage(), 0);
    QCOMPARE(assets->Label1->text(), QString("Girokonten"));
    assets->findChild<QToolButton*>("SpeedButton1")->click();
    QCOMPARE(assets->currentPage(), 1);
    QVERIFY(assets->SpeedButton1->isHidden()); // nothing lies after the last page of the last dialog
    QVERIFY(!assets->SpeedButton2->isHidden());
    assets->findChild<QToolButton*>("SpeedButton2")->click();
    assets->findChild<QToolButton*>("SpeedButton2")->click();
    QCOMPARE(first->currentPage(), 0);
    delete first;
    delete assets;
}

void FrameworkTest::missingHelpFileIsExplained()
{
    QVERIFY(QFile::remove(m_home->file("Daten/Tooltips/1012.htm")));
    GridDialog d;
    d.ShowPage(0);
    QVERIFY(d.WebBrowser1->toPlainText().contains("1012.htm ist nicht vorhanden"));
    d.ShowPage(1);
    QVERIFY(!d.WebBrowser1->toPlainText().contains("nicht vorhanden"));
}

QTEST_MAIN(FrameworkTest)
#include "tst_framework.moc"
