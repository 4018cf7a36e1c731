// TiPlotComponent: the layout. Data view 0 takes the middle of the control; the visible layout
// objects of the four side lists stand around it in bands (one run of the band per z-order, as
// thick as its thickest object), each spanning its percentage of the band; cartesian axes lie
// across the data view; aligned axes take their partner's extent. Finally data view 0 takes the
// span of the axes' scale rectangles.

#include "plotlib/plot/iPlotComponent.h"

#include "platform/ui/Bitmap.h"
#include "plotlib/base/iScopeExit.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

int Round(double Value)
{
    return static_cast<int>(std::nearbyint(Value));
}

// A cartesian axis lies inside the data view and takes no room in its band.
bool IsBandObject(const TiPlotLayoutObject *Object)
{
    const auto *axis = dynamic_cast<const TiPlotAxis *>(Object);
    return !axis || !axis->IsCartesian();
}

bool IsDataViewOrPlaceholder(const TiPlotLayoutObject *Object)
{
    return dynamic_cast<const TiPlotDataView *>(Object) || dynamic_cast<const TiPlotDataViewLayout *>(Object);
}

// One side of the data view: its visible objects in side-list order, what each needs across the
// band, the thickness of the run (objects of one z-order in a row) each belongs to, and the room
// the band needs beyond its ends.
struct Side {
    std::vector<TiPlotLayoutObject *> Objects;
    std::vector<int> RunThickness;
    int StartMargin = 0;
    int StopMargin = 0;
    int Thickness = 0;
};

void MeasureSide(Side &S, TCanvas *Canvas)
{
    // Objects of one z-order sit one after the other along the band: their facing ends need no
    // end margin.
    for (TiPlotLayoutObject *object : S.Objects) {
        object->SetStartStacked(false);
        object->SetStopStacked(false);
    }
    TiPlotLayoutObject *previous = nullptr;
    int z = -1;
    for (TiPlotLayoutObject *object : S.Objects) {
        if (!IsBandObject(object))
            continue;
        if (object->ForceStacking()) {
            object->SetStartStacked(true);
            object->SetStopStacked(true);
            previous = object;
        } else if (object->ZOrder() == z) {
            if (previous)
                previous->SetStopStacked(true);
            object->SetStartStacked(true);
            previous = object;
        } else {
            previous = object;
            z = object->ZOrder();
        }
    }

    for (TiPlotLayoutObject *object : S.Objects) {
        if (!IsBandObject(object))
            continue;
        if (!object->StartStacked())
            S.StartMargin = std::max(S.StartMargin, object->GetRequiredLengthMargin(Canvas));
        if (!object->StopStacked())
            S.StopMargin = std::max(S.StopMargin, object->GetRequiredLengthMargin(Canvas));
    }

    // Every object is asked (cartesian axes too: they keep what they measure for drawing).
    std::vector<int> widths;
    widths.reserve(S.Objects.size());
    for (TiPlotLayoutObject *object : S.Objects)
        widths.push_back(object->GetRequiredWidth(Canvas));
    S.RunThickness.assign(S.Objects.size(), 0);
    for (std::size_t begin = 0; begin < S.Objects.size();) {
        std::size_t end = begin;
        int run = 0;
        while (end < S.Objects.size() && S.Objects[end]->ZOrder() == S.Objects[begin]->ZOrder()) {
            if (IsBandObject(S.Objects[end]))
                run = std::max(run, widths[end]);
            ++end;
        }
        std::fill(S.RunThickness.begin() + static_cast<std::ptrdiff_t>(begin),
                  S.RunThickness.begin() + static_cast<std::ptrdiff_t>(end), run);
        S.Thickness += run;
        begin = end;
    }
}

// Places the side's objects across the band, walking outward from the data view edge Edge
// (Direction -1: towards smaller coordinates). Place(object, inner, outer) sets the object's two
// edges across the band.
template <class P>
void PlaceAcross(const Side &S, bool FromLast, int Edge, int Direction, P Place)
{
    const int count = static_cast<int>(S.Objects.size());
    int thickness = 0;
    const TiPlotLayoutObject *previous = nullptr;
    for (int k = 0; k < count; ++k) {
        const int i = FromLast ? count - 1 - k : k;
        TiPlotLayoutObject *object = S.Objects[static_cast<std::size_t>(i)];
        if (!previous || object->ZOrder() != previous->ZOrder()) {
            Edge += Direction * thickness;
            thickness = S.RunThickness[static_cast<std::size_t>(i)];
        }
        Place(object, Edge, Edge + Direction * thickness);
        previous = object;
    }
}

}  // namespace

