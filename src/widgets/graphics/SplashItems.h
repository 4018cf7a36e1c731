#pragma once
// The three collections of a splash screen (AdvSmoothSplashScreen.h): pictures with captions
// (TSplashItems), marked-up list lines (TSplashListItems) and boxes drawn over the content
// (TAdvSplashTopLayerItems). Each is owned by the component and owns its items.
//
// Notifications:
//  - Items and list lines: the collection fires OnChange (the component refreshes its window)
//    only for a change of the whole collection that leaves it empty (clearing it), never for
//    adding or changing one item; destroying an item fires OnDeleteItem with its index.
//    EndUpdate of an item, back at 0, refreshes it: a picture item repaints the component's
//    showing window (not at design time), a list line fires its collection's OnChange.
//  - Top-layer items repaint the component's showing window themselves whenever one of their
//    values changes (their fill and text included) and when they are made or destroyed; their
//    collection's OnChange is never fired.
// Writing a picture, font or fill copies the given one.

#include <QString>

#include <memory>

#include "platform/runtime/Collection.h"
#include "platform/runtime/Events.h"
#include "platform/ui/Controls.h"
#include "platform/ui/GraphicsFont.h"
#include "widgets/graphics/AdvGDIPPicture.h"
#include "widgets/graphics/GDIPFill.h"
#include "widgets/graphics/SplashContent.h"

class TAdvSmoothSplashScreen;

using TOnDeleteItemEvent = TEvent<void(TObject *Sender, int Index)>;

// What the collections of items and list lines share.
class TSplashCollection : public TCollection {
    T_DECLARE_CLASS(TSplashCollection, TCollection)
    TSplashCollection(TAdvSmoothSplashScreen *owner, TItemFactory factory);
    // Frees the items while the events they fire still exist.
    ~TSplashCollection() override;
    TAdvSmoothSplashScreen *Splash() const { return FSplash; }

    TNotifyEvent OnChange;
    TOnDeleteItemEvent OnDeleteItem;

    void Update(TCollectionItem *Item) override;

private:
    TAdvSmoothSplashScreen *FSplash;
};

class TSplashCollectionItem : public TCollectionItem {
    T_DECLARE_CLASS(TSplashCollectionItem, TCollectionItem)
    explicit TSplashCollectionItem(TCollection *Collection) : TCollectionItem(Collection) {}
    // Fires the collection's OnDeleteItem.
    ~TSplashCollectionItem() override;

    void BeginUpdate() { ++FUpdateCount; }
    // Back at 0: Refresh.
    void EndUpdate();
    virtual void Refresh() = 0;

protected:
    TSplashCollection *Owner() const { return static_cast<TSplashCollection *>(Collection()); }

private:
    int FUpdateCount = 0;
};

// ---- Pictures with captions ----------------------------------------------------------------------

class TSplashItem : public TSplashCollectionItem {
    T_DECLARE_CLASS(TSplashItem, TSplashCollectionItem)
    explicit TSplashItem(TCollection *Collection);
    ~TSplashItem() override;

    const QString &Text() const { return FText; }
    void SetText(const QString &value) { FText = value; }
    // The image of the component's image list (-1: none), drawn when Picture is empty.
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value) { FImageIndex = value; }
    int Tag() const { return FTag; }
    void SetTag(int value) { FTag = value; }
    TAdvGDIPPicture *Picture() const { return FIPicture.get(); }
    void SetPicture(TAdvGDIPPicture *value);
    int PosX() const { return FPosX; }
    void SetPosX(int value) { FPosX = value; }
    int PosY() const { return FPosY; }
    void SetPosY(int value) { FPosY = value; }
    TFont *Font() const { return FFont.get(); }
    void SetFont(TFont *value) { FFont->Assign(value); }
    bool Visible() const { return FVisible; }

    // Repaints the component's showing window.
    void Refresh() override;
    void Assign(TPersistent *Source) override;

private:
    QString FText;
    int FImageIndex = -1;
    int FTag = 0;
    std::unique_ptr<TAdvGDIPPicture> FIPicture;
    int FPosY = 130;
    int FPosX = 80;
    std::unique_ptr<TFont> FFont;
    bool FVisible = true;
};

class TSplashItems : public TSplashCollection {
    T_DECLARE_CLASS(TSplashItems, TSplashCollection)
    explicit TSplashItems(TAdvSmoothSplashScreen *owner);
    TSplashItem *Add() { return static_cast<TSplashItem *>(TCollection::Add()); }
    TSplashItem *Insert(int index) { return static_cast<TSplashItem *>(TCollection::Insert(index)); }
    TSplashItem *Items(int index) const { return static_cast<TSplashItem *>(TCollection::Items(index)); }
};

