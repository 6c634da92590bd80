#pragma once
// A test window holding the roster grid as the main window will (160,7,
// 840x297), and real window messages to drive it: mouse messages at cell
// coordinates, key messages to whatever has the focus, typed characters.
// SendMessage runs each to its end, so no test waits for anything.

#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string_view>

#include "core/roster.h"
#include "ui/grid_viewport.h"
#include "ui/roster_layout.h"
#include "ui/roster_grid.h"

class GridWindowTest : public testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    HWND Grid() const { return grid.Window(); }
    // The scroll position as the scroll bars tell it.
    GridScroll Scroll() const;
    // Client points of the grid: a cell's centre, a point on the grid line
    // right of a column or below a row (in the header row, at x for rows).
    POINT CellCentre(int32_t row, int32_t column) const;
    POINT ColumnLine(int32_t column) const;
    POINT RowLine(int32_t row, int x = 20) const;

    void Click(POINT at, WPARAM keys = 0);
    void DoubleClick(POINT at);
    void RightClick(POINT at);
    void Drag(POINT from, POINT to);
    // Key down and up at the focused window with the modifier keys held.
    void Press(WPARAM key, std::initializer_list<int> held = {});
    // GBK text typed into the focused window.
    void Type(std::string_view text);
    HWND Editor() const;

    // Lays the grid out and fills it as the generate handler does.
    void ShowRoster(const RosterRequest& request);

    static HWND host;
    static HWND button;  // somewhere else for the focus to go
    RosterGrid grid;
};

// The worked example: 张三 李四 王五 from 2012-11-01 to 2012-11-30, stint 5.
RosterRequest WorkedExample();
// The largest roster the date pickers allow: 2 rows by 6,135,341 columns.
RosterRequest LargestRoster();

// The grid's client area drawn into a 32-bit bitmap with WM_PRINTCLIENT.
class GridPicture {
public:
    explicit GridPicture(HWND grid);
    ~GridPicture();
    GridPicture(const GridPicture&) = delete;
    GridPicture& operator=(const GridPicture&) = delete;

    COLORREF At(int x, int y) const;
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    int width_ = 0;
    int height_ = 0;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    const uint32_t* bits_ = nullptr;
};

// How many times the host window was asked for a context menu.
int ContextMenuRequests();
