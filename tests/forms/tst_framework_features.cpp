// The grid and pair features the data dialogs declare in their tables, and the store's guards against
// writes that fail in silence, on small dialogs and a table of the test's own.
#include "Application.h"
#include "DataDialog.h"
#include "FixedGrid.h"
#include "PageBuilder.h"
#include "ServerObjects.h"
#include "Sql.h"
#include "TestHome.h"
#include "WriteGroup.h"
#include "YesNoPair.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

namespace {

QString applicationKey() { return MainObject->AntragIdent; }

int count(const QString& sql, const store::Values& values = {}) { return store::selectValue(sql, values).toInt(); }

enum Column { Code, Answer, Day, Who, Note, Secret };

// A person's list with one column of every kind that is not plain text or money.
class KindsDialog : public DataDialog {
public:
    explicit KindsDialog(std::function<QString()> person) : DataDialog(3, QStringLiteral("KindsDialog"))
    {
        auto* page = new QWidget;
        auto* layout = new QVBoxLayout(page);
        grid = new FixedGrid(5,
                             {{"Art", "T_CODE", CellKind::Choice, 80, {"klein", "mittel", "groß"}, false, {}, 2,
                               {5, 7, 9}, 1},
                              {"Antwort", "T_YES", CellKind::ChoicePair, 60, {"Ja", "Nein"}, false, {}, 2, {}, 1,
                               "T_NO"},
                              {"Tag", "T_DATE", CellKind::DateText},
                              {"Wer", "T_WHO", CellKind::PersonIdent},
                              {"Notiz", "T_NOTE", CellKind::Text, 100, {}, false, {}, 2, {}, 0, {}, false, false,
                               false, 5},
                              {"Geheim", "T_SECRET", CellKind::Text, 50, {}, false, {}, 2, {}, 0, {}, false, false,
                               true}},
                             page);
        grid->setStorage({"T_LIST", "T_IDENT", "T_INDEX_MAINHEADER", "T_INDEX_PERSON", "T_NUMBER", applicationKey,
                          std::move(person), {}, [this](int row) { return !grid->text(row, Note).isEmpty(); }});
        grid->setBands({{"Angaben", 0, 3}});
        layout->addWidget(grid);
        addPage({QStringLiteral("Liste"), 1, page, [this] { grid->load(); }});
        addPage({QStringLiteral("Weiter"), 2, new QWidget, {}});
    }
    FixedGrid* grid;
};

// Three boxes of one question and a plain pair, written into MAINHEADER.
class GroupDialog : public DataDialog {
public:
    GroupDialog() : DataDialog(0, QStringLiteral("GroupDialog"))
    {
        auto* page = new QWidget;
        auto* layout = new QVBoxLayout(page);
        for (const char* caption : {"eins", "zwei", "drei"}) {
            boxes << new QCheckBox(QString::fromLatin1(caption), page);
            layout->addWidget(boxes.last());
        }
        group = new ExclusiveGroup(boxes, this);
        group->onChange([this](int index) { changes << index; });
        (new WriteGroup("MAINHEADER", "BDG_IDENT", applicationKey, this))
            ->exclusive(group, {"BDG_ALG1_YES", "BDG_ALG1_NO", "BDG_ALG1_NOCHANGE"});
        name = new QLineEdit(page);
        layout->addWidget(name);
        (new WriteGroup("MAINPERSON", "ANS_IDENT", applicationKey, this))->text(name, "ANS_LASTNAME");
        addPage({QStringLiteral("Gruppe"), 1, page, {}});
    }
    QVector<QCheckBox*> boxes;
    ExclusiveGroup* group;
    QLineEdit* name;
    QVector<int> changes;
};

QString addPerson(const QString& name, int type, int number)
{
    const QString id = TMainObject::NewRowIdent();
    store::execute("INSERT INTO PERSON (PRS_IDENT, PRS_INDEX_MAINHEADER, PRS_TYPE, PRS_NUMBER, PRS_NAME, PRS_VNAME) "
                   "VALUES (?, ?, ?, ?, ?, ?)",
                   {id, applicationKey(), type, number, store::textValue(name), store::textValue("Eva")});
    return id;
}

void typeInto(FixedGrid* grid, int row, int column, const QString& text)
{
    grid->setFocus();
    grid->setCurrentCell(row, column);
    grid->edit(grid->currentIndex());
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    QTest::keyClicks(editor, text);
}

} // namespace

class FrameworkFeaturesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void cellKindsAreStoredAsTheirColumnsWant();
    void cellKindsReadBackWithDefaults();
    void gridSavesForThePersonItWasLoadedFor();
    void leavingThePageSavesTheOpenCell();
    void reloadFromASaveWaitsForIt();
    void exclusivePairLoadsYesThenNo();
    void silentResetRunsNoRule();
    void exclusiveGroupOfThree();
    void missingRowIsReportedAndRestoredOnOpening();
    void loadingRefusesWrites();
    void firstVisitLoadsOnce();
    void tabLeavesTheGridAndFrameComesLast();
    void shortcutsLeadForwardAndBack();
    void inputsAreNamedByTheirCaptions();

private:
    TestHome* m_home = nullptr;
    ScriptedMessages* m_messages = nullptr;
};

void FrameworkFeaturesTest::init()
{
    m_home = new TestHome;
    QVERIFY(m_home->ok());
    m_messages = new ScriptedMessages;
    QVERIFY(!createTestApplication().isEmpty());
    QVERIFY(store::execute("CREATE TABLE T_LIST (T_IDENT TEXT, T_INDEX_MAINHEADER TEXT, T_INDEX_PERSON TEXT, "
                           "T_NUMBER INTEGER, T_CODE INTEGER, T_YES BOOLEAN NOT NULL DEFAULT 0, "
                           "T_NO BOOLEAN NOT NULL DEFAULT 0, T_DATE TEXT, T_WHO TEXT, T_NOTE TEXT, T_SECRET TEXT)"));
}

void FrameworkFeaturesTest::cleanup()
{
    store::DialogRegistry::instance().clear();
    delete m_messages;
    delete m_home;
}

void FrameworkFeaturesTest::cellKindsAreStoredAsTheirColumnsWant()
{
    const QString anna = addPerson("O'Neill", 1, 2);
    KindsDialog d([] { return QStringLiteral("P1"); });
    d.ShowPage(0);
    QCOMPARE(d.grid->personName(anna), QString("O'Neill, Eva"));
    QVERIFY(d.grid->isColumnHidden(Secret));
    d.grid->setCell(1, Code, 2);
    d.grid->setCell(1, Answer, 1);
    d.grid->setCell(1, Day, QDate(1980, 12, 24));
    d.grid->setCell(1, Who, anna);
    d.grid->setCell(1, Note, "Notiz");
    d.grid->setCell(1, Secret, "x");
    d.grid->setCell(3, Note, "leer");
    QVERIFY(d.grid->save());

    store::Rows rows = store::select("SELECT * FROM T_LIST ORDER BY T_NUMBER");
    QVERIFY(rows.next());
    QCOMPARE(rows.integer("T_NUMBER"), 1);
    QCOMPARE(rows.integer("T_CODE"), 9);
    QCOMPARE(rows.flag("T_YES"), false);
    QCOMPARE(rows.flag("T_NO"), true);
    QCOMPARE(rows.value("T_DATE").toString(), QString("24.12.1980 "));
    QCOMPARE(rows.value("T_WHO").toString(), anna);
    QCOMPARE(rows.text("T_SECRET"), QString("x"));
    QCOMPARE(rows.value("T_INDEX_PERSON").toString(), QString("P1"));
    QVERIFY(rows.next());
    // A new row takes the default entries: "mittel" and "Nein", no date as a blank.
    QCOMPARE(rows.integer("T_CODE"), 7);
    QCOMPARE(rows.flag("T_NO"), true);
    QCOMPARE(rows.value("T_DATE").toString(), QString(" "));
    QVERIFY(!rows.next());
}

