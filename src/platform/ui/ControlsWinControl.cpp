#include "platform/ui/ControlsWinControl.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

#include "platform/ui/Canvas.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/ControlsInput.h"
#include "platform/ui/ControlsWidget.h"
#include "platform/runtime/Exception.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Menus.h"

namespace {

// A device context over a control's backing image, for painting it.
class TPaintDC : public TCanvas {
public:
    // `origin`: where the control's (0, 0) lies on the surface; `clip` in surface coordinates.
    TPaintDC(std::shared_ptr<TCanvasSurface> surface, const QRegion &clip, TPoint origin = TPoint(0, 0))
    {
        AttachSurface(std::move(surface), origin, clip);
    }
};

// Moves the logical origin so that (0, 0) lands on (dx, dy) of the current coordinates.
void MoveWindowOrg(TCanvas *dc, int dx, int dy)
{
    const TPoint org = dc->WindowOrg();
    dc->SetWindowOrg(TPoint(org.X - dx, org.Y - dy));
}

TCanvas *DcOf(const TMessage &m)
{
    return reinterpret_cast<TCanvas *>(m.WParam);
}

}  // namespace

T_IMPLEMENT_CLASS(TWinControl)
{
    b.Object("Padding", &TWinControl::Padding, &TWinControl::SetPadding);
    b.Bool("DoubleBuffered", &TWinControl::DoubleBuffered, &TWinControl::SetDoubleBuffered).Default(false);
    b.Bool("ParentBackground", &TWinControl::ParentBackground, &TWinControl::SetParentBackground)
        .Stored(false);
    b.Int("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder).Default(-1);
    b.Bool("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(false);
    b.Bool("Ctl3D", &TWinControl::Ctl3D, &TWinControl::Ctl3D).Default(true);
    b.Bool("ParentCtl3D", &TWinControl::ParentCtl3D, &TWinControl::ParentCtl3D).Default(true);
    b.Bool("DockSite", &TWinControl::DockSite, &TWinControl::DockSite).Default(false);
    b.Bool("UseDockManager", &TWinControl::UseDockManager, &TWinControl::UseDockManager).Default(false);
    b.Event("OnEnter", &TWinControl::OnEnter);
    b.Event("OnExit", &TWinControl::OnExit);
    b.Event("OnKeyDown", &TWinControl::OnKeyDown);
    b.Event("OnKeyPress", &TWinControl::OnKeyPress);
    b.Event("OnKeyUp", &TWinControl::OnKeyUp);

    b.Message(WM_PAINT, &TWinControl::WMPaint);
    b.Message(WM_PRINTCLIENT, &TWinControl::WMPrintClient);
    b.Message(WM_ERASEBKGND, &TWinControl::WMEraseBkgnd);
    b.Message(WM_KEYDOWN, &TWinControl::WMKeyDown);
    b.Message(WM_SYSKEYDOWN, &TWinControl::WMKeyDown);
    b.Message(WM_KEYUP, &TWinControl::WMKeyUp);
    b.Message(WM_SYSKEYUP, &TWinControl::WMKeyUp);
    b.Message(WM_CHAR, &TWinControl::WMChar);
    b.Message(CN_KEYDOWN, &TWinControl::CNKeyDown);
    b.Message(CN_SYSKEYDOWN, &TWinControl::CNKeyDown);
    b.Message(CN_CHAR, &TWinControl::CNChar);
    b.Message(WM_SIZE, &TWinControl::WMSize);
    b.Message(WM_WINDOWPOSCHANGED, &TWinControl::WMWindowPosChanged);
    b.Message(CM_ENTER, &TWinControl::CMEnter);
    b.Message(CM_EXIT, &TWinControl::CMExit);
    b.Message(CM_DIALOGKEY, &TWinControl::CMDialogKey);
    b.Message(CM_DIALOGCHAR, &TWinControl::CMDialogChar);
    b.Message(CM_FOCUSCHANGED, &TWinControl::CMFocusChanged);
    b.Message(CM_FONTCHANGED, &TWinControl::CMFontChanged);
    b.Message(CM_COLORCHANGED, &TWinControl::CMColorChanged);
    b.Message(CM_ENABLEDCHANGED, &TWinControl::CMEnabledChanged);
    b.Message(CM_VISIBLECHANGED, &TWinControl::CMVisibleChanged);
    b.Message(CM_SHOWHINTCHANGED, &TWinControl::CMShowHintChanged);
    b.Message(CM_INVALIDATE, &TWinControl::CMInvalidate);
    b.Message(CM_HITTEST, &TWinControl::CMHitTestWin);
}

TWinControl::TWinControl(TComponent *AOwner)
    : TControl(AOwner), FBacking(std::make_shared<TCanvasSurface>()), FPadding(std::make_unique<TPadding>())
{
    FBacking->OnDrawn = [this](const QRect &r) {
        if (FWidget)
            FWidget->update(r);
    };
    FPadding->OnChange = TNotifyEvent([this](TObject *) { Realign(); });
}

TWinControl::~TWinControl()
{
    Destroying();
    // Leave the parent while this is still known as a windowed control.
    if (FParent)
        FParent->RemoveControl(this);
    if (TCustomForm *form = GetParentForm(this); form && form != this)
        form->DefocusControl(this, true);
    if (TInputRouter::FocusedWindow() && ContainsControl(TInputRouter::FocusedWindow()))
        TInputRouter::SetFocusedWindow(nullptr);
    // The windows go first (the children's with this one), so that nothing Qt still delivers
    // reaches a control that is half destroyed. A subclass whose DestroyWnd does more calls it
    // from its own destructor.
    DestroyWnd();
    // Children go with their parent, whoever owns them.
    while (!FWinControls.empty() || !FControls.empty()) {
        TControl *c = !FWinControls.empty() ? static_cast<TControl *>(FWinControls.back()) : FControls.back();
        Remove(c);
        c->FParent = nullptr;
        delete c;
    }
}

// ---- Children -------------------------------------------------------------------------------------------

void TWinControl::GetChildren(const TGetChildProc &Proc, TComponent *Root)
{
    if (!Root)
        return;
    // The owner's list keeps the creation order, which the child lists (windowless first) do not.
    for (int i = 0; i < Root->ComponentCount(); ++i)
        if (auto *c = dynamic_cast<TControl *>(Root->Components(i)); c && c->Parent() == this)
            Proc(c);
}

TControl *TWinControl::Controls(int index) const
{
    const int n = static_cast<int>(FControls.size());
    if (index < 0 || index >= ControlCount())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return index < n ? FControls[static_cast<std::size_t>(index)]
                     : FWinControls[static_cast<std::size_t>(index - n)];
}

void TWinControl::Insert(TControl *c)
{
    c->FParent = this;
    if (auto *w = dynamic_cast<TWinControl *>(c)) {
        FWinControls.push_back(w);
        FTabList.push_back(w);
    } else {
        FControls.push_back(c);
    }
}

void TWinControl::Remove(TControl *c)
{
    // By address: a control being destroyed may no longer know its own class.
    auto same = [c](TWinControl *w) { return static_cast<TControl *>(w) == c; };
    std::erase_if(FWinControls, same);
    std::erase_if(FTabList, same);
    std::erase(FControls, c);
    c->FParent = nullptr;
}

void TWinControl::InsertControl(TControl *AControl)
{
    if (!AControl || AControl->FParent == this)
        return;
    Insert(AControl);
    AControl->Perform(CM_PARENTCOLORCHANGED);
    AControl->Perform(CM_PARENTFONTCHANGED);
    AControl->Perform(CM_PARENTSHOWHINTCHANGED);
    if (auto *w = dynamic_cast<TWinControl *>(AControl)) {
        if (w->FHandle || (FHandle && w->FVisible))
            w->UpdateWidgetGeometry();
    } else {
        AControl->Invalidate();
    }
    Realign();
    Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(AControl), 1);
}

void TWinControl::RemoveControl(TControl *AControl)
{
    if (!AControl || AControl->FParent != this)
        return;
    Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(AControl), 0);
    if (auto *w = dynamic_cast<TWinControl *>(AControl)) {
        if (TCustomForm *form = GetParentForm(this))
            form->DefocusControl(w, true);
        if (TInputRouter::FocusedWindow() && w->ContainsControl(TInputRouter::FocusedWindow()))
            TInputRouter::SetFocusedWindow(GetParentForm(this));
        w->DestroyWnd();
    } else {
        AControl->InvalidateControl();
    }
    Remove(AControl);
    Realign();
}

