#include "widgets/skinned/RzFrameController.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Filer.h"
#include "platform/runtime/TypInfo.h"
#include "widgets/skinned/RzRegIniFile.h"

T_IMPLEMENT_CLASS(TRzFrameController)
{
    using C = TRzFrameController;
    b.Color("Color", &C::Color, &C::SetColor).Default(clWindow).Idents(ColorIdents()).Stored([](const C &c) {
        return !c.ParentColor();
    });
    b.Color("DisabledColor", &C::DisabledColor, &C::SetDisabledColor).Default(clBtnFace).Idents(ColorIdents());
    b.Color("FlatButtonColor", &C::FlatButtonColor, &C::SetFlatButtonColor).Default(clBtnFace).Idents(ColorIdents());
    b.Bool("FlatButtons", &C::FlatButtons, &C::SetFlatButtons).Default(true);
    b.Color("FocusColor", &C::FocusColor, &C::SetFocusColor).Default(clWindow).Idents(ColorIdents());
    b.Color("FrameColor", &C::FrameColor, &C::SetFrameColor).Default(clBtnShadow).Idents(ColorIdents());
    b.Color("FrameHotColor", &C::FrameHotColor, &C::SetFrameHotColor).Default(clBtnShadow).Idents(ColorIdents());
    b.Enum("FrameHotStyle", &C::FrameHotStyle, &C::SetFrameHotStyle, FrameStyleNames).Default(fsFlatBold);
    b.Bool("FrameHotTrack", &C::FrameHotTrack, &C::SetFrameHotTrack).Default(false);
    b.Set("FrameSides", &C::FrameSides, &C::SetFrameSides, SideNames).Default(sdAllSides);
    b.Enum("FrameStyle", &C::FrameStyle, &C::SetFrameStyle, FrameStyleNames).Default(fsFlat);
    b.Bool("FrameVisible", &C::FrameVisible, &C::SetFrameVisible).Default(false);
    b.Enum("FramingPreference", &C::FramingPreference, &C::SetFramingPreference, FramingPreferenceNames)
        .Default(fpXPThemes);
    b.Bool("ParentColor", &C::ParentColor, &C::SetParentColor).Default(false);
    b.Color("ReadOnlyColor", &C::ReadOnlyColor, &C::SetReadOnlyColor).Default(clInfoBk).Idents(ColorIdents());
    b.Bool("ReadOnlyColorOnFocus", &C::ReadOnlyColorOnFocus, &C::SetReadOnlyColorOnFocus).Default(false);
    b.Ref("RegIniFile", &C::RegIniFile, &C::SetRegIniFile);
}

// ---- Old stored properties ---------------------------------------------------------------------------

void TRzOldPropReader::ReadOldBooleanProp(TReader &reader)
{
    reader.ReadBoolean();
}
void TRzOldPropReader::ReadOldEnumProp(TReader &reader)
{
    reader.ReadIdent();
}
void TRzOldPropReader::ReadOldIdentProp(TReader &reader)
{
    reader.ReadIdent();
}
void TRzOldPropReader::ReadOldIntegerProp(TReader &reader)
{
    reader.ReadInteger();
}
void TRzOldPropReader::ReadOldStringProp(TReader &reader)
{
    reader.ReadString();
}
void TRzOldPropReader::WriteOldProp(TWriter &) {}

void TRzOldPropReader::ReadOldSetProp(TReader &reader)
{
    if (reader.NextValue() != vaSet)
        reader.Error(QStringLiteral("Invalid property value"));
    reader.SkipValue();
}

// ---- Controller ----------------------------------------------------------------------------------------

namespace {

// Published property names of the settings, by TRzFrameControllerProperty.
const char *const kPropertyNames[] = {
    "Color",           "FocusColor",  "DisabledColor", "ReadOnlyColor",    "ReadOnlyColorOnFocus", "ParentColor",
    "FlatButtonColor", "FlatButtons", "FrameColor",    "FrameHotColor",    "FrameHotTrack",        "FrameHotStyle",
    "FrameSides",      "FrameStyle",  "FrameVisible",  "FramingPreference"};

}  // namespace

TRzFrameController::TRzFrameController(TComponent *AOwner) : TComponent(AOwner) {}

TRzFrameController::~TRzFrameController()
{
    if (FRegIniFile)
        FRegIniFile->RemoveFreeNotification(this);
}

void TRzFrameController::AddControl(TControl *control)
{
    if (!control || std::find(FFrameList.begin(), FFrameList.end(), control) != FFrameList.end())
        return;
    FFrameList.push_back(control);
    NotifyControl(control, fcpAll);
}

void TRzFrameController::RemoveControl(TControl *control)
{
    std::erase(FFrameList, control);
}

