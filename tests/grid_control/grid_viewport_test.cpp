#include "ui/grid_viewport.h"

#include <gtest/gtest.h>

namespace {

GridModel Sized(int32_t rows, int32_t columns) {
    GridModel model;
    model.SetRowCount(rows);
    model.SetColumnCount(columns);
    return model;
}

// The control's client area: 840 x 297 less the 2-pixel sunken edge.
constexpr ViewSize kView{836, 293};

TEST(GridViewport, InitialGridFitsWithoutScrolling) {
    const GridModel model;
    EXPECT_EQ(MaxFirstColumn(model, kView.width), 0);
    EXPECT_EQ(MaxFirstRow(model, kView.height), 1);
    EXPECT_EQ(NeededScrollBars(model, kView, 17, 17), (ScrollBarNeed{false, false}));
    const VisibleCells cells = VisibleRange(model, {}, kView);
    EXPECT_EQ(cells.firstRow, 1);
    EXPECT_EQ(cells.lastRow, 4);
    EXPECT_EQ(cells.firstColumn, 0);
    EXPECT_EQ(cells.lastColumn, 4);
}

TEST(GridViewport, LargestFirstColumnFillsTheView) {
    const GridModel model = Sized(2, 100);  // 4000 px of 40-pixel columns
    struct Case { int32_t width; int32_t maxFirst; };
    for (const Case c : {Case{400, 90}, Case{410, 90}, Case{390, 91}, Case{4000, 0}, Case{39, 99}, Case{0, 99}}) {
        EXPECT_EQ(MaxFirstColumn(model, c.width), c.maxFirst) << c.width;
    }
}

TEST(GridViewport, LargestFirstRowKeepsTheHeaderRow) {
    const GridModel model = Sized(10001, 25);
    // 293 - 24 header pixels leave 269 for body rows: 11 whole rows of 24.
    EXPECT_EQ(MaxFirstRow(model, kView.height), 10001 - 11);
    EXPECT_EQ(PageRows(model, {1, 0}, kView), 11);
    EXPECT_EQ(ClampScroll(model, {20000, -3}, kView), (GridScroll{10001 - 11, 0}));
    EXPECT_EQ(ClampScroll(model, {0, 0}, kView), (GridScroll{1, 0}));
}

TEST(GridViewport, LastColumnOfTheLargestRosterIsReachable) {
    GridModel model = Sized(2, 6135341);
    model.ResizeColumn(0, 50);
    const int32_t maxFirst = MaxFirstColumn(model, kView.width);
    // 20 columns of 40 px fit into 836, 21 do not.
    EXPECT_EQ(maxFirst, 6135341 - 20);
    const GridScroll end = ClampScroll(model, {1, INT32_MAX}, kView);
    EXPECT_EQ(end.firstColumn, maxFirst);
    EXPECT_EQ(VisibleRange(model, end, kView).lastColumn, 6135340);
    EXPECT_EQ(ColumnX(model, end, 6135340) + 40, 800);
    const GridHit last = HitTest(model, end, 790, 30);
    EXPECT_EQ(last, (GridHit{GridHit::Kind::Cell, {1, 6135340}, -1}));
}

TEST(GridViewport, ScrollBarsDependOnEachOther) {
    // 5 columns are 200 px wide, 5 rows 120 px high.
    struct Case { ViewSize full; ScrollBarNeed need; };
    const Case cases[] = {
        {{200, 120}, {false, false}},
        {{199, 137}, {true, false}},   // only too narrow, and the bar leaves room for the rows
        {{199, 136}, {true, true}},    // the horizontal bar takes the last row's room
        {{200, 119}, {true, true}},    // the vertical bar takes the last column's room
        {{217, 119}, {false, true}},
    };
    const GridModel model;
    for (const Case& c : cases) {
        EXPECT_EQ(NeededScrollBars(model, c.full, 17, 17), c.need) << c.full.width << "x" << c.full.height;
    }
}

TEST(GridViewport, OnlyTheHeaderRowNeverScrollsDown) {
    const GridModel model = Sized(1, 5);
    EXPECT_EQ(NeededScrollBars(model, {100, 10}, 17, 17).vertical, false);
    EXPECT_EQ(MaxFirstRow(model, 10), 1);
    const VisibleCells cells = VisibleRange(model, {}, kView);
    EXPECT_LT(cells.lastRow, cells.firstRow);
}

TEST(GridViewport, HitTestFindsCellsAndGridLines) {
    const GridModel model;  // line pixels at x = 39, 79, ... and y = 23, 47, ...
    using K = GridHit::Kind;
    struct Case { int x; int y; GridHit hit; };
    const Case cases[] = {
        {20, 12, {K::Cell, {0, 0}, -1}},
        {20, 30, {K::Cell, {1, 0}, -1}},
        {36, 10, {K::Cell, {0, 0}, -1}},
        {37, 10, {K::ColumnEdge, {}, 0}},
        {39, 10, {K::ColumnEdge, {}, 0}},
        {41, 10, {K::ColumnEdge, {}, 0}},
        {42, 10, {K::Cell, {0, 1}, -1}},
        {39, 35, {K::Cell, {1, 0}, -1}},   // column lines are grabbed in the header row only
        {201, 10, {K::ColumnEdge, {}, 4}}, // the last column's right edge
        {202, 10, {K::Nothing, {}, -1}},
        {20, 21, {K::RowEdge, {}, 0}},
        {20, 25, {K::RowEdge, {}, 0}},
        {20, 26, {K::Cell, {1, 0}, -1}},
        {100, 47, {K::RowEdge, {}, 1}},
        {100, 121, {K::RowEdge, {}, 4}},
        {100, 122, {K::Nothing, {}, -1}},
        {250, 30, {K::Nothing, {}, -1}},
        {-1, 30, {K::Nothing, {}, -1}},
    };
    for (const Case& c : cases) EXPECT_EQ(HitTest(model, {}, c.x, c.y), c.hit) << c.x << "," << c.y;
}

TEST(GridViewport, HitTestFollowsTheScrollPosition) {
    GridModel model = Sized(20, 20);
    model.ResizeColumn(2, 60);
    const GridScroll scroll{5, 2};
    using K = GridHit::Kind;
    EXPECT_EQ(HitTest(model, scroll, 5, 30), (GridHit{K::Cell, {5, 2}, -1}));
    EXPECT_EQ(HitTest(model, scroll, 65, 30), (GridHit{K::Cell, {5, 3}, -1}));
    EXPECT_EQ(HitTest(model, scroll, 5, 12), (GridHit{K::Cell, {0, 2}, -1}));
    EXPECT_EQ(HitTest(model, scroll, 59, 12), (GridHit{K::ColumnEdge, {}, 2}));
    // The line above the first body row in view is the header row's.
    EXPECT_EQ(HitTest(model, scroll, 5, 25), (GridHit{K::RowEdge, {}, 0}));
    EXPECT_EQ(HitTest(model, scroll, 5, 47), (GridHit{K::RowEdge, {}, 5}));
    // Nothing grabs the hidden column left of the view.
    EXPECT_EQ(HitTest(model, scroll, 0, 12), (GridHit{K::Cell, {0, 2}, -1}));
    EXPECT_EQ(RowY(model, scroll, 5), 24);
    EXPECT_EQ(ColumnX(model, scroll, 3), 60);
}

TEST(GridViewport, DragTargetReachesOneBeyondTheViewAndStaysInTheGrid) {
    const GridModel model = Sized(20, 20);
    const GridScroll scroll{5, 3};
    EXPECT_EQ(DragTarget(model, scroll, 10, 30), (CellPos{5, 3}));
    EXPECT_EQ(DragTarget(model, scroll, -5, 5), (CellPos{4, 2}));
    EXPECT_EQ(DragTarget(model, {1, 0}, -5, 5), (CellPos{1, 0}));
    EXPECT_EQ(DragTarget(model, scroll, 100000, 100000), (CellPos{19, 19}));
}

TEST(GridViewport, ScrollToShowMovesAsLittleAsNeeded) {
    const GridModel model = Sized(100, 100);
    const ViewSize view{400, 24 + 240};  // 10 columns, 10 body rows
    struct Case { GridScroll from; CellRect cells; GridScroll to; };
    const Case cases[] = {
        {{1, 0}, {3, 3, 3, 3}, {1, 0}},          // in view already
        {{1, 0}, {3, 10, 3, 10}, {1, 1}},        // just right of the view
        {{1, 0}, {11, 50, 11, 50}, {2, 41}},
        {{30, 30}, {5, 5, 5, 5}, {5, 5}},        // before the view
        {{1, 0}, {1, 20, 1, 45}, {1, 20}},       // wider than the view: from its left
        {{30, 30}, {0, 5, 99, 5}, {1, 5}},       // a whole column, header row included
        {{30, 30}, {0, 31, 0, 31}, {30, 30}},    // the header row is always in view
        {{1, 0}, {99, 99, 99, 99}, {90, 90}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ScrollToShow(model, c.from, view, c.cells), c.to) << c.cells.top << "," << c.cells.left;
    }
}

}  // namespace
