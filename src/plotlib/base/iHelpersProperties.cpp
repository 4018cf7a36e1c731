// The property text lines of the library's configuration and property files (see iHelpers.h).

#include "plotlib/base/iHelpers.h"

#include "platform/os/AtomicFile.h"
#include "platform/os/CodePage.h"
#include "platform/runtime/Exception.h"
#include "platform/runtime/Filer.h"
#include "platform/runtime/Streams.h"
#include "platform/runtime/StringList.h"
#include "platform/runtime/SysUtils.h"
#include "platform/runtime/TypInfo.h"

namespace {

// Longest line in bytes of the system code page, and longest string value in characters.
constexpr int MaxLineBytes = 255;
constexpr int MaxStringChars = 255;

// Bytes a character takes in the system code page.
int AnsiBytes(char32_t ch)
{
    if (ch < 0x80)
        return 1;
    const char16_t units[2] = {static_cast<char16_t>(ch), 0};
    if (ch <= 0xFFFF)
        return static_cast<int>(os::UnicodeToAnsi(std::u16string_view(units, 1)).size());
    return 1;  // outside the code page's range: written as one '?'
}

// The line cut to MaxLineBytes in the system code page, never inside a character.
QString CutLine(const QString &line)
{
    int bytes = 0;
    qsizetype end = 0;
    while (end < line.size()) {
        const bool pair = line[end].isHighSurrogate() && end + 1 < line.size() && line[end + 1].isLowSurrogate();
        const char32_t ch = pair ? QChar::surrogateToUcs4(line[end], line[end + 1]) : line[end].unicode();
        bytes += AnsiBytes(ch);
        if (bytes > MaxLineBytes)
            break;
        end += pair ? 2 : 1;
    }
    return line.left(end);
}

// At most MaxStringChars characters (a surrogate pair is not split).
QString CutValue(const QString &value)
{
    if (value.size() <= MaxStringChars)
        return value;
    qsizetype end = MaxStringChars;
    if (value[end - 1].isHighSurrogate())
        --end;
    return value.left(end);
}

void AddLine(TStrings *Lines, const QString &path, const QString &value)
{
    Lines->Add(CutLine(path + QStringLiteral(" = ") + value));
}

QString EncodeBreaks(QString text)
{
    return text.replace(u'\r', QStringLiteral("#13")).replace(u'\n', QStringLiteral("#10"));
}

QString DecodeBreaks(QString text)
{
    return text.replace(QStringLiteral("#13"), QStringLiteral("\r"), Qt::CaseInsensitive)
        .replace(QStringLiteral("#10"), QStringLiteral("\n"), Qt::CaseInsensitive);
}

// The float text with DecimalSeparator as the only decimal separator read as one: a value written
// with the other separator is read all the same ("1,5" is 1.5).
double FloatFromText(QString value, QChar decimalSeparator)
{
    const QChar other = decimalSeparator == u'.' ? u',' : u'.';
    if (const qsizetype at = value.indexOf(other); at >= 0)
        value[at] = decimalSeparator;
    if (decimalSeparator != u'.')
        value.replace(decimalSeparator, u'.');
    return StrToFloat(value);
}

}  // namespace

TObject *iGetObjectProperty(TObject *Instance, const QString &Name)
{
    const TPropInfo *prop = Instance ? GetPropInfo(Instance, Name) : nullptr;
    return prop && prop->Kind == TTypeKind::Class ? prop->GetObject(*Instance) : nullptr;
}

void iWritePropertiesToList(TObject *Instance, const QString &Prefix, TStrings *Lines, bool SkipDefaults,
                            TStrings *Exclude)
{
    if (!Instance)
        return;
    for (const TPropInfo &prop : Instance->ClassType().Properties()) {
        if (!prop.IsStored(*Instance) || !prop.Writable())
            continue;
        const QString path = Trim(Prefix).isEmpty() ? prop.Name : Prefix + u'.' + prop.Name;
        if (Exclude && Exclude->IndexOf(path) >= 0)
            continue;
        if (IsOrdinalKind(prop.Kind)) {
            const std::int64_t value = prop.GetOrd(*Instance);
            if (SkipDefaults && prop.OrdDefault && *prop.OrdDefault == value)
                continue;
            AddLine(Lines, path, IntToStr(value));
            continue;
        }
        switch (prop.Kind) {
        case TTypeKind::Float: AddLine(Lines, path, FloatToStr(prop.GetFloat(*Instance))); break;
        case TTypeKind::String: AddLine(Lines, path, EncodeBreaks(CutValue(prop.GetStr(*Instance)))); break;
        case TTypeKind::Class:
            // Owned sub-objects only: a referenced component is not part of this object's state.
            if (!prop.IsReference)
                if (auto *sub = dynamic_cast<TPersistent *>(prop.GetObject(*Instance)))
                    iWritePropertiesToList(sub, path, Lines, SkipDefaults, Exclude);
            break;
        default: break;
        }
    }
}

