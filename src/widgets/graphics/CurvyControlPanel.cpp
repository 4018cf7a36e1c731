#include "widgets/graphics/CurvyControlPanel.h"

#include "platform/runtime/ClassBuilder.h"

T_IMPLEMENT_CLASS(TCurvyControl)
{
    using T = TCurvyControl;
    b.Enum("Position", &T::Position, &T::SetPosition, ControlPositionNames).Default(cpRightInControl);
    b.Bool("DropDown", &T::DropDown, &T::SetDropDown).Default(false);
    b.Str("Hint", &T::Hint, &T::SetHint);
    b.Int("ImageIndex", &T::ImageIndex, &T::SetImageIndex).Default(-1);
    b.Int("ImageIndexHover", &T::ImageIndexHover, &T::SetImageIndexHover).Default(-1);
    b.Int("ImageIndexDown", &T::ImageIndexDown, &T::SetImageIndexDown).Default(-1);
    b.Object("Picture", &T::Picture, &T::SetPicture);
    b.Object("PictureHover", &T::PictureHover, &T::SetPictureHover);
    b.Object("PictureDown", &T::PictureDown, &T::SetPictureDown);
    b.Ref("PopupMenu", &T::PopupMenu, &T::SetPopupMenu);
}

T_IMPLEMENT_CLASS(TCurvyControls) {}

T_IMPLEMENT_CLASS(TCurvyControlPanel)
{
    using T = TCurvyControlPanel;
    b.Object("Controls", &T::Controls, &T::SetControls);
    b.Ref("Images", &T::Images, &T::SetImages);
    b.Str("Version", &T::Version, &T::SetVersion);
    b.Event("OnControlClick", &T::OnControlClick);
    b.Message(CM_MOUSELEAVE, &T::CMMouseLeave);
    b.Message(CM_HINTSHOW, &T::CMHintShow);
}

// ---- TCurvyControl ---------------------------------------------------------------------------------------

TCurvyControl::TCurvyControl(TCollection *Collection)
    : TCollectionItem(Collection), FPicture(std::make_unique<TAdvGDIPPicture>()),
      FPictureHover(std::make_unique<TAdvGDIPPicture>()), FPictureDown(std::make_unique<TAdvGDIPPicture>())
{
    for (TAdvGDIPPicture *p : {FPicture.get(), FPictureHover.get(), FPictureDown.get()})
        p->OnChange = [this](TObject *) { Notify(); };
}

TCurvyControl::~TCurvyControl() = default;

void TCurvyControl::Notify()
{
    // The bracket makes the collection report the change once it closes.
    if (TCollection *c = Collection()) {
        c->BeginUpdate();
        c->EndUpdate();
    }
}

void TCurvyControl::SetPosition(TControlPosition value)
{
    if (value == FPosition)
        return;
    FPosition = value;
    Notify();
}

void TCurvyControl::SetDropDown(bool value)
{
    if (value == FDropDown)
        return;
    FDropDown = value;
    Notify();
}

void TCurvyControl::SetImageIndex(int value)
{
    if (value == FImageIndex)
        return;
    FImageIndex = value;
    Notify();
}

void TCurvyControl::SetPopupMenu(TPopupMenu *value)
{
    FPopupMenu = value;
    if (!value || !Collection())
        return;
    if (auto *panel = dynamic_cast<TComponent *>(Collection()->GetOwner()))
        value->FreeNotification(panel);
}

void TCurvyControl::Assign(TPersistent *Source)
{
    auto *src = dynamic_cast<TCurvyControl *>(Source);
    if (!src)
        return;
    FHint = src->FHint;
    FImageIndex = src->FImageIndex;
    FImageIndexHover = src->FImageIndexHover;
    FImageIndexDown = src->FImageIndexDown;
    FPosition = src->FPosition;
    FDropDown = src->FDropDown;
    Notify();
}

// ---- TCurvyControls --------------------------------------------------------------------------------------

