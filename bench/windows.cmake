# The timing harness that runs under Wine (bench/win32), built only when KAKIPO_BENCH is on: one
# console program that drives the real main window in-process, and kakipo.exe beside it for the
# start-up case; and long_line_probe, which times the bare rich-edit control on one long line
# under each of its settings and links nothing of the program. The build preset builds target
# "benchmarks".
if(KAKIPO_BENCH)
  file(GLOB KAKIPO_WINE_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/win32/*.cpp)
  add_executable(kakipo_bench ${KAKIPO_WINE_BENCH_SOURCES} src/win32/kakipo.rc)
  target_include_directories(kakipo_bench PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(kakipo_bench PRIVATE kakipo_shell kakipo_probe psapi)
  add_executable(long_line_probe ${CMAKE_SOURCE_DIR}/bench/win32/long_line_probe/long_line_probe.cpp)
  target_link_libraries(long_line_probe PRIVATE kakipo_win32_api usp10)
  add_custom_target(benchmarks)
  add_dependencies(benchmarks kakipo_bench kakipo long_line_probe)
endif()
