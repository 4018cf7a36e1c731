#pragma once
// TGDIPPictureContainer: a non-visual component holding a list of named pictures, so that marked-up
// text can name a picture instead of holding it. Names compare without regard to letter case and
// need not be unique: FindPicture gives the first match in collection order.

#include <QString>

#include <memory>

#include "platform/runtime/Classes.h"
#include "platform/runtime/Collection.h"
#include "widgets/graphics/AdvGDIPPicture.h"

class TPictureItem : public TCollectionItem {
    T_DECLARE_CLASS(TPictureItem, TCollectionItem)
    explicit TPictureItem(TCollection *Collection);
    ~TPictureItem() override;

    TAdvGDIPPicture *Picture() const { return FPicture.get(); }
    // Copies the content of the given picture.
    void SetPicture(TAdvGDIPPicture *value);
    const QString &Name() const { return FName; }
    void SetName(const QString &value) { FName = value; }
    int Tag() const { return FTag; }
    void SetTag(int value) { FTag = value; }

    // From another TPictureItem only: anything else raises EInvalidCast.
    void Assign(TPersistent *Source) override;

private:
    std::unique_ptr<TAdvGDIPPicture> FPicture;
    QString FName;
    int FTag = 0;
};

class TPictureCollection : public TCollection {
    T_DECLARE_CLASS(TPictureCollection, TCollection)
    explicit TPictureCollection(TPersistent *Owner);
    TPictureItem *Add() { return static_cast<TPictureItem *>(TCollection::Add()); }
    TPictureItem *Insert(int index) { return static_cast<TPictureItem *>(TCollection::Insert(index)); }
    TPictureItem *Items(int index) const { return static_cast<TPictureItem *>(TCollection::Items(index)); }
};

class TGDIPPictureContainer : public TComponent {
    T_DECLARE_CLASS(TGDIPPictureContainer, TComponent)
    explicit TGDIPPictureContainer(TComponent *AOwner);
    ~TGDIPPictureContainer() override;

    TPictureCollection *Items() const { return FItems.get(); }
    // Replaces the items by copies of the given collection's.
    void SetItems(TPictureCollection *value);
    QString Version() const { return QStringLiteral("1.0.0.0"); }
    void SetVersion(const QString &) {}

    // The picture of the first item with that name (any letter case); nullptr when none has it.
    TAdvGDIPPicture *FindPicture(const QString &name) const;

private:
    std::unique_ptr<TPictureCollection> FItems;
};
