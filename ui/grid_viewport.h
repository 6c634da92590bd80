#pragma once
// Which part of the grid a client area shows and what lies under a point.
// The header row is always at the top; below it the body rows start at
// firstRow, and the columns start at firstColumn. Scrolling counts whole rows
// and columns, so positions stay within 32 bits for any grid the model holds.

#include <cstdint>
#include <optional>

#include "ui/grid_model.h"

struct ViewSize {
    int32_t width = 0;
    int32_t height = 0;
};

struct GridScroll {
    int32_t firstRow = 1;     // first body row below the header row
    int32_t firstColumn = 0;
    bool operator==(const GridScroll&) const = default;
};

// The largest first column (first body row) that still fills the view; 0 (1)
// when everything fits.
int32_t MaxFirstColumn(const GridModel& model, int32_t viewWidth);
int32_t MaxFirstRow(const GridModel& model, int32_t viewHeight);
GridScroll ClampScroll(const GridModel& model, GridScroll scroll, ViewSize view);

struct ScrollBarNeed {
    bool horizontal = false;
    bool vertical = false;
    bool operator==(const ScrollBarNeed&) const = default;
};
// The bars the grid needs in a client area of size full (no bars shown),
// given the room each bar takes from it.
ScrollBarNeed NeededScrollBars(const GridModel& model, ViewSize full, int32_t verticalBarWidth,
                               int32_t horizontalBarHeight);

// Client coordinates of a column's left edge and of a row's top edge. Rows
// scrolled away above firstRow lie under the header row.
int64_t ColumnX(const GridModel& model, GridScroll scroll, int32_t column);
int64_t RowY(const GridModel& model, GridScroll scroll, int32_t row);

// Body rows and columns that are at least partly in view; lastRow < firstRow
// when no body row is.
struct VisibleCells {
    int32_t firstRow = 1;
    int32_t lastRow = 0;
    int32_t firstColumn = 0;
    int32_t lastColumn = -1;
};
VisibleCells VisibleRange(const GridModel& model, GridScroll scroll, ViewSize view);

// Body rows (columns) wholly in view from the first one; at least 1.
int32_t PageRows(const GridModel& model, GridScroll scroll, ViewSize view);
int32_t PageColumns(const GridModel& model, GridScroll scroll, ViewSize view);

struct GridHit {
    enum class Kind : uint8_t { Nothing, Cell, ColumnEdge, RowEdge };
    Kind kind = Kind::Nothing;
    CellPos cell;        // Cell: the cell under the point
    int32_t index = -1;  // ColumnEdge/RowEdge: the column left of (row above) the line
    bool operator==(const GridHit&) const = default;
};
// Pixels either side of a grid line that still grab it for resizing.
inline constexpr int32_t kEdgeGrip = 2;
// Column edges are grabbed in the header row, row edges anywhere on the cells.
GridHit HitTest(const GridModel& model, GridScroll scroll, int32_t x, int32_t y);

// The body cell a drag selection reaches at a point, clamped into the grid; a
// point above the body or left of the view reaches one row (column) beyond the
// view so the drag scrolls. Needs a body row.
CellPos DragTarget(const GridModel& model, GridScroll scroll, int32_t x, int32_t y);

// The scroll position that shows the rectangle (as much of it as fits,
// from its top-left), moving as little as possible.
GridScroll ScrollToShow(const GridModel& model, GridScroll scroll, ViewSize view, CellRect cells);
