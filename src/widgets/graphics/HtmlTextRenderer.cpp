#include "widgets/graphics/HtmlTextRenderer.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <string>

#include "platform/ui/Bitmap.h"
#include "platform/ui/CanvasGdi.h"
#include "platform/ui/GraphicsFont.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/ShellIcons.h"
#include "widgets/graphics/AdvGDIP.h"
#include "widgets/graphics/GDIPPictureContainer.h"

namespace {

// ---- Preparation of the text ---------------------------------------------------------------------

// Stand-ins for "<", ">" and the non-breaking blank until the text is cut into chunks: they can
// neither open a tag nor end a word. Non-characters, so no text holds them.
constexpr char16_t LessThanMark = 0xFDD0;
constexpr char16_t GreaterThanMark = 0xFDD1;
constexpr char16_t NonBreakingMark = 0xFDD2;

struct Entity {
    const char *name;
    char16_t replacement;
    bool anyCase;
};

// The entities, each replaced once where it stands.
constexpr Entity Entities[] = {
    {"&amp;", u'&', true},         {"&quot;", u'"', true},
    {"&sect;", 0x00A7, true},      {"&permil;", 0x2030, true},
    {"&reg;", 0x00AE, true},       {"&copy;", 0x00A9, true},
    {"&para;", 0x00B6, true},      {"&trade;", 0x2122, true},
    {"&euro;", 0x20AC, true},      {"&nbsp;", NonBreakingMark, false},
    {"&lt;", LessThanMark, false}, {"&gt;", GreaterThanMark, false},
};

// One pass from left to right: what an entity turns into is never read as part of another.
QString ReplaceEntities(const QString &text)
{
    if (!text.contains(u'&'))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        if (text[i] == u'&') {
            const Entity *found = nullptr;
            for (const Entity &e : Entities) {
                const QLatin1String name(e.name);
                if (QStringView(text)
                        .mid(i, name.size())
                        .compare(name, e.anyCase ? Qt::CaseInsensitive : Qt::CaseSensitive) == 0) {
                    found = &e;
                    break;
                }
            }
            if (found) {
                out += QChar(found->replacement);
                i += static_cast<qsizetype>(std::char_traits<char>::length(found->name));
                continue;
            }
        }
        out += text[i++];
    }
    return out;
}

QString Prepare(const QString &text)
{
    QString s = ReplaceEntities(text);
    if (const qsizetype open = s.indexOf(QLatin1String("<#")); open >= 0) {
        s.remove(open, 1);
        if (const qsizetype close = s.indexOf(u'>', open); close >= 0)
            s.remove(close, 1);
    }
    s.replace(u'\r', QLatin1String("<BR>"));
    s.remove(u'\n');
    return s;
}

// The chunk as it shows.
QString Shown(QString chunk)
{
    chunk.replace(QChar(NonBreakingMark), u' ');
    chunk.replace(QChar(LessThanMark), u'<');
    chunk.replace(QChar(GreaterThanMark), u'>');
    return chunk;
}

// A tag's text as written (the stand-ins back to their entities).
QString Written(QString tag)
{
    tag.replace(QChar(NonBreakingMark), QLatin1String("&nbsp;"));
    tag.replace(QChar(LessThanMark), QLatin1String("&lt;"));
    tag.replace(QChar(GreaterThanMark), QLatin1String("&gt;"));
    return tag;
}

// Upper case letter by letter, so that positions stay those of the text.
QString UpperSameLength(const QString &s)
{
    QString u = s;
    for (QChar &c : u)
        c = c.toUpper();
    return u;
}

// The leading integer of a text (0 when it does not start with digits).
int LeadingInt(const QString &s)
{
    int n = 0;
    qsizetype i = 0;
    bool negative = false;
    if (i < s.size() && s[i] == u'-') {
        negative = true;
        ++i;
    }
    for (; i < s.size() && s[i].isDigit() && s[i].unicode() < 128; ++i)
        n = std::min(n * 10 + (s[i].unicode() - u'0'), 1000000);
    return negative ? -n : n;
}

// ---- Tags ----------------------------------------------------------------------------------------

// One tag at the front of the remaining text: its text as written and upper-cased.
struct Tag {
    QString text;
    QString upper;
    bool closing = false;
    QChar letter;  // the letter that selects the tag, upper case
    QChar next;    // the character after it (upper case), or null

