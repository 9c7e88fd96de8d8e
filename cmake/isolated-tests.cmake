# lumvex_add_isolated_test(NAME SOURCES src... [MODES m...] [RESOURCES]
#                          [COMPANIONS target...] [TIMEOUT s])
#   A GoogleTest program like those of lumvex_add_test, run in a private copy
#   of each mode's prefix (scripts/wine-run-isolated): for tests that write to
#   the machine-wide registry (both views) or to the shell folders, which no
#   in-process sandbox covers. The program runs from C:\Lumvex of the copy,
#   with the files of the COMPANIONS targets beside it.
include_guard(GLOBAL)

function(lumvex_add_isolated_test name)
  cmake_parse_arguments(T "RESOURCES" "TIMEOUT" "SOURCES;MODES;COMPANIONS" ${ARGN})
  if(NOT T_MODES)
    set(T_MODES nt64)
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set(srcs ${T_SOURCES})
  if(T_RESOURCES)
    list(APPEND srcs ${LUMVEX_RESOURCES})
  endif()
  add_executable(${name} ${srcs})
  target_link_libraries(${name} PRIVATE lumvex_core gtest ${LUMVEX_WIN_LIBS})
  target_include_directories(${name} PRIVATE ${LUMVEX_ROOT}/tests ${LUMVEX_ROOT}/src)
  target_compile_options(${name} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:${LUMVEX_WARNINGS}>)
  target_link_options(${name} PRIVATE ${LUMVEX_WIN_LINK})
  set(companion_files)
  foreach(c IN LISTS T_COMPANIONS)
    add_dependencies(${name} ${c})
    list(APPEND companion_files $<TARGET_FILE:${c}>)
  endforeach()
  foreach(mode IN LISTS T_MODES)
    add_test(NAME ${name}.${mode}
             COMMAND ${LUMVEX_ROOT}/scripts/wine-run-isolated ${mode} $<TARGET_FILE:${name}>
                     ${companion_files})
    set_tests_properties(${name}.${mode} PROPERTIES
      ENVIRONMENT "LUMVEX_WINE_ROOT=${LUMVEX_WINE_ROOT}"
      LABELS ${mode} TIMEOUT ${T_TIMEOUT})
  endforeach()
endfunction()
