// TiPlotComponent: the published events, the reports of the plot objects that fire them, and the
// forwarding of one axis's input to the other axes of its kind.

#include "plotlib/plot/iPlotComponent.h"

#include "platform/runtime/ClassBuilder.h"
#include "plotlib/base/iScopeExit.h"

#include <string>
#include <vector>

namespace {

using P = TiPlotComponent;

// The kinds of plot object that have events, in the order the plot tests an object's class.
enum Kind {
    KindChannel,
    KindXAxis,
    KindYAxis,
    KindDataCursor,
    KindDataView,
    KindLegend,
    KindLimit,
    KindTable,
    KindAnnotation,
    KindCount,
    KindNone = KindCount
};

// The kind's part of its event names.
constexpr std::array<const char *, KindCount> KindNames = {"Channel", "XAxis", "YAxis", "DataCursor", "DataView",
                                                           "Legend",  "Limit", "Table", "Annotation"};

// One event of each kind for one occurrence (nullptr: the kind has no such event).
template <class E>
using KindEvents = std::array<E P::*, KindCount>;

// clang-format off
constexpr KindEvents<TiPlotObjectMouseEvent> MouseDownEvents = {
    &P::OnMouseDownChannel, &P::OnMouseDownXAxis, &P::OnMouseDownYAxis, &P::OnMouseDownDataCursor,
    &P::OnMouseDownDataView, &P::OnMouseDownLegend, &P::OnMouseDownLimit, nullptr, &P::OnMouseDownAnnotation};
constexpr KindEvents<TiPlotObjectMouseMoveEvent> MouseMoveEvents = {
    &P::OnMouseMoveChannel, &P::OnMouseMoveXAxis, &P::OnMouseMoveYAxis, &P::OnMouseMoveDataCursor,
    &P::OnMouseMoveDataView, &P::OnMouseMoveLegend, &P::OnMouseMoveLimit, nullptr, &P::OnMouseMoveAnnotation};
constexpr KindEvents<TiPlotObjectMouseEvent> MouseUpEvents = {
    &P::OnMouseUpChannel, &P::OnMouseUpXAxis, &P::OnMouseUpYAxis, &P::OnMouseUpDataCursor,
    &P::OnMouseUpDataView, &P::OnMouseUpLegend, &P::OnMouseUpLimit, nullptr, &P::OnMouseUpAnnotation};
constexpr KindEvents<TiPlotObjectMouseWheelEvent> MouseWheelEvents = {
    &P::OnMouseWheelChannel, &P::OnMouseWheelXAxis, &P::OnMouseWheelYAxis, &P::OnMouseWheelDataCursor,
    &P::OnMouseWheelDataView, &P::OnMouseWheelLegend, &P::OnMouseWheelLimit, nullptr, &P::OnMouseWheelAnnotation};
constexpr KindEvents<TiPlotObjectEvent> ClickEvents = {
    &P::OnClickChannel, &P::OnClickXAxis, &P::OnClickYAxis, &P::OnClickDataCursor,
    &P::OnClickDataView, &P::OnClickLegend, &P::OnClickLimit, nullptr, &P::OnClickAnnotation};
constexpr KindEvents<TiPlotObjectEvent> DblClickEvents = {
    &P::OnDblClickChannel, &P::OnDblClickXAxis, &P::OnDblClickYAxis, &P::OnDblClickDataCursor,
    &P::OnDblClickDataView, &P::OnDblClickLegend, &P::OnDblClickLimit, nullptr, &P::OnDblClickAnnotation};
constexpr KindEvents<TiPlotObjectGetMouseCursorEvent> GetMouseCursorEvents = {
    &P::OnGetMouseCursorChannel, &P::OnGetMouseCursorXAxis, &P::OnGetMouseCursorYAxis,
    &P::OnGetMouseCursorDataCursor, &P::OnGetMouseCursorDataView, &P::OnGetMouseCursorLegend,
    &P::OnGetMouseCursorLimit, nullptr, &P::OnGetMouseCursorAnnotation};
constexpr KindEvents<TiPlotPopupMenuEvent> PopupMenuEvents = {
    &P::OnPopupMenuChannel, &P::OnPopupMenuXAxis, &P::OnPopupMenuYAxis, &P::OnPopupMenuDataCursor,
    &P::OnPopupMenuDataView, &P::OnPopupMenuLegend, &P::OnPopupMenuLimit, nullptr, &P::OnPopupMenuAnnotation};
constexpr KindEvents<TiPlotObjectEvent> GotFocusEvents = {
    &P::OnGotFocusChannel, &P::OnGotFocusXAxis, &P::OnGotFocusYAxis, &P::OnGotFocusDataCursor,
    &P::OnGotFocusDataView, &P::OnGotFocusLegend, nullptr, nullptr, &P::OnGotFocusAnnotation};
constexpr KindEvents<TiPlotObjectEvent> LostFocusEvents = {
    &P::OnLostFocusChannel, &P::OnLostFocusXAxis, &P::OnLostFocusYAxis, &P::OnLostFocusDataCursor,
    &P::OnLostFocusDataView, &P::OnLostFocusLegend, nullptr, nullptr, &P::OnLostFocusAnnotation};
constexpr KindEvents<TiPlotObjectEvent> AddEvents = {
    &P::OnAddChannel, &P::OnAddXAxis, &P::OnAddYAxis, &P::OnAddDataCursor, &P::OnAddDataView,
    &P::OnAddLegend, &P::OnAddLimit, &P::OnAddTable, &P::OnAddAnnotation};
constexpr KindEvents<TiPlotObjectEvent> RemoveEvents = {
    &P::OnRemoveChannel, &P::OnRemoveXAxis, &P::OnRemoveYAxis, &P::OnRemoveDataCursor, &P::OnRemoveDataView,
    &P::OnRemoveLegend, &P::OnRemoveLimit, &P::OnRemoveTable, &P::OnRemoveAnnotation};
// clang-format on

// The object's kind, by class; the kinds' classes are disjoint.
Kind KindOf(const TObject *Object)
{
    if (dynamic_cast<const TiPlotChannelCustom *>(Object))
        return KindChannel;
    if (dynamic_cast<const TiPlotXAxis *>(Object))
        return KindXAxis;
    if (dynamic_cast<const TiPlotYAxis *>(Object))
        return KindYAxis;
    if (dynamic_cast<const TiPlotDataCursor *>(Object))
        return KindDataCursor;
    if (dynamic_cast<const TiPlotDataView *>(Object))
        return KindDataView;
    if (dynamic_cast<const TiPlotLegend *>(Object))
        return KindLegend;
    if (dynamic_cast<const TiPlotLimit *>(Object))
        return KindLimit;
    if (dynamic_cast<const TiPlotTable *>(Object))
        return KindTable;
    if (dynamic_cast<const TiPlotAnnotation *>(Object))
        return KindAnnotation;
    return KindNone;
}

TiPlotObjectManagerCustom *ManagerOf(const TiPlotMasterManager *Master, Kind AKind)
{
    switch (AKind) {
    case KindChannel: return Master->ChannelManager();
    case KindXAxis: return Master->XAxisManager();
    case KindYAxis: return Master->YAxisManager();
    case KindDataCursor: return Master->DataCursorManager();
    case KindDataView: return Master->DataViewManager();
    case KindLegend: return Master->LegendManager();
    case KindLimit: return Master->LimitManager();
    case KindTable: return Master->TableManager();
    case KindAnnotation: return Master->AnnotationManager();
    default: return nullptr;
    }
}

// The object's index in the manager of its kind, or -1.
int IndexOf(const TiPlotComponent *Plot, const TObject *Object)
{
    const TiPlotObjectManagerCustom *manager = Plot->Master() ? ManagerOf(Plot->Master(), KindOf(Object)) : nullptr;
    return manager ? manager->GetIndex(Object) : -1;
}

// Fires the event of the object's kind with its index, unless the plot loads, the kind has no
// such event or it is not assigned. A copy is called: the handler may assign another.
template <class E, class... A>
void FireKindEvent(TiPlotComponent *Plot, const KindEvents<E> &Events, const TObject *Object, A &&...Args)
{
    if (Plot->IsLoading())
        return;
    const Kind kind = KindOf(Object);
    if (kind == KindNone || !Events[kind])
        return;
    const E event = Plot->*Events[kind];
    const int index = IndexOf(Plot, Object);
    if (event && index >= 0)
        event(index, std::forward<A>(Args)...);
}

// Fires an event that takes the object's index first, unless the plot loads.
template <class E, class... A>
void FireIndexEvent(TiPlotComponent *Plot, const E &Event, const TObject *Object, A &&...Args)
{
    if (Plot->IsLoading() || !Event)
        return;
    const E event = Event;
    const int index = IndexOf(Plot, Object);
    if (index >= 0)
        event(index, std::forward<A>(Args)...);
}

// The axis events: fired on every scale change while data arrives, so the axis's kind comes from
// the axis itself and its index is only looked up for an assigned handler.
template <class E, class... A>
void FireAxisEvent(TiPlotComponent *Plot, const E &XEvent, const E &YEvent, const TiPlotAxis *Axis, A &&...Args)
{
    const bool x = Axis->IsXAxis();
    const E &Event = x ? XEvent : YEvent;
    if (!Event || Plot->IsLoading() || !Plot->Master())
        return;
    const E event = Event;
    const TiPlotObjectManagerCustom *manager =
        x ? static_cast<const TiPlotObjectManagerCustom *>(Plot->Master()->XAxisManager())
          : Plot->Master()->YAxisManager();
    const int index = manager ? manager->GetIndex(Axis) : -1;
    if (index >= 0)
        event(index, std::forward<A>(Args)...);
}

template <class E>
void PublishKindEvents(TClassBuilder<P> &b, const char *Occurrence, const KindEvents<E> &Events)
{
    for (std::size_t kind = 0; kind < Events.size(); ++kind)
        if (Events[kind])
            b.Event((std::string(Occurrence) + KindNames[kind]).c_str(), Events[kind]);
}

}  // namespace

