#pragma once
// TControl: the base of every visible control. It has a parent (a windowed control), bounds set
// through the virtual SetBounds, alignment and anchors, visibility, enabled state, a caption, a font
// and colour that follow the parent's unless set, hint (Hint, and ShowHint, which follows the
// parent's while ParentShowHint; the application shows it, see Application.h), cursor,
// control-style flags, and the mouse events in the framework's order:
//   press:         OnMouseDown (the control captures the mouse with csCaptureMouse)
//   release:       OnClick (csClickEvents, released inside), then OnMouseUp
//   double click:  second press arrives as OnDblClick, then OnMouseDown with ssDouble; its release
//                  as usual (no OnClick)
//   move:          OnMouseMove; afterwards CM_MOUSEENTER/CM_MOUSELEAVE for the control under the
//                  pointer, also while another control holds the capture.
// Input reaches a control as window messages (WM_LBUTTONDOWN with the client position packed in
// LParam, ...) from the input router (ControlsInput.h); tests drive the router.
//
// Writing a control: derive from TCustomControl (windowed, own canvas, virtual Paint) or
// TGraphicControl (windowless, painted by its parent), describe published properties with
// T_IMPLEMENT_CLASS, override the virtual hooks (MouseDown, KeyDown, Paint, ...) or add message
// handlers with b.Message(CM_MOUSEENTER, &TMyControl::CMMouseEnter). A handler that wants the
// framework's handling too calls `DispatchFrom(inherited::StaticClass(), msg)`.

#include <QString>

#include <memory>

#include "platform/runtime/Classes.h"
#include "platform/runtime/Colors.h"
#include "platform/runtime/EnumNames.h"
#include "platform/ui/ControlsConstraints.h"
#include "platform/runtime/Events.h"
#include "platform/ui/GraphicsFont.h"
#include "platform/runtime/GraphicsTypes.h"
#include "platform/runtime/Messages.h"

class TControl;
class TWinControl;
class TCanvas;
class TPopupMenu;

// ---- Window messages and values beyond Messages.h ---------------------------------------------
constexpr UINT WM_CONTEXTMENU = 0x007B;
constexpr UINT WM_CAPTURECHANGED = 0x0215;
// Mouse message WParam: buttons and keys held.
constexpr WPARAM MK_LBUTTON = 0x01;
constexpr WPARAM MK_RBUTTON = 0x02;
constexpr WPARAM MK_SHIFT = 0x04;
constexpr WPARAM MK_CONTROL = 0x08;
constexpr WPARAM MK_MBUTTON = 0x10;
// WM_PRINTCLIENT LParam flags.
constexpr LPARAM PRF_CHECKVISIBLE = 0x01;
constexpr LPARAM PRF_NONCLIENT = 0x02;
constexpr LPARAM PRF_CLIENT = 0x04;
constexpr LPARAM PRF_ERASEBKGND = 0x08;
constexpr LPARAM PRF_CHILDREN = 0x10;
// CM_HITTEST / WM_NCHITTEST answers.
constexpr LRESULT HTTRANSPARENT = -1;
constexpr LRESULT HTNOWHERE = 0;
constexpr LRESULT HTCLIENT = 1;
// WM_SIZE WParam.
constexpr WPARAM SIZE_RESTORED = 0;
constexpr WPARAM SIZE_MINIMIZED = 1;
constexpr WPARAM SIZE_MAXIMIZED = 2;

// WM_WINDOWPOSCHANGED LParam of a windowed control: the new place. The control's own bounds still
// hold the old place until the framework's handling of the message (a handler may look at both).
struct WINDOWPOS {
    HWND hwnd = nullptr;
    HWND hwndInsertAfter = nullptr;
    int x = 0, y = 0, cx = 0, cy = 0;
    UINT flags = 0;
};

