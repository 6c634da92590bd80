#include "ui/grid_model.h"

#include <algorithm>

namespace {

// A cell's attribute byte: its alignment, and how it belongs to a merged range.
constexpr uint8_t kAlignmentBits = 0x03;
constexpr uint8_t kLinkBits = 0x0C;
constexpr uint8_t kNoLink = 0x00;
constexpr uint8_t kLinkLeft = 0x04;  // same range as the cell to the left
constexpr uint8_t kLinkUp = 0x08;    // same range as the cell above

static_assert(static_cast<uint8_t>(HorizontalAlignment::Right) <= kAlignmentBits);

HorizontalAlignment AlignmentOfMode(int32_t mode) {
    switch (mode) {
        case 2: return HorizontalAlignment::Centre;
        case 3: return HorizontalAlignment::Right;
        default: return HorizontalAlignment::Left;
    }
}

uint8_t WithAlignment(uint8_t attributes, uint8_t alignment) {
    return static_cast<uint8_t>((attributes & ~kAlignmentBits) | alignment);
}

uint8_t WithLink(uint8_t attributes, uint8_t link) { return static_cast<uint8_t>((attributes & ~kLinkBits) | link); }

}  // namespace

GridModel::GridModel() : rows_(kInitialRowCount), columnCount_(kInitialColumnCount) {
    rowHeights_.Reset(kInitialRowCount, kDefaultRowHeight);
    columnWidths_.Reset(kInitialColumnCount, kDefaultColumnWidth);
}

int32_t GridModel::RowCount() const { return static_cast<int32_t>(rows_.size()); }

int32_t GridModel::ColumnCount() const { return columnCount_; }

bool GridModel::Inside(int32_t row, int32_t column) const {
    return row >= 0 && row < RowCount() && column >= 0 && column < columnCount_;
}

void GridModel::ReleaseTexts(const Row& row, int32_t fromColumn) {
    const auto texts = row.texts.StoredValues();
    for (std::size_t i = static_cast<std::size_t>(fromColumn); i < texts.size(); ++i) texts_.Release(texts[i]);
}

void GridModel::SetRowCount(int32_t rows) {
    if (rows < 1) return;
    const int32_t oldRows = RowCount();
    if (rows > oldRows) {
        // New cells take the alignment of the cell above, which for every new
        // row is that of the last old row; they belong to no range.
        PrefixArray<uint8_t> above = rows_.back().attributes;
        above.Transform(0, columnCount_ - 1, [](uint8_t a) { return WithLink(a, kNoLink); }, columnCount_);
        ResizeExactly(rows_, static_cast<std::size_t>(rows));
        for (auto row = rows_.begin() + oldRows; row != rows_.end(); ++row) row->attributes = above;
    } else if (rows < oldRows) {
        for (auto row = rows_.begin() + rows; row != rows_.end(); ++row) ReleaseTexts(*row, 0);
        ResizeExactly(rows_, static_cast<std::size_t>(rows));
    }
    KeepFocusAndSelectionInside();
    rowHeights_.Reset(rows, kDefaultRowHeight);
}

void GridModel::SetColumnCount(int32_t columns) {
    if (columns < 1) return;
    // New columns need no work: unstored cells are empty and left-aligned.
    if (columns < columnCount_) {
        for (Row& row : rows_) {
            ReleaseTexts(row, columns);
            row.texts.Truncate(columns);
            row.attributes.Truncate(columns);
            row.fonts.Truncate(columns);
        }
    }
    columnCount_ = columns;
    KeepFocusAndSelectionInside();
    columnWidths_.Reset(columns, kDefaultColumnWidth);
}

// Both counts rules keep the focus only on a cell that is still there and clip
// the selection to the grid, dropping it when none of it is left.
void GridModel::KeepFocusAndSelectionInside() {
    if (focus_ && !Inside(focus_->row, focus_->column)) focus_.reset();
    if (selection_) {
        selection_->bottom = std::min(selection_->bottom, RowCount() - 1);
        selection_->right = std::min(selection_->right, columnCount_ - 1);
        if (selection_->top > selection_->bottom || selection_->left > selection_->right) selection_.reset();
    }
}