// ---- Publishing ---------------------------------------------------------------------------------

void TiPlotComponent::DescribeEvents(TClassBuilder<TiPlotComponent> &b)
{
    PublishKindEvents(b, "OnMouseDown", MouseDownEvents);
    PublishKindEvents(b, "OnMouseMove", MouseMoveEvents);
    PublishKindEvents(b, "OnMouseUp", MouseUpEvents);
    PublishKindEvents(b, "OnMouseWheel", MouseWheelEvents);
    PublishKindEvents(b, "OnClick", ClickEvents);
    PublishKindEvents(b, "OnDblClick", DblClickEvents);
    PublishKindEvents(b, "OnGetMouseCursor", GetMouseCursorEvents);
    b.Event("OnGetMouseCursorTable", &P::OnGetMouseCursorTable);
    PublishKindEvents(b, "OnPopupMenu", PopupMenuEvents);
    PublishKindEvents(b, "OnGotFocus", GotFocusEvents);
    PublishKindEvents(b, "OnLostFocus", LostFocusEvents);
    PublishKindEvents(b, "OnAdd", AddEvents);
    PublishKindEvents(b, "OnRemove", RemoveEvents);
    b.Event("OnXAxisMinChange", &P::OnXAxisMinChange);
    b.Event("OnYAxisMinChange", &P::OnYAxisMinChange);
    b.Event("OnXAxisSpanChange", &P::OnXAxisSpanChange);
    b.Event("OnYAxisSpanChange", &P::OnYAxisSpanChange);
    b.Event("OnXAxisMinSpanChange", &P::OnXAxisMinSpanChange);
    b.Event("OnYAxisMinSpanChange", &P::OnYAxisMinSpanChange);
    b.Event("OnXAxisMinSpanChangeFinished", &P::OnXAxisMinSpanChangeFinished);
    b.Event("OnYAxisMinSpanChangeFinished", &P::OnYAxisMinSpanChangeFinished);
    b.Event("OnXAxisCustomizeLabel", &P::OnXAxisCustomizeLabel);
    b.Event("OnYAxisCustomizeLabel", &P::OnYAxisCustomizeLabel);
    b.Event("OnXAxisCustomizeHint", &P::OnXAxisCustomizeHint);
    b.Event("OnYAxisCustomizeHint", &P::OnYAxisCustomizeHint);
    b.Event("OnDataCursorCustomizeHint", &P::OnDataCursorCustomizeHint);
    b.Event("OnDataPointCustomizeHint", &P::OnDataPointCustomizeHint);
    b.Event("OnToolBarCustomizeHint", &P::OnToolBarCustomizeHint);
    b.Event("OnToolBarButtonClick", &P::OnToolBarButtonClick);
    b.Event("OnBeforeToolBarButtonClick", &P::OnBeforeToolBarButtonClick);
    b.Event("OnBeforeDataCursorUpdate", &P::OnBeforeDataCursorUpdate);
    b.Event("OnDataCursorChange", &P::OnDataCursorChange);
    b.Event("OnClickDataPoint", &P::OnClickDataPoint);
    b.Event("OnDblClickDataPoint", &P::OnDblClickDataPoint);
    b.Event("OnMouseDownDataPoint", &P::OnMouseDownDataPoint);
    b.Event("OnMouseMoveDataPoint", &P::OnMouseMoveDataPoint);
    b.Event("OnMouseUpDataPoint", &P::OnMouseUpDataPoint);
    b.Event("OnDataPointMoved", &P::OnDataPointMoved);
    b.Event("OnAnnotationCoordinatesChange", &P::OnAnnotationCoordinatesChange);
    b.Event("OnAnnotationMoveUser", &P::OnAnnotationMoveUser);
    b.Event("OnAnnotationResizeUser", &P::OnAnnotationResizeUser);
    b.Event("OnAnnotationCoordinatesChangeFinished", &P::OnAnnotationCoordinatesChangeFinished);
    b.Event("OnLimitLine1PositionChange", &P::OnLimitLine1PositionChange);
    b.Event("OnLimitLine2PositionChange", &P::OnLimitLine2PositionChange);
    b.Event("OnBeforeZoomBox", &P::OnBeforeZoomBox);
    b.Event("OnBeforePrint", &P::OnBeforePrint);
    b.Event("OnAfterPrint", &P::OnAfterPrint);
    b.Event("OnBeforePrintPage", &P::OnBeforePrintPage);
    b.Event("OnBeforeLoadProperties", &P::OnBeforeLoadProperties);
    b.Event("OnAfterLoadProperties", &P::OnAfterLoadProperties);
    b.Event("OnAfterSaveProperties", &P::OnAfterSaveProperties);
    b.Event("OnAfterLoadData", &P::OnAfterLoadData);
    b.Event("OnAfterSaveData", &P::OnAfterSaveData);
    b.Event("OnAfterOpenEditor", &P::OnAfterOpenEditor);
    b.Event("OnAfterCloseEditor", &P::OnAfterCloseEditor);
    b.Event("OnAfterPaint", &P::OnAfterPaint);
}

