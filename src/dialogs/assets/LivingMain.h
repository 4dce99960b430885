#pragma once

#include "DataDialog.h"

class MoneyEdit;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class WriteGroup;
class YesNoPair;

// The housing costs of the household: rented flat or own property, the landlord, the dwelling, the
// heating and further costs, and further persons living there. One page; every answer goes to the
// application's LIVING row. Navigation panel 4.
class TLivingMainDlg : public DataDialog {
    Q_OBJECT
public:
    explicit TLivingMainDlg(QWidget* parent = nullptr);

    static constexpr int kPanel = 4;

private:
    QWidget* createPage();
    void createGroups();
    void load();
    void resetPage();
    void RentBoxChange(bool rent);
    void WarmBoxChange(bool shown);
    void WarmFlatRateBoxChange(bool shown);
    void PersonsChange(bool yes);

    QCheckBox* box(const char* name) const;
    QWidget* widget(const char* name) const;

    YesNoPair* m_rentOwner = nullptr;   // "Mietwohnung" / "Eigentümer"
    YesNoPair* m_houseFlat = nullptr;   // "eigenen Hauses" / "eigenen Wohnung"
    YesNoPair* m_central = nullptr;     // central warm water
    YesNoPair* m_fuel = nullptr;        // fuel bought by the household
    YesNoPair* m_persons = nullptr;     // further persons
    QVector<QLineEdit*> m_texts;        // every text and amount field, emptied on a reset
    QPlainTextEdit* m_personsMemo = nullptr;
    WriteGroup* m_heatingGroup = nullptr;
};
