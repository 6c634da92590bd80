#pragma once
// Inside the roster grid window: its state and the jobs that work on it, one
// file each (window procedure, painting, scrolling, mouse and keys, editor,
// clipboard). Only the roster_grid_*.cpp files include this.

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "ui/grid_model.h"
#include "ui/grid_navigation.h"
#include "ui/grid_viewport.h"

struct GridControl {
    HWND window = nullptr;
    GridModel model;
    GridSelector selector{model};
    GridScroll scroll;
    VisibleCells visible;  // of scroll in the current client size
    bool updatingScrollBars = false;

    HFONT font = nullptr;        // the system's message font
    HFONT headerFocusFont = nullptr;  // the same at weight 600
    int32_t lineHeight = 16;
    HBITMAP backBuffer = nullptr;
    ViewSize backBufferSize;

    enum class Drag : uint8_t { None, Cells, ColumnWidth, RowHeight };
    Drag drag = Drag::None;
    int32_t sizedIndex = 0;        // the column or row a size drag changes
    int32_t grabOffset = 0;        // from the pointer to that one's far edge
    bool editOnRelease = false;    // the press fell on the focus cell
    int32_t wheelRemainder = 0;    // wheel delta short of one notch
    std::optional<char> leadByte;  // first byte of a typed double-byte character

    HWND editor = nullptr;
    CellPos editedCell;
    WNDPROC editorBaseProc = nullptr;
};

// roster_grid_window.cpp
HWND CreateGridWindow(GridControl& grid, HWND parent, int controlId, int x, int y, int width, int height);

// roster_grid_paint.cpp
void CreateGridFonts(GridControl& grid);
void ReleaseGridGdiObjects(GridControl& grid);
void PaintGrid(GridControl& grid, HDC target);
// Marks cells for repainting (only what is in view costs anything).
void InvalidateCells(GridControl& grid, CellRect cells);
void InvalidateGrid(GridControl& grid);
// The focus cell, its header cell and the selection: what a change of focus
// or selection repaints, called with the old state and again with the new.
void InvalidateFocusAndSelection(GridControl& grid, std::optional<CellPos> focus,
                                 std::optional<CellRect> selection);
// Client pixels of the cells' box, grid lines included, cut to the client area.
RECT CellsPixelRect(const GridControl& grid, CellRect cells);
int32_t MeasureText(const GridControl& grid, std::string_view text, bool header);

// roster_grid_scroll.cpp
ViewSize ClientSize(const GridControl& grid);
// After sizes, counts or the client area changed: scroll bars, scroll
// position and the cells in view.
void UpdateScrollBars(GridControl& grid);
void ScrollTo(GridControl& grid, GridScroll scroll);
void ScrollIntoView(GridControl& grid, CellRect cells);
void OnScrollBar(GridControl& grid, int bar, int request);
void OnMouseWheel(GridControl& grid, int delta, bool horizontal);

// roster_grid_input.cpp
void OnButtonDown(GridControl& grid, int x, int y, bool shift);
void OnMouseMove(GridControl& grid, int x, int y);
void OnButtonUp(GridControl& grid);
void OnCaptureLost(GridControl& grid);
void OnDoubleClick(GridControl& grid, int x, int y);
void OnRightButtonDown(GridControl& grid, int x, int y);
bool SetSizingCursor(GridControl& grid);  // false: not over a grid line
void OnKeyDown(GridControl& grid, WPARAM key);
void OnCharacter(GridControl& grid, char character);
// Runs a change of focus or selection and repaints what it touched.
template <class Change>
void ChangeSelection(GridControl& grid, Change change) {
    const auto focus = grid.model.Focus();
    const auto selection = grid.model.Selection();
    change();
    InvalidateFocusAndSelection(grid, focus, selection);
    InvalidateFocusAndSelection(grid, grid.model.Focus(), grid.model.Selection());
}
// A key that moves the focus or the far corner, then scrolls to what it reached.
void MoveFocus(GridControl& grid, GridMove move, bool extend);

// roster_grid_editor.cpp
// Opens the in-place editor over a body cell with the cell's text, or with
// the typed text.
void OpenEditor(GridControl& grid, CellPos cell, std::optional<std::string> typed = std::nullopt);
// commit: the editor's text becomes the cell's text.
void CloseEditor(GridControl& grid, bool commit);

// roster_grid_clipboard.cpp
void CopySelection(GridControl& grid);
void CutSelection(GridControl& grid);
void PasteAtFocus(GridControl& grid);
