#include "widgets/graphics/AdvSmoothSplashScreen.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ImageList.h"
#include "widgets/graphics/GDIPPictureContainer.h"
#include "widgets/graphics/SplashScreenWindow.h"
#include "widgets/graphics/VersionNumber.h"

namespace {

// A stopped 20 ms timer of the focus steps.
std::unique_ptr<TTimer> FocusTimer(TNotifyEvent tick)
{
    auto timer = std::make_unique<TTimer>(nullptr);
    timer->SetEnabled(false);
    timer->SetInterval(20);
    timer->OnTimer = std::move(tick);
    return timer;
}

}  // namespace

T_IMPLEMENT_CLASS(TAdvSmoothSplashScreen)
{
    using C = TAdvSmoothSplashScreen;
    b.Bool("StayOnTop", &C::StayOnTop, &C::SetStayOnTop).Default(true);
    b.Str("Version", &C::Version, &C::SetVersion);
    b.Bool("AutoShow", &C::AutoShow, &C::SetAutoShow).Default(true);
    b.Bool("AutoAdaptPictureSize", &C::AutoAdaptPictureSize, &C::SetAutoAdaptPictureSize).Default(true);
    b.Object("BasicProgramInfo", &C::BasicProgramInfo, &C::SetBasicProgramInfo);
    b.Bool("CloseOnMainFormShow", &C::CloseOnMainFormShow, &C::SetCloseOnMainFormShow).Default(true);
    b.Bool("CloseOnTimeout", &C::CloseOnTimeout, &C::SetCloseOnTimeout).Default(false);
    b.Object("Fill", &C::Fill, &C::SetFill);
    b.Int("TimeOut", &C::TimeOut, &C::SetTimeOut).Default(1000);
    b.Object("ProgressBar", &C::ProgressBar, &C::SetProgressBar);
    b.Object("Items", &C::Items, &C::SetItems);
    b.Int("PictureGap", &C::PictureGap, &C::SetPictureGap).Default(5);
    b.Object("ListItems", &C::ListItems, &C::SetListItems);
    b.Object("ListItemsSettings", &C::ListItemsSettings, &C::SetListItemsSettings);
    b.Ref("PictureContainer", &C::PictureContainer, &C::SetPictureContainer);
    b.Enum("DisplayStyle", &C::DisplayStyle, &C::SetDisplayStyle, DisplayStyleNames)
        .Default(TDisplayStyle::dsFadeInOut);
    b.Enum("DisplayLocation", &C::DisplayLocation, &C::SetDisplayLocation, DisplayLocationNames).Default(dlCenter);
    b.Int("DisplayPosX", &C::DisplayPosX, &C::SetDisplayPosX).Default(0);
    b.Int("DisplayPosY", &C::DisplayPosY, &C::SetDisplayPosY).Default(0);
    b.Int("Width", &C::Width, &C::SetWidth).Default(600);
    b.Int("Height", &C::Height, &C::SetHeight).Default(400);
    b.Ref("Images", &C::Images, &C::SetImages);
    b.Object("TopLayerItems", &C::TopLayerItems, &C::SetTopLayerItems);
    b.Int("MaxOpacity", &C::MaxOpacity, &C::SetMaxOpacity).Default(255);
    b.Enum("TextRendering", &C::TextRendering, &C::SetTextRendering, AdvSmoothSplashScreenTextRenderingHintNames)
        .Default(tClearType);
    b.Event("OnProgressChange", &C::OnProgressChange);
    b.Event("OnProgressPositionChanged", &C::OnProgressPositionChanged);
    b.Event("OnClick", &C::OnClick);
    b.Event("OnBeforeShow", &C::OnBeforeShow);
    b.Event("OnClose", &C::OnClose);
}

TAdvSmoothSplashScreen::TAdvSmoothSplashScreen(TComponent *AOwner)
    : TComponent(AOwner), FProgressBar(std::make_unique<TGDIPSplashProgress>()),
      FItems(std::make_unique<TSplashItems>(this)), FListItems(std::make_unique<TSplashListItems>(this)),
      FBasicProgramInfo(std::make_unique<TBasicProgramInfo>()), FFill(std::make_unique<TGDIPFill>()),
      FListItemsSettings(std::make_unique<TSplashListItemsSettings>(this)),
      FTopLayerItems(std::make_unique<TAdvSplashTopLayerItems>(this))
{
    FItems->OnChange = TNotifyEvent(this, &TAdvSmoothSplashScreen::ContentChanged);
    FListItems->OnChange = TNotifyEvent(this, &TAdvSmoothSplashScreen::ContentChanged);
    FProgressBar->OnChange = TNotifyEvent(this, &TAdvSmoothSplashScreen::ProgressBarChanged);
    FBasicProgramInfo->OnChange = TNotifyEvent(this, &TAdvSmoothSplashScreen::ProgramInfoChanged);
    FCloseTimer = new TTimer(this);
    FCloseTimer->SetEnabled(false);
    FCloseTimer->SetInterval(static_cast<unsigned>(FTimeOut));
    FCloseTimer->OnTimer = TNotifyEvent(this, &TAdvSmoothSplashScreen::CloseTimerTick);
    FFocusTimer = FocusTimer(TNotifyEvent(this, &TAdvSmoothSplashScreen::FocusTimerTick));
}

