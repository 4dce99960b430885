#pragma once

#include "UnfallDetailDialog.h"

class YesNoPair;

// The injuries, the treating places, the police, and criminal proceedings against the causer.
class TUnfallVerfahrenDlg : public accident::UnfallDetailDialog {
    Q_OBJECT
public:
    explicit TUnfallVerfahrenDlg(QWidget* parent = nullptr);

protected:
    void reset() override;
    void load() override;
    bool write() override;

private:
    void proceedingsChange(bool yes);

    YesNoPair* m_proceedings;
    QVector<QWidget*> m_proceedingFields; // court, file number and result with their captions
    accident::ColumnTable m_columns;
};
