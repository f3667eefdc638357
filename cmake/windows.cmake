# Windows build: kakipo.exe and the programs that run under Wine.
set(CMAKE_RC_FLAGS "-c 65001 -l 0x411")

# What every Windows program of ours is built with, the program and the ones that only look at it
# from outside alike: the API level, wide-character calls, a runtime linked in.
add_library(kakipo_win32_api INTERFACE)
target_compile_definitions(kakipo_win32_api INTERFACE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
  _WIN32_WINNT=0x0601 WINVER=0x0601)
# Win32 structures are idiomatically initialised by their size field alone.
target_compile_options(kakipo_win32_api INTERFACE -Wno-missing-field-initializers)
target_link_options(kakipo_win32_api INTERFACE -static -static-libgcc -static-libstdc++)
target_link_libraries(kakipo_win32_api INTERFACE kakipo_warnings)

# GoogleTest from the Debian source package, built with the same cross compiler and its own
# warning settings.
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
block()
  set(CMAKE_COMPILE_WARNING_AS_ERROR OFF)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endblock()
include(GoogleTest)

# The resources carry the version as numbers and as text; windres joins the text itself.
set_source_files_properties(src/win32/kakipo.rc PROPERTIES
  COMPILE_DEFINITIONS "KAKIPO_VERSION_MAJOR=${PROJECT_VERSION_MAJOR};KAKIPO_VERSION_MINOR=${PROJECT_VERSION_MINOR}"
  INCLUDE_DIRECTORIES ${KAKIPO_GENERATED}/win32
  OBJECT_DEPENDS ${KAKIPO_GENERATED}/win32/kakipo.manifest)
configure_file(src/win32/kakipo.manifest.in ${KAKIPO_GENERATED}/win32/kakipo.manifest @ONLY)

# The shell without its entry point, so the Wine tests can build real windows from it.
file(GLOB_RECURSE KAKIPO_SHELL_SOURCES CONFIGURE_DEPENDS src/win32/*.cpp)
list(FILTER KAKIPO_SHELL_SOURCES EXCLUDE REGEX "/winmain\\.cpp$")
add_library(kakipo_shell STATIC ${KAKIPO_SHELL_SOURCES})
target_link_libraries(kakipo_shell PUBLIC kakipo_logic kakipo_win32_api
  comctl32 comdlg32 shell32 ole32 uuid gdi32 user32 kernel32 shlwapi winmm)

add_executable(kakipo WIN32 src/win32/winmain.cpp src/win32/kakipo.rc)
target_link_libraries(kakipo PRIVATE kakipo_shell)
target_link_options(kakipo PRIVATE -municode)

# What the test programs share to read and drive windows, without the program's code.
file(GLOB KAKIPO_PROBE_SOURCES CONFIGURE_DEPENDS tests/win32/probe/*.cpp)
add_library(kakipo_probe STATIC ${KAKIPO_PROBE_SOURCES})
target_include_directories(kakipo_probe PUBLIC tests src)
target_link_libraries(kakipo_probe PUBLIC kakipo_win32_api user32 gdi32 kernel32)

# Programs that show a window and wait, for screenshots and for tests that need another process;
# they assert nothing, so they are no tests.
file(GLOB KAKIPO_TOOLS_SOURCES CONFIGURE_DEPENDS tests/win32/tools/*.cpp)
add_executable(kakipo_tools ${KAKIPO_TOOLS_SOURCES} src/win32/kakipo.rc)
target_link_libraries(kakipo_tools PRIVATE kakipo_shell kakipo_probe)

# Every test under tests/win32 except the folders that are programs or libraries of their own.
file(GLOB_RECURSE KAKIPO_WINE_TESTS CONFIGURE_DEPENDS tests/win32/*.cpp)
list(FILTER KAKIPO_WINE_TESTS EXCLUDE REGEX "/tests/win32/(e2e|probe|tools)/")
# The shared test support reads CP932 through iconv natively; tests/win32/cp932_decode.cpp stands
# in for that under Wine.
list(FILTER KAKIPO_TEST_SUPPORT EXCLUDE REGEX "_iconv\\.cpp$")
add_executable(kakipo_wine_tests ${KAKIPO_WINE_TESTS} ${KAKIPO_TEST_SUPPORT} src/win32/kakipo.rc)
target_include_directories(kakipo_wine_tests PRIVATE tests)
target_link_libraries(kakipo_wine_tests PRIVATE kakipo_shell kakipo_probe gtest gmock gtest_main)
# The test programs need kakipo.exe and the tools beside them for the tests that start a process.
add_dependencies(kakipo_wine_tests kakipo kakipo_tools)
gtest_discover_tests(kakipo_wine_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
  PROPERTIES TIMEOUT 300)
# The main window once more on a display at 144 dpi (150 %), in the Wine prefix set up for it.
add_test(NAME ScaledMainWindowAt144Dpi COMMAND kakipo_wine_tests --gtest_filter=ScaledMainWindow.*)
set_tests_properties(ScaledMainWindowAt144Dpi PROPERTIES ENVIRONMENT KAKIPO_DPI=144 TIMEOUT 300)

include(tests/win32/e2e/build.cmake)
include(bench/windows.cmake)
include(cmake/package.cmake)
