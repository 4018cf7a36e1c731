#pragma once
// TTrackBarTick: the look of the track bar's tick marks: on which side(s), how long, how far from
// the groove, in which colours, with or without the value as text. Ticks are drawn only for the
// style tsAuto. The two pictures are kept and copied but not drawn (tick images come from the
// track bar's TickImages).

#include <memory>

#include "platform/ui/GraphicsFont.h"
#include "platform/ui/TrackBar.h"
#include "widgets/graphics/TrackBarAppearance.h"

class TTrackBarTick : public TTrackBarAppearance {
    T_DECLARE_CLASS(TTrackBarTick, TTrackBarAppearance)
    TTrackBarTick();
    ~TTrackBarTick() override;

    // Copies every published property from another tick look; other sources raise EConvertError.
    void Assign(TPersistent *Source) override;

    TColor Color() const { return FColor; }
    void SetColor(TColor v) { Set(FColor, v); }
    TColor ColorDisabled() const { return FColorDisabled; }
    void SetColorDisabled(TColor v) { Set(FColorDisabled, v); }
    TTickMark Position() const { return FPosition; }
    void SetPosition(TTickMark v) { Set(FPosition, v); }
    TTickStyle Style() const { return FStyle; }
    void SetStyle(TTickStyle v) { Set(FStyle, v); }
    bool ShowText() const { return FShowText; }
    void SetShowText(bool v) { Set(FShowText, v); }
    TFont *Font() const { return FFont.get(); }
    void SetFont(TFont *v);
    bool RotateFontVert() const { return FRotateFontVert; }
    void SetRotateFontVert(bool v) { Set(FRotateFontVert, v); }
    bool Line3D() const { return FLine3D; }
    void SetLine3D(bool v) { Set(FLine3D, v); }
    bool ShowImageAtThumbOnly() const { return FShowImageAtThumbOnly; }
    void SetShowImageAtThumbOnly(bool v) { Set(FShowImageAtThumbOnly, v); }
    int ShowImageAtSteps() const { return FShowImageAtSteps; }
    void SetShowImageAtSteps(int v) { Set(FShowImageAtSteps, v); }
    // Distance between the ticks and the groove.
    int Spacing() const { return FSpacing; }
    void SetSpacing(int v) { Set(FSpacing, v); }
    // Tick length.
    int Size() const { return FSize; }
    void SetSize(int v) { Set(FSize, v); }
    TGDIPPicture *Picture() const { return FIPicture.get(); }
    void SetPicture(TGDIPPicture *v) { CopyPicture(FIPicture.get(), v); }
    TGDIPPicture *PictureDisabled() const { return FIPictureDisabled.get(); }
    void SetPictureDisabled(TGDIPPicture *v) { CopyPicture(FIPictureDisabled.get(), v); }

private:
    TColor FColor = clBlack;
    std::unique_ptr<TGDIPPicture> FIPicture;
    TColor FColorDisabled = clBlack;
    std::unique_ptr<TGDIPPicture> FIPictureDisabled;
    TTickMark FPosition = tmBottomRight;
    TTickStyle FStyle = tsAuto;
    bool FShowText = false;
    std::unique_ptr<TFont> FFont;
    bool FLine3D = false;
    bool FShowImageAtThumbOnly = false;
    int FShowImageAtSteps = 1;
    int FSpacing = 8;
    int FSize = 4;
    bool FRotateFontVert = true;
};
