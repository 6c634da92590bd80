# The grid repaint benchmark (Windows): run by hand under Wine.
add_executable(bench_grid_paint grid_paint_bench.cpp)
target_link_libraries(bench_grid_paint PRIVATE roster_grid_control bench_util)
roster_warnings(bench_grid_paint)
