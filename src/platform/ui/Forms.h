#pragma once
// TCustomForm and TForm: the program's windows. A form is a top-level window (caption, border
// style and icons, position, stay-on-top, window state) whose client area holds its controls; it
// keeps its own focused control (ActiveControl), can see keys before its controls (KeyPreview),
// gives Enter and Esc to its push buttons (DialogButton.h), and runs modally with ShowModal (a
// nested message loop ended by ModalResult or Close; the windows there when it starts take no
// input until it ends, a form shown meanwhile takes input beside it).
//
// A form class of the program:
//
//   class TfmExit : public TForm {
//       T_DECLARE_CLASS(TfmExit, TForm)
//       explicit TfmExit(TComponent *AOwner) : TForm(AOwner) { InitializeForm(); }
//       TLabel *lbQuit = nullptr;                    // fields set by the form reader
//       void FormShow(TObject *Sender);              // handlers bound by name
//   };
//   T_IMPLEMENT_CLASS(TfmExit) { b.Field("lbQuit", &TfmExit::lbQuit); b.Handler("FormShow", &TfmExit::FormShow); }
//
// InitializeForm reads the form definition named after the class (resources/forms/TfmExit.dfm)
// and then fires OnCreate. A form class that handles OnDestroy calls DoDestroy() first in its own
// destructor (a base destructor cannot call the derived class's handlers).
//
// Events: OnCreate; OnShow when the form is about to appear, then OnActivate when it becomes the
// active form (OnDeactivate when another does); Close asks OnCloseQuery, then OnClose with its
// action (caHide hides, caFree releases, caNone keeps it open; closing the main form ends the
// program); OnHide; OnResize; OnPaint after the background is erased. Showing and hiding a form
// happen only through Show/ShowModal/Visible: nothing else makes a hidden form appear.

#include <QImage>
#include <QPointer>

#include <cstdint>

#include <memory>

#include "platform/runtime/EnumNames.h"
#include "platform/ui/ControlsCanvas.h"
#include "platform/ui/ControlsScrollingWinControl.h"
#include "platform/ui/ModalResult.h"

class TDialogButton;
class TMainMenu;
class TFormWindow;
class QWidget;

enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
inline constexpr auto BorderIconNames = EnumNames<TBorderIcon>("biSystemMenu", "biMinimize", "biMaximize", "biHelp");
enum TPosition {
    poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter, poMainFormCenter,
    poOwnerFormCenter
};
inline constexpr auto PositionNames =
    EnumNames<TPosition>("poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter",
                         "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter");
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
inline constexpr auto FormStyleNames = EnumNames<TFormStyle>("fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop");
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
inline constexpr auto WindowStateNames = EnumNames<TWindowState>("wsNormal", "wsMinimized", "wsMaximized");
enum TFormStateItem { fsCreating, fsVisible, fsShowing, fsModal, fsCreatedMDIChild, fsActivated };
using TFormState = TSet<TFormStateItem>;

class TCustomForm : public TScrollingWinControl {
    T_DECLARE_CLASS(TCustomForm, TScrollingWinControl)
    explicit TCustomForm(TComponent *AOwner);
    ~TCustomForm() override;

