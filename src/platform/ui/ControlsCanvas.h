#pragma once
// The canvas of a control. Outside painting it draws straight onto what the control shows: a
// windowed control's backing image, or for a windowless control the parent's image under it
// (clipped to the control). During painting it is pointed at the paint's device context: by
// PaintThrough, and for a windowed control by itself while the control handles a paint message
// that carries a device context (so a subclass that owns a canvas of its control draws over the
// control's own painting, on screen and into an image alike).

#include "platform/ui/Canvas.h"

class TControl;

class TControlCanvas : public TCanvas {
    T_DECLARE_CLASS(TControlCanvas, TCanvas)
    explicit TControlCanvas(TControl *control) : control_(control) {}
    TControl *Control() const { return control_; }
    // Lets the next drawing take a fresh device context (after the control moved or resized).
    void FreeHandle();
    // Runs `paint` with the canvas drawing through `dc` (a paint's device context), detached
    // again afterwards, also when `paint` fails.
    template <class F>
    void PaintThrough(HDC dc, F paint)
    {
        struct Detach {
            TControlCanvas *c;
            ~Detach()
            {
                c->SetHandle(nullptr);
                c->Unlock();
            }
        };
        Lock();
        // A surface attached for drawing outside painting is dropped, never validated back in.
        own_ = false;
        SetHandle(dc);
        Detach guard{this};
        paint();
    }

protected:
    void CreateHandle() override;
    void ValidateHandle() override;

private:
    TControl *control_;
    bool own_ = false;          // attached by CreateHandle (not pointed at a paint context by PaintThrough)
    unsigned paint_ = 0;        // the control's paint message it draws through (0: none)
    TRect bounds_;              // the control's bounds when attached
    TControl *parent_ = nullptr;
    QSize surfaceSize_;
};
