#pragma once
// TfmMain: the main window (global instance fmMain), the first form the program creates and the
// last it destroys. It is read from its form definition (resources/forms/TfmMain.dfm, written by
// tools/forms/main_form.py): the function bar with the page buttons and the link button, the page
// area, the preset bar, the menu bar and the file dialogs.
//
// It owns the device session (the device model, the link, the exchanges) and shows it: it is the
// session's SessionView and the dialogs' DialogHost (registered from its construction until its
// destruction, so every dialog created after it reaches it). It holds the channel pages: their
// event handlers are handlers of this form (bound by name from its definition), and they reach the
// session and the dialogs through the window's MainPageHost.
//
// Start (FormCreate, from the form definition's OnCreate): caption and hint, the single-instance
// guard (a later start asks the running editor to come forward and ends before any window shows),
// device ID 1, the gain page, English, the first fill of the pages, the auto-connect 300 ms
// later, the network defaults, the menu entry Setting ID/IP made visible and the page buttons'
// shared pictures. Close: every close request shows the exit confirmation; only a confirmed one
// closes the transport (its worker stopped) and ends the program.
//
// Language: GetLangText looks keys up in the active table; ApplyLanguage sets the menu captions,
// the link button and the preset bar; the language menu's two entries switch the table.
// Everything runs on the GUI thread.

#include "dialogs/DialogHost.h"
#include "mainwindow/MainPageHost.h"
#include "mainwindow/SessionView.h"
#include "pages/ChannelPages.h"
#include "platform/ui/Forms.h"

#include <array>
#include <memory>

class DeviceSession;
class Plot;
class TImage;
class TLabel;
class TMainMenu;
class TMenuItem;
class TOpenDialog;
class TRzBmpButton;
class TRzGroupBox;
class TSaveDialog;

namespace net {
class SingleInstance;
}

class TfmMain : public TForm, public SessionView, public DialogHost {
    T_DECLARE_CLASS(TfmMain, TForm)

public:
    // The name the single-instance files carry (<name>.lock, <name>.sock).
    static constexpr const char *InstanceName = "trov316-editor";

    explicit TfmMain(TComponent *AOwner);
    ~TfmMain() override;

    DeviceSession &Session() const { return *session_; }
    // The channel pages: every handler and operation that edits the six channels.
    ChannelPages &Pages() { return pages_; }
    // The eight curve models, made by FormCreate: 0 to 5 the channel plots In A to Out 4, 6 and 7
    // the Gain page's input and output plots; null before FormCreate.
    static constexpr int PlotCount = 8;
    Plot *GetPlot(int index) const;

    // --- State the pages and the layout share -----------------------------------------------------
    // 1 while FormCreate fills the controls for the first time.
    std::uint8_t GetInitializing() const { return Initializing; }
    int GetExtraHeight() const { return ExtraHeight; }
    void SetExtraHeight(int height) { ExtraHeight = height; }
    // The controls-updating flag: 1 for any value but 0.
    void SetControlsUpdating(int value);

    // Shows a dialog modally (one already shown only comes forward); nothing while it does not exist.
    static void ShowDialogModal(TCustomForm *dialog);

    // --- Language ------------------------------------------------------------------------------------
    // Sets every language-dependent caption of the main window from the active table: the menu
    // entries, the link button and the preset bar.
    void ApplyLanguage();

    // --- Components, bound from the form definition --------------------------------------------------
    TRzGroupBox *rzgFunction = nullptr;
    TRzBmpButton *rzbMenuGain = nullptr;
    TRzBmpButton *rzbMenuComp = nullptr;
    TRzBmpButton *rzbMenuDelay = nullptr;
    TRzBmpButton *rzbMenuMatrix = nullptr;
    TRzBmpButton *rzbMenuInA = nullptr;
    TRzBmpButton *rzbMenuOut4 = nullptr;
    TLabel *lbShowIdNumber = nullptr;
    TLabel *lbStatus = nullptr;
    TRzBmpButton *rzbMenuLink = nullptr;
    TRzGroupBox *rzgMain = nullptr;
    TRzGroupBox *rzgPreset = nullptr;
    TLabel *lPstNum = nullptr;
    TLabel *lbPstNum = nullptr;
    TLabel *lPstName = nullptr;
    TLabel *lbPstName = nullptr;
    TRzBmpButton *bStore = nullptr;
    TRzBmpButton *bRecall = nullptr;
    TMainMenu *MainMenu = nullptr;
    TMenuItem *NetworkSetup = nullptr;
    TMenuItem *ChineseSimplified = nullptr;
    TMenuItem *ChineseTraditional = nullptr;
    TMenuItem *English = nullptr;
    TOpenDialog *odOpenPreset = nullptr;
    TSaveDialog *sdSavePreset = nullptr;
    TOpenDialog *odOpenUnit = nullptr;
    TSaveDialog *sdSaveUnit = nullptr;

