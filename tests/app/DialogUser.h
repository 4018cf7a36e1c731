#pragma once
// What the dialog and fault scenarios share: the simulated processor on the processor's default
// address, a user's clicks and typing on the controls of any window (through the input router, at
// the controls' real positions), the steps that connect the editor at start and again later, and
// the check that the processor's program image and presets equal the editor's model.

#include "EditorRun.h"

#include "devsim/ImageLayout.h"
#include "devsim/Simulator.h"
#include "dialogs/FRecallPreset.h"
#include "mainwindow/FNetWorkScan.h"
#include "mainwindow/QStringPrinter.h"
#include "platform/runtime/TypInfo.h"
#include "platform/serial/PortTable.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/ControlsInput.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/Menus.h"
#include "platform/ui/RadioButton.h"
#include "platform/ui/Screen.h"
#include "platform/ui/ValueListEditor.h"
#include "widgets/skinned/RzBmpBtn.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <memory>
#include <mutex>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace dialoguser {

// The links the processor is reached over: TCP, a pseudo-terminal in the serial port table, a
// device of the HID test backend.
enum class Over { Tcp, Pty, Hid };

// The simulated processor on 192.168.1.101:9761, or on a pseudo-terminal or HID device of `run`
// (whose port table and HID backend must be the ones the editor uses), with its event lines kept.
class Processor {
public:
    explicit Processor(Over link = Over::Tcp, EditorRun *run = nullptr) : over(link)
    {
        sim.SetTrace([this](const std::string &line) {
            std::lock_guard lock(mutex_);
            lines_.push_back(line);
        });
        std::string error;
        switch (link) {
        case Over::Tcp: EXPECT_TRUE(sim.ListenTcp("192.168.1.101", DeviceSession::NetworkPort, &error)) << error; break;
        case Over::Pty: {
            // Through a link that follows the terminal when a dropped line brings a new one.
            EXPECT_NE(run, nullptr);
            const std::string path = run ? run->RuntimeFolder() + "/ttyProcessor" : std::string();
            EXPECT_TRUE(sim.OpenPty(path, &error)) << error;
            EXPECT_GT(serial::PortTable::Instance().Add(path), 0);
            break;
        }
        case Over::Hid:
            EXPECT_NE(run, nullptr);
            if (run) {
                EXPECT_TRUE(sim.PlugHid(run->HidBackend()));
            }
            break;
        }
        EXPECT_TRUE(sim.Start(&error)) << error;
    }
    devsim::ProcessorState State()
    {
        return sim.WithProcessor([](devsim::Processor &p) { return p.State(); });
    }
    void Fault(const devsim::FaultSettings &faults) { sim.SetFaults(faults); }
    void NoFault() { sim.SetFaults({}); }

    devsim::Simulator sim;
    const Over over;

private:
    std::mutex mutex_;
    std::vector<std::string> lines_;
};

// A program that differs from the factory one on every channel: names, gains, a PEQ band, a delay.
inline devsim::Image ShowProgram()
{
    devsim::Image image = devsim::FactoryImage();
    std::memcpy(image.data() + devsim::kPresetName, "Show program  ", devsim::kPresetNameSize);
    for (int ch = 0; ch < devsim::kChannelCount; ++ch) {
        devsim::SetWord(image, devsim::ChannelOffset(ch, &devsim::ChannelFields::gain),
                        static_cast<std::uint16_t>(200 + 10 * ch));
        devsim::SetWord(image, devsim::BandOffset(ch, 1), static_cast<std::uint16_t>(130 + ch));
        devsim::SetWord(image, devsim::ChannelOffset(ch, &devsim::ChannelFields::delay),
                        static_cast<std::uint16_t>(5 * ch));
        const std::string name = "Ch" + std::to_string(ch + 1);
        const std::size_t at = devsim::ChannelOffset(ch, &devsim::ChannelFields::name);
        std::memset(image.data() + at, 0, devsim::kChannelNameSize);
        std::memcpy(image.data() + at, name.data(), name.size());
    }
    return image;
}

