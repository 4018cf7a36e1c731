// The plot's data files and data log: all channels saved to and appended from one file, as
// delimited text or the binary "Compact Interval" layout, and the batch log fed by AddDataArray.

#include "platform/os/AtomicFile.h"
#include "platform/os/CodePage.h"
#include "platform/runtime/DateTime.h"
#include "platform/runtime/Exception.h"
#include "platform/runtime/Streams.h"
#include "platform/runtime/StringList.h"
#include "platform/runtime/SysUtils.h"
#include "plotlib/base/iHelpers.h"
#include "plotlib/base/iScopeExit.h"
#include "plotlib/channels/iPlotChannel.h"
#include "plotlib/channels/iXYPlotChannel.h"
#include "plotlib/plot/iPlotComponent.h"

#include <QFile>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <string>
#include <vector>

namespace {

const QString kCompactInterval = QStringLiteral("Compact Interval");
// A value missing from a row, and the end of a data file.
constexpr float kMissing = 1e38f;
constexpr float kEndMark = 2e38f;

QString MessageOf(const std::exception &Failure)
{
    const auto *framework = dynamic_cast<const Exception *>(&Failure);
    return framework ? framework->Message() : QString::fromUtf8(Failure.what());
}

void AppendFloat(std::string &Bytes, double Value)
{
    const auto bits = std::bit_cast<std::uint32_t>(static_cast<float>(Value));
    for (int shift = 0; shift < 32; shift += 8)
        Bytes += static_cast<char>((bits >> shift) & 0xFF);
}

void AppendText(std::string &Bytes, const QString &Text)
{
    Bytes += os::UnicodeToAnsi(Text.toStdU16String());
}

// The binary header: line 1 and the channel count.
std::string BinaryHeader(int Channels)
{
    std::string bytes;
    AppendText(bytes, kCompactInterval);
    bytes += "\r\n";
    AppendText(bytes, IntToStr(Channels));
    bytes += "\r\n";
    return bytes;
}

// A number field of a text file: its decimal comma taken as our decimal point. Fields are read
// in place; only one holding a comma, or failing, is copied.
double ReadNumber(QStringView Field)
{
    const QStringView trimmed = Trim(Field);
    double value = 0;
    if (std::find(trimmed.begin(), trimmed.end(), QChar(u',')) == trimmed.end() && TryStrToFloat(trimmed, value))
        return value;
    QString text = trimmed.toString();
    if (const qsizetype comma = text.indexOf(u','); comma >= 0)
        text[comma] = u'.';
    return StrToFloat(text);
}

// The fields of a line, cut at every separator; a separator at the very end adds no field. One
// object serves every line of a file.
class TFields {
public:
    void Split(QStringView Line, QChar Separator)
    {
        FFields.clear();
        const QChar *start = Line.begin();
        for (const QChar *at = std::find(start, Line.end(), Separator); at != Line.end();
             at = std::find(start, Line.end(), Separator)) {
            FFields.emplace_back(start, at);
            start = at + 1;
        }
        if (start != Line.end())
            FFields.emplace_back(start, Line.end());
    }
    qsizetype size() const { return static_cast<qsizetype>(FFields.size()); }
    bool isEmpty() const { return FFields.empty(); }
    QStringView operator[](qsizetype Index) const { return FFields[static_cast<std::size_t>(Index)]; }

private:
    std::vector<QStringView> FFields;
};

QString ValueText(const TiPlotChannelCustom *Channel, int Index)
{
    if (Channel->GetNull(Index))
        return QStringLiteral("Null");
    if (Channel->GetEmpty(Index))
        return QStringLiteral("Empty");
    return FloatToStr(Channel->GetY(Index));
}

// Reads little-endian single floats; "Invalid Data" when the bytes end inside one.
class TFloatReader {
public:
    TFloatReader(const QByteArray &Bytes, qsizetype Position) : FBytes(Bytes), FPosition(Position) {}
    bool AtEnd() const { return FPosition >= FBytes.size(); }
    float Next()
    {
        if (FBytes.size() - FPosition < 4)
            throw Exception(QStringLiteral("Invalid Data"));
        std::uint32_t bits = 0;
        for (int i = 0; i < 4; ++i)
            bits |= static_cast<std::uint32_t>(static_cast<unsigned char>(FBytes[FPosition + i])) << (8 * i);
        FPosition += 4;
        return std::bit_cast<float>(bits);
    }

private:
    const QByteArray &FBytes;
    qsizetype FPosition;
};

}  // namespace

