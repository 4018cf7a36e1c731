#pragma once
// TTrackBarThumb: the look of the track bar's thumb: its shape and size, or a picture per state
// (normal, hot, down, disabled), and the colours of a drawn shape per state.
//
// Size rules: Width is the thumb's extent along the track, Size its extent across. While Picture
// holds an image both follow it and writes of either are ignored: a change of any of the four
// pictures (and the owner's Loaded) sets Width to the picture's height and Size to its width on a
// vertical track bar (width and height on a horizontal one). ThumbPointer changes only when the
// owning track bar allows it (TCustomTrackBar::AllowThumbPointer).

#include "platform/runtime/EnumNames.h"
#include "widgets/graphics/TrackBarAppearance.h"
#include "widgets/graphics/TrackBarPaintHelpers.h"

enum TThumbShape {
    tsPointer,
    tsRectangle,
    tsRoundRect,
    tsRound,
    tsLine,
    tsPointerLeftUp,
    tsPointerRightUp,
    tsTriangle,
    tsTriangleLeft,
    tsTriangleRight
};
inline constexpr auto ThumbShapeNames =
    EnumNames<TThumbShape>("tsPointer", "tsRectangle", "tsRoundRect", "tsRound", "tsLine", "tsPointerLeftUp",
                           "tsPointerRightUp", "tsTriangle", "tsTriangleLeft", "tsTriangleRight");
enum TThumbStyle { tstOffice2007, tstCustom };
enum TThumbPointer { tpLeft, tpCenter, tpRight };
inline constexpr auto ThumbPointerNames = EnumNames<TThumbPointer>("tpLeft", "tpCenter", "tpRight");

class TTrackBarThumb : public TTrackBarAppearance {
    T_DECLARE_CLASS(TTrackBarThumb, TTrackBarAppearance)
    TTrackBarThumb();
    ~TTrackBarThumb() override;

    // Copies every published property (and the gradient steps and style) from another thumb; any
    // other source changes nothing.
    void Assign(TPersistent *Source) override;
    // Takes Width and Size from Picture (see above) and reports a change; nothing without a
    // picture or an owner.
    void UpdateSize();

