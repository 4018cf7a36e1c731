#include "platform/ui/Controls.h"

#include "platform/ui/Application.h"
#include "platform/ui/Canvas.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/ControlsInput.h"
#include "platform/ui/ControlsWinControl.h"
#include "platform/runtime/Exception.h"
#include "platform/ui/Menus.h"

namespace {

constexpr TIdentMapEntry kCursors[] = {
    {crDefault, "crDefault"},   {crNone, "crNone"},         {crArrow, "crArrow"},       {crCross, "crCross"},
    {crIBeam, "crIBeam"},       {crSizeNESW, "crSizeNESW"}, {crSizeNS, "crSizeNS"},     {crSizeNWSE, "crSizeNWSE"},
    {crSizeWE, "crSizeWE"},     {crUpArrow, "crUpArrow"},   {crHourGlass, "crHourGlass"}, {crDrag, "crDrag"},
    {crNoDrop, "crNoDrop"},     {crHSplit, "crHSplit"},     {crVSplit, "crVSplit"},     {crMultiDrag, "crMultiDrag"},
    {crSQLWait, "crSQLWait"},   {crNo, "crNo"},             {crAppStart, "crAppStart"}, {crHelp, "crHelp"},
    {crHandPoint, "crHandPoint"}, {crSizeAll, "crSizeAll"},  {crSize, "crSize"},
};

constexpr int kWheelDelta = 120;

bool EndsHint(UINT msg)
{
    return (msg >= WM_KEYDOWN && msg <= WM_SYSCHAR) || (msg >= CN_KEYDOWN && msg <= CN_SYSCHAR) ||
           (msg > WM_MOUSEMOVE && msg <= WM_MOUSEWHEEL) || msg == CM_MOUSEWHEEL;
}

}  // namespace

TIdentMap CursorIdents()
{
    return kCursors;
}

QString GetShortHint(const QString &hint)
{
    const qsizetype bar = hint.indexOf(u'|');
    return bar < 0 ? hint : hint.left(bar);
}

QString GetLongHint(const QString &hint)
{
    const qsizetype bar = hint.indexOf(u'|');
    return bar < 0 ? hint : hint.mid(bar + 1);
}

TShiftState KeysToShiftState(WPARAM keys)
{
    TShiftState s;
    if (keys & MK_SHIFT)
        s << ssShift;
    if (keys & MK_CONTROL)
        s << ssCtrl;
    if (keys & MK_LBUTTON)
        s << ssLeft;
    if (keys & MK_RBUTTON)
        s << ssRight;
    if (keys & MK_MBUTTON)
        s << ssMiddle;
    if (GetKeyState(VK_MENU) < 0)
        s << ssAlt;
    return s;
}

