// A long run of the whole editor against the simulated processor over TCP: random user edits on
// every page (page buttons, sliders by the keyboard and by clicks on their tracks, the parameter
// buttons, the crossover slope lists, PEQ markers dragged on the curves), the clock moving between
// them so that the level poll runs, and now and then the link dropped by the processor; the scan
// dialog's Rescan then connects again and reads everything anew. At the end, once the link is idle,
// the processor's 538-byte program must equal the editor's model, byte for byte.
//
//   tools/soak/soak [SECONDS [SEED]]      (the wrapper runs soak_editor under scripts/isolated)
//
// Exit status 0 when the images are equal, 1 when they differ or the editor got stuck.

#include "app/WinMain.h"
#include "curves/LMyFFTDrawPhase.h"
#include "devsim/ImageLayout.h"
#include "mainwindow/FMain.h"
#include "mainwindow/FNetWorkScan.h"
#include "platform/runtime/Timer.h"
#include "platform/ui/Application.h"
#include "platform/ui/ControlsInput.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Label.h"
#include "platform/ui/Screen.h"
#include "soak/InProcessEditor.h"
#include "widgets/graphics/AdvTrackBar.h"
#include "widgets/skinned/RzBmpBtn.h"
#include "widgets/skinned/RzCmboBx.h"
#include "widgets/skinned/VrDemoButton.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

const char *const PageButtons[] = {"rzbMenuGain", "rzbMenuComp", "rzbMenuDelay", "rzbMenuMatrix", "rzbMenuInA",
                                   "rzbMenuInB",  "rzbMenuOut1", "rzbMenuOut2",  "rzbMenuOut3",   "rzbMenuOut4"};
// Name prefixes of the controls a user edits parameters with; none of them opens a window.
const char *const Sliders[] = {"isGain",      "isDelay",      "isEqFreq",      "isEqBw",
                               "isEqGain",    "isLowCutFreq", "isHighCutFreq", "isCompThreshold",
                               "isCompRatio", "isCompAttack", "isCompRelease"};
const char *const Buttons[] = {"rzbMute",          "rzbPhase",   "rzbEq",      "rzbLowCutBypass",
                               "rzbHighCutBypass", "rzbAMatrix", "rzbBMatrix", "vrbEqBypass"};
const char *const Lists[] = {"rzcLowCutSlop", "rzcHighCutSlop"};
const char *const Plots = "fftDraw";

bool StartsWithAny(const QString &name, const auto &prefixes)
{
    for (const char *p : prefixes)
        if (name.startsWith(QLatin1String(p)))
            return true;
    return false;
}

bool Showing(TControl *control)
{
    for (TControl *c = control; c; c = c->Parent())
        if (!c->Visible())
            return false;
    return control->Enabled();
}

TPoint InWindow(TControl *control, TPoint at)
{
    return fmMain->ScreenToClient(control->ClientToScreen(at));
}

class Soak {
public:
    Soak(double seconds, std::uint32_t seed) : seconds_(seconds), rng_(seed) {}

    devsim::Simulator sim;

    // The idle hook: one thing at a time, as a user would.
    void Idle(int modalLevel)
    {
        if (Application->Terminated())
            return;
        const auto now = Clock::now();
        if (now > stuckBy_) {
            std::fprintf(stderr, "soak: stuck for 60 s (%s)\n", Where().c_str());
            failed_ = true;
            Finish();
            return;
        }
        if (modalLevel > 0) {
            Modal();
            return;
        }
        const bool ready = fmMain && fmMain->Visible() && fmMain->Enabled() && fmMain->Session().IsConnected() &&
                           fmMain->rzbMenuLink->Enabled();
        if (!ready) {
            Tick(10);
            return;
        }
        stuckBy_ = now + std::chrono::seconds(60);
        if (now > end_) {
            Settle();
            return;
        }
        Edit();
        Tick(std::uniform_int_distribution<unsigned>(0, 40)(rng_));
    }

