#include "widgets/skinned/VrControls.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/Screen.h"

#include <algorithm>

T_IMPLEMENT_CLASS(TVrCustomControl)
{
    using C = TVrCustomControl;
    b.Str("Version", &C::Version, &C::SetVersion).Stored(false);
    b.Message(CM_FONTCHANGED, &C::CMFontChanged);
    b.Message(CM_TEXTCHANGED, &C::CMTextChanged);
    b.Message(CM_FOCUSCHANGED, &C::CMFocusChanged);
    b.Message(CM_ENABLEDCHANGED, &C::CMEnabledChanged);
}

T_IMPLEMENT_CLASS(TVrCustomImageControl)
{
    b.Message(WM_ERASEBKGND, &TVrCustomImageControl::WMEraseBkgnd);
}

namespace {

// The widget set's own hand cursor is the framework's hand-point shape here.
void RegisterHandPointCursor()
{
    static const bool registered = [] {
        Screen->SetCursorShape(crVrHandPoint, Screen->CursorShape(crHandPoint));
        return true;
    }();
    (void)registered;
}

}  // namespace

// ---- TVrCustomControl ----------------------------------------------------------------------------

TVrCustomControl::TVrCustomControl(TComponent *AOwner) : TCustomControl(AOwner)
{
    RegisterHandPointCursor();
}

void TVrCustomControl::EndUpdate()
{
    if (FUpdateCount > 0)
        --FUpdateCount;
    UpdateControl();
}

void TVrCustomControl::UpdateControl()
{
    if (ComponentState().Contains(csLoading) || FUpdateCount != 0)
        return;
    // Without a window there is nothing on the screen yet: the first paint shows the change.
    if (!HandleAllocated()) {
        Invalidate();
        return;
    }
    Repaint();
}

void TVrCustomControl::FontChanged()
{
    if (OnFontChanged)
        OnFontChanged(this);
}

void TVrCustomControl::TextChanged()
{
    if (OnTextChanged)
        OnTextChanged(this);
}

void TVrCustomControl::CMFontChanged(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    FontChanged();
}

void TVrCustomControl::CMTextChanged(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    TextChanged();
}

void TVrCustomControl::CMFocusChanged(TMessage &m)
{
    if (Changes(FFocused, reinterpret_cast<TWinControl *>(m.LParam) == this))
        FocusChanged();
    DispatchFrom(inherited::StaticClass(), m);
}

void TVrCustomControl::CMEnabledChanged(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    UpdateControl();
}

// ---- TVrCustomImageControl -----------------------------------------------------------------------

TVrCustomImageControl::TVrCustomImageControl(TComponent *AOwner)
    : TVrCustomControl(AOwner), FBitmapImage(std::make_unique<TBitmap>())
{}

TVrCustomImageControl::~TVrCustomImageControl() = default;

void TVrCustomImageControl::PrepareImage()
{
    const int w = std::max(Width(), 1), h = std::max(Height(), 1);
    if (FBitmapImage->Width() != w || FBitmapImage->Height() != h)
        FBitmapImage->SetSize(w, h);
    TCanvas *c = FBitmapImage->Canvas();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    c->FillRect(TRect(0, 0, w, h));
}

void TVrCustomImageControl::Paint()
{
    Canvas()->BitBlt(0, 0, Width(), Height(), FBitmapImage->Canvas(), 0, 0, SRCCOPY);
}

void TVrCustomImageControl::WMEraseBkgnd(TMessage &m)
{
    // Paint covers every pixel.
    m.Result = 1;
}
