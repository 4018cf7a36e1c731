#include "platform/hid/HidrawBackend.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/hid/HidStatus.h"
#include "platform/hid/HidrawHandle.h"
#include "platform/hid/SysfsHidraw.h"
#include "platform/hid/UdevMonitor.h"

namespace hid {

namespace {

// hidraw node names in numeric order (hidraw2 before hidraw10).
std::vector<std::string> NodeNames(const std::string &classDir)
{
    std::vector<std::pair<long, std::string>> found;
    if (DIR *dir = opendir(classDir.c_str())) {
        while (dirent *entry = readdir(dir)) {
            const std::string name = entry->d_name;
            if (name.rfind("hidraw", 0) == 0 && name.size() > 6)
                found.emplace_back(std::strtol(name.c_str() + 6, nullptr, 10), name);
        }
        closedir(dir);
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> names;
    for (auto &entry : found)
        names.push_back(std::move(entry.second));
    return names;
}

std::string BaseName(const std::string &path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

int ConnectSocket(const std::string &path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) {
        errno = ENAMETOOLONG;
        return -1;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return -1;
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

}  // namespace

HidrawBackend::HidrawBackend() : HidrawBackend(Options()) {}

HidrawBackend::HidrawBackend(Options options) : options_(std::move(options))
{
    if (options_.monitor)
        monitor_ = std::make_unique<UdevMonitor>();
}

HidrawBackend::~HidrawBackend() = default;

std::uint32_t HidrawBackend::DeviceIdFor(const std::string &instanceKey)
{
    std::lock_guard lock(mutex_);
    auto [it, added] = deviceIds_.try_emplace(instanceKey, nextDeviceId_);
    if (added)
        ++nextDeviceId_;
    return it->second;
}

std::vector<InterfaceInfo> HidrawBackend::Enumerate()
{
    std::vector<InterfaceInfo> list;
    for (const std::string &name : NodeNames(options_.sysRoot + "/class/hidraw")) {
        SysfsHidraw entry;
        if (!ReadSysfsHidraw(options_.sysRoot, name, &entry))
            continue;  // left while we looked
        InterfaceInfo info = std::move(entry.info);
        info.deviceId = DeviceIdFor(entry.instanceKey);
        info.path = options_.devRoot + "/" + name;
        list.push_back(std::move(info));
    }
    return list;
}

int HidrawBackend::OpenNode(const std::string &path, Access access) const
{
    const int mode = access == Access::ReadWrite ? O_RDWR : access == Access::Read ? O_RDONLY : O_WRONLY;
    const int fd = ::open(path.c_str(), mode | O_CLOEXEC | O_NONBLOCK);
    if (fd >= 0 || !options_.socketNodes)
        return fd;
    const int error = errno;
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && S_ISSOCK(st.st_mode))
        return ConnectSocket(path);
    errno = error;
    return -1;
}

std::shared_ptr<Handle> HidrawBackend::Open(const std::string &path, Access access)
{
    SysfsHidraw entry;
    if (!ReadSysfsHidraw(options_.sysRoot, BaseName(path), &entry)) {
        SetLastError(ENODEV);
        return nullptr;
    }
    int fd = -1;
    if (access == Access::Query) {
        if (::access(path.c_str(), F_OK) != 0) {
            SetLastError(static_cast<std::uint32_t>(errno));
            return nullptr;
        }
    } else if ((fd = OpenNode(path, access)) < 0) {
        SetLastError(static_cast<std::uint32_t>(errno));
        return nullptr;
    }
    return std::make_shared<HidrawHandle>(access, std::move(entry.description), fd);
}

int HidrawBackend::NotifyFd() const { return monitor_ ? monitor_->Fd() : -1; }

bool HidrawBackend::TakeNotifications() { return monitor_ && monitor_->Drain(); }

std::string HidrawBackend::Version() const
{
    utsname name{};
    return uname(&name) == 0 ? std::string(name.release) : std::string();
}

}  // namespace hid
