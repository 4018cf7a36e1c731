#include "widgets/graphics/SplashContent.h"

#include "platform/runtime/ClassBuilder.h"
#include "widgets/graphics/AdvSmoothSplashScreen.h"

T_IMPLEMENT_CLASS(TSplashHeadingText)
{
    using C = TSplashHeadingText;
    b.Int("Angle", &C::Angle, &C::SetAngle).Default(0);
    b.Str("Text", &C::Text, &C::SetText);
    b.Object("Font", &C::Font, &C::SetFont);
    b.Enum("Location", &C::Location, &C::SetLocation, ItemLocationNames).Default(ilTopLeft);
    b.Int("PosX", &C::PosX, &C::SetPosX).Default(10);
    b.Int("PosY", &C::PosY, &C::SetPosY).Default(100);
    b.Enum("HatchStyle", &C::HatchStyle, &C::SetHatchStyle, HatchStyleNames).Default(HatchStyleHorizontal);
    b.Object("Picture", &C::Picture, &C::SetPicture);
    b.Color("ColorStart", &C::ColorStart, &C::SetColorStart).Default(clBlack);
    b.Color("ColorEnd", &C::ColorEnd, &C::SetColorEnd).Default(clNone);
    b.Int("OpacityStart", &C::OpacityStart, &C::SetOpacityStart).Default(255);
    b.Int("OpacityEnd", &C::OpacityEnd, &C::SetOpacityEnd).Default(255);
    b.Enum("GradientType", &C::GradientType, &C::SetGradientType, AdvGradientTypeNames).Default(gtVertical);
    b.Event("OnChange", &C::OnChange);
}

T_IMPLEMENT_CLASS(TBasicProgramInfo)
{
    using C = TBasicProgramInfo;
    b.Bool("AutoLoad", &C::AutoLoad, &C::SetAutoLoad).Default(true);
    b.Object("ProgramName", &C::ProgramName, &C::SetProgramName);
    b.Object("ProgramVersion", &C::ProgramVersion, &C::SetProgramVersion);
    b.Str("CopyRight", &C::CopyRight, &C::SetCopyRight);
    b.Object("CopyRightFont", &C::CopyRightFont, &C::SetCopyRightFont);
    b.Enum("CopyRightLocation", &C::CopyRightLocation, &C::SetCopyRightLocation, ItemLocationNames).Default(ilTopLeft);
    b.Int("CopyRightPosX", &C::CopyRightPosX, &C::SetCopyRightPosX).Default(10);
    b.Int("CopyRightPosY", &C::CopyRightPosY, &C::SetCopyRightPosY).Default(130);
    b.Event("OnChange", &C::OnChange);
}

T_IMPLEMENT_CLASS(TListItemsRect)
{
    using C = TListItemsRect;
    b.Int("Left", &C::Left, &C::SetLeft).Default(30);
    b.Int("Top", &C::Top, &C::SetTop).Default(150);
    b.Int("Width", &C::Width, &C::SetWidth).Default(300);
    b.Int("Height", &C::Height, &C::SetHeight).Default(200);
    b.Event("OnChange", &C::OnChange);
}

T_IMPLEMENT_CLASS(TSplashListItemsSettings)
{
    using C = TSplashListItemsSettings;
    b.Object("Rect", &C::Rect, &C::SetRect);
    b.Int("Space", &C::Space, &C::SetSpace).Default(8);
    b.Object("HTMLFont", &C::HTMLFont, &C::SetHTMLFont);
    b.Color("HTMLURLColor", &C::HTMLURLColor, &C::SetHTMLURLColor).Default(clBlue);
    b.Color("HTMLShadowColor", &C::HTMLShadowColor, &C::SetHTMLShadowColor).Default(clGray);
    b.Int("HTMLShadowOffset", &C::HTMLShadowOffset, &C::SetHTMLShadowOffset).Default(5);
    b.Event("OnChange", &C::OnChange);
}

T_IMPLEMENT_CLASS(TAdvSplashHTMLText)
{
    using C = TAdvSplashHTMLText;
    b.Str("Text", &C::Text, &C::SetText);
    b.Enum("Location", &C::Location, &C::SetLocation, AdvSmoothSplashScreenLocationNames).Default(cpCenterLeft);
    b.Int("Top", &C::Top, &C::SetTop).Default(0);
    b.Int("Left", &C::Left, &C::SetLeft).Default(0);
    b.Color("URLColor", &C::URLColor, &C::SetURLColor).Default(clBlue);
    b.Color("ShadowColor", &C::ShadowColor, &C::SetShadowColor).Default(clGray);
    b.Int("ShadowOffset", &C::ShadowOffset, &C::SetShadowOffset).Default(5);
    b.Object("Font", &C::Font, &C::SetFont);
    b.Event("OnChange", &C::OnChange);
}

// ---- TSplashHeadingText ----------------------------------------------------------------------------

TSplashHeadingText::TSplashHeadingText()
    : FPicture(std::make_unique<TAdvGDIPPicture>()), FFont(std::make_unique<TFont>())
{
    FFont->SetName(QStringLiteral("Tahoma"));
}

TSplashHeadingText::~TSplashHeadingText() = default;

