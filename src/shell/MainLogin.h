#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>

// Login, and on the very first start the registration of the first user.
class TMainLoginDlg : public QDialog {
    Q_OBJECT
public:
    explicit TMainLoginDlg(QWidget* parent = nullptr);

    QStackedWidget* PageControl1;
    // Registration page
    QLineEdit* Edit4; // Name, Vorname
    QLineEdit* Edit1; // Benutzername
    QLineEdit* Edit2; // Passwort
    QLineEdit* Edit3; // Passwortwiderholung
    QPushButton* SpeedButton1;
    // Login page
    QLineEdit* Edit5; // Benutzername
    QLineEdit* Edit6; // Passwort
    QPushButton* SpeedButton2;
    QPushButton* SpeedButton3; // Abbruch

    // Shows the registration page while no user exists, else the login page.
    void FormActivate();

    // A salted Argon2id hash of `password` in libsodium's text form; empty when none could be made.
    static QString hashPassword(const QString& password);
    static bool verifyPassword(const QString& hash, const QString& password);

public slots:
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();

protected:
    void done(int result) override;
    void reject() override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showPage(int index);
    void TabSheet1Show();
    void TabSheet2Show();
    // The check before the dialog closes: true when the login page's fields name a user.
    bool FormCloseQuery();
    bool m_cancelled = false;
};

extern TMainLoginDlg* MainLoginDlg;
