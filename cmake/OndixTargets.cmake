# Settings every target of the project shares.

# Warnings per compiler. CI makes them errors with -DCMAKE_COMPILE_WARNING_AS_ERROR=ON.
function(ondix_target_defaults target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /permissive- /utf-8)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  endif()
endfunction()

# ondix_folder_include_root(var): an include directory that holds only the current folder, through
# a link in the build tree, so that its headers are included by their path from the top
# ("core/chain_state.h", "desktop/view/chain_view.h").
function(ondix_folder_include_root var)
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  set(root ${PROJECT_BINARY_DIR}/layers/${folder})
  if(NOT IS_SYMLINK ${root}/${folder})
    get_filename_component(parent ${root}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC RESULT result)
    if(NOT result EQUAL 0)
      # Without links (some Windows accounts) every folder sees the whole tree.
      message(STATUS "No link for ${folder}/ (${result}); layers are not enforced")
      set(root ${PROJECT_SOURCE_DIR})
    endif()
  endif()
  set(${var} ${root} PARENT_SCOPE)
endfunction()

# ondix_add_layer(name SOURCES ... LINKS ...): the library of the current folder, one layer of
# the program. It puts only its own folder on the include path, so a target sees the headers of
# the layers it links and no others: an include against the layers' order fails to build.
function(ondix_add_layer name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  ondix_folder_include_root(include_root)
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC $<BUILD_INTERFACE:${include_root}>)
  target_link_libraries(${name} PUBLIC ${ARG_LINKS})
  ondix_target_defaults(${name})
endfunction()
