# Windows build: kakipo.exe and the test programs that run under Wine.
set(CMAKE_RC_FLAGS "-c 65001 -l 0x411")
set(KAKIPO_STATIC_RUNTIME -static -static-libgcc -static-libstdc++)
set(KAKIPO_WIN32_LIBS comctl32 comdlg32 shell32 ole32 uuid gdi32 user32 kernel32 shlwapi winmm)

# GoogleTest from the Debian source package, built with the same cross compiler.
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

# The shell without its entry point, so the Wine tests can build real windows from it.
file(GLOB_RECURSE KAKIPO_SHELL_SOURCES CONFIGURE_DEPENDS src/win32/*.cpp)
list(FILTER KAKIPO_SHELL_SOURCES EXCLUDE REGEX "/winmain\\.cpp$")
add_library(kakipo_shell STATIC ${KAKIPO_SHELL_SOURCES})
target_link_libraries(kakipo_shell PUBLIC kakipo_logic ${KAKIPO_WIN32_LIBS})
# Win32 structures are idiomatically initialised by their size field alone.
target_compile_options(kakipo_shell PUBLIC -Wno-missing-field-initializers)
target_compile_definitions(kakipo_shell PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
  _WIN32_WINNT=0x0601 WINVER=0x0601)

add_executable(kakipo WIN32 src/win32/winmain.cpp src/win32/kakipo.rc)
target_link_libraries(kakipo PRIVATE kakipo_shell)
target_link_options(kakipo PRIVATE ${KAKIPO_STATIC_RUNTIME} -municode)

file(GLOB_RECURSE KAKIPO_WINE_TESTS CONFIGURE_DEPENDS tests/win32/*.cpp)
add_executable(kakipo_wine_tests ${KAKIPO_WINE_TESTS} ${KAKIPO_TEST_SUPPORT} src/win32/kakipo.rc)
target_include_directories(kakipo_wine_tests PRIVATE tests)
target_link_libraries(kakipo_wine_tests PRIVATE kakipo_shell gtest gmock gtest_main)
target_link_options(kakipo_wine_tests PRIVATE ${KAKIPO_STATIC_RUNTIME})
# The test programs need kakipo.exe beside them for the tests that start it as a process.
add_dependencies(kakipo_wine_tests kakipo)
gtest_discover_tests(kakipo_wine_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
  PROPERTIES TIMEOUT 300)

if(EXISTS ${CMAKE_SOURCE_DIR}/tests/e2e/build.cmake)
  include(${CMAKE_SOURCE_DIR}/tests/e2e/build.cmake)
endif()
if(EXISTS ${CMAKE_SOURCE_DIR}/bench/windows.cmake)
  include(${CMAKE_SOURCE_DIR}/bench/windows.cmake)
endif()
if(EXISTS ${CMAKE_SOURCE_DIR}/cmake/package.cmake)
  include(${CMAKE_SOURCE_DIR}/cmake/package.cmake)
endif()
