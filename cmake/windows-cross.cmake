# The program for 64-bit Windows, cross-built on Debian: the compilers, and the toolkit as
# scripts/build-windows-qt builds it into a cache outside the tree. Its build tools (moc, rcc)
# are Debian's own, of the same version.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake)

if(NOT ONDIX_WINDOWS_QT)
  execute_process(COMMAND ${CMAKE_CURRENT_LIST_DIR}/../scripts/build-windows-qt --prefix
                  OUTPUT_VARIABLE ONDIX_WINDOWS_QT OUTPUT_STRIP_TRAILING_WHITESPACE)
  set(ONDIX_WINDOWS_QT ${ONDIX_WINDOWS_QT} CACHE PATH "The toolkit built for Windows")
endif()
list(APPEND CMAKE_FIND_ROOT_PATH ${ONDIX_WINDOWS_QT})
list(APPEND CMAKE_PREFIX_PATH ${ONDIX_WINDOWS_QT})
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
