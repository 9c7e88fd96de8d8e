# Sources that use no Windows API and build natively too (sanitizers, fuzzing).
# Add a file here only if neither it nor any header it includes pulls in <windows.h>.
set(LUMVEX_PORTABLE_SOURCES
  src/foundation/path_text.cpp
  src/foundation/bounded_text.cpp
  src/uninstall/list_entry.cpp
  src/uninstall/removal_script.cpp
  src/uninstall/wininit_text.cpp
  src/entry/switch_scan.cpp
  src/entry/format_check.cpp
  src/integration/extension_list.cpp
  src/integration/new_menu_templates.cpp
  src/localisation/array.cpp
  src/localisation/crc32.cpp
  src/localisation/dialog_scale.cpp
  src/localisation/language_store.cpp
)
list(TRANSFORM LUMVEX_PORTABLE_SOURCES PREPEND ${CMAKE_CURRENT_LIST_DIR}/../)
