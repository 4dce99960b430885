#pragma once

#include "UnfallDetailDialog.h"

class DateEdit;
class ExclusiveGroup;
class YesNoPair;

// The main data of an accident: its kind, the causer and the causer's liability insurer, the claims
// for damages made so far and how far they got, and who represents the injured person.
class TUnfallMainDlg : public accident::UnfallDetailDialog {
    Q_OBJECT
public:
    explicit TUnfallMainDlg(QWidget* parent = nullptr);

protected:
    void reset() override;
    void load() override;
    bool write() override;

private:
    // The settlement date as it is written: a date that cannot be read keeps the stored one.
    QVariant settlementDate() const;

    ExclusiveGroup* m_kinds;
    YesNoPair* m_claims; // "Ja, gegen" / "Nein"
    DateEdit* m_settlementDate;
    accident::ColumnTable m_columns;
};
