#pragma once
// TAdvSplashProgressBar: the progress bar control of a splash window. It owns an appearance
// (TGDIPSplashProgress), keeps its own range and position, and paints the appearance over its
// client area. A change of the appearance makes the bar take the appearance's bounds, visibility,
// step, range, position and animation flags.
//
// Position: a write is held to Minimum..Maximum. Without progress animation the bar shows the
// value at once and fires OnPositionChanged with it (a write of the value already shown fires
// nothing); with it (ProgressAnimation, not while the form is read) the value becomes the target
// that a 10 ms timer approaches by a fifteenth of the remaining distance per tick, firing
// OnPositionChanged with every value shown on the way, until it snaps within 0.000001. Once the
// target is shown, the ticks fire nothing more.
// Glow (GlowAnimation, while the position is above Minimum): a white highlight sweeps along the
// filled part 3 pixels per tick, then rests 150 ticks. The timer runs for the bar's whole life.
// OnChange is never fired.

#include <memory>

#include "platform/runtime/Events.h"
#include "platform/runtime/Timer.h"
#include "platform/ui/ControlsGraphicControl.h"
#include "widgets/graphics/GDIPSplashProgress.h"

using TAdvSmoothProgressBarPositionChanged = TEvent<void(TObject *Sender, double Value)>;

class TAdvSplashProgressBar : public TGraphicControl {
    T_DECLARE_CLASS(TAdvSplashProgressBar, TGraphicControl)
    explicit TAdvSplashProgressBar(TComponent *AOwner);
    ~TAdvSplashProgressBar() override;

    double Step() const { return FStep; }
    void SetStep(double value);
    double Minimum() const { return FMinimum; }
    void SetMinimum(double value);
    double Maximum() const { return FMaximum; }
    void SetMaximum(double value);
    double Position() const { return FPosition; }
    void SetPosition(double value);
    bool GlowAnimation() const { return FGlowAnimation; }
    void SetGlowAnimation(bool value);
    bool ProgressAnimation() const { return FProgressAnimation; }
    void SetProgressAnimation(bool value);
    TGDIPSplashProgress *Appearance() const { return FAppearance.get(); }
    void SetAppearance(TGDIPSplashProgress *value) { FAppearance->Assign(value); }
    // "1.2.0.0"; writing does nothing.
    QString Version() const;
    void SetVersion(const QString &) {}

    TNotifyEvent OnChange;
    TAdvSmoothProgressBarPositionChanged OnPositionChanged;

    // From another splash progress bar: its range, step, position, animations and appearance.
    void Assign(TPersistent *Source) override;
    void Next() { Next(FStep); }
    void Next(double step) { SetPosition(FPosition + step); }
    void Previous() { Previous(FStep); }
    void Previous(double step) { SetPosition(FPosition - step); }
    void GoToValue(double value) { SetPosition(value); }
    void GoToStart() { SetPosition(FMinimum); }
    void GoToEnd() { SetPosition(FMaximum); }
    // The animated value is still more than 0.001 away from its target.
    bool AnimationInProgress() const;
    // The background and progress fills' colours of a style preset (0 to 15).
    void SetComponentStyle(int style);

    // The animation step of the 10 ms timer (tests call it to step without a clock).
    void AnimationTick();

protected:
    void Paint() override;
    void Resize() override;

private:
    bool ProgressAnimating() const;
    // A new end of the range passed the position: the position (or the animation's target) is the bound.
    void HoldPosition(double bound);
    void AppearanceChanged(TObject *);
    void DrawGlow(TGPGraphics *g);

    double FPositionTo = 0;    // target of the animation
    double FPositionTemp = 0;  // animated value
    TRect FRect;               // the rectangle last painted
    bool FDesignTime = false;
    int FGlowCount = 3000;
    double FGlowPos = -40;
    std::unique_ptr<TTimer> FAnimationTimer;
    double FMaximum = 100;
    std::unique_ptr<TGDIPSplashProgress> FAppearance;
    bool FGlowAnimation = false;
    double FMinimum = 0;
    bool FProgressAnimation = false;
    double FStep = 10;
    double FPosition = 0;
};
