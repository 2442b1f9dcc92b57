# Cross-compiling for 64-bit Windows from Debian with mingw-w64 (the posix-threads compilers,
# which C++ threads and Qt need). The toolkit is built with this file alone; the program with
# windows-cross.cmake, which adds the toolkit.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ONDIX_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ONDIX_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ONDIX_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${ONDIX_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ONDIX_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Programs built for Windows run here under Wine.
find_program(ONDIX_WINE NAMES wine64 wine)
