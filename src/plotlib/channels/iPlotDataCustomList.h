#pragma once
// TiPlotDataCustomList: the point store of a channel. A store keeps per point an X and a Y value,
// and, by its kind, the null and empty flags and further per-point attributes; it also keeps the
// channel-wide defaults of those attributes (the stored values), which the channel uses as its own
// trace and marker properties and which every new point takes. The four stores, one per data
// style, are TiPlotDataNullList (standard), TiPlotDataCompactList, TiPlotDataCompactIntervalList
// and TiPlotDataFullList; TiPlotDataRecordList below holds what they share.
//
// Rules a caller must know:
//  - Points are addressed by logical index: 0 the oldest held, Count - 1 the newest. Records sit
//    in one contiguous block of Capacity fixed-size records, addressed by physical slot. A ring
//    buffer (RingBufferSize > 0) keeps the newest RingBufferSize points: once full, each add
//    overwrites the oldest record, and the logical order starts at slot FTail.
//  - Add answers the new point's logical index (Count - 1 once a ring is full).
//  - A growing store allocates only at a growth step (capacities 4, 8, 12, 28, 44, 60, 76, 95 ...
//    from empty); a full ring never allocates.
//  - DeletePoints and a change of capacity first unwrap a wrapped ring (records back in logical
//    order from slot 0), so the points kept are the logical ones: DeletePoints keeps the newest,
//    a smaller capacity the oldest.
//  - Every failure raises Exception and leaves the store as it was: "Index out of Bounds" for a
//    logical index outside 0 ... Count - 1, "Exceed Maximum List Size" for a capacity above
//    MaxDataPoints, the delete-size messages of each store.
// GUI thread (the thread of the store's plot).

#include "platform/runtime/Exception.h"
#include "platform/runtime/GraphicsTypes.h"
#include "platform/ui/GraphicsBrush.h"
#include "platform/ui/GraphicsPen.h"
#include "plotlib/base/iTypes.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>

// Consecutive points read at once, for loops that visit every point of a range (the drawing of a
// dense trace) without a call per point.
struct TiPlotPointBlock {
    static constexpr int Size = 256;
    double X[Size];
    double Y[Size];
    bool Empty[Size];
    bool Null[Size];
};

class TiPlotDataCustomList {
public:
    TiPlotDataCustomList() = default;
    virtual ~TiPlotDataCustomList() = default;
    TiPlotDataCustomList(const TiPlotDataCustomList &) = delete;
    TiPlotDataCustomList &operator=(const TiPlotDataCustomList &) = delete;

    int Count() const { return FCount; }
    int Capacity() const { return FCapacity; }
    // The capacity while the ring is on, else 0.
    int RingBufferSize() const { return FRingBufferEnabled ? FCapacity : 0; }
    // 0 turns the ring off (a wrapped ring loses its points). A positive size turns it on: the
    // same size as the capacity keeps the points; otherwise a wrapped ring is cleared first and a
    // smaller size keeps the newest points.
    void SetRingBufferSize(int Value);
    int DataPointSize() const { return FDataPointSize; }
    int MaxDataPoints() const { return FMaxDataPoints; }
    // Bytes allocated (not bytes in use).
    int MemoryUsed() const { return FDataPointSize * FCapacity; }
    // The ring's physical slot of the oldest point once it has wrapped, else 0.
    int Tail() const { return FTail; }

    // ---- Per point (logical indexes) ----
    virtual double GetX(int Index) const = 0;
    virtual double GetY(int Index) const = 0;
    virtual bool GetEmpty(int) const { return false; }
    virtual bool GetNull(int) const { return false; }
    virtual double GetHigh(int) const { return 0.0; }
    virtual double GetLow(int) const { return 0.0; }
    virtual double GetOpen(int) const { return 0.0; }
    virtual double GetClose(int) const { return 0.0; }
    virtual void SetX(int Index, double Value) = 0;
    virtual void SetY(int Index, double Value) = 0;
    virtual void SetEmpty(int, bool) {}
    virtual void SetNull(int, bool) {}
    virtual void SetHigh(int, double) {}
    virtual void SetLow(int, double) {}
    virtual void SetOpen(int, double) {}
    virtual void SetClose(int, double) {}

