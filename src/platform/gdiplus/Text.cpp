// Font families, fonts, string formats, and measuring and drawing strings.

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

#include "platform/gdiplus/GdiPlusObjects.h"
#include "platform/ui/GraphicsFont.h"

using namespace gdiplus_detail;

namespace {

QString TextOf(const WCHAR *string, INT length)
{
    return length < 0 ? QString::fromUtf16(string) : QString::fromUtf16(string, length);
}

Status NewFamily(const QString &name, GpFontFamily **out)
{
    if (!out)
        return InvalidParameter;
    if (!FontFamilyKnown(name))
        return FontFamilyNotFound;
    *out = new GpFontFamily{name, MapFontFamily(name), false};
    return Ok;
}

// The three shared families, made on first use and never freed.
GpFontFamily *Generic(const char *name)
{
    auto *f = new GpFontFamily{QString::fromLatin1(name), MapFontFamily(QString::fromLatin1(name)), true};
    return f;
}

// Text laid out as GDI+ does: a sixth of the em size kept free at each side of a line, lines
// wrapped to the layout width (when it is not 0), aligned by the string format.
struct Layout {
    QRectF Box;     // where Qt draws the text
    int Flags = 0;  // Qt alignment and wrapping
    double Pad = 0;
};

Layout LayoutFor(const GpFont &font, const QString &text, const GpRectF &rect, const GpStringFormat *format,
                 QSizeF *size)
{
    const QFont qf = font.Native();
    const QFontMetricsF fm(qf);
    Layout l;
    l.Pad = text.isEmpty() ? 0 : font.EmPixels() / 6.0;
    const INT flags = format ? format->Flags : 0;
    const bool wrap = rect.Width > 0 && !(flags & StringFormatFlagsNoWrap);
    const StringAlignment align = format ? format->Align : StringAlignmentNear;
    const StringAlignment lineAlign = format ? format->LineAlign : StringAlignmentNear;
    l.Flags = (align == StringAlignmentCenter ? Qt::AlignHCenter
               : align == StringAlignmentFar  ? Qt::AlignRight
                                              : Qt::AlignLeft) |
              (lineAlign == StringAlignmentCenter ? Qt::AlignVCenter
               : lineAlign == StringAlignmentFar  ? Qt::AlignBottom
                                                  : Qt::AlignTop);
    if (wrap)
        l.Flags |= Qt::TextWordWrap;
    if (flags & StringFormatFlagsMeasureTrailingSpaces)
        l.Flags |= Qt::TextIncludeTrailingSpaces;
    if (format && format->HotkeyPrefix == HotkeyPrefixShow)
        l.Flags |= Qt::TextShowMnemonic;
    else if (format && format->HotkeyPrefix == HotkeyPrefixHide)
        l.Flags |= Qt::TextHideMnemonic;
    const double availW = wrap ? std::max(1.0, rect.Width - 2 * l.Pad) : 1e6;
    // Trailing blanks of each line count only when the format asks for them.
    QString measured = text;
    if (!(flags & StringFormatFlagsMeasureTrailingSpaces)) {
        QStringList lines = text.split(u'\n');
        for (QString &line : lines)
            while (line.endsWith(u' '))
                line.chop(1);
        measured = lines.join(u'\n');
    }
    const int measureFlags = l.Flags & ~(Qt::AlignHCenter | Qt::AlignRight | Qt::AlignVCenter | Qt::AlignBottom);
    const QRectF extent =
        text.isEmpty() ? QRectF() : fm.boundingRect(QRectF(0, 0, availW, 1e6), measureFlags, measured);
    const double w = text.isEmpty() ? 0 : extent.width() + 2 * l.Pad;
    const double h = text.isEmpty() ? 0 : extent.height();
    if (size)
        *size = QSizeF(w, h);
    // Qt lays the text out in a box; with no layout size the box is the text's own, placed by
    // the alignment around the origin.
    const double boxW = rect.Width > 0 ? rect.Width : w;
    const double boxH = rect.Height > 0 ? rect.Height : h;
    double x = rect.X, y = rect.Y;
    if (rect.Width <= 0 && align != StringAlignmentNear)
        x -= align == StringAlignmentCenter ? w / 2 : w;
    if (rect.Height <= 0 && lineAlign != StringAlignmentNear)
        y -= lineAlign == StringAlignmentCenter ? h / 2 : h;
    l.Box = QRectF(x + l.Pad, y, std::max(0.0, boxW - 2 * l.Pad), boxH);
    return l;
}

}  // namespace

// ---- Fonts ---------------------------------------------------------------------------------------

double GpFont::EmPixels() const
{
    switch (Unit) {
    case UnitPoint: return EmSize * 96.0 / 72.0;
    case UnitInch: return EmSize * 96.0;
    case UnitDocument: return EmSize * 96.0 / 300.0;
    case UnitMillimeter: return EmSize * 96.0 / 25.4;
    default: return EmSize;
    }
}

