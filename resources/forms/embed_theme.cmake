# Copies a window description, putting the stored theme's container (kind 3: name length,
# name, size, theme bytes, as the theme part builds it) into its `ThemeStream = {00}` line
# when that file exists.
#   cmake -DIN=form.txt -DOUT=form.built.txt -DCONTAINER=tolsy_metal.container -P embed_theme.cmake

file(READ "${IN}" text)
set(placeholder "ThemeStream = {00}")
if(DEFINED CONTAINER AND EXISTS "${CONTAINER}")
  string(FIND "${text}" "${placeholder}" at)
  if(NOT at EQUAL -1)
    file(READ "${CONTAINER}" container HEX)
    string(TOUPPER "${container}" container)
    string(REPLACE "${placeholder}" "ThemeStream = {${container}}" text "${text}")
  endif()
endif()
file(WRITE "${OUT}.tmp" "${text}")
file(RENAME "${OUT}.tmp" "${OUT}")
