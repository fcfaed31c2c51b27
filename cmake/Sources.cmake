# Source discovery. Each layer folder (cmake/Layers.cmake) holds portable name.cpp files and Win32 name_win.cpp
# files; globbing keeps the folders independent of one another in the build description.

function(tolsy_glob_portable out)
  set(result "")
  foreach(dir IN LISTS ARGN)
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
    list(FILTER found EXCLUDE REGEX "_win\\.cpp$")
    list(APPEND result ${found})
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

function(tolsy_glob_win32 out)
  set(result "")
  foreach(dir IN LISTS ARGN)
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*_win.cpp)
    # The program's entry point lives in app/main_win.cpp and is not part of the library.
    list(FILTER found EXCLUDE REGEX "/main_win\\.cpp$")
    list(APPEND result ${found})
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

# The command that runs a host tool (streamconv, skintool ...) during the build: the host
# build's copy when cross-compiling, else the tool target of this build.
function(tolsy_host_tool out name)
  if(CMAKE_CROSSCOMPILING)
    if(NOT TOLSY_HOST_BIN)
      message(FATAL_ERROR "Cross-compiling needs TOLSY_HOST_BIN (the host build's bin folder)")
    endif()
    set(${out} ${TOLSY_HOST_BIN}/${name} PARENT_SCOPE)
  else()
    set(${out} $<TARGET_FILE:${name}> PARENT_SCOPE)
  endif()
endfunction()

# Test folders: every folder under root (at any depth) that directly holds .cpp files.
function(tolsy_test_folders out root)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${root}/*.cpp)
  set(result "")
  foreach(src IN LISTS sources)
    get_filename_component(dir ${src} DIRECTORY)
    list(APPEND result ${dir})
  endforeach()
  list(REMOVE_DUPLICATES result)
  list(SORT result)
  set(${out} ${result} PARENT_SCOPE)
endfunction()

# prefix_<folder path with / as _>: tests/unit/skin/model -> unit_skin_model.
function(tolsy_test_program_name out prefix root dir)
  file(RELATIVE_PATH rel ${root} ${dir})
  string(REPLACE "/" "_" rel ${rel})
  set(${out} ${prefix}_${rel} PARENT_SCOPE)
endfunction()
