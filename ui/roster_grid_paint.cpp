// Drawing: every cell in view into a back buffer, then one copy to the
// screen, so the cost follows the cells shown, never the grid's size.

#include <algorithm>
#include <vector>

#include "ui/grid_autofit.h"
#include "ui/grid_span.h"
#include "ui/roster_grid_control.h"

namespace {

constexpr COLORREF kGridLineColour = RGB(192, 192, 192);
constexpr COLORREF kCellColour = RGB(255, 255, 255);
constexpr COLORREF kTextColour = RGB(0, 0, 0);
constexpr COLORREF kSelectionColour = RGB(49, 106, 197);
constexpr COLORREF kFocusFrameColour = RGB(0, 0, 0);
constexpr COLORREF kBeyondColour = RGB(255, 255, 255);
constexpr LONG kHeaderFocusWeight = 600;

LONG ClampToLong(int64_t v) {
    // Off-screen edges of huge grids; a little past the client area is enough.
    return static_cast<LONG>(std::clamp<int64_t>(v, -4, 1 << 20));
}

void Fill(HDC dc, const RECT& area, COLORREF colour) {
    SetBkColor(dc, colour);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
}

struct CellLook {
    COLORREF background;
    COLORREF text;
    HFONT font;
    bool focusFrame;
};

CellLook LookOf(const GridControl& grid, CellRect span) {
    const std::optional<CellPos> focus = grid.model.Focus();
    if (span.top == 0) {
        const bool focusColumn = focus && focus->column >= span.left && focus->column <= span.right;
        return {GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_WINDOWTEXT),
                focusColumn ? grid.headerFocusFont : grid.font, false};
    }
    if (focus && span.Contains(*focus)) return {kCellColour, kTextColour, grid.font, true};
    const std::optional<CellRect> selection = grid.model.Selection();
    const bool selected = selection && selection->Contains({span.top, span.left});
    return {selected ? kSelectionColour : kCellColour, kTextColour, grid.font, false};
}

void DrawCellText(HDC dc, const RECT& interior, std::string_view text, HorizontalAlignment alignment) {
    if (text.empty()) return;
    RECT box{interior.left + kCellTextMargin, interior.top, interior.right - kCellTextMargin, interior.bottom};
    const int length = static_cast<int>(std::min<size_t>(text.size(), INT_MAX));
    SIZE extent{};
    GetTextExtentPoint32A(dc, text.data(), length, &extent);
    // A text too wide for its cell shows its beginning, cut at the right edge.
    UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP | DT_LEFT;
    if (extent.cx <= box.right - box.left) {
        if (alignment == HorizontalAlignment::Centre) format = (format & ~DT_LEFT) | DT_CENTER;
        if (alignment == HorizontalAlignment::Right) format = (format & ~DT_LEFT) | DT_RIGHT;
    }
    // Cut at the cell's edge: the interior, so the text never covers a grid line.
    IntersectClipRect(dc, interior.left, interior.top, interior.right, interior.bottom);
    DrawTextA(dc, text.data(), length, &box, format);
    SelectClipRgn(dc, nullptr);
}

void DrawSpan(const GridControl& grid, HDC dc, CellRect span) {
    const RECT box = CellsPixelRect(grid, span);
    if (box.right <= box.left || box.bottom <= box.top) return;
    const RECT interior{box.left, box.top, box.right - 1, box.bottom - 1};
    const CellLook look = LookOf(grid, span);
    Fill(dc, interior, look.background);
    Fill(dc, {box.right - 1, box.top, box.right, box.bottom}, kGridLineColour);
    Fill(dc, {box.left, box.bottom - 1, box.right, box.bottom}, kGridLineColour);
    SelectObject(dc, look.font);
    SetTextColor(dc, look.text);
    DrawCellText(dc, interior, grid.model.CellText(span.top, span.left), grid.model.Alignment(span.top, span.left));
    if (look.focusFrame) {
        HBRUSH frame = CreateSolidBrush(kFocusFrameColour);
        FrameRect(dc, &interior, frame);
        DeleteObject(frame);
    }
}

// Draws the cells of the rows in view, each merged range once.
void DrawRows(const GridControl& grid, HDC dc, int32_t firstRow, int32_t lastRow) {
    std::vector<CellRect> rangesDrawn;
    for (int32_t row = firstRow; row <= lastRow; ++row) {
        for (int32_t column = grid.visible.firstColumn; column <= grid.visible.lastColumn; ++column) {
            const CellRect span = CellSpan(grid.model, {row, column});
            if (span.top != span.bottom || span.left != span.right) {
                if (std::find(rangesDrawn.begin(), rangesDrawn.end(), span) != rangesDrawn.end()) continue;
                rangesDrawn.push_back(span);
            }
            DrawSpan(grid, dc, span);
        }
    }
}

