# Checks that the Windows version resource carries version 15.00 in a German (Germany) and an
# English (United States) Unicode string table. Reads RC_FILE as written; with WINDRES and WINDOWS_INCLUDE it first
# compiles the file, reads the compiled resource back as text and checks that instead, where
# numbers come back in other spellings (0x1 for VFT_APP, 1200 for 0x04B0).
#
# Input: VERSION, EXECUTABLE, RC_FILE; optional WINDRES, WINDOWS_INCLUDE, WORK_DIR.

if(WINDRES)
  set(res "${WORK_DIR}/ondix15.res")
  # Without a MinGW compiler windres preprocesses with the host's cpp, which must then be told
  # the target that the Windows headers insist on.
  execute_process(
    COMMAND "${WINDRES}" --preprocessor=cpp --preprocessor-arg=-xc
            --preprocessor-arg=-DRC_INVOKED --preprocessor-arg=-D_WIN32
            --preprocessor-arg=-D_WIN64 --preprocessor-arg=-D__x86_64__
            "-I${WINDOWS_INCLUDE}" -O res -o "${res}" "${RC_FILE}"
    RESULT_VARIABLE status ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${RC_FILE} does not compile:\n${errors}")
  endif()
  execute_process(COMMAND "${WINDRES}" -i "${res}" -O rc
                  RESULT_VARIABLE status OUTPUT_VARIABLE rc ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${res} cannot be read back:\n${errors}")
  endif()
else()
  file(READ "${RC_FILE}" rc)
endif()

set(problems)
function(expect_match regex what)
  if(NOT rc MATCHES "${regex}")
    set(problems "${problems}\n  ${what}" PARENT_SCOPE)
  endif()
endfunction()

# "15.00" is the version as shown, 15,0,0,0 the fixed version Windows compares.
string(REGEX MATCH "^([0-9]+)\\.([0-9]+)$" version_ok "${VERSION}")
if(NOT version_ok)
  message(FATAL_ERROR "VERSION '${VERSION}' is not major.minor")
endif()
math(EXPR major "${CMAKE_MATCH_1}")
math(EXPR minor "${CMAKE_MATCH_2}")
string(REPLACE "." "\\." version "${VERSION}")
string(REPLACE "." "\\." executable "${EXECUTABLE}")
string(REGEX REPLACE "\\.exe$" "" name "${EXECUTABLE}")

foreach(field FILEVERSION PRODUCTVERSION)
  expect_match("\n[ \t]*${field}[ \t]+${major}[ \t]*,[ \t]*${minor}[ \t]*,[ \t]*0[ \t]*,[ \t]*0[ \t]*\n"
               "${field} ${major},${minor},0,0")
endforeach()
expect_match("\nLANGUAGE[ \t]+(LANG_GERMAN|7)[ \t]*,[ \t]*(SUBLANG_GERMAN|1)[ \t]*\n"
             "LANGUAGE LANG_GERMAN, SUBLANG_GERMAN")
expect_match("\n[ \t]*FILETYPE[ \t]+(VFT_APP|0x0*1|1)[ \t]*\n" "FILETYPE VFT_APP")
# Two string tables, German (Germany) and English (United States) in the Unicode code page,
# both named in the translations.
string(REGEX MATCHALL "BLOCK[ \t]+\"[0-9A-Fa-f]+\"" tables "${rc}")
if(NOT tables MATCHES "^BLOCK[ \t]+\"040704[bB]0\";BLOCK[ \t]+\"040904[bB]0\"$")
  set(problems "${problems}\n  string tables \"040704B0\", \"040904B0\" (found: ${tables})")
endif()
expect_match("VALUE[ \t]+\"Translation\"[ \t]*,[ \t]*(0x0*407|1031)[ \t]*,[ \t]*(0x0*4[bB]0|1200)[ \t]*,[ \t]*(0x0*409|1033)[ \t]*,[ \t]*(0x0*4[bB]0|1200)"
             "Translation 0x0407, 0x04B0, 0x0409, 0x04B0")

# A value is a string, explicitly terminated in the source, in each table; an empty one does not
# count, nor does a key given twice in a table, of which Windows would show only one.
function(expect_value key value)
  expect_match("VALUE[ \t]+\"${key}\"[ \t]*,[ \t]*\"${value}(\\\\0)?\"" "${key} \"${value}\"")
  string(REGEX MATCHALL "VALUE[ \t]+\"${key}\"" keys "${rc}")
  list(LENGTH keys count)
  if(NOT count EQUAL 2)
    set(problems "${problems}\n  ${key} once in each table")
  endif()
  set(problems "${problems}" PARENT_SCOPE)
endfunction()
expect_value(FileVersion "${version}")
expect_value(ProductVersion "${version}")
expect_value(ProductName "${name}")
expect_value(InternalName "${name}")
expect_value(OriginalFilename "${executable}")
expect_value(CompanyName "[^\"\\\\][^\"]*")
expect_value(FileDescription "[^\"\\\\][^\"]*")

# The resource compiler reads the file in the system's ANSI code page; only ASCII reads the same
# everywhere.
file(READ "${RC_FILE}" source HEX)
if(source MATCHES "^(..)*[89a-f].")
  set(problems "${problems}\n  ASCII text only")
endif()

if(problems)
  message(FATAL_ERROR "Expected in ${RC_FILE}:${problems}")
endif()
message(STATUS "${RC_FILE} carries version ${VERSION} of ${EXECUTABLE}")
