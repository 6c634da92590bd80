# The Win32 grid control target (roster_grid_control) and its sources.
# Its platform-free half, roster_grid_view, comes from grid_view.cmake.
add_library(roster_grid_control STATIC
  ${CMAKE_CURRENT_LIST_DIR}/roster_grid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/roster_grid_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/roster_grid_paint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/roster_grid_scroll.cpp
  ${CMAKE_CURRENT_LIST_DIR}/roster_grid_input.cpp
  ${CMAKE_CURRENT_LIST_DIR}/roster_grid_editor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/roster_grid_clipboard.cpp
)
target_link_libraries(roster_grid_control PUBLIC roster_grid_view roster_grid_model user32 gdi32)
roster_warnings(roster_grid_control)
