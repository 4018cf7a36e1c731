#pragma once
// TGDIPFill: a persistent description of how to paint an area with GDI+ (a solid colour, a
// gradient, a hatch or a texture, optionally an upper part and a mirrored lower part), with
// rounded corners, a border, a soft shadow, a glow, a focus outline, a background picture and a
// foreground picture. Controls keep one as a published property and call Fill from their paint.
//
// Events: a property write that changes the value fires OnChange (so do changes of the two
// pictures); nothing fires while BeginUpdate is in force, and EndUpdate fires nothing itself.
// Assign copies every published property but OnChange (the pictures by content; Focus and
// FocusColor stay) and then reports one change.
//
// Stored forms:
//  - the clipboard format "GDI+ Fill": the fill's published properties as a component stream of a
//    TSaver (pictures as their file bytes);
//  - an INI section: the integer keys below, then each picture's bytes as hexadecimal text
//    ("Picture", "BackgroundPicture") with the text's length ("PictureDataSize",
//    "BackgroundPictureSize"). A load decodes both picture texts before it changes anything: a
//    character that is no hexadecimal digit raises EConvertError "No Hex-Number" and leaves the
//    fill as it was; a good load reports one change.

#include "platform/runtime/EnumNames.h"
#include <QString>

#include <memory>
#include <optional>

#include "platform/runtime/Classes.h"
#include "platform/runtime/Events.h"
#include "widgets/graphics/AdvGDIP.h"
#include "widgets/graphics/AdvGDIPPicture.h"
#include "widgets/graphics/ChangedValue.h"

class TCustomIniFile;

enum TFillRoundingType { rtNone, rtTop, rtBottom, rtBoth, rtLeft, rtRight };
inline constexpr auto FillRoundingTypeNames = EnumNames<TFillRoundingType>(
    "rtNone", "rtTop", "rtBottom", "rtBoth", "rtLeft", "rtRight");
enum TShadowType { stRightBottom, stBottom, stSurround };
inline constexpr auto ShadowTypeNames = EnumNames<TShadowType>("stRightBottom", "stBottom", "stSurround");
enum TGlowMode { gmNone, gmGradient, gmRadial, gmRadialGradient };
inline constexpr auto GlowModeNames = EnumNames<TGlowMode>("gmNone", "gmGradient", "gmRadial", "gmRadialGradient");
enum TFillPicturePosition {
    ppTopLeft,
    ppTopCenter,
    ppTopRight,
    ppBottomLeft,
    ppBottomCenter,
    ppBottomRight,
    ppTiled,
    ppStretched,
    ppCenterLeft,
    ppCenterCenter,
    ppCenterRight,
    ppCustom
};
inline constexpr auto FillPicturePositionNames = EnumNames<TFillPicturePosition>(
    "ppTopLeft", "ppTopCenter", "ppTopRight", "ppBottomLeft", "ppBottomCenter", "ppBottomRight", "ppTiled",
    "ppStretched", "ppCenterLeft", "ppCenterCenter", "ppCenterRight", "ppCustom");
enum TFillPictureSize { psOriginal, psCustom };
inline constexpr auto FillPictureSizeNames = EnumNames<TFillPictureSize>("psOriginal", "psCustom");
enum TFillPictureMode { pmInsideFill, pmOutsideFill };
inline constexpr auto FillPictureModeNames = EnumNames<TFillPictureMode>("pmInsideFill", "pmOutsideFill");
enum TPictureMode { pmStretch, pmNormal };
inline constexpr auto PictureModeNames = EnumNames<TPictureMode>("pmStretch", "pmNormal");

class TGDIPFill : public TPersistent {
    T_DECLARE_CLASS(TGDIPFill, TPersistent)
    TGDIPFill();
    ~TGDIPFill() override;

    TNotifyEvent OnChange;

