#include "platform/ui/Clipbrd.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <vector>

#include "platform/runtime/Exception.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Metafile.h"
#include "platform/ui/Picture.h"
#include "platform/ui/PictureEncoded.h"
#include "platform/ui/PictureEncoders.h"

namespace {

// The system clipboard.
class QtClipboardBackend : public TClipboardBackend {
public:
    bool Has(const QString &mime) const override
    {
        const QMimeData *d = QGuiApplication::clipboard()->mimeData();
        return d && d->hasFormat(mime);
    }
    QByteArray Get(const QString &mime) const override
    {
        const QMimeData *d = QGuiApplication::clipboard()->mimeData();
        return d ? d->data(mime) : QByteArray();
    }
    void Put(const std::vector<TClipboardItem> &items) override
    {
        auto *d = new QMimeData;
        for (const TClipboardItem &item : items)
            d->setData(item.Mime, item.Data);
        QGuiApplication::clipboard()->setMimeData(d);
    }
    void PutImage(const QImage &image) override { QGuiApplication::clipboard()->setImage(image); }
    void Clear() override { QGuiApplication::clipboard()->clear(); }
};

TClipboardBackend *testBackend = nullptr;

TClipboardBackend &Backend()
{
    static QtClipboardBackend system;
    return testBackend ? *testBackend : system;
}

// Registered names by number - 0xC000 (GUI thread).
std::vector<QString> &Names()
{
    static std::vector<QString> names;
    return names;
}

constexpr TClipboardFormat FirstRegistered = 0xC000;
const QString TextMime = QStringLiteral("text/plain;charset=utf-8");

QString MimeOf(TClipboardFormat format)
{
    if (format == CF_TEXT)
        return TextMime;
    return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"").arg(ClipboardFormatName(format));
}

}  // namespace

TClipboardFormat RegisterClipboardFormat(const QString &name)
{
    if (name.isEmpty())
        return 0;
    std::vector<QString> &names = Names();
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i].compare(name, Qt::CaseInsensitive) == 0)
            return FirstRegistered + static_cast<TClipboardFormat>(i);
    names.push_back(name);
    return FirstRegistered + static_cast<TClipboardFormat>(names.size() - 1);
}

QString ClipboardFormatName(TClipboardFormat format)
{
    const std::vector<QString> &names = Names();
    if (format < FirstRegistered || format - FirstRegistered >= names.size())
        return QString();
    return names[format - FirstRegistered];
}

bool TClipboard::HasFormat(TClipboardFormat format) const
{
    return Backend().Has(MimeOf(format));
}

QByteArray TClipboard::GetAsHandle(TClipboardFormat format) const
{
    return Backend().Get(MimeOf(format));
}

void TClipboard::SetAsHandle(TClipboardFormat format, const QByteArray &data)
{
    Backend().Put({{MimeOf(format), data}});
}

QString TClipboard::AsText() const
{
    return QString::fromUtf8(Backend().Get(TextMime));
}

void TClipboard::SetAsText(const QString &text)
{
    Backend().Put({{TextMime, text.toUtf8()}});
}

void TClipboard::Assign(TPersistent *source)
{
    TGraphic *graphic = dynamic_cast<TGraphic *>(source);
    if (auto *picture = dynamic_cast<TPicture *>(source))
        graphic = picture->Graphic();
    if (auto *metafile = dynamic_cast<TMetafile *>(graphic); metafile && !metafile->Empty()) {
        Backend().Put({{QStringLiteral("image/x-emf"), metafile->Bytes()},
                       {QStringLiteral("image/png"), EncodePng(metafile->ToImage(), 6)}});
        return;
    }
    if (auto *bitmap = dynamic_cast<TBitmap *>(graphic); bitmap && !bitmap->Empty()) {
        Backend().PutImage(bitmap->Image());
        return;
    }
    if (auto *jpeg = dynamic_cast<TJPEGImage *>(graphic); jpeg && !jpeg->Empty()) {
        Backend().Put({{QStringLiteral("image/jpeg"), jpeg->Bytes()}});
        return;
    }
    if (auto *png = dynamic_cast<TPngImage *>(graphic); png && !png->Empty()) {
        Backend().Put({{QStringLiteral("image/png"), png->Bytes()}});
        return;
    }
    const QString name = source ? source->ClassName() : QStringLiteral("nil");
    throw EConvertError(QStringLiteral("Cannot assign a %1 to a TClipboard").arg(name));
}

void TClipboard::Clear()
{
    Backend().Clear();
}

TClipboard *Clipboard()
{
    static TClipboard clipboard;
    return &clipboard;
}

void SetClipboardBackend(TClipboardBackend *backend)
{
    testBackend = backend;
}

// ---- TMemoryClipboardBackend -------------------------------------------------------------------

QByteArray TMemoryClipboardBackend::Get(const QString &mime) const
{
    const auto it = items_.find(mime);
    return it == items_.end() ? QByteArray() : it->second;
}

void TMemoryClipboardBackend::Put(const std::vector<TClipboardItem> &items)
{
    items_.clear();
    Image = QImage();
    QString call = QStringLiteral("put");
    for (const TClipboardItem &item : items) {
        items_[item.Mime] = item.Data;
        call += u' ' + item.Mime;
    }
    Calls << call;
}

void TMemoryClipboardBackend::PutImage(const QImage &image)
{
    items_.clear();
    Image = image;
    items_[QStringLiteral("image/png")] = EncodePng(image, 6);
    Calls << QStringLiteral("image %1x%2").arg(image.width()).arg(image.height());
}

void TMemoryClipboardBackend::Clear()
{
    items_.clear();
    Image = QImage();
    Calls << QStringLiteral("clear");
}
