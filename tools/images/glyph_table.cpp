// Writes the glyph table the images tool draws its text with (tools/images/glyphs.txt): the
// printable ASCII characters of the Latin faces and the given other characters in the Chinese
// face, each rendered once with grey-level smoothing. The images tool reads only this table, so the
// committed pictures do not depend on the fonts installed where it runs.
//
//   glyph_table OUTPUT < characters.txt     (the non-ASCII characters the pictures use, UTF-8)
//
// Format, one line each: "face NAME PIXELS ASCENT HEIGHT" starts a face; "XXXX ADVANCE LEFT WIDTH
// LEVELS" is a glyph: its code point in hex, how far the pen moves, where its picture starts
// relative to the pen, the picture's width, then HEIGHT rows of WIDTH coverage levels 0..f.

#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <cstdio>
#include <set>

namespace {

constexpr int kPad = 2;  // room for ink outside the advance

struct Face {
    const char *name;
    const char *family;
    bool bold;
};

void WriteFace(QTextStream &out, const Face &face, int pixels, const std::set<char32_t> &characters)
{
    QFont font(QString::fromLatin1(face.family));
    font.setPixelSize(pixels);
    font.setBold(face.bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoFontMerging));
    const QFontMetrics metrics(font);
    const int height = metrics.height();
    out << "face " << face.name << ' ' << pixels << ' ' << metrics.ascent() << ' ' << height << '\n';
    for (char32_t c : characters) {
        const QString text = QString::fromUcs4(&c, 1);
        if (!metrics.inFontUcs4(c)) {
            std::fprintf(stderr, "%s has no U+%04X\n", face.family, static_cast<unsigned>(c));
            continue;
        }
        const int advance = metrics.horizontalAdvance(text);
        const int width = advance + 2 * kPad;
        QImage image(width, height, QImage::Format_Grayscale8);
        image.fill(0);
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(kPad, metrics.ascent(), text);
        painter.end();
        out << QString::number(static_cast<uint>(c), 16).rightJustified(4, u'0') << ' ' << advance << ' ' << -kPad
            << ' ' << width << ' ';
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                out << QString::number((image.pixelColor(x, y).red() * 15 + 127) / 255, 16);
        out << '\n';
    }
}

}  // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: glyph_table OUTPUT < characters.txt\n");
        return 2;
    }
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        return 1;
    std::set<char32_t> chinese;
    for (char32_t c : QString::fromUtf8(input.readAll()).toUcs4())
        if (c > 0x7E)
            chinese.insert(c);
    std::set<char32_t> ascii;
    for (char32_t c = 0x20; c <= 0x7E; ++c)
        ascii.insert(c);

    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    QTextStream out(&file);
    out << "# Written by glyph_table (tools/images/glyph_table.cpp); see there.\n";
    WriteFace(out, {"sans", "Liberation Sans", false}, 12, ascii);
    WriteFace(out, {"bold", "Liberation Sans", true}, 12, ascii);
    WriteFace(out, {"mono", "Liberation Mono", false}, 12, ascii);
    WriteFace(out, {"cjk", "WenQuanYi Micro Hei", false}, 12, chinese);
    return 0;
}
