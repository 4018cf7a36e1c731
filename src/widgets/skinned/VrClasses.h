#pragma once
// Settings groups of the LED widget set, owned by a control and reporting their changes to it.
//
// TVrPersistent: every write of a differing value fires OnChange with the object as sender, except
// between BeginUpdate and EndUpdate; the EndUpdate that brings the count back to 0 fires once. The
// count never goes below 0: an EndUpdate without a BeginUpdate simply fires.
// TVrPalette: the two colours of an LED, Low (off, clGreen) and High (on, clLime).
// TVrFont3D: the raised, sunken or shadowed look of a caption, drawn by Paint.

#include "platform/runtime/Classes.h"
#include "platform/runtime/Colors.h"
#include "platform/runtime/EnumNames.h"
#include "platform/runtime/Events.h"
#include "platform/runtime/GraphicsTypes.h"

#include <QString>

class TCanvas;
class TBitmap;

enum TVrFont3DStyle { f3dNone, f3dRaised, f3dSunken, f3dShadow };
inline constexpr auto VrFont3DStyleNames = EnumNames<TVrFont3DStyle>("f3dNone", "f3dRaised", "f3dSunken", "f3dShadow");

class TVrPersistent : public TPersistent {
    T_DECLARE_CLASS(TVrPersistent, TPersistent)
    TVrPersistent() = default;

    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    TNotifyEvent OnChange;

protected:
    // Fires OnChange unless an update is open.
    virtual void Changed();
    // Stores a differing value and reports the change.
    template <class T>
    void Store(T &field, T value)
    {
        if (field == value)
            return;
        field = value;
        Changed();
    }

    int FUpdateCount = 0;
};

class TVrPalette : public TVrPersistent {
    T_DECLARE_CLASS(TVrPalette, TVrPersistent)
    TVrPalette() = default;

    TColor Low() const { return FLow; }
    void SetLow(TColor value) { Store(FLow, value); }
    TColor High() const { return FHigh; }
    void SetHigh(TColor value) { Store(FHigh, value); }

    // Low for an index of 0 or below, High above (the LED passes its Active flag).
    virtual TColor GetColor(int index) const { return index <= 0 ? FLow : FHigh; }
    // Copies Low and High from another palette with one OnChange at most; any other source fails
    // as the framework's Assign does.
    void Assign(TPersistent *Source) override;
    // Recolours a two-tone picture in place: pixels of exactly `darkColor` become Low, pixels of
    // exactly `lightColor` High, all others stay.
    void ToBMP(TBitmap *bitmap, TColor darkColor, TColor lightColor) const;

private:
    TColor FLow = clGreen;
    TColor FHigh = clLime;
};

class TVrFont3D : public TVrPersistent {
    T_DECLARE_CLASS(TVrFont3D, TVrPersistent)
    TVrFont3D() = default;

    TVrFont3DStyle Style() const { return FStyle; }
    void SetStyle(TVrFont3DStyle value) { Store(FStyle, value); }
    TColor HighlightColor() const { return FHighlightColor; }
    void SetHighlightColor(TColor value) { Store(FHighlightColor, value); }
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor value) { Store(FShadowColor, value); }
    int HighlightDepth() const { return FHighlightDepth; }
    void SetHighlightDepth(int value) { Store(FHighlightDepth, value); }
    int ShadowDepth() const { return FShadowDepth; }
    void SetShadowDepth(int value) { Store(FShadowDepth, value); }

    void Assign(TPersistent *Source) override;

    // Draws `text` into `r` with the DrawText `format` flags in the canvas's font colour, with the
    // style's copies below it: raised, the shadow ShadowDepth right and down and the highlight
    // HighlightDepth left and up; sunken, the highlight right and down and the shadow left and up;
    // shadow, the shadow only. The brush is left clear; the font colour is restored.
    void Paint(TCanvas *canvas, const TRect &r, unsigned format, const QString &text) const;

private:
    TVrFont3DStyle FStyle = f3dNone;
    TColor FHighlightColor = clBtnHighlight;
    TColor FShadowColor = clBtnShadow;
    int FHighlightDepth = 1;
    int FShadowDepth = 1;
};
