#pragma once
// TClipboard: the system clipboard with the framework's formats. A format is a number that
// RegisterClipboardFormat hands out for a name (the same name always gives the same number);
// its data travel as bytes under the MIME type "application/x-qt-windows-mime;value="<name>"",
// so other programs of this toolkit see the same name. CF_TEXT is the plain text.
//
// The data live in a back-end: the system clipboard (QClipboard, GUI thread, needs the
// application object) unless a test puts its own in place with SetClipboardBackend.

#include <QByteArray>
#include <QString>

#include <memory>

using TClipboardFormat = unsigned;
constexpr TClipboardFormat CF_TEXT = 1;

// The number for a named format, 0xC000 and up; 0 for an empty name.
TClipboardFormat RegisterClipboardFormat(const QString &name);
// The name of a registered format ("" for unknown numbers).
QString ClipboardFormatName(TClipboardFormat format);

// Where the clipboard's data live, by MIME type.
class TClipboardBackend {
public:
    virtual ~TClipboardBackend() = default;
    virtual bool Has(const QString &mime) const = 0;
    virtual QByteArray Get(const QString &mime) const = 0;
    // Replaces everything the clipboard held by these data.
    virtual void Put(const QString &mime, const QByteArray &data) = 0;
    virtual void Clear() = 0;
};

// A clipboard held in memory, for tests.
class TMemoryClipboardBackend : public TClipboardBackend {
public:
    bool Has(const QString &mime) const override { return mime_ == mime && has_; }
    QByteArray Get(const QString &mime) const override { return Has(mime) ? data_ : QByteArray(); }
    void Put(const QString &mime, const QByteArray &data) override
    {
        mime_ = mime;
        data_ = data;
        has_ = true;
    }
    void Clear() override { has_ = false; }

private:
    QString mime_;
    QByteArray data_;
    bool has_ = false;
};

class TClipboard {
public:
    bool HasFormat(TClipboardFormat format) const;
    // The data of a format (empty when the clipboard holds none).
    QByteArray GetAsHandle(TClipboardFormat format) const;
    // Puts the data on the clipboard under the format, in place of what it held.
    void SetAsHandle(TClipboardFormat format, const QByteArray &data);
    QString AsText() const;
    void SetAsText(const QString &text);
    void Clear();
    // Kept for callers that bracket several operations; nothing to do here.
    void Open() {}
    void Close() {}
};

// The program's clipboard.
TClipboard *Clipboard();
// Puts a back-end in place of the system clipboard (nullptr: the system clipboard again); the
// caller keeps it alive while it is in place.
void SetClipboardBackend(TClipboardBackend *backend);
