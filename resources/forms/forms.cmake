# Shared by host.cmake and win.cmake: each window description resources/forms/<name>.txt is
# converted to the binary component stream ${TOLSY_FORMS_DIR}/<NAME>.bin by streamconv. The
# main window's stored theme container is put in first when the theme's resources part has a
# rule producing TOLSY_THEME_CONTAINER_FILE.

set(TOLSY_FORMS_DIR ${CMAKE_BINARY_DIR}/generated/forms)
set(TOLSY_THEME_CONTAINER_FILE ${CMAKE_BINARY_DIR}/theme/tolsy_metal.container)
tolsy_host_tool(tolsy_streamconv streamconv)

file(GLOB tolsy_form_texts CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.txt)
set(TOLSY_FORM_BINARIES "")
set(TOLSY_FORM_NAMES "")
foreach(text IN LISTS tolsy_form_texts)
  get_filename_component(stem ${text} NAME_WE)
  string(TOUPPER ${stem} name)
  set(bin ${TOLSY_FORMS_DIR}/${name}.bin)
  add_custom_command(
    OUTPUT ${bin}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TOLSY_FORMS_DIR}
    COMMAND ${CMAKE_COMMAND} -DIN=${text} -DOUT=${TOLSY_FORMS_DIR}/${stem}.txt
            -DCONTAINER=${TOLSY_THEME_CONTAINER_FILE}
            -P ${CMAKE_CURRENT_LIST_DIR}/embed_theme.cmake
    COMMAND ${tolsy_streamconv} tobinary ${TOLSY_FORMS_DIR}/${stem}.txt ${bin}
    DEPENDS ${text} ${CMAKE_CURRENT_LIST_DIR}/embed_theme.cmake
            $<$<NOT:$<BOOL:${CMAKE_CROSSCOMPILING}>>:streamconv>
    COMMENT "Converting window description ${stem}.txt")
  list(APPEND TOLSY_FORM_BINARIES ${bin})
  list(APPEND TOLSY_FORM_NAMES ${name})
endforeach()

# The theme's rule is declared by a resources part read after this one; once everything is
# read, the descriptions are made to depend on it when it exists.
function(tolsy_forms_depend_on_theme)
  get_source_file_property(generated ${TOLSY_THEME_CONTAINER_FILE} GENERATED)
  if(generated)
    add_custom_command(OUTPUT ${TOLSY_FORMS_DIR}/TFORM1.bin APPEND DEPENDS ${TOLSY_THEME_CONTAINER_FILE})
  endif()
endfunction()
cmake_language(DEFER CALL tolsy_forms_depend_on_theme)
