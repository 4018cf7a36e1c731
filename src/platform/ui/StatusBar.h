#pragma once
// TStatusBar: the bar at the bottom of a window, in the classic look: the button face, the panels
// from 2 pixels below the top to the bottom edge. With SimplePanel it shows SimpleText alone in
// one sunken panel across the bar; otherwise one panel per item of Panels, each Width wide and 2
// pixels apart, the last one taking the rest (with no items, one empty panel). A panel's Bevel
// frames it sunken, raised or not at all; its text starts 3 pixels inside the frame. The size grip
// (SizeGrip) shows in the bottom-right corner, over the panels, only while the bar's parent is a
// form with a sizeable border.

#include "platform/runtime/Collection.h"
#include "platform/runtime/EnumNames.h"
#include "platform/ui/ControlsCustomControl.h"
#include "platform/ui/StdCtrlsTypes.h"

#include <memory>

enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };
inline constexpr auto StatusPanelBevelNames = EnumNames<TStatusPanelBevel>("pbNone", "pbLowered", "pbRaised");

class TStatusPanel : public TCollectionItem {
    T_DECLARE_CLASS(TStatusPanel, TCollectionItem)

public:
    explicit TStatusPanel(TCollection *Collection) : TCollectionItem(Collection) {}

    const QString &Text() const { return FText; }
    void SetText(const QString &value);
    int Width() const { return FWidth; }
    void SetWidth(int value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TStatusPanelBevel Bevel() const { return FBevel; }
    void SetBevel(TStatusPanelBevel value);

    void Assign(TPersistent *Source) override;

private:
    QString FText;
    int FWidth = 50;
    TAlignment FAlignment = taLeftJustify;
    TStatusPanelBevel FBevel = pbLowered;
};

class TStatusBar : public TCustomControl {
    T_DECLARE_CLASS(TStatusBar, TCustomControl)

public:
    explicit TStatusBar(TComponent *AOwner);
    ~TStatusBar() override;

    bool SimplePanel() const { return FSimplePanel; }
    void SetSimplePanel(bool value);
    const QString &SimpleText() const { return FSimpleText; }
    void SetSimpleText(const QString &value);
    TCollection *Panels() const { return FPanels.get(); }
    void SetPanels(TCollection *value) { FPanels->Assign(value); }
    TStatusPanel *Panel(int index) const;
    bool SizeGrip() const { return FSizeGrip; }
    void SetSizeGrip(bool value);

protected:
    void Paint() override;

private:
    void DrawField(const TRect &rect, const QString &text, TAlignment alignment, TStatusPanelBevel bevel);
    bool ShowsSizeGrip() const;
    void DrawSizeGrip();

    bool FSimplePanel = false;
    QString FSimpleText;
    std::unique_ptr<TCollection> FPanels;
    bool FSizeGrip = true;
};
