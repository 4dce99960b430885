#pragma once

#include "DataDialog.h"

#include <QVector>

class FixedGrid;
class MoneyEdit;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class TMemberHelpDetailsDlg;
class YesNoPair;

// The household as a community: responsibility community of applicant and partner (page 0), relatives
// in the household and the support each person receives from them (page 1), costly nutrition per
// person (page 2), child benefit (page 3). Navigation panel 5, the last of the chain.
class TGemeinschaftMainDlg : public DataDialog {
    Q_OBJECT
public:
    explicit TGemeinschaftMainDlg(QWidget* parent = nullptr);

    static constexpr int kPanel = 5;
    static constexpr int kCommunityPage = 0;
    static constexpr int kHelpPage = 1;
    static constexpr int kFoodPage = 2;
    static constexpr int kChildPage = 3;
    static constexpr int kRelativeRows = 20;

    // The details dialog of page 1, created on first use.
    TMemberHelpDetailsDlg* detailsDialog();

private:
    // Page 0: MEMBERSHIP.
    QWidget* createCommunityPage();
    void loadCommunityPage();
    void MemberYesChange(bool yes);

    // Page 1: MAINHEADER, MEMBERHELP, MEMBERHELPPERSON.
    QWidget* createHelpPage();
    void loadHelpPage();
    void HelpChange(bool yes);
    void HelpPersonChange(bool yes);
    void HelpPersonYesClick();
    void HelpPersonNoClick();
    void helpPersonSelected();
    void loadHelpPerson();
    void DetailsButtonClick();

    // Page 2: MAINHEADER, MEMBERMOREFOOT.
    QWidget* createFoodPage();
    void loadFoodPage();
    void MoreFootChange(bool yes);
    void foodBoxTicked(QCheckBox* box);
    void loadFoodPerson();
    bool saveFoodPerson();

    // Page 3: MAINHEADER, MEMBERCHILDS, SETTING.INI.
    QWidget* createChildPage();
    void loadChildPage();
    void ChildMoneyChange(bool yes);
    void ChildMoneyClick();
    void ChildRecipientChosen(int index);
    bool writeChildNumber();
    void loadClaims(FixedGrid& grid);
    bool saveClaims(FixedGrid& grid);

    // The open application; empty when none is open, and then nothing is written.
    static QString application();
    static void fillPersons(QTreeWidget* list);
    static QString selectedPerson(QTreeWidget* list);
    static QString selectedName(QTreeWidget* list);

    // Page 0
    YesNoPair* m_member = nullptr;
    QVector<QCheckBox*> m_memberBoxes; // the four reasons
    QLabel* m_descripLabel = nullptr;
    QPlainTextEdit* m_descripMemo = nullptr;

    // Page 1
    YesNoPair* m_help = nullptr;
    YesNoPair* m_helpPerson = nullptr;
    QLabel* m_helpPersonCaption = nullptr;
    QTreeWidget* m_helpPersonList = nullptr;
    QLabel* m_helpPersonQuestion = nullptr;
    QLabel* m_relativesCaption = nullptr;
    FixedGrid* m_relativesGrid = nullptr;
    QPushButton* m_detailsButton = nullptr;
    TMemberHelpDetailsDlg* m_details = nullptr;

    // Page 2
    YesNoPair* m_moreFoot = nullptr;
    QLabel* m_moreFootCaption = nullptr;
    QTreeWidget* m_moreFootPersonList = nullptr;
    QLabel* m_moreFootQuestion = nullptr;
    QCheckBox* m_haveBox = nullptr;
    QCheckBox* m_wantBox = nullptr;
    QCheckBox* m_noneBox = nullptr;
    QLineEdit* m_haveDateEdit = nullptr;

    // Page 3
    YesNoPair* m_childMoney = nullptr;
    FixedGrid* m_claimsGrid = nullptr;
    QLabel* m_childNumberLabel = nullptr;
    QLineEdit* m_childNumberEdit = nullptr;
    QLabel* m_childAmountLabel = nullptr;
    MoneyEdit* m_childAmountEdit = nullptr;
    QLabel* m_childRecipientLabel = nullptr;
    QComboBox* m_childRecipientCombo = nullptr;
};
