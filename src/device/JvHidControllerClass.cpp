#include "device/JvHidControllerClass.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include "platform/hid/HidStatus.h"
#include "platform/runtime/ClassBuilder.h"

T_IMPLEMENT_CLASS(TJvHidDeviceController)
{
    using C = TJvHidDeviceController;
    b.Int("DevThreadSleepTime", &C::DevThreadSleepTime, &C::SetDevThreadSleepTime).Default(100);
    b.Str("Version", &C::Version, &C::SetVersion).Default("1.0.34");
    b.Event("OnArrival", &C::OnArrival);
    b.Event("OnEnumerate", &C::OnEnumerate);
    b.Event("OnDeviceChange", &C::OnDeviceChange);
    b.Event("OnDeviceData", &C::OnDeviceData);
    b.Event("OnDeviceDataError", &C::OnDeviceDataError);
    b.Event("OnDeviceUnplug", &C::OnDeviceUnplug);
    b.Event("OnRemoval", &C::OnRemoval);
}

namespace {

// Handlers are "the same" when both are empty, or both were bound by the same handler name to the
// same object; handlers made in code cannot be told apart and count as different.
template <class Event>
bool SameCode(const Event &a, const Event &b)
{
    if (!a || !b)
        return !a && !b;
    return !a.HandlerName().isEmpty() && a.HandlerName() == b.HandlerName() && a.Target() == b.Target();
}

}  // namespace

TJvHidDeviceController::TJvHidDeviceController(TComponent *AOwner)
    : TComponent(AOwner), FHidGuid(hid::HidGuid()), FBackend(hid::CurrentBackend())
{
    FDevDataStamp = FNextStamp++;
    FDevDataErrorStamp = FNextStamp++;
    FDevUnplugStamp = FNextStamp++;
    if (!FBackend)
        return;  // no HID support: the controller stays empty and silent
    FHWnd = AllocateHWnd([this](TMessage &message) { EventPipe(message); });
    const int fd = FBackend->NotifyFd();
    if (fd >= 0 && QCoreApplication::instance()) {
        // Arrivals and removals become device-change messages of the hidden window.
        FNotifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        QObject::connect(FNotifier.get(), &QSocketNotifier::activated, [this] {
            if (FBackend->TakeNotifications())
                PostMessage(FHWnd, WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0);
        });
    }
    // The first pass runs once the owner has bound its handlers (the next time messages are served).
    PostMessage(FHWnd, WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, -1);
}

TJvHidDeviceController::~TJvHidDeviceController()
{
    OnDeviceChange = TNotifyEvent();
    OnDeviceUnplug = TJvHidPlugEvent();
    OnEnumerate = TJvHidEnumerateEvent();
    FNotifier.reset();
    DeallocateHWnd(FHWnd);
    FHWnd = nullptr;
    const std::vector<TJvHidDevice *> devices = std::move(FList);
    FList.clear();
    for (TJvHidDevice *device : devices) {
        device->FMyController = nullptr;
        if (device->IsCheckedOut()) {
            const std::weak_ptr<void> alive = device->AliveToken();
            device->DoUnplug();  // its holder is expected to check it in, which releases it
            if (alive.expired())
                continue;
        }
        // Fault mended: a checked-out device its holder did not check in is released here too.
        delete device;
    }
}

// ---- Events and properties ------------------------------------------------------------------

void TJvHidDeviceController::SetOnDeviceChange(const TNotifyEvent &Handler)
{
    if (SameCode(Handler, OnDeviceChange))
        return;
    OnDeviceChange = Handler;
    if (!ComponentState().Contains(csLoading))
        DeviceChange();
}

template <class Event, class Give>
void TJvHidDeviceController::HandDown(Event &current, std::uint64_t &currentStamp, const Event &handler,
                                      std::uint64_t TJvHidDevice::*deviceStamp, Give give)
{
    if (SameCode(handler, current))
        return;
    const std::uint64_t stamp = FNextStamp++;
    for (TJvHidDevice *device : FList) {
        if (device->*deviceStamp == currentStamp) {
            give(device, handler);
            device->*deviceStamp = stamp;
        }
    }
    current = handler;
    currentStamp = stamp;
}

void TJvHidDeviceController::SetDevData(const TJvHidDataEvent &Handler)
{
    // SetDataEvent also stops or starts the device's read thread.
    HandDown(OnDeviceData, FDevDataStamp, Handler, &TJvHidDevice::FDataStamp,
             [](TJvHidDevice *device, const TJvHidDataEvent &h) { device->SetDataEvent(h); });
}