void TRzFrameController::EndUpdate()
{
    if (--FUpdateCount <= 0) {
        FUpdateCount = 0;
        NotifyControls(fcpAll);
    }
}

void TRzFrameController::NotifyControls(TRzFrameControllerProperty property)
{
    if (FUpdateCount > 0)
        return;
    for (TControl *control : std::vector<TControl *>(FFrameList))
        NotifyControl(control, property);
}

void TRzFrameController::NotifyControl(TControl *control, TRzFrameControllerProperty property)
{
    if (!control)
        return;
    TRzFrameControllerNotifications wanted = fccAll;
    if (const TPropInfo *p = GetPropInfo(control, QStringLiteral("FrameControllerNotifications"));
        p && p->Kind == TTypeKind::Set && p->GetOrd)
        wanted = TRzFrameControllerNotifications::FromMask(static_cast<std::uint64_t>(p->GetOrd(*control)));
    if (auto *client = dynamic_cast<IFrameControllerClient *>(control)) {
        client->FrameControllerChanged();
        return;
    }
    auto push = [&](TRzFrameControllerProperty which) {
        if (!wanted.Contains(which))
            return;
        const QString name = QString::fromLatin1(kPropertyNames[which]);
        const TPropInfo *target = GetPropInfo(control, name);
        if (!target || !target->Writable())
            return;
        if (which == fcpFrameSides)
            SetPropValueText(control, name, GetPropValueText(this, name));
        else
            SetOrdProp(control, name, GetOrdProp(this, name));
    };
    if (property != fcpAll) {
        push(property);
        return;
    }
    // Everything, ParentColor before Color, Color only while it is the controller's own.
    push(fcpParentColor);
    if (!FParentColor)
        push(fcpColor);
    for (TRzFrameControllerProperty p :
         {fcpDisabledColor, fcpReadOnlyColor, fcpReadOnlyColorOnFocus, fcpFocusColor, fcpFlatButtonColor,
          fcpFlatButtons, fcpFrameColor, fcpFrameHotColor, fcpFrameHotTrack, fcpFrameHotStyle, fcpFrameSides,
          fcpFrameStyle, fcpFrameVisible, fcpFramingPreference})
        push(p);
}

void TRzFrameController::Loaded()
{
    inherited::Loaded();
    UpdateControls();
}

void TRzFrameController::Notification(TComponent *AComponent, TOperation Operation)
{
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FRegIniFile)
        FRegIniFile = nullptr;
}

void TRzFrameController::Assign(TPersistent *Source)
{
    auto *other = dynamic_cast<TRzFrameController *>(Source);
    if (!other) {
        inherited::Assign(Source);
        return;
    }
    BeginUpdate();
    FColor = other->FColor;
    FParentColor = other->FParentColor;
    FFlatButtonColor = other->FFlatButtonColor;
    FFlatButtons = other->FFlatButtons;
    FDisabledColor = other->FDisabledColor;
    FReadOnlyColor = other->FReadOnlyColor;
    FReadOnlyColorOnFocus = other->FReadOnlyColorOnFocus;
    FFocusColor = other->FFocusColor;
    FFrameColor = other->FFrameColor;
    FFrameHotColor = other->FFrameHotColor;
    FFrameHotTrack = other->FFrameHotTrack;
    FFrameHotStyle = other->FFrameHotStyle;
    FFrameSides = other->FFrameSides;
    FFrameStyle = other->FFrameStyle;
    FFrameVisible = other->FFrameVisible;
    FFramingPreference = other->FFramingPreference;
    EndUpdate();
}

void SetControlFrameController(TControl *control, TRzFrameController *&field, TRzFrameController *value)
{
    if (value == field)
        return;
    if (field) {
        field->RemoveControl(control);
        field->RemoveFreeNotification(control);
    }
    field = value;
    if (value) {
        value->AddControl(control);
        value->FreeNotification(control);
    }
}

bool TakeFrameControllerSettings(TControl *control, const TRzFrameController *controller,
                                 TRzFrameControllerNotifications notifications, const TFramedControlFields &fields)
{
    if (!controller || !controller->FrameVisible())
        return false;
    if (notifications.Contains(fcpFrameStyle))
        fields.outer = controller->FrameStyle();
    if (notifications.Contains(fcpFrameSides))
        fields.sides = controller->FrameSides();
    if (notifications.Contains(fcpFrameColor)) {
        fields.flatColor = controller->FrameColor();
        fields.flatAdjustment = 0;
    }
    if (notifications.Contains(fcpColor))
        control->SetColor(controller->Color());
    if (notifications.Contains(fcpParentColor))
        control->SetParentColor(controller->ParentColor());
    if (notifications.Contains(fcpColor)) {
        fields.highlight = LightenColor(control->Color(), 100);
        fields.shadow = DarkenColor(control->Color(), 50);
    }
    return true;
}

