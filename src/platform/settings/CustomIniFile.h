#pragma once
// TCustomIniFile: the section/key/value interface shared by INI files (MemIniFile.h) and the
// registry's INI view (RegistryIniFile.h), with the framework's rules for typed values. The
// back-end supplies strings, sections and deletion; everything typed is built on its strings
// unless the back-end stores the type itself:
//
//   Integer   decimal text; reading accepts "$1F" and "0x1F"; bad text gives the default
//   Bool      written "1" or "0"; read as an integer, non-zero is true
//   Float     FloatToStr text ("." always); bad text gives the default
//   Date/Time DateToStr, TimeToStr, DateTimeToStr text; bad text gives the default
//   Binary    two upper-case hexadecimal digits per byte
//
// Section and key names compare without regard to case. A section "exists" when it has at least
// one key. Errors of the store itself (a file that cannot be written, a registry key without the
// rights asked for) surface as the framework's exceptions of the call that hit them.

#include "platform/runtime/DateTime.h"

#include <QString>

class TStream;
class TStrings;

class TCustomIniFile {
public:
    explicit TCustomIniFile(QString fileName) : fileName_(std::move(fileName)) {}
    virtual ~TCustomIniFile() = default;
    TCustomIniFile(const TCustomIniFile &) = delete;
    TCustomIniFile &operator=(const TCustomIniFile &) = delete;

    // The file name (an INI file) or key path (the registry view) given at creation.
    const QString &FileName() const { return fileName_; }

    virtual QString ReadString(const QString &section, const QString &ident, const QString &fallback) = 0;
    virtual void WriteString(const QString &section, const QString &ident, const QString &value) = 0;
    virtual int ReadInteger(const QString &section, const QString &ident, int fallback);
    virtual void WriteInteger(const QString &section, const QString &ident, int value);
    virtual bool ReadBool(const QString &section, const QString &ident, bool fallback);
    virtual void WriteBool(const QString &section, const QString &ident, bool value);
    virtual double ReadFloat(const QString &section, const QString &ident, double fallback);
    virtual void WriteFloat(const QString &section, const QString &ident, double value);
    virtual TDateTime ReadDate(const QString &section, const QString &ident, TDateTime fallback);
    virtual void WriteDate(const QString &section, const QString &ident, TDateTime value);
    virtual TDateTime ReadDateTime(const QString &section, const QString &ident, TDateTime fallback);
    virtual void WriteDateTime(const QString &section, const QString &ident, TDateTime value);
    virtual TDateTime ReadTime(const QString &section, const QString &ident, TDateTime fallback);
    virtual void WriteTime(const QString &section, const QString &ident, TDateTime value);
    // Appends the stored bytes at the stream's position and leaves the position at their start;
    // returns how many there were (0 when the key is missing or empty). Decoding stops at the
    // first character pair that is not hexadecimal.
    virtual int ReadBinaryStream(const QString &section, const QString &ident, TStream *value);
    // Stores the bytes from the stream's position to its end.
    virtual void WriteBinaryStream(const QString &section, const QString &ident, TStream *value);

    // Key names of a section, section names, and "name=value" lines of a section; each clears the
    // list first.
    virtual void ReadSection(const QString &section, TStrings *strings) = 0;
    virtual void ReadSections(TStrings *strings) = 0;
    virtual void ReadSectionValues(const QString &section, TStrings *strings) = 0;
    virtual void EraseSection(const QString &section) = 0;
    virtual void DeleteKey(const QString &section, const QString &ident) = 0;
    // Writes what is held in memory to the store (nothing to do for a store that writes at once).
    virtual void UpdateFile() = 0;

    bool SectionExists(const QString &section);
    virtual bool ValueExists(const QString &section, const QString &ident);

protected:
    // Date and time text of the framework's short date and long time formats, read back; false
    // for text that is neither.
    static bool ParseDateTime(const QString &text, bool wantDate, bool wantTime, TDateTime &value);
    static TDateTime ParseDateTimeOr(const QString &text, bool wantDate, bool wantTime, TDateTime fallback);
    // Hexadecimal text to bytes (stopping at the first bad pair) and back.
    static QByteArray HexToBytes(const QString &text);
    static QString BytesToHex(const QByteArray &bytes);

private:
    QString fileName_;
};
