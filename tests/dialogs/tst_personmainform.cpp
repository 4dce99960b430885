// The persons dialog's frame: the person list, adding and deleting persons, the page table, forward and
// back, and the relationship lists.
#include "tst_personmainform.h"

#include "Application.h"
#include "Paths.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSqlRecord>
#include <QStandardItemModel>
#include <QTextDocument>

namespace {

enum { TypeColumn, NameColumn, FirstNameColumn, BirthdayColumn };

int count(const QString& sql, const store::Values& values) {
    return store::selectValue(sql, values).toInt();
}

// Records what the navigation bar was asked to show.
class RecordingBar : public NavigationMarker {
public:
    void markItem(int panel, int item) override { marks << qMakePair(panel, item); }
    QList<QPair<int, int>> marks;
};

// A neighbouring dialog in the bar that records which of its pages was asked for.
class NeighbourDialog : public DataDialog {
public:
    NeighbourDialog(int panel, int pages)
        : DataDialog(panel, QStringLiteral("Neighbour%1").arg(panel)) {
        for (int i = 0; i < pages; ++i)
            addPage({QStringLiteral("Seite %1").arg(i), 0, new QWidget, {}});
    }
    void ShowPage(int index) override {
        shown << index;
        DataDialog::ShowPage(index);
    }
    QList<int> shown;
};

// The nine tables that hold rows of a person besides PERSON, with their person column.
const QStringList kPersonTables = {"SOLDMONEYINONE:SMO", "SOLDMONEYINANY:SMA", "SOLDMONEY:SDL",
                                   "SELFMONEY:SEM",      "MOREPOWER:MOP",      "MONEYOUTANY:MOT",
                                   "MONEYINONE:MIO",     "MONEYINANY:MIA",     "MAINMONEY:MIP"};

void giveRowsInEveryTable(const QString& application, const QString& person) {
    for (const QString& entry : kPersonTables) {
        const QString table = entry.section(':', 0, 0);
        const QString prefix = entry.section(':', 1, 1);
        if (table == QLatin1String("MOREPOWER")) continue; // inserted with the person
        QVERIFY(
            store::execute(QStringLiteral("INSERT INTO %1 (%2_IDENT, %2_INDEX_MAINHEADER, %2_INDEX_PERSON) "
                                          "VALUES (?, ?, ?)")
                               .arg(table, prefix),
                           {TMainObject::NewRowIdent(), application, person}));
    }
}

int rowsOfPerson(const QString& person) {
    int total = 0;
    for (const QString& entry : kPersonTables)
        total += count(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2_INDEX_PERSON=?")
                           .arg(entry.section(':', 0, 0), entry.section(':', 1, 1)),
                       {person});
    return total;
}

} // namespace

class PersonMainFormTest : public QObject {
    Q_OBJECT
private slots:
    void newApplicationShowsTheApplicant();
    void newPersonsAreNumberedPerApplication();
    void renamedApplicantShowsOnTheNextVisit();
    void applicantCannotBeDeleted();
    void deletingRemovesThePersonsRows_data();
    void deletingRemovesThePersonsRows();
    void deletingIsAllOrNothing();
    void typeChangeReordersTheListAndKeepsThePosition();
    void noSecondApplicantCanBeChosen();
    void choosingAnotherPersonReloadsThePage();
    void pagesHaveTheirTitlesAndHelp();
    void forwardAndBackChainThePages();
    void anotherApplicationRefillsTheList();
    void loadingWritesNothing();
    void relationListIsReadLineByLine();
    void brokenRelationListStopsTheLoad_data();
    void brokenRelationListStopsTheLoad();
    void householdIsAsLeftAfterARestart();
};

void PersonMainFormTest::renamedApplicantShowsOnTheNextVisit() {
    PersonsFixture f(QStringLiteral("Alt"), QStringLiteral("Anna"));
    // The applicant dialog stores the applicant's names in the person row too.
    QVERIFY(store::execute(QStringLiteral("UPDATE PERSON SET PRS_NAME='Neu ', PRS_VNAME='Berta ' WHERE PRS_IDENT=?"),
                           {f.application}));
    f.dialog->ShowPage(1);
    QCOMPARE(f.cell(0, NameColumn), QStringLiteral("Neu"));
    QCOMPARE(f.cell(0, FirstNameColumn), QStringLiteral("Berta"));
    QCOMPARE(f.dialog->currentPerson(), f.application);
    QVERIFY(f.dialog->Label1->text().startsWith(QStringLiteral("Personen - Neu Berta")));
}