TCurvyControls::TCurvyControls(TCurvyControlPanel *Owner)
    : TCollection(Owner,
                  [](TCollection *c) -> TCollectionItem * {
                      // The collection reports the new item while it is still being built; Add
                      // reports it again once it is whole.
                      auto *self = static_cast<TCurvyControls *>(c);
                      ++self->FBuilding;
                      struct Done {
                          int &building;
                          ~Done() { --building; }
                      } done{self->FBuilding};
                      return new TCurvyControl(c);
                  }),
      FPanel(Owner)
{}

void TCurvyControls::Update(TCollectionItem *)
{
    if (FPanel && FBuilding == 0)
        FPanel->ControlsChanged();
}

void TCurvyControls::SetImageSize(int width, int height)
{
    FImageWidth = width;
    FImageHeight = height;
}

TSize TCurvyControls::ItemSize(const TCurvyControl *item) const
{
    TSize size(FImageWidth, FImageHeight);
    if (!item->Picture()->Empty()) {
        item->Picture()->GetImageSizes();
        size = TSize(item->Picture()->Width(), item->Picture()->Height());
    }
    size.cx += item->DropDown() ? 7 : 2;
    return size;
}

void TCurvyControls::Measure()
{
    FLeftSize = 0;
    FRightSize = 0;
    FLeftControlSize = 0;
    FRightControlSize = 2;
    for (int i = 0; i < Count(); ++i) {
        const TCurvyControl *item = Items(i);
        const int width = ItemSize(item).cx;
        switch (item->Position()) {
        case cpLeftInControl: FLeftControlSize += width; break;
        case cpRightInControl: FRightControlSize += width; break;
        case cpLeft: FLeftSize += width; break;
        case cpRight: FRightSize += width; break;
        }
    }
}

// ---- TCurvyControlPanel ----------------------------------------------------------------------------------

TCurvyControlPanel::TCurvyControlPanel(TComponent *AOwner)
    : TCurvyPanel(AOwner), FControls(std::make_unique<TCurvyControls>(this))
{
    FControls->Measure();
}

TCurvyControlPanel::~TCurvyControlPanel()
{
    if (FImages)
        FImages->RemoveFreeNotification(this);
}

void TCurvyControlPanel::SetControls(TCurvyControls *value)
{
    if (value != FControls.get())
        FControls->Assign(value);
}

void TCurvyControlPanel::SetImages(TCustomImageList *value)
{
    if (FImages)
        FImages->RemoveFreeNotification(this);
    FImages = value;
    if (FImages) {
        FImages->FreeNotification(this);
        FControls->SetImageSize(FImages->Width(), FImages->Height());
    } else {
        FControls->SetImageSize(0, 0);
    }
    ControlsChanged();
}

void TCurvyControlPanel::ControlsChanged()
{
    FControls->Measure();
    SetLeftIndent(FControls->LeftSize());
    SetRightIndent(FControls->RightSize());
    LayoutEdit();
    Invalidate();
}

void TCurvyControlPanel::Notification(TComponent *AComponent, TOperation Operation)
{
    if (Operation == opRemove) {
        if (AComponent == FImages)
            SetImages(nullptr);
        if (!ComponentState().Contains(csDestroying))
            for (int i = 0; i < FControls->Count(); ++i)
                if (FControls->Items(i)->PopupMenu() == AComponent)
                    FControls->Items(i)->SetPopupMenu(nullptr);
    }
    inherited::Notification(AComponent, Operation);
}

TRect TCurvyControlPanel::ItemRect(int index) const
{
    // Running x per position: from the left edge, after the left items and half the rounding,
    // before the right items less half the rounding, and after the shape.
    int x[4] = {FControls->LeftSize() + Rounding() / 2,
                Width() - FControls->RightSize() - FControls->RightControlSize() - Rounding() / 2, 0,
                Width() - FControls->RightSize() + 2};
    for (int i = 0; i < FControls->Count(); ++i) {
        const TCurvyControl *item = FControls->Items(i);
        const TSize size = FControls->ItemSize(item);
        int &at = x[item->Position()];
        if (i == index)
            return Bounds(at, (Height() - size.cy) / 2, size.cx, size.cy);
        at += size.cx;
    }
    return TRect();
}

int TCurvyControlPanel::ItemAt(int x) const
{
    int found = -1;
    for (int i = 0; i < FControls->Count(); ++i) {
        const TRect r = ItemRect(i);
        if (r.Left < x && x < r.Right)
            found = i;
    }
    return found;
}

