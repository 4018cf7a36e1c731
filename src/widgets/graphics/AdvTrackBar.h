#pragma once
// TCustomTrackBar and TAdvTrackBar: the slider (fader) of the graphics control set. Position moves
// in whole steps between Min and Max; the thumb travels along a track (Min at the left, or at the
// bottom of a vertical bar). Thumb, groove, tick marks, two optional step buttons and a position
// label are appearance objects of their own (TrackBarThumb.h ...); any change of one repaints.
// With both rating pictures set the bar instead shows Max - Min pictures, one per value.
//
// What fires when (the channel pages rely on it):
//   - OnChange fires only at the end of SetPosition, once per call whose requested value differs
//     from the position held (before clamping: a request beyond Max at Max still fires). Keys,
//     wheel, drags, clicks on the track and the step buttons all move through SetPosition.
//     Writing Max below Position, or Min above it, moves Position through it too.
//   - A press: OnMouseDown first (the position is still the old one), then the bar takes the focus
//     and may jump or page (OnChange); a release: the step of a step button (OnChange), then
//     OnMouseUp last.
//   - Keys (after OnKeyDown, nothing with Shift held): Page Up / Page Down by PageSize, the arrows
//     by 1 (Up and Right increase), Home to the Max end and End to the Min end of a vertical bar
//     (Home Min and End Max on a horizontal one). The wheel moves by 1.
//
// Mouse rules:
//   - A press on the thumb drags it: each pointer row (column) maps to the nearest position; a
//     track no longer than the thumb has nothing to map and leaves the position alone.
//   - A press elsewhere on the track (4 pixels around it count) pages toward the press by
//     PageSize, again after InitRepeatPause and then every RepeatPause ms while the button is held
//     on the bar. Within one press the paging only moves toward the press point and stops once
//     the thumb's edge has reached or passed it. MoveOnClick mcMove jumps to the press point
//     instead (mcMoveSlide also starts a drag).
//   - A step button steps when it is released over it, and repeats while held; releasing outside
//     leaves it up.
//
// Painting: a transparent bar first draws what its parent shows behind it (windowless siblings
// below it included). A position change repaints only the old and new thumb area (plus the
// completed part of the groove and the label); hot and pressed changes repaint only the thumb.

#include <QString>

#include <QByteArray>
#include <QImage>

#include <memory>
#include <vector>

#include "platform/runtime/EnumNames.h"
#include "platform/runtime/StoreChanged.h"
#include "platform/runtime/Timer.h"
#include "platform/ui/ControlsCustomControl.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/TrackBar.h"
#include "widgets/graphics/GDIPicture.h"
#include "widgets/graphics/TrackBarButtons.h"
#include "widgets/graphics/TrackBarLabel.h"
#include "widgets/graphics/TrackBarPaintHelpers.h"
#include "widgets/graphics/TrackBarSlider.h"
#include "widgets/graphics/TrackBarThumb.h"
#include "widgets/graphics/TrackBarTick.h"
#include "widgets/graphics/TrackHintWindow.h"

enum TMoveOnClick { mcStep, mcMove, mcMoveSlide };
inline constexpr auto MoveOnClickNames = EnumNames<TMoveOnClick>("mcStep", "mcMove", "mcMoveSlide");

// The colour presets of SetComponentStyle, in their numbering.
enum class TTMSStyle {
    tsOffice2003Blue,
    tsOffice2003Silver,
    tsOffice2003Olive,
    tsOffice2003Classic,
    tsOffice2007Luna,
    tsOffice2007Obsidian,
    tsWindowsXP,
    tsWhidbey,
    tsCustom,
    tsOffice2007Silver,
    tsWindowsVista,
    tsWindows7,
    tsTerminal,
    tsOffice2010Blue,
    tsOffice2010Silver,
    tsOffice2010Black
};

using TDrawTickEvent =
    TEvent<void(TObject *Sender, TCanvas *Canvas, const TPoint &Location, int Position, TTickMark TickPos, int &Length,
                TColor &Color, TColor &TextColor, QString &Text, bool &DefaultDraw)>;