double TiPlotComponent::GetNow() const
{
    return Now();
}

void TiPlotComponent::SaveDataToFile(const QString &FileName)
{
    try {
        const int channels = ChannelCount();
        int rows = 0;
        for (int c = 0; c < channels; ++c)
            rows = std::max(rows, GetChannel(c)->Count());
        if (FDataFileFormat == ipdffText) {
            const QString separator(DataFileSeparatorChar());
            TStringList lines;
            lines.BeginUpdate();
            QStringList header;
            for (int c = 0; c < channels; ++c) {
                const QString title = GetChannel(c)->TitleText();
                header << title + QStringLiteral("(X)") << title + QStringLiteral("(Y)");
            }
            lines.Add(header.join(separator));
            for (int r = 0; r < rows; ++r) {
                QStringList fields;
                for (int c = 0; c < channels; ++c) {
                    const TiPlotChannelCustom *channel = GetChannel(c);
                    if (r < channel->Count())
                        fields << FloatToStr(channel->GetX(r)) << ValueText(channel, r);
                    else
                        fields << QString() << QString();
                }
                lines.Add(fields.join(separator));
            }
            lines.EndUpdate();
            iSaveLinesToFile(&lines, FileName);
        } else {
            std::string bytes = BinaryHeader(channels);
            for (int r = 0; r < rows; ++r)
                for (int c = 0; c < channels; ++c) {
                    const TiPlotChannelCustom *channel = GetChannel(c);
                    const bool held = r < channel->Count();
                    if (r < 2)
                        AppendFloat(bytes, held ? channel->GetX(r) : kMissing);
                    AppendFloat(bytes, held ? channel->GetY(r) : kMissing);
                }
            AppendFloat(bytes, kEndMark);
            std::string error;
            if (!os::WriteFileAtomic(FileName.toUtf8().toStdString(), bytes, &error))
                throw EWriteError(QString::fromUtf8(error.c_str()));
        }
    } catch (const std::exception &e) {
        throw Exception(QStringLiteral("Error Saving Data - ") + MessageOf(e));
    }
    FLastDataFileName = FileName;
    if (OnAfterSaveData)
        OnAfterSaveData(this);
}

