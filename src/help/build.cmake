# The help texts are kept in UTF-8 beside this file and reach the program as CP932 byte arrays,
# generated at build time with the project's version put in. A character that CP932 cannot hold
# fails the build at iconv.
set(KAKIPO_HELP_GENERATED ${KAKIPO_GENERATED}/help)
file(MAKE_DIRECTORY ${KAKIPO_HELP_GENERATED})

set(KAKIPO_HELP_INCLUDES)
foreach(text IN ITEMS body detail)
  set(source ${CMAKE_CURRENT_LIST_DIR}/${text}.txt)
  set(versioned ${KAKIPO_HELP_GENERATED}/${text}.txt)
  set(cp932 ${KAKIPO_HELP_GENERATED}/${text}.cp932)
  set(inc ${KAKIPO_HELP_GENERATED}/${text}_text.inc)
  add_custom_command(
    OUTPUT ${inc}
    COMMAND ${CMAKE_COMMAND} -DIN=${source} -DOUT=${versioned} -DVERSION=${PROJECT_VERSION}
            -P ${CMAKE_SOURCE_DIR}/cmake/put-version.cmake
    COMMAND iconv -f UTF-8 -t CP932 -o ${cp932} ${versioned}
    COMMAND ${CMAKE_COMMAND} -DIN=${cp932} -DOUT=${inc} -P ${CMAKE_CURRENT_LIST_DIR}/embed_text.cmake
    DEPENDS ${source} ${CMAKE_CURRENT_LIST_DIR}/embed_text.cmake ${CMAKE_SOURCE_DIR}/cmake/put-version.cmake
    COMMENT "Converting the help text ${text}.txt to CP932"
    VERBATIM)
  list(APPEND KAKIPO_HELP_INCLUDES ${inc})
endforeach()

add_custom_target(kakipo_help_texts DEPENDS ${KAKIPO_HELP_INCLUDES})
add_dependencies(kakipo_logic kakipo_help_texts)
target_sources(kakipo_logic PRIVATE ${KAKIPO_HELP_INCLUDES})
