#include "widgets/skinned/RzPanel.h"
#include "widgets/skinned/RzPanelDockManager.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/ControlsInput.h"
#include "platform/runtime/Filer.h"
#include "platform/runtime/TypInfo.h"

T_IMPLEMENT_CLASS(TRzCustomPanel)
{
    using C = TRzCustomPanel;
    b.Enum("Alignment", &C::Alignment, &C::SetAlignment, AlignmentNames).Default(taCenter);
    b.Int("BevelWidth", &C::BevelWidth, &C::SetBevelWidth).Default(1);
    b.Color("BorderColor", &C::BorderColor, &C::SetBorderColor).Default(clBtnFace).Idents(ColorIdents());
    b.Enum("BorderInner", &C::BorderInner, &C::SetBorderInner, FrameStyleExNames).Default(fsNone);
    b.Enum("BorderOuter", &C::BorderOuter, &C::SetBorderOuter, FrameStyleExNames).Default(fsRaised);
    b.Set("BorderSides", &C::BorderSides, &C::SetBorderSides, SideNames).Default(sdAllSides);
    b.Int("BorderWidth", &C::BorderWidth, &C::SetBorderWidth).Default(0);
    b.Str("Caption", &C::Caption, &C::SetCaption);
    b.Color("Color", &C::Color, &C::SetColor).Default(clBtnFace).Idents(ColorIdents()).Stored([](const C &c) {
        return !c.ParentColor();
    });
    b.Bool("ParentColor", &C::ParentColor, &C::SetParentColor).Default(false);
    b.Color("FlatColor", &C::FlatColor, &C::SetFlatColor).Default(clBtnShadow).Idents(ColorIdents());
    b.Int("FlatColorAdjustment", &C::FlatColorAdjustment, &C::SetFlatColorAdjustment).Default(30);
    b.Ref("FrameController", &C::FrameController, &C::SetFrameController);
    b.Set("FrameControllerNotifications", &C::FrameControllerNotifications, &C::SetFrameControllerNotifications,
          RzFrameControllerPropertyNames)
        .Default(fccAll);
    b.Enum("GradientColorStyle", &C::GradientColorStyle, &C::SetGradientColorStyle, RzGradientColorStyleNames)
        .Default(gcsSystem);
    b.Color("GradientColorStart", &C::GradientColorStart, &C::SetGradientColorStart)
        .Default(clWhite)
        .Idents(ColorIdents());
    b.Color("GradientColorStop", &C::GradientColorStop, &C::SetGradientColorStop)
        .Default(clBtnFace)
        .Idents(ColorIdents());
    b.Enum("GradientDirection", &C::GradientDirection, &C::SetGradientDirection, GradientDirectionNames)
        .Default(gdHorizontalEnd);
    b.Bool("ShowDockClientCaptions", &C::ShowDockClientCaptions, &C::SetShowDockClientCaptions).Default(true);
    b.Bool("Transparent", &C::Transparent, &C::SetTransparent).Default(false);
    b.Enum("VisualStyle", &C::VisualStyle, &C::SetVisualStyle, RzVisualStyleNames).Default(vsWinXP);
    b.Event("OnPaint", &C::OnPaint);

    b.Message(WM_ERASEBKGND, &C::WMEraseBkgnd);
    b.Message(WM_WINDOWPOSCHANGED, &C::WMWindowPosChanged);
    b.Message(WM_THEMECHANGED, &C::WMThemeChanged);
    b.Message(CM_ENABLEDCHANGED, &C::CMEnabledChanged);
    b.Message(CM_VISIBLECHANGED, &C::CMVisibleChanged);
}

