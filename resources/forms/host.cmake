# Window descriptions in binary form for host tests and benchmarks.
include(${CMAKE_CURRENT_LIST_DIR}/forms.cmake)
add_custom_target(tolsy_forms ALL DEPENDS ${TOLSY_FORM_BINARIES})