void TCurvyControlPanel::DoControlClick(int index)
{
    if (OnControlClick)
        OnControlClick(this, index);
}

void TCurvyControlPanel::Paint()
{
    TCurvyPanel::Paint();
    if (FControls->Count() == 0)
        return;
    TGPGraphics graphics(Canvas()->Handle());
    for (int i = 0; i < FControls->Count(); ++i) {
        TCurvyControl *item = FControls->Items(i);
        const TRect r = ItemRect(i);
        int w = 0;
        if (item->Picture()->Empty()) {
            int index = item->ImageIndex();
            if (item->State() == curvy::csHover && item->ImageIndexHover() >= 0)
                index = item->ImageIndexHover();
            else if (item->State() == curvy::csDown && item->ImageIndexDown() >= 0)
                index = item->ImageIndexDown();
            if (FImages && index >= 0)
                FImages->Draw(Canvas(), r.Left, r.Top, index);
            w = FImages ? FImages->Width() : 0;
        } else {
            TAdvGDIPPicture *picture = item->Picture();
            if (item->State() == curvy::csHover && !item->PictureHover()->Empty())
                picture = item->PictureHover();
            else if (item->State() == curvy::csDown && !item->PictureDown()->Empty())
                picture = item->PictureDown();
            picture->GetImageSizes();
            picture->GDIPDraw(&graphics, Bounds(r.Left, r.Top, picture->Width(), picture->Height()));
            w = picture->Width();
        }
        if (item->DropDown()) {
            graphics.SetSmoothingMode(SmoothingModeHighQuality);
            TGPSolidBrush black(0xFF000000);
            const TGPPoint points[] = {MakePoint(r.Left + w, r.Top + 5), MakePoint(r.Left + w + 6, r.Top + 5),
                                       MakePoint(r.Left + w + 3, r.Top + 9)};
            graphics.FillPolygon(&black, points, 3);
        }
    }
}

void TCurvyControlPanel::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    inherited::MouseDown(button, shift, x, y);
    const int index = ItemAt(x);
    if (index < 0)
        return;
    TCurvyControl *item = FControls->Items(index);
    item->SetState(curvy::csDown);
    Invalidate();
    if (item->DropDown() && item->PopupMenu()) {
        const TPoint at = ClientToScreen(TPoint(ItemRect(index).Left, Height() - 3));
        item->PopupMenu()->Popup(at.X, at.Y);
    }
}

void TCurvyControlPanel::MouseMove(TShiftState shift, int x, int y)
{
    inherited::MouseMove(shift, x, y);
    const int index = ItemAt(x);
    if (index < 0)
        return;
    bool changed = false;
    for (int i = 0; i < FControls->Count(); ++i) {
        TCurvyControl *item = FControls->Items(i);
        if (i != index && item->State() == curvy::csHover) {
            item->SetState(curvy::csNormal);
            changed = true;
        }
    }
    if (FControls->Items(index)->State() == curvy::csNormal) {
        FControls->Items(index)->SetState(curvy::csHover);
        changed = true;
    }
    if (changed)
        Invalidate();
}

void TCurvyControlPanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    inherited::MouseUp(button, shift, x, y);
    const int index = ItemAt(x);
    if (index < 0)
        return;
    DoControlClick(index);
    FControls->Items(index)->SetState(curvy::csNormal);
    Invalidate();
}

void TCurvyControlPanel::CMMouseLeave(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    bool changed = false;
    for (int i = 0; i < FControls->Count(); ++i)
        if (FControls->Items(i)->State() == curvy::csHover) {
            FControls->Items(i)->SetState(curvy::csNormal);
            changed = true;
        }
    if (changed)
        Invalidate();
}

void TCurvyControlPanel::CMHintShow(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    auto *info = reinterpret_cast<THintInfo *>(m.LParam);
    if (!info)
        return;
    const int index = ItemAt(info->CursorPos.X);
    if (index >= 0 && !FControls->Items(index)->Hint().isEmpty())
        info->HintStr = FControls->Items(index)->Hint();
}