T_IMPLEMENT_CLASS(TRzPanel)
{
    using C = TRzPanel;
    b.Enum("AlignmentVertical", &C::AlignmentVertical, &C::SetAlignmentVertical, AlignmentVerticalNames)
        .Default(avCenter);
    b.Bool("AutoSize", &C::AutoSize, &C::SetAutoSize).Default(false);
    b.Color("BorderHighlight", &C::BorderHighlight, &C::SetBorderHighlight)
        .Default(clBtnHighlight)
        .Idents(ColorIdents());
    b.Color("BorderShadow", &C::BorderShadow, &C::SetBorderShadow).Default(clBtnShadow).Idents(ColorIdents());
    b.Bool("FullRepaint", &C::FullRepaint, &C::SetFullRepaint).Default(true);
    b.Color("GridColor", &C::GridColor, &C::SetGridColor).Default(clBtnShadow).Idents(ColorIdents());
    b.Enum("GridStyle", &C::GridStyle, &C::SetGridStyle, RzGridStyleNames).Default(gsDots);
    b.Int("GridXSize", &C::GridXSize, &C::SetGridXSize).Default(8);
    b.Int("GridYSize", &C::GridYSize, &C::SetGridYSize).Default(8);
    b.Bool("Locked", &C::Locked, &C::SetLocked).Default(false);
    b.Bool("PaintClientArea", &C::PaintClientArea, &C::SetPaintClientArea).Default(true);
    b.Bool("ShowGrid", &C::ShowGrid, &C::SetShowGrid).Default(false);
    b.Int("TextMargin", &C::TextMargin, &C::SetTextMargin).Default(0);
    b.Int("TextMarginVertical", &C::TextMarginVertical, &C::SetTextMarginVertical).Default(0);
    b.Bool("UseDockManager", &C::UseDockManager, &C::UseDockManager).Default(true);
    b.Bool("WordWrap", &C::WordWrap, &C::SetWordWrap).Default(true);
}

TRzCustomPanel::TRzCustomPanel(TComponent *AOwner) : TCustomPanel(AOwner)
{
    FControlStyle >> csSetCaption >> csParentBackground;
    FControlStyle << csOpaque;
    UseDockManager = true;
    SetBevelOuter(bvNone);
}

TRzCustomPanel::~TRzCustomPanel()
{
    FDockManager.reset();
    SetControlFrameController(this, FFrameController, nullptr);
}

template <class T>
void TRzCustomPanel::Store(T &field, T value)
{
    if (field == value)
        return;
    field = value;
    Invalidate();
}

void TRzCustomPanel::FrameChanged()
{
    Realign();
    Invalidate();
}

// ---- Property writes ---------------------------------------------------------------------------------

void TRzCustomPanel::SetAlignmentVertical(TAlignmentVertical value)
{
    Store(FAlignmentVertical, value);
}
void TRzCustomPanel::SetBorderColor(TColor value)
{
    Store(FBorderColor, value);
}
void TRzCustomPanel::SetBorderHighlight(TColor value)
{
    Store(FBorderHighlight, value);
}
void TRzCustomPanel::SetBorderShadow(TColor value)
{
    Store(FBorderShadow, value);
}
void TRzCustomPanel::SetFlatColor(TColor value)
{
    Store(FFlatColor, value);
}
void TRzCustomPanel::SetFlatColorAdjustment(int value)
{
    Store(FFlatColorAdjustment, value);
}
void TRzCustomPanel::SetPaintClientArea(bool value)
{
    Store(FPaintClientArea, value);
}
void TRzCustomPanel::SetVisualStyle(TRzVisualStyle value)
{
    Store(FVisualStyle, value);
}
void TRzCustomPanel::SetGradientColorStyle(TRzGradientColorStyle value)
{
    Store(FGradientColorStyle, value);
}
void TRzCustomPanel::SetGridColor(TColor value)
{
    Store(FGridColor, value);
}
void TRzCustomPanel::SetGridStyle(TRzGridStyle value)
{
    Store(FGridStyle, value);
}
void TRzCustomPanel::SetGridXSize(int value)
{
    Store(FGridXSize, value);
}
void TRzCustomPanel::SetGridYSize(int value)
{
    Store(FGridYSize, value);
}
void TRzCustomPanel::SetShowGrid(bool value)
{
    Store(FShowGrid, value);
}
void TRzCustomPanel::SetTextMargin(int value)
{
    Store(FTextMargin, value);
}
void TRzCustomPanel::SetTextMarginVertical(int value)
{
    Store(FTextMarginVertical, value);
}
void TRzCustomPanel::SetWordWrap(bool value)
{
    Store(FWordWrap, value);
}

void TRzCustomPanel::SetGridSize(int xSize, int ySize)
{
    SetGridXSize(xSize);
    SetGridYSize(ySize);
}

void TRzCustomPanel::SetBorderInner(TFrameStyleEx value)
{
    if (value != FBorderInner)
        FBorderInner = value, FrameChanged();
}

void TRzCustomPanel::SetBorderOuter(TFrameStyleEx value)
{
    if (value != FBorderOuter)
        FBorderOuter = value, FrameChanged();
}