// ---- Marked-up list lines ------------------------------------------------------------------------

class TSplashListItem : public TSplashCollectionItem {
    T_DECLARE_CLASS(TSplashListItem, TSplashCollectionItem)
    explicit TSplashListItem(TCollection *Collection) : TSplashCollectionItem(Collection) {}

    const QString &HTMLText() const { return FHTMLText; }
    void SetHTMLText(const QString &value) { FHTMLText = value; }
    int Tag() const { return FTag; }
    void SetTag(int value) { FTag = value; }
    int ImageIndex() const { return FImageIndex; }
    // Where the window showed the line; (-1, -1, -1, -1) before it was laid out and while it is
    // pushed out of the list rectangle.
    const TRect &DisplayRect() const { return FDisplayRect; }
    void SetDisplayRect(const TRect &value) { FDisplayRect = value; }

    // Fires the collection's OnChange.
    void Refresh() override;
    void Assign(TPersistent *Source) override;

private:
    QString FHTMLText;
    int FImageIndex = -1;
    int FTag = 0;
    TRect FDisplayRect{-1, -1, -1, -1};
};

class TSplashListItems : public TSplashCollection {
    T_DECLARE_CLASS(TSplashListItems, TSplashCollection)
    explicit TSplashListItems(TAdvSmoothSplashScreen *owner);
    TSplashListItem *Add() { return static_cast<TSplashListItem *>(TCollection::Add()); }
    TSplashListItem *Insert(int index) { return static_cast<TSplashListItem *>(TCollection::Insert(index)); }
    TSplashListItem *Items(int index) const { return static_cast<TSplashListItem *>(TCollection::Items(index)); }
};

// ---- Boxes over the content ----------------------------------------------------------------------

class TAdvSplashTopLayerItem : public TCollectionItem {
    T_DECLARE_CLASS(TAdvSplashTopLayerItem, TCollectionItem)
    explicit TAdvSplashTopLayerItem(TCollection *Collection);
    ~TAdvSplashTopLayerItem() override;

    bool Visible() const { return FVisible; }
    void SetVisible(bool value) { Set(FVisible, value); }
    // The offset in the window's content rectangle of a box aligned alCustom.
    int Top() const { return FTop; }
    void SetTop(int value) { Set(FTop, value); }
    int Left() const { return FLeft; }
    void SetLeft(int value) { Set(FLeft, value); }
    TAdvSplashHTMLText *HTMLText() const { return FHTMLText.get(); }
    void SetHTMLText(TAdvSplashHTMLText *value) { FHTMLText->Assign(value); }
    TGDIPFill *Fill() const { return FFill.get(); }
    void SetFill(TGDIPFill *value) { FFill->Assign(value); }
    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign value) { Set(FAlign, value); }
    int Width() const { return FWidth; }
    void SetWidth(int value) { Set(FWidth, value); }
    int Height() const { return FHeight; }
    void SetHeight(int value) { Set(FHeight, value); }

    // From another top-layer item only (anything else is ignored), then a repaint.
    void Assign(TPersistent *Source) override;

private:
    template <class T>
    void Set(T &field, T value)
    {
        SetChangedValue(field, value, [this] { Repaint(); });
    }
    void Repaint();

    TAdvSmoothSplashScreen *FOwner;
    TAlign FAlign = alCustom;
    std::unique_ptr<TAdvSplashHTMLText> FHTMLText;
    int FWidth = 100;
    bool FVisible = true;
    int FTop = 0;
    int FHeight = 100;
    int FLeft = 0;
    std::unique_ptr<TGDIPFill> FFill;
};

class TAdvSplashTopLayerItems : public TCollection {
    T_DECLARE_CLASS(TAdvSplashTopLayerItems, TCollection)
    explicit TAdvSplashTopLayerItems(TAdvSmoothSplashScreen *owner);
    TAdvSplashTopLayerItem *Add() { return static_cast<TAdvSplashTopLayerItem *>(TCollection::Add()); }
    TAdvSplashTopLayerItem *Insert(int index)
    {
        return static_cast<TAdvSplashTopLayerItem *>(TCollection::Insert(index));
    }
    TAdvSplashTopLayerItem *Items(int index) const
    {
        return static_cast<TAdvSplashTopLayerItem *>(TCollection::Items(index));
    }
    TAdvSmoothSplashScreen *Splash() const { return FSplash; }

    // Never fired.
    TNotifyEvent OnChange;

private:
    TAdvSmoothSplashScreen *FSplash;
};
