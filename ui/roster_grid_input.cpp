// The user's mouse and keys: focus and selection, size dragging, fitting,
// opening the editor, the clipboard keys.

#include <algorithm>

#include "ui/grid_autofit.h"
#include "ui/grid_span.h"
#include "ui/roster_grid_control.h"

namespace {

bool KeyDown(int key) { return GetKeyState(key) < 0; }

void AfterSizeChange(GridControl& grid) {
    UpdateScrollBars(grid);
    InvalidateGrid(grid);
}

void FitToContents(GridControl& grid, const GridHit& edge) {
    if (edge.kind == GridHit::Kind::ColumnEdge) {
        const int32_t width = FitColumnWidth(grid.model, edge.index, grid.visible.firstRow, grid.visible.lastRow,
                                             [&](std::string_view text, bool header) {
                                                 return MeasureText(grid, text, header);
                                             });
        grid.model.ResizeColumn(edge.index, width);
    } else {
        grid.model.SetRowHeight(edge.index, FitRowHeight(grid.lineHeight));
    }
    AfterSizeChange(grid);
}

// A click on a header cell goes to the body cell below it.
std::optional<CellPos> BodyCellFor(const GridModel& model, CellPos cell) {
    if (cell.row == 0) cell.row = 1;
    if (cell.row >= model.RowCount()) return std::nullopt;
    return cell;
}

void EndDrag(GridControl& grid) {
    grid.drag = GridControl::Drag::None;
    if (GetCapture() == grid.window) ReleaseCapture();
}

}  // namespace

void MoveFocus(GridControl& grid, GridMove move, bool extend) {
    const int32_t page = PageRows(grid.model, grid.scroll, ClientSize(grid));
    ChangeSelection(grid, [&] { grid.selector.Move(move, page, extend); });
    if (const auto reached = grid.selector.Reached()) ScrollIntoView(grid, CellSpan(grid.model, *reached));
}

void OnButtonDown(GridControl& grid, int x, int y, bool shift) {
    // Taking the focus closes an open editor, which commits it.
    SetFocus(grid.window);
    const GridHit hit = HitTest(grid.model, grid.scroll, x, y);
    switch (hit.kind) {
    case GridHit::Kind::Nothing: return;
    case GridHit::Kind::ColumnEdge:
    case GridHit::Kind::RowEdge: {
        const bool column = hit.kind == GridHit::Kind::ColumnEdge;
        grid.drag = column ? GridControl::Drag::ColumnWidth : GridControl::Drag::RowHeight;
        grid.sizedIndex = hit.index;
        // The line keeps its place under the pointer, wherever it was grabbed.
        const int64_t farEdge = column ? ColumnX(grid.model, grid.scroll, hit.index) + grid.model.ColumnWidth(hit.index)
                                       : RowY(grid.model, grid.scroll, hit.index) + grid.model.RowHeight(hit.index);
        grid.grabOffset = static_cast<int32_t>(farEdge - (column ? x : y));
        SetCapture(grid.window);
        return;
    }
    case GridHit::Kind::Cell: break;
    }
    if (hit.cell.row == 0) {
        ChangeSelection(grid, [&] { grid.selector.SelectColumns(hit.cell.column); });
        return;
    }
    const CellRect span = CellSpan(grid.model, hit.cell);
    if (shift) {
        ChangeSelection(grid, [&] { grid.selector.ExtendTo(hit.cell); });
    } else {
        grid.editOnRelease = grid.model.Focus() == CellPos{span.top, span.left};
        ChangeSelection(grid, [&] { grid.selector.SelectCell(hit.cell); });
    }
    ScrollIntoView(grid, span);
    grid.drag = GridControl::Drag::Cells;
    SetCapture(grid.window);
}

void OnMouseMove(GridControl& grid, int x, int y) {
    switch (grid.drag) {
    case GridControl::Drag::None: return;
    case GridControl::Drag::Cells: {
        const CellPos target = DragTarget(grid.model, grid.scroll, x, y);
        if (target == grid.selector.Reached()) return;
        grid.editOnRelease = false;
        ChangeSelection(grid, [&] { grid.selector.ExtendTo(target); });
        ScrollIntoView(grid, CellSpan(grid.model, target));
        return;
    }
    case GridControl::Drag::ColumnWidth: {
        const int64_t left = ColumnX(grid.model, grid.scroll, grid.sizedIndex);
        grid.model.ResizeColumn(grid.sizedIndex, static_cast<int32_t>(std::max<int64_t>(x + grid.grabOffset - left, 0)));
        break;
    }
    case GridControl::Drag::RowHeight: {
        const int64_t top = RowY(grid.model, grid.scroll, grid.sizedIndex);
        grid.model.SetRowHeight(grid.sizedIndex, static_cast<int32_t>(std::max<int64_t>(y + grid.grabOffset - top, 0)));
        break;
    }
    }
    AfterSizeChange(grid);
}

