#include "widgets/graphics/AdvTrackBar.h"

#include <algorithm>
#include <cmath>

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/SysUtils.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Region.h"
#include "widgets/graphics/ControlVersion.h"

using namespace trackbar;

T_IMPLEMENT_CLASS(TCustomTrackBar)
{
    using T = TCustomTrackBar;
    b.Int("Min", &T::Min, &T::SetMin).Default(0);
    b.Int("Max", &T::Max, &T::SetMax).Default(10);
    b.Int("Position", &T::Position, &T::SetPosition).Default(0);
    b.Int("PageSize", &T::PageSize, &T::SetPageSize).Default(1);
    b.Enum("Orientation", &T::Orientation, &T::SetOrientation, TrackBarOrientationNames).Default(trHorizontal);
    b.Enum("MoveOnClick", &T::MoveOnClick, &T::SetMoveOnClick, MoveOnClickNames).Default(mcStep);
    b.Bool("ShowFocus", &T::ShowFocus, &T::SetShowFocus).Default(false);
    b.Bool("TrackHint", &T::TrackHint, &T::SetTrackHint);
    b.Bool("Transparent", &T::Transparent, &T::SetTransparent).Default(true);
    b.Object("BackGround", &T::BackGround, &T::SetBackGround);
    b.Object("BackGroundDisabled", &T::BackGroundDisabled, &T::SetBackGroundDisabled);
    b.Bool("BackGroundStretched", &T::BackGroundStretched, &T::SetBackGroundStretched).Default(false);
    b.Color("ColorTo", &T::ColorTo, &T::SetColorTo).Default(clNone).Idents(ColorIdents());
    b.Color("ColorDisabled", &T::ColorDisabled, &T::SetColorDisabled).Default(clNone).Idents(ColorIdents());
    b.Color("ColorDisabledTo", &T::ColorDisabledTo, &T::SetColorDisabledTo).Default(clNone).Idents(ColorIdents());
    b.Color("BorderColor", &T::BorderColor, &T::SetBorderColor).Default(clNone).Idents(ColorIdents());
    b.Color("BorderColorDisabled", &T::BorderColorDisabled, &T::SetBorderColorDisabled)
        .Default(clNone)
        .Idents(ColorIdents());
    b.Enum("Direction", &T::Direction, &T::SetDirection, GradientDirectionNames).Default(gdHorizontal);
    b.Object("Thumb", &T::Thumb, &T::SetThumb);
    b.Object("Slider", &T::Slider, &T::SetSlider);
    b.Object("TickMark", &T::TickMark, &T::SetTickMark);
    b.Object("Buttons", &T::Buttons, &T::SetButtons);
    b.Object("TrackLabel", &T::TrackLabel, &T::SetTrackLabel);
    b.Object("RateActive", &T::RateActive, &T::SetRateActive);
    b.Object("RateInActive", &T::RateInActive, &T::SetRateInActive);
    b.Ref("TickImages", &T::TickImages, &T::SetTickImages);
    b.Str("Version", &T::Version, &T::SetVersion);
    b.Bool("TabStop", &T::TabStop, &T::SetTabStop).Default(true);
    b.Event("OnChange", &T::OnChange);
    b.Event("OnDrawTick", &T::OnDrawTick);
    b.Event("OnGetTrackHint", &T::OnGetTrackHint);
    b.Event("OnGetTrackLabelText", &T::OnGetTrackLabelText);
    b.Event("OnGetTickMarkText", &T::OnGetTickMarkText);
    b.Message(WM_GETDLGCODE, &T::WMGetDlgCode);
    b.Message(WM_ERASEBKGND, &T::WMEraseBkgnd);
    b.Message(CM_ENABLEDCHANGED, &T::CMEnabledChanged);
    b.Message(CM_MOUSELEAVE, &T::CMMouseLeave);
}

T_IMPLEMENT_CLASS(TAdvTrackBar) {}

namespace {

const TRect NoRect(-1, -1, -1, -1);

// Rounds an extended-precision value to the nearest integer, halves to even.
int RoundExt(long double value)
{
    return static_cast<int>(std::nearbyintl(value));
}

// Makes sure a picture knows its size (it is read from the image on the first need).
bool PictureReady(TGDIPPicture *picture)
{
    if (!picture || picture->Empty())
        return false;
    if (picture->Width() == 0 && picture->Height() == 0)
        picture->GetImageSizes();
    return picture->Width() > 0 && picture->Height() > 0;
}

// Draws a picture stretched into r (through a bitmap of its own size with transparent pixels).
void StretchPicture(TCanvas *canvas, TGDIPPicture *picture, const TRect &r)
{
    if (!PictureReady(picture))
        return;
    TBitmap bitmap;
    bitmap.SetImage(picture->ToImage());
    bitmap.SetAlphaFormat(afDefined);
    canvas->StretchDraw(r, &bitmap);
}

bool IsNoRect(const TRect &r)
{
    return r.Left == -1 && r.Top == -1 && r.Right == -1 && r.Bottom == -1;
}

// Fills r with the pair: a band gradient when both are set, the colour alone when only it is.
void FillPair(TCanvas *canvas, TColor color, TColor colorTo, TGradientDirection direction, const TRect &r, int steps)
{
    if (r.Right <= r.Left || r.Bottom <= r.Top || color == clNone)
        return;
    if (colorTo != clNone)
        DrawDirectionalGradient(canvas, color, colorTo, direction, r, steps);
    else
        canvas->FillRect(r, color);
}

}  // namespace

// ---- Pictures -------------------------------------------------------------------------------------------

// The pictures decode their file at every draw; the bar keeps the decoded image of each picture
// it draws (until the picture's bytes change), since a position change repaints the thumb.
void TCustomTrackBar::DrawPicture(TCanvas *canvas, TGDIPPicture *picture, int x, int y)
{
    if (!PictureReady(picture))
        return;
    const QByteArray &bytes = picture->Bytes();
    // A bitmap file has its own rules of transparency: it draws itself.
    if (bytes.startsWith("BM")) {
        canvas->Draw(x, y, picture);
        return;
    }
    auto it = std::find_if(FDecoded.begin(), FDecoded.end(),
                           [picture](const TDecodedPicture &d) { return d.Picture == picture; });
    if (it == FDecoded.end())
        it = FDecoded.insert(FDecoded.end(), TDecodedPicture{picture, QByteArray(), QImage()});
    if (it->Bytes != bytes) {
        it->Bytes = bytes;
        it->Image = picture->ToImage();
    }
    const TRect whole(0, 0, it->Image.width(), it->Image.height());
    canvas->DrawImage(Bounds(x, y, whole.Width(), whole.Height()), it->Image, whole, true);
}

void TCustomTrackBar::DrawPictureClipped(TCanvas *canvas, TGDIPPicture *picture, const TPoint &at, const TRect &clip)
{
    canvas->SaveDC();
    canvas->IntersectClipRect(clip);
    DrawPicture(canvas, picture, at.X, at.Y);
    canvas->RestoreDC(-1);
}

// ---- Construction ----------------------------------------------------------------------------------------

TCustomTrackBar::TCustomTrackBar(TComponent *AOwner) : TCustomControl(AOwner)
{
    SetBounds(FLeft, FTop, 150, 26);
    SetTabStop(true);
    FControlStyle >> csDoubleClicks;
    SetColor(clNone);
    const auto repaint = [this](TObject *) { Invalidate(); };
    FIBackGround = std::make_unique<TGDIPPicture>();
    FIBackGround->OnChange = repaint;
    FIBackGroundDisabled = std::make_unique<TGDIPPicture>();
    FIBackGroundDisabled->OnChange = repaint;
    FThumb = std::make_unique<TTrackBarThumb>();
    FThumb->SetAdvTrackBar(this);
    FThumb->OnChange = [this](TObject *s) { AppearanceChanged(s); };
    FSlider.reset(CreateSlider());
    FSlider->SetAdvTrackBar(this);
    FSlider->OnChange = [this](TObject *s) { AppearanceChanged(s); };
    FTickMark = std::make_unique<TTrackBarTick>();
    FTickMark->SetAdvTrackBar(this);
    FTickMark->OnChange = [this](TObject *s) { TickMarkChanged(s); };
    FIRateActive = std::make_unique<TGDIPPicture>();
    FIRateActive->OnChange = repaint;
    FIRateInActive = std::make_unique<TGDIPPicture>();
    FIRateInActive->OnChange = repaint;
    FButtons = std::make_unique<TTrackBarButtons>();
    FButtons->SetAdvTrackBar(this);
    FButtons->OnChange = [this](TObject *s) { AppearanceChanged(s); };
    FTrackLabel = std::make_unique<TTrackBarLabel>();
    FTrackLabel->SetAdvTrackBar(this);
    FTrackLabel->OnChange = [this](TObject *s) { AppearanceChanged(s); };
    SetDoubleBuffered(true);
    FTrackHint = ShowHint();
    FTrackHintWnd = std::make_unique<TTrackHintWindow>(nullptr);
}

