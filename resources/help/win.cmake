# The help file "tolsy.chm": compiled from the HTML sources with chmcmd and placed beside
# tolsy.exe, where the help viewer finds it by its bare name.
find_program(TOLSY_CHMCMD chmcmd REQUIRED)
file(GLOB help_sources CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_LIST_DIR}/*.htm ${CMAKE_CURRENT_LIST_DIR}/*.css ${CMAKE_CURRENT_LIST_DIR}/*.txt
  ${CMAKE_CURRENT_LIST_DIR}/*.hhp ${CMAKE_CURRENT_LIST_DIR}/*.hhc ${CMAKE_CURRENT_LIST_DIR}/*.hhk)
set(help_work ${CMAKE_BINARY_DIR}/generated/help)
set(help_output ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/tolsy.chm)
add_custom_command(
  OUTPUT ${help_output}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${help_work}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${help_work}
  COMMAND ${CMAKE_COMMAND} -E copy ${help_sources} ${help_work}
  COMMAND ${CMAKE_COMMAND} -E chdir ${help_work} ${TOLSY_CHMCMD} tolsy.hhp
  COMMAND ${CMAKE_COMMAND} -E copy ${help_work}/tolsy.chm ${help_output}
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  DEPENDS ${help_sources}
  COMMENT "Compiling the help file tolsy.chm"
  VERBATIM)
add_custom_target(help_file ALL DEPENDS ${help_output})
