// The keyed grid on a small dialog of the test's own: separated persons' rows of two applications that
// share a person key, edited through the grid's editors.
#include "DataDialog.h"
#include "KeyedGrid.h"
#include "ServerObjects.h"
#include "Sql.h"
#include "TestHome.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

namespace {

const QString kShared = QStringLiteral("{00000000-0000-0000-0000-00000000000A}");

enum Cell { Name, Kind, Income, Judgement, Amount, Key };

class KeyedDialog : public DataDialog {
public:
    KeyedDialog() : DataDialog(0, QStringLiteral("KeyedDialog"))
    {
        auto* page = new QWidget;
        auto* layout = new QVBoxLayout(page);
        grid = new KeyedGrid({
            keyed::text("Name", "Z91_FIRSTNAME"),
            keyed::choice("Art der Trennung", {"Getrennt Lebend", "Geschieden"},
                          {"Z91_MAIN_SPLITT_YES", "Z91_MAIN_GESCH_YES"}),
            keyed::choice("Art des Einkommens", {"Arbeitnehmertätigkeit", "selbständiger Tätigkeit", "sonstiges"},
                          {"Z91_ISUH_WORKER_YES", "Z91_ISUH_SELBER_YES", "Z91_ISUH_WOOTHER_YES"}),
            keyed::yesNo("Urteil liegt vor", "Z91_ISUH_URTEIL_YES", "Z91_ISUH_URTEIL_NO"),
            keyed::money("Höhe Monatlich", "Z91_ISUH_BRING_BRUTTO"),
            keyed::hidden("Z91_INDEX_PERSON"),
        }, page);
        grid->setObjectName(QStringLiteral("Grid"));
        grid->setStorage({"Z91", "Z91_INDEX_PERSON", Key, "Z91_INDEX_MAINHEADER",
                          [] { return MainObject->AntragIdent; }});
        grid->setBands({{"Unterhaltsverpflichteter", 0, 3}, {"Unterhalt", 3, 2}});
        layout->addWidget(grid);
        addPage({QStringLiteral("Seite"), 1, page, [this] {
                     grid->load(QStringLiteral("SELECT * FROM Z91 WHERE Z91_INDEX_MAINHEADER=? ORDER BY rowid"),
                                {MainObject->AntragIdent});
                 }});
    }
    KeyedGrid* grid;
};

void insertRow(const QString& application, const QString& person, const QString& name)
{
    QVERIFY(store::execute(QStringLiteral("INSERT INTO Z91 (Z91_LFDNR, Z91_INDEX_MAINHEADER, Z91_INDEX_PERSON, "
                                          "Z91_FIRSTNAME) VALUES (?,?,?,?)"),
                           {TMainObject::NewRowIdent(), application, person, store::textValue(name)}));
}

QVariant stored(const QString& column, const QString& application, const QString& person)
{
    return store::selectValue(QStringLiteral("SELECT %1 FROM Z91 WHERE Z91_INDEX_MAINHEADER=? AND Z91_INDEX_PERSON=?")
                                  .arg(column),
                              {application, person});
}

// A user's edit of one cell: open its editor, let `change` work on it, press Enter.
template <typename Editor>
void editCell(KeyedGrid* grid, int row, int column, const std::function<void(Editor*)>& change)
{
    grid->setFocus();
    grid->setCurrentCell(row, column);
    grid->editItem(grid->item(row, column));
    auto* editor = qobject_cast<Editor*>(grid->indexWidget(grid->model()->index(row, column)));
    QVERIFY(editor);
    change(editor);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents(); // the delegate commits Enter through the event loop
}

} // namespace

class KeyedGridTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void loadsOneRowPerRecord_data();
    void loadsOneRowPerRecord();
    void committedCellsAreWrittenForTheirOwnApplicationOnly();
    void leavingTheGridSavesTheOpenEditor();
    void failingRowIsSkippedAndReportedOnce();
    void savesGoToTheApplicationTheRowsWereLoadedFor();