TCustomTrackBar::~TCustomTrackBar()
{
    FRepeatTimer.reset();
    if (FImages)
        FImages->RemoveFreeNotification(this);
}

TTrackBarSlider *TCustomTrackBar::CreateSlider()
{
    return new TTrackBarSlider();
}

void TCustomTrackBar::Loaded()
{
    inherited::Loaded();
    UpdateTextHeight();
    FButtons->UpdateSize();
    FThumb->UpdateSize();
}

void TCustomTrackBar::Notification(TComponent *AComponent, TOperation Operation)
{
    inherited::Notification(AComponent, Operation);
    if (ComponentState().Contains(csDestroying))
        return;
    if (Operation == opRemove && AComponent == FImages) {
        FImages = nullptr;
        Invalidate();
    }
}

int TCustomTrackBar::GetVersionNr()
{
    return PackVersion(1, 6, 3, 0);
}

QString TCustomTrackBar::Version() const
{
    return VersionText(GetVersionNr());
}

// ---- Properties ------------------------------------------------------------------------------------------

void TCustomTrackBar::SetPosition(int value)
{
    // The request is compared before clamping: one beyond the range fires even when it clamps back.
    if (value == FPosition)
        return;
    if (value < FMin)
        value = FMin;
    else if (value > FMax)
        value = FMax;
    TRect oldThumb = ThumbRect();
    const int old = FPosition;
    FPosition = value;
    TRect newThumb = ThumbRect();
    if (ComponentState().Contains(csDesigning)) {
        Invalidate();
        return;
    }
    if (RatingMode()) {
        const int step = value >= old ? 1 : -1;
        for (int v = old;; v += step) {
            const TRect item = RateItemRect(v);
            if (!IsNoRect(item))
                InvalidateRect(item);
            if (v == value)
                break;
        }
    } else {
        InflateRect(oldThumb, 1, 1);
        InflateRect(newThumb, 1, 1);
        InvalidateRect(oldThumb);
        InvalidateRect(newThumb);
        if (FSlider->ColorCompleted() != clNone || !FSlider->PictureCompleted()->Empty()) {
            const TRect slider = SliderRect();
            if (!IsNoRect(slider))
                InvalidateRect(slider);
        }
        if (FTickMark->ShowImageAtThumbOnly()) {
            const TRect track = TrackRect();
            for (const TRect &thumb : {oldThumb, newThumb})
                InvalidateRect(FOrientation == trVertical ? TRect(track.Left, thumb.Top, track.Right, thumb.Bottom)
                                                          : TRect(thumb.Left, track.Top, thumb.Right, track.Bottom));
        }
        InvalidateTrackLabel();
    }
    DoChange();
}

void TCustomTrackBar::DoChange()
{
    if (OnChange)
        OnChange(this);
}

void TCustomTrackBar::SetMin(int value)
{
    if (value == FMin)
        return;
    FMin = value;
    if (FPosition < value)
        SetPosition(value);
    Invalidate();
}

void TCustomTrackBar::SetMax(int value)
{
    if (value == FMax)
        return;
    FMax = value;
    if (value < FPosition)
        SetPosition(value);
    Invalidate();
}

void TCustomTrackBar::SetOrientation(TTrackBarOrientation value)
{
    if (value == FOrientation)
        return;
    FOrientation = value;
    if (!ComponentState().Contains(csLoading) && !ComponentState().Contains(csUpdating))
        SetBounds(FLeft, FTop, FHeight, FWidth);
    Invalidate();
}

void TCustomTrackBar::SetBackGround(TGDIPPicture *value)
{
    if (value != FIBackGround.get())
        FIBackGround->Assign(value);
}

void TCustomTrackBar::SetBackGroundDisabled(TGDIPPicture *value)
{
    if (value != FIBackGroundDisabled.get())
        FIBackGroundDisabled->Assign(value);
}

void TCustomTrackBar::SetRateActive(TGDIPPicture *value)
{
    if (value != FIRateActive.get())
        FIRateActive->Assign(value);
}

void TCustomTrackBar::SetRateInActive(TGDIPPicture *value)
{
    if (value != FIRateInActive.get())
        FIRateInActive->Assign(value);
}

void TCustomTrackBar::SetTickImages(TCustomImageList *value)
{
    if (value == FImages)
        return;
    if (FImages)
        FImages->RemoveFreeNotification(this);
    FImages = value;
    if (FImages)
        FImages->FreeNotification(this);
    Invalidate();
}

void TCustomTrackBar::TickMarkChanged(TObject *)
{
    UpdateTextHeight();
    Invalidate();
}

void TCustomTrackBar::UpdateTextHeight()
{
    TBitmap measure(1, 1);
    measure.Canvas()->SetFont(FTickMark->Font());
    FTextHeight = measure.Canvas()->TextHeight(QStringLiteral("gh")) + 2 * FTickTextOffset;
}

bool TCustomTrackBar::AllowThumbPointer(TTrackBarThumb *, TThumbPointer &)
{
    return true;
}

// ---- Geometry --------------------------------------------------------------------------------------------

TRect TCustomTrackBar::InnerRect() const
{
    TRect r = ClientRect();
    InflateRect(r, -(FBorderWidth + FOffset), -(FBorderWidth + FOffset));
    return r;
}

TRect TCustomTrackBar::MinButtonRect() const
{
    TRect r = InnerRect();
    if (FOrientation == trVertical)
        r.Top = r.Bottom - FButtons->Size();
    else
        r.Right = r.Left + FButtons->Size();
    return r;
}

TRect TCustomTrackBar::MaxButtonRect() const
{
    TRect r = InnerRect();
    if (FOrientation == trVertical)
        r.Bottom = r.Top + FButtons->Size();
    else
        r.Left = r.Right - FButtons->Size();
    return r;
}

TRect TCustomTrackBar::TrackRect() const
{
    TRect r = InnerRect();
    int shift = FSlider->Offset();
    if (FTrackLabel->Visible() && FTrackLabel->AtTop()) {
        TRect label;
        const_cast<TCustomTrackBar *>(this)->GetTrackLabelRect(false, label);
        shift += (FOrientation == trVertical ? label.Width() : label.Height()) + 1;
    }
    if (FOrientation == trVertical)
        r.Left += shift;
    else
        r.Top += shift;
    if (FButtons->Visible()) {
        const int spacing = FButtons->Spacing();
        if (FOrientation == trVertical) {
            r.Bottom = MinButtonRect().Top - spacing;
            r.Top = MaxButtonRect().Bottom + spacing;
        } else {
            r.Left = MinButtonRect().Right + spacing;
            r.Right = MaxButtonRect().Left - spacing;
        }
    }
    return r;
}

int TCustomTrackBar::PointerOffset() const
{
    const int width = FThumb->Width();
    if (width <= 0)
        return 0;
    switch (FThumb->ThumbPointer()) {
    case tpLeft: return 0;
    case tpCenter: return width / 2;
    case tpRight: return width;
    }
    return 0;
}

void TCustomTrackBar::GetTickRectTopLeft(TRect &r) const
{
    const TTickMark pos = FTickMark->Position();
    if (FTickMark->Style() == tsNone || (pos != tmTopLeft && pos != tmBoth)) {
        r = NoRect;
        return;
    }
    const TRect t = TrackRect();
    const int a = PointerOffset(), extent = (FTickMark->ShowText() ? FTextHeight : 0) + FTickMark->Size();
    r = FOrientation == trVertical ? TRect(t.Left, t.Top + a, t.Left + extent, t.Bottom - a)
                                   : TRect(t.Left + a, t.Top, t.Right - a, t.Top + extent);
}

void TCustomTrackBar::GetTickRectBottomRight(TRect &r) const
{
    const TTickMark pos = FTickMark->Position();
    if (FTickMark->Style() == tsNone || (pos != tmBottomRight && pos != tmBoth)) {
        r = NoRect;
        return;
    }
    const TRect t = TrackRect();
    const bool vertical = FOrientation == trVertical;
    int start;
    if (FSlider->Visible() && FSlider->Size() > 0) {
        const TRect s = SliderRect();
        start = (vertical ? s.Right : s.Bottom) - (FSlider->Border3D() ? 1 : 0) + FTickMark->Spacing();
    } else if (pos == tmBoth) {
        TRect tl;
        GetTickRectTopLeft(tl);
        start = (vertical ? tl.Right : tl.Bottom) + 2 * FTickMark->Spacing();
    } else {
        start = vertical ? t.Left : t.Top;
    }
    const int a = PointerOffset(), extent = (FTickMark->ShowText() ? FTextHeight : 0) + FTickMark->Size();
    r = vertical ? TRect(start, t.Top + a, start + extent, t.Bottom - a)
                 : TRect(t.Left + a, start, t.Right - a, start + extent);
}

