// Scroll bars, scroll requests and the wheel. Positions count rows and
// columns, with 32-bit scroll information throughout (SetScrollInfo and
// SIF_TRACKPOS), so the last of millions of columns is reachable.

#include <algorithm>

#include "ui/roster_grid_control.h"

namespace {

// One bar's figures: positions run from 0 for the first scrollable row or
// column; the page is what makes the largest position the last first index.
SCROLLINFO BarInfo(int32_t scrollable, int32_t lowest, int32_t maxFirst, int32_t first) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = std::max(scrollable - 1, 0);
    info.nPage = static_cast<UINT>(std::max(scrollable - (maxFirst - lowest), 1));
    info.nPos = first - lowest;
    return info;
}

bool HasStyle(HWND window, LONG_PTR style) {
    return (GetWindowLongPtrA(window, GWL_STYLE) & style) != 0;
}

void RefreshVisible(GridControl& grid) {
    grid.visible = VisibleRange(grid.model, grid.scroll, ClientSize(grid));
}

int32_t ScrollLinesPerNotch() {
    UINT lines = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    return static_cast<int32_t>(std::min<UINT>(lines, 1000));
}

}  // namespace

ViewSize ClientSize(const GridControl& grid) {
    RECT client{};
    if (grid.window) GetClientRect(grid.window, &client);
    return {client.right - client.left, client.bottom - client.top};
}

void UpdateScrollBars(GridControl& grid) {
    if (!grid.window) return;
    const int32_t barWidth = GetSystemMetrics(SM_CXVSCROLL);
    const int32_t barHeight = GetSystemMetrics(SM_CYHSCROLL);
    ViewSize full = ClientSize(grid);
    if (HasStyle(grid.window, WS_VSCROLL)) full.width += barWidth;
    if (HasStyle(grid.window, WS_HSCROLL)) full.height += barHeight;
    const ScrollBarNeed need = NeededScrollBars(grid.model, full, barWidth, barHeight);
    const ViewSize view{full.width - (need.vertical ? barWidth : 0), full.height - (need.horizontal ? barHeight : 0)};
    grid.scroll = ClampScroll(grid.model, grid.scroll, view);

    // A bar whose page covers its range hides itself; the figures agree with
    // need, so the client area ends up as view. Our own WM_SIZE on the way is
    // no news.
    grid.updatingScrollBars = true;
    const SCROLLINFO rows = BarInfo(grid.model.RowCount() - 1, 1, MaxFirstRow(grid.model, view.height),
                                    grid.scroll.firstRow);
    const SCROLLINFO columns = BarInfo(grid.model.ColumnCount(), 0, MaxFirstColumn(grid.model, view.width),
                                       grid.scroll.firstColumn);
    SetScrollInfo(grid.window, SB_VERT, &rows, TRUE);
    SetScrollInfo(grid.window, SB_HORZ, &columns, TRUE);
    grid.updatingScrollBars = false;
    RefreshVisible(grid);
}

void ScrollTo(GridControl& grid, GridScroll scroll) {
    scroll = ClampScroll(grid.model, scroll, ClientSize(grid));
    if (scroll == grid.scroll) return;
    // The editor sits over its cell; it closes rather than drift.
    CloseEditor(grid, true);
    grid.scroll = scroll;
    SCROLLINFO position{};
    position.cbSize = sizeof(position);
    position.fMask = SIF_POS;
    position.nPos = scroll.firstRow - 1;
    SetScrollInfo(grid.window, SB_VERT, &position, TRUE);
    position.nPos = scroll.firstColumn;
    SetScrollInfo(grid.window, SB_HORZ, &position, TRUE);
    RefreshVisible(grid);
    InvalidateGrid(grid);
}

void ScrollIntoView(GridControl& grid, CellRect cells) {
    ScrollTo(grid, ScrollToShow(grid.model, grid.scroll, ClientSize(grid), cells));
}

void OnScrollBar(GridControl& grid, int bar, int request) {
    const bool rows = bar == SB_VERT;
    const ViewSize view = ClientSize(grid);
    GridScroll scroll = grid.scroll;
    int32_t& first = rows ? scroll.firstRow : scroll.firstColumn;
    const int32_t lowest = rows ? 1 : 0;
    const int32_t page = rows ? PageRows(grid.model, scroll, view) : PageColumns(grid.model, scroll, view);
    switch (request) {
    case SB_LINEUP: first -= 1; break;
    case SB_LINEDOWN: first += 1; break;
    case SB_PAGEUP: first -= page; break;
    case SB_PAGEDOWN: first += page; break;
    case SB_TOP: first = lowest; break;
    case SB_BOTTOM: first = rows ? grid.model.RowCount() : grid.model.ColumnCount(); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        // The message's own position has 16 bits; the tracking one has 32.
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_TRACKPOS;
        GetScrollInfo(grid.window, bar, &info);
        first = info.nTrackPos + lowest;
        break;
    }
    default: return;
    }
    // first + page never passes the count, so no sum overflows.
    ScrollTo(grid, scroll);
}

void OnMouseWheel(GridControl& grid, int delta, bool horizontal) {
    grid.wheelRemainder += delta;
    const int32_t notches = grid.wheelRemainder / WHEEL_DELTA;
    if (notches == 0) return;
    grid.wheelRemainder -= notches * WHEEL_DELTA;
    const ViewSize view = ClientSize(grid);
    // A wide roster of few rows has nothing to scroll down: the wheel then
    // moves along the columns.
    const bool alongColumns = horizontal || MaxFirstRow(grid.model, view.height) <= 1;
    GridScroll scroll = grid.scroll;
    const int64_t lines = int64_t{notches} * ScrollLinesPerNotch();
    // Forward (positive) scrolls towards the top, left with the columns;
    // a horizontal wheel's positive delta goes right.
    const int64_t step = horizontal ? lines : -lines;
    int32_t& first = alongColumns ? scroll.firstColumn : scroll.firstRow;
    first = static_cast<int32_t>(std::clamp<int64_t>(first + step, 0, INT32_MAX));
    ScrollTo(grid, scroll);
}
