#include "ui/grid_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr CellValue kOutside{CellValue::Kind::Logical, "", false};

CellValue TextValue(std::string text) { return {CellValue::Kind::Text, std::move(text), false}; }

// A model with every cell's text naming its position, e.g. "2,3".
GridModel NamedCells(int32_t rows, int32_t columns) {
    GridModel grid;
    grid.SetRowCount(rows);
    grid.SetColumnCount(columns);
    for (int32_t r = 0; r < rows; ++r)
        for (int32_t c = 0; c < columns; ++c) grid.SetCellText(r, c, std::to_string(r) + "," + std::to_string(c));
    return grid;
}

std::string Name(int32_t row, int32_t column) { return std::to_string(row) + "," + std::to_string(column); }

void SelectAndFocus(GridModel& grid) {
    grid.SetFocus(CellPos{1, 1});
    grid.SetSelection(CellRect{1, 1, 2, 2});
}

TEST(GridModelTest, StartsAsFiveByFiveEmptyLeftAlignedCells) {
    const GridModel grid;
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.ColumnCount(), 5);
    for (int32_t r = 0; r < 5; ++r) {
        EXPECT_EQ(grid.RowHeight(r), 24);
        EXPECT_EQ(grid.RowTop(r), 24 * r);
        for (int32_t c = 0; c < 5; ++c) {
            EXPECT_EQ(grid.GetCellValue(r, c), TextValue(""));
            EXPECT_EQ(grid.Alignment(r, c), HorizontalAlignment::Left);
            EXPECT_FALSE(grid.IsMergedMarked(r, c));
            EXPECT_EQ(grid.FontId(r, c), 0);
        }
    }
    for (int32_t c = 0; c < 5; ++c) EXPECT_EQ(grid.ColumnWidth(c), 40);
    EXPECT_EQ(grid.TotalWidth(), 200);
    EXPECT_EQ(grid.TotalHeight(), 120);
    EXPECT_TRUE(grid.MergedRanges().empty());
    EXPECT_FALSE(grid.Focus());
    EXPECT_FALSE(grid.Selection());
}

TEST(GridModelTest, GetCellValueOutsideTheGridIsLogicalFalse) {
    const GridModel grid = NamedCells(3, 4);
    const std::vector<CellPos> outside = {{-1, 0}, {0, -1}, {3, 0}, {0, 4}, {3, 4}, {-1, -1}, {INT32_MIN, INT32_MAX}};
    for (const CellPos p : outside) {
        EXPECT_EQ(grid.GetCellValue(p.row, p.column), kOutside) << p.row << "," << p.column;
        EXPECT_EQ(grid.CellText(p.row, p.column), "");
    }
    EXPECT_EQ(grid.GetCellValue(2, 3), TextValue("2,3"));
    EXPECT_EQ(grid.GetCellValue(0, 0), TextValue("0,0"));
}

TEST(GridModelTest, CountsOfZeroOrLessChangeNothing) {
    for (const int32_t count : {0, -1, INT32_MIN}) {
        GridModel grid = NamedCells(3, 4);
        grid.ResizeColumn(1, 77);
        grid.SetRowHeight(2, 33);
        grid.MergeRange(1, 1, 2, 2);
        SelectAndFocus(grid);
        grid.SetRowCount(count);
        grid.SetColumnCount(count);
        EXPECT_EQ(grid.RowCount(), 3);
        EXPECT_EQ(grid.ColumnCount(), 4);
        EXPECT_EQ(grid.ColumnWidth(1), 77);
        EXPECT_EQ(grid.RowHeight(2), 33);
        EXPECT_EQ(grid.MergedRanges(), (std::vector<CellRect>{{1, 1, 2, 2}}));
        EXPECT_EQ(grid.Focus(), (CellPos{1, 1}));
        EXPECT_EQ(grid.Selection(), (CellRect{1, 1, 2, 2}));
        EXPECT_EQ(grid.CellText(2, 3), "2,3");
    }
}

