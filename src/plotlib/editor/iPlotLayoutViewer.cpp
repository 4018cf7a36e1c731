#include "plotlib/editor/iPlotLayoutViewer.h"

#include "platform/runtime/ClassBuilder.h"
#include "plotlib/base/iHelpers.h"
#include "plotlib/plot/iPlotTranslation.h"

#include <cmath>
#include <cstdlib>

T_IMPLEMENT_CLASS(TiPlotLayoutViewer)
{
    b.Event("OnChange", &TiPlotLayoutViewer::OnChange);
}

namespace {

bool IsDataView(const TiPlotLayoutObject *Object)
{
    return dynamic_cast<const TiPlotDataView *>(Object) != nullptr;
}

bool IsPlaceholder(const TiPlotLayoutObject *Object)
{
    return dynamic_cast<const TiPlotDataViewLayout *>(Object) != nullptr;
}

bool IsAxis(const TiPlotLayoutObject *Object)
{
    return dynamic_cast<const TiPlotAxis *>(Object) != nullptr;
}

bool IsLabel(const TiPlotLayoutObject *Object)
{
    return dynamic_cast<const TiPlotLabel *>(Object) != nullptr;
}

bool IsLegend(const TiPlotLayoutObject *Object)
{
    return dynamic_cast<const TiPlotLegend *>(Object) != nullptr;
}

// The kinds whose ends can be dragged.
bool IsSizable(const TiPlotLayoutObject *Object)
{
    return IsAxis(Object) || IsLabel(Object) || IsLegend(Object) ||
           dynamic_cast<const TiPlotTable *>(Object) != nullptr;
}

// Pairs that split a row in thirds (merge in the middle): axis and axis, label and label, label
// and legend either way. Any other pair splits it in halves.
bool MergesWith(const TiPlotLayoutObject *Dragged, const TiPlotLayoutObject *Reference)
{
    return (IsAxis(Dragged) && IsAxis(Reference)) || (IsLabel(Dragged) && IsLabel(Reference)) ||
           (IsLabel(Dragged) && IsLegend(Reference)) || (IsLegend(Dragged) && IsLabel(Reference));
}

int Round(double Value)
{
    return static_cast<int>(std::nearbyint(Value));
}

TRect Normalized(int X1, int Y1, int X2, int Y2)
{
    TRect rect;
    iNormalizedRect(X1, Y1, X2, Y2, rect);
    return rect;
}

}  // namespace

// ---- Life ---------------------------------------------------------------------------------------

TiPlotLayoutViewer::TiPlotLayoutViewer(TComponent *AOwner) : TiCustomComponent(AOwner), FFont(std::make_unique<TFont>())
{
    FFont->SetName(QStringLiteral("Arial"));
    FFont->SetSize(10);
}

TiPlotLayoutViewer::~TiPlotLayoutViewer() = default;

void TiPlotLayoutViewer::ObjectRemoved(TObject *Object)
{
    auto forget = [Object](TiPlotLayoutObject *&Field) {
        if (Field && static_cast<TObject *>(Field) == Object)
            Field = nullptr;
    };
    if (FSelectedBlock && static_cast<TObject *>(FSelectedBlock) == Object) {
        // The gesture ends with its object.
        FMouseDown = false;
        FEditMode = ilemNone;
        FDragOverRefBlock2 = nullptr;
    }
    forget(FSelectedBlock);
    forget(FResizeBlock);
    forget(FOverLayoutObject);
    InvalidateChange();
}

void TiPlotLayoutViewer::DoChangeEvent()
{
    if (OnChange)
        OnChange(this);
}

// ---- Geometry -----------------------------------------------------------------------------------

