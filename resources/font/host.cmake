# The Tolsy font, built from its glyph source by Debian's fontTools, with its proof sheets.
# /usr/bin/python3 is Debian's interpreter (the one with fontTools, Shapely and Pillow), whatever
# python3 comes first on PATH; -B keeps bytecode out of the source tree.
set(TOLSY_FONT_PYTHON /usr/bin/python3)
set(TOLSY_FONT_DIR ${CMAKE_BINARY_DIR}/font)
set(TOLSY_FONT_FILE ${TOLSY_FONT_DIR}/Tolsy.ttf)
set(TOLSY_FONT_PROOF_DIR ${TOLSY_FONT_DIR}/proof)
set(tolsy_font_source_dir ${CMAKE_CURRENT_LIST_DIR})

file(GLOB tolsy_font_sources CONFIGURE_DEPENDS
  ${tolsy_font_source_dir}/*.py ${tolsy_font_source_dir}/tolsy/*.py)

add_custom_command(
  OUTPUT ${TOLSY_FONT_FILE}
  COMMAND ${TOLSY_FONT_PYTHON} -B ${tolsy_font_source_dir}/build_font.py ${TOLSY_FONT_FILE}
  DEPENDS ${tolsy_font_sources}
  COMMENT "Building the Tolsy font"
  VERBATIM)

set(tolsy_font_proofs "")
foreach(sheet frames frame-example palette-symbols palette-symbols2 code-chart)
  list(APPEND tolsy_font_proofs ${TOLSY_FONT_PROOF_DIR}/${sheet}.png)
endforeach()
add_custom_command(
  OUTPUT ${tolsy_font_proofs}
  COMMAND ${TOLSY_FONT_PYTHON} -B ${tolsy_font_source_dir}/proof_sheet.py
          ${TOLSY_FONT_FILE} ${TOLSY_FONT_PROOF_DIR}
  DEPENDS ${TOLSY_FONT_FILE} ${tolsy_font_sources}
  COMMENT "Rendering the Tolsy proof sheets"
  VERBATIM)

add_custom_target(tolsy_font ALL DEPENDS ${TOLSY_FONT_FILE} ${tolsy_font_proofs})

# Font tests: tests/unit/font/*_test.py, one ctest entry per file. They check the built font,
# so they run once, in the plain host configuration.
if(NOT TOLSY_SANITIZE)
  file(GLOB tolsy_font_tests CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/font/*_test.py)
  foreach(test_file IN LISTS tolsy_font_tests)
    get_filename_component(module ${test_file} NAME_WE)
    add_test(NAME font_${module}
      COMMAND ${TOLSY_FONT_PYTHON} -B -m unittest -v ${module}
      WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}/tests/unit/font)
    set_tests_properties(font_${module} PROPERTIES LABELS unit TIMEOUT 300
      ENVIRONMENT "TOLSY_FONT=${TOLSY_FONT_FILE};TOLSY_FONT_PROOF_DIR=${TOLSY_FONT_PROOF_DIR};TOLSY_FONT_SOURCE=${tolsy_font_source_dir}")
  endforeach()
endif()
