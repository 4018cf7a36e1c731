#include "platform/ui/MenuItem.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Exception.h"
#include "platform/ui/Menus.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

#include <algorithm>

T_IMPLEMENT_CLASS(TMenuItem)
{
    b.Bool("AutoCheck", &TMenuItem::AutoCheck, &TMenuItem::SetAutoCheck).Default(false);
    b.Str("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption);
    b.Bool("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked).Default(false);
    b.Bool("Default", &TMenuItem::Default, &TMenuItem::SetDefault).Default(false);
    b.Bool("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled).Default(true);
    b.Int("GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex).Default(0);
    b.Str("Hint", &TMenuItem::Hint, &TMenuItem::SetHint);
    b.Bool("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem).Default(false);
    b.Int("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut).Default(0);
    b.Bool("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible).Default(true);
    b.Event("OnClick", &TMenuItem::OnClick);
}

TShortCut ShortCut(WORD key, TShiftState shift)
{
    TShortCut result = key & 0xFF;
    if (shift.Contains(ssShift))
        result |= scShift;
    if (shift.Contains(ssCtrl))
        result |= scCtrl;
    if (shift.Contains(ssAlt))
        result |= scAlt;
    return result;
}

QString StripHotkey(const QString &caption)
{
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&')) {
                out += QLatin1Char('&');
                ++i;
            }
            continue;
        }
        out += caption[i];
    }
    return out;
}

QChar GetHotkey(const QString &caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return caption[i + 1].toUpper();
    }
    return QChar();
}

namespace {

// The key sequence of a shortcut; only the keys a menu can carry are mapped.
QKeySequence KeySequenceOf(TShortCut shortCut)
{
    if (shortCut == scNone)
        return QKeySequence();
    const int vk = shortCut & 0xFF;
    int key = 0;
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z'))
        key = vk;
    else if (vk >= VK_F1 && vk <= VK_F12)
        key = Qt::Key_F1 + (vk - VK_F1);
    else {
        static const std::pair<int, int> table[] = {
            {VK_RETURN, Qt::Key_Return}, {VK_ESCAPE, Qt::Key_Escape}, {VK_TAB, Qt::Key_Tab},
            {VK_BACK, Qt::Key_Backspace}, {VK_SPACE, Qt::Key_Space},  {VK_INSERT, Qt::Key_Insert},
            {VK_DELETE, Qt::Key_Delete}, {VK_HOME, Qt::Key_Home},     {VK_END, Qt::Key_End},
            {VK_PRIOR, Qt::Key_PageUp},  {VK_NEXT, Qt::Key_PageDown}, {VK_LEFT, Qt::Key_Left},
            {VK_RIGHT, Qt::Key_Right},   {VK_UP, Qt::Key_Up},         {VK_DOWN, Qt::Key_Down},
            {VK_ADD, Qt::Key_Plus},      {VK_SUBTRACT, Qt::Key_Minus}};
        for (const auto &[from, to] : table)
            if (from == vk)
                key = to;
    }
    if (key == 0)
        return QKeySequence();
    int modifiers = 0;
    if (shortCut & scShift)
        modifiers |= Qt::SHIFT;
    if (shortCut & scCtrl)
        modifiers |= Qt::CTRL;
    if (shortCut & scAlt)
        modifiers |= Qt::ALT;
    return QKeySequence(key | modifiers);
}

}  // namespace

TMenuItem::TMenuItem(TComponent *AOwner) : TComponent(AOwner) {}

TMenuItem::~TMenuItem()
{
    Destroying();
    while (!FItems.empty())
        delete FItems.back();
    if (FParent)
        FParent->Remove(this);
    delete FSubMenu;
    delete FAction;
}

void TMenuItem::SetCaption(const QString &value)
{
    if (FCaption == value)
        return;
    const bool wasLine = IsLine();
    FCaption = value;
    MenuChanged(wasLine != IsLine());
}

void TMenuItem::SetChecked(bool value)
{
    if (FChecked == value)
        return;
    FChecked = value;
    if (value && FRadioItem)
        TurnSiblingsOff();
    MenuChanged(false);
}

void TMenuItem::SetEnabled(bool value)
{
    if (FEnabled == value)
        return;
    FEnabled = value;
    MenuChanged(false);
}

void TMenuItem::SetVisible(bool value)
{
    if (FVisible == value)
        return;
    FVisible = value;
    MenuChanged(false);
}

void TMenuItem::SetRadioItem(bool value)
{
    if (FRadioItem == value)
        return;
    FRadioItem = value;
    if (FChecked && FRadioItem)
        TurnSiblingsOff();
    MenuChanged(false);
}

void TMenuItem::SetGroupIndex(int value)
{
    value &= 0xFF;  // a byte in the framework
    if (FGroupIndex == value)
        return;
    FGroupIndex = value;
    if (FChecked && FRadioItem)
        TurnSiblingsOff();
}

void TMenuItem::SetShortCut(TShortCut value)
{
    if (FShortCut == value)
        return;
    FShortCut = value;
    MenuChanged(false);
}

void TMenuItem::SetDefault(bool value)
{
    if (FDefault == value)
        return;
    FDefault = value;
    MenuChanged(false);
}

void TMenuItem::TurnSiblingsOff()
{
    if (!FParent)
        return;
    for (TMenuItem *sibling : FParent->FItems)
        if (sibling != this && sibling->FRadioItem && sibling->FGroupIndex == FGroupIndex)
            sibling->SetChecked(false);
}

TMenuItem *TMenuItem::Items(int index) const
{
    if (index < 0 || index >= Count())
        throw EMenuError(QStringLiteral("Menu index out of range"));
    return FItems[static_cast<std::size_t>(index)];
}

int TMenuItem::MenuIndex() const
{
    return FParent ? FParent->IndexOf(this) : -1;
}

void TMenuItem::SetMenuIndex(int value)
{
    if (!FParent)
        return;
    TMenuItem *parent = FParent;
    const int count = parent->Count();
    value = std::clamp(value, 0, count - 1);
    if (value == MenuIndex())
        return;
    parent->Remove(this);
    parent->Insert(value, this);
}

void TMenuItem::Add(TMenuItem *item)
{
    Insert(Count(), item);
}

void TMenuItem::Insert(int index, TMenuItem *item)
{
    if (!item)
        return;
    if (item->FParent)
        throw EMenuError(QStringLiteral("Menu inserted twice"));
    if (index < 0 || index > Count())
        throw EMenuError(QStringLiteral("Menu index out of range"));
    FItems.insert(FItems.begin() + index, item);
    item->FParent = this;
    if (item->FChecked && item->FRadioItem)
        item->TurnSiblingsOff();
    MenuChanged(true);
}

void TMenuItem::Delete(int index)
{
    TMenuItem *item = Items(index);
    FItems.erase(FItems.begin() + index);
    item->FParent = nullptr;
    MenuChanged(true);
}

void TMenuItem::Remove(TMenuItem *item)
{
    const int index = IndexOf(item);
    if (index < 0)
        throw EMenuError(QStringLiteral("Sub-menu is not in menu"));
    Delete(index);
}

void TMenuItem::Clear()
{
    while (!FItems.empty())
        delete FItems.back();
}

int TMenuItem::IndexOf(const TMenuItem *item) const
{
    const auto it = std::find(FItems.begin(), FItems.end(), item);
    return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

TMenuItem *TMenuItem::Find(const QString &caption) const
{
    const QString wanted = StripHotkey(caption);
    for (TMenuItem *item : FItems)
        if (StripHotkey(item->FCaption).compare(wanted, Qt::CaseInsensitive) == 0)
            return item;
    return nullptr;
}

TMenu *TMenuItem::GetParentMenu() const
{
    const TMenuItem *item = this;
    while (item->FParent)
        item = item->FParent;
    return item->FMenu;
}

bool TMenuItem::Showing() const
{
    for (const TMenuItem *item = this; item; item = item->FParent)
        if (!item->FVisible)
            return false;
    return true;
}

void TMenuItem::Click()
{
    if (!FEnabled)
        return;
    if (FAutoCheck)
        SetChecked(FRadioItem ? true : !FChecked);
    if (OnClick)
        OnClick(this);
}

TComponent *TMenuItem::GetParentComponent() const
{
    if (FParent && FParent->FMenu)
        return FParent->FMenu;
    return FParent;
}

void TMenuItem::SetParentComponent(TComponent *value)
{
    if (FParent)
        FParent->Remove(this);
    if (!value)
        return;
    if (auto *menu = dynamic_cast<TMenu *>(value))
        menu->Items()->Add(this);
    else if (auto *item = dynamic_cast<TMenuItem *>(value))
        item->Add(this);
}

void TMenuItem::GetChildren(const TGetChildProc &Proc, TComponent *)
{
    for (TMenuItem *item : FItems)
        Proc(item);
}

void TMenuItem::MenuChanged(bool rebuild)
{
    if (ComponentState().Contains(csDestroying))
        return;
    SyncAction();
    if (!rebuild)
        return;
    FillSubMenu();
    if (FMenu)
        FMenu->RootChanged();
}

QAction *TMenuItem::Action()
{
    if (!FAction) {
        FAction = new QAction();
        QObject::connect(FAction, &QAction::triggered, [this] {
            // Qt toggles a checkable action itself; the check mark follows Checked only.
            if (FAction->isChecked() != FChecked)
                FAction->setChecked(FChecked);
            Click();
        });
        SyncAction();
        FillSubMenu();
    }
    return FAction;
}

QMenu *TMenuItem::SubMenu()
{
    if (FItems.empty() && !FMenu)
        return nullptr;  // a leaf; the root of a menu always has its drop-down
    if (!FSubMenu) {
        FSubMenu = new QMenu();
        FillSubMenu();
    }
    return FSubMenu;
}

void TMenuItem::SyncAction()
{
    if (!FAction)
        return;
    FAction->setSeparator(IsLine());
    FAction->setText(FCaption);
    FAction->setVisible(FVisible);
    FAction->setEnabled(FEnabled);
    FAction->setCheckable(FChecked || FRadioItem || FAutoCheck);
    FAction->setChecked(FChecked);
    FAction->setShortcut(KeySequenceOf(FShortCut));
    FAction->setStatusTip(FHint);
    QFont font = FAction->font();
    font.setBold(FDefault);
    FAction->setFont(font);
}

void TMenuItem::FillSubMenu()
{
    if (FItems.empty() && FAction)
        FAction->setMenu(static_cast<QMenu *>(nullptr));
    if (!FSubMenu && (FItems.empty() || !FAction))
        return;  // nothing of this item is shown yet
    if (!FSubMenu)
        FSubMenu = new QMenu();
    FSubMenu->clear();
    for (TMenuItem *item : FItems)
        FSubMenu->addAction(item->Action());
    if (FAction && !FItems.empty())
        FAction->setMenu(FSubMenu);
}
