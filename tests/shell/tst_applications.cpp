#include "MainChoice.h"
#include "OpenAntrag.h"
#include "ProgramEnd.h"
#include "ServerObjects.h"
#include "Sql.h"
#include "TestHome.h"

#include <QtTest>

namespace {

// The rows that exist once per application: table, key column, application column.
struct OnceRow {
    const char* table;
    const char* key;
    const char* application;
};
const OnceRow kOnceRows[] = {
    {"MAINHEADER", "BDG_IDENT", "BDG_IDENT"},         {"MAINPERSON", "ANS_IDENT", "ANS_INDEX_MAINHEADER"},
    {"PERSON", "PRS_IDENT", "PRS_INDEX_MAINHEADER"},  {"MOREPOWER", "MOP_IDENT", "MOP_INDEX_MAINHEADER"},
    {"VERMAIN", "VEM_IDENT", "VEM_INDEX_MAINHEADER"}, {"UHMAIN", "UHM_IDENT", "UHM_INDEX_MAINHEADER"},
    {"LIVING", "LIV_IDENT", "LIV_INDEX_MAINHEADER"},
};

// Row counts of the seven tables; the placeholder person of the dictionary is not an application's.
QList<int> onceRowCounts() {
    QList<int> counts;
    for (const OnceRow& r : kOnceRows)
        counts << store::selectValue(QStringLiteral("SELECT count(*) FROM %1 WHERE %2 <> ?")
                                         .arg(QLatin1String(r.table), QLatin1String(r.key)),
                                     {QStringLiteral("DUMMY")})
                      .toInt();
    return counts;
}

void showMode(TOpenAntragDlg& dialog, int mode) {
    dialog.setMode(mode);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
}

void typeName(TOpenAntragDlg& dialog, const QString& name) {
    dialog.Edit1->setFocus();
    dialog.Edit1->setText(name);
    emit dialog.Edit1->textEdited(name);
}

} // namespace

class ApplicationsTest : public QObject {
    Q_OBJECT
private slots:
    void createWritesTheOnceRows();
    void refusedNamesWriteNothing_data();
    void refusedNamesWriteNothing();
    void openListsAllSortedAndSetsTheApplication();
    void backAndCancel();
    void choiceOffersOpening();
    void choiceCloseBoxAsksToEnd();
};

void ApplicationsTest::createWritesTheOnceRows() {
    TestHome home;
    QVERIFY(home.ok());
    MainObject->UserIdent = TMainObject::NewRowIdent();
    ScriptedMessages messages;
    TOpenAntragDlg dialog;
    showMode(dialog, TOpenAntragDlg::Create);
    QCOMPARE(dialog.Label1->text(), QStringLiteral("Vergeben Sie eine Bezeichnung"));
    QCOMPARE(dialog.PageControl1->currentIndex(), 0);
    QCOMPARE(dialog.focusWidget(), dialog.Edit1);
    QTest::keyClicks(dialog.Edit1, QStringLiteral("Antrag 2024"));
    QTest::mouseClick(dialog.SpeedButton1, Qt::LeftButton);

    QVERIFY(messages.texts().isEmpty());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const QString id = MainObject->AntragIdent;
    QCOMPARE(id.size(), 38);
    for (const OnceRow& r : kOnceRows) {
        const QString sql =
            QStringLiteral("SELECT %1, %2 FROM %3 WHERE %1 <> ?")
                .arg(QLatin1String(r.key), QLatin1String(r.application), QLatin1String(r.table));
        store::Rows rows = store::select(sql, {QStringLiteral("DUMMY")});
        QVERIFY2(rows.next(), r.table);
        QCOMPARE(rows.text(r.key), id);
        QCOMPARE(rows.text(r.application), id);
        QVERIFY2(!rows.next(), r.table);
    }
    store::Rows person =
        store::select(QStringLiteral("SELECT PRS_TYPE, PRS_NUMBER FROM PERSON WHERE PRS_IDENT=?"), {id});
    QVERIFY(person.next());
    QCOMPARE(person.integer("PRS_TYPE"), 0);
    QCOMPARE(person.integer("PRS_NUMBER"), 1);
    QCOMPARE(
        store::selectValue(QStringLiteral("SELECT MOP_INDEX_PERSON FROM MOREPOWER WHERE MOP_IDENT=?"), {id})
            .toString()
            .trimmed(),
        id);
    store::Rows header = store::select(QStringLiteral("SELECT * FROM MAINHEADER WHERE BDG_IDENT=?"), {id});
    QVERIFY(header.next());
    QCOMPARE(header.text("BDG_SIGN"), QStringLiteral("Antrag 2024"));
    QCOMPARE(header.text("BDG_INDEX_USER"), MainObject->UserIdent);
    QCOMPARE(header.date("BDG_DATE"), QDate::currentDate());
    QCOMPARE(MainObject->AntragSign, QStringLiteral("Antrag 2024"));
    QCOMPARE(MainObject->AntragUserIdent, MainObject->UserIdent);
    QCOMPARE(MainObject->AntragDate, QDate::currentDate());
}

void ApplicationsTest::refusedNamesWriteNothing_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    const QString duplicate = QStringLiteral(
        "Ein Antrag mit dieser Bezeichnung existiert bereits!\nWählen Sie eine andere Bezeichnung.");
    QTest::newRow("empty") << ""
                           << "Sie müssen eine Bezeichnung angeben!";
    QTest::newRow("blanks only") << "   "
                                 << "Sie müssen eine Bezeichnung angeben!";
    QTest::newRow("duplicate") << "Müller's Antrag" << duplicate;
    QTest::newRow("duplicate with a trailing blank") << "Müller's Antrag " << duplicate;
}

