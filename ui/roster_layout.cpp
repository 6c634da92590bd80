#include "ui/roster_layout.h"

namespace {

constexpr int32_t kNameColumnWidth = 50;
constexpr int32_t kCentre = 2;

// The first date column of a cycle (counted from 1); the cycle is 64-bit so
// that the arithmetic cannot overflow.
int32_t FirstDayColumn(int64_t cycle) { return static_cast<int32_t>(2 * cycle - 1); }

}  // namespace

void LayoutRosterGrid(GridModel& grid, int32_t cycleCount, int32_t staffCount) {
    grid.SetColumnCount(static_cast<int32_t>(2 * int64_t{cycleCount} + 1));
    grid.SetRowCount(static_cast<int32_t>(int64_t{staffCount} + 1));
    const int32_t rows = grid.RowCount();
    const int32_t columns = grid.ColumnCount();
    // One beyond the last row and column: AlignCells lowers them to the grid's edge.
    grid.AlignCells(0, 0, rows, columns, kCentre);
    grid.SetCellText(0, 0, "姓名");
    grid.ResizeColumn(0, kNameColumnWidth);
    for (int64_t cycle = 1; cycle <= cycleCount; ++cycle) {
        const int32_t first = FirstDayColumn(cycle);
        grid.SetCellText(0, first, "起止日期");
        grid.MergeRange(0, first, 0, first + 1);
    }
}

void ShowAcceptedRoster(GridModel& grid, const RosterAcceptance& roster, int32_t& storedCycleCount) {
    storedCycleCount = roster.cycleCount;
    const RosterTable& table = roster.table;
    const int32_t staffCount = table.RowCount();
    LayoutRosterGrid(grid, storedCycleCount, staffCount);
    for (int32_t person = 1; person <= staffCount; ++person) grid.SetCellText(person, 0, table.Text(person, 0));
    for (int64_t cycle = 1; cycle <= storedCycleCount; ++cycle) {
        const int32_t first = FirstDayColumn(cycle);
        for (int32_t person = 1; person <= staffCount; ++person) {
            grid.SetCellText(person, first, table.Text(person, first));
            grid.SetCellText(person, first + 1, table.Text(person, first + 1));
        }
    }
}
