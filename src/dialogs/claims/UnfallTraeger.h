#pragma once

#include "UnfallDetailDialog.h"

// The health insurance, pension insurance and accident insurance of the injured person.
class TUnfallTraegerDlg : public accident::UnfallDetailDialog {
    Q_OBJECT
public:
    explicit TUnfallTraegerDlg(QWidget* parent = nullptr);

protected:
    void reset() override;
    void load() override;
    bool write() override;

private:
    accident::ColumnTable m_columns;
};
