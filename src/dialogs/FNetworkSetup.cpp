#include "dialogs/FNetworkSetup.h"

#include "dialogs/DialogHost.h"
#include "dialogs/DialogTexts.h"
#include "dialogs/FInformation.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Colors.h"
#include "platform/ui/Edit.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/RadioButton.h"
#include "widgets/skinned/RzBmpBtn.h"

#include <QString>

#include <limits>

TfmNetworkSetup *fmNetworkSetup = nullptr;

namespace {

// The colour of an address field that cannot be edited.
constexpr TColor DisabledFieldColor = 0xC0C0C0;

QString Number(int value)
{
    return QString::number(value);
}

}  // namespace

T_IMPLEMENT_CLASS(TfmNetworkSetup)
{
    using C = TfmNetworkSetup;
    b.Field("imBackground", &C::imBackground);
    b.Field("gbIdSetting", &C::gbIdSetting);
    b.Field("lbMessage", &C::lbMessage);
    b.Field("edId", &C::edId);
    b.Field("gbIpSetting", &C::gbIpSetting);
    b.Field("edIp1", &C::edIp1);
    b.Field("edIp2", &C::edIp2);
    b.Field("edIp3", &C::edIp3);
    b.Field("edIp4", &C::edIp4);
    b.Field("Label1", &C::Label1);
    b.Field("Label2", &C::Label2);
    b.Field("Label3", &C::Label3);
    b.Field("rbManualSetting", &C::rbManualSetting);
    b.Field("rbAutoSetting", &C::rbAutoSetting);
    b.Field("bnSet", &C::bnSet);
    b.Field("bnExit", &C::bnExit);
    b.Handler("FormShow", &C::FormShow);
    b.Handler("edIdEnter", &C::edIdEnter);
    b.Handler("edIdMouseDown", &C::edIdMouseDown);
    b.Handler("edIdKeyPress", &C::edIdKeyPress);
    b.Handler("edIdExit", &C::edIdExit);
    b.Handler("edIpEnter", &C::edIpEnter);
    b.Handler("edIpMouseDown", &C::edIpMouseDown);
    b.Handler("edIpKeyPress", &C::edIpKeyPress);
    b.Handler("edIpExit", &C::edIpExit);
    b.Handler("rbManualSettingClick", &C::rbManualSettingClick);
    b.Handler("rbAutoSettingClick", &C::rbAutoSettingClick);
    b.Handler("bnSetClick", &C::bnSetClick);
    b.Handler("bnExitClick", &C::bnExitClick);
}

TfmNetworkSetup::TfmNetworkSetup(TComponent *AOwner) : TForm(AOwner)
{
    InitializeForm();
}

// ---- Address text ------------------------------------------------------------------------------

std::string TfmNetworkSetup::FormatIpAddress()
{
    return FormatIpAddress(Host().GetIpAddress());
}

std::string TfmNetworkSetup::FormatIpAddress(std::uint32_t address)
{
    return std::to_string(address >> 24 & 0xFF) + '.' + std::to_string(address >> 16 & 0xFF) + '.' +
           std::to_string(address >> 8 & 0xFF) + '.' + std::to_string(address & 0xFF);
}