// ---- Objects added and removed ------------------------------------------------------------------

void TiPlotComponent::DoObjectAdd(TObject *Object)
{
    FireKindEvent(this, AddEvents, Object);
}

void TiPlotComponent::DoObjectRemove(TObject *Object)
{
    for (TiPlotObject **reference : {&FMouseDownObject, &FLastMouseOverObject, &FLastMouseClickObject})
        if (*reference && static_cast<TObject *>(*reference) == Object)
            *reference = nullptr;
    // The hint rules read the hinted object: a going object (or the owner of a hinted button)
    // takes its hint with it.
    ForgetHintObject(Object);
    FireKindEvent(this, RemoveEvents, Object);
}

// ---- Reports of any object ----------------------------------------------------------------------

void TiPlotComponent::DoObjectMouseDown(TiPlotObject *Object, TMouseButton Button, TShiftState Shift, int X, int Y)
{
    FireKindEvent(this, MouseDownEvents, Object, Button, Shift, X, Y);
}

void TiPlotComponent::DoObjectMouseMove(TiPlotObject *Object, TShiftState Shift, int X, int Y)
{
    FireKindEvent(this, MouseMoveEvents, Object, Shift, X, Y);
}

void TiPlotComponent::DoObjectMouseUp(TiPlotObject *Object, TMouseButton Button, TShiftState Shift, int X, int Y)
{
    FireKindEvent(this, MouseUpEvents, Object, Button, Shift, X, Y);
}

