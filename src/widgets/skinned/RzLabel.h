#pragma once
// TRzLabel: the framework's label with a frame (outer style, BorderWidth rings, inner style, on
// BorderSides, as the framed panel draws it), a text margin, raised, recessed or shadowed text,
// text turned by Angle (roFlat) or bent along an ellipse around CenterPoint (roCurve), a caption
// cut with an ellipsis (CondenseCaption), a text colour of its own while the pointer is over it
// (fly-by) and blinking on the shared timer (RzBlinkingControls.h).
//
// Colours: the text is drawn in the current colour, which is the font colour, or BlinkColor while
// the label blinks on. Every font change (also the fly-by's) updates it unless the label blinks.
// Fly-by: entering saves Font.Color and sets FlyByColor, leaving puts the saved colour back;
// turning FlyByEnabled off puts the colour saved at the last entry back (black when the pointer
// never entered).
//
// Angle: stored in 0..359 (a negative angle counts back from 360: -30 is 330, -400 is 320). A
// non-zero angle on a label with Rotation roNone makes it roFlat. Writing Rotation roNone or roFlat
// leaves the label at Angle 0 (roFlat also centres CenterPoint), also when it already had that
// rotation. Text that is turned needs a TrueType font: "Verdana" replaces any other.
//
// Auto size: the text's size plus the frame (style widths on BorderSides, BorderWidth and
// TextMargin on all four sides) plus the shadow, turned with the text for roFlat. A right-aligned
// label keeps its right edge. Frame and bevel writes only re-apply the size: a label that does not
// size itself is not repainted by them.
//
// Every label is a member of the shared blinking list from construction to destruction; the last
// one destroyed frees the list.

#include "platform/runtime/EnumNames.h"
#include "platform/ui/Label.h"
#include "widgets/skinned/RzBlinkingControls.h"
#include "widgets/skinned/RzCommon.h"
#include "widgets/skinned/RzFrameController.h"

enum TRotation { roNone, roFlat, roCurve };
inline constexpr auto RotationNames = EnumNames<TRotation>("roNone", "roFlat", "roCurve");

enum TCenterPoint {
    cpUpperLeft,
    cpUpperCenter,
    cpUpperRight,
    cpLeftCenter,
    cpCenter,
    cpRightCenter,
    cpLowerLeft,
    cpLowerCenter,
    cpLowerRight
};
inline constexpr auto CenterPointNames =
    EnumNames<TCenterPoint>("cpUpperLeft", "cpUpperCenter", "cpUpperRight", "cpLeftCenter", "cpCenter", "cpRightCenter",
                            "cpLowerLeft", "cpLowerCenter", "cpLowerRight");

enum TRzCondenseCaption { ccNone, ccAtEnd, ccWithinPath };
inline constexpr auto RzCondenseCaptionNames = EnumNames<TRzCondenseCaption>("ccNone", "ccAtEnd", "ccWithinPath");

class TRzLabel : public TLabel, public IFrameControllerClient {
    T_DECLARE_CLASS(TRzLabel, TLabel)
    explicit TRzLabel(TComponent *AOwner);
    ~TRzLabel() override;

    // ---- Text ----
    int Angle() const { return FAngle; }
    virtual void SetAngle(int value);
    TRotation Rotation() const { return FRotation; }
    virtual void SetRotation(TRotation value);
    TCenterPoint CenterPoint() const { return FCenterPoint; }
    virtual void SetCenterPoint(TCenterPoint value);
    TTextStyle TextStyle() const { return FTextStyle; }
    virtual void SetTextStyle(TTextStyle value);
    bool LightTextStyle() const { return FLightTextStyle; }
    virtual void SetLightTextStyle(bool value);
    TColor HighlightColor() const { return FHighlightColor; }
    virtual void SetHighlightColor(TColor value);
    TColor ShadowColor() const { return FShadowColor; }
    virtual void SetShadowColor(TColor value);
    int ShadowDepth() const { return FShadowDepth; }
    virtual void SetShadowDepth(int value);
    int TextMargin() const { return FTextMargin; }
    virtual void SetTextMargin(int value);
    TRzCondenseCaption CondenseCaption() const { return FCondenseCaption; }
    // Any value but ccNone turns AutoSize off.
    virtual void SetCondenseCaption(TRzCondenseCaption value);

    // ---- Fly-by and blinking ----
    bool FlyByEnabled() const { return FFlyByEnabled; }
    virtual void SetFlyByEnabled(bool value);
    TColor FlyByColor() const { return FFlyByColor; }
    virtual void SetFlyByColor(TColor value);
    bool Blinking() const { return FBlinking; }
    virtual void SetBlinking(bool value);
    TColor BlinkColor() const { return FBlinkColor; }
    virtual void SetBlinkColor(TColor value);
    // The shared list's intervals: one value for all labels.
    int BlinkIntervalOff() const;
    virtual void SetBlinkIntervalOff(int value);
    int BlinkIntervalOn() const;
    virtual void SetBlinkIntervalOn(int value);
    TBlinkState BlinkState() const { return FBlinkState; }
    // The colour the text is drawn in now.
    TColor CurrentColor() const { return FCurrentColor; }

