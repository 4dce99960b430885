#pragma once

#include "UnfallDetailDialog.h"

class ExclusiveGroup;
class QPlainTextEdit;
class QStackedWidget;
class YesNoPair;

// Another damage event: a sports accident, medical malpractice, an assault or an injury by animals,
// each with a page of its own. The row of UNFOTHER is replaced as a whole on "Schließen", with the
// fields of all four pages; the description is the one the work and traffic dialogs share.
class TUnfallSonstigDlg : public accident::UnfallDetailDialog {
    Q_OBJECT
public:
    explicit TUnfallSonstigDlg(QWidget* parent = nullptr);

    QStackedWidget* KindPages = nullptr;

protected:
    void reset() override;
    void load() override;
    bool write() override;

private:
    QWidget* sportPage();
    QWidget* malpracticePage();
    QWidget* assaultPage();
    QWidget* animalPage();

    QPlainTextEdit* m_description;
    ExclusiveGroup* m_kinds;
    ExclusiveGroup* m_sport;
    ExclusiveGroup* m_animalCause;
    YesNoPair* m_arbitration; // "Ja, Anschrift der Schlichtungsstelle" / "Nein"
    accident::ColumnTable m_columns; // UNFOTHER from its fourth column on
};
