# Installs the build into a fresh prefix and checks that the desktop finds the program there:
# the executable, its desktop entry and metainfo, and its icon in the hicolor theme, scalable
# and at every rendered size; then lets appstreamcli check the installed tree as a whole.
#
# Input: BUILD_DIR, PREFIX, APP_ID, ICON_SIZES (comma-separated), APPSTREAMCLI (may be empty).

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE status OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${log}")
endif()

set(expected
  bin/Ondix15
  share/applications/${APP_ID}.desktop
  share/metainfo/${APP_ID}.metainfo.xml
  share/icons/hicolor/scalable/apps/${APP_ID}.svg)
string(REPLACE "," ";" sizes "${ICON_SIZES}")
foreach(size IN LISTS sizes)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()

set(missing)
foreach(file IN LISTS expected)
  if(NOT EXISTS "${PREFIX}/${file}")
    list(APPEND missing "${file}")
  endif()
endforeach()
if(missing)
  file(GLOB_RECURSE installed RELATIVE "${PREFIX}" "${PREFIX}/*")
  list(JOIN missing "\n  " missing)
  list(JOIN installed "\n  " installed)
  message(FATAL_ERROR "Not installed:\n  ${missing}\nInstalled:\n  ${installed}")
endif()

if(NOT APPSTREAMCLI)
  message(FATAL_ERROR "appstreamcli not found (Debian package appstream)")
endif()
execute_process(COMMAND "${APPSTREAMCLI}" validate-tree --no-net "${PREFIX}"
                RESULT_VARIABLE status OUTPUT_VARIABLE report ERROR_VARIABLE report)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "appstreamcli validate-tree ${PREFIX}:\n${report}")
endif()
message(STATUS "Installed tree in ${PREFIX} is complete")
