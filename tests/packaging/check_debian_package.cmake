# Builds the Debian package with cpack and checks its exact file list under /usr, the program's
# mode, and the control fields: version, the libraries read off the program, the translations.
# Input: BUILD_DIR, WORK_DIR, CPACK, APP_ID, ICON_SIZES (comma-separated), VERSION.

file(REMOVE_RECURSE "${WORK_DIR}")
execute_process(COMMAND "${CPACK}" -G DEB -B "${WORK_DIR}" WORKING_DIRECTORY "${BUILD_DIR}"
                RESULT_VARIABLE status OUTPUT_VARIABLE log ERROR_VARIABLE log)
execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE arch
                OUTPUT_STRIP_TRAILING_WHITESPACE)
set(deb "${WORK_DIR}/ondix15_${VERSION}_${arch}.deb")
if(NOT status EQUAL 0 OR NOT EXISTS "${deb}")
  message(FATAL_ERROR "cpack -G DEB did not make ${deb}:\n${log}")
endif()

set(expected
  ./usr/bin/Ondix15
  ./usr/share/applications/${APP_ID}.desktop
  ./usr/share/doc/ondix15/copyright
  ./usr/share/icons/hicolor/scalable/apps/${APP_ID}.svg
  ./usr/share/metainfo/${APP_ID}.metainfo.xml)
string(REPLACE "," ";" sizes "${ICON_SIZES}")
foreach(size IN LISTS sizes)
  list(APPEND expected ./usr/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
list(SORT expected)

execute_process(COMMAND dpkg-deb -c "${deb}" OUTPUT_VARIABLE listing COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "[^\n]*[^/\n]\n" entries "${listing}")
set(files)
foreach(entry IN LISTS entries)
  string(REGEX REPLACE ".* (\\./[^ ]*)\n$" "\\1" file "${entry}")
  list(APPEND files "${file}")
endforeach()
list(SORT files)
if(NOT files STREQUAL expected
   OR NOT listing MATCHES "-rwxr-xr-x root/root [^\n]* ./usr/bin/Ondix15\n")
  message(FATAL_ERROR "${deb} holds:\n${listing}\nexpected the files:\n${expected}")
endif()

execute_process(COMMAND dpkg-deb -f "${deb}" Package Version Depends
                OUTPUT_VARIABLE control COMMAND_ERROR_IS_FATAL ANY)
foreach(field "Package: ondix15\n" "Version: ${VERSION}\n" "Depends: [^\n]*libqt6widgets6 \\("
              "Depends: [^\n]*qt6-translations-l10n")
  if(NOT control MATCHES "${field}")
    message(FATAL_ERROR "${deb}: no field matching \"${field}\" in\n${control}\ncpack:\n${log}")
  endif()
endforeach()
