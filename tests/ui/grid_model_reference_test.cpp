// Random operations on small grids, each checked against a model that keeps
// every cell and every size in plain arrays and follows the rules word by word.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "ui/grid_model.h"

namespace {

struct ReferenceCell {
    std::string text;
    HorizontalAlignment alignment = HorizontalAlignment::Left;
    uint8_t font = 0;
    bool marked = false;
};

bool Intersect(const CellRect& a, const CellRect& b) {
    return a.top <= b.bottom && b.top <= a.bottom && a.left <= b.right && b.left <= a.right;
}

class ReferenceGrid {
public:
    ReferenceGrid() : cells_(5, std::vector<ReferenceCell>(5)), heights_(5, 24), widths_(5, 40) {}

    int32_t Rows() const { return static_cast<int32_t>(cells_.size()); }
    int32_t Columns() const { return static_cast<int32_t>(cells_[0].size()); }

    void SetColumnCount(int32_t k) {
        if (k < 1) return;
        if (k != Columns()) {
            for (auto& row : cells_) row.resize(k);
            CutRanges();
            if (focus_ && focus_->column >= k) focus_.reset();
            ClipSelection();
        }
        widths_.assign(k, 40);
    }

    void SetRowCount(int32_t r) {
        if (r < 1) return;
        if (r != Rows()) {
            while (Rows() > r) cells_.pop_back();
            while (Rows() < r) {
                std::vector<ReferenceCell> row(Columns());
                for (int32_t c = 0; c < Columns(); ++c) row[c].alignment = cells_.back()[c].alignment;
                cells_.push_back(row);
            }
            CutRanges();
            if (focus_ && focus_->row >= r) focus_.reset();
            ClipSelection();
        }
        heights_.assign(r, 24);
    }

    void AlignCells(int32_t top, int32_t left, int32_t bottom, int32_t right, int32_t mode) {
        if (bottom > Rows() - 1) bottom = Rows() - 1;
        if (right > Columns() - 1) right = Columns() - 1;
        if (top < 0 || left < 0 || bottom < 0 || right < 0 || top > bottom || left > right) return;
        HorizontalAlignment a = HorizontalAlignment::Left;
        if (mode == 2) a = HorizontalAlignment::Centre;
        if (mode == 3) a = HorizontalAlignment::Right;
        for (int32_t r = top; r <= bottom; ++r)
            for (int32_t c = left; c <= right; ++c) cells_[r][c].alignment = a;
        for (const CellRect& range : ranges_) {
            const ReferenceCell& main = cells_[range.top][range.left];
            for (int32_t r = range.top; r <= range.bottom; ++r)
                for (int32_t c = range.left; c <= range.right; ++c) {
                    cells_[r][c].alignment = main.alignment;
                    cells_[r][c].font = main.font;
                }
        }
    }

    void SetCellText(int32_t row, int32_t column, const std::string& text) {
        if (Inside(row, column)) cells_[row][column].text = text;
    }
    void SetCellFont(int32_t row, int32_t column, uint8_t font) {
        if (Inside(row, column)) cells_[row][column].font = font;
    }
    void ResizeColumn(int32_t column, int32_t width) {
        if (column >= 0 && column < Columns() && width >= 0) widths_[column] = width;
    }
    void SetRowHeight(int32_t row, int32_t height) {
        if (row >= 0 && row < Rows() && height >= 0) heights_[row] = height;
    }

    void MergeRange(int32_t top, int32_t left, int32_t bottom, int32_t right) {
        if (top < 0 || left < 0 || bottom < 0 || right < 0 || top > bottom || left > right) return;
        if (top == bottom && left == right) return;
        if (bottom >= Rows() || right >= Columns()) return;
        if (top == 0 && bottom > 0) return;
        const CellRect wanted{top, left, bottom, right};
        for (const CellRect& range : ranges_) {
            if (Intersect(range, wanted)) {
                selection_.reset();
                focus_.reset();
                return;
            }
        }
        ranges_.push_back(wanted);
        const ReferenceCell& main = cells_[top][left];
        for (int32_t r = top; r <= bottom; ++r)
            for (int32_t c = left; c <= right; ++c) {
                if (r == top && c == left) continue;
                cells_[r][c].font = main.font;
                cells_[r][c].marked = true;
                if (r == 0) cells_[r][c].text.clear();
            }
    }

    void SetFocus(std::optional<CellPos> p) {
        if (!p) focus_.reset();
        else if (Inside(p->row, p->column)) focus_ = p;
    }
    void SetSelection(std::optional<CellRect> s) {
        if (!s) selection_.reset();
        else if (s->top <= s->bottom && s->left <= s->right && Inside(s->top, s->left) && Inside(s->bottom, s->right))
            selection_ = s;
    }

