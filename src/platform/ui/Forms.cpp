#include "platform/ui/Forms.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPainter>
#include <QWidget>
#include <QWindow>

#include "platform/ui/Application.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/ControlsInput.h"
#include "platform/ui/ControlsWidget.h"
#include "platform/ui/DialogButton.h"
#include "platform/runtime/FormReader.h"
#include "platform/ui/Menus.h"
#include "platform/ui/Screen.h"
#include "platform/ui/ScriptedAnswers.h"

namespace {

constexpr int kMenuHeight = 20;
// The size of a new form; a definition that keeps it writes no client size.
constexpr int kNewFormWidth = 320;
constexpr int kNewFormHeight = 240;

}  // namespace

// The top-level window of a form: the menu bar (if any) above the client area.
class TFormWindow : public QWidget {
public:
    explicit TFormWindow(TCustomForm *form) : QWidget(nullptr, Qt::Window), form_(form)
    {
        setFocusPolicy(Qt::StrongFocus);
        setAttribute(Qt::WA_DeleteOnClose, false);
    }

    // The form lets go of its window: what Qt delivers to the window from now on is ignored.
    void Detach()
    {
        form_ = nullptr;
        DetachControlWidget(this);
    }

    void SetMenuBar(QMenuBar *bar)
    {
        if (menuBar_ == bar)
            return;
        if (menuBar_) {
            menuBar_->hide();
            menuBar_->setParent(nullptr);
        }
        menuBar_ = bar;
        if (bar) {
            bar->setParent(this);
            bar->show();
        }
        Layout();
    }

    void ReleaseMenuBar() { SetMenuBar(nullptr); }

    // The window system's window, before the window is shown.
    QWindow *MakeWindowHandle()
    {
        create();
        return windowHandle();
    }

    void Layout()
    {
        if (menuBar_)
            menuBar_->setGeometry(0, 0, width(), kMenuHeight);
    }

protected:
    void resizeEvent(QResizeEvent *) override
    {
        Layout();
        Report();
    }
    void moveEvent(QMoveEvent *) override { Report(); }
    void closeEvent(QCloseEvent *event) override
    {
        event->ignore();
        if (form_)
            Guard([this] { form_->WindowCloseRequested(); });
    }
    void changeEvent(QEvent *event) override
    {
        // The window system may tell of an activation after the form was hidden again.
        if (event->type() == QEvent::ActivationChange && isActiveWindow() && Screen && form_ && !form_->NoActivate() &&
            form_->Visible())
            Guard([this] { Screen->ActivateForm(form_); });
        if (event->type() == QEvent::WindowStateChange && form_)
            form_->WindowStateChangedBySystem(windowState());
        QWidget::changeEvent(event);
    }

private:
    void Report()
    {
        if (isVisible() && form_)
            Guard([this] { form_->WindowGeometryChanged(geometry()); });
    }
    template <class F>
    void Guard(F f)
    {
        if (Application)
            Application->Guarded(form_, f);
        else
            f();
    }

    TCustomForm *form_;
    QMenuBar *menuBar_ = nullptr;
};

