#pragma once
// What a splash screen (AdvSmoothSplashScreen.h) shows besides its items: the heading texts
// (program name and version, TSplashHeadingText) with the copyright in TBasicProgramInfo, the
// settings and rectangle of its list of marked-up lines (TSplashListItemsSettings,
// TListItemsRect) and the marked-up text of a top-layer box (TAdvSplashHTMLText). The form stream
// fills them; the splash window draws them.
//
// Notifications: a heading's OnChange fires when its Text changes to another value, and the block
// of both headings reports it as its own OnChange; the list settings and rectangle report nothing.
// A top-layer text repaints the component's showing window when any of its values changes (its
// font included). Assign between objects of one class copies the published values; the headings,
// the block, the list rectangle and the list settings refuse other sources with EConvertError, a
// top-layer text ignores them.

#include <QString>

#include <memory>

#include "platform/runtime/Classes.h"
#include "platform/runtime/EnumNames.h"
#include "platform/runtime/Events.h"
#include "platform/ui/GraphicsFont.h"
#include "widgets/graphics/AdvGDIP.h"
#include "widgets/graphics/AdvGDIPPicture.h"
#include "widgets/graphics/ChangedValue.h"

class TAdvSmoothSplashScreen;

// Where a heading goes in the window.
enum TItemLocation { ilTopLeft, ilTopCenter, ilTopRight, ilBottomLeft, ilBottomCenter, ilBottomRight, ilCustom };
inline constexpr auto ItemLocationNames = EnumNames<TItemLocation>(
    "ilTopLeft", "ilTopCenter", "ilTopRight", "ilBottomLeft", "ilBottomCenter", "ilBottomRight", "ilCustom");

// Where a top-layer text goes in its box.
enum TAdvSmoothSplashScreenLocation {
    cpTopLeft,
    cpTopCenter,
    cpTopRight,
    cpCenterLeft,
    cpCenterCenter,
    cpCenterRight,
    cpBottomLeft,
    cpBottomCenter,
    cpBottomRight,
    cpCustom
};
inline constexpr auto AdvSmoothSplashScreenLocationNames = EnumNames<TAdvSmoothSplashScreenLocation>(
    "cpTopLeft", "cpTopCenter", "cpTopRight", "cpCenterLeft", "cpCenterCenter", "cpCenterRight", "cpBottomLeft",
    "cpBottomCenter", "cpBottomRight", "cpCustom");

// ---- Headings ------------------------------------------------------------------------------------

class TSplashHeadingText : public TPersistent {
    T_DECLARE_CLASS(TSplashHeadingText, TPersistent)
    TSplashHeadingText();
    ~TSplashHeadingText() override;

    int Angle() const { return FAngle; }
    void SetAngle(int value) { FAngle = value; }
    const QString &Text() const { return FText; }
    // A different text fires OnChange.
    void SetText(const QString &value);
    TFont *Font() const { return FFont.get(); }
    void SetFont(TFont *value) { FFont->Assign(value); }
    TItemLocation Location() const { return FLocation; }
    void SetLocation(TItemLocation value) { FLocation = value; }
    int PosX() const { return FPosX; }
    void SetPosX(int value) { FPosX = value; }
    int PosY() const { return FPosY; }
    void SetPosY(int value) { FPosY = value; }
    ::HatchStyle HatchStyle() const { return FHatchStyle; }
    void SetHatchStyle(::HatchStyle value) { FHatchStyle = value; }
    // The texture of a gtTexture text.
    TAdvGDIPPicture *Picture() const { return FPicture.get(); }
    void SetPicture(TAdvGDIPPicture *value);
    TColor ColorStart() const { return FStartColor; }
    void SetColorStart(TColor value) { FStartColor = value; }
    // clNone: the text is one solid colour.
    TColor ColorEnd() const { return FEndColor; }
    void SetColorEnd(TColor value) { FEndColor = value; }
    BYTE OpacityStart() const { return FStartOpacity; }
    void SetOpacityStart(BYTE value) { FStartOpacity = value; }
    BYTE OpacityEnd() const { return FEndOpacity; }
    void SetOpacityEnd(BYTE value) { FEndOpacity = value; }
    TAdvGradientType GradientType() const { return FGradientType; }
    void SetGradientType(TAdvGradientType value) { FGradientType = value; }

