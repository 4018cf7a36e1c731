#include "platform/settings/RegistryIniFile.h"

#include "platform/runtime/Streams.h"
#include "platform/runtime/StringList.h"
#include "platform/runtime/SysUtils.h"

TRegistryIniFile::TRegistryIniFile(const QString &keyPath, DWORD access, HKEY root)
    : TCustomIniFile(keyPath), registry_(access)
{
    registry_.SetRootKey(root);
    if (!registry_.OpenKey(keyPath, true))
        throw ERegistryException(QStringLiteral("Failed to create key %1").arg(keyPath));
    path_ = registry_.CurrentPath();
}

template <class F>
bool TRegistryIniFile::InSection(const QString &section, bool create, F fn)
{
    const QString key = u'\\' + path_ + u'\\' + section;
    struct Back {
        TRegistry &r;
        QString path;
        ~Back() { r.OpenKey(u'\\' + path, false); }
    } back{registry_, path_};
    if (!(create ? registry_.OpenKey(key, true) : registry_.KeyExists(key) && registry_.OpenKey(key, false)))
        return false;
    fn();
    return true;
}

QString TRegistryIniFile::ReadString(const QString &section, const QString &ident, const QString &fallback)
{
    QString result = fallback;
    InSection(section, false, [&] {
        if (!registry_.ValueExists(ident))
            return;
        result = registry_.GetDataType(ident) == rdInteger ? IntToStr(registry_.ReadInteger(ident))
                                                           : registry_.ReadString(ident);
    });
    return result;
}

void TRegistryIniFile::WriteString(const QString &section, const QString &ident, const QString &value)
{
    InSection(section, true, [&] { registry_.WriteString(ident, value); });
}

int TRegistryIniFile::ReadInteger(const QString &section, const QString &ident, int fallback)
{
    int result = fallback;
    InSection(section, false, [&] {
        if (!registry_.ValueExists(ident))
            return;
        result = registry_.GetDataType(ident) == rdString ? StrToIntDef(registry_.ReadString(ident), fallback)
                                                          : registry_.ReadInteger(ident);
    });
    return result;
}

void TRegistryIniFile::WriteInteger(const QString &section, const QString &ident, int value)
{
    InSection(section, true, [&] {
        if (registry_.GetDataType(ident) == rdString)
            registry_.WriteString(ident, IntToStr(value));
        else
            registry_.WriteInteger(ident, value);
    });
}

double TRegistryIniFile::ReadDouble(const QString &section, const QString &ident, double fallback, bool wantDate,
                                    bool wantTime)
{
    double result = fallback;
    InSection(section, false, [&] {
        switch (registry_.GetDataType(ident)) {
        case rdBinary:
            if (registry_.GetDataSize(ident) == sizeof(double))
                registry_.ReadBinaryData(ident, &result, sizeof(double));
            break;
        case rdString:
        case rdExpandString: {
            const QString text = registry_.ReadString(ident);
            result = wantDate || wantTime ? ParseDateTimeOr(text, wantDate, wantTime, fallback)
                                          : StrToFloatDef(text, fallback);
            break;
        }
        default: break;
        }
    });
    return result;
}

void TRegistryIniFile::WriteDouble(const QString &section, const QString &ident, double value)
{
    InSection(section, true, [&] { registry_.WriteBinaryData(ident, &value, sizeof value); });
}

double TRegistryIniFile::ReadFloat(const QString &section, const QString &ident, double fallback)
{
    return ReadDouble(section, ident, fallback, false, false);
}

void TRegistryIniFile::WriteFloat(const QString &section, const QString &ident, double value)
{
    WriteDouble(section, ident, value);
}

TDateTime TRegistryIniFile::ReadDate(const QString &section, const QString &ident, TDateTime fallback)
{
    return ReadDouble(section, ident, fallback, true, false);
}

void TRegistryIniFile::WriteDate(const QString &section, const QString &ident, TDateTime value)
{
    WriteDouble(section, ident, value);
}

TDateTime TRegistryIniFile::ReadDateTime(const QString &section, const QString &ident, TDateTime fallback)
{
    return ReadDouble(section, ident, fallback, true, true);
}

void TRegistryIniFile::WriteDateTime(const QString &section, const QString &ident, TDateTime value)
{
    WriteDouble(section, ident, value);
}

TDateTime TRegistryIniFile::ReadTime(const QString &section, const QString &ident, TDateTime fallback)
{
    return ReadDouble(section, ident, fallback, false, true);
}

void TRegistryIniFile::WriteTime(const QString &section, const QString &ident, TDateTime value)
{
    WriteDouble(section, ident, value);
}

int TRegistryIniFile::ReadBinaryStream(const QString &section, const QString &ident, TStream *value)
{
    QByteArray data;
    InSection(section, false, [&] {
        if (registry_.GetDataType(ident) == rdBinary)
            data = registry_.ReadBinary(ident);
    });
    if (data.isEmpty() || !value)
        return 0;
    const std::int64_t start = value->Position();
    value->WriteBytes(data);
    value->SetPosition(start);
    return static_cast<int>(data.size());
}

void TRegistryIniFile::WriteBinaryStream(const QString &section, const QString &ident, TStream *value)
{
    const QByteArray data = value ? value->ReadBytes(value->Size() - value->Position()) : QByteArray();
    InSection(section, true, [&] { registry_.WriteBinary(ident, data); });
}

void TRegistryIniFile::ReadSection(const QString &section, TStrings *strings)
{
    strings->Clear();
    InSection(section, false, [&] { registry_.GetValueNames(strings); });
}

void TRegistryIniFile::ReadSections(TStrings *strings)
{
    registry_.GetKeyNames(strings);
}

void TRegistryIniFile::ReadSectionValues(const QString &section, TStrings *strings)
{
    strings->BeginUpdate();
    strings->Clear();
    InSection(section, false, [&] {
        for (const QString &name : registry_.ValueNames()) {
            QString text;
            switch (registry_.GetDataType(name)) {
            case rdInteger: text = IntToStr(registry_.ReadInteger(name)); break;
            case rdBinary: text = BytesToHex(registry_.ReadBinary(name)); break;
            default: text = registry_.ReadString(name); break;
            }
            strings->Add(name + u'=' + text);
        }
    });
    strings->EndUpdate();
}

void TRegistryIniFile::EraseSection(const QString &section)
{
    registry_.DeleteKey(u'\\' + path_ + u'\\' + section);
}

void TRegistryIniFile::DeleteKey(const QString &section, const QString &ident)
{
    InSection(section, false, [&] { registry_.DeleteValue(ident); });
}
