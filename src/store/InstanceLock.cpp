#include "InstanceLock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QStandardPaths>

namespace {

// Where the lock of the database of `programFolder` may lie, in the order they are tried.
QStringList lockPlaces(const QString& programFolder)
{
    const QString database = QDir(programFolder).absoluteFilePath(QStringLiteral("Daten/Default/REDIR.sqlite"));
    QStringList places{QDir(programFolder).absoluteFilePath(QStringLiteral("Daten/Default/velmora.lock"))};
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty()) {
        const QByteArray key = QCryptographicHash::hash(QDir::cleanPath(database).toUtf8(), QCryptographicHash::Sha1);
        places << QDir(runtime).filePath(QStringLiteral("velmora-%1.lock").arg(QString::fromLatin1(key.toHex().left(16))));
    }
    return places;
}

} // namespace

InstanceLock::InstanceLock(const QString& programFolder) : m_folder(programFolder) {}

bool InstanceLock::acquire()
{
    m_message.clear();
    m_heldByOther = false;
    if (m_lock && m_lock->isLocked())
        return true;
    const QStringList places = lockPlaces(m_folder);
    for (const QString& place : places) {
        auto lock = std::make_unique<QLockFile>(place);
        // The lock is held for the whole run; only a lock left by a program that no longer runs is stale.
        lock->setStaleLockTime(0);
        if (lock->tryLock(0)) {
            m_lock = std::move(lock);
            return true;
        }
        if (lock->error() == QLockFile::LockFailedError) {
            m_heldByOther = true;
            m_message = QStringLiteral("Velmora ist bereits geöffnet.\n\n"
                                       "Das Programm arbeitet schon mit dem Programmordner\n%1\n\n"
                                       "Ein zweites Programmfenster würde dieselben Antragsdaten gleichzeitig "
                                       "bearbeiten, und die Eingaben würden sich gegenseitig überschreiben. "
                                       "Bitte arbeiten Sie in dem bereits geöffneten Fenster weiter.")
                            .arg(QDir::toNativeSeparators(m_folder));
            return false;
        }
        // No lock file can be made here (a read-only folder): the next place.
    }
    QStringList shown;
    for (const QString& place : places)
        shown << QDir::toNativeSeparators(place);
    m_message = QStringLiteral("Velmora kann nicht gestartet werden.\n\n"
                               "Die Sperrdatei, die ein zweites gleichzeitiges Arbeiten mit denselben "
                               "Antragsdaten verhindert, kann an keinem dieser Orte angelegt werden:\n%1\n\n"
                               "Bitte sorgen Sie dafür, dass der Ordner der Datenbank beschreibbar ist.")
                    .arg(shown.join(QLatin1Char('\n')));
    return false;
}

void InstanceLock::release()
{
    if (m_lock)
        m_lock->unlock();
}