    // The value between the first two double quotes after the attribute's name; `found` says
    // whether the name is there.
    QString Value(const char *name, bool *found = nullptr) const
    {
        const qsizetype at = upper.indexOf(QLatin1String(name));
        if (found)
            *found = at >= 0;
        if (at < 0)
            return {};
        const qsizetype open = text.indexOf(u'"', at + static_cast<qsizetype>(std::strlen(name)));
        if (open < 0)
            return {};
        qsizetype close = text.indexOf(u'"', open + 1);
        if (close < 0)
            close = text.endsWith(u'>') ? text.size() - 1 : text.size();
        return text.mid(open + 1, close - open - 1);
    }
    bool Has(const char *name) const { return upper.contains(QLatin1String(name)); }
};

Tag ReadTag(const QString &s)
{
    Tag t;
    const qsizetype end = s.indexOf(u'>');
    t.text = Written(end < 0 ? s : s.left(end + 1));
    t.upper = UpperSameLength(t.text);
    t.closing = t.upper.size() > 1 && t.upper[1] == u'/';
    const qsizetype at = t.closing ? 2 : 1;
    t.letter = at < t.upper.size() ? t.upper[at] : QChar();
    t.next = at + 1 < t.upper.size() ? t.upper[at + 1] : QChar();
    return t;
}

// A colour attribute's value: "#RRGGBB", a colour name, or clNone when empty.
TColor ColorValue(const QString &value)
{
    if (value.isEmpty())
        return clNone;
    if (value.startsWith(u'#'))
        return HTMLHexColor(value.toUpper());
    return HTMLColorByName(value.toLower());
}

// ---- Working state -------------------------------------------------------------------------------

enum class Align { Left, Right, Center };

// Everything the tags change; the measuring and the drawing pass each keep one, so that both
// passes over a line start from the state at the end of the previous line.
struct State {
    std::unique_ptr<TFont> font = std::make_unique<TFont>();  // changed by tags
    std::unique_ptr<TFont> base = std::make_unique<TFont>();  // the caller's, never changed
    TColor background = clNone;                               // clNone: no background
    TColor savedBackground = clNone;
    TColor hiText = clNone, hiBackground = clNone;
    TColor anchorBackground = clNone, anchorText = clNone;
    bool hoverBackgroundSet = false, hoverTextSet = false;
    bool inAnchor = false, sub = false, sup = false, shadow = false, error = false, hidden = false;
    QString anchor;          // HREF of the anchor being read
    bool anchorHit = false;  // the point lies on this anchor's text on the line
    int anchorStart = 0;
    bool anchorStartedOnLine = false;
    int listLevel = 0, anchorCount = 0, imageCount = 0;
    Align align = Align::Left;
    int indent = 0;
    int offset = 0;  // OF

    explicit State(TFont *callerFont)
    {
        font->Assign(callerFont);
        base->Assign(callerFont);
    }
};

// The caller's settings and the outputs of one call.
struct Call {
    TGPGraphics *g = nullptr;
    TCustomImageList *images = nullptr;
    int hitX = 0, hitY = 0, focused = -1, hovered = -1, shadowOffset = 0;
    bool printing = false, selected = false, blink = false, hoverOnly = false, wordWrap = true;
    double scale = 1.0;
    TColor anchorColor = clNone, hoverBackground = clNone, hoverText = clNone, shadowColor = clNone;
    TGDIPPictureContainer *container = nullptr;
    TRect frame;
    // Outputs.
    QString anchorValue, plain, focusAnchor;
    int mouseAnchor = -1;
    TRect hoverRect;
    bool hoverRectSet = false;
    int imageHit = -1;  // number of the image under the hit point
};

enum class Mode { Measure, Draw, HitTest };

// What the measuring pass learns about a line, and what the second pass reports.
struct Line {
    QString source;  // text and tags of the line
    int width = 0;
    int height = 0;
    int subExtra = 0, supExtra = 0;
    int imageOffset = 0;
    bool anchorTextHit = false;
    bool imageFound = false;
};

// The colour of the initial background (the framework brush's white), which BLINK text takes.
constexpr TColor InitialBackground = clWhite;

int GhHeight(TGPGraphics *g, TFont *font)
{
    return g->TextHeight(QStringLiteral("gh"), font);
}

// ---- One line --------------------------------------------------------------------------------------

class LineRenderer {
public:
    LineRenderer(Call &c, State &st, Mode mode, QString &s, TRect r, Line &line)
        : c_(c), st_(st), mode_(mode), s_(s), r_(r), line_(line)
    {}

    void Run()
    {
        if (mode_ != Mode::Measure)
            r_.Bottom -= line_.subExtra;
        pen_ = r_.Left + (mode_ == Mode::Draw ? st_.offset : 0);
        st_.anchorStartedOnLine = false;
        while (!s_.isEmpty() && !ended_) {
            Chunk();
            if (s_.startsWith(u'<') && s_.size() <= 2)
                s_.clear();
            if (!ended_ && s_.startsWith(u'<') && s_.size() >= 3)
                ApplyTag();
        }
        line_.width = w_;
    }

private:
    bool Measuring() const { return mode_ != Mode::Draw; }

