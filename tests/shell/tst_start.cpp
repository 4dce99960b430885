#include "Application.h"
#include "DisclaimMain.h"
#include "InstanceLock.h"
#include "MainFormUnit.h"
#include "MainStart.h"
#include "OpenAntrag.h"
#include "ProgramEnd.h"
#include "ServerObjects.h"
#include "Sql.h"
#include "TestHome.h"
#include "UVersion.h"

#include <QBitmap>
#include <QFile>
#include <QMdiSubWindow>
#include <QtTest>

namespace {

enum Scenario {
    NothingStored,
    Stored,
    DisclaimerDeclined,
    ConnectionFails,
    LoginFails,
    CreateClosedThenAgain,
    CreateClosedThenEnd,
    ChoiceClosedThenAgain,
};

const QString kQuestion = QStringLiteral("Es ist kein Antrag geöffnet. Ohne einen Antrag kann Velmora nicht "
                                         "weiterarbeiten.\n\nWollen Sie das Programm beenden?");

QString today() {
    return QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
}

} // namespace

class StartTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void startSequence_data();
    void startSequence();
    void versionFromText_data();
    void versionFromText();
    void secondStartIsRefused();
    void startScreenClosesByItsTimer();
    void disclaimerAcceptsWithEnter();
    void disclaimerCancelEndsTheProgram();
};

void StartTest::initTestCase() {
    QCoreApplication::setApplicationVersion(QStringLiteral("1.2.3.4"));
}

void StartTest::startSequence_data() {
    QTest::addColumn<int>("scenario");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("messages"); // each a prefix of the message shown
    QTest::addColumn<QString>("header");       // empty: the program ended before an application was open

    const QString opened = QStringLiteral("Antrag Neu vom ") + today();
    const QString stored = QStringLiteral("Antrag Vorhanden vom ") + today();
    QTest::newRow("no application stored: create page directly")
        << int(NothingStored) << QStringList{"start", "disclaimer", "login", "mode 0"} << QStringList{}
        << opened;
    QTest::newRow("application stored: choice, then open")
        << int(Stored) << QStringList{"start", "disclaimer", "login", "choice", "mode 1"} << QStringList{}
        << stored;
    QTest::newRow("disclaimer declined")
        << int(DisclaimerDeclined) << QStringList{"start", "disclaimer", "end 0"} << QStringList{} << QString();
    QTest::newRow("connection fails")
        << int(ConnectionFails) << QStringList{"start", "disclaimer", "end 1"}
        << QStringList{"Fehler bei Verbindungsaufbau zur Datenbank!"} << QString();
    QTest::newRow("login fails") << int(LoginFails) << QStringList{"start", "disclaimer", "login", "end 1"}
                                 << QStringList{"Fehler bei der Anmeldung!"} << QString();
    QTest::newRow("create closed, user goes on")
        << int(CreateClosedThenAgain) << QStringList{"start", "disclaimer", "login", "mode 0", "mode 0"}
        << QStringList{kQuestion} << opened;
    QTest::newRow("create closed, user ends")
        << int(CreateClosedThenEnd) << QStringList{"start", "disclaimer", "login", "mode 0", "end 0"}
        << QStringList{kQuestion} << QString();
    QTest::newRow("choice closed, user goes on")
        << int(ChoiceClosedThenAgain)
        << QStringList{"start", "disclaimer", "login", "choice", "choice", "mode 1"} << QStringList{kQuestion}
        << stored;
}

void StartTest::startSequence() {
    QFETCH(int, scenario);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, messages);
    QFETCH(QString, header);

    TestHome home;
    QVERIFY(home.ok());
    QString storedIdent;
    if (scenario == Stored || scenario == ChoiceClosedThenAgain)
        storedIdent = createTestApplication(QStringLiteral("Vorhanden"));
    ScriptedMessages messageBoxes;
    messageBoxes.answer({scenario == CreateClosedThenEnd ? store::Answer::Yes : store::Answer::No});

    QStringList log;
    // A start that failed ends with exit code 1; the user's own decision to end with 0.
    shell::setProgramEndHandler([&] { log << QStringLiteral("end %1").arg(shell::programExitCode()); });
    TMainFormDlg window;
    int createResults = scenario == CreateClosedThenAgain || scenario == CreateClosedThenEnd ? 1 : 0;
    int choiceResults = scenario == ChoiceClosedThenAgain ? 1 : 0;
    window.Steps.showStartScreen = [&] { log << "start"; };
    window.Steps.showDisclaimer = [&] {
        log << "disclaimer";
        return scenario != DisclaimerDeclined;
    };
    window.Steps.login = [&] {
        log << "login";
        MainObject->UserIdent = TMainObject::NewRowIdent();
        return scenario != LoginFails;
    };
    window.Steps.askNextStep = [&] {
        log << "choice";
        // The window's close button leaves the choice without a step.
        return choiceResults-- > 0 ? -1 : 1;
    };
    window.Steps.executeMode = [&](int mode) {
        log << QStringLiteral("mode %1").arg(mode);
        if (createResults-- > 0) return false; // closed with the window's close button
        if (mode == TOpenAntragDlg::Create)
            return store::createApplication(QStringLiteral("Neu")) == store::CreateResult::Created;
        return store::openApplication(storedIdent);
    };
    if (scenario == ConnectionFails)
        QVERIFY(QFile::remove(home.file(QStringLiteral("Daten/Default/REDIR.sqlite"))));

    window.FormActivate();

    QCOMPARE(log, steps);
    QCOMPARE(messageBoxes.shown().size(), messages.size());
    for (int i = 0; i < messages.size(); ++i)
        QVERIFY2(messageBoxes.texts().at(i).startsWith(messages.at(i)),
                 qPrintable(messageBoxes.texts().at(i)));
    QCOMPARE(window.StatusPanel[3]->text(), QStringLiteral("Build Nr: 1.2.3.4"));
    QCOMPARE(window.Label1->text(), header);
    QCOMPARE(window.MainBar->isVisibleTo(&window), !header.isEmpty());
    QCOMPARE(window.Panel2->isVisibleTo(&window), header.isEmpty());
    if (!header.isEmpty()) {
        // The applicant's page is on screen and marked in the bar.
        QVERIFY(window.MdiArea->activeSubWindow());
        QVERIFY(window.MdiArea->activeSubWindow()->isMaximized());
        QCOMPARE(window.MainBar->openPanel(), 0);
        QCOMPARE(window.MainBar->pressedItem(0), 0);
    }

    // Every later activation, after a modal dialog or another program, leaves things as they are.
    log.clear();
    window.FormActivate();
    QVERIFY(log.isEmpty());
    QCOMPARE(window.Label1->text(), header);
    shell::setProgramEndHandler(nullptr);
}

