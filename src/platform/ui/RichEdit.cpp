#include "platform/ui/RichEdit.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Streams.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/CanvasGdi.h"
#include "platform/ui/Printers.h"
#include "platform/ui/RtfReader.h"
#include "platform/ui/RtfWriter.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>
#include <cmath>

std::string LowBytes(const QString &text)
{
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text)
        out.push_back(static_cast<char>(c.unicode() & 0xFF));
    return out;
}

// The Lines of a rich edit: the document's paragraphs as plain lines.
class TRichEditStrings : public TStrings {
public:
    explicit TRichEditStrings(TCustomRichEdit *edit) : edit_(edit) {}

    // The whole document as rich text (plain text when PlainText is on).
    void LoadFromStream(TStream *stream) override { edit_->LoadFromStream(stream); }
    void SaveToStream(TStream *stream, TTextEncoding) const override { edit_->SaveToStream(stream); }

    int Count() const override
    {
        const QTextDocument *doc = edit_->FDocument.get();
        if (doc->isEmpty())
            return 0;
        return doc->blockCount();
    }
    QString Get(int index) const override
    {
        if (index < 0 || index >= Count())
            Error(QStringLiteral("List index out of bounds (%1)"), index);
        return edit_->FDocument->findBlockByNumber(index).text();
    }
    void Put(int index, const QString &s) override
    {
        if (index < 0 || index >= Count())
            Error(QStringLiteral("List index out of bounds (%1)"), index);
        QTextCursor c(edit_->FDocument->findBlockByNumber(index));
        c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        c.insertText(s);
        edit_->DocumentChanged();
    }
    void Insert(int index, const QString &s) override
    {
        const int count = Count();
        if (index < 0 || index > count)
            Error(QStringLiteral("List index out of bounds (%1)"), index);
        QTextDocument *doc = edit_->FDocument.get();
        QTextCursor c(doc);
        c.beginEditBlock();  // one change for the document's listeners
        if (count == 0) {
            c.insertText(s);
        } else if (index == count) {
            c.movePosition(QTextCursor::End);
            c.insertBlock();
            c.insertText(s);
        } else {
            c.setPosition(doc->findBlockByNumber(index).position());
            c.insertText(s);
            c.insertBlock();
        }
        c.endEditBlock();
        edit_->DocumentChanged();
    }
    void Delete(int index) override
    {
        if (index < 0 || index >= Count())
            Error(QStringLiteral("List index out of bounds (%1)"), index);
        QTextCursor c(edit_->FDocument->findBlockByNumber(index));
        c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        if (!c.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor) && index > 0) {
            // The last line takes the line break before it.
            c.setPosition(edit_->FDocument->findBlockByNumber(index - 1).position() +
                          edit_->FDocument->findBlockByNumber(index - 1).length() - 1);
            c.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        }
        c.removeSelectedText();
        edit_->DocumentChanged();
    }
    void Clear() override { edit_->Clear(); }
    void SetText(const QString &text) override
    {
        // Rich text given as text (one byte per character) is read as such.
        if (!edit_->FPlainText && IsRtf(LowBytes(text)))
            edit_->SetRichText(LowBytes(text));
        else
            edit_->SetText(text);
    }

private:
    TCustomRichEdit *edit_;
};

T_IMPLEMENT_CLASS(TTextAttributes) {}

T_IMPLEMENT_CLASS(TCustomRichEdit)
{
    b.Message(EM_FORMATRANGE, &TCustomRichEdit::EMFormatRange);
    b.Message(EM_SETBKGNDCOLOR, &TCustomRichEdit::EMSetBkgndColor);
}

T_IMPLEMENT_CLASS(TRichEdit)
{
    b.Enum("BorderStyle", &TRichEdit::BorderStyle, &TRichEdit::SetBorderStyle, FormBorderStyleNames).Default(bsSingle);
    b.Bool("HideSelection", &TRichEdit::HideSelection, &TRichEdit::SetHideSelection).Default(true);
    b.Object("Lines", &TRichEdit::Lines, &TRichEdit::SetLines);
    b.Bool("ParentColor", &TRichEdit::ParentColor, &TRichEdit::SetParentColor).Default(false);
    b.Bool("PlainText", &TRichEdit::PlainText, &TRichEdit::SetPlainText).Default(false);
    b.Bool("ReadOnly", &TRichEdit::ReadOnly, &TRichEdit::SetReadOnly).Default(false);
    b.Enum("ScrollBars", &TRichEdit::ScrollBars, &TRichEdit::SetScrollBars, ScrollStyleNames).Default(ssNone);
    b.Bool("TabStop", &TRichEdit::TabStop, &TRichEdit::SetTabStop).Default(true);
    b.Bool("WordWrap", &TRichEdit::WordWrap, &TRichEdit::SetWordWrap).Default(true);
    b.Event("OnChange", &TRichEdit::OnChange);
}

