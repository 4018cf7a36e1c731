#include "platform/ui/GraphicsObject.h"

#include "platform/runtime/ClassBuilder.h"

T_IMPLEMENT_CLASS(TGraphicsObject) {}

void TGraphicsObject::EndUpdate()
{
    if (updateCount_ > 0 && --updateCount_ == 0 && changedDuringUpdate_) {
        changedDuringUpdate_ = false;
        Changed();
    }
}

void TGraphicsObject::Changed()
{
    if (updateCount_ > 0) {
        changedDuringUpdate_ = true;
        return;
    }
    if (OnChange)
        OnChange(this);
}
