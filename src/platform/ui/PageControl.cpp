#include "platform/ui/PageControl.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Exception.h"

#include <QSignalBlocker>
#include <QTabBar>
#include <QWidget>

#include <algorithm>

namespace {

constexpr int kTabHeight = 22;

}  // namespace

T_IMPLEMENT_CLASS(TTabSheet)
{
    // A page's place, size and visibility follow its page control.
    b.Int("Left", &TTabSheet::Left, &TTabSheet::SetLeft).Stored(false);
    b.Int("Top", &TTabSheet::Top, &TTabSheet::SetTop).Stored(false);
    b.Int("Width", &TTabSheet::Width, &TTabSheet::SetWidth).Stored(false);
    b.Int("Height", &TTabSheet::Height, &TTabSheet::SetHeight).Stored(false);
    b.Enum("Align", &TTabSheet::Align, &TTabSheet::SetAlign, AlignNames).Stored(false);
    b.Bool("Visible", &TTabSheet::Visible, &TTabSheet::SetVisible).Stored(false);
    b.Int("TabOrder", &TTabSheet::TabOrder, &TTabSheet::SetTabOrder).Stored(false);
    b.Color("Color", &TTabSheet::Color, &TTabSheet::SetColor)
        .Default(clBtnFace)
        .Idents(ColorIdents())
        .Stored(&TTabSheet::NotParentColor);
    b.Bool("ParentColor", &TTabSheet::ParentColor, &TTabSheet::SetParentColor).Default(false);
    b.Str("Caption", &TTabSheet::Caption, &TTabSheet::SetCaption);
    b.Int("PageIndex", &TTabSheet::PageIndex, &TTabSheet::SetPageIndex).Stored(false);
    b.Bool("TabVisible", &TTabSheet::TabVisible, &TTabSheet::SetTabVisible).Default(true);
    b.Message(CM_TEXTCHANGED, &TTabSheet::CMTextChanged);
}

T_IMPLEMENT_CLASS(TPageControl)
{
    b.Ref("ActivePage", &TPageControl::ActivePage, &TPageControl::SetActivePage);
    b.Bool("TabStop", &TPageControl::TabStop, &TPageControl::SetTabStop).Default(true);
    b.Event("OnChange", &TPageControl::OnChange);
    b.Event("OnChanging", &TPageControl::OnChanging);
}

// ---- TTabSheet ---------------------------------------------------------------------------------

TTabSheet::TTabSheet(TComponent *AOwner) : TWinControl(AOwner)
{
    FControlStyle = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks,
                                  csParentBackground};
    FVisible = false;
    FColor = clBtnFace;
    FParentColor = false;
    FAlign = alClient;
}

TTabSheet::~TTabSheet()
{
    Destroying();
    SetPageControl(nullptr);
}

void TTabSheet::SetPageControl(TPageControl *value)
{
    if (FPageControl == value)
        return;
    if (FPageControl)
        FPageControl->RemovePage(this);
    SetParent(value);
    if (value)
        value->InsertPage(this);
}

void TTabSheet::SetParentComponent(TComponent *Value)
{
    if (auto *pages = dynamic_cast<TPageControl *>(Value))
        SetPageControl(pages);
    else
        TWinControl::SetParentComponent(Value);
}

int TTabSheet::PageIndex() const
{
    if (!FPageControl)
        return -1;
    const auto &pages = FPageControl->FPages;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int value)
{
    if (!FPageControl)
        return;
    auto &pages = FPageControl->FPages;
    value = std::clamp(value, 0, static_cast<int>(pages.size()) - 1);
    pages.erase(std::find(pages.begin(), pages.end(), this));
    pages.insert(pages.begin() + value, this);
    FPageControl->UpdateTabs();
}

void TTabSheet::SetTabVisible(bool value)
{
    if (FTabVisible == value)
        return;
    FTabVisible = value;
    if (FPageControl)
        FPageControl->UpdateTabs();
}

int TTabSheet::TabIndex() const
{
    if (!FTabVisible || !FPageControl)
        return -1;
    int index = 0;
    for (TTabSheet *p : FPageControl->FPages) {
        if (p == this)
            return index;
        if (p->FTabVisible)
            ++index;
    }
    return -1;
}

void TTabSheet::CMTextChanged(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    if (FPageControl)
        FPageControl->UpdateTabs();
}

// ---- TPageControl ------------------------------------------------------------------------------

TPageControl::TPageControl(TComponent *AOwner) : TNativeControl(AOwner)
{
    FControlStyle = TControlStyle{csAcceptsControls, csCaptureMouse, csDoubleClicks};
    FTabStop = true;
    FColor = clBtnFace;
    SetBounds(0, 0, 289, 193);
}

TPageControl::~TPageControl()
{
    Destroying();
    while (!FPages.empty())
        FPages.back()->SetPageControl(nullptr);
}

TTabSheet *TPageControl::Pages(int index) const
{
    if (index < 0 || index >= PageCount())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return FPages[static_cast<std::size_t>(index)];
}

