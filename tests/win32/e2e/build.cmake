# End-to-end scenarios: a driver that starts kakipo.exe as a separate process under Wine and works
# it through its windows. Labelled "e2e" so that they can run after every other test.
file(GLOB KAKIPO_E2E_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win32/e2e/*.cpp)
add_executable(kakipo_e2e ${KAKIPO_E2E_SOURCES})
# Only the test framework, the probes and the version: the driver sees the program from outside,
# never its code.
target_include_directories(kakipo_e2e PRIVATE ${KAKIPO_GENERATED})
target_link_libraries(kakipo_e2e PRIVATE kakipo_probe gtest version comctl32 shell32 gdi32 user32 kernel32)
add_dependencies(kakipo_e2e kakipo)
gtest_discover_tests(kakipo_e2e DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
  PROPERTIES LABELS e2e TIMEOUT 300)