void TSplashHeadingText::SetText(const QString &value)
{
    if (FText == value)
        return;
    FText = value;
    if (OnChange)
        OnChange(this);
}

void TSplashHeadingText::SetPicture(TAdvGDIPPicture *value)
{
    if (value != FPicture.get())
        FPicture->Assign(value);
}

void TSplashHeadingText::Assign(TPersistent *Source)
{
    auto *other = dynamic_cast<TSplashHeadingText *>(Source);
    if (!other) {
        TPersistent::Assign(Source);
        return;
    }
    FAngle = other->FAngle;
    FFont->Assign(other->FFont.get());
    FLocation = other->FLocation;
    FPosX = other->FPosX;
    FPosY = other->FPosY;
    FHatchStyle = other->FHatchStyle;
    FPicture->Assign(other->FPicture.get());
    FStartColor = other->FStartColor;
    FEndColor = other->FEndColor;
    FStartOpacity = other->FStartOpacity;
    FEndOpacity = other->FEndOpacity;
    FGradientType = other->FGradientType;
    FText = other->FText;
}

// ---- TBasicProgramInfo -----------------------------------------------------------------------------

TBasicProgramInfo::TBasicProgramInfo()
    : FCopyRightFont(std::make_unique<TFont>()), FProgramName(std::make_unique<TSplashHeadingText>()),
      FProgramVersion(std::make_unique<TSplashHeadingText>())
{
    FProgramName->Font()->SetSize(14);
    FProgramName->Font()->SetStyle(TFontStyles{fsBold});
    FProgramVersion->Font()->SetSize(14);
    FProgramVersion->SetPosX(80);
    FProgramVersion->SetPosY(100);
    FProgramName->OnChange = TNotifyEvent(this, &TBasicProgramInfo::HeadingChanged);
    FProgramVersion->OnChange = TNotifyEvent(this, &TBasicProgramInfo::HeadingChanged);
}

TBasicProgramInfo::~TBasicProgramInfo() = default;

void TBasicProgramInfo::HeadingChanged(TObject *)
{
    if (OnChange)
        OnChange(this);
}

void TBasicProgramInfo::Assign(TPersistent *Source)
{
    auto *other = dynamic_cast<TBasicProgramInfo *>(Source);
    if (!other) {
        TPersistent::Assign(Source);
        return;
    }
    FAutoLoad = other->FAutoLoad;
    FProgramName->Assign(other->FProgramName.get());
    FProgramVersion->Assign(other->FProgramVersion.get());
    FCopyRight = other->FCopyRight;
    FCopyRightFont->Assign(other->FCopyRightFont.get());
    FCopyRightLocation = other->FCopyRightLocation;
    FCopyRightPosX = other->FCopyRightPosX;
    FCopyRightPosY = other->FCopyRightPosY;
}

// ---- The list of lines -------------------------------------------------------------------------------

void TListItemsRect::Assign(TPersistent *Source)
{
    auto *other = dynamic_cast<TListItemsRect *>(Source);
    if (!other) {
        TPersistent::Assign(Source);
        return;
    }
    FLeft = other->FLeft;
    FTop = other->FTop;
    FWidth = other->FWidth;
    FHeight = other->FHeight;
}

TSplashListItemsSettings::TSplashListItemsSettings(TAdvSmoothSplashScreen *owner)
    : FHTMLFont(std::make_unique<TFont>()), FRect(std::make_unique<TListItemsRect>()), FOwner(owner)
{
    FHTMLFont->SetName(QStringLiteral("Tahoma"));
}

TSplashListItemsSettings::~TSplashListItemsSettings() = default;

void TSplashListItemsSettings::Assign(TPersistent *Source)
{
    auto *other = dynamic_cast<TSplashListItemsSettings *>(Source);
    if (!other) {
        TPersistent::Assign(Source);
        return;
    }
    FRect->Assign(other->FRect.get());
    FSpace = other->FSpace;
    FHTMLFont->Assign(other->FHTMLFont.get());
    FHTMLURLColor = other->FHTMLURLColor;
    FHTMLShadowColor = other->FHTMLShadowColor;
    FHTMLShadowOffset = other->FHTMLShadowOffset;
}

// ---- TAdvSplashHTMLText ------------------------------------------------------------------------------

TAdvSplashHTMLText::TAdvSplashHTMLText(TAdvSmoothSplashScreen *owner) : FOwner(owner), FFont(std::make_unique<TFont>())
{
    FFont->OnChange = [this](TObject *) { Changed(); };
}

TAdvSplashHTMLText::~TAdvSplashHTMLText()
{
    FFont->OnChange = nullptr;
}

void TAdvSplashHTMLText::Changed()
{
    if (FOwner)
        FOwner->RepaintWindow();
}

void TAdvSplashHTMLText::Assign(TPersistent *Source)
{
    auto *other = dynamic_cast<TAdvSplashHTMLText *>(Source);
    if (!other)
        return;
    FText = other->FText;
    FLocation = other->FLocation;
    FTop = other->FTop;
    FLeft = other->FLeft;
    FURLColor = other->FURLColor;
    FShadowColor = other->FShadowColor;
    FShadowOffset = other->FShadowOffset;
    FFont->Assign(other->FFont.get());
    Changed();
}
