#pragma once
// TRegistryIniFile: the INI interface over a registry key. The key (a path below the root key,
// opened with creation allowed) holds one subkey per section; a section's keys are its values.
//
// Types follow the registry: WriteString stores a string value, WriteInteger an integer value (or
// text, when the value already is a string), floats, dates and times 8-byte binary values,
// binary streams binary values; WriteBool stores "1" or "0" as the base class does. Reading takes
// each type back, converts string values with the base class's rules, and gives the default for
// a missing value. ReadString of a value that is neither text nor integer raises the registry's
// "Invalid data type" error.

#include "platform/settings/CustomIniFile.h"
#include "platform/settings/Registry.h"

class TRegistryIniFile : public TCustomIniFile {
public:
    // Opens (creating) `keyPath` under `root` with the access mask; a key that cannot be opened
    // raises ERegistryException "Failed to create key X".
    explicit TRegistryIniFile(const QString &keyPath, DWORD access = KEY_ALL_ACCESS, HKEY root = HKEY_CURRENT_USER);

    TRegistry &Registry() { return registry_; }

    QString ReadString(const QString &section, const QString &ident, const QString &fallback) override;
    void WriteString(const QString &section, const QString &ident, const QString &value) override;
    int ReadInteger(const QString &section, const QString &ident, int fallback) override;
    void WriteInteger(const QString &section, const QString &ident, int value) override;
    double ReadFloat(const QString &section, const QString &ident, double fallback) override;
    void WriteFloat(const QString &section, const QString &ident, double value) override;
    TDateTime ReadDate(const QString &section, const QString &ident, TDateTime fallback) override;
    void WriteDate(const QString &section, const QString &ident, TDateTime value) override;
    TDateTime ReadDateTime(const QString &section, const QString &ident, TDateTime fallback) override;
    void WriteDateTime(const QString &section, const QString &ident, TDateTime value) override;
    TDateTime ReadTime(const QString &section, const QString &ident, TDateTime fallback) override;
    void WriteTime(const QString &section, const QString &ident, TDateTime value) override;
    int ReadBinaryStream(const QString &section, const QString &ident, TStream *value) override;
    void WriteBinaryStream(const QString &section, const QString &ident, TStream *value) override;

    void ReadSection(const QString &section, TStrings *strings) override;
    void ReadSections(TStrings *strings) override;
    // "name=value": text and integers as text, binary values as hexadecimal digits.
    void ReadSectionValues(const QString &section, TStrings *strings) override;
    void EraseSection(const QString &section) override;
    void DeleteKey(const QString &section, const QString &ident) override;
    void UpdateFile() override {}

private:
    // Runs `fn` with the section's key open (created when `create`); false when it is missing.
    template <class F>
    bool InSection(const QString &section, bool create, F fn);
    // Reads a double stored as binary, else text as a number (or a date and time, when wanted).
    double ReadDouble(const QString &section, const QString &ident, double fallback, bool wantDate, bool wantTime);
    void WriteDouble(const QString &section, const QString &ident, double value);

    TRegistry registry_;
    QString path_;
};
