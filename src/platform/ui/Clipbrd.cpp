#include "platform/ui/Clipbrd.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <vector>

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
    void Put(const QString &mime, const QByteArray &data) override
    {
        auto *d = new QMimeData;
        d->setData(mime, data);
        QGuiApplication::clipboard()->setMimeData(d);
    }
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
    Backend().Put(MimeOf(format), data);
}

QString TClipboard::AsText() const
{
    return QString::fromUtf8(Backend().Get(TextMime));
}

void TClipboard::SetAsText(const QString &text)
{
    Backend().Put(TextMime, text.toUtf8());
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
