# The timing harness that runs under Wine (bench/win32), built only when KAKIPO_BENCH is on: one
# console program that drives the real main window in-process, and kakipo.exe beside it for the
# start-up case.
if(KAKIPO_BENCH)
  file(GLOB KAKIPO_WINE_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/win32/*.cpp)
  add_executable(kakipo_bench ${KAKIPO_WINE_BENCH_SOURCES} src/win32/kakipo.rc)
  target_include_directories(kakipo_bench PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(kakipo_bench PRIVATE kakipo_shell psapi)
  target_link_options(kakipo_bench PRIVATE ${KAKIPO_STATIC_RUNTIME})
  add_dependencies(kakipo_bench kakipo)
endif()
