#include "device/JvHidDevice.h"

#include <algorithm>
#include <cerrno>
#include <utility>

#include "device/JvHidControllerClass.h"
#include "device/JvHidDeviceReadThread.h"
#include "device/JvHidWriteLink.h"
#include "platform/hid/HidStatus.h"
#include "platform/hid/ReportParsing.h"

namespace {

constexpr int kMinSleepTime = 10, kMaxSleepTime = 10000;

using Guard = os::CriticalSectionLock;

// Asks the handle for `wanted` input buffers (0: leave it) and answers the count it then has.
int SyncInputBuffers(hid::Handle &handle, int wanted)
{
    if (wanted != 0)
        handle.SetNumInputBuffers(static_cast<std::uint32_t>(wanted));
    std::uint32_t count = 0;
    return handle.GetNumInputBuffers(&count) ? static_cast<int>(count) : 0;
}

}  // namespace

TJvHidDevice::TJvHidDevice()
{
    throw EControllerError(QStringLiteral("Direct creation of a TJvHidDevice object is not allowed"));
}

TJvHidDevice::TJvHidDevice(std::unique_ptr<TJvHidPnPInfo> PnPInfo, TJvHidDeviceController *Controller)
    : FMyController(Controller), FPnPInfo(std::move(PnPInfo)),
      FBackend(Controller && Controller->FBackend ? Controller->FBackend : hid::CurrentBackend())
{
    FOvlRead.Device = this;
    FOvlWrite.Device = this;
    if (Controller) {
        // Fault mended: the device reports read failures to the controller's data-error handler,
        // so the owner can hear of them.
        SetDataEvent(Controller->OnDeviceData);
        FDataStamp = Controller->FDevDataStamp;
        FDataError = Controller->OnDeviceDataError;
        FDataErrorStamp = Controller->FDevDataErrorStamp;
        FUnplug = Controller->OnDeviceUnplug;
        FUnplugStamp = Controller->FDevUnplugStamp;
    }
    std::shared_ptr<hid::Handle> probe = OpenHandle(hid::Access::ReadWrite);
    FHasReadWriteAccess = static_cast<bool>(probe);
    if (!probe)
        probe = OpenHandle(hid::Access::Query);
    if (!probe)
        throw EControllerError(QStringLiteral("device cannot be opened"));
    FAttributes = probe->description().attributes;
    FAttributes.Size = sizeof(hid::Attributes);
    probe->Close();
}

TJvHidDevice::~TJvHidDevice()
{
    const TJvHidDataEvent data = FData;
    const std::uint64_t dataStamp = FDataStamp;
    const TJvHidPlugEvent unplug = FUnplug;
    const std::uint64_t unplugStamp = FUnplugStamp;
    SetDataEvent(TJvHidDataEvent());
    FUnplug = TJvHidPlugEvent();
    ReleaseLinks();
    CloseAllHandles();
    FPreparsedData.reset();
    FAlive.reset();

    TJvHidDeviceController *controller = FMyController;
    const int index = controller ? controller->IndexOf(this) : -1;
    if (index < 0)
        return;
    if (!IsPluggedIn()) {
        controller->FList.erase(controller->FList.begin() + index);
        --controller->FNumUnpluggedDevices;
        return;
    }
    // Released while plugged in: a fresh, free device takes its place, as after a check-in.
    if (IsCheckedOut()) {
        --controller->FNumCheckedOutDevices;
        ++controller->FNumCheckedInDevices;
    }
    try {
        auto *replacement = new TJvHidDevice(std::move(FPnPInfo), controller);
        replacement->SetDataEvent(data);
        replacement->FDataStamp = dataStamp;
        replacement->FUnplug = unplug;
        replacement->FUnplugStamp = unplugStamp;
        replacement->SetThreadSleepTime(ThreadSleepTime());
        controller->FList[index] = replacement;
    } catch (const EControllerError &) {
        // The interface went away meanwhile: it simply leaves the list.
        controller->FList.erase(controller->FList.begin() + index);
        --controller->FNumCheckedInDevices;
    }
}

