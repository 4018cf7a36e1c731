#pragma once
// TPicture: holds one graphic of any kind (bitmap, PNG, JPEG, icon, metafile), loads it by file extension or
// by the signature of the data, and streams it in form definitions as the graphic's class name
// followed by the graphic's own data ("Data"), or reads it there from a whole picture file
// ("File", read only).

#include <QString>

#include <memory>

#include "platform/runtime/Classes.h"
#include "platform/runtime/Events.h"
#include "platform/ui/Graphics.h"

class TBitmap;
class TStream;

class TPicture : public TPersistent {
    T_DECLARE_CLASS(TPicture, TPersistent)
    TPicture();
    ~TPicture() override;

    TNotifyEvent OnChange;

    TGraphic *Graphic() const { return graphic_.get(); }
    // Stores a copy of `value` (nullptr empties the picture).
    void SetGraphic(TGraphic *value);
    // The picture as a bitmap; a picture of another kind is replaced by an empty bitmap.
    TBitmap *Bitmap();
    void SetBitmap(TBitmap *value);

    int Width() const { return graphic_ ? graphic_->Width() : 0; }
    int Height() const { return graphic_ ? graphic_->Height() : 0; }
    bool Empty() const { return !graphic_ || graphic_->Empty(); }

    // By extension: .bmp, .png, .jpg/.jpeg, .ico, .emf (EInvalidGraphic for others).
    void LoadFromFile(const QString &fileName);
    void SaveToFile(const QString &fileName);
    // By the signature of the data.
    void LoadFromStream(TStream *stream);
    void SaveToStream(TStream *stream);

    void Assign(TPersistent *Source) override;
    void DefineProperties(TFiler *Filer) override;
    void ReadData(TStream *stream);
    void WriteData(TStream *stream);

private:
    void SetOwned(std::unique_ptr<TGraphic> g);
    void GraphicChanged(TObject *) { Changed(); }
    void Changed();

    std::unique_ptr<TGraphic> graphic_;
};

// A new, empty graphic of the named class (TBitmap, TPngImage, TJPEGImage, TIcon, TMetafile, or one
// registered below); nullptr for other names.
std::unique_ptr<TGraphic> CreateGraphicByClassName(const QString &className);

// Makes a graphic class of a control library known by name, so that pictures of it can be held
// by a TPicture and read from form definitions. Call it during start-up (static initialisation).
void RegisterGraphicClass(const char *className, std::unique_ptr<TGraphic> (*make)());
