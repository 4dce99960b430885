#pragma once

#include <QString>
#include <QStringList>

// The fixed German texts of the estimate's grids, shared by the dialog and the command line so that
// both name every figure alike.
namespace estimate::captions {

QString title();   // "Auswertungen - Bedarfsermittlung"
QString warning(); // the header's warning
QString waiting(); // the text of the waiting page
QString note();    // the note beside the summary

// Section headings, top to bottom.
QStringList sections();

QStringList personColumns();         // Name, Geb. Datum, Alter, Regelbedarf
QStringList additionalNeedColumns(); // Name ... Summe
QStringList additionalNeedBands();   // "Mehrbedarf durch", "Kostenaufwändige Ernährung"
QString householdHeading();          // "Hauptangaben"
QStringList householdRows();
QString rentHeading(); // "Unterkunftskosten"
QStringList rentRows();
QString heatingHeading(); // "Heizungskosten"
QStringList heatingRows();
QString rentLevelPrompt();
QString rentLevelNote();
QStringList rentLevels();     // "Mietstufe 1" ... "Mietstufe 6"
QStringList supplementRows(); // row 0 is the caption before any benefit row is known
QStringList incomeColumns();
QStringList assetColumns();
QStringList resultRows();
QString resultPrefix();  // "Voraussichtlicher Anspruch: "
QString notComputable(); // the result label of an incomplete estimate

} // namespace estimate::captions
