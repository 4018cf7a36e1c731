#include "widgets/graphics/CurvyPanel.h"

#include "platform/runtime/ClassBuilder.h"
#include "widgets/graphics/AdvGDIP.h"
#include "widgets/graphics/GDIPFill.h"

T_IMPLEMENT_CLASS(TCurvyPanel)
{
    b.Int("Rounding", &TCurvyPanel::Rounding, &TCurvyPanel::SetRounding).Default(8);
    b.Color("BorderColor", &TCurvyPanel::BorderColor, &TCurvyPanel::SetBorderColor)
        .Default(clGray)
        .Idents(ColorIdents());
    b.Message(WM_ERASEBKGND, &TCurvyPanel::WMEraseBkgnd);
    b.Message(CM_COLORCHANGED, &TCurvyPanel::CMColorChanged);
}

TCurvyPanel::TCurvyPanel(TComponent *AOwner) : TCustomControl(AOwner)
{
    FControlStyle << csAcceptsControls;
    FColor = clWindow;
    FParentColor = false;
    SetBounds(FLeft, FTop, 200, 100);
    SetDoubleBuffered(true);
}

void TCurvyPanel::ColorChanged()
{
    Repaint();
}

void TCurvyPanel::CMColorChanged(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    ColorChanged();
}

void TCurvyPanel::WMEraseBkgnd(TMessage &m)
{
    // Outside the rounded shape the parent shows: its background, its own painting and its
    // windowless controls.
    if (FParent)
        DrawParentBackground(reinterpret_cast<TCanvas *>(m.WParam));
    else
        DispatchFrom(inherited::StaticClass(), m);
    m.Result = 1;
}

void TCurvyPanel::Paint()
{
    TGDIPFill fill;
    const TColor color = ColorToRGB(Color());
    fill.SetBorderColor(ColorToRGB(FBorderColor));
    fill.SetRounding(FRounding);
    fill.SetRoundingType(rtBoth);
    fill.SetColor(color);
    fill.SetColorTo(color);
    fill.SetColorMirror(color);
    fill.SetColorMirrorTo(color);
    TGPGraphics graphics(Canvas()->Handle());
    graphics.SetSmoothingMode(SmoothingModeAntiAlias);
    const auto f = [](int v) { return static_cast<REAL>(v); };
    fill.Fill(&graphics, MakeRect(f(FLeftIndent), f(0), f(Width() - FRightIndent - FLeftIndent - 1), f(Height() - 1)),
              255, 255, 255, 255, 255);
    if (FShadowColor == clNone)
        return;
    TGPPen pen(ARGBFromColor(FShadowColor), 1);
    graphics.DrawLine(&pen, f(FRounding + FLeftIndent), f(1), f(Width() - FRounding - FRightIndent), f(1));
    graphics.DrawArc(&pen, f(Width() - FRounding - FRightIndent - 3), f(1), f(FRounding), f(FRounding), -90, 90);
}
