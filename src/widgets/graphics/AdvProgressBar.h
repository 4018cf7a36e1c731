#pragma once
// TAdvProgressBar: a windowless progress bar whose fill changes colour by level. Below Level1Perc
// percent it takes the level 0 colour pair, from Level1Perc the level 1 pair, from Level2Perc the
// level 2 pair and at 100 % the level 3 pair; each pair is a two-way gradient across the bar. The
// fill is one smooth bar (CompletionSmooth) or a row of 7-pixel blocks two pixels apart; Stacked
// draws the levels side by side instead. The percentage (or the raw position, or Format with the
// position and Max) is centred over it. Infinite shows a window of about 22 pixels that slides to
// and fro while Animated.
//
// The percentage is (Position - Min) / (Max - Min), rounded with halves to even, 0 when Max = Min,
// and drawn as at most 100 % and at least 0 % (Min and Max may be written past Position).
//
// Painting: every property write that changes a value invalidates the bar; SetPosition instead
// paints at once (synchronously, onto the parent's image) when the change shows: a new percent or
// block of (Max - Min) / 100 units, a position on such a block boundary, a range below 100 units,
// or a text that shows the raw position. Everything is drawn into an off-screen bitmap first; a
// rounded bar leaves its corners out (magenta is its transparent key) so the parent shows there.
//
// The progress window sets Position to 0, then Max, advances with Position := Position + 1 and
// completes with Position := Max.

#include <QString>

#include <memory>

#include "platform/runtime/EnumNames.h"
#include "platform/runtime/StoreChanged.h"
#include "platform/runtime/Timer.h"
#include "platform/ui/ControlsGraphicControl.h"

class TBitmap;

enum TGaugeOrientation { goHorizontal, goVertical };
inline constexpr auto GaugeOrientationNames = EnumNames<TGaugeOrientation>("goHorizontal", "goVertical");

// What one paint draws, taken from the bar's fields (Position is the percentage, Value the raw
// position).
struct TGaugeSettings {
    TColor Level0Color, Level0ColorTo, Level1Color, Level1ColorTo;
    TColor Level2Color, Level2ColorTo, Level3Color, Level3ColorTo;
    int Level1Perc, Level2Perc;
    TColor BorderColor, Level0BkColor, Level1BkColor, Level2BkColor;
    bool ShowBorder, Stacked, ShowPercentage, ShowPosition;
    const TFont *Font;
    bool CompletionSmooth, ShowGradient;
    int Steps;
    int Position;
    int Value;
    int Max;
    TColor BackgroundColor;
    TGaugeOrientation Orientation;
    bool Rounded;
    QString Format;
    bool Infinite;
    int InfinitePos;
};

// Paints the bar described by `settings` into `r` (origin 0, 0) of the canvas.
void DrawGauge(TCanvas *canvas, const TRect &r, const TGaugeSettings &settings);

class TAdvProgressBar : public TGraphicControl {
    T_DECLARE_CLASS(TAdvProgressBar, TGraphicControl)
    explicit TAdvProgressBar(TComponent *AOwner);
    ~TAdvProgressBar() override;

    // ---- Range and position ----
    int Position() const { return FPosition; }
    // Clamps to Min..Max, stores and paints at once when the change shows (see above).
    virtual void SetPosition(int value);
    int Min() const { return FMin; }
    // Neither clamps Position.
    void SetMin(int value);
    int Max() const { return FMax; }
    void SetMax(int value);
    // The percentage shown for the current position (0 to 100).
    int Percent() const;

    // ---- Level colours ----
    TColor Level0Color() const { return FLevel0Color; }
    void SetLevel0Color(TColor value) { Set(FLevel0Color, value); }
    TColor Level0ColorTo() const { return FLevel0ColorTo; }
    void SetLevel0ColorTo(TColor value) { Set(FLevel0ColorTo, value); }
    TColor Level1Color() const { return FLevel1Color; }
    void SetLevel1Color(TColor value) { Set(FLevel1Color, value); }
    TColor Level1ColorTo() const { return FLevel1ColorTo; }
    void SetLevel1ColorTo(TColor value) { Set(FLevel1ColorTo, value); }
    TColor Level2Color() const { return FLevel2Color; }
    void SetLevel2Color(TColor value) { Set(FLevel2Color, value); }
    TColor Level2ColorTo() const { return FLevel2ColorTo; }
    void SetLevel2ColorTo(TColor value) { Set(FLevel2ColorTo, value); }
    TColor Level3Color() const { return FLevel3Color; }
    void SetLevel3Color(TColor value) { Set(FLevel3Color, value); }
    TColor Level3ColorTo() const { return FLevel3ColorTo; }
    void SetLevel3ColorTo(TColor value) { Set(FLevel3ColorTo, value); }
    int Level1Perc() const { return FLevel1Perc; }
    void SetLevel1Perc(int value) { Set(FLevel1Perc, value); }
    int Level2Perc() const { return FLevel2Perc; }
    void SetLevel2Perc(int value) { Set(FLevel2Perc, value); }
    // Background of the three level zones; clNone leaves a zone in BackgroundColor.
    TColor Level0BkColor() const { return FLevel0BkColor; }
    void SetLevel0BkColor(TColor value) { Set(FLevel0BkColor, value); }
    TColor Level1BkColor() const { return FLevel1BkColor; }
    void SetLevel1BkColor(TColor value) { Set(FLevel1BkColor, value); }
    TColor Level2BkColor() const { return FLevel2BkColor; }
    void SetLevel2BkColor(TColor value) { Set(FLevel2BkColor, value); }