TEST(GridModelTest, WritingACountResetsEverySizeEvenWhenUnchanged) {
    GridModel grid;
    grid.ResizeColumn(0, 90);
    grid.ResizeColumn(4, 0);
    grid.SetRowHeight(1, 60);
    grid.SetColumnCount(5);
    grid.SetRowCount(5);
    for (int32_t i = 0; i < 5; ++i) {
        EXPECT_EQ(grid.ColumnWidth(i), 40);
        EXPECT_EQ(grid.RowHeight(i), 24);
    }
    grid.SetColumnCount(7);
    EXPECT_EQ(grid.TotalWidth(), 7 * 40);
}

TEST(GridModelTest, CountsRuleRemovesAndAppendsCells) {
    GridModel grid = NamedCells(3, 3);
    grid.AlignCells(0, 0, 2, 2, 3);  // everything right-aligned
    grid.AlignCells(2, 1, 2, 1, 2);  // (2,1) centred
    grid.SetColumnCount(2);
    grid.SetColumnCount(4);
    grid.SetRowCount(5);
    EXPECT_EQ(grid.CellText(1, 1), "1,1");  // kept
    for (int32_t r = 0; r < 3; ++r) {
        // Column 2 went with its cells; columns 2 and 3 are new.
        for (const int32_t c : {2, 3}) {
            EXPECT_EQ(grid.CellText(r, c), "");
            EXPECT_EQ(grid.Alignment(r, c), HorizontalAlignment::Left);
        }
    }
    // New rows copy the alignment of the cell above, column by column.
    for (const int32_t r : {3, 4}) {
        EXPECT_EQ(grid.Alignment(r, 0), HorizontalAlignment::Right);
        EXPECT_EQ(grid.Alignment(r, 1), HorizontalAlignment::Centre);
        EXPECT_EQ(grid.Alignment(r, 2), HorizontalAlignment::Left);
        EXPECT_EQ(grid.CellText(r, 0), "");
    }
    grid.SetRowCount(2);
    grid.SetRowCount(3);
    EXPECT_EQ(grid.CellText(2, 0), "");
    EXPECT_EQ(grid.Alignment(2, 1), HorizontalAlignment::Right);  // now from row 1
}

TEST(GridModelTest, CountsRuleCutsBackAndDropsRanges) {
    GridModel grid = NamedCells(5, 6);
    grid.MergeRange(0, 4, 0, 5);  // wholly in removed columns
    grid.MergeRange(0, 2, 0, 3);  // one cell left: dropped
    grid.MergeRange(1, 1, 3, 4);  // cut back to columns 1..2
    grid.MergeRange(3, 0, 4, 0);  // outside the cut
    grid.SetColumnCount(3);
    EXPECT_EQ(grid.MergedRanges(), (std::vector<CellRect>{{1, 1, 3, 2}, {3, 0, 4, 0}}));
    EXPECT_FALSE(grid.MergedRangeAt(0, 2));
    EXPECT_FALSE(grid.IsMergedMarked(0, 2));
    EXPECT_EQ(grid.MergedRangeAt(3, 2), (CellRect{1, 1, 3, 2}));
    EXPECT_TRUE(grid.IsMergedMarked(3, 2));
    EXPECT_EQ(grid.MergedRangeAt(4, 0), (CellRect{3, 0, 4, 0}));

    grid.SetRowCount(4);  // (3,0)-(4,0) down to its main cell; the other cut to rows 1..3
    EXPECT_EQ(grid.MergedRanges(), (std::vector<CellRect>{{1, 1, 3, 2}}));
    EXPECT_FALSE(grid.MergedRangeAt(3, 0));
    grid.SetRowCount(2);
    EXPECT_EQ(grid.MergedRanges(), (std::vector<CellRect>{{1, 1, 1, 2}}));
    EXPECT_EQ(grid.MergedRangeAt(1, 2), (CellRect{1, 1, 1, 2}));
    EXPECT_EQ(grid.CellText(1, 2), "1,2");  // texts stay
    // The freed cells merge again.
    grid.SetColumnCount(4);
    grid.MergeRange(0, 2, 0, 3);
    EXPECT_EQ(grid.MergedRanges(), (std::vector<CellRect>{{0, 2, 0, 3}, {1, 1, 1, 2}}));
}

