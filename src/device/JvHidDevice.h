#pragma once
// One present HID interface. Only the controller creates devices (during its change pass). A
// device opens its interface on demand through up to three handles (a synchronous one for queries,
// reads and writes, and one each for overlapped reading and writing), reads its attributes,
// capabilities and strings, writes and reads reports, and while it is checked out and has a data
// handler runs one read thread that hands each input report to the GUI thread.
//
// Threads: everything runs on the GUI thread except the read thread (overlapped read handle and
// record) and a transport worker writing through a TJvHidWriteLink (GetCaps, WriteFile). The
// handles and records are guarded by one lock of the device, never held while a report is handed
// over or while a write waits for the device.

#include <QString>
#include <QStringList>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "device/JvHidPnPInfo.h"
#include "device/JvHidTypes.h"
#include "platform/hid/Backend.h"
#include "platform/hid/Handle.h"
#include "platform/hid/PreparsedData.h"
#include "platform/os/CriticalSection.h"
#include "platform/runtime/Classes.h"

class TJvHidDeviceController;
class TJvHidDeviceReadThread;
class TJvHidWriteLink;

class TJvHidDevice : public TObject {
public:
    // Devices are made by the controller only.
    [[noreturn]] TJvHidDevice();
    // Takes `PnPInfo`. Raises EControllerError when the interface cannot be opened.
    TJvHidDevice(std::unique_ptr<TJvHidPnPInfo> PnPInfo, TJvHidDeviceController *Controller);
    ~TJvHidDevice() override;

    // ---- State ----
    bool IsPluggedIn() const { return FIsPluggedIn.load(); }
    bool IsCheckedOut() const { return FIsCheckedOut.load(); }
    bool HasReadWriteAccess() const { return FHasReadWriteAccess.load(); }
    const hid::Attributes &Attributes() const { return FAttributes; }
    TJvHidPnPInfo *PnPInfo() const { return FPnPInfo.get(); }
    int Tag() const { return FTag; }
    void SetTag(int tag) { FTag = tag; }
    bool CheckOut();

    // ---- Handles ----
    hid::Handle *HidFileHandle() const;
    hid::Handle *HidOverlappedRead() const;
    hid::Handle *HidOverlappedWrite() const;
    bool IsAccessible() const;
    bool OpenFile();
    bool OpenFileEx(TJvHidOpenExMode Mode);
    void CloseFile();
    void CloseFileEx(TJvHidOpenExMode Mode);
    bool CancelIO(TJvHidOpenExMode Mode);
    int NumInputBuffers() const { return FNumInputBuffers; }
    int NumOverlappedBuffers() const { return FNumOverlappedBuffers; }
    void SetNumInputBuffers(int Value);
    void SetNumOverlappedBuffers(int Value);

    // ---- Reports ----
    // One synchronous read or write of an input or output report (report ID first). Writes are cut
    // or padded to the output report length.
    bool ReadFile(void *Report, std::uint32_t ToRead, std::uint32_t &BytesRead);
    bool WriteFile(const void *Report, std::uint32_t ToWrite, std::uint32_t &BytesWritten);
    // Starts an overlapped read on the overlapped read handle; it completes in WaitForRead. An
    // overlapped write completes (and runs its routine) before WriteFileEx returns.
    bool ReadFileEx(void *Report, std::uint32_t ToRead, TJvHidCompletionRoutine CallBack);
    bool WriteFileEx(const void *Report, std::uint32_t ToWrite, TJvHidCompletionRoutine CallBack);
    // Waits at most `Milliseconds` for the pending overlapped read: HID_WAIT_IO_COMPLETION once it has
    // completed (with data or with an error), HID_WAIT_TIMEOUT otherwise.
    std::uint32_t WaitForRead(int Milliseconds);
    std::uint32_t GetOverlappedReadResult();
    std::uint32_t GetOverlappedWriteResult();
    std::uint32_t HidOverlappedReadResult() { return GetOverlappedReadResult(); }
    std::uint32_t HidOverlappedWriteResult() { return GetOverlappedWriteResult(); }
    // errno of the last overlapped read that completed without data.
    std::uint32_t OverlappedReadError() const;

    // ---- Descriptor and capabilities ----
    const hid::PreparsedData *GetPreparsedData();
    const hid::PreparsedData *PreparsedData() { return GetPreparsedData(); }
    hid::Caps GetCaps();
    hid::Caps Caps() { return GetCaps(); }

    // ---- Read thread ----
    int ThreadSleepTime() const { return FThreadSleepTime.load(); }
    void SetThreadSleepTime(int Value);  // ignored outside 10 to 10000
    const TJvHidDataEvent &OnData() const { return FData; }
    void SetDataEvent(const TJvHidDataEvent &Handler);
    const TJvHidDataErrorEvent &OnDataError() const { return FDataError; }
    void SetOnDataError(const TJvHidDataErrorEvent &Handler);
    const TJvHidPlugEvent &OnUnplug() const { return FUnplug; }
    void SetOnUnplug(const TJvHidPlugEvent &Handler);
    void StartThread();
    void StopThread();
    bool ThreadRunning() const { return FDataThread != nullptr; }