bool TJvHidDevice::CheckOut()
{
    if (!FMyController || !IsPluggedIn() || IsCheckedOut())
        return false;
    FIsCheckedOut = true;
    ++FMyController->FNumCheckedOutDevices;
    --FMyController->FNumCheckedInDevices;
    StartThread();
    return true;
}

// ---- Handles ------------------------------------------------------------------------------------

std::shared_ptr<hid::Handle> TJvHidDevice::OpenHandle(hid::Access access) const
{
    if (!FBackend || !FPnPInfo) {
        hid::SetLastError(ENODEV);
        return nullptr;
    }
    return FBackend->Open(FPnPInfo->DevicePathBytes(), access);
}

std::shared_ptr<hid::Handle> TJvHidDevice::FileHandle() const
{
    Guard lock(FLock);
    return FHidFileHandle;
}

hid::Handle *TJvHidDevice::HidFileHandle() const
{
    Guard lock(FLock);
    return FHidFileHandle.get();
}

hid::Handle *TJvHidDevice::HidOverlappedRead() const
{
    Guard lock(FLock);
    return FHidOverlappedRead.get();
}

hid::Handle *TJvHidDevice::HidOverlappedWrite() const
{
    Guard lock(FLock);
    return FHidOverlappedWrite.get();
}

bool TJvHidDevice::IsAccessible() const
{
    return IsPluggedIn() && (IsCheckedOut() || FIsEnumerated.load());
}

bool TJvHidDevice::OpenFile()
{
    Guard lock(FLock);
    if (IsAccessible() && !FHidFileHandle) {
        FHidFileHandle = OpenHandle(hid::Access::ReadWrite);
        FHasReadWriteAccess = static_cast<bool>(FHidFileHandle);
        if (!FHidFileHandle)
            FHidFileHandle = OpenHandle(hid::Access::Query);
        if (FHidFileHandle)
            FNumInputBuffers = SyncInputBuffers(*FHidFileHandle, FNumInputBuffers);
    } else if (!FHidFileHandle) {
        hid::SetLastError(IsPluggedIn() ? EBADF : ENODEV);
    }
    return static_cast<bool>(FHidFileHandle);
}

bool TJvHidDevice::OpenFileEx(TJvHidOpenExMode Mode)
{
    Guard lock(FLock);
    if (!IsAccessible()) {
        hid::SetLastError(IsPluggedIn() ? EBADF : ENODEV);
        return false;
    }
    if (Mode == omhWrite) {
        if (!FHidOverlappedWrite)
            FHidOverlappedWrite = OpenHandle(hid::Access::Write);
        return static_cast<bool>(FHidOverlappedWrite);
    }
    if (!FHidOverlappedRead) {
        FHidOverlappedRead = OpenHandle(hid::Access::Read);
        if (FHidOverlappedRead)
            FNumOverlappedBuffers = SyncInputBuffers(*FHidOverlappedRead, FNumOverlappedBuffers);
    }
    return static_cast<bool>(FHidOverlappedRead);
}

void TJvHidDevice::CloseFile()
{
    Guard lock(FLock);
    if (FHidFileHandle) {
        FHidFileHandle->Close();
        FHidFileHandle.reset();
    }
    FNumInputBuffers = 0;
}

void TJvHidDevice::CloseFileEx(TJvHidOpenExMode Mode)
{
    Guard lock(FLock);
    std::shared_ptr<hid::Handle> &handle = Mode == omhRead ? FHidOverlappedRead : FHidOverlappedWrite;
    if (handle) {
        handle->Close();  // a read waiting on it ends at once
        handle.reset();
    }
    if (Mode == omhRead)
        FNumOverlappedBuffers = 0;
}

void TJvHidDevice::CloseAllHandles()
{
    CloseFile();
    CloseFileEx(omhRead);
    CloseFileEx(omhWrite);
}