T_IMPLEMENT_CLASS(TCustomForm)
{
    // A form is placed by its Position; Left and Top are written only where it was put.
    b.Int("Left", &TCustomForm::Left, &TCustomForm::SetLeft).Default(0);
    b.Int("Top", &TCustomForm::Top, &TCustomForm::SetTop).Default(0);
    b.Int("Width", &TCustomForm::Width, &TCustomForm::SetWidth).Stored(false);
    b.Int("Height", &TCustomForm::Height, &TCustomForm::SetHeight).Stored(false);
    b.Bool("ParentColor", &TCustomForm::ParentColor, &TCustomForm::SetParentColor).Default(false);
    b.Color("Color", &TCustomForm::Color, &TCustomForm::SetColor)
        .Default(clBtnFace)
        .Idents(ColorIdents())
        .Stored([](const TCustomForm &f) { return !f.ParentColor(); });
    b.Bool("Visible", &TCustomForm::Visible, &TCustomForm::SetVisible).Default(false);
    b.Ref("ActiveControl", &TCustomForm::ActiveControl, &TCustomForm::SetActiveControl);
    b.Set("BorderIcons", &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons, BorderIconNames)
        .Default(TBorderIcons{biSystemMenu, biMinimize, biMaximize});
    b.Enum("BorderStyle", &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle, FormBorderStyleNames)
        .Default(bsSizeable);
    b.Str("Caption", &TCustomForm::Caption, &TCustomForm::SetCaption);
    // The client size below the menu bar and without scroll bars, so that it reads back the same
    // whatever the order of the menu, the border and the controls in the definition.
    b.Int("ClientHeight", [](const TCustomForm &f) { return f.ClientAreaWithoutScrollBars().Height(); },
          &TCustomForm::SetDesignedClientHeight)
        .Stored([](const TCustomForm &f) { return f.Height() != kNewFormHeight; });
    b.Int("ClientWidth", [](const TCustomForm &f) { return f.ClientAreaWithoutScrollBars().Width(); },
          &TCustomForm::SetDesignedClientWidth)
        .Stored([](const TCustomForm &f) { return f.Width() != kNewFormWidth; });
    b.Enum("FormStyle", &TCustomForm::FormStyle, &TCustomForm::SetFormStyle, FormStyleNames).Default(fsNormal);
    b.Bool("KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview).Default(false);
    b.Ref("Menu", &TCustomForm::Menu, &TCustomForm::SetMenu);
    b.Int("PixelsPerInch", &TCustomForm::PixelsPerInch, &TCustomForm::SetPixelsPerInch).Stored(false);
    b.Enum("Position", &TCustomForm::Position, &TCustomForm::SetPosition, PositionNames).Default(poDefaultPosOnly);
    b.Enum("WindowState", &TCustomForm::WindowState, &TCustomForm::SetWindowState, WindowStateNames).Default(wsNormal);
    b.Bool("OldCreateOrder", &TCustomForm::OldCreateOrder, &TCustomForm::OldCreateOrder).Default(false);
    b.Bool("Scaled", &TCustomForm::Scaled, &TCustomForm::Scaled).Default(true);
    b.Int("TextHeight", &TCustomForm::TextHeight, &TCustomForm::TextHeight).Stored(false);
    b.Event("OnActivate", &TCustomForm::OnActivate);
    b.Event("OnClose", &TCustomForm::OnClose);
    b.Event("OnCloseQuery", &TCustomForm::OnCloseQuery);
    b.Event("OnCreate", &TCustomForm::OnCreate);
    b.Event("OnDeactivate", &TCustomForm::OnDeactivate);
    b.Event("OnDestroy", &TCustomForm::OnDestroy);
    b.Event("OnHide", &TCustomForm::OnHide);
    b.Event("OnPaint", &TCustomForm::OnPaint);
    b.Event("OnShow", &TCustomForm::OnShow);

    b.Message(CM_ACTIVATE, &TCustomForm::CMActivate);
    b.Message(CM_DEACTIVATE, &TCustomForm::CMDeactivate);
    b.Message(CM_DIALOGKEY, &TCustomForm::CMDialogKey);
    b.Message(CM_VISIBLECHANGED, &TCustomForm::CMVisibleChanged);
    b.Message(CM_RELEASE, &TCustomForm::CMRelease);
    b.Message(CM_TEXTCHANGED, &TCustomForm::CMTextChanged);
    b.Message(WM_CLOSE, &TCustomForm::WMClose);
}

T_IMPLEMENT_CLASS(TForm) {}

TCustomForm::TCustomForm(TComponent *AOwner) : TScrollingWinControl(AOwner), FCanvas(std::make_unique<TControlCanvas>(this))
{
    FVisible = false;
    FParentColor = false;
    FColor = clBtnFace;
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    FWidth = kNewFormWidth;
    FHeight = kNewFormHeight;
    Screen->AddForm(this);
}

TCustomForm::~TCustomForm()
{
    // Handlers of the derived form are gone by now; only handlers of other objects still run.
    if (!FDestroyed && OnDestroy && OnDestroy.Target() != this)
        DoDestroy();
    if (TInputRouter::FocusedWindow() && ContainsControl(TInputRouter::FocusedWindow()))
        TInputRouter::SetFocusedWindow(nullptr);
    Screen->RemoveForm(this);
    if (FMenu)
        FMenu->RemoveFreeNotification(this);
    // The top-level window goes with the form (the base destructor would reach only the
    // control's own widget).
    DestroyWnd();
}

void TCustomForm::InitializeForm()
{
    InitInheritedComponent(this);
    DoCreate();
}

void TCustomForm::DoCreate()
{
    if (OnCreate)
        OnCreate(this);
}

void TCustomForm::DoDestroy()
{
    if (FDestroyed)
        return;
    FDestroyed = true;
    if (OnDestroy)
        OnDestroy(this);
}

void TCustomForm::SetDesignedClientWidth(int value)
{
    FDesignedClientWidth = value;
    ApplyDesignedClientSize();
}

void TCustomForm::SetDesignedClientHeight(int value)
{
    FDesignedClientHeight = value;
    ApplyDesignedClientSize();
}

void TCustomForm::ApplyDesignedClientSize()
{
    const TRect area = ClientAreaWithoutScrollBars();
    const int w = FDesignedClientWidth < 0 ? FWidth : FWidth - area.Width() + FDesignedClientWidth;
    const int h = FDesignedClientHeight < 0 ? FHeight : FHeight - area.Height() + FDesignedClientHeight;
    SetBounds(FLeft, FTop, w, h);
    // While the form is read, the menu and the border may still change the frame: Loaded applies
    // the size again.
    if (!ComponentState().Contains(csLoading))
        FDesignedClientWidth = FDesignedClientHeight = -1;
}

void TCustomForm::Loaded()
{
    inherited::Loaded();
    ApplyDesignedClientSize();
    if (TWinControl *c = FActiveControl) {
        FActiveControl = nullptr;
        if (c->CanFocus())
            SetActiveControl(c);
    }
    // A form that was read as visible appears now.
    if (FVisible)
        Perform(CM_VISIBLECHANGED, 1);
}

void TCustomForm::GetChildren(const TGetChildProc &Proc, TComponent *Root)
{
    inherited::GetChildren(Proc, Root);
    TComponent::GetChildren(Proc, Root);
}

void TCustomForm::Notification(TComponent *AComponent, TOperation Operation)
{
    inherited::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == FMenu) {
        if (FWindow)
            FWindow->ReleaseMenuBar();
        FMenu = nullptr;
    }
    if (AComponent == FActiveControl)
        FActiveControl = nullptr;
    if (AComponent == FFocusedControl)
        FFocusedControl = nullptr;
}

