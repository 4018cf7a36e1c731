// Metafiles as drawings: what a metafile canvas records comes out as it was drawn when played at
// its own size, the same after the .emf file is written and read back, and drawn anew (thin lines
// thin, text as text) when stretched.

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QtEndian>

#include <functional>
#include <set>

#include "platform/runtime/Streams.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/EmfFile.h"
#include "platform/ui/Metafile.h"
#include "tests/platform/ui/ControlsTestApp.h"

namespace {

constexpr int W = 96, H = 64;

// A scene drawn the same way onto a bitmap and onto a metafile canvas.
struct Scene {
    const char *name;
    std::function<void(TCanvas &)> draw;
};

void Lines(TCanvas &c)
{
    c.Pen()->SetColor(clRed);
    c.MoveTo(2, 2);
    c.LineTo(90, 30);
    const TPoint zigzag[] = {{4, 60}, {20, 40}, {36, 60}, {52, 40}};
    c.Pen()->SetColor(clBlue);
    c.Polyline(zigzag, 4);
    c.Pen()->SetStyle(psDash);
    c.Brush()->SetColor(clYellow);
    c.MoveTo(0, 50);
    c.LineTo(95, 50);
    c.Pen()->SetStyle(psSolid);
    c.Pen()->SetWidth(3);
    c.MoveTo(60, 10);
    c.LineTo(90, 60);
}

void Shapes(TCanvas &c)
{
    c.Brush()->SetColor(clLime);
    c.Rectangle(2, 2, 30, 20);
    c.Brush()->SetStyle(bsDiagCross);
    c.Brush()->SetColor(clNavy);
    c.Ellipse(34, 2, 70, 30);
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(clAqua);
    c.RoundRect(72, 2, 94, 30, 8, 8);
    c.Pie(2, 32, 30, 62, 30, 47, 16, 32);
    c.Chord(34, 32, 62, 62, 62, 47, 34, 47);
    c.Arc(64, 32, 94, 62, 94, 47, 64, 47);
    c.Pen()->SetWidth(2);
    c.SetPolyFillMode(TPolyFillMode::Winding);
    const TPoint star[] = {{50, 34}, {58, 60}, {38, 44}, {62, 44}, {42, 60}};
    c.Polygon(star, 5);
}

void Fills(TCanvas &c)
{
    c.Brush()->SetColor(clSilver);
    c.FillRect(TRect(0, 0, 40, 20));
    c.FillRect(TRect(40, 0, 60, 20), clMaroon);
    c.GradientFill(TRect(0, 22, 96, 40), clBlue, clYellow, TGradientFillDirection::Horizontal);
    c.GradientFill(TRect(60, 0, 96, 20), clWhite, clGreen, TGradientFillDirection::Vertical);
    c.Brush()->SetColor(clPurple);
    c.FrameRect(TRect(4, 44, 40, 60));
    c.Brush()->SetStyle(bsHorizontal);
    c.Brush()->SetColor(clRed);
    c.FillRect(TRect(44, 44, 90, 60));
    c.SetPixel(92, 62, clFuchsia);
}

void Text(TCanvas &c)
{
    c.Font()->SetName(QStringLiteral("Arial"));
    c.Font()->SetHeight(-12);
    c.Font()->SetColor(clNavy);
    c.Brush()->SetColor(clYellow);
    c.TextOut(2, 2, QStringLiteral("Untitled"));
    c.Brush()->SetStyle(bsClear);
    TRect r(0, 20, 60, 36);
    c.DrawText(QStringLiteral("Cut off at the edge"), r, DT_CENTER | DT_SINGLELINE);
    TRect m(60, 20, 96, 36);
    c.DrawText(QStringLiteral("&File"), m, DT_LEFT);
    c.SetTextAlign(TA_RIGHT | TA_BOTTOM);
    c.Font()->SetStyle(TFontStyles{fsBold});
    c.TextOut(94, 62, QStringLiteral("Y-Max"));
    c.SetTextAlign(TA_LEFT | TA_TOP);
    c.Font()->SetOrientation(900);
    c.TextOut(4, 62, QStringLiteral("Up"));
}

void Pictures(TCanvas &c)
{
    TBitmap small(4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            small.Canvas()->SetPixel(x, y, (x + y) % 2 ? clRed : clBlue);
    c.Draw(2, 2, &small);
    c.StretchDraw(TRect(10, 2, 26, 18), &small);
    QImage glass(8, 8, QImage::Format_ARGB32);
    glass.fill(qRgba(0, 128, 0, 128));
    c.Brush()->SetColor(clWhite);
    c.FillRect(TRect(30, 2, 50, 22));
    c.DrawImage(TRect(30, 2, 46, 18), glass, TRect(0, 0, 8, 8), true);
    TBitmap keyed(6, 6);
    keyed.Canvas()->FillRect(TRect(0, 0, 6, 6), clFuchsia);
    keyed.Canvas()->FillRect(TRect(2, 2, 4, 4), clBlack);
    c.DrawImage(TRect(52, 2, 64, 14), keyed.Image(), TRect(0, 0, 6, 6), false, clFuchsia);
}

void ClipAndOrigin(TCanvas &c)
{
    c.SetViewportOrg(TPoint(10, 5));
    c.IntersectClipRect(TRect(0, 0, 40, 30));
    c.Brush()->SetColor(clTeal);
    c.Rectangle(20, 10, 80, 50);
    c.SetViewportOrg(TPoint(0, 0));
    const TRegion region = TRegion::Rectangle(TRect(50, 30, 90, 60));
    c.SelectClipRegion(&region);
    c.Pen()->SetColor(clRed);
    c.MoveTo(0, 0);
    c.LineTo(96, 64);
    c.SelectClipRegion(nullptr);
    c.MoveTo(0, 63);
    c.LineTo(96, 0);
}

void EdgesAndInversions(TCanvas &c)
{
    c.Brush()->SetColor(clBtnFace);
    c.FillRect(TRect(0, 0, W, H));
    TRect edge(4, 4, 40, 30);
    c.DrawEdge(edge, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    TRect sunken(44, 4, 90, 30);
    c.DrawEdge(sunken, EDGE_SUNKEN, BF_RECT);
    c.InvertRect(TRect(10, 36, 50, 56));
}

void FloodFill(TCanvas &c)
{
    c.Brush()->SetStyle(bsClear);
    c.Ellipse(10, 10, 60, 50);
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(clOlive);
    c.FloodFill(35, 30, clBlack, fsBorder);
}

void ThroughAnotherCanvas(TCanvas &c)
{
    // A windowless child paints through a canvas of its own on the same device context.
    TCanvas child;
    child.SetHandle(c.Handle());
    child.Brush()->SetColor(clRed);
    child.Rectangle(10, 10, 50, 40);
    c.Brush()->SetColor(clBlue);
    c.Rectangle(30, 30, 80, 60);
}

const Scene Scenes[] = {
    {"lines", Lines},
    {"shapes", Shapes},
    {"fills", Fills},
    {"text", Text},
    {"pictures", Pictures},
    {"clip and origin", ClipAndOrigin},
    {"edges and inversions", EdgesAndInversions},
    {"flood fill", FloodFill},
    {"through another canvas", ThroughAnotherCanvas},
};

QImage Direct(const Scene &s)
{
    TBitmap bmp(W, H);
    bmp.Canvas()->FillRect(TRect(0, 0, W, H), clWhite);
    s.draw(*bmp.Canvas());
    return bmp.Image().convertToFormat(QImage::Format_RGB32);
}

void Record(const Scene &s, TMetafile &metafile)
{
    metafile.SetWidth(W);
    metafile.SetHeight(H);
    TMetafileCanvas canvas(&metafile, QStringLiteral("Quorin"), QString());
    s.draw(canvas);
}

int DifferingPixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return a.width() * a.height();
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += (a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF);
    return n;
}

TEST(MetafileDrawing, PlayedAtItsOwnSizeItGivesThePixelsDrawnDirectly)
{
    for (const Scene &s : Scenes) {
        TMetafile metafile;
        Record(s, metafile);
        EXPECT_EQ(DifferingPixels(metafile.ToImage(), Direct(s)), 0) << s.name;
    }
}

TEST(MetafileDrawing, AnEmfWrittenAndReadBackGivesTheSamePicture)
{
    for (const Scene &s : Scenes) {
        TMetafile recorded;
        Record(s, recorded);
        TMemoryStream stream(recorded.Bytes());
        TMetafile read;
        read.LoadFromStream(&stream);
        EXPECT_EQ(read.Width(), W) << s.name;
        EXPECT_EQ(read.Height(), H) << s.name;
        // Pictures come back pixel for pixel; the rest may differ by a few pixels of a rounding.
        EXPECT_LE(DifferingPixels(read.ToImage(), Direct(s)), W * H / 200) << s.name;
    }
}

// The types of the records of an .emf file, and the texts of its text records.
struct EmfRecords {
    std::multiset<std::uint32_t> Types;
    QStringList Texts;
};

EmfRecords Walk(const QByteArray &emf)
{
    EmfRecords out;
    qsizetype at = 0;
    while (at + 8 <= emf.size()) {
        const auto type = qFromLittleEndian<std::uint32_t>(emf.constData() + at);
        const auto size = qFromLittleEndian<std::uint32_t>(emf.constData() + at + 4);
        out.Types.insert(type);
        if (type == 84) {  // EMR_EXTTEXTOUTW
            const auto chars = qFromLittleEndian<std::uint32_t>(emf.constData() + at + 44);
            const auto offset = qFromLittleEndian<std::uint32_t>(emf.constData() + at + 48);
            out.Texts << QString(reinterpret_cast<const QChar *>(emf.constData() + at + offset), chars);
        }
        if (size < 8)
            break;
        at += size;
    }
    return out;
}

TEST(MetafileDrawing, TheFileHoldsVectorRecordsAndABitmapOnlyForPictures)
{
    TMetafile shapes;
    Record(Scene{"plot",
                 [](TCanvas &c) {
                     Lines(c);
                     Shapes(c);
                     Text(c);
                 }},
           shapes);
    const EmfRecords vector = Walk(shapes.Bytes());
    for (std::uint32_t type :
         {27u /*MOVETOEX*/, 54u /*LINETO*/, 4u /*POLYLINE*/, 43u /*RECTANGLE*/, 42u /*ELLIPSE*/, 44u /*ROUNDRECT*/,
          47u /*PIE*/, 46u /*CHORD*/, 45u /*ARC*/, 3u /*POLYGON*/, 38u /*CREATEPEN*/, 82u /*EXTCREATEFONTINDIRECTW*/})
        EXPECT_TRUE(vector.Types.contains(type)) << type;
    EXPECT_FALSE(vector.Types.contains(81u));  // EMR_STRETCHDIBITS
    EXPECT_TRUE(vector.Texts.contains(QStringLiteral("Untitled"))) << vector.Texts.join(u',').toStdString();

    TMetafile pictures;
    Record(Scenes[4], pictures);
    const EmfRecords withPictures = Walk(pictures.Bytes());
    EXPECT_EQ(withPictures.Types.count(81u), 2u);   // EMR_STRETCHDIBITS: the bitmap drawn twice
    EXPECT_EQ(withPictures.Types.count(114u), 2u);  // EMR_ALPHABLEND: the translucent and the keyed one
}

// Widths of the runs of pixels darker than mid grey along a column or a row.
std::vector<int> DarkRuns(const QImage &img, bool column, int at)
{
    std::vector<int> runs;
    int run = 0;
    const int n = column ? img.height() : img.width();
    for (int i = 0; i <= n; ++i) {
        const bool dark = i < n && qGray(column ? img.pixel(at, i) : img.pixel(i, at)) < 128;
        if (dark) {
            ++run;
        } else if (run > 0) {
            runs.push_back(run);
            run = 0;
        }
    }
    return runs;
}

TEST(MetafileDrawing, StretchedThinLinesStayThinAndWidePensAndTextGrow)
{
    TMetafile metafile;
    metafile.SetWidth(40);
    metafile.SetHeight(30);
    {
        TMetafileCanvas c(&metafile, QString(), QString());
        c.MoveTo(0, 5);
        c.LineTo(40, 5);
        c.Pen()->SetWidth(3);
        c.MoveTo(0, 20);
        c.LineTo(40, 20);
    }
    const int scale = 6;
    TBitmap big(40 * scale, 30 * scale);
    big.Canvas()->FillRect(TRect(0, 0, big.Width(), big.Height()), clWhite);
    big.Canvas()->StretchDraw(TRect(0, 0, big.Width(), big.Height()), &metafile);
    EXPECT_EQ(DarkRuns(big.Image(), true, 100), (std::vector<int>{1, 3 * scale}));

    // Text is drawn again in the stretched font, not enlarged pixel by pixel.
    const auto text = [](TCanvas &c, int height) {
        c.Font()->SetName(QStringLiteral("Arial"));
        c.Font()->SetHeight(height);
        c.TextOut(c.PenPos().X, c.PenPos().Y, QStringLiteral("Untitled"));
    };
    TMetafile words;
    words.SetWidth(60);
    words.SetHeight(16);
    {
        TMetafileCanvas c(&words, QString(), QString());
        c.MoveTo(1, 1);
        text(c, -11);
    }
    TBitmap stretched(60 * scale, 16 * scale), direct(60 * scale, 16 * scale);
    for (TBitmap *b : {&stretched, &direct})
        b->Canvas()->FillRect(TRect(0, 0, b->Width(), b->Height()), clWhite);
    stretched.Canvas()->StretchDraw(TRect(0, 0, stretched.Width(), stretched.Height()), &words);
    direct.Canvas()->MoveTo(scale, scale);
    text(*direct.Canvas(), -11 * scale);
    EXPECT_EQ(DifferingPixels(stretched.Image(), direct.Image()), 0);
}

TEST(MetafileDrawing, OnAPdfTheTextStaysText)
{
    TMetafile metafile;
    Record(Scenes[3], metafile);
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(300);
        writer.setPageMargins(QMarginsF());
        writer.setPdfVersion(QPagedPaintDevice::PdfVersion_1_6);
        QPainter painter(&writer);
        PaintDrawing(*metafile.Drawing(), painter, QRectF(0, 0, W * 3, H * 3));
    }
    // Qt writes the text's glyphs with a font and a to-Unicode map: the font's name is there.
    EXPECT_TRUE(pdf.contains("/Font")) << "no font in the PDF";
    EXPECT_TRUE(pdf.contains("Arial") || pdf.contains("Liberation")) << "no Arial stand-in in the PDF";
}

}  // namespace
