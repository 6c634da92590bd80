#include "ui/grid_viewport.h"

#include <algorithm>

namespace {

// Rows and columns scroll alike; this is the one that is asked about. Rows
// scroll from row 1 (the header row stays), columns from column 0.
struct Axis {
    const GridModel& model;
    bool rows;

    int32_t Count() const { return rows ? model.RowCount() : model.ColumnCount(); }
    int32_t Lowest() const { return rows ? 1 : 0; }
    int64_t Start(int32_t i) const { return rows ? model.RowTop(i) : model.ColumnLeft(i); }
    int64_t Size(int32_t i) const { return rows ? model.RowHeight(i) : model.ColumnWidth(i); }
    int64_t End(int32_t i) const { return Start(i) + Size(i); }
    int64_t Total() const { return rows ? model.TotalHeight() : model.TotalWidth(); }
    int32_t At(int64_t offset) const {
        return rows ? model.RowAtOffset(offset) : model.ColumnAtOffset(offset);
    }
    bool Scrolls() const { return Count() > Lowest(); }

    // The smallest first index from which everything up to offset end fits
    // into extent pixels.
    int32_t FirstShowingEnd(int64_t end, int64_t extent) const {
        const int64_t target = end - extent;
        if (target <= Start(Lowest())) return Lowest();
        int32_t i = At(target);
        if (i < Count() && Start(i) < target) ++i;
        return std::min(i, Count() - 1);
    }
    int32_t MaxFirst(int64_t extent) const {
        return Scrolls() ? FirstShowingEnd(Total(), extent) : Lowest();
    }
    int32_t Clamp(int32_t first, int64_t extent) const {
        return std::clamp(first, Lowest(), std::max(Lowest(), MaxFirst(extent)));
    }
    // Last index at least partly inside extent pixels from first.
    int32_t LastVisible(int32_t first, int64_t extent) const {
        if (extent <= 0 || first >= Count()) return first - 1;
        return std::min(At(Start(first) + extent - 1), Count() - 1);
    }
    int32_t WhollyVisible(int32_t first, int64_t extent) const {
        if (first >= Count()) return 1;
        const int32_t beyond = std::min(At(Start(first) + extent), Count());
        return std::max(beyond - first, 1);
    }
    int32_t ShowRange(int32_t first, int64_t extent, int32_t low, int32_t high) const {
        if (low < first) return Clamp(low, extent);
        if (End(high) - Start(first) > extent) first = std::min(low, FirstShowingEnd(End(high), extent));
        return Clamp(first, extent);
    }
};

Axis Rows(const GridModel& model) { return {model, true}; }
Axis Columns(const GridModel& model) { return {model, false}; }

int64_t BodyHeight(const GridModel& model, ViewSize view) {
    return int64_t{view.height} - model.RowHeight(0);
}

// The index whose trailing grid line (its last pixel, at lineOf(i)) lies
// within the grip of pos: the index under pos, or the visible one before it.
template <class LineOf>
std::optional<int32_t> EdgeNear(int64_t pos, int32_t under, std::optional<int32_t> before, LineOf lineOf) {
    const int64_t d = pos - lineOf(under);
    if (d >= -kEdgeGrip && d <= kEdgeGrip) return under;
    if (before && pos - lineOf(*before) <= kEdgeGrip) return before;
    return std::nullopt;
}

}  // namespace

int32_t MaxFirstColumn(const GridModel& model, int32_t viewWidth) {
    return Columns(model).MaxFirst(viewWidth);
}

int32_t MaxFirstRow(const GridModel& model, int32_t viewHeight) {
    return Rows(model).MaxFirst(int64_t{viewHeight} - model.RowHeight(0));
}

GridScroll ClampScroll(const GridModel& model, GridScroll scroll, ViewSize view) {
    return {Rows(model).Clamp(scroll.firstRow, BodyHeight(model, view)),
            Columns(model).Clamp(scroll.firstColumn, view.width)};
}

ScrollBarNeed NeededScrollBars(const GridModel& model, ViewSize full, int32_t verticalBarWidth,
                               int32_t horizontalBarHeight) {
    const auto verticalFor = [&](int64_t height) {
        return model.RowCount() > 1 && model.TotalHeight() > height;
    };
    const auto horizontalFor = [&](int64_t width) { return model.TotalWidth() > width; };
    ScrollBarNeed need;
    need.vertical = verticalFor(full.height);
    need.horizontal = horizontalFor(int64_t{full.width} - (need.vertical ? verticalBarWidth : 0));
    if (need.horizontal && !need.vertical) {
        // The horizontal bar's room may leave the rows short; a vertical bar
        // then only narrows the view further, so the horizontal one stays.
        need.vertical = verticalFor(int64_t{full.height} - horizontalBarHeight);
    }
    return need;
}

