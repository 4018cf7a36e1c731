#pragma once
// A throw-away directory laid out like /sys and /dev for the hidraw backend: each added device
// gets the sysfs entries of a USB HID interface and a device node that is a listening
// sequenced-packet socket, so report boundaries survive as they do on a real node. The test plays
// the device through the node: it sees every report the backend writes and sends input reports
// to every connection the backend opened.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/hid/HidrawBackend.h"

namespace hidtest {

struct FakeHidDevice {
    std::uint16_t vendorId = 0x0168;
    std::uint16_t productId = 0x0821;
    std::uint16_t version = 0x0100;
    std::string manufacturer = "TROV";
    std::string product = "DSP316";
    std::string serial;
    std::vector<std::uint8_t> reportDescriptor;  // empty: a vendor-defined 64-byte in/out device
};

class FakeHidrawNode {
public:
    FakeHidrawNode(std::string name, std::string socketPath);
    ~FakeHidrawNode();
    const std::string &name() const { return name_; }

    // Sends one input report, as the node would hand it over, to every connection.
    void SendInput(const std::vector<std::uint8_t> &report);
    // The next report written to the node, or an empty vector after `timeoutMs`.
    std::vector<std::uint8_t> WaitOutput(int timeoutMs);
    // Connections the backend has made so far and not closed.
    int Connections();
    // Ends every connection: the backend's reads then fail as on an unplugged node.
    void Hangup();

private:
    void AcceptPending();
    std::string name_;
    int listenFd_ = -1;
    std::vector<int> connections_;
};

class FakeHidrawTree {
public:
    FakeHidrawTree();
    ~FakeHidrawTree();

    // Adds hidrawN (N counting up from 0) and answers its node.
    FakeHidrawNode &Add(const FakeHidDevice &device);
    // Takes the node and its sysfs entries away, as an unplug does.
    void Remove(const std::string &name);
    hid::HidrawBackend::Options Options() const;
    const std::string &root() const { return root_; }

private:
    std::string root_;
    int nextNode_ = 0;
    int nextInstance_ = 1;
    std::map<std::string, std::unique_ptr<FakeHidrawNode>> nodes_;
    std::map<std::string, std::string> deviceDirs_;  // node name -> its USB device directory
};

}  // namespace hidtest
