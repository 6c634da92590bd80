#pragma once
// How the user's clicks and keys move the focus and the selection of a grid
// model. The focus is always a body cell (row 1 or below, the main cell of its
// merged range); a header click selects whole columns, header row included.

#include <cstdint>
#include <optional>

#include "ui/grid_model.h"

enum class GridMove : uint8_t {
    Left, Right, Up, Down,
    NextInRow,      // Tab: right, then on to the next row's first cell
    PreviousInRow,  // Shift+Tab
    PageUp, PageDown,
    RowStart, RowEnd,    // Home, End
    GridStart, GridEnd,  // Ctrl+Home, Ctrl+End
};

// The focus after a move; the first body cell when there was none, nothing
// when the grid has no body row.
std::optional<CellPos> MovedFocus(const GridModel& model, std::optional<CellPos> from, GridMove move,
                                  int32_t pageRows);

// Keeps the far corner of a selection that grows from the focus (drag,
// Shift+click, Shift+keys) while the focus stays where it began.
class GridSelector {
public:
    explicit GridSelector(GridModel& model) : model_(model) {}

    // Focuses and selects the body cell (its merged range).
    void SelectCell(CellPos cell);
    // Selects the columns under the header cell, focus on row 1 of the first.
    void SelectColumns(int32_t column);
    void SelectAll();
    // Spans the selection from the focus to the cell; without a focus, selects the cell.
    void ExtendTo(CellPos cell);
    // A key: moves the focus, or with extend the far corner.
    void Move(GridMove move, int32_t pageRows, bool extend);

    // The cell the last key or drag reached (the far corner, else the
    // focus): the one to scroll into view.
    std::optional<CellPos> Reached() const;

private:
    GridModel& model_;
    std::optional<CellPos> farCorner_;
};
