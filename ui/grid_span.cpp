#include "ui/grid_span.h"

CellRect CellSpan(const GridModel& model, CellPos cell) {
    return model.MergedRangeAt(cell.row, cell.column)
        .value_or(CellRect{cell.row, cell.column, cell.row, cell.column});
}
