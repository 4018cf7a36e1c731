#include "plotlib/objects/iPlotToolBar.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/ImageList.h"
#include "plotlib/axes/iPlotAxis.h"
#include "plotlib/axes/iPlotDataCursor.h"
#include "plotlib/base/iHelpers.h"
#include "plotlib/plot/iPlotComponent.h"

#include <QFile>

T_IMPLEMENT_CLASS(TiPlotToolBarButton) {}

T_IMPLEMENT_CLASS(TiPlotToolBar)
{
    using T = TiPlotToolBar;
    b.Bool("ShowResumeButton", &T::ShowResumeButton, &T::SetShowResumeButton).Default(true);
    b.Bool("ShowPauseButton", &T::ShowPauseButton, &T::SetShowPauseButton).Default(true);
    b.Bool("ShowAxesModeButtons", &T::ShowAxesModeButtons, &T::SetShowAxesModeButtons).Default(true);
    b.Bool("ShowZoomInOutButtons", &T::ShowZoomInOutButtons, &T::SetShowZoomInOutButtons).Default(true);
    b.Bool("ShowSelectButton", &T::ShowSelectButton, &T::SetShowSelectButton).Default(false);
    b.Bool("ShowZoomBoxButton", &T::ShowZoomBoxButton, &T::SetShowZoomBoxButton).Default(true);
    b.Bool("ShowCursorButton", &T::ShowCursorButton, &T::SetShowCursorButton).Default(true);
    b.Bool("ShowEditButton", &T::ShowEditButton, &T::SetShowEditButton).Default(true);
    b.Bool("ShowCopyButton", &T::ShowCopyButton, &T::SetShowCopyButton).Default(true);
    b.Bool("ShowSaveButton", &T::ShowSaveButton, &T::SetShowSaveButton).Default(true);
    b.Bool("ShowPrintButton", &T::ShowPrintButton, &T::SetShowPrintButton).Default(true);
    b.Bool("ShowPreviewButton", &T::ShowPreviewButton, &T::SetShowPreviewButton).Default(false);
    b.Float("ZoomInOutFactor", &T::ZoomInOutFactor, &T::SetZoomInOutFactor);
    b.Bool("FlatBorder", &T::FlatBorder, &T::SetFlatBorder).Default(false);
    b.Bool("FlatButtons", &T::FlatButtons, &T::SetFlatButtons).Default(false);
    b.Bool("SmallButtons", &T::SmallButtons, &T::SetSmallButtons).Default(false);
}

namespace {

// Teal marks the transparent pixels of the glyphs.
constexpr TColor GlyphMaskColor = 0x808000;
constexpr TColor PressedFaceColor = 0xEFEFEF;

// Lowered: shadow on the top and left, highlight on the bottom and right; raised the reverse.
void DrawButtonEdge(TCanvas *Canvas, const TRect &Rect, bool Lowered)
{
    const TRect r(Rect.Left, Rect.Top, Rect.Right - 1, Rect.Bottom - 1);
    TPen *pen = Canvas->Pen();
    pen->SetWidth(1);
    pen->SetStyle(psSolid);
    pen->SetColor(Lowered ? clBtnShadow : clBtnHighlight);
    const TPoint first[3] = {TPoint(r.Left, r.Bottom), TPoint(r.Left, r.Top), TPoint(r.Right, r.Top)};
    Canvas->Polyline(first, 3);
    pen->SetColor(Lowered ? clBtnHighlight : clBtnShadow);
    const TPoint second[3] = {TPoint(r.Right, r.Top), TPoint(r.Right, r.Bottom), TPoint(r.Left, r.Bottom)};
    Canvas->Polyline(second, 3);
}

}  // namespace

// ---- Buttons ------------------------------------------------------------------------------------

