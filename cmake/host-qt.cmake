# The build machine's own Qt, whose tools (moc, rcc) a cross-build of the toolkit or of the
# program uses: QT_HOST_PATH and QT_HOST_PATH_CMAKE_DIR, asked once of its qtpaths6 and kept.
if(NOT QT_HOST_PATH OR NOT QT_HOST_PATH_CMAKE_DIR)
  find_program(ONDIX_HOST_QTPATHS NAMES qtpaths6 qtpaths NO_CMAKE_FIND_ROOT_PATH
               DOC "qtpaths of the build machine's Qt (Debian package qt6-base-dev-tools)")
  if(NOT ONDIX_HOST_QTPATHS)
    message(FATAL_ERROR "qtpaths6 of the build machine's Qt not found (Debian package "
                        "qt6-base-dev-tools)")
  endif()
  execute_process(COMMAND ${ONDIX_HOST_QTPATHS} --query QT_HOST_PREFIX
                  OUTPUT_VARIABLE host_prefix OUTPUT_STRIP_TRAILING_WHITESPACE)
  execute_process(COMMAND ${ONDIX_HOST_QTPATHS} --query QT_HOST_LIBS
                  OUTPUT_VARIABLE host_libs OUTPUT_STRIP_TRAILING_WHITESPACE)
  set(QT_HOST_PATH ${host_prefix} CACHE PATH "The build machine's Qt")
  set(QT_HOST_PATH_CMAKE_DIR ${host_libs}/cmake CACHE PATH "The build machine's Qt's CMake files")
endif()
