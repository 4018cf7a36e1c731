#include "mainwindow/FMain.h"

#include "curves/LMyFFTDrawPhase.h"
#include "curves/LProgressBar.h"
#include "curves/MyPEQAllpass.h"
#include "curves/Plot.h"
#include "device/GlobalConstants.h"
#include "dialogs/FAbout.h"
#include "dialogs/FChNameList.h"
#include "dialogs/FCopy.h"
#include "dialogs/FExit.h"
#include "dialogs/FFactory.h"
#include "dialogs/FHidData.h"
#include "dialogs/FLinkSel.h"
#include "dialogs/FLockSetup.h"
#include "dialogs/FMemo.h"
#include "dialogs/FNetworkSetup.h"
#include "dialogs/FRecallPreset.h"
#include "dialogs/FRs232Code.h"
#include "dialogs/FRs232CodeEnglish.h"
#include "dialogs/FStorePreset.h"
#include "dialogs/FTest.h"
#include "mainwindow/DeviceSession.h"
#include "mainwindow/LinkTexts.h"
#include "mainwindow/MainLayout.h"
#include "pages/ChannelPageHandlers.h"
#include "platform/net/SingleInstance.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Timer.h"
#include "platform/runtime/TypInfo.h"
#include "platform/ui/Application.h"
#include "platform/ui/Edit.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/Menus.h"
#include "platform/ui/OpenDialog.h"
#include "platform/ui/PaintBox.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RadioButton.h"
#include "platform/ui/Shape.h"
#include "plotlib/plot/iXYPlot.h"
#include "widgets/graphics/AdvSmoothSplashScreen.h"
#include "widgets/graphics/AdvTrackBar.h"
#include "widgets/graphics/CurvyEdit.h"
#include "widgets/skinned/RzBmpBtn.h"
#include "widgets/skinned/RzCmboBx.h"
#include "widgets/skinned/RzGroupBox.h"
#include "widgets/skinned/RzPanel.h"
#include "widgets/skinned/RzShapeButton.h"
#include "widgets/skinned/VrButtons.h"
#include "widgets/skinned/VrDemoButton.h"

#include <cstdio>

TfmMain *fmMain = nullptr;

namespace {

// Every class the form definition holds, so that the program links them and the reader finds them.
[[maybe_unused]] const TClassInfo *const FormClasses[] = {
    &TRzGroupBox::StaticClass(),
    &TPanel::StaticClass(),
    &TShape::StaticClass(),
    &TLabel::StaticClass(),
    &TImage::StaticClass(),
    &TPaintBox::StaticClass(),
    &TAdvTrackBar::StaticClass(),
    &TCurvyEdit::StaticClass(),
    &TRzBmpButton::StaticClass(),
    &TVrDemoButton::StaticClass(),
    &TVrPowerButton::StaticClass(),
    &TRzComboBox::StaticClass(),
    &LMyFFTDrawPhase::StaticClass(),
    &TMyPEQAllpass::StaticClass(),
    &LProgressBar::StaticClass(),
    &TiXYPlot::StaticClass(),
    &TTimer::StaticClass(),
    &TRzPanel::StaticClass(),
    &TAdvSmoothSplashScreen::StaticClass(),
    &TRzShapeButton::StaticClass(),
};

}  // namespace

