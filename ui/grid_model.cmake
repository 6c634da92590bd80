# The grid target (roster_grid_model): the platform-free cell model and the roster layout on it.
add_library(roster_grid_model STATIC
  ${CMAKE_CURRENT_LIST_DIR}/grid_text_pool.cpp
  ${CMAKE_CURRENT_LIST_DIR}/grid_size_axis.cpp
  ${CMAKE_CURRENT_LIST_DIR}/grid_model.cpp
  ${CMAKE_CURRENT_LIST_DIR}/roster_layout.cpp
)
target_include_directories(roster_grid_model PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(roster_grid_model PUBLIC roster_core)
roster_warnings(roster_grid_model)
