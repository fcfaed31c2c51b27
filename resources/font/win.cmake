# Ships the Tolsy font beside tolsy.exe. The host build makes it (fontTools runs on the build
# machine, not on the target), so the Windows build copies it from there.
if(TOLSY_HOST_BIN)
  get_filename_component(tolsy_host_build ${TOLSY_HOST_BIN} DIRECTORY)
  set(tolsy_built_font ${tolsy_host_build}/font/Tolsy.ttf)
  set(tolsy_shipped_font ${CMAKE_BINARY_DIR}/bin/Tolsy.ttf)
  add_custom_command(
    OUTPUT ${tolsy_shipped_font}
    COMMAND ${CMAKE_COMMAND} -E copy ${tolsy_built_font} ${tolsy_shipped_font}
    DEPENDS ${tolsy_built_font}
    COMMENT "Shipping Tolsy.ttf beside tolsy.exe"
    VERBATIM)
  add_custom_target(tolsy_font_beside_program ALL DEPENDS ${tolsy_shipped_font})
endif()
