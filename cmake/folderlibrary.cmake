# tyx_folder_library(NAME [DEPENDS lib...])
# Builds every .cpp/.h/.ui of the calling folder into one static library,
# so adding a source file needs no edit of any CMakeLists.txt.
function(tyx_folder_library name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
       ${CMAKE_CURRENT_SOURCE_DIR}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/*.ui)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_BINARY_DIR})
  target_link_libraries(${name} PUBLIC Qt5::Core Qt5::Gui Qt5::Widgets Qt5::Xml QuaZip::QuaZip ${ARG_DEPENDS})
endfunction()
