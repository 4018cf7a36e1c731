#pragma once
// The curves a response plot control draws: point arrays kept under an integer id chosen by the
// caller. New curves go in at the head, so the list runs from the most recently added curve to the
// oldest; the control draws from the head, which puts the earliest-added curve on top. A curve
// stored again under its id gets the new points and keeps its place, colour and style.

#include <memory>
#include <vector>

#include "platform/runtime/Colors.h"

// 0 line through the points; 1 filled squares; 2 hollow squares; 3 line and filled squares;
// 4 line and hollow squares. Other values draw nothing.
using TMyPlotStyle = int;
inline constexpr TMyPlotStyle PlotStyleLine = 0;
inline constexpr TMyPlotStyle PlotStyleFilledSquares = 1;
inline constexpr TMyPlotStyle PlotStyleHollowSquares = 2;
inline constexpr TMyPlotStyle PlotStyleLineFilledSquares = 3;
inline constexpr TMyPlotStyle PlotStyleLineHollowSquares = 4;

// One curve: a plain record owned by its list.
struct TPlotListMember {
    std::vector<double> X;  // Count values each
    std::vector<double> Y;
    TColor Color = 0;
    TMyPlotStyle Style = PlotStyleLine;
    int Count = 0;
    int Id = 0;
    std::unique_ptr<TPlotListMember> Next;
};

class TPlotList {
public:
    TPlotList() = default;
    ~TPlotList();
    TPlotList(const TPlotList &) = delete;
    TPlotList &operator=(const TPlotList &) = delete;

    // The most recently added curve; null when the list is empty.
    TPlotListMember *Head() const { return head_.get(); }
    // The first curve with that id; false (and `member` null) when there is none.
    bool Find(TPlotListMember *&member, int id) const;
    // Copies the first n values of x and y (n >= 0). An existing id gets the new points and keeps
    // colour, style and place: true. Otherwise a new curve goes in at the head: false.
    bool Store(const double *x, const double *y, int n, int id, TColor colour, TMyPlotStyle style);
    // Unlinks and frees the first curve with that id; false when there is none.
    bool Remove(int id);
    void Clear();

private:
    std::unique_ptr<TPlotListMember> head_;
};
