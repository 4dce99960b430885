#pragma once

#include "DataDialog.h"

#include <QVector>

class FixedGrid;
class QSpinBox;
class QTableWidget;
class QToolButton;
class WriteGroup;
class YesNoPair;

// The household's assets, one category per page (navigation panel 2): exemption orders (page 0),
// the eleven asset lists (pages 1 to 6 and 8 to 12) and retirement provision (page 7). The answers of
// all pages live in the application's VERMAIN row, each list in a table of its own.
class TVermoegenMainDlg : public DataDialog {
    Q_OBJECT
public:
    static constexpr int kPanel = 2;
    static constexpr int kPageCount = 13;
    static constexpr int kFreePage = 0;
    static constexpr int kPensionPage = 7;
    static constexpr int kAlgPage = 12;

    explicit TVermoegenMainDlg(QWidget* parent = nullptr);

    // The page's asset list; nullptr on pages 0 and 7.
    FixedGrid* assetGrid(int page) const { return m_grids.value(page); }

private:
    // One asset page: question, list and row buttons (VermoegenMainGrids.cpp).
    QWidget* createAssetPage(int page);
    void loadAssetPage(int page);
    void assetAnswerChange(int page, bool yes);
    // The "Nein" of the unemployment-benefit page, clicked by the user.
    void AlgNoClick();
    void AlgYesChange();

    // Pages 0 and 7 (VermoegenMainPension.cpp).
    QWidget* createFreePage();
    void loadFreePage();
    void FreeAnswerChange(bool yes);
    void FreeCountChange(int row, int count);
    bool FreeJointSave();
    QWidget* createPensionPage();
    void loadPensionPage();
    void RvFreeChange(bool yes);
    void RvRenteChange(bool yes);
    void setupPensionList();
    bool savePensionList(FixedGrid& grid);
    void loadPensionList(FixedGrid& grid);
    // The names of the stored persons list, each followed by " / "; a single blank for none.
    static QString storedPensionOwners(const QString& application);

    // The answers of every page (VermoegenMain.cpp).
    void setupAnswerGroup();
    // Re-reads the answers when they were read for another application than the open one.
    void ensureAnswers();
    void resetAnswersSilently();
    void readAnswers();

    QVector<YesNoPair*> m_answers;       // per page; page 7 holds the exemption question
    QVector<FixedGrid*> m_grids;         // per page; nullptr where a page has no asset list
    QVector<QWidget*> m_gridPanels;      // per page: the list with its row buttons
    QString m_answersFor;                // the application whose answers the boxes show
    WriteGroup* m_answerGroup = nullptr;

    // Page 0
    QTableWidget* m_freeGrid = nullptr;
    QWidget* m_freePanel = nullptr;
    QSpinBox* m_freeJoint = nullptr;
    bool m_freeLoading = false;

    // Page 7
    YesNoPair* m_rvRente = nullptr;
    YesNoPair* m_rvTax = nullptr;
    QWidget* m_rvRentePanel = nullptr;
    FixedGrid* m_rvPersonGrid = nullptr;
};
