#include "platform/ui/RtfWriter.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include <cmath>
#include <vector>

namespace {

// A table of distinct entries, indexed in first-use order.
template <typename T>
int IndexIn(std::vector<T> &table, const T &value)
{
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i] == value)
            return static_cast<int>(i);
    table.push_back(value);
    return static_cast<int>(table.size() - 1);
}

void AppendText(std::string &out, const QString &text)
{
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += '\\';
            out += static_cast<char>(u);
        } else if (u == '\t') {
            out += "\\tab ";
        } else if (u == QChar::LineSeparator) {
            out += "\\line ";
        } else if (u >= 0x20 && u < 0x80) {
            out += static_cast<char>(u);
        } else if (u >= 0x80) {
            out += "\\u" + std::to_string(static_cast<int>(static_cast<std::int16_t>(u))) + "?";
        }
    }
}

}  // namespace

std::string WriteRtf(const QTextDocument &doc, int dpi)
{
    if (dpi <= 0)
        dpi = 96;
    const auto twips = [dpi](double px) { return std::to_string(std::lround(px * 1440.0 / dpi)); };
    std::vector<QString> fonts;
    std::vector<QColor> colours{QColor()};  // entry 0: automatic
    std::string body;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat bf = block.blockFormat();
        body += "\\pard";
        const Qt::Alignment a = bf.alignment() & Qt::AlignHorizontal_Mask;
        if (a & Qt::AlignHCenter)
            body += "\\qc";
        else if (a & Qt::AlignRight)
            body += "\\qr";
        else if (a & Qt::AlignJustify)
            body += "\\qj";
        if (bf.leftMargin() != 0) body += "\\li" + twips(bf.leftMargin());
        if (bf.rightMargin() != 0) body += "\\ri" + twips(bf.rightMargin());
        if (bf.textIndent() != 0) body += "\\fi" + twips(bf.textIndent());
        if (bf.topMargin() != 0) body += "\\sb" + twips(bf.topMargin());
        if (bf.bottomMargin() != 0) body += "\\sa" + twips(bf.bottomMargin());
        body += ' ';
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat cf = fragment.charFormat();
            const QFont font = cf.font();
            body += "{\\f" + std::to_string(IndexIn(fonts, font.family()));
            const int pixels = font.pixelSize() > 0 ? font.pixelSize()
                                                    : static_cast<int>(std::lround(font.pointSizeF() * dpi / 72.0));
            body += "\\fs" + std::to_string(std::lround(pixels * 72.0 / dpi * 2.0));
            if (font.bold()) body += "\\b";
            if (font.italic()) body += "\\i";
            if (font.underline()) body += "\\ul";
            if (font.strikeOut()) body += "\\strike";
            if (cf.verticalAlignment() == QTextCharFormat::AlignSuperScript) body += "\\super";
            if (cf.verticalAlignment() == QTextCharFormat::AlignSubScript) body += "\\sub";
            if (cf.hasProperty(QTextFormat::ForegroundBrush))
                body += "\\cf" + std::to_string(IndexIn(colours, cf.foreground().color()));
            if (cf.hasProperty(QTextFormat::BackgroundBrush))
                body += "\\highlight" + std::to_string(IndexIn(colours, cf.background().color()));
            body += ' ';
            AppendText(body, fragment.text());
            body += '}';
        }
        if (block.next().isValid())
            body += "\\par\n";
    }
    std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl";
    for (std::size_t i = 0; i < fonts.size(); ++i) {
        out += "{\\f" + std::to_string(i) + "\\fnil\\fcharset0 ";
        AppendText(out, fonts[i]);
        out += ";}";
    }
    out += "}{\\colortbl;";
    for (std::size_t i = 1; i < colours.size(); ++i)
        out += "\\red" + std::to_string(colours[i].red()) + "\\green" + std::to_string(colours[i].green()) +
               "\\blue" + std::to_string(colours[i].blue()) + ";";
    out += "}\n" + body + "}\n";
    return out;
}
