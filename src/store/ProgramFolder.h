#pragma once

#include <QString>

namespace store {

// Lays out a complete program folder at `target`: the installation's data files (Daten/, Formulare/,
// SETTING.INI of `installation`) are copied where they are missing, and the database is created from
// the dictionary when it is absent. An existing database is never touched.
bool initializeProgramFolder(const QString& target, const QString& installation, QString* error);

} // namespace store
