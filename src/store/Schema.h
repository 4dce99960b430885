#pragma once

#include <QString>
#include <QStringList>

namespace store {

// The dictionary's version, kept in PRAGMA user_version.
constexpr int kDictionaryVersion = 2;

// Creates a database at `databaseFile` from the data dictionary `schemaFile` (statements ending with
// ";" at the end of a line, "--" comment lines). The file appears whole or not at all, with mode 0600.
bool createDatabase(const QString& databaseFile, const QString& schemaFile, QString* error);

// Whether the file at `databaseFile` is a Velmora database: a regular SQLite file holding the program's
// tables, of a dictionary version this program knows. Reads the file only, never changes it; `error`
// says in German what is wrong.
bool isVelmoraDatabase(const QString& databaseFile, QString* error);

// The German reason given when the database or its folder cannot be written.
QString notWritableMessage(const QString& databaseFile);

// The statements of a data dictionary file, in order.
QStringList dictionaryStatements(const QString& schemaText);

// The column names of a table of the open database, in their physical order.
QStringList tableColumns(const QString& table);

// Adds what an older database lacks (see TMainObject::UpgradeSchema), in one transaction.
bool upgradeSchema();

} // namespace store
