#include "platform/runtime/FormData.h"

#include "platform/runtime/Exception.h"
#include "platform/runtime/SysUtils.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <charconv>
#include <cmath>
#include <mutex>
#include <optional>

TFormValue TFormValue::MakeInt(std::int64_t v)
{
    TFormValue r;
    r.kind = Kind::Integer;
    r.Int = v;
    return r;
}

TFormValue TFormValue::MakeFloat(double v)
{
    TFormValue r;
    r.kind = Kind::Float;
    r.Float = v;
    return r;
}

TFormValue TFormValue::MakeString(const QString &v)
{
    TFormValue r;
    r.kind = Kind::String;
    r.Text = v;
    return r;
}

TFormValue TFormValue::MakeIdent(const QString &v)
{
    TFormValue r;
    r.kind = Kind::Ident;
    r.Text = v;
    return r;
}

TFormValue TFormValue::MakeBinary(const QByteArray &v)
{
    TFormValue r;
    r.kind = Kind::Binary;
    r.Bytes = v;
    return r;
}

// ---- Parsing -------------------------------------------------------------------------------------

namespace {

bool IsIdentStart(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_';
}

bool IsIdentChar(QChar c)
{
    return IsIdentStart(c) || (c >= u'0' && c <= u'9');
}

// The bytes of a file a form names. Those embedded in the program (":/...") never change while it
// runs, and a window names the same few pictures hundreds of times: each is read (and unpacked)
// once, and its bytes shared.
std::optional<QByteArray> FileBytes(const QString &name)
{
    static std::mutex mutex;
    static QHash<QString, QByteArray> embedded;
    const bool isEmbedded = name.startsWith(QLatin1String(":/"));
    if (isEmbedded) {
        std::lock_guard lock(mutex);
        if (const auto it = embedded.constFind(name); it != embedded.constEnd())
            return *it;
    }
    // Only a whole file: a device or a pipe could deliver bytes for ever.
    QFile file(name);
    if ((!isEmbedded && !QFileInfo(name).isFile()) || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (isEmbedded) {
        std::lock_guard lock(mutex);
        embedded.insert(name, bytes);
    }
    return bytes;
}

// How deep objects, lists and collections may nest in one another. Forms nest a few levels; the
// bound keeps a damaged or hostile text from exhausting the stack.
constexpr int MaxNesting = 100;

class Parser {
public:
    Parser(const QString &text, const QString &fileName) : s_(text), file_(fileName) {}

    TFormObject ParseRoot()
    {
        Skip();
        TFormObject root = ParseObject();
        Skip();
        if (pos_ < s_.size())
            Fail(QStringLiteral("text after the final 'end'"));
        return root;
    }

private:
    [[noreturn]] void Fail(const QString &message) const
    {
        throw EReadError(QStringLiteral("%1(%2): %3").arg(file_).arg(line_).arg(message));
    }

    // One more level of nesting for the life of the object; past MaxNesting the text is refused.
    class NestingLevel {
    public:
        explicit NestingLevel(Parser &parser) : parser_(parser)
        {
            if (++parser_.depth_ > MaxNesting)
                parser_.Fail(QStringLiteral("nesting deeper than %1 levels").arg(MaxNesting));
        }
        ~NestingLevel() { --parser_.depth_; }
        NestingLevel(const NestingLevel &) = delete;
        NestingLevel &operator=(const NestingLevel &) = delete;

    private:
        Parser &parser_;
    };

    QChar Peek(int ahead = 0) const
    {
        int i = pos_ + ahead;
        return i < s_.size() ? s_[i] : QChar();
    }

    void Advance()
    {
        if (s_[pos_] == u'\n')
            ++line_;
        ++pos_;
    }

    // Blanks, line breaks and "//" comments.
    void Skip()
    {
        while (pos_ < s_.size()) {
            QChar c = s_[pos_];
            if (c == u' ' || c == u'\t' || c == u'\r' || c == u'\n') {
                Advance();
            } else if (c == u'/' && Peek(1) == u'/') {
                while (pos_ < s_.size() && s_[pos_] != u'\n')
                    ++pos_;
            } else {
                break;
            }
        }
    }

    QString Ident()
    {
        Skip();
        if (pos_ >= s_.size() || !IsIdentStart(s_[pos_]))
            Fail(QStringLiteral("identifier expected"));
        int start = pos_;
        while (pos_ < s_.size() && IsIdentChar(s_[pos_]))
            ++pos_;
        return s_.mid(start, pos_ - start);
    }

    // A dotted property path.
    QString Path()
    {
        QString path = Ident();
        while (Peek() == u'.') {
            ++pos_;
            path += u'.' + Ident();
        }
        return path;
    }

    void Expect(QChar c)
    {
        Skip();
        if (Peek() != c)
            Fail(QStringLiteral("'%1' expected").arg(c));
        Advance();
    }

    // `word` is lower-case ASCII; the text's letters match it in either case. Compared in place:
    // this runs several times for every property of a form.
    bool AtWord(const char *word)
    {
        Skip();
        int n = 0;
        for (; word[n]; ++n) {
            if (pos_ + n >= s_.size())
                return false;
            char16_t c = s_[pos_ + n].unicode();
            if (c >= u'A' && c <= u'Z')
                c = static_cast<char16_t>(c + (u'a' - u'A'));
            if (c != static_cast<unsigned char>(word[n]))
                return false;
        }
        QChar after = Peek(n);
        return after.isNull() || !IsIdentChar(after);
    }

    TFormObject ParseObject()
    {
        if (!AtWord("object") && !AtWord("inherited"))
            Fail(QStringLiteral("'object' expected"));
        const NestingLevel level(*this);
        TFormObject obj;
        obj.Line = line_;
        Ident();
        QString first = Ident();
        Skip();
        if (Peek() == u':') {
            Advance();
            obj.Name = first;
            obj.ClassName = Ident();
        } else {
            obj.ClassName = first;
        }
        for (;;) {
            Skip();
            if (pos_ >= s_.size())
                Fail(QStringLiteral("'end' expected"));
            if (AtWord("end")) {
                Ident();
                return obj;
            }
            if (AtWord("object") || AtWord("inherited")) {
                obj.Children.push_back(ParseObject());
                continue;
            }
            obj.Properties.push_back(ParseProperty());
        }
    }

    TFormProperty ParseProperty()
    {
        TFormProperty p;
        p.Line = line_;
        p.Path = Path();
        Expect(u'=');
        p.Value = ParseValue();
        return p;
    }

    TFormValue ParseValue()
    {
        Skip();
        TFormValue v;
        v.Line = line_;
        QChar c = Peek();
        if (c == u'\'' || c == u'#') {
            v.kind = TFormValue::Kind::String;
            v.Text = StringExpr();
        } else if (c == u'-' || c == u'+' || c == u'$' || c.isDigit()) {
            Number(v);
        } else if (c == u'[') {
            Advance();
            v.kind = TFormValue::Kind::Set;
            Skip();
            if (Peek() != u']') {
                for (;;) {
                    v.Names << Ident();
                    Skip();
                    if (Peek() == u',') {
                        Advance();
                        continue;
                    }
                    break;
                }
            }
            Expect(u']');
        } else if (c == u'{') {
            Advance();
            v.kind = TFormValue::Kind::Binary;
            // Digit pairs straight into bytes; blanks and line breaks may fall anywhere.
            int high = -1;
            while (pos_ < s_.size() && s_[pos_] != u'}') {
                QChar h = s_[pos_];
                if (const int d = HexDigitValue(h); d >= 0) {
                    if (high < 0) {
                        high = d;
                    } else {
                        v.Bytes.append(static_cast<char>(high << 4 | d));
                        high = -1;
                    }
                } else if (!(h == u' ' || h == u'\t' || h == u'\r' || h == u'\n')) {
                    Fail(QStringLiteral("hexadecimal digit expected"));
                }
                Advance();
            }
            if (pos_ >= s_.size())
                Fail(QStringLiteral("'}' expected"));
            Advance();
            if (high >= 0)
                Fail(QStringLiteral("odd number of hexadecimal digits"));
        } else if (c == u'@') {
            // The bytes of a file, most often one embedded in the program (":/images/...").
            Advance();
            Skip();
            if (Peek() != u'\'' && Peek() != u'#')
                Fail(QStringLiteral("file name expected after '@'"));
            const QString name = StringExpr();
            std::optional<QByteArray> bytes = FileBytes(name);
            if (!bytes)
                Fail(QStringLiteral("file %1 cannot be read").arg(name));
            v.kind = TFormValue::Kind::Binary;
            v.Bytes = *std::move(bytes);
        } else if (c == u'(') {
            const NestingLevel level(*this);
            Advance();
            v.kind = TFormValue::Kind::List;
            for (;;) {
                Skip();
                if (Peek() == u')') {
                    Advance();
                    break;
                }
                if (pos_ >= s_.size())
                    Fail(QStringLiteral("')' expected"));
                v.Items.push_back(ParseValue());
            }
        } else if (c == u'<') {
            const NestingLevel level(*this);
            Advance();
            v.kind = TFormValue::Kind::Collection;
            for (;;) {
                Skip();
                if (Peek() == u'>') {
                    Advance();
                    break;
                }
                if (!AtWord("item"))
                    Fail(QStringLiteral("'item' expected"));
                v.ItemLines.push_back(line_);
                Ident();
                std::vector<TFormProperty> props;
                while (!AtWord("end")) {
                    if (pos_ >= s_.size())
                        Fail(QStringLiteral("'end' expected"));
                    props.push_back(ParseProperty());
                }
                Ident();
                v.Collection.push_back(std::move(props));
            }
        } else if (IsIdentStart(c)) {
            v.kind = TFormValue::Kind::Ident;
            v.Text = Path();
        } else {
            Fail(QStringLiteral("property value expected"));
        }
        return v;
    }

    // 'text' pieces, #code characters, joined directly or with '+' (also across lines).
    QString StringExpr()
    {
        QString out;
        for (;;) {
            QChar c = Peek();
            if (c == u'\'') {
                Advance();
                for (;;) {
                    if (pos_ >= s_.size() || s_[pos_] == u'\n')
                        Fail(QStringLiteral("unterminated string"));
                    if (s_[pos_] == u'\'') {
                        if (Peek(1) == u'\'') {
                            out += u'\'';
                            pos_ += 2;
                            continue;
                        }
                        ++pos_;
                        break;
                    }
                    out += s_[pos_++];
                }
            } else if (c == u'#') {
                ++pos_;
                int start = pos_;
                while (Peek().isDigit())
                    ++pos_;
                if (start == pos_)
                    Fail(QStringLiteral("character code expected"));
                uint code = s_.mid(start, pos_ - start).toUInt();
                if (code > 0xFFFF)
                    Fail(QStringLiteral("character code too large"));
                out += QChar(static_cast<char16_t>(code));
            } else {
                // '+' continues the string, possibly on the next line.
                int savePos = pos_, saveLine = line_;
                Skip();
                if (Peek() == u'+') {
                    Advance();
                    Skip();
                    if (Peek() == u'\'' || Peek() == u'#')
                        continue;
                    Fail(QStringLiteral("string expected after '+'"));
                }
                pos_ = savePos;
                line_ = saveLine;
                return out;
            }
        }
    }

    void Number(TFormValue &v)
    {
        int start = pos_;
        bool negative = false;
        if (Peek() == u'-' || Peek() == u'+') {
            negative = Peek() == u'-';
            ++pos_;
        }
        if (Peek() == u'$') {
            ++pos_;
            int hexStart = pos_;
            while (HexDigitValue(Peek()) >= 0)
                ++pos_;
            if (hexStart == pos_)
                Fail(QStringLiteral("hexadecimal number expected"));
            bool ok = false;
            quint64 u = s_.mid(hexStart, pos_ - hexStart).toULongLong(&ok, 16);
            if (!ok)
                Fail(QStringLiteral("number too large"));
            v.kind = TFormValue::Kind::Integer;
            v.Int = negative ? -static_cast<std::int64_t>(u) : static_cast<std::int64_t>(u);
            v.HexWidth = negative ? 0 : pos_ - hexStart;
            return;
        }
        bool isFloat = false;
        while (Peek().isDigit())
            ++pos_;
        if (Peek() == u'.' && Peek(1).isDigit()) {
            isFloat = true;
            ++pos_;
            while (Peek().isDigit())
                ++pos_;
        }
        if ((Peek() == u'e' || Peek() == u'E') && (Peek(1).isDigit() || ((Peek(1) == u'+' || Peek(1) == u'-') && Peek(2).isDigit()))) {
            isFloat = true;
            pos_ += 2;
            while (Peek().isDigit())
                ++pos_;
        }
        QByteArray text = s_.mid(start, pos_ - start).toLatin1();
        if (text == "-" || text == "+" || text.isEmpty())
            Fail(QStringLiteral("number expected"));
        if (isFloat) {
            v.kind = TFormValue::Kind::Float;
            v.Float = text.toDouble();
        } else {
            bool ok = false;
            v.kind = TFormValue::Kind::Integer;
            v.Int = text.toLongLong(&ok);
            if (!ok)
                Fail(QStringLiteral("number too large"));
        }
    }

    const QString &s_;
    QString file_;
    int pos_ = 0;
    int line_ = 1;
    int depth_ = 0;  // objects, lists and collections open around the current token
};

// ---- Printing ------------------------------------------------------------------------------------

QString Indent(int level)
{
    return QString(level * 2, u' ');
}

QString QuoteString(const QString &text)
{
    if (text.isEmpty())
        return QStringLiteral("''");
    QString out;
    bool inQuotes = false;
    for (QChar c : text) {
        if (c.unicode() < 32) {
            if (inQuotes) {
                out += u'\'';
                inQuotes = false;
            }
            out += u'#' + QString::number(c.unicode());
        } else {
            if (!inQuotes) {
                out += u'\'';
                inQuotes = true;
            }
            out += c;
            if (c == u'\'')
                out += u'\'';
        }
    }
    if (inQuotes)
        out += u'\'';
    return out;
}

QString FloatText(double v)
{
    char buffer[64];
    auto res = std::to_chars(buffer, buffer + sizeof buffer, v);
    QString text = QString::fromLatin1(buffer, static_cast<qsizetype>(res.ptr - buffer)).toUpper();
    int e = static_cast<int>(text.indexOf(u'E'));
    if (e >= 0) {
        // "2.5E-07" -> "2.5E-7", "1E+20" -> "1E20"
        QString mantissa = text.left(e), exponent = text.mid(e + 1);
        bool negative = exponent.startsWith(u'-');
        exponent.remove(0, exponent.startsWith(u'-') || exponent.startsWith(u'+') ? 1 : 0);
        while (exponent.size() > 1 && exponent.startsWith(u'0'))
            exponent.remove(0, 1);
        text = mantissa + u'E' + (negative ? QStringLiteral("-") : QString()) + exponent;
    } else if (!text.contains(u'.')) {
        text += QStringLiteral(".0");
    }
    return text;
}

void PrintProperties(QString &out, const std::vector<TFormProperty> &props, int level);

void PrintValue(QString &out, const TFormValue &v, int level)
{
    switch (v.kind) {
    case TFormValue::Kind::Integer:
        if (v.HexWidth > 0 && v.Int >= 0)
            out += u'$' + QStringLiteral("%1").arg(static_cast<qulonglong>(v.Int), v.HexWidth, 16, QChar(u'0')).toUpper();
        else
            out += QString::number(v.Int);
        break;
    case TFormValue::Kind::Float:
        out += FloatText(v.Float);
        break;
    case TFormValue::Kind::String:
        out += QuoteString(v.Text);
        break;
    case TFormValue::Kind::Ident:
        out += v.Text;
        break;
    case TFormValue::Kind::Set:
        out += u'[' + v.Names.join(QStringLiteral(", ")) + u']';
        break;
    case TFormValue::Kind::Binary: {
        QString hex = QString::fromLatin1(v.Bytes.toHex().toUpper());
        if (hex.size() <= 64) {
            out += u'{' + hex + u'}';
            break;
        }
        out += u'{';
        for (int i = 0; i < hex.size(); i += 64)
            out += u'\n' + Indent(level + 1) + hex.mid(i, 64);
        out += u'}';
        break;
    }
    case TFormValue::Kind::List:
        out += u'(';
        for (const TFormValue &item : v.Items) {
            out += u'\n' + Indent(level + 1);
            PrintValue(out, item, level + 1);
        }
        out += u')';
        break;
    case TFormValue::Kind::Collection:
        out += u'<';
        for (const auto &item : v.Collection) {
            out += u'\n' + Indent(level + 1) + QStringLiteral("item\n");
            PrintProperties(out, item, level + 2);
            out += Indent(level + 1) + QStringLiteral("end");
        }
        out += u'>';
        break;
    }
}

void PrintProperties(QString &out, const std::vector<TFormProperty> &props, int level)
{
    for (const TFormProperty &p : props) {
        out += Indent(level) + p.Path + QStringLiteral(" = ");
        PrintValue(out, p.Value, level);
        out += u'\n';
    }
}

void PrintObject(QString &out, const TFormObject &o, int level)
{
    out += Indent(level) + QStringLiteral("object ");
    out += o.Name.isEmpty() ? o.ClassName : o.Name + QStringLiteral(": ") + o.ClassName;
    out += u'\n';
    PrintProperties(out, o.Properties, level + 1);
    for (const TFormObject &child : o.Children)
        PrintObject(out, child, level + 1);
    out += Indent(level) + QStringLiteral("end\n");
}

}  // namespace

TFormObject ParseFormText(const QString &text, const QString &fileName)
{
    return Parser(text, fileName).ParseRoot();
}

QString PrintFormText(const TFormObject &object)
{
    QString out;
    PrintObject(out, object, 0);
    return out;
}
