#include "platform/ui/ControlsRender.h"

#include "platform/ui/Bitmap.h"
#include "platform/ui/ControlsWinControl.h"

QImage RenderControlImage(TControl *control)
{
    if (!control || control->Width() <= 0 || control->Height() <= 0)
        return {};
    TBitmap bitmap(control->Width(), control->Height());
    if (dynamic_cast<TWinControl *>(control) || !control->Parent())
        control->PaintTo(bitmap.Canvas(), 0, 0);
    else
        control->Parent()->PaintTo(bitmap.Canvas(), -control->Left(), -control->Top());
    return bitmap.Image().copy();
}

bool SaveControlImage(TControl *control, const QString &fileName)
{
    const QImage img = RenderControlImage(control);
    return !img.isNull() && img.save(fileName, "PNG");
}
