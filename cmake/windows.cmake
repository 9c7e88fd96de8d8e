# The Windows build: uninstall.exe, its tests under Wine, helper programs.

set(LUMVEX_WIN_DEFINES STRICT NOMINMAX)
set(LUMVEX_WIN_LINK -static -static-libgcc -static-libstdc++)
set(LUMVEX_WIN_LIBS ole32 oleaut32 uuid shell32 shlwapi advapi32 user32 gdi32 comctl32 comdlg32)

# Everything of the program except its entry function, compiled once and
# linked into the program and into every test program.
file(GLOB_RECURSE LUMVEX_CORE_SOURCES CONFIGURE_DEPENDS
     ${LUMVEX_ROOT}/src/*.cpp)
list(FILTER LUMVEX_CORE_SOURCES EXCLUDE REGEX "/src/entry/winmain\\.cpp$")
add_library(lumvex_core OBJECT ${LUMVEX_CORE_SOURCES})
target_include_directories(lumvex_core PUBLIC ${LUMVEX_ROOT}/src)
target_compile_definitions(lumvex_core PUBLIC ${LUMVEX_WIN_DEFINES})
target_compile_options(lumvex_core PRIVATE ${LUMVEX_WARNINGS})

# The program's resources (string table, dialogs, icons, manifest).
set(LUMVEX_RESOURCES ${LUMVEX_ROOT}/src/resources/uninstall.rc)

add_executable(uninstall WIN32 ${LUMVEX_ROOT}/src/entry/winmain.cpp ${LUMVEX_RESOURCES})
target_link_libraries(uninstall PRIVATE lumvex_core ${LUMVEX_WIN_LIBS})
target_compile_options(uninstall PRIVATE $<$<COMPILE_LANGUAGE:CXX>:${LUMVEX_WARNINGS}>)
target_link_options(uninstall PRIVATE ${LUMVEX_WIN_LINK} -mwindows -s)

# GoogleTest from Debian's sources, built with the same cross compiler.
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

set(LUMVEX_WINE_ROOT ${CMAKE_BINARY_DIR}/wine CACHE PATH "Where the test Wine prefixes live")

# lumvex_add_test(NAME SOURCES src... [MODES m...] [RESOURCES] [GUI] [OWN_PREFIX] [LIBS l...] [TIMEOUT s])
#   A GoogleTest program linked with the program's code, run under Wine as one
#   process per platform mode: nt64 (NT on 64-bit Windows), nt32 (NT on 32-bit
#   Windows), win98 (the 9x family) and cp936 (NT in code page 936).
#   RESOURCES links the program's resources into the test program; GUI makes
#   it a windows-subsystem program (it still writes its results to a file that
#   the runner prints). OWN_PREFIX runs it in a fresh copy of the mode's
#   prefix (scripts/wine-run-own-prefix; nt64 and nt32 only), for tests that
#   change the prefix for real (what a registry override cannot cover).
#   ISOLATED runs it from C:\Lumvex of a private copy of the mode's prefix,
#   with the files of the COMPANIONS targets beside it and user folders of its
#   own (scripts/wine-run-isolated): for tests that write the machine-wide
#   registry (both views) or the shell folders.
function(lumvex_add_test name)
  cmake_parse_arguments(T "RESOURCES;GUI;OWN_PREFIX;ISOLATED" "TIMEOUT" "SOURCES;MODES;LIBS;COMPANIONS" ${ARGN})
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
  target_link_libraries(${name} PRIVATE lumvex_core gtest ${T_LIBS} ${LUMVEX_WIN_LIBS})
  target_include_directories(${name} PRIVATE ${LUMVEX_ROOT}/tests ${LUMVEX_ROOT}/src)
  target_compile_options(${name} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:${LUMVEX_WARNINGS}>)
  target_link_options(${name} PRIVATE ${LUMVEX_WIN_LINK})
  add_dependencies(${name} uninstall)
  set(companion_files)
  foreach(c IN LISTS T_COMPANIONS)
    add_dependencies(${name} ${c})
    list(APPEND companion_files $<TARGET_FILE:${c}>)
  endforeach()
  foreach(mode IN LISTS T_MODES)
    if(T_ISOLATED)
      add_test(NAME ${name}.${mode}
               COMMAND ${LUMVEX_ROOT}/scripts/wine-run-isolated ${mode} $<TARGET_FILE:${name}>
                       ${companion_files})
    elseif(T_OWN_PREFIX)
      add_test(NAME ${name}.${mode}
               COMMAND ${LUMVEX_ROOT}/scripts/wine-run-own-prefix ${mode} $<TARGET_FILE:${name}>)
    else()
      add_test(NAME ${name}.${mode}
               COMMAND ${LUMVEX_ROOT}/scripts/wine-run ${mode} $<TARGET_FILE:${name}>)
    endif()
    set_tests_properties(${name}.${mode} PROPERTIES
      ENVIRONMENT "LUMVEX_WINE_ROOT=${LUMVEX_WINE_ROOT}"
      LABELS ${mode} TIMEOUT ${T_TIMEOUT})
  endforeach()
endfunction()

# lumvex_add_portable_test(NAME SOURCES src...): a test of portable code. Here
# it runs under Wine (nt64 and cp936); the native build runs it with sanitizers.
function(lumvex_add_portable_test name)
  cmake_parse_arguments(T "" "" "SOURCES" ${ARGN})
  lumvex_add_test(${name} SOURCES ${T_SOURCES} MODES nt64 cp936)
endfunction()

# Fuzz targets exist in the native build only.
function(lumvex_add_fuzz_target name)
endfunction()

# lumvex_add_helper(NAME SOURCES src... [GUI] [LIBS l...] [RC file...]):
#   a small Windows program used by tests and the demo (stand-ins, fixtures).
function(lumvex_add_helper name)
  cmake_parse_arguments(H "GUI" "OUTPUT_NAME" "SOURCES;LIBS" ${ARGN})
  if(H_GUI)
    add_executable(${name} WIN32 ${H_SOURCES})
    target_link_options(${name} PRIVATE ${LUMVEX_WIN_LINK} -mwindows)
  else()
    add_executable(${name} ${H_SOURCES})
    target_link_options(${name} PRIVATE ${LUMVEX_WIN_LINK})
  endif()
  target_link_libraries(${name} PRIVATE ${H_LIBS} ${LUMVEX_WIN_LIBS})
  target_include_directories(${name} PRIVATE ${LUMVEX_ROOT}/src ${LUMVEX_ROOT}/tests)
  target_compile_definitions(${name} PRIVATE ${LUMVEX_WIN_DEFINES})
  target_compile_options(${name} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:${LUMVEX_WARNINGS}>)
  if(H_OUTPUT_NAME)
    set_target_properties(${name} PROPERTIES OUTPUT_NAME ${H_OUTPUT_NAME})
  endif()
endfunction()

# Each test folder adds its own tests; tools add their programs.
file(GLOB LUMVEX_TEST_DIRS CONFIGURE_DEPENDS ${LUMVEX_ROOT}/tests/*/CMakeLists.txt)
foreach(f IN LISTS LUMVEX_TEST_DIRS)
  get_filename_component(d ${f} DIRECTORY)
  get_filename_component(n ${d} NAME)
  add_subdirectory(${d} ${CMAKE_BINARY_DIR}/tests/${n})
endforeach()
file(GLOB LUMVEX_TOOL_DIRS CONFIGURE_DEPENDS ${LUMVEX_ROOT}/tools/*/CMakeLists.txt)
foreach(f IN LISTS LUMVEX_TOOL_DIRS)
  get_filename_component(d ${f} DIRECTORY)
  get_filename_component(n ${d} NAME)
  add_subdirectory(${d} ${CMAKE_BINARY_DIR}/tools/${n})
endforeach()
