#pragma once
// TTrackBarSlider: the look of the track bar's groove: a band gradient (or a picture) of Size
// pixels across, Offset pixels in from the inner edge, with a plain or 3-D border, and optionally
// a "completed" look for the stretch from Min to the thumb. While Picture holds an image the
// groove is as thick as the picture (its width on a vertical track bar, its height on a
// horizontal one) and has no border: a change of any of the four pictures sets Size that way and
// BorderColor to clNone.

#include "widgets/graphics/TrackBarAppearance.h"
#include "widgets/graphics/TrackBarPaintHelpers.h"

class TTrackBarSlider : public TTrackBarAppearance {
    T_DECLARE_CLASS(TTrackBarSlider, TTrackBarAppearance)
    TTrackBarSlider();
    ~TTrackBarSlider() override;

    // Copies every published property from another slider; other sources raise EConvertError.
    void Assign(TPersistent *Source) override;

    TColor Color() const { return FColor; }
    void SetColor(TColor v) { Set(FColor, v); }
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor v) { Set(FColorTo, v); }
    trackbar::TGradientDirection Direction() const { return FDirection; }
    void SetDirection(trackbar::TGradientDirection v) { Set(FDirection, v); }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor v) { Set(FBorderColor, v); }
    TColor ColorDisabled() const { return FColorDisabled; }
    void SetColorDisabled(TColor v) { Set(FColorDisabled, v); }
    TColor ColorDisabledTo() const { return FColorDisabledTo; }
    void SetColorDisabledTo(TColor v) { Set(FColorDisabledTo, v); }
    TColor BorderColorDisabled() const { return FBorderColorDisabled; }
    void SetBorderColorDisabled(TColor v) { Set(FBorderColorDisabled, v); }
    TColor ColorCompleted() const { return FColorCompleted; }
    void SetColorCompleted(TColor v) { Set(FColorCompleted, v); }
    TColor ColorCompletedTo() const { return FColorCompletedTo; }
    void SetColorCompletedTo(TColor v) { Set(FColorCompletedTo, v); }
    TColor ColorCompletedDisabled() const { return FColorCompletedDisabled; }
    void SetColorCompletedDisabled(TColor v) { Set(FColorCompletedDisabled, v); }
    TColor ColorCompletedDisabledTo() const { return FColorCompletedDisabledTo; }
    void SetColorCompletedDisabledTo(TColor v) { Set(FColorCompletedDisabledTo, v); }

    TGDIPPicture *Picture() const { return FIPicture.get(); }
    void SetPicture(TGDIPPicture *v) { CopyPicture(FIPicture.get(), v); }
    TGDIPPicture *PictureDisabled() const { return FIPictureDisabled.get(); }
    void SetPictureDisabled(TGDIPPicture *v) { CopyPicture(FIPictureDisabled.get(), v); }
    TGDIPPicture *PictureCompleted() const { return FPictureCompleted.get(); }
    void SetPictureCompleted(TGDIPPicture *v) { CopyPicture(FPictureCompleted.get(), v); }
    TGDIPPicture *PictureCompletedDisabled() const { return FPictureCompletedDisabled.get(); }
    void SetPictureCompletedDisabled(TGDIPPicture *v) { CopyPicture(FPictureCompletedDisabled.get(), v); }
    bool PictureStretched() const { return FPictureStretched; }
    void SetPictureStretched(bool v) { Set(FPictureStretched, v); }

    // Thickness of the groove; 0 or less hides it.
    int Size() const { return FSize; }
    void SetSize(int v) { Set(FSize, v); }
    bool Border3D() const { return FBorder3D; }
    void SetBorder3D(bool v) { Set(FBorder3D, v); }
    // Corners of 7 pixels.
    bool Rounded() const { return FRounded; }
    void SetRounded(bool v) { Set(FRounded, v); }
    // A hidden groove is neither drawn nor used to place the thumb.
    bool Visible() const { return FVisible; }
    void SetVisible(bool v) { Set(FVisible, v); }
    // Distance from the inner rectangle's start across the track.
    int Offset() const { return FOffset; }
    void SetOffset(int v) { Set(FOffset, v); }
    // Gradient bands of the groove.
    int Steps() const { return FSteps; }

private:
    void PictureChanged();

    int FSteps = 20;
    TColor FColor = clWhite, FColorTo = clBlack;
    trackbar::TGradientDirection FDirection = trackbar::gdHorizontal;
    TColor FBorderColor = 12752500;
    bool FRounded = false;
    bool FBorder3D = true;
    std::unique_ptr<TGDIPPicture> FIPicture;
    TColor FColorDisabledTo = clBlack, FBorderColorDisabled = clBlack, FColorDisabled = clBlack;
    std::unique_ptr<TGDIPPicture> FIPictureDisabled;
    int FSize = 2;
    bool FVisible = true;
    bool FPictureStretched = false;
    TColor FColorCompletedDisabledTo = clNone, FColorCompletedTo = clNone, FColorCompleted = clNone,
           FColorCompletedDisabled = clNone;
    std::unique_ptr<TGDIPPicture> FPictureCompletedDisabled, FPictureCompleted;
    int FOffset = 10;
};
