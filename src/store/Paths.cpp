#include "Paths.h"

#include <QCoreApplication>
#include <QDir>

namespace store {

QString programFolder()
{
    const QString home = qEnvironmentVariable("VELMORA_HOME");
    if (!home.isEmpty())
        return QDir(home).absolutePath();
    return QCoreApplication::applicationDirPath();
}

QString programPath(const QString& relative) { return QDir(programFolder()).filePath(relative); }

QString databasePath() { return programPath("Daten/Default/REDIR.sqlite"); }

QString schemaPath() { return programPath("Daten/Default/schema.sql"); }

} // namespace store
