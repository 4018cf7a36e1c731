#pragma once
// A form definition as data: the tree the parser builds from the text (grammar in FormReader.h)
// and the form writer builds from live components, and the text conversion in both directions.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

struct TFormProperty;

struct TFormValue {
    enum class Kind { Integer, Float, String, Ident, Set, Binary, List, Collection };
    Kind kind = Kind::Integer;
    int Line = 0;
    std::int64_t Int = 0;
    int HexWidth = 0;                                     // Integer: written as $ and this many digits
    double Float = 0;
    QString Text;                                         // String, Ident
    QStringList Names;                                    // Set
    QByteArray Bytes;                                     // Binary
    std::vector<TFormValue> Items;                        // List
    std::vector<std::vector<TFormProperty>> Collection;   // Collection: properties of each item
    std::vector<int> ItemLines;                           // Collection: line of each "item"

    static TFormValue MakeInt(std::int64_t v);
    static TFormValue MakeFloat(double v);
    static TFormValue MakeString(const QString &v);
    static TFormValue MakeIdent(const QString &v);
    static TFormValue MakeBinary(const QByteArray &v);
};

struct TFormProperty {
    QString Path;
    TFormValue Value;
    int Line = 0;
};

struct TFormObject {
    QString Name;
    QString ClassName;
    int Line = 0;
    std::vector<TFormProperty> Properties;
    std::vector<TFormObject> Children;
};

// Parses a whole definition; EReadError "file(line): message" on bad text.
TFormObject ParseFormText(const QString &text, const QString &fileName);
// Text of a definition, in the form ParseFormText reads (two-blank indentation, LF line ends).
QString PrintFormText(const TFormObject &object);