void TJvHidDeviceController::SetDevDataError(const TJvHidDataErrorEvent &Handler)
{
    HandDown(OnDeviceDataError, FDevDataErrorStamp, Handler, &TJvHidDevice::FDataErrorStamp,
             [](TJvHidDevice *device, const TJvHidDataErrorEvent &h) { device->FDataError = h; });
}

void TJvHidDeviceController::SetDevUnplug(const TJvHidPlugEvent &Handler)
{
    HandDown(OnDeviceUnplug, FDevUnplugStamp, Handler, &TJvHidDevice::FUnplugStamp,
             [](TJvHidDevice *device, const TJvHidPlugEvent &h) { device->FUnplug = h; });
}

void TJvHidDeviceController::SetDevThreadSleepTime(int Value)
{
    if (Value == FDevThreadSleepTime)
        return;
    for (TJvHidDevice *device : FList)
        if (device->ThreadSleepTime() == FDevThreadSleepTime)
            device->SetThreadSleepTime(Value);
    FDevThreadSleepTime = Value;
}

template <class Test>
bool TJvHidDeviceController::WhileEnumerated(TJvHidDevice *HidDev, Test test)
{
    const std::weak_ptr<void> alive = HidDev->AliveToken();
    struct Done {
        TJvHidDevice *device;
        const std::weak_ptr<void> &alive;
        ~Done()
        {
            if (alive.expired())
                return;  // the handler released it
            device->FIsEnumerated = false;
            if (!device->IsCheckedOut())
                device->CloseAllHandles();
        }
    } done{HidDev, alive};
    HidDev->FIsEnumerated = true;
    return test();
}

bool TJvHidDeviceController::DoEnumerate(TJvHidDevice *HidDev, int Idx)
{
    if (!OnEnumerate)
        return false;
    const TJvHidEnumerateEvent handler = OnEnumerate;
    return WhileEnumerated(HidDev, [&] { return handler(HidDev, Idx); });
}

void TJvHidDeviceController::DoArrival(TJvHidDevice *HidDev)
{
    if (!OnArrival)
        return;
    const TJvHidPlugEvent handler = OnArrival;
    const std::weak_ptr<void> alive = HidDev->AliveToken();
    HidDev->FIsEnumerated = true;
    handler(HidDev);
    if (!alive.expired())
        HidDev->FIsEnumerated = false;
}

void TJvHidDeviceController::DoRemoval(TJvHidDevice *HidDev)
{
    if (!OnRemoval)
        return;
    const TJvHidPlugEvent handler = OnRemoval;
    const std::weak_ptr<void> alive = HidDev->AliveToken();
    HidDev->FIsEnumerated = true;
    handler(HidDev);
    if (!alive.expired())
        HidDev->FIsEnumerated = false;
}

void TJvHidDeviceController::DoDeviceChange()
{
    if (OnDeviceChange) {
        const TNotifyEvent handler = OnDeviceChange;
        handler(this);
    }
}

// ---- Change handling --------------------------------------------------------------------------

void TJvHidDeviceController::EventPipe(TMessage &Message)
{
    if (Message.Msg == WM_DEVICECHANGE && Message.WParam == DBT_DEVNODES_CHANGED && !FInDeviceChange) {
        FLParam = static_cast<std::int32_t>(Message.LParam);
        FInDeviceChange = true;
        struct Reset {
            bool &flag;
            ~Reset() { flag = false; }
        } reset{FInDeviceChange};
        DeviceChange();
    }
    Message.Result = 0;
}

std::vector<TJvHidDevice *> TJvHidDeviceController::ListPresent()
{
    std::vector<TJvHidDevice *> list;
    if (!FBackend)
        return list;
    for (const hid::InterfaceInfo &info : FBackend->Enumerate()) {
        try {
            list.push_back(new TJvHidDevice(std::make_unique<TJvHidPnPInfo>(info), this));
        } catch (const EControllerError &) {
            // An interface that cannot be opened at all stays out of the list.
        }
    }
    return list;
}

int TJvHidDeviceController::IndexOf(const TJvHidDevice *HidDev) const
{
    for (std::size_t i = 0; i < FList.size(); ++i)
        if (FList[i] == HidDev)
            return static_cast<int>(i);
    return -1;
}

