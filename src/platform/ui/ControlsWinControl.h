#pragma once
// TWinControl: a control with a window. It owns a QWidget inside its parent's widget (created when
// the control is shown or its Handle is asked for), holds child controls (windowed ones above the
// windowless ones), keeps the tab order, takes the keyboard focus and receives keys as virtual-key
// codes:
//   CN_KEYDOWN first: Tab, arrows, Enter and Esc become dialog keys of the form (focus moves with
//   Tab in tab order) unless the control wants them (WM_GETDLGCODE, CM_WANTSPECIALKEY);
//   then WM_KEYDOWN: the form's OnKeyDown when KeyPreview, then the control's KeyDown/OnKeyDown;
//   a handler may change the key code (the next one sees the new code) or set it to 0;
//   WM_CHAR likewise through KeyPress/OnKeyPress; WM_KEYUP through KeyUp/OnKeyUp.
//
// Painting: the control paints into its own backing image. WM_ERASEBKGND (WParam: the device
// context, a TCanvas *) fills the client area with Color, or with ParentBackground draws the
// parent's image; WM_PAINT paints the control (PaintWindow) and then its windowless children
// (PaintControls), each after the parent's own paint and below the windowed children.
// WM_PRINTCLIENT paints the same into any canvas: this is how a transparent child asks its parent
// for the pixels behind it (DrawParentBackground), and PaintTo renders a control with all its
// children into an image.
//
// Native widgets: a subclass may supply its own widget by overriding CreateWidget (an editor, a
// list ...). Its input still comes through the framework's messages first; what a handler leaves
// (a key it did not set to 0, a mouse press) goes on to the widget in DefaultHandler. Painting
// follows the same order: the widget renders itself, then the control gets WM_PAINT with a
// device context over the rendered pixels, so a handler (or a subclass's, after calling the
// inherited one) draws over the widget and all its parts. On screen the pixels are the ones the
// widget and its parts have just painted; into an image (PaintTo) the widget is rendered first, by
// the default handling of WM_PAINT. Drawing on a native control's canvas outside the paint message
// is not kept: the next paint of the widget covers it.

#include <QPointer>
#include <QRegion>
#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

#include "platform/ui/Controls.h"
#include "platform/ui/Region.h"

class QEvent;
class QPainter;
struct TCanvasSurface;
class TPadding;

class TWinControl : public TControl {
    T_DECLARE_CLASS(TWinControl, TControl)
    explicit TWinControl(TComponent *AOwner);
    ~TWinControl() override;

    // ---- Children ----
    // Windowless children first, then the windowed ones; each group bottom to top.
    int ControlCount() const { return static_cast<int>(FControls.size() + FWinControls.size()); }
    TControl *Controls(int index) const;
    void InsertControl(TControl *AControl);
    void RemoveControl(TControl *AControl);
    bool ContainsControl(TControl *control) const;
    // The topmost visible child under a client point: windowed children first, then windowless
    // ones (enabled unless `allowDisabled`); `allLevels` descends into windowed children.
    TControl *ControlAtPos(const TPoint &pos, bool allowDisabled, bool allowWinControls = false,
                           bool allLevels = false);
    // Sends the message to each child until one answers non-zero.
    void Broadcast(TMessage &message);
    void NotifyControls(UINT msg);
    TControl *FindChildControl(const QString &name) const;