void PersonMainFormTest::newApplicationShowsTheApplicant() {
    PersonsFixture f(QStringLiteral("O'Brien"), QStringLiteral("Jürgen"));
    QCOMPARE(f.rows(), 1);
    QCOMPARE(f.cell(0, TypeColumn), QStringLiteral("Antragsteller(in)"));
    QCOMPARE(f.cell(0, NameColumn), QStringLiteral("O'Brien"));
    QCOMPARE(f.cell(0, FirstNameColumn), QStringLiteral("Jürgen"));
    QCOMPARE(f.cell(0, BirthdayColumn), QString());
    QVERIFY(f.list()->isColumnHidden(4));
    QCOMPARE(f.ident(0), f.application);
    QCOMPARE(f.dialog->currentPerson(), f.application);
    QCOMPARE(f.dialog->currentDisplayName(), QStringLiteral("O'Brien Jürgen"));
    QCOMPARE(f.dialog->Label1->text(), QStringLiteral("Personen - O'Brien Jürgen - Allgemein"));
    QCOMPARE(f.find<QLineEdit>("NameEdit")->text(), QStringLiteral("O'Brien"));

    auto* type = f.find<QComboBox>("TypeCombo");
    QCOMPARE(type->currentText(), QStringLiteral("Antragsteller(in)"));
    QVERIFY(!type->isEnabled());
    QVERIFY(f.dialog->NewButton->isEnabled());
    QVERIFY(f.dialog->DeleteButton->isEnabled());
    f.showPage(1);
    QVERIFY(!f.dialog->NewButton->isEnabled());
    QVERIFY(!f.dialog->DeleteButton->isEnabled());
}

void PersonMainFormTest::newPersonsAreNumberedPerApplication() {
    PersonsFixture f;
    // Another application with three persons must not raise this one's numbers.
    const QString own = f.application;
    const QString other = createTestApplication(QStringLiteral("Anderer Antrag"));
    for (int number = 2; number <= 4; ++number)
        QVERIFY(store::execute(
            QStringLiteral("INSERT INTO PERSON (PRS_IDENT,PRS_INDEX_MAINHEADER,PRS_TYPE,PRS_NUMBER) "
                           "VALUES (?, ?, 2, ?)"),
            {TMainObject::NewRowIdent(), other, number}));
    MainObject->AntragIdent = own;

    const QString partner = f.addPerson();
    QCOMPARE(stored(partner, "PRS_TYPE").toInt(), 1);
    QCOMPARE(stored(partner, "PRS_NUMBER").toInt(), 2);
    QCOMPARE(stored(partner, "PRS_INDEX_MAINHEADER").toString(), own);
    QCOMPARE(stored(partner, "PRS_ISDUMMY").toBool(), false);
    QCOMPARE(storedNeed(partner, "MOP_IDENT").toString(), partner);
    QCOMPARE(storedNeed(partner, "MOP_INDEX_MAINHEADER").toString(), own);
    // The new person is focused and shown.
    QCOMPARE(f.rows(), 2);
    QCOMPARE(f.list()->currentItem(), f.list()->topLevelItem(1));
    QCOMPARE(f.cell(1, TypeColumn), QStringLiteral("Partner(in)"));
    QVERIFY(f.find<QComboBox>("TypeCombo")->isEnabled());

    const QString third = f.addPerson();
    QCOMPARE(stored(third, "PRS_TYPE").toInt(), 2);
    QCOMPARE(stored(third, "PRS_NUMBER").toInt(), 3);
    QCOMPARE(f.cell(2, TypeColumn), QStringLiteral("Weitere Person"));

    f.selectRow(1);
    f.messages.answer({store::Answer::Yes});
    clickBox(f.dialog->DeleteButton);
    QCOMPARE(count("SELECT COUNT(*) FROM PERSON WHERE PRS_IDENT=?", {partner}), 0);

    // Numbers are never reused, and without a number-2 person the next one is no partner.
    const QString fourth = f.addPerson();
    QCOMPARE(stored(fourth, "PRS_TYPE").toInt(), 2);
    QCOMPARE(stored(fourth, "PRS_NUMBER").toInt(), 4);
    QCOMPARE(stored(third, "PRS_NUMBER").toInt(), 3);
    QCOMPARE(f.rows(), 3);
}

