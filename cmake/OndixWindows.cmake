# The Windows program as a folder that runs where it is put: Ondix15.exe with the toolkit's
# libraries, the compiler's run-time libraries, the platform and style plugins, the toolkit's
# German translation and the licences, all beside each other. `cmake --install` writes that
# folder; CPack makes a portable ZIP and an NSIS installer of it (cmake/OndixPackage.cmake).
# Tools and files of the build machine are found outside the cross-compiling root.

# The program's icon as a Windows icon resource, made from the icon's renderings at build time
# (icotool: Debian package icoutils). The first icon resource is the one Explorer shows.
find_program(ONDIX_ICOTOOL icotool NO_CMAKE_FIND_ROOT_PATH)
if(ONDIX_ICOTOOL)
  set(ico ${PROJECT_BINARY_DIR}/packaging/ondix15.ico)
  set(ico_sizes 16 24 32 48 256)
  set(ico_inputs)
  foreach(size IN LISTS ico_sizes)
    list(APPEND ico_inputs ${ONDIX_ICON_RENDERING_DIR}/ondix15-${size}.png)
  endforeach()
  # The 256 px image stays PNG inside the icon, as Windows expects it at that size.
  list(POP_BACK ico_inputs large)
  add_custom_command(OUTPUT ${ico}
    COMMAND ${ONDIX_ICOTOOL} --create --output=${ico} ${ico_inputs} --raw=${large}
    DEPENDS ondix_icon_renderings ${ico_inputs} ${large}
    COMMENT "Making the Windows icon" VERBATIM)
  set(icon_rc ${PROJECT_BINARY_DIR}/packaging/ondix15_icon.rc)
  file(WRITE ${icon_rc} "IDI_ICON1 ICON \"${ico}\"\n")
  set_source_files_properties(${icon_rc} PROPERTIES OBJECT_DEPENDS ${ico})
  target_sources(Ondix15 PRIVATE ${icon_rc})
  set(ONDIX_WINDOWS_ICON ${ico})
else()
  message(WARNING "icotool not found (Debian package icoutils): Ondix15.exe has no icon "
                  "resource; its window still shows the icon")
endif()

# The folder: everything at its top, as a teacher finds it on a USB stick. The plugins are named,
# since nothing imports them; every library that the program and the plugins import is found by
# reading their import tables, in the toolkit's and the compiler's folders.
if(MINGW)
  set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
  set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
  set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND ${CMAKE_OBJDUMP})
endif()
install(TARGETS Ondix15 RUNTIME_DEPENDENCY_SET ondix_libraries RUNTIME DESTINATION .)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsIntegrationPlugin
        RUNTIME_DEPENDENCY_SET ondix_libraries LIBRARY DESTINATION platforms)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsVistaStylePlugin
        RUNTIME_DEPENDENCY_SET ondix_libraries LIBRARY DESTINATION styles)

# The folders the libraries come from: the toolkit's, the compiler's own (beside libgcc) and
# the cross root's (winpthread lives with the Windows libraries).
set(ONDIX_LIBRARY_DIRS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS})
if(MINGW)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-libgcc-file-name
                  OUTPUT_VARIABLE libgcc OUTPUT_STRIP_TRAILING_WHITESPACE)
  get_filename_component(compiler_dir "${libgcc}" DIRECTORY)
  list(APPEND ONDIX_LIBRARY_DIRS ${compiler_dir})
  foreach(root IN LISTS CMAKE_FIND_ROOT_PATH)
    list(APPEND ONDIX_LIBRARY_DIRS ${root}/bin ${root}/lib)
  endforeach()
endif()
list(REMOVE_DUPLICATES ONDIX_LIBRARY_DIRS)
list(FILTER ONDIX_LIBRARY_DIRS EXCLUDE REGEX "^$")
set(existing_dirs)
foreach(dir IN LISTS ONDIX_LIBRARY_DIRS)
  if(IS_DIRECTORY ${dir})
    list(APPEND existing_dirs ${dir})
  endif()
endforeach()
set(ONDIX_LIBRARY_DIRS ${existing_dirs})