    // ---- Tab order and focus ----
    int TabOrder() const;
    void SetTabOrder(int value);
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool value);
    void GetTabOrderList(std::vector<TWinControl *> &list) const;
    TWinControl *FindNextControl(TWinControl *current, bool goForward, bool checkTabStop, bool checkParent);
    void SelectNext(TWinControl *current, bool goForward, bool checkTabStop);
    virtual bool CanFocus();
    bool Focused() const;
    // Focuses the control (EInvalidOperation when it cannot take the focus).
    virtual void SetFocus();

    // ---- Window ----
    HWND Handle();
    bool HandleAllocated() const { return FHandle != nullptr; }
    void HandleNeeded() { Handle(); }
    // The control's widget (created with the handle).
    QWidget *Widget();
    QWidget *WidgetIfCreated() const { return FWidget.data(); }
    bool IsShowing() const override;
    // A parentless control shown inside a native parent widget (nullptr: a top-level window).
    QWidget *ParentWidget() const { return FParentWidget; }
    void SetParentWidget(QWidget *parent);
    // The window's shape (client coordinates); outside it nothing is shown and no input arrives.
    // nullptr gives back the whole rectangle.
    void SetWindowRegion(const TRegion *rgn);
    const std::optional<TRegion> &WindowRegion() const { return FWindowRegion; }

    // ---- Painting ----
    void Invalidate() override;
    void InvalidateRect(const TRect &r);
    void Update() override;
    void Repaint() override;
    void PaintTo(TCanvas *canvas, int x, int y) override;
    bool DoubleBuffered() const { return FDoubleBuffered; }
    void SetDoubleBuffered(bool value) { FDoubleBuffered = value; }
    bool ParentBackground() const { return FControlStyle.Contains(csParentBackground); }
    void SetParentBackground(bool value);
    // The pixels the control shows now (its backing image, after painting what is invalid).
    const QImage &BackingImage();
    // The device context of the paint message (WM_PAINT with a device context) the control is
    // handling, and a number that differs for each such message; nullptr outside painting.
    TCanvas *PaintDC() const { return FPaintDC; }
    unsigned PaintSerial() const { return FPaintSerial; }
    const std::shared_ptr<TCanvasSurface> &BackingSurface() const { return FBacking; }

    // ---- Alignment ----
    void Realign();
    void DisableAlign() { ++FAlignLevel; }
    void EnableAlign();
    TPadding *Padding() const { return FPadding.get(); }
    void SetPadding(TPadding *value);
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void SetZOrder(bool topMost) override;

    // Accepted from form definitions.
    bool Ctl3D = true;
    bool ParentCtl3D = true;
    bool DockSite = false;
    bool UseDockManager = false;

    // ---- Events ----
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

    // For the form: the key events of the framework; true when the key was consumed.
    bool DoKeyDown(TMessage &message);
    bool DoKeyUp(TMessage &message);
    bool DoKeyPress(TMessage &message);

    // Native widgets: the widget handles the message itself (mouse and keys forwarded).
    void DefaultHandler(TMessage &message) override;
    void WndProc(TMessage &message) override;
    void Loaded() override;
    // Streaming: the child controls that Root owns, in the order they were created.
    void GetChildren(const TGetChildProc &Proc, TComponent *Root) override;

    // Paints background, own painting and windowless children into `dc` (the print-client path).
    void PaintHandler(TCanvas *dc);
    // Paints the windowless children (from `first`, or all) into `dc`.
    void PaintControls(TCanvas *dc, TControl *first);
    // Draws the parent's image behind this control into `dc` (client coordinates of this control).
    void DrawParentBackground(TCanvas *dc);

protected:
    // The widget of this control inside `parent` (a parent's widget or the form's client area).
    // The default widget paints the backing image.
    virtual QWidget *CreateWidget(QWidget *parent);
    // True when CreateWidget supplies a native widget (input goes on to it, PaintTo renders it).
    virtual bool NativeWidget() const { return false; }
    virtual void CreateWnd();
    virtual void DestroyWnd();
    // Destroys and creates the window again (after a change a window cannot take in place).
    void RecreateWnd();
    // The widget's place: its host widget and its bounds.
    virtual void UpdateWidgetGeometry();
    // The widget the control's widget lives in: the parent's widget, else the native parent
    // widget (nullptr: the control's widget is a top-level window).
    virtual QWidget *HostWidget();
    // Where the control's widget (its client area) lies in the parent's widget.
    virtual QRect WidgetRect();
    // Sizes the backing image to the client area and repaints all of it. A control never painted
    // yet gets its image at its first paint (or first canvas use): hidden pages cost no pixels.
    void ResizeBacking();
    // Moves every child by (dx, dy) without touching anchors or alignment (scrolling).
    void ShiftControls(int dx, int dy);
    virtual void UpdateWidgetVisibility();
    // Gives the widget the window's shape (SetWindowRegion), or its whole rectangle.
    virtual void ApplyWindowRegion();

    virtual void PaintWindow(TCanvas *dc);
    virtual void AlignControls(TControl *AControl, TRect &rect);
    virtual void AdjustClientRect(TRect &rect);
    // The window's own client area, which its image covers: ClientRect, unless the control draws
    // a frame inside its window and leaves the frame out of ClientRect.
    virtual TRect WindowClientRect() const { return GetClientRect(); }

    virtual void KeyDown(WORD &key, TShiftState shift);
    virtual void KeyUp(WORD &key, TShiftState shift);
    virtual void KeyPress(QChar &key);
    virtual void DoEnter() { if (OnEnter) OnEnter(this); }
    virtual void DoExit() { if (OnExit) OnExit(this); }