// ---- TTextAttributes ---------------------------------------------------------------------------

namespace {

QTextCharFormat FormatOf(const TCustomRichEdit *edit, bool selection)
{
    QTextDocument *doc = edit->Document();
    if (!selection) {
        QTextCharFormat f;
        f.setFont(doc->defaultFont());
        return f;
    }
    if (QWidget *w = edit->WidgetIfCreated())
        return static_cast<QTextEdit *>(w)->currentCharFormat();
    QTextCursor c(doc);
    c.movePosition(QTextCursor::End);
    return c.charFormat();
}

}  // namespace

TColor TTextAttributes::Color() const
{
    const QColor c = FormatOf(owner_, selection_).foreground().color();
    return RGB(c.red(), c.green(), c.blue());
}

QString TTextAttributes::Name() const
{
    return FormatOf(owner_, selection_).font().family();
}

int TTextAttributes::Size() const
{
    const QFont f = FormatOf(owner_, selection_).font();
    return f.pointSize() > 0 ? f.pointSize() : static_cast<int>(std::lround(f.pixelSize() * 72.0 / 96.0));
}

TFontStyles TTextAttributes::Style() const
{
    const QFont f = FormatOf(owner_, selection_).font();
    TFontStyles s;
    if (f.bold())
        s << fsBold;
    if (f.italic())
        s << fsItalic;
    if (f.underline())
        s << fsUnderline;
    if (f.strikeOut())
        s << fsStrikeOut;
    return s;
}

namespace {

// Applies a change to the selection's format (or the document's default font).
template <class F>
void ChangeFormat(TCustomRichEdit *edit, bool selection, F change)
{
    QTextDocument *doc = edit->Document();
    if (!selection) {
        QTextCharFormat f;
        f.setFont(doc->defaultFont());
        change(f);
        doc->setDefaultFont(f.font());
        return;
    }
    QTextCharFormat f;
    change(f);
    if (auto *w = static_cast<QTextEdit *>(edit->WidgetIfCreated()))
        w->mergeCurrentCharFormat(f);
    else
        QTextCursor(doc).mergeCharFormat(f);
}

}  // namespace

void TTextAttributes::SetColor(TColor value)
{
    ChangeFormat(owner_, selection_, [&](QTextCharFormat &f) { f.setForeground(QColorOf(value)); });
}

void TTextAttributes::SetName(const QString &value)
{
    ChangeFormat(owner_, selection_, [&](QTextCharFormat &f) { f.setFontFamilies({MapFontFamily(value)}); });
}

void TTextAttributes::SetSize(int value)
{
    ChangeFormat(owner_, selection_,
                 [&](QTextCharFormat &f) { f.setProperty(QTextFormat::FontPixelSize, static_cast<int>(std::lround(value * 96.0 / 72.0))); });
}

void TTextAttributes::SetStyle(TFontStyles value)
{
    ChangeFormat(owner_, selection_, [&](QTextCharFormat &f) {
        f.setFontWeight(value.Contains(fsBold) ? QFont::Bold : QFont::Normal);
        f.setFontItalic(value.Contains(fsItalic));
        f.setFontUnderline(value.Contains(fsUnderline));
        f.setFontStrikeOut(value.Contains(fsStrikeOut));
    });
}

void TTextAttributes::Assign(TPersistent *Source)
{
    auto *other = dynamic_cast<TTextAttributes *>(Source);
    if (!other) {
        TPersistent::Assign(Source);
        return;
    }
    SetName(other->Name());
    SetSize(other->Size());
    SetStyle(other->Style());
    SetColor(other->Color());
}

// ---- TCustomRichEdit ---------------------------------------------------------------------------