void PersonMainFormTest::applicantCannotBeDeleted() {
    PersonsFixture f;
    f.addPerson();
    f.selectRow(0);
    clickBox(f.dialog->DeleteButton);
    QCOMPARE(f.messages.texts(),
             QStringList{QStringLiteral("Der/Die Antragsteller(in) kann nicht gelöscht werden!")});
    QCOMPARE(f.messages.shown().first().kind, store::MessageKind::Information);
    QCOMPARE(count("SELECT COUNT(*) FROM PERSON WHERE PRS_INDEX_MAINHEADER=?", {f.application}), 2);
    QCOMPARE(rowsOfPerson(f.application), 1);
}

void PersonMainFormTest::deletingRemovesThePersonsRows_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("deleted");
    QTest::newRow("Ja") << int(store::Answer::Yes) << true;
    QTest::newRow("Abbrechen") << int(store::Answer::Cancel) << false;
}

void PersonMainFormTest::deletingRemovesThePersonsRows() {
    QFETCH(int, answer);
    QFETCH(bool, deleted);
    PersonsFixture f;
    const QString partner = f.addPerson();
    const QString child = f.addPerson();
    giveRowsInEveryTable(f.application, partner);
    giveRowsInEveryTable(f.application, child);
    QCOMPARE(rowsOfPerson(partner), 9);

    f.selectRow(1);
    QCOMPARE(f.dialog->currentPerson(), partner);
    f.messages.answer({store::Answer(answer)});
    clickBox(f.dialog->DeleteButton);

    QCOMPARE(f.messages.shown().size(), 1);
    QCOMPARE(f.messages.shown().first().kind, store::MessageKind::ConfirmYesCancel);
    QCOMPARE(f.messages.texts().first(),
             QStringLiteral("ACHTUNG!\nSind Sie sicher, dass Sie die ausgewählte Person "
                            "löschen wollen?\n\nAlle gesammleten Informationnen werden "
                            "unwiederbringlich gelöscht!"));
    QCOMPARE(rowsOfPerson(partner), deleted ? 0 : 9);
    QCOMPARE(count("SELECT COUNT(*) FROM PERSON WHERE PRS_IDENT=?", {partner}), deleted ? 0 : 1);
    // Nothing of the others goes, and their numbers stay.
    QCOMPARE(rowsOfPerson(child), 9);
    QCOMPARE(rowsOfPerson(f.application), 1);
    QCOMPARE(stored(child, "PRS_NUMBER").toInt(), 3);
    QCOMPARE(f.rows(), deleted ? 2 : 3);
    QCOMPARE(f.dialog->currentPerson(), deleted ? f.application : partner);
}

void PersonMainFormTest::deletingIsAllOrNothing() {
    PersonsFixture f;
    const QString partner = f.addPerson();
    giveRowsInEveryTable(f.application, partner);
    // The last of the ten statements fails: the nine before it must not stay done.
    QVERIFY(store::execute("CREATE TRIGGER keep_person BEFORE DELETE ON PERSON BEGIN "
                           "SELECT RAISE(ABORT, 'Person gesperrt'); END"));
    f.messages.answer({store::Answer::Yes});
    clickBox(f.dialog->DeleteButton);

    QCOMPARE(f.messages.shown().size(), 2);
    QCOMPARE(f.messages.shown().last().kind, store::MessageKind::Error);
    QVERIFY(f.messages.texts().last().contains(QStringLiteral("Person gesperrt")));
    QCOMPARE(rowsOfPerson(partner), 9);
    QCOMPARE(count("SELECT COUNT(*) FROM PERSON WHERE PRS_IDENT=?", {partner}), 1);
    QCOMPARE(f.rows(), 2);
    QCOMPARE(f.dialog->currentPerson(), partner);
}