void TiPlotToolBarButton::LoadGlyph()
{
    if (FImageIndex != -1 || FImageName.isEmpty() || !FImageList)
        return;
    QFile file(QStringLiteral(":/plotlib/glyphs/%1.bmp").arg(FImageName));
    if (!file.open(QIODevice::ReadOnly))
        return;
    TBitmap glyph;
    glyph.LoadFromBytes(file.readAll());
    FImageIndex = FImageList->AddMasked(&glyph, GlyphMaskColor);
}

void TiPlotToolBarButton::Draw(TCanvas *Canvas, TColor)
{
    if (FStyle == iptbbsSpacer || !FVisible)
        return;
    LoadGlyph();
    const TRect r = DrawRect();
    const bool pressed = FMouseDown || Down();
    int glyphX = r.Left + r.Width() / 2 - (FImageList ? FImageList->Width() / 2 : 0);
    int glyphY = r.Top + r.Height() / 2 - (FImageList ? FImageList->Height() / 2 : 0);
    if (FFlat) {
        if (pressed && !FMouseOver)
            Canvas->FillRect(r, PressedFaceColor);
        if (FEnabled) {
            if (pressed) {
                DrawButtonEdge(Canvas, r, true);
                ++glyphX;
                ++glyphY;
            } else if (FMouseOver) {
                DrawButtonEdge(Canvas, r, false);
            }
        }
    } else if (pressed) {
        Canvas->FillRect(r, PressedFaceColor);
        iDrawEdge(Canvas, r, iEdgeSunken);
        ++glyphX;
        ++glyphY;
    } else {
        DrawButtonEdge(Canvas, r, false);
    }
    if (FImageList && FImageIndex >= 0)
        FImageList->Draw(Canvas, glyphX, glyphY, FImageIndex, FEnabled);
}

void TiPlotToolBarButton::iMouseMove(TiHintData &HintData, TShiftState Shift, int X, int Y, int ScreenX, int ScreenY,
                                     bool DblClickActive)
{
    inherited::iMouseMove(HintData, Shift, X, Y, ScreenX, ScreenY, DblClickActive);
    FMouseOver = true;
    if (FFlat)
        DoChange();
}

void TiPlotToolBarButton::DoMouseNotOver()
{
    inherited::DoMouseNotOver();
    FMouseOver = false;
    DoChange();
}

void TiPlotToolBarButton::DoMouseHint(const TiPlotMouseData &, TiHintData &HintData)
{
    HintData.Text = TranslateText(FHint);
    HintData.Left = Left();
    HintData.Top = Bottom() + 3;
    if (auto *plot = dynamic_cast<TiPlotComponent *>(FOwner)) {
        TCanvas *canvas = plot->Canvas();
        HintData.Width = canvas->TextWidth(HintData.Text) + 4;
        HintData.Height = canvas->TextHeight(HintData.Text) + 4;
        plot->DoToolBarCustomizeHint(FToolBar, HintData);
    }
}

// ---- The toolbar ----------------------------------------------------------------------------------

namespace {

// The buttons in display order; nullptr rows are the spacers.
struct Row {
    TiPlotToolBarButtonType Type;
    int GroupIndex;
    const char *Hint;
    const char *Glyph;
    bool Spacer;
};
constexpr Row Layout[] = {
    {iptbbtResume, 0, "Resume All (Tracking)", "AUTO", false},
    {iptbbtPause, 0, "Pause All (Tracking)", "PAUSE", false},
    {iptbbtResume, 0, nullptr, nullptr, true},
    {iptbbtScrollAxesMode, 2, "Scroll (Axes)", "SCROLL", false},
    {iptbbtZoomAxesMode, 2, "Zoom (Axes)", "ZOOM", false},
    {iptbbtScrollAxesMode, 0, nullptr, nullptr, true},
    {iptbbtZoomOut, 0, "Zoom Out All Axes", "ZOOMOUT", false},
    {iptbbtZoomIn, 0, "Zoom In All Axes", "ZOOMIN", false},
    {iptbbtZoomIn, 0, nullptr, nullptr, true},
    {iptbbtSelect, -1, "Select", "SELECT", false},
    {iptbbtZoomBox, -1, "Zoom Box", "SCROLLBOX", false},
    {iptbbtCursor, -2, "Cursor", "CURSOR", false},
    {iptbbtCursor, 0, nullptr, nullptr, true},
    {iptbbtEdit, 0, "Properties", "PROPERTIES", false},
    {iptbbtEdit, 0, nullptr, nullptr, true},
    {iptbbtCopy, 0, "Copy to Clipboard", "COPY", false},
    {iptbbtSave, 0, "Save to File", "SAVE", false},
    {iptbbtPrint, 0, "Print", "PRINTER", false},
    {iptbbtPreview, 0, "Preview", "PREVIEW", false},
};

}  // namespace