private:
    TestHome* m_home = nullptr;
    ScriptedMessages* m_messages = nullptr;
    QString m_a;
    QString m_b;
};

void KeyedGridTest::init()
{
    m_home = new TestHome;
    QVERIFY(m_home->ok());
    m_messages = new ScriptedMessages;
    m_b = createTestApplication(QStringLiteral("B"));
    m_a = createTestApplication(QStringLiteral("A"));
    QVERIFY(!m_a.isEmpty() && !m_b.isEmpty());
}

void KeyedGridTest::cleanup()
{
    delete m_messages;
    delete m_home;
}

void KeyedGridTest::loadsOneRowPerRecord_data()
{
    QTest::addColumn<QString>("flags");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("income");
    QTest::addColumn<QString>("judgement");
    QTest::newRow("nothing set") << "" << "Getrennt Lebend" << "Arbeitnehmertätigkeit" << "Nein";
    QTest::newRow("divorced") << "Z91_MAIN_GESCH_YES=1" << "Geschieden" << "Arbeitnehmertätigkeit" << "Nein";
    QTest::newRow("later income flag wins")
        << "Z91_ISUH_WORKER_YES=1, Z91_ISUH_WOOTHER_YES=1" << "Getrennt Lebend" << "sonstiges" << "Nein";
    QTest::newRow("judgement") << "Z91_ISUH_URTEIL_YES=1, Z91_ISUH_SELBER_YES=1" << "Getrennt Lebend"
                               << "selbständiger Tätigkeit" << "Ja";
}

void KeyedGridTest::loadsOneRowPerRecord()
{
    QFETCH(QString, flags);
    QFETCH(QString, judgement);
    insertRow(m_a, "P1", "Erste");
    insertRow(m_a, "P2", "O'Brien");
    insertRow(m_b, "P3", "Fremd");
    if (!flags.isEmpty())
        QVERIFY(store::execute(QStringLiteral("UPDATE Z91 SET %1 WHERE Z91_INDEX_PERSON='P2'").arg(flags)));
    KeyedDialog d;
    d.ShowPage(0);
    QCOMPARE(d.grid->rowCount(), 2);
    QVERIFY(d.grid->isColumnHidden(Key));
    QCOMPARE(d.grid->text(0, Name), QString("Erste"));
    QCOMPARE(d.grid->text(1, Name), QString("O'Brien"));
    QTEST(d.grid->text(1, Kind), "kind");
    QTEST(d.grid->text(1, Income), "income");
    QCOMPARE(d.grid->text(1, Judgement), judgement);
    QCOMPARE(d.grid->text(1, Key), QString("P2"));
    // Saving what was loaded changes nothing but writes the pairs' "_NO" twins.
    QVERIFY(d.grid->save());
    QCOMPARE(stored("Z91_ISUH_URTEIL_NO", m_a, "P2").toBool(), judgement == "Nein");
    QCOMPARE(stored("Z91_FIRSTNAME", m_a, "P2").toString(), QString("O'Brien "));
}

void KeyedGridTest::committedCellsAreWrittenForTheirOwnApplicationOnly()
{
    insertRow(m_a, kShared, "Alt");
    insertRow(m_b, kShared, "Andere");
    KeyedDialog d;
    d.resize(900, 300);
    d.show();
    d.ShowPage(0);
    editCell<QLineEdit>(d.grid, 0, Name, [](QLineEdit* e) { e->setText("Neu"); });
    QCOMPARE(stored("Z91_FIRSTNAME", m_a, kShared).toString(), QString("Neu "));
    editCell<QComboBox>(d.grid, 0, Income, [](QComboBox* c) { c->setCurrentIndex(2); });
    QCOMPARE(stored("Z91_ISUH_WOOTHER_YES", m_a, kShared).toInt(), 1);
    QCOMPARE(stored("Z91_ISUH_WORKER_YES", m_a, kShared).toInt(), 0);
    editCell<QComboBox>(d.grid, 0, Judgement, [](QComboBox* c) { c->setCurrentText("Ja"); });
    QCOMPARE(stored("Z91_ISUH_URTEIL_YES", m_a, kShared).toInt(), 1);
    QCOMPARE(stored("Z91_ISUH_URTEIL_NO", m_a, kShared).toInt(), 0);
    editCell<QDoubleSpinBox>(d.grid, 0, Amount, [](QDoubleSpinBox* s) { s->setValue(1234.5); });
    QCOMPARE(stored("Z91_ISUH_BRING_BRUTTO", m_a, kShared).toDouble(), 1234.5);

    // The other application's row with the same key is untouched.
    QCOMPARE(stored("Z91_FIRSTNAME", m_b, kShared).toString(), QString("Andere "));
    QCOMPARE(stored("Z91_ISUH_WOOTHER_YES", m_b, kShared).toInt(), 0);
    QCOMPARE(stored("Z91_ISUH_URTEIL_NO", m_b, kShared).toInt(), 0);
}

