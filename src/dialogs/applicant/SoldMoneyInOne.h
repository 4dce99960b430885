#pragma once

#include "IncomeDetailDialog.h"

// One-off payments from the employer; only the net amount makes a row an item.
class TSoldMoneyInOneDlg : public IncomeDetailDialog {
    Q_OBJECT
public:
    explicit TSoldMoneyInOneDlg(QWidget* parent = nullptr);
};