void iSetPropertyFromText(TObject *Instance, const QString &Path, const QString &Value, QChar DecimalSeparator)
{
    if (!Instance)
        return;
    if (const qsizetype dot = Path.indexOf(u'.'); dot >= 0) {
        const TPropInfo *head = GetPropInfo(Instance, Path.left(dot));
        if (!head || head->Kind != TTypeKind::Class || head->IsReference)
            return;
        TObject *sub = head->GetObject(*Instance);
        if (!sub)
            return;
        auto *persistent = dynamic_cast<TPersistent *>(sub);
        if (!persistent)
            throw EInvalidCast(QStringLiteral("Invalid class typecast"));
        iSetPropertyFromText(persistent, Path.mid(dot + 1), Value, DecimalSeparator);
        return;
    }
    const TPropInfo *prop = GetPropInfo(Instance, Path);
    if (!prop || !prop->Writable())
        return;
    if (IsOrdinalKind(prop->Kind)) {
        prop->SetOrd(*Instance, StrToInt(Value));
        return;
    }
    switch (prop->Kind) {
    case TTypeKind::Float: prop->SetFloat(*Instance, FloatFromText(Value, DecimalSeparator)); break;
    case TTypeKind::String: prop->SetStr(*Instance, DecodeBreaks(Value)); break;
    default: break;
    }
}

void iReadPropertiesFromList(TObject *Instance, const QString &Prefix, TStrings *Lines)
{
    const QChar decimalSeparator = FloatToStr(1.1).at(1);
    while (Lines->Count() > 0) {
        QString path, value, head;
        iSplitAt(Lines->Get(0), QStringLiteral("="), path, value);
        iStripObjectPrefix(Prefix, path, head);
        // Prefixes compare without regard to case ("channel0.color" belongs to Channel0).
        if (!SameText(head, Prefix))
            break;
        iSetPropertyFromText(Instance, path, value, decimalSeparator);
        Lines->Delete(0);
    }
}

void iStripObjectPrefix(const QString &Prefix, QString &Path, QString &Head)
{
    Head.clear();
    QString before, after;
    iSplitAt(Path, QStringLiteral("."), before, after);
    if (!Prefix.isEmpty() && SameText(Prefix, before)) {
        Head = before;
        Path = after;
    }
}

void iSplitAt(const QString &Text, const QString &Separator, QString &Left, QString &Right)
{
    const qsizetype at = Text.indexOf(Separator);
    if (at < 0) {
        Left.clear();
        Right.clear();
        return;
    }
    Left = Trim(Text.left(at));
    Right = Trim(Text.mid(at + 1));
}

bool iExtractValue(const QString &Key, QString &Value, TStrings *Lines)
{
    for (int i = 0; i < Lines->Count(); ++i) {
        QString left;
        iSplitAt(Lines->Get(i), QStringLiteral("="), left, Value);
        if (SameText(left, Key)) {
            Lines->Delete(i);
            return true;
        }
    }
    return false;
}

void iWritePropertiesToWriter(TWriter &Writer, TPersistent *Instance)
{
    try {
        Writer.WriteProperties(Instance);
    }
    catch (const Exception &) {
        // A property that cannot be read ends this object's list; what was written stays.
    }
}

void iWriteCollection(TWriter &Writer, int Count, const std::function<void(int Index)> &WriteItem)
{
    Writer.WriteValue(vaCollection);
    for (int i = 0; i < Count; ++i) {
        Writer.WriteListBegin();
        WriteItem(i);
        Writer.WriteListEnd();
    }
    Writer.WriteListEnd();
}

void iReadCollection(TReader &Reader, const std::function<TPersistent *()> &Make,
                     const std::function<void(TPersistent *)> &Done, const std::function<void(TPersistent *)> &Failed)
{
    if (Reader.NextValue() != vaCollection) {
        Reader.SkipValue();
        return;
    }
    Reader.ReadValue();
    while (!Reader.EndOfList()) {
        Reader.ReadListBegin();
        TPersistent *item = Make();
        try {
            while (!Reader.EndOfList())
                Reader.ReadProperty(item);
            Reader.ReadListEnd();
        } catch (...) {
            if (Failed)
                Failed(item);
            throw;
        }
        Done(item);
    }
    Reader.ReadListEnd();
}

void iSaveLinesToFile(TStrings *Lines, const QString &FileName)
{
    TMemoryStream bytes;
    Lines->SaveToStream(&bytes);
    std::string error;
    if (!os::WriteFileAtomic(FileName.toUtf8().toStdString(), bytes.Memory(), static_cast<std::size_t>(bytes.Size()),
                             &error))
        throw EWriteError(QString::fromUtf8(error.c_str()));
}
