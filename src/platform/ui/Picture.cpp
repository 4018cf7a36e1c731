#include "platform/ui/Picture.h"

#include <QFileInfo>

#include <utility>
#include <vector>

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Filer.h"
#include "platform/runtime/Streams.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Metafile.h"
#include "platform/ui/PictureEncoded.h"

T_IMPLEMENT_CLASS(TPicture) {}

namespace {

struct GraphicKind {
    const char *ClassName;
    const char *Extensions;  // ';'-separated, lower case
    QByteArray Signature;
    std::unique_ptr<TGraphic> (*Make)();
};

template <class T>
std::unique_ptr<TGraphic> MakeGraphic()
{
    return std::make_unique<T>();
}

const GraphicKind kKinds[] = {
    {"TBitmap", "bmp", QByteArray("BM"), &MakeGraphic<TBitmap>},
    {"TPngImage", "png", QByteArray("\x89PNG", 4), &MakeGraphic<TPngImage>},
    {"TJPEGImage", "jpg;jpeg;jpe", QByteArray("\xFF\xD8", 2), &MakeGraphic<TJPEGImage>},
    {"TIcon", "ico", QByteArray("\0\0\1\0", 4), &MakeGraphic<TIcon>},
    {"TMetafile", "emf", QByteArray("\1\0\0\0", 4), &MakeGraphic<TMetafile>},
};

// Graphic classes of the control libraries (start-up only, then read).
std::vector<std::pair<const char *, std::unique_ptr<TGraphic> (*)()>> &RegisteredGraphics()
{
    static std::vector<std::pair<const char *, std::unique_ptr<TGraphic> (*)()>> list;
    return list;
}

}  // namespace

void RegisterGraphicClass(const char *className, std::unique_ptr<TGraphic> (*make)())
{
    RegisteredGraphics().emplace_back(className, make);
}

std::unique_ptr<TGraphic> CreateGraphicByClassName(const QString &className)
{
    for (const GraphicKind &k : kKinds)
        if (className.compare(QLatin1String(k.ClassName), Qt::CaseInsensitive) == 0)
            return k.Make();
    for (const auto &[name, make] : RegisteredGraphics())
        if (className.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return make();
    // Older names of the PNG class.
    if (className.compare(QLatin1String("TPNGObject"), Qt::CaseInsensitive) == 0 ||
        className.compare(QLatin1String("TPNGGraphic"), Qt::CaseInsensitive) == 0)
        return std::make_unique<TPngImage>();
    return nullptr;
}

TPicture::TPicture() = default;

TPicture::~TPicture() = default;

void TPicture::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TPicture::SetOwned(std::unique_ptr<TGraphic> g)
{
    graphic_ = std::move(g);
    if (graphic_)
        graphic_->OnChange = TNotifyEvent(this, &TPicture::GraphicChanged);
    Changed();
}

void TPicture::SetGraphic(TGraphic *value)
{
    if (!value) {
        SetOwned(nullptr);
        return;
    }
    std::unique_ptr<TGraphic> copy = CreateGraphicByClassName(value->ClassName());
    if (!copy)
        throw EInvalidGraphic(QStringLiteral("Unsupported picture class %1").arg(value->ClassName()));
    copy->Assign(value);
    copy->SetTransparent(value->Transparent());
    SetOwned(std::move(copy));
}

TBitmap *TPicture::Bitmap()
{
    if (auto *b = dynamic_cast<TBitmap *>(graphic_.get()))
        return b;
    auto b = std::make_unique<TBitmap>();
    TBitmap *raw = b.get();
    SetOwned(std::move(b));
    return raw;
}

void TPicture::SetBitmap(TBitmap *value)
{
    SetGraphic(value);
}

void TPicture::LoadFromFile(const QString &fileName)
{
    const QString ext = QFileInfo(fileName).suffix().toLower();
    for (const GraphicKind &k : kKinds)
        if (QString::fromLatin1(k.Extensions).split(u';').contains(ext)) {
            std::unique_ptr<TGraphic> g = k.Make();
            g->LoadFromFile(fileName);
            SetOwned(std::move(g));
            return;
        }
    throw EInvalidGraphic(QStringLiteral("Unknown picture file extension (.%1)").arg(ext));
}

void TPicture::SaveToFile(const QString &fileName)
{
    if (graphic_)
        graphic_->SaveToFile(fileName);
}

void TPicture::LoadFromStream(TStream *stream)
{
    const std::int64_t start = stream->Position();
    const QByteArray head = stream->ReadBytes(4);
    stream->SetPosition(start);
    for (const GraphicKind &k : kKinds)
        if (head.startsWith(k.Signature)) {
            std::unique_ptr<TGraphic> g = k.Make();
            g->LoadFromStream(stream);
            SetOwned(std::move(g));
            return;
        }
    throw EInvalidGraphic(QStringLiteral("Unknown picture format"));
}

void TPicture::SaveToStream(TStream *stream)
{
    if (graphic_)
        graphic_->SaveToStream(stream);
}

void TPicture::Assign(TPersistent *Source)
{
    if (!Source) {
        SetOwned(nullptr);
    } else if (auto *p = dynamic_cast<TPicture *>(Source)) {
        if (p != this)
            SetGraphic(p->graphic_.get());
    } else if (auto *g = dynamic_cast<TGraphic *>(Source)) {
        SetGraphic(g);
    } else {
        inherited::Assign(Source);
    }
}

void TPicture::ReadData(TStream *stream)
{
    std::uint8_t len = 0;
    stream->ReadBuffer(&len, 1);
    const QString className = QString::fromLatin1(stream->ReadBytes(len));
    if (className.isEmpty()) {
        SetOwned(nullptr);
        return;
    }
    std::unique_ptr<TGraphic> g = CreateGraphicByClassName(className);
    if (!g)
        throw EInvalidGraphic(QStringLiteral("Unsupported picture class %1").arg(className));
    g->ReadData(stream);
    SetOwned(std::move(g));
}

void TPicture::WriteData(TStream *stream)
{
    const QByteArray name = graphic_ ? graphic_->ClassName().toLatin1() : QByteArray();
    const std::uint8_t len = static_cast<std::uint8_t>(name.size());
    stream->WriteBuffer(&len, 1);
    stream->WriteBytes(name);
    if (graphic_)
        graphic_->WriteData(stream);
}

void TPicture::DefineProperties(TFiler *Filer)
{
    inherited::DefineProperties(Filer);
    Filer->DefineBinaryProperty(
        QStringLiteral("Data"), [this](TStream &s) { ReadData(&s); }, [this](TStream &s) { WriteData(&s); },
        !Empty());
    Filer->DefineBinaryProperty(
        QStringLiteral("File"), [this](TStream &s) { LoadFromStream(&s); }, nullptr, false);
}