bool TWinControl::ContainsControl(TControl *control) const
{
    for (TControl *c = control; c; c = c->FParent)
        if (c == this)
            return true;
    return false;
}

TControl *TWinControl::ControlAtPos(const TPoint &pos, bool allowDisabled, bool allowWinControls, bool allLevels)
{
    auto hit = [&](TControl *c) {
        if (!c->Visible() || !(allowDisabled || c->Enabled()) || !c->BoundsRect().Contains(pos))
            return false;
        const LRESULT h = c->Perform(CM_HITTEST, 0, PointToLParam(TPoint(pos.X - c->Left(), pos.Y - c->Top())));
        return h != HTTRANSPARENT && h != HTNOWHERE;
    };
    if (allowWinControls)
        for (auto it = FWinControls.rbegin(); it != FWinControls.rend(); ++it)
            if (hit(*it)) {
                if (allLevels) {
                    const TPoint local(pos.X - (*it)->Left(), pos.Y - (*it)->Top());
                    if (TControl *deeper = (*it)->ControlAtPos(local, allowDisabled, true, true))
                        return deeper;
                }
                return *it;
            }
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it)
        if (hit(*it))
            return *it;
    return nullptr;
}

void TWinControl::Broadcast(TMessage &message)
{
    std::vector<TControl *> all(FControls.begin(), FControls.end());
    all.insert(all.end(), FWinControls.begin(), FWinControls.end());
    BroadcastMessage(all, message, [](TControl *c, TMessage &m) {
        if (c->WindowProc)
            c->WindowProc(m);
        else
            c->WndProc(m);
    });
}

void TWinControl::NotifyControls(UINT msg)
{
    TMessage m;
    m.Msg = msg;
    Broadcast(m);
}

TControl *TWinControl::FindChildControl(const QString &name) const
{
    for (TControl *c : FControls)
        if (c->Name().compare(name, Qt::CaseInsensitive) == 0)
            return c;
    for (TWinControl *c : FWinControls)
        if (c->Name().compare(name, Qt::CaseInsensitive) == 0)
            return c;
    return nullptr;
}

// ---- Tab order and focus ------------------------------------------------------------------------