void TJvHidDeviceController::Recount()
{
    FNumCheckedInDevices = FNumCheckedOutDevices = FNumUnpluggedDevices = 0;
    for (const TJvHidDevice *device : FList) {
        if (!device->IsCheckedOut())
            ++FNumCheckedInDevices;
        else
            ++FNumCheckedOutDevices;
        if (!device->IsPluggedIn())
            ++FNumUnpluggedDevices;
    }
    FNumCheckedOutDevices -= FNumUnpluggedDevices;
}

void TJvHidDeviceController::DeviceChange()
{
    bool changed = FLParam == -1;
    std::vector<TJvHidDevice *> fresh = ListPresent();

    // Vanished devices, from the end of the list. The events may release the device (the unplug
    // handler checks it in): the pass then leaves it alone.
    for (int i = static_cast<int>(FList.size()) - 1; i >= 0; --i) {
        if (i >= static_cast<int>(FList.size()))
            continue;
        TJvHidDevice *device = FList[i];
        bool present = false;
        if (device->IsPluggedIn())
            for (auto it = fresh.rbegin(); it != fresh.rend() && !present; ++it)
                present = (*it)->PnPInfo()->DeviceID() == device->PnPInfo()->DeviceID();
        if (present)
            continue;
        changed = true;
        const std::weak_ptr<void> alive = device->AliveToken();
        device->DoUnplug();
        if (alive.expired())
            continue;
        DoRemoval(device);
        if (alive.expired() || device->IsCheckedOut())
            continue;
        // Fault mended: a vanished device that nobody holds is released, not just forgotten.
        const int index = IndexOf(device);
        if (index >= 0)
            FList.erase(FList.begin() + index);
        device->FMyController = nullptr;
        delete device;
    }

    // Devices already listed keep their objects; their fresh twins go.
    for (TJvHidDevice *&entry : fresh) {
        for (const TJvHidDevice *device : FList) {
            if (device->IsPluggedIn() && device->PnPInfo()->DeviceID() == entry->PnPInfo()->DeviceID()) {
                entry->FMyController = nullptr;
                delete entry;
                entry = nullptr;
                break;
            }
        }
    }

    // Arrivals, in listing order.
    for (TJvHidDevice *entry : fresh) {
        if (!entry)
            continue;
        FList.push_back(entry);
        changed = true;
        DoArrival(entry);
    }

    Recount();
    if (changed)
        DoDeviceChange();
}

int TJvHidDeviceController::Enumerate()
{
    int offered = 0;
    for (std::size_t i = 0; i < FList.size(); ++i) {
        TJvHidDevice *device = FList[i];
        if (!device->IsPluggedIn())
            continue;
        ++offered;
        if (!DoEnumerate(device, static_cast<int>(i)))
            break;
    }
    return offered;
}

// ---- Check-out and check-in -------------------------------------------------------------------

bool TJvHidDeviceController::CheckThisOut(TJvHidDevice *&HidDev, int Idx, bool Check)
{
    if (!Check || Idx < 0 || Idx >= static_cast<int>(FList.size()) || FList[Idx]->IsCheckedOut())
        return false;
    HidDev = FList[Idx];
    HidDev->FIsCheckedOut = true;
    ++FNumCheckedOutDevices;
    --FNumCheckedInDevices;
    HidDev->StartThread();
    return true;
}

template <class Match>
bool TJvHidDeviceController::CheckOutMatching(TJvHidDevice *&HidDev, Match match)
{
    HidDev = nullptr;
    for (std::size_t i = 0; i < FList.size(); ++i)
        if (CheckThisOut(HidDev, static_cast<int>(i), match(FList[i])))
            return true;
    return false;
}

bool TJvHidDeviceController::CheckOut(TJvHidDevice *&HidDev)
{
    return CheckOutMatching(HidDev, [](TJvHidDevice *) { return true; });
}

bool TJvHidDeviceController::CheckOutByIndex(TJvHidDevice *&HidDev, int Idx)
{
    HidDev = nullptr;
    return Idx >= 0 && Idx < static_cast<int>(FList.size()) && CheckThisOut(HidDev, Idx, true);
}

bool TJvHidDeviceController::CheckOutByID(TJvHidDevice *&HidDev, int Vid, int Pid)
{
    return CheckOutMatching(HidDev, [&](TJvHidDevice *device) {
        return device->Attributes().VendorID == Vid && (Pid == -1 || device->Attributes().ProductID == Pid);
    });
}