T_IMPLEMENT_CLASS(TControl)
{
    b.Int("Left", &TControl::Left, &TControl::SetLeft);
    b.Int("Top", &TControl::Top, &TControl::SetTop);
    b.Int("Width", &TControl::Width, &TControl::SetWidth);
    b.Int("Height", &TControl::Height, &TControl::SetHeight);
    b.Enum("Align", &TControl::Align, &TControl::SetAlign, AlignNames).Default(alNone);
    b.Set("Anchors", &TControl::Anchors, &TControl::SetAnchors, AnchorKindNames).Default(TAnchors{akLeft, akTop});
    b.Color("Color", &TControl::Color, &TControl::SetColor)
        .Default(clWindow)
        .Idents(ColorIdents())
        .Stored([](const TControl &c) { return !c.ParentColor(); });
    b.Object("Constraints", &TControl::Constraints, &TControl::SetConstraints);
    b.Int("Cursor", &TControl::Cursor, &TControl::SetCursor).Default(crDefault).Idents(CursorIdents());
    b.Bool("Enabled", &TControl::Enabled, &TControl::SetEnabled).Default(true);
    b.Object("Font", &TControl::Font, &TControl::SetFont).Stored([](const TControl &c) { return !c.ParentFont(); });
    b.Str("Hint", &TControl::Hint, &TControl::SetHint);
    b.Bool("ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(true);
    b.Bool("ParentFont", &TControl::ParentFont, &TControl::SetParentFont).Default(true);
    b.Bool("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint).Default(true);
    b.Ref("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu);
    b.Bool("ShowHint", &TControl::ShowHint, &TControl::SetShowHint)
        .Stored([](const TControl &c) { return !c.ParentShowHint(); });
    b.Bool("Visible", &TControl::Visible, &TControl::SetVisible).Default(true);
    b.Enum("BiDiMode", &TControl::BiDiMode, &TControl::BiDiMode, BiDiModeNames).Default(bdLeftToRight);
    b.Bool("ParentBiDiMode", &TControl::ParentBiDiMode, &TControl::ParentBiDiMode).Default(true);
    b.Enum("DragMode", &TControl::DragMode, &TControl::DragMode, DragModeNames).Default(dmManual);
    b.Enum("DragKind", &TControl::DragKind, &TControl::DragKind, DragKindNames).Default(dkDrag);
    b.Int("DragCursor", &TControl::DragCursor, &TControl::DragCursor).Default(crDrag).Idents(CursorIdents());
    b.Int("HelpContext", &TControl::HelpContext, &TControl::HelpContext).Default(0);
    b.Event("OnClick", &TControl::OnClick);
    b.Event("OnDblClick", &TControl::OnDblClick);
    b.Event("OnMouseDown", &TControl::OnMouseDown);
    b.Event("OnMouseEnter", &TControl::OnMouseEnter);
    b.Event("OnMouseLeave", &TControl::OnMouseLeave);
    b.Event("OnMouseMove", &TControl::OnMouseMove);
    b.Event("OnMouseUp", &TControl::OnMouseUp);
    b.Event("OnMouseWheel", &TControl::OnMouseWheel);
    b.Event("OnMouseWheelDown", &TControl::OnMouseWheelDown);
    b.Event("OnMouseWheelUp", &TControl::OnMouseWheelUp);
    b.Event("OnResize", &TControl::OnResize);

    b.Message(WM_LBUTTONDOWN, &TControl::WMLButtonDown);
    b.Message(WM_RBUTTONDOWN, &TControl::WMRButtonDown);
    b.Message(WM_MBUTTONDOWN, &TControl::WMMButtonDown);
    b.Message(WM_LBUTTONDBLCLK, &TControl::WMLButtonDblClk);
    b.Message(WM_RBUTTONDBLCLK, &TControl::WMRButtonDblClk);
    b.Message(WM_MBUTTONDBLCLK, &TControl::WMMButtonDblClk);
    b.Message(WM_LBUTTONUP, &TControl::WMLButtonUp);
    b.Message(WM_RBUTTONUP, &TControl::WMRButtonUp);
    b.Message(WM_MBUTTONUP, &TControl::WMMButtonUp);
    b.Message(WM_MOUSEMOVE, &TControl::WMMouseMove);
    b.Message(WM_CONTEXTMENU, &TControl::WMContextMenu);
    b.Message(CM_MOUSEENTER, &TControl::CMMouseEnter);
    b.Message(CM_MOUSELEAVE, &TControl::CMMouseLeave);
    b.Message(CM_HITTEST, &TControl::CMHitTest);
    b.Message(CM_MOUSEWHEEL, &TControl::CMMouseWheel);
    b.Message(CM_VISIBLECHANGED, &TControl::CMVisibleChanged);
    b.Message(CM_ENABLEDCHANGED, &TControl::CMEnabledChanged);
    b.Message(CM_FONTCHANGED, &TControl::CMFontChanged);
    b.Message(CM_COLORCHANGED, &TControl::CMColorChanged);
    b.Message(CM_TEXTCHANGED, &TControl::CMTextChanged);
    b.Message(CM_PARENTFONTCHANGED, &TControl::CMParentFontChanged);
    b.Message(CM_PARENTCOLORCHANGED, &TControl::CMParentColorChanged);
    b.Message(CM_PARENTSHOWHINTCHANGED, &TControl::CMParentShowHintChanged);
}

TControl::TControl(TComponent *AOwner)
    : TComponent(AOwner), FConstraints(std::make_unique<TSizeConstraints>()), FFont(std::make_unique<TFont>())
{
    WindowProc = [this](TMessage &m) { WndProc(m); };
    FFont->OnChange = TNotifyEvent(this, &TControl::FontChanged);
    FConstraints->OnChange = TNotifyEvent(this, &TControl::ConstraintsChanged);
}

TControl::~TControl()
{
    TInputRouter::ControlDestroyed(this);
    if (FParent)
        FParent->RemoveControl(this);
    if (FPopupMenu)
        FPopupMenu->RemoveFreeNotification(this);
}

// ---- Parent ----------------------------------------------------------------------------------------

void TControl::SetParent(TWinControl *AParent)
{
    if (FParent == AParent)
        return;
    if (AParent == this)
        throw EInvalidOperation(QStringLiteral("A control cannot have itself as its parent"));
    if (FParent)
        FParent->RemoveControl(this);
    if (AParent) {
        AParent->InsertControl(this);
        UpdateAnchorRules();
    }
}

TComponent *TControl::GetParentComponent() const
{
    return FParent;
}

void TControl::SetParentComponent(TComponent *Value)
{
    if (auto *w = dynamic_cast<TWinControl *>(Value))
        SetParent(w);
}

void TControl::Notification(TComponent *AComponent, TOperation Operation)
{
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FPopupMenu)
        FPopupMenu = nullptr;
}

// ---- Bounds ------------------------------------------------------------------------------------------

bool TControl::CanResize(int &newWidth, int &newHeight)
{
    FConstraints->Constrain(newWidth, newHeight);
    return true;
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    if (!CanResize(AWidth, AHeight))
        return;
    if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight)
        return;
    const bool resized = AWidth != FWidth || AHeight != FHeight;
    InvalidateControl();
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
    UpdateAnchorRules();
    Invalidate();
    Perform(WM_WINDOWPOSCHANGED);
    RequestAlign();
    if (resized && !ComponentState().Contains(csLoading))
        Resize();
}

void TControl::ConstraintsChanged(TObject *)
{
    int w = FWidth, h = FHeight;
    FConstraints->Constrain(w, h);
    if (w != FWidth || h != FHeight)
        SetBounds(FLeft, FTop, w, h);
}

TRect TControl::GetClientRect() const
{
    return TRect(0, 0, FWidth, FHeight);
}

void TControl::SetClientSize(int width, int height)
{
    const TRect r = GetClientRect();
    SetBounds(FLeft, FTop, FWidth - r.Width() + width, FHeight - r.Height() + height);
}

TPoint TControl::ClientOrigin() const
{
    if (!FParent)
        return {FLeft, FTop};
    return FParent->ClientOrigin() + TPoint(FLeft, FTop);
}

TPoint TControl::ClientToParent(const TPoint &p, TWinControl *parent)
{
    if (!parent)
        parent = FParent;
    TPoint r = p;
    for (TControl *c = this; c && c != parent; c = c->FParent) {
        if (!c->FParent)
            throw EInvalidOperation(QStringLiteral("Control '%1' has no parent window").arg(Name()));
        r = r + TPoint(c->FLeft, c->FTop);
    }
    return r;
}

void TControl::SetAlign(TAlign value)
{
    if (FAlign == value)
        return;
    FAlign = value;
    RequestAlign();
}

void TControl::SetAnchors(TAnchors value)
{
    if (FAnchors == value)
        return;
    FAnchors = value;
    UpdateAnchorRules();
}

void TControl::UpdateAnchorRules()
{
    if (!FParent || ComponentState().Contains(csLoading) || FParent->ControlState().Contains(csAligning))
        return;
    FAnchorBounds = BoundsRect();
    const TRect pc = FParent->GetClientRect();
    FAnchorParentSize = TSize(pc.Width(), pc.Height());
    FAnchorValid = true;
}

void TControl::RequestAlign()
{
    if (FParent)
        FParent->Realign();
}

void TControl::Resize()
{
    if (OnResize)
        OnResize(this);
}

// ---- State -------------------------------------------------------------------------------------------

void TControl::SetVisible(bool value)
{
    if (FVisible == value)
        return;
    FVisible = value;
    Perform(CM_VISIBLECHANGED, value ? 1 : 0);
    RequestAlign();
}

void TControl::SetEnabled(bool value)
{
    if (FEnabled == value)
        return;
    FEnabled = value;
    Perform(CM_ENABLEDCHANGED);
}

bool TControl::IsShowing() const
{
    return FVisible && FParent && FParent->IsShowing();
}

void TControl::SetText(const QString &value)
{
    if (GetText() == value)
        return;
    SetTextValue(value);
    Perform(CM_TEXTCHANGED);
}

void TControl::FontChanged(TObject *)
{
    // A font set on the control itself no longer follows the parent's.
    if (!FFontChanging)
        FParentFont = false;
    Perform(CM_FONTCHANGED);
}

void TControl::SetParentFont(bool value)
{
    if (FParentFont == value)
        return;
    FParentFont = value;
    if (FParent && value)
        Perform(CM_PARENTFONTCHANGED);
}

void TControl::SetColor(TColor value)
{
    if (FColor == value)
        return;
    FColor = value;
    FParentColor = false;
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool value)
{
    if (FParentColor == value)
        return;
    FParentColor = value;
    if (FParent && value)
        Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetShowHint(bool value)
{
    FParentShowHint = false;
    if (FShowHint == value)
        return;
    FShowHint = value;
    Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool value)
{
    if (FParentShowHint == value)
        return;
    FParentShowHint = value;
    if (FParent && value)
        Perform(CM_PARENTSHOWHINTCHANGED);
}

void TControl::SetCursor(TCursor value)
{
    if (FCursor == value)
        return;
    FCursor = value;
    Perform(CM_CURSORCHANGED);
}

void TControl::SetPopupMenu(TPopupMenu *value)
{
    if (FPopupMenu == value)
        return;
    if (FPopupMenu)
        FPopupMenu->RemoveFreeNotification(this);
    FPopupMenu = value;
    if (value)
        value->FreeNotification(this);
}

// ---- Painting -------------------------------------------------------------------------------------------

void TControl::InvalidateControl()
{
    if (FParent && FVisible && FWidth > 0 && FHeight > 0)
        FParent->InvalidateRect(BoundsRect());
}

void TControl::Invalidate()
{
    InvalidateControl();
}

void TControl::Update()
{
    if (FParent)
        FParent->Update();
}

void TControl::Repaint()
{
    Invalidate();
    Update();
}

void TControl::SetZOrder(bool topMost)
{
    if (!FParent)
        return;
    auto &list = FParent->FControls;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end())
        return;
    list.erase(it);
    if (topMost)
        list.push_back(this);
    else
        list.insert(list.begin(), this);
    Invalidate();
}

void TControl::PaintTo(TCanvas *canvas, int x, int y)
{
    if (!canvas)
        return;
    canvas->SaveDC();
    canvas->OffsetViewportOrg(x, y);
    canvas->IntersectClipRect(TRect(0, 0, FWidth, FHeight));
    Perform(WM_PAINT, reinterpret_cast<WPARAM>(canvas->Handle()));
    canvas->RestoreDC(-1);
}

// ---- Messages -------------------------------------------------------------------------------------------

void TControl::WndProc(TMessage &message)
{
    // Without csDoubleClicks a double click is a plain press.
    if (!FControlStyle.Contains(csDoubleClicks) &&
        (message.Msg == WM_LBUTTONDBLCLK || message.Msg == WM_RBUTTONDBLCLK || message.Msg == WM_MBUTTONDBLCLK))
        message.Msg -= WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;
    if (message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK)
        FControlState << csLButtonDown;
    else if (message.Msg == WM_LBUTTONUP)
        FControlState >> csLButtonDown;
    // The pointer's moves lead to the application's hint (before the control's own handling, which
    // may switch its ShowHint); keys, buttons and the wheel end it.
    if (Application) {
        if (message.Msg == WM_MOUSEMOVE)
            Application->HintMouseMessage(this, message);
        else if (EndsHint(message.Msg))
            Application->CancelHint();
    }
    Dispatch(message);
}

LRESULT TControl::Perform(UINT msg, WPARAM wparam, LPARAM lparam)
{
    TMessage m;
    m.Msg = msg;
    m.WParam = wparam;
    m.LParam = lparam;
    if (WindowProc)
        WindowProc(m);
    else
        WndProc(m);
    return m.Result;
}

bool TControl::MouseCapture() const
{
    return TInputRouter::CaptureControl() == this;
}

void TControl::SetMouseCapture(bool value)
{
    if (value)
        TInputRouter::SetCaptureControl(this);
    else if (MouseCapture())
        TInputRouter::SetCaptureControl(nullptr);
}

void TControl::Click()
{
    if (OnClick)
        OnClick(this);
}

void TControl::DblClick()
{
    if (OnDblClick)
        OnDblClick(this);
}

void TControl::Loaded()
{
    inherited::Loaded();
    UpdateAnchorRules();
    if (FParent) {
        Perform(CM_PARENTCOLORCHANGED);
        Perform(CM_PARENTFONTCHANGED);
        Perform(CM_PARENTSHOWHINTCHANGED);
    }
    RequestAlign();
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y)
{
    if (OnMouseMove)
        OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}

void TControl::DoMouseDown(TMessage &m, TMouseButton button, TShiftState extra)
{
    if (FControlStyle.Contains(csNoStdEvents))
        return;
    const TPoint p = LParamToPoint(m.LParam);
    MouseDown(button, KeysToShiftState(m.WParam) | extra, p.X, p.Y);
}

void TControl::DoMouseUp(TMessage &m, TMouseButton button)
{
    if (FControlStyle.Contains(csNoStdEvents))
        return;
    const TPoint p = LParamToPoint(m.LParam);
    MouseUp(button, KeysToShiftState(m.WParam), p.X, p.Y);
}

void TControl::WMLButtonDown(TMessage &m)
{
    DefaultHandler(m);
    if (FControlStyle.Contains(csCaptureMouse))
        SetMouseCapture(true);
    if (FControlStyle.Contains(csClickEvents))
        FControlState << csClicked;
    DoMouseDown(m, mbLeft, {});
}

void TControl::WMRButtonDown(TMessage &m)
{
    DefaultHandler(m);
    DoMouseDown(m, mbRight, {});
}

void TControl::WMMButtonDown(TMessage &m)
{
    DefaultHandler(m);
    DoMouseDown(m, mbMiddle, {});
}

void TControl::WMLButtonDblClk(TMessage &m)
{
    DefaultHandler(m);
    if (FControlStyle.Contains(csCaptureMouse))
        SetMouseCapture(true);
    if (FControlStyle.Contains(csClickEvents))
        DblClick();
    DoMouseDown(m, mbLeft, {ssDouble});
}

void TControl::WMRButtonDblClk(TMessage &m)
{
    DefaultHandler(m);
    DoMouseDown(m, mbRight, {ssDouble});
}

void TControl::WMMButtonDblClk(TMessage &m)
{
    DefaultHandler(m);
    DoMouseDown(m, mbMiddle, {ssDouble});
}

void TControl::WMLButtonUp(TMessage &m)
{
    DefaultHandler(m);
    if (FControlStyle.Contains(csCaptureMouse))
        SetMouseCapture(false);
    if (FControlState.Contains(csClicked)) {
        FControlState >> csClicked;
        if (GetClientRect().Contains(LParamToPoint(m.LParam)))
            Click();
    }
    DoMouseUp(m, mbLeft);
}

void TControl::WMRButtonUp(TMessage &m)
{
    DefaultHandler(m);
    DoMouseUp(m, mbRight);
}

void TControl::WMMButtonUp(TMessage &m)
{
    DefaultHandler(m);
    DoMouseUp(m, mbMiddle);
}

void TControl::WMMouseMove(TMessage &m)
{
    DefaultHandler(m);
    if (FControlStyle.Contains(csNoStdEvents))
        return;
    const TPoint p = LParamToPoint(m.LParam);
    MouseMove(KeysToShiftState(m.WParam), p.X, p.Y);
}

void TControl::WMContextMenu(TMessage &m)
{
    if (!FPopupMenu || !FPopupMenu->AutoPopup()) {
        DefaultHandler(m);
        return;
    }
    TPoint p = LParamToPoint(m.LParam);
    if (p.X == -1 && p.Y == -1)
        p = ClientToScreen(TPoint(FWidth / 2, FHeight / 2));
    FPopupMenu->SetPopupComponent(this);
    FPopupMenu->Popup(p.X, p.Y);
    m.Result = 1;
}

void TControl::CMMouseEnter(TMessage &m)
{
    if (FParent)
        FParent->Perform(CM_MOUSEENTER, 0, m.LParam ? m.LParam : reinterpret_cast<LPARAM>(this));
    if (m.LParam == 0)
        MouseEnter();
}

void TControl::CMMouseLeave(TMessage &m)
{
    if (FParent)
        FParent->Perform(CM_MOUSELEAVE, 0, m.LParam ? m.LParam : reinterpret_cast<LPARAM>(this));
    if (m.LParam == 0)
        MouseLeave();
}

void TControl::CMHitTest(TMessage &m)
{
    m.Result = HTCLIENT;
}

bool TControl::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos)
{
    bool handled = false;
    if (OnMouseWheel)
        OnMouseWheel(this, shift, wheelDelta, mousePos, handled);
    if (handled)
        return true;
    // Whole notches turn into wheel-up and wheel-down calls.
    int remaining = wheelDelta;
    while (std::abs(remaining) >= kWheelDelta) {
        if (remaining < 0) {
            remaining += kWheelDelta;
            handled = DoMouseWheelDown(shift, mousePos);
        } else {
            remaining -= kWheelDelta;
            handled = DoMouseWheelUp(shift, mousePos);
        }
    }
    return handled;
}

