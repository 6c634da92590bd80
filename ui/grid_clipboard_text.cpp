#include "ui/grid_clipboard_text.h"

#include <algorithm>

namespace {

// The part of the rectangle inside the grid, rows from minRow; nothing when empty.
std::optional<CellRect> InsideGrid(const GridModel& model, CellRect cells, int32_t minRow) {
    const CellRect inside{std::max(cells.top, minRow), std::max(cells.left, 0),
                          std::min(cells.bottom, model.RowCount() - 1),
                          std::min(cells.right, model.ColumnCount() - 1)};
    if (inside.top > inside.bottom || inside.left > inside.right) return std::nullopt;
    return inside;
}

}  // namespace

std::string CellsAsText(const GridModel& model, CellRect cells) {
    const std::optional<CellRect> inside = InsideGrid(model, cells, 0);
    if (!inside) return {};
    std::string text;
    for (int32_t row = inside->top; row <= inside->bottom; ++row) {
        if (row > inside->top) text += "\r\n";
        for (int32_t column = inside->left; column <= inside->right; ++column) {
            if (column > inside->left) text += '\t';
            text += model.CellText(row, column);
        }
    }
    return text;
}

std::vector<std::vector<std::string>> ParseClipboardText(std::string_view text) {
    std::vector<std::vector<std::string>> rows;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t lineEnd = std::min(text.find_first_of("\r\n", pos), text.size());
        const std::string_view line = text.substr(pos, lineEnd - pos);
        std::vector<std::string>& row = rows.emplace_back();
        size_t cellStart = 0;
        for (;;) {
            const size_t tab = line.find('\t', cellStart);
            row.emplace_back(line.substr(cellStart, tab == std::string_view::npos ? line.npos : tab - cellStart));
            if (tab == std::string_view::npos) break;
            cellStart = tab + 1;
        }
        pos = lineEnd;
        if (pos < text.size()) pos += text.substr(pos, 2) == "\r\n" ? 2 : 1;
    }
    return rows;
}

std::optional<CellRect> PasteTable(GridModel& model, CellPos topLeft,
                                   const std::vector<std::vector<std::string>>& table) {
    size_t widest = 0;
    for (const auto& row : table) widest = std::max(widest, row.size());
    // 64-bit sums: a table may reach far beyond the grid.
    const int64_t bottom = std::min<int64_t>(int64_t{topLeft.row} + static_cast<int64_t>(table.size()) - 1,
                                             model.RowCount() - 1);
    const int64_t right = std::min<int64_t>(int64_t{topLeft.column} + static_cast<int64_t>(widest) - 1,
                                            model.ColumnCount() - 1);
    const std::optional<CellRect> written = InsideGrid(
        model, {topLeft.row, topLeft.column, static_cast<int32_t>(bottom), static_cast<int32_t>(right)}, 1);
    if (!written) return std::nullopt;
    for (int32_t row = written->top; row <= written->bottom; ++row) {
        const auto& cells = table[static_cast<size_t>(row - topLeft.row)];
        for (int32_t column = written->left; column <= written->right; ++column) {
            const auto index = static_cast<size_t>(column - topLeft.column);
            if (index < cells.size()) model.SetCellText(row, column, cells[index]);
        }
    }
    return written;
}

void EmptyBodyCells(GridModel& model, CellRect cells) {
    const std::optional<CellRect> inside = InsideGrid(model, cells, 1);
    if (!inside) return;
    for (int32_t row = inside->top; row <= inside->bottom; ++row) {
        for (int32_t column = inside->left; column <= inside->right; ++column) {
            model.SetCellText(row, column, {});
        }
    }
}