TRect TCustomTrackBar::SliderRect() const
{
    if (FSlider->Size() <= 0 || !FSlider->Visible())
        return NoRect;
    TRect r = TrackRect();
    TRect tl;
    GetTickRectTopLeft(tl);
    const bool ticksTopLeft = !IsNoRect(tl);
    if (FOrientation == trVertical) {
        if (ticksTopLeft)
            r.Left = tl.Right + FTickMark->Spacing();
        r.Right = r.Left + FSlider->Size();
    } else {
        if (ticksTopLeft)
            r.Top = tl.Bottom + FTickMark->Spacing();
        r.Bottom = r.Top + FSlider->Size();
    }
    return r;
}

void TCustomTrackBar::GetThumbRect(int, TRect &r) const
{
    const TRect t = TrackRect();
    const bool vertical = FOrientation == trVertical;
    const int length = GetThumbLength();
    const int travel = (vertical ? t.Height() : t.Width()) - length;
    int offset = 0;
    if (FMax != FMin)
        offset = RoundExt(static_cast<long double>(travel) * (static_cast<long double>(FPosition) - FMin) /
                          (static_cast<long double>(FMax) - FMin));
    if (vertical) {
        r.Bottom = t.Bottom - offset;
        r.Top = r.Bottom - FThumb->Width();
    } else {
        r.Left = t.Left + offset;
        r.Right = r.Left + FThumb->Width();
    }
    int start;
    if (FSlider->Visible() && FSlider->Size() > 0) {
        const TRect s = SliderRect();
        start = vertical ? s.Left + s.Width() / 2 - FThumb->Size() / 2 : s.Top + s.Height() / 2 - FThumb->Size() / 2;
    } else if (FTickMark->Style() == tsNone) {
        start = vertical ? t.Left : t.Top;
    } else if (FTickMark->Position() != tmBottomRight) {
        TRect tl;
        GetTickRectTopLeft(tl);
        start = (vertical ? tl.Left : tl.Top) + FTickMark->Spacing() - FThumb->Size() / 2;
    } else {
        TRect br;
        GetTickRectBottomRight(br);
        start = vertical ? br.Left : br.Top;
    }
    if (vertical) {
        r.Left = start;
        r.Right = start + FThumb->Size();
    } else {
        r.Top = start;
        r.Bottom = start + FThumb->Size();
    }
    if (FThumb->Shape() == tsLine && FThumb->Picture()->Empty()) {
        const TRect inner = InnerRect();
        if (vertical) {
            r.Left = inner.Left;
            r.Right = Width() - FBorderWidth;
        } else {
            r.Top = inner.Top;
            r.Bottom = Height() - FBorderWidth;
        }
    }
}

bool TCustomTrackBar::RatingMode() const
{
    return !FIRateActive->Empty() && !FIRateInActive->Empty();
}

TRect TCustomTrackBar::RateItemRect(int value) const
{
    if (!RatingMode() || value <= FMin || value > FMax)
        return NoRect;
    int w = 0, h = 0;
    for (TGDIPPicture *p : {FIRateActive.get(), FIRateInActive.get()})
        if (PictureReady(p)) {
            w = std::max(w, p->Width());
            h = std::max(h, p->Height());
        }
    if (w <= 0 || h <= 0)
        return NoRect;
    const TRect t = TrackRect();
    int x = t.Left, y = t.Top;
    for (int v = FMin + 1;; ++v) {
        if (x + w > t.Right && x != t.Left) {
            x = t.Left;
            y += h;
        }
        if (v == value)
            break;
        x += w;
    }
    if (y > t.Bottom)
        return NoRect;
    return Bounds(x, y, w, h);
}

bool TCustomTrackBar::RateItemAt(int x, int y, int &value) const
{
    for (int v = FMin + 1; v <= FMax; ++v) {
        const TRect r = RateItemRect(v);
        if (!IsNoRect(r) && r.Contains(TPoint(x, y))) {
            value = v;
            return true;
        }
    }
    return false;
}

// ---- Keys and wheel --------------------------------------------------------------------------------------

void TCustomTrackBar::WMGetDlgCode(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    m.Result = DLGC_WANTARROWS;
}

void TCustomTrackBar::KeyDown(WORD &key, TShiftState shift)
{
    inherited::KeyDown(key, shift);
    if (shift.Contains(ssShift))
        return;
    const bool vertical = FOrientation == trVertical;
    switch (key) {
    case VK_PRIOR: SetPosition(FPosition + FPageSize); break;
    case VK_NEXT: SetPosition(FPosition - FPageSize); break;
    case VK_END: SetPosition(vertical ? GetMin() : GetMax()); break;
    case VK_HOME: SetPosition(vertical ? GetMax() : GetMin()); break;
    case VK_LEFT:
    case VK_DOWN:
        if (FPosition > FMin)
            SetPosition(FPosition - 1);
        break;
    case VK_UP:
    case VK_RIGHT:
        if (FPosition < FMax)
            SetPosition(FPosition + 1);
        break;
    default: break;
    }
}

bool TCustomTrackBar::DoMouseWheelDown(TShiftState shift, TPoint mousePos)
{
    inherited::DoMouseWheelDown(shift, mousePos);
    if (FPosition > FMin)
        SetPosition(FPosition - 1);
    return true;
}

bool TCustomTrackBar::DoMouseWheelUp(TShiftState shift, TPoint mousePos)
{
    inherited::DoMouseWheelUp(shift, mousePos);
    if (FPosition < FMax)
        SetPosition(FPosition + 1);
    return true;
}

void TCustomTrackBar::DoEnter()
{
    inherited::DoEnter();
    Repaint();
}

void TCustomTrackBar::DoExit()
{
    inherited::DoExit();
    Repaint();
}

// ---- Mouse -----------------------------------------------------------------------------------------------

int TCustomTrackBar::PositionAt(double numerator) const
{
    const TRect t = TrackRect();
    const int travel = (FOrientation == trVertical ? t.Height() : t.Width()) - GetThumbLength();
    // A track no longer than the thumb has no position to map the pointer to.
    if (travel <= 0)
        return FPosition;
    int p = RoundExt(static_cast<long double>(numerator) / travel * (static_cast<long double>(FMax) - FMin) + FMin);
    if (p > FMax)
        p = FMax;
    if (p < FMin)
        p = FMin;
    if (!const_cast<TCustomTrackBar *>(this)->IsValidPosition(p))
        p = FPosition;
    return p;
}

void TCustomTrackBar::StartRepeatTimer()
{
    if (!FRepeatTimer) {
        FRepeatTimer = std::make_unique<TTimer>(nullptr);
        FRepeatTimer->SetEnabled(false);
        FRepeatTimer->OnTimer = [this](TObject *sender) { RepeatTimerTick(sender); };
    }
    FRepeatTimer->SetEnabled(false);
    FRepeatTimer->SetInterval(static_cast<unsigned>(std::max(FButtons->InitRepeatPause(), 1)));
    FRepeatTimer->SetEnabled(true);
}

void TCustomTrackBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    inherited::MouseDown(button, shift, x, y);
    if (!Focused() && CanFocus())
        SetFocus();
    const TPoint pt(x, y);
    const TRect thumb = ThumbRect();
    TRect clickArea = TrackRect();
    InflateRect(clickArea, 4, 4);
    const bool onMin = FButtons->Visible() && MinButtonRect().Contains(pt);
    const bool onMax = FButtons->Visible() && MaxButtonRect().Contains(pt);
    const bool rating = RatingMode();
    const bool inThumb = thumb.Contains(pt);

    if (!rating && !inThumb && button == mbLeft && (FMoveOnClick == mcMove || FMoveOnClick == mcMoveSlide) && !onMin &&
        !onMax) {
        const TRect t = TrackRect();
        const int length = FThumb->Width();
        const double numerator = FOrientation == trVertical ? t.Bottom - length - y : x - t.Left - PointerOffset();
        SetPosition(PositionAt(numerator));
        if (FMoveOnClick == mcMoveSlide) {
            FThumbDown = true;
            FSliding = true;
        }
        return;
    }
    if (button != mbLeft || rating)
        return;
    if (!inThumb) {
        if (clickArea.Contains(pt) && AllowTrackClick()) {
            FSliderButtonDown = true;
            FSliderDownPt = pt;
            FPageDirection = 0;
            PageTowardClick();
            StartRepeatTimer();
        } else if (FButtons->Visible()) {
            if (onMin && !FMinButtonDown) {
                FMinButtonDown = true;
                RepaintRect(MinButtonRect());
                if (FButtons->RepeatClick())
                    StartRepeatTimer();
            }
            if (onMax && !FMaxButtonDown) {
                FMaxButtonDown = true;
                RepaintRect(MaxButtonRect());
                if (FButtons->RepeatClick())
                    StartRepeatTimer();
            }
        }
    } else if (AllowThumbDrag()) {
        FSliding = true;
        FThumbDown = true;
        PaintThumb();
        FThumbCenterOffsetX = x - thumb.Left - thumb.Width() / 2;
        FThumbCenterOffsetY = y - thumb.Top - thumb.Height() / 2;
    }
}