void TiPlotLayoutViewer::CalcLayoutGeometry(TCanvas *Canvas)
{
    FViewRect = TRect(5, 5, Width() - 5, Height() - 5);
    if (!FLayoutManager)
        return;
    Canvas->SetFont(FFont.get());
    FCellWidth = Round(Canvas->TextHeight(QStringLiteral("ABC")) * 1.1);
    const int c = FCellWidth;
    const int L = FLayoutManager->LeftUniqueCount();
    const int R = FLayoutManager->RightUniqueCount();
    const int T = FLayoutManager->TopUniqueCount();
    const int B = FLayoutManager->BottomUniqueCount();
    FDataViewRect =
        TRect(FViewRect.Left + L * c, FViewRect.Top + T * c, FViewRect.Right - R * c, FViewRect.Bottom - B * c);
    FDataViewWidth = FDataViewRect.Width();
    FDataViewHeight = FDataViewRect.Height();
    if (!FDragOverRefBlock2)
        BuildRows(L, R, T, B);

    const TRect &dv = FDataViewRect;
    const int viewWidth = FViewRect.Right - FViewRect.Left;
    for (int i = 0; i < FLayoutManager->Count(); ++i) {
        auto *object = static_cast<TiPlotLayoutObject *>(FLayoutManager->Items(i));
        if (IsDataView(object) || IsPlaceholder(object)) {
            object->SetLayoutRect(FDataViewRect);
            continue;
        }
        const int z = object->ZOrder();
        TRect rect;
        if (object->IsHorz()) {
            const int D = FLayoutManager->DataViewHorz()->ZOrder();
            if (z > D) {
                rect.Top = dv.Top - (z - D) * c;
                rect.Bottom = dv.Top - (z - D - 1) * c;
            } else {
                rect.Top = dv.Bottom + (D - z - 1) * c;
                rect.Bottom = dv.Bottom + (D - z) * c;
            }
            if (IsAxis(object)) {
                rect.Left = Round(FDataViewWidth * object->StartPercent() / 100 + dv.Left);
                rect.Right = Round(FDataViewWidth * object->StopPercent() / 100 + dv.Left);
            } else {
                rect.Left = Round(viewWidth * object->StartPercent() / 100) + FViewRect.Left;
                rect.Right = Round(viewWidth * object->StopPercent() / 100) + FViewRect.Left;
            }
        } else {
            const int D = FLayoutManager->DataViewVert()->ZOrder();
            if (z > D) {
                rect.Left = dv.Right + (z - D - 1) * c;
                rect.Right = dv.Right + (z - D) * c;
            } else {
                rect.Left = dv.Left - (D - z) * c;
                rect.Right = dv.Left - (D - z - 1) * c;
            }
            // A start of 0 % lies at the bottom.
            rect.Top = dv.Bottom - Round(FDataViewHeight * object->StopPercent() / 100);
            rect.Bottom = dv.Bottom - Round(FDataViewHeight * object->StartPercent() / 100);
        }
        object->SetLayoutRect(rect);
    }
}

void TiPlotLayoutViewer::BuildRows(int L, int R, int T, int B)
{
    FBlockList.clear();
    const int c = FCellWidth;
    const TRect &view = FViewRect;
    const TRect &dv = FDataViewRect;
    auto add = [this](TRect Rect, int ZOrder, bool Horizontal, bool DataView = false, bool ToolBar = false) {
        auto block = std::make_unique<TBlockObject>();
        block->ARect = Rect;
        block->ZOrder = ZOrder;
        block->Horizontal = Horizontal;
        block->DataView = DataView;
        block->ToolBar = ToolBar;
        FBlockList.push_back(std::move(block));
    };
    for (int d = 0; d < L; ++d)
        add(Normalized(view.Left + d * c, dv.Top, view.Left + (d + 1) * c, dv.Bottom), d, false);
    add(Normalized(dv.Left, dv.Top, dv.Right, dv.Bottom), L, false, true);
    for (int d = 0; d < R; ++d)
        add(Normalized(dv.Right + d * c, dv.Top, dv.Right + (d + 1) * c, dv.Bottom), L + 1 + d, false);
    for (int i = 0; i < T; ++i)
        add(Normalized(view.Left, view.Top + i * c, view.Right, view.Top + (i + 1) * c), T + B - i, true, false,
            i == 0);
    add(Normalized(dv.Left, dv.Top, dv.Right, dv.Bottom), B, true, true);
    for (int d = 0; d < B; ++d)
        add(Normalized(view.Left, dv.Bottom + d * c, view.Right, dv.Bottom + (d + 1) * c), B - 1 - d, true);
}