void TPageControl::InsertPage(TTabSheet *page)
{
    FPages.push_back(page);
    page->FPageControl = this;
    page->FreeNotification(this);
    UpdateTabs();
}

void TPageControl::RemovePage(TTabSheet *page)
{
    const auto it = std::find(FPages.begin(), FPages.end(), page);
    if (it == FPages.end())
        return;
    TTabSheet *next = FActivePage == page ? FindNextPage(page, true, true) : FActivePage;
    FPages.erase(it);
    page->FPageControl = nullptr;
    if (FActivePage == page)
        FActivePage = next == page ? nullptr : next;
    UpdateTabs();
    ShowActivePage();
}

void TPageControl::Notification(TComponent *AComponent, TOperation Operation)
{
    TNativeControl::Notification(AComponent, Operation);
    if (Operation == opRemove)
        if (auto *page = dynamic_cast<TTabSheet *>(AComponent); page && page->FPageControl == this)
            RemovePage(page);
}

void TPageControl::GetChildren(const TGetChildProc &Proc, TComponent *)
{
    for (TTabSheet *page : FPages)
        Proc(page);
}

int TPageControl::ActivePageIndex() const
{
    return FActivePage ? FActivePage->PageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int value)
{
    SetActivePage(value >= 0 && value < PageCount() ? FPages[static_cast<std::size_t>(value)] : nullptr);
}

void TPageControl::SetActivePage(TTabSheet *page)
{
    if (page && page->FPageControl != this)
        return;
    FActivePage = page;
    ShowActivePage();
}

void TPageControl::SetTabIndex(int value)
{
    for (TTabSheet *p : FPages)
        if (p->TabIndex() == value) {
            SetActivePage(p);
            return;
        }
}

TTabSheet *TPageControl::FindNextPage(TTabSheet *current, bool goForward, bool checkTabVisible) const
{
    if (FPages.empty())
        return nullptr;
    const int n = PageCount();
    int start = current ? current->PageIndex() : (goForward ? n - 1 : 0);
    for (int k = 1; k <= n; ++k) {
        const int i = ((start + (goForward ? k : -k)) % n + n) % n;
        TTabSheet *p = FPages[static_cast<std::size_t>(i)];
        if (!checkTabVisible || p->FTabVisible)
            return p;
    }
    return nullptr;
}

void TPageControl::SelectNextPage(bool goForward, bool checkTabVisible)
{
    TTabSheet *next = FindNextPage(FActivePage, goForward, checkTabVisible);
    if (next && next != FActivePage && CanChange()) {
        SetActivePage(next);
        Change();
    }
}

bool TPageControl::CanChange()
{
    bool allow = true;
    if (OnChanging)
        OnChanging(this, allow);
    return allow;
}

void TPageControl::Change()
{
    if (OnChange)
        OnChange(this);
}

void TPageControl::UserChoseTab(int tabIndex)
{
    if (FSyncing)
        return;
    TTabSheet *chosen = nullptr;
    for (TTabSheet *p : FPages)
        if (p->TabIndex() == tabIndex)
            chosen = p;
    if (!chosen || chosen == FActivePage)
        return;
    if (!CanChange()) {
        ShowActivePage();  // the tab goes back
        return;
    }
    SetActivePage(chosen);
    Change();
}

void TPageControl::ShowActivePage()
{
    for (TTabSheet *p : FPages)
        p->SetVisible(p == FActivePage);
    if (auto *bar = WidgetIfCreated() ? WidgetIfCreated()->findChild<QTabBar *>() : nullptr) {
        const QSignalBlocker block(bar);
        bar->setCurrentIndex(TabIndex());
    }
    Realign();
}

void TPageControl::UpdateTabs()
{
    QWidget *w = WidgetIfCreated();
    auto *bar = w ? w->findChild<QTabBar *>() : nullptr;
    if (!bar)
        return;
    const QSignalBlocker block(bar);
    FSyncing = true;
    while (bar->count() > 0)
        bar->removeTab(0);
    for (TTabSheet *p : FPages)
        if (p->FTabVisible)
            bar->addTab(p->Caption());
    bar->setCurrentIndex(TabIndex());
    bar->setGeometry(0, 0, Width(), kTabHeight);
    FSyncing = false;
}

QWidget *TPageControl::CreateNative(QWidget *parent)
{
    auto *host = new QWidget(parent);
    host->setAutoFillBackground(true);
    auto *bar = new QTabBar(host);
    bar->setDrawBase(true);
    bar->setExpanding(false);
    for (TTabSheet *p : FPages)
        if (p->FTabVisible)
            bar->addTab(p->Caption());
    bar->setCurrentIndex(TabIndex());
    bar->setGeometry(0, 0, Width(), kTabHeight);
    QObject::connect(bar, &QTabBar::currentChanged, bar, [this](int index) { Guarded([&] { UserChoseTab(index); }); });
    return host;
}

void TPageControl::AdjustClientRect(TRect &rect)
{
    TNativeControl::AdjustClientRect(rect);
    rect.Top += kTabHeight;
    rect.Inflate(-2, -2);
}
