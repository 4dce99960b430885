#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// One running program per program folder: it writes every entry at once, so two windows on one
// database would overwrite each other's entries.
class InstanceLock {
public:
    explicit InstanceLock(const QString& programFolder);
    // False when another running program holds the folder; message() then says so in German.
    bool acquire();
    void release();
    QString message() const { return m_message; }

private:
    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
    QString m_message;
};