int TWinControl::TabOrder() const
{
    if (!FParent)
        return -1;
    const auto &list = FParent->FTabList;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int value)
{
    if (ComponentState().Contains(csLoading))
        FTabOrderRequest = value;
    if (!FParent || value < 0)
        return;
    auto &list = FParent->FTabList;
    std::erase(list, this);
    value = std::min<int>(value, static_cast<int>(list.size()));
    list.insert(list.begin() + value, this);
}

void TWinControl::SetTabStop(bool value)
{
    if (FTabStop == value)
        return;
    FTabStop = value;
    Perform(CM_TABSTOPCHANGED);
}

void TWinControl::Loaded()
{
    // The tab order read from the definition, now that all siblings exist.
    std::stable_sort(FTabList.begin(), FTabList.end(), [](TWinControl *a, TWinControl *b) {
        const int ka = a->FTabOrderRequest >= 0 ? a->FTabOrderRequest : INT32_MAX;
        const int kb = b->FTabOrderRequest >= 0 ? b->FTabOrderRequest : INT32_MAX;
        return ka < kb;
    });
    inherited::Loaded();
    Realign();
}

void TWinControl::GetTabOrderList(std::vector<TWinControl *> &list) const
{
    for (TWinControl *c : FTabList) {
        list.push_back(c);
        c->GetTabOrderList(list);
    }
}

TWinControl *TWinControl::FindNextControl(TWinControl *current, bool goForward, bool checkTabStop, bool checkParent)
{
    std::vector<TWinControl *> list;
    GetTabOrderList(list);
    if (list.empty())
        return nullptr;
    const int count = static_cast<int>(list.size());
    auto it = std::find(list.begin(), list.end(), current);
    int start = it == list.end() ? (goForward ? count - 1 : 0) : static_cast<int>(it - list.begin());
    int i = start;
    do {
        i = goForward ? (i + 1) % count : (i + count - 1) % count;
        TWinControl *c = list[static_cast<std::size_t>(i)];
        if (c->CanFocus() && (!checkTabStop || c->TabStop()) && (!checkParent || c->FParent == this))
            return c;
    } while (i != start);
    return nullptr;
}

void TWinControl::SelectNext(TWinControl *current, bool goForward, bool checkTabStop)
{
    if (TWinControl *next = FindNextControl(current, goForward, checkTabStop, !checkTabStop))
        next->SetFocus();
}

bool TWinControl::CanFocus()
{
    TCustomForm *form = GetParentForm(this);
    if (!form)
        return FVisible && FEnabled;
    for (TWinControl *c = this; c != form; c = c->FParent) {
        if (!c || !c->FVisible || !c->Enabled())
            return false;
    }
    return true;
}

bool TWinControl::Focused() const
{
    return TInputRouter::FocusedWindow() == this;
}

void TWinControl::SetFocus()
{
    if (TCustomForm *form = GetParentForm(this)) {
        form->FocusControl(this);
        return;
    }
    if (!CanFocus())
        throw EInvalidOperation(QStringLiteral("Cannot focus a disabled or invisible window"));
    TInputRouter::SetFocusedWindow(this);
}

// ---- Window -------------------------------------------------------------------------------------------

HWND TWinControl::Handle()
{
    if (!FHandle)
        CreateWnd();
    return FHandle;
}

QWidget *TWinControl::Widget()
{
    Handle();
    return FWidget.data();
}

void TWinControl::SetParentWidget(QWidget *parent)
{
    if (FParentWidget == parent)
        return;
    FParentWidget = parent;
    if (FWidget && !FParent) {
        UpdateWidgetGeometry();
        UpdateWidgetVisibility();
    }
}

void TWinControl::SetWindowRegion(const TRegion *rgn)
{
    if (rgn)
        FWindowRegion = *rgn;
    else
        FWindowRegion.reset();
    ApplyWindowRegion();
    InvalidateControl();
}

void TWinControl::ApplyWindowRegion()
{
    if (!FWidget)
        return;
    if (FWindowRegion)
        FWidget->setMask(FWindowRegion->Native());
    else
        FWidget->clearMask();
}

void TWinControl::CMHitTestWin(TMessage &m)
{
    m.Result = FWindowRegion && !FWindowRegion->Contains(LParamToPoint(m.LParam)) ? HTNOWHERE : HTCLIENT;
}

QWidget *TWinControl::CreateWidget(QWidget *parent)
{
    return new TControlWidget(this, parent);
}

void TWinControl::CreateWnd()
{
    if (FHandle || ComponentState().Contains(csDestroying))
        return;
    QWidget *parentWidget = FParent ? FParent->Widget() : FParentWidget;
    FHandle = AllocateHWnd([this](TMessage &m) {
        if (WindowProc)
            WindowProc(m);
        else
            WndProc(m);
    });
    FWidget = CreateWidget(parentWidget);
    AttachControlWidget(FWidget, this);
    if (FWindowRegion)
        ApplyWindowRegion();
    if (NativeWidget()) {
        FWidget->setEnabled(FEnabled);
        new TNativeOverlay(this, FWidget);
    }
    UpdateWidgetGeometry();
    for (TWinControl *c : FWinControls)
        if (c->FVisible)
            c->CreateWnd();
    UpdateWidgetVisibility();
    // The focused control's widget is new: Qt's focus moves to it.
    if (TInputRouter::FocusedWindow() == this)
        TInputRouter::SyncWidgetFocus();
}

void TWinControl::RecreateWnd()
{
    if (!FHandle)
        return;
    DestroyWnd();
    CreateWnd();
}

