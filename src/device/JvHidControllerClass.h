#pragma once
// The HID device layer. TJvHidDeviceController keeps the list of present HID interfaces, follows
// arrivals and removals (the backend's notifications reach its hidden window on the GUI thread),
// offers every present interface to its owner, hands interfaces out for exclusive use (check-out)
// and takes them back (check-in), and passes their data, error and unplug events on to the owner.
// It holds no protocol knowledge.
//
// The main window uses it like this:
//   HidCtl = new TJvHidDeviceController(this);
//   HidCtl->OnEnumerate = TJvHidEnumerateEvent(this, &TfmMain::HidCtlEnumerate);
//   HidCtl->SetOnDeviceChange(TNotifyEvent(this, &TfmMain::HidCtlDeviceChange));  // calls Enumerate
//   HidCtl->SetDevData(...); HidCtl->SetDevDataError(...); HidCtl->SetDevUnplug(...);
//   // in HidCtlEnumerate: CheckOutByIndex(HidDevice, Idx) for product 0x0821, then
//   //   UsbOut.Attach(HidDevice) so that the transport's worker writes through a TJvHidWriteLink;
//   // in HidCtlDeviceUnplug: CheckIn(HidDevice), which also lets go of UsbOut.
//
// Event fields are public so that form definitions can bind them by handler name; code assigns
// OnDeviceChange, OnDeviceData, OnDeviceDataError and OnDeviceUnplug through their setters, which
// also hand the new handler to the devices.

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

#include "device/JvHidDevice.h"
#include "device/JvHidDeviceReadThread.h"
#include "device/JvHidPnPInfo.h"
#include "device/JvHidTypes.h"
#include "device/JvHidWriteLink.h"
#include "platform/hid/Backend.h"
#include "platform/runtime/Classes.h"

class QSocketNotifier;

// The device-node notification the hidden window acts on.
constexpr WPARAM DBT_DEVNODES_CHANGED = 7;

class TJvHidDeviceController : public TComponent {
    T_DECLARE_CLASS(TJvHidDeviceController, TComponent)
    explicit TJvHidDeviceController(TComponent *AOwner);
    ~TJvHidDeviceController() override;

    // ---- Published ----
    int DevThreadSleepTime() const { return FDevThreadSleepTime; }
    void SetDevThreadSleepTime(int Value);
    QString Version() const { return FVersion; }
    void SetVersion(const QString &Value) { FDummy = Value; }
    TJvHidPlugEvent OnArrival;
    TJvHidEnumerateEvent OnEnumerate;
    TNotifyEvent OnDeviceChange;
    TJvHidDataEvent OnDeviceData;
    TJvHidDataErrorEvent OnDeviceDataError;
    TJvHidPlugEvent OnDeviceUnplug;
    TJvHidPlugEvent OnRemoval;
    void SetOnDeviceChange(const TNotifyEvent &Handler);
    void SetDevData(const TJvHidDataEvent &Handler);
    void SetDevDataError(const TJvHidDataErrorEvent &Handler);
    void SetDevUnplug(const TJvHidPlugEvent &Handler);

    // ---- Change handling ----
    // One change pass: lists the present interfaces, reports vanished devices (unplug, removal),
    // adds new ones (arrival) and fires OnDeviceChange when anything changed.
    void DeviceChange();
    // Offers every plugged-in device to OnEnumerate until it answers false; answers the number
    // offered.
    int Enumerate();

    // ---- Check-out and check-in (every CheckOut* sets HidDev to null first) ----
    bool CheckThisOut(TJvHidDevice *&HidDev, int Idx, bool Check);
    bool CheckOut(TJvHidDevice *&HidDev);
    bool CheckOutByIndex(TJvHidDevice *&HidDev, int Idx);
    bool CheckOutByID(TJvHidDevice *&HidDev, int Vid, int Pid);
    bool CheckOutByProductName(TJvHidDevice *&HidDev, const QString &ProductName);
    bool CheckOutByVendorName(TJvHidDevice *&HidDev, const QString &VendorName);
    bool CheckOutByClass(TJvHidDevice *&HidDev, const QString &ClassName);
    bool CheckOutByCallback(TJvHidDevice *&HidDev, TJvHidCheckCallback Check);
    // Stops the device's read thread, lets go of its write links, closes its handles; a device
    // that was unplugged meanwhile is released. HidDev is null afterwards.
    void CheckIn(TJvHidDevice *&HidDev);

    // ---- Counting (plugged-in devices only) ----
    int CountByID(int Vid, int Pid);
    int CountByProductName(const QString &ProductName);
    int CountByVendorName(const QString &VendorName);
    int CountByClass(const QString &ClassName);
    int CountByCallback(TJvHidCheckCallback Check);

    int NumCheckedInDevices() const { return FNumCheckedInDevices; }
    int NumCheckedOutDevices() const { return FNumCheckedOutDevices; }
    int NumUnpluggedDevices() const { return FNumUnpluggedDevices; }
    hid::Guid HidGuid() const { return FHidGuid; }
    // The listed devices, in list order.
    const std::vector<TJvHidDevice *> &Devices() const { return FList; }

    // ---- Other operations ----
    QString HidVersion() const;
    hid::Status HidCheck(hid::Status Status);
    void HidError(hid::Status Status);
    static QString HidErrorString(hid::Status Status);

private:
    friend class TJvHidDevice;

    void EventPipe(TMessage &Message);
    bool DoEnumerate(TJvHidDevice *HidDev, int Idx);
    void DoArrival(TJvHidDevice *HidDev);
    void DoRemoval(TJvHidDevice *HidDev);
    void DoDeviceChange();
    std::vector<TJvHidDevice *> ListPresent();
    void Recount();
    int IndexOf(const TJvHidDevice *HidDev) const;
    // Runs `test` with the device enumerated, closing its handles afterwards unless checked out.
    template <class Test>
    bool WhileEnumerated(TJvHidDevice *HidDev, Test test);
    bool HasString(TJvHidDevice *HidDev, QString (TJvHidDevice::*get)(), const QString &text);
    template <class Match>
    bool CheckOutMatching(TJvHidDevice *&HidDev, Match match);
    template <class Match>
    int CountMatching(Match match);
    // Stores a new event handler and gives it to every device that carries the current one.
    template <class Event, class Give>
    void HandDown(Event &current, std::uint64_t &currentStamp, const Event &handler,
                  std::uint64_t TJvHidDevice::*deviceStamp, Give give);

    hid::Guid FHidGuid;
    std::shared_ptr<hid::Backend> FBackend;
    int FDevThreadSleepTime = 100;
    QString FVersion = QStringLiteral("1.0.34");
    QString FDummy;
    std::vector<TJvHidDevice *> FList;
    int FNumCheckedInDevices = 0;
    int FNumCheckedOutDevices = 0;
    int FNumUnpluggedDevices = 0;
    bool FInDeviceChange = false;
    std::int32_t FLParam = 0;
    HWND FHWnd = nullptr;
    std::unique_ptr<QSocketNotifier> FNotifier;
    // Stamps of the handlers set through the setters (see TJvHidDevice).
    std::uint64_t FDevDataStamp = 0;
    std::uint64_t FDevDataErrorStamp = 0;
    std::uint64_t FDevUnplugStamp = 0;
    std::uint64_t FNextStamp = 1;
};