std::optional<int> TfmNetworkSetup::FieldValue(const TEdit *field)
{
    bool ok = false;
    const qlonglong value = field->Text().toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    if (value > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

void TfmNetworkSetup::ShowAddress(std::uint32_t address)
{
    const auto octets = Octets();
    for (std::size_t i = 0; i < octets.size(); ++i)
        octets[i]->SetText(Number(static_cast<int>(address >> (24 - 8 * i) & 0xFF)));
}

// ---- Showing -----------------------------------------------------------------------------------

void TfmNetworkSetup::FormShow(TObject *)
{
    ShowAddress(Host().GetIpAddress());
    SetLangCaptions({{this, "SID_SET_NETWORK"},
                     {rbManualSetting, "SID_MANU_NETWORK"},
                     {rbAutoSetting, "SID_AUTO_NETWORK"},
                     {gbIdSetting, "SID_INPUT_ID"},
                     {gbIpSetting, "SID_IP_ADDRESS"},
                     {lbMessage, "SID_NUMBER"},
                     {bnSet, "SID_SET"},
                     {bnExit, "SID_EXIT"}});
}

// ---- Fields ------------------------------------------------------------------------------------

bool TfmNetworkSetup::ClampOctet(TEdit *field)
{
    const std::optional<int> value = FieldValue(field);
    if (!value || *value <= MaxOctet)
        return false;
    field->SetText(Number(MaxOctet));
    return true;
}

bool TfmNetworkSetup::ClampDeviceId(TEdit *field)
{
    const std::optional<int> value = FieldValue(field);
    if (!value || (*value >= 1 && *value <= MaxDeviceId))
        return false;
    field->SetText(Number(*value > MaxDeviceId ? MaxDeviceId : 1));
    return true;
}

void TfmNetworkSetup::edIdEnter(TObject *)
{
    edId->SelectAll();
}

void TfmNetworkSetup::edIdMouseDown(TObject *, TMouseButton, TShiftState, int, int)
{
    edId->SelectAll();
}

void TfmNetworkSetup::edIdKeyPress(TObject *, QChar &Key)
{
    if (Key != QChar(13))
        return;
    ClampDeviceId(edId);
    edId->SelectAll();
}

void TfmNetworkSetup::edIdExit(TObject *)
{
    ClampDeviceId(edId);
    edId->SelectAll();
}

void TfmNetworkSetup::edIpEnter(TObject *Sender)
{
    static_cast<TEdit *>(Sender)->SelectAll();
}

void TfmNetworkSetup::edIpMouseDown(TObject *Sender, TMouseButton, TShiftState, int, int)
{
    static_cast<TEdit *>(Sender)->SelectAll();
}

void TfmNetworkSetup::edIpKeyPress(TObject *Sender, QChar &Key)
{
    if (Key != QChar(13))
        return;
    auto *field = static_cast<TEdit *>(Sender);
    ClampOctet(field);
    field->SelectAll();
}

void TfmNetworkSetup::edIpExit(TObject *Sender)
{
    auto *field = static_cast<TEdit *>(Sender);
    if (ClampOctet(field))
        field->SelectAll();
}

void TfmNetworkSetup::SetOctetsEnabled(bool enabled)
{
    for (TEdit *field : Octets()) {
        field->SetEnabled(enabled);
        field->SetColor(enabled ? clWindow : DisabledFieldColor);
    }
}

void TfmNetworkSetup::rbManualSettingClick(TObject *)
{
    SetOctetsEnabled(true);
}

void TfmNetworkSetup::rbAutoSettingClick(TObject *)
{
    SetOctetsEnabled(false);
}

// ---- Set and Exit ------------------------------------------------------------------------------

bool TfmNetworkSetup::ApplyDeviceId()
{
    DialogHost &host = Host();
    const std::optional<int> id = FieldValue(edId);
    if (!id || *id < 1 || *id > MaxDeviceId) {
        fmInformation->lbMessage->SetCaption(host.GetLangText(QStringLiteral("SID_ID_NUMBER_ERROR")));
        fmInformation->ShowModal();
        edId->SetText(Number(host.GetDeviceId()));
        return false;
    }
    host.SetDeviceId(*id);
    return true;
}

std::optional<bool> TfmNetworkSetup::ApplyAddress()
{
    DialogHost &host = Host();
    if (!rbManualSetting->Checked() || host.IsConnected())
        return false;
    std::uint32_t address = 0;
    for (TEdit *field : Octets()) {
        const std::optional<int> value = FieldValue(field);
        if (!value || *value < 0) {
            ShowAddress(host.GetIpAddress());
            return std::nullopt;
        }
        ClampOctet(field);
        address = address << 8 | static_cast<std::uint32_t>(*value > MaxOctet ? MaxOctet : *value);
    }
    host.SetClientAddress(FormatIpAddress(address));
    host.SetIpAddress(address);
    return true;
}

void TfmNetworkSetup::bnSetClick(TObject *)
{
    const bool idApplied = ApplyDeviceId();
    const std::optional<bool> addressApplied = ApplyAddress();
    if (!addressApplied || !(idApplied || *addressApplied))
        return;
    Host().SetAutoIpSetting(rbAutoSetting->Checked() ? 1 : 0);
    Close();
}

void TfmNetworkSetup::bnExitClick(TObject *)
{
    edId->SetText(Number(Host().GetDeviceId()));
    Close();
}
