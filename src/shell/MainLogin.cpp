#include "MainLogin.h"

#include "Messages.h"
#include "ProgramEnd.h"
#include "ServerObjects.h"
#include "ShellWidgets.h"
#include "Sql.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <sodium.h>

TMainLoginDlg* MainLoginDlg = nullptr;

namespace {

QLabel* text(const QString& s, QWidget* parent, bool heading = false) {
    auto* label = new QLabel(s, parent);
    label->setWordWrap(true);
    label->setStyleSheet(heading ? QStringLiteral("color: navy; font-size: 14px; font-weight: bold;")
                                 : QStringLiteral("color: #1A1A40;"));
    return label;
}

QLineEdit* field(const QString& name, QWidget* parent, bool upper, bool masked) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    shell::styleField(edit);
    if (upper) shell::upperCase(edit);
    if (masked) edit->setEchoMode(QLineEdit::Password);
    return edit;
}

} // namespace

TMainLoginDlg::TMainLoginDlg(QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("MainLoginDlg"));
    setWindowTitle(QStringLiteral("Anmelden"));
    setFixedSize(400, 360);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(shell::headerStrip(QStringLiteral("Programmanmeldung"), this));

    PageControl1 = new QStackedWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    layout->addWidget(PageControl1, 1);

    auto* page0 = new QWidget(PageControl1);
    page0->setObjectName(QStringLiteral("TabSheet1"));
    auto* p0 = new QVBoxLayout(page0);
    p0->setContentsMargins(14, 8, 14, 8);
    p0->setSpacing(5);
    p0->addWidget(text(QStringLiteral("Willkommen zum ersten Programmstart!"), page0, true));
    p0->addWidget(
        text(QStringLiteral("Um Zugang zum Programm zu erhalten müssen Sie sich als Benutzer registrieren. "
                            "Geben Sie dafür einen Benutzernamen und ein Passwort an."),
             page0));
    auto* form0 = new QFormLayout;
    form0->setSpacing(4);
    Edit4 = field(QStringLiteral("Edit4"), page0, false, false);
    Edit1 = field(QStringLiteral("Edit1"), page0, true, false);
    Edit2 = field(QStringLiteral("Edit2"), page0, true, true);
    Edit3 = field(QStringLiteral("Edit3"), page0, true, true);
    form0->addRow(QStringLiteral("Name, Vorname"), Edit4);
    form0->addRow(QStringLiteral("Benutzername"), Edit1);
    form0->addRow(QStringLiteral("Passwort"), Edit2);
    form0->addRow(QStringLiteral("Passwortwiderholung"), Edit3);
    p0->addLayout(form0);
    QLabel* remember =
        text(QStringLiteral("Merken Sie sich Ihre Zugangsdaten gut! Oder hinterlegen Sie diese an einem "
                            "sicheren Ort. Ohne diesen Benutzernamen und das Passwort erhalten Sie "
                            "keinen Zugang zu Ihren Antragsdaten!"),
             page0);
    remember->setStyleSheet(QStringLiteral("color: #800000; font-size: 11px;"));
    p0->addWidget(remember);
    SpeedButton1 = shell::flatButton(QStringLiteral("Weiter"), QStringLiteral("SpeedButton1"), page0);
    auto* row0 = new QHBoxLayout;
    row0->addStretch(1);
    row0->addWidget(SpeedButton1);
    p0->addLayout(row0);
    PageControl1->addWidget(page0);

    auto* page1 = new QWidget(PageControl1);
    page1->setObjectName(QStringLiteral("TabSheet2"));
    auto* p1 = new QVBoxLayout(page1);
    p1->setContentsMargins(14, 10, 14, 8);
    p1->setSpacing(6);
    p1->addWidget(text(QStringLiteral("Willkommen zu Velmora"), page1, true));
    p1->addWidget(
        text(QStringLiteral("Um Zugang zum Programm zu erhalten müssen Sie sich mit Ihrem Benutzernamen "
                            "und Ihrem Passwort anmelden:"),
             page1));
    auto* form1 = new QFormLayout;
    form1->setContentsMargins(0, 6, 0, 6);
    form1->setSpacing(6);
    Edit5 = field(QStringLiteral("Edit5"), page1, true, false);
    Edit6 = field(QStringLiteral("Edit6"), page1, true, true);
    form1->addRow(QStringLiteral("Benutzername"), Edit5);
    form1->addRow(QStringLiteral("Passwort"), Edit6);
    p1->addLayout(form1);
    QLabel* notice =
        text(QStringLiteral("Benutzername und Passwort werden in Großbuchstaben erfasst; es spielt "
                            "also keine Rolle, ob Sie groß oder klein schreiben. Alle gespeicherten "
                            "Anträge stehen nach der Anmeldung zur Auswahl."),
             page1);
    notice->setStyleSheet(QStringLiteral("color: #55558A; font-size: 11px;"));
    p1->addWidget(notice);
    p1->addStretch(1);
    SpeedButton3 = shell::flatButton(QStringLiteral("Abbruch"), QStringLiteral("SpeedButton3"), page1);
    SpeedButton2 = shell::flatButton(QStringLiteral("Weiter"), QStringLiteral("SpeedButton2"), page1);
    auto* row1 = new QHBoxLayout;
    row1->addWidget(SpeedButton3);
    row1->addStretch(1);
    row1->addWidget(SpeedButton2);
    p1->addLayout(row1);
    PageControl1->addWidget(page1);

    layout->addWidget(shell::footerStrip(shell::footerText(), this));

    connect(SpeedButton1, &QPushButton::clicked, this, &TMainLoginDlg::SpeedButton1Click);
    connect(SpeedButton2, &QPushButton::clicked, this, &TMainLoginDlg::SpeedButton2Click);
    connect(SpeedButton3, &QPushButton::clicked, this, &TMainLoginDlg::SpeedButton3Click);
    Edit6->installEventFilter(this);
}