// ---- Painting -----------------------------------------------------------------------------------

void TiPlotLayoutViewer::DrawToCanvas(TCanvas *Canvas)
{
    CalcLayoutGeometry(Canvas);
    PaintViewBackground(Canvas);
    if (FLayoutManager)
        PaintBlocks(Canvas);
}

void TiPlotLayoutViewer::PaintViewBackground(TCanvas *Canvas)
{
    constexpr TColor Blue = 0xFF0000;
    Canvas->Pen()->SetStyle(psSolid);
    Canvas->Pen()->SetColor(Blue);
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(Blue);
    Canvas->FillRect(Canvas->ClipRect());
    Canvas->Pen()->SetColor(clWhite);
    Canvas->Brush()->SetColor(clWhite);
    Canvas->FillRect(FViewRect);
}

void TiPlotLayoutViewer::PaintBlocks(TCanvas *Canvas)
{
    constexpr TColor Yellow = 0x00FFFF;
    constexpr TColor Silver = 0xC0C0C0;
    Canvas->Pen()->SetColor(clBlack);
    Canvas->Pen()->SetStyle(psClear);
    Canvas->SetFont(FFont.get());
    for (int i = 0; i < FLayoutManager->Count(); ++i) {
        auto *object = static_cast<TiPlotLayoutObject *>(FLayoutManager->Items(i));
        if (IsDataView(object) || object == FLayoutManager->DataViewVert())
            continue;
        const TRect rect = object->LayoutRect();
        Canvas->Brush()->SetColor(object == FSelectedBlock ? Yellow : Silver);
        Canvas->Brush()->SetStyle(object->Visible() ? bsSolid : bsDiagCross);
        Canvas->Rectangle(rect.Left, rect.Top, rect.Right, rect.Bottom);
        Canvas->Brush()->SetStyle(bsClear);
        const QString name =
            FTranslationManager ? FTranslationManager->FindReplacement(object->Name()) : object->Name();
        TRect textRect;
        iDrawRotatedText(Canvas, name, rect, textRect, clWhite, true, iahCenter,
                         object->Horizontal() ? ira000 : ira090);
    }

    auto frame = [Canvas](const TRect &Rect) {
        Canvas->Pen()->SetStyle(psSolid);
        Canvas->Pen()->SetColor(clBlack);
        Canvas->Pen()->SetWidth(2);
        Canvas->Brush()->SetStyle(bsClear);
        Canvas->Rectangle(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom);
        Canvas->Pen()->SetWidth(1);
    };
    if (FOverLayoutObject) {
        frame(FOverLayoutObject->LayoutRect());
        return;
    }
    if (!FDragOverRefBlock2)
        return;
    // The drop marker: the row, moved half a row towards where the object would go.
    const int c = FCellWidth;
    TRect marker = FDragOverRefBlock2->ARect;
    const bool horizontal = FDragOverRefBlock2->Horizontal;
    if (horizontal) {
        if (FInsertDirection == iidBelow)
            marker.Offset(0, c / 2);
        else if (FInsertDirection == iidAbove)
            marker.Offset(0, -(c / 2 - 1));
    } else {
        if (FInsertDirection == iidBelow)
            marker.Offset(-(c / 2), 0);
        else if (FInsertDirection == iidAbove)
            marker.Offset(c / 2 + 1, 0);
    }
    if (FDragOverRefBlock2->DataView) {
        if (horizontal) {
            if (FInsertDirection == iidBelow)
                marker.Top = marker.Bottom - c;
            else if (FInsertDirection == iidAbove)
                marker.Bottom = marker.Top + c;
            marker.Left = FViewRect.Left;
            marker.Right = FViewRect.Right;
        } else {
            if (FInsertDirection == iidBelow)
                marker.Right = marker.Left + c;
            else if (FInsertDirection == iidAbove)
                marker.Left = marker.Right - c;
        }
    }
    frame(marker);
}

