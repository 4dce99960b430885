#pragma once

#include "FixedGrid.h"

#include <QString>
#include <QVector>

// The thirteen pages of the assets dialog as a table: what each asks, where its answer and its list
// are stored. Shared by the files of TVermoegenMainDlg.
namespace assets {

constexpr int kGridRows = 20;

struct AssetPage {
    QString title;
    QString question;
    QString code;   // object names: <code>Yes, <code>No, <code>Grid, <code>ClearRowButton, …
    QString answer; // VERMAIN columns VEM_<answer>_YES / _NO (and _BRUTTO for the total)
    bool defaultYes = false;
    // The list; empty table on pages 0 and 7.
    QString table;
    QString prefix;
    QVector<GridColumn> columns;
    QVector<GridBand> bands;
    int keyColumn = 0;
    int totalColumn = -1; // summed into VEM_<answer>_BRUTTO; -1: no total
    bool rowButtons = true;
    bool compact = false;    // loads from the top in stored order instead of by position
    bool saveTwice = false;  // the land pages save once more after a row button
};

// Page index = position in the table.
const QVector<AssetPage>& assetPages();

QString applicationKey();

// The list's columns share its width (no horizontal scroll bar), none narrower than its caption's
// longest word.
void fitColumns(FixedGrid* grid);

} // namespace assets
