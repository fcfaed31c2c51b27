# Icon (drawn as a text picture), version record and manifest of tolsy.exe.
set(program_gen ${CMAKE_BINARY_DIR}/generated/program)
add_custom_command(
  OUTPUT ${program_gen}/tolsy.ico
  COMMAND ${CMAKE_COMMAND} -E make_directory ${program_gen}
  COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/make_icon.py
          ${CMAKE_CURRENT_LIST_DIR}/icon.txt ${program_gen}/tolsy.ico
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/make_icon.py ${CMAKE_CURRENT_LIST_DIR}/icon.txt
  COMMENT "Drawing the program icon")
configure_file(${CMAKE_CURRENT_LIST_DIR}/tolsy.manifest ${program_gen}/tolsy.manifest COPYONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/tolsy.rc ${program_gen}/tolsy.rc COPYONLY)
set_source_files_properties(${program_gen}/tolsy.rc PROPERTIES
  OBJECT_DEPENDS "${program_gen}/tolsy.ico;${program_gen}/tolsy.manifest")
list(APPEND TOLSY_RESOURCE_FILES ${program_gen}/tolsy.rc)
list(APPEND TOLSY_RESOURCE_OUTPUTS ${program_gen}/tolsy.ico)
