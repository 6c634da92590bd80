#pragma once
// The rectangle a cell is drawn in: its merged range, or the cell alone.

#include "ui/grid_model.h"

// The position must lie inside the grid.
CellRect CellSpan(const GridModel& model, CellPos cell);