    void Chunk()
    {
        const qsizetype lt = s_.indexOf(u'<');
        const qsizetype blank = c_.wordWrap ? s_.indexOf(u' ') : -1;
        QString source;
        if (lt < 0 || (blank >= 0 && blank < lt))
            source = blank < 0 ? s_ : s_.left(blank + 1);
        else
            source = s_.left(lt);
        if (source.isEmpty())
            return;
        const QString text = Shown(source);
        TFont *font = st_.font.get();
        const int h = c_.g->TextHeight(text, font);
        line_.height = std::max(line_.height, h);
        if (st_.sub && line_.subExtra < h / 4)
            line_.subExtra = h / 2;
        if (st_.sup && line_.supExtra < h / 4)
            line_.supExtra = h / 2;
        if (st_.hidden) {
            if (mode_ == Mode::Measure)
                c_.plain += text;
            s_.remove(0, source.size());
            return;
        }
        int w = 0;
        if (Measuring()) {
            w = text == QLatin1String(" ") ? 0 : Width(text);
            w_ += w;
            const int x = c_.hitX - r_.Left;
            if (st_.inAnchor && x >= w_ - w && x <= w_) {
                st_.anchorHit = true;
                line_.anchorTextHit = true;
                if (c_.hitY > r_.Top && c_.hitY < r_.Top + GhHeight(c_.g, font))
                    c_.anchorValue = st_.anchor;
            }
        } else {
            Draw(source, text);
        }
        // Only the measuring pass decides where a line ends; the second pass draws its source.
        bool accept = true;
        if (mode_ == Mode::Measure) {
            const int available = r_.Right - r_.Left - st_.offset;
            accept = !(available < w_ && w < available);
            if (!accept && !shown_.isEmpty() && !shown_.endsWith(u' '))
                accept = true;  // the rest of a word a tag interrupted
            if (!c_.wordWrap)
                accept = true;
        }
        if (!accept) {
            w_ -= w;
            ended_ = true;
            return;
        }
        s_.remove(0, source.size());
        line_.source += source;
        shown_ += text;
        if (mode_ == Mode::Measure)
            c_.plain += text;
    }

    int Width(const QString &text)
    {
        TRect m(pen_, r_.Top, r_.Right, r_.Bottom);
        c_.g->DrawText(text, -1, m, st_.font.get(), DT_CALCRECT);
        return std::max(0, m.Right - m.Left);
    }

    void Draw(const QString &source, const QString &text)
    {
        TFont *font = st_.font.get();
        TRect box(pen_, r_.Top, r_.Right, r_.Bottom);
        if (st_.sup)
            box.Top -= line_.supExtra / 2;
        if (st_.sub)
            box.Top += line_.subExtra / 2;
        if (st_.shadow) {
            TFont shadow;
            shadow.Assign(font);
            shadow.SetColor(c_.shadowColor);
            TRect at = box;
            at.Offset(c_.shadowOffset, c_.shadowOffset);
            c_.g->DrawText(text, -1, at, &shadow, 0, st_.background);
        }
        if (text != QLatin1String(" ")) {
            TRect at = box;
            c_.g->DrawText(UnderlineRunsOn(source) ? text + u'_' : text, -1, at, font, 0, st_.background);
        }
        const int w = Width(text);
        if (st_.inAnchor && st_.anchorCount == c_.focused + 1)
            c_.focusAnchor = st_.anchor;
        if (st_.error)
            Zigzag(box.Left, box.Left + w);
        pen_ = box.Left + w;
    }

    // An underlined chunk runs its underline on under the blank that follows it when the next
    // word belongs to the same anchor.
    bool UnderlineRunsOn(const QString &source) const
    {
        if (!st_.font->Style().Contains(fsUnderline))
            return false;
        QString after = s_.mid(source.size());
        if (const qsizetype blank = after.indexOf(u' '); blank >= 0)
            after = after.left(blank + 1);
        if (const qsizetype lt = after.indexOf(u'<'); lt >= 0)
            after = after.left(lt);
        if (after.isEmpty())
            return false;
        const qsizetype blank = s_.indexOf(u' ');
        return blank >= 0 && s_.indexOf(QLatin1String("</A"), blank, Qt::CaseInsensitive) >= 0;
    }

    void Zigzag(int left, int right)
    {
        TGPPen pen(ARGBFromColor(clRed), 1);
        const int x0 = left - (left & 1);
        bool up = false;
        for (int x = x0; x < right; x += 2) {
            const int y1 = r_.Bottom - (up ? 4 : 2), y2 = r_.Bottom - (up ? 2 : 4);
            c_.g->DrawLine(&pen, static_cast<REAL>(x), static_cast<REAL>(y1), static_cast<REAL>(x + 2),
                           static_cast<REAL>(y2));
            up = !up;
        }
    }

