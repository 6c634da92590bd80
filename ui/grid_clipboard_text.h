#pragma once
// The grid's clipboard text: a tab between the cells of a row and CRLF between
// rows, as spreadsheets read and write it. Texts are the cells' own GBK bytes.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/grid_model.h"

// The texts of the cells inside the grid, header and merged cells included.
std::string CellsAsText(const GridModel& model, CellRect cells);

// Rows split at CRLF (a lone LF or CR too), cells at tabs; one line break at
// the end closes the last row and adds none. The empty text has no rows.
std::vector<std::vector<std::string>> ParseClipboardText(std::string_view text);

// Writes the table into the body cells from the top-left cell on; what falls
// outside the grid or into the header row is dropped. Returns the rectangle
// written, if any.
std::optional<CellRect> PasteTable(GridModel& model, CellPos topLeft,
                                   const std::vector<std::vector<std::string>>& table);

// Empties the body cells of the rectangle (Cut); header cells keep their texts.
void EmptyBodyCells(GridModel& model, CellRect cells);
