#pragma once
// TiPlotLabel: a caption, or instead a picture, in a band beside the data view. Label 0 of a plot
// is its title. A new label is horizontal, "Arial" 14 bold white, centred.
//
// Margins are in character units of the label's font: top and bottom in heights of "0", left and
// right in widths of "0", turned into pixels (rounded, ties to even) at every layout and paint.
// The label needs the height of all lines of its caption plus its top and bottom margins across
// its band, also when it shows a picture and when it is invisible (the layout still asks).
//
// Drawing, first that applies: the label's own bitmap (transparent in the colour of its
// bottom-left pixel); image ImageIndex of the plot's image list ImageListIndex (0 to 2, in the
// disabled look while the label is disabled); the caption. An invisible label draws nothing.
// A vertical label reads upward; Alignment then places it along the band (iahLeft at the bottom).
// GUI thread.

#include "platform/ui/Bitmap.h"
#include "platform/ui/GraphicsFont.h"
#include "plotlib/base/iTypes.h"
#include "plotlib/plot/iPlotObjects.h"

#include <memory>

class TiPlotLabel : public TiPlotLayoutObject {
    T_DECLARE_CLASS(TiPlotLabel, TiPlotLayoutObject)
    TiPlotLabel(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                TNotifyEvent AOnRename);
    ~TiPlotLabel() override;

    const QString &Caption() const { return FCaption; }
    void SetCaption(const QString &Value);
    double MarginLeft() const { return FMarginLeft; }
    void SetMarginLeft(double Value);
    double MarginRight() const { return FMarginRight; }
    void SetMarginRight(double Value);
    double MarginBottom() const { return FMarginBottom; }
    void SetMarginBottom(double Value);
    double MarginTop() const { return FMarginTop; }
    void SetMarginTop(double Value);
    TFont *Font() const { return FFont.get(); }
    // Copies the font; every change of the label's font repaints.
    void SetFont(TFont *Value);
    TiAlignmentHorizontal Alignment() const { return FAlignment; }
    void SetAlignment(TiAlignmentHorizontal Value);
    int ImageListIndex() const { return FImageListIndex; }
    void SetImageListIndex(int Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);

    // nullptr until a picture is given.
    TBitmap *Image() const { return FImage.get(); }
    // Copies the bitmap (nullptr frees the label's own), then repaints.
    void SetImage(TBitmap *Value);
    // Frees the label's bitmap, if it has one, and repaints.
    void ImageClear();
    // The framework's loading error reaches the caller; the label is then unchanged.
    void ImageLoadFromFile(const QString &FileName);

    // Pixels of the last layout or paint.
    int RequiredWidthPixels() const { return FRequiredWidth; }
    int MarginTopPixels() const { return FMarginTopPixels; }
    int MarginBottomPixels() const { return FMarginBottomPixels; }
    int MarginLeftPixels() const { return FMarginLeftPixels; }
    int MarginRightPixels() const { return FMarginRightPixels; }

    void Draw(TCanvas *Canvas, TColor BackGroundColor) override;
    int GetRequiredWidth(TCanvas *Canvas) override;

private:
    // With the canvas font set to the label's.
    void CalcMarginPixels(TCanvas *Canvas);
    // Left edge of a picture of that width by Alignment.
    int PictureLeft(int PictureWidth) const;
    void FontChanged(TObject *) { DoChange(); }

    int FRequiredWidth = 0;
    int FMarginTopPixels = 0;
    int FMarginBottomPixels = 0;
    int FMarginLeftPixels = 0;
    int FMarginRightPixels = 0;
    QString FCaption;
    double FMarginLeft = 0;
    double FMarginRight = 0;
    double FMarginBottom = 0;
    double FMarginTop = 0;
    std::unique_ptr<TFont> FFont;
    TiAlignmentHorizontal FAlignment = iahCenter;
    std::unique_ptr<TBitmap> FImage;
    int FImageListIndex = -1;
    int FImageIndex = 0;
};
