#include "platform/settings/MemIniFile.h"

#include "platform/os/CodePage.h"
#include "platform/runtime/Exception.h"
#include "platform/runtime/Streams.h"
#include "platform/runtime/StringList.h"
#include "platform/runtime/SysUtils.h"

#include <QFile>
#include <QStringList>

namespace {

QStringList SplitLines(const QString &text)
{
    QString normal = text;
    normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normal.replace(u'\r', u'\n');
    QStringList lines = normal.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString Utf16(const QByteArray &bytes, qsizetype from, bool bigEndian)
{
    std::u16string units;
    for (qsizetype i = from; i + 1 < bytes.size(); i += 2) {
        const auto a = static_cast<unsigned char>(bytes[i]), b = static_cast<unsigned char>(bytes[i + 1]);
        units.push_back(static_cast<char16_t>(bigEndian ? (a << 8 | b) : (b << 8 | a)));
    }
    return QString::fromStdU16String(units);
}

}  // namespace

TMemIniFile::TMemIniFile(const QString &fileName, TIniEncoding encoding) : TCustomIniFile(fileName), encoding_(encoding)
{
    QFile file(fileName);
    if (!fileName.isEmpty() && file.open(QIODevice::ReadOnly))
        Parse(SplitLines(DecodeText(file.readAll(), encoding)));
}

QString TMemIniFile::DecodeText(const QByteArray &bytes, TIniEncoding encoding)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    if (bytes.startsWith("\xFF\xFE"))
        return Utf16(bytes, 2, false);
    if (bytes.startsWith("\xFE\xFF"))
        return Utf16(bytes, 2, true);
    switch (encoding) {
    case TIniEncoding::UTF8: return QString::fromUtf8(bytes);
    case TIniEncoding::Unicode: return Utf16(bytes, 0, false);
    case TIniEncoding::Default: break;
    }
    return QString::fromStdU16String(os::AnsiToUnicode(std::string_view(bytes.constData(), bytes.size())));
}

QByteArray TMemIniFile::EncodeText(const QString &text, TIniEncoding encoding)
{
    switch (encoding) {
    case TIniEncoding::UTF8: return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    case TIniEncoding::Unicode: {
        QByteArray bytes("\xFF\xFE");
        for (const QChar c : text) {
            bytes.append(static_cast<char>(c.unicode() & 0xFF));
            bytes.append(static_cast<char>(c.unicode() >> 8));
        }
        return bytes;
    }
    case TIniEncoding::Default: break;
    }
    const std::string ansi = os::UnicodeToAnsi(text.toStdU16String());
    return QByteArray(ansi.data(), static_cast<qsizetype>(ansi.size()));
}

void TMemIniFile::Parse(const QStringList &lines)
{
    sections_.clear();
    Section *current = nullptr;
    for (const QString &raw : lines) {
        const QString s = Trim(raw);
        if (s.isEmpty() || s[0] == u';')
            continue;
        if (s[0] == u'[' && s.endsWith(u']')) {
            const QString name = Trim(s.mid(1, s.size() - 2));
            current = Find(name);
            if (!current) {
                sections_.push_back({name, {}});
                current = &sections_.back();
            }
        }
        else if (current) {
            const qsizetype eq = s.indexOf(u'=');
            current->lines.push_back(eq > 0 ? Trim(s.left(eq)) + u'=' + Trim(s.mid(eq + 1)) : s);
        }
    }
}

TMemIniFile::Section *TMemIniFile::Find(const QString &section)
{
    for (Section &s : sections_)
        if (s.name.compare(section, Qt::CaseInsensitive) == 0)
            return &s;
    return nullptr;
}

int TMemIniFile::IndexOfName(const Section &s, const QString &ident)
{
    for (std::size_t i = 0; i < s.lines.size(); ++i) {
        const qsizetype eq = s.lines[i].indexOf(u'=');
        if (eq >= 0 && s.lines[i].left(eq).compare(ident, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

QString TMemIniFile::ReadString(const QString &section, const QString &ident, const QString &fallback)
{
    const Section *s = Find(section);
    const int i = s ? IndexOfName(*s, ident) : -1;
    if (i < 0)
        return fallback;
    const QString &line = s->lines[static_cast<std::size_t>(i)];
    return line.mid(line.indexOf(u'=') + 1);
}

void TMemIniFile::WriteString(const QString &section, const QString &ident, const QString &value)
{
    Section *s = Find(section);
    if (!s) {
        sections_.push_back({section, {}});
        s = &sections_.back();
    }
    const QString line = ident + u'=' + value;
    const int i = IndexOfName(*s, ident);
    if (i >= 0)
        s->lines[static_cast<std::size_t>(i)] = line;
    else
        s->lines.push_back(line);
}

void TMemIniFile::ReadSection(const QString &section, TStrings *strings)
{
    strings->BeginUpdate();
    strings->Clear();
    if (const Section *s = Find(section))
        for (const QString &line : s->lines) {
            const qsizetype eq = line.indexOf(u'=');
            strings->Add(eq >= 0 ? line.left(eq) : line);
        }
    strings->EndUpdate();
}

void TMemIniFile::ReadSections(TStrings *strings)
{
    strings->BeginUpdate();
    strings->Clear();
    for (const Section &s : sections_)
        strings->Add(s.name);
    strings->EndUpdate();
}

void TMemIniFile::ReadSectionValues(const QString &section, TStrings *strings)
{
    strings->BeginUpdate();
    strings->Clear();
    if (const Section *s = Find(section))
        for (const QString &line : s->lines)
            strings->Add(line);
    strings->EndUpdate();
}

void TMemIniFile::EraseSection(const QString &section)
{
    std::erase_if(sections_, [&](const Section &s) { return s.name.compare(section, Qt::CaseInsensitive) == 0; });
}

void TMemIniFile::DeleteKey(const QString &section, const QString &ident)
{
    if (Section *s = Find(section); s)
        if (const int i = IndexOfName(*s, ident); i >= 0)
            s->lines.erase(s->lines.begin() + i);
}

void TMemIniFile::GetStrings(TStrings *list) const
{
    list->BeginUpdate();
    list->Clear();
    for (const Section &s : sections_) {
        list->Add(u'[' + s.name + u']');
        for (const QString &line : s.lines)
            list->Add(line);
        list->Add(QString());
    }
    list->EndUpdate();
}

void TMemIniFile::SetStrings(const TStrings *list)
{
    Parse(list->ToStringList());
}

void TMemIniFile::UpdateFile()
{
    TStringList lines;
    GetStrings(&lines);
    const QByteArray bytes = EncodeText(lines.Text(), encoding_);
    SaveBytesToFile(FileName(), bytes.constData(), bytes.size());
}

void TIniFile::WriteString(const QString &section, const QString &ident, const QString &value)
{
    TMemIniFile::WriteString(section, ident, value);
    UpdateFile();
}

void TIniFile::EraseSection(const QString &section)
{
    TMemIniFile::EraseSection(section);
    UpdateFile();
}

void TIniFile::DeleteKey(const QString &section, const QString &ident)
{
    TMemIniFile::DeleteKey(section, ident);
    UpdateFile();
}
