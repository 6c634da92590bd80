#include "ui/roster_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

DateValue At(int64_t year, int month, int day) { return DateValueFromCalendar({year, month, day, 9, 30, 0}); }

RosterAcceptance Accepted(const RosterRequest& request) {
    RosterResult result = GenerateRoster(request);
    EXPECT_TRUE(std::holds_alternative<RosterAcceptance>(result));
    return std::get<RosterAcceptance>(std::move(result));
}

const RosterRequest kWorkedExample{At(2012, 11, 1), At(2012, 11, 30), "5", {"张三", "李四", "王五"}};

std::vector<CellRect> HeaderPairs(int32_t cycles) {
    std::vector<CellRect> pairs;
    for (int32_t i = 1; i <= cycles; ++i) pairs.push_back({0, 2 * i - 1, 0, 2 * i});
    return pairs;
}

// What every layout leaves, whatever came before: the sizes, the centring,
// the header texts and exactly the C header pairs.
void ExpectLaidOut(const GridModel& grid, int32_t cycles, int32_t staff) {
    ASSERT_EQ(grid.RowCount(), staff + 1);
    ASSERT_EQ(grid.ColumnCount(), 2 * cycles + 1);
    EXPECT_EQ(grid.ColumnWidth(0), 50);
    for (int32_t c = 1; c < grid.ColumnCount(); ++c) EXPECT_EQ(grid.ColumnWidth(c), 40) << c;
    for (int32_t r = 0; r < grid.RowCount(); ++r) {
        EXPECT_EQ(grid.RowHeight(r), 24) << r;
        for (int32_t c = 0; c < grid.ColumnCount(); ++c)
            EXPECT_EQ(grid.Alignment(r, c), HorizontalAlignment::Centre) << r << "," << c;
    }
    EXPECT_EQ(grid.CellText(0, 0), "姓名");
    for (int32_t i = 1; i <= cycles; ++i) {
        EXPECT_EQ(grid.CellText(0, 2 * i - 1), "起止日期");
        EXPECT_EQ(grid.GetCellValue(0, 2 * i), (CellValue{CellValue::Kind::Text, "", false}));
        EXPECT_TRUE(grid.IsMergedMarked(0, 2 * i));
        EXPECT_EQ(grid.ColumnLeft(2 * i + 1) - grid.ColumnLeft(2 * i - 1), 80);
    }
    EXPECT_EQ(grid.MergedRanges(), HeaderPairs(cycles));
}

TEST(RosterLayoutTest, WorkedExampleShowsTheRoster) {
    GridModel grid;
    int32_t storedCycles = 0;
    ShowAcceptedRoster(grid, Accepted(kWorkedExample), storedCycles);
    EXPECT_EQ(storedCycles, 2);
    ExpectLaidOut(grid, 2, 3);
    const std::vector<std::vector<std::string>> body = {
        {"张三", "11.1", "11.5", "11.16", "11.20"},
        {"李四", "11.6", "11.10", "11.21", "11.25"},
        {"王五", "11.11", "11.15", "11.26", "11.30"},
    };
    for (int32_t r = 1; r <= 3; ++r)
        for (int32_t c = 0; c < 5; ++c) EXPECT_EQ(grid.CellText(r, c), body[r - 1][c]) << r << "," << c;
    EXPECT_FALSE(grid.MergedRangeAt(1, 1));
}

TEST(RosterLayoutTest, NoCycleLeavesOneNameColumn) {
    RosterRequest sameDay = kWorkedExample;
    sameDay.end = sameDay.start;
    GridModel grid;
    int32_t storedCycles = 0;
    ShowAcceptedRoster(grid, Accepted(kWorkedExample), storedCycles);
    ShowAcceptedRoster(grid, Accepted(sameDay), storedCycles);
    EXPECT_EQ(storedCycles, 0);
    ExpectLaidOut(grid, 0, 3);
    EXPECT_EQ(grid.TotalWidth(), 50);
    EXPECT_EQ(grid.CellText(3, 0), "王五");
}

