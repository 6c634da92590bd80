#include "ui/grid_clipboard_text.h"

#include <gtest/gtest.h>

namespace {

using Table = std::vector<std::vector<std::string>>;

// Row 0 is the header row; texts name their cell.
GridModel Filled(int32_t rows, int32_t columns) {
    GridModel model;
    model.SetRowCount(rows);
    model.SetColumnCount(columns);
    for (int32_t r = 0; r < rows; ++r)
        for (int32_t c = 0; c < columns; ++c) model.SetCellText(r, c, std::to_string(r) + std::to_string(c));
    return model;
}

TEST(GridClipboardText, TabsBetweenCellsAndCrlfBetweenRows) {
    GridModel model = Filled(3, 3);
    model.SetCellText(1, 1, "张三 & 李四");
    EXPECT_EQ(CellsAsText(model, {1, 0, 2, 1}), "10\t张三 & 李四\r\n20\t21");
    EXPECT_EQ(CellsAsText(model, {0, 2, 0, 2}), "02");
    // Cut to the grid: a whole-grid rectangle given with room to spare.
    EXPECT_EQ(CellsAsText(model, {0, 1, 10, 10}), "01\t02\r\n张三 & 李四\t12\r\n21\t22");
    EXPECT_EQ(CellsAsText(model, {5, 5, 6, 6}), "");
}

TEST(GridClipboardText, ParsesRowsAndCells) {
    struct Case { std::string text; Table table; };
    const Case cases[] = {
        {"", {}},
        {"a", {{"a"}}},
        {"a\tb\r\nc", {{"a", "b"}, {"c"}}},
        {"a\tb\r\n", {{"a", "b"}}},          // a closing line break adds no row
        {"a\r\n\r\n", {{"a"}, {""}}},
        {"a\n\nb", {{"a"}, {""}, {"b"}}},
        {"a\rb", {{"a"}, {"b"}}},
        {"\t", {{"", ""}}},
        {"\r\n", {{""}}},
        {"王五\t11.16", {{"王五", "11.16"}}},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseClipboardText(c.text), c.table) << c.text;
}

TEST(GridClipboardText, CopiedTextParsesBackToTheCells) {
    const GridModel model = Filled(4, 3);
    EXPECT_EQ(ParseClipboardText(CellsAsText(model, {1, 0, 3, 2})),
              (Table{{"10", "11", "12"}, {"20", "21", "22"}, {"30", "31", "32"}}));
}

TEST(GridClipboardText, PasteWritesBodyCellsFromTheTopLeftAndDropsTheRest) {
    GridModel model = Filled(4, 3);
    const auto written = PasteTable(model, {2, 1}, {{"a", "b", "c"}, {"d"}, {"e", "f"}});
    EXPECT_EQ(written, (CellRect{2, 1, 3, 2}));
    EXPECT_EQ(CellsAsText(model, {0, 0, 3, 2}), "00\t01\t02\r\n10\t11\t12\r\n20\ta\tb\r\n30\td\t32");
}

TEST(GridClipboardText, PasteNeverWritesTheHeaderRow) {
    GridModel model = Filled(3, 2);
    EXPECT_EQ(PasteTable(model, {0, 0}, {{"x", "y"}, {"z"}}), (CellRect{1, 0, 1, 1}));
    EXPECT_EQ(CellsAsText(model, {0, 0, 2, 1}), "00\t01\r\nz\t11\r\n20\t21");
    EXPECT_EQ(PasteTable(model, {1, 0}, {}), std::nullopt);
    EXPECT_EQ(PasteTable(model, {5, 0}, {{"x"}}), std::nullopt);
}

TEST(GridClipboardText, CutEmptiesBodyCellsOnly) {
    GridModel model = Filled(3, 2);
    EmptyBodyCells(model, {0, 0, 2, 0});
    EXPECT_EQ(CellsAsText(model, {0, 0, 2, 1}), "00\t01\r\n\t11\r\n\t21");
}

}  // namespace
