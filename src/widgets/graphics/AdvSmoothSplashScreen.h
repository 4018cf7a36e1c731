#pragma once
// TAdvSmoothSplashScreen: a non-visual component that shows a borderless splash window
// (SplashScreenWindow.h) while the program starts: a background fill (usually a picture), the
// program's name, version and copyright, pictures with captions, a list of marked-up lines,
// boxes over the content and a progress bar. It fades the window in and out (dsFadeInOut) or
// shows and hides it at once (dsNormal), and closes it when the main form is first shown
// (CloseOnMainFormShow), when its close timer first fires after TimeOut ms (CloseOnTimeout) or
// when asked to (Hide).
//
// States: not showing and showing; the window exists exactly while showing. Show (from Loaded
// when AutoShow) makes a new window; Show while showing and Hide while not showing do nothing.
// While showing with CloseOnMainFormShow, the main form's OnShow is the component's own handler:
// it closes the splash, then calls the form's own handler once with the same Sender; Hide puts
// the form's own handler back. The main form is the owner when that is a form, the application's
// main form when there is one. Without a main form the splash closes only on time-out or Hide.
//
// Events: OnBeforeShow first in Show; OnClose last in Hide; OnClick for a click on the window;
// OnProgressPositionChanged (Sender: the component) for each position the window's bar reports;
// OnProgressChange is wired to the bar's OnChange, which never fires. Changes of Items (cleared),
// ListItems (cleared or a line's EndUpdate) and BasicProgramInfo (a heading's text) refresh a
// showing window; changes of StayOnTop, TextRendering, the top-layer items and their texts
// repaint it. Everything runs on the GUI thread; fades sleep it for their duration.
//
// Destroying the component while it shows hides and frees its window first. The program carries
// no version resource, so AutoLoad leaves the form's texts as they are; the worker-thread way of
// showing is not offered (the thread type is always ttMainThread). FocusParentForm activates the
// main form through the framework after the splash has closed.

#include <QString>

#include <cstdint>
#include <memory>

#include "platform/runtime/Classes.h"
#include "platform/runtime/EnumNames.h"
#include "platform/runtime/Events.h"
#include "platform/runtime/Timer.h"
#include "widgets/graphics/AdvSplashProgressBar.h"
#include "widgets/graphics/GDIPFill.h"
#include "widgets/graphics/GDIPSplashProgress.h"
#include "widgets/graphics/SplashContent.h"
#include "widgets/graphics/SplashItems.h"

class TCustomForm;
class TCustomImageList;
class TGDIPPictureContainer;
class TSplashScreenWindow;

// A scoped enumeration: the image lists' drawing styles already name a dsNormal.
enum class TDisplayStyle { dsNormal, dsFadeInOut };
inline constexpr auto DisplayStyleNames = EnumNames<TDisplayStyle>("dsNormal", "dsFadeInOut");
enum TDisplayLocation { dlFixedPos, dlCenter };
inline constexpr auto DisplayLocationNames = EnumNames<TDisplayLocation>("dlFixedPos", "dlCenter");
enum TThreadType { ttMainThread, ttSeparateThread };
inline constexpr auto ThreadTypeNames = EnumNames<TThreadType>("ttMainThread", "ttSeparateThread");
// The GDI+ text rendering of every text of the window: AntiAlias, AntiAliasGridFit, ClearTypeGridFit.
enum TAdvSmoothSplashScreenTextRenderingHint { tAntiAlias, tAntiAliasGridFit, tClearType };
inline constexpr auto AdvSmoothSplashScreenTextRenderingHintNames =
    EnumNames<TAdvSmoothSplashScreenTextRenderingHint>("tAntiAlias", "tAntiAliasGridFit", "tClearType");

class TAdvSmoothSplashScreen : public TComponent {
    T_DECLARE_CLASS(TAdvSmoothSplashScreen, TComponent)
    explicit TAdvSmoothSplashScreen(TComponent *AOwner);
    ~TAdvSmoothSplashScreen() override;

