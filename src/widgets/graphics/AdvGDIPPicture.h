#pragma once
// TAdvGDIPPicture: a picture in any format GDI+ decodes, kept as its file bytes
// (GDIPPictureBase.h). It is the picture of the GDI+ fill, the curvy panels and the splash screen,
// and draws itself on a caller's TGPGraphics with GDIPDraw, FillRect and FillPath.
//
// Differences from TGDIPPicture: a BMP file keeps its own size at the rectangle's top-left
// corner; Assign takes the bytes of any framework graphic; LoadFromStream of an empty stream
// changes nothing; LoadFromFile reads the size from the file's header
// (GetImageSizesFromFileName) instead of decoding it.

#include <functional>

#include "platform/ui/Bitmap.h"
#include "widgets/graphics/GDIPPictureBase.h"

class TAdvGDIPPicture : public TGDIPPictureBase {
    T_DECLARE_CLASS(TAdvGDIPPicture, TGDIPPictureBase)
    TAdvGDIPPicture();

    void ReadData(TStream *stream) override;

    // Draws the picture on the caller's graphics. A transparent BMP leaves out its key colour
    // (tmFixed: BitmapTransparentColor; tmAuto: its bottom-left pixel's) and keeps its own size
    // at the rectangle's top-left corner; anything else is scaled into the rectangle.
    void GDIPDraw(TGPGraphics *graphics, const TRect &r);
    // The same into a float rectangle: a transparent BMP fills it, others are drawn into it rounded
    // to whole pixels. Does nothing while another GDIPDraw of this picture runs.
    void GDIPDraw(TGPGraphics *graphics, const TGPRectF &r);
    // The picture tiled from the graphics' origin over the rectangle or path.
    void FillRect(TGPGraphics *graphics, const TGPRectF &r);
    void FillPath(TGPGraphics *graphics, TGPGraphicsPath *path);
    // Width and height from the file's header, chosen by the file name's extension (JPEG, PNG,
    // BMP, TIFF, GIF), without decoding the image; 0 x 0 for any other extension and for a file
    // whose header does not fit. Nothing for an empty picture. A BMP file that cannot be opened
    // raises EFOpenError.
    void GetImageSizesFromFileName(const QString &fileName);

    TTransparentMode BitmapTransparentMode() const { return FBitmapTransparentMode; }
    void SetBitmapTransparentMode(TTransparentMode value) { FBitmapTransparentMode = value; }
    TColor BitmapTransparentColor() const { return FBitmapTransparentColor; }
    void SetBitmapTransparentColor(TColor value) { FBitmapTransparentColor = value; }
    // As found by the last GDIPDraw.
    int PixelDepth() const { return FPixelDepth; }
    bool HasAlpha() const { return FHasAlpha; }
    bool HasPalette() const { return FHasPalette; }
    int PixelFormat() const { return FPixelFormat; }

protected:
    bool AcceptsEmptyStream() const override { return false; }
    void ReadSizesOfFile(const QString &fileName) override { GetImageSizesFromFileName(fileName); }
    bool AssignOtherGraphic(TGraphic *graphic) override;
    void DrawBitmapFile(TCanvas *canvas, const TRect &r, TGraphic *bitmap) override;

private:
    // Fills through a texture brush of the picture, tiled from the graphics' origin.
    void Tile(TGPGraphics *graphics, const std::function<void(TGPBrush *)> &fill);
    // Records what the image is like; true when it is a transparent BMP, with its key colour.
    bool Inspect(TGPBitmap &image, ARGB &key);

    bool FDrawing = false;
    TTransparentMode FBitmapTransparentMode = tmAuto;
    TColor FBitmapTransparentColor = 0xFFFFFF;
    int FPixelDepth = 0;
    bool FHasAlpha = false;
    bool FHasPalette = false;
    int FPixelFormat = 0;
};

// Width and height from the header of an image file's bytes, by the (upper-case) extension;
// 0 x 0 when the header does not fit the reader or the file is cut short.
struct TImageHeaderSize {
    std::uint16_t Width = 0;
    std::uint16_t Height = 0;
};
TImageHeaderSize ReadImageHeaderSize(const QByteArray &file, const QString &extension);
