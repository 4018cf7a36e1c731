#pragma once
// What a program needs around the whole editor started in process (WinMain) on its own thread as
// the GUI thread, so that nothing of this machine is reached: the offscreen platform at 96 DPI, a
// private runtime folder for the single-instance files, the HID test backend (no real device) and
// a serial port table that names no port. The manual clock holds every timer; the program moves
// it. Modal windows run their loops (the program acts in the idle hook, as a user would); message
// boxes, file, colour and font dialogs and popup menus are answered as if cancelled. The
// simulated processor listens where the editor looks for it on the network (192.168.1.101:9761):
// run such a program inside scripts/isolated.

#include "devsim/Simulator.h"
#include "mainwindow/DeviceSession.h"
#include "platform/hid/TestBackend.h"
#include "platform/runtime/TimerService.h"
#include "platform/serial/PortTable.h"
#include "platform/ui/ScriptedAnswers.h"

#include <QByteArray>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

class InProcessEditor : private TScriptedAnswers {
public:
    InProcessEditor() : ports_(folder_.filePath("no-tty-class").toStdString(), folder_.filePath("no-dev").toStdString())
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("QT_FONT_DPI", "96");
        ::setenv("XDG_RUNTIME_DIR", folder_.path().toLocal8Bit().constData(), 1);
        hid::SetCurrentBackend(hidBackend_);
        serial::PortTable::Install(&ports_);
        previousAnswers_ = SetScriptedAnswers(this);
    }
    ~InProcessEditor() override
    {
        SetScriptedAnswers(previousAnswers_);
        serial::PortTable::Install(nullptr);
        hid::SetCurrentBackend(nullptr);
    }
    InProcessEditor(const InProcessEditor &) = delete;
    InProcessEditor &operator=(const InProcessEditor &) = delete;

    // False, with a message, outside the private network namespace of scripts/isolated.
    static bool Isolated(const char *program)
    {
        const char *isolated = std::getenv("TROV_ISOLATED");
        if (isolated && std::strcmp(isolated, "1") == 0)
            return true;
        std::fprintf(stderr, "%s connects to 192.168.1.101: run it through scripts/isolated\n", program);
        return false;
    }
    // The simulated processor on the editor's network address.
    static bool Listen(devsim::Simulator &sim)
    {
        std::string error;
        if (sim.ListenTcp("192.168.1.101", DeviceSession::NetworkPort, &error) && sim.Start(&error))
            return true;
        std::fprintf(stderr, "the simulated processor cannot listen: %s\n", error.c_str());
        return false;
    }

private:
    bool Active() const override { return true; }
    TModalResult ModalFormShown(TCustomForm &) override { return mrNone; }
    TModalResult MessageShown(const QString &, const QString &text, TModalResult cancelResult) override
    {
        std::fprintf(stderr, "message \"%s\" cancelled\n", text.toUtf8().constData());
        return cancelResult;
    }
    TFileDialogAnswer FileDialogShown(const TFileDialogRequest &) override { return {}; }
    bool ColorDialogShown(TColor &) override { return false; }
    bool FontDialogShown(TFont &) override { return false; }
    TMenuItem *PopupShown(TPopupMenu &) override { return nullptr; }
    void Refused(const QString &) override {}

    TScriptedAnswers *previousAnswers_ = nullptr;
    QTemporaryDir folder_;
    std::shared_ptr<hid::TestBackend> hidBackend_ = std::make_shared<hid::TestBackend>();
    serial::PortTable ports_;
    TManualClockScope clock_;
};
