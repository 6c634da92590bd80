# The platform-free half of the grid control (roster_grid_view): scrolling and
# hit-testing geometry, focus and selection rules, clipboard text, fitting.
add_library(roster_grid_view STATIC
  ${CMAKE_CURRENT_LIST_DIR}/grid_span.cpp
  ${CMAKE_CURRENT_LIST_DIR}/grid_viewport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/grid_navigation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/grid_clipboard_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/grid_autofit.cpp
)
target_link_libraries(roster_grid_view PUBLIC roster_grid_model)
roster_warnings(roster_grid_view)