    // ---- Tags ----

    void ApplyTag()
    {
        const Tag t = ReadTag(s_);
        const bool keep = Apply(t);
        if (keep)
            return;  // the tag stays for the next line
        const qsizetype end = s_.indexOf(u'>');
        if (end < 0) {
            s_.clear();
            return;
        }
        line_.source += s_.left(end + 1);
        s_.remove(0, end + 1);
    }

    bool DrawPass() const { return mode_ == Mode::Draw; }

    // Applies the tag; true when the line ends before it (it stays in the text).
    bool Apply(const Tag &t)
    {
        const QChar n = t.next;
        switch (t.letter.unicode()) {
        case u'A': t.closing ? AnchorEnd() : AnchorStart(t); break;
        case u'B':
            if (!t.closing && n == u'>')
                SetStyle(fsBold, true);
            else if (t.closing && n == u'>')
                SetStyle(fsBold, false);
            else if (t.closing)
                SetTextColor(st_.base->Color(), false);
            else if (n == u'L') {
                if (!c_.blink)
                    SetTextColor(InitialBackground, false);
            } else if (n == u'O')
                Body(t);
            else if (n == u'R') {
                if (mode_ == Mode::Measure)
                    c_.plain += u'\r';
                ended_ = true;
            }
            break;
        case u'E':
            if (DrawPass())
                st_.error = !t.closing;
            break;
        case u'F': t.closing ? FontEnd() : FontStart(t); break;
        case u'H':
            if (t.closing)
                HighlightEnd();
            else if (n == u'I')
                HighlightStart();
            else if (n == u'R') {
                if (DrawPass()) {
                    TGPPen pen(ARGBFromColor(clBlack), 1);
                    const REAL y = static_cast<REAL>(r_.Bottom + 1);
                    c_.g->DrawLine(&pen, static_cast<REAL>(r_.Left), y, static_cast<REAL>(r_.Right), y);
                }
                ended_ = true;
            }
            break;
        case u'I':
            if (t.closing || n == u'>')
                SetStyle(fsItalic, !t.closing);
            else if (n == u'N')
                Indent(t);
            else if (n == u'M')
                return Image(t);
            break;
        case u'L':
            if (t.closing)
                ended_ = true;
            else
                return ListItem(t);
            break;
        case u'O':
            if (t.closing)
                st_.offset = 0;
            else if (n == u'F') {
                const int x = LeadingInt(t.Value("X"));
                st_.offset = x;
                pen_ = x;
                w_ = x;
            }
            break;
        case u'P':
            if (t.closing) {
                if (DrawPass())
                    st_.background = clNone;
                ended_ = true;
            } else if (t.text.endsWith(u'>')) {
                Paragraph(t);
            }
            break;
        case u'S':
            if (!t.closing) {
                if (n == u'>')
                    SetStyle(fsStrikeOut, true);
                else if (n == u'H')
                    st_.shadow = true;
                else if (t.upper.startsWith(QLatin1String("<SUB>")))
                    st_.sub = true;
                else if (t.upper.startsWith(QLatin1String("<SUP>")))
                    st_.sup = true;
            } else if (n == u'H') {
                st_.shadow = false;
            } else if (n == u'U') {
                st_.sub = st_.sup = false;
            } else {
                SetStyle(fsStrikeOut, false);
            }
            break;
        case u'U':
            if (n == u'>')
                SetStyle(fsUnderline, !t.closing);
            else if (!t.closing) {
                ++st_.listLevel;
                ended_ = true;
            } else if (st_.listLevel > 0) {
                --st_.listLevel;
            } else {
                SetStyle(fsUnderline, false);
            }
            break;
        case u'Z': st_.hidden = !t.closing; break;
        default: break;
        }
        return false;
    }

    void SetStyle(TFontStyle style, bool on)
    {
        TFontStyles s = st_.font->Style();
        if (on)
            s << style;
        else
            s >> style;
        st_.font->SetStyle(s);
    }

    // The text colour, unless the text is selected (or `always`).
    void SetTextColor(TColor color, bool always)
    {
        if (always || !c_.selected)
            st_.font->SetColor(color);
    }

    bool Styled() const { return !(c_.hoverOnly && st_.anchorCount != c_.hovered); }

