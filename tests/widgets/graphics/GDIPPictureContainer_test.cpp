// The named picture container: lookup by name and streaming in a form.

#include "platform/runtime/FormReader.h"
#include "platform/runtime/FormWriter.h"
#include "tests/widgets/graphics/GraphicsTestApp.h"
#include "widgets/graphics/GDIPPictureContainer.h"

namespace {

TEST(GDIPPictureContainer, FindsTheFirstItemOfANameInAnyCase)
{
    TGDIPPictureContainer c(nullptr);
    EXPECT_EQ(c.FindPicture(QStringLiteral("logo")), nullptr);
    TPictureItem *first = c.Items()->Add();
    first->SetName(QStringLiteral("LOGO"));
    TPictureItem *second = c.Items()->Add();
    second->SetName(QStringLiteral("Logo"));
    TMemoryStream s(graphicstest::Encoded(graphicstest::Solid(2, 2, Qt::red), "png"));
    second->Picture()->LoadFromStream(&s);
    EXPECT_EQ(c.FindPicture(QStringLiteral("logo")), first->Picture());  // found though empty
    EXPECT_EQ(c.FindPicture(QStringLiteral("other")), nullptr);
    EXPECT_EQ(c.Version(), QStringLiteral("1.0.0.0"));
    c.SetVersion(QStringLiteral("9"));
    EXPECT_EQ(c.Version(), QStringLiteral("1.0.0.0"));
}

TEST(GDIPPictureContainer, ItemsCopyOnlyFromItems)
{
    TGDIPPictureContainer a(nullptr), b(nullptr);
    TPictureItem *item = a.Items()->Add();
    item->SetName(QStringLiteral("x"));
    item->SetTag(7);
    TMemoryStream s(graphicstest::Encoded(graphicstest::Solid(3, 1, Qt::blue), "png"));
    item->Picture()->LoadFromStream(&s);
    b.SetItems(a.Items());
    ASSERT_EQ(b.Items()->Count(), 1);
    EXPECT_EQ(b.Items()->Items(0)->Tag(), 7);
    EXPECT_EQ(b.Items()->Items(0)->Picture()->Bytes(), item->Picture()->Bytes());
    TGDIPPictureContainer other(nullptr);
    EXPECT_THROW(b.Items()->Items(0)->Assign(&other), EInvalidCast);
}

TEST(GDIPPictureContainer, FormsCarryTheNamedPictures)
{
    TGDIPPictureContainer a(nullptr);
    a.SetName(QStringLiteral("pics"));
    TPictureItem *item = a.Items()->Add();
    item->SetName(QStringLiteral("arrow"));
    const QByteArray png = graphicstest::Encoded(graphicstest::Solid(4, 2, Qt::green), "png");
    TMemoryStream s(png);
    item->Picture()->LoadFromStream(&s);
    const QString text = WriteComponentToText(&a);
    TGDIPPictureContainer b(nullptr);
    ReadComponentFromText(&b, text, QStringLiteral("test"));
    TAdvGDIPPicture *found = b.FindPicture(QStringLiteral("ARROW"));
    ASSERT_NE(found, nullptr) << text.toStdString();
    EXPECT_EQ(found->Bytes(), png);
    EXPECT_EQ(found->Width(), 4);
}

}  // namespace