// ---- Hit tests ----------------------------------------------------------------------------------

TiPlotLayoutObject *TiPlotLayoutViewer::GetMouseOverBlock(int X, int Y) const
{
    if (!FLayoutManager)
        return nullptr;
    for (int i = 0; i < FLayoutManager->Count(); ++i) {
        auto *object = static_cast<TiPlotLayoutObject *>(FLayoutManager->Items(i));
        if (IsPlaceholder(object))
            continue;
        if (object->LayoutRect().Contains(TPoint(X, Y)))
            return object;
    }
    return nullptr;
}

TBlockObject *TiPlotLayoutViewer::GetMouseOverBlock2(int X, int Y) const
{
    const TPoint point(X, Y);
    const int c = FCellWidth;
    for (const auto &block : FBlockList) {
        const TRect &r = block->ARect;
        if (!r.Contains(point))
            continue;
        if (block->ToolBar) {
            if (Y >= (r.Top + r.Bottom) / 2)
                return block.get();
        } else if (block->DataView) {
            const bool nearEdge = block->Horizontal ? TRect(r.Left, r.Bottom - c, r.Right, r.Bottom).Contains(point) ||
                                                          TRect(r.Left, r.Top, r.Right, r.Top + c).Contains(point)
                                                    : TRect(r.Left, r.Top, r.Left + c, r.Bottom).Contains(point) ||
                                                          TRect(r.Right - c, r.Top, r.Right, r.Bottom).Contains(point);
            if (nearEdge)
                return block.get();
        } else {
            return block.get();
        }
    }
    return nullptr;
}

TiPlotLayoutObject *TiPlotLayoutViewer::FindRowReference(const TiPlotLayoutObject *Exclude, bool Horizontal,
                                                         int ZOrder) const
{
    if (!FLayoutManager)
        return nullptr;
    const TiPlotLayoutObject *otherPlaceholder =
        Horizontal ? static_cast<const TiPlotLayoutObject *>(FLayoutManager->DataViewVert())
                   : static_cast<const TiPlotLayoutObject *>(FLayoutManager->DataViewHorz());
    for (int i = 0; i < FLayoutManager->Count(); ++i) {
        auto *object = static_cast<TiPlotLayoutObject *>(FLayoutManager->Items(i));
        if (object != Exclude && !IsDataView(object) && object->ZOrder() == ZOrder &&
            object->Horizontal() == Horizontal && object != otherPlaceholder)
            return object;
    }
    return nullptr;
}

// ---- Mouse --------------------------------------------------------------------------------------

void TiPlotLayoutViewer::iMouseDown(TMouseButton, TShiftState Shift, int X, int Y)
{
    TiPlotLayoutObject *object = GetMouseOverBlock(X, Y);
    if (!object || IsDataView(object) || dynamic_cast<TiPlotToolBar *>(object))
        return;
    FSelectedBlock = object;
    FMouseDown = true;
    FMouseDownX = X;
    FMouseDownY = Y;
    if (!Shift.Contains(ssLeft))
        FInsertDirection = iidMerge;
    if (FResizeBlock) {
        FEditMode = ilemSize;
        FMouseDownStartPercent = FResizeBlock->StartPercent();
        FMouseDownStopPercent = FResizeBlock->StopPercent();
    } else {
        FEditMode = ilemDrag;
    }
    InvalidateChange();
}

void TiPlotLayoutViewer::iMouseMove(TShiftState Shift, int X, int Y)
{
    switch (FEditMode) {
    case ilemNone: HoverMove(X, Y); break;
    case ilemDrag: DragMove(Shift, X, Y); break;
    case ilemSize: ResizeMove(X, Y); break;
    }
}

