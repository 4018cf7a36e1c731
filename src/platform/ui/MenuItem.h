#pragma once
// TMenuItem: one entry of a main or popup menu: caption with an accelerator ("&File"), a line when
// the caption is "-", visible, enabled, checked, radio item with group index, auto-check, shortcut,
// hint, sub-items and OnClick.
//
// Semantics are the framework's, Qt only shows the entries:
//  - Click() is what the user's choice and a click by code both run: nothing for a disabled item;
//    otherwise AutoCheck toggles Checked (a radio item only turns on), then OnClick.
//  - Writing Checked := true on a radio item unchecks every other radio item of the same parent
//    with the same GroupIndex. Writing properties fires no event.
//  - A hidden item (and everything under it) never appears in the shown menu.
//  - Items are owned as components by their Owner (normally the form) and belong to their parent
//    item in the menu tree; destroying an item destroys its sub-items and takes it out of its parent.

#include "platform/runtime/Classes.h"
#include "platform/runtime/Events.h"
#include "platform/runtime/Exception.h"

#include <QString>

#include <vector>

class QAction;
class QMenu;
class TMenu;

// Shortcut: a virtual-key code in the low byte and the modifier bits.
using TShortCut = WORD;
constexpr TShortCut scNone = 0;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
TShortCut ShortCut(WORD key, TShiftState shift);

// The caption without its accelerator marks ("&File" -> "File", "&&" -> "&").
QString StripHotkey(const QString &caption);
// The accelerator character of a caption (upper case), or a null character when it has none.
QChar GetHotkey(const QString &caption);

constexpr const char *cLineCaption = "-";

class TMenuItem : public TComponent {
    T_DECLARE_CLASS(TMenuItem, TComponent)

public:
    explicit TMenuItem(TComponent *AOwner);
    ~TMenuItem() override;

    const QString &Caption() const { return FCaption; }
    void SetCaption(const QString &value);
    bool Checked() const { return FChecked; }
    void SetChecked(bool value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    bool RadioItem() const { return FRadioItem; }
    void SetRadioItem(bool value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value);
    bool AutoCheck() const { return FAutoCheck; }
    void SetAutoCheck(bool value) { FAutoCheck = value; }
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut value);
    const QString &Hint() const { return FHint; }
    void SetHint(const QString &value) { FHint = value; }
    bool Default() const { return FDefault; }
    void SetDefault(bool value);

    // The menu tree.
    int Count() const { return static_cast<int>(FItems.size()); }
    TMenuItem *Items(int index) const;
    TMenuItem *Parent() const { return FParent; }
    int MenuIndex() const;
    void SetMenuIndex(int value);
    void Add(TMenuItem *item);
    void Insert(int index, TMenuItem *item);  // fails with EMenuError when the item has a parent
    void Delete(int index);                   // takes the item out without destroying it
    void Remove(TMenuItem *item);
    void Clear();                             // destroys every sub-item
    int IndexOf(const TMenuItem *item) const;
    // The sub-item whose caption without accelerator equals `caption` (case ignored), or nullptr.
    TMenuItem *Find(const QString &caption) const;
    bool IsLine() const { return FCaption == QLatin1String(cLineCaption); }
    // The menu this item belongs to (through its parents), or nullptr.
    TMenu *GetParentMenu() const;
    // Visible in the shown menu: this item and all its parents are visible.
    bool Showing() const;

    // A click: the user's choice or a click by code.
    virtual void Click();
    TNotifyEvent OnClick;

    // Streaming relation: a menu item is written nested in its parent item or menu.
    bool HasParent() const override { return true; }
    TComponent *GetParentComponent() const override;
    void SetParentComponent(TComponent *value) override;
    void GetChildren(const TGetChildProc &Proc, TComponent *Root) override;

    // ---- Qt side (built when a menu is shown) ----
    // The action that shows this entry; created on first use and kept in step with the properties.
    QAction *Action();
    // The drop-down of an item with sub-items; nullptr for a leaf.
    QMenu *SubMenu();

protected:
    // Something of this item or of its sub-items changed (the menu follows).
    virtual void MenuChanged(bool rebuild);

private:
    friend class TMenu;
    void TurnSiblingsOff();
    void SyncAction();
    void FillSubMenu();
    void SetMenu(TMenu *menu) { FMenu = menu; }

    QString FCaption;
    bool FChecked = false;
    bool FEnabled = true;
    bool FVisible = true;
    bool FRadioItem = false;
    int FGroupIndex = 0;
    bool FAutoCheck = false;
    TShortCut FShortCut = scNone;
    QString FHint;
    bool FDefault = false;
    std::vector<TMenuItem *> FItems;
    TMenuItem *FParent = nullptr;
    TMenu *FMenu = nullptr;  // set on the root item of a menu only
    QAction *FAction = nullptr;
    QMenu *FSubMenu = nullptr;
};

T_DECLARE_EXCEPTION(EMenuError, Exception);
