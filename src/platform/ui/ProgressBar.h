#pragma once
// TProgressBar: shows Position between Min and Max; StepIt advances it by Step.

#include "platform/runtime/EnumNames.h"
#include "platform/ui/NativeControl.h"

class QProgressBar;

enum TProgressBarOrientation { pbHorizontal, pbVertical };
inline constexpr auto ProgressBarOrientationNames = EnumNames<TProgressBarOrientation>("pbHorizontal", "pbVertical");

class TProgressBar : public TNativeControl {
    T_DECLARE_CLASS(TProgressBar, TNativeControl)

public:
    explicit TProgressBar(TComponent *AOwner);

    int Min() const { return FMin; }
    void SetMin(int value);
    int Max() const { return FMax; }
    void SetMax(int value);
    int Position() const { return FPosition; }
    void SetPosition(int value);
    int Step() const { return FStep; }
    void SetStep(int value) { FStep = value; }
    TProgressBarOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TProgressBarOrientation value);
    bool Smooth() const { return FSmooth; }
    void SetSmooth(bool value) { FSmooth = value; }
    void StepIt() { SetPosition(FPosition + FStep); }
    void StepBy(int delta) { SetPosition(FPosition + delta); }

protected:
    QWidget *CreateNative(QWidget *parent) override;
    bool TakesFocusOnClick() const override { return false; }  // it only shows
    void Show() const;
    void ShowIn(QProgressBar *bar) const;

private:
    int FMin = 0;
    int FMax = 100;
    int FPosition = 0;
    int FStep = 10;
    TProgressBarOrientation FOrientation = pbHorizontal;
    bool FSmooth = false;
};
