#include "pages/MatrixPage.h"

#include "device/GlobalConstants.h"
#include "device/LUnitControl.h"
#include "pages/PageControls.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/ControlsCustomControl.h"
#include "platform/ui/GraphicsPen.h"
#include "platform/ui/PaintBox.h"
#include "widgets/skinned/RzBmpBtn.h"

#include <array>

namespace {

// Rows of the lines at the window's designed height: inputs In A, In B; outputs Out 1 to Out 4.
constexpr std::array<int, InputCount> InputRows = {38, 142};
constexpr std::array<int, OutputCount> OutputRows = {2, 59, 116, 173};
constexpr int RouteWidth = 2;

}  // namespace

TPoint MatrixRouteStart(int input, int extraHeight)
{
    return TPoint(0, InputRows[static_cast<std::size_t>(input)] + input * (extraHeight / 2));
}

TPoint MatrixRouteEnd(int output, int width, int extraHeight)
{
    return TPoint(width, extraHeight / 5 * (output + 1) + OutputRows[static_cast<std::size_t>(output)]);
}

void MatrixPage::rzbAMatrixOut1Click(TObject *Sender)
{
    RouteClick(Sender, ChOut1);
}

void MatrixPage::rzbAMatrixOut2Click(TObject *Sender)
{
    RouteClick(Sender, ChOut2);
}

void MatrixPage::rzbAMatrixOut3Click(TObject *Sender)
{
    RouteClick(Sender, ChOut3);
}

void MatrixPage::rzbAMatrixOut4Click(TObject *Sender)
{
    RouteClick(Sender, ChOut4);
}

void MatrixPage::RouteClick(TObject *sender, int output)
{
    auto *button = SenderAs<TRzBmpButton>(sender);
    if (!button || button->Tag() < ChInA || button->Tag() > ChInB)
        return;
    const int bit = 1 << button->Tag();
    LUnitControl &model = host_.UnitControl();
    const int mask = model.GetOutputSource(output);
    model.SetOutputSource(output, static_cast<std::uint16_t>(button->Down() ? mask | bit : mask & ~bit));
    DrawMatrixRoutes();
    if (auto *box = FindPageControl<TPaintBox>(host_, QStringLiteral("pbMatrix")))
        box->Repaint();
}

void MatrixPage::rzgFftMatrixPaint(TObject *Sender)
{
    auto *area = SenderAs<TCustomControl>(Sender);
    auto *box = FindPageControl<TPaintBox>(host_, QStringLiteral("pbMatrix"));
    if (!area || !box || !area->ContainsControl(box)) {
        DrawMatrixRoutes();
        return;
    }
    // While the area paints, its canvas draws into what it paints into (the screen or an image);
    // the paint box's own canvas would draw on the area's screen image only. So the lines go
    // through the area's canvas, at the paint box's place and clipped to it.
    TCanvas *canvas = area->Canvas();
    const TPoint origin = box->ClientToParent(TPoint(0, 0), area);
    const int saved = canvas->SaveDC();
    canvas->IntersectClipRect(TRect(origin.X, origin.Y, origin.X + box->Width(), origin.Y + box->Height()));
    DrawRoutes(*canvas, origin, box->Width());
    canvas->RestoreDC(saved);
}

void MatrixPage::DrawMatrixRoutes()
{
    if (auto *box = FindPageControl<TPaintBox>(host_, QStringLiteral("pbMatrix")))
        DrawRoutes(*box->Canvas(), TPoint(0, 0), box->Width());
}

void MatrixPage::DrawRoutes(TCanvas &canvas, TPoint origin, int width)
{
    const LUnitControl &model = host_.UnitControl();
    const int extra = host_.ExtraHeight();
    canvas.Pen()->SetWidth(RouteWidth);
    for (int input = 0; input < InputCount; ++input) {
        canvas.Pen()->SetColor(static_cast<TColor>(ChannelColors[static_cast<std::size_t>(input)]));
        for (int output = 0; output < OutputCount; ++output) {
            if ((model.GetOutputSource(ChOut1 + output) >> input & 1) == 0)
                continue;
            const TPoint start = MatrixRouteStart(input, extra);
            const TPoint end = MatrixRouteEnd(output, width, extra);
            canvas.MoveTo(origin.X + start.X, origin.Y + start.Y);
            canvas.LineTo(origin.X + end.X, origin.Y + end.Y);
        }
    }
}
