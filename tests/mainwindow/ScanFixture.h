#pragma once
// The connection scan dialog with a real session for tests: the HID test backend, a serial port
// table of the test's own (silent pseudo-terminals, numbers that name no device, ports that vanish
// before they are opened), the simulated processor, and the manual clock for every timer of the
// dialog and the session (the transports' reply waits run in real time). The fixture stores no
// network address; a test that wants the network candidate stores one and runs under the private
// network namespace.

#include "FakeSessionView.h"
#include "device/HidFixture.h"
#include "devsim/Simulator.h"
#include "mainwindow/DeviceSession.h"
#include "mainwindow/FNetWorkScan.h"
#include "platform/runtime/Timer.h"
#include "platform/runtime/TimerService.h"
#include "platform/serial/PortTable.h"
#include "platform/ui/Label.h"
#include "platform/ui/ProgressBar.h"
#include "widgets/skinned/RzBmpBtn.h"

#include "platform/ui/StdTestApp.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

// The session's windows, with the scan dialog itself behind the scan calls; a modal show of the
// dialog shows it without waiting.
class ScanView : public FakeSessionView {
public:
    TfmNetwork *dialog = nullptr;

    void SetConnectResult(std::uint8_t result) override
    {
        FakeSessionView::SetConnectResult(result);
        dialog->SetConnectResult(result);
    }
    bool GetConnectResult() const override { return dialog->GetConnectResult(); }
    void OnLinkBroken() override
    {
        FakeSessionView::OnLinkBroken();
        dialog->OnLinkBroken();
    }
    void ClickRescan() override
    {
        FakeSessionView::ClickRescan();
        dialog->btnOK->Click();
    }
    void SetScanPosition(int position) override { dialog->pbScan->SetPosition(position); }
    void SetNetworkStatus(const QString &text) override { dialog->ShowNetworkStatus(text); }
    void HideScan() override { dialog->Hide(); }
    void ShowScanModal() override
    {
        ++scanModalShows;
        if (dialog->Visible())
            ++scanModalShowsWhileVisible;
        dialog->Show();
    }
    bool IsScanVisible() const override { return dialog->Visible(); }
};

class ScanTest : public hidtest::HidFixture {
protected:
    void SetUp() override
    {
        HidFixture::SetUp();
        ASSERT_TRUE(folder.isValid());
        table = std::make_unique<serial::PortTable>(folder.filePath("no-tty-class").toStdString(), "/dev");
        previousTable = serial::PortTable::Install(table.get());
        session = std::make_unique<DeviceSession>(view);
        dialog = std::make_unique<TfmNetwork>(nullptr);
        dialog->SetSession(session.get());
        view.dialog = dialog.get();
        // No network candidate unless a test stores an address.
        session->SetIpAddress(0);
    }
    void TearDown() override
    {
        session->DisconnectLink();
        dialog.reset();
        session.reset();
        for (int fd : masters)
            ::close(fd);
        serial::PortTable::Install(previousTable);
        HidFixture::TearDown();
    }

    // A pseudo-terminal nobody answers on, as the next port of the table.
    int AddSilentPort()
    {
        const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
        EXPECT_GE(master, 0);
        EXPECT_EQ(::grantpt(master), 0);
        EXPECT_EQ(::unlockpt(master), 0);
        masters.push_back(master);
        return table->Add(::ptsname(master));
    }
    // A port whose device is there now, and gone when the attempt opens it.
    int AddVanishingPort(const QString &name)
    {
        QFile(folder.filePath(name)).open(QIODevice::WriteOnly);
        return table->Add(folder.filePath(name).toStdString());
    }
    // A number that names no device, so that the next port gets the number after it.
    void SkipPort() { table->Add(folder.filePath(QStringLiteral("gone-%1").arg(++skipped)).toStdString()); }
    void PlugProcessor()
    {
        ASSERT_TRUE(sim.PlugHid(backend));
        ASSERT_TRUE(PumpUntil([&] { return session->HasHidDevice(); }));
    }

    // The attempt started by the step 100 ms from now, and the real time until the session told
    // the dialog how it went.
    std::chrono::milliseconds RunAttempt()
    {
        const std::size_t results = view.connectResults.size();
        TManualClock::Advance(100);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_TRUE(PumpUntil([&] { return view.connectResults.size() > results; }));
        return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    }
    QString Status() const { return dialog->lblScan->Caption(); }
    QString Counter() const { return dialog->lblDeviceID->Caption(); }
    bool ButtonsEnabled() const
    {
        return dialog->btnOK->Enabled() && dialog->btnExit->Enabled() && dialog->btnId->Enabled();
    }
    bool ButtonsDisabled() const
    {
        return !dialog->btnOK->Enabled() && !dialog->btnExit->Enabled() && !dialog->btnId->Enabled();
    }

    TManualClockScope clock;
    QTemporaryDir folder;
    std::unique_ptr<serial::PortTable> table;
    serial::PortTable *previousTable = nullptr;
    std::vector<int> masters;
    int skipped = 0;
    devsim::Simulator sim;
    ScanView view;
    std::unique_ptr<DeviceSession> session;
    std::unique_ptr<TfmNetwork> dialog;
};