    bool Inside(int32_t row, int32_t column) const {
        return row >= 0 && row < Rows() && column >= 0 && column < Columns();
    }
    const ReferenceCell& Cell(int32_t row, int32_t column) const { return cells_[row][column]; }
    const std::vector<CellRect>& Ranges() const { return ranges_; }
    const std::vector<int32_t>& Heights() const { return heights_; }
    const std::vector<int32_t>& Widths() const { return widths_; }
    std::optional<CellPos> Focus() const { return focus_; }
    std::optional<CellRect> Selection() const { return selection_; }

private:
    void CutRanges() {
        std::vector<CellRect> kept;
        for (CellRect range : ranges_) {
            if (range.top >= Rows() || range.left >= Columns()) continue;
            if (range.bottom >= Rows()) range.bottom = Rows() - 1;
            if (range.right >= Columns()) range.right = Columns() - 1;
            if (range.top == range.bottom && range.left == range.right) continue;
            kept.push_back(range);
        }
        ranges_ = kept;
    }

    void ClipSelection() {
        if (!selection_) return;
        if (selection_->bottom >= Rows()) selection_->bottom = Rows() - 1;
        if (selection_->right >= Columns()) selection_->right = Columns() - 1;
        if (selection_->top > selection_->bottom || selection_->left > selection_->right) selection_.reset();
    }

    std::vector<std::vector<ReferenceCell>> cells_;
    std::vector<int32_t> heights_;
    std::vector<int32_t> widths_;
    std::vector<CellRect> ranges_;
    std::optional<CellPos> focus_;
    std::optional<CellRect> selection_;
};

// The index whose span holds the offset, by walking the sizes.
int32_t IndexAt(const std::vector<int32_t>& sizes, int64_t offset) {
    if (offset < 0) return -1;
    int64_t edge = 0;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        if (offset < edge + sizes[i]) return static_cast<int32_t>(i);
        edge += sizes[i];
    }
    return static_cast<int32_t>(sizes.size());
}

void ExpectAxis(const std::vector<int32_t>& sizes, int32_t (GridModel::*size)(int32_t) const,
                int64_t (GridModel::*edge)(int32_t) const, int32_t (GridModel::*at)(int64_t) const,
                const GridModel& grid) {
    int64_t offset = 0;
    for (std::size_t i = 0; i <= sizes.size(); ++i) {
        const auto index = static_cast<int32_t>(i);
        EXPECT_EQ((grid.*edge)(index), offset) << "edge " << i;
        if (i < sizes.size()) {
            EXPECT_EQ((grid.*size)(index), sizes[i]) << "size " << i;
            offset += sizes[i];
        }
    }
    for (int64_t y = -1; y <= offset + 1; ++y) EXPECT_EQ((grid.*at)(y), IndexAt(sizes, y)) << "offset " << y;
}

void ExpectSameState(const GridModel& grid, const ReferenceGrid& ref) {
    ASSERT_EQ(grid.RowCount(), ref.Rows());
    ASSERT_EQ(grid.ColumnCount(), ref.Columns());
    for (int32_t r = -1; r <= ref.Rows(); ++r) {
        for (int32_t c = -1; c <= ref.Columns(); ++c) {
            if (!ref.Inside(r, c)) {
                EXPECT_EQ(grid.GetCellValue(r, c), (CellValue{CellValue::Kind::Logical, "", false}));
                continue;
            }
            const ReferenceCell& cell = ref.Cell(r, c);
            EXPECT_EQ(grid.GetCellValue(r, c), (CellValue{CellValue::Kind::Text, cell.text, false})) << r << "," << c;
            EXPECT_EQ(grid.Alignment(r, c), cell.alignment) << r << "," << c;
            EXPECT_EQ(grid.FontId(r, c), cell.font) << r << "," << c;
            EXPECT_EQ(grid.IsMergedMarked(r, c), cell.marked) << r << "," << c;
            std::optional<CellRect> covering;
            for (const CellRect& range : ref.Ranges())
                if (range.Contains({r, c})) covering = range;
            EXPECT_EQ(grid.MergedRangeAt(r, c), covering) << r << "," << c;
        }
    }
    std::vector<CellRect> byMainCell = ref.Ranges();
    std::sort(byMainCell.begin(), byMainCell.end(), [](const CellRect& a, const CellRect& b) {
        return a.top != b.top ? a.top < b.top : a.left < b.left;
    });
    EXPECT_EQ(grid.MergedRanges(), byMainCell);
    ExpectAxis(ref.Heights(), &GridModel::RowHeight, &GridModel::RowTop, &GridModel::RowAtOffset, grid);
    ExpectAxis(ref.Widths(), &GridModel::ColumnWidth, &GridModel::ColumnLeft, &GridModel::ColumnAtOffset, grid);
    EXPECT_EQ(grid.Focus(), ref.Focus());
    EXPECT_EQ(grid.Selection(), ref.Selection());
}

