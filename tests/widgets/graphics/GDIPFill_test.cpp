// The GDI+ fill: what it paints, when it reports changes, and its clipboard and INI forms.

#include <QTemporaryDir>

#include <cmath>

#include "platform/settings/MemIniFile.h"
#include "platform/ui/Clipbrd.h"
#include "platform/runtime/PropInfo.h"
#include "tests/widgets/graphics/GraphicsTestApp.h"
#include "widgets/graphics/GDIPFill.h"

using graphicstest::Board;
using graphicstest::Encoded;
using graphicstest::Solid;

namespace {

int Channel(TColor c, int shift)
{
    return (c >> shift) & 0xFF;
}

void ExpectNearColor(TColor got, TColor want, int tolerance, const char *what)
{
    for (int shift = 0; shift <= 16; shift += 8)
        EXPECT_NEAR(Channel(got, shift), Channel(want, shift), tolerance) << what;
}

TEST(GDIPFillPainting, DefaultFillRunsFromSilverAtTheTopToGreyAtTheBottom)
{
    TGDIPFill fill;
    Board b(30, 40, clRed);
    fill.Fill(b.g.get(), MakeRect(0.0f, 0.0f, 30.0f, 40.0f));
    ExpectNearColor(b.At(15, 0), 0xC0C0C0, 3, "top row");
    ExpectNearColor(b.At(15, 39), 0x808080, 5, "bottom row");
    EXPECT_EQ(b.At(0, 20), b.At(29, 20));
    EXPECT_GT(Channel(b.At(15, 10), 0), Channel(b.At(15, 30), 0));
    EXPECT_EQ(b.Painted(clRed), 30 * 40);
}

TEST(GDIPFillPainting, EqualColoursPaintOneFlatColour)
{
    TGDIPFill fill;
    fill.SetColor(0x40A060);
    fill.SetColorTo(0x40A060);
    fill.SetColorMirror(0x40A060);
    fill.SetColorMirrorTo(0x40A060);
    Board b(24, 30);
    fill.Fill(b.g.get(), MakeRect(0.0f, 0.0f, 24.0f, 30.0f));
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 24; ++x)
            ASSERT_EQ(b.At(x, y), 0x40A060) << x << "," << y;
}

TEST(GDIPFillPainting, OnePixelHighRectanglePaintsOnlyTheBorderLine)
{
    for (const bool bordered : {true, false}) {
        TGDIPFill fill;
        if (bordered)
            fill.SetBorderColor(clBlack);
        Board b(20, 5);
        fill.Fill(b.g.get(), MakeRect(2.0f, 2.0f, 10.0f, 1.0f));
        // The line runs from the top-left to the bottom-right corner: (2, 2) to (12, 3).
        EXPECT_EQ(b.Painted(), bordered ? 11 : 0) << bordered;
        EXPECT_EQ(b.Painted(clBlack), 20 * 5 - (bordered ? 11 : 0)) << bordered;
        if (bordered) {
            EXPECT_EQ(b.At(2, 2), clBlack);
            EXPECT_EQ(b.At(12, 3), clBlack);
        }
    }
}

TEST(GDIPFillPainting, RightBottomShadowLeavesASmallerBody)
{
    TGDIPFill fill;
    fill.SetShadowOffset(4);
    fill.SetShadowType(stRightBottom);
    fill.SetColor(clBlue);
    fill.SetColorTo(clBlue);
    Board b(40, 30);
    const TGPRectF body = fill.Fill(b.g.get(), MakeRect(0.0f, 0.0f, 40.0f, 30.0f));
    EXPECT_FLOAT_EQ(body.Width, 36);
    EXPECT_FLOAT_EQ(body.Height, 26);
    EXPECT_FLOAT_EQ(body.X, 0);
    EXPECT_EQ(b.At(20, 13), clBlue);
    EXPECT_NE(b.At(38, 28), clBlue);  // the shadow
    EXPECT_NE(b.At(38, 28), clWhite);
    TGDIPFill surround;
    surround.SetShadowOffset(3);
    surround.SetShadowType(stSurround);
    const TGPRectF inner = surround.Fill(b.g.get(), MakeRect(0.0f, 0.0f, 40.0f, 30.0f));
    EXPECT_FLOAT_EQ(inner.X, 3);
    EXPECT_FLOAT_EQ(inner.Width, 34);
    TGDIPFill bottom;
    bottom.SetShadowOffset(5);
    bottom.SetShadowType(stBottom);
    EXPECT_FLOAT_EQ(bottom.Fill(b.g.get(), MakeRect(0.0f, 0.0f, 40.0f, 30.0f)).Height, 25);
}