void DefineOldFramingProperties(TFiler *Filer, TObject *owner, bool &frameHotTrack, TFrameStyle &frameStyle,
                                TFrameStyle &frameHotStyle)
{
    const TWriterProc none = &TRzOldPropReader::WriteOldProp;
    Filer->DefineProperty(
        QStringLiteral("FrameFlat"),
        [&frameHotTrack, &frameStyle, &frameHotStyle](TReader &r) {
            frameHotTrack = r.ReadBoolean();
            if (frameHotTrack) {
                frameStyle = fsStatus;
                frameHotStyle = fsLowered;
            }
        },
        none, false);
    Filer->DefineProperty(
        QStringLiteral("FrameFocusStyle"),
        [owner, &frameHotStyle](TReader &r) {
            std::int64_t value = 0;
            const TPropInfo *p = GetPropInfo(owner, QStringLiteral("FrameHotStyle"));
            if (!IdentToOrd(*p, r.ReadIdent(), value))
                r.Error(QStringLiteral("Invalid property value"));
            frameHotStyle = static_cast<TFrameStyle>(value);
        },
        none, false);
    Filer->DefineProperty(QStringLiteral("FrameFlatStyle"), &TRzOldPropReader::ReadOldIdentProp, none, false);
}

void TRzFrameController::DefineProperties(TFiler *Filer)
{
    inherited::DefineProperties(Filer);
    DefineOldFramingProperties(Filer, this, FFrameHotTrack, FFrameStyle, FFrameHotStyle);
}

// ---- Settings store --------------------------------------------------------------------------------------

void TRzFrameController::Load(const QString &section)
{
    if (!FRegIniFile)
        throw ENoRegIniFile(
            QStringLiteral("Cannot load Custom Framing settings--No TRzRegIniFile component specified"));
    BeginUpdate();
    struct End {
        TRzFrameController *c;
        ~End() { c->EndUpdate(); }
    } end{this};
    TRzRegIniFile &ini = *FRegIniFile;
    FColor = ini.ReadInteger(section, QStringLiteral("Color"), clWindow);
    FFlatButtonColor = ini.ReadInteger(section, QStringLiteral("FlatButtonColor"), clBtnFace);
    FFlatButtons = ini.ReadBool(section, QStringLiteral("FlatButtons"), true);
    FDisabledColor = ini.ReadInteger(section, QStringLiteral("DisabledColor"), clWindow);
    FReadOnlyColor = ini.ReadInteger(section, QStringLiteral("ReadOnlyColor"), clInfoBk);
    FReadOnlyColorOnFocus = ini.ReadBool(section, QStringLiteral("ReadOnlyColorOnFocus"), false);
    FFocusColor = ini.ReadInteger(section, QStringLiteral("FocusColor"), clWindow);
    FFrameColor = ini.ReadInteger(section, QStringLiteral("FrameColor"), clBtnShadow);
    FFrameHotColor = ini.ReadInteger(section, QStringLiteral("FrameHotColor"), clBtnShadow);
    FFrameHotStyle = static_cast<TFrameStyle>(ini.ReadInteger(section, QStringLiteral("FrameHotStyle"), fsFlatBold));
    FFrameHotTrack = ini.ReadBool(section, QStringLiteral("FrameHotTrack"), false);
    TSides sides;
    const TSide order[] = {sdLeft, sdTop, sdRight, sdBottom};
    const char *const keys[] = {"FrameSides_Left", "FrameSides_Top", "FrameSides_Right", "FrameSides_Bottom"};
    for (int i = 0; i < 4; ++i)
        if (ini.ReadBool(section, QString::fromLatin1(keys[i]), true))
            sides << order[i];
    FFrameSides = sides;
    FFrameStyle = static_cast<TFrameStyle>(ini.ReadInteger(section, QStringLiteral("FrameStyle"), fsFlat));
    FFrameVisible = ini.ReadBool(section, QStringLiteral("FrameVisible"), false);
    FFramingPreference =
        static_cast<TFramingPreference>(ini.ReadInteger(section, QStringLiteral("FramingPreference"), fpXPThemes));
}

