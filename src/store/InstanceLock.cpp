#include "InstanceLock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QStandardPaths>

namespace {

QString lockBesideDatabase(const QString& programFolder)
{
    return QDir(programFolder).absoluteFilePath(QStringLiteral("Daten/Default/velmora.lock"));
}

// Asked only when the database's folder admits no lock file: QStandardPaths warns where the runtime
// folder is not set up, which would be noise on every start.
QString lockInRuntimeFolder(const QString& programFolder)
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        return {};
    const QString database = QDir(programFolder).absoluteFilePath(QStringLiteral("Daten/Default/REDIR.sqlite"));
    const QByteArray key = QCryptographicHash::hash(QDir::cleanPath(database).toUtf8(), QCryptographicHash::Sha1);
    return QDir(runtime).filePath(QStringLiteral("velmora-%1.lock").arg(QString::fromLatin1(key.toHex().left(16))));
}

} // namespace

InstanceLock::InstanceLock(const QString& programFolder) : m_folder(programFolder) {}

bool InstanceLock::acquire()
{
    m_message.clear();
    m_heldByOther = false;
    if (m_lock && m_lock->isLocked())
        return true;
    QStringList tried;
    for (const auto& place : {lockBesideDatabase, lockInRuntimeFolder}) {
        const QString path = place(m_folder);
        if (path.isEmpty())
            continue;
        tried << QDir::toNativeSeparators(path);
        auto lock = std::make_unique<QLockFile>(path);
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
    m_message = QStringLiteral("Velmora kann nicht gestartet werden.\n\n"
                               "Die Sperrdatei, die ein zweites gleichzeitiges Arbeiten mit denselben "
                               "Antragsdaten verhindert, kann an keinem dieser Orte angelegt werden:\n%1\n\n"
                               "Bitte sorgen Sie dafür, dass der Ordner der Datenbank beschreibbar ist.")
                    .arg(tried.join(QLatin1Char('\n')));
    return false;
}

void InstanceLock::release()
{
    if (m_lock)
        m_lock->unlock();
}
