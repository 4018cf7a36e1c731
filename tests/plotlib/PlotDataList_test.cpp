// Point stores: growth, the ring buffer and its logical order, deleting, the per-store record
// contents and the compact-interval store's derived X.

#include "platform/runtime/Exception.h"
#include "plotlib/channels/iPlotDataCompactIntervalList.h"
#include "plotlib/channels/iPlotDataCompactList.h"
#include "plotlib/channels/iPlotDataFullList.h"
#include "plotlib/channels/iPlotDataNullList.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

QString MessageOf(const std::function<void()> &Call)
{
    try {
        Call();
    } catch (const Exception &e) {
        return e.Message();
    }
    return {};
}

std::vector<double> Ys(const TiPlotDataCustomList &Store)
{
    std::vector<double> out;
    for (int i = 0; i < Store.Count(); ++i)
        out.push_back(Store.GetY(i));
    return out;
}

std::vector<double> Xs(const TiPlotDataCustomList &Store)
{
    std::vector<double> out;
    for (int i = 0; i < Store.Count(); ++i)
        out.push_back(Store.GetX(i));
    return out;
}

// Adds points 1 ... n (X = Y = the number); answers what each add returned.
std::vector<int> AddNumbered(TiPlotDataCustomList &Store, int From, int To)
{
    std::vector<int> out;
    for (int i = From; i <= To; ++i)
        out.push_back(Store.Add(i, i, false, false));
    return out;
}

struct StoreKind {
    const char *name;
    std::function<std::unique_ptr<TiPlotDataCustomList>()> make;
    int pointSize;
    int maxPoints;
    const char *deleteMessage;  // for a size out of range; "" when Count itself is accepted
};

const StoreKind kinds[] = {
    {.name = "standard",
     .make = [] { return std::make_unique<TiPlotDataNullList>(); },
     .pointSize = 24,
     .maxPoints = 89478485,
     .deleteMessage = "Delete size out of Range"},
    {.name = "compact",
     .make = [] { return std::make_unique<TiPlotDataCompactList>(); },
     .pointSize = 8,
     .maxPoints = 268435455,
     .deleteMessage = "Delete size out of Range"},
    {.name = "compact interval",
     .make = [] { return std::make_unique<TiPlotDataCompactIntervalList>(); },
     .pointSize = 4,
     .maxPoints = 536870911,
     .deleteMessage = ""},
    {.name = "full feature",
     .make = [] { return std::make_unique<TiPlotDataFullList>(); },
     .pointSize = 144,
     .maxPoints = 14913080,
     .deleteMessage = "Delete Size Out Of Range"},
};

}  // namespace

TEST(PlotDataList, EveryStoreGrowsRingsAndDeletesAlike)
{
    for (const StoreKind &kind : kinds) {
        SCOPED_TRACE(kind.name);
        auto store = kind.make();
        EXPECT_EQ(store->DataPointSize(), kind.pointSize);
        EXPECT_EQ(store->MaxDataPoints(), kind.maxPoints);

        std::vector<int> capacities;
        for (int i = 0; i < 147; ++i) {
            store->Add(i, i, false, false);
            if (capacities.empty() || capacities.back() != store->Capacity())
                capacities.push_back(store->Capacity());
        }
        EXPECT_EQ(capacities, (std::vector<int>{4, 8, 12, 28, 44, 60, 76, 95, 118, 147}));
        EXPECT_EQ(store->MemoryUsed(), 147 * kind.pointSize);
        EXPECT_EQ(MessageOf([&] { store->GetY(147); }), "Index out of Bounds");
        EXPECT_EQ(MessageOf([&] { store->GetY(-1); }), "Index out of Bounds");
        EXPECT_EQ(MessageOf([&] { store->SetCapacity(kind.maxPoints + 1); }), "Exceed Maximum List Size");
        EXPECT_EQ(store->Capacity(), 147);

        // Clear releases a growing store's block.
        store->Clear();
        EXPECT_EQ(store->Capacity(), 0);
        EXPECT_EQ(store->MemoryUsed(), 0);

        // A ring of 3 given five points holds the newest three in order; every add answers the
        // new point's logical index.
        store->SetRingBufferSize(3);
        EXPECT_EQ(AddNumbered(*store, 1, 5), (std::vector<int>{0, 1, 2, 2, 2}));
        EXPECT_EQ(Ys(*store), (std::vector<double>{3, 4, 5}));
        EXPECT_EQ(store->Tail(), 2);
        AddNumbered(*store, 6, 6);
        EXPECT_EQ(store->Tail(), 0);
        EXPECT_EQ(Ys(*store), (std::vector<double>{4, 5, 6}));
        // Clear keeps a ring's capacity.
        store->Clear();
        EXPECT_EQ(store->Capacity(), 3);
        EXPECT_EQ(store->RingBufferSize(), 3);

        // The delete range.
        AddNumbered(*store, 1, 3);
        if (*kind.deleteMessage) {
            EXPECT_EQ(MessageOf([&] { store->DeletePoints(3); }), kind.deleteMessage);
            EXPECT_EQ(MessageOf([&] { store->DeletePoints(-1); }), kind.deleteMessage);
            EXPECT_EQ(store->Count(), 3);
        } else {
            store->DeletePoints(3);
            EXPECT_EQ(store->Count(), 0);
        }
    }
}

