# framewright, the command-line composer: the portable core plus FreeType, which reads the
# Tolsy font for the SVG and PNG forms. Built wherever FreeType is found (Debian's
# libfreetype-dev on the host; left out of the MinGW cross build, which has none).
find_package(Freetype QUIET)
set(TOLSY_CLI OFF)
if(FREETYPE_FOUND)
  set(TOLSY_CLI ON)
  tolsy_glob_portable(framewright_sources cli)
  list(FILTER framewright_sources EXCLUDE REGEX "/framewright_main\\.cpp$")
  add_library(framewright_core STATIC ${framewright_sources})
  target_link_libraries(framewright_core PUBLIC tolsy_core Freetype::Freetype)
  tolsy_warnings(framewright_core)

  add_executable(framewright ${CMAKE_SOURCE_DIR}/cli/framewright_main.cpp)
  target_link_libraries(framewright PRIVATE framewright_core)
  tolsy_warnings(framewright)
  # The font beside the program, so that build/.../bin/framewright draws with no --font.
  if(TARGET tolsy_font)
    set(framewright_font ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/Tolsy.ttf)
    add_custom_command(OUTPUT ${framewright_font}
      COMMAND ${CMAKE_COMMAND} -E copy ${TOLSY_FONT_FILE} ${framewright_font}
      DEPENDS ${TOLSY_FONT_FILE} tolsy_font
      COMMENT "Putting Tolsy.ttf beside framewright"
      VERBATIM)
    add_custom_target(framewright_font ALL DEPENDS ${framewright_font})
    add_dependencies(framewright framewright_font)
  endif()
endif()

# The SVG read as XML from the outside, with fontTools for the font's advances (once, in the
# plain host configuration, like the font's own tests).
if(TOLSY_CLI AND NOT CMAKE_CROSSCOMPILING AND NOT TOLSY_SANITIZE AND DEFINED TOLSY_FONT_PYTHON)
  add_test(NAME cli_svg
    COMMAND ${TOLSY_FONT_PYTHON} -B ${CMAKE_SOURCE_DIR}/tests/unit/cli/svg_test.py
            $<TARGET_FILE:framewright>)
  set_tests_properties(cli_svg PROPERTIES LABELS unit)
endif()
