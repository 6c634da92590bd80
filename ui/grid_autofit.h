#pragma once
// What a double-click on a grid line fits a column or row to. Only the rows on
// screen are measured (plus the header row), so the cost does not grow with
// the grid: a column of a huge roster fits what the user sees.

#include <cstdint>
#include <functional>
#include <string_view>

#include "ui/grid_model.h"

// Room between a cell's text and its grid lines, left and right.
inline constexpr int32_t kCellTextMargin = 3;

// The width that shows the widest text of the column among the header cell and
// the body rows firstRow..lastRow, margins and grid line included. Cells of
// ranges wider than one column, and the hidden cells of ranges, do not count.
// textWidth measures a text in pixels; header tells it the text's row is the
// header row, whose cells may be drawn bold.
using TextWidth = std::function<int32_t(std::string_view text, bool header)>;
int32_t FitColumnWidth(const GridModel& model, int32_t column, int32_t firstRow, int32_t lastRow,
                       const TextWidth& textWidth);

// Texts are one line in one font, so a row fits the font's line height.
int32_t FitRowHeight(int32_t lineHeight);
