# Resources linked into tolsy.exe: each resources/<part>/win.cmake appends its files (.rc and
# generated inputs) to TOLSY_RESOURCE_FILES, and the generated files those .rc files read to
# TOLSY_RESOURCE_OUTPUTS.
set(TOLSY_RESOURCE_OUTPUTS "")
file(GLOB resource_win_parts ${CMAKE_SOURCE_DIR}/resources/*/win.cmake)
foreach(part IN LISTS resource_win_parts)
  include(${part})
endforeach()
# Several programs link the same .rc files. Their inputs are generated once, by this target,
# which every such program depends on (tolsy_link_resources); otherwise parallel builds of
# those programs would run the same generating steps at once over the same files.
add_custom_target(tolsy_resources DEPENDS ${TOLSY_RESOURCE_OUTPUTS})
if(TARGET tolsy_theme)
  add_dependencies(tolsy_resources tolsy_theme)
endif()
function(tolsy_link_resources target)
  target_sources(${target} PRIVATE ${TOLSY_RESOURCE_FILES})
  add_dependencies(${target} tolsy_resources)
endfunction()
