#include "widgets/graphics/GDIPPictureBase.h"

#include <QFile>

#include <new>

#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Filer.h"
#include "platform/ui/Picture.h"

T_IMPLEMENT_CLASS(TGDIPPictureBase)
{
    b.Event("OnClear", &TGDIPPictureBase::OnClear);
}

namespace {

// The embedded file of a resource of the program's own module; empty when there is none.
bool FindResource(HINSTANCE instance, const QString &name, QByteArray &bytes)
{
    if (instance != HInstance || name.isEmpty())
        return false;
    QFile f(QStringLiteral(":/rcdata/") + name);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    bytes = f.readAll();
    return true;
}

}  // namespace

TGDIPPictureBase::TGDIPPictureBase() : FDatastream(std::make_unique<TMemoryStream>()) {}

void TGDIPPictureBase::SetBytes(const QByteArray &bytes)
{
    FDatastream = std::make_unique<TMemoryStream>(bytes);
}

TGDIPPictureBase::TOpened TGDIPPictureBase::OpenImage()
{
    TOpened opened;
    const std::int64_t size = FDatastream->Size();
    if (FIsEmpty || size < 1)
        return opened;
    try {
        opened.Stream = std::make_unique<TMemoryStream>();
        opened.Stream->SetSize(size);
    }
    catch (const std::bad_alloc &) {
        throw Exception(QStringLiteral("Could not allocate memory for image"));
    }
    opened.Stream->SetPosition(0);
    opened.Stream->WriteBuffer(FDatastream->Memory(), size);
    opened.Stream->SetPosition(0);
    opened.Image = std::make_unique<TGPBitmap>(opened.Stream.get(), false);
    return opened;
}

bool TGDIPPictureBase::GetImageSizes()
{
    TOpened opened = OpenImage();
    if (!opened.Image)
        return false;
    FWidth = static_cast<int>(opened.Image->GetWidth());
    FHeight = static_cast<int>(opened.Image->GetHeight());
    return true;
}

void TGDIPPictureBase::Assign(TPersistent *Source)
{
    if (!Source) {
        SetBytes(QByteArray());
        FIsEmpty = true;
        NotifyChange();
        if (OnClear)
            OnClear(this);
    }
    else if (&Source->ClassType() == &ClassType()) {
        const QByteArray bytes = static_cast<TGDIPPictureBase *>(Source)->Bytes();
        SetBytes(bytes);
        FIsEmpty = bytes.isEmpty();
        NotifyChange();
    }
    else if (auto *bmp = dynamic_cast<TBitmap *>(Source)) {
        SetBytes(bmp->SaveToBytes());
        FIsEmpty = false;
        NotifyChange();
    }
    else if (auto *graphic = dynamic_cast<TGraphic *>(Source)) {
        if (AssignOtherGraphic(graphic)) {
            FIsEmpty = false;
            NotifyChange();
        }
        else {
            FIsEmpty = true;
        }
    }
    else if (auto *holder = dynamic_cast<TPicture *>(Source); holder && holder->Graphic()) {
        TMemoryStream s;
        holder->Graphic()->SaveToStream(&s);
        SetBytes(s.Bytes());
        FIsEmpty = false;
        NotifyChange();
    }
    else {
        FIsEmpty = true;
    }
    GetImageSizes();
}

void TGDIPPictureBase::LoadFromStream(TStream *stream)
{
    if (!stream)
        return;
    const std::int64_t left = stream->Size() - stream->Position();
    if (!AcceptsEmptyStream() && left <= 0)
        return;
    SetBytes(stream->ReadBytes(std::max<std::int64_t>(0, left)));
    FIsEmpty = false;
    GetImageSizes();
    NotifyChange();
}

void TGDIPPictureBase::SaveToStream(TStream *stream)
{
    if (stream)
        stream->WriteBytes(Bytes());
}

void TGDIPPictureBase::ReadData(TStream *stream)
{
    SetBytes(stream->ReadBytes(stream->Size() - stream->Position()));
    FIsEmpty = false;
}

void TGDIPPictureBase::WriteData(TStream *stream)
{
    stream->WriteBytes(Bytes());
}

void TGDIPPictureBase::DefineProperties(TFiler *Filer)
{
    inherited::DefineProperties(Filer);
    Filer->DefineBinaryProperty(
        QStringLiteral("Data"), [this](TStream &s) { ReadData(&s); }, [this](TStream &s) { WriteData(&s); },
        !Bytes().isEmpty());
}

void TGDIPPictureBase::LoadFromFile(const QString &fileName)
{
    try {
        QFile f(fileName);
        if (!f.open(QIODevice::ReadOnly))
            throw EFOpenError(QStringLiteral("Cannot open file \"%1\"").arg(fileName));
        SetBytes(f.readAll());
        FIsEmpty = false;
        if (OnClear)
            OnClear(this);
        ReadSizesOfFile(fileName);
        NotifyChange();
    }
    catch (const std::exception &) {
        FIsEmpty = true;
    }
}

void TGDIPPictureBase::LoadFromResourceName(HINSTANCE instance, const QString &name)
{
    QByteArray bytes;
    if (!FindResource(instance, name, bytes))
        return;
    TMemoryStream s(bytes);
    LoadFromStream(&s);
}

void TGDIPPictureBase::LoadFromResourceID(HINSTANCE instance, int id)
{
    QByteArray bytes;
    if (!FindResource(instance, QString::number(id), bytes))
        throw EResNotFound(QStringLiteral("Resource %1 not found").arg(id));
    TMemoryStream s(bytes);
    LoadFromStream(&s);
}

void TGDIPPictureBase::LoadFromURL(const QString &url)
{
    const QString upper = url.toUpper();
    if (upper.startsWith(QLatin1String("RES://"))) {
        const QString name = url.mid(6);
        if (!name.isEmpty())
            LoadFromResourceName(HInstance, name);
    }
    else if (upper.startsWith(QLatin1String("FILE://"))) {
        const QString path = url.mid(7);
        if (!path.isEmpty())
            LoadFromFile(path);
    }
}

void TGDIPPictureBase::Draw(TCanvas *canvas, const TRect &r)
{
    if (!canvas)
        return;
    TOpened opened = OpenImage();
    if (!opened.Ready())
        return;
    TGPGraphics graphics(canvas->Handle());
    if (opened.Image->GetFormat() == ifBMP) {
        TBitmap bmp;
        TMemoryStream s(Bytes());
        bmp.LoadFromStream(&s);
        bmp.SetTransparentMode(tmAuto);
        bmp.SetTransparent(true);
        DrawBitmapFile(canvas, r, &bmp);
        return;
    }
    FWidth = static_cast<int>(opened.Image->GetWidth());
    FHeight = static_cast<int>(opened.Image->GetHeight());
    graphics.DrawImage(opened.Image.get(), static_cast<REAL>(r.Left), static_cast<REAL>(r.Top),
                       static_cast<REAL>(r.Right - r.Left), static_cast<REAL>(r.Bottom - r.Top));
}

QImage TGDIPPictureBase::ToImage() const
{
    if (FIsEmpty)
        return QImage();
    return QImage::fromData(Bytes()).convertToFormat(QImage::Format_ARGB32);
}
