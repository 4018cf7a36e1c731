#include "platform/ui/ControlsCanvas.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/ControlsWinControl.h"

T_IMPLEMENT_CLASS(TControlCanvas) {}

namespace {

// The paint message the control is handling (0: none) and its device context.
unsigned PaintOf(TControl *control, TCanvas **dc = nullptr)
{
    auto *window = dynamic_cast<TWinControl *>(control);
    if (dc)
        *dc = window ? window->PaintDC() : nullptr;
    return window && window->PaintDC() ? window->PaintSerial() : 0;
}

}  // namespace

void TControlCanvas::CreateHandle()
{
    TCanvas *dc = nullptr;
    if (const unsigned paint = PaintOf(control_, &dc)) {
        SetHandle(dc);
        own_ = HandleAllocated();
        paint_ = paint;
        return;
    }
    TWinControl *window = dynamic_cast<TWinControl *>(control_);
    TPoint origin(0, 0);
    std::optional<QRegion> clip;
    if (!window) {
        // A windowless control draws on its parent's pixels, only inside itself.
        window = control_->Parent();
        if (!window)
            return;
        origin = TPoint(control_->Left(), control_->Top());
        clip = QRegion(control_->Left(), control_->Top(), std::max(0, control_->Width()), std::max(0, control_->Height()));
    }
    window->BackingImage();
    const std::shared_ptr<TCanvasSurface> &surface = window->BackingSurface();
    if (surface->Image.isNull())
        return;
    AttachSurface(surface, origin, clip);
    own_ = true;
    bounds_ = control_->BoundsRect();
    parent_ = control_->Parent();
    surfaceSize_ = surface->Image.size();
}

void TControlCanvas::ValidateHandle()
{
    if (!own_ || !HandleAllocated())
        return;
    if (PaintOf(control_) != paint_) {
        FreeHandle();
        return;
    }
    if (paint_ != 0)
        return;
    if (control_->BoundsRect() != bounds_ || Surface()->Image.size() != surfaceSize_ ||
        control_->Parent() != parent_)
        FreeHandle();
}

void TControlCanvas::FreeHandle()
{
    own_ = false;
    paint_ = 0;
    DetachSurface();
}