void PersonMainFormTest::typeChangeReordersTheListAndKeepsThePosition() {
    PersonsFixture f;
    const QString second = f.addPerson();
    typeText(f.find<QLineEdit>("NameEdit"), QStringLiteral("Zwei"));
    const QString third = f.addPerson();
    typeText(f.find<QLineEdit>("NameEdit"), QStringLiteral("Drei"));
    auto* type = f.find<QComboBox>("TypeCombo");

    f.selectRow(1);
    choose(type, TPersonMainFormDlg::FurtherPerson);
    QCOMPARE(stored(second, "PRS_TYPE").toInt(), 2);
    QCOMPARE(f.cell(1, NameColumn), QStringLiteral("Zwei"));

    // "Drei" becomes the partner and moves up; the focus stays at position 2, now on "Zwei".
    f.selectRow(2);
    QCOMPARE(f.dialog->currentPerson(), third);
    choose(type, TPersonMainFormDlg::Partner);
    QCOMPARE(stored(third, "PRS_TYPE").toInt(), 1);
    QCOMPARE(f.cell(1, NameColumn), QStringLiteral("Drei"));
    QCOMPARE(f.cell(1, TypeColumn), QStringLiteral("Partner(in)"));
    QCOMPARE(f.cell(2, NameColumn), QStringLiteral("Zwei"));
    QCOMPARE(f.dialog->currentPosition(), 2);
    QCOMPARE(f.dialog->currentPerson(), second);
    QCOMPARE(f.find<QLineEdit>("NameEdit")->text(), QStringLiteral("Zwei"));
    QCOMPARE(type->currentIndex(), int(TPersonMainFormDlg::FurtherPerson));
    QCOMPARE(f.find<QLabel>("RelationLabel")->text(), QStringLiteral("Verwandschaftsverh."));
}

void PersonMainFormTest::noSecondApplicantCanBeChosen() {
    PersonsFixture f;
    f.addPerson();
    auto* model = qobject_cast<QStandardItemModel*>(f.find<QComboBox>("TypeCombo")->model());
    QVERIFY(model);
    QVERIFY(!model->item(TPersonMainFormDlg::Applicant)->isEnabled());
    QVERIFY(model->item(TPersonMainFormDlg::Partner)->isEnabled());
    // A deleted applicant would take the application's own rows with it.
    QCOMPARE(
        count("SELECT COUNT(*) FROM PERSON WHERE PRS_INDEX_MAINHEADER=? AND PRS_TYPE=0", {f.application}), 1);
}

void PersonMainFormTest::choosingAnotherPersonReloadsThePage() {
    PersonsFixture f;
    const QString partner = f.addPerson();
    typeText(f.find<QLineEdit>("NameEdit"), QStringLiteral("Schmidt"));
    typeText(f.find<QLineEdit>("FirstNameEdit"), QStringLiteral("Paul"));
    seed(partner, "PRS_KV_SIGN=?", {"BKK Nord "});
    seed(f.application, "PRS_KV_SIGN=?", {"AOK Bayern "});

    f.showPage(1);
    auto* fund = f.find<QLineEdit>("KvSignYes");
    QCOMPARE(fund->text(), QStringLiteral("BKK Nord"));
    QCOMPARE(f.dialog->Label1->text(),
             QStringLiteral("Personen - Schmidt Paul - Krankenversicherung Seite 1"));

    f.selectRow(0);
    QCOMPARE(f.dialog->currentPerson(), f.application);
    QCOMPARE(fund->text(), QStringLiteral("AOK Bayern"));
    QCOMPARE(f.dialog->Label1->text(),
             QStringLiteral("Personen - Müller Anna - Krankenversicherung Seite 1"));
    QCOMPARE(f.dialog->currentPage(), 1);

    // Keyboard navigation in the list is a choice too.
    f.list()->setFocus();
    QTest::keyClick(f.list(), Qt::Key_Down);
    QCOMPARE(f.dialog->currentPerson(), partner);
    QCOMPARE(fund->text(), QStringLiteral("BKK Nord"));
}

void PersonMainFormTest::pagesHaveTheirTitlesAndHelp() {
    PersonsFixture f;
    const QStringList suffixes = {" - Allgemein",
                                  " - Krankenversicherung Seite 1",
                                  " - Krankenversicherung Seite 2",
                                  " - Rentenversicherung",
                                  " - Mehrbedarf",
                                  " - Einkommen - Basisangaben",
                                  " - Einkommen aus Selbständigkeit",
                                  " - Einkommen aus Beschäftigung"};
    QList<int> autoHelp;
    QList<int> detailedHelp;
    store::help().showHelpAuto = [&](int n) { autoHelp << n; };
    store::help().showHelp = [&](int n) { detailedHelp << n; };
    QCOMPARE(f.dialog->pageCount(), 8);
    for (int page = 7; page >= 0; --page) {
        f.showPage(page);
        QCOMPARE(f.dialog->currentPage(), page);
        QCOMPARE(f.dialog->Label1->text(), QStringLiteral("Personen - Müller Anna") + suffixes.at(page));
        QCOMPARE(autoHelp.last(), 2003 + page);
        QFile shortHelp(store::programPath(QStringLiteral("Daten/Tooltips/%1.htm").arg(1003 + page)));
        QVERIFY(shortHelp.open(QIODevice::ReadOnly));
        QTextDocument expected;
        expected.setHtml(QString::fromUtf8(shortHelp.readAll()));
        QVERIFY(!expected.toPlainText().trimmed().isEmpty());
        QCOMPARE(f.dialog->WebBrowser1->toPlainText(), expected.toPlainText());
        clickBox(f.dialog->HelpButton);
        QCOMPARE(detailedHelp.last(), 2003 + page);
    }
    store::help() = {};
}

