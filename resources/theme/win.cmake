# Windows build: the same theme, compiled with the host tools, for the main window's description
# (its forms step depends on ${TOLSY_THEME_CONTAINER}, a file path that does not depend on the
# order in which the resource parts are included).
include(${CMAKE_CURRENT_LIST_DIR}/theme.cmake)