// The strings are read with the device open for enumeration: a device nobody holds cannot be
// opened otherwise, and its strings would always compare empty.
bool TJvHidDeviceController::HasString(TJvHidDevice *HidDev, QString (TJvHidDevice::*get)(), const QString &text)
{
    return WhileEnumerated(HidDev, [&] { return (HidDev->*get)() == text; });
}

bool TJvHidDeviceController::CheckOutByProductName(TJvHidDevice *&HidDev, const QString &ProductName)
{
    HidDev = nullptr;
    return !ProductName.isEmpty() && CheckOutMatching(HidDev, [&](TJvHidDevice *device) {
               return HasString(device, &TJvHidDevice::GetProductName, ProductName);
           });
}

bool TJvHidDeviceController::CheckOutByVendorName(TJvHidDevice *&HidDev, const QString &VendorName)
{
    HidDev = nullptr;
    return !VendorName.isEmpty() && CheckOutMatching(HidDev, [&](TJvHidDevice *device) {
               return HasString(device, &TJvHidDevice::GetVendorName, VendorName);
           });
}

bool TJvHidDeviceController::CheckOutByClass(TJvHidDevice *&HidDev, const QString &ClassName)
{
    HidDev = nullptr;
    if (ClassName.isEmpty())
        return false;
    return CheckOutMatching(HidDev, [&](TJvHidDevice *device) { return device->PnPInfo()->ClassDescr() == ClassName; });
}

bool TJvHidDeviceController::CheckOutByCallback(TJvHidDevice *&HidDev, TJvHidCheckCallback Check)
{
    return CheckOutMatching(HidDev, [&](TJvHidDevice *device) {
        return Check && !device->IsCheckedOut() && WhileEnumerated(device, [&] { return Check(device); });
    });
}

void TJvHidDeviceController::CheckIn(TJvHidDevice *&HidDev)
{
    TJvHidDevice *device = HidDev;
    HidDev = nullptr;
    if (!device)
        return;
    // Fault mended: the read thread ends and every writer lets go before the handles close.
    device->StopThread();
    device->ReleaseLinks();
    device->CloseAllHandles();
    if (device->IsPluggedIn()) {
        if (device->IsCheckedOut()) {
            device->FIsCheckedOut = false;
            --FNumCheckedOutDevices;
            ++FNumCheckedInDevices;
        }
    } else {
        delete device;  // takes itself out of the list
    }
}

// ---- Counting ---------------------------------------------------------------------------------

template <class Match>
int TJvHidDeviceController::CountMatching(Match match)
{
    int count = 0;
    for (std::size_t i = 0; i < FList.size(); ++i)
        if (FList[i]->IsPluggedIn() && match(FList[i]))
            ++count;
    return count;
}

int TJvHidDeviceController::CountByID(int Vid, int Pid)
{
    return CountMatching([&](TJvHidDevice *device) {
        return device->Attributes().VendorID == Vid && (Pid == -1 || device->Attributes().ProductID == Pid);
    });
}

int TJvHidDeviceController::CountByProductName(const QString &ProductName)
{
    return CountMatching([&](TJvHidDevice *device) { return HasString(device, &TJvHidDevice::GetProductName, ProductName); });
}

int TJvHidDeviceController::CountByVendorName(const QString &VendorName)
{
    return CountMatching([&](TJvHidDevice *device) { return HasString(device, &TJvHidDevice::GetVendorName, VendorName); });
}

int TJvHidDeviceController::CountByClass(const QString &ClassName)
{
    return CountMatching([&](TJvHidDevice *device) { return device->PnPInfo()->ClassDescr() == ClassName; });
}

int TJvHidDeviceController::CountByCallback(TJvHidCheckCallback Check)
{
    return CountMatching([&](TJvHidDevice *device) { return Check && WhileEnumerated(device, [&] { return Check(device); }); });
}

// ---- Other operations -------------------------------------------------------------------------

QString TJvHidDeviceController::HidVersion() const
{
    return FBackend ? QString::fromStdString(FBackend->Version()) : QString();
}

hid::Status TJvHidDeviceController::HidCheck(hid::Status Status)
{
    if (Status != hid::kStatusSuccess)
        HidError(Status);
    return Status;
}

void TJvHidDeviceController::HidError(hid::Status Status)
{
    const QString text = HidErrorString(Status);
    if (!text.isEmpty())
        throw EHidClientError(text);
}

QString TJvHidDeviceController::HidErrorString(hid::Status Status)
{
    return QString::fromStdString(hid::ErrorString(Status));
}