// A client position in a mouse message's LParam (signed 16-bit x and y) and back.
constexpr LPARAM PointToLParam(const TPoint &p)
{
    return static_cast<LPARAM>((static_cast<std::uint32_t>(static_cast<std::uint16_t>(p.X))) |
                               (static_cast<std::uint32_t>(static_cast<std::uint16_t>(p.Y)) << 16));
}
constexpr TPoint LParamToPoint(LPARAM l)
{
    return {static_cast<std::int16_t>(l & 0xFFFF), static_cast<std::int16_t>((l >> 16) & 0xFFFF)};
}
// Shift state of a mouse message's WParam (Alt from the keyboard state).
TShiftState KeysToShiftState(WPARAM keys);

// ---- Hints ----------------------------------------------------------------------------------------
// What the application's hint is about to show (CM_HINTSHOW, LParam: THintInfo *, sent to the
// control the hint belongs to). A handler may change any field; a non-zero result shows nothing.
struct THintInfo {
    TControl *HintControl = nullptr;
    TPoint HintPos;        // screen position of the hint window's top-left corner
    int HintMaxWidth = 0;  // the text wraps at this width
    TColor HintColor = clInfoBk;
    TRect CursorRect;          // client coordinates: moving inside it shows no new hint
    TPoint CursorPos;          // client coordinates of the pointer
    int HideTimeout = 0;       // ms until the hint hides; 0 or less: it stays while the pointer does
    QString HintStr;           // the text shown
    void *HintData = nullptr;  // handed to the hint window's CalcHintRect
};

// A hint text "short|long": the part before the first '|' (all of it without one), and the part
// after it (all of it without one).
QString GetShortHint(const QString &hint);
QString GetLongHint(const QString &hint);

// ---- Cursors --------------------------------------------------------------------------------------
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;
constexpr TCursor crSize = crSizeAll;
TIdentMap CursorIdents();

// ---- Border styles (of forms; the other windowed controls use bsNone and bsSingle) --------------------
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
inline constexpr auto FormBorderStyleNames =
    EnumNames<TFormBorderStyle>("bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin");
using TBorderStyle = TFormBorderStyle;

// ---- Layout ----------------------------------------------------------------------------------------
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
inline constexpr auto AlignNames =
    EnumNames<TAlign>("alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom");
enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;
inline constexpr auto AnchorKindNames = EnumNames<TAnchorKind>("akLeft", "akTop", "akRight", "akBottom");

enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
inline constexpr auto BiDiModeNames =
    EnumNames<TBiDiMode>("bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly");
enum TDragMode { dmManual, dmAutomatic };
inline constexpr auto DragModeNames = EnumNames<TDragMode>("dmManual", "dmAutomatic");
enum TDragKind { dkDrag, dkDock };
inline constexpr auto DragKindNames = EnumNames<TDragKind>("dkDrag", "dkDock");

// ---- Control style and state -----------------------------------------------------------------------
enum TControlStyleItem {
    csAcceptsControls, csCaptureMouse, csDesignInteractive, csClickEvents, csFramed, csSetCaption, csOpaque,
    csDoubleClicks, csFixedWidth, csFixedHeight, csNoDesignVisible, csReplicatable, csNoStdEvents,
    csDisplayDragImage, csReflector, csActionClient, csMenuEvents, csNeedsBorderPaint, csParentBackground,
    csPannable, csAlignWithMargins, csGestures, csPaintBlackOpaqueOnGlass, csOverrideStylePaint
};
using TControlStyle = TSet<TControlStyleItem>;

enum TControlStateItem {
    csLButtonDown, csClicked, csPalette, csReadingState, csAlignmentNeeded, csFocusing, csCreating, csPaintCopy,
    csCustomPaint, csDestroyingHandle, csDocking, csDesignerHide, csPanning, csRecreating, csAligning, csGlassPaint,
    csPrintClient
};
using TControlState = TSet<TControlStateItem>;

class TControl : public TComponent {
    T_DECLARE_CLASS(TControl, TComponent)
    explicit TControl(TComponent *AOwner);
    ~TControl() override;

