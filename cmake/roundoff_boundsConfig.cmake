# The installed package: the program as the imported target
# roundoff_bounds::roundoff_bounds, and roundoff_bounds_add_header to run it.
include("${CMAKE_CURRENT_LIST_DIR}/roundoff_boundsTargets.cmake")
include("${CMAKE_CURRENT_LIST_DIR}/roundoff_bounds_header.cmake")
