#pragma once
// TiPlotLayoutManager: the bands of a plot's layout objects (axes, toolbars, legends, labels,
// tables, data views) and the four side lists the plot layout reads.
//
// Model: every layout object has a ZOrder and lies in the horizontal or the vertical stack. Two
// placeholders (DataViewHorz, DataViewVert, named "Data View", z-order 1 when made) stand for the
// data view in the stacks: a horizontal object with a higher z-order than the horizontal
// placeholder lies above the data view (ReverseSide), any other below it; a vertical one right
// of the data view when higher than the vertical placeholder, else left of it. Objects share a
// band when their extents along it do not overlap (touching extents do not). Data views and the
// placeholders never appear in the side lists, and opening a band never moves a data view.
//
// Rules a caller must know:
//  - The side lists run in band order, bands by their numeric z-order, and within a band by the
//    rounded start percent; an object added with the key of others goes before them. Any z-order
//    sorts by its value (the keys' text is three digits only for 0 ... 999).
//  - A new layout object is merged into band 0 (InsertZOrder(object, 0, iidMerge)); one that
//    leaves closes its band when it was alone in it. A change of Horizontal, ZOrder or
//    ForceStacking rebuilds the lists; a change of the extent alone does not.
//  - While disabled nothing is rebuilt or moved, so that z-orders set or streamed meanwhile stay
//    as they are; enabling rebuilds the lists.
// GUI thread.

#include "platform/runtime/StringList.h"
#include "plotlib/plot/iPlotManagers.h"

#include <memory>

// Stands for the data view in a stack of bands.
class TiPlotDataViewLayout : public TiPlotLayoutObject {
    T_DECLARE_CLASS(TiPlotDataViewLayout, TiPlotLayoutObject)
    using TiPlotLayoutObject::TiPlotLayoutObject;
};

class TiPlotDataViewHorz : public TiPlotDataViewLayout {
    T_DECLARE_CLASS(TiPlotDataViewHorz, TiPlotDataViewLayout)
    using TiPlotDataViewLayout::TiPlotDataViewLayout;
};

class TiPlotDataViewVert : public TiPlotDataViewLayout {
    T_DECLARE_CLASS(TiPlotDataViewVert, TiPlotDataViewLayout)
    using TiPlotDataViewLayout::TiPlotDataViewLayout;
};

enum TiInsertDirection { iidMerge, iidBelow, iidAbove };

class TiPlotLayoutManager : public TiPlotObjectManagerCustom {
public:
    // Makes and files both placeholders with the manager's notifications, then enables itself.
    TiPlotLayoutManager(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                        TNotifyEvent AOnRename);
    // Frees both placeholders (their removal is announced like any object's).
    ~TiPlotLayoutManager() override;

    // Raises "Object Manager does not support creation of objects": layout objects come from the
    // managers of their kinds.
    TiPlotObject *CreateObject() override;
    QString GetBaseName() const override { return QStringLiteral("Layout Object"); }
    // Files layout objects only: an X axis goes horizontal (vertical with XYAxesReverse), a Y
    // axis the other way; then, when enabled, it is merged into band 0.
    void NotificationInsert(TObject *Sender) override;
    void ObjectRemoved(TiPlotObject *AObject) override;

    bool XYAxesReverse() const { return FXYAxesReverse; }
    // Moves every axis into the other stack when enabled.
    void SetXYAxesReverse(bool Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    TiPlotDataViewHorz *DataViewHorz() const { return FDataViewHorz; }
    TiPlotDataViewVert *DataViewVert() const { return FDataViewVert; }
    // The side lists: each entry holds an object under its key (z-order and start, 3 digits each).
    const TStringList *TopList() const { return &FTopList; }
    const TStringList *BottomList() const { return &FBottomList; }
    const TStringList *LeftList() const { return &FLeftList; }
    const TStringList *RightList() const { return &FRightList; }
    // The number of distinct bands in each side list.
    int TopUniqueCount() const { return FTopUniqueCount; }
    int BottomUniqueCount() const { return FBottomUniqueCount; }
    int LeftUniqueCount() const { return FLeftUniqueCount; }
    int RightUniqueCount() const { return FRightUniqueCount; }

    // Puts the object into band DesiredZOrder of its stack: merged into it when it fits there
    // (iidMerge), else a band is opened there, moving the bands from there on outward (iidMerge,
    // iidBelow) or the bands beyond it (iidAbove, the object then goes one band further).
    void InsertZOrder(TiPlotLayoutObject *NewObject, int DesiredZOrder, TiInsertDirection InsertDirection);
    // Closes the object's band when it was alone in it.
    void RemoveZOrder(TiPlotLayoutObject *AObject);
    // Visible objects of a side list.
    int VisibleCount(const TStringList *AList) const;
    // Rebuilds the side lists now (nothing while disabled).
    void RebuildSideLists();

private:
    TiPlotLayoutObject *LayoutItem(int Index) const;
    // Objects of the list in the same stack as Object, Object itself left out.
    std::vector<TiPlotLayoutObject *> Peers(const TiPlotLayoutObject *Object) const;
    void LayoutChanged(TObject *) { RebuildSideLists(); }
    void ReseatAxes();
    // Files a placeholder made by the constructor.
    template <class P>
    P *MakePlaceholder(bool Horizontal);

    bool FXYAxesReverse = false;
    TiPlotDataViewHorz *FDataViewHorz = nullptr;
    TiPlotDataViewVert *FDataViewVert = nullptr;
    bool FEnabled = false;
    TStringList FTopList;
    TStringList FBottomList;
    TStringList FLeftList;
    TStringList FRightList;
    int FLeftUniqueCount = 0;
    int FRightUniqueCount = 0;
    int FBottomUniqueCount = 0;
    int FTopUniqueCount = 0;
};