void TRzCustomPanel::SetBorderSides(TSides value)
{
    if (!(value == FBorderSides))
        FBorderSides = value, FrameChanged();
}

void TRzCustomPanel::SetGradientColorStart(TColor value)
{
    if (value == FGradientColorStart)
        return;
    FGradientColorStart = value;
    Invalidate();
    InvalidateTransparentChildren(this);
}

void TRzCustomPanel::SetGradientColorStop(TColor value)
{
    if (value == FGradientColorStop)
        return;
    FGradientColorStop = value;
    Invalidate();
    InvalidateTransparentChildren(this);
}

void TRzCustomPanel::SetGradientDirection(TGradientDirection value)
{
    if (value == FGradientDirection)
        return;
    FGradientDirection = value;
    Invalidate();
    InvalidateTransparentChildren(this);
}

void TRzCustomPanel::SetTransparent(bool value)
{
    if (value == FTransparent)
        return;
    FTransparent = value;
    if (value)
        FControlStyle >> csOpaque;
    else
        FControlStyle << csOpaque;
    Invalidate();
    for (int i = 0; i < ControlCount(); ++i)
        Controls(i)->Invalidate();
}

void TRzCustomPanel::SetFrameController(TRzFrameController *value)
{
    SetControlFrameController(this, FFrameController, value);
}

void TRzCustomPanel::Notification(TComponent *AComponent, TOperation Operation)
{
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FFrameController)
        FFrameController = nullptr;
}

void TRzCustomPanel::FrameControllerChanged()
{
    if (TakeFrameControllerSettings(
            this, FFrameController, FFrameControllerNotifications,
            {FBorderOuter, FBorderSides, FFlatColor, FFlatColorAdjustment, FBorderHighlight, FBorderShadow}))
        Invalidate();
}

void TRzCustomPanel::DefineProperties(TFiler *Filer)
{
    inherited::DefineProperties(Filer);
    const TWriterProc none = &TRzOldPropReader::WriteOldProp;
    Filer->DefineProperty(QStringLiteral("FrameSides"), &TRzOldPropReader::ReadOldSetProp, none, false);
    Filer->DefineProperty(QStringLiteral("ThemeAware"), &TRzOldPropReader::ReadOldBooleanProp, none, false);
    Filer->DefineProperty(
        QStringLiteral("UseGradients"),
        [this](TReader &r) {
            if (r.ReadBoolean())
                SetVisualStyle(vsGradient);
        },
        none, false);
}

// ---- Geometry ----------------------------------------------------------------------------------------

TRect TRzCustomPanel::ShrinkRectByBorders(const TRect &rect, bool includeBorderWidth) const
{
    TFramedBorders f;
    f.outer = FBorderOuter;
    f.inner = FBorderInner;
    f.borderWidth = BorderWidth();
    f.sides = FBorderSides;
    f.bevelWidth = BevelWidth();
    return ShrinkRectByFramedBorders(rect, f, includeBorderWidth);
}

TRect TRzCustomPanel::GetClientRect() const
{
    const TRect r = TCustomPanel::GetClientRect();
    return DockSite ? r : ShrinkRectByBorders(r, false);
}

void TRzCustomPanel::AdjustClientRect(TRect &rect)
{
    TCustomPanel::AdjustClientRect(rect);
    if (DockSite)
        rect = ShrinkRectByBorders(rect, false);
}

void TRzCustomPanel::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    if (Align() == alBottom && AHeight != Height())
        ATop = Top() + Height() - AHeight;
    else if (Align() == alRight && AWidth != Width())
        ALeft = Left() + Width() - AWidth;
    TCustomPanel::SetBounds(ALeft, ATop, AWidth, AHeight);
}

TPoint TRzCustomPanel::GetMousePosition() const
{
    return ScreenToClient(TInputRouter::CursorPos());
}

// ---- Painting ----------------------------------------------------------------------------------------

void TRzCustomPanel::GetGradientColors(TColor &start, TColor &stop) const
{
    if (FGradientColorStyle == gcsCustom) {
        start = FGradientColorStart;
        stop = FGradientColorStop;
    }
    else {
        GradientColorsForStyle(FGradientColorStyle, start, stop);
    }
}

