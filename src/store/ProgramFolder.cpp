#include "ProgramFolder.h"

#include "Schema.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace store {

namespace {

bool isDatabaseFile(const QString& relative)
{
    return relative.startsWith(QLatin1String("Daten/Default/REDIR.sqlite"));
}

bool copyMissing(const QDir& from, const QDir& to, const QString& relative, QString* error)
{
    const QString source = from.filePath(relative);
    const QString target = to.filePath(relative);
    if (QFileInfo::exists(target))
        return true;
    QDir().mkpath(QFileInfo(target).absolutePath());
    if (!QFile::copy(source, target)) {
        if (error)
            *error = QStringLiteral("Die Datei %1 kann nicht nach %2 kopiert werden.").arg(source, target);
        return false;
    }
    // Installed files may be read-only; the copy in a program folder belongs to its user.
    QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
    return true;
}

} // namespace

bool initializeProgramFolder(const QString& target, const QString& installation, QString* error)
{
    const QDir to(target);
    const QDir from(installation);
    if (!QDir().mkpath(to.absolutePath())) {
        if (error)
            *error = QStringLiteral("Der Programmordner %1 kann nicht angelegt werden.").arg(target);
        return false;
    }
    if (to.absolutePath() != from.absolutePath()) {
        for (const QString& folder : {QStringLiteral("Daten"), QStringLiteral("Formulare")}) {
            QDirIterator it(from.filePath(folder), QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString relative = from.relativeFilePath(it.next());
                if (!isDatabaseFile(relative) && !copyMissing(from, to, relative, error))
                    return false;
            }
        }
        if (QFileInfo::exists(from.filePath(QStringLiteral("SETTING.INI"))) &&
            !copyMissing(from, to, QStringLiteral("SETTING.INI"), error))
            return false;
    }
    const QString database = to.filePath(QStringLiteral("Daten/Default/REDIR.sqlite"));
    // An existing database is kept as it is; but a file that only stands where it belongs, such as an
    // empty one or a folder, makes init fail rather than report a program folder that cannot start.
    if (QFileInfo::exists(database))
        return isVelmoraDatabase(database, error);
    return createDatabase(database, to.filePath(QStringLiteral("Daten/Default/schema.sql")), error);
}

} // namespace store