// Connected, no exchange running (the link button is enabled again once the read has ended; after
// a rescan it stayed enabled, so the exchange itself is asked too) and no window waiting for the
// user.
inline bool Idle()
{
    return NoModalLoop() && fmMain->Session().IsConnected() &&
           fmMain->Session().GetSessionStep() == SessionStep::Idle && !fmMain->Session().IsExchangeRunning() &&
           fmMain->Enabled() && fmMain->rzbMenuLink->Enabled();
}

inline TMenuItem *Entry(const char *name)
{
    return dynamic_cast<TMenuItem *>(fmMain->FindComponent(QString::fromLatin1(name)));
}

template <class T = TControl>
T *MainControl(const char *name)
{
    return dynamic_cast<T *>(fmMain->FindComponent(QString::fromLatin1(name)));
}

// A click at a point of a control (its middle by default), routed as the window system would to
// the form the control is on.
inline void Press(TControl *control, std::optional<TPoint> at = std::nullopt)
{
    ASSERT_NE(control, nullptr);
    ASSERT_TRUE(control->Visible()) << control->Name().toStdString();
    TCustomForm *form = GetParentForm(control);
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(form->Visible()) << form->Name().toStdString();
    const TPoint point = at.value_or(TPoint(control->Width() / 2, control->Height() / 2));
    TInputRouter::Click(form, form->ScreenToClient(control->ClientToScreen(point)));
}

// Clicks into an edit, selects what it holds and types `text` over it.
inline void Type(TEdit *edit, const QString &text)
{
    Press(edit);
    ASSERT_TRUE(edit->Focused()) << edit->Name().toStdString();
    edit->SelectAll();
    for (QChar c : text)
        TInputRouter::Char(c);
}

// Chooses an item of a combo box with the arrow keys, as a user would with the box focused.
inline void Choose(TComboBox *box, int item)
{
    ASSERT_NE(box, nullptr);
    ASSERT_GE(item, 0);
    box->SetFocus();
    const int count = box->Items()->Count();
    ASSERT_LT(item, count);
    if (item > 0) {
        box->SetItemIndex(item - 1);
        TInputRouter::Key(VK_DOWN);
    } else {
        box->SetItemIndex(1);
        TInputRouter::Key(VK_UP);
    }
    EXPECT_EQ(box->ItemIndex(), item);
}

// Every visible window that is not the main window.
inline QStringList VisibleWindows()
{
    QStringList out;
    for (int i = 0; i < Screen->CustomFormCount(); ++i)
        if (Screen->CustomForms(i) != fmMain && Screen->CustomForms(i)->Visible())
            out << Screen->CustomForms(i)->Name();
    return out;
}

// Where the processor's program and presets differ from the editor's model; empty when equal.
// The presets are compared where the editor knows them: which slots are stored, and their names
// as the recall list shows them.
inline std::string Difference(const devsim::ProcessorState &state, const LUnitControl &model)
{
    std::ostringstream out;
    const auto *image = reinterpret_cast<const std::uint8_t *>(&model.GetImage());
    for (std::size_t i = 0; i < devsim::kImageSize; ++i)
        if (state.program[i] != image[i]) {
            out << "program byte " << i << ": processor " << int(state.program[i]) << ", editor " << int(image[i]);
            return out.str();
        }
    for (int slot = 0; slot < devsim::kPresetSlots; ++slot) {
        if (state.stored[static_cast<std::size_t>(slot)] != model.IsPresetStored(slot)) {
            out << "preset U" << slot + 1 << " stored: processor " << state.stored[static_cast<std::size_t>(slot)];
            return out.str();
        }
        if (!state.stored[static_cast<std::size_t>(slot)])
            continue;
        const std::string name(reinterpret_cast<const char *>(state.presets[static_cast<std::size_t>(slot)].data()) +
                                   devsim::kPresetName,
                               devsim::kPresetNameSize);
        if (fmRecallPreset->RowName(slot + 1) != name) {
            out << "preset U" << slot + 1 << " name: processor \"" << name << "\", editor \""
                << fmRecallPreset->RowName(slot + 1) << '"';
            return out.str();
        }
    }
    return {};
}