TEST(PlotDataList, RingSizeChanges)
{
    struct Case {
        const char *name;
        int added;  // points 1 ... added into a ring of 3 (0: a growing store of five)
        int newSize;
        std::vector<double> kept;
        int capacity;
    };
    const Case cases[] = {
        {.name = "off on a wrapped ring", .added = 5, .newSize = 0, .kept = {}, .capacity = 0},
        {.name = "off on an unwrapped ring", .added = 3, .newSize = 0, .kept = {1, 2, 3}, .capacity = 3},
        {.name = "same size", .added = 5, .newSize = 3, .kept = {3, 4, 5}, .capacity = 3},
        {.name = "shrinking a growing store", .added = 0, .newSize = 2, .kept = {4, 5}, .capacity = 2},
        {.name = "growing a wrapped ring", .added = 4, .newSize = 5, .kept = {}, .capacity = 5},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TiPlotDataNullList store;
        if (c.added == 0) {
            AddNumbered(store, 1, 5);
        } else {
            store.SetRingBufferSize(3);
            AddNumbered(store, 1, c.added);
        }
        store.SetRingBufferSize(c.newSize);
        EXPECT_EQ(Ys(store), c.kept);
        EXPECT_EQ(store.Capacity(), c.capacity);
    }
}

TEST(PlotDataList, DeletingFromAWrappedRingKeepsTheNewestPointsInOrder)
{
    for (const StoreKind &kind : kinds) {
        SCOPED_TRACE(kind.name);
        auto store = kind.make();
        store->SetRingBufferSize(4);
        AddNumbered(*store, 1, 6);  // holds 3, 4, 5, 6; wrapped
        ASSERT_NE(store->Tail(), 0);
        store->DeletePoints(1);
        EXPECT_EQ(Ys(*store), (std::vector<double>{4, 5, 6}));
        if (kind.pointSize != 4) {  // the compact-interval X is derived (below)
            EXPECT_EQ(Xs(*store), (std::vector<double>{4, 5, 6}));
        }
        // The ring fills on in order.
        AddNumbered(*store, 7, 8);
        EXPECT_EQ(Ys(*store), (std::vector<double>{5, 6, 7, 8}));
    }
}

TEST(PlotDataList, ShrinkingTheCapacityOfAWrappedRingKeepsItsOldestPoints)
{
    TiPlotDataNullList store;
    store.SetRingBufferSize(4);
    AddNumbered(store, 1, 6);
    store.SetCapacity(2);
    EXPECT_EQ(Ys(store), (std::vector<double>{3, 4}));
    EXPECT_EQ(store.Tail(), 0);
}