// ---- Window --------------------------------------------------------------------------------------------

int TCustomForm::FrameWidth() const
{
    switch (FBorderStyle) {
    case bsNone: return 0;
    case bsSizeable:
    case bsSizeToolWin: return 4;
    default: return 3;
    }
}

int TCustomForm::CaptionHeight() const
{
    switch (FBorderStyle) {
    case bsNone: return 0;
    case bsToolWindow:
    case bsSizeToolWin: return 16;
    default: return 20;
    }
}

int TCustomForm::MenuHeight() const
{
    return FMenu ? kMenuHeight : 0;
}

TRect TCustomForm::ClientAreaWithoutScrollBars() const
{
    const int f = FrameWidth();
    return TRect(0, 0, std::max(0, FWidth - 2 * f), std::max(0, FHeight - 2 * f - CaptionHeight() - MenuHeight()));
}

TPoint TCustomForm::ClientOrigin() const
{
    const int f = FrameWidth();
    return TPoint(FLeft + f, FTop + f + CaptionHeight() + MenuHeight());
}

QWidget *TCustomForm::Window() const
{
    return FWindow.data();
}

QRect TCustomForm::WidgetRect()
{
    const TRect cr = GetClientRect();
    return QRect(0, MenuHeight(), std::max(1, cr.Width()), std::max(1, cr.Height()));
}

QWidget *TCustomForm::ScrollBarHost()
{
    return FWindow.data();
}

TPoint TCustomForm::ClientOffsetInHost()
{
    return TPoint(0, MenuHeight());
}

QWidget *TCustomForm::CreateWidget(QWidget *)
{
    FWindow = new TFormWindow(this);
    AttachControlWidget(FWindow, this);
    return new TControlWidget(this, FWindow);
}

void TCustomForm::CreateWnd()
{
    inherited::CreateWnd();
    if (!FWindow)
        return;
    FWindow->setAttribute(Qt::WA_TranslucentBackground, FLayered);
    ApplyOpacity();
    FWindow->setWindowTitle(Caption());
    SetBorderStyle(FBorderStyle);
    if (FMenu)
        FWindow->SetMenuBar(FMenu->MenuBar());
    UpdateWidgetGeometry();
}

void TCustomForm::DestroyWnd()
{
    TFormWindow *window = FWindow.data();
    if (window) {
        window->ReleaseMenuBar();
        window->Detach();
    }
    inherited::DestroyWnd();
    FWindow = nullptr;
    if (window) {
        window->hide();
        window->deleteLater();
    }
}

