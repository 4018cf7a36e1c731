#pragma once
// TRzRegIniFile: one section/key/value interface over two stores, an INI file (ptIniFile) or a
// registry key (ptRegistry). The store is (re)opened lazily on the first call after any of Path,
// PathType, RegKey, RegAccess, SpecialFolder or FileEncoding changed; after opening, Path holds
// the path actually used.
//
// Where the INI file lies:
//   - With a SpecialFolder, the file is that folder (the sub-folders of Path created there) plus
//     Path's file name with the extension ".ini" (the program's name when Path is empty).
//   - Otherwise a bare file name becomes that name with ".ini" in the program's folder, an empty
//     Path the program's own name with ".ini", and a Path with a folder part is used as it is.
// Where the registry key lies: Path under RegKey, or "\Software\Temp\" plus the application title
// (the program's name without extension when there is none) when Path is empty; sections are
// subkeys, names are values.
//
// With the INI file every write, EraseSection and DeleteKey writes the whole file at once in
// FileEncoding. Errors of the store (a file that cannot be written, a key without the rights)
// pass through as the framework's exceptions. ENoRegIniFile is what users of a missing store raise.

#include "platform/runtime/EnumNames.h"
#include "platform/settings/CustomIniFile.h"
#include "platform/runtime/Classes.h"
#include "platform/runtime/Exception.h"

#include <memory>

class TMemIniFile;
class TRegistryIniFile;
class TStrings;
class TStream;

T_DECLARE_EXCEPTION(ENoRegIniFile, Exception);

enum TRzPathType { ptIniFile, ptRegistry };
inline constexpr auto RzPathTypeNames = EnumNames<TRzPathType>("ptIniFile", "ptRegistry");
enum TRzRegKey {
    hkeyClassesRoot,
    hkeyCurrentUser,
    hkeyLocalMachine,
    hkeyUsers,
    hkeyPerformanceData,
    hkeyCurrentConfig,
    hkeyDynData
};
inline constexpr auto RzRegKeyNames = EnumNames<TRzRegKey>(
    "hkeyClassesRoot", "hkeyCurrentUser", "hkeyLocalMachine", "hkeyUsers", "hkeyPerformanceData",
    "hkeyCurrentConfig", "hkeyDynData");
enum TRzRegAccessKey {
    keyQueryValue,
    keySetValue,
    keyCreateSubKey,
    keyEnumerateSubKeys,
    keyNotify,
    keyCreateLink,
    keyRead,
    keyWrite,
    keyExecute,
    keyAllAccess
};
inline constexpr auto RzRegAccessKeyNames = EnumNames<TRzRegAccessKey>(
    "keyQueryValue", "keySetValue", "keyCreateSubKey", "keyEnumerateSubKeys", "keyNotify", "keyCreateLink",
    "keyRead", "keyWrite", "keyExecute", "keyAllAccess");
using TRzRegAccess = TSet<TRzRegAccessKey>;
enum TRzSpecialFolder { sfNone, sfUserAppDataRoaming, sfUserAppDataLocal, sfUserDocuments, sfProgramData };
inline constexpr auto RzSpecialFolderNames = EnumNames<TRzSpecialFolder>(
    "sfNone", "sfUserAppDataRoaming", "sfUserAppDataLocal", "sfUserDocuments", "sfProgramData");
enum TRzIniFileEncoding { feDefault, feUTF8, feUnicode };
inline constexpr auto RzIniFileEncodingNames = EnumNames<TRzIniFileEncoding>("feDefault", "feUTF8", "feUnicode");

class TRzRegIniFile : public TComponent {
    T_DECLARE_CLASS(TRzRegIniFile, TComponent)
    explicit TRzRegIniFile(TComponent *AOwner);
    ~TRzRegIniFile() override;

    const QString &Path() const { return FPath; }
    void SetPath(const QString &value);
    TRzPathType PathType() const { return FPathType; }
    void SetPathType(TRzPathType value);
    TRzRegKey RegKey() const { return FRegKey; }
    void SetRegKey(TRzRegKey value);
    TRzRegAccess RegAccess() const { return FRegAccess; }
    void SetRegAccess(TRzRegAccess value);
    TRzSpecialFolder SpecialFolder() const { return FSpecialFolder; }
    void SetSpecialFolder(TRzSpecialFolder value);
    TRzIniFileEncoding FileEncoding() const { return FFileEncoding; }
    void SetFileEncoding(TRzIniFileEncoding value);

    bool SectionExists(const QString &section);
    bool ValueExists(const QString &section, const QString &name);
    bool ReadBool(const QString &section, const QString &name, bool fallback);
    void WriteBool(const QString &section, const QString &name, bool value);
    TDateTime ReadDate(const QString &section, const QString &name, TDateTime fallback);
    void WriteDate(const QString &section, const QString &name, TDateTime value);
    TDateTime ReadDateTime(const QString &section, const QString &name, TDateTime fallback);
    void WriteDateTime(const QString &section, const QString &name, TDateTime value);
    double ReadFloat(const QString &section, const QString &name, double fallback);
    void WriteFloat(const QString &section, const QString &name, double value);
    int ReadInteger(const QString &section, const QString &name, int fallback);
    void WriteInteger(const QString &section, const QString &name, int value);
    QString ReadString(const QString &section, const QString &name, const QString &fallback);
    void WriteString(const QString &section, const QString &name, const QString &value);
    TDateTime ReadTime(const QString &section, const QString &name, TDateTime fallback);
    void WriteTime(const QString &section, const QString &name, TDateTime value);
    int ReadBinaryStream(const QString &section, const QString &name, TStream *value);
    void WriteBinaryStream(const QString &section, const QString &name, TStream *value);
    void ReadSection(const QString &section, TStrings *strings);
    void ReadSections(TStrings *strings);
    // With the registry: every value of the section's key, sorted by name, as "name=text"
    // (integers in decimal, binary data as "01 AB " pairs each followed by a blank, the unnamed
    // value as "Default=text").
    void ReadSectionValues(const QString &section, TStrings *strings);
    void EraseSection(const QString &section);
    void DeleteKey(const QString &section, const QString &name);

    // The access mask of RegAccess.
    DWORD AccessMask() const;

private:
    void RefreshStorage();
    TCustomIniFile &Storage();
    // INI only: the whole file written again in FileEncoding.
    void FlushIni();
    void Changed() { FRefreshStorage = true; }

    QString FPath;
    TRzPathType FPathType = ptIniFile;
    TRzRegKey FRegKey = hkeyCurrentUser;
    TRzRegAccess FRegAccess{keyAllAccess};
    TRzSpecialFolder FSpecialFolder = sfNone;
    TRzIniFileEncoding FFileEncoding = feDefault;
    bool FRefreshStorage = true;
    std::unique_ptr<TMemIniFile> FIni;
    std::unique_ptr<TRegistryIniFile> FReg;
};

// The folder of `folder` with `subPath` below it, created, with a trailing '/'; empty for sfNone
// or a folder the system does not know.
QString SpecialFolderBase(TRzSpecialFolder folder, const QString &subPath);
