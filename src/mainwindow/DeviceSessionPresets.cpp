// The preset exchanges: store, recall, upload of every stored preset into a unit file, download of
// a unit file into the processor, and the factory reset. Each starts here and goes on in the
// acknowledgement steps and the reply handlers below.

#include "mainwindow/DeviceSession.h"
#include "pages/LinkGroups.h"

#include "platform/os/CodePage.h"
#include "platform/os/ProgramFolder.h"
#include "platform/ui/OpenDialog.h"

#include <algorithm>

namespace {

// Reply wait of a store, recall, download or factory reset, in ms.
constexpr std::uint32_t ExchangeWaitMs = 10000;
// The store's progress: name sent, preset stored.
constexpr int StoreProgressMax = 2;
// The recall's progress: program blocks 0 to 10.
constexpr int RecallProgressMax = LastImageBlock + 1;
// A record of a unit file goes out as blocks 0 to 10 carrying its bytes 1 to 528 (image bytes 0 to
// 527): 50 bytes a block, the rest in the last one.
constexpr std::size_t DownloadedImageSize = PresetBodyOffset + PresetBodySize;
constexpr std::size_t LastDownloadBlockSize = DownloadedImageSize - LastImageBlock * ImageBlockSize;
// Byte 1 of a record (its used mark) when the preset is stored.
constexpr std::uint8_t StoredMark = 0xFF;

bool IsStored(const PresetRecord &record)
{
    return record.ImageBytes[0] == StoredMark;
}

}  // namespace

void DeviceSession::StopLevelPoll()
{
    tmInLevelDet->SetEnabled(false);
    ResetLevelMeters();
}

void DeviceSession::ShowProgressModal()
{
    if (!view_.IsProgressVisible())
        view_.ShowProgressModal();
}

// --- Store and recall ----------------------------------------------------------------------------

void DeviceSession::StorePreset(int index, std::string_view name)
{
    if (!Connected || index < 0 || index >= PresetCount)
        return;
    Step = SessionStep::PresetNameSent;
    StopLevelPoll();
    CurrentPreset = index + 1;
    UnitControl->MarkPresetStored(index);
    UnitControl->SetPresetName({reinterpret_cast<const std::uint8_t *>(name.data()), name.size()});
    view_.SetControlText(QStringLiteral("lbPstNum"), QStringLiteral("U%1").arg(index + 1, 2, 10, QLatin1Char('0')));
    view_.SetControlText(QStringLiteral("lbPstName"),
                         QString::fromStdString(os::AnsiToUtf8(name.substr(0, PresetNameSize))));
    SetLinkTimeout(ExchangeWaitMs);
    const std::string_view storedName(reinterpret_cast<const char *>(UnitControl->GetPresetName()), PresetNameSize);
    SendCommand(CM_MCS_PRESETNAME(static_cast<std::uint8_t>(DeviceId), storedName), 1, 1);
    Await(CMD_ACK);
    view_.SetProgressStatus(GetLangText(QStringLiteral("SID_STORE_PRESET")));
    view_.SetProgressPosition(0);
    view_.SetProgressMax(StoreProgressMax);
    ShowProgressModal();
}

void DeviceSession::RecallPreset(int index)
{
    // The step only with a link: an acknowledgement of a later link would take it for its own.
    if (!Connected || index < 0 || index > PresetCount)
        return;
    Step = SessionStep::RecallSent;
    StopLevelPoll();
    SetLinkTimeout(ExchangeWaitMs);
    CurrentPreset = index;
    Send(CMD_RECALL_PRESET, static_cast<std::uint8_t>(index), 1);
    Await(CMD_ACK);
    view_.SetProgressStatus(GetLangText(QStringLiteral("SID_LOAD_PRESET")));
    view_.SetProgressPosition(0);
    view_.SetProgressMax(RecallProgressMax);
    ShowProgressModal();
}

