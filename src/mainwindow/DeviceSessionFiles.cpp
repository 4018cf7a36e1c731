// The files of the File menu: preset files opened and saved, and unit files read for a download.

#include "mainwindow/DeviceSession.h"

#include "platform/os/AtomicFile.h"
#include "platform/os/ProgramFolder.h"
#include "platform/ui/OpenDialog.h"

#include <QFile>

#include <algorithm>

namespace {

// A unit file: the tag, the device header, then 31 chunks of a 538-byte record and CR LF. A file
// may end inside its last record as long as the cut records are not stored ones.
constexpr qint64 UnitChunkSize = static_cast<qint64>(UnitFileSlotSize);
constexpr qint64 ShortestUnitFile = 16712;
constexpr std::uint8_t StoredMark = 0xFF;

bool StartsWithTag(const QByteArray &bytes)
{
    return bytes.startsWith(QByteArray::fromRawData(FileMagic.data(), static_cast<qsizetype>(FileMagic.size())));
}

// The chosen name with everything from the first "." of its last component replaced by ".prs",
// by the same rule as the unit file's name.
std::string PresetFilePath(const std::string &chosen)
{
    std::string path = UnitFilePath(chosen);
    path.replace(path.size() - 4, 4, ".prs");
    return path;
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
    if (bytes.size() != static_cast<qsizetype>(PresetFileSize) || !StartsWithTag(bytes)) {
        view_.ShowInformation(GetLangText(QStringLiteral("SID_INFO_ERROR_FILE")));
        return;
    }
    const auto *body = reinterpret_cast<const std::uint8_t *>(bytes.constData()) + FileMagic.size();
    UnitControl->ApplyPreset({body, PresetFileSize - FileMagic.size()});
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
    if (!file.open(QIODevice::ReadOnly) || file.size() < ShortestUnitFile)
        return false;
    // Nothing after the 31st chunk is read.
    const QByteArray bytes = file.read(static_cast<qint64>(UnitFileSize));
    if (bytes.size() < ShortestUnitFile || !StartsWithTag(bytes))
        return false;
    const auto byteAt = [&](qint64 at) -> std::uint8_t {
        return at < bytes.size() ? static_cast<std::uint8_t>(bytes[static_cast<qsizetype>(at)]) : 0;
    };
    std::array<PresetRecord, PresetCount> records{};
    for (int k = 0; k < PresetCount; ++k) {
        const qint64 start = static_cast<qint64>(UnitFileHeaderSize) + k * UnitChunkSize;
        auto *record = reinterpret_cast<std::uint8_t *>(&records[static_cast<std::size_t>(k)]);
        for (std::size_t i = 0; i < sizeof(PresetRecord); ++i)
            record[i] = byteAt(start + static_cast<qint64>(i));
        // A stored record must be whole and numbered by its position: anything else would write
        // zeros into the processor or split one record over two presets.
        if (record[1] == StoredMark &&
            (start + static_cast<qint64>(sizeof(PresetRecord)) > bytes.size() || record[0] != k + 1))
            return false;
    }
    std::copy_n(bytes.constData() + FileMagic.size(), EepromHeaderSize, EepromHeader.begin());
    DownloadRecords = records;
    return true;
}