bool TJvHidDevice::CancelIO(TJvHidOpenExMode Mode)
{
    Guard lock(FLock);
    if (!(Mode == omhRead ? FHidOverlappedRead : FHidOverlappedWrite))
        return false;
    TJvHidOverlapped &record = Mode == omhRead ? FOvlRead : FOvlWrite;
    record.Pending = false;
    return true;
}

void TJvHidDevice::SetNumInputBuffers(int Value)
{
    Guard lock(FLock);
    if (Value == FNumInputBuffers || !OpenFile())
        return;
    FNumInputBuffers = SyncInputBuffers(*FHidFileHandle, Value);
}

void TJvHidDevice::SetNumOverlappedBuffers(int Value)
{
    Guard lock(FLock);
    if (Value == FNumOverlappedBuffers || !OpenFileEx(omhRead))
        return;
    FNumOverlappedBuffers = SyncInputBuffers(*FHidOverlappedRead, Value);
}

// ---- Reports ------------------------------------------------------------------------------------

bool TJvHidDevice::ReadFile(void *Report, std::uint32_t ToRead, std::uint32_t &BytesRead)
{
    BytesRead = 0;
    if (!OpenFile())
        return false;
    std::shared_ptr<hid::Handle> handle = FileHandle();
    std::size_t got = 0;
    if (!handle || handle->ReadReport(static_cast<std::uint8_t *>(Report), ToRead, &got, -1) != hid::ReadStatus::Report)
        return false;
    BytesRead = static_cast<std::uint32_t>(got);
    return true;
}

bool TJvHidDevice::WriteFile(const void *Report, std::uint32_t ToWrite, std::uint32_t &BytesWritten)
{
    BytesWritten = 0;
    if (!OpenFile())
        return false;
    // The write runs outside the lock: closing the handle meanwhile only makes it fail.
    std::shared_ptr<hid::Handle> handle = FileHandle();
    std::size_t written = 0;
    if (!handle || !handle->WriteReport(static_cast<const std::uint8_t *>(Report), ToWrite, &written))
        return false;
    BytesWritten = static_cast<std::uint32_t>(written);
    return true;
}

bool TJvHidDevice::ReadFileEx(void *Report, std::uint32_t ToRead, TJvHidCompletionRoutine CallBack)
{
    if (!OpenFileEx(omhRead))
        return false;
    Guard lock(FLock);
    FOvlRead = TJvHidOverlapped();
    FOvlRead.Device = this;
    FOvlRead.Buffer = Report;
    FOvlRead.Size = ToRead;
    FOvlRead.Pending = Report != nullptr && ToRead > 0;
    (void)CallBack;  // completion is noticed by WaitForRead, which runs no routine of its own
    if (!FOvlRead.Pending)
        hid::SetLastError(EINVAL);
    return FOvlRead.Pending;
}

std::uint32_t TJvHidDevice::WaitForRead(int Milliseconds)
{
    std::shared_ptr<hid::Handle> handle;
    void *buffer = nullptr;
    std::uint32_t size = 0;
    {
        Guard lock(FLock);
        if (!FOvlRead.Pending)
            return HID_WAIT_IO_COMPLETION;
        handle = FHidOverlappedRead;
        buffer = FOvlRead.Buffer;
        size = FOvlRead.Size;
    }
    std::size_t got = 0;
    hid::ReadStatus status = hid::ReadStatus::Closed;
    if (handle)
        status = handle->ReadReport(static_cast<std::uint8_t *>(buffer), size, &got, Milliseconds);
    if (status == hid::ReadStatus::Timeout)
        return HID_WAIT_TIMEOUT;
    Guard lock(FLock);
    FOvlRead.Pending = false;
    FOvlRead.Completed = true;
    FOvlRead.BytesTransferred = status == hid::ReadStatus::Report ? static_cast<std::uint32_t>(got) : 0;
    FOvlRead.Error = status == hid::ReadStatus::Report ? 0 : (status == hid::ReadStatus::Closed ? ECANCELED : hid::LastError());
    return HID_WAIT_IO_COMPLETION;
}