void GridModel::AlignCells(int32_t top, int32_t left, int32_t bottom, int32_t right, int32_t mode) {
    bottom = std::min(bottom, RowCount() - 1);
    right = std::min(right, columnCount_ - 1);
    if (top < 0 || left < 0 || bottom < 0 || right < 0 || top > bottom || left > right) return;
    const auto alignment = static_cast<uint8_t>(AlignmentOfMode(mode));
    for (int32_t row = top; row <= bottom; ++row) {
        rows_[row].attributes.Transform(
            left, right, [alignment](uint8_t a) { return WithAlignment(a, alignment); }, columnCount_);
    }
    MainCellAttributesToRanges();
}

// Every merged range, not only those in the aligned rectangle: merging leaves
// the other cells' alignments as they were, and this is where they follow.
// One pass over the stored cells, row by row: each linked cell copies the cell
// it links to, which already holds what the main cell has.
void GridModel::MainCellAttributesToRanges() {
    for (int32_t row = 0; row < RowCount(); ++row) {
        const auto attributes = rows_[row].attributes.StoredValues();
        for (std::size_t i = 0; i < attributes.size(); ++i) {
            const uint8_t link = attributes[i] & kLinkBits;
            if (link == kNoLink) continue;
            const auto column = static_cast<int32_t>(i);
            const int32_t sourceRow = link == kLinkUp ? row - 1 : row;
            const int32_t sourceColumn = link == kLinkLeft ? column - 1 : column;
            const uint8_t source = rows_[sourceRow].attributes.Get(sourceColumn);
            attributes[i] = WithAlignment(attributes[i], source & kAlignmentBits);
            rows_[row].fonts.Set(column, rows_[sourceRow].fonts.Get(sourceColumn), columnCount_);
        }
    }
}

void GridModel::SetCellText(int32_t row, int32_t column, std::string_view text) {
    if (!Inside(row, column)) return;
    PrefixArray<uint32_t>& texts = rows_[row].texts;
    const uint32_t old = texts.Get(column);
    if (text.empty() && old == TextPool::kEmpty) return;
    // Acquired before the old text is released: text may view that very text.
    const uint32_t id = texts_.Acquire(text);
    texts.Stored(column, columnCount_) = id;
    texts_.Release(old);
}

void GridModel::SetCellFont(int32_t row, int32_t column, uint8_t font) {
    if (Inside(row, column)) rows_[row].fonts.Set(column, font, columnCount_);
}

void GridModel::ResizeColumn(int32_t column, int32_t width) {
    if (column >= 0 && column < columnCount_ && width >= 0) columnWidths_.SetSize(column, width);
}

void GridModel::SetRowHeight(int32_t row, int32_t height) {
    if (row >= 0 && row < RowCount() && height >= 0) rowHeights_.SetSize(row, height);
}

uint8_t GridModel::Link(int32_t row, int32_t column) const {
    return Inside(row, column) ? rows_[row].attributes.Get(column) & kLinkBits : kNoLink;
}

bool GridModel::IsMainCell(int32_t row, int32_t column) const {
    return Link(row, column) == kNoLink && (Link(row, column + 1) == kLinkLeft || Link(row + 1, column) == kLinkUp);
}

bool GridModel::IsCovered(int32_t row, int32_t column) const {
    return Link(row, column) != kNoLink || IsMainCell(row, column);
}

CellRect GridModel::RangeOfMainCell(int32_t row, int32_t column) const {
    CellRect range{row, column, row, column};
    while (Link(row, range.right + 1) == kLinkLeft) ++range.right;
    while (Link(range.bottom + 1, column) == kLinkUp) ++range.bottom;
    return range;
}

void GridModel::SetLink(int32_t row, int32_t column, uint8_t link) {
    uint8_t& attributes = rows_[row].attributes.Stored(column, columnCount_);
    attributes = WithLink(attributes, link);
}

