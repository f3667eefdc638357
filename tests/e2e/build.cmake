# End-to-end scenarios: a driver that starts kakipo.exe as a separate process under Wine and works
# it through its windows. Labelled "e2e" so that they can run after every other test.
file(GLOB KAKIPO_E2E_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.cpp)
add_executable(kakipo_e2e ${KAKIPO_E2E_SOURCES})
# Only the test framework: the driver sees the program from outside, never its code.
target_include_directories(kakipo_e2e PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_compile_definitions(kakipo_e2e PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
  _WIN32_WINNT=0x0601 WINVER=0x0601)
target_compile_options(kakipo_e2e PRIVATE -Wall -Wextra -Wno-missing-field-initializers)
target_link_libraries(kakipo_e2e PRIVATE gtest version comctl32 shell32 gdi32 user32 kernel32)
target_link_options(kakipo_e2e PRIVATE ${KAKIPO_STATIC_RUNTIME})
add_dependencies(kakipo_e2e kakipo)
gtest_discover_tests(kakipo_e2e DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
  PROPERTIES LABELS e2e TIMEOUT 300)
