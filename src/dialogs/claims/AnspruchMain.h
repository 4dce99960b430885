#pragma once

#include "DataDialog.h"

#include <QVector>

class FixedGrid;
class KeyedGrid;
class QCheckBox;
class QLabel;
class QToolButton;
class YesNoPair;
class AnspruchAccidentPage;

// The claims of the household against third parties: maintenance from a separated spouse, from the
// other parent of a child and for young adults in training (page 0), claims against the last employer
// and other benefits applied for (page 1), need caused by an accident (page 2). Navigation panel 3.
class TAnspruchMainDlg : public DataDialog {
    Q_OBJECT
public:
    explicit TAnspruchMainDlg(QWidget* parent = nullptr);

    // Deactivation writes what the current page holds, silently.
    void deactivate() override;

    // The unborn child has no person row; its maintenance rows carry this identifier in every application.
    static const QString kUnbornChild;

protected:
    void leavePage() override;

private:
    // Writes what the current page holds in its lists; `report` shows a failure once.
    void savePage(bool report);

    // Page 0 (AnspruchMainMaintenance.cpp).
    QWidget* createMaintenancePage();
    void loadMaintenancePage();
    void separationRule(bool cleanUp);
    void separatedPersonClicked(int personType);
    void loadSplittTree();
    // Commits the open editor and saves the five editable grids, in one order.
    void saveMaintenanceGrids(store::OnError onError);
    // Saves (unless just done), then reads the five grids below the pregnancy boxes anew.
    void reloadGrids(bool saveFirst = true);
    void childAssigned(int row);
    void addParent();
    void deleteParent();

    // Page 1 (AnspruchMainEmployer.cpp).
    QWidget* createEmployerPage();
    void loadEmployerPage();

    QString m_maintenanceApplication; // the application page 0 was loaded for
    QString m_employerApplication;    // the same for page 1
    bool m_maintenanceLoaded = false;
    bool m_employerLoaded = false;

    QVector<QCheckBox*> m_topBoxes; // UHM_MAIN_SPLITT ... UHM_MAIN_NO
    QCheckBox* m_applicantBox = nullptr;
    QCheckBox* m_partnerBox = nullptr;
    QCheckBox* m_pregnantApplicant = nullptr;
    QCheckBox* m_pregnantPartner = nullptr;
    KeyedGrid* m_splittTree = nullptr;
    KeyedGrid* m_pregChildTree = nullptr;
    KeyedGrid* m_pregOtherTree = nullptr;
    KeyedGrid* m_pregSumTree = nullptr;
    KeyedGrid* m_uhChildTree = nullptr;
    KeyedGrid* m_tree25 = nullptr;
    QLabel* m_childLabel = nullptr;  // "4. …" follows UHChildTree
    QLabel* m_youngLabel = nullptr;  // "5. …" follows Tree25
    QWidget* m_separationPanel = nullptr;

    YesNoPair* m_boss = nullptr;
    YesNoPair* m_help = nullptr;
    FixedGrid* m_bossTree = nullptr;
    FixedGrid* m_helpTree = nullptr;
    QVector<QToolButton*> m_bossButtons;
    QVector<QToolButton*> m_helpButtons;

    AnspruchAccidentPage* m_accidentPage = nullptr;
};
