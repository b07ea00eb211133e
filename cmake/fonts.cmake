# The three font families of the common folder come from Debian's font packages
# (scripts/extra_packages.txt) and are copied at build time under the names the game
# loads them by. The files themselves are not kept in the repository.
#   SVBasicManual.ttf        plain text face      fonts-open-sans       Open Sans Regular
#   Blue Highway.ttf         bold condensed face  fonts-roboto-unhinted Roboto Condensed Bold
#   Acknowledge TT Quon.ttf  distinctive face     fonts-comfortaa       Comfortaa Bold
find_file(WORDLOOM_FONT_TEXT OpenSans-Regular.ttf PATHS /usr/share/fonts/truetype/open-sans NO_DEFAULT_PATH)
find_file(WORDLOOM_FONT_DISPLAY RobotoCondensed-Bold.ttf PATHS /usr/share/fonts/truetype/roboto/unhinted NO_DEFAULT_PATH)
find_file(WORDLOOM_FONT_QUON Comfortaa-Bold.ttf PATHS /usr/share/fonts/truetype/comfortaa NO_DEFAULT_PATH)

set(WORDLOOM_FONT_DIR ${CMAKE_BINARY_DIR}/Files/Common)
set(WORDLOOM_STAGED_FONTS "")
foreach(pair "WORDLOOM_FONT_TEXT|SVBasicManual.ttf" "WORDLOOM_FONT_DISPLAY|Blue Highway.ttf"
             "WORDLOOM_FONT_QUON|Acknowledge TT Quon.ttf")
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 var)
  list(GET pair 1 name)
  if(NOT ${var})
    # The game still runs without a font (texts are then not drawn); say how to get it.
    message(WARNING "Font for '${name}' not found: run scripts/install_deps.sh")
    continue()
  endif()
  add_custom_command(OUTPUT "${WORDLOOM_FONT_DIR}/${name}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${WORDLOOM_FONT_DIR}"
    COMMAND ${CMAKE_COMMAND} -E copy "${${var}}" "${WORDLOOM_FONT_DIR}/${name}"
    DEPENDS "${${var}}"
    COMMENT "Staging font ${name}")
  list(APPEND WORDLOOM_STAGED_FONTS "${WORDLOOM_FONT_DIR}/${name}")
endforeach()
add_custom_target(stage_fonts ALL DEPENDS ${WORDLOOM_STAGED_FONTS})
# Whatever needs the staged Files/ folder also gets the fonts.
add_dependencies(stage_files stage_fonts)