bool TControl::DoMouseWheelDown(TShiftState shift, TPoint mousePos)
{
    bool handled = false;
    if (OnMouseWheelDown)
        OnMouseWheelDown(this, shift, mousePos, handled);
    return handled;
}

bool TControl::DoMouseWheelUp(TShiftState shift, TPoint mousePos)
{
    bool handled = false;
    if (OnMouseWheelUp)
        OnMouseWheelUp(this, shift, mousePos, handled);
    return handled;
}

bool TControl::DoMouseWheelMessage(const TMessage &m, int &delta)
{
    delta = static_cast<std::int16_t>((m.WParam >> 16) & 0xFFFF);
    return DoMouseWheel(KeysToShiftState(m.WParam & 0xFFFF), delta, LParamToPoint(m.LParam));
}

void TControl::CMMouseWheel(TMessage &m)
{
    int delta = 0;
    m.Result = 0;
    if (DoMouseWheelMessage(m, delta))
        m.Result = 1;
    else if (FParent)
        m.Result = FParent->Perform(CM_MOUSEWHEEL, m.WParam, m.LParam);
}

void TControl::CMVisibleChanged(TMessage &)
{
    if (FParent && FWidth > 0 && FHeight > 0)
        FParent->InvalidateRect(BoundsRect());
}