void TRzFrameController::Save(const QString &section)
{
    if (!FRegIniFile)
        throw ENoRegIniFile(
            QStringLiteral("Cannot save Custom Framing settings--No TRzRegIniFile component specified"));
    TRzRegIniFile &ini = *FRegIniFile;
    ini.WriteInteger(section, QStringLiteral("Color"), FColor);
    ini.WriteInteger(section, QStringLiteral("FlatButtonColor"), FFlatButtonColor);
    ini.WriteBool(section, QStringLiteral("FlatButtons"), FFlatButtons);
    ini.WriteInteger(section, QStringLiteral("DisabledColor"), FDisabledColor);
    ini.WriteInteger(section, QStringLiteral("ReadOnlyColor"), FReadOnlyColor);
    ini.WriteBool(section, QStringLiteral("ReadOnlyColorOnFocus"), FReadOnlyColorOnFocus);
    ini.WriteInteger(section, QStringLiteral("FocusColor"), FFocusColor);
    ini.WriteInteger(section, QStringLiteral("FrameColor"), FFrameColor);
    ini.WriteInteger(section, QStringLiteral("FrameHotColor"), FFrameHotColor);
    ini.WriteInteger(section, QStringLiteral("FrameHotStyle"), FFrameHotStyle);
    ini.WriteBool(section, QStringLiteral("FrameHotTrack"), FFrameHotTrack);
    ini.WriteBool(section, QStringLiteral("FrameSides_Left"), FFrameSides.Contains(sdLeft));
    ini.WriteBool(section, QStringLiteral("FrameSides_Top"), FFrameSides.Contains(sdTop));
    ini.WriteBool(section, QStringLiteral("FrameSides_Right"), FFrameSides.Contains(sdRight));
    ini.WriteBool(section, QStringLiteral("FrameSides_Bottom"), FFrameSides.Contains(sdBottom));
    ini.WriteInteger(section, QStringLiteral("FrameStyle"), FFrameStyle);
    ini.WriteBool(section, QStringLiteral("FrameVisible"), FFrameVisible);
    ini.WriteInteger(section, QStringLiteral("FramingPreference"), FFramingPreference);
}

// ---- Write operations ------------------------------------------------------------------------------------

void TRzFrameController::SetColor(TColor value)
{
    if (value == FColor)
        return;
    if (FFocusColor == FColor)
        FFocusColor = value;
    FColor = value;
    FParentColor = false;
    NotifyControls(fcpColor);
}

void TRzFrameController::SetParentColor(bool value)
{
    if (value == FParentColor)
        return;
    FParentColor = value;
    NotifyControls(fcpParentColor);
    if (!value)
        NotifyControls(fcpColor);
}

void TRzFrameController::SetFrameHotTrack(bool value)
{
    if (value == FFrameHotTrack)
        return;
    FFrameHotTrack = value;
    if (value) {
        SetFrameVisible(true);
        if (!ComponentState().Contains(csLoading))
            FFrameSides = sdAllSides;
    }
    NotifyControls(fcpFrameHotTrack);
}

void TRzFrameController::SetRegIniFile(TRzRegIniFile *value)
{
    if (value == FRegIniFile)
        return;
    if (FRegIniFile)
        FRegIniFile->RemoveFreeNotification(this);
    FRegIniFile = value;
    if (value)
        value->FreeNotification(this);
}

#define RZ_SETTER(Name, Type, Field, Property)                                                                         \
    void TRzFrameController::Set##Name(Type value)                                                                     \
    {                                                                                                                  \
        if (value == Field)                                                                                            \
            return;                                                                                                    \
        Field = value;                                                                                                 \
        NotifyControls(Property);                                                                                      \
    }
RZ_SETTER(FlatButtonColor, TColor, FFlatButtonColor, fcpFlatButtonColor)
RZ_SETTER(FlatButtons, bool, FFlatButtons, fcpFlatButtons)
RZ_SETTER(DisabledColor, TColor, FDisabledColor, fcpDisabledColor)
RZ_SETTER(ReadOnlyColor, TColor, FReadOnlyColor, fcpReadOnlyColor)
RZ_SETTER(ReadOnlyColorOnFocus, bool, FReadOnlyColorOnFocus, fcpReadOnlyColorOnFocus)
RZ_SETTER(FocusColor, TColor, FFocusColor, fcpFocusColor)
RZ_SETTER(FrameColor, TColor, FFrameColor, fcpFrameColor)
RZ_SETTER(FrameHotColor, TColor, FFrameHotColor, fcpFrameHotColor)
RZ_SETTER(FrameHotStyle, TFrameStyle, FFrameHotStyle, fcpFrameHotStyle)
RZ_SETTER(FrameSides, TSides, FFrameSides, fcpFrameSides)
RZ_SETTER(FrameStyle, TFrameStyle, FFrameStyle, fcpFrameStyle)
RZ_SETTER(FrameVisible, bool, FFrameVisible, fcpFrameVisible)
RZ_SETTER(FramingPreference, TFramingPreference, FFramingPreference, fcpFramingPreference)
#undef RZ_SETTER
