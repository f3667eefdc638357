# The help texts are kept in UTF-8 beside this file and reach the program as byte arrays of the
# same UTF-8, generated at build time with the project's version put in.
set(KAKIPO_HELP_GENERATED ${KAKIPO_GENERATED}/help)
file(MAKE_DIRECTORY ${KAKIPO_HELP_GENERATED})

set(KAKIPO_HELP_INCLUDES)
foreach(text IN ITEMS body detail)
  set(source ${CMAKE_CURRENT_LIST_DIR}/${text}.txt)
  set(versioned ${KAKIPO_HELP_GENERATED}/${text}.txt)
  set(inc ${KAKIPO_HELP_GENERATED}/${text}_text.inc)
  add_custom_command(
    OUTPUT ${inc}
    COMMAND ${CMAKE_COMMAND} -DIN=${source} -DOUT=${versioned} -DVERSION=${PROJECT_VERSION}
            -P ${CMAKE_SOURCE_DIR}/cmake/put-version.cmake
    COMMAND ${CMAKE_COMMAND} -DIN=${versioned} -DOUT=${inc} -P ${CMAKE_CURRENT_LIST_DIR}/embed_text.cmake
    DEPENDS ${source} ${CMAKE_CURRENT_LIST_DIR}/embed_text.cmake ${CMAKE_SOURCE_DIR}/cmake/put-version.cmake
    COMMENT "Embedding the help text ${text}.txt"
    VERBATIM)
  list(APPEND KAKIPO_HELP_INCLUDES ${inc})
endforeach()

add_custom_target(kakipo_help_texts DEPENDS ${KAKIPO_HELP_INCLUDES})
add_dependencies(kakipo_logic kakipo_help_texts)
target_sources(kakipo_logic PRIVATE ${KAKIPO_HELP_INCLUDES})
