#pragma once
// Pictures kept in their encoded file form: PNG (TPngImage), JPEG (TJPEGImage) and icons
// (TIcon). The bytes are kept as loaded, so saving writes them back unchanged; the image is
// decoded with Qt's readers. A picture assigned from another graphic keeps that graphic's image
// and is encoded when its bytes are first needed (Bytes, saving), with the settings it has then:
// PNG and JPEG through the encoders of PictureEncoders.h, icons through Qt's writer. Compress
// encodes again at once with the current settings.

#include <QByteArray>
#include <QImage>

#include "platform/ui/Graphics.h"

class TEncodedGraphic : public TGraphic {
    T_DECLARE_CLASS(TEncodedGraphic, TGraphic)
    bool Empty() const override { return image_.isNull(); }
    int Width() const override { return image_.width(); }
    int Height() const override { return image_.height(); }

    void LoadFromStream(TStream *stream) override;
    void SaveToStream(TStream *stream) override;
    // Decodes the bytes of a file (EInvalidGraphic when they are not a picture of this kind).
    void LoadFromBytes(const QByteArray &bytes);
    // The file's bytes, encoded first when the picture has none yet (empty for an empty picture).
    const QByteArray &Bytes() const;
    // Encodes the image anew with the current settings (EInvalidGraphic for an empty picture or
    // when encoding fails).
    void Compress();

    void Assign(TPersistent *Source) override;
    void Draw(TCanvas *canvas, const TRect &r) override;
    QImage ToImage() const override { return image_; }

protected:
    // `format`: the Qt image format name ("PNG", "JPG", "ICO").
    explicit TEncodedGraphic(const char *format, bool hasAlpha) : format_(format), alpha_(hasAlpha) {}
    // The file's bytes for an image; empty when encoding fails.
    virtual QByteArray Encode(const QImage &image) const;

private:
    const char *format_;
    bool alpha_;
    mutable QByteArray data_;
    QImage image_;
};

class TPngImage : public TEncodedGraphic {
    T_DECLARE_CLASS(TPngImage, TEncodedGraphic)
    TPngImage() : TEncodedGraphic("PNG", true) {}
    // The deflate level of the next encoding, 0 (none) to 9 (strongest); others are clamped.
    int CompressionLevel() const { return FCompressionLevel; }
    void SetCompressionLevel(int value);

protected:
    QByteArray Encode(const QImage &image) const override;

private:
    int FCompressionLevel = 7;
};

enum TJPEGPerformance { jpBestQuality, jpBestSpeed };

class TJPEGImage : public TEncodedGraphic {
    T_DECLARE_CLASS(TJPEGImage, TEncodedGraphic)
    TJPEGImage() : TEncodedGraphic("JPG", false) {}
    // Form data: a 32-bit byte count, then the file.
    void ReadData(TStream *stream) override;
    void WriteData(TStream *stream) override;

    // Settings of the next encoding. Quality 1 to 100 (others are clamped); best quality takes the
    // slow integer DCT, best speed the fast one. Output is always 24-bit colour.
    int CompressionQuality() const { return FCompressionQuality; }
    void SetCompressionQuality(int value);
    TJPEGPerformance Performance() const { return FPerformance; }
    void SetPerformance(TJPEGPerformance value) { FPerformance = value; }
    bool ProgressiveEncoding() const { return FProgressiveEncoding; }
    void SetProgressiveEncoding(bool value) { FProgressiveEncoding = value; }
    // Makes sure the JPEG bytes exist (encoding with the current settings when there are none).
    void JPEGNeeded() { Bytes(); }

protected:
    QByteArray Encode(const QImage &image) const override;

private:
    int FCompressionQuality = 90;
    TJPEGPerformance FPerformance = jpBestQuality;
    bool FProgressiveEncoding = false;
};

class TIcon : public TEncodedGraphic {
    T_DECLARE_CLASS(TIcon, TEncodedGraphic)
    TIcon() : TEncodedGraphic("ICO", true) {}
};
