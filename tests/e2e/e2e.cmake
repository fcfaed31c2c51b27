# End-to-end tests: the real tolsy.exe driven from a second program under Wine + Xvfb.
# tests/e2e/support/*.cpp is the driver's library; each tests/e2e/<name>_test.cpp becomes
# e2e_<name>.exe and one ctest entry. with-wine.sh prepares the prefix and display around ctest.
add_executable(tolsy_keepalive WIN32 ${CMAKE_SOURCE_DIR}/tests/e2e/keepalive/keepalive_win.cpp)
tolsy_warnings(tolsy_keepalive)

# A message hook the driver places on the program's thread (counts its timer messages).
add_library(tolsy_timer_hook SHARED ${CMAKE_SOURCE_DIR}/tests/e2e/hook/timer_hook_win.cpp)
set_target_properties(tolsy_timer_hook PROPERTIES PREFIX "")
target_link_options(tolsy_timer_hook PRIVATE -static -static-libgcc -static-libstdc++)
tolsy_warnings(tolsy_timer_hook)

file(GLOB e2e_support CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/support/*.cpp)
add_library(e2e_support STATIC ${e2e_support})
target_include_directories(e2e_support PUBLIC ${CMAKE_SOURCE_DIR}/tests/e2e)
target_link_libraries(e2e_support PUBLIC tolsy_win gtest ${TOLSY_WIN32_LIBS} psapi)
tolsy_warnings(e2e_support)

file(GLOB e2e_tests CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*_test.cpp)
foreach(src IN LISTS e2e_tests)
  get_filename_component(name ${src} NAME_WE)
  string(REGEX REPLACE "_test$" "" name ${name})
  add_executable(e2e_${name} ${src})
  target_link_libraries(e2e_${name} PRIVATE e2e_support gtest_main)
  tolsy_warnings(e2e_${name})
  add_dependencies(e2e_${name} tolsy tolsy_keepalive tolsy_timer_hook bench_minimal_window)
  add_test(NAME e2e_${name} COMMAND e2e_${name})
  # The scenarios share one display and clipboard: never run two at once.
  set_tests_properties(e2e_${name} PROPERTIES LABELS e2e TIMEOUT 600 RUN_SERIAL TRUE)
endforeach()