    // ---- Published properties (defaults as the constructor sets them) ----
    TColor Color() const { return FColor; }
    void SetColor(TColor v) { Set(FColor, v); }
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor v) { Set(FColorTo, v); }
    TColor ColorMirror() const { return FColorMirror; }
    void SetColorMirror(TColor v) { Set(FColorMirror, v); }
    TColor ColorMirrorTo() const { return FColorMirrorTo; }
    void SetColorMirrorTo(TColor v) { Set(FColorMirrorTo, v); }
    TAdvGradientType GradientType() const { return FGradientType; }
    void SetGradientType(TAdvGradientType v) { Set(FGradientType, v); }
    TAdvGradientType GradientMirrorType() const { return FGradientMirrorType; }
    void SetGradientMirrorType(TAdvGradientType v) { Set(FGradientMirrorType, v); }
    ::HatchStyle HatchStyle() const { return FHatchStyle; }
    void SetHatchStyle(::HatchStyle v) { Set(FHatchStyle, v); }
    ::HatchStyle HatchStyleMirror() const { return FHatchStyleMirror; }
    void SetHatchStyleMirror(::HatchStyle v) { Set(FHatchStyleMirror, v); }
    bool BackGroundPictureAspectRatio() const { return FBackGroundPictureAspectRatio; }
    void SetBackGroundPictureAspectRatio(bool v) { Set(FBackGroundPictureAspectRatio, v); }
    TFillPictureMode BackGroundPictureMode() const { return FBackGroundPictureMode; }
    void SetBackGroundPictureMode(TFillPictureMode v) { Set(FBackGroundPictureMode, v); }
    TAdvGDIPPicture *BackGroundPicture() const { return FBackGroundPicture.get(); }
    // Copies the content of another picture.
    void SetBackGroundPicture(TAdvGDIPPicture *v);
    TFillPicturePosition BackGroundPicturePosition() const { return FBackGroundPicturePosition; }
    void SetBackGroundPicturePosition(TFillPicturePosition v) { Set(FBackGroundPicturePosition, v); }
    int BackGroundPictureLeft() const { return FBackGroundPictureLeft; }
    void SetBackGroundPictureLeft(int v) { Set(FBackGroundPictureLeft, v); }
    int BackGroundPictureTop() const { return FBackGroundPictureTop; }
    void SetBackGroundPictureTop(int v) { Set(FBackGroundPictureTop, v); }
    TPictureMode BackGroundPictureAspectMode() const { return FBackGroundPictureAspectMode; }
    void SetBackGroundPictureAspectMode(TPictureMode v) { Set(FBackGroundPictureAspectMode, v); }
    TAdvGDIPPicture *Picture() const { return FPicture.get(); }
    // Copies the content of another picture.
    void SetPicture(TAdvGDIPPicture *v);
    TFillPicturePosition PicturePosition() const { return FPicturePosition; }
    void SetPicturePosition(TFillPicturePosition v) { Set(FPicturePosition, v); }
    int PictureLeft() const { return FPictureLeft; }
    void SetPictureLeft(int v) { Set(FPictureLeft, v); }
    int PictureTop() const { return FPictureTop; }
    void SetPictureTop(int v) { Set(FPictureTop, v); }
    TFillPictureSize PictureSize() const { return FPictureSize; }
    void SetPictureSize(TFillPictureSize v) { Set(FPictureSize, v); }
    int PictureWidth() const { return FPictureWidth; }
    void SetPictureWidth(int v) { Set(FPictureWidth, v); }
    int PictureHeight() const { return FPictureHeight; }
    void SetPictureHeight(int v) { Set(FPictureHeight, v); }
    bool PictureAspectRatio() const { return FPictureAspectRatio; }
    void SetPictureAspectRatio(bool v) { Set(FPictureAspectRatio, v); }
    TPictureMode PictureAspectMode() const { return FPictureAspectMode; }
    void SetPictureAspectMode(TPictureMode v) { Set(FPictureAspectMode, v); }
    BYTE Opacity() const { return FOpacity; }
    void SetOpacity(BYTE v) { Set(FOpacity, v); }
    BYTE OpacityTo() const { return FOpacityTo; }
    void SetOpacityTo(BYTE v) { Set(FOpacityTo, v); }
    BYTE OpacityMirror() const { return FOpacityMirror; }
    void SetOpacityMirror(BYTE v) { Set(FOpacityMirror, v); }
    BYTE OpacityMirrorTo() const { return FOpacityMirrorTo; }
    void SetOpacityMirrorTo(BYTE v) { Set(FOpacityMirrorTo, v); }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor v) { Set(FBorderColor, v); }
    BYTE BorderOpacity() const { return FBorderOpacity; }
    void SetBorderOpacity(BYTE v) { Set(FBorderOpacity, v); }
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int v) { Set(FBorderWidth, v); }
    int Rounding() const { return FRounding; }
    void SetRounding(int v) { Set(FRounding, v); }
    TFillRoundingType RoundingType() const { return FRoundingType; }
    void SetRoundingType(TFillRoundingType v) { Set(FRoundingType, v); }
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor v) { Set(FShadowColor, v); }
    int ShadowOffset() const { return FShadowOffset; }
    void SetShadowOffset(int v) { Set(FShadowOffset, v); }
    TShadowType ShadowType() const { return FShadowType; }
    void SetShadowType(TShadowType v) { Set(FShadowType, v); }
    int Angle() const { return FAngle; }
    void SetAngle(int v) { Set(FAngle, v); }
    TGlowMode Glow() const { return FGlow; }
    void SetGlow(TGlowMode v) { Set(FGlow, v); }
    TColor GlowGradientColor() const { return FGlowGradientColor; }
    void SetGlowGradientColor(TColor v) { Set(FGlowGradientColor, v); }
    TColor GlowRadialColor() const { return FGlowRadialColor; }
    void SetGlowRadialColor(TColor v) { Set(FGlowRadialColor, v); }

    // ---- Public, not published ----
    bool Focus() const { return FFocus; }
    void SetFocus(bool v) { Set(FFocus, v); }
    TColor FocusColor() const { return FFocusColor; }
    void SetFocusColor(TColor v) { Set(FFocusColor, v); }
    // The rectangle inside the border found by the last Fill.
    TGPRectF FocusRect() const { return FFocusRect; }

    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate()
    {
        if (FUpdateCount > 0)
            --FUpdateCount;
    }

    // Only from another TGDIPFill; anything else does nothing.
    void Assign(TPersistent *Source) override;

    // Paints the fill into R; each opacity of 255 means the property of that name, any other
    // value replaces it for this call. Returns the rectangle left for the body once the shadow
    // was set aside. Without a graphics nothing is painted.
    TGPRectF Fill(TGPGraphics *graphics, const TGPRectF &R, BYTE ABorderOpacity = 255, BYTE AOpacity = 255,
                  BYTE AOpacityTo = 255, BYTE AOpacityMirror = 255, BYTE AOpacityMirrorTo = 255);
    // The main part (or with `mirror` the mirror part) over the rectangle.
    void DrawGradientBackGround(TGPGraphics *graphics, const TGPRectF &R, bool mirror);
    void DrawGlow(TGPGraphics *graphics, const TGPRectF &R);

    void SaveToClipBoard();
    // Nothing when the clipboard holds no "GDI+ Fill".
    void LoadFromClipBoard();
    void SaveToFile(const QString &fileName, const QString &section);
    void LoadFromFile(const QString &fileName, const QString &section);
    void SaveToFile(TCustomIniFile *ini, const QString &section);
    void LoadFromFile(TCustomIniFile *ini, const QString &section);

