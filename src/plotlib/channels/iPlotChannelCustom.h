#pragma once
// TiPlotChannelCustom: the base of a plot's channels (the strip-chart and the XY channel), a plot
// object made by the channel manager through the plot's channel class (TiPlotChannelClass). For
// now a channel carries what the managers need: its title text, its colour (the channel manager
// picks a new channel's colour from its palette), the names of its axes, its legend entry's
// rectangle (where the keyboard opens its popup menu) and the clearing of its data. GUI thread.

#include "plotlib/plot/iPlotObjects.h"

class TiPlotChannelCustom : public TiPlotManagerObject {
    T_DECLARE_CLASS(TiPlotChannelCustom, TiPlotManagerObject)
    using TiPlotManagerObject::TiPlotManagerObject;

    const QString &TitleText() const { return FTitleText; }
    void SetTitleText(const QString &Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    const QString &XAxisName() const { return FXAxisName; }
    // A different name (case-sensitive) is stored.
    void SetXAxisName(const QString &Value);
    const QString &YAxisName() const { return FYAxisName; }
    void SetYAxisName(const QString &Value);
    // Where the legend last drew this channel's entry.
    TRect LegendRect() const { return FLegendRect; }
    void SetLegendRect(const TRect &Value) { FLegendRect = Value; }

    // Deletes every point.
    virtual void Clear();

    // Base, then "Edit...".
    void AddMenuItems(TPopupMenu *PopupMenu) override;

protected:
    // The centre of the legend entry.
    bool GetKeyPopupPoint(TPoint &Point) override;

    QString FTitleText;
    TColor FColor = clRed;
    QString FXAxisName;
    QString FYAxisName;
    TRect FLegendRect;
};

// A class reference to a channel class: the class the channel manager makes new channels of.
struct TiPlotChannelClass {
    using TCreate = TiPlotChannelCustom *(*)(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                             TNotifyEvent AOnRemove, TNotifyEvent AOnRename);
    const TClassInfo *ClassInfo = nullptr;
    TCreate Create = nullptr;

    explicit operator bool() const { return Create != nullptr; }
    bool operator==(const TiPlotChannelClass &Other) const { return ClassInfo == Other.ClassInfo; }

    template <class C>
    static TiPlotChannelClass Of()
    {
        static_assert(std::is_base_of_v<TiPlotChannelCustom, C>);
        return {&C::StaticClass(),
                [](TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                   TNotifyEvent AOnRename) -> TiPlotChannelCustom * {
                    return new C(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                                 std::move(AOnRename));
                }};
    }
};
