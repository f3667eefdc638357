# Native build: the logic and its GoogleTest suite, run in milliseconds on Linux.
find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB_RECURSE KAKIPO_NATIVE_TESTS CONFIGURE_DEPENDS
  tests/core/*.cpp tests/app/*.cpp tests/documents/*.cpp tests/editing/*.cpp tests/search/*.cpp tests/help/*.cpp
  tests/recovery/*.cpp)
add_executable(kakipo_tests ${KAKIPO_NATIVE_TESTS} ${KAKIPO_TEST_SUPPORT})
target_include_directories(kakipo_tests PRIVATE tests)
target_link_libraries(kakipo_tests PRIVATE kakipo_logic GTest::gtest GTest::gmock GTest::gtest_main)
gtest_discover_tests(kakipo_tests DISCOVERY_TIMEOUT 60)

# The include arrows between the source folders point one way.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_test(NAME Layering COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/tests/layering_test.py ${CMAKE_SOURCE_DIR}/src)

include(bench/native.cmake)
