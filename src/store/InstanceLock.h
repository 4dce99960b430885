#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// One writer per database: the desktop program writes every entry at once, so two windows on one
// database would overwrite each other's entries, and a command that writes must not run beside it.
// The lock lies beside the database (Daten/Default/velmora.lock); where that folder admits no lock file,
// in the user's runtime folder under a name made from the database's path.
class InstanceLock {
public:
    explicit InstanceLock(const QString& programFolder);
    // False when another running program holds the lock, or when no lock file can be made at all;
    // message() then says so in German.
    bool acquire();
    void release();
    // Whether the last acquire failed because another program holds the lock.
    bool heldByOther() const { return m_heldByOther; }
    QString message() const { return m_message; }

private:
    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
    QString m_message;
    bool m_heldByOther = false;
};
