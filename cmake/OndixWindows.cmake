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

# The folder: everything at its top, as a teacher finds it on a USB stick.
install(TARGETS Ondix15 RUNTIME DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
        DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)

# The compiler's run-time libraries: MinGW's three, or Microsoft's redistributable ones.
if(MINGW)
  foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}")
      # The compiler names only its own libraries; winpthread lives with the Windows libraries.
      find_file(path_${dll} ${dll} PATHS ${CMAKE_FIND_ROOT_PATH} PATH_SUFFIXES lib bin
                NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
      set(path ${path_${dll}})
    endif()
    if(NOT EXISTS "${path}")
      message(FATAL_ERROR "${dll} of the compiler not found")
    endif()
    list(APPEND ONDIX_RUNTIME_DLLS ${path})
  endforeach()
  install(FILES ${ONDIX_RUNTIME_DLLS} DESTINATION .)
else()
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
  set(wine_dirs ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS})
  foreach(dll IN LISTS ONDIX_RUNTIME_DLLS)
    get_filename_component(dir ${dll} DIRECTORY)
    list(APPEND wine_dirs ${dir})
  endforeach()
  list(REMOVE_DUPLICATES wine_dirs)
  set(ONDIX_WINE_PATH)
  foreach(dir IN LISTS wine_dirs)
    string(REPLACE "/" "\\" dir "Z:${dir}")
    list(APPEND ONDIX_WINE_PATH ${dir})
  endforeach()
  list(JOIN ONDIX_WINE_PATH ";" ONDIX_WINE_PATH)
  set(ONDIX_WINE_PREFIX ${PROJECT_BINARY_DIR}/wine-prefix)
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
