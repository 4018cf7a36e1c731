#include "platform/settings/CustomIniFile.h"

#include "platform/runtime/Exception.h"
#include "platform/runtime/FloatFormat.h"
#include "platform/runtime/Streams.h"
#include "platform/runtime/StringList.h"
#include "platform/runtime/SysUtils.h"

#include <QRegularExpression>

#include <memory>

int TCustomIniFile::ReadInteger(const QString &section, const QString &ident, int fallback)
{
    QString text = ReadString(section, ident, QString());
    if (text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X'))
        text = u'$' + text.mid(2);
    return StrToIntDef(text, fallback);
}

void TCustomIniFile::WriteInteger(const QString &section, const QString &ident, int value)
{
    WriteString(section, ident, IntToStr(value));
}

bool TCustomIniFile::ReadBool(const QString &section, const QString &ident, bool fallback)
{
    return ReadInteger(section, ident, fallback ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const QString &section, const QString &ident, bool value)
{
    WriteString(section, ident, value ? QStringLiteral("1") : QStringLiteral("0"));
}

double TCustomIniFile::ReadFloat(const QString &section, const QString &ident, double fallback)
{
    return StrToFloatDef(ReadString(section, ident, QString()), fallback);
}

void TCustomIniFile::WriteFloat(const QString &section, const QString &ident, double value)
{
    WriteString(section, ident, FloatToStr(value));
}

TDateTime TCustomIniFile::ReadDate(const QString &section, const QString &ident, TDateTime fallback)
{
    return ParseDateTimeOr(ReadString(section, ident, QString()), true, false, fallback);
}

void TCustomIniFile::WriteDate(const QString &section, const QString &ident, TDateTime value)
{
    WriteString(section, ident, DateToStr(value));
}

TDateTime TCustomIniFile::ReadDateTime(const QString &section, const QString &ident, TDateTime fallback)
{
    return ParseDateTimeOr(ReadString(section, ident, QString()), true, true, fallback);
}

void TCustomIniFile::WriteDateTime(const QString &section, const QString &ident, TDateTime value)
{
    WriteString(section, ident, DateTimeToStr(value));
}

TDateTime TCustomIniFile::ReadTime(const QString &section, const QString &ident, TDateTime fallback)
{
    return ParseDateTimeOr(ReadString(section, ident, QString()), false, true, fallback);
}

void TCustomIniFile::WriteTime(const QString &section, const QString &ident, TDateTime value)
{
    WriteString(section, ident, TimeToStr(value));
}

TDateTime TCustomIniFile::ParseDateTimeOr(const QString &text, bool wantDate, bool wantTime, TDateTime fallback)
{
    TDateTime value = 0;
    return ParseDateTime(text, wantDate, wantTime, value) ? value : fallback;
}

int TCustomIniFile::ReadBinaryStream(const QString &section, const QString &ident, TStream *value)
{
    const QByteArray bytes = HexToBytes(ReadString(section, ident, QString()));
    if (bytes.isEmpty() || !value)
        return 0;
    const std::int64_t start = value->Position();
    value->WriteBytes(bytes);
    value->SetPosition(start);
    return static_cast<int>(bytes.size());
}

void TCustomIniFile::WriteBinaryStream(const QString &section, const QString &ident, TStream *value)
{
    const QByteArray bytes = value ? value->ReadBytes(value->Size() - value->Position()) : QByteArray();
    WriteString(section, ident, BytesToHex(bytes));
}

bool TCustomIniFile::SectionExists(const QString &section)
{
    TStringList keys;
    ReadSection(section, &keys);
    return keys.Count() > 0;
}

bool TCustomIniFile::ValueExists(const QString &section, const QString &ident)
{
    TStringList keys;
    ReadSection(section, &keys);
    return keys.IndexOf(ident) >= 0;
}

QByteArray TCustomIniFile::HexToBytes(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size() / 2);
    for (qsizetype i = 0; i + 1 < text.size(); i += 2) {
        const int hi = HexDigitValue(text[i]), lo = HexDigitValue(text[i + 1]);
        if (hi < 0 || lo < 0)
            break;
        bytes.append(static_cast<char>(hi * 16 + lo));
    }
    return bytes;
}

QString TCustomIniFile::BytesToHex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex().toUpper());
}

bool TCustomIniFile::ParseDateTime(const QString &text, bool wantDate, bool wantTime, TDateTime &value)
{
    const TFormatSettings &fs = FormatSettings();
    const QString t = Trim(text);
    if (t.isEmpty())
        return false;
    // Date: three numbers in the order the short date format names them.
    const QString date =
        QStringLiteral("(\\d{1,4})%1(\\d{1,4})%1(\\d{1,4})").arg(QRegularExpression::escape(QString(fs.DateSeparator)));
    // Time: hours, minutes, optional seconds and milliseconds, optional AM/PM.
    const QString time =
        QStringLiteral("(\\d{1,2})%1(\\d{1,2})(?:%1(\\d{1,2})(?:\\.(\\d{1,3}))?)?\\s*(%2|%3)?")
            .arg(QRegularExpression::escape(QString(fs.TimeSeparator)), QRegularExpression::escape(fs.TimeAMString),
                 QRegularExpression::escape(fs.TimePMString));
    QString pattern;
    if (wantDate && wantTime)
        pattern = u'^' + date + QStringLiteral("(?:\\s+") + time + QStringLiteral(")?$");
    else if (wantDate)
        pattern = u'^' + date + u'$';
    else
        pattern = u'^' + time + u'$';
    const QRegularExpressionMatch m = QRegularExpression(pattern, QRegularExpression::CaseInsensitiveOption).match(t);
    if (!m.hasMatch())
        return false;
    try {
        TDateTime result = 0;
        int group = 1;
        if (wantDate) {
            int parts[3] = {m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()};
            int year = 0, month = 0, day = 0, index = 0;
            for (QChar c : fs.ShortDateFormat.toUpper()) {
                if (index == 3)
                    break;
                if (c == u'Y' && year == 0)
                    year = parts[index++];
                else if (c == u'M' && month == 0)
                    month = parts[index++];
                else if (c == u'D' && day == 0)
                    day = parts[index++];
            }
            if (year < 100)
                year += 2000;
            result = EncodeDate(year, month, day);
            group = 4;
        }
        if (wantTime && !m.captured(group).isEmpty()) {
            int hour = m.captured(group).toInt();
            const QString half = m.captured(group + 4);
            if (!half.isEmpty()) {
                if (hour < 1 || hour > 12)
                    return false;
                hour = hour % 12 + (half.compare(fs.TimePMString, Qt::CaseInsensitive) == 0 ? 12 : 0);
            }
            result += EncodeTime(hour, m.captured(group + 1).toInt(), m.captured(group + 2).toInt(),
                                 m.captured(group + 3).leftJustified(3, u'0').toInt());
        }
        value = result;
        return true;
    }
    catch (const EConvertError &) {
        return false;
    }
}