void TiPlotComponent::LoadDataFromFile(const QString &FileName)
{
    try {
        BeginUpdate();
        const TiScopeExit end([this] { EndUpdate(); });
        QFile file(FileName);
        if (!file.open(QIODevice::ReadOnly))
            throw EFOpenError(QStringLiteral("Cannot open file \"%1\". %2").arg(FileName, file.errorString()));
        const QByteArray bytes = file.readAll();
        const int channels = ChannelCount();
        // A point at X with its Y field: "Null" and "Empty" (any case) mark it, a blank one adds none.
        auto addField = [&](int Channel, double X, QStringView Field) {
            const QStringView y = Trim(Field);
            if (y.isEmpty())
                return;
            TiPlotChannelCustom *channel = GetChannel(Channel);
            if (SameText(y, u"NULL")) {
                channel->AddXY(X, 0);
                channel->SetNull(channel->Count() - 1, true);
            } else if (SameText(y, u"EMPTY")) {
                channel->AddXY(X, 0);
                channel->SetEmpty(channel->Count() - 1, true);
            } else {
                channel->AddXY(X, ReadNumber(y));
            }
        };

        const qsizetype firstBreak = bytes.indexOf('\n');
        const QByteArray firstLine = bytes.left(firstBreak < 0 ? bytes.size() : firstBreak);
        if (SameText(QString::fromLatin1(firstLine).remove(u'\r'), kCompactInterval)) {
            const qsizetype secondBreak = firstBreak < 0 ? -1 : bytes.indexOf('\n', firstBreak + 1);
            if (secondBreak < 0)
                throw Exception(QStringLiteral("Invalid Data"));
            const QString countText =
                QString::fromLatin1(bytes.mid(firstBreak + 1, secondBreak - firstBreak - 1)).remove(u'\r');
            int count = 0;
            // No rows can follow a count of none: such a file is refused rather than read for ever.
            if (!TryStrToInt(Trim(countText), count) || count <= 0)
                throw Exception(QStringLiteral("Invalid Data"));
            TFloatReader reader(bytes, secondBreak + 1);
            for (int row = 0; !reader.AtEnd(); ++row) {
                for (int c = 0; c < count; ++c) {
                    const double x = row < 2 ? reader.Next() : 0.0;
                    if (x > 1.5e38)
                        goto done;
                    const double y = reader.Next();
                    if (y > 1.5e38)
                        goto done;
                    if (x < 9e37 && y < 9e37 && c < channels)
                        GetChannel(c)->AddXY(x, y);
                }
            }
        done:;
        } else {
            TStringList lines;
            {
                TMemoryStream stream(bytes);
                lines.LoadFromStream(&stream);
            }
            if (lines.Count() > 0) {
                FLoadingSeparator = lines[0].contains(QChar(9)) ? QChar(9) : QChar(44);
                const bool sharedX = SameText(lines[0].left(3), QStringLiteral("(X)"));
                TFields fields;
                for (int i = 1; i < lines.Count(); ++i) {
                    const QString line = lines[i];
                    fields.Split(line, FLoadingSeparator);
                    if (sharedX) {
                        if (fields.isEmpty() || Trim(fields[0]).isEmpty())
                            continue;
                        const double x = ReadNumber(fields[0]);
                        for (int j = 1; j < fields.size() && j - 1 < channels; ++j)
                            addField(j - 1, x, fields[j]);
                    } else {
                        for (int k = 0; k < fields.size() / 2 && k < channels; ++k) {
                            if (Trim(fields[2 * k]).isEmpty())
                                continue;
                            addField(k, ReadNumber(fields[2 * k]), fields[2 * k + 1]);
                        }
                    }
                }
            }
        }
    } catch (const std::exception &e) {
        throw Exception(QStringLiteral("Error Loading Data - ") + MessageOf(e));
    }
    FLastDataFileName = FileName;
    if (OnAfterLoadData)
        OnAfterLoadData(this);
}

// ---- Log --------------------------------------------------------------------------------------------------

void TiPlotComponent::LogActivate(bool Append)
{
    if (Trim(FLogFileName).isEmpty())
        throw Exception(QStringLiteral("Log File Name not Defined"));
    if (FLoggingActive)
        throw Exception(QStringLiteral("Logging Already Active"));
    if (Append) {
        TFileStream file(FLogFileName, fmOpenReadWrite);
    } else {
        std::string header;
        const int channels = ChannelCount();
        if (FDataFileFormat == ipdffText) {
            QString line = QStringLiteral("(X)");
            for (int c = 0; c < channels; ++c)
                line += DataFileSeparatorChar() + GetChannel(c)->TitleText() + QStringLiteral("(Y)");
            AppendText(header, line);
            header += "\r\n";
        } else {
            header = BinaryHeader(channels);
        }
        TFileStream file(FLogFileName, fmCreate);
        file.WriteBuffer(header.data(), static_cast<std::int64_t>(header.size()));
    }
    FLoggingActive = true;
    FLogBufferCount = 0;
}