void TRzCustomPanel::GetFrameColors(TColor &flatColor, int &adjustment) const
{
    if (FVisualStyle == vsGradient && FGradientColorStyle != gcsCustom) {
        flatColor = FrameColorForStyle(FGradientColorStyle);
        adjustment = 0;
    }
    else {
        flatColor = FFlatColor;
        adjustment = FFlatColorAdjustment;
    }
}

void TRzCustomPanel::Paint()
{
    TCanvas *canvas = Canvas();
    TRect r = GetPaintRect();
    TColor flat;
    int adjustment;
    GetFrameColors(flat, adjustment);
    TFramedBorders frame;
    frame.outer = FBorderOuter;
    frame.inner = FBorderInner;
    frame.borderWidth = BorderWidth();
    frame.sides = FBorderSides;
    frame.bevelWidth = BevelWidth();
    frame.borderColor = FBorderColor;
    frame.highlight = FBorderHighlight;
    frame.shadow = FBorderShadow;
    frame.flatColor = flat;
    frame.flatAdjustment = adjustment;
    frame.faceColor = Color();
    frame.parentColor = Parent() ? Parent()->Color() : Color();
    frame.transparent = FTransparent;
    r = DrawFramedBorders(canvas, r, frame);

    if (!FTransparent && FPaintClientArea) {
        // The fill also covers the inner ring of a rounded frame; its corners are set afterwards.
        const bool rounded = (FBorderOuter == fsFlatRounded && FBorderInner == fsNone && BorderWidth() == 0) ||
                             FBorderInner == fsFlatRounded;
        const TRect inner = r;
        if (rounded) {
            if (FBorderSides.Contains(sdLeft))
                --r.Left;
            if (FBorderSides.Contains(sdTop))
                --r.Top;
            if (FBorderSides.Contains(sdRight))
                ++r.Right;
            if (FBorderSides.Contains(sdBottom))
                ++r.Bottom;
        }
        if (FVisualStyle == vsGradient) {
            TColor start, stop;
            GetGradientColors(start, stop);
            FillGradient(canvas, r, FGradientDirection, start, stop);
        }
        else {
            canvas->Brush()->SetColor(Color());
            canvas->FillRect(r);
        }
        if (rounded) {
            const TColor c = AdjustColor(flat, adjustment);
            const TSides s = FBorderSides;
            if (s.Contains(sdLeft) && s.Contains(sdTop))
                canvas->SetPixel(r.Left, r.Top, c);
            if (s.Contains(sdTop) && s.Contains(sdRight))
                canvas->SetPixel(r.Right - 1, r.Top, c);
            if (s.Contains(sdRight) && s.Contains(sdBottom))
                canvas->SetPixel(r.Right - 1, r.Bottom - 1, c);
            if (s.Contains(sdLeft) && s.Contains(sdBottom))
                canvas->SetPixel(r.Left, r.Bottom - 1, c);
        }
        r = inner;
    }
    if (FShowGrid)
        DrawGrid(r);
    canvas->Brush()->SetStyle(bsClear);
    DrawCaption(r);
    canvas->Brush()->SetStyle(bsSolid);
    if (FDockManager)
        FDockManager->PaintSite(canvas->Handle());
    if (OnPaint)
        OnPaint(this);
}

TRzPanelDockManager *TRzCustomPanel::DockManager()
{
    if (!FDockManager && DockSite && UseDockManager)
        FDockManager = std::make_unique<TRzPanelDockManager>(this);
    return FDockManager.get();
}

void TRzCustomPanel::DrawCaption(TRect r)
{
    if (Caption().isEmpty())
        return;
    TCanvas *canvas = Canvas();
    canvas->SetFont(Font());
    r.Inflate(-FTextMargin, -FTextMarginVertical);
    static const UINT kAlignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    const UINT flags = kAlignments[Alignment()] | (FWordWrap ? DT_WORDBREAK : 0) | DT_EXPANDTABS | DT_VCENTER;
    TRect measure = r;
    DrawTextInRect(canvas, Caption(), measure, flags | DT_CALCRECT);
    const int h = measure.Height();
    switch (FAlignmentVertical) {
    case avTop: r.Bottom = std::min(r.Bottom, r.Top + h); break;
    case avCenter:
        r.Top = (r.Top + r.Bottom - h) / 2;
        r.Bottom = std::min(r.Bottom, r.Top + h);
        break;
    case avBottom: r.Top = std::max(r.Top, r.Bottom - h - 1); break;
    }
    canvas->Brush()->SetStyle(bsClear);
    if (!Enabled())
        canvas->Font()->SetColor(clGrayText);
    DrawTextInRect(canvas, Caption(), r, flags);
}

