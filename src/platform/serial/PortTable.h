#pragma once
// The serial ports of this machine by number, the stand-in for the system's list of serial ports
// (COM1 to COM98). Serial devices found under the tty class (ttyS*, ttyUSB*, ttyACM* and the like,
// UARTs that the driver knows to be absent left out) are numbered from 1 in natural name order at
// the first look; devices that appear later get the next free numbers, so a number keeps naming
// the same device while the program runs. A test adds a pseudo-terminal with Add, or installs a
// table of its own so that nothing it runs can reach the machine's ports.

#include <mutex>
#include <string>
#include <vector>

namespace serial {

class PortTable {
public:
    static constexpr int MaxPort = 98;

    // The table of the running program: the installed one, else the machine's.
    static PortTable &Instance();
    // Puts `table` in the machine's table's place for every later Instance() (nullptr puts the
    // machine's back) and returns the table it replaces (nullptr for the machine's). The table must
    // stay alive while installed. For tests; GUI thread, while no port is being opened.
    static PortTable *Install(PortTable *table);
    // A table over other folders, for tests: `ttyClass` like /sys/class/tty, `devices` like /dev.
    PortTable(std::string ttyClass, std::string devices);

    // Device path of port `portNo`; empty when the number names no device.
    std::string PathOf(int portNo);
    // Numbers of the ports whose devices exist now, ascending (looks for new devices first).
    std::vector<int> Ports();
    // Numbers the device at `path` (or answers the number it has); 0 when all 98 are taken.
    int Add(const std::string &path);

    // "COM<n>", the name the connection scan lists and shows.
    static std::string Name(int portNo);

private:
    void ScanLocked();
    int AddLocked(const std::string &path);

    std::mutex mutex_;
    std::string ttyClass_;
    std::string devices_;
    std::vector<std::string> paths_;  // index = port number - 1
};

}  // namespace serial
