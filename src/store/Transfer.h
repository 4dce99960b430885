#pragma once

#include <QByteArray>
#include <QString>

namespace store {

// One application as JSON: {"format":"velmora-application","version":1,"tables":{TABLE:[{COLUMN:value}]}}.
// Every row that belongs to the application through its application column, or through one of its
// persons where a table has only a person column. Works on the open connection of MainObject.
bool exportApplication(const QString& name, QByteArray* json, QString* error);

// Inserts an exported application in one transaction. Refuses, writing nothing, a document that is not
// valid, names an unknown table or column, or whose name or any row identifier already exists.
// On success `name` receives the application's name.
bool importApplication(const QByteArray& json, QString* name, QString* error);

} // namespace store