void PersonMainFormTest::forwardAndBackChainThePages() {
    PersonsFixture f;
    RecordingBar bar;
    MainObject->Navigation = &bar;
    store::DialogRegistry& registry = store::DialogRegistry::instance();
    registry.clear();
    NeighbourDialog* applicant = nullptr;
    registry.registerFactory(0, [&] { return applicant = new NeighbourDialog(0, 2); });

    for (int page = 1; page <= 7; ++page) {
        clickBox(f.dialog->SpeedButton1);
        QCOMPARE(f.dialog->currentPage(), page);
        QCOMPARE(bar.marks.last(), qMakePair(1, page));
        QVERIFY(!f.dialog->NewButton->isEnabled());
    }
    // No assets dialog yet: forward on the last page stays without a message.
    clickBox(f.dialog->SpeedButton1);
    QCOMPARE(f.dialog->currentPage(), 7);
    QVERIFY(f.messages.texts().isEmpty());

    NeighbourDialog* assets = nullptr;
    registry.registerFactory(2, [&] { return assets = new NeighbourDialog(2, 13); });
    clickBox(f.dialog->SpeedButton1);
    QVERIFY(assets);
    QCOMPARE(assets->shown, QList<int>{0});
    QCOMPARE(bar.marks.last(), qMakePair(2, 0));

    for (int page = 6; page >= 0; --page) {
        clickBox(f.dialog->SpeedButton2);
        QCOMPARE(f.dialog->currentPage(), page);
        QCOMPARE(bar.marks.last(), qMakePair(1, page));
    }
    QVERIFY(f.dialog->NewButton->isEnabled());
    QVERIFY(f.dialog->DeleteButton->isEnabled());
    clickBox(f.dialog->SpeedButton2);
    QVERIFY(applicant);
    QCOMPARE(applicant->shown, QList<int>{1});
    QCOMPARE(bar.marks.last(), qMakePair(0, 1));

    registry.clear();
    delete applicant;
    delete assets;
    MainObject->Navigation = nullptr;
}

void PersonMainFormTest::anotherApplicationRefillsTheList() {
    PersonsFixture f;
    const QString first = f.application;
    f.addPerson();
    const QString second = createTestApplication(QStringLiteral("Zweiter Antrag"));
    seed(second, "PRS_NAME=?", {"Neumann "});
    f.showPage(0);
    QCOMPARE(f.rows(), 1);
    QCOMPARE(f.dialog->currentPerson(), second);
    QCOMPARE(f.find<QLineEdit>("NameEdit")->text(), QStringLiteral("Neumann"));
    typeText(f.find<QLineEdit>("BirthTownEdit"), QStringLiteral("Kiel"));
    QCOMPARE(stored(second, "PRS_BIRTHTOWN").toString(), QStringLiteral("Kiel "));
    QVERIFY(stored(first, "PRS_BIRTHTOWN").isNull());
}

void PersonMainFormTest::loadingWritesNothing() {
    PersonsFixture f;
    const QString partner = f.addPerson();
    const auto snapshot = [] {
        QStringList rows;
        for (const char* table : {"PERSON", "MOREPOWER"}) {
            store::Rows r =
                store::select(QStringLiteral("SELECT * FROM %1 ORDER BY 1").arg(QLatin1String(table)));
            while (r.next()) {
                QStringList values;
                for (int i = 0; i < r.query().record().count(); ++i)
                    values << r.query().value(i).toString();
                rows << values.join('|');
            }
        }
        return rows;
    };
    const QStringList before = snapshot();
    for (int page = 0; page < 8; ++page) {
        f.showPage(page);
        f.selectRow(0);
        f.selectRow(1);
    }
    QCOMPARE(snapshot(), before);
    QCOMPARE(f.dialog->currentPerson(), partner);
}

