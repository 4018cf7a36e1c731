#include "platform/os/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <system_error>

namespace os {

namespace {

std::string Reason(int error) { return std::generic_category().message(error); }

bool Fail(std::string *error, const std::string &what, int code)
{
    if (error)
        *error = what + ": " + Reason(code);
    return false;
}

// A name for the temporary file beside the target, hidden and unlikely to be taken; the caller
// creates it exclusively and tries another on a clash.
std::string TemporaryName(const std::string &folder, const std::string &name)
{
    static std::atomic<unsigned> sequence{0};
    const auto now = static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
    char suffix[48];
    std::snprintf(suffix, sizeof suffix, ".%x.%x.%llx", static_cast<unsigned>(getpid()), sequence++, now & 0xffffffffffULL);
    return folder + "/." + name + suffix + ".tmp";
}

bool WriteAll(int fd, const char *data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Makes the rename itself durable. A failure here no longer endangers the data, so it is ignored.
void SyncFolder(const std::string &folder)
{
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

}  // namespace

bool WriteFileAtomic(const std::string &path, const void *data, std::size_t size, std::string *error)
{
    if (path.empty())
        return Fail(error, "No file name given", EINVAL);
    const auto slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);

    // Created with the usual 0666 less the umask (a saved file should not turn private), and when
    // an existing file is replaced, with that file's permissions.
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = TemporaryName(folder, name);
        fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return Fail(error, "Cannot create a temporary file in \"" + folder + "\"", errno);
    struct stat old;
    if (stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        fchmod(fd, old.st_mode & 07777);

    const auto abandon = [&](const std::string &what) {
        const int code = errno;
        if (fd >= 0)
            close(fd);
        unlink(temp.c_str());
        return Fail(error, what, code);
    };
    if (!WriteAll(fd, static_cast<const char *>(data), size))
        return abandon("Cannot write \"" + temp + "\"");
    if (fsync(fd) != 0)
        return abandon("Cannot flush \"" + temp + "\"");
    const int closing = fd;
    fd = -1;
    if (close(closing) != 0)
        return abandon("Cannot close \"" + temp + "\"");
    if (rename(temp.c_str(), path.c_str()) != 0)
        return abandon("Cannot replace \"" + path + "\"");
    SyncFolder(folder);
    if (error)
        error->clear();
    return true;
}

}  // namespace os
