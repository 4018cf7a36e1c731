#include "platform/ui/Shape.h"

#include "platform/runtime/ClassBuilder.h"

#include <algorithm>

T_IMPLEMENT_CLASS(TShape)
{
    b.Object("Brush", &TShape::Brush, &TShape::SetBrush);
    b.Object("Pen", &TShape::Pen, &TShape::SetPen);
    b.Enum("Shape", &TShape::Shape, &TShape::SetShape, ShapeTypeNames).Default(stRectangle);
}

TShape::TShape(TComponent *AOwner)
    : TGraphicControl(AOwner), FPen(std::make_unique<TPen>()), FBrush(std::make_unique<TBrush>())
{
    FControlStyle << csReplicatable;
    FPen->OnChange = [this](TObject *) { Invalidate(); };
    FBrush->OnChange = [this](TObject *) { Invalidate(); };
    SetBounds(0, 0, 65, 65);
}

TShape::~TShape() = default;

void TShape::SetShape(TShapeType value)
{
    if (FShape == value)
        return;
    FShape = value;
    Invalidate();
}

void TShape::Paint()
{
    TCanvas *canvas = Canvas();
    canvas->SetPen(FPen.get());
    canvas->SetBrush(FBrush.get());
    const int pw = FPen->Width();
    const int half = pw / 2;
    int x = half;
    int y = half;
    int w = Width() - pw + 1;
    int h = Height() - pw + 1;
    if (pw == 0) {
        --w;
        --h;
    }
    const int s = std::min(w, h);
    if (FShape == stSquare || FShape == stRoundSquare || FShape == stCircle) {
        x += (w - s) / 2;
        y += (h - s) / 2;
        w = h = s;
    }
    switch (FShape) {
    case stRectangle:
    case stSquare:
        canvas->Rectangle(x, y, x + w, y + h);
        break;
    case stRoundRect:
    case stRoundSquare:
        canvas->RoundRect(x, y, x + w, y + h, s / 4, s / 4);
        break;
    case stEllipse:
    case stCircle:
        canvas->Ellipse(x, y, x + w, y + h);
        break;
    }
}
