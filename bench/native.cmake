# Native benchmarks (Google Benchmark), built only by the bench preset: each bench/*_bench.cpp is a
# program of its own, linked with the logic. The build preset builds target "benchmarks".
if(KAKIPO_BENCH)
  find_package(benchmark REQUIRED)
  add_custom_target(benchmarks)
  file(GLOB KAKIPO_NATIVE_BENCHES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*_bench.cpp)
  foreach(source IN LISTS KAKIPO_NATIVE_BENCHES)
    get_filename_component(name ${source} NAME_WE)
    add_executable(${name} ${source})
    target_link_libraries(${name} PRIVATE kakipo_logic benchmark::benchmark)
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
    add_dependencies(benchmarks ${name})
  endforeach()
endif()