TiPlotToolBar::TiPlotToolBar(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                             TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TiPlotLayoutObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                         std::move(AOnRename)),
      FImageList(std::make_unique<TImageList>(nullptr))
{
    FImageList->SetWidth(24);
    FImageList->SetHeight(24);
    FHorizontal = true;
    TiPlotToolBarButton **spacers[] = {&FResumePauseSpacer, &FAxesModeSpacer, &FZoomInOutSpacer, &FZoomBoxCursorSpacer,
                                       &FEditSpacer};
    int spacer = 0;
    for (const Row &row : Layout) {
        if (row.Spacer) {
            *spacers[spacer++] = AddSpacer();
            continue;
        }
        FButtons[row.Type] = AddButton(row.Hint, row.Glyph, row.GroupIndex);
    }
    FButtons[iptbbtScrollAxesMode]->SetDown(true);
    FButtons[iptbbtCursor]->OnDownChange = TNotifyEvent(this, &TiPlotToolBar::CursorDownChange);
    FButtons[iptbbtSelect]->OnDownChange = TNotifyEvent(this, &TiPlotToolBar::SelectDownChange);
    FButtons[iptbbtSelect]->SetVisible(false);
    FButtons[iptbbtPreview]->SetVisible(false);
    SelectGlyphs();
}

TiPlotToolBar::~TiPlotToolBar()
{
    for (TiPlotToolBarButton *button : FButtonList) {
        button->OnChange = nullptr;
        button->OnDownChange = nullptr;
        delete button;
    }
}

TiPlotToolBarButton *TiPlotToolBar::AddButton(const char *Hint, const char *Glyph, int GroupIndex)
{
    auto *button = new TiPlotToolBarButton(FOwner, TNotifyEvent(this, &TiPlotToolBar::ButtonChange));
    button->SetToolBar(this);
    button->SetImageList(FImageList.get());
    if (Hint) {
        button->SetHint(QString::fromLatin1(Hint));
        button->SetImageName(QString::fromLatin1(Glyph));
        button->SetGroupIndex(GroupIndex);
        button->OnClick = TNotifyEvent(this, &TiPlotToolBar::ButtonClick);
        button->OnGroupClick = TNotifyEvent(this, &TiPlotToolBar::ButtonGroupClick);
    }
    button->OnInvalidate = TNotifyEvent(this, &TiPlotToolBar::ButtonInvalidate);
    FButtonList.push_back(button);
    return button;
}

TiPlotToolBarButton *TiPlotToolBar::AddSpacer()
{
    TiPlotToolBarButton *spacer = AddButton(nullptr, nullptr, 0);
    spacer->SetStyle(iptbbsSpacer);
    return spacer;
}

TiPlotToolBarButton *TiPlotToolBar::ButtonOf(TiPlotToolBarButtonType Type) const
{
    return FButtons[Type];
}

void TiPlotToolBar::ButtonChange(TObject *)
{
    DoChange();
}

void TiPlotToolBar::ButtonInvalidate(TObject *)
{
    if (OnInvalidateNow)
        OnInvalidateNow(this);
}

void TiPlotToolBar::ButtonGroupClick(TObject *Sender)
{
    auto *clicked = static_cast<TiPlotToolBarButton *>(Sender);
    for (TiPlotToolBarButton *button : FButtonList)
        if (button != clicked && button->Style() == iptbbsButton && button->GroupIndex() == clicked->GroupIndex())
            button->SetDown(false);
}

