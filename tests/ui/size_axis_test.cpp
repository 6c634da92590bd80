#include "ui/grid_size_axis.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

SizeAxis AxisOf(const std::vector<int32_t>& sizes) {
    SizeAxis axis;
    axis.Reset(static_cast<int32_t>(sizes.size()), 7);
    for (std::size_t i = 0; i < sizes.size(); ++i) axis.SetSize(static_cast<int32_t>(i), sizes[i]);
    return axis;
}

// Counts that are and are not powers of two, and zero sizes (a column may be
// resized to 0), also at both ends.
const std::vector<std::vector<int32_t>> kSizeLists = {
    {24},
    {0},
    {50, 40, 40, 40, 40},
    {0, 0, 3, 0, 5, 0, 0},
    {1, 2, 3, 4, 5, 6, 7, 8},
    {9, 0, 0, 0, 0, 0, 0, 0, 0, 4},
    {40, 40, 40, 40, 40, 40, 40, 40, 40, 40, 40, 40, 40, 40, 40, 40, 2},
};

TEST(SizeAxisTest, OffsetsAndIndicesMatchTheSizes) {
    for (const auto& sizes : kSizeLists) {
        const SizeAxis axis = AxisOf(sizes);
        const auto count = static_cast<int32_t>(sizes.size());
        ASSERT_EQ(axis.Count(), count);
        int64_t edge = 0;
        for (int32_t i = 0; i < count; ++i) {
            EXPECT_EQ(axis.Size(i), sizes[i]);
            EXPECT_EQ(axis.Offset(i), edge);
            for (int64_t offset = edge; offset < edge + sizes[i]; ++offset) EXPECT_EQ(axis.IndexAt(offset), i);
            edge += sizes[i];
        }
        EXPECT_EQ(axis.Offset(count), edge);
        EXPECT_EQ(axis.Total(), edge);
        EXPECT_EQ(axis.IndexAt(-1), -1);
        EXPECT_EQ(axis.IndexAt(edge), count);
        EXPECT_EQ(axis.IndexAt(edge + 100), count);
    }
}

TEST(SizeAxisTest, ResetGivesEveryEntryTheSizeAgain) {
    SizeAxis axis = AxisOf({5, 0, 70});
    axis.Reset(6, 40);
    for (int32_t i = 0; i < 6; ++i) {
        EXPECT_EQ(axis.Size(i), 40);
        EXPECT_EQ(axis.Offset(i), 40 * i);
    }
    EXPECT_EQ(axis.IndexAt(239), 5);
}

TEST(SizeAxisTest, SixMillionColumnsOfWidestSizeStayExact) {
    constexpr int32_t kColumns = 6135341;
    constexpr int32_t kWide = 2147483647;
    SizeAxis axis;
    axis.Reset(kColumns, kWide);
    axis.SetSize(0, 50);
    const int64_t total = int64_t{kWide} * (kColumns - 1) + 50;
    EXPECT_EQ(axis.Total(), total);
    EXPECT_EQ(axis.Offset(kColumns - 1), total - kWide);
    EXPECT_EQ(axis.IndexAt(total - 1), kColumns - 1);
    EXPECT_EQ(axis.IndexAt(50 + int64_t{kWide} * 3), 4);
}

}  // namespace