TEST(GDIPFillPainting, BorderFocusAndOpacityArguments)
{
    TGDIPFill fill;
    fill.SetBorderColor(clBlack);
    fill.SetBorderWidth(2);
    fill.SetColor(clWhite);
    fill.SetColorTo(clWhite);
    Board b(20, 20, clRed);
    fill.Fill(b.g.get(), MakeRect(0.0f, 0.0f, 20.0f, 20.0f), 255, 0, 0);  // a transparent body
    EXPECT_EQ(b.At(10, 10), clRed);
    EXPECT_EQ(b.At(0, 10), clBlack);
    EXPECT_FLOAT_EQ(fill.FocusRect().X, 2);
    EXPECT_FLOAT_EQ(fill.FocusRect().Width, 16);
    EXPECT_EQ(fill.Opacity(), 255);  // the arguments change nothing for good
}

TEST(GDIPFillPainting, ForegroundPicturePlacedByItsPosition)
{
    TGDIPFill fill;
    fill.SetColor(clWhite);
    fill.SetColorTo(clWhite);
    TAdvGDIPPicture red;
    TMemoryStream s(Encoded(Solid(4, 4, QColor(255, 0, 0)), "png"));
    red.LoadFromStream(&s);
    fill.SetPicture(&red);
    const struct {
        TFillPicturePosition pos;
        int x, y;  // a pixel the picture covers in a 20 x 20 fill
    } cases[] = {{ppTopLeft, 0, 0}, {ppBottomRight, 19, 19}, {ppCenterCenter, 9, 9}, {ppTopRight, 17, 2}};
    for (const auto &c : cases) {
        fill.SetPicturePosition(c.pos);
        Board b(20, 20);
        fill.Fill(b.g.get(), MakeRect(0.0f, 0.0f, 20.0f, 20.0f));
        EXPECT_EQ(b.At(c.x, c.y), clRed) << c.pos;
        EXPECT_EQ(b.Painted(), 16) << c.pos;
    }
}

// ---- Change events ----

struct ChangeCounter : TObject {
    int changes = 0;
    void Changed(TObject *) { ++changes; }
};

TEST(GDIPFillEvents, OnlyDifferingWritesOutsideAnUpdateFire)
{
    TGDIPFill fill;
    ChangeCounter counter;
    fill.OnChange = TNotifyEvent(&counter, &ChangeCounter::Changed);
    fill.SetColor(0xC0C0C0);  // the current value
    fill.SetRounding(0);
    EXPECT_EQ(counter.changes, 0);
    fill.SetRounding(4);
    EXPECT_EQ(counter.changes, 1);
    fill.BeginUpdate();
    fill.SetRounding(6);
    fill.SetGlow(gmRadial);
    fill.EndUpdate();
    EXPECT_EQ(counter.changes, 1);
    fill.EndUpdate();  // more ends than begins do no harm
    fill.SetAngle(30);
    EXPECT_EQ(counter.changes, 2);
    TAdvGDIPPicture pic;
    TMemoryStream s(Encoded(Solid(2, 2, Qt::red), "png"));
    pic.LoadFromStream(&s);
    fill.SetPicture(&pic);  // a picture change is the fill's change
    EXPECT_EQ(counter.changes, 3);
}

// ---- Stored forms ----

// A fill with every published property away from its default and two pictures.
void MakeOdd(TGDIPFill &f)
{
    f.SetColor(0x102030);
    f.SetColorTo(0x405060);
    f.SetColorMirror(0x708090);
    f.SetColorMirrorTo(clBtnFace);
    f.SetGradientType(gtAngle);
    f.SetGradientMirrorType(gtHatch);
    f.SetHatchStyle(HatchStyleWeave);
    f.SetHatchStyleMirror(HatchStyleSolidDiamond);
    f.SetBackGroundPictureAspectRatio(true);
    f.SetBackGroundPictureMode(pmInsideFill);
    f.SetBackGroundPicturePosition(ppCustom);
    f.SetBackGroundPictureLeft(-3);
    f.SetBackGroundPictureTop(9);
    f.SetBackGroundPictureAspectMode(pmNormal);
    f.SetPicturePosition(ppCenterRight);
    f.SetPictureLeft(11);
    f.SetPictureTop(12);
    f.SetPictureSize(psCustom);
    f.SetPictureWidth(70);
    f.SetPictureHeight(80);
    f.SetPictureAspectRatio(true);
    f.SetPictureAspectMode(pmNormal);
    f.SetOpacity(10);
    f.SetOpacityTo(20);
    f.SetOpacityMirror(30);
    f.SetOpacityMirrorTo(40);
    f.SetBorderColor(clNavy);
    f.SetBorderOpacity(50);
    f.SetBorderWidth(3);
    f.SetRounding(7);
    f.SetRoundingType(rtRight);
    f.SetShadowColor(clMaroon);
    f.SetShadowOffset(2);
    f.SetShadowType(stSurround);
    f.SetAngle(135);
    f.SetGlow(gmRadialGradient);
    f.SetGlowGradientColor(0x010203);
    f.SetGlowRadialColor(0x040506);
    TMemoryStream a(Encoded(Solid(3, 2, Qt::red), "png"));
    f.Picture()->LoadFromStream(&a);
    TMemoryStream b(Encoded(Solid(5, 4, Qt::blue), "bmp"));
    f.BackGroundPicture()->LoadFromStream(&b);
}

