#pragma once
// TGDIPPictureBase: what the two GDI+ picture classes (GDIPicture.h, AdvGDIPPicture.h) share. A
// picture keeps only the encoded file bytes and decodes them afresh at every draw or size query;
// it streams as the binary property "Data", which holds exactly the file's bytes.
//
// Events: OnChange (the framework's) after the content changed; OnClear when the picture is
// cleared by Assign(nullptr), after OnChange, and at the start of LoadFromFile, before it.
// Decoding needs a buffer of the data's size: when it cannot be had, every operation that opens
// the image raises Exception "Could not allocate memory for image". Bytes that do not decode draw
// nothing and give no size.
//
// Resources: the program's own module (HInstance) holds the embedded files under ":/rcdata/",
// by name ("logo.png") or by number ("7"); no other module holds any.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>

#include "platform/runtime/Exception.h"
#include "platform/ui/Graphics.h"
#include "platform/runtime/Streams.h"
#include "widgets/graphics/AdvGDIP.h"

using HINSTANCE = std::uintptr_t;
// The program's own module.
inline constexpr HINSTANCE HInstance = 1;

// A resource asked for by number that does not exist.
T_DECLARE_EXCEPTION(EResNotFound, Exception);

class TGDIPPictureBase : public TGraphic {
    T_DECLARE_CLASS(TGDIPPictureBase, TGraphic)
    TNotifyEvent OnClear;

    bool Empty() const override { return FIsEmpty; }
    int Width() const override { return FWidth; }
    int Height() const override { return FHeight; }
    // The size comes from the image: both do nothing.
    void SetWidth(int) override {}
    void SetHeight(int) override {}

    void Assign(TPersistent *Source) override;
    void LoadFromStream(TStream *stream) override;
    // The bytes; nothing without a stream.
    void SaveToStream(TStream *stream) override;
    void ReadData(TStream *stream) override;
    // Exactly the bytes held.
    void WriteData(TStream *stream) override;
    void DefineProperties(TFiler *Filer) override;
    // The file's bytes; a failure leaves the picture empty and is not passed on.
    void LoadFromFile(const QString &fileName);
    // Pictures travel through the clipboard as fills do: these do nothing.
    void LoadFromClipboardFormat(unsigned, const QByteArray &) {}
    void SaveToClipboardFormat(unsigned &, QByteArray &) {}
    // A resource of that name: LoadFromStream on it; a missing one does nothing.
    void LoadFromResourceName(HINSTANCE instance, const QString &name);
    // A resource of that number: LoadFromStream on it; a missing one raises EResNotFound.
    void LoadFromResourceID(HINSTANCE instance, int id);
    // "RES://name" (any letter case) or "FILE://path"; any other text does nothing.
    void LoadFromURL(const QString &url);
    // Width and height from the decoded image; false when nothing could be opened.
    bool GetImageSizes();

    // Draws into the canvas rectangle: BMP files through a framework bitmap whose bottom-left
    // colour is transparent (see DrawBitmapFile), others scaled into the rectangle with GDI+.
    void Draw(TCanvas *canvas, const TRect &r) override;
    QImage ToImage() const override;

    const QByteArray &Bytes() const { return FDatastream->Bytes(); }

protected:
    TGDIPPictureBase();

    // The opened image and the stream it was read from; both empty when there is nothing to open.
    struct TOpened {
        std::unique_ptr<TMemoryStream> Stream;
        std::unique_ptr<TGPBitmap> Image;
        bool Ready() const { return Image && Image->GetLastStatus() == Ok; }
    };
    TOpened OpenImage();

    // Steps where the two picture classes differ.
    virtual bool AcceptsEmptyStream() const = 0;
    virtual void ReadSizesOfFile(const QString &fileName) = 0;
    // Another framework graphic given to Assign: true when its bytes were taken.
    virtual bool AssignOtherGraphic(TGraphic *graphic) = 0;
    virtual void DrawBitmapFile(TCanvas *canvas, const TRect &r, TGraphic *bitmap) = 0;

    void SetBytes(const QByteArray &bytes);
    void NotifyChange() { Changed(); }

    std::unique_ptr<TMemoryStream> FDatastream;
    bool FIsEmpty = true;
    int FWidth = 0;
    int FHeight = 0;
};
