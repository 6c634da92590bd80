#pragma once
// The roster on the grid: the layout that sizes the grid and writes its
// header, and the fill that shows an accepted roster. Both work through the
// grid's own operations only, as the window's generate handler runs them.

#include <cstdint>

#include "core/roster.h"
#include "ui/grid_model.h"

// cycleCount >= 0 and staffCount >= 1, as an accepted roster gives them.
// Column 0 is 50 px and headed 姓名; each cycle's two date columns share one
// merged header cell 起止日期; every cell is centred.
void LayoutRosterGrid(GridModel& grid, int32_t cycleCount, int32_t staffCount);

// Stores the cycle count into storedCycleCount (the program-wide count of the
// last accepted roster), lays the grid out from it and writes the names, then
// the dates cycle by cycle and person by person.
void ShowAcceptedRoster(GridModel& grid, const RosterAcceptance& roster, int32_t& storedCycleCount);
