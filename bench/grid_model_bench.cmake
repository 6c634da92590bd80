# The grid model benchmark: GenerateRoster, LayoutRosterGrid and the fill together.
add_executable(bench_grid_model grid_model_bench.cpp)
target_link_libraries(bench_grid_model PRIVATE roster_grid_model bench_util)
roster_warnings(bench_grid_model)
