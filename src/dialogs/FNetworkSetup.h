#pragma once
// TfmNetworkSetup: sets which device ID the editor addresses (1 to 250) and, while offline, the
// processor's IPv4 address (the target of the TCP link). The main window opens it modally after
// enabling or disabling the address part; Set applies, Exit leaves without applying.
//
// The fields take digits only. Enter or leaving a field clamps it (an octet above 255 to 255, the
// ID into 1..250); an empty field is left as it is. Set:
//   - the ID: out of 1..250, empty or not a number -> "ID Setting Error", the field shows the
//     current ID again; otherwise it is applied;
//   - the address, when manual and offline: an octet above 255 counts as 255; with an empty or
//     non-numeric octet nothing of the address is applied and the octets show the current address
//     again (the dialog stays open); otherwise the TCP client is pointed at it and it is stored;
//   - the dialog closes when something was applied and no octet was refused.
// Closing only hides the dialog: edId keeps its text between showings (Exit puts the current ID
// back into it); the octets are filled from the current address at each showing.

#include "platform/ui/Forms.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

class TEdit;
class TGroupBox;
class TImage;
class TLabel;
class TRadioButton;
class TRzBmpButton;

class TfmNetworkSetup : public TForm {
    T_DECLARE_CLASS(TfmNetworkSetup, TForm)
    explicit TfmNetworkSetup(TComponent *AOwner);

    static constexpr int MaxDeviceId = 250;
    static constexpr int MaxOctet = 255;

    TImage *imBackground = nullptr;
    TGroupBox *gbIdSetting = nullptr;
    TLabel *lbMessage = nullptr;
    TEdit *edId = nullptr;
    TGroupBox *gbIpSetting = nullptr;
    TEdit *edIp1 = nullptr;
    TEdit *edIp2 = nullptr;
    TEdit *edIp3 = nullptr;
    TEdit *edIp4 = nullptr;
    TLabel *Label1 = nullptr;
    TLabel *Label2 = nullptr;
    TLabel *Label3 = nullptr;
    TRadioButton *rbManualSetting = nullptr;
    TRadioButton *rbAutoSetting = nullptr;
    TRzBmpButton *bnSet = nullptr;
    TRzBmpButton *bnExit = nullptr;

    // The main window's address as "%d.%d.%d.%d" (first octet from bits 24-31); uses nothing of
    // the dialog.
    static std::string FormatIpAddress();
    static std::string FormatIpAddress(std::uint32_t address);
    // The whole number a field holds; none when it is empty or not a number. Numbers beyond the
    // range of int come back as its limits.
    static std::optional<int> FieldValue(const TEdit *field);

    void FormShow(TObject *Sender);
    void edIdEnter(TObject *Sender);
    void edIdMouseDown(TObject *Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void edIdKeyPress(TObject *Sender, QChar &Key);
    void edIdExit(TObject *Sender);
    void edIpEnter(TObject *Sender);
    void edIpMouseDown(TObject *Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void edIpKeyPress(TObject *Sender, QChar &Key);
    void edIpExit(TObject *Sender);
    void rbManualSettingClick(TObject *Sender);
    void rbAutoSettingClick(TObject *Sender);
    void bnSetClick(TObject *Sender);
    void bnExitClick(TObject *Sender);

private:
    // The octet fields, first to last.
    std::array<TEdit *, 4> Octets() const { return {edIp1, edIp2, edIp3, edIp4}; }
    void ShowAddress(std::uint32_t address);
    void SetOctetsEnabled(bool enabled);
    // Field rules; each answers whether it changed the text.
    static bool ClampOctet(TEdit *field);
    static bool ClampDeviceId(TEdit *field);
    // The ID part of Set: true when the ID was applied.
    bool ApplyDeviceId();
    // The address part of Set: none when an octet was refused, else whether it was applied.
    std::optional<bool> ApplyAddress();
};

extern TfmNetworkSetup *fmNetworkSetup;
