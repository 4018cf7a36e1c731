// Text output of TCanvas: TextOut with the text-align modes, TextRect, measuring and the formatted
// DrawText with its DT_* flags.

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <unordered_map>

#include "platform/ui/Canvas.h"
#include "platform/ui/CanvasPainter.h"

const QFont &TCanvas::CachedFont()
{
    if (!nativeFontValid_) {
        nativeFont_ = font_->NativeFont();
        nativeFontKey_ = nativeFont_.key();
        metrics_ = NativeFontMetrics(nativeFont_, font_->Height(), font_->Charset());
        nativeFontValid_ = true;
    }
    return nativeFont_;
}

const TTextMetric &TCanvas::CachedMetrics()
{
    CachedFont();
    return metrics_;
}

TTextMetric TCanvas::TextMetrics()
{
    return CachedMetrics();
}

int TCanvas::MeasuredWidth(const QString &text)
{
    // Laying a text out costs far more than looking its width up, and the same few texts are
    // measured over and over (captions, labels): widths are kept per font and text.
    constexpr std::size_t Kept = 4096;
    thread_local std::unordered_map<QString, int> widths;
    const QFont &font = CachedFont();
    QString key = nativeFontKey_;
    key += QChar(0);
    key += text;
    if (const auto it = widths.find(key); it != widths.end())
        return it->second;
    if (widths.size() >= Kept)
        widths.clear();
    const int width = QFontMetrics(font).horizontalAdvance(text);
    widths.emplace(std::move(key), width);
    return width;
}

int TCanvas::TextWidth(const QString &text)
{
    return MeasuredWidth(text);
}

int TCanvas::TextHeight(const QString &)
{
    return CachedMetrics().tmHeight;
}

TSize TCanvas::TextExtent(const QString &text)
{
    return {TextWidth(text), TextHeight(text)};
}

int TCanvas::RenderText(const QString &text, int x, int y, UINT align, const TRect *clip, bool fillBk,
                        int underlineFrom, int underlineCount)
{
    const QFont &font = CachedFont();
    const TTextMetric &m = metrics_;
    QFontMetrics fm(font);
    const int width = MeasuredWidth(text);

    // Offsets of the text cell's left edge and baseline from the reference point.
    int dx = 0;
    switch (align & TA_CENTER) {
    case TA_RIGHT: dx = -width; break;
    case TA_CENTER: dx = -width / 2; break;
    default: break;
    }
    int baseline = m.tmAscent;
    if ((align & TA_BASELINE) == TA_BASELINE)
        baseline = 0;
    else if (align & TA_BOTTOM)
        baseline = -m.tmDescent;

    // Declared before the painter, which reports the pixels it changed when it goes.
    const RecordScope recording(*this);
    TCanvasPainter p(*this);
    QRegion visible = p.Visible();
    if (clip) {
        if (clip->IsEmpty())
            return width;
        visible &= QRegion(p.R(*clip));
    }
    if (visible.isEmpty())
        return width;

    if (recording) {
        if (!recordedFont_) {
            auto copy = std::make_shared<TFont>();
            copy->Assign(font_.get());
            recordedFont_ = std::move(copy);
        }
        auto t = std::make_shared<TDrawText>();
        t->Text = text;
        t->Font = recordedFont_;
        t->Align = (align & ~TA_UPDATECP) | (state_.TextAlign & TA_RTLREADING);
        t->FillBk = fillBk;
        if (clip) {
            t->Clipped = true;
            t->ClipRect = ToSurface(*clip);
        }
        t->UnderlineFrom = underlineFrom;
        t->UnderlineCount = underlineCount;
        TDrawRecord r = NewRecord(TDrawKind::Text);
        r.Points = {ToSurface(x, y)};
        r.Text = std::move(t);
        Record(std::move(r));
    }
    QPainter qp(&p.Image());
    qp.setRenderHint(QPainter::Antialiasing, false);
    qp.setRenderHint(QPainter::TextAntialiasing, false);
    qp.setClipRegion(visible);
    qp.translate(p.X(x), p.Y(y));
    if (const int esc = font_->Orientation(); esc != 0)
        qp.rotate(-esc / 10.0);
    const QRect cell(dx, baseline - m.tmAscent, width, m.tmHeight);
    if (fillBk && width > 0)
        qp.fillRect(cell, QColor::fromRgb(p.ToPixel(state_.BkColor)));
    const QColor color = QColor::fromRgb(p.ToPixel(state_.TextColor));
    qp.setFont(font);
    qp.setPen(color);
    if (state_.TextAlign & TA_RTLREADING)
        qp.setLayoutDirection(Qt::RightToLeft);
    qp.drawText(QPoint(dx, baseline), text);
    if (underlineFrom >= 0 && underlineCount > 0 && underlineFrom < text.size()) {
        const int ux = dx + fm.horizontalAdvance(text.left(underlineFrom));
        const int uw = fm.horizontalAdvance(text.mid(underlineFrom, underlineCount));
        qp.fillRect(QRect(ux, baseline + 1, uw, 1), color);
    }
    p.Touch(qp.transform().mapRect(cell).adjusted(-2, -2, 2, 2).intersected(visible.boundingRect()));
    qp.end();
    return width;
}