QString TMainLoginDlg::hashPassword(const QString& password) {
    if (sodium_init() < 0) return {};
    QByteArray plain = password.toUtf8();
    char hash[crypto_pwhash_STRBYTES];
    const int rc = crypto_pwhash_str(hash, plain.constData(), quint64(plain.size()),
                                     crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE);
    sodium_memzero(plain.data(), size_t(plain.size()));
    return rc == 0 ? QString::fromLatin1(hash) : QString();
}

bool TMainLoginDlg::verifyPassword(const QString& hash, const QString& password) {
    if (sodium_init() < 0 || hash.isEmpty()) return false;
    const QByteArray stored = hash.toLatin1();
    QByteArray plain = password.toUtf8();
    const bool ok =
        crypto_pwhash_str_verify(stored.constData(), plain.constData(), quint64(plain.size())) == 0;
    sodium_memzero(plain.data(), size_t(plain.size()));
    return ok;
}

void TMainLoginDlg::FormActivate() {
    const bool userExists =
        !store::selectValue(QStringLiteral("SELECT USR_IDENT FROM USERS LIMIT 1")).isNull();
    showPage(userExists ? 1 : 0);
}

void TMainLoginDlg::showPage(int index) {
    // Like a page control: the page's set-up runs when it becomes visible, not on every activation.
    if (PageControl1->currentIndex() == index && PageControl1->property("shown").toBool()) return;
    PageControl1->setCurrentIndex(index);
    PageControl1->setProperty("shown", true);
    if (index == 0)
        TabSheet1Show();
    else
        TabSheet2Show();
}

void TMainLoginDlg::TabSheet1Show() {
    for (QLineEdit* e : {Edit1, Edit2, Edit3, Edit4})
        e->clear();
    Edit4->setFocus();
}

void TMainLoginDlg::TabSheet2Show() {
    Edit5->clear();
    Edit6->clear();
    Edit5->setFocus();
}

