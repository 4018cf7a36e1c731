// The plot list and the paint pages of the response plot controls.

#include <gtest/gtest.h>

#include <vector>

#include "curves/LMyFFTDraw.h"

namespace {

std::vector<int> IdsFromHead(const TPlotList &list)
{
    std::vector<int> ids;
    for (const TPlotListMember *m = list.Head(); m; m = m->Next.get())
        ids.push_back(m->Id);
    return ids;
}

}  // namespace

TEST(PlotList, NewestFirstAndAStoredIdKeepsColourStyleAndPlace)
{
    TPlotList list;
    const double x[] = {0, 1, 2};
    const double y[] = {5, 6, 7};
    EXPECT_FALSE(list.Store(x, y, 3, 1, clRed, PlotStyleLine));
    EXPECT_FALSE(list.Store(x, y, 3, 2, clGreen, PlotStyleFilledSquares));
    EXPECT_FALSE(list.Store(x, y, 3, 3, clBlue, PlotStyleLine));
    EXPECT_EQ(IdsFromHead(list), (std::vector<int>{3, 2, 1}));

    const double y2[] = {9, 8};
    EXPECT_TRUE(list.Store(x, y2, 2, 2, clYellow, PlotStyleLine));
    EXPECT_EQ(IdsFromHead(list), (std::vector<int>{3, 2, 1}));
    TPlotListMember *m = nullptr;
    ASSERT_TRUE(list.Find(m, 2));
    EXPECT_EQ(m->Color, clGreen);
    EXPECT_EQ(m->Style, PlotStyleFilledSquares);
    EXPECT_EQ(m->Count, 2);
    EXPECT_EQ(m->Y, (std::vector<double>{9, 8}));
    EXPECT_EQ(m->X, (std::vector<double>{0, 1}));

    EXPECT_FALSE(list.Remove(7));
    EXPECT_EQ(IdsFromHead(list), (std::vector<int>{3, 2, 1}));
    EXPECT_TRUE(list.Remove(2));
    EXPECT_FALSE(list.Find(m, 2));
    EXPECT_EQ(m, nullptr);
    EXPECT_EQ(IdsFromHead(list), (std::vector<int>{3, 1}));
    list.Clear();
    EXPECT_EQ(list.Head(), nullptr);
}

TEST(PaintPage, PlaceSizesTheBitmapAndNeverGoesNegative)
{
    struct Row {
        const char *name;
        TRect place;
        TRect screen;
        int width, height;
    };
    const Row rows[] = {
        {.name = "normal", .place = {10, 20, 110, 70}, .screen = {10, 20, 110, 70}, .width = 100, .height = 50},
        {.name = "inverted width", .place = {50, 20, 40, 70}, .screen = {50, 20, 50, 70}, .width = 0, .height = 0},
        {.name = "inverted height", .place = {0, 30, 100, 10}, .screen = {0, 30, 100, 30}, .width = 0, .height = 0},
    };
    for (const Row &r : rows) {
        TPaintPage page;
        EXPECT_TRUE(page.Bitmap()->Empty()) << r.name;
        page.Place(r.place.Left, r.place.Top, r.place.Right, r.place.Bottom);
        EXPECT_EQ(page.ScreenRect(), r.screen) << r.name;
        EXPECT_EQ(page.PageRect().Width(), r.screen.Width()) << r.name;
        EXPECT_EQ(page.PageRect().Height(), r.screen.Height()) << r.name;
        EXPECT_EQ(page.Bitmap()->Width(), r.width) << r.name;
        EXPECT_EQ(page.Bitmap()->Height(), r.height) << r.name;
    }
    TPaintPage page;
    page.Place(0, 0, 4, 3);
    page.Clear(clNavy);
    EXPECT_EQ(page.Bitmap()->Image().pixel(3, 2) & 0xFFFFFF, 0x000080u);
}
