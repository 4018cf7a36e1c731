#pragma once
// TfmNetwork: the connection scan dialog. It tries the candidate links one after the other until
// the processor answers: the USB device when one is checked out, else the network address when one
// is stored, then every serial port of the serial port table in port-number order. For each it
// starts the session's connection attempt and a watchdog:
//
//   candidate   status text                    watchdog   attempt
//   USB         "Scan USB"                      6000 ms    DeviceSession::ConnectUsb
//   network     "Scan Ethernet"                 2000 ms    DeviceSession::ConnectNet
//   serial      "Scaning" + port + " ......"   10000 ms    DeviceSession::ConnectCom
//
// The candidate ends with SetConnectResult (1: the processor's identity arrived and the dialog
// closes; 0: it failed) or when its watchdog runs out; either way the next step runs 100 ms later
// (tmConnect). After the last candidate the dialog says "No Device found." and enables its
// buttons. A serial port that cannot be opened shows "Link Broken" (OnLinkBroken) and the scan goes
// on when its watchdog runs out. Every step is a one-shot timer, so the scan runs inside the
// dialog's modal loop; each timer's handler first stops its own timer.
//
// Buttons: Rescan (btnOK) starts the scan again, Demo (btnExit) closes the dialog and leaves the
// editor offline, Set (btnId) opens the device ID and address dialog. Texts come from the session's
// language table when the dialog is shown. Everything runs on the GUI thread.

#include "platform/ui/Forms.h"

#include <cstdint>

class DeviceSession;
class TComboBox;
class TImage;
class TLabel;
class TProgressBar;
class TRzBmpButton;
class TTimer;

class TfmNetwork : public TForm {
    T_DECLARE_CLASS(TfmNetwork, TForm)

public:
    // Reads the form and its pictures; the session is given before the first scan.
    explicit TfmNetwork(TComponent *AOwner);

    // The session whose connection attempts the scan starts and whose texts it shows.
    void SetSession(DeviceSession *session) { session_ = session; }

    // Disables the buttons and starts the scan from its first candidate.
    void RestartScan();
    // Lists the candidates and starts the first one; with none, ends at once with "No Device found.".
    void StartScan();
    // The outcome of the current attempt (1: the processor answered, 0: it failed); the next step
    // follows 100 ms later.
    void SetConnectResult(std::uint8_t result);
    bool GetConnectResult() const { return ConnectResult != 0; }
    // The link broke or a serial port could not be opened: the dialog says so (100 ms later) with
    // its buttons enabled, and the progress window closes. A port that could not be opened leaves
    // the scan to go on when its watchdog expires; a processor this scan had found ends the scan.
    void OnLinkBroken();
    // The TCP client's word on its connection: the status text while the network candidate is
    // tried, and nothing at any other time (the client was made to connect by Rescan, whatever
    // the scan then tries).
    void ShowNetworkStatus(const QString &text);

    // --- Components, bound from the form definition ----------------------------------------------
    TImage *imBase = nullptr;
    TProgressBar *pbScan = nullptr;
    TLabel *lblScan = nullptr;
    TLabel *lblDeviceID = nullptr;
    TComboBox *cbCOM = nullptr;  // the serial ports of the scan, never shown
    TRzBmpButton *btnOK = nullptr;
    TRzBmpButton *btnExit = nullptr;
    TRzBmpButton *btnId = nullptr;
    TTimer *tmConnect = nullptr;
    TTimer *tmLinkBroken = nullptr;
    TTimer *tmWatchDog = nullptr;
    TTimer *tmRunComConnect = nullptr;
    TTimer *tmRunUsbConnect = nullptr;
    TTimer *tmRunNetConnect = nullptr;

    // --- Handlers, bound from the form definition ------------------------------------------------
    void FormShow(TObject *Sender);
    void btnOKClick(TObject *Sender);
    void btnExitClick(TObject *Sender);
    void btnIdClick(TObject *Sender);
    void tmConnectTimer(TObject *Sender);
    void tmLinkBrokenTimer(TObject *Sender);
    void tmWatchDogTimer(TObject *Sender);
    void tmRunComConnectTimer(TObject *Sender);
    void tmRunUsbConnectTimer(TObject *Sender);
    void tmRunNetConnectTimer(TObject *Sender);

private:
    // Stops every step of the scan that is still due.
    void StopScan();
    // Candidates of the scan: the extra one in front and the serial ports.
    int Candidates() const;
    // Position, counter and status of the candidate at ScanPosition, and its watchdog.
    void ShowCandidate(const QString &status, unsigned watchdogMs);
    // Tries the serial port at list index `index`.
    void StartPort(int index);
    void EnableButtons();
    // The scan ended without a processor.
    void ShowNoDevice();
    QString Text(const char *key) const;

    DeviceSession *session_ = nullptr;
    std::uint8_t ConnectResult = 0;
    int ScanPosition = 0;     // 1-based position of the candidate being tried
    int ExtraCandidates = 0;  // 1 when USB or the network goes in front of the serial ports
    bool tryingNetwork_ = false;  // the network candidate is the one being tried
};

extern TfmNetwork *fmNetwork;
