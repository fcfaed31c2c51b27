# Host build: the built-in theme, for the tests, benchmarks and the proof sheet that read it.
include(${CMAKE_CURRENT_LIST_DIR}/theme.cmake)
foreach(target unit_theme bench_theme_load bench_theme_paint)
  if(TARGET ${target})
    add_dependencies(${target} tolsy_theme)
  endif()
endforeach()
# The theme tests also read the main window's description with the theme put in.
if(TARGET unit_theme AND TARGET tolsy_forms)
  add_dependencies(unit_theme tolsy_forms)
endif()

# The proof sheet: every root of the theme in every state, and the main window's frame.
set(TOLSY_PROOF_DIR ${CMAKE_BINARY_DIR}/proof)
add_custom_command(
  OUTPUT ${TOLSY_PROOF_DIR}/proofsheet.png ${TOLSY_PROOF_DIR}/main_window.png
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TOLSY_PROOF_DIR}
  COMMAND proofsheet ${TOLSY_THEME_STORED} ${TOLSY_PROOF_DIR}
  DEPENDS proofsheet ${TOLSY_THEME_STORED}
  COMMENT "Painting the proof sheet of the built-in theme")
add_custom_target(tolsy_proofsheet ALL
  DEPENDS ${TOLSY_PROOF_DIR}/proofsheet.png ${TOLSY_PROOF_DIR}/main_window.png)
add_dependencies(tolsy_proofsheet tolsy_theme)
