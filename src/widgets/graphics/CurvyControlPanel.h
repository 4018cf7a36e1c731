#pragma once
// TCurvyControlPanel: a rounded panel (CurvyPanel.h) that carries small image buttons at its ends:
// the items of Controls (TCurvyControls), each a picture per state or an image of Images. Items
// at cpLeft and cpRight sit outside the rounded shape (the panel's indents leave room for them),
// items at cpLeftInControl and cpRightInControl inside it, in collection order from each end.
//
// Mouse rules: a press on an item puts it down (and pops up its menu when it has DropDown and a
// PopupMenu); a release over an item clicks it (OnControlClick with its index) and puts it back
// to normal; a release elsewhere leaves the pressed item down and clicks nothing. Moving over an
// item makes it hot and the others normal; leaving the panel makes every hot item normal. The
// hint over an item with a Hint is that text. Items are found by x alone: the last item whose
// span holds the pointer.

#include <QString>

#include <memory>

#include "platform/runtime/Collection.h"
#include "platform/runtime/EnumNames.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/Menus.h"
#include "widgets/graphics/AdvGDIPPicture.h"
#include "widgets/graphics/CurvyPanel.h"

enum TControlPosition { cpLeftInControl, cpRightInControl, cpLeft, cpRight };
inline constexpr auto ControlPositionNames =
    EnumNames<TControlPosition>("cpLeftInControl", "cpRightInControl", "cpLeft", "cpRight");

namespace curvy {
// The state of one image button. (Its own scope: the framework has a TControlState of its own.)
enum TControlState { csNormal, csHover, csDown };
}  // namespace curvy

class TCurvyControls;
class TCurvyControlPanel;

using TControlClickEvent = TEvent<void(TObject *Sender, int Index)>;

class TCurvyControl : public TCollectionItem {
    T_DECLARE_CLASS(TCurvyControl, TCollectionItem)
    explicit TCurvyControl(TCollection *Collection);
    ~TCurvyControl() override;

    // Copies Hint, the three image indexes, Position and DropDown from another item (not the
    // pictures nor the menu); any other source is ignored.
    void Assign(TPersistent *Source) override;

    TControlPosition Position() const { return FPosition; }
    void SetPosition(TControlPosition value);
    bool DropDown() const { return FDropDown; }
    void SetDropDown(bool value);
    const QString &Hint() const { return FHint; }
    void SetHint(const QString &value) { FHint = value; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    // Only stored: they show at the next paint.
    int ImageIndexHover() const { return FImageIndexHover; }
    void SetImageIndexHover(int value) { FImageIndexHover = value; }
    int ImageIndexDown() const { return FImageIndexDown; }
    void SetImageIndexDown(int value) { FImageIndexDown = value; }
    TAdvGDIPPicture *Picture() const { return FPicture.get(); }
    void SetPicture(TAdvGDIPPicture *value) { FPicture->Assign(value); }
    TAdvGDIPPicture *PictureHover() const { return FPictureHover.get(); }
    void SetPictureHover(TAdvGDIPPicture *value) { FPictureHover->Assign(value); }
    TAdvGDIPPicture *PictureDown() const { return FPictureDown.get(); }
    void SetPictureDown(TAdvGDIPPicture *value) { FPictureDown->Assign(value); }
    // Dropped by the panel when the menu goes away.
    TPopupMenu *PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu *value);

    curvy::TControlState State() const { return FState; }
    void SetState(curvy::TControlState value) { FState = value; }

private:
    // Reports a change to the collection (inside an update bracket).
    void Notify();

    TControlPosition FPosition = cpRightInControl;
    bool FDropDown = false;
    QString FHint;
    int FImageIndex = -1;
    int FImageIndexHover = -1;
    int FImageIndexDown = -1;
    std::unique_ptr<TAdvGDIPPicture> FPicture, FPictureHover, FPictureDown;
    TPopupMenu *FPopupMenu = nullptr;
    curvy::TControlState FState = curvy::csNormal;
};

class TCurvyControls : public TCollection {
    T_DECLARE_CLASS(TCurvyControls, TCollection)
    explicit TCurvyControls(TCurvyControlPanel *Owner);

    TCurvyControl *Add() { return static_cast<TCurvyControl *>(TCollection::Add()); }
    TCurvyControl *Insert(int index) { return static_cast<TCurvyControl *>(TCollection::Insert(index)); }
    TCurvyControl *Items(int index) const { return static_cast<TCurvyControl *>(TCollection::Items(index)); }

    // Reports every change to the owning panel.
    void Update(TCollectionItem *Item) override;

    // An item's width and height: its picture's size, else the image list's, the width plus 2
    // (plus 7 with DropDown).
    TSize ItemSize(const TCurvyControl *item) const;
    // Measures the items into the four widths below.
    void Measure();
    void SetImageSize(int width, int height);
    int LeftSize() const { return FLeftSize; }
    int RightSize() const { return FRightSize; }
    int LeftControlSize() const { return FLeftControlSize; }
    int RightControlSize() const { return FRightControlSize; }

private:
    TCurvyControlPanel *FPanel;
    int FBuilding = 0;  // items under construction
    int FImageWidth = 0, FImageHeight = 0;
    int FLeftSize = 0, FRightSize = 0, FLeftControlSize = 0, FRightControlSize = 2;
};

class TCurvyControlPanel : public TCurvyPanel {
    T_DECLARE_CLASS(TCurvyControlPanel, TCurvyPanel)
    explicit TCurvyControlPanel(TComponent *AOwner);
    ~TCurvyControlPanel() override;

    TCurvyControls *Controls() const { return FControls.get(); }
    // Copies the items of the given collection.
    void SetControls(TCurvyControls *value);
    TCustomImageList *Images() const { return FImages; }
    void SetImages(TCustomImageList *value);
    // "1.0.3.1"; writing does nothing.
    QString Version() const { return QStringLiteral("1.0.3.1"); }
    void SetVersion(const QString &) {}

    // Fired with the index of a clicked item.
    TControlClickEvent OnControlClick;

    // The collection changed: measure, set the indents, lay out, repaint.
    void ControlsChanged();
    // Where an item lies (client coordinates).
    TRect ItemRect(int index) const;
    // The index of the item under an x position, -1 for none.
    int ItemAt(int x) const;

    void Notification(TComponent *AComponent, TOperation Operation) override;

protected:
    virtual void DoControlClick(int index);
    // Places what the panel holds between the items; nothing at this level.
    virtual void LayoutEdit() {}
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

protected:  // message handlers, registered by number in the class description
    void CMMouseLeave(TMessage &m);
    void CMHintShow(TMessage &m);

private:
    std::unique_ptr<TCurvyControls> FControls;
    TCustomImageList *FImages = nullptr;
};