    void AnchorStart(const Tag &t)
    {
        ++st_.anchorCount;
        const qsizetype open = t.text.indexOf(u'"');
        const qsizetype close = open < 0 ? -1 : t.text.indexOf(u'"', open + 1);
        st_.anchor = open < 0 ? QString() : t.text.mid(open + 1, close < 0 ? -1 : close - open - 1);
        st_.hoverBackgroundSet = st_.hoverTextSet = false;
        if (Styled() && DrawPass()) {
            SetStyle(fsUnderline, true);
            if (c_.hoverBackground != clNone) {
                st_.anchorBackground = st_.background;
                st_.background = c_.hoverBackground;
                st_.hoverBackgroundSet = true;
            }
            if (c_.hoverText != clNone) {
                st_.anchorText = st_.font->Color();
                st_.font->SetColor(c_.hoverText);
                st_.hoverTextSet = true;
            }
        }
        if (c_.hoverText == clNone || st_.anchorCount != c_.hovered || !c_.hoverOnly)
            SetTextColor(c_.anchorColor, false);
        st_.inAnchor = true;
        st_.anchorHit = false;
        st_.anchorStart = r_.Left + w_;
        st_.anchorStartedOnLine = true;
    }

    void AnchorEnd()
    {
        if (Styled() && DrawPass()) {
            SetStyle(fsUnderline, false);
            if (st_.hoverBackgroundSet)
                st_.background = st_.anchorBackground;
            if (st_.hoverTextSet)
                st_.font->SetColor(st_.anchorText);
        }
        SetTextColor(st_.base->Color(), false);
        st_.inAnchor = false;
        if (st_.anchorHit) {
            c_.mouseAnchor = st_.anchorCount;
            c_.hoverRect = TRect(st_.anchorStartedOnLine ? st_.anchorStart : r_.Left, r_.Top, r_.Left + w_, r_.Bottom);
            c_.hoverRectSet = true;
            st_.anchorHit = false;
        }
    }

    void Body(const Tag &t)
    {
        if (!DrawPass() || c_.selected || !t.Has("BGCOLOR"))
            return;
        if (!t.Has("BGCOLORTO")) {
            st_.savedBackground = st_.background;
            st_.background = ColorValue(t.Value("BGCOLOR"));
        } else {
            st_.background = clNone;
        }
    }

    void FontStart(const Tag &t)
    {
        if (!t.text.endsWith(u'>'))
            return;
        bool found = false;
        const QString face = UpperSameLength(t.Value("FACE", &found));
        if (found)
            st_.font->SetName(face);
        const QString color = t.Value(" COLOR", &found);
        if (found && !color.isEmpty())
            SetTextColor(ColorValue(color), false);
        const QString background = t.Value("BGCOLOR", &found);
        if (found && DrawPass() && !c_.selected) {
            st_.savedBackground = st_.background;
            st_.background = ColorValue(background);
        }
        if (const qsizetype at = t.upper.indexOf(QLatin1String("SIZE")); at >= 0) {
            qsizetype i = t.text.indexOf(u'=', at);
            if (i >= 0) {
                ++i;
                if (i < t.text.size() && t.text[i] == u'"')
                    ++i;
                // HTML's size numbers 1 to 5, points otherwise.
                static const int sizes[] = {8, 10, 12, 14, 16};
                const int v = LeadingInt(t.text.mid(i));
                st_.font->SetSize(v >= 1 && v <= 5 ? sizes[v - 1] : v);
            }
        }
    }

    void FontEnd()
    {
        st_.font->SetName(st_.base->Name());
        st_.font->SetSize(st_.base->Size());
        if (DrawPass() && !c_.selected) {
            st_.font->SetColor(st_.base->Color());
            st_.background = st_.savedBackground;
        }
    }

    void HighlightStart()
    {
        if (!DrawPass())
            return;
        st_.hiText = st_.font->Color();
        st_.hiBackground = st_.background;
        st_.background = clHighlight;
        st_.font->SetColor(clHighlightText);
    }

    void HighlightEnd()
    {
        if (!DrawPass())
            return;
        st_.font->SetColor(st_.hiText);
        st_.background = st_.hiBackground;
    }

    void Indent(const Tag &t)
    {
        const QString v = t.Value("X");
        bool ok = false;
        const int n = v.toInt(&ok);
        if (ok && w_ < n) {
            w_ = n;
            pen_ = c_.frame.Left + n;
        }
    }

    void Paragraph(const Tag &t)
    {
        bool found = false;
        const QString align = t.Value("ALIGN", &found).toUpper();
        if (found) {
            if (align.contains(QLatin1String("RIGHT")))
                st_.align = Align::Right;
            if (align.contains(QLatin1String("LEFT")))
                st_.align = Align::Left;
            if (align.contains(QLatin1String("CENTER")))
                st_.align = Align::Center;
        }
        const QString indent = t.Value("INDENT", &found);
        if (found)
            st_.indent = LeadingInt(indent);
        if (t.Has("BGCOLORTO") && DrawPass())
            st_.background = clNone;
    }

