#include "widgets/skinned/RzPanelDockManager.h"

#include "platform/runtime/Exception.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/ControlsWinControl.h"
#include "widgets/skinned/RzCommon.h"
#include "widgets/skinned/RzPanel.h"

#include <algorithm>

TRzPanelDockManager::TRzPanelDockManager(TWinControl *dockSite)
    : TDockTree(dockSite), FPanel(dynamic_cast<TRzCustomPanel *>(dockSite)), FFont(std::make_unique<TFont>()),
      FCloseFont(std::make_unique<TFont>())
{
    if (!FPanel)
        throw EInvalidCast(QStringLiteral("Invalid class typecast"));
    FFont->SetName(QStringLiteral("Verdana"));
    FFont->SetSize(8);
    FCloseFont->SetName(QStringLiteral("Marlett"));
    FCloseFont->SetSize(8);
    if (!FPanel->ComponentState().Contains(csDesigning)) {
        FOldWndProc = FPanel->WindowProc;
        FHooked = true;
        FPanel->WindowProc = [this](TMessage &m) {
            // A command or a click into a docked window may move the focus: the captions follow.
            if (m.Msg == WM_COMMAND || m.Msg == WM_MOUSEACTIVATE)
                FPanel->Invalidate();
            if (FOldWndProc)
                FOldWndProc(m);
            else
                FPanel->WndProc(m);
        };
    }
}

TRzPanelDockManager::~TRzPanelDockManager()
{
    if (FHooked)
        FPanel->WindowProc = FOldWndProc;
}

bool TRzPanelDockManager::PanelAlongTopOrBottom() const
{
    return FPanel->Align() == alTop || FPanel->Align() == alBottom;
}

void TRzPanelDockManager::AdjustDockRect(TControl *, TRect &rect)
{
    if (PanelAlongTopOrBottom())
        rect.Left += FGrabberSize;
    else
        rect.Top += FGrabberSize;
}

void TRzPanelDockManager::DrawCloseGlyph(TCanvas *canvas, const TRect &rect) const
{
    canvas->FillRect(rect);
    // A cross of two-pixel strokes, as the caption font's close glyph shows it.
    const int size = std::max(3, std::min(rect.Width(), rect.Height()) - 4);
    const int x0 = rect.Left + (rect.Width() - size) / 2, y0 = rect.Top + (rect.Height() - size) / 2;
    const TColor color = canvas->Font()->Color();
    for (int i = 0; i < size; ++i)
        for (int d = 0; d < 2 && i + d < size; ++d) {
            canvas->SetPixel(x0 + i + d, y0 + i, color);
            canvas->SetPixel(x0 + size - 1 - i - d, y0 + i, color);
        }
}

void TRzPanelDockManager::PaintDockFrame(TCanvas *canvas, TControl *control, const TRect &rect)
{
    if (!FPanel->ShowDockClientCaptions()) {
        TDockTree::PaintDockFrame(canvas, control, rect);
        return;
    }
    const QString caption = control->Caption();
    canvas->SetFont(FFont.get());
    auto *window = dynamic_cast<TWinControl *>(control);
    const bool active = !window || window->Focused();
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(active ? clActiveCaption : clInactiveCaption);
    canvas->Font()->SetColor(active ? clCaptionText : clInactiveCaptionText);
    const int g = FGrabberSize;
    if (!PanelAlongTopOrBottom()) {
        canvas->TextRect(TRect(rect.Left, rect.Top, rect.Right, rect.Top + g), rect.Left + 2, rect.Top, caption);
        DrawCloseGlyph(canvas, TRect(rect.Right - g - 1, rect.Top + 1, rect.Right - 2, rect.Top + g - 2));
        return;
    }
    const TRect bar(rect.Left, rect.Top, rect.Left + g, rect.Bottom);
    const UINT align = canvas->SetTextAlign(TA_BASELINE);
    const std::unique_ptr<TFont> turned = CreateRotatedFont(FFont.get(), 90);
    turned->SetColor(clCaptionText);
    canvas->SetFont(turned.get());
    canvas->TextRect(bar, bar.Right - 2, bar.Bottom - 3, caption);
    canvas->SetTextAlign(align);
    DrawCloseGlyph(canvas, TRect(rect.Left + 1, rect.Top + 1, rect.Left + g - 2, rect.Top + g - 2));
}