void TCustomTrackBar::PageTowardClick()
{
    const TRect t = TrackRect();
    const bool vertical = FOrientation == trVertical;
    const double ratio = FMax == FMin ? 0.0
                                      : static_cast<double>((vertical ? t.Height() : t.Width()) - GetThumbLength()) /
                                            (static_cast<double>(FMax) - FMin);
    const int moved = static_cast<int>(Round((static_cast<double>(FPosition) - FMin) * ratio));
    // The thumb's edge (bottom or left) and the press point. Within one press the paging keeps
    // the direction it started with (toward Max when the press lies above or right of the edge)
    // and stops once the edge has reached or passed the press point, so it never turns back and
    // forth around it.
    const int edge = vertical ? t.Bottom - moved : t.Left + moved;
    if (FPageDirection == 0)
        FPageDirection = (vertical ? edge > FSliderDownPt.Y : edge <= FSliderDownPt.X) ? 1 : -1;
    const bool up = FPageDirection > 0;
    int distance;
    if (vertical)
        distance = up ? edge - FSliderDownPt.Y : FSliderDownPt.Y + PointerOffset() - edge;
    else
        distance = up ? FSliderDownPt.X - edge : edge - (FSliderDownPt.X - PointerOffset());
    if (distance <= 0 || distance < ratio)
        return;
    SetPosition(up ? FPosition + FPageSize : FPosition - FPageSize);
}

void TCustomTrackBar::RepeatTimerTick(TObject *)
{
    FRepeatTimer->SetInterval(static_cast<unsigned>(std::max(FButtons->RepeatPause(), 1)));
    if (!MouseCapture())
        return;
    try {
        if (FSliderButtonDown)
            PageTowardClick();
        else if (FMinButtonDown)
            ButtonStepDown();
        else if (FMaxButtonDown)
            ButtonStepUp();
        else
            FRepeatTimer->SetEnabled(false);
    } catch (...) {
        FRepeatTimer->SetEnabled(false);
        throw;
    }
}

void TCustomTrackBar::ButtonStepDown()
{
    if (FPosition > FMin)
        SetPosition(FPosition - FButtons->Step());
}

void TCustomTrackBar::ButtonStepUp()
{
    if (FPosition < FMax)
        SetPosition(FPosition + FButtons->Step());
}

void TCustomTrackBar::MouseMove(TShiftState shift, int x, int y)
{
    inherited::MouseMove(shift, x, y);
    if (RatingMode())
        return;
    const TPoint pt(x, y);
    if (FSliding) {
        const TRect t = TrackRect();
        const int length = GetThumbLength();
        const double numerator = FOrientation == trVertical ? t.Bottom - length + length / 2 + FThumbCenterOffsetY - y
                                                            : x - t.Left - FThumbCenterOffsetX - length / 2;
        const int p = PositionAt(numerator);
        if (p != FPosition && FTrackHint && p != FHintTickIndex) {
            FHintTickIndex = p;
            QString text = QString::number(p);
            if (OnGetTrackHint)
                OnGetTrackHint(this, p, text);
            FTrackHintWnd->SetCaption(text);
            TRect r = FTrackHintWnd->CalcHintRect(100, text, nullptr);
            FTrackHintWnd->SetColor(clInfoBk);
            const TPoint screen = ClientToScreen(pt);
            r.Offset(screen.X + 10, screen.Y);
            FTrackHintWnd->ActivateHint(r, text);
            FTrackHintShow = true;
        }
        FSliderButtonDown = false;
        SetPosition(p);
        return;
    }
    if (FButtons->Visible()) {
        const auto track = [&](const TRect &r, bool &hot, bool &down) {
            const bool inside = r.Contains(pt);
            if (inside && !hot) {
                hot = true;
                RepaintRect(r);
            } else if (!inside && (hot || down)) {
                hot = false;
                down = false;
                RepaintRect(r);
            }
        };
        track(MinButtonRect(), FMinButtonHot, FMinButtonDown);
        track(MaxButtonRect(), FMaxButtonHot, FMaxButtonDown);
    }
    if (ThumbRect().Contains(pt) && AllowThumbDrag()) {
        if (!FThumbHot) {
            FThumbHot = true;
            PaintThumb();
        }
    } else if (FThumbHot) {
        FThumbHot = false;
        FThumbDown = false;
        PaintThumb();
    }
}

void TCustomTrackBar::HideTrackHint()
{
    if (!FTrackHintShow)
        return;
    FTrackHintWnd->ReleaseHandle();
    FTrackHintShow = false;
}

void TCustomTrackBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (FRepeatTimer)
        FRepeatTimer->SetEnabled(false);
    FSliderButtonDown = false;
    FPageDirection = 0;
    const TPoint pt(x, y);
    if (RatingMode()) {
        if (button == mbLeft) {
            int value = 0;
            if (RateItemAt(x, y, value)) {
                SetPosition(value);
            } else {
                const TRect first = RateItemRect(FMin + 1);
                if (!IsNoRect(first) && x >= first.Left - 4 && x < first.Left && y >= first.Top && y < first.Bottom)
                    SetPosition(FMin);
            }
        }
    } else if (button == mbLeft) {
        HideTrackHint();
        FSliding = false;
        FThumbDown = false;
        if (FThumbHot && !ThumbRect().Contains(pt))
            FThumbHot = false;
        PaintThumb();
        if (FButtons->Visible()) {
            if (FMinButtonDown && MinButtonRect().Contains(pt)) {
                FMinButtonDown = false;
                RepaintRect(MinButtonRect());
                ButtonStepDown();
            }
            if (FMaxButtonDown && MaxButtonRect().Contains(pt)) {
                FMaxButtonDown = false;
                RepaintRect(MaxButtonRect());
                ButtonStepUp();
            }
        }
    }
    inherited::MouseUp(button, shift, x, y);
}

void TCustomTrackBar::CMMouseLeave(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    if (FMinButtonHot || FMinButtonDown) {
        FMinButtonHot = FMinButtonDown = false;
        RepaintRect(MinButtonRect());
    }
    if (FMaxButtonHot || FMaxButtonDown) {
        FMaxButtonHot = FMaxButtonDown = false;
        RepaintRect(MaxButtonRect());
    }
    if ((FThumbHot || FThumbDown) && !FSliding) {
        FThumbHot = FThumbDown = false;
        PaintThumb();
    }
}

void TCustomTrackBar::CMEnabledChanged(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    Invalidate();
}

void TCustomTrackBar::WMEraseBkgnd(TMessage &m)
{
    // A transparent bar paints its parent's pixels over all of itself: nothing to erase.
    if (!FTransparent)
        DispatchFrom(inherited::StaticClass(), m);
    m.Result = 1;
}

// ---- Painting --------------------------------------------------------------------------------------------

void TCustomTrackBar::RepaintRect(const TRect &r)
{
    TRect grown = r;
    InflateRect(grown, 1, 1);
    InvalidateRect(grown);
    Update();
}

void TCustomTrackBar::Paint()
{
    struct InPaint {
        bool &flag;
        ~InPaint() { flag = false; }
    } inPaint{FInPaint};
    FInPaint = true;
    TCanvas *canvas = Canvas();
    if (FTransparent)
        DrawParentBackground(canvas->Handle());
    PaintBackground();
    if (RatingMode()) {
        PaintRating();
        return;
    }
    PaintTrackLabel();
    PaintSlider();
    PaintTickMarks();
    PaintThumb();
    PaintButtons();
    if (Focused() && FShowFocus) {
        TRect r = ClientRect();
        --r.Right;
        --r.Bottom;
        DrawFocusRectangle(canvas, r, clBlack);
    }
}

void TCustomTrackBar::PaintBackground()
{
    TCanvas *canvas = Canvas();
    const TRect r = ClientRect();
    const bool enabled = Enabled();
    TGDIPPicture *picture = FIBackGround.get();
    if (!enabled && !FIBackGroundDisabled->Empty())
        picture = FIBackGroundDisabled.get();
    if (!picture->Empty()) {
        if (FBackGroundStretched)
            StretchPicture(canvas, picture, r);
        else
            DrawPicture(canvas, picture, r.Left, r.Top);
    } else if (!FTransparent) {
        FillPair(canvas, enabled ? Color() : FColorDisabled, enabled ? FColorTo : FColorDisabledTo, FDirection, r, 80);
    }
    const TColor border = enabled ? FBorderColor : FBorderColorDisabled;
    if (border != clNone && FBorderWidth >= 1) {
        canvas->Pen()->SetColor(border);
        canvas->Pen()->SetWidth(FBorderWidth);
        canvas->Brush()->SetStyle(bsClear);
        canvas->Rectangle(r);
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Pen()->SetWidth(1);
    }
}