void StartTest::versionFromText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("read");
    QTest::addColumn<QString>("shown");
    QTest::newRow("four numbers") << "1.0.0.1" << true << "1.0.0.1";
    QTest::newRow("large parts") << "65535.12.300.4711" << true << "65535.12.300.4711";
    QTest::newRow("missing parts are 0") << "2.3" << true << "2.3.0.0";
    QTest::newRow("nothing") << "" << false << "0.0.0.0";
    QTest::newRow("no number") << "1.x.0.0" << false << "0.0.0.0";
    QTest::newRow("more than 16 bits") << "70000.1.0.0" << false << "0.0.0.0";
    QTest::newRow("five parts") << "1.2.3.4.5" << false << "0.0.0.0";
}

void StartTest::versionFromText() {
    QFETCH(QString, text);
    QFETCH(bool, read);
    QFETCH(QString, shown);
    TVersion version;
    QCOMPARE(version.ReadVersionText(QStringLiteral("velmora"), text), read);
    QCOMPARE(version.FileVersionText(), shown);
    QCOMPARE(version.FileName.isEmpty(), !read);
    QCOMPARE(version.ProductVersionMS, version.FileVersionMS);

    // Another file offers no version here: everything read before is cleared.
    QVERIFY(!version.ReadVersion(QStringLiteral("/bin/sh")));
    QCOMPARE(version.FileVersionText(), QStringLiteral("0.0.0.0"));
    QVERIFY(version.FileName.isEmpty());
}

void StartTest::secondStartIsRefused() {
    TestHome home(false);
    InstanceLock first(home.path());
    QVERIFY(first.acquire());
    InstanceLock second(home.path());
    QVERIFY(!second.acquire());
    QVERIFY(second.heldByOther());
    QVERIFY(second.message().startsWith(QStringLiteral("Velmora ist bereits geöffnet.")));
    QVERIFY(second.message().contains(QDir::toNativeSeparators(home.path())));
    first.release();
    QVERIFY(second.acquire());
}

void StartTest::startScreenClosesByItsTimer() {
    TestHome home(false);
    TMainStartDlg start;
    const QPixmap picture(home.file(QStringLiteral("Daten/Bilder/start.png")));
    QCOMPARE(start.size(), picture.size());
    // The outline follows the picture: its transparent corners are not part of the window.
    QVERIFY(!start.mask().contains(QPoint(0, 0)));
    QVERIFY(start.mask().contains(QPoint(picture.width() / 2, picture.height() / 2)));
    QVERIFY(!start.Timer1->isActive());
    start.show();
    QVERIFY(start.Timer1->isActive());
    QCOMPARE(start.Timer1->interval(), 3000);
    start.Timer1Timer();
    QCOMPARE(start.result(), int(QDialog::Accepted));
    QVERIFY(!start.isVisible());
    QVERIFY(!start.Timer1->isActive());
}

void StartTest::disclaimerAcceptsWithEnter() {
    TestHome home(false);
    bool ended = false;
    shell::setProgramEndHandler([&] { ended = true; });
    TDisclaimMainDlg disclaimer;
    disclaimer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&disclaimer));
    QVERIFY(disclaimer.WebBrowser1->toPlainText().contains(QStringLiteral("Keine Rechtsberatung")));
    // The dialog sees the key first, wherever the focus is.
    disclaimer.SpeedButton1->setFocus();
    QTest::keyClick(disclaimer.SpeedButton1, Qt::Key_Return);
    QCOMPARE(disclaimer.result(), int(QDialog::Accepted));
    QVERIFY(!disclaimer.isVisible());
    QVERIFY(!ended);
    shell::setProgramEndHandler(nullptr);
}

void StartTest::disclaimerCancelEndsTheProgram() {
    TestHome home(false);
    bool ended = false;
    shell::setProgramEndHandler([&] { ended = true; });
    TDisclaimMainDlg disclaimer;
    disclaimer.show();
    QTest::mouseClick(disclaimer.SpeedButton1, Qt::LeftButton);
    QVERIFY(ended);
    QCOMPARE(disclaimer.result(), int(QDialog::Rejected));
    QVERIFY(!disclaimer.isVisible());
    shell::setProgramEndHandler(nullptr);
}

QTEST_MAIN(StartTest)
#include "tst_start.moc"