    void Begin()
    {
        started_ = Clock::now();
        end_ = started_ + std::chrono::milliseconds(static_cast<long long>(seconds_ * 1000));
        stuckBy_ = started_ + std::chrono::seconds(60);
    }
    bool Failed() const { return failed_; }

private:
    void Tick(unsigned ms)
    {
        std::this_thread::sleep_for(std::chrono::microseconds(300));
        if (ms)
            TManualClock::Advance(ms);
    }

    std::string Where() const
    {
        std::string text = "edits " + std::to_string(edits_) + ", drops " + std::to_string(drops_);
        if (fmNetwork && fmNetwork->Visible()) {
            text += ", scan: " + fmNetwork->lblScan->Caption().toStdString();
            for (TTimer *timer :
                 {fmNetwork->tmConnect, fmNetwork->tmLinkBroken, fmNetwork->tmWatchDog, fmNetwork->tmRunNetConnect})
                if (timer->Enabled())
                    text += ", " + timer->Name().toStdString() + " running";
        }
        DeviceSession &session = fmMain->Session();
        text += std::string(", main ") + (fmMain->Enabled() ? "enabled" : "disabled") + ", link button " +
                (fmMain->rzbMenuLink->Enabled() ? "enabled" : "disabled") + ", " +
                (session.IsConnected() ? "connected" : "not connected");
        for (int i = 0; i < Screen->CustomFormCount(); ++i)
            if (TCustomForm *form = Screen->CustomForms(i); form != fmMain && form->Visible())
                text += ", " + form->Name().toStdString() + " shown";
        text += std::string(", socket ") + (session.ClientSocket().Connected() ? "connected" : "not connected");
        if (LNetProc *link = session.NetTransport())
            text += std::string(", link ") + (link->IsOpen() ? "open" : "closed") + (link->Busy() ? ", busy" : "") +
                    ", " + std::to_string(link->QueuedFrames().size()) + " queued";
        else
            text += ", no link";
        text += ", " + std::to_string(TManualClock::Milliseconds()) + " ms on the clock";
        return text;
    }

    // A modal window: the scan dialog runs by itself and is told to scan again when it shows the
    // link-broken or no-device state; the read's progress closes by itself; any other window is
    // closed as its Cancel would.
    void Modal()
    {
        if (fmNetwork && fmNetwork->Visible()) {
            const QString state = fmNetwork->lblScan->Caption();
            if ((state == "Link Broken" || state == "No Device found.") && fmNetwork->btnOK->Enabled()) {
                sim.SetFaults({});
                fmNetwork->btnOK->Click();
            }
            Tick(10);
            return;
        }
        for (int i = Screen->CustomFormCount() - 1; i >= 0; --i) {
            TCustomForm *form = Screen->CustomForms(i);
            if (form != fmMain && form->Visible() && form->Name() != QLatin1String("fmProcess")) {
                std::fprintf(stderr, "soak: closing %s\n", form->Name().toStdString().c_str());
                form->Close();
                return;
            }
        }
        Tick(10);
    }