void TMainLoginDlg::SpeedButton1Click() {
    if (!store::select(QStringLiteral("SELECT USR_IDENT FROM USERS")).ok()) return;
    struct Check {
        QLineEdit* field;
        bool failed;
        const char* message;
        bool clearPasswords;
    };
    const Check checks[] = {
        {Edit4, Edit4->text().trimmed().isEmpty(), "Sie müssen Ihren Namen und Vornamen angeben!", false},
        {Edit1, Edit1->text().trimmed().isEmpty(), "Der Anmeldename dasf nicht leer sein!", false},
        {Edit2, Edit2->text().isEmpty(), "Das Passwort muss angegeben werden!", false},
        {Edit3, Edit3->text().isEmpty(), "Die Passwortwiederholung muss angegeben werden!", false},
        {Edit2, Edit2->text() != Edit3->text(), "Passwort und Wiederholung stimmen nicht überein!", true},
    };
    for (const Check& c : checks) {
        if (!c.failed) continue;
        if (c.clearPasswords) {
            Edit2->clear();
            Edit3->clear();
        }
        store::Messages::information(QString::fromUtf8(c.message));
        c.field->setFocus();
        return;
    }

    const QString ident = TMainObject::NewRowIdent();
    if (ident.isEmpty()) {
        store::Messages::error(QStringLiteral("Error create unique Row-ID!"));
        return;
    }
    const QString hash = hashPassword(Edit2->text());
    if (hash.isEmpty()) {
        store::Messages::error(QStringLiteral("Das Passwort konnte nicht verschlüsselt werden. "
                                              "Der Benutzer wurde nicht angelegt."));
        return;
    }
    const QString user = Edit1->text();
    const QString fullName = Edit4->text();
    if (!store::execute(
            QStringLiteral("INSERT INTO USERS (USR_IDENT, USR_LOGINNAME, USR_PASSWORD, USR_FIRSTNAME, "
                           "USR_LASTNAME) VALUES (?, ?, ?, ?, ?)"),
            {ident, user, hash, fullName, fullName}))
        return;
    MainObject->UserIdent = ident;
    MainObject->UserLoginName = user;
    MainObject->UserFullName = fullName;
    MainObject->UserPassword.clear();
    // The new user logs in at once with what was just typed, through the same check as every login.
    Edit5->setText(user);
    Edit6->setText(Edit2->text());
    Edit2->clear();
    Edit3->clear();
    accept();
}

void TMainLoginDlg::SpeedButton2Click() {
    accept();
}

void TMainLoginDlg::SpeedButton3Click() {
    m_cancelled = true;
    QDialog::done(Rejected);
    shell::endProgram();
}

bool TMainLoginDlg::FormCloseQuery() {
    store::Rows rows =
        store::select(QStringLiteral("SELECT USR_IDENT, USR_LOGINNAME, USR_PASSWORD, USR_FIRSTNAME "
                                     "FROM USERS WHERE USR_LOGINNAME=?"),
                      {Edit5->text()});
    if (!rows.ok()) return false;
    while (rows.next()) {
        if (!verifyPassword(rows.text(QStringLiteral("USR_PASSWORD")), Edit6->text())) continue;
        MainObject->UserIdent = rows.text(QStringLiteral("USR_IDENT"));
        MainObject->UserLoginName = rows.text(QStringLiteral("USR_LOGINNAME"));
        MainObject->UserFullName = rows.text(QStringLiteral("USR_FIRSTNAME"));
        MainObject->UserPassword.clear();
        Edit6->clear();
        return true;
    }
    store::Messages::error(QStringLiteral("Benutzername oder Passwort falsch!"));
    Edit5->setFocus();
    return false;
}

void TMainLoginDlg::done(int result) {
    if (result == Accepted && !FormCloseQuery()) return;
    PageControl1->setProperty("shown", false);
    QDialog::done(result);
}

void TMainLoginDlg::reject() {
    // Only "Abbruch" leaves the dialog without a login; Escape does nothing.
}

void TMainLoginDlg::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (isVisible() && !m_cancelled) done(Accepted);
}

void TMainLoginDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_cancelled = false;
    FormActivate();
}

void TMainLoginDlg::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

bool TMainLoginDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit6 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            SpeedButton2Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