void TWinControl::DestroyWnd()
{
    for (TWinControl *c : FWinControls)
        c->DestroyWnd();
    if (FWidget) {
        QWidget *w = FWidget.data();
        FWidget = nullptr;
        DetachControlWidget(w);
        w->hide();
        w->deleteLater();
        w->setParent(nullptr);
    }
    if (FHandle) {
        DeallocateHWnd(FHandle);
        FHandle = nullptr;
    }
}

void TWinControl::UpdateWidgetGeometry()
{
    if (!FWidget) {
        // A visible child of a windowed parent gets its window with the parent's.
        if (FParent && FParent->FHandle && FVisible)
            CreateWnd();
        return;
    }
    QWidget *host = HostWidget();
    if (FWidget->parentWidget() != host)
        FWidget->setParent(host);
    FWidget->setGeometry(WidgetRect());
}

QWidget *TWinControl::HostWidget()
{
    return FParent ? FParent->FWidget.data() : FParentWidget;
}

QRect TWinControl::WidgetRect()
{
    return QRect(FLeft, FTop, std::max(0, FWidth), std::max(0, FHeight));
}

void TWinControl::ShiftControls(int dx, int dy)
{
    if (dx == 0 && dy == 0)
        return;
    for (TControl *c : FControls) {
        c->FLeft += dx;
        c->FTop += dy;
    }
    for (TWinControl *c : FWinControls) {
        c->FLeft += dx;
        c->FTop += dy;
        c->UpdateWidgetGeometry();
    }
    Invalidate();
}

void TWinControl::UpdateWidgetVisibility()
{
    if (FWidget)
        FWidget->setVisible(FVisible);
}

bool TWinControl::IsShowing() const
{
    if (!FVisible)
        return false;
    if (FParent)
        return FParent->IsShowing();
    return FWidget && FWidget->isVisible();
}

// ---- Painting -------------------------------------------------------------------------------------------

void TWinControl::Invalidate()
{
    Perform(CM_INVALIDATE);
}

void TWinControl::CMInvalidate(TMessage &m)
{
    // WParam 1: a child was invalidated (nothing to repaint here).
    if (m.WParam == 0)
        InvalidateRect(WindowClientRect());
    if (FParent)
        FParent->Perform(CM_INVALIDATE, 1);
}

void TWinControl::InvalidateRect(const TRect &r)
{
    if (r.IsEmpty())
        return;
    FInvalid += ToQRect(r);
    if (FWidget)
        FWidget->update(ToQRect(r));
    // Children that show this control's image behind them repaint with it.
    for (TWinControl *c : FWinControls)
        if (c->ParentBackground() && c->Visible()) {
            TRect overlap;
            if (IntersectRect(overlap, r, c->BoundsRect())) {
                overlap.Offset(-c->Left(), -c->Top());
                c->InvalidateRect(overlap);
            }
        }
}

void TWinControl::EnsureBacking()
{
    const TRect cr = WindowClientRect();
    const QSize size(std::max(0, cr.Width()), std::max(0, cr.Height()));
    if (FBacking->Image.size() == size)
        return;
    if (size.isEmpty()) {
        FBacking->Image = QImage();
    } else {
        FBacking->Image = QImage(size, QImage::Format_RGB32);
        FBacking->Image.fill(Qt::black);
    }
    FInvalid = QRegion(0, 0, size.width(), size.height());
}

void TWinControl::ResizeBacking()
{
    if (!FBacking->Image.isNull())
        EnsureBacking();
    Invalidate();
}

void TWinControl::PaintBacking()
{
    EnsureBacking();
    if (FInvalid.isEmpty() || FPainting || FBacking->Image.isNull())
        return;
    const QRegion clip = FInvalid & QRegion(FBacking->Image.rect());
    FInvalid = QRegion();
    FPainting = true;
    ++FBacking->Suspended;
    try {
        TPaintDC dc(FBacking, clip);
        const WPARAM handle = reinterpret_cast<WPARAM>(dc.Handle());
        Perform(WM_ERASEBKGND, handle, static_cast<LPARAM>(handle));
        Perform(WM_PAINT, handle, 0);
    } catch (...) {
        --FBacking->Suspended;
        FPainting = false;
        throw;
    }
    --FBacking->Suspended;
    FPainting = false;
}

void TWinControl::WidgetPaint(const QRegion &region)
{
    PaintBacking();
    QPainter p(FWidget.data());
    for (const QRect &r : region)
        p.drawImage(r, FBacking->Image, r);
}

