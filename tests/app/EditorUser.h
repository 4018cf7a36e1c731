#pragma once
// What a user does to the whole editor in the scenarios, and what is checked after each step.
//
// A SimulatedProcessor serves the editor over TCP (192.168.1.101:9761 in the private network
// namespace), over a pseudo-terminal it enters in the test's serial port table, or as a device of
// the HID test backend. The user's mouse and keys go through the framework's input routing: the
// mouse on the main window at a control's real position, keys into the focused control. After
// every step the simulator's 538-byte program image must equal the editor's model.

#include "EditorRun.h"

#include "devsim/ImageLayout.h"
#include "devsim/LevelCodec.h"
#include "devsim/Simulator.h"
#include "mainwindow/FNetWorkScan.h"
#include "mainwindow/LevelMeter.h"
#include "platform/runtime/TypInfo.h"
#include "platform/serial/PortTable.h"
#include "platform/ui/ControlsInput.h"
#include "widgets/graphics/AdvTrackBar.h"
#include "widgets/skinned/RzBmpBtn.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <mutex>
#include <sstream>
#include <string>
#include <vector>

namespace editor_user {

enum class Link { Tcp, Pty, Hid };

inline const char *LinkName(Link link)
{
    switch (link) {
    case Link::Tcp: return "TCP";
    case Link::Pty: return "pseudo-terminal";
    case Link::Hid: return "HID";
    }
    return "?";
}

// The simulated processor on one link. The pty and the HID device need the editor run's serial
// port table and HID backend, so they are attached once the run exists.
class SimulatedProcessor {
public:
    SimulatedProcessor(Link link, EditorRun &run) : link_(link)
    {
        std::string error;
        switch (link) {
        case Link::Tcp: EXPECT_TRUE(sim.ListenTcp("192.168.1.101", DeviceSession::NetworkPort, &error)) << error; break;
        case Link::Pty:
            EXPECT_TRUE(sim.OpenPty({}, &error)) << error;
            EXPECT_GT(serial::PortTable::Instance().Add(sim.PtyPath()), 0);
            break;
        case Link::Hid: EXPECT_TRUE(sim.PlugHid(run.HidBackend())); break;
        }
        EXPECT_TRUE(sim.Start(&error)) << error;
    }
    Link GetLink() const { return link_; }
    devsim::ProcessorState State()
    {
        return sim.WithProcessor([](devsim::Processor &p) { return p.State(); });
    }
    devsim::Image Program() { return State().program; }

