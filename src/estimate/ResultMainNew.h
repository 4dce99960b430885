#pragma once

#include "DataDialog.h"
#include "EstimateReader.h"

#include <QComboBox>
#include <QLabel>
#include <QStackedWidget>
#include <QTableWidget>
#include <optional>

// "Voraussichtliche Leistungen": the estimate of the open application in seven read-only sections.
// Every visit reads the application afresh; a diet or rent-level choice recomputes every figure from
// what that visit read.
class TResultMainNewDlg : public DataDialog {
    Q_OBJECT
public:
    // The panel of the navigation bar that opens the dialog.
    static constexpr int Panel = 6;

    explicit TResultMainNewDlg(QWidget* parent = nullptr);

    void ShowPage(int index) override;
    // The day the estimate is computed for; today unless set (tests).
    void setComputationDay(const QDate& day);

    // The figures shown; nothing before the first computation or after a failed one.
    const estimate::EstimateResult* result() const { return m_run ? &m_run->result : nullptr; }

    QStackedWidget* PageControl1;
    QTableWidget* PersonTree;
    QTableWidget* MorePowerTree;
    QTableWidget* MainLiv;
    QTableWidget* ColdLiv;
    QTableWidget* HotLiv;
    QTableWidget* LivingLevel; // hidden: the rent ceilings in force
    QComboBox* ComboBox1;
    QTableWidget* AlgTree;
    QTableWidget* EkTree;
    QTableWidget* VermTree;
    QTableWidget* ResultTree;
    QLabel* rSatzSumme;
    QLabel* MorePowerSumme;
    QLabel* LivingCost;
    QLabel* ALGSumme;
    QLabel* EKSumme;
    QLabel* VermSumme;
    QLabel* REsultSumme;

    // The diet list in column "Art" of a row of MorePowerTree.
    QComboBox* dietChoice(int row) const;

private:
    void ComputeEstimate();
    void ComboBox1Click(int level);
    void MopTypeChange(int row, int diet);
    // Rebuilds the rows after a read; showFigures() then only changes values.
    void buildRows();
    void showFigures();
    void clearFigures();

    std::optional<estimate::EstimateRun> m_run;
    QDate m_day;
};
