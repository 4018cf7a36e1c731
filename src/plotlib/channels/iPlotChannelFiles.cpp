// The per-channel files: the "Plot Channel Config" property file, the two-column data file and the
// appending log fed by the add path.

#include "platform/os/CodePage.h"
#include "platform/runtime/Exception.h"
#include "platform/runtime/Streams.h"
#include "platform/runtime/StringList.h"
#include "platform/runtime/SysUtils.h"
#include "plotlib/base/iHelpers.h"
#include "plotlib/channels/iPlotChannelCustom.h"
#include "plotlib/plot/iPlotComponent.h"

#include <algorithm>
#include <string>

namespace {

// The message of a caught failure, for the file operations' prefixed messages.
QString MessageOf(const std::exception &Failure)
{
    const auto *framework = dynamic_cast<const Exception *>(&Failure);
    return framework ? framework->Message() : QString::fromUtf8(Failure.what());
}

}  // namespace

QChar TiPlotChannelCustom::ColumnSeparator() const
{
    if (const auto *plot = dynamic_cast<const TiPlotComponent *>(FOwner))
        return plot->DataFileSeparatorChar();
    return QChar(9);
}

void TiPlotChannelCustom::SavePropertiesToFile(const QString &FileName)
{
    try {
        const auto *plot = dynamic_cast<const TiPlotComponent *>(FOwner);
        TStringList skip;
        skip.Add(QStringLiteral("Channel.Name"));
        TStringList lines;
        lines.Add(QStringLiteral("File Type = Plot Channel Config"));
        iWritePropertiesToList(this, QStringLiteral("Channel"), &lines, plot && plot->DifferentialPropertySave(),
                               &skip);
        iSaveLinesToFile(&lines, FileName);
    } catch (const std::exception &e) {
        throw Exception(QStringLiteral("Error Saving Properties - ") + MessageOf(e));
    }
}

void TiPlotChannelCustom::LoadPropertiesFromFile(const QString &FileName)
{
    try {
        TStringList lines;
        lines.LoadFromFile(FileName);
        QString fileType;
        iExtractValue(QStringLiteral("File Type"), fileType, &lines);
        if (!SameText(fileType, QStringLiteral("Plot Channel Config")))
            throw Exception(QStringLiteral("Incompatible Plot Channel Configuration File Type"));
        iReadPropertiesFromList(this, QStringLiteral("Channel"), &lines);
    } catch (const std::exception &e) {
        throw Exception(QStringLiteral("Error Loading Properties - ") + MessageOf(e));
    }
}

void TiPlotChannelCustom::SaveDataToFile(const QString &FileName)
{
    const QString separator(ColumnSeparator());
    TStringList lines;
    lines.BeginUpdate();
    for (int i = 0; i < Count(); ++i) {
        double x = 0;
        double y = 0;
        bool empty = false;
        bool null = false;
        GetXYEmptyNull(i, x, y, empty, null);
        if (empty)
            continue;
        lines.Add(FloatToStr(x) + separator + (null ? QStringLiteral("Null") : FloatToStr(y)));
    }
    lines.EndUpdate();
    iSaveLinesToFile(&lines, FileName);
}

void TiPlotChannelCustom::LoadDataFromFile(const QString &FileName, bool ClearPreviousData)
{
    if (FLoggingActive)
        LogDeactivate();
    TStringList lines;
    lines.LoadFromFile(FileName);
    if (ClearPreviousData)
        Clear();
    if (lines.Count() > 0)
        FLoadingSeparator = lines[0].contains(QChar(9)) ? QChar(9) : QChar(44);
    const QString separator(FLoadingSeparator);
    for (int i = 0; i < lines.Count(); ++i) {
        QString left;
        QString right;
        iSplitAt(lines[i], separator, left, right);
        if (left.isEmpty())
            continue;
        if (UpperCase(right) == QLatin1String("NULL"))
            AddPoint(true, false, StrToFloat(left), 0);
        else
            AddPoint(false, false, StrToFloat(left), StrToFloat(right));
    }
}

void TiPlotChannelCustom::SetLogFileName(const QString &Value)
{
    if (FLogFileName == Value)
        return;
    if (FLoggingActive)
        throw Exception(TranslateText(QStringLiteral("Log File Name can not be changed while logging is active.")));
    FLogFileName = Value;
}

void TiPlotChannelCustom::LogActivate(bool Append)
{
    if (Trim(FLogFileName).isEmpty())
        throw Exception(QStringLiteral("Log File Name not Defined"));
    if (FLoggingActive)
        throw Exception(QStringLiteral("Logging Already Active"));
    {
        // Opening is the check: a missing file to append to raises the file error here.
        TFileStream file(FLogFileName, Append ? fmOpenReadWrite : fmCreate);
    }
    FLoggingActive = true;
    FLogBufferCount = 0;
}

void TiPlotChannelCustom::LogDeactivate()
{
    if (!FLoggingActive)
        throw Exception(QStringLiteral("Logging not Active"));
    FLoggingActive = false;
    if (FLogBufferCount > 0)
        LogFlush();
}

void TiPlotChannelCustom::LogFlush()
{
    // Points can be gone before they were written (a ring buffer smaller than the pending count,
    // or deleted points): the ones still held are written and the count starts afresh, so the log
    // goes on with the next add.
    const int first = std::max(0, Count() - FLogBufferCount);
    const QString separator(ColumnSeparator());
    std::string bytes;
    for (int i = first; i < Count(); ++i) {
        const QString line = FloatToStr(GetX(i)) + separator + FloatToStr(GetY(i));
        bytes += os::UnicodeToAnsi(line.toStdU16String());
        bytes += "\r\n";
    }
    TFileStream file(FLogFileName, fmOpenReadWrite);
    file.Seek(0, soEnd);
    file.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    FLogBufferCount = 0;
}
