# Shared by host.cmake and win.cmake: each window description resources/forms/<name>.txt is
# converted to the binary component stream ${TOLSY_FORMS_DIR}/<NAME>.bin by streamconv. The
# main window's stored theme is put in first when a build rule produces TOLSY_THEME_STORE_FILE
# (the stored theme bytes, added by the theme's own resources part).

set(TOLSY_FORMS_DIR ${CMAKE_BINARY_DIR}/generated/forms)
set(TOLSY_THEME_STORE_FILE ${CMAKE_BINARY_DIR}/generated/theme/tolsy_metal.mskn
    CACHE FILEPATH "Stored built-in theme put into the main window's description")
set(TOLSY_THEME_STORE_NAME "Tolsy metal")
tolsy_host_tool(tolsy_streamconv streamconv)

file(GLOB tolsy_form_texts CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.txt)
set(TOLSY_FORM_BINARIES "")
set(TOLSY_FORM_NAMES "")
foreach(text IN LISTS tolsy_form_texts)
  get_filename_component(stem ${text} NAME_WE)
  string(TOUPPER ${stem} name)
  set(bin ${TOLSY_FORMS_DIR}/${name}.bin)
  # Only the main window carries the stored theme.
  set(theme_arg "")
  if(name STREQUAL "TFORM1")
    set(theme_arg -DTHEME=${TOLSY_THEME_STORE_FILE})
  endif()
  add_custom_command(
    OUTPUT ${bin}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TOLSY_FORMS_DIR}
    COMMAND ${CMAKE_COMMAND} -DIN=${text} -DOUT=${TOLSY_FORMS_DIR}/${stem}.txt
            ${theme_arg} "-DTHEME_NAME=${TOLSY_THEME_STORE_NAME}"
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
  get_source_file_property(generated ${TOLSY_THEME_STORE_FILE} GENERATED)
  if(generated)
    add_custom_command(OUTPUT ${TOLSY_FORMS_DIR}/TFORM1.bin APPEND DEPENDS ${TOLSY_THEME_STORE_FILE})
  endif()
endfunction()
cmake_language(DEFER CALL tolsy_forms_depend_on_theme)