void TControl::CMEnabledChanged(TMessage &)
{
    Invalidate();
}

void TControl::CMFontChanged(TMessage &)
{
    Invalidate();
}

void TControl::CMColorChanged(TMessage &)
{
    Invalidate();
}

void TControl::CMTextChanged(TMessage &)
{
    Invalidate();
}

void TControl::CMParentFontChanged(TMessage &m)
{
    if (!FParentFont)
        return;
    TFont *source = m.WParam ? reinterpret_cast<TFont *>(m.LParam) : (FParent ? FParent->Font() : nullptr);
    if (!source)
        return;
    FFontChanging = true;
    FFont->Assign(source);
    FFontChanging = false;
    FParentFont = true;
}

void TControl::CMParentColorChanged(TMessage &m)
{
    if (!FParentColor)
        return;
    const TColor c = m.WParam ? static_cast<TColor>(m.LParam) : (FParent ? FParent->Color() : FColor);
    if (c != FColor) {
        FColor = c;
        Perform(CM_COLORCHANGED);
    }
}

void TControl::CMParentShowHintChanged(TMessage &)
{
    if (FParentShowHint && FParent && FShowHint != FParent->ShowHint()) {
        FShowHint = FParent->ShowHint();
        Perform(CM_SHOWHINTCHANGED);
    }
}
