// Resizing columns and rows by dragging their grid lines, and fitting them.

#include "grid_test_window.h"

namespace {

using GridSizing = GridWindowTest;

TEST_F(GridSizing, DraggingAColumnLineInTheHeaderResizesTheColumn) {
    const POINT line = ColumnLine(1);
    Drag(line, {line.x + 30, line.y});
    EXPECT_EQ(grid.Model().ColumnWidth(1), 70);
    EXPECT_EQ(grid.Model().ColumnWidth(2), 40);
    // No selection came of it.
    EXPECT_EQ(grid.Model().Selection(), std::nullopt);
    Drag(ColumnLine(1), {0, 8});  // left past its own edge: width 0
    EXPECT_EQ(grid.Model().ColumnWidth(1), 0);
}

TEST_F(GridSizing, DraggingARowLineResizesTheRow) {
    const POINT line = RowLine(2, 100);
    Drag(line, {line.x, line.y + 10});
    EXPECT_EQ(grid.Model().RowHeight(2), 34);
    EXPECT_EQ(grid.Model().RowHeight(3), 24);
    const POINT header = RowLine(0, 100);
    Drag(header, {header.x, header.y - 4});
    EXPECT_EQ(grid.Model().RowHeight(0), 20);
}

TEST_F(GridSizing, ColumnLinesInTheBodyAreNoHandle) {
    const POINT line{ColumnLine(1).x, CellCentre(2, 1).y};
    Drag(line, {line.x + 30, line.y});
    EXPECT_EQ(grid.Model().ColumnWidth(1), 40);
}

TEST_F(GridSizing, DoubleClickOnALineFitsTheContents) {
    grid.SetCellText(2, 1, "a rather long text for a cell");
    DoubleClick(ColumnLine(1));
    const int32_t wide = grid.Model().ColumnWidth(1);
    EXPECT_GT(wide, 100);
    EXPECT_EQ(Editor(), nullptr);
    grid.SetCellText(2, 1, "ab");
    DoubleClick(ColumnLine(1));
    EXPECT_LT(grid.Model().ColumnWidth(1), 40);
    EXPECT_GT(grid.Model().ColumnWidth(1), 2 * 3 + 1);
    DoubleClick(RowLine(3, 100));
    const int32_t fitted = grid.Model().RowHeight(3);
    EXPECT_GT(fitted, 8);
    EXPECT_LT(fitted, 40);
}

}  // namespace
