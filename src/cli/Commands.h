#pragma once

#include <QStringList>

// Each command returns the process exit code: 0 on success, 1 on a refused or failed action,
// 2 on a wrong call (estimate: 3 when its result is incomplete).
namespace cli {

int runInit(const QStringList& args);
int runList(const QStringList& args);
int runExport(const QStringList& args);
int runImport(const QStringList& args);

// Opens the program folder's database as the one connection; prints why when it cannot.
bool openDatabase();
// Makes the application of that name the open one; false, with a German message, when there is none.
bool openApplicationNamed(const QString& name);

} // namespace cli
