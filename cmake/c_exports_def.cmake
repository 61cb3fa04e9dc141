# Writes the module-definition file of the DLL's C interface: the qml_ names of the linker's full
# export list (which also holds the C++ exports, whose GCC-mangled names no other compiler links).
# Ordinals are left out so that hosts import by name.
#   cmake -DIN=<all exports .def> -DOUT=<.def> -DDLL=<name.dll> -P c_exports_def.cmake
file(STRINGS "${IN}" _lines)
set(_exports "")
set(_count 0)
foreach(_line IN LISTS _lines)
  if(_line MATCHES "^[ \t]*(qml_[A-Za-z0-9_]+)([ \t]|$)")
    string(APPEND _exports "    ${CMAKE_MATCH_1}\n")
    math(EXPR _count "${_count} + 1")
  endif()
endforeach()
if(_count EQUAL 0)
  message(FATAL_ERROR "${IN} names no qml_ function")
endif()
file(WRITE "${OUT}" "LIBRARY ${DLL}\nEXPORTS\n${_exports}")