void TiPlotComponent::DoObjectMouseWheel(TiPlotObject *Object, int WheelDelta, TShiftState Shift, int X, int Y)
{
    // Of the channels, only the strip chart's take the wheel.
    if (KindOf(Object) == KindChannel && !iIsKindOf(Object, QStringLiteral("TiPlotChannel")))
        return;
    FireKindEvent(this, MouseWheelEvents, Object, WheelDelta, Shift, X, Y);
}

void TiPlotComponent::DoObjectClick(TiPlotObject *Object)
{
    // One double click gives exactly one double-click event; any click ends the sequence.
    const bool doubleClick = FDBLClickActive;
    FDBLClickActive = false;
    FireKindEvent(this, doubleClick ? DblClickEvents : ClickEvents, Object);
}

void TiPlotComponent::DoObjectGetMouseCursor(TiPlotObject *Object, TCursor &MouseCursor)
{
    FireKindEvent(this, GetMouseCursorEvents, Object, MouseCursor);
}

void TiPlotComponent::DoObjectPopupMenu(TiPlotObject *Object, bool &Cancel, int ScreenX, int ScreenY)
{
    FireKindEvent(this, PopupMenuEvents, Object, Cancel, ScreenX, ScreenY);
}

void TiPlotComponent::DoObjectGotFocus(TiPlotObject *Object)
{
    FireKindEvent(this, GotFocusEvents, Object);
}

