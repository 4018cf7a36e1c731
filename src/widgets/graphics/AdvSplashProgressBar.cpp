#include "widgets/graphics/AdvSplashProgressBar.h"

#include <algorithm>
#include <cmath>

#include "platform/runtime/ClassBuilder.h"
#include "widgets/graphics/VersionNumber.h"

T_IMPLEMENT_CLASS(TAdvSplashProgressBar)
{
    using C = TAdvSplashProgressBar;
    b.Float("Step", &C::Step, &C::SetStep).Default(10.0);
    b.Float("Minimum", &C::Minimum, &C::SetMinimum).Default(0.0);
    b.Float("Maximum", &C::Maximum, &C::SetMaximum).Default(100.0);
    b.Float("Position", &C::Position, &C::SetPosition).Default(0.0);
    b.Bool("GlowAnimation", &C::GlowAnimation, &C::SetGlowAnimation).Default(false);
    b.Bool("ProgressAnimation", &C::ProgressAnimation, &C::SetProgressAnimation).Default(false);
    b.Object("Appearance", &C::Appearance, &C::SetAppearance);
    b.Str("Version", &C::Version, &C::SetVersion);
    b.Event("OnChange", &C::OnChange);
    b.Event("OnPositionChanged", &C::OnPositionChanged);
}

TAdvSplashProgressBar::TAdvSplashProgressBar(TComponent *AOwner)
    : TGraphicControl(AOwner), FAnimationTimer(std::make_unique<TTimer>(nullptr)),
      FAppearance(std::make_unique<TGDIPSplashProgress>())
{
    FAnimationTimer->SetInterval(10);
    FAnimationTimer->OnTimer = [this](TObject *) { AnimationTick(); };
    FAnimationTimer->SetEnabled(true);
    FAppearance->OnChange = TNotifyEvent(this, &TAdvSplashProgressBar::AppearanceChanged);
    const TComponentState ownerState = AOwner ? AOwner->ComponentState() : TComponentState();
    FDesignTime =
        ComponentState().Contains(csDesigning) && !ownerState.Contains(csReading) && !ownerState.Contains(csLoading);
    if (FDesignTime)
        SetComponentStyle(0);
    SetBounds(Left(), Top(), 150, 17);
}

TAdvSplashProgressBar::~TAdvSplashProgressBar()
{
    FAnimationTimer->SetEnabled(false);
    FAppearance->OnChange = nullptr;
}

QString TAdvSplashProgressBar::Version() const
{
    return VersionNumberText(PackVersionNumber(1, 2, 0, 0));
}

bool TAdvSplashProgressBar::ProgressAnimating() const
{
    const TComponentState s = ComponentState();
    return FProgressAnimation && !s.Contains(csDesigning) && !s.Contains(csLoading);
}

void TAdvSplashProgressBar::SetPosition(double value)
{
    value = std::clamp(value, std::min(FMinimum, FMaximum), FMaximum);
    if (ProgressAnimating()) {
        FPositionTo = value;
        return;
    }
    if (value == FPosition && value == FPositionTo && value == FPositionTemp)
        return;
    FPosition = FPositionTo = FPositionTemp = value;
    if (OnPositionChanged)
        OnPositionChanged(this, value);
    Invalidate();
}

void TAdvSplashProgressBar::SetMaximum(double value)
{
    if (SetChangedValue(FMaximum, value, [this] { Invalidate(); }) && value < FPosition)
        HoldPosition(value);
}

void TAdvSplashProgressBar::SetMinimum(double value)
{
    if (SetChangedValue(FMinimum, value, [this] { Invalidate(); }) && value > FPosition)
        HoldPosition(value);
}

void TAdvSplashProgressBar::HoldPosition(double bound)
{
    FPositionTo = bound;
    if (!ProgressAnimating())
        FPosition = FPositionTemp = bound;
}

void TAdvSplashProgressBar::SetStep(double value)
{
    SetChangedValue(FStep, value, [this] { Invalidate(); });
}

void TAdvSplashProgressBar::SetGlowAnimation(bool value)
{
    SetChangedValue(FGlowAnimation, value, [this] { Invalidate(); });
}

void TAdvSplashProgressBar::SetProgressAnimation(bool value)
{
    if (SetChangedValue(FProgressAnimation, value, [this] { Invalidate(); }) && !value)
        SetPosition(FPosition);
}

void TAdvSplashProgressBar::Assign(TPersistent *Source)
{
    auto *other = dynamic_cast<TAdvSplashProgressBar *>(Source);
    if (!other) {
        TGraphicControl::Assign(Source);
        return;
    }
    FAppearance->Assign(other->FAppearance.get());
    SetStep(other->FStep);
    SetMinimum(other->FMinimum);
    SetMaximum(other->FMaximum);
    SetGlowAnimation(other->FGlowAnimation);
    SetProgressAnimation(other->FProgressAnimation);
    SetPosition(other->FPosition);
}

