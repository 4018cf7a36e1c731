#include "platform/settings/SpecialFolders.h"

#include <QDir>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace {

// An absolute path from the environment, or empty.
QString AbsoluteEnv(const char *name)
{
    const char *value = std::getenv(name);
    if (!value || value[0] != '/')
        return {};
    return QString::fromUtf8(value);
}

QString UnderHome(const char *relative)
{
    const QString home = AbsoluteEnv("HOME");
    return home.isEmpty() ? QString() : home + u'/' + QString::fromLatin1(relative);
}

QString WithSlash(QString path)
{
    if (!path.isEmpty() && !path.endsWith(u'/'))
        path += u'/';
    return path;
}

}  // namespace

QString SpecialFolderPath(int csidl)
{
    QString path;
    switch (csidl) {
    case CSIDL_APPDATA:
        path = AbsoluteEnv("XDG_CONFIG_HOME");
        if (path.isEmpty())
            path = UnderHome(".config");
        break;
    case CSIDL_LOCAL_APPDATA:
        path = AbsoluteEnv("XDG_DATA_HOME");
        if (path.isEmpty())
            path = UnderHome(".local/share");
        break;
    case CSIDL_PERSONAL:
        path = AbsoluteEnv("XDG_DOCUMENTS_DIR");
        if (path.isEmpty())
            path = UnderHome("Documents");
        break;
    case CSIDL_COMMON_APPDATA: {
        const char *dirs = std::getenv("XDG_CONFIG_DIRS");
        const QString first = dirs ? QString::fromUtf8(dirs).section(u':', 0, 0) : QString();
        path = first.startsWith(u'/') ? first : QStringLiteral("/etc/xdg");
        break;
    }
    default: return {};
    }
    return WithSlash(QDir::cleanPath(path));
}

QString ProgramFileName()
{
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? QString() : QString::fromStdString(exe.string());
}