namespace {

// A copy of the pixels `painter` has below `rect` (what the widget and its parts painted there),
// in a format the canvas draws on; a transparent image when the device holds no pixels to read.
QImage PixelsBelow(QPainter &painter, const QRect &rect)
{
    const QRect area = painter.deviceTransform().mapRect(rect);
    QImage pixels;
    QPaintDevice *device = painter.paintEngine() ? painter.paintEngine()->paintDevice() : nullptr;
    if (device && device->devType() == QInternal::Image)
        pixels = static_cast<QImage *>(device)->copy(area);
    else if (device && device->devType() == QInternal::Pixmap)
        pixels = static_cast<QPixmap *>(device)->copy(area).toImage();
    if (pixels.isNull()) {
        pixels = QImage(rect.size(), QImage::Format_ARGB32);
        pixels.fill(Qt::transparent);
        return pixels;
    }
    if (pixels.size() != rect.size())
        pixels = pixels.scaled(rect.size());
    return pixels.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

TWinControl::TPaintScope::TPaintScope(TWinControl *control, TCanvas *dc)
    : control_(control), dc_(control->FPaintDC), serial_(control->FPaintSerial)
{
    static unsigned serials = 0;
    if (++serials == 0)
        ++serials;
    control->FPaintDC = dc;
    control->FPaintSerial = serials;
}

TWinControl::TPaintScope::~TPaintScope()
{
    control_->FPaintDC = dc_;
    control_->FPaintSerial = serial_;
}

void TWinControl::PaintOverNative(QPainter &painter, const QRegion &region)
{
    // Only the part being painted is read and written back.
    const QRect bounds = region.boundingRect() & QRect(QPoint(0, 0), FWidget ? FWidget->size() : QSize());
    if (bounds.isEmpty())
        return;
    auto surface = std::make_shared<TCanvasSurface>();
    surface->Image = PixelsBelow(painter, bounds);
    {
        const QPoint shift = -bounds.topLeft();
        TPaintDC dc(surface, region.translated(shift), TPoint(shift.x(), shift.y()));
        struct Flag {
            bool &f;
            ~Flag() { f = false; }
        } flag{FOverNative};
        FOverNative = true;
        // Whatever the control draws while the message runs belongs to this paint, also what a
        // subclass draws on its canvas after the inherited handling outside its message handler
        // (a WndProc override): it lands on the pixels shown now, and drawing never asks for
        // another paint of the widget, which would paint again, and so on for ever.
        const TPaintScope scope(this, dc.Handle());
        ++FBacking->Suspended;
        struct Resume {
            TCanvasSurface &s;
            ~Resume() { --s.Suspended; }
        } resume{*FBacking};
        Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc.Handle()), 0);
    }
    painter.setClipRegion(region);
    painter.drawImage(bounds, surface->Image);
}

const QImage &TWinControl::BackingImage()
{
    PaintBacking();
    return FBacking->Image;
}

void TWinControl::Update()
{
    // A control that is not on screen paints when it is shown, or when its pixels are read
    // (BackingImage, a canvas over it): painting it now would only be done again.
    if (FWidget && FWidget->isVisible())
        FWidget->repaint();
}

void TWinControl::Repaint()
{
    Invalidate();
    Update();
}

void TWinControl::WMPaint(TMessage &m)
{
    if (TCanvas *dc = DcOf(m))
        PaintHandler(dc);
    else
        PaintBacking();
}

void TWinControl::PaintHandler(TCanvas *dc)
{
    if (FControls.empty()) {
        PaintWindow(dc);
    } else {
        // The control's own painting leaves out the opaque windowless children.
        dc->SaveDC();
        for (TControl *c : FControls)
            if (c->Visible() && c->ControlStyle().Contains(csOpaque))
                dc->ExcludeClipRect(c->BoundsRect());
        if (!dc->ClipRect().IsEmpty())
            PaintWindow(dc);
        dc->RestoreDC(-1);
    }
    PaintControls(dc, nullptr);
}

void TWinControl::PaintWindow(TCanvas *dc)
{
    TMessage m;
    m.Msg = WM_PAINT;
    m.WParam = reinterpret_cast<WPARAM>(dc);
    DefaultHandler(m);
}

void TWinControl::PaintControls(TCanvas *dc, TControl *first)
{
    auto it = first ? std::find(FControls.begin(), FControls.end(), first) : FControls.begin();
    const std::vector<TControl *> list(it, FControls.end());
    for (TControl *c : list) {
        if (!c->Visible() || c->Width() <= 0 || c->Height() <= 0 || !dc->RectVisible(c->BoundsRect()))
            continue;
        dc->SaveDC();
        MoveWindowOrg(dc, c->Left(), c->Top());
        dc->IntersectClipRect(TRect(0, 0, c->Width(), c->Height()));
        c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc));
        dc->RestoreDC(-1);
    }
}

void TWinControl::WMEraseBkgnd(TMessage &m)
{
    TCanvas *dc = DcOf(m);
    if (!dc)
        return;
    if (ParentBackground() && FParent)
        DrawParentBackground(dc);
    else
        dc->FillRect(WindowClientRect(), FColor);
    m.Result = 1;
}

void TWinControl::DrawParentBackground(TCanvas *dc)
{
    if (!FParent || !dc)
        return;
    dc->SaveDC();
    MoveWindowOrg(dc, -FLeft, -FTop);
    dc->IntersectClipRect(FParent->WindowClientRect());
    const WPARAM handle = reinterpret_cast<WPARAM>(dc->Handle());
    FParent->Perform(WM_ERASEBKGND, handle, static_cast<LPARAM>(handle));
    FParent->Perform(WM_PRINTCLIENT, handle, PRF_CLIENT);
    dc->RestoreDC(-1);
}

void TWinControl::WMPrintClient(TMessage &m)
{
    TCanvas *dc = DcOf(m);
    if (!dc || ((m.LParam & PRF_CHECKVISIBLE) && !FVisible))
        return;
    if (m.LParam & PRF_ERASEBKGND)
        Perform(WM_ERASEBKGND, m.WParam, static_cast<LPARAM>(m.WParam));
    FControlState << csPrintClient;
    PaintHandler(dc);
    FControlState >> csPrintClient;
    if (m.LParam & PRF_CHILDREN)
        for (TWinControl *c : std::vector<TWinControl *>(FWinControls))
            if (c->Visible())
                c->PaintTo(dc, c->Left(), c->Top());
}