TAdvSmoothSplashScreen::~TAdvSmoothSplashScreen()
{
    // The window refers to the component, and so may the main form's OnShow: both go first.
    Hide();
    Unhook();
    FFocusTimer.reset();
    FFocusFormTimer.reset();
    FFill.reset();
    FProgressBar.reset();
    FItems.reset();
    FListItems.reset();
    FListItemsSettings.reset();
    FBasicProgramInfo.reset();
    FTopLayerItems.reset();
}

QString TAdvSmoothSplashScreen::Version() const
{
    return VersionNumberText(PackVersionNumber(1, 2, 0, 0));
}

// ---- Property writes --------------------------------------------------------------------------------

void TAdvSmoothSplashScreen::SetStayOnTop(bool value)
{
    if (FStayOnTop == value)
        return;
    FStayOnTop = value;
    RepaintWindow();
}

void TAdvSmoothSplashScreen::SetTextRendering(TAdvSmoothSplashScreenTextRenderingHint value)
{
    if (FTextRendering == value)
        return;
    FTextRendering = value;
    RepaintWindow();
}

void TAdvSmoothSplashScreen::SetTopLayerItems(TAdvSplashTopLayerItems *value)
{
    if (value != FTopLayerItems.get())
        FTopLayerItems->Assign(value);
    RepaintWindow();
}

void TAdvSmoothSplashScreen::SetPictureContainer(TGDIPPictureContainer *value)
{
    if (FContainer)
        FContainer->RemoveFreeNotification(this);
    FContainer = value;
    if (value)
        value->FreeNotification(this);
}

void TAdvSmoothSplashScreen::SetImages(TCustomImageList *value)
{
    if (FImages)
        FImages->RemoveFreeNotification(this);
    FImages = value;
    if (value)
        value->FreeNotification(this);
}

void TAdvSmoothSplashScreen::Notification(TComponent *AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    // A form that goes away is no longer hooked or activated.
    if (AComponent == FMainForm) {
        FMainForm = nullptr;
        FHooked = false;
    }
    if (AComponent == FNewFocusForm)
        FNewFocusForm = nullptr;
    if (ComponentState().Contains(csDestroying))
        return;
    if (AComponent == FContainer)
        FContainer = nullptr;
    if (AComponent == FImages)
        FImages = nullptr;
}

// ---- Showing ----------------------------------------------------------------------------------------

void TAdvSmoothSplashScreen::Loaded()
{
    TComponent::Loaded();
    LoadVersionInfo();
    if (FAutoShow && !Designing())
        Show();
}

void TAdvSmoothSplashScreen::LoadVersionInfo()
{
    if (Designing() || !FBasicProgramInfo->AutoLoad())
        return;
    // The program carries no version resource: the texts of the form stay as they are.
}

void TAdvSmoothSplashScreen::Show()
{
    Show(FDisplayPosX, FDisplayPosY);
}

void TAdvSmoothSplashScreen::Show(int, int)
{
    if (FShowing)
        return;
    if (OnBeforeShow)
        OnBeforeShow(this);
    TCustomForm *mainForm = dynamic_cast<TCustomForm *>(Owner());
    if (Application)
        if (auto *appMain = dynamic_cast<TCustomForm *>(Application->MainForm()))
            mainForm = appMain;
    if (mainForm != FMainForm) {
        Unhook();
        Adopt(mainForm);
    }
    if (FCloseOnMainFormShow && FMainForm)
        Hook(FMainForm);
    FThreadType = ttMainThread;
    FSplashWindow = CreateSplashWindow(this);
}

void TAdvSmoothSplashScreen::Hook(TCustomForm *form)
{
    if (FHooked || !form)
        return;
    FOldMainFormShow = form->OnShow;
    form->OnShow = TNotifyEvent(this, &TAdvSmoothSplashScreen::MainFormShow);
    FHooked = true;
}

void TAdvSmoothSplashScreen::Unhook()
{
    if (!FHooked)
        return;
    if (FMainForm)
        FMainForm->OnShow = FOldMainFormShow;
    FHooked = false;
}

void TAdvSmoothSplashScreen::Hide()
{
    if (!FShowing)
        return;
    FCloseTimer->SetEnabled(false);
    if (FDisplayStyle == TDisplayStyle::dsFadeInOut && FSplashWindow && FSplashWindow->Visible())
        FadeOut(20, 5, 10);
    FShowing = false;
    // The form gets its own handler back even when CloseOnMainFormShow was turned off meanwhile:
    // it must never keep calling a component that may be gone.
    Unhook();
    if (FSplashWindow) {
        TSplashScreenWindow *window = FSplashWindow;
        FSplashWindow = nullptr;
        window->Hide();
        delete window;
    }
    if (OnClose)
        OnClose(this);
}