    // Attributes a store does not keep answer the stored value for any index, unchecked.
    virtual TColor GetTraceLineColor(int) const { return FStoredTraceLineColor; }
    virtual int GetTraceLineWidth(int) const { return FStoredTraceLineWidth; }
    virtual TiPlotLineStyle GetTraceLineStyle(int) const { return FStoredTraceLineStyle; }
    virtual bool GetMarkerVisible(int) const { return FStoredMarkerVisible; }
    virtual int GetMarkerSize(int) const { return FStoredMarkerSize; }
    virtual TiPlotMarkerStyle GetMarkerStyle(int) const { return FStoredMarkerStyle; }
    virtual TColor GetMarkerPenColor(int) const { return FStoredMarkerPenColor; }
    virtual int GetMarkerPenWidth(int) const { return FStoredMarkerPenWidth; }
    virtual TPenStyle GetMarkerPenStyle(int) const { return FStoredMarkerPenStyle; }
    virtual TColor GetMarkerBrushColor(int) const { return FStoredMarkerBrushColor; }
    virtual TBrushStyle GetMarkerBrushStyle(int) const { return FStoredMarkerBrushStyle; }
    virtual char16_t GetMarkerCharacter(int) const { return FStoredMarkerCharacter; }
    virtual bool GetBarVisible(int) const { return FStoredBarVisible; }
    virtual double GetBarReference(int) const { return FStoredBarReference; }
    virtual double GetBarWidth(int) const { return FStoredBarWidth; }
    virtual TColor GetBarPenColor(int) const { return FStoredBarPenColor; }
    virtual int GetBarPenWidth(int) const { return FStoredBarPenWidth; }
    virtual TPenStyle GetBarPenStyle(int) const { return FStoredBarPenStyle; }
    virtual TColor GetBarBrushColor(int) const { return FStoredBarBrushColor; }
    virtual TBrushStyle GetBarBrushStyle(int) const { return FStoredBarBrushStyle; }
    // ... and writing them does nothing.
    virtual void SetTraceLineColor(int, TColor) {}
    virtual void SetTraceLineWidth(int, int) {}
    virtual void SetTraceLineStyle(int, TiPlotLineStyle) {}
    virtual void SetMarkerVisible(int, bool) {}
    virtual void SetMarkerSize(int, int) {}
    virtual void SetMarkerStyle(int, TiPlotMarkerStyle) {}
    virtual void SetMarkerPenColor(int, TColor) {}
    virtual void SetMarkerPenWidth(int, int) {}
    virtual void SetMarkerPenStyle(int, TPenStyle) {}
    virtual void SetMarkerBrushColor(int, TColor) {}
    virtual void SetMarkerBrushStyle(int, TBrushStyle) {}
    virtual void SetMarkerCharacter(int, char16_t) {}
    virtual void SetBarVisible(int, bool) {}
    virtual void SetBarReference(int, double) {}
    virtual void SetBarWidth(int, double) {}
    virtual void SetBarPenColor(int, TColor) {}
    virtual void SetBarPenWidth(int, int) {}
    virtual void SetBarPenStyle(int, TPenStyle) {}
    virtual void SetBarBrushColor(int, TColor) {}
    virtual void SetBarBrushStyle(int, TBrushStyle) {}

    // ---- The points as a whole ----
    // Stores one point with the given flags (where the store keeps them) and the stored
    // attributes; answers its logical index.
    virtual int Add(double X, double Y, bool Null, bool Empty) = 0;
    // Empty with the tail at 0; a growing store also releases its block, a ring keeps it.
    virtual void Clear();
    // Reallocates to NewCapacity records (a wrapped ring unwrapped first); Count is cut to it.
    virtual void SetCapacity(int NewCapacity) = 0;
    // Removes the Size oldest points; the range accepted and the message are the store's.
    virtual void DeletePoints(int Size) = 0;
    virtual void GetXYEmptyNull(int Index, double &X, double &Y, bool &Empty, bool &Null) const = 0;
    // The Count points (at most TiPlotPointBlock::Size) from logical index First into Block, as
    // GetXYEmptyNull gives them; "Index out of Bounds" when the range leaves the points.
    virtual void ReadBlock(int First, int Count, TiPlotPointBlock &Block) const = 0;

