#pragma once
// TImage: a windowless picture. The picture is drawn at the top-left corner, centred (Center),
// stretched to the control (Stretch, keeping its proportions with Proportional), with its
// transparent colour left out (Transparent). AutoSize makes the control the picture's size.
// Drawing on Canvas draws into the picture (a bitmap of the control's size is made when empty).

#include "platform/ui/ControlsGraphicControl.h"
#include "platform/ui/Picture.h"

#include <memory>

class TImage : public TGraphicControl {
    T_DECLARE_CLASS(TImage, TGraphicControl)

public:
    explicit TImage(TComponent *AOwner);
    ~TImage() override;

    TPicture *Picture() const { return FPicture.get(); }
    void SetPicture(TPicture *value) { FPicture->Assign(value); }
    bool Stretch() const { return FStretch; }
    void SetStretch(bool value);
    bool Center() const { return FCenter; }
    void SetCenter(bool value);
    bool Proportional() const { return FProportional; }
    void SetProportional(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);

    // The canvas of the picture's bitmap.
    TCanvas *PictureCanvas();
    // Where the picture is drawn, in the control's coordinates.
    TRect DestRect() const;

protected:
    void Paint() override;
    void PictureChanged(TObject *Sender);

private:
    std::unique_ptr<TPicture> FPicture;
    bool FStretch = false;
    bool FCenter = false;
    bool FProportional = false;
    bool FTransparent = false;
    bool FAutoSize = false;
};
