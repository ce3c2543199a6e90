# SPDX-License-Identifier: GPL-3.0-or-later
# The plain C++ libraries form layers: a folder of src/ includes only its own
# headers and those of the folders listed before it. This fails the
# configure step when an include runs the other way (frame including steer,
# text including frame), before such a loop can grow.
#
# hz_require_layers(<folder>...): the folders of src/, lowest first.
function(hz_require_layers)
  set(below)
  foreach(folder IN LISTS ARGN)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS
      "${PROJECT_SOURCE_DIR}/src/${folder}/*.cpp" "${PROJECT_SOURCE_DIR}/src/${folder}/*.hpp")
    foreach(source IN LISTS sources)
      file(STRINGS "${source}" includes REGEX "^#include \"[a-z_]+/")
      foreach(line IN LISTS includes)
        string(REGEX REPLACE "^#include \"([a-z_]+)/.*" "\\1" used "${line}")
        if(NOT used STREQUAL folder AND NOT used IN_LIST below)
          file(RELATIVE_PATH where "${PROJECT_SOURCE_DIR}" "${source}")
          message(FATAL_ERROR
            "Layers: ${where} includes ${used}/, which is not below src/${folder}. "
            "The layers, lowest first: ${ARGN}")
        endif()
      endforeach()
    endforeach()
    list(APPEND below ${folder})
  endforeach()
endfunction()
