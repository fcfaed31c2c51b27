# Resources linked into tolsy.exe: each resources/<part>/win.cmake appends its files (.rc and
# generated inputs) to TOLSY_RESOURCE_FILES.
file(GLOB resource_win_parts ${CMAKE_SOURCE_DIR}/resources/*/win.cmake)
foreach(part IN LISTS resource_win_parts)
  include(${part})
endforeach()
