#include "Settings.h"

#include "Paths.h"

#include <QDir>
#include <QSettings>
#include <QVariant>

namespace store {

namespace {

QString settingsFile() { return programPath(QStringLiteral("SETTING.INI")); }

QString settingKey(const QString& section, const QString& key) { return section + QLatin1Char('/') + key; }

} // namespace

QString readSetting(const QString& section, const QString& key)
{
    const QSettings settings(settingsFile(), QSettings::IniFormat);
    return settings.value(settingKey(section, key)).toString().trimmed();
}

bool writeSetting(const QString& section, const QString& key, const QString& value, QString* error)
{
    QSettings settings(settingsFile(), QSettings::IniFormat);
    const QString name = settingKey(section, key);
    const bool existed = settings.contains(name);
    const QVariant previous = settings.value(name);
    settings.setValue(name, value);
    // QSettings writes lazily and silently; only sync() with its status tells whether the file took it.
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return true;
    // QSettings keeps values in a cache shared by the whole process: without this, the program would go
    // on reading the value the file refused.
    if (existed)
        settings.setValue(name, previous);
    else
        settings.remove(name);
    if (error)
        *error = QStringLiteral("Die Einstellung kann nicht gespeichert werden: die Datei %1 ist nicht beschreibbar.")
                     .arg(QDir::toNativeSeparators(settingsFile()));
    return false;
}

} // namespace store
