#include "widgets/skinned/RzRegIniFile.h"

#include "platform/settings/MemIniFile.h"
#include "platform/settings/Registry.h"
#include "platform/settings/RegistryIniFile.h"
#include "platform/settings/SpecialFolders.h"
#include "platform/ui/Application.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/StringList.h"
#include "platform/runtime/SysUtils.h"

#include <QDir>

#include <algorithm>

T_IMPLEMENT_CLASS(TRzRegIniFile)
{
    b.Str("Path", &TRzRegIniFile::Path, &TRzRegIniFile::SetPath);
    b.Enum("PathType", &TRzRegIniFile::PathType, &TRzRegIniFile::SetPathType, RzPathTypeNames)
        .Default(ptIniFile);
    b.Enum("RegKey", &TRzRegIniFile::RegKey, &TRzRegIniFile::SetRegKey,
           RzRegKeyNames)
        .Default(hkeyCurrentUser);
    b.Set("RegAccess", &TRzRegIniFile::RegAccess, &TRzRegIniFile::SetRegAccess,
          RzRegAccessKeyNames)
        .Default(TRzRegAccess{keyAllAccess});
    b.Enum("SpecialFolder", &TRzRegIniFile::SpecialFolder, &TRzRegIniFile::SetSpecialFolder,
           RzSpecialFolderNames)
        .Default(sfNone);
    b.Enum("FileEncoding", &TRzRegIniFile::FileEncoding, &TRzRegIniFile::SetFileEncoding,
           RzIniFileEncodingNames)
        .Default(feDefault);
}

namespace {

// Access flag of each TRzRegAccessKey, in its order.
constexpr DWORD kAccessFlags[] = {KEY_QUERY_VALUE, KEY_SET_VALUE,   KEY_CREATE_SUB_KEY, KEY_ENUMERATE_SUB_KEYS,
                                  KEY_NOTIFY,      KEY_CREATE_LINK, KEY_READ,           KEY_WRITE,
                                  KEY_EXECUTE,     KEY_ALL_ACCESS};

// Root key of each TRzRegKey, in its order.
constexpr HKEY kRootKeys[] = {HKEY_CLASSES_ROOT,     HKEY_CURRENT_USER,   HKEY_LOCAL_MACHINE, HKEY_USERS,
                              HKEY_PERFORMANCE_DATA, HKEY_CURRENT_CONFIG, HKEY_DYN_DATA};

TIniEncoding EncodingOf(TRzIniFileEncoding e)
{
    switch (e) {
    case feUTF8: return TIniEncoding::UTF8;
    case feUnicode: return TIniEncoding::Unicode;
    case feDefault: break;
    }
    return TIniEncoding::Default;
}

}  // namespace

QString SpecialFolderBase(TRzSpecialFolder folder, const QString &subPath)
{
    static const int csidl[] = {0, CSIDL_APPDATA, CSIDL_LOCAL_APPDATA, CSIDL_PERSONAL, CSIDL_COMMON_APPDATA};
    if (folder == sfNone)
        return {};
    QString path = SpecialFolderPath(csidl[folder]);
    if (path.isEmpty())
        return {};
    path += subPath;
    QDir().mkpath(path);
    return IncludeTrailingPathDelimiter(path);
}

TRzRegIniFile::TRzRegIniFile(TComponent *AOwner) : TComponent(AOwner) {}

TRzRegIniFile::~TRzRegIniFile() = default;

void TRzRegIniFile::SetPath(const QString &value)
{
    if (value != FPath)
        FPath = value, Changed();
}

void TRzRegIniFile::SetPathType(TRzPathType value)
{
    if (value != FPathType)
        FPathType = value, Changed();
}

void TRzRegIniFile::SetRegKey(TRzRegKey value)
{
    if (value != FRegKey)
        FRegKey = value, Changed();
}

void TRzRegIniFile::SetRegAccess(TRzRegAccess value)
{
    if (!(value == FRegAccess))
        FRegAccess = value, Changed();
}

void TRzRegIniFile::SetSpecialFolder(TRzSpecialFolder value)
{
    if (value != FSpecialFolder)
        FSpecialFolder = value, Changed();
}

void TRzRegIniFile::SetFileEncoding(TRzIniFileEncoding value)
{
    if (value != FFileEncoding)
        FFileEncoding = value, Changed();
}

DWORD TRzRegIniFile::AccessMask() const
{
    DWORD mask = 0;
    for (int k = keyQueryValue; k <= keyAllAccess; ++k)
        if (FRegAccess.Contains(static_cast<TRzRegAccessKey>(k)))
            mask |= kAccessFlags[k];
    return mask;
}

void TRzRegIniFile::RefreshStorage()
{
    if (!FRefreshStorage)
        return;
    FIni.reset();
    FReg.reset();
    QString p = FPath;
    const QString program = ProgramFileName();
    if (FPathType == ptIniFile) {
        if (FSpecialFolder != sfNone) {
            const QString folder = SpecialFolderBase(FSpecialFolder, ExtractFilePath(p));
            if (!folder.isEmpty())
                p = folder + ChangeFileExt(ExtractFileName(p.isEmpty() ? program : p), QStringLiteral(".ini"));
        }
        if (!p.isEmpty() && ExtractFilePath(p).isEmpty())
            p = ExtractFilePath(program) + ChangeFileExt(p, QStringLiteral(".ini"));
        else if (p.isEmpty())
            p = ChangeFileExt(program, QStringLiteral(".ini"));
        FIni = std::make_unique<TMemIniFile>(p, EncodingOf(FFileEncoding));
    }
    else {
        if (p.isEmpty()) {
            const QString title = Application ? Application->Title() : QString();
            p = QStringLiteral("\\Software\\Temp\\") +
                (title.isEmpty() ? ChangeFileExt(ExtractFileName(program), QString()) : title);
        }
        FReg = std::make_unique<TRegistryIniFile>(p, AccessMask(), kRootKeys[FRegKey]);
    }
    FPath = p;
    FRefreshStorage = false;
}