void TCustomForm::UpdateWidgetGeometry()
{
    if (!FWindow) {
        inherited::UpdateWidgetGeometry();
        return;
    }
    const TPoint origin = ClientOrigin();
    const int menu = MenuHeight();
    const int f = FrameWidth();
    const int w = std::max(1, FWidth - 2 * f);
    const int h = std::max(1, FHeight - 2 * f - CaptionHeight());
    FWindow->setGeometry(origin.X, origin.Y - menu, w, h);
    if (FBorderStyle != bsSizeable && FBorderStyle != bsSizeToolWin)
        FWindow->setFixedSize(w, h);
    FWindow->Layout();
    inherited::UpdateWidgetGeometry();
}

QWidget *TCustomForm::HostWidget()
{
    return FWindow ? FWindow.data() : inherited::HostWidget();
}

void TCustomForm::UpdateWidgetVisibility()
{
    inherited::UpdateWidgetVisibility();
    // Only Show, Hide and Visible show or hide the window; the client area is always visible in it,
    // also when the window was made while the form was hidden.
    if (QWidget *client = WidgetIfCreated())
        client->setVisible(true);
}

void TCustomForm::ApplyWindowRegion()
{
    inherited::ApplyWindowRegion();
    if (!FWindow)
        return;
    // The window holds the menu bar above the client area.
    if (const auto &region = WindowRegion()) {
        TRegion shape = *region;
        shape.Offset(0, MenuHeight());
        FWindow->setMask(shape.Native());
    } else {
        FWindow->clearMask();
    }
}

// ---- Translucency and activation ------------------------------------------------------------------------

void TCustomForm::SetAlphaBlend(bool value)
{
    FAlphaBlend = value;
    ApplyOpacity();
}

void TCustomForm::SetAlphaBlendValue(std::uint8_t value)
{
    FAlphaBlendValue = value;
    ApplyOpacity();
}

void TCustomForm::SetNoActivate(bool value)
{
    if (FNoActivate == value)
        return;
    FNoActivate = value;
    SetBorderStyle(FBorderStyle);
}

void TCustomForm::SetLayered(bool value)
{
    if (FLayered == value)
        return;
    FLayered = value;
    if (FWindow)
        FWindow->setAttribute(Qt::WA_TranslucentBackground, value);
    ApplyOpacity();
    if (QWidget *client = WidgetIfCreated())
        client->update();
}

void TCustomForm::UpdateLayered(const QImage &pixels, std::uint8_t alpha)
{
    FLayeredPixels = pixels;
    FLayeredAlpha = alpha;
    ApplyOpacity();
    if (QWidget *client = WidgetIfCreated(); client && FLayered)
        client->update();
}

void TCustomForm::ApplyOpacity()
{
    if (!FWindow)
        return;
    const std::uint8_t alpha = FLayered ? FLayeredAlpha : FAlphaBlend ? FAlphaBlendValue : 255;
    // Only a change goes to the window system (some platforms refuse opacity altogether).
    if (FWindow->windowOpacity() != alpha / 255.0)
        FWindow->setWindowOpacity(alpha / 255.0);
}

void TCustomForm::WidgetPaint(const QRegion &region)
{
    if (!FLayered) {
        inherited::WidgetPaint(region);
        return;
    }
    QPainter p(WidgetIfCreated());
    p.setClipRegion(region);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(region.boundingRect(), Qt::transparent);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (!FLayeredPixels.isNull())
        p.drawImage(0, 0, FLayeredPixels);
}

void TCustomForm::WindowGeometryChanged(const QRect &g)
{
    const int f = FrameWidth();
    const int left = g.x() - f, top = g.y() - f - CaptionHeight();
    const int width = g.width() + 2 * f, height = g.height() + 2 * f + CaptionHeight();
    if (left != FLeft || top != FTop || width != FWidth || height != FHeight)
        SetBounds(left, top, width, height);
}

void TCustomForm::WindowCloseRequested()
{
    Close();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle value)
{
    if (FBorderStyle != value) {
        // The frame takes another share of the bounds: the client area changes.
        FBorderStyle = value;
        ResizeBacking();
        Realign();
        UpdateWidgetGeometry();
    }
    if (!FWindow)
        return;
    const bool shown = FWindow->isVisible();
    FWindow->setWindowFlags(WindowFlagsOf(value, FBorderIcons, FFormStyle, FNoActivate));
    FWindow->setAttribute(Qt::WA_ShowWithoutActivating, FNoActivate);
    if (shown)
        FWindow->show();
}

