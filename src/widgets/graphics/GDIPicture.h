#pragma once
// TGDIPPicture: a picture in any format GDI+ decodes, kept as its file bytes (GDIPPictureBase.h).
// It is the picture of the office image, its hint content and the track bar's thumbs.
//
// Differences from TAdvGDIPPicture: a BMP file is stretched into the drawing rectangle; Assign
// from another kind of framework graphic empties the picture without a change event; ReadData
// leaves the size at 0 x 0 until the first draw or size query; LoadFromStream of an empty stream
// makes the picture non-empty without bytes (it then draws nothing).

#include "widgets/graphics/GDIPPictureBase.h"

class TGPGraphics;

class TGDIPPicture : public TGDIPPictureBase {
    T_DECLARE_CLASS(TGDIPPicture, TGDIPPictureBase)
    TGDIPPicture();

    void ReadData(TStream *stream) override;
    // The image at its own size at (x, y) / scaled into the rectangle, on the caller's graphics.
    void DrawImage(TGPGraphics *graphics, int x, int y);
    void DrawImageRect(TGPGraphics *graphics, int x, int y, int width, int height);

protected:
    bool AcceptsEmptyStream() const override { return true; }
    void ReadSizesOfFile(const QString &) override { GetImageSizes(); }
    bool AssignOtherGraphic(TGraphic *) override { return false; }
    void DrawBitmapFile(TCanvas *canvas, const TRect &r, TGraphic *bitmap) override;
};