// --- Upload --------------------------------------------------------------------------------------

void DeviceSession::UploadAllPresets()
{
    if (!Connected) {
        view_.ShowInformation(GetLangText(QStringLiteral("SID_INFO_CON_FIRST")));
        return;
    }
    int stored = 0;
    for (int slot = PresetCount - 1; slot >= 0; --slot)
        if (UnitControl->IsPresetStored(slot)) {
            ++stored;
            UploadPresetIndex = slot + 1;
        }
    if (stored == 0) {
        view_.ShowInformation(GetLangText(QStringLiteral("SID_INFO_NO_SAVE_EXIST")));
        return;
    }
    StopLevelPoll();
    SendCommand(CM_MCS_READ_EEPROM(static_cast<std::uint8_t>(DeviceId), 0, EepromHeaderSize), 1, 1);
    Await(CMD_READ_EEPROM);
    view_.SetProgressPosition(0);
    view_.SetProgressMax(stored);
    view_.SetProgressStatus(GetLangText(QStringLiteral("SID_UPLOAD_PRESET")));
    ShowProgressModal();
}

void DeviceSession::OnEepromReply(const BSTM &payload)
{
    UnitControl->StoreEepromHeader(payload);
    RequestPresetRead(UploadPresetIndex);
}

void DeviceSession::RequestPresetRead(int preset)
{
    Step = SessionStep::PresetSelected;
    Send(CMD_SELECT_PRESET, static_cast<std::uint8_t>(preset), 1);
    Await(CMD_ACK);
}

void DeviceSession::OnPresetBlockReply(std::uint8_t address, const BSTM &payload)
{
    if (!Awaits(CMD_READ_PRESET_BLOCK, payload, 1))
        return;
    const BlockStoreResult stored = UnitControl->StorePresetBlock(UploadPresetIndex, payload);
    const int block = payload[0];
    if (block < LastImageBlock) {
        SendCommand(CM_MCS_CMD(address, CMD_READ_PRESET_BLOCK, static_cast<std::uint8_t>(block + 1)), 1, 1);
        Await(CMD_READ_PRESET_BLOCK, block + 1);
        return;
    }
    if (stored != BlockStoreResult::Committed) {
        // A unit file with this preset missing would look whole: the upload fails instead.
        FailExchange();
        return;
    }
    do
        ++UploadPresetIndex;
    while (UploadPresetIndex <= PresetCount && !UnitControl->IsPresetStored(UploadPresetIndex - 1));
    if (UploadPresetIndex <= PresetCount) {
        view_.SetProgressPosition(view_.ProgressPosition() + 1);
        RequestPresetRead(UploadPresetIndex);
        return;
    }
    Send(CMD_POLL, 0);
    view_.CloseProgress();
    EndExchange();
    tmUpload->SetEnabled(true);
    tmInLevelDet->SetEnabled(true);
}

// Every stored preset was read: the user names the unit file.
void DeviceSession::tmUploadTimer()
{
    tmUpload->SetEnabled(false);
    if (UnitControl->SaveUnitFile() == UnitFileResult::WriteFailed)
        view_.ShowInformation(GetLangText(QStringLiteral("SID_INFO_ERROR_FILE")));
    os::ChangeToProgramFolder();
    Restart(tmPollResume);
}

void DeviceSession::tmPollResumeTimer()
{
    tmPollResume->SetEnabled(false);
    if (Connected)
        tmInLevelDet->SetEnabled(true);
}

// --- Download ------------------------------------------------------------------------------------

