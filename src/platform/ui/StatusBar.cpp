#include "platform/ui/StatusBar.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/Forms.h"

T_IMPLEMENT_CLASS(TStatusPanel)
{
    b.Enum("Alignment", &TStatusPanel::Alignment, &TStatusPanel::SetAlignment, AlignmentNames).Default(taLeftJustify);
    b.Enum("Bevel", &TStatusPanel::Bevel, &TStatusPanel::SetBevel, StatusPanelBevelNames).Default(pbLowered);
    b.Str("Text", &TStatusPanel::Text, &TStatusPanel::SetText);
    b.Int("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth).Default(50);
}

T_IMPLEMENT_CLASS(TStatusBar)
{
    b.Enum("Align", &TStatusBar::Align, &TStatusBar::SetAlign, AlignNames).Default(alBottom);
    b.Color("Color", &TStatusBar::Color, &TStatusBar::SetColor).Default(clBtnFace).Idents(ColorIdents());
    b.Object("Panels", &TStatusBar::Panels, &TStatusBar::SetPanels);
    b.Bool("ParentColor", &TStatusBar::ParentColor, &TStatusBar::SetParentColor).Default(false);
    b.Bool("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel).Default(false);
    b.Str("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText);
    b.Bool("SizeGrip", &TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip).Default(true);
}

namespace {

void RepaintBarOf(TStatusPanel *panel)
{
    if (TCollection *c = panel->Collection())
        if (auto *bar = dynamic_cast<TStatusBar *>(c->GetOwner()))
            bar->Invalidate();
}

}  // namespace

void TStatusPanel::SetText(const QString &value)
{
    FText = value;
    RepaintBarOf(this);
}

void TStatusPanel::SetWidth(int value)
{
    FWidth = value;
    RepaintBarOf(this);
}

void TStatusPanel::SetAlignment(TAlignment value)
{
    FAlignment = value;
    RepaintBarOf(this);
}

void TStatusPanel::SetBevel(TStatusPanelBevel value)
{
    FBevel = value;
    RepaintBarOf(this);
}

void TStatusPanel::Assign(TPersistent *Source)
{
    if (auto *other = dynamic_cast<TStatusPanel *>(Source)) {
        FText = other->FText;
        FWidth = other->FWidth;
        FAlignment = other->FAlignment;
        FBevel = other->FBevel;
        RepaintBarOf(this);
        return;
    }
    TCollectionItem::Assign(Source);
}

TStatusBar::TStatusBar(TComponent *AOwner)
    : TCustomControl(AOwner),
      FPanels(std::make_unique<TCollection>(this, [](TCollection *c) { return new TStatusPanel(c); }))
{
    FControlStyle = TControlStyle{csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque};
    FColor = clBtnFace;
    FParentColor = false;
    SetBounds(0, 0, 200, 19);
    SetAlign(alBottom);
}

TStatusBar::~TStatusBar()
{
    Destroying();
}

TStatusPanel *TStatusBar::Panel(int index) const
{
    return static_cast<TStatusPanel *>(FPanels->Items(index));
}

void TStatusBar::SetSimplePanel(bool value)
{
    FSimplePanel = value;
    Invalidate();
}

void TStatusBar::SetSimpleText(const QString &value)
{
    FSimpleText = value;
    Invalidate();
}

void TStatusBar::SetSizeGrip(bool value)
{
    FSizeGrip = value;
    Invalidate();
}

void TStatusBar::DrawField(const TRect &rect, const QString &text, TAlignment alignment, TStatusPanelBevel bevel)
{
    static const UINT kAlignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    static const UINT kEdges[] = {0, BDR_SUNKENOUTER, BDR_RAISEDOUTER};
    TCanvas *canvas = Canvas();
    TRect r = rect;
    if (bevel != pbNone)
        canvas->DrawEdge(r, kEdges[bevel], BF_RECT | BF_ADJUST);
    r.Left += 3;
    canvas->Brush()->SetStyle(bsClear);
    canvas->DrawText(text, r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | kAlignments[alignment]);
}

bool TStatusBar::ShowsSizeGrip() const
{
    const auto *form = dynamic_cast<const TCustomForm *>(Parent());
    return FSizeGrip && form && (form->BorderStyle() == bsSizeable || form->BorderStyle() == bsSizeToolWin);
}

void TStatusBar::DrawSizeGrip()
{
    // Three ridges across the corner, lit from the top left: counted from the corner along the
    // diagonal, a face line, two shadow lines and a highlight line each.
    static const TColor kLines[] = {clBtnFace, clBtnShadow, clBtnShadow, clBtnHighlight};
    constexpr int Lines = 12;
    TCanvas *canvas = Canvas();
    const int right = Width() - 1, bottom = Height() - 1;
    for (int d = 0; d < Lines; ++d) {
        canvas->Pen()->SetColor(kLines[d % 4]);
        canvas->MoveTo(right - d, bottom);
        canvas->LineTo(right + 1, bottom - d - 1);
    }
}

void TStatusBar::Paint()
{
    TCanvas *canvas = Canvas();
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(ClientRect());
    canvas->SetFont(Font());
    const TRect area(0, 2, Width(), Height());
    if (FSimplePanel) {
        DrawField(area, FSimpleText, taLeftJustify, pbLowered);
    } else if (FPanels->Count() == 0) {
        DrawField(area, QString(), taLeftJustify, pbLowered);
    } else {
        int x = 0;
        for (int i = 0; i < FPanels->Count(); ++i) {
            TStatusPanel *p = Panel(i);
            const int right = i == FPanels->Count() - 1 ? Width() : x + p->Width();
            DrawField(TRect(x, area.Top, right, area.Bottom), p->Text(), p->Alignment(), p->Bevel());
            x = right + 2;
        }
    }
    if (ShowsSizeGrip())
        DrawSizeGrip();
}
