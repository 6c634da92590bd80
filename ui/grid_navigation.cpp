#include "ui/grid_navigation.h"

#include <algorithm>

#include "ui/grid_span.h"

namespace {

CellPos MainCell(const GridModel& model, CellPos cell) {
    const CellRect span = CellSpan(model, cell);
    return {span.top, span.left};
}

CellRect Bounding(CellRect a, CellRect b) {
    return {std::min(a.top, b.top), std::min(a.left, b.left), std::max(a.bottom, b.bottom),
            std::max(a.right, b.right)};
}

bool InBody(const GridModel& model, CellPos cell) {
    return cell.row >= 1 && cell.row < model.RowCount() && cell.column >= 0 &&
           cell.column < model.ColumnCount();
}

}  // namespace

std::optional<CellPos> MovedFocus(const GridModel& model, std::optional<CellPos> from, GridMove move,
                                  int32_t pageRows) {
    const int32_t lastRow = model.RowCount() - 1;
    const int32_t lastColumn = model.ColumnCount() - 1;
    if (lastRow < 1) return std::nullopt;
    if (!from || !InBody(model, *from)) return CellPos{1, 0};

    // Moves step over the whole merged range the focus is in.
    const CellRect span = CellSpan(model, *from);
    CellPos to = *from;
    switch (move) {
    case GridMove::Left: to.column = std::max(span.left - 1, 0); break;
    case GridMove::Right: to.column = std::min(span.right + 1, lastColumn); break;
    case GridMove::Up: to.row = std::max(span.top - 1, 1); break;
    case GridMove::Down: to.row = std::min(span.bottom + 1, lastRow); break;
    case GridMove::NextInRow:
        if (span.right < lastColumn) to.column = span.right + 1;
        else if (span.bottom < lastRow) to = {span.bottom + 1, 0};
        break;
    case GridMove::PreviousInRow:
        if (span.left > 0) to.column = span.left - 1;
        else if (span.top > 1) to = {span.top - 1, lastColumn};
        break;
    case GridMove::PageUp: to.row = std::max(from->row - std::max(pageRows, 1), 1); break;
    case GridMove::PageDown: to.row = std::min(from->row + std::max(pageRows, 1), lastRow); break;
    case GridMove::RowStart: to.column = 0; break;
    case GridMove::RowEnd: to.column = lastColumn; break;
    case GridMove::GridStart: to = {1, 0}; break;
    case GridMove::GridEnd: to = {lastRow, lastColumn}; break;
    }
    return MainCell(model, to);
}

void GridSelector::SelectCell(CellPos cell) {
    if (!InBody(model_, cell)) return;
    const CellRect span = CellSpan(model_, cell);
    model_.SetFocus(CellPos{span.top, span.left});
    model_.SetSelection(span);
    farCorner_ = model_.Focus();
}

void GridSelector::SelectColumns(int32_t column) {
    if (column < 0 || column >= model_.ColumnCount()) return;
    const CellRect header = CellSpan(model_, {0, column});
    const int32_t lastRow = model_.RowCount() - 1;
    model_.SetSelection(CellRect{0, header.left, lastRow, header.right});
    model_.SetFocus(lastRow >= 1 ? std::optional<CellPos>(MainCell(model_, {1, header.left})) : std::nullopt);
    farCorner_ = CellPos{lastRow, header.right};
}

void GridSelector::SelectAll() {
    const int32_t lastRow = model_.RowCount() - 1;
    const int32_t lastColumn = model_.ColumnCount() - 1;
    model_.SetSelection(CellRect{0, 0, lastRow, lastColumn});
    if (lastRow >= 1 && !model_.Focus()) model_.SetFocus(CellPos{1, 0});
    farCorner_ = CellPos{lastRow, lastColumn};
}

void GridSelector::ExtendTo(CellPos cell) {
    const std::optional<CellPos> focus = model_.Focus();
    if (!focus) return SelectCell(cell);
    if (!InBody(model_, cell)) return;
    model_.SetSelection(Bounding(CellSpan(model_, *focus), CellSpan(model_, cell)));
    farCorner_ = cell;
}

void GridSelector::Move(GridMove move, int32_t pageRows, bool extend) {
    if (extend && model_.Focus()) {
        if (const auto to = MovedFocus(model_, Reached(), move, pageRows)) ExtendTo(*to);
        return;
    }
    if (const auto to = MovedFocus(model_, model_.Focus(), move, pageRows)) SelectCell(*to);
}

std::optional<CellPos> GridSelector::Reached() const {
    // The model's own rules may have emptied or moved the selection since.
    const std::optional<CellRect> selection = model_.Selection();
    if (farCorner_ && selection && selection->Contains(*farCorner_) && InBody(model_, *farCorner_)) {
        return farCorner_;
    }
    return model_.Focus();
}
