#include "plotlib/plot/iPlotLayoutManager.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Exception.h"
#include "platform/runtime/SysUtils.h"

#include <algorithm>
#include <cmath>

T_IMPLEMENT_CLASS(TiPlotDataViewLayout) {}

T_IMPLEMENT_CLASS(TiPlotDataViewHorz) {}

T_IMPLEMENT_CLASS(TiPlotDataViewVert) {}

namespace {

bool IsDataView(const TiPlotLayoutObject *Object)
{
    return dynamic_cast<const TiPlotDataView *>(Object) != nullptr;
}

bool IsPlaceholder(const TiPlotLayoutObject *Object)
{
    return dynamic_cast<const TiPlotDataViewLayout *>(Object) != nullptr;
}

// Two extents along a band that may not share it: overlapping, or exactly equal.
bool Conflict(const TiPlotLayoutObject *A, const TiPlotLayoutObject *B)
{
    const bool overlap = A->StartPercent() < B->StopPercent() && A->StopPercent() > B->StartPercent();
    const bool equal = A->StartPercent() == B->StartPercent() && A->StopPercent() == B->StopPercent();
    return overlap || equal;
}

// Order of the side lists: by band, then by the rounded start.
struct SideKey {
    long long ZOrder;
    long long Start;
    auto operator<=>(const SideKey &) const = default;
};

SideKey KeyOf(const TiPlotLayoutObject *Object)
{
    return {Object->ZOrder(), static_cast<long long>(std::nearbyint(Object->StartPercent()))};
}

// Inserts before every entry with an equal or greater key.
void AddToSideList(TStringList &List, TiPlotLayoutObject *Object)
{
    const SideKey key = KeyOf(Object);
    int index = 0;
    while (index < List.Count() && KeyOf(static_cast<TiPlotLayoutObject *>(List.Objects(index))) < key)
        ++index;
    List.InsertObject(index, Object->GetZOrderKey() + Object->GetStartKey(), Object);
}

int UniqueBands(const TStringList &List)
{
    int count = 0;
    for (int i = 0; i < List.Count(); ++i)
        if (i == 0 || static_cast<TiPlotLayoutObject *>(List.Objects(i))->ZOrder() >
                          static_cast<TiPlotLayoutObject *>(List.Objects(i - 1))->ZOrder())
            ++count;
    return count;
}

void RemoveFromList(TStringList &List, const TObject *Object)
{
    for (int i = List.Count() - 1; i >= 0; --i)
        if (List.Objects(i) == Object)
            List.Delete(i);
}

}  // namespace

// ---- Life ---------------------------------------------------------------------------------------

