#include "Settings.h"

#include "Paths.h"

#include <QDir>
#include <QSettings>

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
    settings.setValue(settingKey(section, key), value);
    // QSettings writes lazily and silently; only sync() with its status tells whether the file took it.
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return true;
    if (error)
        *error = QStringLiteral("Die Einstellung kann nicht gespeichert werden: die Datei %1 ist nicht beschreibbar.")
                     .arg(QDir::toNativeSeparators(settingsFile()));
    return false;
}

} // namespace store