TEST(GridModelTest, RangesStillFoundAfterOthersAreDropped) {
    GridModel grid = NamedCells(4, 8);
    grid.MergeRange(2, 6, 3, 7);
    grid.MergeRange(1, 0, 2, 1);
    grid.MergeRange(3, 2, 3, 3);
    grid.SetColumnCount(6);  // drops the first range
    EXPECT_EQ(grid.MergedRanges(), (std::vector<CellRect>{{1, 0, 2, 1}, {3, 2, 3, 3}}));
    EXPECT_EQ(grid.MergedRangeAt(2, 1), (CellRect{1, 0, 2, 1}));
    EXPECT_EQ(grid.MergedRangeAt(3, 3), (CellRect{3, 2, 3, 3}));
    grid.MergeRange(3, 3, 3, 4);  // refused: overlaps the moved range
    EXPECT_EQ(grid.MergedRanges().size(), 2u);
}

TEST(GridModelTest, CountsRuleDropsTheFocusAndClipsTheSelection) {
    struct Case {
        int32_t rows, columns;
        std::optional<CellPos> focus;
        std::optional<CellRect> selection;
    };
    const std::vector<Case> cases = {
        {4, 4, CellPos{3, 3}, CellRect{1, 1, 3, 3}},
        {3, 4, std::nullopt, CellRect{1, 1, 2, 3}},
        {4, 3, std::nullopt, CellRect{1, 1, 3, 2}},
        {2, 2, std::nullopt, CellRect{1, 1, 1, 1}},
        {1, 4, std::nullopt, std::nullopt},
        {4, 1, std::nullopt, std::nullopt},
        {9, 9, CellPos{3, 3}, CellRect{1, 1, 3, 3}},
    };
    for (const Case& c : cases) {
        GridModel grid;
        grid.SetRowCount(4);
        grid.SetColumnCount(4);
        grid.SetFocus(CellPos{3, 3});
        grid.SetSelection(CellRect{1, 1, 3, 3});
        grid.SetRowCount(c.rows);
        grid.SetColumnCount(c.columns);
        EXPECT_EQ(grid.Focus(), c.focus) << c.rows << "x" << c.columns;
        EXPECT_EQ(grid.Selection(), c.selection) << c.rows << "x" << c.columns;
    }
}

TEST(GridModelTest, AlignCellsLowersBoundsBeyondTheGrid) {
    struct Case {
        int32_t top, left, bottom, right, mode;
        HorizontalAlignment expected;
        bool changes;
    };
    const std::vector<Case> cases = {
        {0, 0, 4, 5, 2, HorizontalAlignment::Centre, true},       // one beyond
        {0, 0, 1000, INT32_MAX, 3, HorizontalAlignment::Right, true},
        {0, 0, 3, 4, 1, HorizontalAlignment::Left, true},
        {0, 0, 3, 4, 0, HorizontalAlignment::Left, true},         // any other mode: left
        {0, 0, 3, 4, 7, HorizontalAlignment::Left, true},
        {-1, 0, 3, 4, 2, HorizontalAlignment::Right, false},      // negative
        {0, 0, -1, 4, 2, HorizontalAlignment::Right, false},
        {4, 0, 9, 4, 2, HorizontalAlignment::Right, false},       // top lies beyond the lowered bottom
        {2, 3, 1, 4, 2, HorizontalAlignment::Right, false},       // inverted
    };
    for (const Case& c : cases) {
        GridModel grid;
        grid.SetRowCount(4);
        grid.AlignCells(0, 0, 3, 4, 3);
        grid.AlignCells(c.top, c.left, c.bottom, c.right, c.mode);
        const HorizontalAlignment want = c.changes ? c.expected : HorizontalAlignment::Right;
        for (int32_t r = 0; r < 4; ++r)
            for (int32_t col = 0; col < 5; ++col)
                EXPECT_EQ(grid.Alignment(r, col), want) << c.top << " " << c.left << " " << c.bottom << " " << c.right;
    }
}

TEST(GridModelTest, AlignCellsCoversOnlyItsRectangle) {
    GridModel grid;
    grid.AlignCells(1, 2, 2, 3, 2);
    for (int32_t r = 0; r < 5; ++r)
        for (int32_t c = 0; c < 5; ++c) {
            const bool inside = r >= 1 && r <= 2 && c >= 2 && c <= 3;
            EXPECT_EQ(grid.Alignment(r, c), inside ? HorizontalAlignment::Centre : HorizontalAlignment::Left);
        }
}