TiPlotLayoutManager::TiPlotLayoutManager(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                                         TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TiPlotObjectManagerCustom(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                                std::move(AOnRename))
{
    FDataViewHorz = MakePlaceholder<TiPlotDataViewHorz>(true);
    FDataViewVert = MakePlaceholder<TiPlotDataViewVert>(false);
    FEnabled = true;
}

template <class P>
P *TiPlotLayoutManager::MakePlaceholder(bool Horizontal)
{
    auto *placeholder = new P(FOwner, OnChange, OnInsert, OnRemove, OnRename);
    placeholder->SetHorizontal(Horizontal);
    placeholder->SetZOrder(1);
    placeholder->SetName(QStringLiteral("Data View"));
    // The master cannot pass it on to a manager still being made: file it here.
    NotificationInsert(placeholder);
    placeholder->DoInsert();
    return placeholder;
}

TiPlotLayoutManager::~TiPlotLayoutManager()
{
    // Bands stay as they are while the placeholders go.
    FEnabled = false;
    if (FDataViewHorz)
        std::exchange(FDataViewHorz, nullptr)->Free();
    if (FDataViewVert)
        std::exchange(FDataViewVert, nullptr)->Free();
}

TiPlotObject *TiPlotLayoutManager::CreateObject()
{
    throw Exception(QStringLiteral("Object Manager does not support creation of objects"));
}

// ---- Filing -------------------------------------------------------------------------------------

void TiPlotLayoutManager::NotificationInsert(TObject *Sender)
{
    auto *object = dynamic_cast<TiPlotLayoutObject *>(Sender);
    if (!object)
        return;
    InsertObject(object);
    const bool rebuilds = dynamic_cast<TiPlotAxis *>(object) || dynamic_cast<TiPlotToolBar *>(object) ||
                          dynamic_cast<TiPlotLegend *>(object) || dynamic_cast<TiPlotDataView *>(object) ||
                          dynamic_cast<TiPlotLabel *>(object) || IsPlaceholder(object);
    if (rebuilds)
        object->OnLayoutChange = TNotifyEvent(this, &TiPlotLayoutManager::LayoutChanged);
    if (dynamic_cast<TiPlotXAxis *>(object))
        object->SetHorizontal(!FXYAxesReverse);
    else if (dynamic_cast<TiPlotYAxis *>(object))
        object->SetHorizontal(FXYAxesReverse);
    if (FEnabled)
        InsertZOrder(object, 0, iidMerge);
}

void TiPlotLayoutManager::ObjectRemoved(TiPlotObject *AObject)
{
    for (TStringList *list : {&FTopList, &FBottomList, &FLeftList, &FRightList})
        RemoveFromList(*list, AObject);
    if (AObject == FDataViewHorz)
        FDataViewHorz = nullptr;
    if (AObject == FDataViewVert)
        FDataViewVert = nullptr;
    if (FEnabled)
        RemoveZOrder(static_cast<TiPlotLayoutObject *>(AObject));
}

// ---- Switches -----------------------------------------------------------------------------------

void TiPlotLayoutManager::SetEnabled(bool Value)
{
    if (FEnabled == Value)
        return;
    FEnabled = Value;
    if (FEnabled)
        RebuildSideLists();
}

void TiPlotLayoutManager::SetXYAxesReverse(bool Value)
{
    if (FXYAxesReverse == Value)
        return;
    FXYAxesReverse = Value;
    if (FEnabled)
        ReseatAxes();
}

void TiPlotLayoutManager::ReseatAxes()
{
    // By z-order as plain text; an axis goes before those with the same text.
    std::vector<TiPlotAxis *> axes;
    for (int i = 0; i < Count(); ++i) {
        auto *axis = dynamic_cast<TiPlotAxis *>(Items(i));
        if (!axis)
            continue;
        const QString key = QString::number(axis->ZOrder());
        const auto at = std::find_if(axes.begin(), axes.end(), [&](const TiPlotAxis *other) {
            return CompareText(QString::number(other->ZOrder()), key) >= 0;
        });
        axes.insert(at, axis);
    }
    for (TiPlotAxis *axis : axes) {
        RemoveZOrder(axis);
        const bool isX = dynamic_cast<TiPlotXAxis *>(axis) != nullptr;
        axis->SetHorizontal(isX ? !FXYAxesReverse : FXYAxesReverse);
        InsertZOrder(axis, 0, iidMerge);
    }
}

// ---- Bands --------------------------------------------------------------------------------------

TiPlotLayoutObject *TiPlotLayoutManager::LayoutItem(int Index) const
{
    return static_cast<TiPlotLayoutObject *>(Items(Index));
}

std::vector<TiPlotLayoutObject *> TiPlotLayoutManager::Peers(const TiPlotLayoutObject *Object) const
{
    std::vector<TiPlotLayoutObject *> peers;
    for (int i = 0; i < Count(); ++i) {
        TiPlotLayoutObject *other = LayoutItem(i);
        if (other != Object && other->Horizontal() == Object->Horizontal())
            peers.push_back(other);
    }
    return peers;
}

void TiPlotLayoutManager::InsertZOrder(TiPlotLayoutObject *NewObject, int DesiredZOrder,
                                       TiInsertDirection InsertDirection)
{
    const std::vector<TiPlotLayoutObject *> peers = Peers(NewObject);
    bool merge = InsertDirection == iidMerge;
    if (merge)
        for (const TiPlotLayoutObject *peer : peers)
            if (!IsDataView(peer) && peer->ZOrder() == DesiredZOrder && Conflict(peer, NewObject))
                merge = false;
    if (merge) {
        NewObject->SetZOrder(DesiredZOrder);
    } else {
        for (TiPlotLayoutObject *peer : peers) {
            if (IsDataView(peer))
                continue;
            const bool moves =
                InsertDirection == iidAbove ? peer->ZOrder() > DesiredZOrder : peer->ZOrder() >= DesiredZOrder;
            if (moves)
                peer->SetZOrder(peer->ZOrder() + 1);
        }
        NewObject->SetZOrder(InsertDirection == iidAbove ? DesiredZOrder + 1 : DesiredZOrder);
    }
    RebuildSideLists();
}

void TiPlotLayoutManager::RemoveZOrder(TiPlotLayoutObject *AObject)
{
    const std::vector<TiPlotLayoutObject *> peers = Peers(AObject);
    const int band = AObject->ZOrder();
    const bool alone = std::none_of(peers.begin(), peers.end(), [band](const TiPlotLayoutObject *peer) {
        return !IsDataView(peer) && peer->ZOrder() == band;
    });
    if (alone)
        for (TiPlotLayoutObject *peer : peers)
            if (peer->ZOrder() > band)
                peer->SetZOrder(peer->ZOrder() - 1);
    RebuildSideLists();
}

void TiPlotLayoutManager::RebuildSideLists()
{
    if (!FEnabled || !FDataViewHorz || !FDataViewVert)
        return;
    for (TStringList *list : {&FTopList, &FBottomList, &FLeftList, &FRightList})
        list->Clear();
    for (int i = 0; i < Count(); ++i) {
        TiPlotLayoutObject *object = LayoutItem(i);
        if (IsDataView(object) || IsPlaceholder(object))
            continue;
        if (object->IsHorz()) {
            const bool above = FDataViewHorz->ZOrder() < object->ZOrder();
            object->SetReverseSide(above);
            AddToSideList(above ? FTopList : FBottomList, object);
        } else {
            const bool right = FDataViewVert->ZOrder() < object->ZOrder();
            object->SetReverseSide(right);
            AddToSideList(right ? FRightList : FLeftList, object);
        }
    }
    FTopUniqueCount = UniqueBands(FTopList);
    FBottomUniqueCount = UniqueBands(FBottomList);
    FLeftUniqueCount = UniqueBands(FLeftList);
    FRightUniqueCount = UniqueBands(FRightList);
}

int TiPlotLayoutManager::VisibleCount(const TStringList *AList) const
{
    int count = 0;
    for (int i = 0; i < AList->Count(); ++i)
        if (static_cast<TiPlotLayoutObject *>(AList->Objects(i))->Visible())
            ++count;
    return count;
}
