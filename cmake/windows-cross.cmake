# The program for 64-bit Windows, cross-built on Debian: the compilers, and the toolkit as
# scripts/build-windows-qt builds it (ONDIX_WINDOWS_QT, its install prefix, which that script
# prints; the windows preset takes it from the environment variable of the same name). Its
# build tools (moc, rcc) are the build machine's own Qt of the same version, found once through
# its qtpaths6.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake)

if(NOT ONDIX_WINDOWS_QT AND DEFINED ENV{ONDIX_WINDOWS_QT})
  set(ONDIX_WINDOWS_QT $ENV{ONDIX_WINDOWS_QT})
endif()
if(NOT ONDIX_WINDOWS_QT)
  message(FATAL_ERROR "The toolkit for Windows is not named: set ONDIX_WINDOWS_QT to the prefix "
                      "that scripts/build-windows-qt prints")
endif()
set(ONDIX_WINDOWS_QT ${ONDIX_WINDOWS_QT} CACHE PATH "The toolkit built for Windows")
list(APPEND CMAKE_FIND_ROOT_PATH ${ONDIX_WINDOWS_QT})
list(APPEND CMAKE_PREFIX_PATH ${ONDIX_WINDOWS_QT})

include(${CMAKE_CURRENT_LIST_DIR}/host-qt.cmake)
# The checks CMake compiles while configuring read this file again; they need the same values.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ONDIX_WINDOWS_QT QT_HOST_PATH
     QT_HOST_PATH_CMAKE_DIR)
