#include "platform/ui/ControlsCanvas.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/ControlsWinControl.h"

T_IMPLEMENT_CLASS(TControlCanvas) {}

void TControlCanvas::CreateHandle()
{
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
    if (control_->BoundsRect() != bounds_ || Surface()->Image.size() != surfaceSize_ ||
        control_->Parent() != parent_)
        FreeHandle();
}

void TControlCanvas::FreeHandle()
{
    own_ = false;
    DetachSurface();
}