TCustomRichEdit::TCustomRichEdit(TComponent *AOwner)
    : TNativeControl(AOwner), FDocument(std::make_unique<QTextDocument>()),
      FLines(std::make_unique<TRichEditStrings>(this)), FSelAttributes(std::make_unique<TTextAttributes>(this, true)),
      FDefAttributes(std::make_unique<TTextAttributes>(this, false))
{
    FParentColor = false;
    FColor = clWindow;
    FTabStop = true;
    FControlStyle >> csSetCaption;
    FDocument->setDocumentMargin(0);
    FDocument->setDefaultFont(Font()->NativeFont());
    QObject::connect(FDocument.get(), &QTextDocument::contentsChanged, FDocument.get(), [this] {
        if (FSyncing == 0)
            Guarded([this] { Change(); });
    });
    SetBounds(0, 0, 185, 89);
}

TCustomRichEdit::~TCustomRichEdit()
{
    Destroying();
    QObject::disconnect(FDocument.get(), nullptr, nullptr, nullptr);
    if (auto *w = static_cast<QTextEdit *>(WidgetIfCreated()))
        w->setDocument(nullptr);
}

void TCustomRichEdit::Change()
{
    if (OnChange)
        OnChange(this);
}

void TCustomRichEdit::DocumentChanged()
{
    // Changes through Lines fire OnChange through the document's own notice; the widget shows
    // the same document.
}

QString TCustomRichEdit::GetText() const
{
    return FDocument->toPlainText().replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
}

void TCustomRichEdit::SetTextValue(const QString &value)
{
    QString text = value;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    FDocument->setPlainText(text);
}

void TCustomRichEdit::SetRichText(std::string_view bytes)
{
    if (FPlainText || !IsRtf(bytes)) {
        // Not rich text: shown as the text it is.
        SetText(QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size())));
        return;
    }
    ++FSyncing;
    ReadRtf(bytes, *FDocument, 96);
    --FSyncing;
    Change();
}

std::string TCustomRichEdit::RichText() const
{
    if (FPlainText)
        return Text().toStdString();
    return WriteRtf(*FDocument, 96);
}

