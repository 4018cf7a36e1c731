#pragma once
// The desktop's icons of files and folders, as the shell's system image lists give them: small
// (16 x 16) or large (32 x 32). A path that exists gets the icon of what it is; any other path the
// icon of its kind by name (its extension), as the shell answers for file attributes alone.

#include <QImage>
#include <QString>

// 16 or 32.
int ShellIconSize(bool large);
// The icon at ShellIconSize, with alpha; a null image when the desktop has none to give.
QImage ShellIcon(const QString &path, bool large);
