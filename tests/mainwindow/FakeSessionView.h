#pragma once
// A SessionView that records what the session shows. Modal shows return at once (the window
// counts as shown until the session closes or hides it); meters and sliders exist for every
// name unless listed as missing.

#include "QStringPrinter.h"
#include "mainwindow/SessionView.h"

#include <functional>
#include <map>
#include <set>
#include <vector>

class FakeSessionView : public SessionView {
public:
    // Main window.
    QString caption;
    std::map<QString, QString> texts;
    std::map<QString, bool> enabled;
    std::vector<std::pair<QString, bool>> downs;  // every SetButtonDown in order
    bool mainEnabled = true;
    int mainFocuses = 0;
    bool mainVisible = true;
    std::map<QString, int> meters;
    std::set<QString> missing;       // meters and sliders the window lacks
    std::map<QString, int> sliders;  // positions; names not listed read 0
    int refreshes = 0;
    int eqDisplayResets = 0;
    std::vector<int> curveMarks;
    std::map<int, std::string> storeRows, recallRows;

    // Traffic monitor.
    bool trafficVisible = false;
    std::vector<QString> trafficLines;

    // Progress window.
    QString progressStatus;
    int progressMax = 100;
    std::vector<int> progressPositions;
    bool progressVisible = false;
    int progressModalShows = 0;
    int progressModelessShows = 0;
    int progressCloses = 0;

    // Information box and unlock dialog.
    std::vector<QString> informations;
    int unlockShows = 0;
    std::vector<std::uint8_t> passwordResults;
    int networkSetupShows = 0;

    // Scan dialog.
    std::vector<std::uint8_t> connectResults;
    bool connectResult = false;
    int linkBrokenCalls = 0;
    int rescanClicks = 0;
    std::vector<int> scanPositions;
    std::vector<QString> networkStatus;
    bool scanVisible = false;
    int scanModalShows = 0;
    int scanModalShowsWhileVisible = 0;
    int scanHides = 0;
    // What the scan dialog's own message loop does while it is shown modally.
    std::function<void()> duringScanModal;

    void SetCaption(const QString &text) override { caption = text; }
    void SetControlText(const QString &name, const QString &text) override { texts[name] = text; }
    QString ControlText(const QString &name) const override
    {
        const auto it = texts.find(name);
        return it == texts.end() ? QString() : it->second;
    }
    void SetControlEnabled(const QString &name, bool value) override { enabled[name] = value; }
    void SetButtonDown(const QString &name, bool down) override { downs.emplace_back(name, down); }
    void SetMainEnabled(bool value) override { mainEnabled = value; }
    void FocusMain() override { ++mainFocuses; }
    bool IsMainVisible() const override { return mainVisible; }
    bool SetMeterPosition(const QString &name, int position) override
    {
        if (missing.count(name))
            return false;
        meters[name] = position;
        return true;
    }
    std::optional<int> SliderPosition(const QString &name) const override
    {
        if (missing.count(name))
            return std::nullopt;
        const auto it = sliders.find(name);
        return it == sliders.end() ? 0 : it->second;
    }
    void RefreshFromModel() override { ++refreshes; }
    void ResetEqDisplay() override { ++eqDisplayResets; }
    void MarkCurveChanged(int channel) override { curveMarks.push_back(channel); }
    void SetStorePresetRowName(int row, const std::string &name) override { storeRows[row] = name; }
    void SetRecallPresetRowName(int row, const std::string &name) override { recallRows[row] = name; }

    bool IsTrafficVisible() const override { return trafficVisible; }
    void AddTrafficLine(const QString &line) override { trafficLines.push_back(line); }

    void SetProgressStatus(const QString &text) override { progressStatus = text; }
    void SetProgressMax(int max) override { progressMax = max; }
    int ProgressMax() const override { return progressMax; }
    void SetProgressPosition(int position) override { progressPositions.push_back(position); }
    int ProgressPosition() const override { return progressPositions.empty() ? 0 : progressPositions.back(); }
    void ShowProgressModal() override
    {
        ++progressModalShows;
        progressVisible = true;
    }
    void ShowProgress() override
    {
        ++progressModelessShows;
        progressVisible = true;
    }
    void CloseProgress() override
    {
        ++progressCloses;
        progressVisible = false;
    }
    bool IsProgressVisible() const override { return progressVisible; }

    void ShowInformation(const QString &message) override { informations.push_back(message); }
    void ShowUnlockDialog() override { ++unlockShows; }
    void SetPasswordResult(std::uint8_t verdict) override { passwordResults.push_back(verdict); }
    void ShowNetworkSetup() override { ++networkSetupShows; }

    void SetConnectResult(std::uint8_t result) override
    {
        connectResults.push_back(result);
        connectResult = result != 0;
    }
    bool GetConnectResult() const override { return connectResult; }
    // The scan dialog also closes the progress window here; the fake leaves that to the session,
    // so that the tests see the session close it itself.
    void OnLinkBroken() override
    {
        ++linkBrokenCalls;
        connectResult = false;
    }
    void ClickRescan() override { ++rescanClicks; }
    void SetScanPosition(int position) override { scanPositions.push_back(position); }
    void SetNetworkStatus(const QString &text) override { networkStatus.push_back(text); }
    void HideScan() override
    {
        ++scanHides;
        scanVisible = false;
    }
    void ShowScanModal() override
    {
        ++scanModalShows;
        if (scanVisible)
            ++scanModalShowsWhileVisible;
        scanVisible = true;
        if (duringScanModal)
            duringScanModal();
    }
    bool IsScanVisible() const override { return scanVisible; }
};