void TiPlotToolBar::ButtonClick(TObject *Sender)
{
    int type = 0;
    while (type < 14 && FButtons[type] != Sender)
        ++type;
    switch (static_cast<TiPlotToolBarButtonType>(type)) {
    case iptbbtResume: return DoButtonClickResume();
    case iptbbtPause: return DoButtonClickPause();
    case iptbbtScrollAxesMode: return DoButtonClickScrollAxesMode();
    case iptbbtZoomAxesMode: return DoButtonClickZoomAxesMode();
    case iptbbtSelect: return DoButtonClickSelect();
    case iptbbtZoomBox: return DoButtonClickZoomBox();
    case iptbbtZoomOut: return DoButtonClickZoomOut();
    case iptbbtZoomIn: return DoButtonClickZoomIn();
    case iptbbtCursor: return DoButtonClickCursor();
    case iptbbtEdit: return DoButtonClickEdit();
    case iptbbtCopy: return DoButtonClickCopy();
    case iptbbtSave: return DoButtonClickSave();
    case iptbbtPrint: return DoButtonClickPrint();
    case iptbbtPreview: return DoButtonClickPreview();
    }
}

// ---- Properties -----------------------------------------------------------------------------------

void TiPlotToolBar::ShowButton(TiPlotToolBarButtonType Type, bool Value)
{
    ButtonOf(Type)->SetVisible(Value);
    DoChange();
}

bool TiPlotToolBar::ShowResumeButton() const
{
    return ButtonVisible(iptbbtResume);
}
void TiPlotToolBar::SetShowResumeButton(bool Value)
{
    ShowButton(iptbbtResume, Value);
}
bool TiPlotToolBar::ShowPauseButton() const
{
    return ButtonVisible(iptbbtPause);
}
void TiPlotToolBar::SetShowPauseButton(bool Value)
{
    ShowButton(iptbbtPause, Value);
}
bool TiPlotToolBar::ShowAxesModeButtons() const
{
    return ButtonVisible(iptbbtScrollAxesMode);
}
void TiPlotToolBar::SetShowAxesModeButtons(bool Value)
{
    ShowButton(iptbbtScrollAxesMode, Value);
    ShowButton(iptbbtZoomAxesMode, Value);
}
bool TiPlotToolBar::ShowZoomInOutButtons() const
{
    return ButtonVisible(iptbbtZoomIn);
}
void TiPlotToolBar::SetShowZoomInOutButtons(bool Value)
{
    ShowButton(iptbbtZoomIn, Value);
    ShowButton(iptbbtZoomOut, Value);
}
bool TiPlotToolBar::ShowSelectButton() const
{
    return ButtonVisible(iptbbtSelect);
}
void TiPlotToolBar::SetShowSelectButton(bool Value)
{
    ShowButton(iptbbtSelect, Value);
}
bool TiPlotToolBar::ShowZoomBoxButton() const
{
    return ButtonVisible(iptbbtZoomBox);
}
void TiPlotToolBar::SetShowZoomBoxButton(bool Value)
{
    ShowButton(iptbbtZoomBox, Value);
}
bool TiPlotToolBar::ShowCursorButton() const
{
    return ButtonVisible(iptbbtCursor);
}
void TiPlotToolBar::SetShowCursorButton(bool Value)
{
    ShowButton(iptbbtCursor, Value);
}
bool TiPlotToolBar::ShowEditButton() const
{
    return ButtonVisible(iptbbtEdit);
}
void TiPlotToolBar::SetShowEditButton(bool Value)
{
    ShowButton(iptbbtEdit, Value);
}
bool TiPlotToolBar::ShowCopyButton() const
{
    return ButtonVisible(iptbbtCopy);
}
void TiPlotToolBar::SetShowCopyButton(bool Value)
{
    ShowButton(iptbbtCopy, Value);
}
bool TiPlotToolBar::ShowSaveButton() const
{
    return ButtonVisible(iptbbtSave);
}
void TiPlotToolBar::SetShowSaveButton(bool Value)
{
    ShowButton(iptbbtSave, Value);
}
bool TiPlotToolBar::ShowPrintButton() const
{
    return ButtonVisible(iptbbtPrint);
}
void TiPlotToolBar::SetShowPrintButton(bool Value)
{
    ShowButton(iptbbtPrint, Value);
}
bool TiPlotToolBar::ShowPreviewButton() const
{
    return ButtonVisible(iptbbtPreview);
}
void TiPlotToolBar::SetShowPreviewButton(bool Value)
{
    ShowButton(iptbbtPreview, Value);
}