void GridModel::MergeRange(int32_t top, int32_t left, int32_t bottom, int32_t right) {
    if (top < 0 || left < 0 || top > bottom || left > right) return;
    if ((top == bottom && left == right) || bottom >= RowCount() || right >= columnCount_) return;
    if (top < kFixedRowCount && bottom >= kFixedRowCount) return;
    // Any cell already in a range: the same range, one holding its top-left or
    // bottom-right cell, and every other overlap. Refusing them all keeps
    // ranges from ever overlapping.
    for (int32_t row = top; row <= bottom; ++row) {
        for (int32_t column = left; column <= right; ++column) {
            if (IsCovered(row, column)) {
                selection_.reset();
                focus_.reset();
                return;
            }
        }
    }
    const uint8_t font = FontId(top, left);
    rows_[top].attributes.Stored(left, columnCount_);  // MergedRanges looks among stored cells
    for (int32_t row = top; row <= bottom; ++row) {
        if (row > top) SetLink(row, left, kLinkUp);
        for (int32_t column = left + 1; column <= right; ++column) SetLink(row, column, kLinkLeft);
        rows_[row].fonts.Transform(left, right, [font](uint8_t) { return font; }, columnCount_);
    }
    if (top < kFixedRowCount) {  // the range lies within the header row
        for (int32_t column = left + 1; column <= right; ++column) SetCellText(top, column, {});
    }
}

CellValue GridModel::GetCellValue(int32_t row, int32_t column) const {
    if (!Inside(row, column)) return {CellValue::Kind::Logical, {}, false};
    return {CellValue::Kind::Text, std::string(CellText(row, column)), false};
}

// The per-cell reads answer for a position outside the grid as for an
// untouched cell, so a stray read cannot go wrong.
std::string_view GridModel::CellText(int32_t row, int32_t column) const {
    return Inside(row, column) ? texts_.Text(rows_[row].texts.Get(column)) : std::string_view{};
}

HorizontalAlignment GridModel::Alignment(int32_t row, int32_t column) const {
    if (!Inside(row, column)) return HorizontalAlignment::Left;
    return static_cast<HorizontalAlignment>(rows_[row].attributes.Get(column) & kAlignmentBits);
}

bool GridModel::IsMergedMarked(int32_t row, int32_t column) const { return Link(row, column) != kNoLink; }

uint8_t GridModel::FontId(int32_t row, int32_t column) const {
    return Inside(row, column) ? rows_[row].fonts.Get(column) : uint8_t{0};
}

std::optional<CellRect> GridModel::MergedRangeAt(int32_t row, int32_t column) const {
    if (!IsCovered(row, column)) return std::nullopt;
    while (Link(row, column) == kLinkLeft) --column;
    while (Link(row, column) == kLinkUp) --row;
    return RangeOfMainCell(row, column);
}

std::vector<CellRect> GridModel::MergedRanges() const {
    std::vector<CellRect> ranges;
    for (int32_t row = 0; row < RowCount(); ++row) {
        const auto stored = static_cast<int32_t>(rows_[row].attributes.StoredSize());
        for (int32_t column = 0; column < stored; ++column)
            if (IsMainCell(row, column)) ranges.push_back(RangeOfMainCell(row, column));
    }
    return ranges;
}

int32_t GridModel::RowHeight(int32_t row) const {
    return row >= 0 && row < RowCount() ? rowHeights_.Size(row) : 0;
}

int32_t GridModel::ColumnWidth(int32_t column) const {
    return column >= 0 && column < columnCount_ ? columnWidths_.Size(column) : 0;
}

// Edge offsets for 0..count; an index beyond is taken as the nearest end.
int64_t GridModel::RowTop(int32_t row) const { return rowHeights_.Offset(std::clamp(row, 0, RowCount())); }

int64_t GridModel::ColumnLeft(int32_t column) const {
    return columnWidths_.Offset(std::clamp(column, 0, columnCount_));
}

int64_t GridModel::TotalHeight() const { return rowHeights_.Total(); }

int64_t GridModel::TotalWidth() const { return columnWidths_.Total(); }

int32_t GridModel::RowAtOffset(int64_t y) const { return rowHeights_.IndexAt(y); }

int32_t GridModel::ColumnAtOffset(int64_t x) const { return columnWidths_.IndexAt(x); }

std::optional<CellPos> GridModel::Focus() const { return focus_; }

// A focus or selection outside the grid (or an inverted rectangle) is ignored.
void GridModel::SetFocus(std::optional<CellPos> focus) {
    if (!focus) {
        focus_.reset();
    } else if (Inside(focus->row, focus->column)) {
        focus_ = focus;
    }
}

std::optional<CellRect> GridModel::Selection() const { return selection_; }

void GridModel::SetSelection(std::optional<CellRect> selection) {
    if (!selection) {
        selection_.reset();
    } else if (selection->top <= selection->bottom && selection->left <= selection->right &&
               Inside(selection->top, selection->left) && Inside(selection->bottom, selection->right)) {
        selection_ = selection;
    }
}
