#include "plotlib/plot/iPlotLabel.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/ImageList.h"
#include "plotlib/base/iHelpers.h"
#include "plotlib/plot/iPlotHost.h"

#include <cmath>

T_IMPLEMENT_CLASS(TiPlotLabel)
{
    b.Str("Caption", &TiPlotLabel::Caption, &TiPlotLabel::SetCaption);
    b.Float("MarginLeft", &TiPlotLabel::MarginLeft, &TiPlotLabel::SetMarginLeft);
    b.Float("MarginRight", &TiPlotLabel::MarginRight, &TiPlotLabel::SetMarginRight);
    b.Float("MarginBottom", &TiPlotLabel::MarginBottom, &TiPlotLabel::SetMarginBottom);
    b.Float("MarginTop", &TiPlotLabel::MarginTop, &TiPlotLabel::SetMarginTop);
    b.Object("Font", &TiPlotLabel::Font, &TiPlotLabel::SetFont);
    b.Enum("Alignment", &TiPlotLabel::Alignment, &TiPlotLabel::SetAlignment, iAlignmentHorizontalNames)
        .Default(iahCenter);
    b.Int("ImageListIndex", &TiPlotLabel::ImageListIndex, &TiPlotLabel::SetImageListIndex).Default(-1);
    b.Int("ImageIndex", &TiPlotLabel::ImageIndex, &TiPlotLabel::SetImageIndex).Default(0);
}

namespace {

template <class T>
bool StoreChanged(T &Field, const T &Value)
{
    if (Field == Value)
        return false;
    Field = Value;
    return true;
}

int Round(double Value)
{
    return static_cast<int>(std::nearbyint(Value));
}

}  // namespace

TiPlotLabel::TiPlotLabel(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                         TNotifyEvent AOnRename)
    : TiPlotLayoutObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                         std::move(AOnRename)),
      FFont(std::make_unique<TFont>())
{
    FFont->SetName(QStringLiteral("Arial"));
    FFont->SetSize(14);
    FFont->SetStyle(TFontStyles{fsBold});
    FFont->SetColor(clWhite);
    FFont->OnChange = TNotifyEvent(this, &TiPlotLabel::FontChanged);
    FHorizontal = true;
}

TiPlotLabel::~TiPlotLabel()
{
    FFont->OnChange = nullptr;
}

// ---- Properties ---------------------------------------------------------------------------------

void TiPlotLabel::SetCaption(const QString &Value)
{
    if (StoreChanged(FCaption, Value))
        DoChange();
}

void TiPlotLabel::SetMarginLeft(double Value)
{
    if (StoreChanged(FMarginLeft, Value))
        DoChange();
}

void TiPlotLabel::SetMarginRight(double Value)
{
    if (StoreChanged(FMarginRight, Value))
        DoChange();
}

void TiPlotLabel::SetMarginBottom(double Value)
{
    if (StoreChanged(FMarginBottom, Value))
        DoChange();
}

void TiPlotLabel::SetMarginTop(double Value)
{
    if (StoreChanged(FMarginTop, Value))
        DoChange();
}

void TiPlotLabel::SetFont(TFont *Value)
{
    FFont->Assign(Value);
}

void TiPlotLabel::SetAlignment(TiAlignmentHorizontal Value)
{
    if (StoreChanged(FAlignment, Value))
        DoChange();
}

void TiPlotLabel::SetImageListIndex(int Value)
{
    if (StoreChanged(FImageListIndex, Value))
        DoChange();
}

void TiPlotLabel::SetImageIndex(int Value)
{
    if (StoreChanged(FImageIndex, Value))
        DoChange();
}

void TiPlotLabel::SetImage(TBitmap *Value)
{
    if (!Value) {
        FImage.reset();
    } else {
        auto copy = std::make_unique<TBitmap>();
        copy->Assign(Value);
        copy->SetTransparentMode(tmAuto);
        copy->SetTransparent(true);
        FImage = std::move(copy);
    }
    DoChange();
}

void TiPlotLabel::ImageClear()
{
    if (!FImage)
        return;
    FImage.reset();
    DoChange();
}

void TiPlotLabel::ImageLoadFromFile(const QString &FileName)
{
    TBitmap loaded;
    loaded.LoadFromFile(FileName);
    SetImage(&loaded);
}

// ---- Layout and drawing -------------------------------------------------------------------------

void TiPlotLabel::CalcMarginPixels(TCanvas *Canvas)
{
    const QString zero = QStringLiteral("0");
    const int w = iTextWidthMultiLine(Canvas, zero);
    const int h = iTextHeightMultiLine(Canvas, zero);
    FMarginTopPixels = Round(h * FMarginTop);
    FMarginBottomPixels = Round(h * FMarginBottom);
    FMarginLeftPixels = Round(w * FMarginLeft);
    FMarginRightPixels = Round(w * FMarginRight);
    FRequiredWidth = iTextHeightMultiLine(Canvas, FCaption) + FMarginTopPixels + FMarginBottomPixels;
}

int TiPlotLabel::GetRequiredWidth(TCanvas *Canvas)
{
    Canvas->Font()->Assign(FFont.get());
    CalcMarginPixels(Canvas);
    return FRequiredWidth;
}

int TiPlotLabel::PictureLeft(int PictureWidth) const
{
    switch (FAlignment) {
    case iahLeft: return FLeft + FMarginLeftPixels;
    case iahRight: return FRight - FMarginRightPixels - PictureWidth;
    case iahCenter: break;
    }
    return (FLeft + FRight) / 2 - PictureWidth / 2;
}

void TiPlotLabel::Draw(TCanvas *Canvas, TColor BackGroundColor)
{
    if (!FVisible)
        return;
    Canvas->Font()->Assign(FFont.get());
    CalcMarginPixels(Canvas);
    const int top = FTop + FMarginTopPixels;

    if (FImage) {
        Canvas->Draw(PictureLeft(FImage->Width()), top, FImage.get());
        return;
    }
    TiPlotHost *host = Host();
    if (TCustomImageList *images = host ? host->GetImageList(FImageListIndex) : nullptr) {
        if (FImageIndex >= 0 && FImageIndex < images->Count()) {
            images->Draw(Canvas, PictureLeft(images->Width()), top, FImageIndex, FEnabled);
            return;
        }
    }

    Canvas->Brush()->SetStyle(bsClear);
    if (FHorizontal) {
        std::uint16_t flags = iTextVCenter;
        flags |= FAlignment == iahLeft ? iTextLeft : FAlignment == iahRight ? iTextRight : iTextCenter;
        // One line is centred in the band; several lines fill it.
        if (!FCaption.contains(u'\r') && !FCaption.contains(u'\n'))
            flags |= iTextSingleLine;
        TRect r(FLeft + FMarginLeftPixels, top, FRight - FMarginRightPixels, FBottom - FMarginBottomPixels);
        iDrawText(Canvas, FCaption, r, BackGroundColor, true, flags);
        return;
    }
    const int x = (FLeft + FMarginTopPixels + FRight - FMarginBottomPixels) / 2;
    const int t = Canvas->TextWidth(FCaption) / 2;
    const int y = FAlignment == iahLeft    ? FBottom - t - FMarginLeftPixels
                  : FAlignment == iahRight ? FTop + t + FMarginRightPixels
                                           : (FTop + FBottom) / 2;
    TRect textRect;
    iDrawRotatedText(Canvas, FCaption, TRect(x, y, x, y), textRect, BackGroundColor, true, iahCenter, ira090);
}
