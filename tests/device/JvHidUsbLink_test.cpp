// The USB transport over the HID layer and its test backend, with the simulated processor as the
// device: a test owner plays the main window's part (enumeration check-out, the data handler that
// hands reports to the transport, the write path) and runs the connect sequence.

#include "device/JvHidControllerClass.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <vector>

#include "device/DeviceFrame.h"
#include "device/FakeDeviceHost.h"
#include "device/HidFixture.h"
#include "device/LCmd.h"
#include "device/LUsb.h"
#include "devsim/Simulator.h"

namespace {

using hidtest::HidFixture;

struct Request {
    std::uint8_t command;
    BSTM payload;
    std::uint8_t reply;  // the command code of the expected reply
};

// The editor's connect and full read: handshake, identity, lock state, preset flags, current
// preset, 31 preset names, 11 program blocks.
std::deque<Request> FullRead()
{
    std::deque<Request> steps = {
        {CMD_HANDSHAKE, {}, CMD_HANDSHAKE},   {CMD_IDENTITY, {}, CMD_IDENTITY},
        {CMD_LOCK_STATUS, {}, CMD_LOCK_STATUS}, {CMD_SYSTEM_PARAMS, {}, CMD_SYSTEM_PARAMS},
        {CMD_CURRENT_PRESET, {}, CMD_CURRENT_PRESET},
    };
    for (std::uint8_t n = 0; n < 31; ++n)
        steps.push_back({CMD_READ_PRESET_NAME, {n}, CMD_READ_PRESET_NAME});
    for (std::uint8_t b = 0; b <= 10; ++b)
        steps.push_back({CMD_READ_PROGRAM_BLOCK, {b}, CMD_SELECT_PRESET});
    return steps;
}

// The main window's side of the USB link.
class UsbOwner : public FakeDeviceHost {
public:
    bool UsbWriteReport(const std::uint8_t *bytes, int count) override
    {
        return count > 0 && out.WriteReport(0, bytes, static_cast<std::size_t>(count));
    }

    TJvHidWriteLink out;
};

class UsbLink : public HidFixture {};

TEST_F(UsbLink, HandshakeAndFullReadAgainstTheSimulatedProcessor)
{
    devsim::Simulator sim;
    ASSERT_TRUE(sim.PlugHid(backend));

    UsbOwner host;
    std::unique_ptr<LUsbProc> usb;
    std::deque<Request> steps = FullRead();
    std::vector<BSTM> replies;
    std::vector<std::uint32_t> failures;
    BSTM image;

    auto sendNext = [&] {
        if (!steps.empty())
            usb->SendFrame(BuildDeviceFrame(0, 1, steps.front().command, steps.front().payload), false);
    };
    HWND window = AllocateHWnd([&](TMessage &m) {
        if (m.Msg == WM_DEVICE_FRAME) {
            const BSTM &frame = *reinterpret_cast<const BSTM *>(m.WParam);
            replies.push_back(frame);
            const auto parsed = ParseDeviceFrame(frame);
            if (!parsed || steps.empty() || parsed->Command != steps.front().reply)
                return;  // wrong reply: the sequence stops and the test fails below
            if (parsed->Command == CMD_SELECT_PRESET)
                image.insert(image.end(), parsed->Payload.begin() + 1, parsed->Payload.end());
            steps.pop_front();
            sendNext();
        } else if (m.Msg == WM_DEVICE_ERROR) {
            failures.push_back(static_cast<std::uint32_t>(m.WParam));
        }
    });

    TJvHidDeviceController ctl(nullptr);
    TJvHidDevice *held = nullptr;
    ctl.OnEnumerate = [&](TJvHidDevice *dev, int idx) {
        TJvHidDevice *taken = nullptr;
        if (dev->Attributes().ProductID == 0x0821 && ctl.CheckOutByIndex(taken, idx)) {
            held = taken;
            host.out.Attach(held);
        }
        return true;
    };
    // As the main window does: the frame at the start of the report, its length byte + 8 bytes.
    ctl.SetDevData([&](TJvHidDevice *, std::uint8_t, const void *data, std::uint16_t size) {
        const auto *bytes = static_cast<const std::uint8_t *>(data);
        if (!usb || size < 5)
            return;
        const int count = std::min<int>({bytes[4] + 8, size, 100});
        usb->OnReceived(bytes, count);
    });
    ctl.SetDevUnplug([&](TJvHidDevice *) { ctl.CheckIn(held); });
    ctl.OnDeviceChange = [&](TObject *) { ctl.Enumerate(); };
    ASSERT_TRUE(PumpUntil([&] { return held != nullptr; }));

    usb = std::make_unique<LUsbProc>(window, host);
    ASSERT_TRUE(usb->Open());
    sendNext();
    ASSERT_TRUE(PumpUntil([&] { return steps.empty() || !failures.empty(); }, 20000));
    EXPECT_TRUE(failures.empty());
    EXPECT_TRUE(steps.empty()) << steps.size() << " steps left";
    EXPECT_EQ(replies.size(), 5u + 31u + 11u);
    const auto identity = ParseDeviceFrame(replies.at(1));
    ASSERT_TRUE(identity);
    EXPECT_EQ(std::string(identity->Payload.begin(), identity->Payload.end()), "VELMTROV316 V011");
    EXPECT_EQ(image.size(), 538u);
    EXPECT_EQ(sim.FrameLog().size(), 5u + 31u + 11u);

    usb->Close();
    usb.reset();
    ctl.CheckIn(held);
    EXPECT_FALSE(host.out.Attached());
    DeallocateHWnd(window);
}

}  // namespace