    // ---- Parent ----
    TWinControl *Parent() const { return FParent; }
    virtual void SetParent(TWinControl *AParent);
    bool HasParent() const override { return true; }
    TComponent *GetParentComponent() const override;
    void SetParentComponent(TComponent *Value) override;

    // ---- Bounds ----
    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetLeft(int v) { SetBounds(v, FTop, FWidth, FHeight); }
    void SetTop(int v) { SetBounds(FLeft, v, FWidth, FHeight); }
    void SetWidth(int v) { SetBounds(FLeft, FTop, v, FHeight); }
    void SetHeight(int v) { SetBounds(FLeft, FTop, FWidth, v); }
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
    void SetBoundsRect(const TRect &r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
    // The client area in the control's own coordinates.
    virtual TRect GetClientRect() const;
    TRect ClientRect() const { return GetClientRect(); }
    int ClientWidth() const { return GetClientRect().Width(); }
    int ClientHeight() const { return GetClientRect().Height(); }
    void SetClientWidth(int v) { SetClientSize(v, ClientHeight()); }
    void SetClientHeight(int v) { SetClientSize(ClientWidth(), v); }
    virtual void SetClientSize(int width, int height);
    // Screen position of the client area's top-left corner.
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(const TPoint &p) const { return ClientOrigin() + p; }
    TPoint ScreenToClient(const TPoint &p) const { return p - ClientOrigin(); }
    // A client point in `parent`'s client coordinates (default: the direct parent).
    TPoint ClientToParent(const TPoint &p, TWinControl *parent = nullptr);

    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign value);
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors value);
    TSizeConstraints *Constraints() const { return FConstraints.get(); }
    void SetConstraints(TSizeConstraints *value) { FConstraints->Assign(value); }

    // ---- State ----
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool value);
    // Visible up to a showing top-level window (or, for a free control, visible up its parents).
    virtual bool IsShowing() const;

    QString Caption() const { return GetText(); }
    void SetCaption(const QString &v) { SetText(v); }
    QString Text() const { return GetText(); }
    void SetText(const QString &value);

    TFont *Font() const { return FFont.get(); }
    void SetFont(TFont *value) { FFont->Assign(value); }
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool value);
    const QString &Hint() const { return FHint; }
    void SetHint(const QString &v) { FHint = v; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value);
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool value);
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor value);
    TPopupMenu *PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu *value);

    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle value) { FControlStyle = value; }
    TControlState ControlState() const { return FControlState; }
    void SetControlState(TControlState value) { FControlState = value; }

    // ---- Painting ----
    // Marks the control's area for repainting (a windowless control: its parent's area under it).
    virtual void Invalidate();
    // Paints what is invalid now, when the control is on screen (else when it is shown or its
    // pixels are read).
    virtual void Update();
    virtual void Repaint();
    void Refresh() { Repaint(); }
    void BringToFront() { SetZOrder(true); }
    void SendToBack() { SetZOrder(false); }
    virtual void SetZOrder(bool topMost);
    // Paints the control (and, for a windowed control, its children) into `canvas` with the
    // control's top-left corner at (x, y).
    virtual void PaintTo(TCanvas *canvas, int x, int y);

    // ---- Messages ----
    // The message entry of the control; replaceable to subclass it (default: WndProc).
    TWindowProcedure WindowProc;
    virtual void WndProc(TMessage &message);
    LRESULT Perform(UINT msg, WPARAM wparam = 0, LPARAM lparam = 0);

    bool MouseCapture() const;
    void SetMouseCapture(bool value);

    // Accepted from form definitions; the program's windows use their defaults only.
    TBiDiMode BiDiMode = bdLeftToRight;
    bool ParentBiDiMode = true;
    TDragMode DragMode = dmManual;
    TDragKind DragKind = dkDrag;
    TCursor DragCursor = crDrag;
    int HelpContext = 0;

    // ---- Events ----
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TMouseWheelEvent OnMouseWheel;
    TMouseWheelUpDownEvent OnMouseWheelDown;
    TMouseWheelUpDownEvent OnMouseWheelUp;
    TNotifyEvent OnResize;

    virtual void Click();
    virtual void DblClick();
    void Loaded() override;

    // For the input router: the wheel with the framework's events; true when handled.
    virtual bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos);

