#include "UVersion.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

TVersion::TVersion() {
    ReadVersion();
}

void TVersion::Clear() {
    FileName.clear();
    FileVersionMS = FileVersionLS = ProductVersionMS = ProductVersionLS = FileOS = 0;
    FileType = FileDate = 0;
    Debug = PreRelease = Patched = PrivateBuild = SpecialBuild = false;
    Translation.clear();
}

bool TVersion::ReadVersion(const QString& fileName) {
    Clear();
    const QString own = QCoreApplication::instance() ? QCoreApplication::applicationFilePath() : QString();
    const QString file = fileName.isEmpty() ? own : fileName;
    // Only the running program carries a version here; any other file has none to offer.
    if (file.isEmpty() || QFileInfo(file).absoluteFilePath() != QFileInfo(own).absoluteFilePath())
        return false;
    return ReadVersionText(file, QCoreApplication::applicationVersion());
}

bool TVersion::ReadVersionText(const QString& fileName, const QString& text) {
    Clear();
    const QStringList parts = text.trimmed().split(QLatin1Char('.'));
    if (text.trimmed().isEmpty() || parts.size() > 4) return false;
    std::uint32_t numbers[4] = {0, 0, 0, 0};
    for (int i = 0; i < parts.size(); ++i) {
        bool ok = false;
        const uint n = parts.at(i).toUInt(&ok);
        if (!ok || n > 0xFFFF) return false;
        numbers[i] = n;
    }
    FileName = fileName;
    FileVersionMS = numbers[0] << 16 | numbers[1];
    FileVersionLS = numbers[2] << 16 | numbers[3];
    ProductVersionMS = FileVersionMS;
    ProductVersionLS = FileVersionLS;
#ifndef NDEBUG
    Debug = true;
#endif
    return true;
}

QString TVersion::FileVersionText() const {
    return QStringLiteral("%1.%2.%3.%4").arg(Major()).arg(Minor()).arg(Release()).arg(Build());
}
