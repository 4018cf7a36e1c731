#include "widgets/graphics/SplashItems.h"

#include "platform/runtime/ClassBuilder.h"
#include "widgets/graphics/AdvSmoothSplashScreen.h"

T_IMPLEMENT_CLASS(TSplashCollection) {}
T_IMPLEMENT_CLASS(TSplashCollectionItem) {}

T_IMPLEMENT_CLASS(TSplashItem)
{
    using C = TSplashItem;
    b.Str("Text", &C::Text, &C::SetText);
    b.Int("ImageIndex", &C::ImageIndex, &C::SetImageIndex).Default(-1);
    b.Int("Tag", &C::Tag, &C::SetTag).Default(0);
    b.Object("Picture", &C::Picture, &C::SetPicture);
    b.Int("PosX", &C::PosX, &C::SetPosX).Default(80);
    b.Int("PosY", &C::PosY, &C::SetPosY).Default(130);
    b.Object("Font", &C::Font, &C::SetFont);
}

T_IMPLEMENT_CLASS(TSplashItems) {}

T_IMPLEMENT_CLASS(TSplashListItem)
{
    using C = TSplashListItem;
    b.Str("HTMLText", &C::HTMLText, &C::SetHTMLText);
    b.Int("Tag", &C::Tag, &C::SetTag).Default(0);
}

T_IMPLEMENT_CLASS(TSplashListItems) {}

T_IMPLEMENT_CLASS(TAdvSplashTopLayerItem)
{
    using C = TAdvSplashTopLayerItem;
    b.Bool("Visible", &C::Visible, &C::SetVisible).Default(true);
    b.Int("Top", &C::Top, &C::SetTop).Default(0);
    b.Int("Left", &C::Left, &C::SetLeft).Default(0);
    b.Object("HTMLText", &C::HTMLText, &C::SetHTMLText);
    b.Object("Fill", &C::Fill, &C::SetFill);
    b.Enum("Align", &C::Align, &C::SetAlign, AlignNames).Default(alCustom);
    b.Int("Width", &C::Width, &C::SetWidth).Default(100);
    b.Int("Height", &C::Height, &C::SetHeight).Default(100);
}

T_IMPLEMENT_CLASS(TAdvSplashTopLayerItems)
{
    b.Event("OnChange", &TAdvSplashTopLayerItems::OnChange);
}

// ---- Shared by items and list lines -----------------------------------------------------------------

TSplashCollection::TSplashCollection(TAdvSmoothSplashScreen *owner, TItemFactory factory)
    : TCollection(owner, std::move(factory)), FSplash(owner)
{}

TSplashCollection::~TSplashCollection()
{
    BeginUpdate();  // no change reports while tearing down
    while (Count() > 0)
        delete Items(Count() - 1);
}

void TSplashCollection::Update(TCollectionItem *Item)
{
    if (!Item && Count() == 0 && OnChange)
        OnChange(this);
}

TSplashCollectionItem::~TSplashCollectionItem()
{
    if (auto *owner = Owner(); owner && owner->OnDeleteItem)
        owner->OnDeleteItem(owner, Index());
}

void TSplashCollectionItem::EndUpdate()
{
    if (FUpdateCount > 0)
        --FUpdateCount;
    if (FUpdateCount == 0)
        Refresh();
}

// ---- Pictures with captions -------------------------------------------------------------------------

TSplashItem::TSplashItem(TCollection *Collection)
    : TSplashCollectionItem(Collection), FIPicture(std::make_unique<TAdvGDIPPicture>()),
      FFont(std::make_unique<TFont>())
{}

TSplashItem::~TSplashItem() = default;

void TSplashItem::SetPicture(TAdvGDIPPicture *value)
{
    if (value != FIPicture.get())
        FIPicture->Assign(value);
}

void TSplashItem::Refresh()
{
    TAdvSmoothSplashScreen *splash = Owner() ? Owner()->Splash() : nullptr;
    if (splash && !splash->ComponentState().Contains(csDesigning))
        splash->RepaintWindow();
}

void TSplashItem::Assign(TPersistent *Source)
{
    auto *other = dynamic_cast<TSplashItem *>(Source);
    if (!other) {
        TPersistent::Assign(Source);
        return;
    }
    FText = other->FText;
    FTag = other->FTag;
    FImageIndex = other->FImageIndex;
    FIPicture->Assign(other->FIPicture.get());
    FPosX = other->FPosX;
    FPosY = other->FPosY;
    FFont->Assign(other->FFont.get());
}

TSplashItems::TSplashItems(TAdvSmoothSplashScreen *owner)
    : TSplashCollection(owner, [](TCollection *c) -> TCollectionItem * { return new TSplashItem(c); })
{}

// ---- Marked-up list lines ---------------------------------------------------------------------------

void TSplashListItem::Refresh()
{
    if (auto *owner = Owner(); owner && owner->OnChange)
        owner->OnChange(owner);
}

void TSplashListItem::Assign(TPersistent *Source)
{
    auto *other = dynamic_cast<TSplashListItem *>(Source);
    if (!other) {
        TPersistent::Assign(Source);
        return;
    }
    FHTMLText = other->FHTMLText;
    FTag = other->FTag;
    FImageIndex = other->FImageIndex;
}

TSplashListItems::TSplashListItems(TAdvSmoothSplashScreen *owner)
    : TSplashCollection(owner, [](TCollection *c) -> TCollectionItem * { return new TSplashListItem(c); })
{}

// ---- Boxes over the content -------------------------------------------------------------------------

TAdvSplashTopLayerItem::TAdvSplashTopLayerItem(TCollection *Collection)
    : TCollectionItem(Collection), FOwner(static_cast<TAdvSplashTopLayerItems *>(Collection)->Splash()),
      FHTMLText(std::make_unique<TAdvSplashHTMLText>(FOwner)), FFill(std::make_unique<TGDIPFill>())
{
    FFill->OnChange = [this](TObject *) { Repaint(); };
    Repaint();
}

TAdvSplashTopLayerItem::~TAdvSplashTopLayerItem()
{
    FFill->OnChange = nullptr;
    Repaint();
}

void TAdvSplashTopLayerItem::Repaint()
{
    if (FOwner)
        FOwner->RepaintWindow();
}

void TAdvSplashTopLayerItem::Assign(TPersistent *Source)
{
    auto *other = dynamic_cast<TAdvSplashTopLayerItem *>(Source);
    if (!other)
        return;
    FHTMLText->Assign(other->FHTMLText.get());
    FVisible = other->FVisible;
    FTop = other->FTop;
    FLeft = other->FLeft;
    FHeight = other->FHeight;
    FWidth = other->FWidth;
    FFill->Assign(other->FFill.get());
    FAlign = other->FAlign;
    Repaint();
}

TAdvSplashTopLayerItems::TAdvSplashTopLayerItems(TAdvSmoothSplashScreen *owner)
    : TCollection(owner, [](TCollection *c) -> TCollectionItem * { return new TAdvSplashTopLayerItem(c); }),
      FSplash(owner)
{}