void FrameworkFeaturesTest::cellKindsReadBackWithDefaults()
{
    const QString anna = addPerson("Weiß", 2, 3);
    QVERIFY(store::execute("INSERT INTO T_LIST (T_IDENT, T_INDEX_MAINHEADER, T_INDEX_PERSON, T_NUMBER, T_CODE, T_YES, "
                           "T_NO, T_DATE, T_WHO, T_NOTE) VALUES ('a', ?, 'P1', 0, 5, 1, 0, '01.02.2003 ', ?, 'n ')",
                           {applicationKey(), anna}));
    // Neither answer, a code the list does not know, a date that is none.
    QVERIFY(store::execute("INSERT INTO T_LIST (T_IDENT, T_INDEX_MAINHEADER, T_INDEX_PERSON, T_NUMBER, T_CODE, T_DATE, "
                           "T_NOTE) VALUES ('b', ?, 'P1', 2, 42, 'morgen', 'm ')",
                           {applicationKey()}));
    KindsDialog d([] { return QStringLiteral("P1"); });
    d.ShowPage(0);
    QCOMPARE(d.grid->cell(0, Code).toInt(), 0);
    QCOMPARE(d.grid->cell(0, Answer).toInt(), 0);
    QCOMPARE(d.grid->cell(0, Day).toDate(), QDate(2003, 2, 1));
    QCOMPARE(d.grid->text(0, Who), anna);
    QCOMPARE(d.grid->cell(2, Code).toInt(), 1);
    QCOMPARE(d.grid->cell(2, Answer).toInt(), 1);
    QVERIFY(!d.grid->cell(2, Day).toDate().isValid());

    // The editor of a choice offers its entries and no empty one; the text field keeps its length.
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    d.grid->setFocus();
    d.grid->setCurrentCell(0, Code);
    d.grid->edit(d.grid->currentIndex());
    auto* combo = qobject_cast<QComboBox*>(QApplication::focusWidget());
    QVERIFY(combo);
    QCOMPARE(combo->count(), 3);
    QCOMPARE(combo->currentText(), QString("klein"));
    d.grid->finishEditing();
    typeInto(d.grid, 4, Note, "abcdefgh");
    d.grid->finishEditing();
    QCOMPARE(d.grid->text(4, Note), QString("abcde"));
}

void FrameworkFeaturesTest::gridSavesForThePersonItWasLoadedFor()
{
    QString person = QStringLiteral("P1");
    KindsDialog d([&person] { return person; });
    d.ShowPage(0);
    d.grid->setCell(0, Note, "für P1");
    person = QStringLiteral("P2"); // the selection moved on before the grid was left
    QVERIFY(d.grid->save());
    QCOMPARE(count("SELECT count(*) FROM T_LIST WHERE T_INDEX_PERSON='P1'"), 1);
    QCOMPARE(count("SELECT count(*) FROM T_LIST WHERE T_INDEX_PERSON='P2'"), 0);
    QCOMPARE(d.grid->loadedPerson(), QString("P1"));
    d.grid->load();
    QCOMPARE(d.grid->loadedPerson(), QString("P2"));
    QCOMPARE(d.grid->text(0, Note), QString());
}

void FrameworkFeaturesTest::leavingThePageSavesTheOpenCell()
{
    KindsDialog d([] { return QStringLiteral("P1"); });
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    d.ShowPage(0);
    typeInto(d.grid, 2, Note, "offen");
    // The forward button takes no focus: the grid never sees the user leave it.
    QTest::mouseClick(d.SpeedButton1, Qt::LeftButton);
    QCOMPARE(d.currentPage(), 1);
    QCOMPARE(count("SELECT count(*) FROM T_LIST WHERE T_NOTE='offen ' AND T_NUMBER=2"), 1);
}

void FrameworkFeaturesTest::reloadFromASaveWaitsForIt()
{
    KindsDialog d([] { return QStringLiteral("P1"); });
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    d.ShowPage(0);
    int loads = 0;
    // A rule that reloads the list after every save, as dialogs with sums beside a grid do.
    connect(d.grid, &FixedGrid::saved, d.grid, [&] {
        d.grid->load();
        ++loads;
    });
    typeInto(d.grid, 0, Note, "eins");
    QVERIFY(d.grid->save());
    QCOMPARE(d.grid->text(0, Note), QString("eins"));
    QTRY_COMPARE(loads, 1);
    QCOMPARE(d.grid->text(0, Note), QString("eins"));
    QCOMPARE(count("SELECT count(*) FROM T_LIST"), 1);
}

void FrameworkFeaturesTest::exclusivePairLoadsYesThenNo()
{
    QCheckBox yes("Ja"), no("Nein");
    YesNoPair pair(&yes, &no, YesNoPair::Exclusive);
    QVector<bool> steps;
    pair.onChange([&](bool y) { steps << y; });
    pair.set(true, true);
    QCOMPARE(steps, (QVector<bool>{true, false}));
    QVERIFY(!yes.isChecked());
    QVERIFY(no.isChecked());
    steps.clear();
    pair.set(false, true); // unchanged: the rule still brings the dependents in step
    QCOMPARE(steps, QVector<bool>{false});
    pair.set(false, false);
    QVERIFY(!yes.isChecked() && !no.isChecked());
}

