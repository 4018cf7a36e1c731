#pragma once
// TRzFrameController: one set of framing settings (colours, frame styles, sides, hot tracking)
// pushed to every control that names the controller in its FrameController property, so that a
// window's framed controls share one look and change together.
//
// How a control receives the settings: one that implements IFrameControllerClient (the framed
// panel) is told that something changed and takes what it needs; any other control gets each
// setting written into its published property of the same name, when it has one. A control's
// FrameControllerNotifications (a published set of the first sixteen TRzFrameControllerProperty
// values) limits which settings it takes; a control without it takes all.
//
// When: every write of a differing value notifies the registered controls, in registration order,
// of that one setting; nothing is sent while BeginUpdate is open, and the EndUpdate that closes the
// last one sends everything (fcpAll) once. Loaded and UpdateControls send everything as well.
//
// Settings store: Load and Save read and write the settings as keys of one section of RegIniFile;
// without a store they raise ENoRegIniFile and touch nothing.
//
// Old forms: the stored properties "FrameFlat", "FrameFocusStyle" and "FrameFlatStyle" of earlier
// versions are still read (and mapped or dropped), never written.

#include "platform/runtime/EnumNames.h"
#include "platform/ui/Controls.h"
#include "widgets/skinned/RzCommon.h"

#include <vector>

class TRzRegIniFile;
class TReader;
class TWriter;

enum TFramingPreference { fpCustomFraming, fpXPThemes };
inline constexpr auto FramingPreferenceNames = EnumNames<TFramingPreference>("fpCustomFraming", "fpXPThemes");

enum TRzFrameControllerProperty {
    fcpColor,
    fcpFocusColor,
    fcpDisabledColor,
    fcpReadOnlyColor,
    fcpReadOnlyColorOnFocus,
    fcpParentColor,
    fcpFlatButtonColor,
    fcpFlatButtons,
    fcpFrameColor,
    fcpFrameHotColor,
    fcpFrameHotTrack,
    fcpFrameHotStyle,
    fcpFrameSides,
    fcpFrameStyle,
    fcpFrameVisible,
    fcpFramingPreference,
    fcpAll
};
using TRzFrameControllerNotifications = TSet<TRzFrameControllerProperty>;
constexpr TRzFrameControllerNotifications fccAll = TRzFrameControllerNotifications::FromMask(0xFFFF);
inline constexpr auto RzFrameControllerPropertyNames = EnumNames<TRzFrameControllerProperty>(
    "fcpColor", "fcpFocusColor", "fcpDisabledColor", "fcpReadOnlyColor", "fcpReadOnlyColorOnFocus",
    "fcpParentColor", "fcpFlatButtonColor", "fcpFlatButtons", "fcpFrameColor", "fcpFrameHotColor",
    "fcpFrameHotTrack", "fcpFrameHotStyle", "fcpFrameSides", "fcpFrameStyle", "fcpFrameVisible",
    "fcpFramingPreference");

// A control that takes the controller's settings itself.
class IFrameControllerClient {
public:
    virtual void FrameControllerChanged() = 0;

protected:
    ~IFrameControllerClient() = default;
};

// Readers for stored properties that no longer exist: each reads one value of its kind and drops
// it; WriteOldProp writes nothing. Registered for an obsolete name with HasData false, they let
// old forms load and never store the name again.
class TRzOldPropReader {
public:
    static void ReadOldBooleanProp(TReader &reader);
    static void ReadOldEnumProp(TReader &reader);
    static void ReadOldIdentProp(TReader &reader);
    static void ReadOldIntegerProp(TReader &reader);
    static void ReadOldSetProp(TReader &reader);
    static void ReadOldStringProp(TReader &reader);
    static void WriteOldProp(TWriter &writer);
};

// Registers the readers of the old framing properties on `owner` (which publishes FrameHotStyle):
// "FrameFlat" (a Boolean into frameHotTrack; True also sets fsStatus and fsLowered as frame and hot
// styles), "FrameFocusStyle" (a frame style into frameHotStyle) and "FrameFlatStyle" (dropped).
class TFiler;
void DefineOldFramingProperties(TFiler *Filer, TObject *owner, bool &frameHotTrack, TFrameStyle &frameStyle,
                                TFrameStyle &frameHotStyle);

class TRzFrameController : public TComponent {
    T_DECLARE_CLASS(TRzFrameController, TComponent)
    explicit TRzFrameController(TComponent *AOwner);
    ~TRzFrameController() override;

    // Registers the control and sends it everything (when it was not registered yet).
    void AddControl(TControl *control);
    void RemoveControl(TControl *control);
    const std::vector<TControl *> &Controls() const { return FFrameList; }