void PersonMainFormTest::relationListIsReadLineByLine() {
    PersonsFixture f;
    QFile list(store::programPath("Daten/Default/OtherPList.lst"));
    QVERIFY(list.open(QIODevice::WriteOnly | QIODevice::Truncate));
    list.write("mit Ehegatte\r\nmit Lebenspartner\r\nVerantwortungsgemeinschaft\r\nsonstige Person\r\n\r\n");
    list.close();
    f.addPerson();
    auto* relation = f.find<QComboBox>("RelationCombo");
    QCOMPARE(f.find<QLabel>("RelationLabel")->text(), QStringLiteral("Ich lebe zusammen mit"));
    QCOMPARE(relation->count(), 4);
    QCOMPARE(relation->itemText(3), QStringLiteral("sonstige Person"));
    QCOMPARE(relation->currentIndex(), -1);
    choose(relation, 3);
    const QString partner = f.dialog->currentPerson();
    QCOMPARE(stored(partner, "PSR_IS_OTHER").toBool(), true);
    QCOMPARE(stored(partner, "PRS_IS_PARTNER").toBool(), false);
    choose(relation, 0);
    QCOMPARE(stored(partner, "PRS_IS_NOSPLIT_HUSBAND").toBool(), true);
    QCOMPARE(stored(partner, "PSR_IS_OTHER").toBool(), false);
    f.showPage(0);
    QCOMPARE(relation->currentIndex(), 0);

    f.selectRow(0);
    QCOMPARE(f.find<QLabel>("RelationLabel")->text(), QStringLiteral("Ich bin"));
    QCOMPARE(relation->itemText(1), QStringLiteral("alleinstehend"));
    QCOMPARE(relation->currentIndex(), 0);
    choose(relation, 2);
    QCOMPARE(stored(f.application, "PRS_IS_ALONE").toBool(), false);
    QCOMPARE(stored(f.application, "PRS_IS_ALONEMOTHER").toBool(), true);
    f.showPage(0);
    QCOMPARE(relation->currentIndex(), 2);
}

void PersonMainFormTest::brokenRelationListStopsTheLoad_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content"); // empty: the file is missing
    QTest::addColumn<bool>("partner");
    QTest::addColumn<QString>("says");
    QTest::newRow("applicant list missing")
        << "MainPList.lst" << QByteArray() << false << "ist nicht vorhanden";
    QTest::newRow("partner list missing")
        << "OtherPList.lst" << QByteArray() << true << "ist nicht vorhanden";
    QTest::newRow("partner list too short")
        << "OtherPList.lst" << QByteArray("eins\nzwei\n\n") << true << "enthält 2 Einträge";
}

void PersonMainFormTest::brokenRelationListStopsTheLoad() {
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(bool, partner);
    QFETCH(QString, says);
    PersonsFixture f;
    const QString person = partner ? f.addPerson() : f.application;
    typeText(f.find<QLineEdit>("BirthTownEdit"), QStringLiteral("Bonn"));
    f.selectRow(0);
    const QString path = store::programPath("Daten/Default/" + file);
    QFile original(path);
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray entries = original.readAll();
    original.close();
    QFile::remove(path);
    if (!content.isEmpty()) {
        QFile list(path);
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write(content);
    }
    f.messages.clear();
    f.selectRow(partner ? 1 : 0);
    f.showPage(0);

    QVERIFY(!f.messages.texts().isEmpty());
    QCOMPARE(f.messages.shown().first().kind, store::MessageKind::Error);
    QVERIFY(f.messages.texts().first().contains("Daten/Default/" + file));
    QVERIFY(f.messages.texts().first().contains(says));
    // Nothing of the person is on screen to be written over, and nothing is written.
    QVERIFY(!f.dialog->pageWidget(0)->isEnabled());
    QVERIFY(!f.dialog->pageWidget(3)->isEnabled());
    QCOMPARE(f.find<QLineEdit>("BirthTownEdit")->text(), QString());
    QCOMPARE(stored(person, "PRS_BIRTHTOWN").toString(), QStringLiteral("Bonn "));

    // Once the list is back the person loads again.
    QFile restored(path);
    QVERIFY(restored.open(QIODevice::WriteOnly | QIODevice::Truncate));
    restored.write(entries);
    restored.close();
    f.showPage(0);
    QVERIFY(f.dialog->pageWidget(0)->isEnabled());
    QCOMPARE(f.find<QLineEdit>("BirthTownEdit")->text(), QStringLiteral("Bonn"));
}

