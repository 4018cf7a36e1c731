#pragma once
// TPageControl and TTabSheet: pages with tabs. Each TTabSheet child is one page; the active page
// fills the client area under the tabs, the others are hidden. A click on a tab asks OnChanging
// (which may refuse), then shows the page and fires OnChange; writing ActivePage or TabIndex by
// code fires neither.

#include "platform/ui/NativeControl.h"

#include <vector>

class QTabBar;
class TPageControl;

class TTabSheet : public TWinControl {
    T_DECLARE_CLASS(TTabSheet, TWinControl)

public:
    explicit TTabSheet(TComponent *AOwner);
    ~TTabSheet() override;

    TPageControl *PageControl() const { return FPageControl; }
    void SetPageControl(TPageControl *value);
    int PageIndex() const;
    void SetPageIndex(int value);
    bool TabVisible() const { return FTabVisible; }
    void SetTabVisible(bool value);
    // Index among the visible tabs, -1 when the tab is hidden.
    int TabIndex() const;

    void SetParentComponent(TComponent *Value) override;
    bool NotParentColor() const { return !ParentColor(); }

protected:  // message handlers, registered by number in the class description
    void CMTextChanged(TMessage &m);

private:
    friend class TPageControl;
    TPageControl *FPageControl = nullptr;
    bool FTabVisible = true;
};

using TTabChangingEvent = TEvent<void(TObject *Sender, bool &AllowChange)>;

class TPageControl : public TNativeControl {
    T_DECLARE_CLASS(TPageControl, TNativeControl)

public:
    explicit TPageControl(TComponent *AOwner);
    ~TPageControl() override;

    int PageCount() const { return static_cast<int>(FPages.size()); }
    TTabSheet *Pages(int index) const;
    TTabSheet *ActivePage() const { return FActivePage; }
    void SetActivePage(TTabSheet *page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int value);
    // The active page's index among the visible tabs.
    int TabIndex() const { return FActivePage ? FActivePage->TabIndex() : -1; }
    void SetTabIndex(int value);
    // The next or previous visible page after `current`.
    TTabSheet *FindNextPage(TTabSheet *current, bool goForward, bool checkTabVisible) const;
    void SelectNextPage(bool goForward, bool checkTabVisible = true);

    void GetChildren(const TGetChildProc &Proc, TComponent *Root) override;
    void Notification(TComponent *AComponent, TOperation Operation) override;

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;

protected:
    virtual bool CanChange();
    virtual void Change();
    QWidget *CreateNative(QWidget *parent) override;
    void AdjustClientRect(TRect &rect) override;
    void UpdateTabs();
    void ShowActivePage();
    void UserChoseTab(int tabIndex);

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet *page);
    void RemovePage(TTabSheet *page);

    std::vector<TTabSheet *> FPages;
    TTabSheet *FActivePage = nullptr;
    bool FSyncing = false;
};