TCustomIniFile &TRzRegIniFile::Storage()
{
    RefreshStorage();
    if (FReg)
        return *FReg;
    return *FIni;
}

void TRzRegIniFile::FlushIni()
{
    if (!FIni)
        return;
    FIni->SetEncoding(EncodingOf(FFileEncoding));
    FIni->UpdateFile();
}

bool TRzRegIniFile::SectionExists(const QString &section)
{
    return Storage().SectionExists(section);
}

bool TRzRegIniFile::ValueExists(const QString &section, const QString &name)
{
    return Storage().ValueExists(section, name);
}

bool TRzRegIniFile::ReadBool(const QString &section, const QString &name, bool fallback)
{
    return Storage().ReadBool(section, name, fallback);
}

void TRzRegIniFile::WriteBool(const QString &section, const QString &name, bool value)
{
    Storage().WriteBool(section, name, value);
    FlushIni();
}

TDateTime TRzRegIniFile::ReadDate(const QString &section, const QString &name, TDateTime fallback)
{
    return Storage().ReadDate(section, name, fallback);
}

void TRzRegIniFile::WriteDate(const QString &section, const QString &name, TDateTime value)
{
    Storage().WriteDate(section, name, value);
    FlushIni();
}

TDateTime TRzRegIniFile::ReadDateTime(const QString &section, const QString &name, TDateTime fallback)
{
    return Storage().ReadDateTime(section, name, fallback);
}

void TRzRegIniFile::WriteDateTime(const QString &section, const QString &name, TDateTime value)
{
    Storage().WriteDateTime(section, name, value);
    FlushIni();
}

double TRzRegIniFile::ReadFloat(const QString &section, const QString &name, double fallback)
{
    return Storage().ReadFloat(section, name, fallback);
}

void TRzRegIniFile::WriteFloat(const QString &section, const QString &name, double value)
{
    Storage().WriteFloat(section, name, value);
    FlushIni();
}

int TRzRegIniFile::ReadInteger(const QString &section, const QString &name, int fallback)
{
    return Storage().ReadInteger(section, name, fallback);
}

void TRzRegIniFile::WriteInteger(const QString &section, const QString &name, int value)
{
    Storage().WriteInteger(section, name, value);
    FlushIni();
}

QString TRzRegIniFile::ReadString(const QString &section, const QString &name, const QString &fallback)
{
    return Storage().ReadString(section, name, fallback);
}

void TRzRegIniFile::WriteString(const QString &section, const QString &name, const QString &value)
{
    Storage().WriteString(section, name, value);
    FlushIni();
}

TDateTime TRzRegIniFile::ReadTime(const QString &section, const QString &name, TDateTime fallback)
{
    return Storage().ReadTime(section, name, fallback);
}

void TRzRegIniFile::WriteTime(const QString &section, const QString &name, TDateTime value)
{
    Storage().WriteTime(section, name, value);
    FlushIni();
}

int TRzRegIniFile::ReadBinaryStream(const QString &section, const QString &name, TStream *value)
{
    return Storage().ReadBinaryStream(section, name, value);
}

void TRzRegIniFile::WriteBinaryStream(const QString &section, const QString &name, TStream *value)
{
    Storage().WriteBinaryStream(section, name, value);
    FlushIni();
}

void TRzRegIniFile::ReadSection(const QString &section, TStrings *strings)
{
    Storage().ReadSection(section, strings);
}

void TRzRegIniFile::ReadSections(TStrings *strings)
{
    Storage().ReadSections(strings);
}

void TRzRegIniFile::ReadSectionValues(const QString &section, TStrings *strings)
{
    TCustomIniFile &store = Storage();
    if (!FReg) {
        store.ReadSectionValues(section, strings);
        return;
    }
    strings->BeginUpdate();
    strings->Clear();
    TRegistry reg(KEY_READ);
    reg.SetRootKey(kRootKeys[FRegKey]);
    const QString key = FPath.endsWith(u'\\') ? FPath + section : FPath + u'\\' + section;
    if (reg.OpenKeyReadOnly(key)) {
        QStringList names = reg.ValueNames();
        std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) { return CompareText(a, b) < 0; });
        for (const QString &name : names) {
            QString text;
            switch (reg.GetDataType(name)) {
            case rdString:
            case rdExpandString: text = reg.ReadString(name); break;
            case rdInteger: text = IntToStr(reg.ReadInteger(name)); break;
            case rdBinary:
                for (const char byte : reg.ReadBinary(name))
                    text += IntToHex(static_cast<unsigned char>(byte), 2) + u' ';
                break;
            default: text = QStringLiteral("Unknown Data Type"); break;
            }
            strings->Add((name.isEmpty() ? QStringLiteral("Default") : name) + u'=' + text);
        }
        reg.CloseKey();
    }
    strings->EndUpdate();
}

void TRzRegIniFile::EraseSection(const QString &section)
{
    Storage().EraseSection(section);
    FlushIni();
}

void TRzRegIniFile::DeleteKey(const QString &section, const QString &name)
{
    Storage().DeleteKey(section, name);
    FlushIni();
}
