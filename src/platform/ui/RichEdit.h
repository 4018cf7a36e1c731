#pragma once
// TCustomRichEdit and TRichEdit: formatted text, read from and written as rich text (RTF, the
// subset of RtfReader.h) unless PlainText. Besides showing the document it renders it into any
// canvas: EM_FORMATRANGE with a TFormatRange (rectangles in twips, as the system's rich edit
// takes them) or FormatRange, with the background colour of EM_SETBKGNDCOLOR behind the text.
//
// Lines shows the document as plain lines; loading Lines with a text that is rich text (and
// PlainText off) reads it as such. LoadFromStream/SaveToStream (also those of Lines) read and write
// the whole document.

#include "platform/ui/NativeControl.h"
#include "platform/ui/StdCtrlsTypes.h"
#include "platform/runtime/StringList.h"

#include <memory>
#include <string>
#include <string_view>

class QTextDocument;
class QTextEdit;
class TStream;
class TCustomRichEdit;

constexpr UINT EM_FORMATRANGE = WM_USER + 57;
constexpr UINT EM_SETBKGNDCOLOR = WM_USER + 67;

// The record of EM_FORMATRANGE: draw on hdc, laid out for hdcTarget, into rc (twips), the
// characters cpMin up to cpMax (-1: to the end). LParam points at it; a zero LParam only frees
// what the last range cached. The answer is the index of the first character that did not fit.
struct TFormatRange {
    TCanvas *hdc = nullptr;
    TCanvas *hdcTarget = nullptr;
    TRect rc;
    TRect rcPage;
    int cpMin = 0;
    int cpMax = -1;
};

// Character attributes of the selection (SelAttributes) or of the document's default
// (DefAttributes).
class TTextAttributes : public TPersistent {
    T_DECLARE_CLASS(TTextAttributes, TPersistent)

public:
    TTextAttributes(TCustomRichEdit *owner, bool selection) : owner_(owner), selection_(selection) {}

    TColor Color() const;
    void SetColor(TColor value);
    QString Name() const;
    void SetName(const QString &value);
    int Size() const;
    void SetSize(int value);
    TFontStyles Style() const;
    void SetStyle(TFontStyles value);

    void Assign(TPersistent *Source) override;

private:
    TCustomRichEdit *owner_;
    bool selection_;
};

class TCustomRichEdit : public TNativeControl {
    T_DECLARE_CLASS(TCustomRichEdit, TNativeControl)

public:
    explicit TCustomRichEdit(TComponent *AOwner);
    ~TCustomRichEdit() override;

    TStrings *Lines() const { return FLines.get(); }
    void SetLines(TStrings *value) { FLines->Assign(value); }
    bool PlainText() const { return FPlainText; }
    void SetPlainText(bool value) { FPlainText = value; }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool value) { FHideSelection = value; }
    TTextAttributes *SelAttributes() const { return FSelAttributes.get(); }
    TTextAttributes *DefAttributes() const { return FDefAttributes.get(); }

    // The whole document: rich text unless PlainText (then the text as it is).
    void LoadFromStream(TStream *stream);
    void SaveToStream(TStream *stream) const;
    // The same with bytes.
    void SetRichText(std::string_view bytes);
    std::string RichText() const;
    void Clear();

    // Draws the document from character `first` on into `twips` of the canvas (pixels = twips *
    // dpi / 1440, fonts at that resolution) over the background colour, as many whole paragraphs
    // as fit (at least one); answers the index of the first character that did not fit (the
    // document's length when all did). With `render` false it only measures. An empty document
    // draws nothing.
    int FormatRange(TCanvas *canvas, const TRect &twips, int dpiX, int dpiY, bool render, int first = 0);
    // Prints the document on the program's printer (Printers.h) as a job titled `caption`, page
    // after page over the whole printable area. Raises EPrinter when printing fails (the job is
    // dropped).
    void Print(const QString &caption);
    TColor BackgroundColor() const { return FBackground; }
    void SetBackgroundColor(TColor value) { FBackground = value; }

    QTextDocument *Document() const { return FDocument.get(); }

    TNotifyEvent OnChange;

protected:  // message handlers, registered by number in the class description
    void EMFormatRange(TMessage &m);
    void EMSetBkgndColor(TMessage &m);

protected:
    virtual void Change();
    QWidget *CreateNative(QWidget *parent) override;
    QString GetText() const override;
    void SetTextValue(const QString &value) override;
    void ApplyOptions();
    void ApplyOptionsTo(QTextEdit *edit);
    // The document changed (code or user).
    void DocumentChanged();

private:
    friend class TTextAttributes;
    friend class TRichEditStrings;

    std::unique_ptr<QTextDocument> FDocument;
    std::unique_ptr<TStrings> FLines;
    std::unique_ptr<TTextAttributes> FSelAttributes;
    std::unique_ptr<TTextAttributes> FDefAttributes;
    bool FPlainText = false;
    bool FWordWrap = true;
    bool FReadOnly = false;
    TScrollStyle FScrollBars = ssNone;
    TBorderStyle FBorderStyle = bsSingle;
    bool FHideSelection = true;
    TColor FBackground = clWindow;
    int FSyncing = 0;
};

class TRichEdit : public TCustomRichEdit {
    T_DECLARE_CLASS(TRichEdit, TCustomRichEdit)

public:
    explicit TRichEdit(TComponent *AOwner) : TCustomRichEdit(AOwner) {}
};

// The bytes a text holds one per character (the low 8 bits of each), as rich text is kept in
// strings.
std::string LowBytes(const QString &text);