int64_t ColumnX(const GridModel& model, GridScroll scroll, int32_t column) {
    return model.ColumnLeft(column) - model.ColumnLeft(scroll.firstColumn);
}

int64_t RowY(const GridModel& model, GridScroll scroll, int32_t row) {
    if (row == 0) return 0;
    const int64_t firstTop = scroll.firstRow < model.RowCount() ? model.RowTop(scroll.firstRow)
                                                                : model.TotalHeight();
    return model.RowHeight(0) + model.RowTop(row) - firstTop;
}

VisibleCells VisibleRange(const GridModel& model, GridScroll scroll, ViewSize view) {
    VisibleCells cells;
    cells.firstRow = scroll.firstRow;
    cells.lastRow = Rows(model).LastVisible(scroll.firstRow, BodyHeight(model, view));
    cells.firstColumn = scroll.firstColumn;
    cells.lastColumn = Columns(model).LastVisible(scroll.firstColumn, view.width);
    return cells;
}

int32_t PageRows(const GridModel& model, GridScroll scroll, ViewSize view) {
    return Rows(model).WhollyVisible(scroll.firstRow, BodyHeight(model, view));
}

int32_t PageColumns(const GridModel& model, GridScroll scroll, ViewSize view) {
    return Columns(model).WhollyVisible(scroll.firstColumn, view.width);
}

GridHit HitTest(const GridModel& model, GridScroll scroll, int32_t x, int32_t y) {
    if (x < 0 || y < 0) return {};
    const int32_t headerHeight = model.RowHeight(0);
    const int64_t gx = model.ColumnLeft(scroll.firstColumn) + x;
    const bool inHeader = y < headerHeight;
    int32_t row = 0;
    if (!inHeader) {
        if (scroll.firstRow >= model.RowCount()) return {};
        row = model.RowAtOffset(model.RowTop(scroll.firstRow) + (y - headerHeight));
    }
    const int32_t column = std::min(model.ColumnAtOffset(gx), model.ColumnCount() - 1);

    if (inHeader) {
        const auto columnLine = [&](int32_t c) { return ColumnX(model, scroll, c) + model.ColumnWidth(c) - 1; };
        const std::optional<int32_t> before =
            column > scroll.firstColumn ? std::optional<int32_t>(column - 1) : std::nullopt;
        if (const auto edge = EdgeNear(x, column, before, columnLine)) {
            return {GridHit::Kind::ColumnEdge, {}, *edge};
        }
    }
    if (gx >= model.TotalWidth()) return {};

    const int32_t rowUnder = std::min(row, model.RowCount() - 1);
    const auto rowLine = [&](int32_t r) { return RowY(model, scroll, r) + model.RowHeight(r) - 1; };
    std::optional<int32_t> rowBefore;
    if (rowUnder == scroll.firstRow) rowBefore = 0;
    else if (rowUnder > scroll.firstRow) rowBefore = rowUnder - 1;
    if (const auto edge = EdgeNear(y, rowUnder, rowBefore, rowLine)) {
        return {GridHit::Kind::RowEdge, {}, *edge};
    }
    if (row >= model.RowCount()) return {};
    return {GridHit::Kind::Cell, {row, column}, -1};
}

CellPos DragTarget(const GridModel& model, GridScroll scroll, int32_t x, int32_t y) {
    CellPos target;
    if (x < 0) {
        target.column = std::max(scroll.firstColumn - 1, 0);
    } else {
        const int32_t c = model.ColumnAtOffset(model.ColumnLeft(scroll.firstColumn) + x);
        target.column = std::clamp(c, 0, model.ColumnCount() - 1);
    }
    const int32_t headerHeight = model.RowHeight(0);
    if (y < headerHeight) {
        target.row = std::max(scroll.firstRow - 1, 1);
    } else {
        const int32_t r = model.RowAtOffset(model.RowTop(scroll.firstRow) + (y - headerHeight));
        target.row = std::clamp(r, 1, model.RowCount() - 1);
    }
    return target;
}

GridScroll ScrollToShow(const GridModel& model, GridScroll scroll, ViewSize view, CellRect cells) {
    GridScroll shown = ClampScroll(model, scroll, view);
    shown.firstColumn = Columns(model).ShowRange(shown.firstColumn, view.width, cells.left, cells.right);
    if (cells.bottom >= 1) {
        shown.firstRow = Rows(model).ShowRange(shown.firstRow, BodyHeight(model, view),
                                               std::max(cells.top, 1), cells.bottom);
    }
    return shown;
}
