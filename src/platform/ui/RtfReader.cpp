#include "platform/ui/RtfReader.h"

#include "platform/ui/RtfCodePage.h"

#include <QFont>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace {

struct CharProps {
    bool bold = false, italic = false, underline = false, strike = false;
    int font = -1;            // index into the font table, -1 = the document default
    int halfPoints = 24;      // \fs, 12 pt unless the document says otherwise
    int fore = 0, back = 0;   // colour table indexes, 0 = automatic
    int vertical = 0;         // 1 superscript, -1 subscript
};

struct ParaProps {
    Qt::Alignment align = Qt::AlignLeft;
    int left = 0, right = 0, first = 0;  // twips
    int before = 0, after = 0;           // twips
};

struct Run {
    QString text;
    CharProps props;
};

struct Paragraph {
    ParaProps props;
    std::vector<Run> runs;
};

struct FontEntry {
    QString name;
    int charset = -1;
};

enum class Dest { Text, FontTable, ColorTable, Skip };

struct GroupState {
    CharProps chars;
    ParaProps para;
    Dest dest = Dest::Text;
    int unicodeSkip = 1;  // \uc: fallback characters that follow each \u
};

// Control words that open a destination whose content is never shown.
bool IsHiddenDestination(std::string_view word)
{
    static const char *const hidden[] = {
        "stylesheet", "info", "pict", "object", "header", "headerl", "headerr", "headerf",
        "footer", "footerl", "footerr", "footerf", "footnote", "fldinst", "listtable",
        "listoverridetable", "rsidtbl", "generator", "xmlnstbl", "themedata",
        "colorschememapping", "latentstyles", "datastore", "revtbl", "filetbl", "bkmkstart",
        "bkmkend", "nonshppict", "shppict", "private", "template", "userprops", "xe", "tc",
        "annotation", "atnid", "atnauthor", "comment", "keywords", "doccomm", "title", "subject",
        "author", "operator", "company", "mmathPr", "pgdsctbl", "wgrffmtfilter"};
    for (const char *h : hidden)
        if (word == h)
            return true;
    return false;
}

class Reader {
public:
    Reader(std::string_view rtf, int dpi) : src_(rtf), dpi_(dpi) {}

    void Build(QTextDocument &doc)
    {
        Parse();
        FlushBytes();
        current_.props = finalPara_;
        EndParagraph(/*always=*/false);
        Emit(doc);
    }

private:
    void Parse()
    {
        std::vector<GroupState> stack;
        GroupState state;
        while (pos_ < src_.size()) {
            const unsigned char c = static_cast<unsigned char>(src_[pos_]);
            if (c == '{') {
                ++pos_;
                FlushBytes();
                stack.push_back(state);
                groupStart_ = true;
            } else if (c == '}') {
                ++pos_;
                FlushBytes();
                if (state.dest == Dest::FontTable)
                    EndFontEntry();
                if (stack.empty())
                    return;  // a stray closing brace
                if (stack.size() == 1) {
                    finalPara_ = state.para;
                    return;  // the document's closing brace (anything after it is ignored)
                }
                state = stack.back();
                stack.pop_back();
                groupStart_ = false;
            } else if (c == '\\') {
                ++pos_;
                ControlWord(state);
            } else if (c == '\r' || c == '\n') {
                ++pos_;  // line breaks of the file carry no meaning
            } else {
                ++pos_;
                groupStart_ = false;
                Character(state, c);
            }
        }
        finalPara_ = state.para;  // a document cut short
    }

