#include "ui/grid_autofit.h"

#include <algorithm>

#include "ui/grid_span.h"

int32_t FitColumnWidth(const GridModel& model, int32_t column, int32_t firstRow, int32_t lastRow,
                       const TextWidth& textWidth) {
    int32_t widest = 0;
    const auto measure = [&](int32_t row) {
        if (model.IsMergedMarked(row, column)) return;
        const CellRect span = CellSpan(model, {row, column});
        if (span.left != span.right) return;
        widest = std::max(widest, textWidth(model.CellText(row, column), row == 0));
    };
    measure(0);
    for (int32_t row = std::max(firstRow, 1); row <= std::min(lastRow, model.RowCount() - 1); ++row) {
        measure(row);
    }
    return widest + 2 * kCellTextMargin + 1;
}

int32_t FitRowHeight(int32_t lineHeight) {
    return lineHeight + 2 * kCellTextMargin + 1;
}