    // ---- Window ----
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle value);
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons value);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition value) { FPosition = value; }
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle value);
    TWindowState WindowState() const { return FWindowState; }
    void SetWindowState(TWindowState value);
    TMainMenu *Menu() const { return FMenu; }
    void SetMenu(TMainMenu *value);
    int PixelsPerInch() const { return 96; }
    void SetPixelsPerInch(int) {}
    TPoint ClientOrigin() const override;
    TCanvas *Canvas() const { return FCanvas.get(); }
    // The top-level window (nullptr before the form's window exists).
    QWidget *Window() const;
    // The form whose window this form's window stays above (its owner window, which the window
    // system also minimises and restores with it): the innermost running modal form that does
    // not block this one, else the application's main form; nullptr for the main form itself
    // and when that form is not shown. Decided when the form shows and when a modal form starts
    // or ends.
    TCustomForm *OwnerForm() const;

    // ---- Translucency and activation ----
    // With AlphaBlend on, the whole window shows at AlphaBlendValue / 255 opacity.
    bool AlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool value);
    std::uint8_t AlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(std::uint8_t value);
    // A window that never becomes the active one (the extended style WS_EX_NOACTIVATE): showing
    // it or clicking into it leaves the active form and the keyboard focus where they are.
    bool NoActivate() const { return FNoActivate; }
    void SetNoActivate(bool value);
    // A layered window (WS_EX_LAYERED) shows, in place of its painted client area, the pixels last
    // given to UpdateLayered with their own alpha, the whole at `alpha` / 255 opacity; until then
    // it shows nothing. Set it before the window first shows: the window system picks a window's
    // kind of pixels when it makes the window.
    bool Layered() const { return FLayered; }
    void SetLayered(bool value);
    void UpdateLayered(const QImage &pixels, std::uint8_t alpha);
    const QImage &LayeredPixels() const { return FLayeredPixels; }
    std::uint8_t LayeredAlpha() const { return FLayeredAlpha; }

    // ---- Showing ----
    void Show();
    void Hide() { SetVisible(false); }
    // Runs the form modally and returns its ModalResult (mrCancel when the program ends first).
    virtual TModalResult ShowModal();
    // Asks OnCloseQuery and OnClose; a modal form gets ModalResult mrCancel instead.
    void Close();
    bool CloseQuery();
    // Destroys the form once the messages being handled are done.
    void Release();
    // Brings a shown form to the user: restored when minimised, raised above the other windows and
    // made the active form (the window system's restore, bring-to-top and set-foreground).
    void BringToForeground();
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value) { FModalResult = value; }
    TFormState FormState() const { return FFormState; }
    bool Active() const { return FActive; }
    bool IsShowing() const override;

    // ---- Focus ----
    TWinControl *ActiveControl() const { return FActiveControl; }
    void SetActiveControl(TWinControl *control);
    void FocusControl(TWinControl *control);
    void SetFocus() override;
    bool CanFocus() override;
    // Focus bookkeeping when `control` takes the focus: CM_EXIT/CM_ENTER down the chain and
    // CM_FOCUSCHANGED; false when a handler moved the focus elsewhere meanwhile.
    bool SetFocusedControl(TWinControl *control);
    // The control is going away (or hidden): the form forgets it as its focused control.
    void DefocusControl(TWinControl *control, bool removing);
    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool value) { FKeyPreview = value; }
    // The push button Enter (VK_RETURN) or Esc (VK_ESCAPE) clicks now (DialogButton.h), or nullptr.
    TDialogButton *DialogKeyButton(WORD key) const;

    // Accepted from form definitions.
    bool OldCreateOrder = false;
    bool Scaled = true;
    int TextHeight = 13;

    // ---- Events ----
    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnPaint;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

    void DoCreate();
    void DoDestroy();
    void Loaded() override;
    // Streaming: the form's controls, then its components that have no parent (menus, timers ...).
    void GetChildren(const TGetChildProc &Proc, TComponent *Root) override;
    void Notification(TComponent *AComponent, TOperation Operation) override;

protected:
    // Reads the form's definition (named after its class) and fires OnCreate.
    void InitializeForm();
    virtual void Paint();
    void PaintWindow(TCanvas *dc) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    QWidget *CreateWidget(QWidget *parent) override;
    void UpdateWidgetGeometry() override;
    // The client area lives in the form's top-level window, whatever the form's parent.
    QWidget *HostWidget() override;
    void UpdateWidgetVisibility() override;
    TRect ClientAreaWithoutScrollBars() const override;
    QRect WidgetRect() override;
    QWidget *ScrollBarHost() override;
    TPoint ClientOffsetInHost() override;
    // The shape applies to the top-level window too.
    void ApplyWindowRegion() override;
    // The handler runs from a copy: it may put another handler in its place.
    virtual void DoShow()
    {
        if (const TNotifyEvent handler = OnShow)
            handler(this);
    }
    virtual void DoHide() { if (OnHide) OnHide(this); }
    virtual void Activate() { if (OnActivate) OnActivate(this); }
    virtual void Deactivate() { if (OnDeactivate) OnDeactivate(this); }
    virtual void DoClose(TCloseAction &action) { if (OnClose) OnClose(this, action); }

