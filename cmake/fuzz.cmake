# Fuzz build (preset fuzz, clang): every tests/fuzz/*_fuzz.cpp is a libFuzzer program of its own,
# linked with the whole logic library built with the same instrumentation, so a target needs no
# list of the sources it reaches. scripts/fuzz builds and runs them.
set(KAKIPO_FUZZ_FLAGS -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined)
# Optimised a little for speed, with every assertion kept.
target_compile_options(kakipo_logic PRIVATE -O1 ${KAKIPO_FUZZ_FLAGS})

file(GLOB KAKIPO_FUZZ_TARGETS CONFIGURE_DEPENDS tests/fuzz/*_fuzz.cpp)
foreach(source IN LISTS KAKIPO_FUZZ_TARGETS)
  get_filename_component(name ${source} NAME_WE)
  add_executable(${name} ${source})
  target_include_directories(${name} PRIVATE tests tests/fuzz)
  target_compile_options(${name} PRIVATE -O1 ${KAKIPO_FUZZ_FLAGS})
  target_link_options(${name} PRIVATE ${KAKIPO_FUZZ_FLAGS})
  target_link_libraries(${name} PRIVATE kakipo_logic)
endforeach()
