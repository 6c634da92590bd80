// The window class of the roster grid and its window procedure, which hands
// each message to the job that handles it.

#include <windowsx.h>

#include "ui/roster_grid_control.h"

namespace {

constexpr char kClassName[] = "RosterGrid";

GridControl* ControlOf(HWND window) {
    return reinterpret_cast<GridControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

LRESULT HandleMessage(GridControl& grid, UINT message, WPARAM wParam, LPARAM lParam) {
    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);
    switch (message) {
    case WM_CREATE:
        CreateGridFonts(grid);
        UpdateScrollBars(grid);
        return 0;
    case WM_SIZE:
        if (!grid.updatingScrollBars) UpdateScrollBars(grid);
        InvalidateGrid(grid);
        return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(grid.window, &paint);
        PaintGrid(grid, dc);
        EndPaint(grid.window, &paint);
        return 0;
    }
    case WM_PRINTCLIENT: PaintGrid(grid, reinterpret_cast<HDC>(wParam)); return 0;
    case WM_HSCROLL: OnScrollBar(grid, SB_HORZ, LOWORD(wParam)); return 0;
    case WM_VSCROLL: OnScrollBar(grid, SB_VERT, LOWORD(wParam)); return 0;
    case WM_MOUSEWHEEL: OnMouseWheel(grid, GET_WHEEL_DELTA_WPARAM(wParam), (wParam & MK_SHIFT) != 0); return 0;
    case WM_MOUSEHWHEEL: OnMouseWheel(grid, GET_WHEEL_DELTA_WPARAM(wParam), true); return 0;
    case WM_LBUTTONDOWN: OnButtonDown(grid, x, y, (wParam & MK_SHIFT) != 0); return 0;
    case WM_MOUSEMOVE: OnMouseMove(grid, x, y); return 0;
    case WM_LBUTTONUP: OnButtonUp(grid); return 0;
    case WM_LBUTTONDBLCLK: OnDoubleClick(grid, x, y); return 0;
    case WM_CAPTURECHANGED: OnCaptureLost(grid); return 0;
    case WM_RBUTTONDOWN: OnRightButtonDown(grid, x, y); return 0;
    // No context menu, neither here nor from the parent.
    case WM_RBUTTONUP:
    case WM_CONTEXTMENU: return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && SetSizingCursor(grid)) return TRUE;
        break;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
    case WM_KEYDOWN: OnKeyDown(grid, wParam); return 0;
    case WM_CHAR: OnCharacter(grid, static_cast<char>(wParam)); return 0;
    case WM_NCDESTROY:
        ReleaseGridGdiObjects(grid);
        SetWindowLongPtrA(grid.window, GWLP_USERDATA, 0);
        grid.window = nullptr;
        grid.editor = nullptr;
        return 0;
    default: break;
    }
    return DefWindowProcA(grid.window, message, wParam, lParam);
}

LRESULT CALLBACK GridWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* grid = static_cast<GridControl*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        grid->window = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(grid));
    }
    GridControl* grid = ControlOf(window);
    return grid ? HandleMessage(*grid, message, wParam, lParam) : DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterGridClass(HINSTANCE instance) {
    WNDCLASSEXA known{};
    known.cbSize = sizeof(known);
    if (GetClassInfoExA(instance, kClassName, &known)) return true;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = &GridWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    return RegisterClassExA(&windowClass) != 0;
}

}  // namespace

HWND CreateGridWindow(GridControl& grid, HWND parent, int controlId, int x, int y, int width, int height) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!RegisterGridClass(instance)) return nullptr;
    return CreateWindowExA(WS_EX_CLIENTEDGE, kClassName, "",
                           WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, x, y, width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), instance, &grid);
}