void TCustomTrackBar::PaintSlider()
{
    if (RatingMode() || FSlider->Size() <= 0 || !FSlider->Visible())
        return;
    TCanvas *canvas = Canvas();
    TTrackBarSlider *sl = FSlider.get();
    const bool enabled = Enabled();
    TGDIPPicture *picture = !enabled && !sl->PictureDisabled()->Empty() ? sl->PictureDisabled() : sl->Picture();
    TGDIPPicture *completedPicture = enabled ? sl->PictureCompleted() : sl->PictureCompletedDisabled();
    const TColor border = enabled ? sl->BorderColor() : sl->BorderColorDisabled();
    const TColor color = enabled ? sl->Color() : sl->ColorDisabled();
    const TColor colorTo = enabled ? sl->ColorTo() : sl->ColorDisabledTo();
    const TColor completed = enabled ? sl->ColorCompleted() : sl->ColorCompletedDisabled();
    const TColor completedTo = enabled ? sl->ColorCompletedTo() : sl->ColorCompletedDisabledTo();

    const TRect s = SliderRect();
    const bool showCompleted = completed != clNone || !completedPicture->Empty();
    TRect done(0, 0, 0, 0), rest = s;
    if (showCompleted) {
        const TRect thumb = ThumbRect();
        const int half = FThumb->Width() / 2;
        if (FOrientation == trVertical) {
            done = TRect(s.Left, thumb.Top + half, s.Right, s.Bottom);
            rest = TRect(s.Left, s.Top, s.Right, thumb.Top + half + 1);
        } else {
            done = TRect(s.Left, s.Top, thumb.Left + half, s.Bottom);
            rest = TRect(done.Right - 1, s.Top, s.Right, s.Bottom);
        }
    }
    const bool clipRounded = sl->Rounded() && picture->Empty();
    if (clipRounded) {
        canvas->SaveDC();
        canvas->CombineClipRegion(TRegion::RoundRect(s, 7, 7), TRegionCombine::And);
    }
    if (picture->Empty()) {
        FillPair(canvas, completed, completedTo, sl->Direction(), done, sl->Steps());
        FillPair(canvas, color, colorTo, sl->Direction(), rest, sl->Steps());
    } else {
        if (showCompleted && !completedPicture->Empty()) {
            if (sl->PictureStretched())
                StretchPicture(canvas, completedPicture, done);
            else if (done.Left > 0 && done.Right > 0)
                DrawPictureClipped(canvas, completedPicture, s.TopLeft(), done);
        }
        if (sl->PictureStretched())
            StretchPicture(canvas, picture, rest);
        else if (rest.Left > 0 && rest.Right > 0)
            DrawPictureClipped(canvas, picture, s.TopLeft(), rest);
    }
    if (clipRounded)
        canvas->RestoreDC(-1);

    if (border == clNone)
        return;
    canvas->Pen()->SetColor(border);
    canvas->Brush()->SetStyle(bsClear);
    if (sl->Rounded()) {
        canvas->RoundRect(s.Left, s.Top, s.Right, s.Bottom, 7, 7);
        if (sl->Border3D()) {
            canvas->Pen()->SetColor(clWhite);
            canvas->RoundRect(s.Left + 1, s.Top + 1, s.Right - 1, s.Bottom - 1, 7, 7);
        }
    } else if (sl->Border3D()) {
        Draw3DFrame(canvas, s, true, MixColors(border, clWhite, 10), border);
    } else {
        canvas->Rectangle(s);
    }
    canvas->Brush()->SetStyle(bsSolid);
}

void TCustomTrackBar::PaintTickMarks()
{
    TTrackBarTick *tick = FTickMark.get();
    if (RatingMode() || tick->Size() <= 0 || tick->Style() != tsAuto)
        return;
    TCanvas *canvas = Canvas();
    const bool vertical = FOrientation == trVertical;
    const TRect t = TrackRect();
    TRect tl, br;
    GetTickRectTopLeft(tl);
    GetTickRectBottomRight(br);
    const bool atTopLeft = !IsNoRect(tl), atBottomRight = !IsNoRect(br);

    int last = FMax;
    if (!OnDrawTick && !tick->ShowText()) {
        const int longer = std::max(Width(), Height());
        const TRect &row = atTopLeft && !atBottomRight ? tl : br;
        const int cap = (longer - 2 * (vertical ? row.Top : row.Left)) / 2;
        if (FMax >= cap)
            last = cap;
    }
    if (tick->ShowText()) {
        if (vertical) {
            tl.Left += FTextHeight;
            br.Right -= FTextHeight;
        } else {
            tl.Top += FTextHeight;
            br.Bottom -= FTextHeight;
        }
    }
    const double perValue = last == FMin ? 0.0
                                         : static_cast<double>((vertical ? t.Height() : t.Width()) - GetThumbLength()) /
                                               (static_cast<double>(last) - FMin);
    const TColor tickColor = Enabled() ? tick->Color() : tick->ColorDisabled();
    int previous = -100;
    for (int v = FMin; v <= last; ++v) {
        const int offset = static_cast<int>(Trunc((static_cast<double>(v) - FMin) * perValue));
        if (!OnDrawTick && offset <= previous + 1)
            continue;
        previous = offset;
        for (const bool topLeft : {true, false}) {
            if (topLeft ? !atTopLeft : !atBottomRight)
                continue;
            const TRect &rr = topLeft ? tl : br;
            bool defaultDraw = true;
            int length = tick->Size();
            TColor color = tickColor, textColor = tick->Font()->Color();
            QString text;
            if (tick->ShowText()) {
                text = QString::number(v);
                if (OnGetTickMarkText)
                    OnGetTickMarkText(this, v, text);
            }
            TPoint location =
                vertical
                    ? (topLeft ? TPoint(rr.Left, rr.Bottom - offset) : TPoint(rr.Right - length, rr.Bottom - offset))
                    : (topLeft ? TPoint(rr.Left + offset, rr.Top) : TPoint(rr.Left + offset, rr.Top));
            if (OnDrawTick)
                OnDrawTick(this, canvas, location, v, topLeft ? tmTopLeft : tmBottomRight, length, color, textColor,
                           text, defaultDraw);
            canvas->Pen()->SetColor(color);
            if ((tick->ShowImageAtThumbOnly() && v != FPosition) ||
                (tick->ShowImageAtSteps() > 1 && v % tick->ShowImageAtSteps() != 0))
                defaultDraw = false;
            if (!defaultDraw)
                continue;
            if (FImages && FImages->Count() > 0) {
                const int index = v < FImages->Count() ? v : 0;
                if (vertical)
                    FImages->Draw(canvas, topLeft ? rr.Left : rr.Right - FImages->Width(),
                                  rr.Bottom - offset - FImages->Height() / 2, index, Enabled());
                else
                    FImages->Draw(canvas, rr.Left + offset - FImages->Width() / 2,
                                  topLeft ? rr.Top : rr.Bottom - FImages->Height(), index, Enabled());
            } else {
                const auto line = [&](int x1, int y1, int x2, int y2) {
                    canvas->MoveTo(x1, y1);
                    canvas->LineTo(x2, y2);
                };
                if (vertical) {
                    const int y = rr.Bottom - offset;
                    const int x1 = topLeft ? rr.Left : rr.Right - length, x2 = topLeft ? rr.Left + length : rr.Right;
                    line(x1, y, x2, y);
                    if (tick->Line3D()) {
                        canvas->Pen()->SetColor(MixColors(color, clWhite, 10));
                        line(x1, y - 1, x2, y - 1);
                    }
                } else {
                    const int x = rr.Left + offset;
                    const int y1 = topLeft ? rr.Top : rr.Bottom - length, y2 = topLeft ? rr.Top + length : rr.Bottom;
                    line(x, y1, x, y2);
                    if (tick->Line3D()) {
                        canvas->Pen()->SetColor(MixColors(color, clWhite, 10));
                        line(x + 1, y1, x + 1, y2);
                    }
                }
            }
            if (tick->ShowText() && !text.isEmpty()) {
                TFont font;
                font.Assign(tick->Font());
                font.SetColor(textColor);
                canvas->Brush()->SetStyle(bsClear);
                int tw = 0, th = 0;
                MeasureText(canvas, &font, text, tw, th);
                if (vertical && tick->RotateFontVert()) {
                    font.SetOrientation(topLeft ? -2700 : -900);
                    canvas->SetFont(&font);
                    const int x = topLeft ? rr.Left + FTickTextOffset - FTextHeight : rr.Right + FTextHeight;
                    canvas->TextOut(x, rr.Bottom - offset - tw / 2, text);
                } else if (vertical) {
                    canvas->SetFont(&font);
                    const int x = topLeft ? rr.Left - tw - FTickTextOffset : rr.Left + tick->Size() + FTickTextOffset;
                    canvas->TextOut(x, rr.Bottom - offset - FTextHeight / 2, text);
                } else {
                    canvas->SetFont(&font);
                    const int y = topLeft ? rr.Top + FTickTextOffset - FTextHeight : rr.Bottom + FTickTextOffset;
                    canvas->TextOut(rr.Left + offset - tw / 2, y, text);
                }
                canvas->Brush()->SetStyle(bsSolid);
            }
        }
    }
}

void TCustomTrackBar::PaintThumb()
{
    // Outside a paint (hot and pressed changes) only the thumb's area is painted again, at once.
    if (!FInPaint) {
        RepaintRect(ThumbRect());
        return;
    }
    DrawThumb(FThumb.get(), ThumbRect(), FPosition, FThumbDown, FThumbHot);
}

