#pragma once
// TAdvOfficeImage: a windowless control showing one picture (any format GDI+ decodes) at its own
// size, centred (Center, the default) or at the top-left corner, or stretched over the control
// (Stretch, which overrides Center). A centred picture larger than the control lies at negative
// offsets and is clipped to the control. It reports the mouse entering and leaving it, and keeps a
// rich hint's content (OfficeHint) for its owner.
//
// Events: OnMouseEnter and OnMouseLeave (the control's own) fire when the pointer enters and
// leaves, never while the form is being designed. A change of the picture repaints; writing
// Center or Stretch repaints only when the value changes. Every paint decodes the picture twice,
// once for its size and once to draw it.

#include <memory>

#include "platform/ui/ControlsGraphicControl.h"
#include "widgets/graphics/AdvHintInfo.h"
#include "widgets/graphics/GDIPicture.h"

class TAdvOfficeImage : public TGraphicControl {
    T_DECLARE_CLASS(TAdvOfficeImage, TGraphicControl)
    explicit TAdvOfficeImage(TComponent *AOwner);
    ~TAdvOfficeImage() override;

    TGDIPPicture *Picture() const { return FIPicture.get(); }
    // Copies the given picture.
    void SetPicture(TGDIPPicture *value);
    bool Center() const { return FCenter; }
    void SetCenter(bool value);
    bool Stretch() const { return FStretch; }
    void SetStretch(bool value);
    TAdvHintInfo *OfficeHint() const { return FOfficeHint.get(); }
    // Copies the given content.
    void SetOfficeHint(TAdvHintInfo *value) { FOfficeHint->Assign(value); }
    // "1.1.0.0"; writing does nothing.
    QString Version() const;
    void SetVersion(const QString &) {}
    virtual int GetVersionNr() const;
    // The pointer is over the control.
    bool MouseInControl() const { return FMouseInControl; }

protected:
    void Paint() override;
    // Paints the picture on the canvas in the control's coordinates; at design time an empty
    // picture shows as a dotted blue frame.
    virtual void DrawPicture(TCanvas *canvas);
    void MouseEnter() override;
    void MouseLeave() override;

private:
    bool Designing() const { return ComponentState().Contains(csDesigning); }

    std::unique_ptr<TGDIPPicture> FIPicture;
    bool FCenter = true;
    bool FStretch = false;
    std::unique_ptr<TAdvHintInfo> FOfficeHint;
    bool FMouseInControl = false;
};
