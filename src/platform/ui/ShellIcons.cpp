#include "platform/ui/ShellIcons.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QIcon>
#include <QMimeDatabase>

int ShellIconSize(bool large)
{
    return large ? 32 : 16;
}

QImage ShellIcon(const QString &path, bool large)
{
    static QFileIconProvider provider;
    const QFileInfo info(path);
    QIcon icon;
    if (info.exists()) {
        icon = provider.icon(info);
    } else {
        // The icon of the kind the name says, else the plain file icon.
        const QMimeType kind = QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension);
        icon = QIcon::fromTheme(kind.iconName(), provider.icon(QFileIconProvider::File));
    }
    if (icon.isNull())
        return {};
    const int size = ShellIconSize(large);
    return icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32).scaled(size, size);
}