void TCustomTrackBar::DrawThumb(TTrackBarThumb *thumb, const TRect &r, int position, bool down, bool hot)
{
    if (RatingMode() || thumb->Size() < 1)
        return;
    if (!thumb->ShowAtMinMax() && (position == FMin || position == FMax))
        return;
    struct Look {
        TGDIPPicture *picture;
        TColor border, color, colorTo, mirror, mirrorTo;
    } look{thumb->Picture(), thumb->BorderColor(), thumb->Color(),
           thumb->ColorTo(), thumb->ColorMirror(), thumb->ColorMirrorTo()};
    const auto take = [&look](TGDIPPicture *picture, TColor border, TColor color, TColor colorTo, TColor mirror,
                              TColor mirrorTo) {
        if (!picture->Empty())
            look.picture = picture;
        look.border = border;
        look.color = color;
        look.colorTo = colorTo;
        look.mirror = mirror;
        look.mirrorTo = mirrorTo;
    };
    if (down)
        take(thumb->PictureDown(), thumb->BorderColorDown(), thumb->ColorDown(), thumb->ColorDownTo(),
             thumb->ColorMirrorDown(), thumb->ColorMirrorDownTo());
    else if (hot)
        take(thumb->PictureHot(), thumb->BorderColorHot(), thumb->ColorHot(), thumb->ColorHotTo(),
             thumb->ColorMirrorHot(), thumb->ColorMirrorHotTo());
    if (!Enabled())
        take(thumb->PictureDisabled(), thumb->BorderColorDisabled(), thumb->ColorDisabled(), thumb->ColorDisabledTo(),
             thumb->ColorMirrorDisabled(), thumb->ColorMirrorDisabledTo());

    TCanvas *canvas = Canvas();
    if (!look.picture->Empty()) {
        DrawPicture(canvas, look.picture, r.Left, r.Top);
        return;
    }

    const bool vertical = FOrientation == trVertical;
    const TTickMark ticks = FTickMark->Position();
    const TThumbShape shape = thumb->Shape();
    // Triangle kinds: tick side up/left/both on a horizontal bar, right/left/both on a vertical one.
    const int triangleKind = ticks == tmTopLeft       ? (vertical ? 0 : 2)
                             : ticks == tmBottomRight ? (vertical ? 1 : 3)
                                                      : (vertical ? 4 : 5);
    const TPolygonThumbLook polygon{look.color, look.colorTo, look.border, thumb->Gradient(), thumb->Steps()};
    switch (shape) {
    case tsTriangle: DrawTriangleThumb(canvas, r, triangleKind, polygon); return;
    case tsTriangleLeft: DrawTriangleThumb(canvas, r, vertical ? 2 : 0, polygon); return;
    case tsTriangleRight: DrawTriangleThumb(canvas, r, vertical ? 3 : 1, polygon); return;
    case tsPointerLeftUp: DrawPointerThumbLeftUp(canvas, r, triangleKind, polygon); return;
    case tsPointerRightUp: DrawPointerThumbRightUp(canvas, r, triangleKind, polygon); return;
    case tsLine: {
        if (thumb->Style() != tstOffice2007)
            return;
        const int c = (vertical ? r.Height() : r.Width()) / 2;
        const TColor lines[] = {look.colorTo, look.color, MixColors(look.color, clWhite, 60),
                                MixColors(look.color, clWhite, 10)};
        for (int i = 0; i < 4; ++i) {
            canvas->Pen()->SetColor(lines[i]);
            const int at = c - 1 + i;
            if (vertical) {
                canvas->MoveTo(r.Left, r.Top + at);
                canvas->LineTo(r.Right, r.Top + at);
            } else {
                canvas->MoveTo(r.Left + at, r.Top);
                canvas->LineTo(r.Left + at, r.Bottom);
            }
        }
        return;
    }
    default: break;
    }

    // The shapes with a rounded or pointed body: fill, then outlines and a grip line.
    const int half = (vertical ? r.Height() : r.Width()) / 2;
    const bool first = ticks == tmTopLeft || ticks == tmBoth, second = ticks == tmBottomRight || ticks == tmBoth;
    const int radius = shape == tsRectangle ? 1 : shape == tsRoundRect ? 8 : thumb->Size() / 2;
    TRegion region;
    std::unique_ptr<TGPGraphicsPath> path;
    if (shape == tsPointer) {
        path.reset(CreatePointerPath(r, vertical, first, second, half / 2));
        std::vector<TPoint> points;
        const int L = r.Left, T = r.Top, R = r.Right - 1, B = r.Bottom - 1, depth = half / 2;
        if (vertical) {
            const int mid = T + (B - T) / 2, left = first ? L + depth : L, right = second ? R - depth : R;
            points = {{left, T}, {right, T}};
            if (second)
                points.push_back({R, mid});
            points.insert(points.end(), {{right, B}, {left, B}});
            if (first)
                points.push_back({L, mid});
        } else {
            const int mid = L + (R - L) / 2, top = first ? T + depth : T, bottom = second ? B - depth : B;
            points = {{L, top}};
            if (first)
                points.push_back({mid, T});
            points.insert(points.end(), {{R, top}, {R, bottom}});
            if (second)
                points.push_back({mid, B});
            points.push_back({L, bottom});
        }
        region = TRegion::Polygon(points);
    } else {
        path.reset(CreateRoundRectPath(r.Left, r.Top, r.Width() - 1, r.Height() - 1, radius));
        region = TRegion::RoundRect(r, 2 * radius, 2 * radius);
    }
    if (look.color != clNone) {
        if (look.colorTo != clNone && (look.mirror == clNone || look.mirrorTo == clNone)) {
            canvas->SaveDC();
            canvas->CombineClipRegion(region, TRegionCombine::And);
            DrawDirectionalGradient(canvas, look.color, look.colorTo,
                                    static_cast<TGradientDirection>(thumb->Gradient()), r, thumb->Steps());
            canvas->RestoreDC(-1);
        } else if (look.colorTo != clNone) {
            TGPGraphics graphics(canvas->Handle());
            graphics.SetClip(path.get());
            const bool roundOutlines = shape == tsRound && thumb->Style() == tstOffice2007;
            DrawMirrorFill(&graphics, TRect(r.Left, r.Top, r.Right - 1, r.Bottom - 1), thumb->GradientMirror(),
                           thumb->Gradient(), look.mirrorTo, look.mirror, look.colorTo, look.color,
                           roundOutlines ? look.border : clNone, roundOutlines ? clWhite : clNone, TMirrorKind::Round);
            graphics.ResetClip();
        } else {
            canvas->SaveDC();
            canvas->CombineClipRegion(region, TRegionCombine::And);
            canvas->FillRect(r, look.color);
            canvas->RestoreDC(-1);
        }
    }
    if (look.border == clNone)
        return;
    TGPGraphics graphics(canvas->Handle());
    graphics.SetSmoothingMode(SmoothingModeAntiAlias);
    if (shape == tsPointer) {
        TGPPen white(ColorToARGB(clWhite), 1), border(ColorToARGB(look.border), 1);
        graphics.DrawPath(&white, path.get());
        TRect inner = r;
        InflateRect(inner, -1, -1);
        std::unique_ptr<TGPGraphicsPath> in1(CreatePointerPath(inner, vertical, first, second, half / 2 - 1));
        graphics.DrawPath(&border, in1.get());
        InflateRect(inner, -1, -1);
        std::unique_ptr<TGPGraphicsPath> in2(CreatePointerPath(inner, vertical, first, second, half / 2 - 2));
        graphics.DrawPath(&white, in2.get());
    } else if (shape != tsRound || thumb->Style() == tstCustom) {
        DrawRoundRectPath(&graphics, r.Left, r.Top, r.Width() - 1, r.Height() - 1, radius, clWhite);
        DrawRoundRectPath(&graphics, r.Left + 1, r.Top + 1, r.Width() - 3, r.Height() - 3, radius, look.border);
        if (shape == tsRectangle)
            DrawRoundRectPath(&graphics, r.Left + 2, r.Top + 2, r.Width() - 5, r.Height() - 5, radius, clWhite);
    }
    if (shape == tsRound && thumb->Style() == tstOffice2007) {
        TGPSolidBrush dot(ColorToARGB(look.border));
        std::unique_ptr<TGPGraphicsPath> p(
            CreateRoundRectPath(r.Left + r.Width() / 2 - 2, r.Top + r.Height() / 2 - 2, 4, 4, 2));
        graphics.FillPath(&dot, p.get());
        return;
    }
    if (shape == tsRound)
        return;
    // A short grip line across the middle of the body.
    canvas->Pen()->SetColor(look.border);
    const int quarter = (vertical ? r.Width() : r.Height()) / 4;
    if (vertical) {
        const int y = r.Top + r.Height() / 2;
        canvas->MoveTo(r.Left + quarter, y);
        canvas->LineTo(r.Right - quarter, y);
    } else {
        const int x = r.Left + r.Width() / 2;
        canvas->MoveTo(x, r.Top + quarter);
        canvas->LineTo(x, r.Bottom - quarter);
    }
}