    // ---- The stored values (the channel's trace, marker and bar properties) ----
    TColor StoredTraceLineColor() const { return FStoredTraceLineColor; }
    void SetStoredTraceLineColor(TColor Value) { FStoredTraceLineColor = Value; }
    int StoredTraceLineWidth() const { return FStoredTraceLineWidth; }
    void SetStoredTraceLineWidth(int Value) { FStoredTraceLineWidth = Value; }
    TiPlotLineStyle StoredTraceLineStyle() const { return FStoredTraceLineStyle; }
    void SetStoredTraceLineStyle(TiPlotLineStyle Value) { FStoredTraceLineStyle = Value; }
    bool StoredMarkerVisible() const { return FStoredMarkerVisible; }
    void SetStoredMarkerVisible(bool Value) { FStoredMarkerVisible = Value; }
    int StoredMarkerSize() const { return FStoredMarkerSize; }
    void SetStoredMarkerSize(int Value) { FStoredMarkerSize = Value; }
    TiPlotMarkerStyle StoredMarkerStyle() const { return FStoredMarkerStyle; }
    void SetStoredMarkerStyle(TiPlotMarkerStyle Value) { FStoredMarkerStyle = Value; }
    TColor StoredMarkerPenColor() const { return FStoredMarkerPenColor; }
    void SetStoredMarkerPenColor(TColor Value) { FStoredMarkerPenColor = Value; }
    int StoredMarkerPenWidth() const { return FStoredMarkerPenWidth; }
    void SetStoredMarkerPenWidth(int Value) { FStoredMarkerPenWidth = Value; }
    TPenStyle StoredMarkerPenStyle() const { return FStoredMarkerPenStyle; }
    void SetStoredMarkerPenStyle(TPenStyle Value) { FStoredMarkerPenStyle = Value; }
    TColor StoredMarkerBrushColor() const { return FStoredMarkerBrushColor; }
    void SetStoredMarkerBrushColor(TColor Value) { FStoredMarkerBrushColor = Value; }
    TBrushStyle StoredMarkerBrushStyle() const { return FStoredMarkerBrushStyle; }
    void SetStoredMarkerBrushStyle(TBrushStyle Value) { FStoredMarkerBrushStyle = Value; }
    char16_t StoredMarkerCharacter() const { return FStoredMarkerCharacter; }
    void SetStoredMarkerCharacter(char16_t Value) { FStoredMarkerCharacter = Value; }
    bool StoredBarVisible() const { return FStoredBarVisible; }
    void SetStoredBarVisible(bool Value) { FStoredBarVisible = Value; }
    double StoredBarReference() const { return FStoredBarReference; }
    void SetStoredBarReference(double Value) { FStoredBarReference = Value; }
    double StoredBarWidth() const { return FStoredBarWidth; }
    void SetStoredBarWidth(double Value) { FStoredBarWidth = Value; }
    TColor StoredBarPenColor() const { return FStoredBarPenColor; }
    void SetStoredBarPenColor(TColor Value) { FStoredBarPenColor = Value; }
    int StoredBarPenWidth() const { return FStoredBarPenWidth; }
    void SetStoredBarPenWidth(int Value) { FStoredBarPenWidth = Value; }
    TPenStyle StoredBarPenStyle() const { return FStoredBarPenStyle; }
    void SetStoredBarPenStyle(TPenStyle Value) { FStoredBarPenStyle = Value; }
    TColor StoredBarBrushColor() const { return FStoredBarBrushColor; }
    void SetStoredBarBrushColor(TColor Value) { FStoredBarBrushColor = Value; }
    TBrushStyle StoredBarBrushStyle() const { return FStoredBarBrushStyle; }
    void SetStoredBarBrushStyle(TBrushStyle Value) { FStoredBarBrushStyle = Value; }
    // Copies the stored values but the marker character (a change of data style keeps them).
    void AssignStoredValues(const TiPlotDataCustomList &Source);

protected:
    void SetDataPointSize(int Size);
    // The physical slot of a logical index; "Index out of Bounds" outside the points.
    int PhysicalIndex(int Index) const;
    // One growth step of the capacity.
    void Grow();
    // Makes room for one more point by the placement rule and counts it: answers the slot to
    // write, and the new point's logical index in Index. Grows a full growing store first.
    int PlaceNew(int &Index);
    // Puts a wrapped ring's records back in logical order from slot 0 (tail 0 afterwards).
    virtual void Unwrap() = 0;
    // The checks and the bookkeeping of SetCapacity and DeletePoints around the block moves.
    void CheckCapacity(int NewCapacity) const;

    int FCount = 0;
    int FCapacity = 0;
    int FTail = 0;
    bool FRingBufferEnabled = false;
    int FDataPointSize = 1;
    int FMaxDataPoints = 0;