void TCanvas::TextOut(int x, int y, const QString &text)
{
    if (!Ready())
        return;
    Changing();
    const bool updateCp = (state_.TextAlign & TA_UPDATECP) != 0;
    const int rx = updateCp ? state_.PenPos.X : x;
    const int ry = updateCp ? state_.PenPos.Y : y;
    const int width = RenderText(text, rx, ry, state_.TextAlign, nullptr, state_.BkMode == OPAQUE);
    state_.PenPos = {rx + width, ry};
    Changed();
}

void TCanvas::TextRect(const TRect &r, int x, int y, const QString &text)
{
    if (!Ready())
        return;
    Changing();
    if (state_.BkMode == OPAQUE && !r.IsEmpty()) {
        const RecordScope recording(*this);
        if (recording)
            RecordSolid(ToSurface(r), state_.BkColor);
        TCanvasPainter p(*this);
        p.FillSolid(p.R(r), p.ToPixel(state_.BkColor));
    }
    RenderText(text, x, y, state_.TextAlign, &r, false);
    Changed();
}

// ---- DrawText ---------------------------------------------------------------------------------------

namespace {

struct TextLine {
    QString Text;       // prefixes resolved
    int Underline = -1;  // index of the mnemonic character in Text
};

// Resolves "&&" to "&" and "&x" to x with x marked as the mnemonic.
TextLine ResolvePrefixes(const QString &s, bool process)
{
    TextLine out;
    if (!process) {
        out.Text = s;
        return out;
    }
    out.Text.reserve(s.size());
    for (int i = 0; i < s.size(); ++i) {
        if (s[i] == u'&' && i + 1 < s.size()) {
            ++i;
            if (s[i] != u'&' && out.Underline < 0)
                out.Underline = static_cast<int>(out.Text.size());
        } else if (s[i] == u'&') {
            continue;  // a lone ampersand at the end is dropped
        }
        out.Text.append(s[i]);
    }
    return out;
}

bool IsWide(QChar c)
{
    return c.unicode() >= 0x2E80;
}

struct Layout {
    const QFontMetrics &Fm;
    int TabWidth;  // 0: tabs not expanded

    int Width(const QString &s) const
    {
        if (TabWidth <= 0 || !s.contains(u'\t'))
            return Fm.horizontalAdvance(s);
        int x = 0;
        const QStringList parts = s.split(u'\t');
        for (int i = 0; i < parts.size(); ++i) {
            x += Fm.horizontalAdvance(parts[i]);
            if (i + 1 < parts.size())
                x = (x / TabWidth + 1) * TabWidth;
        }
        return x;
    }
};

// Splits one paragraph into lines no wider than `width` at spaces and between wide (CJK)
// characters; a word wider than the line stays whole on a line of its own.
std::vector<TextLine> WrapLine(const TextLine &para, int width, const Layout &lay)
{
    const QString &s = para.Text;
    std::vector<std::pair<int, int>> words;  // [start, end)
    for (int i = 0; i < s.size();) {
        if (s[i] == u' ') {
            ++i;
            continue;
        }
        int end = i + 1;
        if (!IsWide(s[i]))
            while (end < s.size() && s[end] != u' ' && !IsWide(s[end]))
                ++end;
        words.emplace_back(i, end);
        i = end;
    }
    std::vector<TextLine> lines;
    auto addLine = [&](int from, int to) {
        TextLine line;
        line.Text = s.mid(from, to - from);
        if (para.Underline >= from && para.Underline < to)
            line.Underline = para.Underline - from;
        lines.push_back(std::move(line));
    };
    if (words.empty()) {
        lines.push_back(TextLine{});
        return lines;
    }
    int lineStart = words[0].first, lineEnd = words[0].second;
    for (std::size_t w = 1; w < words.size(); ++w) {
        if (lay.Width(s.mid(lineStart, words[w].second - lineStart)) > width) {
            addLine(lineStart, lineEnd);
            lineStart = words[w].first;
        }
        lineEnd = words[w].second;
    }
    addLine(lineStart, lineEnd);
    return lines;
}

QString Elide(const QString &s, int width, UINT format, const Layout &lay)
{
    if (lay.Width(s) <= width)
        return s;
    const QString dots = QStringLiteral("...");
    if (format & DT_PATH_ELLIPSIS) {
        const int slash = static_cast<int>(std::max(s.lastIndexOf(u'\\'), s.lastIndexOf(u'/')));
        if (slash > 0) {
            const QString tail = s.mid(slash);
            QString head = s.left(slash);
            while (!head.isEmpty() && lay.Width(head + dots + tail) > width)
                head.chop(1);
            return head + dots + tail;
        }
    }
    QString head = s;
    if (format & DT_WORD_ELLIPSIS) {
        while (!head.isEmpty() && lay.Width(head + dots) > width) {
            const int sp = static_cast<int>(head.lastIndexOf(u' '));
            if (sp <= 0) {
                head.chop(1);
            } else {
                head.truncate(sp);
            }
        }
        return head + dots;
    }
    while (!head.isEmpty() && lay.Width(head + dots) > width)
        head.chop(1);
    return head + dots;
}

}  // namespace