using TGetTrackHintEvent = TEvent<void(TObject *Sender, int Position, QString &HintStr)>;
using TGetTrackLabelEvent = TEvent<void(TObject *Sender, int Position, QString &value)>;
using TGetTickMarkTextEvent = TEvent<void(TObject *Sender, int Index, QString &value)>;

class TCustomTrackBar : public TCustomControl {
    T_DECLARE_CLASS(TCustomTrackBar, TCustomControl)
    explicit TCustomTrackBar(TComponent *AOwner);
    ~TCustomTrackBar() override;

    // ---- Range and position ----
    int Position() const { return FPosition; }
    // The one write of Position (see the rules above): nothing for the value held; else clamp,
    // store, repaint what moved and fire OnChange.
    virtual void SetPosition(int value);
    int Min() const { return FMin; }
    // Moves Position up to a new Min above it.
    void SetMin(int value);
    int Max() const { return FMax; }
    // Moves Position down to a new Max below it.
    void SetMax(int value);
    // Step of the page keys and of paging toward a press on the track; not checked.
    int PageSize() const { return FPageSize; }
    void SetPageSize(int value) { FPageSize = value; }
    TTrackBarOrientation Orientation() const { return FOrientation; }
    // At run time the bar also swaps its width and height.
    void SetOrientation(TTrackBarOrientation value);
    TMoveOnClick MoveOnClick() const { return FMoveOnClick; }
    void SetMoveOnClick(TMoveOnClick value) { FMoveOnClick = value; }
    bool ShowFocus() const { return FShowFocus; }
    void SetShowFocus(bool value) { FShowFocus = value; }
    // Show the dragged value in a hint window beside the pointer.
    bool TrackHint() const { return FTrackHint; }
    void SetTrackHint(bool value) { FTrackHint = value; }

