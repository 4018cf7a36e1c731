#include "platform/ui/GraphicsFont.h"

#include "platform/runtime/ClassBuilder.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

#include <cmath>
#include <map>
#include <mutex>

namespace {

constexpr TIdentMapEntry kCharsets[] = {
    {0, "ANSI_CHARSET"},        {1, "DEFAULT_CHARSET"},   {2, "SYMBOL_CHARSET"},
    {77, "MAC_CHARSET"},        {128, "SHIFTJIS_CHARSET"}, {129, "HANGEUL_CHARSET"},
    {130, "JOHAB_CHARSET"},     {134, "GB2312_CHARSET"},  {136, "CHINESEBIG5_CHARSET"},
    {161, "GREEK_CHARSET"},     {162, "TURKISH_CHARSET"}, {163, "VIETNAMESE_CHARSET"},
    {177, "HEBREW_CHARSET"},    {178, "ARABIC_CHARSET"},  {186, "BALTIC_CHARSET"},
    {204, "RUSSIAN_CHARSET"},   {222, "THAI_CHARSET"},    {238, "EASTEUROPE_CHARSET"},
    {255, "OEM_CHARSET"},
};

const QString kSans = QStringLiteral("Liberation Sans");
const QString kSerif = QStringLiteral("Liberation Serif");
const QString kMono = QStringLiteral("Liberation Mono");
const QString kDejaVu = QStringLiteral("DejaVu Sans");
const QString kChinese = QStringLiteral("WenQuanYi Micro Hei");

struct FontAlias {
    const char16_t *name;
    const QString *family;
};

// Font names of the original platform and the installed family that stands in for each.
const FontAlias kFontAliases[] = {
    {u"Arial", &kSans},           {u"Tahoma", &kSans},           {u"MS Sans Serif", &kSans},
    {u"Microsoft Sans Serif", &kSans}, {u"MS Shell Dlg", &kSans}, {u"MS Shell Dlg 2", &kSans},
    {u"Segoe UI", &kSans},        {u"System", &kSans},           {u"Helvetica", &kSans},
    {u"Arial Narrow", &kSans},    {u"Verdana", &kDejaVu},        {u"Times New Roman", &kSerif},
    {u"Times", &kSerif},          {u"MS Serif", &kSerif},        {u"Courier New", &kMono},
    {u"Courier", &kMono},         {u"Lucida Console", &kMono},   {u"Fixedsys", &kMono},
    {u"Terminal", &kMono},        {u"Consolas", &kMono},         {u"Symbol", &kDejaVu},
    {u"Wingdings", &kDejaVu},     {u"Webdings", &kDejaVu},       {u"Marlett", &kDejaVu},
    {u"\u5B8B\u4F53", &kChinese},  // SimSun
    {u"SimSun", &kChinese},       {u"\u65B0\u5B8B\u4F53", &kChinese},  // NSimSun
    {u"NSimSun", &kChinese},      {u"\u9ED1\u4F53", &kChinese},  // SimHei
    {u"SimHei", &kChinese},       {u"Microsoft YaHei", &kChinese},
    {u"\u5FAE\u8F6F\u96C5\u9ED1", &kChinese},  // Microsoft YaHei
    {u"\u6977\u4F53", &kChinese}, {u"KaiTi", &kChinese},          {u"\u4EFF\u5B8B", &kChinese},
    {u"FangSong", &kChinese},
};

constexpr int kDefaultEmPixels = 12;

// Cell height (ascent + descent) of the family at `em` pixels.
int CellHeight(QFont font, int em)
{
    font.setPixelSize(em);
    QFontMetrics fm(font);
    return fm.ascent() + fm.descent();
}

}  // namespace

TIdentMap CharsetIdents()
{
    return kCharsets;
}

namespace {

// The family a font name of the original platform stands for, or nullptr; `trimmed` receives
// the name without blanks and the vertical-writing '@'.
const QString *AliasFamily(const QString &name, QString &trimmed)
{
    trimmed = name.trimmed();
    if (trimmed.startsWith(u'@'))
        trimmed.remove(0, 1);
    for (const FontAlias &a : kFontAliases)
        if (trimmed.compare(QString::fromUtf16(a.name), Qt::CaseInsensitive) == 0)
            return a.family;
    return nullptr;
}

}  // namespace

QString MapFontFamily(const QString &name)
{
    QString trimmed;
    if (const QString *family = AliasFamily(name, trimmed))
        return *family;
    if (!trimmed.isEmpty() && QFontDatabase::hasFamily(trimmed))
        return trimmed;
    return kSans;
}

bool FontFamilyKnown(const QString &name)
{
    QString trimmed;
    if (AliasFamily(name, trimmed))
        return true;
    return !trimmed.isEmpty() && QFontDatabase::hasFamily(trimmed);
}