void TAdvSmoothSplashScreen::SetMainForm(TCustomForm *value)
{
    Unhook();
    Adopt(value);
    if (FCloseOnMainFormShow && value)
        Hook(value);
}

void TAdvSmoothSplashScreen::Adopt(TCustomForm *form)
{
    if (FMainForm)
        FMainForm->RemoveFreeNotification(this);
    FMainForm = form;
    if (form)
        form->FreeNotification(this);
}

void TAdvSmoothSplashScreen::MainFormShow(TObject *Sender)
{
    const TNotifyEvent own = FOldMainFormShow;
    Hide();
    if (own)
        own(Sender);
    if (FFocusParentForm && FMainForm)
        FFocusTimer->SetEnabled(true);
}

void TAdvSmoothSplashScreen::CloseTimerTick(TObject *)
{
    const bool wasShowing = FShowing;
    Hide();
    if (FFocusParentForm && FMainForm && wasShowing)
        FFocusTimer->SetEnabled(true);
}

void TAdvSmoothSplashScreen::FocusTimerTick(TObject *)
{
    ActivateAfter(FFocusTimer.get(), FMainForm);
}

void TAdvSmoothSplashScreen::SetFocusToForm(TCustomForm *form)
{
    if (!FFocusFormTimer)
        FFocusFormTimer = FocusTimer(TNotifyEvent(this, &TAdvSmoothSplashScreen::FocusFormTimerTick));
    if (FNewFocusForm)
        FNewFocusForm->RemoveFreeNotification(this);
    FNewFocusForm = form;
    if (form)
        form->FreeNotification(this);
    FFocusFormTimer->SetEnabled(true);
}

void TAdvSmoothSplashScreen::FocusFormTimerTick(TObject *)
{
    ActivateAfter(FFocusFormTimer.get(), FNewFocusForm);
}

void TAdvSmoothSplashScreen::ActivateAfter(TTimer *timer, TCustomForm *form)
{
    timer->SetEnabled(false);
    // Through the framework: no mouse input is made up for it.
    if (form && form->CanFocus())
        form->SetFocus();
}

void TAdvSmoothSplashScreen::FadeIn(int step, int wait, int maximum)
{
    if (FSplashWindow && FSplashWindow->Visible())
        FSplashWindow->FadeIn(step, 3 * wait, maximum);
}

void TAdvSmoothSplashScreen::FadeOut(int step, int wait, int minimum)
{
    if (FSplashWindow && FSplashWindow->Visible())
        FSplashWindow->FadeOut(step, wait, minimum);
}

// ---- Changes ----------------------------------------------------------------------------------------

void TAdvSmoothSplashScreen::Refresh()
{
    if (FShowing && FSplashWindow)
        FSplashWindow->Refresh();
}

void TAdvSmoothSplashScreen::EndUpdate()
{
    if (FUpdateCount > 0)
        --FUpdateCount;
    if (FUpdateCount == 0)
        Refresh();
}

void TAdvSmoothSplashScreen::RepaintWindow()
{
    if (FShowing && FSplashWindow)
        FSplashWindow->Invalidate();
}

void TAdvSmoothSplashScreen::ContentChanged(TObject *)
{
    Refresh();
}

void TAdvSmoothSplashScreen::ProgramInfoChanged(TObject *)
{
    if (!Designing() && !ComponentState().Contains(csLoading))
        Refresh();
}

void TAdvSmoothSplashScreen::ProgressBarChanged(TObject *)
{
    if (Designing() || !FShowing || !FSplashWindow || !FSplashWindow->SplashProgressBar())
        return;
    TAdvSplashProgressBar *bar = FSplashWindow->SplashProgressBar();
    const TGDIPSplashProgress *p = FProgressBar.get();
    bar->SetPosition(p->Position());
    bar->SetGlowAnimation(p->GlowAnimation());
    bar->SetStep(p->Step());
    bar->SetProgressAnimation(p->ProgressAnimation());
    bar->SetMaximum(p->Maximum());
    bar->SetMinimum(p->Minimum());
    bar->SetVisible(p->Visible());
    bar->SetLeft(p->Left());
    bar->SetTop(p->Top());
    bar->SetWidth(p->Width());
    bar->SetHeight(p->Height());
    bar->Appearance()->Assign(FProgressBar.get());
    if (FSplashWindow->ForcedTransparent())
        FSplashWindow->Refresh();
}

void TAdvSmoothSplashScreen::SetComponentStyle(int style)
{
    const TSplashStylePreset &p = SplashStylePreset(style);
    FFill->SetGradientType(gtVertical);
    FFill->SetColor(p.Color);
    FFill->SetColorTo(p.ColorTo);
    FFill->SetColorMirror(clNone);
    FFill->SetColorMirrorTo(clNone);
    FFill->SetBorderColor(p.BorderColor);
}