    // Controls of the page on show whose names start with one of `prefixes`.
    std::vector<TControl *> Find(const auto &prefixes, const char *className = nullptr)
    {
        std::vector<TControl *> out;
        for (int i = 0; i < fmMain->ComponentCount(); ++i) {
            auto *control = dynamic_cast<TControl *>(fmMain->Components(i));
            if (control && StartsWithAny(control->Name(), prefixes) && Showing(control) &&
                (!className || control->ClassName() == QLatin1String(className)))
                out.push_back(control);
        }
        return out;
    }
    template <class T>
    T *Pick(const std::vector<T *> &from)
    {
        if (from.empty())
            return nullptr;
        return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(rng_)];
    }
    int Roll(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    void Edit()
    {
        ++edits_;
        if (Roll(400) == 0) {  // the processor drops the link after a few more answers
            devsim::FaultSettings drop;
            drop.dropAfterFrames = Roll(4);
            sim.SetFaults(drop);
            ++drops_;
            return;
        }
        switch (Roll(10)) {
        case 0: Click(Pick(Find(PageButtons))); break;
        case 1:
        case 2: Click(Pick(Find(Buttons))); break;
        case 3: KeysTo(Pick(Find(Lists)), Roll(2) ? VK_DOWN : VK_UP, 1); break;
        case 4: DragMarker(); break;
        case 5: ClickTrack(Pick(Find(Sliders, "TAdvTrackBar"))); break;
        default: KeysTo(Pick(Find(Sliders, "TAdvTrackBar")), Roll(2) ? VK_UP : VK_DOWN, 1 + Roll(8)); break;
        }
    }

    void Click(TControl *control)
    {
        if (control)
            TInputRouter::Click(fmMain, InWindow(control, TPoint(control->Width() / 2, control->Height() / 2)));
    }
    void ClickTrack(TControl *control)
    {
        if (control)
            TInputRouter::Click(fmMain, InWindow(control, TPoint(Roll(control->Width()), Roll(control->Height()))));
    }
    void KeysTo(TControl *control, WORD key, int count)
    {
        auto *window = dynamic_cast<TWinControl *>(control);
        if (!window || !window->CanFocus())
            return;
        window->SetFocus();
        for (int i = 0; i < count; ++i)
            TInputRouter::Key(key);
    }
    // Grabs a band's marker on the curve on show and moves it a few steps.
    void DragMarker()
    {
        auto *plot = dynamic_cast<LMyFFTDrawPhase *>(Pick(Find(std::initializer_list<const char *>{Plots})));
        if (!plot)
            return;
        const TPoint origin = plot->GetPlotOrigin(), marker = plot->GetBlockPos(Roll(8));
        TPoint at = InWindow(plot, TPoint(origin.X + marker.X, origin.Y + marker.Y));
        TInputRouter::MouseDown(fmMain, mbLeft, {}, at);
        for (int i = 0, n = 1 + Roll(6); i < n; ++i) {
            at = TPoint(at.X + Roll(31) - 15, at.Y + Roll(31) - 15);
            TInputRouter::MouseMove(fmMain, {ssLeft}, at);
            TManualClock::Advance(1 + static_cast<unsigned>(Roll(20)));
        }
        TInputRouter::MouseUp(fmMain, mbLeft, {}, at);
    }

    // No more edits: once the link is idle, compare the images and end.
    void Settle()
    {
        LNetProc *link = fmMain->Session().NetTransport();
        if (!link || link->Busy() || !link->QueuedFrames().empty()) {
            Tick(10);
            return;
        }
        const auto *model = reinterpret_cast<const std::uint8_t *>(&fmMain->Session().Model().GetImage());
        const devsim::Image program = sim.WithProcessor([](devsim::Processor &p) { return p.State().program; });
        int differences = 0;
        for (std::size_t i = 0; i < program.size(); ++i)
            if (program[i] != model[i] && ++differences <= 20)
                std::fprintf(stderr, "soak: byte %zu: processor %u, editor %u\n", i, program[i], model[i]);
        const double elapsed = std::chrono::duration<double>(Clock::now() - started_).count();
        std::printf("soak: %.0f s, %d edits, %d link drops, %zu frames received by the processor; images %s\n", elapsed,
                    edits_, drops_, sim.FrameLog().size(),
                    differences ? ("DIFFER in " + std::to_string(differences) + " bytes").c_str() : "equal");
        failed_ = failed_ || differences != 0;
        Finish();
    }

    void Finish()
    {
        fmMain->SetCloseAllowed(1);
        fmMain->Close();
        Application->Terminate();
    }

    double seconds_;
    std::mt19937 rng_;
    Clock::time_point started_, end_, stuckBy_;
    int edits_ = 0, drops_ = 0;
    bool failed_ = false;
};

}  // namespace

int main(int argc, char **argv)
{
    if (!InProcessEditor::Isolated("soak_editor"))
        return 2;
    const double seconds = argc > 1 ? std::atof(argv[1]) : 600.0;
    const auto seed = static_cast<std::uint32_t>(argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 1);
    InProcessEditor editor;
    Soak soak(seconds, seed);
    if (!InProcessEditor::Listen(soak.sim))
        return 2;
    std::printf("soak: %.0f s of random edits, seed %u\n", seconds, seed);
    soak.Begin();
    Application->SetIdleHook([&soak](int modalLevel) { soak.Idle(modalLevel); });
    WinMain();
    Application->SetIdleHook(nullptr);
    return soak.Failed() ? 1 : 0;
}
