# The library's layers, and the check that keeps them: every #include "folder/..." of a folder
# below names the folder itself, a folder lower in the list, or the public headers.
#
#   cmake -DSOURCE_DIR=<repository> -P cmake/layers.cmake          check; fails on a wrong include
#   cmake -DSOURCE_DIR=<repository> -DPRINT=ON -P cmake/layers.cmake  also print folder -> folders
#
# Highest first. A folder may include only the folders after it in this list:
#   cli        the command-line tool (a host: the public headers, and the header-only byte
#              rules of base)
#   capi       the C interface, adapters over the subsystems
#   ui, log    window translation and message boxes; the log relay and diagnostics
#   translate  key lookup, phrase and caption translation, formatting
#   language   language state and set-up, the catalogue, the host's log callback
#   module     start-up and shutdown: records the module handle for the converter, deletes the
#              converter, frees what the process keeps at a real unload
#   chinese    the converter, detection, conversion state and entry points
#   util       the shared utility functions, UTF-8 at the edges
#   platform   the platform seam (qml::os) and its POSIX and Win32 parts
#   base       byte rules shared by every layer
#   include    the public headers (quorvel/...): they include only each other, and every
#              folder may include them, since the library implements what they declare
cmake_policy(VERSION 3.20)

set(QML_LAYERS cli capi ui log translate language module chinese util platform base include)
# The folders each layer is made of (the public headers are included as "quorvel/...").
set(QML_LAYER_FOLDERS_include include/quorvel)
set(QML_LAYER_NAME_quorvel include)
# Beside the public headers and the byte rules, the command-line tool includes only its own folders.
set(QML_LAYER_ONLY_cli base include)

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "layers.cmake: SOURCE_DIR is not set")
endif()

set(_failures "")
set(_graph "")
list(LENGTH QML_LAYERS _count)
math(EXPR _last "${_count} - 1")
foreach(_index RANGE ${_last})
  list(GET QML_LAYERS ${_index} _layer)
  # What the layer may include: itself and every layer after it (or its own short list).
  if(DEFINED QML_LAYER_ONLY_${_layer})
    set(_allowed ${_layer} ${QML_LAYER_ONLY_${_layer}})
  else()
    list(SUBLIST QML_LAYERS ${_index} -1 _allowed)
  endif()
  set(_folder ${_layer})
  if(DEFINED QML_LAYER_FOLDERS_${_layer})
    set(_folder ${QML_LAYER_FOLDERS_${_layer}})
  endif()
  file(GLOB_RECURSE _files ${SOURCE_DIR}/${_folder}/*.h ${SOURCE_DIR}/${_folder}/*.cpp ${SOURCE_DIR}/${_folder}/*.in)
  set(_reached "")
  foreach(_file IN LISTS _files)
    file(STRINGS ${_file} _includes REGEX "^[ \t]*#[ \t]*include[ \t]+\"[^\"/]+/")
    foreach(_line IN LISTS _includes)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]+\"([^\"/]+)/.*" "\\1" _target "${_line}")
      if(DEFINED QML_LAYER_NAME_${_target})
        set(_target ${QML_LAYER_NAME_${_target}})
      endif()
      # Anything else is a folder of the layer's own (cli's translator/, platform's posix/).
      if(NOT _target IN_LIST QML_LAYERS)
        continue()
      endif()
      if(NOT _target STREQUAL _layer)
        list(APPEND _reached ${_target})
      endif()
      if(NOT _target IN_LIST _allowed)
        file(RELATIVE_PATH _name ${SOURCE_DIR} ${_file})
        string(STRIP "${_line}" _line)
        list(APPEND _failures "${_name}: ${_line} (${_layer} may not include ${_target})")
      endif()
    endforeach()
  endforeach()
  list(REMOVE_DUPLICATES _reached)
  # Listed in layer order, highest first.
  set(_ordered "")
  foreach(_other IN LISTS QML_LAYERS)
    if(_other IN_LIST _reached)
      list(APPEND _ordered ${_other})
    endif()
  endforeach()
  string(REPLACE ";" " " _ordered "${_ordered}")
  string(APPEND _graph "  ${_layer} -> ${_ordered}\n")
endforeach()

if(PRINT)
  message("Layer graph (folder -> folders it includes):\n${_graph}")
endif()
if(_failures)
  list(LENGTH _failures _n)
  string(REPLACE ";" "\n  " _failures "${_failures}")
  message(FATAL_ERROR "${_n} include(s) reach a higher layer:\n  ${_failures}")
endif()
