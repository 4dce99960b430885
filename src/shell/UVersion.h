#pragma once

#include <QString>
#include <cstdint>

// The version of a program file, as far as the platform tells it. On this platform the running
// program knows its own version (the application version, set from the build), other files offer none.
class TVersion {
public:
    // Reads the running program's version at once.
    TVersion();

    // Clears every field, then reads the version of `fileName` (empty: the running program). Returns
    // whether anything was read; when not, all fields stay cleared.
    bool ReadVersion(const QString& fileName = QString());
    // Takes the version from its text form "major.minor.release.build" (missing trailing parts are 0).
    // False, with all fields cleared, when the text is no such version.
    bool ReadVersionText(const QString& fileName, const QString& text);
    void Clear();

    QString FileName;
    // Four 16-bit numbers in two words each, most significant word first.
    std::uint32_t FileVersionMS = 0;
    std::uint32_t FileVersionLS = 0;
    std::uint32_t ProductVersionMS = 0;
    std::uint32_t ProductVersionLS = 0;
    std::uint32_t FileOS = 0;
    std::uint64_t FileType = 0; // type in the high half, subtype in the low half
    std::uint64_t FileDate = 0;
    bool Debug = false;
    bool PreRelease = false;
    bool Patched = false;
    bool PrivateBuild = false;
    bool SpecialBuild = false;
    QString Translation; // language and code page, eight hexadecimal digits

    int Major() const { return int(FileVersionMS >> 16); }
    int Minor() const { return int(FileVersionMS & 0xFFFF); }
    int Release() const { return int(FileVersionLS >> 16); }
    int Build() const { return int(FileVersionLS & 0xFFFF); }
    // "major.minor.release.build" of the file version, "0.0.0.0" when nothing was read.
    QString FileVersionText() const;
};