    // ---- Background ----
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value) { Set(FTransparent, value); }
    TGDIPPicture *BackGround() const { return FIBackGround.get(); }
    void SetBackGround(TGDIPPicture *value);
    TGDIPPicture *BackGroundDisabled() const { return FIBackGroundDisabled.get(); }
    void SetBackGroundDisabled(TGDIPPicture *value);
    bool BackGroundStretched() const { return FBackGroundStretched; }
    void SetBackGroundStretched(bool value) { Set(FBackGroundStretched, value); }
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor value) { Set(FColorTo, value); }
    // The disabled colours are only stored: they show at the next paint.
    TColor ColorDisabled() const { return FColorDisabled; }
    void SetColorDisabled(TColor value) { FColorDisabled = value; }
    TColor ColorDisabledTo() const { return FColorDisabledTo; }
    void SetColorDisabledTo(TColor value) { FColorDisabledTo = value; }
    TColor BorderColorDisabled() const { return FBorderColorDisabled; }
    void SetBorderColorDisabled(TColor value) { FBorderColorDisabled = value; }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value) { Set(FBorderColor, value); }
    trackbar::TGradientDirection Direction() const { return FDirection; }
    void SetDirection(trackbar::TGradientDirection value) { Set(FDirection, value); }

    // ---- Appearance objects (writing copies into the owned object) ----
    TTrackBarThumb *Thumb() const { return FThumb.get(); }
    void SetThumb(TTrackBarThumb *value) { FThumb->Assign(value); }
    TTrackBarSlider *Slider() const { return FSlider.get(); }
    void SetSlider(TTrackBarSlider *value) { FSlider->Assign(value); }
    TTrackBarTick *TickMark() const { return FTickMark.get(); }
    void SetTickMark(TTrackBarTick *value) { FTickMark->Assign(value); }
    TTrackBarButtons *Buttons() const { return FButtons.get(); }
    void SetButtons(TTrackBarButtons *value) { FButtons->Assign(value); }
    TTrackBarLabel *TrackLabel() const { return FTrackLabel.get(); }
    void SetTrackLabel(TTrackBarLabel *value) { FTrackLabel->Assign(value); }
    // Rating pictures: with both set the bar is in rating mode.
    TGDIPPicture *RateActive() const { return FIRateActive.get(); }
    void SetRateActive(TGDIPPicture *value);
    TGDIPPicture *RateInActive() const { return FIRateInActive.get(); }
    void SetRateInActive(TGDIPPicture *value);
    // Images drawn at the ticks (referenced, not owned; forgotten when the list goes away).
    TCustomImageList *TickImages() const { return FImages; }
    void SetTickImages(TCustomImageList *value);

    // "1.6.3.0"; writing does nothing.
    QString Version() const;
    void SetVersion(const QString &) {}
    static int GetVersionNr();

    // Applies a colour preset (TTMSStyle numbering); tsCustom and unknown numbers only reset the
    // pictures and repaint.
    void SetComponentStyle(int style);

    // ---- Geometry (client coordinates) ----
    // The client rectangle less border and margin (3 pixels).
    TRect InnerRect() const;
    // Where the thumb travels.
    TRect TrackRect() const;
    // The groove; (-1, -1, -1, -1) when hidden.
    TRect SliderRect() const;
    TRect MinButtonRect() const;
    TRect MaxButtonRect() const;
    // The rectangle of one rating value; (-1, -1, -1, -1) when it has none.
    TRect RateItemRect(int value) const;
    bool RatingMode() const;
    // The bar is being dragged.
    bool Sliding() const { return FSliding; }
    bool ThumbHot() const { return FThumbHot; }
    bool ThumbDown() const { return FThumbDown; }
    bool MinButtonDown() const { return FMinButtonDown; }
    bool MaxButtonDown() const { return FMaxButtonDown; }
    bool TrackHintShowing() const { return FTrackHintShow; }
    TTrackHintWindow *TrackHintWindow() const { return FTrackHintWnd.get(); }

    // ---- Overridable steps ----
    virtual void RepeatTimerTick(TObject *Sender);
    // True: a press on the track pages the value.
    virtual bool AllowTrackClick() { return true; }
    // The label's text: its Format applied to Position, then OnGetTrackLabelText.
    virtual void GetTrackLabelText(QString &text);
    virtual TTrackBarSlider *CreateSlider();
    // True: the thumb can be grabbed and shows a hot state.
    virtual bool AllowThumbDrag() { return true; }
    virtual bool IsValidPosition(int value) { return value >= FMin && value <= FMax; }
    virtual int GetMin() { return FMin; }
    virtual int GetMax() { return FMax; }
    virtual void GetTickRectTopLeft(TRect &r) const;
    virtual void GetTickRectBottomRight(TRect &r) const;
    // The thumb at the current position; `flag` does not change the result.
    virtual void GetThumbRect(int flag, TRect &r) const;
    virtual bool HasTrackLabelHandler() { return static_cast<bool>(OnGetTrackLabelText); }
    virtual void ButtonStepDown();
    virtual void ButtonStepUp();
    // One page step toward the press on the track (see the mouse rules).
    virtual void PageTowardClick();
    virtual int GetThumbLength() const { return FThumb->Width(); }
    // Consulted by the thumb before its ThumbPointer changes.
    virtual bool AllowThumbPointer(TTrackBarThumb *thumb, TThumbPointer &value);
    virtual void PaintSlider();
    virtual void PaintThumb();
    virtual void InvalidateTrackLabel();

    // The rectangle of the position label; (-1, -1, -1, -1) when hidden.
    void GetTrackLabelRect(bool withText, TRect &r);
    TRect ThumbRect() const
    {
        TRect r;
        GetThumbRect(0, r);
        return r;
    }

    void Loaded() override;
    void Notification(TComponent *AComponent, TOperation Operation) override;

    // ---- Events ----
    TNotifyEvent OnChange;
    TDrawTickEvent OnDrawTick;
    TGetTrackHintEvent OnGetTrackHint;
    TGetTrackLabelEvent OnGetTrackLabelText;
    TGetTickMarkTextEvent OnGetTickMarkText;

