#include "platform/os/AtomicFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <string_view>
#include <system_error>
#include <vector>

namespace os {

namespace {

std::string Reason(int error) { return std::generic_category().message(error); }

bool Fail(std::string *error, const std::string &what, int code)
{
    if (error)
        *error = what + ": " + Reason(code);
    return false;
}

constexpr std::string_view TemporaryEnding = ".trovtmp";
constexpr std::size_t TemporaryDigits = 16;
constexpr std::size_t LongestName = 255;  // bytes of one name in a folder

// The part of the target's name a temporary carries: all of it when the temporary's name stays
// within the system's limit, else as much of its start as fits.
std::string_view NameStem(std::string_view target)
{
    const std::size_t room = LongestName - (2 + TemporaryDigits + TemporaryEnding.size());
    return target.substr(0, std::min(target.size(), room));
}

// A new temporary's name beside the target, hidden and unlikely to be taken; the caller creates
// it exclusively and tries another on a clash.
std::string TemporaryName(const std::string &folder, const std::string &name)
{
    static std::atomic<unsigned> sequence{0};
    const auto now = static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
    const unsigned long long unique =
        (static_cast<unsigned long long>(getpid()) << 40) ^ (static_cast<unsigned long long>(sequence++) << 24) ^ now;
    char digits[TemporaryDigits + 1];
    std::snprintf(digits, sizeof digits, "%016llx", unique);
    return folder + "/." + std::string(NameStem(name)) + "." + digits + std::string(TemporaryEnding);
}

// Removes the temporaries of earlier saves of `name` that nobody writes any more. A writer holds
// its temporary locked, so a leftover is one that can be locked now; it is removed under that
// lock, and only when the name still leads to the file locked.
void RemoveLeftovers(const std::string &folder, const std::string &name)
{
    DIR *dir = opendir(folder.c_str());
    if (!dir)
        return;
    std::vector<std::string> leftovers;
    while (const dirent *entry = readdir(dir))
        if (IsSaveTemporaryOf(entry->d_name, name))
            leftovers.push_back(folder + "/" + entry->d_name);
    closedir(dir);
    for (const std::string &path : leftovers) {
        const int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0)
            continue;
        struct stat held = {};
        struct stat named = {};
        if (fstat(fd, &held) == 0 && S_ISREG(held.st_mode) && flock(fd, LOCK_EX | LOCK_NB) == 0 &&
            lstat(path.c_str(), &named) == 0 && named.st_dev == held.st_dev && named.st_ino == held.st_ino)
            unlink(path.c_str());
        close(fd);
    }
}

// Locks a temporary just created, so that no other save takes it for a leftover. False when
// another save took it for one first (and removes it): the caller makes another. Where the file
// system has no locks nobody can take a temporary for a leftover, and it is used unlocked.
bool Claim(int fd, const std::string &temp)
{
    if (flock(fd, LOCK_EX | LOCK_NB) != 0)
        return errno != EWOULDBLOCK;
    struct stat held = {};
    struct stat named = {};
    return fstat(fd, &held) == 0 && lstat(temp.c_str(), &named) == 0 && named.st_dev == held.st_dev &&
           named.st_ino == held.st_ino;
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
    RemoveLeftovers(folder, name);
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = TemporaryName(folder, name);
        fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
        if (fd >= 0 && !Claim(fd, temp)) {
            close(fd);
            fd = -1;
        }
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
    // Renamed while still open, so the lock holds until the name is gone.
    if (rename(temp.c_str(), path.c_str()) != 0)
        return abandon("Cannot replace \"" + path + "\"");
    close(fd);
    SyncFolder(folder);
    if (error)
        error->clear();
    return true;
}

bool IsSaveTemporaryOf(const std::string &entry, const std::string &target)
{
    const std::string_view e(entry);
    const std::string_view stem = NameStem(target);
    const std::size_t digitsAt = 1 + stem.size() + 1;
    if (e.size() != digitsAt + TemporaryDigits + TemporaryEnding.size() || e[0] != '.' ||
        e.substr(1, stem.size()) != stem || e[digitsAt - 1] != '.' || !e.ends_with(TemporaryEnding))
        return false;
    return std::all_of(e.begin() + static_cast<std::ptrdiff_t>(digitsAt),
                       e.begin() + static_cast<std::ptrdiff_t>(digitsAt + TemporaryDigits),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

}  // namespace os
