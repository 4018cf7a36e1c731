#pragma once
// The version number a control of the graphics set publishes as its read-only Version text: major,
// minor, release and build packed into one integer (8 bits each, major highest) and shown as the
// four numbers joined by "." ("1.6.3.0").

#include <QString>

constexpr int PackVersion(int major, int minor, int release, int build)
{
    return (major << 24) | (minor << 16) | (release << 8) | build;
}

inline QString VersionText(int versionNr)
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg((versionNr >> 24) & 0xFF)
        .arg((versionNr >> 16) & 0xFF)
        .arg((versionNr >> 8) & 0xFF)
        .arg(versionNr & 0xFF);
}
