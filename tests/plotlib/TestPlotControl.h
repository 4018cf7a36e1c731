#pragma once
// A small library control for the tests: it paints its background and a red square in its middle,
// can be made to fail while drawing, counts the invalidations it is asked for and the key presses
// its hook sees, and publishes a few properties of each kind (with an owned sub-object) for the
// property files and the OPC binding.

#include "plotlib/base/iVCLComponent.h"

#include <QImage>

#include <functional>
#include <vector>

// The sub-object of the test control ("Marker.Color", "Marker.Width").
class TTestMarker : public TPersistent {
    T_DECLARE_CLASS(TTestMarker, TPersistent)
    TTestMarker() = default;
    TColor Color = clRed;
    int Width = 1;
};

class TTestPlotControl : public TiCustomComponent {
    T_DECLARE_CLASS(TTestPlotControl, TiCustomComponent)
    explicit TTestPlotControl(TComponent *AOwner);

    // Published: a float, a string, an integer that reports its changes to OPC, a Boolean.
    double Level = 0;
    QString Caption2;
    int Value() const { return FValue; }
    void SetValue(int value);
    bool Checked = false;
    TTestMarker *Marker() const { return FMarker.get(); }
    void SetMarker(TTestMarker *value);

    // Drawing fails with this, when set.
    std::function<void()> Failure;

    int Invalidations = 0;
    struct KeySeen {
        WORD Key;
        TShiftState Shift;
        bool UserGenerated;
    };
    std::vector<KeySeen> KeysDown;

    void Invalidate() override;
    void DrawToCanvas(TCanvas *Canvas) override;
    void Change() { InvalidateChange(); }
    using TiComponent::BackGroundChange;
    using TiComponent::GetPropertyTypeKind;

protected:
    void iKeyDown(WORD &Key, TShiftState Shift) override;

private:
    int FValue = 0;
    std::unique_ptr<TTestMarker> FMarker = std::make_unique<TTestMarker>();
};

// The colour of a pixel of a rendering.
inline TColor At(const QImage &image, int x, int y)
{
    const QRgb p = image.pixel(x, y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}
