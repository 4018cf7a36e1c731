// Serial port names: their numbers and the order the connection scan tries them in.

#include "mainwindow/PortNames.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

TEST(PortNames, NumberIsThePortAfterTheComPrefix)
{
    struct Case {
        const char *name;
        int number;
    };
    const Case cases[] = {
        {"COM1", 1},  {"COM3", 3},  {"COM12", 12}, {"COM98", 98}, {"\\\\.\\COM12", 12},
        {"COM0", 0},  {"COM99", 0}, {"COM100", 0}, {"COM", 0},    {"COMx", 0},
        {"COM+3", 0}, {"COM 3", 0}, {"LPT1", 0},   {"", 0},       {"\\\\.\\LPT2", 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(PortNumber(QString::fromLatin1(c.name)), c.number) << c.name;
}

TEST(PortNames, ScanOrderIsAscendingAndStableAndSkipsWhatNamesNoPort)
{
    struct Case {
        const char *name;
        QStringList given, ordered;
    };
    const Case cases[] = {
        {.name = "reversed", .given = {"COM10", "COM3", "COM1"}, .ordered = {"COM1", "COM3", "COM10"}},
        {.name = "same number keeps its order",
         .given = {"COM4", "\\\\.\\COM2", "COM2"},
         .ordered = {"\\\\.\\COM2", "COM2", "COM4"}},
        {.name = "no port number", .given = {"COM99", "COM2", "LPT1", "COM0"}, .ordered = {"COM2"}},
        {.name = "empty", .given = {}, .ordered = {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ScanOrder(c.given), c.ordered) << c.name;
}

}  // namespace
