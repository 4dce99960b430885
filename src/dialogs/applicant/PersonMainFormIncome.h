#pragma once

#include <QString>

class EmploymentPage;
class IncomeBasicsPage;
class SelfEmploymentPage;
class TPersonMainFormDlg;
class QWidget;

// Pages 5 to 7 of the persons dialog: income basic data, self-employment, employment.
class PersonIncomePages {
public:
    explicit PersonIncomePages(TPersonMainFormDlg* dialog);
    ~PersonIncomePages();
    QWidget* createPage(int page); // page 5, 6 or 7: its content widget
    void loadPage(int page,
                  const QString& person); // PRS_IDENT of the current person; runs inside the load scope

private:
    TPersonMainFormDlg* m_dialog;
    // Owned by their content widgets, which the dialog's pages own.
    IncomeBasicsPage* m_basics = nullptr;
    SelfEmploymentPage* m_self = nullptr;
    EmploymentPage* m_employment = nullptr;
};
