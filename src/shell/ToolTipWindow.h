#pragma once

#include <QCheckBox>
#include <QTextBrowser>
#include <QWidget>

// The floating window with the detailed filling-in notes of the data dialogs' pages.
class TToolTipWindowDlg : public QWidget {
    Q_OBJECT
public:
    explicit TToolTipWindowDlg(QWidget* parent = nullptr);

    // Shows Daten/Tooltips/<number>.htm unless automatic opening was switched off.
    void ShowHelpAuto(int number);
    // Shows Daten/Tooltips/<number>.htm in any case.
    void ShowHelp(int number);
    // The number shown last, 0 before the first.
    int shownNumber() const { return m_number; }

    QCheckBox* CheckBox1; // nicht mehr automatisch öffnen
    QTextBrowser* WebBrowser1;

private:
    // The check box follows the logged-in user; the choice is kept in SETTING.INI under the user.
    void loadUserChoice();
    void placeBesideForm();
    int m_number = 0;
    QString m_user;
};

extern TToolTipWindowDlg* ToolTipWindowDlg;