int TCanvas::DrawText(const QString &text, TRect &r, UINT format)
{
    const bool calc = (format & DT_CALCRECT) != 0;
    if (!calc && !Ready())
        return 0;
    const QFont &font = CachedFont();
    const TTextMetric &m = metrics_;
    const QFontMetrics fm(font);
    int tabWidth = 0;
    if (format & DT_EXPANDTABS) {
        const int chars = (format & DT_TABSTOP) ? static_cast<int>((format >> 8) & 0xFF) : 8;
        tabWidth = std::max(1, chars) * std::max(1, m.tmAveCharWidth);
    }
    const Layout lay{fm, tabWidth};
    const bool prefixes = !(format & DT_NOPREFIX);
    const bool single = (format & DT_SINGLELINE) != 0;
    const int lineHeight = m.tmHeight + ((format & DT_EXTERNALLEADING) ? m.tmExternalLeading : 0);
    const int width = r.Width();

    // Paragraphs, then wrapped lines.
    std::vector<TextLine> lines;
    QString s = text;
    if (single) {
        s.remove(u'\r');
        s.remove(u'\n');
        lines.push_back(ResolvePrefixes(s, prefixes));
    } else {
        s.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
        const QStringList paras = s.split(u'\n');
        for (const QString &para : paras) {
            TextLine resolved = ResolvePrefixes(para, prefixes);
            if (format & DT_WORDBREAK) {
                for (TextLine &l : WrapLine(resolved, width, lay))
                    lines.push_back(std::move(l));
            } else {
                lines.push_back(std::move(resolved));
            }
        }
        // A line break at the very end starts no further line.
        if (lines.size() > 1 && paras.size() > 1 && paras.back().isEmpty())
            lines.pop_back();
    }
    if (format & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS | DT_WORD_ELLIPSIS))
        for (TextLine &l : lines) {
            const QString e = Elide(l.Text, width, format, lay);
            if (e != l.Text) {
                l.Text = e;
                if (l.Underline >= l.Text.size() - 3)
                    l.Underline = -1;
            }
        }

    int maxWidth = 0;
    for (const TextLine &l : lines)
        maxWidth = std::max(maxWidth, lay.Width(l.Text));
    const int total = lineHeight * static_cast<int>(lines.size());

    if (calc) {
        r.Right = r.Left + maxWidth;
        r.Bottom = r.Top + total;
        return total;
    }

    int y = r.Top;
    if (single && (format & DT_VCENTER))
        y = r.Top + (r.Height() - lineHeight) / 2;
    else if (single && (format & DT_BOTTOM))
        y = r.Bottom - lineHeight;

    Changing();
    const TRect *clip = (format & DT_NOCLIP) ? nullptr : &r;
    const bool opaque = state_.BkMode == OPAQUE;
    const UINT savedAlign = state_.TextAlign;
    state_.TextAlign = (format & DT_RTLREADING) ? TA_RTLREADING : 0;
    int lineTop = y;
    for (const TextLine &l : lines) {
        const int lw = lay.Width(l.Text);
        int x = r.Left;
        if (format & DT_CENTER)
            x = r.Left + (width - lw) / 2;
        else if (format & DT_RIGHT)
            x = r.Right - lw;
        const bool hideMnemonic = (format & DT_HIDEPREFIX) != 0;
        if (tabWidth > 0 && l.Text.contains(u'\t')) {
            int px = 0;
            int index = 0;
            const QStringList parts = l.Text.split(u'\t');
            for (int i = 0; i < parts.size(); ++i) {
                const int u = (!hideMnemonic && l.Underline >= index && l.Underline < index + parts[i].size())
                                  ? l.Underline - index
                                  : -1;
                if (!(format & DT_PREFIXONLY))
                    RenderText(parts[i], x + px, lineTop, TA_LEFT | TA_TOP, clip, opaque, u, u >= 0 ? 1 : 0);
                px += fm.horizontalAdvance(parts[i]);
                index += static_cast<int>(parts[i].size()) + 1;
                if (i + 1 < parts.size())
                    px = (px / tabWidth + 1) * tabWidth;
            }
        } else {
            const int u = hideMnemonic ? -1 : l.Underline;
            if (!(format & DT_PREFIXONLY))
                RenderText(l.Text, x, lineTop, TA_LEFT | TA_TOP, clip, opaque, u, u >= 0 ? 1 : 0);
        }
        lineTop += lineHeight;
    }
    state_.TextAlign = savedAlign;
    Changed();
    if (single && (format & (DT_VCENTER | DT_BOTTOM)))
        return y - r.Top + lineHeight;
    return total;
}
