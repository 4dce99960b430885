#pragma once

#include "DataDialog.h"

#include <QVector>

class QCheckBox;
class QLineEdit;
class WriteGroup;
class YesNoPair;

// The first section of the main form: the office the application goes to, the applicant's name,
// address and bank account (page 0), and the general questions about earlier benefits, what has
// changed since, housing costs and a legal guardian (page 1). Navigation panel 0.
class TMainAntragDlg : public DataDialog {
    Q_OBJECT
public:
    explicit TMainAntragDlg(QWidget* parent = nullptr);

private:
    QWidget* createApplicantPage();
    QWidget* createQuestionsPage();
    void loadApplicantPage();
    void loadQuestionsPage();
    void SRCheckBox1Change(bool yes);
    void SRCheckBox19Change(bool yes);

    QLineEdit* edit(int number) const { return m_edits.at(number - 1); }
    YesNoPair* question(int number) const { return m_questions.at(number - 1); }

    QVector<QLineEdit*> m_edits;        // Edit1 ... Edit19
    QVector<YesNoPair*> m_questions;    // questions 1 ... 11
    QWidget* m_guardianPanel = nullptr; // the three guardian fields with their labels
    WriteGroup* m_guardianGroup = nullptr;
};
