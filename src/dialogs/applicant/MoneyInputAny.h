#pragma once

#include "IncomeDetailDialog.h"

// Other regular income of a person (maintenance received, rent and lease, …).
class TMoneyInputAnyDlg : public IncomeDetailDialog {
    Q_OBJECT
public:
    explicit TMoneyInputAnyDlg(QWidget* parent = nullptr);
};