TEST(GridModelTest, ResizeColumnTakesAnyWidthInsideTheGrid) {
    struct Case {
        int32_t column, width;
        bool applies;
    };
    const std::vector<Case> cases = {
        {0, 50, true}, {4, 0, true}, {2, 100000, true},
        {5, 50, false},  // the column count
        {-1, 50, false}, {1, -1, false},
    };
    for (const Case& c : cases) {
        GridModel grid;
        grid.ResizeColumn(c.column, c.width);
        for (int32_t col = 0; col < 5; ++col)
            EXPECT_EQ(grid.ColumnWidth(col), c.applies && col == c.column ? c.width : 40) << c.column;
    }
}

TEST(GridModelTest, PixelOffsetsFollowTheSizes) {
    GridModel grid;
    grid.ResizeColumn(0, 50);
    grid.ResizeColumn(1, 0);
    grid.SetRowHeight(0, 30);
    EXPECT_EQ(grid.ColumnLeft(1), 50);
    EXPECT_EQ(grid.ColumnLeft(2), 50);
    EXPECT_EQ(grid.ColumnLeft(5), 170);
    EXPECT_EQ(grid.TotalWidth(), 170);
    EXPECT_EQ(grid.ColumnAtOffset(-1), -1);
    EXPECT_EQ(grid.ColumnAtOffset(49), 0);
    EXPECT_EQ(grid.ColumnAtOffset(50), 2);  // column 1 has no width
    EXPECT_EQ(grid.ColumnAtOffset(169), 4);
    EXPECT_EQ(grid.ColumnAtOffset(170), 5);
    EXPECT_EQ(grid.RowTop(1), 30);
    EXPECT_EQ(grid.RowAtOffset(29), 0);
    EXPECT_EQ(grid.RowAtOffset(30), 1);
    EXPECT_EQ(grid.TotalHeight(), 126);
    EXPECT_EQ(grid.RowAtOffset(126), 5);
}

TEST(GridModelTest, SetCellTextKeepsBytesAlignmentAndMarks) {
    GridModel grid;
    grid.MergeRange(1, 1, 1, 2);
    grid.AlignCells(1, 0, 1, 4, 3);
    const std::vector<std::string> texts = {" 5 ", "a&b", "很长的名字很长的名字很长的名字", std::string("x\0y", 3), ""};
    for (const std::string& text : texts) {
        grid.SetCellText(1, 2, text);
        EXPECT_EQ(grid.GetCellValue(1, 2), TextValue(text));
        EXPECT_TRUE(grid.IsMergedMarked(1, 2));
        EXPECT_EQ(grid.Alignment(1, 2), HorizontalAlignment::Right);
    }
    grid.SetCellText(5, 0, "x");
    grid.SetCellText(0, 5, "x");
    grid.SetCellText(-1, 0, "x");
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.ColumnCount(), 5);
}

TEST(GridModelTest, MergeRangeIgnoresRectanglesOutsideItsRule) {
    const std::vector<CellRect> ignored = {
        {-1, 0, 1, 1}, {1, -1, 1, 1}, {2, 1, 1, 1}, {1, 2, 1, 1},  // negative, inverted
        {2, 2, 2, 2},                                             // a single cell
        {1, 1, 5, 1}, {1, 1, 1, 5},                               // beyond the grid
        {0, 1, 1, 1}, {0, 0, 4, 4},                               // from the header row into the body
    };
    for (const CellRect& r : ignored) {
        GridModel grid;
        SelectAndFocus(grid);
        grid.MergeRange(r.top, r.left, r.bottom, r.right);
        EXPECT_TRUE(grid.MergedRanges().empty()) << r.top << " " << r.left << " " << r.bottom << " " << r.right;
        EXPECT_TRUE(grid.Focus());
        EXPECT_TRUE(grid.Selection());
    }
}