void TCustomRichEdit::LoadFromStream(TStream *stream)
{
    const QByteArray bytes = stream->ReadBytes(stream->Size() - stream->Position());
    SetRichText(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

void TCustomRichEdit::SaveToStream(TStream *stream) const
{
    const std::string bytes = RichText();
    stream->WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
}

void TCustomRichEdit::Clear()
{
    FDocument->clear();
}

int TCustomRichEdit::FormatRange(TCanvas *canvas, const TRect &twips, int dpiX, int dpiY, bool render, int first)
{
    if (dpiX <= 0)
        dpiX = 96;
    if (dpiY <= 0)
        dpiY = 96;
    const auto px = [](int t, int dpi) { return static_cast<int>(std::lround(t * dpi / 1440.0)); };
    const TRect rect(px(twips.Left, dpiX), px(twips.Top, dpiY), px(twips.Right, dpiX), px(twips.Bottom, dpiY));
    // An empty document draws nothing, not even its background.
    if (rect.IsEmpty() || FDocument->isEmpty())
        return 0;
    // A copy laid out for the target: fonts mapped onto the installed ones, drawn without
    // smoothing like all text of the canvas.
    std::unique_ptr<QTextDocument> doc(FDocument->clone());
    doc->setDocumentMargin(0);
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextCharFormat f = fragment.charFormat();
            f.setFontFamilies({MapFontFamily(f.font().family())});
            f.setFontStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
            f.setFontKerning(false);
            QTextCursor c(doc.get());
            c.setPosition(fragment.position());
            c.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            c.setCharFormat(f);
        }
    // The document holds its sizes in screen pixels (96 dpi): it is laid out in them, so that its
    // lines break where they do on the screen, and painted scaled to the target's resolution,
    // where the glyphs are drawn anew at that size.
    const double scaleX = dpiX / 96.0, scaleY = dpiY / 96.0;
    const double width = rect.Width() / scaleX, height = rect.Height() / scaleY;
    if (FWordWrap)
        doc->setTextWidth(width);
    else {
        QTextOption o = doc->defaultTextOption();
        o.setWrapMode(QTextOption::NoWrap);
        doc->setDefaultTextOption(o);
    }
    // The whole paragraphs from the one holding `first` on that fit into the rectangle.
    const int length = doc->characterCount() - 1;
    const QTextBlock start = doc->findBlock(std::clamp(first, 0, std::max(length - 1, 0)));
    const double top = doc->documentLayout()->blockBoundingRect(start).top();
    int fitted = length;
    for (QTextBlock b = start.next(); b.isValid(); b = b.next()) {
        if (doc->documentLayout()->blockBoundingRect(b).bottom() - top > height) {
            fitted = b.position();
            break;
        }
    }
    if (render && canvas) {
        // The rich edit's background (EM_SETBKGNDCOLOR) lies behind the text over the whole range.
        QImage image(rect.Width(), rect.Height(), QImage::Format_ARGB32);
        image.fill(FBackground == clNone ? QColor(Qt::transparent) : QColorOf(FBackground));
        const double bottom = fitted < length ? doc->documentLayout()->blockBoundingRect(doc->findBlock(fitted)).top()
                                              : doc->documentLayout()->documentSize().height();
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.scale(scaleX, scaleY);
        painter.translate(0, -top);
        doc->drawContents(&painter, QRectF(0, top, width, std::min(bottom - top, height)));
        painter.end();
        canvas->DrawImage(rect, image, TRect(0, 0, rect.Width(), rect.Height()), true);
    }
    return fitted;
}

void TCustomRichEdit::Print(const QString &caption)
{
    TPrinter *printer = Printer();
    printer->SetTitle(caption);
    printer->BeginDoc();
    try {
        HDC dc = printer->Handle();
        const int dpiX = GetDeviceCaps(dc, LOGPIXELSX), dpiY = GetDeviceCaps(dc, LOGPIXELSY);
        const TRect page(0, 0, printer->PageWidth() * 1440 / dpiX, printer->PageHeight() * 1440 / dpiY);
        const int length = FDocument->characterCount() - 1;
        for (int first = 0;;) {
            const int next = FormatRange(printer->Canvas(), page, dpiX, dpiY, true, first);
            if (next <= first || next >= length)
                break;
            printer->NewPage();
            first = next;
        }
        printer->EndDoc();
    } catch (...) {
        if (printer->Printing())
            printer->Abort();
        throw;
    }
}

void TCustomRichEdit::EMFormatRange(TMessage &m)
{
    auto *range = reinterpret_cast<TFormatRange *>(m.LParam);
    if (!range) {
        m.Result = 0;  // nothing is cached between ranges
        return;
    }
    // The target's resolution decides the layout; the screen's when it does not say.
    HDC target = range->hdcTarget ? range->hdcTarget : range->hdc;
    const int dpiX = target ? GetDeviceCaps(target, LOGPIXELSX) : 96;
    const int dpiY = target ? GetDeviceCaps(target, LOGPIXELSY) : 96;
    m.Result = FormatRange(range->hdc, range->rc, dpiX, dpiY, m.WParam != 0, range->cpMin);
}

void TCustomRichEdit::EMSetBkgndColor(TMessage &m)
{
    const TColor old = FBackground;
    FBackground = m.WParam != 0 ? clWindow : static_cast<TColor>(m.LParam);
    m.Result = old;
    ApplyOptions();
}

QWidget *TCustomRichEdit::CreateNative(QWidget *parent)
{
    auto *edit = new QTextEdit(parent);
    edit->setDocument(FDocument.get());
    ApplyOptionsTo(edit);
    return edit;
}

void TCustomRichEdit::ApplyOptions()
{
    if (auto *edit = static_cast<QTextEdit *>(WidgetIfCreated()))
        ApplyOptionsTo(edit);
}

void TCustomRichEdit::ApplyOptionsTo(QTextEdit *edit)
{
    edit->setReadOnly(FReadOnly);
    edit->setLineWrapMode(FWordWrap ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
    edit->setFrameShape(FBorderStyle == bsNone ? QFrame::NoFrame : QFrame::StyledPanel);
    const bool horz = FScrollBars == ssHorizontal || FScrollBars == ssBoth;
    const bool vert = FScrollBars == ssVertical || FScrollBars == ssBoth;
    edit->setHorizontalScrollBarPolicy(horz ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    edit->setVerticalScrollBarPolicy(vert ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    QPalette p = edit->palette();
    p.setColor(QPalette::Base, QColorOf(FBackground));
    edit->setPalette(p);
}

void TCustomRichEdit::SetWordWrap(bool value)
{
    FWordWrap = value;
    ApplyOptions();
}

void TCustomRichEdit::SetReadOnly(bool value)
{
    FReadOnly = value;
    ApplyOptions();
}

void TCustomRichEdit::SetScrollBars(TScrollStyle value)
{
    FScrollBars = value;
    ApplyOptions();
}

void TCustomRichEdit::SetBorderStyle(TBorderStyle value)
{
    FBorderStyle = value == bsNone ? bsNone : bsSingle;
    ApplyOptions();
}