    // ---- Published properties (defaults as the constructor sets them) ----
    // The window is made stay-on-top; writing later only repaints a showing window.
    bool StayOnTop() const { return FStayOnTop; }
    void SetStayOnTop(bool value);
    // "1.2.0.0"; writing does nothing.
    QString Version() const;
    void SetVersion(const QString &) {}
    bool AutoShow() const { return FAutoShow; }
    void SetAutoShow(bool value) { FAutoShow = value; }
    // The window takes the fill picture's size.
    bool AutoAdaptPictureSize() const { return FAutoAdaptPictureSize; }
    void SetAutoAdaptPictureSize(bool value) { FAutoAdaptPictureSize = value; }
    TBasicProgramInfo *BasicProgramInfo() const { return FBasicProgramInfo.get(); }
    void SetBasicProgramInfo(TBasicProgramInfo *value) { FBasicProgramInfo->Assign(value); }
    bool CloseOnMainFormShow() const { return FCloseOnMainFormShow; }
    void SetCloseOnMainFormShow(bool value) { FCloseOnMainFormShow = value; }
    bool CloseOnTimeout() const { return FCloseOnTimeout; }
    void SetCloseOnTimeout(bool value) { FCloseOnTimeout = value; }
    TGDIPFill *Fill() const { return FFill.get(); }
    void SetFill(TGDIPFill *value) { FFill->Assign(value); }
    // Milliseconds from the window's creation to the close timer's first tick.
    int TimeOut() const { return FTimeOut; }
    void SetTimeOut(int value) { FTimeOut = value; }
    TGDIPSplashProgress *ProgressBar() const { return FProgressBar.get(); }
    void SetProgressBar(TGDIPSplashProgress *value) { FProgressBar->Assign(value); }
    TSplashItems *Items() const { return FItems.get(); }
    void SetItems(TSplashItems *value) { FItems->Assign(value); }
    // Pixels between an item's picture and its caption.
    int PictureGap() const { return FPictureGap; }
    void SetPictureGap(int value) { FPictureGap = value; }
    TSplashListItems *ListItems() const { return FListItems.get(); }
    void SetListItems(TSplashListItems *value) { FListItems->Assign(value); }
    TSplashListItemsSettings *ListItemsSettings() const { return FListItemsSettings.get(); }
    void SetListItemsSettings(TSplashListItemsSettings *value) { FListItemsSettings->Assign(value); }
    // Named pictures for the list lines and top-layer texts (not owned).
    TGDIPPictureContainer *PictureContainer() const { return FContainer; }
    void SetPictureContainer(TGDIPPictureContainer *value);
    TDisplayStyle DisplayStyle() const { return FDisplayStyle; }
    void SetDisplayStyle(TDisplayStyle value) { FDisplayStyle = value; }
    // dlCenter: centred on the screen; dlFixedPos: at DisplayPosX, DisplayPosY.
    TDisplayLocation DisplayLocation() const { return FDisplayLocation; }
    void SetDisplayLocation(TDisplayLocation value) { FDisplayLocation = value; }
    int DisplayPosX() const { return FDisplayPosX; }
    void SetDisplayPosX(int value) { FDisplayPosX = value; }
    int DisplayPosY() const { return FDisplayPosY; }
    void SetDisplayPosY(int value) { FDisplayPosY = value; }
    // The window's size when the fill picture does not give it.
    int Width() const { return FWidth; }
    void SetWidth(int value) { FWidth = value; }
    int Height() const { return FHeight; }
    void SetHeight(int value) { FHeight = value; }
    // Pictures of items and of "IDX:" images (not owned).
    TCustomImageList *Images() const { return FImages; }
    void SetImages(TCustomImageList *value);
    TAdvSplashTopLayerItems *TopLayerItems() const { return FTopLayerItems.get(); }
    // Copies the items and repaints.
    void SetTopLayerItems(TAdvSplashTopLayerItems *value);
    // The last alpha blend value of a window that is not layered and fades in.
    std::uint8_t MaxOpacity() const { return FMaxOpacity; }
    void SetMaxOpacity(std::uint8_t value) { FMaxOpacity = value; }
    TAdvSmoothSplashScreenTextRenderingHint TextRendering() const { return FTextRendering; }
    void SetTextRendering(TAdvSmoothSplashScreenTextRenderingHint value);

    TNotifyEvent OnProgressChange;
    TAdvSmoothProgressBarPositionChanged OnProgressPositionChanged;
    TNotifyEvent OnClick;
    TNotifyEvent OnBeforeShow;
    TNotifyEvent OnClose;

