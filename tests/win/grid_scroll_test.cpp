// Scroll bars, the wheel and the far end of the largest roster.

#include "grid_test_window.h"

namespace {

using GridScrolling = GridWindowTest;

SCROLLINFO BarOf(HWND window, int bar) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(window, bar, &info);
    return info;
}

bool HasStyle(HWND window, LONG_PTR style) { return (GetWindowLongPtrA(window, GWL_STYLE) & style) != 0; }

int32_t WheelLines() {
    UINT lines = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    return static_cast<int32_t>(lines);
}

TEST_F(GridScrolling, BarsOnlyWhenTheCellsDoNotFit) {
    EXPECT_FALSE(HasStyle(Grid(), WS_HSCROLL));
    EXPECT_FALSE(HasStyle(Grid(), WS_VSCROLL));
    grid.SetColumnCount(100);
    EXPECT_TRUE(HasStyle(Grid(), WS_HSCROLL));
    EXPECT_FALSE(HasStyle(Grid(), WS_VSCROLL));
    grid.SetRowCount(40);
    EXPECT_TRUE(HasStyle(Grid(), WS_VSCROLL));
    grid.SetColumnCount(5);
    grid.SetRowCount(5);
    EXPECT_FALSE(HasStyle(Grid(), WS_HSCROLL));
    EXPECT_FALSE(HasStyle(Grid(), WS_VSCROLL));
}

TEST_F(GridScrolling, WheelScrollsRowsAndTheHeaderRowStays) {
    grid.SetRowCount(10001);
    grid.SetCellText(0, 0, "姓名");
    SendMessageA(Grid(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
    EXPECT_EQ(Scroll().firstRow, 1 + WheelLines());
    // Half notches add up.
    SendMessageA(Grid(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA / 2)), 0);
    EXPECT_EQ(Scroll().firstRow, 1 + WheelLines());
    SendMessageA(Grid(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA / 2)), 0);
    EXPECT_EQ(Scroll().firstRow, 1 + 2 * WheelLines());
    // What is at the top of the client area is still the header row.
    EXPECT_EQ(HitTest(grid.Model(), Scroll(), 20, 10).cell, (CellPos{0, 0}));
    const POINT firstBody{20, 24 + 12};
    Click(firstBody);
    EXPECT_EQ(grid.Model().Focus(), (CellPos{1 + 2 * WheelLines(), 0}));
    SendMessageA(Grid(), WM_VSCROLL, SB_BOTTOM, 0);
    const SCROLLINFO rows = BarOf(Grid(), SB_VERT);
    EXPECT_EQ(rows.nPos, rows.nMax - static_cast<int>(rows.nPage) + 1);
    Click(CellCentre(10000, 0));
    EXPECT_EQ(grid.Model().Focus(), (CellPos{10000, 0}));
}

class LargestRosterScrolling : public GridWindowTest {
protected:
    void SetUp() override {
        GridWindowTest::SetUp();
        ShowRoster(LargestRoster());
    }
};

TEST_F(LargestRosterScrolling, TheWheelMovesAlongTheColumnsOfAWideRoster) {
    ASSERT_EQ(grid.ColumnCount(), 6135341);
    ASSERT_EQ(grid.RowCount(), 2);
    SendMessageA(Grid(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-2 * WHEEL_DELTA)), 0);
    EXPECT_EQ(Scroll().firstColumn, 2 * WheelLines());
    SendMessageA(Grid(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(WHEEL_DELTA)), 0);
    EXPECT_EQ(Scroll().firstColumn, WheelLines());
}

TEST_F(LargestRosterScrolling, ScrollBarReachesTheLastColumn) {
    SendMessageA(Grid(), WM_HSCROLL, SB_RIGHT, 0);
    const SCROLLINFO columns = BarOf(Grid(), SB_HORZ);
    EXPECT_EQ(columns.nMax, 6135340);  // 32-bit figures, past any 16-bit position
    EXPECT_EQ(columns.nPos, columns.nMax - static_cast<int>(columns.nPage) + 1);
    EXPECT_GT(columns.nPos, 6135300);
    const POINT last = CellCentre(1, 6135340);
    RECT client{};
    GetClientRect(Grid(), &client);
    EXPECT_LT(last.x, client.right);
    Click(last);
    EXPECT_EQ(grid.Model().Focus(), (CellPos{1, 6135340}));
    SendMessageA(Grid(), WM_HSCROLL, SB_LEFT, 0);
    EXPECT_EQ(Scroll().firstColumn, 0);
}

TEST_F(LargestRosterScrolling, ThumbPositionIsReadWith32Bits) {
    // Where a thumb drag ends: the bar's position, far past 65535; the
    // message's own 16-bit field says nothing useful.
    for (const int32_t column : {5000000, 65536 + 7, 3067670}) {
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_POS;
        info.nPos = column;
        SetScrollInfo(Grid(), SB_HORZ, &info, FALSE);
        SendMessageA(Grid(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, column & 0xFFFF), 0);
        EXPECT_EQ(Scroll().firstColumn, column);
        Click(CellCentre(1, column));
        EXPECT_EQ(grid.Model().Focus(), (CellPos{1, column}));
    }
}

TEST_F(LargestRosterScrolling, CtrlEndGoesToTheLastCellAndShowsIt) {
    Click(CellCentre(1, 0));
    Press(VK_END, {VK_CONTROL});
    EXPECT_EQ(grid.Model().Focus(), (CellPos{1, 6135340}));
    EXPECT_EQ(VisibleRange(grid.Model(), Scroll(), {836, 293 - GetSystemMetrics(SM_CYHSCROLL)}).lastColumn,
              6135340);
    // The middle is reached by page steps from there as well.
    SendMessageA(Grid(), WM_HSCROLL, SB_PAGELEFT, 0);
    EXPECT_LT(Scroll().firstColumn, 6135340 - 20);
}

}  // namespace
