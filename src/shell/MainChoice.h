#pragma once

#include <QDialog>
#include <QPushButton>

// After the login: what the user wants to do next.
class TMainChoiceDlg : public QDialog {
    Q_OBJECT
public:
    enum Step { NewApplication = 0, OpenApplication = 1, ChangeNotice = 2, NoStep = -1 };

    explicit TMainChoiceDlg(QWidget* parent = nullptr);

    // Shows the dialog modally; the chosen step, or NoStep when the dialog was closed without a choice.
    int AskNextStep();
    int chosenStep() const { return m_step; }

    QPushButton* SpeedButton1; // Neuen Antrag erstellen
    QPushButton* SpeedButton2; // Bestehenden Antrag bearbeiten
    QPushButton* SpeedButton3; // Änderungsmitteilung erstellen

    // The close box and Escape: the question of the exit button; the program ends on Yes.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void choose(int step);
    int m_step = NoStep;
};

extern TMainChoiceDlg* MainChoiceDlg;