QFont GpFont::Native() const
{
    QFont f(Family);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(EmPixels()))));
    f.setBold(Style & FontStyleBold);
    f.setItalic(Style & FontStyleItalic);
    f.setUnderline(Style & FontStyleUnderline);
    f.setStrikeOut(Style & FontStyleStrikeout);
    f.setKerning(false);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

Status GdipCreateFontFamilyFromName(const WCHAR *name, GpFontCollection *, GpFontFamily **fontFamily)
{
    if (!name)
        return InvalidParameter;
    return NewFamily(QString::fromUtf16(name), fontFamily);
}

Status GdipDeleteFontFamily(GpFontFamily *fontFamily)
{
    if (!fontFamily)
        return InvalidParameter;
    if (!fontFamily->Generic)
        delete fontFamily;
    return Ok;
}

Status GdipCloneFontFamily(GpFontFamily *fontFamily, GpFontFamily **clonedFontFamily)
{
    if (!fontFamily || !clonedFontFamily)
        return InvalidParameter;
    *clonedFontFamily = new GpFontFamily{fontFamily->Name, fontFamily->Family, false};
    return Ok;
}

Status GdipGetFamilyName(const GpFontFamily *family, WCHAR name[32], LANGID)
{
    if (!family || !name)
        return InvalidParameter;
    const QString n = family->Name.left(31);
    for (int i = 0; i < n.size(); ++i)
        name[i] = n[i].unicode();
    name[n.size()] = 0;
    return Ok;
}

Status GdipGetGenericFontFamilySansSerif(GpFontFamily **nativeFamily)
{
    if (!nativeFamily)
        return InvalidParameter;
    static GpFontFamily *family = Generic("Microsoft Sans Serif");
    *nativeFamily = family;
    return Ok;
}

Status GdipGetGenericFontFamilySerif(GpFontFamily **nativeFamily)
{
    if (!nativeFamily)
        return InvalidParameter;
    static GpFontFamily *family = Generic("Times New Roman");
    *nativeFamily = family;
    return Ok;
}

Status GdipGetGenericFontFamilyMonospace(GpFontFamily **nativeFamily)
{
    if (!nativeFamily)
        return InvalidParameter;
    static GpFontFamily *family = Generic("Courier New");
    *nativeFamily = family;
    return Ok;
}

Status GdipCreateFont(const GpFontFamily *fontFamily, REAL emSize, INT style, INT unit, GpFont **font)
{
    if (!fontFamily || !font || emSize <= 0 || unit == UnitDisplay || unit < UnitWorld || unit > UnitMillimeter)
        return InvalidParameter;
    *font = new GpFont{fontFamily->Family, emSize, style, static_cast<Unit_>(unit)};
    return Ok;
}

Status GdipDeleteFont(GpFont *font)
{
    if (!font)
        return InvalidParameter;
    delete font;
    return Ok;
}

Status GdipGetFontSize(GpFont *font, REAL *size)
{
    if (!font || !size)
        return InvalidParameter;
    *size = font->EmSize;
    return Ok;
}

Status GdipGetFontStyle(GpFont *font, INT *style)
{
    if (!font || !style)
        return InvalidParameter;
    *style = font->Style;
    return Ok;
}

// ---- String formats ------------------------------------------------------------------------------

Status GdipCreateStringFormat(INT formatAttributes, LANGID language, GpStringFormat **format)
{
    if (!format)
        return InvalidParameter;
    *format = new GpStringFormat;
    (*format)->Flags = formatAttributes;
    (*format)->Language = language;
    return Ok;
}

Status GdipCloneStringFormat(const GpStringFormat *format, GpStringFormat **newFormat)
{
    if (!format || !newFormat)
        return InvalidParameter;
    *newFormat = new GpStringFormat(*format);
    return Ok;
}

Status GdipDeleteStringFormat(GpStringFormat *format)
{
    if (!format)
        return InvalidParameter;
    delete format;
    return Ok;
}

#define STRING_FORMAT_FIELD(SetName, GetName, Type, Field, Check)                                                      \
    Status SetName(GpStringFormat *format, Type value)                                                                 \
    {                                                                                                                  \
        if (!format || !(Check))                                                                                       \
            return InvalidParameter;                                                                                   \
        format->Field = value;                                                                                         \
        return Ok;                                                                                                     \
    }                                                                                                                  \
    Status GetName(GpStringFormat *format, Type *value)                                                                \
    {                                                                                                                  \
        if (!format || !value)                                                                                         \
            return InvalidParameter;                                                                                   \
        *value = format->Field;                                                                                        \
        return Ok;                                                                                                     \
    }

STRING_FORMAT_FIELD(GdipSetStringFormatAlign, GdipGetStringFormatAlign, StringAlignment, Align,
                    value >= StringAlignmentNear && value <= StringAlignmentFar)