void TWinControl::PaintTo(TCanvas *canvas, int x, int y)
{
    if (!canvas)
        return;
    FControlState << csPaintCopy;
    canvas->SaveDC();
    MoveWindowOrg(canvas, x, y);
    canvas->IntersectClipRect(TRect(0, 0, FWidth, FHeight));
    const WPARAM handle = reinterpret_cast<WPARAM>(canvas->Handle());
    Perform(WM_ERASEBKGND, handle, static_cast<LPARAM>(handle));
    Perform(WM_PAINT, handle, 0);
    for (TWinControl *c : std::vector<TWinControl *>(FWinControls))
        if (c->Visible())
            c->PaintTo(canvas, c->Left(), c->Top());
    canvas->RestoreDC(-1);
    FControlState >> csPaintCopy;
}

void TWinControl::SetParentBackground(bool value)
{
    if (ParentBackground() == value)
        return;
    if (value)
        FControlStyle << csParentBackground;
    else
        FControlStyle >> csParentBackground;
    Invalidate();
}

// ---- Alignment ----------------------------------------------------------------------------------------

void TWinControl::SetPadding(TPadding *value)
{
    FPadding->Assign(value);
}

void TWinControl::EnableAlign()
{
    if (FAlignLevel > 0 && --FAlignLevel == 0 && FAlignPending)
        Realign();
}

void TWinControl::Realign()
{
    if (FAlignLevel > 0 || ComponentState().Contains(csLoading) || ComponentState().Contains(csDestroying)) {
        FAlignPending = true;
        return;
    }
    ++FAlignLevel;
    FControlState << csAligning;
    TRect r = GetClientRect();
    AdjustClientRect(r);
    AlignControls(nullptr, r);
    FControlState >> csAligning;
    --FAlignLevel;
    FAlignPending = false;
}

void TWinControl::AdjustClientRect(TRect &rect)
{
    FPadding->Apply(rect);
}

void TWinControl::AlignControls(TControl *AControl, TRect &rect)
{
    for (TAlign a : {alTop, alBottom, alLeft, alRight, alClient})
        DoAlign(a, AControl, rect);
    for (TControl *c : std::vector<TControl *>(FControls))
        if (c->Align() == alNone)
            ApplyAnchors(c);
    for (TWinControl *c : std::vector<TWinControl *>(FWinControls))
        if (c->Align() == alNone)
            ApplyAnchors(c);
}

void TWinControl::DoAlign(TAlign align, TControl *AControl, TRect &rect)
{
    std::vector<TControl *> list;
    for (TControl *c : FControls)
        if (c->Align() == align && c->Visible())
            list.push_back(c);
    for (TWinControl *c : FWinControls)
        if (c->Align() == align && c->Visible())
            list.push_back(c);
    // Order along the edge the controls stack from; the control being moved goes first on a tie.
    auto key = [align](TControl *c) {
        switch (align) {
        case alTop: return c->Top();
        case alBottom: return -(c->Top() + c->Height());
        case alLeft: return c->Left();
        case alRight: return -(c->Left() + c->Width());
        default: return 0;
        }
    };
    std::stable_sort(list.begin(), list.end(), [&](TControl *a, TControl *b) {
        if (key(a) != key(b))
            return key(a) < key(b);
        return a == AControl && b != AControl;
    });
    for (TControl *c : list) {
        switch (align) {
        case alTop:
            c->SetBounds(rect.Left, rect.Top, rect.Width(), c->Height());
            rect.Top += c->Height();
            break;
        case alBottom:
            c->SetBounds(rect.Left, rect.Bottom - c->Height(), rect.Width(), c->Height());
            rect.Bottom -= c->Height();
            break;
        case alLeft:
            c->SetBounds(rect.Left, rect.Top, c->Width(), rect.Height());
            rect.Left += c->Width();
            break;
        case alRight:
            c->SetBounds(rect.Right - c->Width(), rect.Top, c->Width(), rect.Height());
            rect.Right -= c->Width();
            break;
        case alClient: c->SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height()); break;
        default: break;
        }
    }
}

void TWinControl::ApplyAnchors(TControl *c)
{
    if (!c->FAnchorValid)
        return;
    const TAnchors a = c->Anchors();
    if (a == TAnchors{akLeft, akTop})
        return;
    const TRect pc = GetClientRect();
    const TRect ab = c->FAnchorBounds;
    const TSize ps = c->FAnchorParentSize;
    auto place = [](bool lowEdge, bool highEdge, int pos, int size, int oldParent, int newParent, int &outPos,
                    int &outSize) {
        outPos = pos;
        outSize = size;
        if (highEdge && lowEdge)
            outSize = size + (newParent - oldParent);
        else if (highEdge)
            outPos = pos + (newParent - oldParent);
        else if (!lowEdge && oldParent > 0)
            outPos = static_cast<int>(static_cast<long long>(pos + size / 2) * newParent / oldParent) - size / 2;
    };
    int l, w, t, h;
    place(a.Contains(akLeft), a.Contains(akRight), ab.Left, ab.Width(), ps.cx, pc.Width(), l, w);
    place(a.Contains(akTop), a.Contains(akBottom), ab.Top, ab.Height(), ps.cy, pc.Height(), t, h);
    c->SetBounds(l, t, w, h);
}

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    if (!CanResize(AWidth, AHeight))
        return;
    if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight)
        return;
    // The window is moved; its bounds change in the framework's handling of the notice.
    WINDOWPOS pos;
    pos.hwnd = FHandle;
    pos.x = ALeft;
    pos.y = ATop;
    pos.cx = AWidth;
    pos.cy = AHeight;
    Perform(WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
}

