# Copies data/Files (the shared Common/ folder and the game folder 250/) beside the
# executable, and the three font files under the names the game loads them by.
add_custom_target(stage_files ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/Files/Common ${CMAKE_BINARY_DIR}/Files/250
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/data/Files ${CMAKE_BINARY_DIR}/Files
  COMMENT "Staging Files/ beside the executable")
if(EXISTS ${CMAKE_SOURCE_DIR}/cmake/fonts.cmake)
  include(${CMAKE_SOURCE_DIR}/cmake/fonts.cmake)
endif()
add_dependencies(wordloom stage_files)
