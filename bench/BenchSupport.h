#pragma once
// What the benchmarks share: a main window stand-in that answers the device layer's questions and
// does nothing else, and a main() that runs the benchmarks on the GUI thread of a Qt application.

#include "device/DeviceHost.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

// Device ID 1; no controls, no dialogs. The transports' physical writes are the benchmark's own.
class QuietHost : public DeviceHost {
public:
    int GetDeviceId() const override { return 1; }
    bool IsControlsUpdating() const override { return false; }
    void SendCommand(const LCmd &, std::uint8_t, std::uint8_t) override {}
    void MarkCurveChanged(int) override {}
    void SetStorePresetRowName(int, const std::string &) override {}
    void SetRecallPresetRowName(int, const std::string &) override {}
    bool ExecuteSaveUnitDialog(std::string &) override { return false; }
};

// The benchmarks' main: this thread is the GUI thread, with the event loop that the framework's
// message queue and the client socket wake.
inline int RunBenchmarksOnGuiThread(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
