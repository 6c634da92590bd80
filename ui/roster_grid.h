#pragma once
// 高级表格1, the roster grid: a Win32 child window of our own class that
// draws, scrolls and edits a GridModel. The operations below are the ones the
// system calls; each changes the model and repaints what it changed. The
// user's own work in the grid (editing, selecting, clipboard, resizing,
// scrolling) is the control's business and needs no call.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

#include "ui/grid_model.h"

struct GridControl;

class RosterGrid {
public:
    RosterGrid();  // the initial 5 x 5 model, no window yet
    ~RosterGrid(); // destroys the window if it still exists
    RosterGrid(const RosterGrid&) = delete;
    RosterGrid& operator=(const RosterGrid&) = delete;

    // Creates the window, hidden, as a child of parent (WS_TABSTOP,
    // WS_CLIPSIBLINGS, WS_EX_CLIENTEDGE); the caller shows it. Registers the
    // window class on first use. False when the window could not be made.
    bool Create(HWND parent, int controlId, int x, int y, int width, int height);
    // The in-place editor is this window's only child: a message whose
    // window has Window() as its parent is the editor's, which handles
    // Enter, Esc and Tab itself.
    HWND Window() const;

    int32_t RowCount() const;
    int32_t ColumnCount() const;
    void SetRowCount(int32_t rows);
    void SetColumnCount(int32_t columns);
    void AlignCells(int32_t top, int32_t left, int32_t bottom, int32_t right, int32_t mode);
    void SetCellText(int32_t row, int32_t column, std::string_view text);
    void ResizeColumn(int32_t column, int32_t width);
    void MergeRange(int32_t top, int32_t left, int32_t bottom, int32_t right);
    CellValue GetCellValue(int32_t row, int32_t column) const;

    const GridModel& Model() const;
    // For work done on the model as a whole (the roster layout and fill):
    // runs change on it, then brings scroll bars and picture up to date.
    void ChangeModel(const std::function<void(GridModel&)>& change);

private:
    std::unique_ptr<GridControl> control_;
};