    // ---- Look ----
    TColor BackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(TColor value) { Set(FBackgroundColor, value); }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value) { Set(FBorderColor, value); }
    bool ShowBorder() const { return FShowBorder; }
    void SetShowBorder(bool value) { Set(FShowBorder, value); }
    bool Stacked() const { return FStacked; }
    void SetStacked(bool value) { Set(FStacked, value); }
    bool CompletionSmooth() const { return FCompletionSmooth; }
    void SetCompletionSmooth(bool value) { Set(FCompletionSmooth, value); }
    bool ShowGradient() const { return FShowGradient; }
    void SetShowGradient(bool value) { Set(FShowGradient, value); }
    // Gradient bands per half of the bar (0 counts as 1).
    int Steps() const { return FSteps; }
    void SetSteps(int value) { Set(FSteps, value); }
    bool ShowPercentage() const { return FShowPercentage; }
    void SetShowPercentage(bool value) { Set(FShowPercentage, value); }
    // Whether any text is drawn.
    bool ShowPosition() const { return FShowPosition; }
    void SetShowPosition(bool value) { Set(FShowPosition, value); }
    // The font of the text (the published Font); writing copies the given font.
    TFont *FontPercentage() const { return FFontPercentage.get(); }
    void SetFontPercentage(TFont *value);
    // The text as Format(format, position, Max); a format that does not fit two integers shows
    // the plain text instead.
    const QString &Format() const { return FFormat; }
    void SetFormat(const QString &value) { Set(FFormat, value); }
    TGaugeOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TGaugeOrientation value) { Set(FOrientation, value); }
    bool Rounded() const { return FRounded; }
    void SetRounded(bool value) { Set(FRounded, value); }

    // ---- Infinite mode ----
    bool Animated() const { return FAnimated; }
    void SetAnimated(bool value);
    bool Infinite() const { return FInfinite; }
    // True also restarts the sliding window at 0.
    void SetInfinite(bool value);
    int InfiniteInterval() const { return FInfiniteInterval; }
    // Only the timer's interval: nothing repaints.
    void SetInfiniteInterval(int value);
    int InfinitePos() const { return FInfinitePos; }

    // "1.2.0.1"; writing does nothing.
    QString Version() const;
    void SetVersion(const QString &) {}
    static int GetVersionNr();

    // The snapshot one paint draws from.
    TGaugeSettings Settings() const;

protected:
    void Paint() override;

protected:  // message handlers, registered by number in the class description
    void WMEraseBkgnd(TMessage &m);

private:
    template <class T>
    void Set(T &field, const T &value)
    {
        if (StoreChanged(field, value))
            Invalidate();
    }
    void FontChanged(TObject *) { Invalidate(); }
    void TimerTick(TObject *);
    void UpdateTimer();
    // True when the text shows the raw position, which changes with every step.
    bool TextFollowsValue() const;

    TColor FLevel0Color = 0x00FF00, FLevel0ColorTo = 0xE1FFE1;
    TColor FLevel1Color = 0x00FFFF, FLevel1ColorTo = 0xCAFFFF;
    TColor FLevel2Color = 0x53A9FF, FLevel2ColorTo = 0xA8D3FF;
    TColor FLevel3Color = 0x0000FF, FLevel3ColorTo = 0xCACAFF;
    int FLevel1Perc = 70;
    int FLevel2Perc = 90;
    TColor FBorderColor = 0x808080;
    bool FShowBorder = true;
    bool FStacked = false;
    bool FShowPercentage = true;
    std::unique_ptr<TFont> FFontPercentage;
    bool FCompletionSmooth = false;
    bool FShowGradient = true;
    int FSteps = 8;
    TColor FBackgroundColor = 0xFFFFFF;
    TGaugeOrientation FOrientation = goHorizontal;
    bool FShowPosition = true;
    int FPosition = 50;
    int FMin = 0;
    int FMax = 100;
    int FMaxIncrement = 1;  // (Max - Min) div 100: the units of one repaint step
    bool FRounded = true;
    QString FFormat;
    bool FAnimated = false;
    bool FInfinite = false;
    int FInfinitePos = 0;
    bool FInfiniteInc = false;
    int FInfiniteInterval = 50;
    int FOldBlockPos = 0;
    int FOldPos = 0;
    std::unique_ptr<TTimer> FTimer;
    TColor FLevel0BkColor = clNone, FLevel1BkColor = clNone, FLevel2BkColor = clNone;
};