T_IMPLEMENT_CLASS(TfmMain)
{
    using C = TfmMain;
    b.Field("rzgFunction", &C::rzgFunction);
    b.Field("rzbMenuGain", &C::rzbMenuGain);
    b.Field("rzbMenuComp", &C::rzbMenuComp);
    b.Field("rzbMenuDelay", &C::rzbMenuDelay);
    b.Field("rzbMenuMatrix", &C::rzbMenuMatrix);
    b.Field("rzbMenuInA", &C::rzbMenuInA);
    b.Field("rzbMenuOut4", &C::rzbMenuOut4);
    b.Field("lbShowIdNumber", &C::lbShowIdNumber);
    b.Field("lbStatus", &C::lbStatus);
    b.Field("rzbMenuLink", &C::rzbMenuLink);
    b.Field("rzgMain", &C::rzgMain);
    b.Field("rzgPreset", &C::rzgPreset);
    b.Field("lPstNum", &C::lPstNum);
    b.Field("lbPstNum", &C::lbPstNum);
    b.Field("lPstName", &C::lPstName);
    b.Field("lbPstName", &C::lbPstName);
    b.Field("bStore", &C::bStore);
    b.Field("bRecall", &C::bRecall);
    b.Field("MainMenu", &C::MainMenu);
    b.Field("NetworkSetup", &C::NetworkSetup);
    b.Field("ChineseSimplified", &C::ChineseSimplified);
    b.Field("ChineseTraditional", &C::ChineseTraditional);
    b.Field("English", &C::English);
    b.Field("odOpenPreset", &C::odOpenPreset);
    b.Field("sdSavePreset", &C::sdSavePreset);
    b.Field("odOpenUnit", &C::odOpenUnit);
    b.Field("sdSaveUnit", &C::sdSaveUnit);
    b.Handler("FormCreate", &C::FormCreate);
    b.Handler("FormClose", &C::FormClose);
    b.Handler("FormResize", &C::FormResize);
    b.Handler("OpenClick", &C::OpenClick);
    b.Handler("SaveClick", &C::SaveClick);
    b.Handler("UploadClick", &C::UploadClick);
    b.Handler("DownloadClick", &C::DownloadClick);
    b.Handler("FactoryDefaultClick", &C::FactoryDefaultClick);
    b.Handler("ExitClick", &C::ExitClick);
    b.Handler("LinkClick", &C::LinkClick);
    b.Handler("LockClick", &C::LockClick);
    b.Handler("LockSetupClick", &C::LockSetupClick);
    b.Handler("NetworkSetupClick", &C::NetworkSetupClick);
    b.Handler("TestToneClick", &C::TestToneClick);
    b.Handler("ChNameListClick", &C::ChNameListClick);
    b.Handler("Rs232CodeClick", &C::Rs232CodeClick);
    b.Handler("MemoShowClick", &C::MemoShowClick);
    b.Handler("HidDataClick", &C::HidDataClick);
    b.Handler("AboutClick", &C::AboutClick);
    b.Handler("ConnectedClick", &C::ConnectedClick);
    b.Handler("SettingIDClick", &C::SettingIDClick);
    b.Handler("BlockDiagramClick", &C::BlockDiagramClick);
    b.Handler("ConnectHelpClick", &C::ConnectHelpClick);
    b.Handler("ChineseSimplifiedClick", &C::ChineseSimplifiedClick);
    b.Handler("EnglishClick", &C::EnglishClick);
    b.Handler("rzbMenuLinkClick", &C::rzbMenuLinkClick);
    b.Handler("bStoreClick", &C::bStoreClick);
    b.Handler("bRecallClick", &C::bRecallClick);
    // The channel pages' handlers, the Copy menu entry's among them.
    DescribeChannelPageHandlers(b, &C::pages_);
}

