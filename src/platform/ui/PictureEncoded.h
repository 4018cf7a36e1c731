#pragma once
// Pictures kept in their encoded file form: PNG (TPngImage), JPEG (TJPEGImage) and icons
// (TIcon). The bytes are kept as loaded, so saving writes them back unchanged; the image is
// decoded with Qt's readers. A picture assigned from another graphic is encoded anew.

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
    const QByteArray &Bytes() const { return data_; }

    void Assign(TPersistent *Source) override;
    void Draw(TCanvas *canvas, const TRect &r) override;
    QImage ToImage() const override { return image_; }

protected:
    // `format`: the Qt image format name ("PNG", "JPG", "ICO").
    explicit TEncodedGraphic(const char *format, bool hasAlpha) : format_(format), alpha_(hasAlpha) {}

private:
    const char *format_;
    bool alpha_;
    QByteArray data_;
    QImage image_;
};

class TPngImage : public TEncodedGraphic {
    T_DECLARE_CLASS(TPngImage, TEncodedGraphic)
    TPngImage() : TEncodedGraphic("PNG", true) {}
};

class TJPEGImage : public TEncodedGraphic {
    T_DECLARE_CLASS(TJPEGImage, TEncodedGraphic)
    TJPEGImage() : TEncodedGraphic("JPG", false) {}
    // Form data: a 32-bit byte count, then the file.
    void ReadData(TStream *stream) override;
    void WriteData(TStream *stream) override;
};

class TIcon : public TEncodedGraphic {
    T_DECLARE_CLASS(TIcon, TEncodedGraphic)
    TIcon() : TEncodedGraphic("ICO", true) {}
};