    TNotifyEvent OnChange;

    void Assign(TPersistent *Source) override;

private:
    BYTE FStartOpacity = 255;
    BYTE FEndOpacity = 255;
    int FPosY = 100;
    int FPosX = 10;
    QString FText;
    std::unique_ptr<TAdvGDIPPicture> FPicture;
    TAdvGradientType FGradientType = gtVertical;
    TColor FEndColor = clNone;
    TColor FStartColor = clBlack;
    std::unique_ptr<TFont> FFont;
    ::HatchStyle FHatchStyle = HatchStyleHorizontal;
    TItemLocation FLocation = ilTopLeft;
    int FAngle = 0;
};

class TBasicProgramInfo : public TPersistent {
    T_DECLARE_CLASS(TBasicProgramInfo, TPersistent)
    TBasicProgramInfo();
    ~TBasicProgramInfo() override;

    // Load the texts from the program's version resource when the splash is read.
    bool AutoLoad() const { return FAutoLoad; }
    void SetAutoLoad(bool value) { FAutoLoad = value; }
    TSplashHeadingText *ProgramName() const { return FProgramName.get(); }
    void SetProgramName(TSplashHeadingText *value) { FProgramName->Assign(value); }
    TSplashHeadingText *ProgramVersion() const { return FProgramVersion.get(); }
    void SetProgramVersion(TSplashHeadingText *value) { FProgramVersion->Assign(value); }
    const QString &CopyRight() const { return FCopyRight; }
    void SetCopyRight(const QString &value) { FCopyRight = value; }
    TFont *CopyRightFont() const { return FCopyRightFont.get(); }
    void SetCopyRightFont(TFont *value) { FCopyRightFont->Assign(value); }
    TItemLocation CopyRightLocation() const { return FCopyRightLocation; }
    void SetCopyRightLocation(TItemLocation value) { FCopyRightLocation = value; }
    int CopyRightPosX() const { return FCopyRightPosX; }
    void SetCopyRightPosX(int value) { FCopyRightPosX = value; }
    int CopyRightPosY() const { return FCopyRightPosY; }
    void SetCopyRightPosY(int value) { FCopyRightPosY = value; }

    // Fired when the name's or the version's OnChange fires.
    TNotifyEvent OnChange;

    void Assign(TPersistent *Source) override;

private:
    void HeadingChanged(TObject *);

    bool FAutoLoad = true;
    std::unique_ptr<TFont> FCopyRightFont;
    int FCopyRightPosX = 10;
    int FCopyRightPosY = 130;
    QString FCopyRight;
    std::unique_ptr<TSplashHeadingText> FProgramName;
    std::unique_ptr<TSplashHeadingText> FProgramVersion;
    TItemLocation FCopyRightLocation = ilTopLeft;
};

// ---- The list of lines ---------------------------------------------------------------------------

class TListItemsRect : public TPersistent {
    T_DECLARE_CLASS(TListItemsRect, TPersistent)
    TListItemsRect() = default;

    int Left() const { return FLeft; }
    void SetLeft(int value) { FLeft = value; }
    int Top() const { return FTop; }
    void SetTop(int value) { FTop = value; }
    int Width() const { return FWidth; }
    void SetWidth(int value) { FWidth = value; }
    int Height() const { return FHeight; }
    void SetHeight(int value) { FHeight = value; }
    // (Left, Top, Left + Width, Top + Height).
    TRect GetRect() const { return TRect(FLeft, FTop, FLeft + FWidth, FTop + FHeight); }

    // Never fired.
    TNotifyEvent OnChange;

