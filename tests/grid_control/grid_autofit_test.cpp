#include "ui/grid_autofit.h"

#include <gtest/gtest.h>

namespace {

// 7 px a byte, 8 in the header row (bold).
int32_t FakeWidth(std::string_view text, bool header) {
    return static_cast<int32_t>(text.size()) * (header ? 8 : 7);
}

constexpr int32_t kExtra = 2 * kCellTextMargin + 1;

TEST(GridAutofit, WidestTextOfTheHeaderAndTheRowsMeasured) {
    GridModel model;
    model.SetRowCount(6);
    model.SetCellText(0, 0, "ab");
    model.SetCellText(1, 0, "abcd");
    model.SetCellText(2, 0, "abcdef");
    model.SetCellText(5, 0, "a much longer text out of view");
    EXPECT_EQ(FitColumnWidth(model, 0, 1, 3, FakeWidth), 42 + kExtra);
    EXPECT_EQ(FitColumnWidth(model, 0, 3, 4, FakeWidth), 16 + kExtra);  // only the header's "ab"
    EXPECT_EQ(FitColumnWidth(model, 1, 1, 4, FakeWidth), kExtra);       // an empty column
}

TEST(GridAutofit, TextsOfRangesWiderThanTheColumnDoNotCount) {
    GridModel model;
    model.SetCellText(0, 1, "起止日期 起止日期");
    model.MergeRange(0, 1, 0, 2);
    model.SetCellText(0, 2, "hidden but long");
    model.SetCellText(1, 1, "abc");
    model.SetCellText(1, 2, "x");
    EXPECT_EQ(FitColumnWidth(model, 1, 1, 4, FakeWidth), 21 + kExtra);
    EXPECT_EQ(FitColumnWidth(model, 2, 1, 4, FakeWidth), 7 + kExtra);
}

}  // namespace