    TColor FStoredTraceLineColor = 0;
    int FStoredTraceLineWidth = 0;
    TiPlotLineStyle FStoredTraceLineStyle = iplsSolid;
    bool FStoredMarkerVisible = false;
    int FStoredMarkerSize = 0;
    TiPlotMarkerStyle FStoredMarkerStyle = ipmsCircle;
    TColor FStoredMarkerPenColor = 0;
    int FStoredMarkerPenWidth = 0;
    TPenStyle FStoredMarkerPenStyle = psSolid;
    TColor FStoredMarkerBrushColor = 0;
    TBrushStyle FStoredMarkerBrushStyle = bsSolid;
    char16_t FStoredMarkerCharacter = 0;
    bool FStoredBarVisible = true;
    double FStoredBarReference = 0.0;
    double FStoredBarWidth = 0.0;
    TColor FStoredBarPenColor = 0;
    int FStoredBarPenWidth = 0;
    TPenStyle FStoredBarPenStyle = psSolid;
    TColor FStoredBarBrushColor = 0;
    TBrushStyle FStoredBarBrushStyle = bsSolid;
};

// A store of plain fixed-size records of type Record in one block: the capacity, the delete and
// the unwrap steps every store shares, and the reading of points through the DecodePoint overload
// beside each record type. ThrowDeleteSize is what a delete size out of range raises; MayDeleteAll
// lets DeletePoints take every point.
template <class Record>
class TiPlotDataRecordList : public TiPlotDataCustomList {
    static_assert(std::is_trivially_copyable_v<Record>);

public:
    ~TiPlotDataRecordList() override { FreeList(); }

    void SetCapacity(int NewCapacity) override
    {
        CheckCapacity(NewCapacity);
        if (NewCapacity == FCapacity)
            return;
        Unwrap();
        if (NewCapacity <= 0) {
            FreeList();
        } else {
            void *block = std::realloc(FList, static_cast<std::size_t>(NewCapacity) * sizeof(Record));
            if (!block)
                throw std::bad_alloc();
            FList = static_cast<Record *>(block);
        }
        FCapacity = std::max(NewCapacity, 0);
        FCount = std::min(FCount, FCapacity);
    }

    void DeletePoints(int Size) override
    {
        if (Size < 0 || Size > FCount || (Size == FCount && !MayDeleteAll()))
            ThrowDeleteSize();
        Unwrap();
        std::memmove(FList, FList + Size, static_cast<std::size_t>(FCount - Size) * sizeof(Record));
        FCount -= Size;
        DeletedPoints(Size);
    }

    void GetXYEmptyNull(int Index, double &X, double &Y, bool &Empty, bool &Null) const override
    {
        DecodePoint(At(Index), X, Y, Empty, Null);
    }
    void ReadBlock(int First, int Count, TiPlotPointBlock &Block) const override
    {
        ForRecords(First, Count, [&Block](int k, const Record &Point) {
            DecodePoint(Point, Block.X[k], Block.Y[k], Block.Empty[k], Block.Null[k]);
        });
    }

protected:
    Record *FList = nullptr;

    void FreeList()
    {
        std::free(FList);
        FList = nullptr;
    }
    void Unwrap() override
    {
        if (FTail == 0)
            return;
        std::rotate(FList, FList + FTail, FList + FCount);
        FTail = 0;
    }
    Record &At(int Index) { return FList[PhysicalIndex(Index)]; }
    const Record &At(int Index) const { return FList[PhysicalIndex(Index)]; }
    // Visit(k, record) for the Count records from logical index First, k counting from 0: both
    // ends are checked once and the ring's wrap is taken where it falls.
    template <class Visit>
    void ForRecords(int First, int Count, Visit visit) const
    {
        if (Count <= 0)
            return;
        const int slot = PhysicalIndex(First);
        PhysicalIndex(First + Count - 1);
        // At most two runs of slots: up to the end of the ring, then from its start.
        const int firstRun = std::min(Count, FCount - slot);
        const Record *records = FList + slot;
        for (int k = 0; k < firstRun; ++k)
            visit(k, records[k]);
        for (int k = firstRun; k < Count; ++k)
            visit(k, FList[k - firstRun]);
    }
    // A new point at its place; answers its logical index.
    int AddRecord(const Record &Value)
    {
        int index = 0;
        const int slot = PlaceNew(index);  // may move the block
        FList[slot] = Value;
        return index;
    }
    virtual bool MayDeleteAll() const { return false; }
    [[noreturn]] virtual void ThrowDeleteSize() const;
    // After DeletePoints removed the Size oldest points.
    virtual void DeletedPoints(int) {}
};

template <class Record>
void TiPlotDataRecordList<Record>::ThrowDeleteSize() const
{
    throw Exception(QStringLiteral("Delete size out of Range"));
}
