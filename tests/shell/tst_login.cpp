#include "MainLogin.h"
#include "ProgramEnd.h"
#include "ServerObjects.h"
#include "Sql.h"
#include "TestHome.h"

#include <QtTest>
#include <sodium.h>

namespace {

int userCount() {
    return store::selectValue(QStringLiteral("SELECT count(*) FROM USERS")).toInt();
}

// Types into a field as a user does: ASCII through the keyboard, other letters set with the edit signal.
void type(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    bool ascii = true;
    for (QChar c : text)
        ascii = ascii && c.unicode() < 128;
    if (ascii) {
        QTest::keyClicks(edit, text);
        return;
    }
    edit->setText(text);
    emit edit->textEdited(text);
}

// Registers the first user through the registration page; the dialog then logs that user in.
void registerUser(TMainLoginDlg& dialog, const QString& fullName, const QString& user,
                  const QString& password) {
    type(dialog.Edit4, fullName);
    type(dialog.Edit1, user);
    type(dialog.Edit2, password);
    type(dialog.Edit3, password);
    QTest::mouseClick(dialog.SpeedButton1, Qt::LeftButton);
}

void showDialog(TMainLoginDlg& dialog) {
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
}

} // namespace

class LoginTest : public QObject {
    Q_OBJECT
private slots:
    void registrationIsValidated_data();
    void registrationIsValidated();
    void registrationLogsInWithAHashedPassword();
    void loginIsCaseBlindAndRefusesWrongPasswords();
    void apostropheIsJustACharacter();
    void cancelEndsTheProgram();
};

void LoginTest::registrationIsValidated_data() {
    QTest::addColumn<QStringList>("fields"); // Name, Vorname; Benutzername; Passwort; Passwortwiderholung
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<bool>("passwordsCleared");
    QTest::newRow("nothing") << QStringList{"", "", "", ""} << "Sie müssen Ihren Namen und Vornamen angeben!"
                             << "Edit4" << false;
    QTest::newRow("blanks are no name")
        << QStringList{"   ", "MAX", "A", "A"} << "Sie müssen Ihren Namen und Vornamen angeben!"
        << "Edit4" << false;
    QTest::newRow("full name alone") << QStringList{"Muster, Max", "", "", ""}
                                     << "Der Anmeldename dasf nicht leer sein!"
                                     << "Edit1" << false;
    QTest::newRow("no password") << QStringList{"Muster, Max", "max", "", "geheim"}
                                 << "Das Passwort muss angegeben werden!"
                                 << "Edit2" << false;
    QTest::newRow("no repetition") << QStringList{"Muster, Max", "max", "geheim", ""}
                                   << "Die Passwortwiederholung muss angegeben werden!"
                                   << "Edit3" << false;
    QTest::newRow("repetition differs") << QStringList{"Muster, Max", "max", "geheim", "geheimer"}
                                        << "Passwort und Wiederholung stimmen nicht überein!"
                                        << "Edit2" << true;
}

void LoginTest::registrationIsValidated() {
    QFETCH(QStringList, fields);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    QFETCH(bool, passwordsCleared);
    TestHome home;
    QVERIFY(home.ok());
    ScriptedMessages messages;
    TMainLoginDlg dialog;
    showDialog(dialog);
    QCOMPARE(dialog.PageControl1->currentIndex(), 0);
    QCOMPARE(dialog.focusWidget(), dialog.Edit4);

    QLineEdit* edits[] = {dialog.Edit4, dialog.Edit1, dialog.Edit2, dialog.Edit3};
    for (int i = 0; i < 4; ++i)
        type(edits[i], fields.at(i));
    QTest::mouseClick(dialog.SpeedButton1, Qt::LeftButton);

    QCOMPARE(messages.texts(), QStringList{message});
    QCOMPARE(messages.shown().first().kind, store::MessageKind::Information);
    QCOMPARE(dialog.focusWidget()->objectName(), focus);
    QCOMPARE(dialog.Edit2->text().isEmpty() && dialog.Edit3->text().isEmpty(),
             passwordsCleared || (fields.at(2).isEmpty() && fields.at(3).isEmpty()));
    QVERIFY(dialog.isVisible());
    QCOMPARE(userCount(), 0);
    QVERIFY(MainObject->UserIdent.isEmpty());
}