// Applies one random operation to both models and describes it.
class RandomOperations {
public:
    explicit RandomOperations(uint32_t seed) : random_(seed) {}

    std::string ApplyOne(GridModel& grid, ReferenceGrid& ref) {
        std::ostringstream op;
        const int32_t a = Index(), b = Index(), c = Index(), d = Index();
        switch (Between(0, 11)) {
            case 0: {
                const int32_t k = Between(-1, 7);
                grid.SetColumnCount(k);
                ref.SetColumnCount(k);
                op << "SetColumnCount(" << k << ")";
                break;
            }
            case 1: {
                const int32_t k = Between(-1, 7);
                grid.SetRowCount(k);
                ref.SetRowCount(k);
                op << "SetRowCount(" << k << ")";
                break;
            }
            case 2: {
                const int32_t mode = Between(0, 4);
                grid.AlignCells(a, b, c, d, mode);
                ref.AlignCells(a, b, c, d, mode);
                op << "AlignCells(" << a << "," << b << "," << c << "," << d << "," << mode << ")";
                break;
            }
            case 3:
            case 4: {
                const std::string& text = kTexts[Between(0, static_cast<int32_t>(kTexts.size()) - 1)];
                grid.SetCellText(a, b, text);
                ref.SetCellText(a, b, text);
                op << "SetCellText(" << a << "," << b << ",\"" << text << "\")";
                break;
            }
            case 5: {
                const auto font = static_cast<uint8_t>(Between(0, 3));
                grid.SetCellFont(a, b, font);
                ref.SetCellFont(a, b, font);
                op << "SetCellFont(" << a << "," << b << "," << int{font} << ")";
                break;
            }
            case 6: {
                const int32_t size = Between(-1, 50);
                grid.ResizeColumn(a, size);
                ref.ResizeColumn(a, size);
                op << "ResizeColumn(" << a << "," << size << ")";
                break;
            }
            case 7: {
                const int32_t size = Between(-1, 50);
                grid.SetRowHeight(a, size);
                ref.SetRowHeight(a, size);
                op << "SetRowHeight(" << a << "," << size << ")";
                break;
            }
            case 8:
            case 9: {
                // Mostly small rectangles, so that merges succeed and collide.
                const int32_t bottom = a + Between(-1, 2), right = b + Between(-1, 2);
                grid.MergeRange(a, b, bottom, right);
                ref.MergeRange(a, b, bottom, right);
                op << "MergeRange(" << a << "," << b << "," << bottom << "," << right << ")";
                break;
            }
            case 10: {
                const std::optional<CellPos> focus =
                    Between(0, 5) == 0 ? std::nullopt : std::optional<CellPos>(CellPos{a, b});
                grid.SetFocus(focus);
                ref.SetFocus(focus);
                op << "SetFocus(" << (focus ? std::to_string(a) + "," + std::to_string(b) : "none") << ")";
                break;
            }
            default: {
                const std::optional<CellRect> selection =
                    Between(0, 5) == 0 ? std::nullopt : std::optional<CellRect>(CellRect{a, b, c, d});
                grid.SetSelection(selection);
                ref.SetSelection(selection);
                op << "SetSelection(" << a << "," << b << "," << c << "," << d << ")";
                break;
            }
        }
        return op.str();
    }

private:
    int32_t Between(int32_t low, int32_t high) { return std::uniform_int_distribution<int32_t>(low, high)(random_); }
    int32_t Index() { return Between(-1, 7); }

    inline static const std::vector<std::string> kTexts = {"", "a", "11.16", "起止日期", std::string(16, 'z'),
                                                           "很长的名字很长的名字很长的名字"};
    std::mt19937 random_;
};

TEST(GridModelReferenceTest, RandomOperationsMatchTheReference) {
    constexpr uint32_t kSeeds = 60;
    constexpr int kOperations = 300;
    for (uint32_t seed = 1; seed <= kSeeds; ++seed) {
        GridModel grid;
        ReferenceGrid ref;
        RandomOperations operations(seed);
        std::string log;
        for (int i = 0; i < kOperations; ++i) {
            log += operations.ApplyOne(grid, ref) + "\n";
            ExpectSameState(grid, ref);
            if (HasFailure()) FAIL() << "seed " << seed << " after:\n" << log;
        }
    }
}

}  // namespace
