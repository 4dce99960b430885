#pragma once

#include <QString>

namespace store {

// SETTING.INI of the program folder: one place that reads and writes it.

// The value of `key` in `section`, trimmed; empty when the file, the section or the key is missing.
QString readSetting(const QString& section, const QString& key);

// Writes the value and makes sure it reached the file; false with a German message naming the file
// in `error` when it could not be written.
bool writeSetting(const QString& section, const QString& key, const QString& value, QString* error = nullptr);

} // namespace store
