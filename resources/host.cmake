# Host-side build steps of the resources: each resources/<part>/host.cmake adds its own
# (the font, the compiled window descriptions, the built-in theme, the help file ...).
file(GLOB resource_host_parts ${CMAKE_SOURCE_DIR}/resources/*/host.cmake)
foreach(part IN LISTS resource_host_parts)
  include(${part})
endforeach()
# The main window's description carries the theme: build the theme first, so the two targets
# never run the theme's steps at the same time.
if(TARGET tolsy_forms AND TARGET tolsy_theme)
  add_dependencies(tolsy_forms tolsy_theme)
endif()
