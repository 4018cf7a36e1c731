#pragma once
// TBitmap: an image in memory with a canvas, stored as 32-bit pixels whatever its nominal pixel
// format. Monochrome bitmaps hold only black and white. Converting to monochrome turns the pixels
// of the canvas's brush colour white and all others black; converting back maps black to the
// canvas's font colour and white to its brush colour. A transparent bitmap leaves out the pixels
// of its transparent colour (tmAuto: the colour of its bottom-left pixel) when it is drawn.

#include <QImage>

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/ui/Canvas.h"
#include "platform/ui/Graphics.h"

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum TTransparentMode { tmAuto, tmFixed };
enum TAlphaFormat { afIgnored, afDefined, afPremultiplied };

class TBitmap;

// The canvas of a bitmap: draws on the bitmap's pixels; its changes are the bitmap's changes.
class TBitmapCanvas : public TCanvas {
    T_DECLARE_CLASS(TBitmapCanvas, TCanvas)
    explicit TBitmapCanvas(TBitmap *bitmap);
    // Called by the bitmap when its pixels were replaced (size, format, load).
    void SurfaceReplaced();

protected:
    void CreateHandle() override;

private:
    TBitmap *bitmap_;
};

class TBitmap : public TGraphic {
    T_DECLARE_CLASS(TBitmap, TGraphic)
    TBitmap();
    TBitmap(int width, int height);
    ~TBitmap() override;

    bool Empty() const override { return image().isNull(); }
    int Width() const override { return image().width(); }
    int Height() const override { return image().height(); }
    void SetWidth(int value) override { SetSize(value, Height()); }
    void SetHeight(int value) override { SetSize(Width(), value); }
    // Keeps the overlapping pixels; new pixels take the canvas's brush colour (white by default).
    void SetSize(int width, int height);

    TPixelFormat PixelFormat() const { return pixelFormat_; }
    void SetPixelFormat(TPixelFormat value);
    bool Monochrome() const { return surface_->Monochrome; }
    void SetMonochrome(bool value);
    TAlphaFormat AlphaFormat() const { return alphaFormat_; }
    void SetAlphaFormat(TAlphaFormat value);

    // tmAuto: the bottom-left pixel's colour (clDefault for an empty bitmap).
    TColor TransparentColor() const;
    // clDefault switches to tmAuto, any other colour to tmFixed.
    void SetTransparentColor(TColor value);
    TTransparentMode TransparentMode() const { return transparentMode_; }
    void SetTransparentMode(TTransparentMode value);

    TCanvas *Canvas();
    // The framework's "has a handle": the bitmap holds pixels.
    bool HandleAllocated() const { return !Empty(); }
    void FreeImage() {}
    void Dormant() {}
    // Releases the pixels: the bitmap becomes empty.
    void ReleaseHandle();

    // Pixels of row y (0xAARRGGBB); writing through it does not fire OnChange.
    std::uint32_t *ScanLine(int y);
    const QImage &Image() const { return image(); }
    // Replaces the pixels (converted to 32 bits); nominal format pfDevice, or pf32bit with alpha.
    void SetImage(const QImage &image);
    const std::vector<QRgb> &Palette() const { return palette_; }

    void Assign(TPersistent *Source) override;
    void LoadFromStream(TStream *stream) override;
    void SaveToStream(TStream *stream) override;
    // Form data: a 32-bit little-endian byte count followed by the bitmap file.
    void ReadData(TStream *stream) override;
    void WriteData(TStream *stream) override;
    void DefineProperties(TFiler *Filer) override;
    // Loads from the bytes of a bitmap file (EInvalidGraphic when they are no valid bitmap).
    void LoadFromBytes(const QByteArray &bytes);
    QByteArray SaveToBytes() const;

    void Draw(TCanvas *canvas, const TRect &r) override;
    QImage ToImage() const override;

    // The surface the bitmap's pixels live on (shared with its canvas).
    const std::shared_ptr<TCanvasSurface> &Surface() const { return surface_; }

private:
    friend class TBitmapCanvas;
    const QImage &image() const { return surface_->Image; }
    void Replace(QImage image);
    void CanvasChanged(TObject *) { Changed(); }
    TColor CanvasBrushColor() const;
    TColor CanvasFontColor() const;

    std::shared_ptr<TCanvasSurface> surface_;
    std::unique_ptr<TBitmapCanvas> canvas_;
    TPixelFormat pixelFormat_ = pfDevice;
    TAlphaFormat alphaFormat_ = afIgnored;
    TTransparentMode transparentMode_ = tmAuto;
    TColor transparentColor_ = clDefault;
    std::vector<QRgb> palette_;
};