STRING_FORMAT_FIELD(GdipSetStringFormatLineAlign, GdipGetStringFormatLineAlign, StringAlignment, LineAlign,
                    value >= StringAlignmentNear && value <= StringAlignmentFar)
STRING_FORMAT_FIELD(GdipSetStringFormatFlags, GdipGetStringFormatFlags, INT, Flags, true)
STRING_FORMAT_FIELD(GdipSetStringFormatTrimming, GdipGetStringFormatTrimming, StringTrimming, Trimming,
                    value >= StringTrimmingNone && value <= StringTrimmingEllipsisPath)
STRING_FORMAT_FIELD(GdipSetStringFormatHotkeyPrefix, GdipGetStringFormatHotkeyPrefix, INT, HotkeyPrefix,
                    value >= HotkeyPrefixNone && value <= HotkeyPrefixHide)

// ---- Strings -------------------------------------------------------------------------------------

Status GdipMeasureString(GpGraphics *graphics, const WCHAR *string, INT length, const GpFont *font,
                         const GpRectF *layoutRect, const GpStringFormat *stringFormat, GpRectF *boundingBox,
                         INT *codepointsFitted, INT *linesFilled)
{
    if (!graphics || !string || !font || !layoutRect || !boundingBox)
        return InvalidParameter;
    const QString text = TextOf(string, length);
    QSizeF size;
    const Layout l = LayoutFor(*font, text, *layoutRect, stringFormat, &size);
    double w = size.width(), h = size.height();
    if (layoutRect->Width > 0)
        w = std::min<double>(w, layoutRect->Width);
    if (layoutRect->Height > 0)
        h = std::min<double>(h, layoutRect->Height);
    double x = layoutRect->X, y = layoutRect->Y;
    if (l.Flags & Qt::AlignHCenter)
        x += layoutRect->Width > 0 ? (layoutRect->Width - w) / 2 : -w / 2;
    else if (l.Flags & Qt::AlignRight)
        x += layoutRect->Width > 0 ? layoutRect->Width - w : -w;
    if (l.Flags & Qt::AlignVCenter)
        y += layoutRect->Height > 0 ? (layoutRect->Height - h) / 2 : -h / 2;
    else if (l.Flags & Qt::AlignBottom)
        y += layoutRect->Height > 0 ? layoutRect->Height - h : -h;
    *boundingBox = {static_cast<REAL>(x), static_cast<REAL>(y), static_cast<REAL>(w), static_cast<REAL>(h)};
    if (codepointsFitted)
        *codepointsFitted = static_cast<INT>(text.size());
    if (linesFilled) {
        const double line = QFontMetricsF(font->Native()).lineSpacing();
        *linesFilled = text.isEmpty() ? 0 : std::max(1, static_cast<int>(std::lround(size.height() / line)));
    }
    return Ok;
}

Status GdipDrawString(GpGraphics *graphics, const WCHAR *string, INT length, const GpFont *font,
                      const GpRectF *layoutRect, const GpStringFormat *stringFormat, const GpBrush *brush)
{
    if (!graphics || !string || !font || !layoutRect || !brush)
        return InvalidParameter;
    const QString text = TextOf(string, length);
    if (text.isEmpty())
        return Ok;
    QSizeF size;
    const Layout l = LayoutFor(*font, text, *layoutRect, stringFormat, &size);
    QFont qf = font->Native();
    const bool smooth = graphics->TextHint == TextRenderingHintAntiAlias ||
                        graphics->TextHint == TextRenderingHintAntiAliasGridFit ||
                        graphics->TextHint == TextRenderingHintClearTypeGridFit;
    qf.setStyleStrategy(smooth ? QFont::PreferAntialias
                               : QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    const bool clip = layoutRect->Width > 0 && layoutRect->Height > 0 &&
                      !(stringFormat && (stringFormat->Flags & StringFormatFlagsNoClip));
    const QRectF bounds = l.Box.adjusted(-l.Pad, 0, l.Pad, 0) | QRectF(l.Box.topLeft(), size);
    PaintText(
        *graphics,
        [&](QPainter &p, const QTransform &toImage, bool, const std::function<QBrush(const GpBrush &)> &makeBrush) {
            // Text sits on whole pixels, as the canvas's text does.
            if (p.renderHints() & QPainter::Antialiasing)
                p.setTransform(toImage * QTransform::fromTranslate(-0.5, -0.5));
            if (clip)
                p.setClipRect(QRectF(layoutRect->X, layoutRect->Y, layoutRect->Width, layoutRect->Height),
                              Qt::IntersectClip);
            p.setFont(qf);
            p.setPen(QPen(makeBrush(*brush), 0));
            p.drawText(l.Box, l.Flags, text);
        },
        bounds);
    return Ok;
}
