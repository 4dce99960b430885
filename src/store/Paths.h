#pragma once

#include <QString>

namespace store {

// The program folder: $VELMORA_HOME when set, else the folder of the running executable.
QString programFolder();
// A file or folder inside the program folder, e.g. programPath("Daten/Tooltips/1001.htm").
QString programPath(const QString& relative);
QString databasePath();
QString schemaPath();

} // namespace store
