#pragma once

#include "IncomeDetailDialog.h"

// Further current payments from the employer beside the pay.
class TSoldInputAnyDlg : public IncomeDetailDialog {
    Q_OBJECT
public:
    explicit TSoldInputAnyDlg(QWidget* parent = nullptr);
};
