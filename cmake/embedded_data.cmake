# Data that the library carries inside itself: the converter's four code tables and, on POSIX,
# the code-page-936 character mappings of the LCMapStringA stand-in.
#
# Included by the top-level CMakeLists.txt after the object library quorvelml_objects exists.
# Run as a script (cmake -P) it writes one C++ source holding the bytes of the given files:
#   -DQML_EMBED_OUTPUT=<file.cpp> -DQML_EMBED_INPUTS=<name=file.bin|name=file.bin|...>

if(CMAKE_SCRIPT_MODE_FILE)
  set(_body "// Generated from the committed data files; do not edit.\n#include <cstddef>\n\nnamespace qml::embedded {\n")
  string(REPLACE "|" ";" _entries "${QML_EMBED_INPUTS}")
  foreach(entry IN LISTS _entries)
    string(REPLACE "=" ";" entry "${entry}")
    list(GET entry 0 name)
    list(GET entry 1 file)
    file(READ "${file}" hex HEX)
    string(LENGTH "${hex}" hexLength)
    math(EXPR size "${hexLength} / 2")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(REGEX REPLACE "((0x..,){24})" "\\1\n" bytes "${bytes}")
    string(APPEND _body "extern const unsigned char ${name}[${size}];\n"
      "extern const std::size_t ${name}_size;\n"
      "alignas(16) const unsigned char ${name}[${size}] = {\n${bytes}};\n"
      "const std::size_t ${name}_size = ${size};\n\n")
  endforeach()
  string(APPEND _body "}  // namespace qml::embedded\n")
  file(WRITE "${QML_EMBED_OUTPUT}.tmp" "${_body}")
  file(COPY_FILE "${QML_EMBED_OUTPUT}.tmp" "${QML_EMBED_OUTPUT}" ONLY_IF_DIFFERENT)
  file(REMOVE "${QML_EMBED_OUTPUT}.tmp")
  return()
endif()

set(_tables ${CMAKE_CURRENT_SOURCE_DIR}/chinese/tables)
set(_generated ${CMAKE_CURRENT_BINARY_DIR}/generated)

if(WIN32)
  # Real RCDATA resources 11007 (Big5 to GB), 11008 (GB to Big5), 11009 (Big5 to code page
  # 936) and 11010 (code page 936 to Big5), language Chinese (PRC), from the resource script of
  # the Windows build. The top-level file links them into the DLL and into every program that
  # links the static library.
  set(_script ${CMAKE_CURRENT_SOURCE_DIR}/platform/win32/quorvelml.rc)
  add_library(quorvelml_resources OBJECT ${_script})
  target_include_directories(quorvelml_resources PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  set_source_files_properties(${_script} PROPERTIES
    OBJECT_DEPENDS
    "${_tables}/big5_to_gb.bin;${_tables}/gb_to_big5.bin;${_tables}/big5_to_cp936.bin;${_tables}/cp936_to_big5.bin")
else()
  set(_inputs
    big5_to_gb=${_tables}/big5_to_gb.bin
    gb_to_big5=${_tables}/gb_to_big5.bin
    big5_to_cp936=${_tables}/big5_to_cp936.bin
    cp936_to_big5=${_tables}/cp936_to_big5.bin
    cp936_to_traditional=${CMAKE_CURRENT_SOURCE_DIR}/platform/posix/data/cp936_to_traditional.bin
    cp936_to_simplified=${CMAKE_CURRENT_SOURCE_DIR}/platform/posix/data/cp936_to_simplified.bin)
  set(_files)
  foreach(entry IN LISTS _inputs)
    string(REGEX REPLACE "^[^=]*=" "" file "${entry}")
    list(APPEND _files ${file})
  endforeach()
  list(JOIN _inputs "|" _joined)
  add_custom_command(
    OUTPUT ${_generated}/embedded_data.cpp
    COMMAND ${CMAKE_COMMAND} "-DQML_EMBED_OUTPUT=${_generated}/embedded_data.cpp"
            "-DQML_EMBED_INPUTS=${_joined}" -P ${CMAKE_CURRENT_LIST_FILE}
    DEPENDS ${_files} ${CMAKE_CURRENT_LIST_FILE}
    COMMENT "Embedding the code tables"
    VERBATIM)
  target_sources(quorvelml_objects PRIVATE ${_generated}/embedded_data.cpp)
endif()

# The generator, for rebuilding the tables (needs ICU): cmake -DQML_BUILD_TABLE_GENERATOR=ON,
# then build the target code_tables.
option(QML_BUILD_TABLE_GENERATOR "Build the code-table generator (needs ICU)" OFF)
if(QML_BUILD_TABLE_GENERATOR AND NOT TARGET qml_table_generator)
  add_subdirectory(${CMAKE_CURRENT_SOURCE_DIR}/tools ${CMAKE_CURRENT_BINARY_DIR}/tools)
endif()

# A host must be able to unload the library (dlclose), which runs its shutdown and deletes
# the converter object. GCC marks some template statics of the C++ library as unique global
# symbols, and one such symbol pins a shared object in memory for good; our symbols are hidden,
# so each copy of the library may keep its own.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND NOT WIN32)
  target_compile_options(quorvelml_objects PRIVATE -fno-gnu-unique)
endif()
