#include "platform/serial/PortTable.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <unistd.h>

namespace serial {

namespace fs = std::filesystem;

namespace {

// "ttyUSB10" sorts after "ttyUSB9": compare the name without its trailing number, then the number.
bool NaturalLess(const std::string &a, const std::string &b)
{
    auto split = [](const std::string &s) {
        size_t i = s.size();
        while (i > 0 && std::isdigit(static_cast<unsigned char>(s[i - 1])))
            --i;
        unsigned long n = i < s.size() ? std::stoul(s.substr(i, 9)) : 0;
        return std::make_pair(s.substr(0, i), n);
    };
    return split(a) < split(b);
}

// A tty class entry is a serial device when it sits on a device; a UART the driver found to be
// absent reports type 0.
bool IsSerialDevice(const fs::path &entry)
{
    std::error_code ec;
    if (!fs::exists(entry / "device", ec))
        return false;
    std::ifstream type(entry / "type");
    int code = -1;
    if (type >> code)
        return code != 0;
    return true;
}

}  // namespace

namespace {

std::atomic<PortTable *> installedTable{nullptr};

}  // namespace

PortTable &PortTable::Instance()
{
    if (PortTable *installed = installedTable.load())
        return *installed;
    static PortTable table("/sys/class/tty", "/dev");
    return table;
}

PortTable *PortTable::Install(PortTable *table)
{
    return installedTable.exchange(table);
}

PortTable::PortTable(std::string ttyClass, std::string devices)
    : ttyClass_(std::move(ttyClass)), devices_(std::move(devices))
{
}

std::string PortTable::Name(int portNo) { return "COM" + std::to_string(portNo); }

void PortTable::ScanLocked()
{
    std::vector<std::string> found;
    std::error_code ec;
    for (fs::directory_iterator it(ttyClass_, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (IsSerialDevice(it->path()) && fs::exists(fs::path(devices_) / name, ec))
            found.push_back(name);
    }
    std::sort(found.begin(), found.end(), NaturalLess);
    for (const std::string &name : found)
        AddLocked((fs::path(devices_) / name).string());
}

int PortTable::AddLocked(const std::string &path)
{
    auto it = std::find(paths_.begin(), paths_.end(), path);
    if (it != paths_.end())
        return static_cast<int>(it - paths_.begin()) + 1;
    if (static_cast<int>(paths_.size()) >= MaxPort)
        return 0;
    paths_.push_back(path);
    return static_cast<int>(paths_.size());
}

std::string PortTable::PathOf(int portNo)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (portNo < 1 || portNo > MaxPort)
        return {};
    if (portNo > static_cast<int>(paths_.size()))
        ScanLocked();
    return portNo <= static_cast<int>(paths_.size()) ? paths_[portNo - 1] : std::string();
}

std::vector<int> PortTable::Ports()
{
    std::lock_guard<std::mutex> lock(mutex_);
    ScanLocked();
    std::vector<int> ports;
    for (size_t i = 0; i < paths_.size(); ++i)
        if (::access(paths_[i].c_str(), F_OK) == 0)
            ports.push_back(static_cast<int>(i) + 1);
    return ports;
}

int PortTable::Add(const std::string &path)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (paths_.empty())
        ScanLocked();  // the machine's own ports keep the first numbers
    return AddLocked(path);
}

}  // namespace serial
