#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>

// Creating a named application (mode 0) or opening a stored one (mode 1).
class TOpenAntragDlg : public QDialog {
    Q_OBJECT
public:
    enum Mode { Create = 0, Open = 1 };

    explicit TOpenAntragDlg(QWidget* parent = nullptr);

    // Shows the dialog modally in `mode`; true when an application was created or opened.
    bool ExecuteMode(int mode);
    void setMode(int mode) { m_mode = mode; }
    int mode() const { return m_mode; }

    // The set-up of the mode's page; runs when the dialog is shown and after its own messages.
    void FormActivate();

    QLabel* Label1; // header text
    QStackedWidget* PageControl1;
    QLineEdit* Edit1;
    QPushButton* SpeedButton1; // Weiter (create)
    QPushButton* SpeedButton3; // Abbruch
    QListWidget* MainList;
    QPushButton* SpeedButton2; // Weiter (open)
    QPushButton* SpeedButton4; // Zurück

public slots:
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    int m_mode = Create;
};

extern TOpenAntragDlg* OpenAntragDlg;
