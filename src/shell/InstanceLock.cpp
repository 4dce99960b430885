#include "InstanceLock.h"

#include <QDir>

InstanceLock::InstanceLock(const QString& programFolder)
    : m_folder(programFolder)
    , m_lock(std::make_unique<QLockFile>(QDir(programFolder).filePath(QStringLiteral("velmora.lock")))) {
    // The lock is held for the whole run; only a lock left by a program that no longer runs is stale.
    m_lock->setStaleLockTime(0);
}

bool InstanceLock::acquire() {
    m_message.clear();
    if (m_lock->isLocked() || m_lock->tryLock(0)) return true;
    if (m_lock->error() == QLockFile::LockFailedError) {
        m_message = QStringLiteral("Velmora ist bereits geöffnet.\n\n"
                                   "Das Programm arbeitet schon mit dem Programmordner\n%1\n\n"
                                   "Ein zweites Programmfenster würde dieselben Antragsdaten gleichzeitig "
                                   "bearbeiten, und die Eingaben würden sich gegenseitig überschreiben. "
                                   "Bitte arbeiten Sie in dem bereits geöffneten Fenster weiter.")
                        .arg(QDir::toNativeSeparators(m_folder));
        return false;
    }
    // A folder where no lock file can be written: the database connection will report what is wrong.
    return true;
}

void InstanceLock::release() {
    m_lock->unlock();
}