    void ControlWord(GroupState &state)
    {
        if (pos_ >= src_.size())
            return;
        const char c = src_[pos_];
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            ++pos_;
            ControlSymbol(state, c);
            groupStart_ = false;
            return;
        }
        const std::size_t start = pos_;
        while (pos_ < src_.size() && std::isalpha(static_cast<unsigned char>(src_[pos_])))
            ++pos_;
        const std::string_view word = src_.substr(start, pos_ - start);
        bool hasParam = false;
        long param = 0;
        bool negative = false;
        if (pos_ < src_.size() && src_[pos_] == '-') {
            negative = true;
            ++pos_;
        }
        while (pos_ < src_.size() && std::isdigit(static_cast<unsigned char>(src_[pos_]))) {
            hasParam = true;
            if (param < 100000000)
                param = param * 10 + (src_[pos_] - '0');
            ++pos_;
        }
        if (negative)
            param = -param;
        if (pos_ < src_.size() && src_[pos_] == ' ')
            ++pos_;  // the delimiting blank belongs to the control word
        const bool atGroupStart = groupStart_;
        groupStart_ = false;
        Apply(state, word, hasParam, static_cast<int>(param), atGroupStart);
    }

    void ControlSymbol(GroupState &state, char c)
    {
        switch (c) {
        case '\\':
        case '{':
        case '}':
            Character(state, static_cast<unsigned char>(c));
            break;
        case '~':
            AddText(state, QString(QChar(0x00A0)));
            break;
        case '_':
            AddText(state, QString(QChar(0x2011)));
            break;
        case '-':
            break;  // optional hyphen: not shown
        case '*':
            if (state.dest == Dest::Text || state.dest == Dest::FontTable ||
                state.dest == Dest::ColorTable) {
                // An ignorable destination: skip it unless it is one we read for its text.
                skipStarred_ = true;
            }
            break;
        case '\'': {
            int value = 0, digits = 0;
            while (digits < 2 && pos_ < src_.size() && std::isxdigit(static_cast<unsigned char>(src_[pos_]))) {
                const char h = static_cast<char>(std::tolower(static_cast<unsigned char>(src_[pos_++])));
                value = value * 16 + (h <= '9' ? h - '0' : h - 'a' + 10);
                ++digits;
            }
            if (digits == 2)
                AddByte(state, static_cast<unsigned char>(value));
            break;
        }
        case '\r':
        case '\n':
            if (state.dest == Dest::Text)
                EndParagraphWith(state);
            break;
        case '\t':
            AddText(state, QStringLiteral("\t"));
            break;
        default:
            break;
        }
    }

    void Apply(GroupState &state, std::string_view w, bool hasParam, int p, bool atGroupStart)
    {
        const bool on = !hasParam || p != 0;
        if (skipStarred_) {
            skipStarred_ = false;
            // \*\fldrslt-like text destinations are few; everything else after \* is skipped.
            if (w != "fldrslt" && w != "pntext" && w != "listtext") {
                state.dest = Dest::Skip;
                return;
            }
        }
        if (state.dest == Dest::Skip)
            return;
        if (atGroupStart && IsHiddenDestination(w)) {
            state.dest = Dest::Skip;
            return;
        }
        if (w == "fonttbl") {
            state.dest = Dest::FontTable;
            return;
        }
        if (w == "colortbl") {
            state.dest = Dest::ColorTable;
            colours_.clear();
            colourPending_ = QColor();
            return;
        }
        if (state.dest == Dest::FontTable) {
            if (w == "f") {
                EndFontEntry();
                fontNumber_ = p;
                fontBytes_.clear();
                fontCharset_ = -1;
            } else if (w == "fcharset") {
                fontCharset_ = p;
            }
            return;
        }
        if (state.dest == Dest::ColorTable) {
            if (!colourPending_.isValid())
                colourPending_ = QColor(0, 0, 0);
            if (w == "red")
                colourPending_.setRed(std::clamp(p, 0, 255));
            else if (w == "green")
                colourPending_.setGreen(std::clamp(p, 0, 255));
            else if (w == "blue")
                colourPending_.setBlue(std::clamp(p, 0, 255));
            return;
        }
        // Raw and \'hh bytes gather until a control word; decode them with the state they had.
        FlushBytes();

        CharProps &cp = state.chars;
        ParaProps &pp = state.para;
        if (w == "ansicpg") codePage_ = p;
        else if (w == "deff") defaultFont_ = p;
        else if (w == "plain") cp = CharProps();
        else if (w == "b") cp.bold = on;
        else if (w == "i") cp.italic = on;
        else if (w == "ul" || w == "uld" || w == "uldb" || w == "ulw" || w == "uldash") cp.underline = on;
        else if (w == "ulnone") cp.underline = false;
        else if (w == "strike" || w == "striked") cp.strike = on;
        else if (w == "fs") cp.halfPoints = hasParam && p > 0 ? p : 24;
        else if (w == "f") cp.font = p;
        else if (w == "cf") cp.fore = p;
        else if (w == "cb" || w == "highlight") cp.back = p;
        else if (w == "super") cp.vertical = 1;
        else if (w == "sub") cp.vertical = -1;
        else if (w == "nosupersub") cp.vertical = 0;
        else if (w == "pard") pp = ParaProps();
        else if (w == "ql") pp.align = Qt::AlignLeft;
        else if (w == "qc") pp.align = Qt::AlignHCenter;
        else if (w == "qr") pp.align = Qt::AlignRight;
        else if (w == "qj") pp.align = Qt::AlignJustify;
        else if (w == "li") pp.left = p;
        else if (w == "ri") pp.right = p;
        else if (w == "fi") pp.first = p;
        else if (w == "sb") pp.before = p;
        else if (w == "sa") pp.after = p;
        else if (w == "uc") state.unicodeSkip = std::max(0, p);
        else if (w == "u") {
            FlushBytes();
            AddText(state, QString(QChar(static_cast<char16_t>(p < 0 ? p + 65536 : p))));
            skipFallback_ = state.unicodeSkip;
        }
        else if (w == "par" || w == "page" || w == "row" || w == "sect") EndParagraphWith(state);
        else if (w == "line") AddText(state, QString(QChar(QChar::LineSeparator)));
        else if (w == "tab" || w == "cell") AddText(state, QStringLiteral("\t"));
        else if (w == "emdash") AddText(state, QString(QChar(0x2014)));
        else if (w == "endash") AddText(state, QString(QChar(0x2013)));
        else if (w == "bullet") AddText(state, QString(QChar(0x2022)));
        else if (w == "lquote") AddText(state, QString(QChar(0x2018)));
        else if (w == "rquote") AddText(state, QString(QChar(0x2019)));
        else if (w == "ldblquote") AddText(state, QString(QChar(0x201C)));
        else if (w == "rdblquote") AddText(state, QString(QChar(0x201D)));
    }

    void Character(GroupState &state, unsigned char c)
    {
        switch (state.dest) {
        case Dest::Skip:
            return;
        case Dest::FontTable:
            if (c == ';')
                EndFontEntry();
            else
                fontBytes_.push_back(static_cast<char>(c));
            return;
        case Dest::ColorTable:
            if (c == ';') {
                colours_.push_back(colourPending_);
                colourPending_ = QColor();
            }
            return;
        case Dest::Text:
            break;
        }
        if (c == '\t') {
            AddText(state, QStringLiteral("\t"));
            return;
        }
        if (c < 0x20)
            return;
        AddByte(state, c);
    }

    void AddByte(GroupState &state, unsigned char b)
    {
        if (state.dest == Dest::FontTable) {
            fontBytes_.push_back(static_cast<char>(b));
            return;
        }
        if (state.dest != Dest::Text)
            return;
        if (skipFallback_ > 0) {
            --skipFallback_;
            return;
        }
        if (pendingBytes_.empty())
            pendingState_ = state.chars;
        pendingBytes_.push_back(static_cast<char>(b));
    }

    void AddText(GroupState &state, const QString &text)
    {
        if (state.dest == Dest::FontTable) {
            fontBytes_ += text.toStdString();
            return;
        }
        if (state.dest != Dest::Text)
            return;
        FlushBytes();
        Append(state.chars, text);
    }

    void FlushBytes()
    {
        if (pendingBytes_.empty())
            return;
        const std::string bytes = std::move(pendingBytes_);
        pendingBytes_.clear();
        Append(pendingState_, DecodeRtfBytes(bytes, CodePageOf(pendingState_)));
    }

    int CodePageOf(const CharProps &props) const
    {
        const int number = props.font < 0 ? defaultFont_ : props.font;
        const auto it = fonts_.find(number);
        if (it != fonts_.end() && it->second.charset >= 0) {
            const int cp = CharsetCodePage(it->second.charset);
            if (cp > 0)
                return cp;
        }
        return codePage_;
    }

    void Append(const CharProps &props, const QString &text)
    {
        if (text.isEmpty())
            return;
        auto &runs = current_.runs;
        if (!runs.empty() && SameProps(runs.back().props, props))
            runs.back().text += text;
        else
            runs.push_back(Run{text, props});
    }

    static bool SameProps(const CharProps &a, const CharProps &b)
    {
        return a.bold == b.bold && a.italic == b.italic && a.underline == b.underline &&
               a.strike == b.strike && a.font == b.font && a.halfPoints == b.halfPoints &&
               a.fore == b.fore && a.back == b.back && a.vertical == b.vertical;
    }

    void EndParagraphWith(const GroupState &state)
    {
        FlushBytes();
        current_.props = state.para;
        EndParagraph(/*always=*/true);
    }

    void EndParagraph(bool always)
    {
        if (!always && current_.runs.empty())
            return;
        paragraphs_.push_back(std::move(current_));
        current_ = Paragraph();
    }

    void EndFontEntry()
    {
        if (fontNumber_ < 0)
            return;
        QString name;
        if (!fontBytes_.empty()) {
            const int cp = fontCharset_ >= 0 && CharsetCodePage(fontCharset_) > 0
                               ? CharsetCodePage(fontCharset_)
                               : codePage_;
            name = DecodeRtfBytes(fontBytes_, cp).trimmed();
        }
        fonts_[fontNumber_] = FontEntry{name, fontCharset_};
        fontBytes_.clear();
        fontNumber_ = -1;
        fontCharset_ = -1;
    }

    int Px(int twips) const { return static_cast<int>(std::lround(twips * dpi_ / 1440.0)); }

    QTextCharFormat CharFormat(const CharProps &p) const
    {
        QTextCharFormat f;
        const int number = p.font < 0 ? defaultFont_ : p.font;
        const auto it = fonts_.find(number);
        if (it != fonts_.end() && !it->second.name.isEmpty())
            f.setFontFamilies({it->second.name});
        // Sizes in whole pixels at the target resolution, as the platform's renderer lays them out.
        const double points = p.halfPoints / 2.0;
        f.setProperty(QTextFormat::FontPixelSize, static_cast<int>(std::lround(points * dpi_ / 72.0)));
        f.setFontWeight(p.bold ? QFont::Bold : QFont::Normal);
        f.setFontItalic(p.italic);
        f.setFontUnderline(p.underline);
        f.setFontStrikeOut(p.strike);
        if (p.vertical > 0)
            f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
        else if (p.vertical < 0)
            f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
        if (p.fore > 0 && p.fore < static_cast<int>(colours_.size()) && colours_[p.fore].isValid())
            f.setForeground(colours_[p.fore]);
        else
            f.setForeground(QColor(0, 0, 0));
        if (p.back > 0 && p.back < static_cast<int>(colours_.size()) && colours_[p.back].isValid())
            f.setBackground(colours_[p.back]);
        return f;
    }

    QTextBlockFormat BlockFormat(const ParaProps &p) const
    {
        QTextBlockFormat f;
        f.setAlignment(p.align);
        f.setLeftMargin(Px(p.left));
        f.setRightMargin(Px(p.right));
        f.setTextIndent(Px(p.first));
        f.setTopMargin(Px(p.before));
        f.setBottomMargin(Px(p.after));
        return f;
    }

    void Emit(QTextDocument &doc) const
    {
        doc.clear();
        doc.setDocumentMargin(0);
        QTextCursor cursor(&doc);
        bool first = true;
        for (const Paragraph &para : paragraphs_) {
            if (first)
                cursor.setBlockFormat(BlockFormat(para.props));
            else
                cursor.insertBlock(BlockFormat(para.props));
            // An empty paragraph still takes the height of its font.
            cursor.setBlockCharFormat(CharFormat(para.runs.empty() ? CharProps() : para.runs.front().props));
            first = false;
            for (const Run &run : para.runs)
                cursor.insertText(run.text, CharFormat(run.props));
        }
    }

    std::string_view src_;
    int dpi_;
    std::size_t pos_ = 0;
    bool groupStart_ = false;
    bool skipStarred_ = false;
    int skipFallback_ = 0;
    int codePage_ = 1252;
    int defaultFont_ = 0;
    std::map<int, FontEntry> fonts_;
    int fontNumber_ = -1;
    int fontCharset_ = -1;
    std::string fontBytes_;
    std::vector<QColor> colours_;
    QColor colourPending_;
    std::string pendingBytes_;
    CharProps pendingState_;
    Paragraph current_;
    ParaProps finalPara_;  // the formatting of a last paragraph without \par
    std::vector<Paragraph> paragraphs_;
};

}  // namespace

bool IsRtf(std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size() && std::isspace(static_cast<unsigned char>(bytes[i])))
        ++i;
    return bytes.substr(i, 5) == "{\\rtf";
}

void ReadRtf(std::string_view rtf, QTextDocument &doc, int dpi)
{
    Reader reader(rtf, dpi > 0 ? dpi : 96);
    reader.Build(doc);
}
