#pragma once

#include <QByteArray>
#include <QString>

namespace store {

// One application as JSON: {"format":"velmora-application","version":1,"tables":{TABLE:[{COLUMN:value}]}}.
// Every row that belongs to the application through its application column, or through one of its
// persons where a table has only a person column. Works on the open connection of MainObject.
bool exportApplication(const QString& name, QByteArray* json, QString* error);

// The largest file import takes.
constexpr qint64 kMaxImportBytes = 100 * 1024 * 1024;

// Inserts an exported application in one transaction. Refuses, writing nothing, a document that is not
// valid or larger than kMaxImportBytes, names an unknown table or column, holds a value that does not
// fit its column, a row identifier that is not of the program's form or already exists, or a row that
// points outside the application (another application, a person the file does not bring).
// On success `name` receives the application's name.
bool importApplication(const QByteArray& json, QString* name, QString* error);

} // namespace store
