# The built-in theme "Tolsy metal": themegen draws its two images, themec compiles the objects
# and tables of tolsy_metal.txt with them into the stored theme (a maximum-compression skin)
# and into the ThemeStream container that TeThemeList1's item carries:
#   ${CMAKE_BINARY_DIR}/theme/tolsy_metal.mskn        (the stored theme alone)
#   ${CMAKE_BINARY_DIR}/theme/tolsy_metal.container   (kind 3, "Tolsy metal", size, the stored
#                                                       theme)
# The window descriptions' step (resources/forms) puts the container into the main window's
# description from TOLSY_THEME_CONTAINER_FILE, the path it names for it.
set(TOLSY_THEME_DIR ${CMAKE_BINARY_DIR}/theme)
set(TOLSY_THEME_STORED ${TOLSY_THEME_DIR}/tolsy_metal.mskn)
if(DEFINED TOLSY_THEME_CONTAINER_FILE)
  set(TOLSY_THEME_CONTAINER ${TOLSY_THEME_CONTAINER_FILE})
else()
  set(TOLSY_THEME_CONTAINER ${TOLSY_THEME_DIR}/tolsy_metal.container)
endif()

tolsy_host_tool(themegen_command themegen)
tolsy_host_tool(themec_command themec)
set(theme_tool_depends "")
if(NOT CMAKE_CROSSCOMPILING)
  set(theme_tool_depends themegen themec)
endif()

add_custom_command(
  OUTPUT ${TOLSY_THEME_DIR}/images.bin ${TOLSY_THEME_DIR}/themeimage.png
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TOLSY_THEME_DIR}
  COMMAND ${themegen_command} ${TOLSY_THEME_DIR}/images.bin ${TOLSY_THEME_DIR}
  DEPENDS ${theme_tool_depends}
  COMMENT "Drawing the images of the built-in theme")
get_filename_component(theme_container_dir ${TOLSY_THEME_CONTAINER} DIRECTORY)
add_custom_command(
  OUTPUT ${TOLSY_THEME_STORED} ${TOLSY_THEME_CONTAINER}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${theme_container_dir}
  COMMAND ${themec_command} ${CMAKE_CURRENT_LIST_DIR}/tolsy_metal.txt
          ${TOLSY_THEME_DIR}/images.bin ${TOLSY_THEME_STORED} ${TOLSY_THEME_CONTAINER}
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/tolsy_metal.txt ${TOLSY_THEME_DIR}/images.bin
          ${theme_tool_depends}
  COMMENT "Compiling the built-in theme \"Tolsy metal\"")
add_custom_target(tolsy_theme ALL DEPENDS ${TOLSY_THEME_STORED} ${TOLSY_THEME_CONTAINER})
