#pragma once
// TMetafile and TMetafileCanvas: an enhanced metafile (".emf") holding one picture as a drawing
// (Drawing.h): the list of drawing operations that made it, played again at the resolution of
// wherever it is drawn.
//
// A metafile canvas records: it is a canvas of its own on an image of the metafile's size (white
// at the start), and every drawing on it, through it or through any canvas sharing its device
// context, adds to the drawing. When the canvas is destroyed the drawing becomes the metafile's,
// with the creator and description texts given to the canvas. The metafile keeps its Width and
// Height apart from the drawing: setting them does not touch the drawing, which is stretched to
// that size wherever the metafile is drawn (Draw, PlayEnhMetaFile) and saved at that size.
//
// The file is an enhanced metafile of vector records (EmfFile.h). Reading refuses a damaged file
// with EInvalidGraphic and keeps what the metafile held. GUI thread.

#include <QByteArray>
#include <QImage>
#include <QString>

#include <memory>

#include "platform/ui/Canvas.h"
#include "platform/ui/Drawing.h"
#include "platform/ui/Graphics.h"

class TMetafile : public TGraphic {
    T_DECLARE_CLASS(TMetafile, TGraphic)
    TMetafile();
    ~TMetafile() override;

    bool Empty() const override { return drawing_ == nullptr; }
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void SetWidth(int value) override;
    void SetHeight(int value) override;
    // The texts of the last recording (or of the file read).
    const QString &CreatedBy() const { return createdBy_; }
    const QString &Description() const { return description_; }
    // The drawing as recorded, at the size it was recorded (nullptr when empty).
    const std::shared_ptr<const TDrawing> &Drawing() const { return drawing_; }

    void LoadFromStream(TStream *stream) override;
    void SaveToStream(TStream *stream) override;
    // The file's bytes.
    QByteArray Bytes() const;
    void Clear();

    void Assign(TPersistent *Source) override;
    void Draw(TCanvas *canvas, const TRect &r) override;
    // The drawing played on white at Width x Height.
    QImage ToImage() const override;

private:
    friend class TMetafileCanvas;
    void Recorded(std::shared_ptr<const TDrawing> drawing, const QString &createdBy, const QString &description);

    int width_ = 0;
    int height_ = 0;
    std::shared_ptr<const TDrawing> drawing_;
    QString createdBy_;
    QString description_;
};

class TMetafileCanvas : public TCanvas {
    T_DECLARE_CLASS(TMetafileCanvas, TCanvas)
    // Records into `metafile` at its current Width and Height (at least 1 x 1).
    TMetafileCanvas(TMetafile *metafile, const QString &createdBy, const QString &description);
    // Ends the recording: the drawing becomes the metafile's.
    ~TMetafileCanvas() override;

protected:
    void CreateHandle() override;

private:
    TMetafile *metafile_;
    QString createdBy_;
    QString description_;
    std::shared_ptr<TCanvasSurface> surface_;
};

// Plays the metafile's drawing stretched into `rect` of the device context.
void PlayEnhMetaFile(HDC dc, TMetafile *metafile, const TRect &rect);