void KeyedGridTest::leavingTheGridSavesTheOpenEditor()
{
    insertRow(m_a, "P1", "Alt");
    KeyedDialog d;
    auto* other = new QLineEdit(d.pageWidget(0));
    d.pageWidget(0)->layout()->addWidget(other);
    d.resize(900, 300);
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    d.ShowPage(0);
    d.grid->setFocus();
    d.grid->setCurrentCell(0, Name);
    d.grid->editItem(d.grid->item(0, Name));
    auto* editor = qobject_cast<QLineEdit*>(d.grid->indexWidget(d.grid->model()->index(0, Name)));
    QVERIFY(editor);
    editor->setText("Halb getippt");
    other->setFocus();
    QCOMPARE(stored("Z91_FIRSTNAME", m_a, "P1").toString(), QString("Halb getippt "));
}

void KeyedGridTest::failingRowIsSkippedAndReportedOnce()
{
    insertRow(m_a, "P1", "Eins");
    insertRow(m_a, "P2", "Zwei");
    insertRow(m_a, "P3", "Drei");
    QVERIFY(store::execute(QStringLiteral(
        "CREATE TRIGGER refuse BEFORE UPDATE ON Z91 WHEN NEW.Z91_FIRSTNAME LIKE 'FEHLER%' "
        "BEGIN SELECT RAISE(ABORT, 'abgelehnt'); END")));
    KeyedDialog d;
    d.ShowPage(0);
    for (int r = 0; r < 3; ++r)
        d.grid->setCell(r, Name, r == 0 ? QString("FEHLER") : QString("Neu %1").arg(r));
    m_messages->clear();
    QVERIFY(!d.grid->save(store::OnError::Report));
    QCOMPARE(stored("Z91_FIRSTNAME", m_a, "P1").toString(), QString("Eins "));
    QCOMPARE(stored("Z91_FIRSTNAME", m_a, "P2").toString(), QString("Neu 1 "));
    QCOMPARE(stored("Z91_FIRSTNAME", m_a, "P3").toString(), QString("Neu 2 "));
    QCOMPARE(m_messages->shown().size(), 1);
    QVERIFY(m_messages->texts().first().contains("abgelehnt"));
    m_messages->clear();
    QVERIFY(!d.grid->save());
    QVERIFY(m_messages->shown().isEmpty());
}

void KeyedGridTest::savesGoToTheApplicationTheRowsWereLoadedFor()
{
    insertRow(m_a, kShared, "Alt");
    insertRow(m_b, kShared, "Andere");
    KeyedDialog d;
    d.ShowPage(0);
    d.grid->setCell(0, Name, QString("Aus A"));
    MainObject->AntragIdent = m_b;
    QVERIFY(d.grid->save());
    QCOMPARE(stored("Z91_FIRSTNAME", m_a, kShared).toString(), QString("Aus A "));
    QCOMPARE(stored("Z91_FIRSTNAME", m_b, kShared).toString(), QString("Andere "));
}

QTEST_MAIN(KeyedGridTest)
#include "tst_keyedgrid.moc"
