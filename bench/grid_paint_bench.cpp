// Times one full repaint of the grid control (WM_PAINT: every visible cell
// into the back buffer, then onto the screen) for the initial 5 x 5 grid and
// for the largest roster scrolled to its middle, in one run. The drawing is
// meant to cost what the visible cells cost, whatever the grid's size, so the
// second figure should stay within 1.5 times the first. A Windows program: run
// it under Wine with scripts/wine-run.sh.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench_util.h"
#include "ui/roster_grid.h"
#include "ui/roster_layout.h"

namespace {

constexpr int kRepaints = 300;

DateValue Day(int64_t year, int month, int day) { return DateValueFromCalendar({year, month, day, 10, 0, 0}); }

HWND CreateHost() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = "GridPaintBench";
    RegisterClassA(&windowClass);
    HWND host = CreateWindowExA(0, "GridPaintBench", "grid paint bench", WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                                40, 40, 1007, 341, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ShowWindow(host, SW_SHOW);
    return host;
}

// The median time of one full repaint, in milliseconds.
double RepaintMilliseconds(HWND grid) {
    std::vector<double> times;
    for (int i = 0; i < kRepaints; ++i) {
        Stopwatch watch;
        InvalidateRect(grid, nullptr, FALSE);
        UpdateWindow(grid);
        GdiFlush();
        times.push_back(watch.Seconds() * 1e3);
    }
    std::nth_element(times.begin(), times.begin() + kRepaints / 2, times.end());
    return times[kRepaints / 2];
}

// Scrolls through the scroll bar's own 32-bit position, as a thumb drag ends.
void ScrollToColumn(HWND grid, int32_t column) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_POS;
    info.nPos = column;
    SetScrollInfo(grid, SB_HORZ, &info, FALSE);
    SendMessageA(grid, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 0), 0);
}

int32_t FirstColumnShown(HWND grid) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_POS;
    GetScrollInfo(grid, SB_HORZ, &info);
    return info.nPos;
}

}  // namespace

int main() {
    HWND host = CreateHost();
    RosterGrid grid;
    if (!grid.Create(host, 1, 160, 7, 840, 297)) {
        std::fprintf(stderr, "grid_paint_bench: the grid window could not be created\n");
        return 1;
    }
    ShowWindow(grid.Window(), SW_SHOWNA);
    UpdateWindow(grid.Window());

    const double small = RepaintMilliseconds(grid.Window());
    std::printf("5 x 5 grid:              %8.3f ms per full repaint (median of %d)\n", small, kRepaints);

    const RosterRequest largest{Day(1601, 1, 1), Day(9999, 12, 31), "1", {"张三"}};
    RosterResult result = GenerateRoster(largest);
    if (!std::holds_alternative<RosterAcceptance>(result)) {
        std::fprintf(stderr, "grid_paint_bench: the largest roster was rejected\n");
        return 1;
    }
    int32_t storedCycleCount = 0;
    grid.ChangeModel([&](GridModel& model) {
        ShowAcceptedRoster(model, std::get<RosterAcceptance>(result), storedCycleCount);
    });
    ScrollToColumn(grid.Window(), grid.ColumnCount() / 2);
    const double large = RepaintMilliseconds(grid.Window());
    std::printf("%d x %d roster:     %8.3f ms per full repaint at column %d (median of %d)\n", grid.RowCount(),
                grid.ColumnCount(), large, FirstColumnShown(grid.Window()), kRepaints);
    std::printf("ratio large / small:     %8.2f (target <= 1.5)\n", large / small);
    DestroyWindow(host);
    return 0;
}
