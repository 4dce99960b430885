#pragma once

#include <QDialog>
#include <QPushButton>
#include <QTextBrowser>

// The disclaimer the user accepts before the database is opened.
class TDisclaimMainDlg : public QDialog {
    Q_OBJECT
public:
    explicit TDisclaimMainDlg(QWidget* parent = nullptr);

    QTextBrowser* WebBrowser1;
    QPushButton* SpeedButton1; // Abbrechen
    QPushButton* SpeedButton2; // Einverstanden

    // Shows the disclaimer text; runs whenever the dialog is shown.
    void FormActivate();

public slots:
    void SpeedButton1Click();
    void SpeedButton2Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
};

extern TDisclaimMainDlg* DisclaimMainDlg;