    // --- Handlers, bound from the form definition ----------------------------------------------------
    void FormCreate(TObject *Sender);
    void FormClose(TObject *Sender, TCloseAction &Action);
    // The layout for the window's outer size (MainLayout.h); once the dialogs exist (the link group
    // dialog is the sign), the delay lines are redrawn up to their speakers.
    void FormResize(TObject *Sender);
    // File menu.
    void OpenClick(TObject *Sender);
    void SaveClick(TObject *Sender);
    void UploadClick(TObject *Sender);
    void DownloadClick(TObject *Sender);
    void FactoryDefaultClick(TObject *Sender);
    void ExitClick(TObject *Sender);
    // Menu bar and Help menu: each shows its window (modally, but the memo and the traffic monitor;
    // the Copy entry's handler is the pages').
    void LinkClick(TObject *Sender);
    void LockClick(TObject *Sender);
    void LockSetupClick(TObject *Sender);
    void NetworkSetupClick(TObject *Sender);
    void TestToneClick(TObject *Sender);
    void ChNameListClick(TObject *Sender);
    void Rs232CodeClick(TObject *Sender);
    void MemoShowClick(TObject *Sender);
    void HidDataClick(TObject *Sender);
    void AboutClick(TObject *Sender);
    // The hidden Connect menu's entry: a click of the link button by code.
    void ConnectedClick(TObject *Sender);
    // Hidden entries that do nothing.
    void SettingIDClick(TObject *Sender);
    void BlockDiagramClick(TObject *Sender);
    void ConnectHelpClick(TObject *Sender);
    // The language menu: one body for both entries, acting on the sender's Tag.
    void ChineseSimplifiedClick(TObject *Sender);
    void EnglishClick(TObject *Sender);
    // Link button and preset bar.
    void rzbMenuLinkClick(TObject *Sender);
    void bStoreClick(TObject *Sender);
    void bRecallClick(TObject *Sender);

    // --- SessionView -------------------------------------------------------------------------------
    void SetCaption(const QString &text) override;
    void SetControlText(const QString &name, const QString &text) override;
    QString ControlText(const QString &name) const override;
    void SetControlEnabled(const QString &name, bool enabled) override;
    void SetButtonDown(const QString &name, bool down) override;
    void SetMainEnabled(bool enabled) override;
    void FocusMain() override;
    bool IsMainVisible() const override;
    bool SetMeterPosition(const QString &name, int position) override;
    std::optional<int> SliderPosition(const QString &name) const override;
    void RefreshFromModel() override;
    void ResetEqDisplay() override;
    void MarkCurveChanged(int channel) override;
    void SetStorePresetRowName(int row, const std::string &name) override;
    void SetRecallPresetRowName(int row, const std::string &name) override;
    bool IsTrafficVisible() const override;
    void AddTrafficLine(const QString &line) override;
    void SetProgressStatus(const QString &text) override;
    void SetProgressMax(int max) override;
    int ProgressMax() const override;
    void SetProgressPosition(int position) override;
    int ProgressPosition() const override;
    void ShowProgressModal() override;
    void ShowProgress() override;
    void CloseProgress() override;
    bool IsProgressVisible() const override;
    void ShowInformation(const QString &message) override;
    void ShowUnlockDialog() override;
    void SetPasswordResult(std::uint8_t verdict) override;
    void ShowNetworkSetup() override;
    void SetConnectResult(std::uint8_t result) override;
    bool GetConnectResult() const override;
    void OnLinkBroken() override;
    void ClickRescan() override;
    void SetScanPosition(int position) override;
    void SetNetworkStatus(const QString &text) override;
    void HideScan() override;
    void ShowScanModal() override;
    bool IsScanVisible() const override;

    // --- DialogHost --------------------------------------------------------------------------------
    QString GetLangText(const QString &key) const override;
    std::string WideToAnsi(const QString &text) const override;
    int GetDeviceId() const override;
    bool IsControlsUpdating() const override;
    void SendCommand(const LCmd &command, std::uint8_t keepDuplicates, std::uint8_t framed) override;
    bool IsCommandWaiting(std::uint8_t command) const override;
    void SetCloseAllowed(std::uint8_t value) override;
    void CloseMainWindow() override;
    bool IsConnected() const override;
    void DisconnectLink() override;
    void SetDeviceId(int id) override;
    std::uint32_t GetIpAddress() const override;
    void SetIpAddress(std::uint32_t address) override;
    void SetAutoIpSetting(int value) override;
    void SetClientAddress(const std::string &dotted) override;
    void StorePreset(int index, const std::string &name) override;
    void RecallPreset(int index) override;
    void SetStepValue(int value) override;
    void StartFactoryReset() override;
    void SendPeqReset(int channel) override;
    std::string GetChannelName(int channel) const override;
    void SetChannelName(int channel, const std::string &name) override;
    void CopyChannel(int source, int destination, bool refresh) override;
    int GetChannelLinkMask(int channel) const override;
    void SetChannelLink(int channel, int mask) override;
    void SetChannelButtonCaption(int head, int channel) override;
    void SetOverlayButtonsVisible(int channel, bool visible) override;
    void ReloadAllParameters() override;
    void ShowGainPage() override;

private:
    // The single-instance guard: true when another editor of this user runs (it was asked to come
    // forward, and this start ends without showing a window).
    bool AnotherEditorRuns();
    // A later start asked this editor to come forward.
    void ComeForward();
    // The language handlers' one body.
    void SelectLanguage(TObject *Sender);
    // The bitmap buttons of start-up step "all buttons of one kind look alike".
    void ShareButtonPictures();
    // The curve models on their response plots, all in magnitude mode; false when a plot is
    // missing under its name (start-up ends there).
    bool CreatePlots();
    // The compressor transfer plot's first curve (three points) and knee marker (one point); false
    // when the plot is missing.
    bool PutCompressorPoints();
    std::unique_ptr<DeviceSession> session_;
    MainPageHost pageHost_{*this};
    ChannelPages pages_{pageHost_};
    std::unique_ptr<net::SingleInstance> instance_;
    std::array<std::unique_ptr<Plot>, PlotCount> plots_;

    // --- Main window state, as the rest of the program names it --------------------------------------
    // The page shown and the curve handle being dragged belong to the pages.
    std::uint8_t Initializing = 0;
    int ExtraHeight = 0;
};

extern TfmMain *fmMain;
