#pragma once

#include "UnfallDetailDialog.h"

// A work accident: how it happened and the employer.
class TUnfallArbeitDlg : public accident::UnfallDetailDialog {
    Q_OBJECT
public:
    explicit TUnfallArbeitDlg(QWidget* parent = nullptr);

protected:
    void reset() override;
    void load() override;
    bool write() override;

private:
    accident::ColumnTable m_columns;
};
