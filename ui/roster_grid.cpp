// The operations the system calls on the grid: each changes the model, then
// repaints what it changed. An open editor is committed first, so the model
// is never changed under it.

#include "ui/roster_grid.h"

#include "ui/grid_span.h"
#include "ui/roster_grid_control.h"

RosterGrid::RosterGrid() : control_(std::make_unique<GridControl>()) {}

RosterGrid::~RosterGrid() {
    if (control_->window) DestroyWindow(control_->window);
}

bool RosterGrid::Create(HWND parent, int controlId, int x, int y, int width, int height) {
    if (control_->window) return false;
    return CreateGridWindow(*control_, parent, controlId, x, y, width, height) != nullptr;
}

HWND RosterGrid::Window() const { return control_->window; }

int32_t RosterGrid::RowCount() const { return control_->model.RowCount(); }
int32_t RosterGrid::ColumnCount() const { return control_->model.ColumnCount(); }

void RosterGrid::SetRowCount(int32_t rows) {
    ChangeModel([&](GridModel& model) { model.SetRowCount(rows); });
}

void RosterGrid::SetColumnCount(int32_t columns) {
    ChangeModel([&](GridModel& model) { model.SetColumnCount(columns); });
}

void RosterGrid::AlignCells(int32_t top, int32_t left, int32_t bottom, int32_t right, int32_t mode) {
    CloseEditor(*control_, true);
    control_->model.AlignCells(top, left, bottom, right, mode);
    // Merged ranges anywhere may take their main cell's alignment.
    InvalidateGrid(*control_);
}

void RosterGrid::SetCellText(int32_t row, int32_t column, std::string_view text) {
    GridControl& grid = *control_;
    if (row < 0 || row >= grid.model.RowCount() || column < 0 || column >= grid.model.ColumnCount()) return;
    CloseEditor(grid, true);
    grid.model.SetCellText(row, column, text);
    InvalidateCells(grid, CellSpan(grid.model, {row, column}));
}

void RosterGrid::ResizeColumn(int32_t column, int32_t width) {
    ChangeModel([&](GridModel& model) { model.ResizeColumn(column, width); });
}

void RosterGrid::MergeRange(int32_t top, int32_t left, int32_t bottom, int32_t right) {
    ChangeModel([&](GridModel& model) { model.MergeRange(top, left, bottom, right); });
}

CellValue RosterGrid::GetCellValue(int32_t row, int32_t column) const {
    return control_->model.GetCellValue(row, column);
}

const GridModel& RosterGrid::Model() const { return control_->model; }

void RosterGrid::ChangeModel(const std::function<void(GridModel&)>& change) {
    CloseEditor(*control_, true);
    change(control_->model);
    // Counts, sizes and merges move cells around: everything is redrawn.
    UpdateScrollBars(*control_);
    InvalidateGrid(*control_);
}