void FrameworkFeaturesTest::silentResetRunsNoRule()
{
    QCheckBox yes("Ja"), no("Nein");
    YesNoPair pair(&yes, &no, YesNoPair::Exclusive);
    int runs = 0;
    pair.onChange([&](bool) { ++runs; });
    pair.setSilently(true, false);
    QVERIFY(yes.isChecked() && !no.isChecked());
    pair.setSilently(false, false);
    QVERIFY(!yes.isChecked() && !no.isChecked());
    QCOMPARE(runs, 0);
    pair.set(true, false);
    QCOMPARE(runs, 1);
}

void FrameworkFeaturesTest::exclusiveGroupOfThree()
{
    GroupDialog d;
    d.show();
    d.ShowPage(0);
    clickBox(d.boxes[1]);
    QCOMPARE(d.group->checked(), 1);
    store::Rows h = store::select("SELECT * FROM MAINHEADER WHERE BDG_IDENT=?", {applicationKey()});
    QVERIFY(h.next());
    QCOMPARE(h.flag("BDG_ALG1_YES"), false);
    QCOMPARE(h.flag("BDG_ALG1_NO"), true);
    QCOMPARE(h.flag("BDG_ALG1_NOCHANGE"), false);
    clickBox(d.boxes[2]);
    QVERIFY(!d.boxes[1]->isChecked());
    clickBox(d.boxes[2]); // unchecked again: unanswered, and stored so
    QCOMPARE(d.group->checked(), -1);
    QCOMPARE(d.changes, (QVector<int>{1, 2, -1}));
    QCOMPARE(count("SELECT BDG_ALG1_YES + BDG_ALG1_NO + BDG_ALG1_NOCHANGE FROM MAINHEADER WHERE BDG_IDENT=?",
                   {applicationKey()}),
             0);
    d.changes.clear();
    d.group->setSilently(0);
    QVERIFY(d.boxes[0]->isChecked());
    QVERIFY(d.changes.isEmpty());
    d.group->set(0);
    QCOMPARE(d.changes, QVector<int>{0});
}

void FrameworkFeaturesTest::missingRowIsReportedAndRestoredOnOpening()
{
    GroupDialog d;
    d.show();
    d.ShowPage(0);
    QVERIFY(store::execute("DELETE FROM MAINPERSON WHERE ANS_IDENT=?", {applicationKey()}));
    QVERIFY(store::execute("DELETE FROM LIVING WHERE LIV_IDENT=?", {applicationKey()}));
    d.name->setFocus();
    QTest::keyClicks(d.name, "A");
    QCOMPARE(m_messages->shown().size(), 1);
    QCOMPARE(m_messages->shown().first().kind, store::MessageKind::Error);
    QVERIFY(m_messages->texts().first().contains("MAINPERSON"));

    // Opening the application again completes it; the next keystroke is stored.
    QVERIFY(store::openApplication(applicationKey()));
    QCOMPARE(count("SELECT count(*) FROM MAINPERSON WHERE ANS_INDEX_MAINHEADER=?", {applicationKey()}), 1);
    QCOMPARE(count("SELECT count(*) FROM LIVING WHERE LIV_INDEX_MAINHEADER=?", {applicationKey()}), 1);
    QTest::keyClicks(d.name, "B");
    QCOMPARE(m_messages->shown().size(), 1);
    QCOMPARE(store::readText(store::selectValue("SELECT ANS_LASTNAME FROM MAINPERSON WHERE ANS_IDENT=?",
                                                {applicationKey()})),
             QString("AB"));
    // A complete application is left as it is.
    const int before = count("SELECT count(*) FROM PERSON") + count("SELECT count(*) FROM MOREPOWER");
    QVERIFY(store::ensureApplicationRows(applicationKey()));
    QCOMPARE(count("SELECT count(*) FROM PERSON") + count("SELECT count(*) FROM MOREPOWER"), before);
}

void FrameworkFeaturesTest::loadingRefusesWrites()
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Refused while a page loads"));
    store::setStrictLoading(false);
    {
        store::LoadScope loading;
        QVERIFY(!store::execute("DELETE FROM LIVING WHERE LIV_IDENT=?", {applicationKey()}));
        QVERIFY(store::select("SELECT count(*) FROM LIVING").ok());
        store::LoadWrite documented;
        QVERIFY(store::execute("UPDATE LIVING SET LIV_RENT_YES=1 WHERE LIV_IDENT=?", {applicationKey()}));
    }
    store::setStrictLoading(true);
    QCOMPARE(count("SELECT count(*) FROM LIVING WHERE LIV_IDENT=? AND LIV_RENT_YES", {applicationKey()}), 1);
    QVERIFY(store::execute("DELETE FROM LIVING WHERE LIV_IDENT=?", {applicationKey()}));
}

