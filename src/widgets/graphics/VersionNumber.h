#pragma once
// The version number every control of the graphics set publishes as its read-only Version text:
// four numbers packed into one integer, major in the top byte, shown joined by ".".

#include <QString>

constexpr int PackVersionNumber(int major, int minor, int release, int build)
{
    return (major << 24) | (minor << 16) | (release << 8) | build;
}

// "major.minor.release.build".
inline QString VersionNumberText(int packed)
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg((packed >> 24) & 0xFF)
        .arg((packed >> 16) & 0xFF)
        .arg((packed >> 8) & 0xFF)
        .arg(packed & 0xFF);
}