// The published properties (pictures by their bytes) that differ.
std::vector<std::string> Differences(const TGDIPFill &a, const TGDIPFill &b, bool iniOnly)
{
    std::vector<std::string> out;
    for (const TPropInfo &p : a.ClassType().Properties()) {
        if (!IsOrdinalKind(p.Kind))
            continue;
        // The INI section leaves out the shadow type and the aspect settings.
        if (iniOnly && (p.Name == QLatin1String("ShadowType") || p.Name.contains(QLatin1String("Aspect"))))
            continue;
        if (p.GetOrd(a) != p.GetOrd(b))
            out.push_back(p.Name.toStdString());
    }
    if (a.Picture()->Bytes() != b.Picture()->Bytes())
        out.push_back("Picture");
    if (a.BackGroundPicture()->Bytes() != b.BackGroundPicture()->Bytes())
        out.push_back("BackGroundPicture");
    return out;
}

TEST(GDIPFillStorage, ClipboardCopyKeepsEveryPropertyAndBothPictures)
{
    TMemoryClipboardBackend clipboard;
    SetClipboardBackend(&clipboard);
    TGDIPFill source, target;
    target.LoadFromClipBoard();  // nothing there: nothing happens
    EXPECT_TRUE(Differences(TGDIPFill(), target, false).empty());
    MakeOdd(source);
    source.SaveToClipBoard();
    EXPECT_TRUE(Clipboard()->HasFormat(RegisterClipboardFormat(QStringLiteral("GDI+ Fill"))));
    target.LoadFromClipBoard();
    EXPECT_EQ(Differences(source, target, false), std::vector<std::string>{});
    SetClipboardBackend(nullptr);
}

TEST(GDIPFillStorage, IniSectionKeepsItsKeysAndBothPictures)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("fill.ini"));
    TGDIPFill source, target;
    MakeOdd(source);
    source.SaveToFile(file, QStringLiteral("Panel"));
    ChangeCounter counter;
    target.OnChange = TNotifyEvent(&counter, &ChangeCounter::Changed);
    target.LoadFromFile(file, QStringLiteral("Panel"));
    EXPECT_EQ(Differences(source, target, true), std::vector<std::string>{});
    EXPECT_EQ(counter.changes, 1);
    TMemIniFile ini(file);
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Panel"), QStringLiteral("PictureSize"), -1), psCustom);
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Panel"), QStringLiteral("PictureDataSize"), -1),
              source.Picture()->Bytes().size() * 2);
    EXPECT_EQ(ini.ReadString(QStringLiteral("Panel"), QStringLiteral("Picture"), QString()).left(8),
              QStringLiteral("89504E47"));
}

TEST(GDIPFillStorage, BadPictureTextLeavesTheFillAsItWas)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("bad.ini"));
    {
        TGDIPFill source;
        MakeOdd(source);
        source.SaveToFile(file, QStringLiteral("S"));
        TIniFile ini(file);
        ini.WriteString(QStringLiteral("S"), QStringLiteral("BackgroundPicture"), QStringLiteral("89504Z47"));
        ini.WriteInteger(QStringLiteral("S"), QStringLiteral("BackgroundPictureSize"), 8);
    }
    TGDIPFill target;
    ChangeCounter counter;
    target.OnChange = TNotifyEvent(&counter, &ChangeCounter::Changed);
    try {
        target.LoadFromFile(file, QStringLiteral("S"));
        FAIL() << "no error";
    }
    catch (const EConvertError &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("No Hex-Number"));
    }
    EXPECT_TRUE(Differences(TGDIPFill(), target, false).empty());
    EXPECT_EQ(counter.changes, 0);
}

TEST(GDIPFillStorage, LowerCaseAndOddPictureTextsAreRead)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("odd.ini"));
    const QByteArray png = Encoded(Solid(2, 1, Qt::red), "png");
    {
        TIniFile ini(file);
        ini.WriteString(QStringLiteral("S"), QStringLiteral("Picture"), QString::fromLatin1(png.toHex()) + u'F');
        ini.WriteInteger(QStringLiteral("S"), QStringLiteral("PictureDataSize"), static_cast<int>(png.size() * 2 + 1));
        ini.WriteInteger(QStringLiteral("S"), QStringLiteral("Opacity"), 0x1FF);  // bytes keep the low 8 bits
    }
    TGDIPFill target;
    target.LoadFromFile(file, QStringLiteral("S"));
    EXPECT_EQ(target.Picture()->Bytes(), png);
    EXPECT_EQ(target.Opacity(), 0xFF);
    EXPECT_EQ(target.Color(), 0xC0C0C0);  // missing keys keep their value
}

}  // namespace