void FrameworkFeaturesTest::firstVisitLoadsOnce()
{
    QVERIFY(store::execute("INSERT INTO T_LIST (T_IDENT, T_INDEX_MAINHEADER, T_INDEX_PERSON, T_NUMBER, T_NOTE) "
                           "VALUES ('x', ?, 'P1', 0, 'geladen ')",
                           {applicationKey()}));
    // The host shows a dialog when the registry creates it, before the bar's ShowPage runs.
    store::DialogRegistry& registry = store::DialogRegistry::instance();
    registry.setHost([](DataDialog* d) { d->show(); });
    registry.registerFactory(3, [] { return new KindsDialog([] { return QStringLiteral("P1"); }); });
    auto* d = static_cast<KindsDialog*>(registry.dialog(3));
    int loads = 0; // every load writes the stored note into its cell
    connect(d->grid, &FixedGrid::itemChanged, d, [&loads, d](QTableWidgetItem* it) {
        if (it->row() == 0 && it->column() == Note && d->grid->text(0, Note) == "geladen")
            ++loads;
    });
    d->ShowPage(0);
    QTest::qWait(20);
    QCOMPARE(loads, 1);
    delete d;
}

void FrameworkFeaturesTest::tabLeavesTheGridAndFrameComesLast()
{
    KindsDialog d([] { return QStringLiteral("P1"); });
    auto* after = new QLineEdit(d.pageWidget(0));
    d.pageWidget(0)->layout()->addWidget(after);
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    d.ShowPage(0);
    d.grid->setFocus();
    d.grid->setCurrentCell(d.grid->rowCount() - 1, Note); // the last visible column
    QTest::keyClick(d.grid, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), after);
    // After the page's fields: back (hidden on the first page of a dialog without neighbours), forward.
    QTest::keyClick(after, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), d.SpeedButton1);
    QTest::keyClick(d.SpeedButton1, Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), after);
    QTest::keyClick(after, Qt::Key_Backtab);
    QVERIFY(d.grid->isAncestorOf(QApplication::focusWidget()) || QApplication::focusWidget() == d.grid);
}

void FrameworkFeaturesTest::shortcutsLeadForwardAndBack()
{
    KindsDialog d([] { return QStringLiteral("P1"); });
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    d.ShowPage(0);
    QTest::keyClick(&d, Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(d.currentPage(), 1);
    QTest::keyClick(&d, Qt::Key_PageUp, Qt::ControlModifier);
    QCOMPARE(d.currentPage(), 0);
    QTest::keyClick(&d, Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(d.currentPage(), 1);
    QTest::keyClick(&d, Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(d.currentPage(), 0);
    QVERIFY(d.SpeedButton1->toolTip().contains("Alt+Rechts"));
    int helps = 0;
    store::help().showHelp = [&helps](int number) { helps += number; };
    QTest::keyClick(&d, Qt::Key_F1);
    QCOMPARE(helps, 2001);
    store::help().showHelp = nullptr;
}

void FrameworkFeaturesTest::inputsAreNamedByTheirCaptions()
{
    QWidget page;
    auto* layout = new QGridLayout(&page);
    auto* caption = new QLabel("Geburtsname:", &page);
    auto* edit = new QLineEdit(&page);
    auto* question = new QLabel("Haben Sie Vermögen?", &page);
    auto* yes = new QCheckBox("Ja", &page);
    auto* no = new QCheckBox("Nein, weil:", &page);
    auto* reason = new QLineEdit(&page);
    auto* named = new QLineEdit(&page);
    named->setAccessibleName("eigener Name");
    // Added out of reading order: the grid is read row by row.
    layout->addWidget(reason, 1, 3);
    layout->addWidget(question, 1, 0);
    layout->addWidget(yes, 1, 1);
    layout->addWidget(no, 1, 2);
    layout->addWidget(caption, 0, 0);
    layout->addWidget(edit, 0, 1);
    layout->addWidget(named, 2, 0);
    forms::nameInputs(&page);
    QCOMPARE(edit->accessibleName(), QString("Geburtsname"));
    QCOMPARE(caption->buddy(), edit);
    QCOMPARE(yes->accessibleName(), QString("Haben Sie Vermögen? – Ja"));
    QCOMPARE(no->accessibleName(), QString("Haben Sie Vermögen? – Nein, weil"));
    QCOMPARE(reason->accessibleName(), QString("Nein, weil"));
    QCOMPARE(named->accessibleName(), QString("eigener Name"));
}

QTEST_MAIN(FrameworkFeaturesTest)
#include "tst_framework_features.moc"
