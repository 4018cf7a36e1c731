#include "widgets/skinned/VrDrawUtils.h"

#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"

void DrawFrame3D(TCanvas *canvas, TRect &rect, TColor topColor, int width, TColor bottomColor)
{
    canvas->Pen()->SetWidth(1);
    --rect.Right;
    --rect.Bottom;
    for (int i = 0; i < width; ++i) {
        canvas->Pen()->SetColor(topColor);
        canvas->MoveTo(rect.Left, rect.Bottom);
        canvas->LineTo(rect.Left, rect.Top);
        canvas->LineTo(rect.Right, rect.Top);
        canvas->Pen()->SetColor(bottomColor);
        canvas->LineTo(rect.Right, rect.Bottom);
        canvas->LineTo(rect.Left - 1, rect.Bottom);
        rect.Inflate(-1, -1);
    }
    ++rect.Right;
    ++rect.Bottom;
}

void TileBitmap(TCanvas *canvas, const TRect &rect, TBitmap *bitmap)
{
    const int w = bitmap->Width(), h = bitmap->Height();
    if (w <= 0 || h <= 0)
        return;
    for (int x = rect.Left; x < rect.Right; x += w)
        for (int y = rect.Top; y < rect.Bottom; y += h)
            canvas->Draw(x, y, bitmap);
}

void DrawButtonText(TCanvas *canvas, const QString &text, const TRect &rect, bool enabled)
{
    canvas->Brush()->SetStyle(bsClear);
    TRect r = rect;
    if (enabled) {
        canvas->DrawText(text, r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        return;
    }
    r.Offset(1, 1);
    canvas->Font()->SetColor(clBtnHighlight);
    canvas->DrawText(text, r, 0);
    r.Offset(-1, -1);
    canvas->Font()->SetColor(clBtnShadow);
    canvas->DrawText(text, r, 0);
}

void CalcImageTextLayout(TCanvas *canvas, const TRect &client, const QString &caption, int layout, int margin,
                         int spacing, const TPoint &imageSize, TPoint &imagePos, TRect &textBounds)
{
    const int w = client.Width(), h = client.Height();
    TPoint text(0, 0);
    textBounds = TRect(0, 0, 0, 0);
    if (!caption.isEmpty()) {
        textBounds = TRect(0, 0, w, 0);
        canvas->DrawText(caption, textBounds, DT_CALCRECT);
        text = TPoint(textBounds.Width(), textBounds.Height());
    }
    const bool horizontal = layout == 1 || layout == 2;
    TPoint image(0, 0), textPos(0, 0);
    if (horizontal) {
        image.Y = (h - imageSize.Y + 1) / 2;
        textPos.Y = (h - text.Y + 1) / 2;
    } else {
        image.X = (w - imageSize.X + 1) / 2;
        textPos.X = (w - text.X + 1) / 2;
    }
    if (text.X == 0 || imageSize.X == 0)
        spacing = 0;
    const int extent = horizontal ? w : h;
    const int imageAxis = horizontal ? imageSize.X : imageSize.Y;
    const int textAxis = horizontal ? text.X : text.Y;
    if (margin == -1 && spacing == -1) {
        margin = (extent - (imageAxis + textAxis)) / 3;
        spacing = margin;
    } else if (margin == -1) {
        margin = (extent - (imageAxis + spacing + textAxis) + 1) / 2;
    } else if (spacing == -1) {
        spacing = (extent - margin - imageAxis - textAxis) / 2;
    }
    switch (layout) {
    case 1:
        image.X = margin;
        textPos.X = margin + imageSize.X + spacing;
        break;
    case 2:
        image.X = w - margin - imageSize.X;
        textPos.X = image.X - spacing - text.X;
        break;
    case 3:
        image.Y = margin;
        textPos.Y = margin + imageSize.Y + spacing;
        break;
    default:
        image.Y = h - margin - imageSize.Y;
        textPos.Y = image.Y - spacing - text.Y;
        break;
    }
    imagePos = TPoint(client.Left + image.X, client.Top + image.Y);
    textBounds.Offset(client.Left + textPos.X, client.Top + textPos.Y);
}