    // The image of an IMG tag; true when it does not fit on the line (the tag stays).
    bool Image(const Tag &t)
    {
        ++st_.imageCount;
        bool alt = false;
        QString src = t.Value("SRC");
        const QString altValue = t.Value("ALT", &alt);
        if (alt && st_.imageCount == c_.imageHit)
            src = altValue;
        const int width = LeadingInt(t.Value("WIDTH")), height = LeadingInt(t.Value("HEIGHT"));
        const QString upperSrc = src.toUpper();
        const bool draw = mode_ == Mode::Draw;
        int iw = 0, ih = 0;
        if (upperSrc.startsWith(QLatin1String("IDX:"))) {
            const int index = LeadingInt(src.mid(4));
            if (c_.images && index >= 0 && index < c_.images->Count()) {
                iw = c_.images->Width();
                ih = c_.images->Height();
                if (draw && !c_.printing)
                    if (HDC dc = c_.g->GetHDC()) {
                        c_.images->Draw(dc, pen_, r_.Top, index);
                        c_.g->ReleaseHDC(dc);
                    }
            }
        } else if (upperSrc.startsWith(QLatin1String("SSYS:")) || upperSrc.startsWith(QLatin1String("LSYS:"))) {
            const bool large = upperSrc.startsWith(u'L');
            TSize size;
            HDC dc = draw ? c_.g->GetHDC() : nullptr;
            DrawShellIcon(dc, pen_, r_.Top, size, c_.scale, c_.printing, draw && dc, large, src.mid(5));
            if (dc)
                c_.g->ReleaseHDC(dc);
            iw = size.cx;
            ih = size.cy;
        } else if (!src.contains(u':') && c_.container) {
            TAdvGDIPPicture *picture = c_.container->FindPicture(src);
            if (picture && !picture->Empty()) {
                if (width >= 1 && height >= 1) {
                    iw = width;
                    ih = height;
                } else {
                    picture->GetImageSizes();
                    iw = picture->Width();
                    ih = picture->Height();
                }
                if (draw)
                    picture->GDIPDraw(c_.g, TRect(pen_, r_.Top, pen_ + iw, r_.Top + ih));
            }
        }
        const int x = c_.hitX - r_.Left;
        if (x > w_ && x < w_ + iw && c_.hitY > r_.Top && c_.hitY < r_.Top + ih && st_.inAnchor) {
            c_.anchorValue = st_.anchor;
            c_.imageHit = st_.imageCount;
            line_.imageFound = true;
        }
        const int room = r_.Right - r_.Left;
        if (w_ + iw > room && iw < room) {
            --st_.imageCount;  // counted again on the next line
            ended_ = true;
            return true;
        }
        w_ += iw;
        pen_ += iw;
        line_.height = std::max(line_.height, ih);
        const int gh = GhHeight(c_.g, st_.font.get());
        if (t.upper.contains(QLatin1String("\"TOP")))
            line_.imageOffset = line_.height - gh;
        else if (t.upper.contains(QLatin1String("\"MIDDLE")))
            line_.imageOffset = (line_.height - gh) / 2;
        if (t.Has("WRAP")) {
            line_.height = gh;
            line_.imageOffset = 0;
        }
        return false;
    }

    // A list item; true when the line already holds one (this one starts the next line).
    bool ListItem(const Tag &t)
    {
        const QString type = t.Value("TYPE").toUpper();
        const TColor color = ColorValue(t.Value("COLOR"));
        const QString name = t.Value("NAME");
        if (hasListItem_) {
            ended_ = true;
            return true;
        }
        hasListItem_ = true;
        w_ += 12 * st_.listLevel;
        pen_ += 12 * st_.listLevel - 12;
        if (mode_ == Mode::Draw && !st_.hidden)
            Bullet(type, color, name);
        pen_ += 12;
        return false;
    }