void OnButtonUp(GridControl& grid) {
    const bool edit = grid.editOnRelease && grid.drag == GridControl::Drag::Cells;
    grid.editOnRelease = false;
    EndDrag(grid);
    if (edit && grid.model.Focus()) OpenEditor(grid, *grid.model.Focus());
}

void OnDoubleClick(GridControl& grid, int x, int y) {
    SetFocus(grid.window);
    const GridHit hit = HitTest(grid.model, grid.scroll, x, y);
    if (hit.kind == GridHit::Kind::ColumnEdge || hit.kind == GridHit::Kind::RowEdge) {
        FitToContents(grid, hit);
    } else if (hit.kind == GridHit::Kind::Cell && hit.cell.row == 0) {
        ChangeSelection(grid, [&] { grid.selector.SelectColumns(hit.cell.column); });
    } else if (hit.kind == GridHit::Kind::Cell) {
        ChangeSelection(grid, [&] { grid.selector.SelectCell(hit.cell); });
        if (const auto focus = grid.model.Focus()) OpenEditor(grid, *focus);
    }
}

void OnRightButtonDown(GridControl& grid, int x, int y) {
    SetFocus(grid.window);
    const GridHit hit = HitTest(grid.model, grid.scroll, x, y);
    if (hit.kind != GridHit::Kind::Cell) return;
    if (const auto cell = BodyCellFor(grid.model, hit.cell)) {
        ChangeSelection(grid, [&] { grid.selector.SelectCell(*cell); });
        ScrollIntoView(grid, CellSpan(grid.model, *cell));
    }
}

bool SetSizingCursor(GridControl& grid) {
    POINT point{};
    GetCursorPos(&point);
    ScreenToClient(grid.window, &point);
    GridHit::Kind kind = HitTest(grid.model, grid.scroll, point.x, point.y).kind;
    if (grid.drag == GridControl::Drag::ColumnWidth) kind = GridHit::Kind::ColumnEdge;
    if (grid.drag == GridControl::Drag::RowHeight) kind = GridHit::Kind::RowEdge;
    if (kind == GridHit::Kind::ColumnEdge) SetCursor(LoadCursorA(nullptr, IDC_SIZEWE));
    else if (kind == GridHit::Kind::RowEdge) SetCursor(LoadCursorA(nullptr, IDC_SIZENS));
    else return false;
    return true;
}

void OnCaptureLost(GridControl& grid) {
    grid.drag = GridControl::Drag::None;
    grid.editOnRelease = false;
}

void OnKeyDown(GridControl& grid, WPARAM key) {
    const bool ctrl = KeyDown(VK_CONTROL);
    const bool shift = KeyDown(VK_SHIFT);
    if (ctrl && (key == 'C' || key == VK_INSERT)) return CopySelection(grid);
    if (ctrl && key == 'X') return CutSelection(grid);
    if ((ctrl && key == 'V') || (shift && key == VK_INSERT)) return PasteAtFocus(grid);
    if (ctrl && key == 'A') return ChangeSelection(grid, [&] { grid.selector.SelectAll(); });
    switch (key) {
    case VK_LEFT: return MoveFocus(grid, GridMove::Left, shift);
    case VK_RIGHT: return MoveFocus(grid, GridMove::Right, shift);
    case VK_UP: return MoveFocus(grid, GridMove::Up, shift);
    case VK_DOWN: return MoveFocus(grid, GridMove::Down, shift);
    case VK_TAB: return MoveFocus(grid, shift ? GridMove::PreviousInRow : GridMove::NextInRow, false);
    case VK_PRIOR: return MoveFocus(grid, GridMove::PageUp, shift);
    case VK_NEXT: return MoveFocus(grid, GridMove::PageDown, shift);
    case VK_HOME: return MoveFocus(grid, ctrl ? GridMove::GridStart : GridMove::RowStart, shift);
    case VK_END: return MoveFocus(grid, ctrl ? GridMove::GridEnd : GridMove::RowEnd, shift);
    case VK_F2:
        if (grid.model.Focus()) OpenEditor(grid, *grid.model.Focus());
        return;
    default: return;
    }
}

void OnCharacter(GridControl& grid, char character) {
    const auto byte = static_cast<unsigned char>(character);
    // Control characters (Tab, Enter, Esc, Ctrl+letters) open nothing.
    if (byte < 32 || byte == 127) return;
    if (!grid.model.Focus()) return;
    std::string typed;
    if (grid.leadByte) {
        typed = {*grid.leadByte, character};
        grid.leadByte.reset();
    } else if (IsDBCSLeadByte(byte)) {
        // The second byte of a double-byte character comes in its own message.
        grid.leadByte = character;
        return;
    } else {
        typed = std::string(1, character);
    }
    // Characters queued for the grid before the editor took the focus go on
    // into the editor.
    if (grid.editor) SendMessageA(grid.editor, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(typed.c_str()));
    else OpenEditor(grid, *grid.model.Focus(), typed);
}