void TiPlotLayoutViewer::HoverMove(int X, int Y)
{
    SetCursor(crDefault);
    FOverLayoutObject = nullptr;
    FDragOverRefBlock2 = nullptr;
    TiPlotLayoutObject *object = GetMouseOverBlock(X, Y);
    if (!object) {
        FResizeBlock = nullptr;
    } else if (IsSizable(object)) {
        const TRect r = object->LayoutRect();
        const bool horizontal = object->IsHorz();
        const int start = horizontal ? std::abs(r.Left - X) : std::abs(r.Bottom - Y);
        const int stop = horizontal ? std::abs(r.Right - X) : std::abs(r.Top - Y);
        if (start < 7) {
            FSizingSide = ilssStart;
        } else if (stop < 7) {
            FSizingSide = ilssStop;
        } else {
            FResizeBlock = nullptr;
            InvalidateChange();
            return;
        }
        SetCursor(horizontal ? crSizeWE : crSizeNS);
        FResizeBlock = object;
    }
    InvalidateChange();
}

void TiPlotLayoutViewer::DragMove(TShiftState Shift, int X, int Y)
{
    if (!Shift.Contains(ssLeft) || !FMouseDown || !FSelectedBlock)
        return;
    FOverLayoutObject = nullptr;
    FDragOverRefBlock2 = nullptr;
    TiPlotLayoutObject *object = GetMouseOverBlock(X, Y);
    TBlockObject *row = GetMouseOverBlock2(X, Y);
    if (object && !IsDataView(object) && object != FSelectedBlock &&
        object->Horizontal() == FSelectedBlock->Horizontal() && object->ZOrder() == FSelectedBlock->ZOrder())
        FOverLayoutObject = object;
    // An axis keeps its orientation: a row of the other one is not taken.
    if (row && !(IsAxis(FSelectedBlock) && FSelectedBlock->Horizontal() != row->Horizontal)) {
        FDragOverRefBlock2 = row;
        TiPlotLayoutObject *ref = FindRowReference(FSelectedBlock, row->Horizontal, row->ZOrder);
        if (!ref)
            return;
        const TRect &r = row->ARect;
        const int h = r.Height();
        const int w = r.Width();
        if (MergesWith(FSelectedBlock, ref)) {
            if (row->ToolBar) {
                if (Y > r.Top + (2 * h) / 3)
                    FInsertDirection = iidBelow;
                else
                    FDragOverRefBlock2 = nullptr;
            } else if (row->Horizontal) {
                FInsertDirection = Y > r.Top + (2 * h) / 3 ? iidBelow : Y > r.Top + h / 3 ? iidMerge : iidAbove;
            } else {
                FInsertDirection = X < r.Left + w / 3 ? iidBelow : X < r.Left + (2 * w) / 3 ? iidMerge : iidAbove;
            }
        } else if (row->Horizontal) {
            FInsertDirection = Y > r.Top + h / 2 ? iidBelow : iidAbove;
        } else {
            FInsertDirection = X < r.Left + w / 2 ? iidBelow : iidAbove;
        }
    }
    InvalidateChange();
}

void TiPlotLayoutViewer::ResizeMove(int X, int Y)
{
    if (!FMouseDown || !FResizeBlock)
        return;
    // Steps of the data view's size: none to take while it has no size.
    const bool vertical = FResizeBlock->IsVert();
    const int span = vertical ? FDataViewHeight : FDataViewWidth;
    if (span == 0)
        return;
    double offset = vertical ? static_cast<double>(FMouseDownY - Y) / span * 100
                             : static_cast<double>(X - FMouseDownX) / span * 100;
    offset = std::nearbyint(offset / 1.25) * 1.25;
    if (FSizingSide == ilssStart)
        FResizeBlock->SetStartPercent(FMouseDownStartPercent + offset);
    else
        FResizeBlock->SetStopPercent(FMouseDownStopPercent + offset);
    InvalidateChange();
}