    void Bullet(const QString &type, TColor color, const QString &name)
    {
        const REAL x = static_cast<REAL>(pen_), y = static_cast<REAL>(r_.Top + 2);
        if (type == QLatin1String("SQUARE") || type == QLatin1String("CIRCLE")) {
            TGPSolidBrush brush(ARGBFromAlphaColor(255, color));
            if (type.startsWith(u'S'))
                c_.g->FillRectangle(&brush, x, y, 8.0f, 8.0f);
            else
                c_.g->FillEllipse(&brush, x, y, 8.0f, 8.0f);
            return;
        }
        if (type == QLatin1String("IMAGE")) {
            TAdvGDIPPicture *picture = c_.container ? c_.container->FindPicture(name) : nullptr;
            if (picture && !picture->Empty()) {
                picture->GetImageSizes();
                const int w = picture->Width(), h = picture->Height();
                picture->GDIPDraw(c_.g, TRect(pen_, r_.Top + 2, pen_ + w, r_.Top + 2 + h));
                if (w > 12)
                    pen_ += w - 12;
            }
            return;
        }
        TFont *font = st_.font.get();
        const QString oldName = font->Name();
        const TColor oldColor = font->Color();
        font->SetName(QStringLiteral("Symbol"));
        if (color != clNone)
            font->SetColor(color);
        TRect at(pen_, r_.Top, r_.Right, r_.Bottom);
        // Even levels an "o", odd levels a round dot.
        c_.g->DrawText(st_.listLevel % 2 == 0 ? QStringLiteral("o") : QString(QChar(0x2022)), -1, at, font, 0,
                       st_.background);
        font->SetName(oldName);
        font->SetColor(oldColor);
    }

    Call &c_;
    State &st_;
    Mode mode_;
    QString &s_;
    TRect r_;
    Line &line_;
    int w_ = 0;    // line width so far
    int pen_ = 0;  // where the next chunk goes (draw pass)
    bool ended_ = false;
    bool hasListItem_ = false;
    QString shown_;  // the line's text so far, as shown
};

}  // namespace

// ---- Colours ----------------------------------------------------------------------------------------

TColor HTMLColorByName(const QString &name)
{
    // The names a colour attribute may give.
    static const struct {
        const char *name;
        std::uint32_t color;
    } names[] = {
        {"clred", 0x0000FF},
        {"clblack", 0x000000},
        {"clblue", 0xFF0000},
        {"clgreen", 0x008000},
        {"claqua", 0xFFFF00},
        {"clyellow", 0x00FFFF},
        {"clfuchsia", 0xFF00FF},
        {"clwhite", 0xFFFFFF},
        {"cllime", 0x00FF00},
        {"clsilver", 0xC0C0C0},
        {"clgray", 0x808080},
        {"clolive", 0x008080},
        {"clnavy", 0x800000},
        {"clpurple", 0x800080},
        {"clteal", 0x808000},
        {"clmaroon", 0x000080},
        {"clbackground", 0xFF000001},
        {"clactivecaption", 0xFF000002},
        {"clinactivecaption", 0xFF000003},
        {"clmenu", 0xFF000004},
        {"clwindow", 0xFF000005},
        {"clwindowframe", 0xFF000006},
        {"clmenutext", 0xFF000007},
        {"clwindowtext", 0xFF000008},
        {"clcaptiontext", 0xFF000009},
        {"clactiveborder", 0xFF00000A},
        {"clinactiveborder", 0xFF00000B},
        {"clappworkspace", 0xFF00000C},
        {"clhighlight", 0xFF00000D},
        {"clhighlighttext", 0xFF00000E},
        {"clbtnface", 0xFF00000F},
        {"clbtnshadow", 0xFF000010},
        {"clgraytext", 0xFF000011},
        {"clbtntext", 0xFF000012},
        {"clinactivecaptiontext", 0xFF000013},
        {"clbtnhighlight", 0xFF000014},
        {"cl3ddkshadow", 0xFF000015},
        {"cl3dlight", 0xFF000016},
        {"clinfotext", 0xFF000017},
        {"clinfobk", 0xFF000018},
    };
    for (const auto &n : names)
        if (name == QLatin1String(n.name))
            return static_cast<TColor>(n.color);
    return 0;
}

TColor HTMLHexColor(const QString &value)
{
    const auto digit = [](QChar c) -> int {
        const char16_t u = c.toUpper().unicode();
        if (u >= u'0' && u <= u'9')
            return u - u'0';
        if (u >= u'A' && u <= u'F')
            return u - u'A' + 10;
        return -1;
    };
    // One channel from the pair at `at`; 0 when the pair is cut short or not hexadecimal.
    const auto channel = [&](qsizetype at) -> TColor {
        if (at + 1 >= value.size())
            return 0;
        const int hi = digit(value[at]), lo = digit(value[at + 1]);
        return hi < 0 || lo < 0 ? 0 : static_cast<TColor>(hi * 16 + lo);
    };
    return channel(1) | (channel(3) << 8) | (channel(5) << 16);
}

// ---- Shell icons ------------------------------------------------------------------------------------