protected:
    virtual QString GetText() const { return FText; }
    // Stores a new text (a native control puts it into its widget).
    virtual void SetTextValue(const QString &value) { FText = value; }

    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseEnter() { if (OnMouseEnter) OnMouseEnter(this); }
    virtual void MouseLeave() { if (OnMouseLeave) OnMouseLeave(this); }
    virtual bool DoMouseWheelDown(TShiftState shift, TPoint mousePos);
    virtual bool DoMouseWheelUp(TShiftState shift, TPoint mousePos);
    // DoMouseWheel for a CM_MOUSEWHEEL message; `delta` receives the wheel's turn.
    bool DoMouseWheelMessage(const TMessage &m, int &delta);
    // After a size change (not while loading): fires OnResize.
    virtual void Resize();
    // Size limits and the framework's resize veto; false refuses the new size.
    virtual bool CanResize(int &newWidth, int &newHeight);
    void RequestAlign();
    // Repaints the parent's area under the control.
    void InvalidateControl();
    // Records the distances to the parent's edges the anchors keep.
    void UpdateAnchorRules();
    friend class TWinControl;

protected:  // message handlers, registered by number in the class description
    void WMLButtonDown(TMessage &m);
    void WMRButtonDown(TMessage &m);
    void WMMButtonDown(TMessage &m);
    void WMLButtonDblClk(TMessage &m);
    void WMRButtonDblClk(TMessage &m);
    void WMMButtonDblClk(TMessage &m);
    void WMLButtonUp(TMessage &m);
    void WMRButtonUp(TMessage &m);
    void WMMButtonUp(TMessage &m);
    void WMMouseMove(TMessage &m);
    void WMContextMenu(TMessage &m);
    void CMMouseEnter(TMessage &m);
    void CMMouseLeave(TMessage &m);
    void CMHitTest(TMessage &m);
    void CMMouseWheel(TMessage &m);
    void CMVisibleChanged(TMessage &m);
    void CMEnabledChanged(TMessage &m);
    void CMFontChanged(TMessage &m);
    void CMColorChanged(TMessage &m);
    void CMTextChanged(TMessage &m);
    void CMParentFontChanged(TMessage &m);
    void CMParentColorChanged(TMessage &m);
    void CMParentShowHintChanged(TMessage &m);
protected:

    TWinControl *FParent = nullptr;
    int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
    TAlign FAlign = alNone;
    TAnchors FAnchors{akLeft, akTop};
    std::unique_ptr<TSizeConstraints> FConstraints;
    bool FVisible = true;
    bool FEnabled = true;
    QString FText;
    std::unique_ptr<TFont> FFont;
    bool FParentFont = true;
    TColor FColor = clWindow;
    bool FParentColor = true;
    QString FHint;
    bool FShowHint = false;
    bool FParentShowHint = true;
    TCursor FCursor = crDefault;
    TPopupMenu *FPopupMenu = nullptr;
    TControlStyle FControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    TControlState FControlState;
    // Anchor rules: the bounds and parent client size they were taken at.
    TRect FAnchorBounds;
    TSize FAnchorParentSize;
    bool FAnchorValid = false;

private:
    void DoMouseDown(TMessage &m, TMouseButton button, TShiftState extra);
    void DoMouseUp(TMessage &m, TMouseButton button);
    void FontChanged(TObject *);
    void ConstraintsChanged(TObject *);
    bool FFontChanging = false;

public:
    void Notification(TComponent *AComponent, TOperation Operation) override;
};