    devsim::Simulator sim;

private:
    Link link_;
};

// --- The editor's side ---------------------------------------------------------------------------

// The editor's model as the processor's image.
inline devsim::Image ModelImage()
{
    devsim::Image image{};
    const ParameterImage &model = fmMain->Session().Model().GetImage();
    std::memcpy(image.data(), &model, image.size());
    return image;
}

// The offsets where two images differ, for a failure message.
inline std::string Differences(const devsim::Image &model, const devsim::Image &device)
{
    std::ostringstream out;
    int shown = 0;
    for (std::size_t i = 0; i < model.size(); ++i)
        if (model[i] != device[i] && shown++ < 12)
            out << " @" << i << " model " << int(model[i]) << " processor " << int(device[i]) << ";";
    return out.str();
}

// The session is idle: connected, no exchange running, nothing of the program waiting to be sent.
inline bool SessionSettled()
{
    DeviceSession &session = fmMain->Session();
    return session.IsConnected() && session.GetSessionStep() == SessionStep::Idle && NoModalLoop();
}

// A control of the main window by name, of the expected class.
template <class T = TControl>
T *Find(const QString &name)
{
    return dynamic_cast<T *>(fmMain->FindComponent(name));
}

// The point `at` of a control in the main window's client coordinates.
inline TPoint OnMain(TControl &control, TPoint at)
{
    return fmMain->ScreenToClient(control.ClientToScreen(at));
}
inline TPoint Centre(TControl &control)
{
    return TPoint(control.Width() / 2, control.Height() / 2);
}

// A user's click (press and release) on a visible control at a point of it.
inline void Click(TControl &control, TPoint at)
{
    ASSERT_TRUE(control.Visible()) << control.Name().toStdString();
    TInputRouter::Click(fmMain, OnMain(control, at));
}
inline void Click(TControl &control)
{
    Click(control, Centre(control));
}
// Press at `from`, move through `steps` points to `to`, release there (points of the control).
inline void Drag(TControl &control, TPoint from, TPoint to, int steps = 4)
{
    TInputRouter::MouseMove(fmMain, {}, OnMain(control, from));
    TInputRouter::MouseDown(fmMain, mbLeft, {}, OnMain(control, from));
    for (int i = 1; i <= steps; ++i) {
        const TPoint p(from.X + (to.X - from.X) * i / steps, from.Y + (to.Y - from.Y) * i / steps);
        TInputRouter::MouseMove(fmMain, {ssLeft}, OnMain(control, p));
    }
    TInputRouter::MouseUp(fmMain, mbLeft, {}, OnMain(control, to));
}
// One wheel notch over the control (positive: away from the user).
inline void Wheel(TControl &control, int notches)
{
    const TPoint at = OnMain(control, Centre(control));
    TInputRouter::MouseMove(fmMain, {}, at);
    TInputRouter::MouseWheel(fmMain, 120 * notches, {}, at);
}

// The keyboard focus goes to the control (as a click or Tab would put it there); then keys.
inline void Focus(TWinControl &control)
{
    control.SetFocus();
    // A front control (a value box) gives the focus to its edit.
    TWinControl *focused = TInputRouter::FocusedWindow();
    EXPECT_TRUE(focused == &control || (focused && focused->Parent() == &control)) << control.Name().toStdString();
}
inline void Keys(TWinControl &control, std::initializer_list<WORD> keys)
{
    Focus(control);
    for (WORD key : keys)
        TInputRouter::Key(key);
}
// Selects the whole text of the focused edit by the keyboard (Home, then Shift+End): the main
// window's value boxes keep the caret where it was when they take the focus.
inline void SelectAllByKeys()
{
    TInputRouter::Key(VK_HOME);
    TInputRouter::Key(VK_END, TShiftState{ssShift});
}
// Types the text into the focused control and presses Enter.
inline void Type(const QString &text)
{
    for (QChar ch : text)
        TInputRouter::Char(ch);
    TInputRouter::Key(VK_RETURN, {}, QChar(u'\r'));
}

// A click on a slider's track near the end away from its position: it pages toward that end.
inline void ClickTrackAway(TAdvTrackBar &bar)
{
    const bool towardMax = bar.Position() - bar.Min() < bar.Max() - bar.Position();
    const bool vertical = bar.Orientation() == trVertical;
    TPoint at = Centre(bar);
    const int edge = 6;
    if (vertical)
        at.Y = towardMax ? edge : bar.Height() - 1 - edge;  // Max at the top
    else
        at.X = towardMax ? bar.Width() - 1 - edge : edge;
    Click(bar, at);
}
// The arrow key that moves a slider one step away from the nearer end.
inline WORD ArrowAway(const TAdvTrackBar &bar)
{
    return bar.Position() < bar.Max() ? VK_UP : VK_DOWN;
}

// --- Steps -----------------------------------------------------------------------------------------

// From start to a connected editor: the scan finds the processor on its link, the full read ends,
// the scan dialog closes and the level poll runs.
inline void ConnectSteps(EditorRun &run, SimulatedProcessor &processor)
{
    TestScript::ExpectModal(
        "fmNetwork", [](TCustomForm &) {}, true, 30000);
    run.Step(
        "shown", [] { return fmMain && fmMain->Visible(); }, [] {});
    run.Step(
        "scan shown", [] { return fmNetwork->Visible(); }, [] {}, 10);
    if (processor.GetLink() == Link::Tcp) {
        // The socket connects in real time, as it would in the 100 ms before the attempt.
        run.Step(
            "socket connected", [] { return fmMain->Session().ClientSocket().Connected(); }, [] {});
        run.Step(
            "network attempt", [] { return fmMain->Session().NetTransport() != nullptr; }, [] {}, 10);
    } else {
        // The scan moves past the candidates before the processor's on its timers, up to the
        // attempt on the processor's link.
        const bool serial = processor.GetLink() == Link::Pty;
        run.Step(
            "attempt",
            [serial] {
                DeviceSession &session = fmMain->Session();
                return serial ? session.CommTransport() != nullptr : session.UsbTransport() != nullptr;
            },
            [] {}, 1, 30000);
    }
    // The read runs on replies alone: the clock holds still until it ends, so that it ends before
    // the scan dialog closes.
    run.Step(
        "read", [] { return fmMain->Session().IsConnected() && fmMain->rzbMenuLink->Enabled(); }, [] {}, 0, 30000);
    // The scan dialog closes 100 ms after the identity.
    run.Step(
        "scan closed", [] { return !fmNetwork->Visible() && NoModalLoop(); }, [] {}, 10);
}

// The image of the processor equals the model. Waits (advancing the clock by `tickMs`, so that
// curve and send timers run) until it does or `limitMs` of real time have passed, then checks.
inline void SettledStep(EditorRun &run, SimulatedProcessor &processor, std::string name, unsigned tickMs = 1,
                        int limitMs = 3000)
{
    auto since = std::make_shared<std::chrono::steady_clock::time_point>();
    auto started = std::make_shared<bool>(false);
    run.Step(
        name + ": processor equals model",
        [&processor, since, started, limitMs] {
            const auto now = std::chrono::steady_clock::now();
            if (!*started) {
                *started = true;
                *since = now;
            }
            if (!SessionSettled())
                return now - *since > std::chrono::milliseconds(limitMs);
            return ModelImage() == processor.Program() || now - *since > std::chrono::milliseconds(limitMs);
        },
        [&processor, name] {
            const devsim::Image model = ModelImage();
            const devsim::Image device = processor.Program();
            EXPECT_TRUE(model == device) << name << ":" << Differences(model, device);
            EXPECT_TRUE(SessionSettled()) << name;
        },
        tickMs, limitMs + 5000);
}

// --- Meters ----------------------------------------------------------------------------------------

inline const char *const MeterNames[LevelChannels] = {"pbLevelInA",  "pbLevelInB",  "pbLevelOut1",
                                                      "pbLevelOut2", "pbLevelOut3", "pbLevelOut4"};

inline std::array<int, LevelChannels> MeterPositions()
{
    std::array<int, LevelChannels> out{};
    for (int ch = 0; ch < LevelChannels; ++ch) {
        TComponent *meter = fmMain->FindComponent(QString::fromLatin1(MeterNames[ch]));
        out[static_cast<std::size_t>(ch)] =
            meter ? static_cast<int>(GetOrdProp(meter, QStringLiteral("Position"))) : -1;
    }
    return out;
}

// The positions the simulator's last level reply asks the meters for.
inline std::array<int, LevelChannels> SimulatedMeterPositions(SimulatedProcessor &processor)
{
    std::array<double, LevelChannels> db{};
    processor.sim.WithProcessor([&](devsim::Processor &p) {
        std::copy(p.Levels().LastDb(), p.Levels().LastDb() + LevelChannels, db.begin());
        return 0;
    });
    std::array<int, LevelChannels> out{};
    for (int ch = 0; ch < LevelChannels; ++ch) {
        // As the simulator encodes it.
        const devsim::LevelBytes bytes =
            devsim::EncodeLevel(static_cast<float>(devsim::DbToAmplitude(db[static_cast<std::size_t>(ch)])));
        out[static_cast<std::size_t>(ch)] =
            LevelMeterPosition(LevelValue(bytes[0], bytes[1], bytes[2]), ch >= InputCount);
    }
    return out;
}

}  // namespace editor_user
