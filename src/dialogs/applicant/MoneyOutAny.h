#pragma once

#include "IncomeDetailDialog.h"

// Further deductions and the maintenance a person pays to others.
class TMoneyOutAnyDlg : public IncomeDetailDialog {
    Q_OBJECT
public:
    explicit TMoneyOutAnyDlg(QWidget* parent = nullptr);
};
