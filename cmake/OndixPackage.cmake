# The Debian package: `cpack -G DEB` in a build tree makes ondix15_<version>_<arch>.deb of what
# `cmake --install` installs (the program, its desktop entry, metainfo and icons), under /usr.
# The libraries it needs are read off the program by dpkg-shlibdeps (Debian package dpkg-dev);
# the toolkit's German translations, which it loads by name at start-up, are declared.

# The copyright file names the font built into the program with the licence it comes under,
# as the font's own package states it.
find_file(ONDIX_FONT_COPYRIGHT copyright PATHS /usr/share/doc/fonts-liberation2
          NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH
          DOC "Copyright file of the Liberation fonts, quoted in the package's")
if(ONDIX_FONT_COPYRIGHT)
  file(READ ${ONDIX_FONT_COPYRIGHT} font_copyright)
  # The fonts' stanza, without the one on the font package's own Debian files.
  string(REGEX MATCH "\nFiles: \\*\n(.*)\nFiles: debian" font_copyright "${font_copyright}")
  string(REGEX REPLACE "[ .\n]+$" "" ONDIX_FONT_COPYRIGHT_STANZA "${CMAKE_MATCH_1}")
  if(WIN32)
    set(ONDIX_PROGRAM_FILE Ondix15.exe)
  else()
    set(ONDIX_PROGRAM_FILE /usr/bin/Ondix15)
  endif()
  configure_file(${PROJECT_SOURCE_DIR}/packaging/copyright.in
                 ${PROJECT_BINARY_DIR}/packaging/copyright @ONLY)
  if(WIN32)
    install(FILES ${PROJECT_BINARY_DIR}/packaging/copyright DESTINATION licenses
            RENAME copyright.txt)
  else()
    install(FILES ${PROJECT_BINARY_DIR}/packaging/copyright
            DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/ondix15)
  endif()
endif()

set(CPACK_PACKAGE_NAME ondix15)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Ondix-Lehrmittel)
set(CPACK_PACKAGE_CONTACT "Ondix-Lehrmittel <ondix15@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "wave machine: mechanical waves on a chain of masses and springs")
# Lines of the description as Debian shows them, at most 80 characters wide.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Ondix15 is a wave machine for physics lessons: a row of 98 mass points, coupled"
  "to their neighbours by springs and free to move only up and down. Waves are"
  "excited at the left end, by hand with the mouse or by a harmonic drive, and"
  "travel along the chain, where they are reflected, refracted, dispersed and"
  "absorbed. The user interface is in German and in English.")
# On Windows: a portable ZIP of the program's folder, and an installer (NSIS, Debian package
# nsis) with a Start-menu entry, an entry among the installed programs and an uninstaller; its
# /S switch installs silently, as a school's administrator pushes it to a whole room.
if(WIN32)
  set(CPACK_GENERATOR ZIP NSIS)
  set(CPACK_SYSTEM_NAME win64)
  set(CPACK_PACKAGE_INSTALL_DIRECTORY Ondix15)
  set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Ondix15)
  set(CPACK_PACKAGE_EXECUTABLES Ondix15 "Ondix15 Wellenmaschine")
  set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
  set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
  # A 64-bit installer for a 64-bit program; it also runs where only 64-bit Wine is installed.
  set(CPACK_NSIS_DEFINES "Target amd64-unicode")
  set(CPACK_NSIS_DISPLAY_NAME "Ondix15 Wellenmaschine")
  set(CPACK_NSIS_PACKAGE_NAME "Ondix15 Wellenmaschine ${PROJECT_VERSION}")
  set(CPACK_NSIS_INSTALLED_ICON_NAME Ondix15.exe)
  if(ONDIX_WINDOWS_ICON)
    set(CPACK_NSIS_MUI_ICON ${ONDIX_WINDOWS_ICON})
    set(CPACK_NSIS_MUI_UNIICON ${ONDIX_WINDOWS_ICON})
  endif()
else()
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
endif()
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