namespace {

// The window's size at start, outside: the size its layout is made for.
constexpr int StartWidth = 1118;
constexpr int StartHeight = 720;
constexpr int PresetBarTop = 626;
// The network setup's edits while they cannot be changed.
constexpr TColor LockedEditColor = static_cast<TColor>(0xC0C0C0);

QString FromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

// --- Life ------------------------------------------------------------------------------------------

TfmMain::TfmMain(TComponent *AOwner) : TForm(AOwner)
{
    // The dialogs are created after this window and reach it from their construction on.
    SetDialogHost(this);
    try {
        session_ = std::make_unique<DeviceSession>(*this);
        // The band tables fire their change handler while the form is read: with no drag handle
        // set (-1) the pages would take it for a user's edit. FormCreate sets -1.
        pages_.SetDragHandle(0);
        InitializeForm();
    } catch (...) {
        SetDialogHost(nullptr);
        throw;
    }
}

TfmMain::~TfmMain()
{
    // The link goes before any control it shows its state on.
    session_.reset();
    instance_.reset();
    SetDialogHost(nullptr);
    // The curve models draw on their plots: they go before the controls.
    for (auto &plot : plots_)
        plot.reset();
    // The controls go before the pages: one going away may still fire an event into them.
    DestroyComponents();
}

Plot *TfmMain::GetPlot(int index) const
{
    return index >= 0 && index < PlotCount ? plots_[static_cast<std::size_t>(index)].get() : nullptr;
}

bool TfmMain::CreatePlots()
{
    const char *plots[PlotCount] = {"fftDrawInA",  "fftDrawInB",  "fftDrawOut1",   "fftDrawOut2",
                                    "fftDrawOut3", "fftDrawOut4", "fftDrawGainIn", "fftDrawGainOut"};
    for (int i = 0; i < PlotCount; ++i) {
        auto *control = dynamic_cast<LMyFFTDrawPhase *>(FindComponent(QString::fromLatin1(plots[i])));
        if (!control)
            return false;
        plots_[static_cast<std::size_t>(i)] = std::make_unique<Plot>(control);
    }
    for (auto &plot : plots_)
        plot->SetPhaseMode(false);
    return true;
}

bool TfmMain::PutCompressorPoints()
{
    auto *plot = dynamic_cast<TiXYPlot *>(FindComponent(QStringLiteral("ipComp")));
    if (!plot)
        return false;
    // The plot's design has two channels: the curve and the knee marker.
    while (plot->ChannelCount() < 2)
        plot->AddChannel();
    TiXYPlotChannel *curve = plot->GetChannel(0);
    curve->AddXY(20, 20);
    curve->AddXY(-10, -10);
    curve->AddXY(-100, -100);
    // One point draws no trace: the knee shows as its marker.
    plot->GetChannel(1)->SetMarkersVisible(true);
    plot->GetChannel(1)->AddXY(20.4, 19.8);
    return true;
}

void TfmMain::SetControlsUpdating(int value)
{
    session_->SetControlsUpdating(value);
}

void TfmMain::FormCreate(TObject *)
{
    TForm::SetCaption(OfflineCaption());
    SetHint(FromView(ProductTitle));

    if (AnotherEditorRuns()) {
        // Creation goes on; the message loop ends before it shows anything.
        Application->SetShowMainForm(false);
        Application->Terminate();
    }

    session_->SetStepValue(5);
    session_->SetDeviceId(1);
    // A USB device found before the form was read has no word on the window yet.
    session_->ShowHidStatus();
    // The pages start on the Gain page.
    pages_.SetDragHandle(-1);
    session_->SetSelectedCompChannel(2);

    for (const char *group : {"rzgFftInA", "rzgParamGain"})
        if (auto *box = dynamic_cast<TControl *>(FindComponent(QString::fromLatin1(group))))
            box->SetVisible(true);
    SetBounds(Left(), Top(), StartWidth, StartHeight);
    rzgPreset->SetTop(PresetBarTop);
    ExtraHeight = 0;

    if (!CreatePlots())
        return;

    session_->SetLanguageName(QStringLiteral("English"));
    ChineseSimplified->SetChecked(false);
    ChineseTraditional->SetChecked(false);
    English->SetChecked(true);
    ApplyLanguage();

    // The device model came with the session; the pages show it for the first time.
    Initializing = 1;
    pages_.ResetEqDisplay();
    pages_.RefreshFromModel();
    Initializing = 0;

    for (const char *group : {"rzgFftGain", "rzgParamGain"})
        if (auto *box = dynamic_cast<TControl *>(FindComponent(QString::fromLatin1(group))))
            box->BringToFront();

    session_->StartAutoConnect();
    pages_.RefreshGainPageCurves();
    plots_[6]->DrawCurve(0, static_cast<TColor>(ChannelColors[0]));
    plots_[7]->DrawCurve(2, static_cast<TColor>(ChannelColors[2]));
    if (!PutCompressorPoints())
        return;

    session_->ClientSocket().SetPort(DeviceSession::NetworkPort);
    session_->ClientSocket().SetAddress(std::string(DefaultIpAddress));
    session_->SetIpAddress(DeviceSession::DefaultDeviceAddress);
    session_->UseFileDialogs({odOpenPreset, sdSavePreset, odOpenUnit, sdSaveUnit});

    NetworkSetup->SetVisible(true);
    ShareButtonPictures();
}

void TfmMain::FormResize(TObject * /*Sender*/)
{
    std::function<void(int)> delayLine;
    if (fmLinkSel)
        delayLine = [this](int channel) { pages_.UpdateDelayLine(channel); };
    mainlayout::Apply(*this, Width(), Height(), ExtraHeight, delayLine);
}

// Buttons of one kind take the pictures of one model button; a button missing under its name ends
// the sharing there.
void TfmMain::ShareButtonPictures()
{
    using Picture = void (TRzButtonBitmaps::*)(TBitmap *);
    using Source = TBitmap *(TRzButtonBitmaps::*)() const;
    struct Take {
        Picture set;
        Source from;
    };
    static constexpr Take Down{&TRzButtonBitmaps::SetDown, &TRzButtonBitmaps::Down};
    static constexpr Take Hot{&TRzButtonBitmaps::SetHot, &TRzButtonBitmaps::Hot};
    static constexpr Take StayDown{&TRzButtonBitmaps::SetStayDown, &TRzButtonBitmaps::StayDown};
    // A disabled channel button looks like the page shown.
    static constexpr Take DisabledAsStayDown{&TRzButtonBitmaps::SetDisabled, &TRzButtonBitmaps::StayDown};
    const auto share = [](TRzBmpButton *button, const TRzBmpButton *model, std::initializer_list<Take> takes) {
        for (const Take &take : takes)
            (button->Bitmaps()->*take.set)((model->Bitmaps()->*take.from)());
    };
    const auto find = [this](const QString &name) { return dynamic_cast<TRzBmpButton *>(FindComponent(name)); };

    share(rzbMenuComp, rzbMenuGain, {Down, Hot, StayDown});
    share(rzbMenuDelay, rzbMenuGain, {Hot, StayDown});
    share(rzbMenuMatrix, rzbMenuGain, {Hot, StayDown});
    for (const char *side : {"A", "B"}) {
        TRzBmpButton *button = find(QStringLiteral("rzbMenuIn") + QLatin1String(side));
        if (!button)
            return;
        share(button, rzbMenuInA, {DisabledAsStayDown, Down, Hot, StayDown});
    }
    TRzBmpButton *matrixModel = nullptr;
    for (int n = 1; n <= 4; ++n) {
        TRzBmpButton *out = find(QStringLiteral("rzbMenuOut%1").arg(n));
        if (!out)
            return;
        // Out 4 keeps its own pictures.
        if (n < 4)
            share(out, rzbMenuInA, {DisabledAsStayDown, Down, Hot, StayDown});
        for (const char *row : {"A", "B", "C", "D"}) {
            TRzBmpButton *matrix = find(QStringLiteral("rzb%1MatrixOut%2").arg(QLatin1String(row)).arg(n));
            if (!matrix)
                return;
            if (!matrixModel)
                matrixModel = matrix;  // rzbAMatrixOut1, the first one looked up
            else
                share(matrix, matrixModel, {Down, Hot, StayDown});
        }
    }
}

void TfmMain::FormClose(TObject *, TCloseAction &Action)
{
    if (fmExit)
        fmExit->Show();
    if (!session_->IsCloseAllowed()) {
        Action = caNone;
        return;
    }
    // Closing the main window ends the program; the link closes first.
    session_->CloseAllTransports();
}

// --- Single instance -------------------------------------------------------------------------------

bool TfmMain::AnotherEditorRuns()
{
    instance_ = std::make_unique<net::SingleInstance>(InstanceName);
    instance_->OnActivate = [this] { ComeForward(); };
    switch (instance_->Claim()) {
    case net::SingleInstance::Outcome::AlreadyRunning: instance_.reset(); return true;
    case net::SingleInstance::Outcome::Unguarded:
        std::fprintf(stderr, "%s: runs without the single-instance guard: %s\n", ProductTitle.data(),
                     instance_->Error().c_str());
        instance_.reset();
        return false;
    case net::SingleInstance::Outcome::First: return false;
    }
    return false;
}

void TfmMain::ComeForward()
{
    BringToForeground();
}

// --- Menu ------------------------------------------------------------------------------------------

void TfmMain::ShowDialogModal(TCustomForm *dialog)
{
    if (!dialog)
        return;
    // A window shown already (the exit box after a close request) only comes forward.
    if (dialog->Visible())
        dialog->BringToForeground();
    else
        dialog->ShowModal();
}

void TfmMain::OpenClick(TObject *)
{
    session_->OpenPresetFile();
}

void TfmMain::SaveClick(TObject *)
{
    session_->SavePresetFile();
}

void TfmMain::UploadClick(TObject *)
{
    session_->UploadAllPresets();
}

void TfmMain::DownloadClick(TObject *)
{
    session_->DownloadAllPresets();
}

void TfmMain::FactoryDefaultClick(TObject *)
{
    if (session_->IsConnected())
        ShowDialogModal(fmFactory);
    else
        ShowInformation(GetLangText(QStringLiteral("SID_INFO_CON_FIRST")));
}

void TfmMain::ExitClick(TObject *)
{
    ShowDialogModal(fmExit);
}

void TfmMain::LinkClick(TObject *)
{
    ShowDialogModal(fmLinkSel);
}

void TfmMain::LockClick(TObject *)
{
    ShowDialogModal(fmLockSetup);
}

void TfmMain::LockSetupClick(TObject *)
{
    ShowDialogModal(fmLockSetup);
}

void TfmMain::NetworkSetupClick(TObject *)
{
    if (!fmNetworkSetup)
        return;
    const bool online = rzbMenuLink->Caption() == GetLangText(QStringLiteral("SID_ONLINE"));
    for (TControl *choice : std::initializer_list<TControl *>{
             fmNetworkSetup->gbIpSetting, fmNetworkSetup->rbManualSetting, fmNetworkSetup->rbAutoSetting})
        choice->SetEnabled(!online);
    const bool editable = !fmNetworkSetup->rbAutoSetting->Checked() && !online;
    for (TEdit *edit : {fmNetworkSetup->edIp1, fmNetworkSetup->edIp2, fmNetworkSetup->edIp3, fmNetworkSetup->edIp4,
                        fmNetworkSetup->edId}) {
        edit->SetEnabled(editable);
        edit->SetColor(editable ? clWindow : LockedEditColor);
    }
    ShowDialogModal(fmNetworkSetup);
}

void TfmMain::TestToneClick(TObject *)
{
    ShowDialogModal(fmTest);
}

void TfmMain::ChNameListClick(TObject *)
{
    ShowDialogModal(fmChNameList);
}

void TfmMain::Rs232CodeClick(TObject *)
{
    const bool english = session_->GetLanguageName() == QLatin1String("English");
    if (english)
        ShowDialogModal(fmRs232CodeEnglish);
    else
        ShowDialogModal(fmRs232Code);
}

void TfmMain::MemoShowClick(TObject *)
{
    if (fmMemo)
        fmMemo->Show();
}

void TfmMain::HidDataClick(TObject *)
{
    if (fmHidData)
        fmHidData->Show();
}

void TfmMain::AboutClick(TObject *)
{
    ShowDialogModal(fmAbout);
}

void TfmMain::ConnectedClick(TObject *)
{
    rzbMenuLink->Click();
}

void TfmMain::SettingIDClick(TObject *) {}

void TfmMain::BlockDiagramClick(TObject *) {}

void TfmMain::ConnectHelpClick(TObject *) {}

void TfmMain::rzbMenuLinkClick(TObject *)
{
    session_->rzbMenuLinkClick();
}

void TfmMain::bStoreClick(TObject *)
{
    if (!fmStorePreset)
        return;
    fmStorePreset->lPresetSelect->SetCaption(QStringLiteral("Store Preset"));
    ShowDialogModal(fmStorePreset);
}

void TfmMain::bRecallClick(TObject *)
{
    if (!fmRecallPreset)
        return;
    fmRecallPreset->lPresetSelect->SetCaption(QStringLiteral("Recall Preset"));
    ShowDialogModal(fmRecallPreset);
}

// --- Language --------------------------------------------------------------------------------------

QString TfmMain::GetLangText(const QString &key) const
{
    return session_->GetLangText(key);
}

void TfmMain::ApplyLanguage()
{
    const bool online = session_->IsOnline();
    // Captions in the order they are set; the memo and traffic entries and the lines keep theirs.
    struct Caption {
        const char *control;
        const char *key;
    };
    const Caption captions[] = {
        {"File", "SID_FILE"},
        {"Open", "SID_OPEN"},
        {"Save", "SID_SAVE"},
        {"Upload", "SID_UPLOAD"},
        {"Download", "SID_DOWNLOAD"},
        {"FactoryDefault", "SID_RETRUN_FACTORY"},
        {"Exit", "SID_EXIT"},
        {"BlockDiagram", "SID_BLOCK"},
        {"Connected", online ? "SID_DISCONNECT" : "SID_CONNECT"},
        {"Connect", "SID_CONNECT"},
        {"ConnectHelp", "SID_CONNECT_HELP"},
        {"Lock", "SID_LOCK"},
        {"LockSetup", "SID_LOCK_SETUP"},
        {"SettingID", "SID_SET_ID"},
        {"NetworkSetup", "SID_SET_NETWORK"},
        {"TestTone", "SID_TEST_TONE"},
        {"Link", "SID_LINK"},
        {"Copy", "SID_COPY"},
        {"ChNameList", "SID_CH_NAME_LIST"},
        {"LanguageSel", "SID_LANGUAGE"},
        {"ChineseSimplified", "SID_CHINESE_SIMPLIFIED"},
        {"ChineseTraditional", "SID_CHINESE_TRODITIONAL"},
        {"English", "SID_ENGLISH"},
        {"Help", "SID_HELP"},
        {"Rs232Code", "SID_RS232_CODE"},
        {"About", "SID_ABOUT"},
        {"rzbMenuLink", online ? "SID_ONLINE" : "SID_OFFLINE"},
        {"lPstNum", "SID_PST_NUM"},
        {"lPstName", "SID_PST_NAME"},
        {"bStore", "SID_BT_STORE"},
        {"bRecall", "SID_BT_RECALL"},
    };
    // A control missing under its name ends the update there.
    const auto setCaption = [this](const QString &name, const char *key) {
        TComponent *control = FindComponent(name);
        if (!control || !IsPublishedProp(control, QStringLiteral("Caption")))
            return false;
        SetStrProp(control, QStringLiteral("Caption"), GetLangText(QString::fromLatin1(key)));
        return true;
    };
    // A polarity button reads what its state is.
    const auto setPolarity = [&](const QString &name) {
        auto *button = dynamic_cast<TRzBmpButton *>(FindComponent(name));
        return button && setCaption(name, button->Down() ? "SID_PHASE_ON" : "SID_PHASE_OFF");
    };
    for (const Caption &caption : captions)
        if (!setCaption(QString::fromLatin1(caption.control), caption.key))
            return;

    const QStringList suffixes = {"InA", "InB", "Out1", "Out2", "Out3", "Out4"};
    // The Gain page's channel columns.
    for (const QString &suffix : suffixes)
        if (!setCaption("rzbMuteBackup" + suffix, "SID_MUTE") || !setPolarity("rzbPhaseBackup" + suffix))
            return;

    // Page headings.
    const Caption headings[] = {
        {"lbGainInput", "SID_IN"},          {"lbGainOutput", "SID_OUT"},       {"lbDelayInput", "SID_IN"},
        {"lbDelayOutput", "SID_OUT"},       {"lbDelayUnit", "SID_DELAY_UNIT"}, {"lbFftDelayIn", "SID_IN_DELAY"},
        {"lbFftDelayOut", "SID_OUT_DELAY"}, {"rzbUnit0", "SID_UNIT_MS"},       {"rzbUnit1", "SID_UNIT_M"},
        {"rzbUnit2", "SID_UNIT_FT"},        {"lbFftGainIn", "SID_IN"},         {"lbFftGainOut", "SID_OUT"},
    };
    for (const Caption &caption : headings)
        if (!setCaption(QString::fromLatin1(caption.control), caption.key))
            return;

    // Each channel page; the polarity button (rzbPhase) comes fourth, the compressor labels only
    // on the outputs, the band table last.
    const Caption pageCaptions[] = {
        {"lbFftParam", "SID_PARAM_KEY"},
        {"lbGain", "SID_GAIN"},
        {"rzbMute", "SID_MUTE"},
        {"rzbPhase", nullptr},
        {"lbEqParam", "SID_EQ_PARAM"},
        {"lbEqFreq", "SID_EQ_FREQ"},
        {"lbEqBw", "SID_EQ_BW"},
        {"lbEqGain", "SID_EQ_GAIN"},
        {"lbEq", "SID_EQ_PARAM_TITLE"},
        {"lbLowCutFreq", "SID_HPF"},
        {"lbLowCutSlop", "SID_HLP_SLOP"},
        {"rzbLowCutBypass", "SID_HLP_BYPASS"},
        {"lbHighCutFreq", "SID_LPF"},
        {"lbHighCutSlop", "SID_HLP_SLOP"},
        {"rzbHighCutBypass", "SID_HLP_BYPASS"},
        {"vrbEqShowAll", "SID_SHOW_ALL_EQ"},
        {"vrbEqReset", "SID_RESET_EQ"},
        {"vrbEqBypass", "SID_BYPASS_EQ"},
    };
    const Caption compressorCaptions[] = {
        {"lbCompRatio", "SID_COMP_RATIO"},
        {"lbCompThreshold", "SID_COMP_THRESHOLD"},
        {"lbCompAttack", "SID_COMP_ATTACK"},
        {"lbCompRelease", "SID_COMP_RELEASE"},
    };
    for (int channel = 0; channel < 6; ++channel) {
        const QString &suffix = suffixes[channel];
        for (const Caption &caption : pageCaptions) {
            const QString name = QString::fromLatin1(caption.control) + suffix;
            if (caption.key ? !setCaption(name, caption.key) : !setPolarity(name))
                return;
        }
        if (channel >= 2)
            for (const Caption &caption : compressorCaptions)
                if (!setCaption(QString::fromLatin1(caption.control) + suffix, caption.key))
                    return;
        auto *table = dynamic_cast<TMyPEQAllpass *>(FindComponent("peqPeq" + suffix));
        if (!table)
            return;
        for (int type = 0; type < 7; ++type)
            table->SetEqTypeString(GetLangText(QStringLiteral("SID_EQ_TYPE%1").arg(type)), type);
        table->SetBypassString(GetLangText(QStringLiteral("SID_EQ_BYPASS")));
        table->ChangeLanguage();
    }

    // The compressor page's title names the output it shows.
    auto *title = dynamic_cast<TLabel *>(FindComponent(QStringLiteral("lbCompName")));
    if (!title)
        return;
    title->SetCaption(QStringLiteral("Out %1  ").arg(session_->GetSelectedCompChannel() - 1) +
                      GetLangText(QStringLiteral("SID_COMP")));
}

void TfmMain::ChineseSimplifiedClick(TObject *Sender)
{
    SelectLanguage(Sender);
}

void TfmMain::EnglishClick(TObject *Sender)
{
    SelectLanguage(Sender);
}

void TfmMain::SelectLanguage(TObject *Sender)
{
    auto *entry = dynamic_cast<TMenuItem *>(Sender);
    if (!entry)
        return;
    // The entries of the language menu by Tag; Tag 1 (traditional Chinese) has no table.
    struct Language {
        int tag;
        const char *name;
        TMenuItem *TfmMain::*item;
    };
    static constexpr Language Languages[] = {
        {0, "ChineseGB", &TfmMain::ChineseSimplified},
        {2, "English", &TfmMain::English},
    };
    const Language *chosen = nullptr;
    for (const Language &language : Languages)
        if (language.tag == entry->Tag())
            chosen = &language;
    if (!chosen)
        return;
    session_->SetLanguageName(QString::fromLatin1(chosen->name));
    TMenuItem *item = this->*chosen->item;
    if (item->Checked())
        return;
    for (TMenuItem *other : {ChineseSimplified, ChineseTraditional, English})
        other->SetChecked(other == item);
    ApplyLanguage();
    if (auto *table = dynamic_cast<TControl *>(FindComponent(QStringLiteral("peqPeqInA"))))
        table->Repaint();
}
