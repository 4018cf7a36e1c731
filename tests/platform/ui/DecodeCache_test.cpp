#include "platform/ui/BitmapCodec.h"

#include <gtest/gtest.h>

#include <QImage>

#include <cstring>
#include <vector>

namespace {

QImage Filled(QRgb colour)
{
    QImage image(6, 4, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Pictures are remembered by the bytes they were decoded from. Bytes the caller only lends (a
// buffer it later reuses) must not leave the cache a key that changes under it: the second
// picture decoded from the same buffer is the second picture, not the first one again.
TEST(DecodeCache, BorrowedBytesAreNotTakenForThePictureTheyHeldBefore)
{
    const QByteArray red = EncodeBmp(Filled(qRgb(255, 0, 0)), 24);
    const QByteArray blue = EncodeBmp(Filled(qRgb(0, 0, 255)), 24);
    ASSERT_EQ(red.size(), blue.size());
    std::vector<char> buffer(red.begin(), red.end());
    const auto lent = [&] { return QByteArray::fromRawData(buffer.data(), static_cast<qsizetype>(buffer.size())); };

    const std::optional<TBmpDecoded> first = DecodeBmp(lent());
    ASSERT_TRUE(first);
    EXPECT_EQ(first->Image.pixel(0, 0), qRgb(255, 0, 0));
    std::memcpy(buffer.data(), blue.constData(), buffer.size());
    const std::optional<TBmpDecoded> second = DecodeBmp(lent());
    ASSERT_TRUE(second);
    EXPECT_EQ(second->Image.pixel(0, 0), qRgb(0, 0, 255));
    // And the red picture, asked for again in bytes of its own, is still red.
    EXPECT_EQ(DecodeBmp(red)->Image.pixel(0, 0), qRgb(255, 0, 0));
}

}  // namespace
