// The library's shared small classes: text stream, XML reader, min-max record and limit list.

#include "platform/runtime/Exception.h"
#include "platform/runtime/SysUtils.h"
#include "plotlib/base/iClasses.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>

namespace {

QString MessageOf(const std::function<void()> &Action)
{
    try {
        Action();
    } catch (const Exception &e) {
        return e.Message();
    }
    return {};
}

std::unique_ptr<TiXMLMemoryStream> StreamOf(const char *Text)
{
    auto stream = std::make_unique<TiXMLMemoryStream>();
    stream->WriteBuffer(Text, static_cast<std::int64_t>(std::strlen(Text)));
    stream->SetPosition(0);
    return stream;
}

}  // namespace

TEST(SharedClasses, WriteStringTakesAtMost255Characters)
{
    TiMemoryStream stream;
    stream.WriteString(QString(255, QLatin1Char('a')));
    EXPECT_EQ(stream.Size(), 255);
    EXPECT_EQ(MessageOf([&] { stream.WriteString(QString(256, QLatin1Char('b'))); }),
              QStringLiteral("String Exceeds 255 Characters"));
    EXPECT_EQ(stream.Size(), 255);
    stream.WriteStringCRLF(QStringLiteral("x"));
    EXPECT_EQ(stream.Bytes().right(3), QByteArray("x\r\n"));
}

TEST(SharedClasses, ReadCharNeverReturnsTheLastByte)
{
    TiMemoryStream stream;
    stream.WriteString(QStringLiteral("A"));
    stream.SetPosition(0);
    EXPECT_EQ(MessageOf([&] { stream.ReadChar(); }), QStringLiteral("EOF"));
}

TEST(SharedClasses, XmlElementsRoundTrip)
{
    TiXMLMemoryStream stream;
    stream.StartElement(QStringLiteral("Scheme"));
    stream.WriteElement(QStringLiteral("Other"), QStringLiteral("Red"));
    stream.WriteElement(QStringLiteral("Name"), QStringLiteral("Blue"));
    stream.EndElement(QStringLiteral("Scheme"));
    EXPECT_EQ(stream.Bytes(), QByteArray("<Scheme>\r\n<Other>Red</Other>\r\n<Name>Blue</Name>\r\n</Scheme>\r\n"));
    stream.SetPosition(0);
    EXPECT_EQ(stream.GetElement(QStringLiteral("Name")), QStringLiteral("Blue"));
    EXPECT_EQ(stream.GetNextPiece(), QStringLiteral("/Scheme"));
}

TEST(SharedClasses, NextPieceReadsTagsAndText)
{
    const auto closing = StreamOf("\r\n</Properties>\r\n");
    EXPECT_EQ(closing->PeekNextPiece(), QStringLiteral("/Properties"));
    EXPECT_EQ(closing->Position(), 0);
    EXPECT_EQ(closing->GetNextPiece(), QStringLiteral("/Properties"));

    const auto text = StreamOf("abc<x>..");
    EXPECT_EQ(text->GetNextPiece(), QStringLiteral("abc"));
    EXPECT_EQ(text->ReadChar(), QLatin1Char('<'));
}

TEST(SharedClasses, ElementStopNeedsAClosingTag)
{
    const auto noOpen = StreamOf("x/a>..");
    EXPECT_EQ(MessageOf([&] { noOpen->GetNameElementStop(); }), QStringLiteral("XML Parsing Error - \"<\" not Found"));
    const auto noSlash = StreamOf("<a>..");
    EXPECT_EQ(MessageOf([&] { noSlash->GetNameElementStop(); }), QStringLiteral("XML Parsing Error - \"/\" not Found"));
    const auto attributes = StreamOf("<Item kind=\"x\">v</Item>..");
    EXPECT_EQ(attributes->GetNameElementStart(), QStringLiteral("Item"));
}

TEST(SharedClasses, MinMaxPointTakesTheFirstAndLast)
{
    TiPlotMinMaxPoint point;
    point.AddData(1.0, 5.0, 7);
    EXPECT_FALSE(point.Empty);
    EXPECT_EQ(point.XPixels, 7);
    for (double y : {point.YMax, point.YMin, point.YFirst, point.YLast})
        EXPECT_EQ(y, 5.0);
    point.AddData(2.0, -1.0, 8);
    point.AddData(3.0, 2.0, 9);
    EXPECT_EQ(point.XPixels, 7);
    EXPECT_EQ(point.YMin, -1.0);
    EXPECT_EQ(point.YLast, 2.0);
    point.Clear();
    EXPECT_TRUE(point.Empty);
    EXPECT_EQ(point.YMax, -1e301);
    EXPECT_EQ(point.YMin, 1e301);
}

TEST(SharedClasses, LimitListGrowsInSteps)
{
    TiLimitDataList list;
    std::vector<int> capacities{list.Capacity()};
    for (int i = 0; i < 95; ++i) {
        EXPECT_EQ(list.Add(i, i + 0.5, i - 0.5), i);
        if (list.Capacity() != capacities.back())
            capacities.push_back(list.Capacity());
    }
    EXPECT_EQ(capacities, (std::vector<int>{0, 4, 8, 12, 28, 44, 60, 76, 95}));
    EXPECT_EQ(list.GetUpper(94), 94.5);
    EXPECT_EQ(list.GetLower(3), 2.5);
    EXPECT_EQ(MessageOf([&] { list.GetPosition(95); }), QStringLiteral("Index out of Bounds"));
    EXPECT_EQ(MessageOf([&] { list.SetCapacity(0x8000000); }), QStringLiteral("Exceed Maximum List Size"));
    list.SetCapacity(10);
    EXPECT_EQ(list.Count(), 10);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Capacity(), 0);
}