void TiPlotComponent::ComputeLayout(TCanvas *Canvas)
{
    TiPlotLayoutManager *layout = FMaster->LayoutManager();
    if (!layout)
        return;

    // Visible lists, in side-list order.
    Side top, bottom, left, right;
    const std::pair<const TStringList *, TStringList *> lists[] = {{layout->TopList(), &FVisibleListTop},
                                                                   {layout->BottomList(), &FVisibleListBottom},
                                                                   {layout->LeftList(), &FVisibleListLeft},
                                                                   {layout->RightList(), &FVisibleListRight}};
    Side *sides[] = {&top, &bottom, &left, &right};
    for (int s = 0; s < 4; ++s) {
        const auto &[source, visible] = lists[s];
        visible->Clear();
        for (int i = 0; i < source->Count(); ++i) {
            auto *object = static_cast<TiPlotLayoutObject *>(source->Objects(i));
            if (!object->Visible())
                continue;
            visible->AddObject(source->Strings(i), object);
            sides[s]->Objects.push_back(object);
        }
        MeasureSide(*sides[s], Canvas);
    }

    const int b = BorderStyle() != ibsNone ? 2 : 0;
    // The corners: horizontal bands start at the left, vertical bands at the bottom.
    const int hl = std::max({0, top.StartMargin, bottom.StartMargin});
    const int hr = std::max({0, top.StopMargin, bottom.StopMargin});
    const int vt = std::max({0, left.StopMargin, right.StopMargin});
    const int vb = std::max({0, left.StartMargin, right.StartMargin});
    const int leftTotal = std::max(left.Thickness, hl);
    const int rightTotal = std::max(right.Thickness, hr);
    const int topTotal = std::max(top.Thickness, vt);
    const int bottomTotal = std::max(bottom.Thickness, vb);

    const bool onlyToolBarOnTop = top.Objects.size() == 1 && dynamic_cast<TiPlotToolBar *>(top.Objects.front());
    TRect dv(leftTotal + b + FOuterMarginLeft, topTotal + b + FOuterMarginTop + (onlyToolBarOnTop ? vt : 0),
             Width() - (rightTotal + b + FOuterMarginRight) - 1, Height() - (bottomTotal + b + FOuterMarginBottom) - 1);
    TiPlotDataView *dataView = DataViewCount() > 0 ? GetDataView(0) : nullptr;
    if (dataView)
        dataView->SetDrawRect(dv);

    // Across the bands, outward from the data view.
    PlaceAcross(left, true, dv.Left, -1, [](TiPlotLayoutObject *Object, int Inner, int Outer) {
        Object->SetDrawRect(TRect(Outer, Object->DrawRect().Top, Inner, Object->DrawRect().Bottom));
    });
    PlaceAcross(right, false, dv.Right, 1, [](TiPlotLayoutObject *Object, int Inner, int Outer) {
        Object->SetDrawRect(TRect(Inner, Object->DrawRect().Top, Outer, Object->DrawRect().Bottom));
    });
    PlaceAcross(top, false, dv.Top, -1, [](TiPlotLayoutObject *Object, int Inner, int Outer) {
        Object->SetDrawRect(TRect(Object->DrawRect().Left, Outer, Object->DrawRect().Right, Inner));
    });
    PlaceAcross(bottom, true, dv.Bottom, 1, [](TiPlotLayoutObject *Object, int Inner, int Outer) {
        Object->SetDrawRect(TRect(Object->DrawRect().Left, Inner, Object->DrawRect().Right, Outer));
    });
    // A toolbar above the data view goes to the top of the control.
    for (TiPlotLayoutObject *object : top.Objects)
        if (dynamic_cast<TiPlotToolBar *>(object)) {
            const TRect r = object->DrawRect();
            object->SetDrawRect(TRect(r.Left, b, r.Right, b + object->GetRequiredWidth(Canvas)));
        }

    // Along the bands: each object spans its percentage of the band.
    const int dvw = dv.Right - dv.Left;
    const int dvh = dv.Bottom - dv.Top;
    std::vector<TiPlotAxis *> axes;
    for (int i = 0; i < layout->Count(); ++i) {
        auto *object = static_cast<TiPlotLayoutObject *>(layout->Items(i));
        if (IsDataViewOrPlaceholder(object))
            continue;
        if (auto *axis = dynamic_cast<TiPlotAxis *>(object))
            axes.push_back(axis);
        const double start = object->StartPercent();
        const double stop = object->StopPercent();
        const bool toolBar = dynamic_cast<TiPlotToolBar *>(object) != nullptr;
        const bool label = dynamic_cast<TiPlotLabel *>(object) != nullptr;
        const bool bandKind = dynamic_cast<TiPlotLegend *>(object) || dynamic_cast<TiPlotTable *>(object) ||
                              dynamic_cast<TiPlotAxis *>(object);
        TRect r = object->DrawRect();
        if (object->Horizontal()) {
            if (toolBar) {
                const int w = Width() - 2 * b;
                r.Left = Round(start / 100 * w) + b;
                r.Right = Round(stop / 100 * w) + b - 1;
            } else if (label) {
                const int w = Width() - b - FOuterMarginLeft - FOuterMarginRight;
                r.Left = Round(start / 100 * w) + b + FOuterMarginLeft;
                r.Right = Round(stop / 100 * w) + b + FOuterMarginLeft;
            } else if (bandKind) {
                r.Left = Round(dvw * start / 100) + dv.Left;
                r.Right = Round(dvw * stop / 100) + dv.Left;
            }
        } else if (bandKind || label) {
            r.Top = dv.Bottom - Round(dvh * stop / 100);
            r.Bottom = dv.Bottom - Round(dvh * start / 100);
        }
        object->SetDrawRect(r);
    }

    // Cartesian axes across the data view: masters through its middle, children at their
    // partner's pixel of their reference value (nowhere without a partner).
    for (TiPlotAxis *axis : axes)
        if (axis->CartesianStyle() == ipcsMaster) {
            if (axis->Horizontal()) {
                const int y = (dv.Top + dv.Bottom) / 2;
                axis->SetDrawRect(TRect(dv.Left, y, dv.Right, y));
            } else {
                const int x = (dv.Left + dv.Right) / 2;
                axis->SetDrawRect(TRect(x, dv.Top, x, dv.Bottom));
            }
        }
    for (TiPlotAxis *axis : axes)
        if (axis->CartesianStyle() == ipcsChild) {
            const TiPlotAxis *partner = axis->GetCartesianRefAxis();
            if (!partner) {
                axis->SetDrawRect(TRect(0, 0, 0, 0));
                continue;
            }
            const int p = partner->PositionToPixels(axis->CartesianChildRefValue());
            axis->SetDrawRect(axis->Horizontal() ? TRect(dv.Left, p, dv.Right, p) : TRect(p, dv.Top, p, dv.Bottom));
        }

    // Aligned axes take their partner's extent along the band.
    for (TiPlotAxis *axis : axes) {
        const TiPlotAxis *partner = axis->GetAlignRefAxis();
        if (!partner)
            continue;
        TRect r = axis->DrawRect();
        const TRect p = partner->DrawRect();
        if (axis->Horizontal()) {
            r.Left = p.Left;
            r.Right = p.Right;
        } else {
            r.Top = p.Top;
            r.Bottom = p.Bottom;
        }
        axis->SetDrawRect(r);
        axis->SetStartStacked(partner->StartStacked());
        axis->SetStopStacked(partner->StopStacked());
        axis->CalcScaleRect(Canvas);
    }

    // Data view 0 spans the scales: Y axes give its top and bottom, X axes its sides (the other
    // way round with swapped axes).
    if (!dataView)
        return;
    const bool reversed = FMaster->XYAxesReverse();
    TRect spans(Width(), Height(), 0, 0);
    auto take = [&](const TiPlotObjectManagerCustom *Manager, bool Vertical) {
        for (int i = 0; Manager && i < Manager->Count(); ++i) {
            auto *axis = static_cast<TiPlotAxis *>(Manager->Items(i));
            axis->CalcScaleRect(Canvas);
            const TRect sr = axis->ScaleRect();
            if (Vertical) {
                spans.Top = std::min(spans.Top, sr.Top);
                spans.Bottom = std::max(spans.Bottom, sr.Bottom);
            } else {
                spans.Left = std::min(spans.Left, sr.Left);
                spans.Right = std::max(spans.Right, sr.Right);
            }
        }
    };
    take(FMaster->YAxisManager(), !reversed);
    take(FMaster->XAxisManager(), reversed);
    dataView->SetDrawRect(spans);
}

void TiPlotComponent::ReCalcLayout()
{
    Lock();
    const TiScopeExit unlock([this] { Unlock(); });
    TBitmap scratch(Width(), Height());
    DrawToCanvas(scratch.Canvas());
}