    // ---- Frame ----
    int BevelWidth() const { return FBevelWidth; }
    virtual void SetBevelWidth(int value);
    TFrameStyleEx BorderInner() const { return FBorderInner; }
    virtual void SetBorderInner(TFrameStyleEx value);
    TFrameStyleEx BorderOuter() const { return FBorderOuter; }
    virtual void SetBorderOuter(TFrameStyleEx value);
    TSides BorderSides() const { return FBorderSides; }
    virtual void SetBorderSides(TSides value);
    int BorderWidth() const { return FBorderWidth; }
    virtual void SetBorderWidth(int value);
    TColor BorderColor() const { return FBorderColor; }
    virtual void SetBorderColor(TColor value);
    TColor BorderHighlight() const { return FBorderHighlight; }
    virtual void SetBorderHighlight(TColor value);
    TColor BorderShadow() const { return FBorderShadow; }
    virtual void SetBorderShadow(TColor value);
    TColor FlatColor() const { return FFlatColor; }
    virtual void SetFlatColor(TColor value);
    int FlatColorAdjustment() const { return FFlatColorAdjustment; }
    virtual void SetFlatColorAdjustment(int value);

    TRzFrameController *FrameController() const { return FFrameController; }
    virtual void SetFrameController(TRzFrameController *value);
    TRzFrameControllerNotifications FrameControllerNotifications() const { return FFrameControllerNotifications; }
    void SetFrameControllerNotifications(TRzFrameControllerNotifications value)
    {
        FFrameControllerNotifications = value;
    }
    void FrameControllerChanged() override;

    void Loaded() override;
    void Notification(TComponent *AComponent, TOperation Operation) override;
    void DefineProperties(TFiler *Filer) override;

    // The client rectangle less the frame (BorderWidth on all sides when asked).
    virtual TRect ShrinkRectByBorders(const TRect &rect, bool includeBorderWidth) const;
    // A text size (a rectangle at 0, 0) grown to the label's size around it.
    virtual TRect GrowRectByBorders(const TRect &rect) const;

protected:
    void Paint() override;
    QString GetLabelText() const override { return Caption(); }
    void AdjustBounds() override;
    // The list tells its new state; the label shows the opposite phase.
    virtual void BlinkStateChanged(TBlinkState listState);

protected:  // message handlers, registered by number in the class description
    void CMIsBlinking(TMessage &m);
    void CMBlinkStateChanged(TMessage &m);
    void CMFontChanged(TMessage &m);
    void CMTextChanged(TMessage &m);
    void CMMouseEnter(TMessage &m);
    void CMMouseLeave(TMessage &m);
    void CMParentColorChanged(TMessage &m);

private:
    TFramedBorders Frame() const;
    UINT CondenseFlag() const;
    // Rotated text wants a TrueType font.
    void NeedTrueTypeFont();
    void DrawStraightText();
    void DrawCurvedText();
    template <class T>
    void Store(T &field, T value);
    template <class T>
    void StoreAndSize(T &field, T value);

    int FAngle = 0;
    TColor FBlinkColor = clHighlight;
    TBlinkState FBlinkState = bsOff;
    bool FBlinking = false;
    int FBevelWidth = 1;
    TFrameStyleEx FBorderInner = fsNone;
    TFrameStyleEx FBorderOuter = fsNone;
    TSides FBorderSides = sdAllSides;
    TColor FBorderColor = clBtnFace;
    TColor FBorderHighlight = clBtnHighlight;
    TColor FBorderShadow = clBtnShadow;
    int FBorderWidth = 0;
    TColor FFlatColor = clBtnShadow;
    int FFlatColorAdjustment = 30;
    TColor FFontColor = clWindowText;
    TRzFrameController *FFrameController = nullptr;
    TRzFrameControllerNotifications FFrameControllerNotifications = fccAll;
    TCenterPoint FCenterPoint = cpCenter;
    TColor FOrigColor = clBlack;
    bool FInitColor = false;
    bool FFlyByEnabled = false;
    TColor FFlyByColor = clHighlight;
    bool FLightTextStyle = false;
    TTextStyle FTextStyle = tsNormal;
    TRotation FRotation = roNone;
    TColor FHighlightColor = clBtnHighlight;
    TColor FShadowColor = clBtnShadow;
    int FShadowDepth = 2;
    int FTextMargin = 0;
    TRzCondenseCaption FCondenseCaption = ccNone;
    TColor FCurrentColor = clWindowText;
};