void TWinControl::WMWindowPosChanged(TMessage &m)
{
    const auto *pos = reinterpret_cast<const WINDOWPOS *>(m.LParam);
    if (!pos)
        return;
    const bool moved = pos->x != FLeft || pos->y != FTop;
    const bool resized = pos->cx != FWidth || pos->cy != FHeight;
    if (!moved && !resized)
        return;
    FLeft = pos->x;
    FTop = pos->y;
    FWidth = pos->cx;
    FHeight = pos->cy;
    UpdateAnchorRules();
    UpdateWidgetGeometry();
    if (moved)
        Perform(WM_MOVE, 0, PointToLParam(TPoint(FLeft, FTop)));
    if (resized) {
        ResizeBacking();
        Perform(WM_SIZE, SIZE_RESTORED, PointToLParam(TPoint(FWidth, FHeight)));
    }
    RequestAlign();
}

void TWinControl::WMSize(TMessage &)
{
    Realign();
    if (!ComponentState().Contains(csLoading))
        Resize();
}

void TWinControl::SetZOrder(bool topMost)
{
    if (!FParent)
        return;
    auto &list = FParent->FWinControls;
    if (std::find(list.begin(), list.end(), this) == list.end())
        return;
    std::erase(list, this);
    if (topMost) {
        list.push_back(this);
        if (FWidget)
            FWidget->raise();
    } else {
        list.insert(list.begin(), this);
        if (FWidget)
            FWidget->lower();
    }
}

// ---- Keys and messages ---------------------------------------------------------------------------------

void TWinControl::WndProc(TMessage &message)
{
    switch (message.Msg) {
    case WM_PAINT:
        if (TCanvas *dc = DcOf(message)) {
            // The control's canvases draw through this device context while the message runs.
            const TPaintScope scope(this, dc);
            TControl::WndProc(message);
            return;
        }
        break;
    case WM_SETFOCUS:
        // The form learns about the new focus (CM_EXIT/CM_ENTER) before the control's handler runs.
        if (TCustomForm *form = GetParentForm(this); form && !form->SetFocusedControl(this))
            return;
        break;
    case WM_KILLFOCUS:
        if (FControlState.Contains(csFocusing))
            return;
        break;
    default:
        break;
    }
    TControl::WndProc(message);
}

static TShiftState CurrentShiftState()
{
    TShiftState s;
    if (GetKeyState(VK_SHIFT) < 0)
        s << ssShift;
    if (GetKeyState(VK_CONTROL) < 0)
        s << ssCtrl;
    if (GetKeyState(VK_MENU) < 0)
        s << ssAlt;
    return s;
}

bool TWinControl::DoKeyDown(TMessage &message)
{
    TCustomForm *form = GetParentForm(this);
    if (form && form != this && form->KeyPreview() && form->DoKeyDown(message))
        return true;
    if (!FControlStyle.Contains(csNoStdEvents)) {
        WORD key = static_cast<WORD>(message.WParam);
        KeyDown(key, CurrentShiftState());
        message.WParam = key;
        if (key == 0)
            return true;
    }
    return false;
}

bool TWinControl::DoKeyUp(TMessage &message)
{
    TCustomForm *form = GetParentForm(this);
    if (form && form != this && form->KeyPreview() && form->DoKeyUp(message))
        return true;
    if (!FControlStyle.Contains(csNoStdEvents)) {
        WORD key = static_cast<WORD>(message.WParam);
        KeyUp(key, CurrentShiftState());
        message.WParam = key;
        if (key == 0)
            return true;
    }
    return false;
}

bool TWinControl::DoKeyPress(TMessage &message)
{
    TCustomForm *form = GetParentForm(this);
    if (form && form != this && form->KeyPreview() && form->DoKeyPress(message))
        return true;
    if (!FControlStyle.Contains(csNoStdEvents)) {
        QChar ch(static_cast<char16_t>(message.WParam));
        KeyPress(ch);
        message.WParam = ch.unicode();
        if (ch.isNull())
            return true;
    }
    return false;
}

