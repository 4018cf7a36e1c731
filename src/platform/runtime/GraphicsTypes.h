#pragma once
// Points, sizes and rectangles as the window framework uses them: integer pixels, rectangles with
// an exclusive right and bottom edge.

#include <algorithm>

struct TPoint {
    int X = 0;
    int Y = 0;
    constexpr TPoint() = default;
    constexpr TPoint(int x, int y) : X(x), Y(y) {}
    friend constexpr bool operator==(const TPoint&, const TPoint&) = default;
    constexpr TPoint operator+(const TPoint& o) const { return {X + o.X, Y + o.Y}; }
    constexpr TPoint operator-(const TPoint& o) const { return {X - o.X, Y - o.Y}; }
};

struct TSize {
    int cx = 0;
    int cy = 0;
    constexpr TSize() = default;
    constexpr TSize(int w, int h) : cx(w), cy(h) {}
    friend constexpr bool operator==(const TSize&, const TSize&) = default;
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    constexpr TRect() = default;
    constexpr TRect(int l, int t, int r, int b) : Left(l), Top(t), Right(r), Bottom(b) {}
    constexpr TRect(const TPoint& tl, const TPoint& br) : Left(tl.X), Top(tl.Y), Right(br.X), Bottom(br.Y) {}
    friend constexpr bool operator==(const TRect&, const TRect&) = default;

    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    constexpr TPoint TopLeft() const { return {Left, Top}; }
    constexpr TPoint BottomRight() const { return {Right, Bottom}; }
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    constexpr bool Contains(const TPoint& p) const {
        return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom;
    }
    constexpr void Offset(int dx, int dy) { Left += dx; Right += dx; Top += dy; Bottom += dy; }
    constexpr void Inflate(int dx, int dy) { Left -= dx; Right += dx; Top -= dy; Bottom += dy; }
};

constexpr TPoint Point(int x, int y) { return {x, y}; }
constexpr TRect Rect(int l, int t, int r, int b) { return {l, t, r, b}; }
constexpr TRect Bounds(int l, int t, int w, int h) { return {l, t, l + w, t + h}; }

constexpr bool PtInRect(const TRect& r, const TPoint& p) { return r.Contains(p); }
constexpr bool IsRectEmpty(const TRect& r) { return r.IsEmpty(); }

constexpr void OffsetRect(TRect& r, int dx, int dy) { r.Offset(dx, dy); }
constexpr void InflateRect(TRect& r, int dx, int dy) { r.Inflate(dx, dy); }

// Intersection of a and b; false (and an all-zero result) when they do not overlap.
constexpr bool IntersectRect(TRect& out, const TRect& a, const TRect& b) {
    TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
            std::min(a.Bottom, b.Bottom)};
    if (r.IsEmpty()) {
        out = TRect{};
        return false;
    }
    out = r;
    return true;
}

// Smallest rectangle holding both; an empty operand is ignored.
constexpr bool UnionRect(TRect& out, const TRect& a, const TRect& b) {
    if (a.IsEmpty()) {
        out = b.IsEmpty() ? TRect{} : b;
    } else if (b.IsEmpty()) {
        out = a;
    } else {
        out = {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
               std::max(a.Bottom, b.Bottom)};
    }
    return !out.IsEmpty();
}