void TiPlotComponent::DoObjectLostFocus(TiPlotObject *Object)
{
    FireKindEvent(this, LostFocusEvents, Object);
}

// ---- Axes ---------------------------------------------------------------------------------------

void TiPlotComponent::DoAxisMinChange(TiPlotAxis *Axis, double OldValue, double NewValue)
{
    FireAxisEvent(this, OnXAxisMinChange, OnYAxisMinChange, Axis, OldValue, NewValue);
}

void TiPlotComponent::DoAxisSpanChange(TiPlotAxis *Axis, double OldValue, double NewValue)
{
    FireAxisEvent(this, OnXAxisSpanChange, OnYAxisSpanChange, Axis, OldValue, NewValue);
}

void TiPlotComponent::DoAxisMinSpanChange(TiPlotAxis *Axis, double OldMin, double OldSpan, double NewMin,
                                          double NewSpan)
{
    FireAxisEvent(this, OnXAxisMinSpanChange, OnYAxisMinSpanChange, Axis, OldMin, OldSpan, NewMin, NewSpan);
}

void TiPlotComponent::DoAxisMinSpanChangeFinished(TiPlotAxis *Axis, double OldMin, double OldSpan, double NewMin,
                                                  double NewSpan)
{
    FireAxisEvent(this, OnXAxisMinSpanChangeFinished, OnYAxisMinSpanChangeFinished, Axis, OldMin, OldSpan, NewMin,
                  NewSpan);
}

void TiPlotComponent::DoAxisCustomizeLabel(TiPlotAxis *Axis, QString &Text, double Value)
{
    const TiPlotAxesCustomizeLabelEvent &event =
        KindOf(Axis) == KindXAxis ? OnXAxisCustomizeLabel : OnYAxisCustomizeLabel;
    if (IsLoading() || !event)
        return;
    // The handler may assign ALabel or call SetCustomizeLabelText: both reach FTempCustomLabel.
    FTempCustomLabel = Text;
    FireIndexEvent(this, event, Axis, Value, FTempCustomLabel);
    Text = FTempCustomLabel;
}

void TiPlotComponent::DoAxisCustomizeHint(TiPlotAxis *Axis, TiHintData &HintData)
{
    FireIndexEvent(this, KindOf(Axis) == KindXAxis ? OnXAxisCustomizeHint : OnYAxisCustomizeHint, Axis, HintData.Text);
}