void TCustomTrackBar::PaintButtons()
{
    if (RatingMode() || !FButtons->Visible())
        return;
    PaintMinButton();
    PaintMaxButton();
}

void TCustomTrackBar::PaintMinButton()
{
    PaintButton(true);
}

void TCustomTrackBar::PaintMaxButton()
{
    PaintButton(false);
}

void TCustomTrackBar::PaintButton(bool isMin)
{
    if (!FInPaint) {
        RepaintRect(isMin ? MinButtonRect() : MaxButtonRect());
        return;
    }
    TTrackBarButtons *bt = FButtons.get();
    const bool down = isMin ? FMinButtonDown : FMaxButtonDown;
    const bool hot = isMin ? FMinButtonHot : FMaxButtonHot;
    TColor border = bt->BorderColor(), color = bt->Color(), colorTo = bt->ColorTo(), mirror = bt->ColorMirror(),
           mirrorTo = bt->ColorMirrorTo();
    TGDIPPicture *picture = isMin ? bt->MinPicture() : bt->MaxPicture();
    if (down) {
        border = bt->BorderColorDown();
        color = bt->ColorDown();
        colorTo = bt->ColorDownTo();
        mirror = bt->ColorMirrorDown();
        mirrorTo = bt->ColorMirrorDownTo();
        picture = isMin ? bt->MinPictureDown() : bt->MaxPictureDown();
    } else if (hot) {
        border = bt->BorderColorHot();
        color = bt->ColorHot();
        colorTo = bt->ColorHotTo();
        mirror = bt->ColorMirrorHot();
        mirrorTo = bt->ColorMirrorHotTo();
        picture = isMin ? bt->MinPictureHot() : bt->MaxPictureHot();
    }
    TCanvas *canvas = Canvas();
    const TRect r = isMin ? MinButtonRect() : MaxButtonRect();
    const bool vertical = FOrientation == trVertical;
    if (!picture->Empty()) {
        if (!vertical) {
            DrawPictureClipped(canvas, picture, r.TopLeft(), r);
        } else {
            PictureReady(picture);
            int top = r.Top;
            if (!isMin && bt->Size() < picture->Height())
                top = r.Bottom - picture->Width();
            DrawPicture(canvas, picture, r.Left, top);
        }
        return;
    }
    const int size = bt->Size();
    const TColor light = MixColors(border, clWhite, 30);
    {
        TGPGraphics graphics(canvas->Handle());
        if (bt->Shape() == bsRound) {
            const TRect circle = vertical ? Bounds(r.Left + (r.Width() - size) / 2, r.Top, size, size)
                                          : Bounds(r.Left, r.Top + (r.Height() - size) / 2, size, size);
            TGPGraphicsPath clip;
            clip.AddEllipse(static_cast<REAL>(circle.Left), static_cast<REAL>(circle.Top), static_cast<REAL>(size),
                            static_cast<REAL>(size));
            graphics.SetClip(&clip);
            DrawMirrorFill(&graphics, circle, bt->GradientMirror(), bt->Gradient(), mirrorTo, mirror, colorTo, color,
                           border, light, TMirrorKind::Round);
            graphics.ResetClip();
        } else {
            DrawMirrorFill(&graphics, r, bt->GradientMirror(), bt->Gradient(), mirrorTo, mirror, colorTo, color, border,
                           light, TMirrorKind::Rectangle);
        }
    }
    // The glyph: a minus or a plus, about half the button long, centred.
    const int cx = r.Left + r.Width() / 2, cy = r.Top + r.Height() / 2, arm = std::max(2, size / 4);
    const bool minusAlong = vertical && bt->RotateText();
    const auto bar = [&](bool horizontalBar) {
        const TRect g =
            horizontalBar ? TRect(cx - arm, cy - 1, cx + arm, cy + 1) : TRect(cx - 1, cy - arm, cx + 1, cy + arm);
        canvas->Pen()->SetColor(border);
        canvas->Brush()->SetColor(color);
        canvas->Rectangle(g.Left - 1, g.Top - 1, g.Right + 1, g.Bottom + 1);
    };
    if (isMin) {
        bar(!minusAlong);
    } else {
        bar(true);
        bar(false);
    }
}

void TCustomTrackBar::GetTrackLabelText(QString &text)
{
    try {
        text = ::Format(FTrackLabel->Format(), {FPosition});
    } catch (const EConvertError &) {
        text = QString::number(FPosition);
    }
    if (OnGetTrackLabelText)
        OnGetTrackLabelText(this, FPosition, text);
}

void TCustomTrackBar::GetTrackLabelRect(bool withText, TRect &r)
{
    if (!FTrackLabel->Visible()) {
        r = NoRect;
        return;
    }
    r = InnerRect();
    QString text;
    GetTrackLabelText(text);
    if (text.isEmpty() && OnGetTrackLabelText)
        text = QStringLiteral("Pos");
    TBitmap measure(1, 1);
    int tw = 0, th = 0;
    MeasureText(measure.Canvas(), FTrackLabel->Font(), text, tw, th);
    const bool vertical = FOrientation == trVertical;
    const int extent = th + FTrackLabel->Spacing();
    if (!FTrackLabel->AtTop()) {
        TRect br;
        GetTickRectBottomRight(br);
        if (IsNoRect(br)) {
            const TRect s = SliderRect();
            br = IsNoRect(s) ? TrackRect() : s;
        }
        if (vertical) {
            r.Left = br.Right + 1;
            r.Right = r.Left + extent;
        } else {
            r.Top = br.Bottom + 1;
            r.Bottom = r.Top + extent;
        }
    } else if (vertical) {
        r.Left = InnerRect().Left + FSlider->Offset();
        r.Right = r.Left + extent;
    } else {
        r.Top = InnerRect().Top + FSlider->Offset();
        r.Bottom = r.Top + extent;
    }
    if (!withText)
        return;
    const TLabelPosition pos = FTrackLabel->Position();
    const bool left = pos == lpTopLeft || pos == lpBottomLeft, right = pos == lpTopRight || pos == lpBottomRight;
    if (!vertical) {
        if (left) {
            r.Right = r.Left + tw + 5;
        } else if (right) {
            r.Left = r.Right - tw - 5;
        } else {
            r.Left = r.Left + (r.Width() - tw) / 2;
            r.Right = r.Left + tw + 5;
        }
    } else {
        // The text runs upward from r.Top, so Top lies below Bottom.
        const int top = r.Top, bottom = r.Bottom;
        if (left) {
            r.Top = bottom;
            r.Bottom = bottom - tw - 5;
        } else if (right) {
            r.Bottom = top;
            r.Top = top + tw + 5;
        } else {
            const int c = top + (bottom - top - tw) / 2;
            r.Bottom = c;
            r.Top = c + tw + 5;
        }
    }
}

void TCustomTrackBar::PaintTrackLabel()
{
    if (!FTrackLabel->Visible())
        return;
    TCanvas *canvas = Canvas();
    QString text;
    GetTrackLabelText(text);
    canvas->Brush()->SetStyle(bsClear);
    if (FOrientation == trHorizontal) {
        canvas->SetFont(FTrackLabel->Font());
        TRect r;
        GetTrackLabelRect(false, r);
        const TLabelPosition pos = FTrackLabel->Position();
        UINT format = DT_SINGLELINE | DT_NOPREFIX;
        if (pos == lpTopLeft || pos == lpBottomLeft)
            format |= DT_LEFT;
        else if (pos == lpTopRight || pos == lpBottomRight)
            format |= DT_RIGHT;
        else
            format |= DT_CENTER;
        format |= FTrackLabel->AtTop() ? DT_VCENTER : DT_BOTTOM;
        canvas->DrawText(text, r, format);
    } else {
        TFont rotated;
        rotated.Assign(FTrackLabel->Font());
        rotated.SetOrientation(-2700);
        canvas->SetFont(&rotated);
        TRect r;
        GetTrackLabelRect(true, r);
        canvas->TextOut(r.Left + 3, r.Top, text);
    }
    canvas->Brush()->SetStyle(bsSolid);
}

void TCustomTrackBar::InvalidateTrackLabel()
{
    if (!FTrackLabel->Visible())
        return;
    TRect r;
    GetTrackLabelRect(!HasTrackLabelHandler(), r);
    if (FOrientation == trHorizontal)
        InflateRect(r, 5, 0);
    else
        InflateRect(r, 0, -10);
    const TRect normal(std::min(r.Left, r.Right), std::min(r.Top, r.Bottom), std::max(r.Left, r.Right),
                       std::max(r.Top, r.Bottom));
    InvalidateRect(normal);
}

void TCustomTrackBar::PaintRating()
{
    for (int v = FMin + 1; v <= FMax; ++v)
        PaintRateItem(v);
}

void TCustomTrackBar::PaintRateItem(int value)
{
    const TRect r = RateItemRect(value);
    if (IsNoRect(r) || r.Left <= 0 || r.Bottom <= 0)
        return;
    DrawPicture(Canvas(), value > FPosition ? FIRateInActive.get() : FIRateActive.get(), r.Left, r.Top);
}

