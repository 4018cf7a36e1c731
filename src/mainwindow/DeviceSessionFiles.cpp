// The files of the File menu: preset files opened and saved, and unit files read for a download.

#include "mainwindow/DeviceSession.h"

#include "platform/os/AtomicFile.h"
#include "platform/os/ProgramFolder.h"
#include "platform/ui/OpenDialog.h"

#include <QFile>

#include <algorithm>

namespace {

bool StartsWithTag(const QByteArray &bytes)
{
    return bytes.startsWith(QByteArray::fromRawData(FileMagic.data(), static_cast<qsizetype>(FileMagic.size())));
}

}  // namespace

// --- Preset files --------------------------------------------------------------------------------

void DeviceSession::OpenPresetFile()
{
    if (!odOpenPreset->Execute())
        return;
    view_.ResetEqDisplay();
    QFile file(odOpenPreset->FileName());
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly) && file.size() == static_cast<qint64>(PresetFileSize))
        bytes = file.readAll();
    // A file whose values lie outside their ranges is refused as well, before anything is sent.
    const auto body = [&] {
        return std::span(reinterpret_cast<const std::uint8_t *>(bytes.constData()) + FileMagic.size(),
                         PresetFileSize - FileMagic.size());
    };
    if (bytes.size() != static_cast<qsizetype>(PresetFileSize) || !StartsWithTag(bytes) ||
        !UnitControl->ApplyPreset(body())) {
        view_.ShowInformation(GetLangText(QStringLiteral("SID_INFO_ERROR_FILE")));
        return;
    }
    {
        ControlsUpdate updating(*this);
        view_.RefreshFromModel();
    }
    // The progress window shows until the next level reply says the processor took it all; without
    // a link there is nothing to wait for. The settings are answered one by one: when none is
    // answered for twice the reply wait, the link is taken as broken, as in every other exchange.
    if (Connected) {
        FileLoadStep = 12;
        Await(CMD_LEVELS);
        ShowProgressModal();
    }
}

void DeviceSession::SavePresetFile()
{
    const std::string text = UnitControl->ToPresetString() + "\r\n";
    sdSavePreset->SetFileName(QString());
    if (sdSavePreset->Execute() && !os::WriteFileAtomic(PresetFilePath(sdSavePreset->FileName().toStdString()), text))
        view_.ShowInformation(GetLangText(QStringLiteral("SID_INFO_ERROR_FILE")));
    os::ChangeToProgramFolder();
}

// --- Unit files ----------------------------------------------------------------------------------

bool DeviceSession::ReadUnitFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // Nothing after the 31st chunk is read.
    const QByteArray bytes = file.read(static_cast<qint64>(UnitFileSize));
    const std::optional<UnitFileContents> contents = ReadUnitFileBytes(
        {reinterpret_cast<const std::uint8_t *>(bytes.constData()), static_cast<std::size_t>(bytes.size())});
    if (!contents)
        return false;
    EepromHeader = contents->Header;
    DownloadRecords = contents->Records;
    return true;
}