void TiPlotComponent::LogDeactivate()
{
    if (!FLoggingActive)
        throw Exception(QStringLiteral("Logging not Active"));
    FLoggingActive = false;
    if (FLogBufferCount > 0)
        LogWrite();
}

void TiPlotComponent::LogWrite()
{
    const int channels = ChannelCount();
    std::string bytes;
    if (channels > 0) {
        const int held = GetChannel(0)->Count();
        // Rows whose points are gone (fewer held than pending) are left out rather than read at
        // negative indexes; a channel lacking a row's point gets an empty field or the fill value.
        for (int k = 0; k < FLogBufferCount; ++k) {
            const int index = held - FLogBufferCount + k;
            if (index < 0)
                continue;
            if (FDataFileFormat == ipdffText) {
                QString line = FloatToStr(GetChannel(0)->GetX(index));
                for (int c = 0; c < channels; ++c) {
                    const TiPlotChannelCustom *channel = GetChannel(c);
                    line += DataFileSeparatorChar();
                    if (index < channel->Count())
                        line += ValueText(channel, index);
                }
                AppendText(bytes, line);
                bytes += "\r\n";
            } else {
                for (int c = 0; c < channels; ++c) {
                    const TiPlotChannelCustom *channel = GetChannel(c);
                    const bool present = index < channel->Count();
                    if (index < 2)
                        AppendFloat(bytes, present ? channel->GetX(index) : kMissing);
                    AppendFloat(bytes, present ? channel->GetY(index) : kMissing);
                }
            }
        }
    }
    TFileStream file(FLogFileName, fmOpenReadWrite);
    file.Seek(0, soEnd);
    file.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    FLogBufferCount = 0;
}

// ---- Feeding and clearing ---------------------------------------------------------------------------------

void TiPlotComponent::AddDataArray(double XValue, const TiVariantArray &Data)
{
    const auto number = &TiVariantArray::ToDouble;
    if (Data.Bounds.size() == 1) {
        const auto [low, high] = Data.Bounds[0];
        for (int k = low; k <= high; ++k) {
            const double v = number(Data.Elements.at(static_cast<std::size_t>(k - low)));
            TiPlotChannelCustom *channel = GetChannel(k - low);
            auto *strip = dynamic_cast<TiPlotChannel *>(channel);
            auto *xy = dynamic_cast<TiXYPlotChannel *>(channel);
            if (v > 1e-301 && v < 1e-300) {
                if (strip)
                    strip->AddXNull(XValue);
                else if (xy)
                    xy->AddNull();
            } else if (v > 1e-302 && v < 1e-301) {
                if (strip)
                    strip->AddXEmpty(XValue);
                else if (xy)
                    xy->AddEmpty();
            } else {
                channel->AddXY(XValue, v);
            }
        }
        ++FLogBufferCount;
    } else if (Data.Bounds.size() == 2) {
        const auto [low0, high0] = Data.Bounds[0];
        const auto [low1, high1] = Data.Bounds[1];
        const int rows = high0 - low0 + 1;
        for (int j = low1; j <= high1; ++j)
            for (int i = low0; i <= high0; ++i) {
                TiPlotChannelCustom *channel = GetChannel(i);
                const double x = channel->Count() > 0 ? channel->XLast() + XValue : 0.0;
                channel->AddXY(x, number(Data.Elements.at(static_cast<std::size_t>((i - low0) + (j - low1) * rows))));
            }
        FLogBufferCount += std::max(0, high1 - low1 + 1);
    } else {
        throw Exception(QStringLiteral("Data Array must be 1 or 2 Dimensions"));
    }
    if (FLoggingActive && FLogBufferCount >= FLogBufferSize)
        LogWrite();
}

void TiPlotComponent::ClearAllData()
{
    if (FLoggingActive)
        LogDeactivate();
    FMaster->ClearAllData();
}
