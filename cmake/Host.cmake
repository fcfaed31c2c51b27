# Host (Linux) configuration: the portable core, its unit tests, host tools, benchmarks, fuzzers.
find_package(GTest REQUIRED)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
include(GoogleTest)

# Unit tests mirror the layer folders: each folder under tests/unit holding .cpp files becomes
# one program (tests/unit/skin/model -> unit_skin_model).
# tests/unit/cli tests framewright, which is built only with FreeType (cmake/Cli.cmake).
find_package(Freetype QUIET)
tolsy_test_folders(unit_dirs ${CMAKE_SOURCE_DIR}/tests/unit)
foreach(dir IN LISTS unit_dirs)
  tolsy_test_program_name(name unit ${CMAKE_SOURCE_DIR}/tests/unit ${dir})
  if(name STREQUAL "unit_cli" AND NOT FREETYPE_FOUND)
    continue()
  endif()
  file(GLOB test_sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  add_executable(${name} ${test_sources})
  target_link_libraries(${name} PRIVATE tolsy_core GTest::gtest GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/unit)
  target_compile_definitions(${name} PRIVATE
    TOLSY_SOURCE_DIR="${CMAKE_SOURCE_DIR}" TOLSY_BINARY_DIR="${CMAKE_BINARY_DIR}")
  if(name STREQUAL "unit_cli")
    target_link_libraries(${name} PRIVATE framewright_core)
    add_dependencies(${name} framewright)
  endif()
  tolsy_warnings(${name})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES LABELS unit)
endforeach()

# Tests of the tree itself: no file includes from a layer above its own (cmake/Layers.cmake),
# and every C++ file is formatted as .clang-format says.
if(NOT TOLSY_SANITIZE)  # once is enough: the sanitizer build runs the same tree
  add_test(NAME layering
    COMMAND ${Python3_EXECUTABLE} -B ${CMAKE_SOURCE_DIR}/tests/tree/check_layers.py
            ${CMAKE_SOURCE_DIR} ${TOLSY_LAYERS})
  find_program(TOLSY_CLANG_FORMAT NAMES clang-format-14 clang-format REQUIRED)
  add_test(NAME formatting
    COMMAND ${Python3_EXECUTABLE} -B ${CMAKE_SOURCE_DIR}/tests/tree/check_format.py
            ${TOLSY_CLANG_FORMAT} ${CMAKE_SOURCE_DIR})
  set_tests_properties(layering formatting PROPERTIES LABELS tree)
endif()

# Host tools: tools/<name>.cpp -> <name>, linked against the core.
file(GLOB tool_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/*.cpp)
foreach(src IN LISTS tool_sources)
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src})
  target_link_libraries(${name} PRIVATE tolsy_core)
  tolsy_warnings(${name})
endforeach()

# Benchmarks: bench/<name>.cpp -> bench_<name>.
find_package(benchmark QUIET)
if(benchmark_FOUND AND NOT TOLSY_SANITIZE)
  file(GLOB bench_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
  foreach(src IN LISTS bench_sources)
    get_filename_component(name ${src} NAME_WE)
    add_executable(bench_${name} ${src})
    target_link_libraries(bench_${name} PRIVATE tolsy_core benchmark::benchmark)
    target_compile_definitions(bench_${name} PRIVATE
      TOLSY_SOURCE_DIR="${CMAKE_SOURCE_DIR}" TOLSY_BINARY_DIR="${CMAKE_BINARY_DIR}")
    tolsy_warnings(bench_${name})
  endforeach()
endif()

# libFuzzer targets: fuzz/<name>.cpp -> fuzz_<name> (clang only).
if(TOLSY_FUZZ)
  file(GLOB fuzz_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/*.cpp)
  foreach(src IN LISTS fuzz_sources)
    get_filename_component(name ${src} NAME_WE)
    add_executable(fuzz_${name} ${src})
    target_link_libraries(fuzz_${name} PRIVATE tolsy_core)
    target_compile_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
  endforeach()
endif()

# Further host-side build steps (font, generated resources) hang off resources/.
if(EXISTS ${CMAKE_SOURCE_DIR}/resources/host.cmake)
  include(${CMAKE_SOURCE_DIR}/resources/host.cmake)
endif()

# The command-line composer, after the font it ships beside itself.
include(${CMAKE_SOURCE_DIR}/cmake/Cli.cmake)
