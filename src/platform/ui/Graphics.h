#pragma once
// TGraphic: a picture that can draw itself on a canvas, load and save itself, and report changes
// (bitmaps, PNG and JPEG images, icons). TPicture holds one of them.

#include <QImage>
#include <QString>

#include <cstdint>

#include "platform/runtime/Classes.h"
#include "platform/runtime/Events.h"
#include "platform/ui/GraphicsObject.h"
#include "platform/runtime/GraphicsTypes.h"

class TCanvas;
class TStream;

class TGraphic : public TPersistent {
    T_DECLARE_CLASS(TGraphic, TPersistent)
    TNotifyEvent OnChange;

    virtual bool Empty() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetWidth(int value);
    virtual void SetHeight(int value);
    virtual bool Transparent() const { return transparent_; }
    virtual void SetTransparent(bool value);
    bool Modified() const { return modified_; }
    void SetModified(bool value) { modified_ = value; }

    // Reads the rest of the stream / writes the whole picture in its file format. A picture that
    // cannot be decoded raises EInvalidGraphic and leaves the object unchanged.
    virtual void LoadFromStream(TStream *stream) = 0;
    virtual void SaveToStream(TStream *stream) = 0;
    void LoadFromFile(const QString &fileName);
    // Encodes the whole picture first, then replaces the file whole or not at all
    // (SaveBytesToFile, Streams.h).
    void SaveToFile(const QString &fileName);
    // The bytes a form definition stores for the picture (its "Data" property).
    virtual void ReadData(TStream *stream) { LoadFromStream(stream); }
    virtual void WriteData(TStream *stream) { SaveToStream(stream); }
    // Besides Data, a form definition may give the picture as a whole file ("File", read only).
    void DefineProperties(TFiler *Filer) override;

    // Draws the picture stretched into `r` of the canvas.
    virtual void Draw(TCanvas *canvas, const TRect &r) = 0;
    // The same, blended with the given opacity (255: as Draw).
    virtual void DrawTransparent(TCanvas *canvas, const TRect &r, std::uint8_t opacity);
    // The picture as a 32-bit image with straight alpha (transparent pixels have alpha 0).
    virtual QImage ToImage() const = 0;

protected:
    TGraphic() = default;
    virtual void Changed();

    bool transparent_ = false;
    bool modified_ = false;
};
