#pragma once
// TMemIniFile: an INI file held in memory. The file is read when the object is created (a missing
// file is an empty one) and written back whole by UpdateFile, atomically: the old file stays as
// it was until the new one is complete. TIniFile is the same file written back after every change,
// as the system's own INI functions do.
//
// Text of the file:
//   - Encoding: a byte-order mark at the start decides (UTF-8, UTF-16 little or big endian);
//     without one the file is read in Encoding (Default: the system code page, GBK). Writing uses
//     Encoding: Default writes GBK without a mark, UTF8 and Unicode (UTF-16 little endian) write
//     their mark. Lines end with CR LF; LF and CR alone are read too.
//   - Each line is trimmed. "[Name]" starts a section; "name=value" lines belong to the section
//     above them, blanks around "=" dropped; empty lines, lines starting with ';' and lines
//     before the first section are dropped. A line without "=" is kept as it is (a key without a
//     value). A section that appears twice is one section.
//   - Written: each section as "[Name]", its lines, then one empty line.
// Reading a value gives the text after the first "=" as stored (quotes included).

#include "platform/settings/CustomIniFile.h"

#include <QString>

#include <vector>

enum class TIniEncoding { Default, UTF8, Unicode };

class TMemIniFile : public TCustomIniFile {
public:
    explicit TMemIniFile(const QString &fileName, TIniEncoding encoding = TIniEncoding::Default);

    TIniEncoding Encoding() const { return encoding_; }
    // Takes effect for the next UpdateFile.
    void SetEncoding(TIniEncoding value) { encoding_ = value; }

    QString ReadString(const QString &section, const QString &ident, const QString &fallback) override;
    void WriteString(const QString &section, const QString &ident, const QString &value) override;
    void ReadSection(const QString &section, TStrings *strings) override;
    void ReadSections(TStrings *strings) override;
    void ReadSectionValues(const QString &section, TStrings *strings) override;
    void EraseSection(const QString &section) override;
    void DeleteKey(const QString &section, const QString &ident) override;
    // Writes the whole file; EFCreateError "Cannot create file "X". reason" when it cannot.
    void UpdateFile() override;

    void Clear() { sections_.clear(); }
    // The file's lines as UpdateFile writes them, and the reverse (parsed as a file is).
    void GetStrings(TStrings *list) const;
    void SetStrings(const TStrings *list);

    // Text of file bytes (mark, else `encoding`) and bytes of text with `encoding`.
    static QString DecodeText(const QByteArray &bytes, TIniEncoding encoding);
    static QByteArray EncodeText(const QString &text, TIniEncoding encoding);

private:
    struct Section {
        QString name;
        std::vector<QString> lines;  // "name=value", or a bare line
    };
    Section *Find(const QString &section);
    void Parse(const QStringList &lines);
    static int IndexOfName(const Section &s, const QString &ident);

    TIniEncoding encoding_;
    std::vector<Section> sections_;
};

class TIniFile : public TMemIniFile {
public:
    using TMemIniFile::TMemIniFile;
    void WriteString(const QString &section, const QString &ident, const QString &value) override;
    void EraseSection(const QString &section) override;
    void DeleteKey(const QString &section, const QString &ident) override;
};