protected:  // message handlers, registered by number in the class description
    void CMActivate(TMessage &m);
    void CMDeactivate(TMessage &m);
    void CMDialogKey(TMessage &m);
    void CMShowingChanged(TMessage &m);
    void CMVisibleChanged(TMessage &m);
    void CMRelease(TMessage &m);
    void WMClose(TMessage &m);
    void CMTextChanged(TMessage &m);
protected:

private:
    friend class TFormWindow;
    friend class TScreen;
    void SetActive(bool value);
    void CloseModal();
    void RaiseWindow();
    // Tells the window system the owner window (OwnerForm), which also decides whether the running
    // modal forms block this form's window.
    void UpdateWindowBlocking();
    void PlaceWindow();
    // Non-client size: frame on each side, caption and menu bar.
    int FrameWidth() const;
    int CaptionHeight() const;
    int MenuHeight() const;
    // The window was resized or moved by the window system.
    void WindowGeometryChanged(const QRect &frame);
    // The window system minimised, maximised or restored the window.
    void WindowStateChangedBySystem(Qt::WindowStates states);
    void WindowCloseRequested();
    // The client size a definition gives (below the menu bar, without scroll bars).
    void SetDesignedClientWidth(int value);
    void SetDesignedClientHeight(int value);
    void ApplyDesignedClientSize();
    void ApplyOpacity();
    // A layered window's client area shows its pixels.
    void WidgetPaint(const QRegion &region) override;

    TFormBorderStyle FBorderStyle = bsSizeable;
    TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
    TPosition FPosition = poDefaultPosOnly;
    TFormStyle FFormStyle = fsNormal;
    TWindowState FWindowState = wsNormal;
    TMainMenu *FMenu = nullptr;
    std::unique_ptr<TControlCanvas> FCanvas;
    QPointer<TFormWindow> FWindow;
    TWinControl *FActiveControl = nullptr;
    TWinControl *FFocusedControl = nullptr;
    bool FKeyPreview = false;
    bool FActive = false;
    bool FCreated = false;
    bool FDestroyed = false;
    bool FShownOnce = false;
    int FFocusCount = 0;
    TModalResult FModalResult = mrNone;
    TFormState FFormState;
    int FDesignedClientWidth = -1;  // while the form is read (-1: not given)
    int FDesignedClientHeight = -1;
    bool FAlphaBlend = false;
    std::uint8_t FAlphaBlendValue = 255;
    bool FNoActivate = false;
    bool FLayered = false;
    QImage FLayeredPixels;
    std::uint8_t FLayeredAlpha = 255;
};

class TForm : public TCustomForm {
    T_DECLARE_CLASS(TForm, TCustomForm)
    explicit TForm(TComponent *AOwner) : TCustomForm(AOwner) {}
};

// The form a control is on: the outermost one (topForm), or the nearest; nullptr when none.
TCustomForm *GetParentForm(TControl *control, bool topForm = true);
// The same, failing with EInvalidOperation when there is none.
TCustomForm *ValidParentForm(TControl *control, bool topForm = true);
// The window flags of a form's window: its kind (dialog, tool or ordinary window), exactly the
// title-bar buttons of its border icons that its border style has, stay-on-top and no-activate.
Qt::WindowFlags WindowFlagsOf(TFormBorderStyle style, TBorderIcons icons, TFormStyle formStyle, bool noActivate);
// The window a message box or a common dialog shown now stays above: that of the innermost
// running modal form, else of the main form (nullptr when neither is shown).
QWidget *DialogOwnerWindow();