    // Closes the handles, marks the device unplugged and reports it once through OnUnplug.
    void DoUnplug();

    // ---- Strings, descriptors and configuration ----
    QString GetVendorName();
    QString GetProductName();
    QString GetSerialNumber();
    const QStringList &GetLanguageStrings();
    QString VendorName() { return GetVendorName(); }
    QString ProductName() { return GetProductName(); }
    QString SerialNumber() { return GetSerialNumber(); }
    const QStringList &LanguageStrings() { return GetLanguageStrings(); }
    QString GetDeviceStringUnicode(std::uint8_t Idx);
    std::string GetDeviceStringAnsi(std::uint8_t Idx);
    const TJvPhysicalDescriptor &GetPhysicalDescriptor();
    const TJvPhysicalDescriptor &PhysicalDescriptor() { return GetPhysicalDescriptor(); }
    hid::LinkCollectionNode GetLinkCollectionNode(std::uint16_t Idx);
    hid::LinkCollectionNode LinkCollectionNodes(std::uint16_t Idx) { return GetLinkCollectionNode(Idx); }
    hid::Configuration GetConfiguration();
    void SetConfiguration(const hid::Configuration &Config);

    // ---- Selections for the report-parsing wrappers ----
    void GetMax();
    std::uint32_t MaxDataListLength() const { return FMaxDataListLength; }
    std::uint32_t MaxUsageListLength() const { return FMaxUsageListLength; }
    std::uint32_t MaxButtonListLength() const { return FMaxButtonListLength; }
    std::uint32_t ReportTypeParam() const { return FReportTypeParam; }
    std::uint16_t UsagePageParam() const { return FUsagePageParam; }
    std::uint16_t LinkCollectionParam() const { return FLinkCollectionParam; }
    std::uint16_t UsageParam() const { return FUsageParam; }
    void SetReportTypeParam(std::uint32_t Value);
    void SetUsagePageParam(std::uint16_t Value);
    void SetLinkCollectionParam(std::uint16_t Value) { FLinkCollectionParam = Value; }
    void SetUsageParam(std::uint16_t Value) { FUsageParam = Value; }

    // ---- Report-parsing wrappers: 0x80110001 when the device is not accessible ----
    hid::Status GetButtonCaps(hid::ButtonCaps *ButtonCaps, std::uint16_t &Count);
    hid::Status GetSpecificButtonCaps(hid::ButtonCaps *ButtonCaps, std::uint16_t &Count);
    hid::Status GetValueCaps(hid::ValueCaps *ValueCaps, std::uint16_t &Count);
    hid::Status GetSpecificValueCaps(hid::ValueCaps *ValueCaps, std::uint16_t &Count);
    hid::Status GetData(hid::Data *DataList, std::uint32_t &DataLength, const void *Report, std::uint32_t ReportLength);
    hid::Status SetData(hid::Data *DataList, std::uint32_t &DataLength, void *Report, std::uint32_t ReportLength);
    hid::Status GetUsages(hid::UsageCode *UsageList, std::uint32_t &UsageLength, const void *Report, std::uint32_t ReportLength);
    hid::Status GetButtons(hid::UsageCode *UsageList, std::uint32_t &UsageLength, const void *Report, std::uint32_t ReportLength);
    hid::Status GetUsagesEx(hid::UsageAndPage *UsageList, std::uint32_t &UsageLength, const void *Report, std::uint32_t ReportLength);
    hid::Status GetButtonsEx(hid::UsageAndPage *UsageList, std::uint32_t &UsageLength, const void *Report, std::uint32_t ReportLength);
    hid::Status SetUsages(const hid::UsageCode *UsageList, std::uint32_t &UsageLength, void *Report, std::uint32_t ReportLength);
    hid::Status SetButtons(const hid::UsageCode *UsageList, std::uint32_t &UsageLength, void *Report, std::uint32_t ReportLength);
    hid::Status UnsetUsages(const hid::UsageCode *UsageList, std::uint32_t &UsageLength, void *Report, std::uint32_t ReportLength);
    hid::Status UnsetButtons(const hid::UsageCode *UsageList, std::uint32_t &UsageLength, void *Report, std::uint32_t ReportLength);
    hid::Status GetUsageValue(std::uint32_t &UsageValue, const void *Report, std::uint32_t ReportLength);
    hid::Status GetScaledUsageValue(std::int32_t &UsageValue, const void *Report, std::uint32_t ReportLength);
    hid::Status GetUsageValueArray(void *UsageValue, std::uint16_t UsageValueByteLength, const void *Report, std::uint32_t ReportLength);
    hid::Status SetUsageValue(std::uint32_t UsageValue, void *Report, std::uint32_t ReportLength);
    hid::Status SetScaledUsageValue(std::int32_t UsageValue, void *Report, std::uint32_t ReportLength);
    hid::Status SetUsageValueArray(const void *UsageValue, std::uint16_t UsageValueByteLength, void *Report, std::uint32_t ReportLength);
    // These two take the report type as an argument, skip the accessibility test and use the
    // descriptor only if it was fetched before.
    hid::Status GetExtendedAttributes(hid::ReportType ReportType, std::uint16_t DataIndex, void *Attributes, std::uint32_t &LengthAttributes);
    hid::Status InitializeReportForID(hid::ReportType ReportType, std::uint8_t ReportID, void *Report, std::uint32_t ReportLength);