// ---- Data cursors and data points ---------------------------------------------------------------

void TiPlotComponent::DoDataCursorCustomizeHint(TiPlotDataCursor *Cursor, QString &Text)
{
    FireIndexEvent(this, OnDataCursorCustomizeHint, Cursor, Text);
}

void TiPlotComponent::DoBeforeDataCursorUpdate(TiPlotDataCursor *Cursor)
{
    FireIndexEvent(this, OnBeforeDataCursorUpdate, Cursor);
}

void TiPlotComponent::DoDataCursorChange(TiPlotDataCursor *Cursor)
{
    FireIndexEvent(this, OnDataCursorChange, Cursor);
}

void TiPlotComponent::DoBeforeZoomBox(TRect &ZoomRect, bool &Cancel)
{
    if (const TiPlotZoomBoxEvent event = OnBeforeZoomBox; event && !IsLoading())
        event(ZoomRect, Cancel);
}

void TiPlotComponent::DoDataPointCustomizeHint(TiPlotChannelCustom *Channel, int DataIndex, TiHintData &HintData)
{
    FireIndexEvent(this, OnDataPointCustomizeHint, Channel, DataIndex, HintData.Text);
}

void TiPlotComponent::DoDataPointClick(TiPlotChannelCustom *Channel, int DataIndex)
{
    // The double-click sequence stays: the object's own click report ends it.
    FireIndexEvent(this, FDBLClickActive ? OnDblClickDataPoint : OnClickDataPoint, Channel, DataIndex);
}

void TiPlotComponent::DoDataPointMouseDown(TiPlotChannelCustom *Channel, int DataIndex,
                                           const TiPlotMouseData &MouseData)
{
    FireIndexEvent(this, OnMouseDownDataPoint, Channel, DataIndex, MouseData.Button, MouseData.Shift, MouseData.X,
                   MouseData.Y);
}

void TiPlotComponent::DoDataPointMouseMove(TiPlotChannelCustom *Channel, int DataIndex,
                                           const TiPlotMouseData &MouseData)
{
    FireIndexEvent(this, OnMouseMoveDataPoint, Channel, DataIndex, MouseData.Shift, MouseData.X, MouseData.Y);
}

void TiPlotComponent::DoDataPointMouseUp(TiPlotChannelCustom *Channel, int DataIndex, const TiPlotMouseData &MouseData)
{
    FireIndexEvent(this, OnMouseUpDataPoint, Channel, DataIndex, MouseData.Button, MouseData.Shift, MouseData.X,
                   MouseData.Y);
}

void TiPlotComponent::DoDataPointMoved(TiPlotChannelCustom *Channel, int DataIndex, double OldX, double OldY,
                                       double NewX, double NewY)
{
    FireIndexEvent(this, OnDataPointMoved, Channel, DataIndex, OldX, OldY, NewX, NewY);
}

// ---- Toolbars, annotations, limits --------------------------------------------------------------

namespace {

// A toolbar's index in its manager, or -1.
int ToolBarIndex(const TiPlotComponent *Plot, const TiPlotToolBar *ToolBar)
{
    return Plot->Master()->ToolBarManager()->GetIndex(ToolBar);
}

}  // namespace

void TiPlotComponent::DoToolBarCustomizeHint(TiPlotToolBar *ToolBar, TiHintData &HintData)
{
    const int index = ToolBarIndex(this, ToolBar);
    if (const TiPlotObjectCustomizeTextEvent event = OnToolBarCustomizeHint; event && !IsLoading() && index >= 0)
        event(index, HintData.Text);
}

void TiPlotComponent::DoToolBarButtonClick(TiPlotToolBar *ToolBar, TiPlotToolBarButtonType ButtonType)
{
    const int index = ToolBarIndex(this, ToolBar);
    if (const TiPlotToolBarButtonEvent event = OnToolBarButtonClick; event && !IsLoading() && index >= 0)
        event(index, ButtonType);
}