TEST(PlotDataList, WhatEachStoreKeepsOfAPoint)
{
    TiPlotDataNullList standard;
    standard.SetStoredMarkerVisible(true);
    standard.SetStoredMarkerStyle(ipmsTriangleUp);
    standard.Add(1, 2, false, false);
    standard.Add(1, 2, true, false);
    EXPECT_EQ(standard.GetExtra(0), 44);
    EXPECT_EQ(standard.GetExtra(1), 45);
    standard.SetMarkerStyle(0, ipmsSquare);
    EXPECT_EQ(standard.GetMarkerStyle(0), ipmsSquare);
    EXPECT_TRUE(standard.GetMarkerVisible(0));
    EXPECT_TRUE(standard.GetNull(1));
    // Attributes the standard store does not keep are the stored ones, for any index.
    standard.SetStoredTraceLineColor(0x123456);
    EXPECT_EQ(standard.GetTraceLineColor(99), 0x123456);

    TiPlotDataFullList full;
    full.SetStoredMarkerCharacter(u'x');
    full.SetStoredMarkerSize(7);
    full.Add(1, 2, false, true);
    EXPECT_EQ(full.GetMarkerCharacter(0), 0);
    EXPECT_EQ(full.GetMarkerSize(0), 7);
    EXPECT_EQ(full.GetHigh(0) + full.GetLow(0) + full.GetOpen(0) + full.GetClose(0), 0.0);
    EXPECT_TRUE(full.GetEmpty(0));

    TiPlotDataCompactList compact;
    compact.Add(0.1, 2, true, true);
    double x, y;
    bool empty, null;
    compact.GetXYEmptyNull(0, x, y, empty, null);
    EXPECT_EQ(x, static_cast<double>(0.1f));
    EXPECT_NE(x, 0.1);
    EXPECT_FALSE(null);
    EXPECT_FALSE(empty);
}

TEST(PlotDataList, CompactIntervalXValues)
{
    struct Case {
        const char *name;
        double interval;  // set before the first add; -1: learnt from the second point
        int ring;
        std::vector<std::pair<double, double>> added;
        std::vector<double> x;
        std::vector<double> y;
    };
    const Case cases[] = {
        {.name = "learnt interval",
         .interval = -1,
         .ring = 0,
         .added = {{5, 1}, {7, 2}, {100, 3}},
         .x = {5, 7, 9},
         .y = {1, 2, 3}},
        {.name = "interval set first",
         .interval = 0.5,
         .ring = 0,
         .added = {{2, 1}, {10, 2}},
         .x = {2, 2.5},
         .y = {1, 2}},
        {.name = "ring of two", .interval = -1, .ring = 2, .added = {{0, 1}, {1, 2}, {2, 3}}, .x = {1, 2}, .y = {2, 3}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TiPlotDataCompactIntervalList store;
        store.SetInterval(c.interval);
        store.SetRingBufferSize(c.ring);
        for (const auto &[x, y] : c.added)
            store.Add(x, y, false, false);
        EXPECT_EQ(Xs(store), c.x);
        EXPECT_EQ(Ys(store), c.y);
    }

    TiPlotDataCompactIntervalList store;
    const QString message =
        "Data Style does not support setting individual X-Value with the exception of the first X-Value";
    EXPECT_EQ(MessageOf([&] { store.SetX(0, 1); }), message);
    for (int i = 0; i < 4; ++i)
        store.Add(10 + i, i, false, false);
    EXPECT_EQ(MessageOf([&] { store.SetX(1, 1); }), message);
    EXPECT_EQ(store.GetX(-3), 7);
    // Deleting keeps the X of the points kept.
    store.DeletePoints(2);
    EXPECT_EQ(Xs(store), (std::vector<double>{12, 13}));
    store.SetX(0, 0);
    EXPECT_EQ(Xs(store), (std::vector<double>{0, 1}));
    // Clear forgets the interval.
    store.Clear();
    store.Add(3, 0, false, false);
    store.Add(5, 0, false, false);
    EXPECT_EQ(store.Interval(), 2);
}

TEST(PlotDataList, ABlockReadsWhatThePointsReadAcrossTheRingsWrap)
{
    for (const StoreKind &kind : kinds) {
        SCOPED_TRACE(kind.name);
        auto store = kind.make();
        store->SetRingBufferSize(7);
        for (int i = 0; i < 11; ++i)
            store->Add(i, i * 1.5, i % 3 == 1, i % 4 == 2);
        ASSERT_NE(store->Tail(), 0);
        TiPlotPointBlock block;
        store->ReadBlock(1, 6, block);
        for (int k = 0; k < 6; ++k) {
            double x, y;
            bool empty, null;
            store->GetXYEmptyNull(1 + k, x, y, empty, null);
            EXPECT_EQ(block.X[k], x) << k;
            EXPECT_EQ(block.Y[k], y) << k;
            EXPECT_EQ(block.Empty[k], empty) << k;
            EXPECT_EQ(block.Null[k], null) << k;
        }
        EXPECT_EQ(MessageOf([&] { store->ReadBlock(3, 5, block); }), "Index out of Bounds");
        EXPECT_EQ(MessageOf([&] { store->ReadBlock(-1, 2, block); }), "Index out of Bounds");
    }
}
