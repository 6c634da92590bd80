#pragma once
// The document behind the roster grid: cells with texts, alignments, merged
// marks and fonts, row heights and column widths, merged ranges, the focus cell
// and the selection. Plain C++; the window class in ui/roster_grid draws and
// edits it. Every operation ignores arguments outside its rules.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/grid_prefix_array.h"
#include "ui/grid_size_axis.h"
#include "ui/grid_text_pool.h"

enum class HorizontalAlignment : uint8_t { Left, Centre, Right };

struct CellPos {
    int32_t row = 0;
    int32_t column = 0;
    bool operator==(const CellPos&) const = default;
};

// Inclusive bounds.
struct CellRect {
    int32_t top = 0;
    int32_t left = 0;
    int32_t bottom = 0;
    int32_t right = 0;
    bool operator==(const CellRect&) const = default;
    bool Contains(CellPos p) const {
        return p.row >= top && p.row <= bottom && p.column >= left && p.column <= right;
    }
};

// What GetCellValue gives: a text for a cell inside the grid, logical false outside.
struct CellValue {
    enum class Kind : uint8_t { Text, Logical };
    Kind kind = Kind::Text;
    std::string text;
    bool logical = false;
    bool operator==(const CellValue&) const = default;
};

inline constexpr int32_t kDefaultRowHeight = 24;
inline constexpr int32_t kDefaultColumnWidth = 40;
inline constexpr int32_t kInitialRowCount = 5;
inline constexpr int32_t kInitialColumnCount = 5;
inline constexpr int32_t kFixedRowCount = 1;  // row 0 is the header row

class GridModel {
public:
    GridModel();  // 5 x 5 empty, left-aligned cells; 24 px rows, 40 px columns

    int32_t RowCount() const;
    int32_t ColumnCount() const;
    // The counts rule: cells beyond the new count go, new cells are appended,
    // merged ranges are dropped or cut back, every row (column) gets the default
    // size. A count below 1 is ignored.
    void SetRowCount(int32_t rows);
    void SetColumnCount(int32_t columns);

    // mode 1 left, 2 centre, 3 right, anything else left. bottom/right beyond the
    // grid are lowered to its last row/column first.
    void AlignCells(int32_t top, int32_t left, int32_t bottom, int32_t right, int32_t mode);
    void SetCellText(int32_t row, int32_t column, std::string_view text);
    void ResizeColumn(int32_t column, int32_t width);
    void MergeRange(int32_t top, int32_t left, int32_t bottom, int32_t right);
    CellValue GetCellValue(int32_t row, int32_t column) const;

    // Per-cell reads for drawing; the position must lie inside the grid.
    std::string_view CellText(int32_t row, int32_t column) const;
    HorizontalAlignment Alignment(int32_t row, int32_t column) const;
    bool IsMergedMarked(int32_t row, int32_t column) const;  // a non-main cell of a range
    uint8_t FontId(int32_t row, int32_t column) const;       // 0: the grid's own font
    // Gives a cell inside the grid a font of the control's own list. The roster
    // never calls it; merging and AlignCells carry fonts over to merged cells.
    void SetCellFont(int32_t row, int32_t column, uint8_t font);

    // The merged range that covers the cell, if any. Costs the range's width
    // plus its height (walked in the cells); the roster's ranges are pairs.
    std::optional<CellRect> MergedRangeAt(int32_t row, int32_t column) const;
    std::vector<CellRect> MergedRanges() const;  // by main cell, row by row

    // Sizes in pixels. SetRowHeight is the user's row resizing.
    int32_t RowHeight(int32_t row) const;
    int32_t ColumnWidth(int32_t column) const;
    void SetRowHeight(int32_t row, int32_t height);
    // Pixel offset of the row's top edge (of the column's left edge) from the
    // grid's origin, and the row (column) that covers an offset: -1 before the
    // first, RowCount() (ColumnCount()) past the last. Logarithmic at worst.
    int64_t RowTop(int32_t row) const;
    int64_t ColumnLeft(int32_t column) const;
    int64_t TotalHeight() const;
    int64_t TotalWidth() const;
    int32_t RowAtOffset(int64_t y) const;
    int32_t ColumnAtOffset(int64_t x) const;

    // Focus and selection, as the user moves them; the counts rule and the
    // merging rule also clear them.
    std::optional<CellPos> Focus() const;
    void SetFocus(std::optional<CellPos> focus);
    std::optional<CellRect> Selection() const;
    void SetSelection(std::optional<CellRect> selection);

private:
    // Every attribute is stored per row, and only as far as it was ever set
    // (PrefixArray): untouched cells cost nothing. A cell takes five bytes.
    struct Row {
        PrefixArray<uint32_t> texts;      // ids in texts_
        PrefixArray<uint8_t> attributes;  // alignment and merge link (grid_model.cpp)
        PrefixArray<uint8_t> fonts;
    };

    // A merged range lives in its cells alone: each cell but the main one
    // links to its left neighbour or, in the range's left column, to the one
    // above. The links find a merge's conflicts, give the merged marks and,
    // walked, the rectangle; removing rows or columns cuts ranges back by
    // itself, and a range left with its main cell alone has no links.
    uint8_t Link(int32_t row, int32_t column) const;
    bool IsMainCell(int32_t row, int32_t column) const;
    bool IsCovered(int32_t row, int32_t column) const;
    CellRect RangeOfMainCell(int32_t row, int32_t column) const;
    void SetLink(int32_t row, int32_t column, uint8_t link);
    void MainCellAttributesToRanges();

    bool Inside(int32_t row, int32_t column) const;
    void ReleaseTexts(const Row& row, int32_t fromColumn);
    void KeepFocusAndSelectionInside();

    TextPool texts_;
    std::vector<Row> rows_;
    int32_t columnCount_ = 0;
    SizeAxis rowHeights_;
    SizeAxis columnWidths_;
    std::optional<CellPos> focus_;
    std::optional<CellRect> selection_;
};
