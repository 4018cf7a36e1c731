#include "platform/ui/Metafile.h"

#include <algorithm>

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Streams.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/EmfFile.h"

T_IMPLEMENT_CLASS(TMetafile) {}
T_IMPLEMENT_CLASS(TMetafileCanvas) {}

// ---- TMetafile ---------------------------------------------------------------------------------

TMetafile::TMetafile() = default;

TMetafile::~TMetafile() = default;

void TMetafile::SetWidth(int value)
{
    value = std::max(value, 0);
    if (value == width_)
        return;
    width_ = value;
    Changed();
}

void TMetafile::SetHeight(int value)
{
    value = std::max(value, 0);
    if (value == height_)
        return;
    height_ = value;
    Changed();
}

void TMetafile::Clear()
{
    drawing_.reset();
    createdBy_.clear();
    description_.clear();
    width_ = height_ = 0;
    Changed();
}

void TMetafile::Recorded(std::shared_ptr<const TDrawing> drawing, const QString &createdBy, const QString &description)
{
    drawing_ = std::move(drawing);
    createdBy_ = createdBy;
    description_ = description;
    Changed();
}

QByteArray TMetafile::Bytes() const
{
    const int w = std::max(width_, 1), h = std::max(height_, 1);
    if (!drawing_)
        return EncodeEmf(TDrawing(w, h), createdBy_, description_);
    if (drawing_->Width() == w && drawing_->Height() == h)
        return EncodeEmf(*drawing_, createdBy_, description_);
    // Saved at the size it is shown: the drawing played again onto a recording of that size.
    TMetafile resized;
    resized.SetWidth(w);
    resized.SetHeight(h);
    {
        TMetafileCanvas canvas(&resized, createdBy_, description_);
        PlayDrawing(*drawing_, &canvas, TRect(0, 0, w, h));
    }
    return EncodeEmf(*resized.drawing_, createdBy_, description_);
}

void TMetafile::SaveToStream(TStream *stream)
{
    stream->WriteBytes(Bytes());
}

void TMetafile::LoadFromStream(TStream *stream)
{
    TEmfContent content = DecodeEmf(stream->ReadBytes(stream->Size() - stream->Position()));
    width_ = content.Drawing->Width();
    height_ = content.Drawing->Height();
    Recorded(std::move(content.Drawing), content.CreatedBy, content.Description);
}

void TMetafile::Assign(TPersistent *Source)
{
    if (!Source) {
        Clear();
        return;
    }
    if (auto *m = dynamic_cast<TMetafile *>(Source)) {
        width_ = m->width_;
        height_ = m->height_;
        Recorded(m->drawing_, m->createdBy_, m->description_);
        return;
    }
    if (auto *g = dynamic_cast<TGraphic *>(Source)) {
        // Another picture becomes a drawing of that one picture.
        width_ = g->Width();
        height_ = g->Height();
        auto drawing = std::make_shared<TDrawing>(width_, height_);
        TDrawRecord record;
        record.Kind = TDrawKind::Image;
        record.Box = TRect(0, 0, width_, height_);
        record.Picture = g->ToImage();
        if (!record.Picture.isNull())
            drawing->Add(std::move(record), QRegion(0, 0, drawing->Width(), drawing->Height()));
        Recorded(std::move(drawing), QString(), QString());
        return;
    }
    inherited::Assign(Source);
}

void TMetafile::Draw(TCanvas *canvas, const TRect &r)
{
    if (canvas && drawing_)
        PlayDrawing(*drawing_, canvas, r);
}

QImage TMetafile::ToImage() const
{
    if (!drawing_ || width_ <= 0 || height_ <= 0)
        return QImage();
    TBitmap bitmap(width_, height_);
    bitmap.Canvas()->FillRect(TRect(0, 0, width_, height_), clWhite);
    PlayDrawing(*drawing_, bitmap.Canvas(), TRect(0, 0, width_, height_));
    return bitmap.Image().convertToFormat(QImage::Format_RGB32);
}

// ---- TMetafileCanvas ---------------------------------------------------------------------------

TMetafileCanvas::TMetafileCanvas(TMetafile *metafile, const QString &createdBy, const QString &description)
    : metafile_(metafile), createdBy_(createdBy), description_(description),
      surface_(std::make_shared<TCanvasSurface>())
{
    surface_->Image = QImage(std::max(metafile->Width(), 1), std::max(metafile->Height(), 1), QImage::Format_RGB32);
    surface_->Image.fill(Qt::white);
    surface_->Recording = std::make_shared<TDrawing>(surface_->Image.width(), surface_->Image.height());
}

TMetafileCanvas::~TMetafileCanvas()
{
    std::shared_ptr<TDrawing> drawing = std::move(surface_->Recording);
    surface_->Recording.reset();
    metafile_->Recorded(std::move(drawing), createdBy_, description_);
}

void TMetafileCanvas::CreateHandle()
{
    AttachSurface(surface_, TPoint(0, 0), std::nullopt);
}

void PlayEnhMetaFile(HDC dc, TMetafile *metafile, const TRect &rect)
{
    if (dc && metafile)
        metafile->Draw(dc, rect);
}