    TColor Color() const { return FColor; }
    void SetColor(TColor v) { Set(FColor, v); }
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor v) { Set(FColorTo, v); }
    TColor ColorMirror() const { return FColorMirror; }
    void SetColorMirror(TColor v) { Set(FColorMirror, v); }
    TColor ColorMirrorTo() const { return FColorMirrorTo; }
    void SetColorMirrorTo(TColor v) { Set(FColorMirrorTo, v); }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor v) { Set(FBorderColor, v); }
    TColor ColorHot() const { return FColorHot; }
    void SetColorHot(TColor v) { Set(FColorHot, v); }
    TColor ColorHotTo() const { return FColorHotTo; }
    void SetColorHotTo(TColor v) { Set(FColorHotTo, v); }
    TColor BorderColorHot() const { return FBorderColorHot; }
    void SetBorderColorHot(TColor v) { Set(FBorderColorHot, v); }
    // Plain: stored without a change report.
    TColor ColorMirrorHot() const { return FColorMirrorHot; }
    void SetColorMirrorHot(TColor v) { FColorMirrorHot = v; }
    TColor ColorMirrorHotTo() const { return FColorMirrorHotTo; }
    void SetColorMirrorHotTo(TColor v) { FColorMirrorHotTo = v; }
    TColor ColorDown() const { return FColorDown; }
    void SetColorDown(TColor v) { Set(FColorDown, v); }
    TColor ColorDownTo() const { return FColorDownTo; }
    void SetColorDownTo(TColor v) { Set(FColorDownTo, v); }
    TColor BorderColorDown() const { return FBorderColorDown; }
    void SetBorderColorDown(TColor v) { Set(FBorderColorDown, v); }
    // Plain.
    TColor ColorMirrorDown() const { return FColorMirrorDown; }
    void SetColorMirrorDown(TColor v) { FColorMirrorDown = v; }
    TColor ColorMirrorDownTo() const { return FColorMirrorDownTo; }
    void SetColorMirrorDownTo(TColor v) { FColorMirrorDownTo = v; }
    TColor ColorDisabled() const { return FColorDisabled; }
    void SetColorDisabled(TColor v) { Set(FColorDisabled, v); }
    TColor ColorDisabledTo() const { return FColorDisabledTo; }
    void SetColorDisabledTo(TColor v) { Set(FColorDisabledTo, v); }
    TColor BorderColorDisabled() const { return FBorderColorDisabled; }
    void SetBorderColorDisabled(TColor v) { Set(FBorderColorDisabled, v); }
    TColor ColorMirrorDisabled() const { return FColorMirrorDisabled; }
    void SetColorMirrorDisabled(TColor v) { Set(FColorMirrorDisabled, v); }
    TColor ColorMirrorDisabledTo() const { return FColorMirrorDisabledTo; }
    void SetColorMirrorDisabledTo(TColor v) { Set(FColorMirrorDisabledTo, v); }
    TGDIPGradient Gradient() const { return FGradient; }
    void SetGradient(TGDIPGradient v) { Set(FGradient, v); }
    TGDIPGradient GradientMirror() const { return FGradientMirror; }
    void SetGradientMirror(TGDIPGradient v) { Set(FGradientMirror, v); }

    TGDIPPicture *Picture() const { return FIPicture.get(); }
    void SetPicture(TGDIPPicture *v) { CopyPicture(FIPicture.get(), v); }
    TGDIPPicture *PictureHot() const { return FIPictureHot.get(); }
    void SetPictureHot(TGDIPPicture *v) { CopyPicture(FIPictureHot.get(), v); }
    TGDIPPicture *PictureDown() const { return FIPictureDown.get(); }
    void SetPictureDown(TGDIPPicture *v) { CopyPicture(FIPictureDown.get(), v); }
    TGDIPPicture *PictureDisabled() const { return FIPictureDisabled.get(); }
    void SetPictureDisabled(TGDIPPicture *v) { CopyPicture(FIPictureDisabled.get(), v); }

    TThumbShape Shape() const { return FShape; }
    void SetShape(TThumbShape v) { Set(FShape, v); }
    TThumbStyle Style() const { return FStyle; }
    void SetStyle(TThumbStyle v) { Set(FStyle, v); }
    // Extent across the track; ignored while Picture holds an image.
    int Size() const { return FSize; }
    void SetSize(int v);
    // Extent along the track; ignored while Picture holds an image.
    int Width() const { return FWidth; }
    void SetWidth(int v);
    // False hides the thumb at Min and at Max.
    bool ShowAtMinMax() const { return FShowAtMinMax; }
    void SetShowAtMinMax(bool v) { Set(FShowAtMinMax, v); }
    TThumbPointer ThumbPointer() const { return FThumbPointer; }
    void SetThumbPointer(TThumbPointer v);
    // Gradient bands of a drawn shape.
    int Steps() const { return FSteps; }
    bool PictureStretched() const { return FPictureStretched; }

private:
    int FSteps = 64;
    TColor FColor = 15653832, FColorTo = 16178633;
    TColor FBorderColor = 10317632;
    TColor FColorHotTo = 11332863, FColorHot = 15465983, FBorderColorHot = 10079963;
    int FWidth = 10;
    TColor FColorDisabledTo = clBlack, FBorderColorDown = 4548219, FBorderColorDisabled = clBlack;
    TColor FColorDown = 7778289, FColorDownTo = 4296947, FColorDisabled = clBlack;
    std::unique_ptr<TGDIPPicture> FIPicture;
    TThumbShape FShape = tsPointer;
    TThumbStyle FStyle = tstOffice2007;
    std::unique_ptr<TGDIPPicture> FIPictureDisabled, FIPictureDown, FIPictureHot;
    TColor FColorMirrorHot = 5888767, FColorMirror = 15586496, FColorMirrorTo = 16245200;
    TColor FColorMirrorDisabledTo = clBlack, FColorMirrorDisabled = clBlack, FColorMirrorHotTo = 10807807;
    TColor FColorMirrorDown = 946929, FColorMirrorDownTo = 5021693;
    TGDIPGradient FGradient = ggVertical, FGradientMirror = ggRadial;
    bool FPictureStretched = false;
    int FSize = 15;
    bool FShowAtMinMax = true;
    TThumbPointer FThumbPointer = tpCenter;
};
