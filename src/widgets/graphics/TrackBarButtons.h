#pragma once
// TTrackBarButtons: the track bar's two optional step buttons (min at the Min end, max at the Max
// end): shape or pictures per state, colours per state, size, gap to the track, step and the
// auto-repeat while a button is held (InitRepeatPause, then every RepeatPause ms). While MinPicture
// or MaxPicture holds an image, Size follows it (its height on a vertical track bar, its width on a
// horizontal one; MinPicture first) and writes of Size are ignored.
//
// Streaming: ColorMirror and ColorMirrorTo have stream defaults (12632256 and 16777215) that
// differ from their initial values, so a definition that leaves them out keeps 15586496 and
// 16245200.

#include "platform/runtime/EnumNames.h"
#include "widgets/graphics/TrackBarAppearance.h"
#include "widgets/graphics/TrackBarPaintHelpers.h"

enum TTrackButtonShape { bsRound, bsRectangle };
inline constexpr auto TrackButtonShapeNames = EnumNames<TTrackButtonShape>("bsRound", "bsRectangle");

class TTrackBarButtons : public TTrackBarAppearance {
    T_DECLARE_CLASS(TTrackBarButtons, TTrackBarAppearance)
    TTrackBarButtons();
    ~TTrackBarButtons() override;

    // Copies every published property from other buttons; other sources raise EConvertError.
    void Assign(TPersistent *Source) override;
    // Takes Size from the pictures (see above) and reports a change; nothing without an owner.
    void UpdateSize();

    bool Visible() const { return FVisible; }
    void SetVisible(bool v) { Set(FVisible, v); }
    TTrackButtonShape Shape() const { return FShape; }
    void SetShape(TTrackButtonShape v) { Set(FShape, v); }
    // Length of a button along the track; ignored while a button picture holds an image.
    int Size() const { return FSize; }
    void SetSize(int v);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int v) { Set(FSpacing, v); }
    // Plain: value change per step, auto-repeat and its pauses in ms.
    int Step() const { return FStep; }
    void SetStep(int v) { FStep = v; }
    bool RepeatClick() const { return FRepeatClick; }
    void SetRepeatClick(bool v) { FRepeatClick = v; }
    int InitRepeatPause() const { return FInitRepeatPause; }
    void SetInitRepeatPause(int v) { FInitRepeatPause = v; }
    int RepeatPause() const { return FRepeatPause; }
    void SetRepeatPause(int v) { FRepeatPause = v; }
    // The minus glyph runs along a vertical track bar.
    bool RotateText() const { return FRotateText; }
    void SetRotateText(bool v) { Set(FRotateText, v); }

    TColor Color() const { return FColor; }
    void SetColor(TColor v) { Set(FColor, v); }
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor v) { Set(FColorTo, v); }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor v) { Set(FBorderColor, v); }
    TColor ColorHot() const { return FColorHot; }
    void SetColorHot(TColor v) { Set(FColorHot, v); }
    TColor ColorHotTo() const { return FColorHotTo; }
    void SetColorHotTo(TColor v) { Set(FColorHotTo, v); }
    TColor BorderColorHot() const { return FBorderColorHot; }
    void SetBorderColorHot(TColor v) { Set(FBorderColorHot, v); }
    TColor ColorDown() const { return FColorDown; }
    void SetColorDown(TColor v) { Set(FColorDown, v); }
    TColor ColorDownTo() const { return FColorDownTo; }
    void SetColorDownTo(TColor v) { Set(FColorDownTo, v); }
    TColor BorderColorDown() const { return FBorderColorDown; }
    void SetBorderColorDown(TColor v) { Set(FBorderColorDown, v); }
    // The mirror colours are plain.
    TColor ColorMirror() const { return FColorMirror; }
    void SetColorMirror(TColor v) { FColorMirror = v; }
    TColor ColorMirrorTo() const { return FColorMirrorTo; }
    void SetColorMirrorTo(TColor v) { FColorMirrorTo = v; }
    TColor ColorMirrorHot() const { return FColorMirrorHot; }
    void SetColorMirrorHot(TColor v) { FColorMirrorHot = v; }
    TColor ColorMirrorHotTo() const { return FColorMirrorHotTo; }
    void SetColorMirrorHotTo(TColor v) { FColorMirrorHotTo = v; }
    TColor ColorMirrorDown() const { return FColorMirrorDown; }
    void SetColorMirrorDown(TColor v) { FColorMirrorDown = v; }
    TColor ColorMirrorDownTo() const { return FColorMirrorDownTo; }
    void SetColorMirrorDownTo(TColor v) { FColorMirrorDownTo = v; }
    TGDIPGradient Gradient() const { return FGradient; }
    void SetGradient(TGDIPGradient v) { Set(FGradient, v); }
    TGDIPGradient GradientMirror() const { return FGradientMirror; }
    void SetGradientMirror(TGDIPGradient v) { Set(FGradientMirror, v); }
    int CornerRadius() const { return FCornerRadius; }

    TGDIPPicture *MinPicture() const { return FIMinPicture.get(); }
    void SetMinPicture(TGDIPPicture *v) { CopyPicture(FIMinPicture.get(), v); }
    TGDIPPicture *MaxPicture() const { return FIMaxPicture.get(); }
    void SetMaxPicture(TGDIPPicture *v) { CopyPicture(FIMaxPicture.get(), v); }
    // The hot and down pictures are copied without a change report.
    TGDIPPicture *MinPictureHot() const { return FIMinPictureHot.get(); }
    void SetMinPictureHot(TGDIPPicture *v) { CopyPicture(FIMinPictureHot.get(), v); }
    TGDIPPicture *MinPictureDown() const { return FIMinPictureDown.get(); }
    void SetMinPictureDown(TGDIPPicture *v) { CopyPicture(FIMinPictureDown.get(), v); }
    TGDIPPicture *MaxPictureHot() const { return FIMaxPictureHot.get(); }
    void SetMaxPictureHot(TGDIPPicture *v) { CopyPicture(FIMaxPictureHot.get(), v); }
    TGDIPPicture *MaxPictureDown() const { return FIMaxPictureDown.get(); }
    void SetMaxPictureDown(TGDIPPicture *v) { CopyPicture(FIMaxPictureDown.get(), v); }

private:
    bool FVisible = false;
    TColor FColorHot = 15465983, FColor = 15653832, FColorTo = 16178633, FColorHotTo = 11332863;
    TColor FColorDownTo = 4296947, FColorDown = 7778289;
    TColor FBorderColorDown = 4548219, FBorderColorHot = 10079963, FBorderColor = 9262895;
    std::unique_ptr<TGDIPPicture> FIMaxPictureHot, FIMaxPictureDown, FIMinPicture, FIMaxPicture, FIMinPictureHot,
        FIMinPictureDown;
    TTrackButtonShape FShape = bsRound;
    TColor FColorMirror = 15586496, FColorMirrorTo = 16245200, FColorMirrorHot = 5888767;
    TColor FColorMirrorDownTo = 5021693, FColorMirrorHotTo = 10807807, FColorMirrorDown = 946929;
    TGDIPGradient FGradientMirror = ggVertical, FGradient = ggVertical;
    int FCornerRadius = 0;
    bool FRepeatClick = true;
    int FInitRepeatPause = 400;
    int FRepeatPause = 100;
    int FSize = 20;
    int FSpacing = 2;
    int FStep = 1;
    bool FRotateText = true;
};