void ApplicationsTest::refusedNamesWriteNothing() {
    QFETCH(QString, name);
    QFETCH(QString, message);
    TestHome home;
    QVERIFY(home.ok());
    QVERIFY(!createTestApplication(QStringLiteral("Müller's Antrag")).isEmpty());
    const QString open = MainObject->AntragIdent;
    const QList<int> before = onceRowCounts();
    ScriptedMessages messages;
    TOpenAntragDlg dialog;
    showMode(dialog, TOpenAntragDlg::Create);
    typeName(dialog, name);
    QTest::mouseClick(dialog.SpeedButton1, Qt::LeftButton);

    QCOMPARE(messages.texts(), QStringList{message});
    QCOMPARE(onceRowCounts(), before);
    QCOMPARE(MainObject->AntragIdent, open);
    // The dialog sets itself up again: the name field empty and focused for another name.
    QVERIFY(dialog.isVisible());
    QVERIFY(dialog.Edit1->text().isEmpty());
    QCOMPARE(dialog.focusWidget(), dialog.Edit1);
}

void ApplicationsTest::openListsAllSortedAndSetsTheApplication() {
    TestHome home;
    QVERIFY(home.ok());
    const QString zeta = createTestApplication(QStringLiteral("Zeta"));
    MainObject->UserIdent = TMainObject::NewRowIdent(); // applications of every user are listed
    createTestApplication(QStringLiteral("Alpha"));
    createTestApplication(QStringLiteral("Mitte"));
    const QString zetaUser =
        store::selectValue(QStringLiteral("SELECT BDG_INDEX_USER FROM MAINHEADER WHERE BDG_IDENT=?"), {zeta})
            .toString()
            .trimmed();
    MainObject->AntragIdent.clear();
    const QList<int> before = onceRowCounts();

    ScriptedMessages messages;
    TOpenAntragDlg dialog;
    showMode(dialog, TOpenAntragDlg::Open);
    QCOMPARE(dialog.Label1->text(), QStringLiteral("Wählen Sie einen Antrag aus"));
    QCOMPARE(dialog.PageControl1->currentIndex(), 1);
    QStringList names;
    for (int i = 0; i < dialog.MainList->count(); ++i)
        names << dialog.MainList->item(i)->text();
    QCOMPARE(names, (QStringList{"Alpha", "Mitte", "Zeta"}));
    QCOMPARE(dialog.MainList->currentRow(), 0);

    QTest::mouseClick(dialog.MainList->viewport(), Qt::LeftButton, {},
                      dialog.MainList->visualItemRect(dialog.MainList->item(2)).center());
    QTest::mouseClick(dialog.SpeedButton2, Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(MainObject->AntragIdent, zeta);
    QCOMPARE(MainObject->AntragSign, QStringLiteral("Zeta"));
    QCOMPARE(MainObject->AntragUserIdent, zetaUser);
    QCOMPARE(MainObject->AntragDate, QDate::currentDate());
    QCOMPARE(onceRowCounts(), before);
    QVERIFY(messages.texts().isEmpty());
}

void ApplicationsTest::backAndCancel() {
    TestHome home;
    QVERIFY(home.ok());
    createTestApplication(QStringLiteral("Alpha"));
    bool ended = false;
    shell::setProgramEndHandler([&] { ended = true; });
    TOpenAntragDlg dialog;
    showMode(dialog, TOpenAntragDlg::Open);
    QTest::mouseClick(dialog.SpeedButton4, Qt::LeftButton); // Zurück
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!ended);

    showMode(dialog, TOpenAntragDlg::Create);
    QTest::mouseClick(dialog.SpeedButton3, Qt::LeftButton); // Abbruch
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(ended);
    shell::setProgramEndHandler(nullptr);
}

void ApplicationsTest::choiceOffersOpening() {
    TestHome home(false);
    TMainChoiceDlg dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(dialog.SpeedButton1->isVisible());
    QVERIFY(dialog.SpeedButton1->isEnabled());
    QVERIFY(!dialog.SpeedButton3->isVisible());
    QVERIFY(dialog.SpeedButton2->isVisible());
    QCOMPARE(dialog.chosenStep(), int(TMainChoiceDlg::NoStep));
    QTest::mouseClick(dialog.SpeedButton2, Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.chosenStep(), int(TMainChoiceDlg::OpenApplication));
}

void ApplicationsTest::choiceCloseBoxAsksToEnd() {
    TestHome home(false);
    bool ended = false;
    shell::setProgramEndHandler([&] { ended = true; });
    ScriptedMessages messages;
    messages.answer({store::Answer::Cancel, store::Answer::Yes});
    TMainChoiceDlg dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.close(); // the close box
    QCOMPARE(messages.texts(), QStringList{"Wollen Sie Ihre Arbeit beenden?"});
    QVERIFY(dialog.isVisible());
    QVERIFY(!ended);
    dialog.close();
    QVERIFY(!dialog.isVisible());
    QVERIFY(ended);
    shell::setProgramEndHandler(nullptr);
}

QTEST_MAIN(ApplicationsTest)
#include "tst_applications.moc"
