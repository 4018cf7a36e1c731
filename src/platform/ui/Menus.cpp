#include "platform/ui/Menus.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/ScriptedAnswers.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

T_IMPLEMENT_CLASS(TMenu) {}

T_IMPLEMENT_CLASS(TMainMenu) {}

T_IMPLEMENT_CLASS(TPopupMenu)
{
    b.Bool("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup).Default(true);
    b.Event("OnPopup", &TPopupMenu::OnPopup);
}

namespace {

TMenuItem *FindShortCut(TMenuItem *parent, TShortCut shortCut)
{
    for (int i = 0; i < parent->Count(); ++i) {
        TMenuItem *item = parent->Items(i);
        if (item->ShortCut() == shortCut)
            return item;
        if (TMenuItem *found = FindShortCut(item, shortCut))
            return found;
    }
    return nullptr;
}

}  // namespace

// ---- TMenu -------------------------------------------------------------------------------------

TMenu::TMenu(TComponent *AOwner) : TComponent(AOwner), FItems(new TMenuItem(this))
{
    FItems->SetMenu(this);
}

TMenu::~TMenu()
{
    Destroying();
    // The root item is owned by this menu; TComponent's destructor would free it after this
    // object's parts are gone, so free it here while the menu is still whole.
    delete FItems;
}

TMenuItem *TMenu::FindItemByShortCut(TShortCut shortCut) const
{
    return shortCut == scNone ? nullptr : FindShortCut(FItems, shortCut);
}

bool TMenu::IsShortCut(TShortCut shortCut)
{
    TMenuItem *item = FindItemByShortCut(shortCut);
    if (!item || !item->Showing() || !item->Enabled())
        return false;
    item->Click();
    return true;
}

void TMenu::GetChildren(const TGetChildProc &Proc, TComponent *Root)
{
    FItems->GetChildren(Proc, Root);
}

// ---- TMainMenu ---------------------------------------------------------------------------------

TMainMenu::TMainMenu(TComponent *AOwner) : TMenu(AOwner) {}

TMainMenu::~TMainMenu()
{
    Destroying();
    delete FMenuBar;
    FMenuBar = nullptr;
}

QMenuBar *TMainMenu::MenuBar()
{
    if (!FMenuBar) {
        FMenuBar = new QMenuBar();
        RootChanged();
    }
    return FMenuBar;
}

void TMainMenu::RootChanged()
{
    if (!FMenuBar)
        return;
    FMenuBar->clear();
    for (int i = 0; i < Items()->Count(); ++i)
        FMenuBar->addAction(Items()->Items(i)->Action());
}

// ---- TPopupMenu --------------------------------------------------------------------------------

TPopupMenu::TPopupMenu(TComponent *AOwner) : TMenu(AOwner) {}

TPopupMenu::~TPopupMenu() = default;

QMenu *TPopupMenu::Menu()
{
    return Items()->SubMenu();
}

void TPopupMenu::RootChanged() {}

void TPopupMenu::DoPopup(TObject *Sender)
{
    if (OnPopup)
        OnPopup(Sender);
}

void TPopupMenu::Popup(int X, int Y)
{
    FPopupPoint = TPoint(X, Y);
    DoPopup(this);
    if (TScriptedAnswers *script = ScriptedAnswers()) {
        if (TMenuItem *item = script->PopupShown(*this))
            item->Click();
        return;
    }
    QMenu *menu = Menu();
    // The chosen action runs its item's click through its own connection.
    menu->exec(QPoint(X, Y));
}
