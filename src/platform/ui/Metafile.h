#pragma once
// TMetafile and TMetafileCanvas: an enhanced metafile (".emf") holding one picture.
//
// A metafile canvas records: it is a canvas of its own on an image of the metafile's size (white
// at the start), and when it is destroyed the picture drawn becomes the metafile's, with the
// creator and description texts given to the canvas. The metafile keeps its Width and Height apart
// from the picture: setting them does not touch the picture, which is stretched to that size
// wherever the metafile is drawn (Draw, PlayEnhMetaFile).
//
// The file is a valid enhanced metafile of three records:
//   EMR_HEADER        bounds (0, 0, W - 1, H - 1) in pixels, frame in 0.01 mm at 96 dpi,
//                     nBytes = the file's size, 3 records, a reference device of 96 dpi, and the
//                     description in UTF-16LE: creator, NUL, description, NUL, NUL
//   EMR_STRETCHDIBITS the picture as a bottom-up 24-bit DIB, stretched onto the bounds
//   EMR_EOF
// where W x H is the metafile's Width and Height. Reading accepts files of that form (further
// records are passed over); anything else raises EInvalidGraphic. GUI thread.

#include <QByteArray>
#include <QImage>
#include <QString>

#include <memory>

#include "platform/ui/Canvas.h"
#include "platform/ui/Graphics.h"

class TMetafile : public TGraphic {
    T_DECLARE_CLASS(TMetafile, TGraphic)
    TMetafile();
    ~TMetafile() override;

    bool Empty() const override { return picture_.isNull(); }
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void SetWidth(int value) override;
    void SetHeight(int value) override;
    // The texts of the last recording (or of the file read).
    const QString &CreatedBy() const { return createdBy_; }
    const QString &Description() const { return description_; }
    // The picture as recorded, at its own size.
    const QImage &Picture() const { return picture_; }

    void LoadFromStream(TStream *stream) override;
    void SaveToStream(TStream *stream) override;
    // The file's bytes.
    QByteArray Bytes() const;
    void Clear();

    void Assign(TPersistent *Source) override;
    void Draw(TCanvas *canvas, const TRect &r) override;
    // The picture stretched to Width x Height.
    QImage ToImage() const override;

private:
    friend class TMetafileCanvas;
    void Recorded(const QImage &picture, const QString &createdBy, const QString &description);

    int width_ = 0;
    int height_ = 0;
    QImage picture_;
    QString createdBy_;
    QString description_;
};

class TMetafileCanvas : public TCanvas {
    T_DECLARE_CLASS(TMetafileCanvas, TCanvas)
    // Records into `metafile` at its current Width and Height (at least 1 x 1).
    TMetafileCanvas(TMetafile *metafile, const QString &createdBy, const QString &description);
    // Ends the recording: the picture becomes the metafile's.
    ~TMetafileCanvas() override;

protected:
    void CreateHandle() override;

private:
    TMetafile *metafile_;
    QString createdBy_;
    QString description_;
    std::shared_ptr<TCanvasSurface> surface_;
};

// Draws the metafile's picture stretched into `rect` of the device context.
void PlayEnhMetaFile(HDC dc, TMetafile *metafile, const TRect &rect);

// The enhanced metafile bytes of a picture shown at width x height (see above).
QByteArray EncodeEmf(const QImage &picture, int width, int height, const QString &createdBy,
                     const QString &description);