// One layout after another with other cycle counts; a selection and a focus
// made in between, as the user would.
TEST(RosterLayoutTest, LaterLayoutsKeepExactlyTheirPairs) {
    struct Case {
        int32_t firstCycles, secondCycles;
        bool selectionAndFocusEmptied;  // an existing pair was merged again
    };
    const std::vector<Case> cases = {{3, 2, true}, {2, 3, true}, {2, 2, true}, {0, 2, false}, {4, 0, false}};
    for (const Case& c : cases) {
        GridModel grid;
        LayoutRosterGrid(grid, c.firstCycles, 3);
        grid.SetFocus(CellPos{1, 0});
        grid.SetSelection(CellRect{1, 0, 2, 0});
        LayoutRosterGrid(grid, c.secondCycles, 3);
        ExpectLaidOut(grid, c.secondCycles, 3);
        EXPECT_EQ(!grid.Focus(), c.selectionAndFocusEmptied) << c.firstCycles << " then " << c.secondCycles;
        EXPECT_EQ(!grid.Selection(), c.selectionAndFocusEmptied) << c.firstCycles << " then " << c.secondCycles;
    }
}

TEST(RosterLayoutTest, FewerPeopleDropTheSurplusRows) {
    RosterRequest two = kWorkedExample;
    two.staff = {"赵六", "钱七"};
    GridModel grid;
    int32_t storedCycles = 0;
    ShowAcceptedRoster(grid, Accepted(kWorkedExample), storedCycles);
    ShowAcceptedRoster(grid, Accepted(two), storedCycles);
    // 29 days / 2 / 5 + 0.9 = 3.8: three cycles of two stints.
    ExpectLaidOut(grid, 3, 2);
    const std::vector<std::vector<std::string>> body = {
        {"赵六", "11.1", "11.5", "11.11", "11.15", "11.21", "11.25"},
        {"钱七", "11.6", "11.10", "11.16", "11.20", "11.26", "11.30"},
    };
    for (int32_t r = 1; r <= 2; ++r)
        for (int32_t c = 0; c < 7; ++c) EXPECT_EQ(grid.CellText(r, c), body[r - 1][c]) << r << "," << c;
    EXPECT_EQ(grid.GetCellValue(3, 0).kind, CellValue::Kind::Logical);
}

TEST(RosterLayoutTest, UserSizesAndEditsAreReset) {
    GridModel grid;
    int32_t storedCycles = 0;
    ShowAcceptedRoster(grid, Accepted(kWorkedExample), storedCycles);
    grid.ResizeColumn(0, 120);
    grid.ResizeColumn(3, 7);
    grid.SetRowHeight(2, 60);
    grid.SetCellText(2, 3, "edited");
    grid.AlignCells(1, 1, 3, 4, 3);
    ShowAcceptedRoster(grid, Accepted(kWorkedExample), storedCycles);
    ExpectLaidOut(grid, 2, 3);
    EXPECT_EQ(grid.CellText(2, 3), "11.21");
}

TEST(RosterLayoutTest, LaysOutTheLongStaffList) {
    // 115000 days / 10000 people + 0.9: twelve cycles, 25 columns.
    RosterRequest request{At(2000, 1, 1), AddDays(At(2000, 1, 1), 115000), "1", {}};
    for (int i = 0; i < 10000; ++i) request.staff.push_back("值班员" + std::to_string(i + 1));
    const RosterAcceptance roster = Accepted(request);
    GridModel grid;
    int32_t storedCycles = 0;
    ShowAcceptedRoster(grid, roster, storedCycles);
    ASSERT_EQ(roster.cycleCount, 12);
    ExpectLaidOut(grid, 12, 10000);
    for (int32_t r = 1; r <= 10000; ++r)
        for (int32_t c = 0; c < grid.ColumnCount(); ++c) ASSERT_EQ(grid.CellText(r, c), roster.table.Text(r, c));
    EXPECT_EQ(grid.RowTop(10001), 24 * 10001);
    EXPECT_EQ(grid.RowAtOffset(24 * 10000), 10000);
}

}  // namespace
