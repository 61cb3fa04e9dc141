# Cross-compiles the library, its tests and the tool as 64-bit Windows binaries with the
# MinGW-w64 compilers (Debian: g++-mingw-w64-x86-64). The posix thread model is used, since
# the tests and the library need std::thread and std::mutex.
#   cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QML_MINGW_PREFIX x86_64-w64-mingw32)
find_program(CMAKE_C_COMPILER NAMES ${QML_MINGW_PREFIX}-gcc-posix ${QML_MINGW_PREFIX}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${QML_MINGW_PREFIX}-g++-posix ${QML_MINGW_PREFIX}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${QML_MINGW_PREFIX}-windres REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/${QML_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The runtime libraries go inside each binary, so that the DLL and the programs run on a bare
# system (or Wine prefix) without the compiler's DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")

# Test programs run under Wine when CTest runs them from this build.
find_program(QML_WINE NAMES wine wine64)
if(QML_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${QML_WINE})
endif()
