# Host (Linux) configuration: the portable core, its unit tests, host tools, benchmarks, fuzzers.
find_package(GTest REQUIRED)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
include(GoogleTest)

# One unit test program per product folder: tests/unit/<folder>/*_test.cpp -> unit_<folder>.
file(GLOB unit_dirs LIST_DIRECTORIES true ${CMAKE_SOURCE_DIR}/tests/unit/*)
foreach(dir IN LISTS unit_dirs)
  if(IS_DIRECTORY ${dir})
    get_filename_component(name ${dir} NAME)
    file(GLOB test_sources CONFIGURE_DEPENDS ${dir}/*.cpp)
    if(test_sources)
      add_executable(unit_${name} ${test_sources})
      target_link_libraries(unit_${name} PRIVATE tolsy_core GTest::gtest GTest::gtest_main)
      target_include_directories(unit_${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/unit)
      target_compile_definitions(unit_${name} PRIVATE
        TOLSY_SOURCE_DIR="${CMAKE_SOURCE_DIR}" TOLSY_BINARY_DIR="${CMAKE_BINARY_DIR}")
      tolsy_warnings(unit_${name})
      gtest_discover_tests(unit_${name} DISCOVERY_TIMEOUT 60 PROPERTIES LABELS unit)
    endif()
  endif()
endforeach()

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