void TAdvSplashProgressBar::AppearanceChanged(TObject *)
{
    const TGDIPSplashProgress *a = FAppearance.get();
    SetBounds(a->Left(), a->Top(), a->Width(), a->Height());
    SetVisible(a->Visible());
    SetStep(a->Step());
    SetMinimum(a->Minimum());
    SetMaximum(a->Maximum());
    SetPosition(a->Position());
    SetProgressAnimation(a->ProgressAnimation());
    SetGlowAnimation(a->GlowAnimation());
    Invalidate();
}

bool TAdvSplashProgressBar::AnimationInProgress() const
{
    return ProgressAnimating() && std::abs(FPositionTemp - FPositionTo) >= 0.001;
}

void TAdvSplashProgressBar::SetComponentStyle(int style)
{
    const TSplashStylePreset &p = SplashStylePreset(style);
    TGDIPFill *background = FAppearance->BackGroundFill();
    background->SetColor(p.Color);
    background->SetColorTo(p.ColorTo);
    background->SetBorderColor(p.BorderColor);
    TGDIPFill *progress = FAppearance->ProgressFill();
    progress->SetColor(p.ColorTo);
    progress->SetColorTo(p.Color);
    progress->SetBorderColor(p.BorderColor);
}

void TAdvSplashProgressBar::Resize()
{
    TGraphicControl::Resize();
    Invalidate();
}

// ---- Animation --------------------------------------------------------------------------------------

void TAdvSplashProgressBar::AnimationTick()
{
    if (ProgressAnimating()) {
        const double step = std::abs(FPositionTo - FPositionTemp) / 15;
        if (std::abs(FPositionTemp - FPositionTo) < 0.000001) {
            // At the target: only a value not shown yet is reported, so a resting bar stays quiet.
            const bool shown = FPosition == FPositionTo && FPositionTemp == FPositionTo;
            FPositionTemp = FPosition = FPositionTo;
            if (!shown) {
                if (OnPositionChanged)
                    OnPositionChanged(this, FPosition);
                Invalidate();
            }
        } else {
            const double move = std::max(step, 0.000001);
            FPositionTemp += FPositionTemp < FPositionTo ? move : -move;
            FPosition = FPositionTemp;
            if (OnPositionChanged)
                OnPositionChanged(this, FPosition);
            Invalidate();
        }
    }
    if (FGlowAnimation && FPosition > FMinimum) {
        if (FGlowCount >= 1500)
            FGlowPos += 3;
        const TGPRectF progress = FAppearance->CalculateProgressRectangle(FRect, FMinimum, FMaximum, FPosition);
        if (progress.Width >= FGlowPos) {
            FGlowCount += 10;
        } else {
            FGlowCount = 0;
            FGlowPos = -40;
        }
        Invalidate();
    }
}

// ---- Painting ---------------------------------------------------------------------------------------

void TAdvSplashProgressBar::Paint()
{
    TGraphicControl::Paint();
    TGPGraphics g(Canvas()->Handle());
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    g.SetTextRenderingHint(TextRenderingHintClearTypeGridFit);
    FRect = TRect(0, 0, Width(), Height());
    FAppearance->Draw(&g, FRect, FMinimum, FMaximum, FPosition);
    if (FGlowAnimation && FPosition > 0)
        DrawGlow(&g);
}

void TAdvSplashProgressBar::DrawGlow(TGPGraphics *g)
{
    const TGPRectF progress = FAppearance->CalculateProgressRectangle(FRect, FMinimum, FMaximum, FPosition);
    const TGPRectF inside = FAppearance->GetInsideRectF(FRect);
    TGPRegion clip(progress);
    g->SetClip(&clip);
    const REAL x = static_cast<REAL>(FGlowPos);
    const auto strip = [&](REAL left, ARGB from, ARGB to) {
        const TGPRectF r = MakeRect(left, inside.Y, 30.0f, inside.Height);
        TGPLinearGradientBrush brush(MakeRect(r.X - 1, r.Y - 1, r.Width + 2, r.Height + 2), from, to,
                                     LinearGradientModeHorizontal);
        g->FillRectangle(&brush, r);
    };
    strip(x - 30, ComposeARGB(0, 255, 255, 255), ComposeARGB(120, 255, 255, 255));
    strip(x, ComposeARGB(120, 255, 255, 255), ComposeARGB(0, 255, 255, 255));
    g->ResetClip();
}