void TWinControl::KeyDown(WORD &key, TShiftState shift)
{
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(WORD &key, TShiftState shift)
{
    if (OnKeyUp)
        OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(QChar &key)
{
    if (OnKeyPress)
        OnKeyPress(this, key);
}

void TWinControl::WMKeyDown(TMessage &m)
{
    if (!DoKeyDown(m))
        DefaultHandler(m);
}

void TWinControl::WMKeyUp(TMessage &m)
{
    if (!DoKeyUp(m))
        DefaultHandler(m);
}

void TWinControl::WMChar(TMessage &m)
{
    if (!DoKeyPress(m))
        DefaultHandler(m);
}

void TWinControl::CNKeyDown(TMessage &m)
{
    m.Result = 1;
    const WORD key = static_cast<WORD>(m.WParam);
    TCustomForm *form = GetParentForm(this);
    // Shortcuts of the form's menu come first.
    if (form && form->Menu() && form->Menu()->IsShortCut(ShortCut(key, CurrentShiftState())))
        return;
    if (Perform(CM_CHILDKEY, m.WParam, reinterpret_cast<LPARAM>(this)) != 0)
        return;
    LRESULT mask = 0;
    switch (key) {
    case VK_TAB: mask = DLGC_WANTTAB; break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: mask = DLGC_WANTARROWS; break;
    case VK_RETURN:
    case VK_EXECUTE:
    case VK_ESCAPE:
    case VK_CANCEL: mask = DLGC_WANTALLKEYS; break;
    default: break;
    }
    if (mask != 0 && Perform(CM_WANTSPECIALKEY, m.WParam) == 0 && (Perform(WM_GETDLGCODE) & mask) == 0 && form &&
        form->Perform(CM_DIALOGKEY, m.WParam, m.LParam) != 0)
        return;
    m.Result = 0;
}

void TWinControl::CNChar(TMessage &m)
{
    m.Result = 1;
    TCustomForm *form = GetParentForm(this);
    if ((Perform(WM_GETDLGCODE) & DLGC_WANTCHARS) == 0 && form && form->Perform(CM_DIALOGCHAR, m.WParam, m.LParam) != 0)
        return;
    m.Result = 0;
}

void TWinControl::CMDialogKey(TMessage &m)
{
    Broadcast(m);
}

void TWinControl::CMDialogChar(TMessage &m)
{
    Broadcast(m);
}

void TWinControl::CMFocusChanged(TMessage &m)
{
    Broadcast(m);
    m.Result = 0;
}

void TWinControl::CMEnter(TMessage &)
{
    DoEnter();
}

void TWinControl::CMExit(TMessage &)
{
    DoExit();
}

void TWinControl::CMFontChanged(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    NotifyControls(CM_PARENTFONTCHANGED);
}

void TWinControl::CMColorChanged(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    NotifyControls(CM_PARENTCOLORCHANGED);
}

void TWinControl::CMShowHintChanged(TMessage &)
{
    NotifyControls(CM_PARENTSHOWHINTCHANGED);
}

void TWinControl::CMEnabledChanged(TMessage &m)
{
    if (!Enabled() && FParent)
        if (TCustomForm *form = GetParentForm(this))
            form->DefocusControl(this, false);
    if (!Enabled() && TInputRouter::FocusedWindow() && ContainsControl(TInputRouter::FocusedWindow()))
        TInputRouter::SetFocusedWindow(GetParentForm(this));
    if (FWidget && NativeWidget())
        FWidget->setEnabled(Enabled());
    DispatchFrom(inherited::StaticClass(), m);
}

void TWinControl::CMVisibleChanged(TMessage &m)
{
    if (!FVisible && FParent) {
        if (TCustomForm *form = GetParentForm(this))
            form->DefocusControl(this, false);
        if (TInputRouter::FocusedWindow() && ContainsControl(TInputRouter::FocusedWindow()))
            TInputRouter::SetFocusedWindow(GetParentForm(this));
    }
    if (FVisible && !FWidget && FParent && FParent->FHandle)
        CreateWnd();
    UpdateWidgetVisibility();
    m.Result = 0;
}

void TWinControl::DefaultHandler(TMessage &message)
{
    if (!NativeWidget() || !FWidget) {
        inherited::DefaultHandler(message);
        return;
    }
    QWidget *w = FWidget.data();
    // The keyboard state the framework's input reports (the router's, also in tests).
    Qt::KeyboardModifiers keys;
    if (GetKeyState(VK_SHIFT) < 0)
        keys |= Qt::ShiftModifier;
    if (GetKeyState(VK_CONTROL) < 0)
        keys |= Qt::ControlModifier;
    if (GetKeyState(VK_MENU) < 0)
        keys |= Qt::AltModifier;
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_MOUSEMOVE: {
        const TPoint p = LParamToPoint(message.LParam);
        ForwardMouseToWidget(w, message.Msg, QPoint(p.X, p.Y), message.WParam);
        break;
    }
    case WM_KEYDOWN:
    case WM_KEYUP: {
        const int qtKey = QtKeyOf(static_cast<WORD>(message.WParam));
        // Characters come with WM_CHAR; here the keys that type nothing, and the Ctrl+key
        // commands (copy, paste, select all ...), whose character is a control code.
        const bool command = (keys & Qt::ControlModifier) && !(keys & Qt::AltModifier);
        if (qtKey && (qtKey < 0x20 || qtKey > 0x7E || command)) {
            QKeyEvent e(message.Msg == WM_KEYDOWN ? QEvent::KeyPress : QEvent::KeyRelease, qtKey, keys);
            ForwardEventToWidget(w, &e);
        }
        break;
    }
    case WM_CHAR: {
        const QChar ch(static_cast<char16_t>(message.WParam));
        if (ch.unicode() >= 0x20) {
            QKeyEvent e(QEvent::KeyPress, 0, keys, QString(ch));
            ForwardEventToWidget(w, &e);
        }
        break;
    }
    case WM_PAINT:
        // Over the pixels on screen the widget has painted itself already.
        if (TCanvas *dc = DcOf(message); dc && !FOverNative) {
            QImage img(std::max(1, FWidth), std::max(1, FHeight), QImage::Format_ARGB32);
            img.fill(Qt::transparent);
            {
                TNativeRenderingScope rendering;
                w->render(&img, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
            }
            dc->DrawImage(TRect(0, 0, FWidth, FHeight), img, TRect(0, 0, FWidth, FHeight), true);
        }
        break;
    default: inherited::DefaultHandler(message); break;
    }
}