    void BeginUpdate() { ++FUpdateCount; }
    // Closing the last update sends everything to every control.
    void EndUpdate();
    void UpdateControls() { NotifyControls(fcpAll); }

    // Reads every setting from `section` of RegIniFile (missing keys give the defaults of the
    // store, DisabledColor clWindow) and sends everything once, also when reading fails.
    void Load(const QString &section);
    void Save(const QString &section);

    void Assign(TPersistent *Source) override;
    void Loaded() override;
    void Notification(TComponent *AComponent, TOperation Operation) override;
    void DefineProperties(TFiler *Filer) override;

    TColor Color() const { return FColor; }
    virtual void SetColor(TColor value);
    bool ParentColor() const { return FParentColor; }
    virtual void SetParentColor(bool value);
    TColor FlatButtonColor() const { return FFlatButtonColor; }
    virtual void SetFlatButtonColor(TColor value);
    bool FlatButtons() const { return FFlatButtons; }
    virtual void SetFlatButtons(bool value);
    TColor DisabledColor() const { return FDisabledColor; }
    virtual void SetDisabledColor(TColor value);
    TColor ReadOnlyColor() const { return FReadOnlyColor; }
    virtual void SetReadOnlyColor(TColor value);
    bool ReadOnlyColorOnFocus() const { return FReadOnlyColorOnFocus; }
    virtual void SetReadOnlyColorOnFocus(bool value);
    TColor FocusColor() const { return FFocusColor; }
    virtual void SetFocusColor(TColor value);
    TColor FrameColor() const { return FFrameColor; }
    virtual void SetFrameColor(TColor value);
    TColor FrameHotColor() const { return FFrameHotColor; }
    virtual void SetFrameHotColor(TColor value);
    bool FrameHotTrack() const { return FFrameHotTrack; }
    virtual void SetFrameHotTrack(bool value);
    TFrameStyle FrameHotStyle() const { return FFrameHotStyle; }
    virtual void SetFrameHotStyle(TFrameStyle value);
    TSides FrameSides() const { return FFrameSides; }
    virtual void SetFrameSides(TSides value);
    TFrameStyle FrameStyle() const { return FFrameStyle; }
    virtual void SetFrameStyle(TFrameStyle value);
    bool FrameVisible() const { return FFrameVisible; }
    virtual void SetFrameVisible(bool value);
    TFramingPreference FramingPreference() const { return FFramingPreference; }
    virtual void SetFramingPreference(TFramingPreference value);
    TRzRegIniFile *RegIniFile() const { return FRegIniFile; }
    virtual void SetRegIniFile(TRzRegIniFile *value);

protected:
    virtual void NotifyControl(TControl *control, TRzFrameControllerProperty property);
    virtual void NotifyControls(TRzFrameControllerProperty property);

private:
    TColor FColor = clWindow;
    bool FParentColor = false;
    std::vector<TControl *> FFrameList;
    TColor FFlatButtonColor = clBtnFace;
    bool FFlatButtons = true;
    TColor FDisabledColor = clBtnFace;
    TColor FReadOnlyColor = clInfoBk;
    bool FReadOnlyColorOnFocus = false;
    TColor FFocusColor = clWindow;
    TColor FFrameColor = clBtnShadow;
    TColor FFrameHotColor = clBtnShadow;
    bool FFrameHotTrack = false;
    TFrameStyle FFrameHotStyle = fsFlatBold;
    TSides FFrameSides = sdAllSides;
    TFrameStyle FFrameStyle = fsFlat;
    bool FFrameVisible = false;
    TFramingPreference FFramingPreference = fpXPThemes;
    int FUpdateCount = 0;
    TRzRegIniFile *FRegIniFile = nullptr;
};

// Moves `control` from the controller in `field` to `value`: it leaves the old one's list, joins
// the new one's (which sends it everything) and asks it for its free notification. Nothing when
// they are the same; nullptr only leaves (a control's destructor).
void SetControlFrameController(TControl *control, TRzFrameController *&field, TRzFrameController *value);

// The frame fields of a framed control (panel, label) that its controller sets.
struct TFramedControlFields {
    TFrameStyleEx &outer;
    TSides &sides;
    TColor &flatColor;
    int &flatAdjustment;
    TColor &highlight;
    TColor &shadow;
};
// What a framed control takes from its controller while the controller's frame is visible, as far
// as `notifications` allow: the frame style as its outer style, the sides, the frame colour (with
// adjustment 0), Color and ParentColor (written through the control), and the highlight and shadow
// made from the colour. False, with nothing taken, while the frame is not visible.
bool TakeFrameControllerSettings(TControl *control, const TRzFrameController *controller,
                                 TRzFrameControllerNotifications notifications, const TFramedControlFields &fields);