Qt::WindowFlags WindowFlagsOf(TFormBorderStyle style, TBorderIcons icons, TFormStyle formStyle, bool noActivate)
{
    Qt::WindowFlags flags = Qt::Window;
    switch (style) {
    case bsNone: flags |= Qt::FramelessWindowHint; break;
    case bsDialog: flags = Qt::Dialog; break;
    case bsToolWindow:
    case bsSizeToolWin: flags = Qt::Tool; break;
    default: break;
    }
    if (style != bsNone) {
        // Exactly the buttons the border icons ask for, not the window system's defaults: the
        // title-bar buttons all hang on the system menu, minimise and maximise exist only on the
        // ordinary frames, context help only on a dialog's.
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        const bool menu = icons.Contains(biSystemMenu);
        const bool ordinary = style == bsSingle || style == bsSizeable;
        if (menu)
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (menu && ordinary && icons.Contains(biMinimize))
            flags |= Qt::WindowMinimizeButtonHint;
        if (menu && ordinary && icons.Contains(biMaximize))
            flags |= Qt::WindowMaximizeButtonHint;
        if (menu && style == bsDialog && icons.Contains(biHelp))
            flags |= Qt::WindowContextHelpButtonHint;
    }
    if (formStyle == fsStayOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    if (noActivate)
        flags |= Qt::WindowDoesNotAcceptFocus;
    return flags;
}

void TCustomForm::SetBorderIcons(TBorderIcons value)
{
    FBorderIcons = value;
    SetBorderStyle(FBorderStyle);
}

void TCustomForm::SetFormStyle(TFormStyle value)
{
    FFormStyle = value;
    SetBorderStyle(FBorderStyle);
}

void TCustomForm::SetWindowState(TWindowState value)
{
    FWindowState = value;
    if (!FWindow || !FWindow->isVisible())
        return;
    switch (value) {
    case wsMaximized: FWindow->showMaximized(); break;
    case wsMinimized: FWindow->showMinimized(); break;
    default: FWindow->showNormal(); break;
    }
}

void TCustomForm::WindowStateChangedBySystem(Qt::WindowStates states)
{
    if (states & Qt::WindowMinimized)
        FWindowState = wsMinimized;
    else if (states & Qt::WindowMaximized)
        FWindowState = wsMaximized;
    else
        FWindowState = wsNormal;
}

void TCustomForm::BringToForeground()
{
    if (!FVisible)
        return;
    if (FWindowState == wsMinimized) {
        if (FWindow && FWindow->isVisible()) {
            // Back to the state before minimising, maximised or normal.
            FWindow->setWindowState(FWindow->windowState() & ~Qt::WindowMinimized);
            WindowStateChangedBySystem(FWindow->windowState());
        } else {
            FWindowState = wsNormal;
        }
    }
    RaiseWindow();
    if (FWindow)
        FWindow->activateWindow();
    if (Screen)
        Screen->ActivateForm(this);
}

void TCustomForm::SetMenu(TMainMenu *value)
{
    if (FMenu == value)
        return;
    if (FMenu) {
        FMenu->RemoveFreeNotification(this);
        if (FWindow)
            FWindow->ReleaseMenuBar();
    }
    FMenu = value;
    if (value) {
        value->FreeNotification(this);
        if (FWindow)
            FWindow->SetMenuBar(value->MenuBar());
    }
    // The menu bar takes its height from the client area.
    UpdateWidgetGeometry();
    ResizeBacking();
    Realign();
}

void TCustomForm::CMTextChanged(TMessage &m)
{
    if (FWindow)
        FWindow->setWindowTitle(Caption());
    DispatchFrom(inherited::StaticClass(), m);
}

// ---- Showing --------------------------------------------------------------------------------------------

bool TCustomForm::IsShowing() const
{
    return FVisible && FWindow && FWindow->isVisible();
}

void TCustomForm::PlaceWindow()
{
    TCustomForm *center = nullptr;
    switch (FPosition) {
    case poMainFormCenter: center = Application ? dynamic_cast<TCustomForm *>(Application->MainForm()) : nullptr; break;
    case poOwnerFormCenter: center = dynamic_cast<TCustomForm *>(Owner()); break;
    case poScreenCenter:
    case poDesktopCenter: break;
    default: return;
    }
    if (center == this || (center && !center->Visible()))
        center = nullptr;
    if (center)
        SetBounds(center->Left() + (center->Width() - FWidth) / 2, center->Top() + (center->Height() - FHeight) / 2,
                  FWidth, FHeight);
    else
        SetBounds((Screen->Width() - FWidth) / 2, (Screen->Height() - FHeight) / 2, FWidth, FHeight);
}

void TCustomForm::Show()
{
    SetVisible(true);
    RaiseWindow();
}

void TCustomForm::RaiseWindow()
{
    // The offscreen platform (tests) cannot raise windows.
    if (FWindow && QGuiApplication::platformName() != QLatin1String("offscreen"))
        FWindow->raise();
}

void TCustomForm::CMVisibleChanged(TMessage &)
{
    if (ComponentState().Contains(csLoading))
        return;
    if (FVisible) {
        DoShow();
        if (!FVisible)
            return;
        HandleNeeded();
        // The window may have been made while the form was hidden (ShowModal makes it first).
        UpdateWidgetVisibility();
        PlaceWindow();
        if (FWindow) {
            FWindow->MakeWindowHandle();
            UpdateWindowBlocking();
            switch (FWindowState) {
            case wsMaximized: FWindow->showMaximized(); break;
            case wsMinimized: FWindow->showMinimized(); break;
            default: FWindow->show(); break;
            }
        }
        if (!FNoActivate)
            Screen->ActivateForm(this);
    } else {
        DoHide();
        if (FWindow)
            FWindow->hide();
        if (TInputRouter::FocusedWindow() && ContainsControl(TInputRouter::FocusedWindow()))
            TInputRouter::SetFocusedWindow(nullptr);
        Screen->FormHidden(this);
    }
}

TCustomForm *TCustomForm::OwnerForm() const
{
    TCustomForm *main = Application ? dynamic_cast<TCustomForm *>(Application->MainForm()) : nullptr;
    if (main == this)
        return nullptr;
    if (TCustomForm *modal = Screen->InnermostModalFormOver(this); modal && modal->Visible())
        return modal;
    return main && main->Visible() ? main : nullptr;
}

void TCustomForm::UpdateWindowBlocking()
{
    QWindow *window = FWindow ? FWindow->windowHandle() : nullptr;
    if (!window)
        return;
    // The window system keeps the window above its owner's, and Qt blocks every window but the
    // innermost modal one and the windows it owns: a form the modal forms leave free is owned
    // by the innermost one of them while it runs.
    TCustomForm *owner = OwnerForm();
    QWindow *ownerWindow = owner && owner->FWindow ? owner->FWindow->windowHandle() : nullptr;
    if (window->transientParent() != ownerWindow)
        window->setTransientParent(ownerWindow);
}

TModalResult TCustomForm::ShowModal()
{
    if (FVisible || !FEnabled || FFormState.Contains(fsModal))
        throw EInvalidOperation(QStringLiteral("Cannot make a visible window modal"));
    if (TControl *capture = TInputRouter::CaptureControl()) {
        capture->Perform(WM_CANCELMODE);
        TInputRouter::SetCaptureControl(nullptr);
    }
    TCustomForm *previous = Screen->ActiveCustomForm();
    TWinControl *previousFocus = TInputRouter::FocusedWindow();
    FFormState << fsModal;
    Screen->PushModal(this);
    FModalResult = mrNone;
    TModalResult result = mrCancel;
    // The window system keeps the dialog above the other windows and refuses input to the ones
    // the dialog blocks (Screen->BlockedByModal).
    HandleNeeded();
    if (FWindow)
        FWindow->setWindowModality(Qt::ApplicationModal);
    auto restore = [&] {
        if (FWindow)
            FWindow->setWindowModality(Qt::NonModal);
        FFormState >> fsModal;
        Screen->PopModal(this);
        if (previous && previous->Visible()) {
            Screen->ActivateForm(previous);
            if (previousFocus && previousFocus->CanFocus())
                TInputRouter::SetFocusedWindow(previousFocus);
        }
    };
    try {
        Show();
        if (TScriptedAnswers *script = ScriptedAnswers()) {
            const TModalResult forced = script->ModalFormShown(*this);
            if (forced != mrNone)
                FModalResult = forced;
        }
        for (;;) {
            if (FModalResult == mrNone && Application)
                Application->ModalLoop([this] { return FModalResult != mrNone || Application->Terminated(); });
            if (!Application || Application->Terminated()) {
                FModalResult = mrCancel;
                break;
            }
            if (FModalResult != mrNone) {
                CloseModal();
                if (FModalResult != mrNone)
                    break;
            }
        }
        result = FModalResult;
        Hide();
    } catch (...) {
        Hide();
        restore();
        throw;
    }
    restore();
    return result;
}

void TCustomForm::CloseModal()
{
    try {
        TCloseAction action = caNone;
        if (CloseQuery()) {
            action = caHide;
            DoClose(action);
        }
        if (action == caNone)
            FModalResult = mrNone;
        else if (action == caFree)
            Release();
    } catch (...) {
        FModalResult = mrNone;
        if (Application)
            Application->HandleException(this);
        else
            throw;
    }
}

bool TCustomForm::CloseQuery()
{
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::Close()
{
    if (FFormState.Contains(fsModal)) {
        FModalResult = mrCancel;
        return;
    }
    if (!CloseQuery())
        return;
    TCloseAction action = caHide;
    DoClose(action);
    switch (action) {
    case caNone: return;
    case caMinimize: SetWindowState(wsMinimized); return;
    default: break;
    }
    if (Application && Application->MainForm() == this)
        Application->Terminate();
    else if (action == caHide)
        Hide();
    else
        Release();
}

void TCustomForm::Release()
{
    PostMessage(Handle(), CM_RELEASE, 0, 0);
}

void TCustomForm::CMRelease(TMessage &)
{
    DoDestroy();
    delete this;
}

void TCustomForm::WMClose(TMessage &)
{
    Close();
}

void TCustomForm::Paint()
{
    if (OnPaint)
        OnPaint(this);
}

void TCustomForm::PaintWindow(TCanvas *dc)
{
    FCanvas->PaintThrough(dc, [this] { Paint(); });
}

// ---- Activation and focus -------------------------------------------------------------------------------

void TCustomForm::CMActivate(TMessage &)
{
    Activate();
    SetActive(true);
}

void TCustomForm::CMDeactivate(TMessage &)
{
    Deactivate();
    SetActive(false);
}

void TCustomForm::SetActive(bool value)
{
    FActive = value;
    if (!value)
        return;
    if (!FActiveControl)
        FActiveControl = FindNextControl(nullptr, true, true, false);
    TInputRouter::SetFocusedWindow(FActiveControl ? FActiveControl : this);
}

bool TCustomForm::CanFocus()
{
    return FVisible && FEnabled;
}

void TCustomForm::SetFocus()
{
    if (!FActive) {
        if (!FVisible || !FEnabled)
            throw EInvalidOperation(QStringLiteral("Cannot focus a disabled or invisible window"));
        Screen->ActivateForm(this);
        return;
    }
    TInputRouter::SetFocusedWindow(FActiveControl ? FActiveControl : this);
}

void TCustomForm::SetActiveControl(TWinControl *control)
{
    if (FActiveControl == control)
        return;
    if (control && (control == this || GetParentForm(control) != this ||
                    (!ComponentState().Contains(csLoading) && !control->CanFocus())))
        throw EInvalidOperation(QStringLiteral("Cannot focus a disabled or invisible window"));
    FActiveControl = control;
    if (!ComponentState().Contains(csLoading) && FActive)
        TInputRouter::SetFocusedWindow(control ? control : this);
}

void TCustomForm::FocusControl(TWinControl *control)
{
    const bool wasActive = FActive;
    SetActiveControl(control);
    if (!wasActive)
        SetFocus();
}

bool TCustomForm::SetFocusedControl(TWinControl *control)
{
    const int count = ++FFocusCount;
    FActiveControl = control != this ? control : nullptr;
    if (control->ControlState().Contains(csFocusing))
        return true;
    control->SetControlState(control->ControlState() + csFocusing);
    bool ok = true;
    auto send = [&](TWinControl *c, UINT msg) {
        c->Perform(msg);
        return FFocusCount == count;
    };
    if (Screen->ActiveCustomForm() != this)
        Screen->ActivateForm(this);
    if (!FFocusedControl)
        FFocusedControl = this;
    if (FFocusedControl != control) {
        while (ok && FFocusedControl && !FFocusedControl->ContainsControl(control)) {
            TWinControl *c = FFocusedControl;
            FFocusedControl = c->Parent();
            ok = send(c, CM_EXIT);
        }
        while (ok && FFocusedControl != control) {
            TWinControl *t = control;
            while (t->Parent() != FFocusedControl)
                t = t->Parent();
            FFocusedControl = t;
            ok = send(t, CM_ENTER);
        }
        if (ok) {
            for (TWinControl *p = control->Parent(); p; p = p->Parent())
                if (auto *s = dynamic_cast<TScrollingWinControl *>(p); s && s->AutoScroll())
                    s->ScrollInView(control);
            Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
        }
    }
    control->SetControlState(control->ControlState() - csFocusing);
    return ok;
}

void TCustomForm::DefocusControl(TWinControl *control, bool removing)
{
    if (removing && FFocusedControl && control->ContainsControl(FFocusedControl))
        FFocusedControl = control->Parent();
    if (FActiveControl && control->ContainsControl(FActiveControl)) {
        FActiveControl = nullptr;
        if (FActive && TInputRouter::FocusedWindow() && control->ContainsControl(TInputRouter::FocusedWindow()))
            TInputRouter::SetFocusedWindow(this);
    }
}

void TCustomForm::CMDialogKey(TMessage &m)
{
    if (GetKeyState(VK_MENU) >= 0) {
        switch (m.WParam) {
        case VK_TAB:
            if (GetKeyState(VK_CONTROL) >= 0) {
                SelectNext(FActiveControl, GetKeyState(VK_SHIFT) >= 0, true);
                m.Result = 1;
                return;
            }
            break;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
            if (FActiveControl && FActiveControl->Parent()) {
                FActiveControl->Parent()->SelectNext(FActiveControl, m.WParam == VK_RIGHT || m.WParam == VK_DOWN,
                                                    false);
                m.Result = 1;
            }
            return;
        default: break;
        }
    }
    DispatchFrom(inherited::StaticClass(), m);
    // No control took the key: Enter and Esc go to a push button.
    const bool plain = GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0;
    if (m.Result != 0 || !plain)
        return;
    const WORD key = static_cast<WORD>(m.WParam);
    if (TDialogButton *button = DialogKeyButton(key)) {
        button->DialogKeyClick(key);
        m.Result = 1;
    }
}

namespace {

// The control could take the focus: it and all its parents are visible and enabled.
bool Reachable(const TControl *control)
{
    for (const TControl *c = control; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled())
            return false;
    return true;
}

// The first reachable dialog button `wanted` accepts among the controls of `parent`, in the order
// of a broadcast (each control before the controls it holds).
template <class Wanted>
TDialogButton *FindDialogButton(const TWinControl *parent, const Wanted &wanted)
{
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl *c = parent->Controls(i);
        if (auto *button = dynamic_cast<TDialogButton *>(c); button && wanted(*button) && Reachable(c))
            return button;
        if (auto *w = dynamic_cast<TWinControl *>(c))
            if (TDialogButton *button = FindDialogButton(w, wanted))
                return button;
    }
    return nullptr;
}

}  // namespace

TDialogButton *TCustomForm::DialogKeyButton(WORD key) const
{
    switch (key) {
    case VK_RETURN:
        if (auto *focused = dynamic_cast<TDialogButton *>(FActiveControl))
            return Reachable(FActiveControl) ? focused : nullptr;
        return FindDialogButton(this, [](const TDialogButton &b) { return b.IsDefaultButton(); });
    case VK_ESCAPE: return FindDialogButton(this, [](const TDialogButton &b) { return b.IsCancelButton(); });
    default: return nullptr;
    }
}

// ---- Free functions ---------------------------------------------------------------------------------------

TCustomForm *GetParentForm(TControl *control, bool topForm)
{
    TControl *c = control;
    if (!topForm) {
        for (; c; c = c->Parent())
            if (auto *f = dynamic_cast<TCustomForm *>(c))
                return f;
        return nullptr;
    }
    while (c && c->Parent())
        c = c->Parent();
    return dynamic_cast<TCustomForm *>(c);
}

QWidget *DialogOwnerWindow()
{
    TCustomForm *owner = Screen ? Screen->InnermostModalFormOver(nullptr) : nullptr;
    if (!owner || !owner->Visible())
        owner = Application ? dynamic_cast<TCustomForm *>(Application->MainForm()) : nullptr;
    return owner && owner->Visible() ? owner->Window() : nullptr;
}

TCustomForm *ValidParentForm(TControl *control, bool topForm)
{
    TCustomForm *f = GetParentForm(control, topForm);
    if (!f)
        throw EInvalidOperation(QStringLiteral("Control '%1' has no parent window").arg(control ? control->Name() : QString()));
    return f;
}