void TRzCustomPanel::DrawGrid(const TRect &r)
{
    TCanvas *canvas = Canvas();
    const int nx = FGridXSize ? r.Width() / FGridXSize : 0;
    const int ny = FGridYSize ? r.Height() / FGridYSize : 0;
    canvas->Pen()->SetColor(FGridColor);
    if (FGridStyle == gsDots) {
        for (int i = 1; i <= nx; ++i)
            for (int j = 1; j <= ny; ++j)
                canvas->SetPixel(r.Left - 1 + i * FGridXSize, r.Top - 1 + j * FGridYSize, FGridColor);
        return;
    }
    // A dotted line sets every second pixel from the one after its start to before its end.
    auto line = [&](int x1, int y1, int x2, int y2) {
        if (FGridStyle == gsSolidLines) {
            canvas->MoveTo(x1, y1);
            canvas->LineTo(x2, y2);
            return;
        }
        const int dx = x2 > x1 ? 1 : 0, dy = y2 > y1 ? 1 : 0;
        const int length = std::max(x2 - x1, y2 - y1);
        for (int k = 1; k < length; k += 2)
            canvas->SetPixel(x1 + k * dx, y1 + k * dy, FGridColor);
    };
    for (int i = 1; i <= nx; ++i)
        line(r.Left - 1 + i * FGridXSize, r.Top, r.Left - 1 + i * FGridXSize, r.Bottom);
    for (int j = 1; j <= ny; ++j)
        line(r.Left, r.Top - 1 + j * FGridYSize, r.Right, r.Top - 1 + j * FGridYSize);
}

// ---- Messages ------------------------------------------------------------------------------------------

void TRzCustomPanel::WMEraseBkgnd(TMessage &m)
{
    if (FTransparent && FPaintClientArea) {
        PaintParentBackground(this, reinterpret_cast<HDC>(m.WParam), true);
        m.Result = 1;
        return;
    }
    DispatchFrom(inherited::StaticClass(), m);
}

void TRzCustomPanel::WMWindowPosChanged(TMessage &m)
{
    if (const auto *pos = reinterpret_cast<const WINDOWPOS *>(m.LParam)) {
        const int w = Width(), h = Height();
        if (FullRepaint() || !Caption().isEmpty()) {
            Invalidate();
        }
        else {
            const TRect inner = ShrinkRectByBorders(TRect(0, 0, w, h), true);
            const TPoint margin = GetResizeRepaintMargin();
            if (pos->cx != w)
                InvalidateRect(TRect(inner.Right - margin.X, 0, w, h));
            if (pos->cy != h)
                InvalidateRect(TRect(0, inner.Bottom - margin.Y, w, h));
        }
    }
    DispatchFrom(inherited::StaticClass(), m);
}

void TRzCustomPanel::WMThemeChanged(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    XPColorScheme = DetectXPColorScheme();
}

void TRzCustomPanel::CMEnabledChanged(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    Repaint();
    if (!Enabled()) {
        FEnabledList.clear();
        for (int i = 0; i < ControlCount(); ++i)
            FEnabledList.emplace_back(Controls(i), Controls(i)->Enabled());
        for (int i = 0; i < ControlCount(); ++i)
            Controls(i)->SetEnabled(false);
    }
    else {
        for (int i = 0; i < ControlCount(); ++i) {
            TControl *child = Controls(i);
            const auto it = std::find_if(FEnabledList.begin(), FEnabledList.end(),
                                         [child](const auto &entry) { return entry.first == child; });
            if (it == FEnabledList.end() || it->second)
                child->SetEnabled(true);
        }
        FEnabledList.clear();
    }
}

void TRzCustomPanel::CMVisibleChanged(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    // A box shown again paints afresh (what lies behind a transparent one may have changed).
    if (Visible())
        Invalidate();
}

void InvalidateTransparentChildren(TWinControl *panel)
{
    for (int i = 0; i < panel->ControlCount(); ++i) {
        TControl *child = panel->Controls(i);
        const TPropInfo *p = GetPropInfo(child, QStringLiteral("Transparent"));
        if (p && p->Kind == TTypeKind::Boolean && p->GetOrd && p->GetOrd(*child) == 1)
            child->Invalidate();
    }
}
