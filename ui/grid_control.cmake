# The Win32 grid control target (roster_grid_control) and its sources.