    // ---- Public ----
    TSplashScreenWindow *SplashWindow() const { return FSplashWindow; }
    bool Showing() const { return FShowing; }
    // After closing, activate the main form.
    bool FocusParentForm() const { return FFocusParentForm; }
    void SetFocusParentForm(bool value) { FFocusParentForm = value; }
    // The form whose OnShow closes the splash; writing moves the hook to the new form.
    TCustomForm *MainForm() const { return FMainForm; }
    void SetMainForm(TCustomForm *value);
    TThreadType ThreadType() const { return FThreadType; }
    // Runs from the window's creation until Hide.
    TTimer *CloseTimer() const { return FCloseTimer; }

    void Loaded() override;
    void Notification(TComponent *AComponent, TOperation Operation) override;
    void Show();
    // The position is not used: the window goes where DisplayLocation says.
    void Show(int X, int Y);
    void Hide();
    void FadeIn(int step, int wait, int maximum);
    void FadeOut(int step, int wait, int minimum);
    // Renders a showing window again.
    void Refresh();
    void BeginUpdate() { ++FUpdateCount; }
    // Back at 0: Refresh.
    void EndUpdate();
    // Activates the form 20 ms later.
    void SetFocusToForm(TCustomForm *form);
    // The fill's colours of a style preset (0 to 15).
    void SetComponentStyle(int style);
    QString GetThemeID() const { return ClassName(); }
    void LoadFromTheme(const QString &) {}
    void SaveToTheme(const QString &) {}

    // Repaints a showing window (what the content objects call on a change).
    void RepaintWindow();

private:
    friend TSplashScreenWindow *CreateSplashWindow(TAdvSmoothSplashScreen *component);
    // Lends the form's OnShow to MainFormShow / gives it back (nothing when not lent).
    void Hook(TCustomForm *form);
    void Unhook();
    // The form becomes the main form (heard of when it is destroyed).
    void Adopt(TCustomForm *form);
    void MainFormShow(TObject *Sender);
    void CloseTimerTick(TObject *Sender);
    void FocusTimerTick(TObject *Sender);
    void FocusFormTimerTick(TObject *Sender);
    void ProgressBarChanged(TObject *Sender);
    void ContentChanged(TObject *Sender);
    void ProgramInfoChanged(TObject *Sender);
    void LoadVersionInfo();
    // Stops the focus step's timer and activates the form (when there is one).
    void ActivateAfter(TTimer *timer, TCustomForm *form);
    bool Designing() const { return ComponentState().Contains(csDesigning); }

    bool FAutoShow = true;
    bool FCloseOnTimeout = false;
    bool FCloseOnMainFormShow = true;
    int FTimeOut = 1000;
    TDisplayLocation FDisplayLocation = dlCenter;
    TDisplayStyle FDisplayStyle = TDisplayStyle::dsFadeInOut;
    std::unique_ptr<TGDIPSplashProgress> FProgressBar;
    TCustomImageList *FImages = nullptr;
    std::unique_ptr<TSplashItems> FItems;
    int FDisplayPosY = 0;
    int FDisplayPosX = 0;
    bool FShowing = false;
    TSplashScreenWindow *FSplashWindow = nullptr;
    TNotifyEvent FOldMainFormShow;
    int FHeight = 400;
    int FWidth = 600;
    TTimer *FCloseTimer = nullptr;  // owned as a component
    TThreadType FThreadType = ttMainThread;
    TCustomForm *FMainForm = nullptr;
    bool FHooked = false;
    int FPictureGap = 5;
    std::unique_ptr<TSplashListItems> FListItems;
    std::unique_ptr<TBasicProgramInfo> FBasicProgramInfo;
    int FUpdateCount = 0;
    std::unique_ptr<TGDIPFill> FFill;
    std::unique_ptr<TSplashListItemsSettings> FListItemsSettings;
    TGDIPPictureContainer *FContainer = nullptr;
    std::unique_ptr<TAdvSplashTopLayerItems> FTopLayerItems;
    std::uint8_t FMaxOpacity = 255;
    bool FAutoAdaptPictureSize = true;
    std::unique_ptr<TTimer> FFocusTimer;
    bool FFocusParentForm = false;
    std::unique_ptr<TTimer> FFocusFormTimer;
    TCustomForm *FNewFocusForm = nullptr;
    TAdvSmoothSplashScreenTextRenderingHint FTextRendering = tClearType;
    bool FStayOnTop = true;
};
