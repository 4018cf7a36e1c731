#include "platform/serial/PortTable.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A tty class folder and a device folder made up for the test.
class FakeTtys : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = fs::temp_directory_path() / ("trov-ports-" + std::to_string(::getpid()));
        fs::remove_all(root);
        fs::create_directories(root / "class");
        fs::create_directories(root / "dev");
    }
    void TearDown() override { fs::remove_all(root); }

    // type < 0: no type attribute; hasDevice false: a virtual terminal.
    void AddTty(const std::string &name, int type = -1, bool hasDevice = true)
    {
        fs::create_directories(root / "class" / name);
        if (hasDevice)
            fs::create_directories(root / "class" / name / "device");
        if (type >= 0)
            std::ofstream(root / "class" / name / "type") << type << "\n";
        std::ofstream(root / "dev" / name) << "";
    }
    std::string Dev(const std::string &name) const { return (root / "dev" / name).string(); }
    serial::PortTable Table() const { return serial::PortTable((root / "class").string(), (root / "dev").string()); }

    fs::path root;
};

TEST_F(FakeTtys, NumbersSerialDevicesInNaturalOrder)
{
    AddTty("ttyUSB10");
    AddTty("ttyS0", 4);
    AddTty("ttyS1", 0);  // absent UART
    AddTty("ttyUSB2");
    AddTty("tty5", -1, false);  // virtual console
    AddTty("ttyACM0");
    serial::PortTable table = Table();
    EXPECT_EQ(table.Ports(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(table.PathOf(1), Dev("ttyACM0"));
    EXPECT_EQ(table.PathOf(2), Dev("ttyS0"));
    EXPECT_EQ(table.PathOf(3), Dev("ttyUSB2"));
    EXPECT_EQ(table.PathOf(4), Dev("ttyUSB10"));
    EXPECT_EQ(table.PathOf(5), "");
    EXPECT_EQ(table.PathOf(0), "");
    EXPECT_EQ(table.PathOf(99), "");
}

TEST_F(FakeTtys, NumbersStayWhileDevicesComeAndGo)
{
    AddTty("ttyUSB1");
    serial::PortTable table = Table();
    EXPECT_EQ(table.Ports(), (std::vector<int>{1}));
    AddTty("ttyUSB0");  // sorts first, but arrives later: next number
    fs::remove(root / "dev" / "ttyUSB1");
    fs::remove_all(root / "class" / "ttyUSB1");
    EXPECT_EQ(table.Ports(), (std::vector<int>{2}));
    EXPECT_EQ(table.PathOf(2), Dev("ttyUSB0"));
    EXPECT_EQ(table.PathOf(1), Dev("ttyUSB1")) << "the number is not reused";
    AddTty("ttyUSB1");
    EXPECT_EQ(table.Ports(), (std::vector<int>{1, 2}));
}

TEST_F(FakeTtys, AddedPortsAndTheLimit)
{
    AddTty("ttyS0", 4);
    serial::PortTable table = Table();
    std::string pty = Dev("pty-a");
    std::ofstream(pty) << "";
    EXPECT_EQ(table.Add(pty), 2) << "the machine's ports keep the first numbers";
    EXPECT_EQ(table.Add(pty), 2);
    EXPECT_EQ(table.PathOf(2), pty);
    for (int i = 3; i <= serial::PortTable::MaxPort; ++i)
        EXPECT_EQ(table.Add(Dev("p" + std::to_string(i))), i);
    EXPECT_EQ(table.Add(Dev("one-too-many")), 0);
    EXPECT_EQ(serial::PortTable::Name(12), "COM12");
}

TEST_F(FakeTtys, AnInstalledTableStandsInForTheMachinesUntilRemoved)
{
    AddTty("ttyUSB0");
    serial::PortTable table = Table();
    serial::PortTable &machine = serial::PortTable::Instance();
    EXPECT_EQ(serial::PortTable::Install(&table), nullptr);
    EXPECT_EQ(&serial::PortTable::Instance(), &table);
    EXPECT_EQ(serial::PortTable::Instance().PathOf(1), Dev("ttyUSB0"));
    EXPECT_EQ(serial::PortTable::Install(nullptr), &table);
    EXPECT_EQ(&serial::PortTable::Instance(), &machine);
}

}  // namespace
