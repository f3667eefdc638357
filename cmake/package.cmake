# The download: a zip with kakipo.exe and a short Japanese readme.
#   cmake --build --preset windows --target package   ->  build/windows/kakipo-<version>-win64.zip
install(TARGETS kakipo RUNTIME DESTINATION .)

# Notepad on a Japanese Windows reads a file without a byte-order mark as CP932 with CR LF lines;
# the readme is kept in UTF-8 like every other source and converted, with the version put in, when
# it is built.
set(KAKIPO_README ${CMAKE_BINARY_DIR}/readme.txt)
add_custom_command(OUTPUT ${KAKIPO_README}
  COMMAND ${CMAKE_COMMAND} -DIN=${CMAKE_SOURCE_DIR}/packaging/readme-ja.txt
          -DOUT=${CMAKE_BINARY_DIR}/readme-ja.txt -DVERSION=${PROJECT_VERSION}
          -P ${CMAKE_SOURCE_DIR}/cmake/put-version.cmake
  COMMAND ${CMAKE_COMMAND} -DIN=${CMAKE_BINARY_DIR}/readme-ja.txt -DOUT=${KAKIPO_README}
          -P ${CMAKE_SOURCE_DIR}/packaging/to-cp932.cmake
  DEPENDS ${CMAKE_SOURCE_DIR}/packaging/readme-ja.txt ${CMAKE_SOURCE_DIR}/packaging/to-cp932.cmake
          ${CMAKE_SOURCE_DIR}/cmake/put-version.cmake
  VERBATIM)
add_custom_target(kakipo_readme ALL DEPENDS ${KAKIPO_README})
install(FILES ${KAKIPO_README} DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME kakipo)
set(CPACK_PACKAGE_VENDOR kakipo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME kakipo-${PROJECT_VERSION}-win64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
