#pragma once

#include "IncomeDetailDialog.h"

// Income a person does not receive regularly, such as a tax refund.
class TMoneyInputOneDlg : public IncomeDetailDialog {
    Q_OBJECT
public:
    explicit TMoneyInputOneDlg(QWidget* parent = nullptr);
};