void DeviceSession::DownloadAllPresets()
{
    if (!Connected) {
        view_.ShowInformation(GetLangText(QStringLiteral("SID_INFO_CON_FIRST")));
        return;
    }
    if (!odOpenUnit->Execute())
        return;
    if (!ReadUnitFile(odOpenUnit->FileName())) {
        view_.ShowInformation(GetLangText(QStringLiteral("SID_INFO_ERROR_DOWNLAOD")));
        return;
    }
    DownloadPresetIndex = 1;
    StopLevelPoll();
    SetLinkTimeout(ExchangeWaitMs);
    Step = SessionStep::DownloadStarted;
    Send(CMD_FACTORY_RESET);
    Await(CMD_ACK);
    view_.SetMainEnabled(false);
    view_.SetProgressStatus(GetLangText(QStringLiteral("SID_DOWNLOAD_PRESET")));
    view_.SetProgressPosition(0);
    view_.SetProgressMax(static_cast<int>(std::count_if(DownloadRecords.begin(), DownloadRecords.end(), IsStored)));
    view_.ShowProgress();
}

// Sends block 0 of the first stored record from `position` on (1 to 31); past the last one the
// download ends.
void DeviceSession::DownloadNextPreset(int position)
{
    DownloadPresetIndex = position;
    while (DownloadPresetIndex <= PresetCount &&
           !IsStored(DownloadRecords[static_cast<std::size_t>(DownloadPresetIndex - 1)])) {
        ++DownloadPresetIndex;
        view_.SetProgressPosition(DownloadPresetIndex);
    }
    if (DownloadPresetIndex > PresetCount) {
        FinishDownload();
        return;
    }
    // The file's own number of the record names its slot; the reader made sure it is the
    // record's position.
    SendDownloadBlock(DownloadRecords[static_cast<std::size_t>(DownloadPresetIndex - 1)].Number - 1, 0);
}

void DeviceSession::SendDownloadBlock(int slot, int block)
{
    const PresetRecord &record = DownloadRecords[static_cast<std::size_t>(DownloadPresetIndex - 1)];
    const std::size_t from = static_cast<std::size_t>(block) * ImageBlockSize;
    const std::size_t count = block < LastImageBlock ? ImageBlockSize : LastDownloadBlockSize;
    std::copy_n(record.ImageBytes + from, count, BlockBuffer.begin());
    SendCommand(CM_MCS_DOWNLOAD(static_cast<std::uint8_t>(DeviceId), static_cast<std::uint8_t>(slot),
                                static_cast<std::uint8_t>(block), static_cast<std::uint32_t>(count),
                                {BlockBuffer.data(), count}),
                1, 1);
    Await(CMD_DOWNLOAD, block);
}

void DeviceSession::OnDownloadBlockAck(std::uint8_t, const BSTM &payload)
{
    if (!Awaits(CMD_DOWNLOAD, payload, 1))
        return;
    const int block = payload[0];
    if (block < LastImageBlock) {
        SendDownloadBlock(DownloadPresetIndex - 1, block + 1);
        return;
    }
    ++DownloadPresetIndex;
    view_.SetProgressPosition(DownloadPresetIndex);
    if (DownloadPresetIndex <= PresetCount)
        DownloadNextPreset(DownloadPresetIndex);
    else
        FinishDownload();
}

// The processor restarts with what it was given; the link goes 300 ms later.
void DeviceSession::FinishDownload()
{
    view_.CloseProgress();
    view_.SetProgressStatus(QString());
    view_.SetMainEnabled(true);
    view_.FocusMain();
    Send(CMD_MCU_RESET);
    EndExchange();
    Restart(tmDisconnect);
}

// --- Factory reset -------------------------------------------------------------------------------

void DeviceSession::StartFactoryReset()
{
    if (!Connected)
        return;
    Step = SessionStep::FactoryResetSent;
    StopLevelPoll();
    SetLinkTimeout(ExchangeWaitMs);
    Send(CMD_FACTORY_RESET);
    Await(CMD_ACK);
}

// --- Channel copy and reload -------------------------------------------------------------------------

void DeviceSession::ExpectReload()
{
    Step = SessionStep::ReloadSent;
    SetLinkTimeout(ExchangeWaitMs);
    Await(CMD_ACK);
}