    // ---- Device requests through the synchronous handle ----
    bool FlushQueue();
    bool GetFeature(void *Report, std::uint32_t Size);
    bool SetFeature(const void *Report, std::uint32_t Size);
    bool GetInputReport(void *Report, std::uint32_t Size);
    bool SetOutputReport(const void *Report, std::uint32_t Size);
    // No device control requests exist on this platform: always false (LastError ENOTSUP).
    bool DeviceIoControl(std::uint32_t IoControlCode, const void *InBuffer, std::uint32_t InSize, void *OutBuffer,
                         std::uint32_t OutSize, std::uint32_t &BytesReturned);

    // A token that expires when the device is released: code that fires events for a device
    // uses it to notice that a handler has released it.
    std::weak_ptr<void> AliveToken() const { return FAlive; }

private:
    friend class TJvHidDeviceController;
    friend class TJvHidDeviceReadThread;
    friend class TJvHidWriteLink;

    std::shared_ptr<hid::Handle> OpenHandle(hid::Access access) const;
    std::shared_ptr<hid::Handle> FileHandle() const;
    void CloseAllHandles();
    void ReleaseLinks();
    QString KeptString(QString &kept, bool (hid::Handle::*get)(void *, std::size_t) const);
    // Runs a report-parsing call with the descriptor, or answers 0x80110001 when not accessible.
    hid::Status Guarded(const std::function<hid::Status(const hid::PreparsedData *)> &call);
    hid::ReportType ReportType() const { return static_cast<hid::ReportType>(FReportTypeParam); }

    TJvHidDeviceController *FMyController = nullptr;
    std::atomic<bool> FIsPluggedIn{true};
    std::atomic<bool> FIsCheckedOut{false};
    std::atomic<bool> FIsEnumerated{false};
    mutable os::CriticalSection FLock;  // the handles and the overlapped records
    std::shared_ptr<hid::Handle> FHidFileHandle;
    std::shared_ptr<hid::Handle> FHidOverlappedRead;
    std::shared_ptr<hid::Handle> FHidOverlappedWrite;
    TJvHidOverlapped FOvlRead;
    TJvHidOverlapped FOvlWrite;
    hid::Attributes FAttributes;
    std::unique_ptr<TJvHidPnPInfo> FPnPInfo;
    const std::shared_ptr<hid::Backend> FBackend;  // where the interface is opened (set once)
    QString FVendorName;
    QString FProductName;
    TJvPhysicalDescriptor FPhysicalDescriptor;
    std::unique_ptr<hid::PreparsedData> FPreparsedData;
    QString FSerialNumber;
    QStringList FLanguageStrings;
    int FNumInputBuffers = 0;
    int FNumOverlappedBuffers = 0;
    std::atomic<int> FThreadSleepTime{100};
    std::vector<hid::LinkCollectionNode> FLinkCollection;
    std::uint32_t FMaxDataListLength = 0;
    std::uint32_t FMaxUsageListLength = 0;
    std::uint32_t FMaxButtonListLength = 0;
    std::uint32_t FReportTypeParam = 0;
    std::uint16_t FUsagePageParam = 0;
    std::uint16_t FLinkCollectionParam = 0;
    std::uint16_t FUsageParam = 0;
    TJvHidDataEvent FData;
    TJvHidDataErrorEvent FDataError;
    TJvHidPlugEvent FUnplug;
    // Which of the controller's handlers each event holds (0: one set on the device itself), so
    // that the controller can tell the devices that carry its handler without comparing code.
    std::uint64_t FDataStamp = 0;
    std::uint64_t FDataErrorStamp = 0;
    std::uint64_t FUnplugStamp = 0;
    std::atomic<bool> FHasReadWriteAccess{false};
    std::unique_ptr<TJvHidDeviceReadThread> FDataThread;
    int FTag = 0;
    std::vector<TJvHidWriteLink *> FLinks;  // guarded by the write links' registry lock
    std::shared_ptr<char> FAlive = std::make_shared<char>();
};