void TiPlotComponent::DoBeforeToolBarButtonClick(TiPlotToolBar *ToolBar, TiPlotToolBarButtonType ButtonType,
                                                 bool &Cancel)
{
    const int index = ToolBarIndex(this, ToolBar);
    if (const TiPlotToolBarButtonBeforeEvent event = OnBeforeToolBarButtonClick; event && !IsLoading() && index >= 0)
        event(index, ButtonType, Cancel);
}

void TiPlotComponent::DoAnnotationCoordinatesChange(TiPlotAnnotation *Annotation)
{
    FireIndexEvent(this, OnAnnotationCoordinatesChange, Annotation);
}

void TiPlotComponent::DoAnnotationMoveUser(TiPlotAnnotation *Annotation)
{
    FireIndexEvent(this, OnAnnotationMoveUser, Annotation);
}

void TiPlotComponent::DoAnnotationResizeUser(TiPlotAnnotation *Annotation)
{
    FireIndexEvent(this, OnAnnotationResizeUser, Annotation);
}

void TiPlotComponent::DoAnnotationCoordinatesChangeFinished(TiPlotAnnotation *Annotation)
{
    FireIndexEvent(this, OnAnnotationCoordinatesChangeFinished, Annotation);
}

void TiPlotComponent::DoLimitLine1PositionChange(TiPlotLimit *Limit, double OldValue, double NewValue)
{
    FireIndexEvent(this, OnLimitLine1PositionChange, Limit, OldValue, NewValue);
}

void TiPlotComponent::DoLimitLine2PositionChange(TiPlotLimit *Limit, double OldValue, double NewValue)
{
    FireIndexEvent(this, OnLimitLine2PositionChange, Limit, OldValue, NewValue);
}

// ---- Axis input forwarding ----------------------------------------------------------------------

template <class Step>
void TiPlotComponent::ForwardToAxes(TiPlotAxis *Axis, Step Apply)
{
    if (FMasterAxisBlock)
        return;
    const Kind kind = KindOf(Axis);
    if (kind != KindXAxis && kind != KindYAxis)
        return;
    TiPlotObjectManagerCustom *manager = ManagerOf(FMaster.get(), kind);
    FMasterAxisBlock = true;
    const TiScopeExit unblock([this] { FMasterAxisBlock = false; });
    // The list as it stands: an axis that goes meanwhile is passed over.
    std::vector<TiPlotObject *> others;
    for (int i = 0; i < manager->Count(); ++i)
        if (manager->Items(i) != Axis)
            others.push_back(manager->Items(i));
    for (TiPlotObject *other : others)
        if (manager->GetIndex(other) >= 0)
            Apply(static_cast<TiPlotAxis *>(other));
}

void TiPlotComponent::ForwardAxisMouseLeft(TiPlotAxis *Axis, const TiPlotMouseData &MouseData)
{
    ForwardToAxes(Axis, [&MouseData](TiPlotAxis *Other) { Other->DoMouseLeft(MouseData); });
}

void TiPlotComponent::ForwardAxisMouseMove(TiPlotAxis *Axis, const TiPlotMouseData &MouseData)
{
    ForwardToAxes(Axis, [&MouseData](TiPlotAxis *Other) { Other->DoMouseMove(MouseData); });
}

void TiPlotComponent::ForwardAxisMouseUp(TiPlotAxis *Axis, const TiPlotMouseData &MouseData)
{
    ForwardToAxes(Axis, [&MouseData](TiPlotAxis *Other) { Other->DoMouseUp(MouseData); });
}

void TiPlotComponent::ForwardAxisMouseWheel(TiPlotAxis *Axis, int WheelDelta, TShiftState Shift, int X, int Y)
{
    ForwardToAxes(Axis, [=](TiPlotAxis *Other) { Other->DoMouseWheel(WheelDelta, Shift, X, Y); });
}

void TiPlotComponent::ForwardAxisKeyDown(TiPlotAxis *Axis, WORD &CharCode, TShiftState Shift)
{
    ForwardToAxes(Axis, [&](TiPlotAxis *Other) { Other->iKeyDown(CharCode, Shift, FPopupMenu.get()); });
}