bool TJvHidDevice::WriteFileEx(const void *Report, std::uint32_t ToWrite, TJvHidCompletionRoutine CallBack)
{
    if (!OpenFileEx(omhWrite))
        return false;
    std::shared_ptr<hid::Handle> handle;
    {
        Guard lock(FLock);
        handle = FHidOverlappedWrite;
        FOvlWrite = TJvHidOverlapped();
        FOvlWrite.Device = this;
    }
    std::size_t written = 0;
    const bool ok = handle && handle->WriteReport(static_cast<const std::uint8_t *>(Report), ToWrite, &written);
    {
        Guard lock(FLock);
        FOvlWrite.Completed = true;
        FOvlWrite.BytesTransferred = ok ? static_cast<std::uint32_t>(written) : 0;
        FOvlWrite.Error = ok ? 0 : hid::LastError();
    }
    if (CallBack)
        CallBack(FOvlWrite.Error, FOvlWrite.BytesTransferred, &FOvlWrite);
    return ok;
}

std::uint32_t TJvHidDevice::GetOverlappedReadResult()
{
    Guard lock(FLock);
    return FHidOverlappedRead && FOvlRead.Completed && FOvlRead.Error == 0 ? FOvlRead.BytesTransferred : 0;
}

std::uint32_t TJvHidDevice::GetOverlappedWriteResult()
{
    Guard lock(FLock);
    return FHidOverlappedWrite && FOvlWrite.Completed && FOvlWrite.Error == 0 ? FOvlWrite.BytesTransferred : 0;
}

std::uint32_t TJvHidDevice::OverlappedReadError() const
{
    Guard lock(FLock);
    return FOvlRead.Error;
}

// ---- Descriptor and capabilities ----------------------------------------------------------------

const hid::PreparsedData *TJvHidDevice::GetPreparsedData()
{
    Guard lock(FLock);
    if (!FPreparsedData && OpenFile()) {
        FPreparsedData = hid::PreparsedData::Parse(FHidFileHandle->description().reportDescriptor);
        CloseFile();
    }
    return FPreparsedData.get();
}

hid::Caps TJvHidDevice::GetCaps()
{
    hid::Caps caps;
    hid::GetCaps(GetPreparsedData(), &caps);
    return caps;
}

// ---- Read thread --------------------------------------------------------------------------------

void TJvHidDevice::SetThreadSleepTime(int Value)
{
    if (Value >= kMinSleepTime && Value <= kMaxSleepTime)
        FThreadSleepTime = Value;
}

void TJvHidDevice::SetDataEvent(const TJvHidDataEvent &Handler)
{
    if (!Handler)
        StopThread();
    FData = Handler;
    FDataStamp = 0;
    StartThread();
}

void TJvHidDevice::SetOnDataError(const TJvHidDataErrorEvent &Handler)
{
    FDataError = Handler;
    FDataErrorStamp = 0;
}

void TJvHidDevice::SetOnUnplug(const TJvHidPlugEvent &Handler)
{
    FUnplug = Handler;
    FUnplugStamp = 0;
}

void TJvHidDevice::StartThread()
{
    if (!FData || !IsPluggedIn() || !IsCheckedOut() || !HasReadWriteAccess() || FDataThread)
        return;
    FDataThread = std::make_unique<TJvHidDeviceReadThread>(this);
    FDataThread->Resume();
}

void TJvHidDevice::StopThread()
{
    if (!FDataThread)
        return;
    FDataThread->Terminate();
    FDataThread->WaitFor();
    FDataThread.reset();
}

void TJvHidDevice::DoUnplug()
{
    CloseAllHandles();
    FIsPluggedIn = false;
    const TJvHidPlugEvent handler = FUnplug;
    // Cleared before the call: the handler may check the device in, which releases it.
    FUnplug = TJvHidPlugEvent();
    FUnplugStamp = 0;
    if (handler)
        handler(this);
}

void TJvHidDevice::ReleaseLinks()
{
    std::lock_guard registry(TJvHidWriteLink::Registry());
    const std::vector<TJvHidWriteLink *> links = std::exchange(FLinks, {});
    for (TJvHidWriteLink *link : links)
        link->LetGo();
}
