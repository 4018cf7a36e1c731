#pragma once
// The font of a canvas or control: the framework's font names mapped onto the installed fonts,
// size in points or height in pixels at a pinned 96 pixels per inch, colour, styles, character
// set, pitch and escapement (Orientation, tenths of a degree, counter-clockwise).

#include <QFont>
#include <QString>

#include <cstdint>

#include "platform/runtime/Colors.h"
#include "platform/runtime/EnumNames.h"
#include "platform/ui/GraphicsObject.h"
#include "platform/runtime/Set.h"

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
inline constexpr auto FontStyleNames = EnumNames<TFontStyle>("fsBold", "fsItalic", "fsUnderline", "fsStrikeOut");

enum TFontPitch { fpDefault, fpVariable, fpFixed };
inline constexpr auto FontPitchNames = EnumNames<TFontPitch>("fpDefault", "fpVariable", "fpFixed");
enum TFontQuality { fqDefault, fqDraft, fqProof, fqNonAntialiased, fqAntialiased, fqClearType, fqClearTypeNatural };
inline constexpr auto FontQualityNames = EnumNames<TFontQuality>("fqDefault", "fqDraft", "fqProof", "fqNonAntialiased",
                                                                 "fqAntialiased", "fqClearType", "fqClearTypeNatural");

using TFontCharset = std::uint8_t;
constexpr TFontCharset ANSI_CHARSET = 0;
constexpr TFontCharset DEFAULT_CHARSET = 1;
constexpr TFontCharset SYMBOL_CHARSET = 2;
constexpr TFontCharset GB2312_CHARSET = 134;
constexpr TFontCharset CHINESEBIG5_CHARSET = 136;
constexpr TFontCharset OEM_CHARSET = 255;

// Names of the character sets for the Charset property.
TIdentMap CharsetIdents();

constexpr int ScreenPixelsPerInch = 96;

// Text metrics of a font as the framework reports them (pixels).
struct TTextMetric {
    int tmHeight = 0;            // ascent + descent: the line height of text output
    int tmAscent = 0;
    int tmDescent = 0;
    int tmInternalLeading = 0;   // tmHeight minus the em size
    int tmExternalLeading = 0;
    int tmAveCharWidth = 0;
    int tmMaxCharWidth = 0;
    int tmWeight = 400;
    bool tmItalic = false;
    bool tmUnderlined = false;
    bool tmStruckOut = false;
    std::uint8_t tmPitchAndFamily = 0;  // TMPF_* bits
    TFontCharset tmCharSet = DEFAULT_CHARSET;
};
constexpr std::uint8_t TMPF_FIXED_PITCH = 0x01;  // set for variable-pitch fonts, as the system does
constexpr std::uint8_t TMPF_VECTOR = 0x02;
constexpr std::uint8_t TMPF_TRUETYPE = 0x04;

class TFont : public TGraphicsObject {
    T_DECLARE_CLASS(TFont, TGraphicsObject)
    TFont() = default;

    const QString &Name() const { return name_; }
    void SetName(const QString &value);
    // Negative: character height (em size) in pixels; positive: cell height (ascent + descent).
    int Height() const { return height_; }
    void SetHeight(int value);
    // Points at 96 pixels per inch, derived from Height.
    int Size() const;
    void SetSize(int value);
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles value);
    TFontCharset Charset() const { return charset_; }
    void SetCharset(TFontCharset value);
    TFontPitch Pitch() const { return pitch_; }
    void SetPitch(TFontPitch value);
    int Orientation() const { return orientation_; }
    void SetOrientation(int value);
    TFontQuality Quality() const { return quality_; }
    void SetQuality(TFontQuality value);
    int PixelsPerInch() const { return ScreenPixelsPerInch; }

    void Assign(TPersistent *Source) override;
    // True when every attribute equals the other font's.
    bool SameAs(const TFont &other) const;

    // The installed font that draws this font (no anti-aliasing, no kerning).
    QFont NativeFont() const;
    TTextMetric Metrics() const;
    // Width of the text in pixels (advance, as text output moves the pen).
    int TextWidth(const QString &text) const;

private:
    void Set(auto &field, auto value);

    QString name_ = QStringLiteral("Tahoma");
    int height_ = -11;
    TColor color_ = clWindowText;
    TFontStyles style_;
    TFontCharset charset_ = DEFAULT_CHARSET;
    TFontPitch pitch_ = fpDefault;
    int orientation_ = 0;
    TFontQuality quality_ = fqDefault;
};

// The installed family that stands in for a font name of the original platform (Arial, Tahoma,
// Times New Roman, Courier New, MS Sans Serif, Symbol, the Chinese UI fonts ...). Installed names
// pass through; unknown names fall back to the default sans-serif family.
QString MapFontFamily(const QString &name);
// True when MapFontFamily knows the name (one of the original platform's names it maps, or an
// installed family) rather than falling back.
bool FontFamilyKnown(const QString &name);

// Metrics of a font in pixels; the same numbers TFont::Metrics gives.
TTextMetric NativeFontMetrics(const QFont &font, int height, TFontCharset charset);