// ---- Style presets ---------------------------------------------------------------------------------------

namespace {

// The colours one preset gives the thumb or the buttons.
struct TStyleColors {
    TColor Color, ColorTo, ColorMirror, ColorMirrorTo, BorderColor;
};
struct TStateColors {
    TColor ColorHot, ColorHotTo, ColorMirrorHot, ColorMirrorHotTo, BorderColorHot;
    TColor ColorDown, ColorDownTo, ColorMirrorDown, ColorMirrorDownTo, BorderColorDown;
};
struct TStylePreset {
    TStyleColors Thumb, Buttons;
    const TStateColors *ThumbStates, *ButtonStates;
    TColor SliderBorder;
};

// Hot and down colours shared by the Office 2003 styles and Whidbey.
constexpr TStateColors Office2003States{13432063, 11332863, 5888767, 9556223, 10079963,
                                        7778289,  4296947,  946929,  5021693, 4548219};
// The initial hot and down colours of thumb and buttons.
constexpr TStateColors InitialStates{15465983, 11332863, 5888767, 10807807, 10079963,
                                     7778289,  4296947,  946929,  5021693,  4548219};
constexpr TStateColors WindowsXPStates{0xE7F6FD, 0xC4E7FA, 0xB1DEF8, 0x9AD4F6, 0x3C7FB1,
                                       0xC0E4F8, 0x8DCAF0, 0x64B4EA, 0x4FA6E4, 0x2C628B};
constexpr TStateColors VistaStates{0xFDF6EA, 0xF8E8C9, 0xF5DDB4, 0xF2D39E, 0xD8A94F,
                                   0xF8E6C4, 0xF0CF8E, 0xE9BF6E, 0xE2AE4D, 0x9C7436};
constexpr TStateColors Office2010States{0x9EFDFF, 0x6BE8FD, 0x3DDBFD, 0x55F0FE, 0x3CC7F2,
                                        0x5AC8FD, 0x38B3FB, 0x1E9EF9, 0x42C1FD, 0x2B97D8};
constexpr TStateColors TerminalStates{clSilver,    clSilver,    clNone, clNone, clBlack,
                                      clHighlight, clHighlight, clNone, clNone, clBlack};

// Presets by style number; tsCustom (8) has none.
const TStylePreset *StylePreset(int style)
{
    static const TStylePreset presets[] = {
        // tsOffice2003Blue
        {{15653832, 16178633, 15586496, 16245200, 14727579},
         {16706781, 16374724, 16706781, 14854529, 10248507},
         &Office2003States,
         &Office2003States,
         12752500},
        // tsOffice2003Silver
        {{15724527, 13684686, 14145495, 12500670, 9475984},
         {15724527, 14145495, 14145495, 12500670, 9475984},
         &Office2003States,
         &Office2003States,
         9475984},
        // tsOffice2003Olive
        {{13958638, 10999765, 12316121, 9947851, 5935242},
         {13958638, 12316121, 12316121, 9947851, 5935242},
         &Office2003States,
         &Office2003States,
         5935242},
        // tsOffice2003Classic
        {{clWhite, 13226453, clWhite, 13226453, clBlack},
         {clWhite, 13226453, clWhite, 13226453, clBlack},
         &InitialStates,
         &InitialStates,
         9598070},
        // tsOffice2007Luna
        {{16643823, 15784647, 15587259, 16710617, 14986888},
         {16643823, 15784647, 15587259, 16710617, 14986888},
         &InitialStates,
         &InitialStates,
         14986888},
        // tsOffice2007Obsidian
        {{15921906, 14737117, 13224393, 15132390, 7430497},
         {15921906, 14737117, 13224393, 15132390, 7430497},
         &InitialStates,
         &InitialStates,
         7430497},
        // tsWindowsXP
        {{0xFCFCFC, 0xE7ECEC, 0xE0E5E5, 0xD6DDDD, 0x7A8F94},
         {0xFCFCFC, 0xE7ECEC, 0xE0E5E5, 0xD6DDDD, 0x7A8F94},
         &WindowsXPStates,
         &WindowsXPStates,
         0x7A8F94},
        // tsWhidbey
        {{15725551, 13095355, 12437958, 15725551, 10070702},
         {15725551, 13095355, 12437958, 15725551, 10070702},
         &Office2003States,
         &Office2003States,
         10070702},
        // tsCustom: no preset
        {{0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, nullptr, nullptr, 0},
        // tsOffice2007Silver
        {{16250613, 15197667, 14342874, 15790320, 12566463},
         {16250613, 15197667, 14342874, 15790320, 12566463},
         &InitialStates,
         &InitialStates,
         12566463},
        // tsWindowsVista
        {{0xFDF8F1, 0xFCEFD5, 0xFBE6C3, 0xFAE3B6, 0xCEA86A},
         {0xFDF8F1, 0xFCEFD5, 0xFBE6C3, 0xFAE3B6, 0xCEA86A},
         &VistaStates,
         &VistaStates,
         0xCEA86A},
        // tsWindows7
        {{0xFDFBFA, 0xFDF3EB, 0xFBECDD, 0xFAE8D4, 0xD6BFA4},
         {0xFDFBFA, 0xFDF3EB, 0xFBECDD, 0xFAE8D4, 0xD6BFA4},
         &VistaStates,
         &VistaStates,
         0xD6BFA4},
        // tsTerminal
        {{clBtnFace, clBtnFace, clNone, clNone, clBlack},
         {clBtnFace, clBtnFace, clBtnFace, clBtnFace, clBlack},
         &TerminalStates,
         &TerminalStates,
         clBlack},
        // tsOffice2010Blue
        {{0xFDF6EF, 0xF0DAC7, 0xF0DAC7, 0xFDF6EF, 0xC7B29B},
         {0xFDF6EF, 0xF0DAC7, 0xF0DAC7, 0xFDF6EF, 0xC7B29B},
         &Office2010States,
         &Office2010States,
         0xC7B29B},
        // tsOffice2010Silver
        {{0xFFFFFF, 0xEDE5E0, 0xEDE5E0, 0xFFFFFF, 0xD2CDC8},
         {0xFFFFFF, 0xEDE5E0, 0xEDE5E0, 0xFFFFFF, 0xD2CDC8},
         &Office2010States,
         &Office2010States,
         0xD2CDC8},
        // tsOffice2010Black
        {{0xBFBFBF, 0x919191, 0x919191, 0xBFBFBF, 0x6D6D6D},
         {0xBFBFBF, 0x919191, 0x919191, 0xBFBFBF, 0x6D6D6D},
         &Office2010States,
         &Office2010States,
         0x6D6D6D},
    };
    if (style < 0 || style >= static_cast<int>(std::size(presets)) || !presets[style].ThumbStates)
        return nullptr;
    return &presets[style];
}

template <class A>
void ApplyColors(A *target, const TStyleColors &normal, const TStateColors &states)
{
    target->SetColor(normal.Color);
    target->SetColorTo(normal.ColorTo);
    target->SetColorMirror(normal.ColorMirror);
    target->SetColorMirrorTo(normal.ColorMirrorTo);
    target->SetBorderColor(normal.BorderColor);
    target->SetColorHot(states.ColorHot);
    target->SetColorHotTo(states.ColorHotTo);
    target->SetColorMirrorHot(states.ColorMirrorHot);
    target->SetColorMirrorHotTo(states.ColorMirrorHotTo);
    target->SetBorderColorHot(states.BorderColorHot);
    target->SetColorDown(states.ColorDown);
    target->SetColorDownTo(states.ColorDownTo);
    target->SetColorMirrorDown(states.ColorMirrorDown);
    target->SetColorMirrorDownTo(states.ColorMirrorDownTo);
    target->SetBorderColorDown(states.BorderColorDown);
    target->SetGradient(ggVertical);
    target->SetGradientMirror(ggVertical);
}

}  // namespace

void TCustomTrackBar::SetComponentStyle(int style)
{
    FSlider->SetOffset(10);
    FSlider->SetPicture(nullptr);
    FSlider->SetPictureDisabled(nullptr);
    FSlider->SetPictureCompleted(nullptr);
    FSlider->SetPictureCompletedDisabled(nullptr);
    FSlider->SetPictureStretched(false);
    FTickMark->SetPicture(nullptr);
    FTickMark->SetPictureDisabled(nullptr);
    FTickMark->SetPosition(tmBottomRight);
    FThumb->SetPicture(nullptr);
    FThumb->SetPictureHot(nullptr);
    FThumb->SetPictureDown(nullptr);
    FThumb->SetPictureDisabled(nullptr);
    FThumb->SetShape(tsPointer);
    FButtons->SetSpacing(2);
    if (const TStylePreset *preset = StylePreset(style)) {
        ApplyColors(FThumb.get(), preset->Thumb, *preset->ThumbStates);
        ApplyColors(FButtons.get(), preset->Buttons, *preset->ButtonStates);
        FSlider->SetBorderColor(preset->SliderBorder);
        FTickMark->SetColor(FSlider->BorderColor());
    }
    Invalidate();
}