TTextMetric NativeFontMetrics(const QFont &font, int height, TFontCharset charset)
{
    QFontMetrics fm(font);
    TTextMetric m;
    m.tmAscent = fm.ascent();
    m.tmDescent = fm.descent();
    m.tmHeight = m.tmAscent + m.tmDescent;
    const int em = font.pixelSize() > 0 ? font.pixelSize() : (height < 0 ? -height : m.tmHeight);
    m.tmInternalLeading = std::max(0, m.tmHeight - em);
    m.tmExternalLeading = std::max(0, fm.leading());
    m.tmAveCharWidth = fm.averageCharWidth();
    m.tmMaxCharWidth = fm.maxWidth();
    m.tmWeight = font.bold() ? 700 : 400;
    m.tmItalic = font.italic();
    m.tmUnderlined = font.underline();
    m.tmStruckOut = font.strikeOut();
    m.tmPitchAndFamily = TMPF_TRUETYPE | TMPF_VECTOR;
    if (!QFontInfo(font).fixedPitch())
        m.tmPitchAndFamily |= TMPF_FIXED_PITCH;
    m.tmCharSet = charset;
    return m;
}

T_IMPLEMENT_CLASS(TFont)
{
    b.Int("Charset", &TFont::Charset, &TFont::SetCharset).Idents(CharsetIdents());
    b.Color("Color", &TFont::Color, &TFont::SetColor).Idents(ColorIdents());
    b.Int("Height", &TFont::Height, &TFont::SetHeight);
    b.Str("Name", &TFont::Name, &TFont::SetName);
    b.Int("Orientation", &TFont::Orientation, &TFont::SetOrientation).Default(0);
    b.Enum("Pitch", &TFont::Pitch, &TFont::SetPitch, FontPitchNames).Default(fpDefault);
    b.Int("Size", &TFont::Size, &TFont::SetSize).Stored(false);
    b.Set("Style", &TFont::Style, &TFont::SetStyle, FontStyleNames).Default(TFontStyles{});
    b.Enum("Quality", &TFont::Quality, &TFont::SetQuality, FontQualityNames).Default(fqDefault);
}

void TFont::Set(auto &field, auto value)
{
    if (field == value)
        return;
    field = value;
    Changed();
}

void TFont::SetName(const QString &value)
{
    if (!value.isEmpty())
        Set(name_, value);
}

void TFont::SetHeight(int value) { Set(height_, value); }

int TFont::Size() const
{
    // The framework rounds -Height * 72 / 96 to the nearest point.
    return static_cast<int>(std::lround(-height_ * 72.0 / ScreenPixelsPerInch));
}

void TFont::SetSize(int value)
{
    SetHeight(-static_cast<int>(std::lround(value * static_cast<double>(ScreenPixelsPerInch) / 72.0)));
}

void TFont::SetColor(TColor value) { Set(color_, value); }
void TFont::SetStyle(TFontStyles value) { Set(style_, value); }
void TFont::SetCharset(TFontCharset value) { Set(charset_, value); }
void TFont::SetPitch(TFontPitch value) { Set(pitch_, value); }
void TFont::SetOrientation(int value) { Set(orientation_, value); }
void TFont::SetQuality(TFontQuality value) { Set(quality_, value); }

void TFont::Assign(TPersistent *Source)
{
    if (auto *f = dynamic_cast<TFont *>(Source)) {
        if (f == this)
            return;
        if (SameAs(*f))
            return;
        name_ = f->name_;
        height_ = f->height_;
        color_ = f->color_;
        style_ = f->style_;
        charset_ = f->charset_;
        pitch_ = f->pitch_;
        orientation_ = f->orientation_;
        quality_ = f->quality_;
        Changed();
        return;
    }
    inherited::Assign(Source);
}

bool TFont::SameAs(const TFont &o) const
{
    return name_ == o.name_ && height_ == o.height_ && color_ == o.color_ && style_ == o.style_ &&
           charset_ == o.charset_ && pitch_ == o.pitch_ && orientation_ == o.orientation_ && quality_ == o.quality_;
}

QFont TFont::NativeFont() const
{
    QFont f;
    QString family = MapFontFamily(name_);
    if (pitch_ == fpFixed && family == kSans && name_.compare(kSans, Qt::CaseInsensitive) != 0)
        family = kMono;
    f.setFamily(family);
    f.setBold(style_.Contains(fsBold));
    f.setItalic(style_.Contains(fsItalic));
    f.setUnderline(style_.Contains(fsUnderline));
    f.setStrikeOut(style_.Contains(fsStrikeOut));
    f.setKerning(false);
    f.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    f.setHintingPreference(QFont::PreferFullHinting);
    int em = kDefaultEmPixels;
    if (height_ < 0) {
        em = -height_;
    } else if (height_ > 0) {
        // A positive height is the cell height: scale the em size to fit it.
        const int cell = CellHeight(f, height_);
        em = cell > 0 ? std::max(1, static_cast<int>(std::lround(static_cast<double>(height_) * height_ / cell)))
                      : height_;
    }
    f.setPixelSize(em);
    return f;
}

TTextMetric TFont::Metrics() const
{
    return NativeFontMetrics(NativeFont(), height_, charset_);
}

int TFont::TextWidth(const QString &text) const
{
    return QFontMetrics(NativeFont()).horizontalAdvance(text);
}