    void Assign(TPersistent *Source) override;

private:
    int FHeight = 200;
    int FLeft = 30;
    int FWidth = 300;
    int FTop = 150;
};

class TSplashListItemsSettings : public TPersistent {
    T_DECLARE_CLASS(TSplashListItemsSettings, TPersistent)
    // `owner`: the splash component, or nullptr.
    explicit TSplashListItemsSettings(TAdvSmoothSplashScreen *owner = nullptr);
    ~TSplashListItemsSettings() override;

    TListItemsRect *Rect() const { return FRect.get(); }
    void SetRect(TListItemsRect *value) { FRect->Assign(value); }
    // Pixels between two lines.
    int Space() const { return FSpace; }
    void SetSpace(int value) { FSpace = value; }
    TFont *HTMLFont() const { return FHTMLFont.get(); }
    void SetHTMLFont(TFont *value) { FHTMLFont->Assign(value); }
    TColor HTMLURLColor() const { return FHTMLURLColor; }
    void SetHTMLURLColor(TColor value) { FHTMLURLColor = value; }
    TColor HTMLShadowColor() const { return FHTMLShadowColor; }
    void SetHTMLShadowColor(TColor value) { FHTMLShadowColor = value; }
    int HTMLShadowOffset() const { return FHTMLShadowOffset; }
    void SetHTMLShadowOffset(int value) { FHTMLShadowOffset = value; }

    // Never fired.
    TNotifyEvent OnChange;

    void Assign(TPersistent *Source) override;

private:
    int FSpace = 8;
    int FHTMLShadowOffset = 5;
    TColor FHTMLURLColor = clBlue;
    TColor FHTMLShadowColor = clGray;
    std::unique_ptr<TFont> FHTMLFont;
    std::unique_ptr<TListItemsRect> FRect;
    TAdvSmoothSplashScreen *FOwner;
};

// ---- Text of a top-layer box ---------------------------------------------------------------------

class TAdvSplashHTMLText : public TPersistent {
    T_DECLARE_CLASS(TAdvSplashHTMLText, TPersistent)
    // `owner`: the splash component whose window shows the text, or nullptr.
    explicit TAdvSplashHTMLText(TAdvSmoothSplashScreen *owner = nullptr);
    ~TAdvSplashHTMLText() override;

    const QString &Text() const { return FText; }
    void SetText(const QString &value) { Set(FText, value); }
    // cpCenterLeft after construction, the value the form stream leaves out.
    TAdvSmoothSplashScreenLocation Location() const { return FLocation; }
    void SetLocation(TAdvSmoothSplashScreenLocation value) { Set(FLocation, value); }
    // The window position of a cpCustom text.
    int Top() const { return FTop; }
    void SetTop(int value) { Set(FTop, value); }
    int Left() const { return FLeft; }
    void SetLeft(int value) { Set(FLeft, value); }
    TColor URLColor() const { return FURLColor; }
    void SetURLColor(TColor value) { Set(FURLColor, value); }
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor value) { Set(FShadowColor, value); }
    int ShadowOffset() const { return FShadowOffset; }
    void SetShadowOffset(int value) { Set(FShadowOffset, value); }
    TFont *Font() const { return FFont.get(); }
    void SetFont(TFont *value) { FFont->Assign(value); }

    // Never fired.
    TNotifyEvent OnChange;

    void Assign(TPersistent *Source) override;

private:
    template <class T>
    void Set(T &field, const T &value)
    {
        SetChangedValue(field, value, [this] { Changed(); });
    }
    void Changed();

    TAdvSmoothSplashScreen *FOwner;
    TColor FURLColor = clBlue;
    int FShadowOffset = 5;
    std::unique_ptr<TFont> FFont;
    QString FText;
    TColor FShadowColor = clGray;
    TAdvSmoothSplashScreenLocation FLocation = cpCenterLeft;
    int FTop = 0;
    int FLeft = 0;
};
