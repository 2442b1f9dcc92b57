# Extracts the marked German texts of every layer's sources into a template and merges each
# catalogue with it: a text with no translation fails, named with where it is used.
cmake_policy(SET CMP0009 NEW)
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
     ${SOURCE_DIR}/language/*.cpp ${SOURCE_DIR}/language/*.h
     ${SOURCE_DIR}/core/*.cpp ${SOURCE_DIR}/core/*.h
     ${SOURCE_DIR}/picture/*.cpp ${SOURCE_DIR}/picture/*.h
     ${SOURCE_DIR}/instrument/*.cpp ${SOURCE_DIR}/instrument/*.h
     ${SOURCE_DIR}/desktop/platform/*.cpp ${SOURCE_DIR}/desktop/platform/*.h
     ${SOURCE_DIR}/desktop/view/*.cpp ${SOURCE_DIR}/desktop/view/*.h
     ${SOURCE_DIR}/desktop/window/*.cpp ${SOURCE_DIR}/desktop/window/*.h
     ${SOURCE_DIR}/web/*.cpp ${SOURCE_DIR}/web/*.h
     ${SOURCE_DIR}/main.cpp)
list(SORT sources)
set(template ${WORK_DIR}/ondix15.pot)
execute_process(
  COMMAND ${XGETTEXT} --language=C++ --from-code=UTF-8 --keyword=translate
          --keyword=translateIn:1c,2 --keyword=N_ --add-comments=Translators
          --output=${template} ${sources}
  WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "xgettext failed")
endif()
file(STRINGS ${template} marked REGEX "^msgid ")
list(LENGTH marked count)
if(count LESS 2)
  message(FATAL_ERROR "no marked text found in the sources")
endif()
file(GLOB catalogues ${SOURCE_DIR}/language/*.po)
set(failed FALSE)
foreach(catalogue IN LISTS catalogues)
  get_filename_component(code ${catalogue} NAME_WE)
  set(merged ${WORK_DIR}/${code}-merged.po)
  execute_process(COMMAND ${MSGMERGE} --quiet --no-fuzzy-matching --output-file=${merged}
                          ${catalogue} ${template} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "msgmerge failed on ${catalogue}")
  endif()
  execute_process(COMMAND ${MSGATTRIB} --untranslated --no-obsolete ${merged}
                  OUTPUT_VARIABLE missing RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "msgattrib failed on ${merged}")
  endif()
  if(missing MATCHES "msgid \"[^\"]")
    message(SEND_ERROR "${catalogue} has no translation of:\n${missing}")
    set(failed TRUE)
  else()
    message(STATUS "${catalogue}: all ${count} marked texts translated")
  endif()
endforeach()
if(failed)
  message(FATAL_ERROR "incomplete catalogues")
endif()