// Waits (up to `limitMs` of real time, the clock running by `tickMs`) until the processor holds
// what the editor's model holds, then says where they still differ. The wait ends as soon as they
// are equal: the limit is generous, as a full re-read on a loaded machine may take seconds.
inline void InSync(EditorRun &run, Processor &processor, const std::string &after, int limitMs = 15000,
                   unsigned tickMs = 0)
{
    auto since = std::make_shared<std::optional<std::chrono::steady_clock::time_point>>();
    run.Step(
        "in sync after " + after,
        [&processor, since, limitMs] {
            const auto now = std::chrono::steady_clock::now();
            if (!*since)
                *since = now;
            return Difference(processor.State(), fmMain->Session().Model()).empty() ||
                   now - **since > std::chrono::milliseconds(limitMs);
        },
        [&processor, after] {
            EXPECT_EQ(Difference(processor.State(), fmMain->Session().Model()), "") << "after " << after;
        },
        tickMs, limitMs + 2000);
}

// The scan's network attempt and the full read: the clock runs until the attempt starts, holds
// still while the read runs on replies alone (so the progress window, shown only by a read that is
// still running when its timer fires, stays away), then runs until the scan dialog has closed.
// With `skip` set by an earlier step, the steps pass at once.
// Over a pseudo-terminal or HID, the clock runs until the attempt on that link has started.
inline void ScanAndRead(EditorRun &run, const std::string &name, std::shared_ptr<bool> skip = nullptr,
                        Over over = Over::Tcp)
{
    if (!skip)
        skip = std::make_shared<bool>(false);
    run.Step(
        name + ": scan shown", [skip] { return *skip || fmNetwork->Visible(); }, [] {}, 10);
    if (over == Over::Tcp) {
        run.Step(
            name + ": socket", [skip] { return *skip || fmMain->Session().ClientSocket().Connected(); }, [] {});
        run.Step(
            name + ": network attempt", [skip] { return *skip || fmMain->Session().NetTransport() != nullptr; }, [] {},
            10);
    } else {
        run.Step(
            name + ": attempt",
            [skip, over] {
                const DeviceSession &session = fmMain->Session();
                return *skip ||
                       (over == Over::Pty ? session.CommTransport() != nullptr : session.UsbTransport() != nullptr);
            },
            [] {}, 1, 30000);
    }
    run.Step(
        name + ": read",
        [skip] {
            return *skip || (fmMain->Session().IsConnected() && !fmMain->Session().IsExchangeRunning() &&
                             fmMain->rzbMenuLink->Enabled());
        },
        [] {}, 0, 30000);
    run.Step(
        name + ": scan closed", [] { return !fmNetwork->Visible() && Idle(); }, [] {}, 10, 30000);
}

// The scan starts by itself after the window shows, tries the network and reads the processor.
inline void ConnectAtStart(EditorRun &run, Over over = Over::Tcp)
{
    TestScript::ExpectModal(
        "fmNetwork", [](TCustomForm &) {}, true, 60000);
    run.Step(
        "shown", [] { return fmMain && fmMain->Visible(); }, [] {});
    ScanAndRead(run, "start", nullptr, over);
}

// The link button while offline: the scan dialog shows and the editor connects again.
inline void Reconnect(EditorRun &run, const std::string &name = "reconnect")
{
    run.Step(
        name, [] { return NoModalLoop() && !fmMain->Session().HasTransport(); },
        [] {
            TestScript::ExpectModal(
                "fmNetwork", [](TCustomForm &) {}, true, 60000);
            Press(MainControl("rzbMenuLink"), TPoint(20, 10));
        });
    ScanAndRead(run, name);
}

// Whether the progress window shows during a read depends on how long the read takes against its
// timer: where the clock must run during a read, a progress window nobody scripted is let pass
// (it is closed at once, which ends nothing but the window).
inline void ToleratePassingProgressWindow(EditorRun &run)
{
    run.Script().SetFailureHandler([](const std::string &failure) {
        if (failure.find("unexpected modal form fmProcess") == std::string::npos)
            ADD_FAILURE() << failure;
    });
}

// The link button while online: the link closes 300 ms later.
inline void Disconnect(EditorRun &run, const std::string &name = "disconnect")
{
    run.Step(name, Idle, [] { Press(MainControl("rzbMenuLink"), TPoint(20, 10)); });
    run.Step(
        name + " done", [] { return NoModalLoop() && !fmMain->Session().HasTransport(); }, [] {}, 10);
}

}  // namespace dialoguser