void TiPlotToolBar::SetZoomInOutFactor(double Value)
{
    SetField(std::max(Value, 1.0), FZoomInOutFactor);
}

void TiPlotToolBar::SetFlatBorder(bool Value)
{
    FFlatBorder = Value;
    DoChange();
}

void TiPlotToolBar::SetFlatButtons(bool Value)
{
    FFlatButtons = Value;
    for (TiPlotToolBarButton *button : FButtonList)
        button->SetFlat(Value);
    DoChange();
}

void TiPlotToolBar::SetSmallButtons(bool Value)
{
    FSmallButtons = Value;
    SelectGlyphs();
    DoChange();
}

void TiPlotToolBar::SelectGlyphs()
{
    const int size = FSmallButtons ? 16 : 24;
    FImageList->Clear();
    FImageList->SetWidth(size);
    FImageList->SetHeight(size);
    for (const Row &row : Layout)
        if (!row.Spacer) {
            TiPlotToolBarButton *button = FButtons[row.Type];
            const QString name = QString::fromLatin1(row.Glyph);
            button->SetImageName(FSmallButtons ? QStringLiteral("SMALL") + name : name);
            button->SetImageIndex(-1);
        }
}

bool TiPlotToolBar::ZoomBoxActive() const
{
    return FButtons[iptbbtZoomBox]->Down();
}

bool TiPlotToolBar::CursorActive() const
{
    return FButtons[iptbbtCursor]->Down();
}

bool TiPlotToolBar::SelectActive() const
{
    return FButtons[iptbbtSelect]->Down();
}

// ---- Commands -------------------------------------------------------------------------------------

void TiPlotToolBar::RunCommand(TiPlotToolBarButtonType Type, const std::function<void()> &Action, bool After)
{
    TiPlotHost *host = Host();
    bool cancel = false;
    if (host)
        host->DoBeforeToolBarButtonClick(this, Type, cancel);
    if (cancel)
        return;
    Action();
    if (host && After)
        host->DoToolBarButtonClick(this, Type);
}

void TiPlotToolBar::DoButtonClickResume()
{
    RunCommand(iptbbtResume, [this] {
        if (CursorActive())
            DoButtonClickCursor();
        if (SelectActive())
            DoButtonClickSelect();
        auto *plot = dynamic_cast<TiPlotComponent *>(FOwner);
        if (!plot)
            return;
        TiPlotObjectManager *objects = plot->Master()->ObjectManager();
        for (int i = 0; i < objects->Count(); ++i)
            objects->Items(i)->SetUserSelected(false);
        plot->EnableAllTracking();
    });
}

void TiPlotToolBar::DoButtonClickPause()
{
    RunCommand(iptbbtPause, [this] {
        if (auto *plot = dynamic_cast<TiPlotComponent *>(FOwner))
            plot->DisableAllTracking();
    });
}

void TiPlotToolBar::SetAxesMode(bool Zoom)
{
    FButtons[iptbbtScrollAxesMode]->SetDown(!Zoom);
    FButtons[iptbbtZoomAxesMode]->SetDown(Zoom);
    auto *plot = dynamic_cast<TiPlotComponent *>(FOwner);
    if (!plot)
        return;
    const TiPlotAxisMode mode = Zoom ? ipamZoom : ipamScroll;
    for (int i = 0; i < plot->XAxisCount(); ++i)
        plot->GetXAxis(i)->SetMode(mode);
    for (int i = 0; i < plot->YAxisCount(); ++i)
        plot->GetYAxis(i)->SetMode(mode);
}

