# Cross-compiles for 32-bit Windows with MinGW-w64. The -posix compilers provide the
# threading primitives GoogleTest needs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(ZX_MINGW i686-w64-mingw32)
set(CMAKE_C_COMPILER   ${ZX_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZX_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER  ${ZX_MINGW}-windres)
set(CMAKE_OBJDUMP      ${ZX_MINGW}-objdump)

set(CMAKE_FIND_ROOT_PATH /usr/${ZX_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Windows programs built here run on Linux through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