void TiPlotLayoutViewer::iMouseUp(TMouseButton, TShiftState, int, int)
{
    FMouseDown = false;
    if (FEditMode == ilemDrag && FSelectedBlock && FDragOverRefBlock2)
        Drop();
    else if (FEditMode == ilemSize && FResizeBlock)
        DoChangeEvent();
    FEditMode = ilemNone;
    SetCursor(crDefault);
    FOverLayoutObject = nullptr;
    FDragOverRefBlock2 = nullptr;
    FSelectedBlock = nullptr;
    FResizeBlock = nullptr;
    InvalidateChange();
}

// ---- Drops --------------------------------------------------------------------------------------

void TiPlotLayoutViewer::Drop()
{
    if (FOverLayoutObject) {
        SwapBlockSpans();
        DoChangeEvent();
    } else if (FDragOverRefBlock2->Horizontal == FSelectedBlock->Horizontal()) {
        if (FInsertDirection == iidMerge)
            MergeIntoRow();
        else
            MoveAlongRow();
        DoChangeEvent();
    } else {
        MoveAcross();
    }
}

void TiPlotLayoutViewer::SwapBlockSpans()
{
    const double start = FSelectedBlock->StartPercent();
    const double stop = FSelectedBlock->StopPercent();
    FSelectedBlock->SetStartStopPercent(FOverLayoutObject->StartPercent(), FOverLayoutObject->StopPercent());
    FOverLayoutObject->SetStartStopPercent(start, stop);
}

void TiPlotLayoutViewer::MoveAlongRow()
{
    TiPlotLayoutObject *ref =
        FindRowReference(FSelectedBlock, FDragOverRefBlock2->Horizontal, FDragOverRefBlock2->ZOrder);
    if (ref) {
        FLayoutManager->RemoveZOrder(FSelectedBlock);
        FLayoutManager->InsertZOrder(FSelectedBlock, ref->ZOrder(), FInsertDirection);
    }
    FSelectedBlock->SetStartPercent(0);
    FSelectedBlock->SetStopPercent(100);
}

void TiPlotLayoutViewer::MergeIntoRow()
{
    // The row's objects in list order, then the dropped one, share the row in equal parts.
    std::vector<TiPlotLayoutObject *> row;
    for (int i = 0; i < FLayoutManager->Count(); ++i) {
        auto *object = static_cast<TiPlotLayoutObject *>(FLayoutManager->Items(i));
        if (!IsDataView(object) && !IsPlaceholder(object) && object != FSelectedBlock &&
            object->Horizontal() == FDragOverRefBlock2->Horizontal && object->ZOrder() == FDragOverRefBlock2->ZOrder)
            row.push_back(object);
    }
    TiPlotLayoutObject *ref =
        FindRowReference(FSelectedBlock, FDragOverRefBlock2->Horizontal, FDragOverRefBlock2->ZOrder);
    row.push_back(FSelectedBlock);
    const double part = 100.0 / static_cast<double>(row.size());
    for (std::size_t a = 0; a < row.size(); ++a) {
        row[a]->SetStopPercent(part * static_cast<double>(a + 1));
        row[a]->SetStartPercent(part * static_cast<double>(a));
    }
    if (ref) {
        FLayoutManager->RemoveZOrder(FSelectedBlock);
        FLayoutManager->InsertZOrder(FSelectedBlock, ref->ZOrder(), iidMerge);
    }
}

void TiPlotLayoutViewer::MoveAcross()
{
    const bool horizontal = FDragOverRefBlock2->Horizontal;
    TiPlotLayoutObject *ref = FindRowReference(FSelectedBlock, horizontal, FDragOverRefBlock2->ZOrder);
    // Without an object in the row there is no band of that orientation to go to.
    if (!ref)
        return;
    FLayoutManager->RemoveZOrder(FSelectedBlock);
    FSelectedBlock->SetHorizontal(horizontal);
    FLayoutManager->InsertZOrder(FSelectedBlock, ref->ZOrder(), FInsertDirection);
    DoChangeEvent();
}