void TiPlotToolBar::DoButtonClickScrollAxesMode()
{
    RunCommand(iptbbtScrollAxesMode, [this] { SetAxesMode(false); });
}

void TiPlotToolBar::DoButtonClickZoomAxesMode()
{
    RunCommand(iptbbtZoomAxesMode, [this] { SetAxesMode(true); });
}

void TiPlotToolBar::ZoomAllAxes(bool In)
{
    DoButtonClickPause();
    auto *plot = dynamic_cast<TiPlotComponent *>(FOwner);
    if (!plot)
        return;
    auto zoom = [&](TiPlotAxis *Axis) {
        if (Axis->ScaleType() == ipstLinear)
            Axis->Zoom(In ? 1 / FZoomInOutFactor : FZoomInOutFactor);
        else
            Axis->Zoom(In ? -1 : 1);
    };
    for (int i = 0; i < plot->XAxisCount(); ++i)
        zoom(plot->GetXAxis(i));
    for (int i = 0; i < plot->YAxisCount(); ++i)
        zoom(plot->GetYAxis(i));
}

void TiPlotToolBar::DoButtonClickZoomIn()
{
    RunCommand(iptbbtZoomIn, [this] { ZoomAllAxes(true); });
}

void TiPlotToolBar::DoButtonClickZoomOut()
{
    RunCommand(iptbbtZoomOut, [this] { ZoomAllAxes(false); });
}

void TiPlotToolBar::DoButtonClickSelect()
{
    RunCommand(iptbbtSelect, [this] {
        FButtons[iptbbtSelect]->SetDown(!FButtons[iptbbtSelect]->Down());
        FButtons[iptbbtZoomBox]->SetDown(false);
    });
}

void TiPlotToolBar::DoButtonClickZoomBox()
{
    RunCommand(iptbbtZoomBox, [this] {
        FButtons[iptbbtSelect]->SetDown(false);
        FButtons[iptbbtZoomBox]->SetDown(!FButtons[iptbbtZoomBox]->Down());
    });
}

void TiPlotToolBar::DoButtonClickCursor()
{
    RunCommand(iptbbtCursor, [this] { FButtons[iptbbtCursor]->SetDown(!FButtons[iptbbtCursor]->Down()); });
}

void TiPlotToolBar::DoButtonClickEdit()
{
    RunCommand(
        iptbbtEdit, [this] { DoEditMenuItemClick(); }, false);
}

void TiPlotToolBar::DoButtonClickCopy()
{
    RunCommand(iptbbtCopy, [this] {
        if (auto *plot = dynamic_cast<TiPlotComponent *>(FOwner))
            plot->CopyToClipBoard();
    });
}

void TiPlotToolBar::DoButtonClickSave()
{
    RunCommand(iptbbtSave, [this] {
        if (auto *plot = dynamic_cast<TiPlotComponent *>(FOwner))
            plot->Save();
    });
}

void TiPlotToolBar::DoButtonClickPrint()
{
    RunCommand(iptbbtPrint, [this] {
        if (auto *plot = dynamic_cast<TiPlotComponent *>(FOwner))
            plot->PrintChart();
    });
}

void TiPlotToolBar::DoButtonClickPreview()
{
    RunCommand(iptbbtPreview, [this] {
        if (auto *plot = dynamic_cast<TiPlotComponent *>(FOwner))
            plot->PreviewChart();
    });
}

void TiPlotToolBar::TurnOffCursor()
{
    FButtons[iptbbtCursor]->SetDown(false);
}

void TiPlotToolBar::CursorDownChange(TObject *)
{
    auto *plot = dynamic_cast<TiPlotComponent *>(FOwner);
    if (!plot || plot->DataCursorCount() == 0) {
        if (plot && CursorActive())
            plot->DisableAllTracking();
        return;
    }
    TiPlotDataCursor *cursor = plot->GetDataCursor(0);
    if (CursorActive()) {
        cursor->SetVisible(true);
        plot->DisableAllTracking();
        cursor->SetUserSelected(true);
    } else {
        cursor->SetVisible(false);
    }
}

