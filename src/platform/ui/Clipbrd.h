#pragma once
// TClipboard: the system clipboard with the framework's formats. A format is a number that
// RegisterClipboardFormat hands out for a name (the same name always gives the same number);
// its data travel as bytes under the MIME type "application/x-qt-windows-mime;value="<name>"",
// so other programs of this toolkit see the same name. CF_TEXT is the plain text.
//
// Pictures go on the clipboard with Assign, in place of what it held:
//   a metafile      its file as "image/x-emf", plus the same picture as "image/png"
//   a bitmap        an image, offered in the system's own image formats
//   a JPEG image    its file as "image/jpeg"
//   a PNG image     its file as "image/png"
//   a picture       whatever its graphic is
//
// The data live in a back-end: the system clipboard (QClipboard, GUI thread, needs the
// application object) unless a test puts its own in place with SetClipboardBackend.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>
#include <vector>

class TPersistent;

// Data of one format.
struct TClipboardItem {
    QString Mime;
    QByteArray Data;
};

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
    // Replaces everything the clipboard held by these data, each under its own MIME type.
    virtual void Put(const std::vector<TClipboardItem> &items) = 0;
    // Replaces everything the clipboard held by a picture the system offers in its image formats.
    virtual void PutImage(const QImage &image) = 0;
    virtual void Clear() = 0;
};

// A clipboard held in memory that records what it is given, for tests: Calls has one line per
// call ("put image/x-emf image/png", "image 800x500", "clear"); an image is held as "image/png".
class TMemoryClipboardBackend : public TClipboardBackend {
public:
    bool Has(const QString &mime) const override { return items_.count(mime) != 0; }
    QByteArray Get(const QString &mime) const override;
    void Put(const std::vector<TClipboardItem> &items) override;
    void PutImage(const QImage &image) override;
    void Clear() override;

    QStringList Calls;
    // The last image put (null when the clipboard holds none).
    QImage Image;

private:
    std::map<QString, QByteArray> items_;
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
    // Puts a graphic or a picture's graphic on the clipboard (table above); nullptr, an empty
    // picture or another kind of object raises EConvertError and leaves the clipboard as it was.
    void Assign(TPersistent *source);
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
