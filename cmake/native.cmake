# The native build of the portable sources, with AddressSanitizer and
# UndefinedBehaviorSanitizer (clang). Configure with
#   CC=clang CXX=clang++ cmake -S . -B build-native -DLUMVEX_NATIVE=ON
set(LUMVEX_SAN -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -g)

add_library(lumvex_portable STATIC ${LUMVEX_PORTABLE_SOURCES})
target_include_directories(lumvex_portable PUBLIC ${LUMVEX_ROOT}/src)
target_compile_options(lumvex_portable PRIVATE ${LUMVEX_WARNINGS} ${LUMVEX_SAN} -fsanitize=fuzzer-no-link)

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

function(lumvex_add_test name)
endfunction()
function(lumvex_add_helper name)
endfunction()

function(lumvex_add_portable_test name)
  cmake_parse_arguments(T "" "" "SOURCES" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE lumvex_portable gtest)
  target_include_directories(${name} PRIVATE ${LUMVEX_ROOT}/tests ${LUMVEX_ROOT}/src)
  target_compile_options(${name} PRIVATE ${LUMVEX_WARNINGS} ${LUMVEX_SAN})
  target_link_options(${name} PRIVATE ${LUMVEX_SAN})
  add_test(NAME ${name}.native COMMAND ${name})
endfunction()

# lumvex_add_fuzz_target(NAME SOURCES src...): a libFuzzer program.
function(lumvex_add_fuzz_target name)
  cmake_parse_arguments(F "" "" "SOURCES" ${ARGN})
  add_executable(${name} ${F_SOURCES})
  target_link_libraries(${name} PRIVATE lumvex_portable)
  target_include_directories(${name} PRIVATE ${LUMVEX_ROOT}/src)
  target_compile_options(${name} PRIVATE ${LUMVEX_WARNINGS} ${LUMVEX_SAN} -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE ${LUMVEX_SAN} -fsanitize=fuzzer)
endfunction()

file(GLOB LUMVEX_TEST_DIRS CONFIGURE_DEPENDS ${LUMVEX_ROOT}/tests/*/CMakeLists.txt)
foreach(f IN LISTS LUMVEX_TEST_DIRS)
  get_filename_component(d ${f} DIRECTORY)
  get_filename_component(n ${d} NAME)
  add_subdirectory(${d} ${CMAKE_BINARY_DIR}/tests/${n})
endforeach()
