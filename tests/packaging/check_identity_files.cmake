# Checks that the desktop entry and the metainfo agree with each other and with the program:
# the validators check each file on its own, not whether the metainfo launches this desktop
# entry, the entry starts this executable and shows this icon, or the release is this version.
#
# Input: APP_ID, VERSION, APPLICATION_NAME, EXECUTABLE, DESKTOP_ENTRY, METAINFO.

set(problems)
function(expect_match text regex what)
  if(NOT text MATCHES "${regex}")
    set(problems "${problems}\n  ${what}" PARENT_SCOPE)
  endif()
endfunction()

string(REPLACE "." "\\." id "${APP_ID}")
string(REPLACE "." "\\." version "${VERSION}")
string(REPLACE "." "\\." executable "${EXECUTABLE}")

file(READ "${DESKTOP_ENTRY}" entry)
expect_match("${entry}" "^\\[Desktop Entry\\]\n" "desktop entry: group [Desktop Entry] first")
expect_match("${entry}" "\nType=Application\n" "desktop entry: Type=Application")
expect_match("${entry}" "\nExec=${executable}( [^\n]*)?\n" "desktop entry: Exec=${EXECUTABLE}")
expect_match("${entry}" "\nIcon=${id}\n" "desktop entry: Icon=${APP_ID}")
expect_match("${entry}" "\nTerminal=false\n" "desktop entry: Terminal=false")
# On X11 the window's class is the application name; this key ties the window to the entry.
expect_match("${entry}" "\nStartupWMClass=${APPLICATION_NAME}\n"
             "desktop entry: StartupWMClass=${APPLICATION_NAME}")
expect_match("${entry}" "\nCategories=([^\n]*;)?Education;" "desktop entry: category Education")
foreach(key Name GenericName Comment)
  expect_match("${entry}" "\n${key}=[^\n]+\n" "desktop entry: ${key}")
  expect_match("${entry}" "\n${key}\\[de\\]=[^\n]+\n" "desktop entry: ${key}[de]")
endforeach()

file(READ "${METAINFO}" meta)
expect_match("${meta}" "<component type=\"desktop-application\">" "metainfo: desktop-application")
expect_match("${meta}" "<id>${id}</id>" "metainfo: <id>${APP_ID}</id>")
expect_match("${meta}" "<launchable type=\"desktop-id\">${id}\\.desktop</launchable>"
             "metainfo: launchable ${APP_ID}.desktop")
expect_match("${meta}" "<binary>${executable}</binary>" "metainfo: provides binary ${EXECUTABLE}")
expect_match("${meta}" "<release version=\"${version}\" date=\"[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]\""
             "metainfo: release ${VERSION} with a date")
foreach(tag name summary p)
  expect_match("${meta}" "<${tag}>" "metainfo: <${tag}> in English")
  expect_match("${meta}" "<${tag} xml:lang=\"de\">" "metainfo: <${tag}> in German")
endforeach()

if(problems)
  message(FATAL_ERROR "Desktop entry or metainfo do not match the program:${problems}")
endif()
message(STATUS "Desktop entry and metainfo match ${APP_ID} ${VERSION}")
