#pragma once
// TiPlotLayoutViewer: the schematic of a plot's layout on the editor's "Layout" tab. It draws the
// plot's layout objects (axes, legends, tables, labels, toolbars) as named blocks in rows around
// the data view and lets the user change the layout with the mouse, working on the plot's layout
// manager directly (nothing to apply):
//  - drag a block onto another block of its row: the two exchange their extents;
//  - drop it beside a row (below or above it), into a row (merged, the row shared in equal parts),
//    or into a row of the other orientation (labels, legends and tables only; an axis keeps its
//    orientation);
//  - drag an end of a block (within 6 pixels of it) to move its StartPercent or StopPercent, in
//    steps of 1.25 % of the data view measured from the press.
// Every completed change raises OnChange. The data view and the toolbars cannot be picked up.
//
// Rules a caller must know:
//  - The geometry (rows, the objects' layout rectangles) is computed at every paint, so the hit
//    tests answer for the last paint. While a drag hovers over a row the rows are kept, so the row
//    under the mouse stays the same object.
//  - Rows: horizontal rows count from the outermost bottom row (z-order 0) upwards, the data view's
//    being the bottom count; vertical rows from the outermost left row rightwards, the data view's
//    being the left count.
//  - Drops that cannot be carried out are refused and leave the object where it was: a drop that
//    changes the orientation onto a row no object of that orientation lies in (there is no band to
//    insert at). Resizing does nothing while the data view has no width (or height).
//  - ObjectRemoved must be called for a layout object that goes while the viewer shows its plot;
//    the viewer then forgets it wherever it held it.
// GUI thread.

#include "plotlib/base/iVCLComponent.h"
#include "plotlib/plot/iPlotLayoutManager.h"

#include <memory>
#include <vector>

class TiPlotMasterManager;
class TiPlotTranslationManager;

enum TiLayoutEditMode { ilemNone, ilemDrag, ilemSize };
enum TiLayoutSizingSide { ilssStart, ilssStop };

// One row of the schematic.
class TBlockObject {
public:
    TRect ARect;
    // The row's z-order among the rows of its orientation.
    int ZOrder = 0;
    // Above or below the data view; false: left or right of it.
    bool Horizontal = false;
    // The data view's own row.
    bool DataView = false;
    // The outermost top row.
    bool ToolBar = false;
};

class TiPlotLayoutViewer : public TiCustomComponent {
    T_DECLARE_CLASS(TiPlotLayoutViewer, TiCustomComponent)
    explicit TiPlotLayoutViewer(TComponent *AOwner);
    ~TiPlotLayoutViewer() override;

    // Set by the editor that opens the viewer; none is owned. Without a layout manager the viewer
    // draws its empty view and takes no input.
    void SetLayoutManager(TiPlotLayoutManager *Value) { FLayoutManager = Value; }
    TiPlotLayoutManager *LayoutManager() const { return FLayoutManager; }
    void SetMaster(TiPlotMasterManager *Value) { FMaster = Value; }
    TiPlotMasterManager *Master() const { return FMaster; }
    // Names are drawn through its replacements when set.
    void SetTranslationManager(TiPlotTranslationManager *Value) { FTranslationManager = Value; }

    // The layout object under the point (data view placeholders passed over), or nullptr.
    TiPlotLayoutObject *GetMouseOverBlock(int X, int Y) const;
    // The row under the point that can take a drop, or nullptr: a toolbar row only in its lower
    // half, a data view row only within one row's thickness of its edges.
    TBlockObject *GetMouseOverBlock2(int X, int Y) const;
    // The object is going: every reference the viewer holds to it is dropped.
    void ObjectRemoved(TObject *Object);

    // ---- State of the last paint and of the gesture (for the editor and tests) ----
    int CellWidth() const { return FCellWidth; }
    TRect ViewRect() const { return FViewRect; }
    TRect DataViewRect() const { return FDataViewRect; }
    TiLayoutEditMode EditMode() const { return FEditMode; }
    TiInsertDirection InsertDirection() const { return FInsertDirection; }
    TiPlotLayoutObject *SelectedBlock() const { return FSelectedBlock; }
    TiPlotLayoutObject *OverLayoutObject() const { return FOverLayoutObject; }
    const TBlockObject *DragOverRow() const { return FDragOverRefBlock2; }
    int BlockCount() const { return static_cast<int>(FBlockList.size()); }
    const TBlockObject *Block(int Index) const { return FBlockList.at(static_cast<std::size_t>(Index)).get(); }

    // A drag or resize changed the layout (Sender: the viewer).
    TNotifyEvent OnChange;

protected:
    void iMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void iMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void iMouseMove(TShiftState Shift, int X, int Y) override;
    void DrawToCanvas(TCanvas *Canvas) override;

private:
    void CalcLayoutGeometry(TCanvas *Canvas);
    void BuildRows(int L, int R, int T, int B);
    void PaintViewBackground(TCanvas *Canvas);
    void PaintBlocks(TCanvas *Canvas);
    // The first layout object that is not Exclude nor a data view, lies in the row (orientation
    // and z-order) and is not the placeholder of the other orientation; nullptr when none.
    TiPlotLayoutObject *FindRowReference(const TiPlotLayoutObject *Exclude, bool Horizontal, int ZOrder) const;
    void HoverMove(int X, int Y);
    void DragMove(TShiftState Shift, int X, int Y);
    void ResizeMove(int X, int Y);
    void Drop();
    void SwapBlockSpans();
    void MoveAlongRow();
    void MergeIntoRow();
    void MoveAcross();
    void DoChangeEvent();

    std::vector<std::unique_ptr<TBlockObject>> FBlockList;
    int FCellWidth = 0;
    bool FMouseDown = false;
    int FMouseDownX = 0;
    int FMouseDownY = 0;
    double FMouseDownStartPercent = 0;
    double FMouseDownStopPercent = 0;
    TRect FViewRect;
    TRect FDataViewRect;
    int FDataViewHeight = 0;
    int FDataViewWidth = 0;
    TiLayoutEditMode FEditMode = ilemNone;
    TiLayoutSizingSide FSizingSide = ilssStart;
    TiPlotLayoutObject *FSelectedBlock = nullptr;
    TiPlotLayoutObject *FResizeBlock = nullptr;
    TiPlotLayoutObject *FOverLayoutObject = nullptr;
    TBlockObject *FDragOverRefBlock2 = nullptr;
    TiInsertDirection FInsertDirection = iidMerge;
    TiPlotLayoutManager *FLayoutManager = nullptr;
    TiPlotMasterManager *FMaster = nullptr;
    std::unique_ptr<TFont> FFont;
    TiPlotTranslationManager *FTranslationManager = nullptr;
};
