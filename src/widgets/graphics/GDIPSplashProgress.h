#pragma once
// TGDIPSplashProgress: how a splash screen's progress bar looks and where it stands: a background
// fill, a progress fill, fonts and a value text, the bar's bounds in the window, its range and
// position. It draws a bar into any GDI+ graphics (Draw); the splash component publishes one as
// its ProgressBar, the bar control (AdvSplashProgressBar.h) owns one.
//
// Events: writing a property with a different value fires OnChange (Sender: this object), and so
// do changes of the fills and fonts; writing Visible always fires it; Step is stored silently.
// Assign copies everything from another TGDIPSplashProgress (the animation flags included) and
// fires OnChange once; other sources are ignored.
//
// Drawing, in this order: the background fill over the bar less one pixel; the progress fill
// over the filled part of the inside (Minimum to Position of Minimum to Maximum; 0 wide when the
// range is empty), with soft end shadows when it is wider than 0; end shadows on the inside;
// the value text when ValueVisible; a white gloss over the top and the bottom of the inside.

#include <QString>

#include <memory>

#include "platform/runtime/Classes.h"
#include "platform/runtime/EnumNames.h"
#include "platform/runtime/Events.h"
#include "platform/ui/GraphicsFont.h"
#include "widgets/graphics/AdvGDIP.h"
#include "widgets/graphics/ChangedValue.h"
#include "widgets/graphics/GDIPFill.h"

enum TGDIPProgressValueType { vtPercentage, vtAbsolute };
inline constexpr auto GDIPProgressValueTypeNames = EnumNames<TGDIPProgressValueType>("vtPercentage", "vtAbsolute");
enum TGDIPProgressValuePosition { vpProgressCenter, vpProgressRight, vpCenter, vpLeft, vpRight, vpCustom };
inline constexpr auto GDIPProgressValuePositionNames = EnumNames<TGDIPProgressValuePosition>(
    "vpProgressCenter", "vpProgressRight", "vpCenter", "vpLeft", "vpRight", "vpCustom");

class TGDIPSplashProgress : public TPersistent {
    T_DECLARE_CLASS(TGDIPSplashProgress, TPersistent)
    TGDIPSplashProgress();
    ~TGDIPSplashProgress() override;

    TGDIPFill *BackGroundFill() const { return FBackGroundFill.get(); }
    void SetBackGroundFill(TGDIPFill *value) { FBackGroundFill->Assign(value); }
    TGDIPFill *ProgressFill() const { return FProgressFill.get(); }
    void SetProgressFill(TGDIPFill *value) { FProgressFill->Assign(value); }
    TFont *Font() const { return FFont.get(); }
    void SetFont(TFont *value) { FFont->Assign(value); }
    // The font of the value text where the progress fill lies under its middle.
    TFont *ProgressFont() const { return FProgressFont.get(); }
    void SetProgressFont(TFont *value) { FProgressFont->Assign(value); }
    // A format of one floating-point value ("%.0f%%").
    const QString &ValueFormat() const { return FValueFormat; }
    void SetValueFormat(const QString &value) { Set(FValueFormat, value); }
    TGDIPProgressValueType ValueType() const { return FValueType; }
    void SetValueType(TGDIPProgressValueType value) { Set(FValueType, value); }
    TGDIPProgressValuePosition ValuePosition() const { return FValuePosition; }
    void SetValuePosition(TGDIPProgressValuePosition value) { Set(FValuePosition, value); }
    // The text's offset in the bar for vpCustom.
    int ValuePositionLeft() const { return FValuePositionLeft; }
    void SetValuePositionLeft(int value) { Set(FValuePositionLeft, value); }
    int ValuePositionTop() const { return FValuePositionTop; }
    void SetValuePositionTop(int value) { Set(FValuePositionTop, value); }
    bool ValueVisible() const { return FValueVisible; }
    void SetValueVisible(bool value) { Set(FValueVisible, value); }
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    int Left() const { return FLeft; }
    void SetLeft(int value) { Set(FLeft, value); }
    int Top() const { return FTop; }
    void SetTop(int value) { Set(FTop, value); }
    int Width() const { return FWidth; }
    void SetWidth(int value) { Set(FWidth, value); }
    int Height() const { return FHeight; }
    void SetHeight(int value) { Set(FHeight, value); }
    double Step() const { return FStep; }
    void SetStep(double value) { FStep = value; }
    double Minimum() const { return FMinimum; }
    void SetMinimum(double value) { Set(FMinimum, value); }
    double Maximum() const { return FMaximum; }
    void SetMaximum(double value) { Set(FMaximum, value); }
    double Position() const { return FPosition; }
    void SetPosition(double value) { Set(FPosition, value); }
    bool ProgressAnimation() const { return FProgressAnimation; }
    bool GlowAnimation() const { return FGlowAnimation; }

    TNotifyEvent OnChange;

    void Assign(TPersistent *Source) override;
    void Draw(TGPGraphics *graphics, const TRect &r, double minimum, double maximum, double position);
    // The bar rectangle less its right and bottom pixel, inside the background's border.
    TGPRectF GetInsideRectF(const TRect &r) const;
    // The filled part of the inside (inside the progress fill's border); never narrower than 0.
    TGPRectF CalculateProgressRectangle(const TRect &r, double minimum, double maximum, double position) const;
    // The value text shown for the position: the value format of the position (vtAbsolute) or of
    // its percentage of the range (vtPercentage; the maximum for an empty range), the position
    // first held to the range. Empty when the format does not take one floating-point value.
    QString ValueText(double minimum, double maximum, double position) const;

private:
    template <class T>
    void Set(T &field, const T &value)
    {
        SetChangedValue(field, value, [this] { Changed(); });
    }
    void Changed();
    void DrawValue(TGPGraphics *graphics, const TRect &r, double minimum, double maximum, double position);

    std::unique_ptr<TGDIPFill> FBackGroundFill;
    QString FValueFormat = QStringLiteral("%.0f%%");
    TGDIPProgressValueType FValueType = vtAbsolute;
    std::unique_ptr<TGDIPFill> FProgressFill;
    int FValuePositionTop = 0;
    int FValuePositionLeft = 0;
    std::unique_ptr<TFont> FFont;
    TGDIPProgressValuePosition FValuePosition = vpCenter;
    bool FValueVisible = false;
    std::unique_ptr<TFont> FProgressFont;
    bool FVisible = false;
    int FHeight = 17;
    int FLeft = 50;
    int FWidth = 300;
    int FTop = 100;
    bool FProgressAnimation = false;
    bool FGlowAnimation = false;
    double FPosition = 0;
    double FStep = 10;
    double FMaximum = 100;
    double FMinimum = 0;

    friend class TAdvSplashProgressBar;
};

// Soft shadows 10 pixels wide at both ends of the rectangle (black fading from alpha 30).
void DrawEndShadows(TGPGraphics *graphics, const TGPRectF &r);

// Colours of one style preset of the graphics set's sixteen (the style number 0 to 15).
struct TSplashStylePreset {
    TColor Color;
    TColor ColorTo;
    TColor BorderColor;
};
// The preset of a style number; numbers outside 0 to 15 give the first.
const TSplashStylePreset &SplashStylePreset(int style);
