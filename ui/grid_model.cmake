# The grid model target (roster_grid_model) and its sources.