private:
    template <class T>
    void Set(T &field, T value)
    {
        SetChangedValue(field, value, [this] { Changed(); });
    }
    void Changed();
    void PictureChanged(TObject *) { Changed(); }

    // The opacities of the Fill in progress (the properties outside of one).
    struct Opacities {
        BYTE Border, Main, MainTo, Mirror, MirrorTo;
    };
    Opacities Current() const;

    TColor FColor = 0xC0C0C0;
    TColor FColorTo = 0x808080;
    TColor FColorMirror = clNone;
    TColor FColorMirrorTo = clNone;
    TAdvGradientType FGradientType = gtVertical;
    TAdvGradientType FGradientMirrorType = gtSolid;
    ::HatchStyle FHatchStyle = HatchStyleHorizontal;
    ::HatchStyle FHatchStyleMirror = HatchStyleHorizontal;
    bool FBackGroundPictureAspectRatio = false;
    TFillPictureMode FBackGroundPictureMode = pmOutsideFill;
    std::unique_ptr<TAdvGDIPPicture> FBackGroundPicture;
    TFillPicturePosition FBackGroundPicturePosition = ppTopLeft;
    int FBackGroundPictureLeft = 0;
    int FBackGroundPictureTop = 0;
    TPictureMode FBackGroundPictureAspectMode = pmStretch;
    std::unique_ptr<TAdvGDIPPicture> FPicture;
    TFillPicturePosition FPicturePosition = ppTopLeft;
    int FPictureLeft = 0;
    int FPictureTop = 0;
    TFillPictureSize FPictureSize = psOriginal;
    int FPictureWidth = 50;
    int FPictureHeight = 50;
    bool FPictureAspectRatio = false;
    TPictureMode FPictureAspectMode = pmStretch;
    BYTE FOpacity = 255;
    BYTE FOpacityTo = 255;
    BYTE FOpacityMirror = 255;
    BYTE FOpacityMirrorTo = 255;
    TColor FBorderColor = clNone;
    BYTE FBorderOpacity = 255;
    int FBorderWidth = 1;
    int FRounding = 0;
    TFillRoundingType FRoundingType = rtBoth;
    TColor FShadowColor = 0x808080;
    int FShadowOffset = 0;
    TShadowType FShadowType = stRightBottom;
    int FAngle = 0;
    TGlowMode FGlow = gmNone;
    TColor FGlowGradientColor = 0xFFFFFF;
    TColor FGlowRadialColor = 0xFFFFFF;
    bool FFocus = false;
    TColor FFocusColor = 0;
    TGPRectF FFocusRect{};
    int FUpdateCount = 0;
    std::optional<Opacities> FFilling;
};

// Carries a fill through the framework's component streaming (the clipboard copy).
class TSaver : public TComponent {
    T_DECLARE_CLASS(TSaver, TComponent)
    explicit TSaver(TComponent *AOwner) : TComponent(AOwner) {}
    TPersistent *SaveObject() const { return FSaveObject; }
    void SetSaveObject(TPersistent *value) { FSaveObject = value; }

private:
    TPersistent *FSaveObject = nullptr;
};

// A closed path of the rectangle with quarter-circle corners of the radius, clockwise from the
// top-left; which corners are round follows the rounding type. Owned by the caller.
TGPGraphicsPath *CreateRoundRectPath(const TGPRectF &r, int radius, TFillRoundingType roundingType);