if(CMAKE_CROSSCOMPILING)
  # CMake looks for an imported name in lower case, which on a case-sensitive file system misses
  # Qt6Core.dll: each library of those folders gets a link under its lower-case name. The
  # folder gets the files under their own names; the links that come with them are taken out.
  set(lower_names ${PROJECT_BINARY_DIR}/library-names)
  file(REMOVE_RECURSE ${lower_names})
  file(MAKE_DIRECTORY ${lower_names})
  foreach(dir IN LISTS ONDIX_LIBRARY_DIRS)
    file(GLOB dlls LIST_DIRECTORIES false ${dir}/*.dll)
    foreach(dll IN LISTS dlls)
      get_filename_component(name ${dll} NAME)
      string(TOLOWER ${name} name)
      if(NOT EXISTS ${lower_names}/${name})
        file(CREATE_LINK ${dll} ${lower_names}/${name} SYMBOLIC)
      endif()
    endforeach()
  endforeach()
  # Windows' own libraries, as Wine provides them, are found and left out.
  find_path(ONDIX_WINE_SYSTEM_DLLS kernel32.dll
    PATHS /usr/lib/x86_64-linux-gnu/wine /usr/lib64/wine /usr/lib/wine
    PATH_SUFFIXES x86_64-windows NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH
    DOC "Wine's Windows libraries, which stand for Windows' own (Debian package wine64)")
  if(NOT ONDIX_WINE_SYSTEM_DLLS)
    message(FATAL_ERROR "Wine's Windows libraries not found (Debian package wine64)")
  endif()
  set(search_dirs ${lower_names} ${ONDIX_WINE_SYSTEM_DLLS})
  string(REGEX REPLACE "([][+.*()^$])" "\\\\\\1" system_dir "${ONDIX_WINE_SYSTEM_DLLS}")
  set(system_dir "^${system_dir}/")
else()
  set(search_dirs ${ONDIX_LIBRARY_DIRS})
  set(system_dir "^[A-Za-z]:[/\\\\][Ww][Ii][Nn][Dd][Oo][Ww][Ss][/\\\\]")
endif()
# The API-set names are resolved by Windows to its own libraries; they are not files.
install(RUNTIME_DEPENDENCY_SET ondix_libraries DESTINATION .
  DIRECTORIES ${search_dirs}
  PRE_EXCLUDE_REGEXES "^api-ms-" "^ext-ms-"
  POST_EXCLUDE_REGEXES "${system_dir}")
if(CMAKE_CROSSCOMPILING)
  install(CODE [[
    file(GLOB links "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/*.dll")
    foreach(link IN LISTS links)
      if(IS_SYMLINK "${link}")
        file(REMOVE "${link}")
      endif()
    endforeach()
  ]])
endif()
# Microsoft's compiler brings its run-time libraries as redistributable files.
if(MSVC)
  set(CMAKE_INSTALL_SYSTEM_RUNTIME_DESTINATION .)
  include(InstallRequiredSystemLibraries)
endif()

# Without qt.conf the toolkit would look for its translations where it was built.
file(WRITE ${PROJECT_BINARY_DIR}/packaging/qt.conf "[Paths]\nPrefix = .\nTranslations = translations\n")
install(FILES ${PROJECT_BINARY_DIR}/packaging/qt.conf DESTINATION .)
find_file(ONDIX_QTBASE_DE qtbase_de.qm
  PATHS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS} /usr/share/qt6/translations
  NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH
  DOC "The toolkit's German translation (Debian package qt6-translations-l10n)")
if(NOT ONDIX_QTBASE_DE)
  message(FATAL_ERROR "qtbase_de.qm not found: the toolkit's menus would be English "
                      "(Debian package qt6-translations-l10n)")
endif()
install(FILES ${ONDIX_QTBASE_DE} DESTINATION translations)

# The licences of everything in the folder: the program's, the carried font's (in the
# copyright file), the toolkit's with its bundled libraries.
find_file(ONDIX_GPL3 GPL-3 PATHS /usr/share/common-licenses NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(ONDIX_GPL3)
  install(FILES ${ONDIX_GPL3} DESTINATION licenses RENAME GPL-3.txt)
endif()
if(EXISTS ${QT6_INSTALL_PREFIX}/share/doc/qt6-base)
  install(DIRECTORY ${QT6_INSTALL_PREFIX}/share/doc/qt6-base/ DESTINATION licenses/qt6-base)
endif()

# Programs of this build run here under Wine, through a script that puts the toolkit's and the
# compiler's libraries on Wine's search path and keeps a Wine prefix of the build's own.
if(CMAKE_CROSSCOMPILING AND ONDIX_WINE)
  set(ONDIX_WINE_PATH)
  foreach(dir IN LISTS ONDIX_LIBRARY_DIRS)
    string(REPLACE "/" "\\" dir "Z:${dir}")
    list(APPEND ONDIX_WINE_PATH ${dir})
  endforeach()
  list(JOIN ONDIX_WINE_PATH ";" ONDIX_WINE_PATH)
  set(ONDIX_WINE_PREFIX ${PROJECT_BINARY_DIR}/wine-prefix)
  # The offscreen platform takes its fonts from a folder: the one of the font the program carries.
  get_filename_component(font_dir ${ONDIX_LIBERATION_SANS} DIRECTORY)
  set(ONDIX_WINE_FONTDIR Z:${font_dir})
  # Programs run from the build tree, where all of them are written, find the toolkit's plugins
  # where it is installed and its German translation in the build tree.
  file(COPY ${ONDIX_QTBASE_DE} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/translations)
  file(WRITE ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/qt.conf
       "[Paths]\nPrefix = Z:${QT6_INSTALL_PREFIX}\n"
       "Translations = Z:${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/translations\n")
  configure_file(${PROJECT_SOURCE_DIR}/cmake/wine-run.in ${PROJECT_BINARY_DIR}/wine-run
                 @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                 GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_BINARY_DIR}/wine-run)
endif()
