// Rich-text reading and writing of the documents shown by rich-text labels and edits.

#include "platform/ui/RtfReader.h"
#include "platform/ui/RtfWriter.h"

#include "StdTestApp.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include <gtest/gtest.h>

namespace {

QString PlainText(const char *rtf)
{
    QTextDocument doc;
    ReadRtf(rtf, doc);
    return doc.toRawText();
}

// The format of the first fragment that holds `text`.
QTextCharFormat FormatOf(const QTextDocument &doc, const QString &text)
{
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().text().contains(text))
                return it.fragment().charFormat();
    ADD_FAILURE() << "no fragment holds " << text.toStdString();
    return {};
}

struct TextCase {
    const char *name;
    const char *rtf;
    const char16_t *text;
};

// Names the case in test listings (ctest shows it) instead of the bytes of the struct.
void PrintTo(const TextCase &c, std::ostream *os) { *os << c.name; }

const TextCase kTextCases[] = {
    {"paragraphs", R"({\rtf1\ansi one\par two\par three})", u"one\u2029two\u2029three"},
    {"escapes", R"({\rtf1 a\\b\{c\}d\~e\tab f\line g})", u"a\\b{c}d\u00A0e\tf\u2028g"},
    {"gbk bytes by code page", R"({\rtf1\ansi\ansicpg936 \'d6\'d0\'ce\'c4})", u"中文"},
    {"gbk bytes by font charset", R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0\fnil\fcharset134 SimSun;}}\f0 \'d6\'d0})", u"中"},
    {"latin bytes", R"({\rtf1\ansi caf\'e9})", u"café"},
    {"unicode with fallback", R"({\rtf1 x\u20013?y})", u"x中y"},
    {"unicode with two fallback bytes", R"({\rtf1\uc2 \u20013\'d6\'d0z})", u"中z"},
    {"negative unicode", R"({\rtf1 \u-3913?})", u"\uF0B7"},
    {"hidden destinations", R"({\rtf1{\*\generator Gen;}{\info{\title T}}{\stylesheet{\s0 Normal;}}{\pict\pngblip 89504e47}ok})", u"ok"},
    {"unknown starred destination", R"({\rtf1 a{\*\unknownthing zzz}b})", u"ab"},
    {"field shows its result", R"({\rtf1{\field{\*\fldinst HYPERLINK "x"}{\fldrslt link}}})", u"link"},
    {"table cells and rows", R"({\rtf1\trowd\cellx100\cellx200 a\cell b\cell\row c})", u"a\tb\t\u2029c"},
    {"truncated hex and unbalanced braces", R"({\rtf1 a{\b b\'4)", u"ab"},
    {"file line breaks carry nothing", "{\\rtf1 a\r\nb\n}", u"ab"},
};

class RtfText : public ::testing::TestWithParam<TextCase> {};

TEST_P(RtfText, ReadsTheVisibleText)
{
    EXPECT_EQ(PlainText(GetParam().rtf), QString::fromUtf16(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Cases, RtfText, ::testing::ValuesIn(kTextCases), stdtest::ParamName());

TEST(RtfReader, CharacterAndParagraphFormats)
{
    QTextDocument doc;
    ReadRtf(R"({\rtf1\ansi\deff0{\fonttbl{\f0\fswiss Arial;}{\f1\fmodern Courier New;}})"
            R"({\colortbl;\red255\green0\blue0;\red0\green0\blue255;})"
            R"(\f0\fs20 plain {\b bold} {\i\ul slanted} {\f1\fs36 big} \cf1 red\cf0  {\super up}\par)"
            R"(\pard\qc\li1440\sa720 centred\par\pard\qr right})",
            doc, 96);
    ASSERT_EQ(doc.blockCount(), 3);
    EXPECT_FALSE(FormatOf(doc, "plain").font().bold());
    EXPECT_TRUE(FormatOf(doc, "bold").font().bold());
    EXPECT_TRUE(FormatOf(doc, "slanted").font().italic());
    EXPECT_TRUE(FormatOf(doc, "slanted").font().underline());
    EXPECT_EQ(FormatOf(doc, "plain").font().pixelSize(), 13);  // 10 pt at 96 DPI
    EXPECT_EQ(FormatOf(doc, "big").font().pixelSize(), 24);    // 18 pt
    EXPECT_EQ(FormatOf(doc, "big").font().families().value(0), "Courier New");
    EXPECT_EQ(FormatOf(doc, "plain").font().families().value(0), "Arial");
    EXPECT_EQ(FormatOf(doc, "red").foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(FormatOf(doc, "up").verticalAlignment(), QTextCharFormat::AlignSuperScript);
    const QTextBlock centred = doc.begin().next();
    EXPECT_EQ(centred.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(centred.blockFormat().leftMargin(), 96);   // one inch
    EXPECT_EQ(centred.blockFormat().bottomMargin(), 48); // half an inch
    EXPECT_EQ(centred.next().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
}

TEST(RtfReader, PlainResetsCharacterFormatButGroupsRestoreIt)
{
    QTextDocument doc;
    ReadRtf(R"({\rtf1\b one {\i two} three\plain  four})", doc);
    EXPECT_TRUE(FormatOf(doc, "one").font().bold());
    EXPECT_TRUE(FormatOf(doc, "two").font().italic());
    EXPECT_FALSE(FormatOf(doc, "three").font().italic());
    EXPECT_TRUE(FormatOf(doc, "three").font().bold());
    EXPECT_FALSE(FormatOf(doc, "four").font().bold());
}

TEST(RtfReader, RecognisesRichText)
{
    EXPECT_TRUE(IsRtf("{\\rtf1 x}"));
    EXPECT_TRUE(IsRtf("  \r\n{\\rtf"));
    EXPECT_FALSE(IsRtf("plain text"));
    EXPECT_FALSE(IsRtf(""));
}

TEST(RtfWriter, WhatIsWrittenReadsBackTheSame)
{
    QTextDocument doc;
    ReadRtf(R"({\rtf1{\fonttbl{\f0 Arial;}}{\colortbl;\red0\green128\blue0;})"
            R"(\f0\fs28 A {\b B} \cf1 C\cf0  {\\}\u20013?\par\qc\li720 D\tab E})",
            doc);
    const std::string written = WriteRtf(doc);
    QTextDocument back;
    ReadRtf(written, back);
    EXPECT_EQ(back.toRawText(), doc.toRawText());
    EXPECT_TRUE(FormatOf(back, "B").font().bold());
    EXPECT_EQ(FormatOf(back, "C").foreground().color(), QColor(0, 128, 0));
    EXPECT_EQ(FormatOf(back, "A").font().pixelSize(), 19);
    EXPECT_EQ(back.lastBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(back.lastBlock().blockFormat().leftMargin(), 48);
}

}  // namespace