protected:  // message handlers, registered by number in the class description
    void WMPaint(TMessage &m);
    void WMPrintClient(TMessage &m);
    void WMEraseBkgnd(TMessage &m);
    void WMKeyDown(TMessage &m);
    void WMKeyUp(TMessage &m);
    void WMChar(TMessage &m);
    void CNKeyDown(TMessage &m);
    void CNChar(TMessage &m);
    void WMSize(TMessage &m);
    void WMWindowPosChanged(TMessage &m);
    void CMEnter(TMessage &m);
    void CMExit(TMessage &m);
    void CMDialogKey(TMessage &m);
    void CMDialogChar(TMessage &m);
    void CMFocusChanged(TMessage &m);
    void CMFontChanged(TMessage &m);
    void CMColorChanged(TMessage &m);
    void CMEnabledChanged(TMessage &m);
    void CMVisibleChanged(TMessage &m);
    void CMShowHintChanged(TMessage &m);
    void CMInvalidate(TMessage &m);
    void CMHitTestWin(TMessage &m);
protected:

    std::vector<TControl *> FControls;     // windowless children, bottom to top
    std::vector<TWinControl *> FWinControls;  // windowed children, bottom to top
    std::vector<TWinControl *> FTabList;
    bool FTabStop = false;
    bool FDoubleBuffered = false;

private:
    friend class TControlWidget;
    friend class TNativeOverlay;
    friend class TControl;
    friend class TInputRouter;
    friend class TCustomForm;
    void Insert(TControl *c);
    void Remove(TControl *c);
    void DoAlign(TAlign align, TControl *AControl, TRect &rect);
    void ApplyAnchors(TControl *c);
    void PaintBacking();
    void EnsureBacking();
    virtual void WidgetPaint(const QRegion &region);
    // The paint message over a native widget's pixels, drawn with `painter` (on the widget,
    // after the widget and its parts) inside `region`.
    void PaintOverNative(QPainter &painter, const QRegion &region);
    // While it lives, the control's canvases draw through `dc`, the device context of a paint
    // message (PaintDC, a new PaintSerial); the previous ones come back after it.
    class TPaintScope {
    public:
        TPaintScope(TWinControl *control, TCanvas *dc);
        ~TPaintScope();
        TPaintScope(const TPaintScope &) = delete;
        TPaintScope &operator=(const TPaintScope &) = delete;

    private:
        TWinControl *control_;
        TCanvas *dc_;
        unsigned serial_;
    };

    HWND FHandle = nullptr;
    QPointer<QWidget> FWidget;
    QWidget *FParentWidget = nullptr;
    std::shared_ptr<TCanvasSurface> FBacking;
    QRegion FInvalid;
    bool FPainting = false;
    TCanvas *FPaintDC = nullptr;
    unsigned FPaintSerial = 0;
    bool FOverNative = false;  // the paint's device context already holds the native rendering
    int FAlignLevel = 0;
    bool FAlignPending = false;
    std::unique_ptr<TPadding> FPadding;
    std::optional<TRegion> FWindowRegion;
    int FTabOrderRequest = -1;  // TabOrder read from a form definition, applied in Loaded
};

// The windowed control whose widget is `widget` (or an ancestor of it), if any.
TWinControl *FindControlOfWidget(QWidget *widget);
