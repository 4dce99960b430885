#pragma once

#include "NavigationBar.h"

#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QPointer>
#include <QTimer>
#include <QToolButton>
#include <functional>

class DataDialog;
class QMdiSubWindow;

// The main window: header strip, navigation bar, the MDI area of the data dialogs, status bar; runs
// the start sequence on its first activation.
class TMainFormDlg : public QMainWindow {
    Q_OBJECT
public:
    // The modal steps of the start sequence; they show the real dialogs unless a test replaces them.
    struct StartSteps {
        std::function<void()> showStartScreen;
        std::function<bool()> showDisclaimer; // true when the user agreed
        std::function<bool()> login;          // what TMainObject::LoginUser shows
        std::function<int()> askNextStep;     // the choice dialog's step, -1 for none
        std::function<bool(int mode)> executeMode;
    };

    explicit TMainFormDlg(QWidget* parent = nullptr);
    ~TMainFormDlg() override;

    StartSteps Steps;
    bool FirstActivation = true;

    QLabel* Label1;
    QToolButton* Image2; // Programm beenden
    QToolButton* Image3; // Aktuellen Antrag löschen (hidden)
    QToolButton* Image4; // Bestehenden Antrag öffnen
    QToolButton* Image5; // Neuen Antrag anlegen
    NavigationBar* MainBar;
    QWidget* Panel2;
    QMdiArea* MdiArea;
    QLabel* StatusPanel[4];
    QTimer* Timer1;

    // The start sequence, once; every later activation does nothing.
    void FormActivate();
    // The stored applications to choose from, until one is open; false when none was opened.
    bool ChooseAntrag();
    void MainBarItemClick(int panel, int item);
    void Timer1Timer();
    void Image2Click();
    void Image3Click();
    void Image4Click();
    void Image5Click();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormClose();
    bool openFirstApplication();
    void showOpenApplication();
    // Writes what the active data dialog holds; the window that was active.
    QPointer<QMdiSubWindow> saveActiveDialog();
    void openApplicantDialog();
    void hostDialog(DataDialog* dialog);
    QPointer<QMdiSubWindow> m_activeChild;
    QPointer<QWidget> m_placeholder;
    bool m_endConfirmed = false;
};

// Registers the data dialogs of the navigation panels (panel -> factory) with the dialog registry.
void registerDialogs();

extern TMainFormDlg* MainFormDlg;