void DrawGrid(const GridControl& grid, HDC dc, ViewSize size) {
    Fill(dc, {0, 0, size.width, size.height}, kBeyondColour);
    SetBkMode(dc, TRANSPARENT);
    DrawRows(grid, dc, grid.visible.firstRow, grid.visible.lastRow);
    // The header row last: ranges that begin in rows scrolled away above
    // must not cover it.
    DrawRows(grid, dc, 0, 0);
    SetBkMode(dc, OPAQUE);
}

}  // namespace

void CreateGridFonts(GridControl& grid) {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    LOGFONTA font{};
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        font = metrics.lfMessageFont;
    } else {
        GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
    }
    grid.font = CreateFontIndirectA(&font);
    font.lfWeight = kHeaderFocusWeight;
    grid.headerFocusFont = CreateFontIndirectA(&font);

    HDC dc = GetDC(grid.window);
    HGDIOBJ old = SelectObject(dc, grid.font);
    TEXTMETRICA text{};
    GetTextMetricsA(dc, &text);
    grid.lineHeight = text.tmHeight;
    SelectObject(dc, old);
    ReleaseDC(grid.window, dc);
}

void ReleaseGridGdiObjects(GridControl& grid) {
    const auto release = [](auto& object) {
        if (object) DeleteObject(object);
        object = nullptr;
    };
    release(grid.font);
    release(grid.headerFocusFont);
    release(grid.backBuffer);
}

void PaintGrid(GridControl& grid, HDC target) {
    const ViewSize size = ClientSize(grid);
    if (size.width <= 0 || size.height <= 0) return;
    if (!grid.backBuffer || grid.backBufferSize.width != size.width || grid.backBufferSize.height != size.height) {
        if (grid.backBuffer) DeleteObject(grid.backBuffer);
        grid.backBuffer = CreateCompatibleBitmap(target, size.width, size.height);
        grid.backBufferSize = size;
    }
    HDC buffer = CreateCompatibleDC(target);
    HGDIOBJ oldBitmap = SelectObject(buffer, grid.backBuffer);
    HGDIOBJ oldFont = SelectObject(buffer, grid.font);
    DrawGrid(grid, buffer, size);
    BitBlt(target, 0, 0, size.width, size.height, buffer, 0, 0, SRCCOPY);
    SelectObject(buffer, oldFont);
    SelectObject(buffer, oldBitmap);
    DeleteDC(buffer);
}

RECT CellsPixelRect(const GridControl& grid, CellRect cells) {
    const GridModel& model = grid.model;
    const int64_t left = ColumnX(model, grid.scroll, cells.left);
    const int64_t right = ColumnX(model, grid.scroll, cells.right) + model.ColumnWidth(cells.right);
    int64_t top = RowY(model, grid.scroll, cells.top);
    const int64_t bottom = RowY(model, grid.scroll, cells.bottom) + model.RowHeight(cells.bottom);
    // Body rows scrolled away lie under the header row.
    if (cells.top >= 1 && cells.bottom >= 1) top = std::max<int64_t>(top, model.RowHeight(0));
    return {ClampToLong(left), ClampToLong(top), ClampToLong(right), ClampToLong(bottom)};
}

void InvalidateCells(GridControl& grid, CellRect cells) {
    if (!grid.window) return;
    const VisibleCells& v = grid.visible;
    const bool rowsInView = cells.top == 0 || (cells.top <= v.lastRow && cells.bottom >= v.firstRow);
    const bool columnsInView = cells.left <= v.lastColumn && cells.right >= v.firstColumn;
    if (!rowsInView || !columnsInView) return;
    const CellRect inside{std::max(cells.top, 0), std::max(cells.left, 0),
                          std::min(cells.bottom, grid.model.RowCount() - 1),
                          std::min(cells.right, grid.model.ColumnCount() - 1)};
    if (inside.top > inside.bottom || inside.left > inside.right) return;
    const RECT pixels = CellsPixelRect(grid, inside);
    InvalidateRect(grid.window, &pixels, FALSE);
}

void InvalidateGrid(GridControl& grid) {
    if (grid.window) InvalidateRect(grid.window, nullptr, FALSE);
}

void InvalidateFocusAndSelection(GridControl& grid, std::optional<CellPos> focus,
                                 std::optional<CellRect> selection) {
    const auto inGrid = [&](CellPos p) {
        return p.row >= 0 && p.row < grid.model.RowCount() && p.column >= 0 && p.column < grid.model.ColumnCount();
    };
    if (focus && inGrid(*focus)) {
        InvalidateCells(grid, CellSpan(grid.model, *focus));
        InvalidateCells(grid, CellSpan(grid.model, {0, focus->column}));
    }
    if (selection) InvalidateCells(grid, *selection);
}

int32_t MeasureText(const GridControl& grid, std::string_view text, bool header) {
    HDC dc = GetDC(grid.window);
    HGDIOBJ old = SelectObject(dc, header ? grid.headerFocusFont : grid.font);
    SIZE extent{};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(std::min<size_t>(text.size(), INT_MAX)), &extent);
    SelectObject(dc, old);
    ReleaseDC(grid.window, dc);
    return extent.cx;
}