void TiPlotToolBar::SelectDownChange(TObject *)
{
    auto *plot = dynamic_cast<TiPlotComponent *>(FOwner);
    if (!plot)
        return;
    if (SelectActive())
        plot->DisableAllTracking();
    plot->SetToolBarSelectActive(SelectActive());
}

// ---- Layout, drawing and input --------------------------------------------------------------------

int TiPlotToolBar::GetRequiredWidth(TCanvas *)
{
    return FSmallButtons ? 28 : 36;
}

void TiPlotToolBar::Draw(TCanvas *Canvas, TColor BackGroundColor)
{
    inherited::Draw(Canvas, BackGroundColor);
    if (!FVisible)
        return;
    auto visible = [this](TiPlotToolBarButtonType Type) { return FButtons[Type]->Visible(); };
    FResumePauseSpacer->SetVisible(visible(iptbbtResume) || visible(iptbbtPause));
    FAxesModeSpacer->SetVisible(visible(iptbbtScrollAxesMode) || visible(iptbbtZoomAxesMode));
    FZoomInOutSpacer->SetVisible(visible(iptbbtZoomIn) || visible(iptbbtZoomOut));
    FZoomBoxCursorSpacer->SetVisible(visible(iptbbtZoomBox) || visible(iptbbtCursor));
    FEditSpacer->SetVisible(visible(iptbbtEdit));

    bool anyOff = false;
    bool anyOn = false;
    if (auto *plot = dynamic_cast<TiPlotComponent *>(FOwner)) {
        for (int i = 0; i < plot->XAxisCount(); ++i)
            (plot->GetXAxis(i)->TrackingEnabled() ? anyOn : anyOff) = true;
        for (int i = 0; i < plot->YAxisCount(); ++i)
            (plot->GetYAxis(i)->TrackingEnabled() ? anyOn : anyOff) = true;
    }
    FButtons[iptbbtResume]->SetEnabled(anyOff);
    FButtons[iptbbtPause]->SetEnabled(anyOn);

    const TRect r = DrawRect();
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(clBtnFace);
    Canvas->Pen()->SetWidth(1);
    Canvas->FillRect(TRect(r.Left, r.Top, r.Right + 1, r.Bottom));
    if (!FFlatBorder)
        iDrawEdge(Canvas, r, iEdgeRaised);

    const int size = FSmallButtons ? 22 : 30;
    int x = r.Left + 3;
    for (TiPlotToolBarButton *button : FButtonList) {
        if (!button->Visible())
            continue;
        const int width = button->Style() == iptbbsSpacer ? 10 : size;
        button->SetDrawRect(TRect(x, r.Top + 3, x + width, r.Top + size + 3));
        button->Draw(Canvas, BackGroundColor);
        x += width;
    }
}

TiPlotObject *TiPlotToolBar::GetMouseOverObject(int X, int Y)
{
    TiPlotObject *result = inherited::GetMouseOverObject(X, Y);
    for (TiPlotToolBarButton *button : FButtonList) {
        const TRect r = button->DrawRect();
        if (button->Visible() && X >= r.Left && X < r.Right && Y >= r.Top && Y < r.Bottom) {
            result = button;
            break;
        }
    }
    FMouseOverObject = result;
    return result;
}

void TiPlotToolBar::NotifySelected(TObject *AObject)
{
    inherited::NotifySelected(AObject);
    auto *other = dynamic_cast<TiPlotObject *>(AObject);
    if (other && other != this && other->UserSelected() && FUserSelected)
        SetUserSelected(false);
}

void TiPlotToolBar::AddMenuItems(TPopupMenu *PopupMenu)
{
    inherited::AddMenuItems(PopupMenu);
    AddEditMenuItem(PopupMenu);
}