TEST(GridModelTest, MergeRangeRefusesEveryOverlapAndEmptiesFocusAndSelection) {
    const CellRect existing{2, 2, 3, 3};
    const std::vector<CellRect> overlapping = {
        existing,
        {1, 1, 2, 2},  // holds the top-left cell
        {3, 3, 4, 4},  // holds the bottom-right cell
        {1, 1, 4, 4},  // holds both
        {3, 1, 4, 2},  // holds neither corner, only (3,2)
        {1, 3, 2, 4},  // only (2,3)
        {2, 2, 2, 3},  // inside it
    };
    for (const CellRect& r : overlapping) {
        GridModel grid;
        grid.MergeRange(existing.top, existing.left, existing.bottom, existing.right);
        SelectAndFocus(grid);
        grid.MergeRange(r.top, r.left, r.bottom, r.right);
        EXPECT_EQ(grid.MergedRanges(), std::vector<CellRect>{existing});
        EXPECT_FALSE(grid.Focus());
        EXPECT_FALSE(grid.Selection());
    }
    GridModel grid;
    grid.MergeRange(existing.top, existing.left, existing.bottom, existing.right);
    SelectAndFocus(grid);
    grid.MergeRange(1, 4, 4, 4);  // touches it, shares no cell
    EXPECT_EQ(grid.MergedRanges(), (std::vector<CellRect>{{1, 4, 4, 4}, existing}));
    EXPECT_TRUE(grid.Focus());
    EXPECT_TRUE(grid.Selection());
}

TEST(GridModelTest, MergeRangeMarksCellsAndEmptiesHeaderTexts) {
    GridModel grid = NamedCells(5, 5);
    grid.SetCellFont(1, 0, 3);
    grid.AlignCells(2, 1, 2, 1, 3);
    grid.MergeRange(0, 1, 0, 3);
    grid.MergeRange(1, 0, 2, 1);
    EXPECT_EQ(grid.CellText(0, 1), "0,1");
    EXPECT_EQ(grid.CellText(0, 2), "");
    EXPECT_EQ(grid.CellText(0, 3), "");
    EXPECT_EQ(grid.CellText(0, 4), "0,4");
    EXPECT_EQ(grid.CellText(2, 1), "2,1");  // body cells keep their texts
    for (int32_t r = 0; r < 5; ++r) {
        for (int32_t c = 0; c < 5; ++c) {
            const bool inHeaderRange = r == 0 && c >= 1 && c <= 3;
            const bool inBodyRange = r >= 1 && r <= 2 && c <= 1;
            const bool main = (r == 0 && c == 1) || (r == 1 && c == 0);
            EXPECT_EQ(grid.IsMergedMarked(r, c), (inHeaderRange || inBodyRange) && !main) << Name(r, c);
            EXPECT_EQ(grid.FontId(r, c), inBodyRange ? 3 : 0) << Name(r, c);
            std::optional<CellRect> range;
            if (inHeaderRange) range = CellRect{0, 1, 0, 3};
            if (inBodyRange) range = CellRect{1, 0, 2, 1};
            EXPECT_EQ(grid.MergedRangeAt(r, c), range) << Name(r, c);
        }
    }
    // Merging leaves the other cells' alignments; the next AlignCells, wherever
    // it aligns, gives every range its main cell's alignment and font.
    EXPECT_EQ(grid.Alignment(2, 1), HorizontalAlignment::Right);
    grid.AlignCells(4, 4, 4, 4, 2);
    EXPECT_EQ(grid.Alignment(2, 1), HorizontalAlignment::Left);
    grid.AlignCells(1, 0, 1, 0, 2);
    for (const CellPos p : std::vector<CellPos>{{1, 0}, {1, 1}, {2, 0}, {2, 1}})
        EXPECT_EQ(grid.Alignment(p.row, p.column), HorizontalAlignment::Centre);
    grid.SetCellFont(2, 0, 9);
    grid.AlignCells(0, 0, 0, 0, 1);
    EXPECT_EQ(grid.FontId(2, 0), 3);
}

TEST(GridModelTest, FocusAndSelectionOutsideTheGridAreIgnored) {
    GridModel grid;
    SelectAndFocus(grid);
    grid.SetFocus(CellPos{5, 0});
    grid.SetSelection(CellRect{1, 1, 5, 2});
    grid.SetSelection(CellRect{2, 2, 1, 1});
    EXPECT_EQ(grid.Focus(), (CellPos{1, 1}));
    EXPECT_EQ(grid.Selection(), (CellRect{1, 1, 2, 2}));
    grid.SetFocus(std::nullopt);
    grid.SetSelection(std::nullopt);
    EXPECT_FALSE(grid.Focus());
    EXPECT_FALSE(grid.Selection());
}

}  // namespace
