#pragma once
// One keyed text list of the interface (English or Simplified Chinese), as the main window carries
// it. A table is a list of lines of three kinds: comment lines beginning with "//" (line 0 is always
// one), key lines ("SID_FILE" alone on its line) and text lines, the line after a key being that
// key's text. The last line is empty.
//
// Lookup searches every line from the top for the first one equal to the key, without regard to
// letter case, and answers the line after it. A key that matches no line, or only a line with
// nothing after it (the empty key matches the empty last line), answers line 0. Nothing is ever
// thrown; the tables are fixed for the whole run.

#include <QString>
#include <QStringList>

class LanguageTable {
public:
    explicit LanguageTable(QStringList lines) : lines_(std::move(lines)) {}

    // The table in a UTF-8 text file or resource (":/lang/moEnglish.txt"); line ends "\n" or
    // "\r\n". A file that cannot be read gives an empty table, whose lookups answer "".
    static LanguageTable FromFile(const QString &path);
    // The two tables the program carries, loaded once.
    static const LanguageTable &English();
    static const LanguageTable &Simplified();

    QString Lookup(const QString &key) const;
    const QStringList &Lines() const { return lines_; }
    // The keys of the table (lines beginning "SID_"), in table order.
    QStringList Keys() const;

private:
    QStringList lines_;
};
