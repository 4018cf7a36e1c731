#include "platform/ui/Panel.h"

#include "platform/runtime/ClassBuilder.h"

T_IMPLEMENT_CLASS(TCustomPanel)
{
    b.Message(CM_TEXTCHANGED, &TCustomPanel::CMTextChanged);
}

T_IMPLEMENT_CLASS(TPanel)
{
    b.Enum("Alignment", &TPanel::Alignment, &TPanel::SetAlignment, AlignmentNames).Default(taCenter);
    b.Bool("AutoSize", &TPanel::AutoSize, &TPanel::SetAutoSize).Default(false);
    b.Enum("BevelInner", &TPanel::BevelInner, &TPanel::SetBevelInner, BevelCutNames).Default(bvNone);
    b.Enum("BevelOuter", &TPanel::BevelOuter, &TPanel::SetBevelOuter, BevelCutNames).Default(bvRaised);
    b.Int("BevelWidth", &TPanel::BevelWidth, &TPanel::SetBevelWidth).Default(1);
    b.Enum("BorderStyle", &TPanel::BorderStyle, &TPanel::SetBorderStyle, FormBorderStyleNames).Default(bsNone);
    b.Int("BorderWidth", &TPanel::BorderWidth, &TPanel::SetBorderWidth).Default(0);
    b.Str("Caption", &TPanel::Caption, &TPanel::SetCaption);
    b.Color("Color", &TPanel::Color, &TPanel::SetColor).Default(clBtnFace).Idents(ColorIdents());
    b.Bool("FullRepaint", &TPanel::FullRepaint, &TPanel::SetFullRepaint).Default(true);
    b.Bool("Locked", &TPanel::Locked, &TPanel::SetLocked).Default(false);
    b.Bool("ParentColor", &TPanel::ParentColor, &TPanel::SetParentColor).Default(false);
    b.Enum("VerticalAlignment", &TPanel::VerticalAlignment, &TPanel::SetVerticalAlignment, VerticalAlignmentNames)
        .Default(taVerticalCenter);
}

void Frame3D(TCanvas *canvas, TRect &rect, TColor topColor, TColor bottomColor, int width)
{
    canvas->Pen()->SetWidth(1);
    rect.Bottom -= 1;
    rect.Right -= 1;
    while (width-- > 0) {
        const TPoint topLeft(rect.Left, rect.Top), topRight(rect.Right, rect.Top);
        const TPoint bottomLeft(rect.Left, rect.Bottom), bottomRight(rect.Right, rect.Bottom);
        canvas->Pen()->SetColor(topColor);
        canvas->Polyline({bottomLeft, topLeft, topRight});
        canvas->Pen()->SetColor(bottomColor);
        canvas->Polyline({topRight, bottomRight, TPoint(bottomLeft.X - 1, bottomLeft.Y)});
        rect.Inflate(-1, -1);
    }
    rect.Bottom += 1;
    rect.Right += 1;
}

TCustomPanel::TCustomPanel(TComponent *AOwner) : TCustomControl(AOwner)
{
    FControlStyle = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque,
                                  csDoubleClicks, csReplicatable, csParentBackground};
    FColor = clBtnFace;
    FParentColor = false;
    SetBounds(0, 0, 185, 41);
}

TRect TCustomPanel::GetClientRect() const
{
    TRect r = TCustomControl::GetClientRect();
    const int b = WindowBorder();
    r.Right -= 2 * b;
    r.Bottom -= 2 * b;
    return r;
}

void TCustomPanel::AdjustClientRect(TRect &rect)
{
    TCustomControl::AdjustClientRect(rect);
    int bevel = FBorderWidth;
    if (FBevelOuter != bvNone)
        bevel += FBevelWidth;
    if (FBevelInner != bvNone)
        bevel += FBevelWidth;
    rect.Inflate(-bevel, -bevel);
}

void TCustomPanel::Paint()
{
    static const UINT kAlignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    TCanvas *canvas = Canvas();
    const auto colors = [](TBevelCut bevel, TColor &top, TColor &bottom) {
        top = bevel == bvLowered ? clBtnShadow : clBtnHighlight;
        bottom = bevel == bvLowered ? clBtnHighlight : clBtnShadow;
    };
    // A bsSingle border is the window's: drawn around the client area.
    const int b = WindowBorder();
    if (b) {
        canvas->Brush()->SetColor(clWindowFrame);
        canvas->FrameRect(TRect(0, 0, Width(), Height()));
        canvas->SetWindowOrg(TPoint(canvas->WindowOrg().X - b, canvas->WindowOrg().Y - b));
    }
    TRect r = GetClientRect();
    TColor top, bottom;
    if (FBevelOuter != bvNone) {
        colors(FBevelOuter, top, bottom);
        Frame3D(canvas, r, top, bottom, FBevelWidth);
    }
    Frame3D(canvas, r, Color(), Color(), FBorderWidth);
    if (FBevelInner != bvNone) {
        colors(FBevelInner, top, bottom);
        Frame3D(canvas, r, top, bottom, FBevelWidth);
    }
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(r);
    canvas->Brush()->SetStyle(bsClear);
    canvas->SetFont(Font());
    const int fontHeight = canvas->TextHeight(QStringLiteral("W"));
    switch (FVerticalAlignment) {
    case taAlignTop:
        r.Bottom = r.Top + fontHeight;
        break;
    case taAlignBottom:
        r.Top = r.Bottom - fontHeight;
        break;
    case taVerticalCenter:
        r.Top = (r.Bottom + r.Top - fontHeight) / 2;
        r.Bottom = r.Top + fontHeight;
        break;
    }
    canvas->DrawText(Caption(), r, DT_EXPANDTABS | DT_VCENTER | kAlignments[FAlignment]);
    if (b)
        canvas->SetWindowOrg(TPoint(canvas->WindowOrg().X + b, canvas->WindowOrg().Y + b));
}

void TCustomPanel::BordersChanged()
{
    Realign();
    Invalidate();
}

void TCustomPanel::SetAlignment(TAlignment value)
{
    FAlignment = value;
    Invalidate();
}

void TCustomPanel::SetVerticalAlignment(TVerticalAlignment value)
{
    FVerticalAlignment = value;
    Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut value)
{
    FBevelInner = value;
    BordersChanged();
}

void TCustomPanel::SetBevelOuter(TBevelCut value)
{
    FBevelOuter = value;
    BordersChanged();
}

void TCustomPanel::SetBevelWidth(int value)
{
    FBevelWidth = std::max(1, value);
    BordersChanged();
}

void TCustomPanel::SetBorderWidth(int value)
{
    FBorderWidth = std::max(0, value);
    BordersChanged();
}

void TCustomPanel::SetBorderStyle(TBorderStyle value)
{
    FBorderStyle = value == bsSingle ? bsSingle : bsNone;
    BordersChanged();
}

void TCustomPanel::CMTextChanged(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    Invalidate();
}