void PersonMainFormTest::householdIsAsLeftAfterARestart() {
    QString partner, son, daughter;
    auto f = std::make_unique<PersonsFixture>();
    const QString application = f->application;
    const auto page = [&f](int index) {
        while (f->dialog->currentPage() < index)
            clickBox(f->dialog->SpeedButton1);
        while (f->dialog->currentPage() > index)
            clickBox(f->dialog->SpeedButton2);
    };
    const auto field = [&f](const char* name) { return f->find<QLineEdit>(name); };
    const auto box = [&f](const char* name) { return f->find<QAbstractButton>(name); };

    partner = f->addPerson();
    typeText(field("NameEdit"), "Yılmaz");
    typeText(field("FirstNameEdit"), "Mehmet");
    typeText(field("BirthdayEdit"), "03.04.1979");
    clickBox(box("GermanBox"));
    page(1);
    typeText(field("KvSignYes"), "AOK Nordwest");
    page(3);
    clickBox(box("RvNo"));
    clickBox(box("RvApplied"));
    page(0);

    son = f->addPerson();
    typeText(field("NameEdit"), "Yılmaz");
    typeText(field("FirstNameEdit"), "Can");
    typeText(field("RelationEdit"), "Sohn");
    page(2);
    clickBox(box("AgeNo"));
    typeText(field("MainName"), "Yılmaz");
    page(0);

    daughter = f->addPerson();
    typeText(field("NameEdit"), "Yılmaz");
    typeText(field("FirstNameEdit"), "Elif");
    typeText(field("RelationEdit"), "Tochter");
    clickBox(box("SchoolBox"));
    choose(f->find<QComboBox>("MonthCombo"), 6);
    page(4);
    clickBox(box("CostlyFoodBox"));

    // Switching between persons and pages shows each one's own answers.
    f->selectRow(1);
    page(1);
    QCOMPARE(field("KvSignYes")->text(), QStringLiteral("AOK Nordwest"));
    f->selectRow(3);
    QCOMPARE(field("KvSignYes")->text(), QString());
    page(4);
    QVERIFY(box("CostlyFoodBox")->isChecked());
    page(0);
    f->selectRow(2);
    f->messages.answer({store::Answer::Yes});
    clickBox(f->dialog->DeleteButton);

    // Restart: a new connection, the application opened again, a new dialog.
    f->dialog.reset();
    delete MainObject;
    MainObject = new TMainObject;
    QVERIFY(MainObject->ConnectDatabase());
    QVERIFY(store::openApplication(application));
    f->dialog = std::make_unique<TPersonMainFormDlg>();
    f->dialog->ShowPage(0);

    QCOMPARE(f->rows(), 3);
    QCOMPARE(f->cell(1, NameColumn), QStringLiteral("Yılmaz"));
    QCOMPARE(f->cell(1, FirstNameColumn), QStringLiteral("Mehmet"));
    QCOMPARE(f->cell(1, BirthdayColumn), QStringLiteral("03.04.1979"));
    QCOMPARE(f->cell(2, FirstNameColumn), QStringLiteral("Elif"));
    QCOMPARE(rowsOfPerson(son), 0);
    f->selectRow(1);
    QVERIFY(box("GermanBox")->isChecked());
    page(1);
    QCOMPARE(field("KvSignYes")->text(), QStringLiteral("AOK Nordwest"));
    page(3);
    QVERIFY(box("RvNo")->isChecked());
    QVERIFY(box("RvApplied")->isChecked());
    f->selectRow(2);
    page(0);
    QCOMPARE(field("RelationEdit")->text(), QStringLiteral("Tochter"));
    QVERIFY(box("SchoolBox")->isChecked());
    QCOMPARE(f->find<QComboBox>("MonthCombo")->currentText(), QStringLiteral("Juli"));
    page(4);
    QVERIFY(box("CostlyFoodBox")->isChecked());
    QCOMPARE(stored(daughter, "PRS_NUMBER").toInt(), 4);
}

QTEST_MAIN(PersonMainFormTest)
#include "tst_personmainform.moc"
