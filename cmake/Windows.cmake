# Windows configuration (MinGW-w64): the Win32 layer, tolsy.exe, Win32 tests and the e2e driver.
# Unicode windows everywhere; the program's 8-bit text meets them only at the controls' edge.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)

# GoogleTest from Debian's source package, built with the cross compiler. Without its source
# (a plain Windows machine) the program still builds; the Win32 and e2e tests are left out.
set(TOLSY_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest source tree")
set(TOLSY_WIN_TESTS OFF)
if(EXISTS ${TOLSY_GTEST_SOURCE}/CMakeLists.txt)
  set(TOLSY_WIN_TESTS ON)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(${TOLSY_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()

# The host tools that build resources: from the host build when cross-compiling, else built here.
file(GLOB tool_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/*.cpp)
if(NOT CMAKE_CROSSCOMPILING)
  foreach(src IN LISTS tool_sources)
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_link_libraries(${name} PRIVATE tolsy_core)
    tolsy_warnings(${name})
  endforeach()
endif()

set(TOLSY_WIN32_LIBS user32 gdi32 comctl32 comdlg32 msimg32 version shell32 ole32 uuid)

tolsy_glob_win32(TOLSY_WIN_SOURCES ${TOLSY_LAYERS})
add_library(tolsy_win STATIC ${TOLSY_WIN_SOURCES})
target_link_libraries(tolsy_win PUBLIC tolsy_core ${TOLSY_WIN32_LIBS})
tolsy_warnings(tolsy_win)

# Resources compiled into the program (window descriptions, theme, version record, manifest,
# icon). resources/win.cmake defines TOLSY_RESOURCE_FILES and the steps that produce them.
set(TOLSY_RESOURCE_FILES "")
if(EXISTS ${CMAKE_SOURCE_DIR}/resources/win.cmake)
  include(${CMAKE_SOURCE_DIR}/resources/win.cmake)
endif()

# framewright.exe where FreeType is installed for this compiler (a native Windows build with
# MSYS2's FreeType, for one); Debian's MinGW cross build has none and leaves it out.
include(${CMAKE_SOURCE_DIR}/cmake/Cli.cmake)

add_executable(tolsy WIN32 ${CMAKE_SOURCE_DIR}/app/main_win.cpp)
tolsy_link_resources(tolsy)
target_link_libraries(tolsy PRIVATE tolsy_win)
# Shipped without symbols: the runtime libraries' debugging sections alone are some 0.4 MB, which
# the loader would read in at every start.
target_link_options(tolsy PRIVATE -municode -s)
tolsy_warnings(tolsy)

# The start-up benchmark, run under Wine by `make bench`: tolsy.exe against a minimal window of
# the same size, timed from a second program (bench/startup/). The baselines are one source,
# built with a definition that says what each adds to the minimal window.
function(tolsy_startup_window name definition)
  add_executable(${name} WIN32 ${CMAKE_SOURCE_DIR}/bench/startup/minimal_window_win.cpp)
  if(definition)
    target_compile_definitions(${name} PRIVATE ${definition})
  endif()
  target_link_libraries(${name} PRIVATE ${TOLSY_WIN32_LIBS})
  target_link_options(${name} PRIVATE -municode -s)  # as tolsy.exe, without symbols
  tolsy_warnings(${name})
endfunction()
tolsy_startup_window(bench_minimal_window "")
# The same window with what tolsy.exe cannot leave out of its start-up: how near it can come.
tolsy_startup_window(bench_floor_window TOLSY_STARTUP_FLOOR)
# tolsy.exe's own resources, for its manifest: the same version of the common controls.
target_sources(bench_floor_window PRIVATE ${CMAKE_BINARY_DIR}/generated/program/tolsy.rc)
add_dependencies(bench_floor_window tolsy_resources)
# The minimal window that loads the help viewer library, as tolsy.exe must, and nothing else.
tolsy_startup_window(bench_help_window TOLSY_STARTUP_HELP)
add_executable(bench_startup ${CMAKE_SOURCE_DIR}/bench/startup/startup_win.cpp)
target_link_libraries(bench_startup PRIVATE ${TOLSY_WIN32_LIBS})
tolsy_warnings(bench_startup)
add_dependencies(bench_startup tolsy bench_minimal_window bench_floor_window bench_help_window)
# The About window's CPU use while it animates, read from a second program (bench/startup/).
add_executable(bench_about_cpu ${CMAKE_SOURCE_DIR}/bench/startup/about_cpu_win.cpp)
target_link_libraries(bench_about_cpu PRIVATE ${TOLSY_WIN32_LIBS})
target_include_directories(bench_about_cpu PRIVATE ${CMAKE_SOURCE_DIR})
tolsy_warnings(bench_about_cpu)
add_dependencies(bench_about_cpu tolsy bench_minimal_window)

if(NOT TOLSY_WIN_TESTS)
  return()
endif()

# Win32 tests under Wine: tests/win mirrors the layer folders; each folder holding .cpp files
# becomes one program (tests/win/skin/themes -> win_skin_themes.exe) and one ctest entry.
tolsy_test_folders(win_dirs ${CMAKE_SOURCE_DIR}/tests/win)
foreach(dir IN LISTS win_dirs)
  tolsy_test_program_name(name win ${CMAKE_SOURCE_DIR}/tests/win ${dir})
  file(GLOB test_sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  add_executable(${name} ${test_sources})
  tolsy_link_resources(${name})
  target_link_libraries(${name} PRIVATE tolsy_win gtest gtest_main)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/win)
  target_compile_definitions(${name} PRIVATE TOLSY_BINARY_DIR="${CMAKE_BINARY_DIR}")
  tolsy_warnings(${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES LABELS win TIMEOUT 120)
endforeach()

if(EXISTS ${CMAKE_SOURCE_DIR}/tests/e2e/e2e.cmake)
  include(${CMAKE_SOURCE_DIR}/tests/e2e/e2e.cmake)
endif()

# The system-library test checks that the hook library built beside it is not taken for a
# system one.
if(TARGET win_base AND TARGET tolsy_timer_hook)
  add_dependencies(win_base tolsy_timer_hook)
endif()
