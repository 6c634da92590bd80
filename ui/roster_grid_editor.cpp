// The in-place editor: an EDIT over one body cell. It handles its own keys
// (the main window does not look at them): Enter commits, Esc cancels, Tab
// and Up/Down commit and move on; losing the focus commits.
// Its subclass procedure is the one Unicode piece of the control: an ANSI
// procedure would have typed CJK characters converted to bytes and back one
// byte at a time, which loses them. It only looks at key codes; texts still
// go in and out as GBK.

#include "ui/grid_span.h"
#include "ui/roster_grid_control.h"

namespace {

GridControl* OwnerOf(HWND editor) {
    return reinterpret_cast<GridControl*>(GetWindowLongPtrW(editor, GWLP_USERDATA));
}

// Commits, then moves as the key would in the grid.
LRESULT CommitAndMove(GridControl& grid, GridMove move) {
    CloseEditor(grid, true);
    MoveFocus(grid, move, false);
    return 0;
}

LRESULT CALLBACK EditorProc(HWND editor, UINT message, WPARAM wParam, LPARAM lParam) {
    GridControl* grid = OwnerOf(editor);
    const WNDPROC base = grid->editorBaseProc;
    switch (message) {
    case WM_GETDLGCODE:
        return CallWindowProcW(base, editor, message, wParam, lParam) | DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
        switch (wParam) {
        case VK_RETURN: CloseEditor(*grid, true); return 0;
        case VK_ESCAPE: CloseEditor(*grid, false); return 0;
        case VK_TAB:
            return CommitAndMove(*grid, GetKeyState(VK_SHIFT) < 0 ? GridMove::PreviousInRow : GridMove::NextInRow);
        case VK_UP: return CommitAndMove(*grid, GridMove::Up);
        case VK_DOWN: return CommitAndMove(*grid, GridMove::Down);
        default: break;
        }
        break;
    case WM_CHAR:
        // The keys above also send characters; an EDIT would beep at them.
        if (wParam == '\r' || wParam == '\t' || wParam == 0x1B) return 0;
        break;
    case WM_KILLFOCUS: {
        const LRESULT result = CallWindowProcW(base, editor, message, wParam, lParam);
        if (grid->editor == editor) CloseEditor(*grid, true);
        return result;
    }
    default: break;
    }
    return CallWindowProcW(base, editor, message, wParam, lParam);
}

DWORD AlignmentStyle(HorizontalAlignment alignment) {
    switch (alignment) {
    case HorizontalAlignment::Centre: return ES_CENTER;
    case HorizontalAlignment::Right: return ES_RIGHT;
    case HorizontalAlignment::Left: break;
    }
    return ES_LEFT;
}

}  // namespace

void OpenEditor(GridControl& grid, CellPos cell, std::optional<std::string> typed) {
    if (cell.row < 1 || cell.row >= grid.model.RowCount() || cell.column < 0 ||
        cell.column >= grid.model.ColumnCount()) {
        return;
    }
    CloseEditor(grid, true);
    const CellRect span = CellSpan(grid.model, cell);
    ScrollIntoView(grid, span);
    // Inside the cell's interior and its focus frame, which stay visible.
    const RECT box = CellsPixelRect(grid, span);
    const RECT inside{box.left + 1, box.top + 1, box.right - 2, box.bottom - 2};
    const std::string text = typed ? *typed : std::string(grid.model.CellText(span.top, span.left));
    HWND editor = CreateWindowExA(
        0, "EDIT", text.c_str(),
        WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | AlignmentStyle(grid.model.Alignment(span.top, span.left)),
        inside.left, inside.top, std::max<LONG>(inside.right - inside.left, 1),
        std::max<LONG>(inside.bottom - inside.top, 1), grid.window, nullptr,
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(grid.window, GWLP_HINSTANCE)), nullptr);
    if (!editor) return;
    SendMessageA(editor, WM_SETFONT, reinterpret_cast<WPARAM>(grid.font), FALSE);
    SetWindowLongPtrW(editor, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&grid));
    grid.editorBaseProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(editor, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditorProc)));
    grid.editor = editor;
    grid.editedCell = {span.top, span.left};
    // The caret after the text; positions count characters, not GBK bytes.
    const auto end = static_cast<WPARAM>(GetWindowTextLengthW(editor));
    SendMessageW(editor, EM_SETSEL, end, static_cast<LPARAM>(end));
    SetFocus(editor);
}

void CloseEditor(GridControl& grid, bool commit) {
    HWND editor = grid.editor;
    if (!editor) return;
    // Cleared first: destroying the editor takes its focus, which lands here again.
    grid.editor = nullptr;
    if (commit) {
        const int length = GetWindowTextLengthA(editor);
        std::string text(static_cast<size_t>(length) + 1, '\0');
        text.resize(static_cast<size_t>(GetWindowTextA(editor, text.data(), length + 1)));
        grid.model.SetCellText(grid.editedCell.row, grid.editedCell.column, text);
        InvalidateCells(grid, CellSpan(grid.model, grid.editedCell));
    }
    if (GetFocus() == editor) SetFocus(grid.window);
    DestroyWindow(editor);
}
