#include "mainwindow/LanguageTable.h"

#include <QFile>

LanguageTable LanguageTable::FromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return LanguageTable({});
    QString text = QString::fromUtf8(file.readAll());
    text.remove(QLatin1Char('\r'));
    // A file ending in a line break leaves the empty last line the lookup relies on.
    return LanguageTable(text.split(QLatin1Char('\n')));
}

const LanguageTable &LanguageTable::English()
{
    static const LanguageTable table = FromFile(QStringLiteral(":/lang/moEnglish.txt"));
    return table;
}

const LanguageTable &LanguageTable::Simplified()
{
    static const LanguageTable table = FromFile(QStringLiteral(":/lang/moSimplified.txt"));
    return table;
}

QString LanguageTable::Lookup(const QString &key) const
{
    if (lines_.isEmpty())
        return {};
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        if (lines_[i].compare(key, Qt::CaseInsensitive) != 0)
            continue;
        // A match on the last line has no text after it.
        return i + 1 < lines_.size() ? lines_[i + 1] : lines_[0];
    }
    return lines_[0];
}

QStringList LanguageTable::Keys() const
{
    QStringList keys;
    for (const QString &line : lines_)
        if (line.startsWith(QLatin1String("SID_")))
            keys.append(line);
    return keys;
}
