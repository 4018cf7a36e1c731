#pragma once
// Menus: TMenu holds the tree of TMenuItem under its root item Items(); TMainMenu is the menu bar
// of a form, TPopupMenu a context menu shown at a screen position.
//
// The Qt side (a QMenuBar, a QMenu) is built when first asked for and kept in step with the items.
// When ScriptedAnswers() gives answers (tests) Popup does not open a window: it takes the
// scripted choice.

#include "platform/ui/MenuItem.h"

#include "platform/runtime/GraphicsTypes.h"

class QMenuBar;

class TMenu : public TComponent {
    T_DECLARE_CLASS(TMenu, TComponent)

public:
    explicit TMenu(TComponent *AOwner);
    ~TMenu() override;

    TMenuItem *Items() const { return FItems; }
    // The item with that shortcut anywhere in the tree, or nullptr.
    TMenuItem *FindItemByShortCut(TShortCut shortCut) const;
    // Runs the click of the visible, enabled item with that shortcut; false when there is none.
    bool IsShortCut(TShortCut shortCut);

    void GetChildren(const TGetChildProc &Proc, TComponent *Root) override;

protected:
    friend class TMenuItem;
    // The tree changed: bring the shown menu up to date.
    virtual void RootChanged() {}

private:
    TMenuItem *FItems;
};

class TMainMenu : public TMenu {
    T_DECLARE_CLASS(TMainMenu, TMenu)

public:
    explicit TMainMenu(TComponent *AOwner);
    ~TMainMenu() override;

    // The menu bar that shows the root items; created on first use, without a parent (the form
    // that uses this menu places it above its client area).
    QMenuBar *MenuBar();

protected:
    void RootChanged() override;

private:
    QMenuBar *FMenuBar = nullptr;
};

class TPopupMenu : public TMenu {
    T_DECLARE_CLASS(TPopupMenu, TMenu)

public:
    explicit TPopupMenu(TComponent *AOwner);
    ~TPopupMenu() override;

    bool AutoPopup() const { return FAutoPopup; }
    void SetAutoPopup(bool value) { FAutoPopup = value; }
    TComponent *PopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(TComponent *value) { FPopupComponent = value; }
    TPoint PopupPoint() const { return FPopupPoint; }

    // Shows the menu at the screen position and runs the click of the chosen item (none when the
    // menu is dismissed). OnPopup runs first.
    virtual void Popup(int X, int Y);
    TNotifyEvent OnPopup;

    // The drop-down that shows the root items (for painting and tests).
    QMenu *Menu();

protected:
    void RootChanged() override;
    virtual void DoPopup(TObject *Sender);

private:
    bool FAutoPopup = true;
    TComponent *FPopupComponent = nullptr;
    TPoint FPopupPoint{-1, -1};
    QMenu *FMenu = nullptr;
};
