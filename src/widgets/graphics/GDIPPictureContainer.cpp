#include "widgets/graphics/GDIPPictureContainer.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Exception.h"

T_IMPLEMENT_CLASS(TPictureItem)
{
    b.Object("Picture", &TPictureItem::Picture, &TPictureItem::SetPicture);
    b.Str("Name", &TPictureItem::Name, &TPictureItem::SetName);
    b.Int("Tag", &TPictureItem::Tag, &TPictureItem::SetTag).Default(0);
}

T_IMPLEMENT_CLASS(TPictureCollection) {}

T_IMPLEMENT_CLASS(TGDIPPictureContainer)
{
    b.Object("Items", &TGDIPPictureContainer::Items, &TGDIPPictureContainer::SetItems);
    b.Str("Version", &TGDIPPictureContainer::Version, &TGDIPPictureContainer::SetVersion);
}

TPictureItem::TPictureItem(TCollection *Collection)
    : TCollectionItem(Collection), FPicture(std::make_unique<TAdvGDIPPicture>())
{
}

TPictureItem::~TPictureItem() = default;

void TPictureItem::SetPicture(TAdvGDIPPicture *value)
{
    if (value != FPicture.get())
        FPicture->Assign(value);
}

void TPictureItem::Assign(TPersistent *Source)
{
    auto *item = dynamic_cast<TPictureItem *>(Source);
    if (!item)
        throw EInvalidCast(QStringLiteral("Invalid class typecast"));
    FName = item->FName;
    FTag = item->FTag;
    FPicture->Assign(item->FPicture.get());
}

TPictureCollection::TPictureCollection(TPersistent *Owner)
    : TCollection(Owner, [](TCollection *c) -> TCollectionItem * { return new TPictureItem(c); })
{
}

TGDIPPictureContainer::TGDIPPictureContainer(TComponent *AOwner)
    : TComponent(AOwner), FItems(std::make_unique<TPictureCollection>(this))
{
}

TGDIPPictureContainer::~TGDIPPictureContainer() = default;

void TGDIPPictureContainer::SetItems(TPictureCollection *value)
{
    if (value != FItems.get())
        FItems->Assign(value);
}

TAdvGDIPPicture *TGDIPPictureContainer::FindPicture(const QString &name) const
{
    const QString wanted = name.toUpper();
    for (int i = 0; i < FItems->Count(); ++i)
        if (FItems->Items(i)->Name().toUpper() == wanted)
            return FItems->Items(i)->Picture();
    return nullptr;
}