void DrawShellIcon(TCanvas *canvas, int x, int y, TSize &size, double scale, bool printing, bool draw, bool large,
                   const QString &path)
{
    size = TSize();
    bool number = false;
    path.toInt(&number);
    if (number)
        return;  // an icon number of the system image list: this desktop has none
    const int side = ShellIconSize(large);
    size = TSize(side, side);
    if (!draw || !canvas)
        return;
    const QImage icon = ShellIcon(path, large);
    if (icon.isNull())
        return;
    if (!printing) {
        canvas->DrawImage(TRect(x, y, x + side, y + side), icon, TRect(0, 0, side, side), true);
        return;
    }
    // Printed: the icon on a bitmap of its own, copied stretched and opaque.
    TBitmap flat(side, side);
    flat.Canvas()->DrawImage(TRect(0, 0, side, side), icon, TRect(0, 0, side, side), true);
    const int w = static_cast<int>(std::nearbyint(side * scale)), h = static_cast<int>(std::nearbyint(side * scale));
    canvas->DrawImage(TRect(x, y, x + w, y + h), flat.Image(), TRect(0, 0, side, side), false);
}

// ---- The text ---------------------------------------------------------------------------------------

bool RenderHTML(TGPGraphics *graphics, TFont *font, const QString &text, const TRect &rect, TCustomImageList *images,
                int hitX, int hitY, int focusedAnchor, int hoveredAnchor, int shadowOffset, bool hitTestOnly,
                bool measureOnly, bool printing, bool selected, bool blinkPhase, bool hoverOnly, bool wordWrap,
                double scale, TColor anchorColor, TColor hoverBackground, TColor hoverTextColor, TColor shadowColor,
                QString &anchorValue, QString &plainText, QString &focusAnchorValue, int &width, int &height,
                int &anchorCount, int &mouseAnchor, TRect &hoverRect, void *, TGDIPPictureContainer *pictureContainer,
                int lineSpacing)
{
    anchorValue.clear();
    plainText.clear();
    focusAnchorValue.clear();
    width = height = anchorCount = 0;
    mouseAnchor = -1;
    if (!graphics || !font)
        return false;

    Call c;
    c.g = graphics;
    c.images = images;
    c.hitX = hitX;
    c.hitY = hitY;
    c.focused = focusedAnchor;
    c.hovered = hoveredAnchor;
    c.shadowOffset = shadowOffset;
    c.printing = printing;
    c.selected = selected;
    c.blink = blinkPhase;
    c.hoverOnly = hoverOnly;
    c.wordWrap = wordWrap;
    c.scale = scale;
    c.anchorColor = anchorColor;
    c.hoverBackground = hoverBackground;
    c.hoverText = hoverTextColor;
    c.shadowColor = shadowColor;
    c.container = pictureContainer;
    c.frame = rect;
    State measuring(font), drawing(font);
    QString s = Prepare(text);
    TRect lineRect = rect;
    lineRect.Left += 1;
    bool result = false, anyLine = false;
    int ysize = 0, xsize = 0;
    while (!s.isEmpty()) {
        anyLine = true;
        measuring.sub = measuring.sup = drawing.sub = drawing.sup = false;
        Line line;
        line.height = GhHeight(graphics, measuring.font.get());
        LineRenderer(c, measuring, Mode::Measure, s, lineRect, line).Run();
        if (!s.isEmpty())
            line.height += lineSpacing;
        TRect box = lineRect;
        if (measuring.align == Align::Right && box.Right - line.width > box.Left)
            box.Left = box.Right - line.width;
        else if (measuring.align == Align::Center && box.Right - box.Left - line.width > 0)
            box.Left += (box.Right - box.Left - line.width) / 2;
        box.Left += measuring.indent;
        const int advance = line.height + line.subExtra + line.supExtra;
        box.Bottom = box.Top + advance;
        if (!measureOnly) {
            QString source = line.source;
            Line second;
            second.height = line.height;
            second.subExtra = line.subExtra;
            second.supExtra = line.supExtra;
            LineRenderer(c, drawing, hitTestOnly ? Mode::HitTest : Mode::Draw, source, box, second).Run();
            const int gh = GhHeight(graphics, drawing.font.get());
            const int bottom = box.Bottom - second.imageOffset;
            if ((hitTestOnly && second.anchorTextHit && hitY > bottom - gh && hitY < bottom) || second.imageFound)
                result = true;
        }
        lineRect.Top += advance;
        ysize += advance;
        if (line.width > xsize)
            xsize = line.width + 2;
        if (!measureOnly && lineRect.Top + GhHeight(graphics, measuring.font.get()) > rect.Bottom)
            break;
    }
    height = (anyLine ? ysize : GhHeight(graphics, font)) + 2;
    width = xsize;
    anchorValue = c.anchorValue;
    plainText = c.plain;
    focusAnchorValue = c.focusAnchor;
    anchorCount = measuring.anchorCount;
    mouseAnchor = c.mouseAnchor;
    if (c.hoverRectSet)
        hoverRect = c.hoverRect;
    return result;
}