protected:
    // Fires OnChange; called only at the end of SetPosition.
    virtual void DoChange();
    void Paint() override;
    void DoEnter() override;
    void DoExit() override;
    bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, TPoint mousePos) override;
    void KeyDown(WORD &key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

    // Drawing steps of Paint.
    void PaintBackground();
    void PaintTickMarks();
    void PaintTrackLabel();
    void PaintButtons();
    void PaintMinButton();
    void PaintMaxButton();
    void PaintRating();
    void PaintRateItem(int value);
    void DrawThumb(TTrackBarThumb *thumb, const TRect &r, int position, bool down, bool hot);

protected:  // message handlers, registered by number in the class description
    void WMGetDlgCode(TMessage &m);
    void WMEraseBkgnd(TMessage &m);
    void CMEnabledChanged(TMessage &m);
    void CMMouseLeave(TMessage &m);

private:
    // Stores a different value and repaints.
    template <class T>
    void Set(T &field, const T &value)
    {
        if (StoreChanged(field, value))
            Invalidate();
    }
    void AppearanceChanged(TObject *) { Invalidate(); }
    void TickMarkChanged(TObject *);
    void UpdateTextHeight();
    void StartRepeatTimer();
    // Distance of the thumb's reference point from its start, by ThumbPointer.
    int PointerOffset() const;
    // The value under a track position for dragging and jumping; Position when the track is no
    // longer than the thumb.
    int PositionAt(double numerator) const;
    void HideTrackHint();
    void PaintButton(bool isMin);
    // Repaints a part now (hot and pressed changes).
    void RepaintRect(const TRect &r);
    // The value under the point in rating mode; false when there is none.
    bool RateItemAt(int x, int y, int &value) const;
    // A picture at its own size with its top-left corner at (x, y), alpha kept.
    void DrawPicture(TCanvas *canvas, TGDIPPicture *picture, int x, int y);
    // The same, only inside `clip`.
    void DrawPictureClipped(TCanvas *canvas, TGDIPPicture *picture, const TPoint &at, const TRect &clip);

    std::unique_ptr<TTrackBarThumb> FThumb;
    std::unique_ptr<TTrackBarSlider> FSlider;
    std::unique_ptr<TTrackBarTick> FTickMark;
    int FMax = 10;
    int FMin = 0;
    TTrackBarOrientation FOrientation = trHorizontal;
    int FPageSize = 1;
    int FPosition = 0;
    bool FSliding = false;
    TColor FColorDisabled = clNone, FColorTo = clNone, FBorderColorDisabled = clNone, FBorderColor = clNone,
           FColorDisabledTo = clNone;
    std::unique_ptr<TGDIPPicture> FIBackGround;
    trackbar::TGradientDirection FDirection = trackbar::gdHorizontal;
    bool FTransparent = true;
    int FOffset = 2;
    int FTickTextOffset = 2;
    bool FThumbHot = false;
    bool FThumbDown = false;
    int FThumbCenterOffsetX = 0, FThumbCenterOffsetY = 0;
    TCustomImageList *FImages = nullptr;
    std::unique_ptr<TGDIPPicture> FIRateInActive, FIRateActive;
    std::unique_ptr<TGDIPPicture> FIBackGroundDisabled;
    std::unique_ptr<TTrackBarButtons> FButtons;
    int FBorderWidth = 1;
    bool FMinButtonHot = false, FMinButtonDown = false, FMaxButtonHot = false, FMaxButtonDown = false;
    bool FSliderButtonDown = false;
    TPoint FSliderDownPt;
    // Direction of the paging of the current press on the track: +1 toward Max, -1 toward Min.
    int FPageDirection = 0;
    int FTextHeight = 0;
    std::unique_ptr<TTimer> FRepeatTimer;
    bool FTrackHint = false;
    bool FBackGroundStretched = false;
    int FHintTickIndex = -1;
    std::unique_ptr<TTrackHintWindow> FTrackHintWnd;
    bool FTrackHintShow = false;
    bool FShowFocus = false;
    TMoveOnClick FMoveOnClick = mcStep;
    std::unique_ptr<TTrackBarLabel> FTrackLabel;
    // Set while Paint runs, so that PaintThumb draws instead of asking for a repaint.
    bool FInPaint = false;
    struct TDecodedPicture {
        const TGDIPPicture *Picture;
        QByteArray Bytes;
        QImage Image;
    };
    std::vector<TDecodedPicture> FDecoded;
};

class TAdvTrackBar : public TCustomTrackBar {
    T_DECLARE_CLASS(TAdvTrackBar, TCustomTrackBar)
    explicit TAdvTrackBar(TComponent *AOwner) : TCustomTrackBar(AOwner) {}
};
