#include "platform/hid/FakeHidrawTree.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "platform/hid/VendorDescriptor.h"

namespace fs = std::filesystem;

namespace hidtest {

namespace {

void WriteText(const fs::path &path, const std::string &text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
}

std::string Hex(unsigned value, int digits)
{
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits, value);
    return text;
}

}  // namespace

FakeHidrawNode::FakeHidrawNode(std::string name, std::string socketPath) : name_(std::move(name))
{
    listenFd_ = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
    if (listenFd_ < 0 || ::bind(listenFd_, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 ||
        ::listen(listenFd_, 16) != 0)
        throw std::runtime_error("cannot make the fake node " + socketPath);
}

FakeHidrawNode::~FakeHidrawNode()
{
    Hangup();
    if (listenFd_ >= 0)
        ::close(listenFd_);
}

void FakeHidrawNode::AcceptPending()
{
    for (;;) {
        const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0)
            return;
        connections_.push_back(fd);
    }
}

void FakeHidrawNode::SendInput(const std::vector<std::uint8_t> &report)
{
    AcceptPending();
    for (int fd : connections_)
        ::send(fd, report.data(), report.size(), MSG_NOSIGNAL | MSG_DONTWAIT);  // a full reader loses it, as on hidraw
}

std::vector<std::uint8_t> FakeHidrawNode::WaitOutput(int timeoutMs)
{
    const int slices = timeoutMs / 10 + 1;
    for (int i = 0; i < slices; ++i) {
        AcceptPending();
        std::vector<pollfd> fds;
        for (int fd : connections_)
            fds.push_back({fd, POLLIN, 0});
        fds.push_back({listenFd_, POLLIN, 0});
        if (::poll(fds.data(), fds.size(), 10) <= 0)
            continue;
        for (std::size_t k = 0; k + 1 < fds.size(); ++k) {
            if (!(fds[k].revents & POLLIN))
                continue;
            std::vector<std::uint8_t> report(20000);
            const ssize_t n = ::recv(fds[k].fd, report.data(), report.size(), 0);
            if (n > 0) {
                report.resize(static_cast<std::size_t>(n));
                return report;
            }
        }
    }
    return {};
}

int FakeHidrawNode::Connections()
{
    AcceptPending();
    int open = 0;
    for (int &fd : connections_) {
        pollfd p{fd, POLLIN, 0};
        char byte;
        // A closed peer shows as end of file; keep the reports of live ones queued.
        if (::poll(&p, 1, 0) == 1 && (p.revents & (POLLHUP | POLLIN)) && ::recv(fd, &byte, 1, MSG_PEEK) == 0) {
            ::close(fd);
            fd = -1;
        } else {
            ++open;
        }
    }
    std::erase(connections_, -1);
    return open;
}

void FakeHidrawNode::Hangup()
{
    for (int fd : connections_)
        ::close(fd);
    connections_.clear();
}

FakeHidrawTree::FakeHidrawTree()
{
    char pattern[] = "/tmp/hidtree-XXXXXX";
    if (!mkdtemp(pattern))
        throw std::runtime_error("cannot make a temporary folder");
    root_ = pattern;
    fs::create_directories(root_ + "/sys/class/hidraw");
    fs::create_directories(root_ + "/sys/devices/usbfake");
    fs::create_directories(root_ + "/dev");
}

FakeHidrawTree::~FakeHidrawTree()
{
    nodes_.clear();
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

FakeHidrawNode &FakeHidrawTree::Add(const FakeHidDevice &device)
{
    const std::string name = "hidraw" + std::to_string(nextNode_++);
    const int instance = nextInstance_++;
    const std::string port = "1-" + std::to_string(instance);
    const fs::path usbDir = fs::path(root_) / "sys/devices/usbfake" / port;
    const std::string hidName = "0003:" + Hex(device.vendorId, 4) + ":" + Hex(device.productId, 4) + "." + Hex(instance, 4);
    const fs::path hidDir = usbDir / (port + ":1.0") / hidName;
    const fs::path nodeDir = hidDir / "hidraw" / name;
    fs::create_directories(nodeDir);

    WriteText(usbDir / "idVendor", Hex(device.vendorId, 4) + "\n");
    WriteText(usbDir / "idProduct", Hex(device.productId, 4) + "\n");
    WriteText(usbDir / "bcdDevice", Hex(device.version, 4) + "\n");
    WriteText(usbDir / "busnum", "1\n");
    WriteText(usbDir / "devnum", std::to_string(instance + 1) + "\n");
    if (!device.manufacturer.empty())
        WriteText(usbDir / "manufacturer", device.manufacturer + "\n");
    if (!device.product.empty())
        WriteText(usbDir / "product", device.product + "\n");
    if (!device.serial.empty())
        WriteText(usbDir / "serial", device.serial + "\n");

    WriteText(hidDir / "uevent", "DRIVER=hid-generic\nHID_ID=0003:" + Hex(device.vendorId, 8) + ":" +
                                     Hex(device.productId, 8) + "\nHID_NAME=" + device.manufacturer + " " +
                                     device.product + "\nHID_PHYS=usb-fake-" + port + "/input0\nHID_UNIQ=" +
                                     device.serial + "\nMODALIAS=hid:b0003g0001v0000" + Hex(device.vendorId, 4) +
                                     "p0000" + Hex(device.productId, 4) + "\n");
    const std::vector<std::uint8_t> descriptor =
        device.reportDescriptor.empty() ? hid::VendorReportDescriptor(65, 65) : device.reportDescriptor;
    WriteText(hidDir / "report_descriptor", std::string(descriptor.begin(), descriptor.end()));
    WriteText(nodeDir / "uevent", "MAJOR=240\nMINOR=" + std::to_string(nextNode_ - 1) + "\nDEVNAME=" + name + "\n");
    fs::create_directory_symlink("../..", nodeDir / "device");
    fs::create_directory_symlink(fs::relative(nodeDir, fs::path(root_) / "sys/class/hidraw"),
                                 fs::path(root_) / "sys/class/hidraw" / name);

    auto node = std::make_unique<FakeHidrawNode>(name, root_ + "/dev/" + name);
    FakeHidrawNode &ref = *node;
    nodes_[name] = std::move(node);
    deviceDirs_[name] = usbDir.string();
    return ref;
}

void FakeHidrawTree::Remove(const std::string &name)
{
    std::error_code ignored;
    fs::remove(fs::path(root_) / "sys/class/hidraw" / name, ignored);
    fs::remove(fs::path(root_) / "dev" / name, ignored);
    nodes_.erase(name);
    if (auto it = deviceDirs_.find(name); it != deviceDirs_.end()) {
        fs::remove_all(it->second, ignored);
        deviceDirs_.erase(it);
    }
}

hid::HidrawBackend::Options FakeHidrawTree::Options() const
{
    hid::HidrawBackend::Options options;
    options.sysRoot = root_ + "/sys";
    options.devRoot = root_ + "/dev";
    options.socketNodes = true;
    options.monitor = false;
    return options;
}

}  // namespace hidtest