void LoginTest::registrationLogsInWithAHashedPassword() {
    TestHome home;
    QVERIFY(home.ok());
    ScriptedMessages messages;
    TMainLoginDlg dialog;
    showDialog(dialog);
    registerUser(dialog, QStringLiteral("Müller, Jürgen"), QStringLiteral("juergen"),
                 QStringLiteral("geheim1"));

    // Registered and logged in at once, without a second prompt.
    QVERIFY(messages.texts().isEmpty());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());

    store::Rows rows = store::select(QStringLiteral("SELECT * FROM USERS"));
    QVERIFY(rows.next());
    QCOMPARE(rows.text("USR_LOGINNAME"), QStringLiteral("JUERGEN"));
    QCOMPARE(rows.text("USR_FIRSTNAME"), QStringLiteral("Müller, Jürgen"));
    QCOMPARE(rows.text("USR_LASTNAME"), QStringLiteral("Müller, Jürgen"));
    const QString stored = rows.text("USR_PASSWORD");
    QVERIFY(!stored.contains(QStringLiteral("GEHEIM1"), Qt::CaseInsensitive));
    QVERIFY(stored.startsWith(QStringLiteral("$argon2id$")));
    // The hash is of the password as the field shows it: upper case.
    QCOMPARE(crypto_pwhash_str_verify(stored.toLatin1().constData(), "GEHEIM1", 7), 0);
    QVERIFY(!rows.next());

    QCOMPARE(MainObject->UserIdent,
             store::selectValue(QStringLiteral("SELECT USR_IDENT FROM USERS")).toString().trimmed());
    QCOMPARE(MainObject->UserLoginName, QStringLiteral("JUERGEN"));
    QCOMPARE(MainObject->UserFullName, QStringLiteral("Müller, Jürgen"));
    QVERIFY(MainObject->UserPassword.isEmpty());
    // No password is left behind in a field either.
    for (QLineEdit* e : {dialog.Edit2, dialog.Edit3, dialog.Edit6})
        QVERIFY(e->text().isEmpty());

    // The same password hashed again gives another text: every hash has a salt of its own.
    QVERIFY(TMainLoginDlg::hashPassword(QStringLiteral("GEHEIM1")) != stored);
}

void LoginTest::loginIsCaseBlindAndRefusesWrongPasswords() {
    TestHome home;
    QVERIFY(home.ok());
    ScriptedMessages messages;
    {
        TMainLoginDlg first;
        showDialog(first);
        registerUser(first, QStringLiteral("Muster, Max"), QStringLiteral("Max"), QStringLiteral("Pass"));
        QCOMPARE(first.result(), int(QDialog::Accepted));
    }
    MainObject->UserIdent.clear();

    TMainLoginDlg dialog;
    showDialog(dialog);
    QCOMPARE(dialog.PageControl1->currentIndex(), 1);
    QCOMPARE(dialog.focusWidget(), dialog.Edit5);

    // A wrong password, then the window's close button: the same check, the dialog stays.
    type(dialog.Edit5, QStringLiteral("max"));
    type(dialog.Edit6, QStringLiteral("pas"));
    QTest::keyClick(dialog.Edit6, Qt::Key_Return);
    dialog.close();
    QCOMPARE(messages.texts(),
             (QStringList{"Benutzername oder Passwort falsch!", "Benutzername oder Passwort falsch!"}));
    QCOMPARE(messages.shown().first().kind, store::MessageKind::Error);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.focusWidget(), dialog.Edit5);
    QVERIFY(MainObject->UserIdent.isEmpty());

    // Typed in lower case, checked in upper case; Enter in the password field logs in.
    dialog.Edit6->clear();
    type(dialog.Edit6, QStringLiteral("pass"));
    QCOMPARE(dialog.Edit6->text(), QStringLiteral("PASS"));
    QTest::keyClick(dialog.Edit6, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(MainObject->UserLoginName, QStringLiteral("MAX"));
    QCOMPARE(MainObject->UserFullName, QStringLiteral("Muster, Max"));
    QVERIFY(!MainObject->UserIdent.isEmpty());
    QVERIFY(MainObject->UserPassword.isEmpty());
    QCOMPARE(messages.texts().size(), 2);
}

void LoginTest::apostropheIsJustACharacter() {
    TestHome home;
    QVERIFY(home.ok());
    ScriptedMessages messages;
    {
        TMainLoginDlg first;
        showDialog(first);
        registerUser(first, QStringLiteral("O'Brien, Sean"), QStringLiteral("o'brien"),
                     QStringLiteral("it's"));
        QCOMPARE(first.result(), int(QDialog::Accepted));
    }
    TMainLoginDlg dialog;
    showDialog(dialog);
    type(dialog.Edit5, QStringLiteral("O'BRIEN"));
    type(dialog.Edit6, QStringLiteral("IT'S"));
    QTest::mouseClick(dialog.SpeedButton2, Qt::LeftButton);
    QVERIFY(messages.texts().isEmpty());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(MainObject->UserLoginName, QStringLiteral("O'BRIEN"));
    QCOMPARE(MainObject->UserFullName, QStringLiteral("O'Brien, Sean"));
}

void LoginTest::cancelEndsTheProgram() {
    TestHome home;
    QVERIFY(home.ok());
    ScriptedMessages messages;
    QVERIFY(store::execute(
        QStringLiteral("INSERT INTO USERS (USR_IDENT, USR_LOGINNAME, USR_PASSWORD) VALUES (?, ?, ?)"),
        {TMainObject::NewRowIdent(), QStringLiteral("MAX"), TMainLoginDlg::hashPassword("PASS")}));
    bool ended = false;
    shell::setProgramEndHandler([&] { ended = true; });
    TMainLoginDlg dialog;
    showDialog(dialog);
    // Escape is no way out of the login.
    QTest::keyClick(dialog.Edit5, Qt::Key_Escape);
    QVERIFY(dialog.isVisible());
    QTest::mouseClick(dialog.SpeedButton3, Qt::LeftButton);
    QVERIFY(ended);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
    QVERIFY(messages.texts().isEmpty());
    QVERIFY(MainObject->UserIdent.isEmpty());
    shell::setProgramEndHandler(nullptr);
}

QTEST_MAIN(LoginTest)
#include "tst_login.moc"
