# SPDX-License-Identifier: GPL-3.0-or-later
# The drawing core and the frame are plain C++: the window, the renderer and
# any later front end reach Qt through render_qt, never through them. This
# fails the configure step if a library in the list, or anything it links,
# directly or through its dependencies, is Qt.
#
# Call hz_require_qt_free(<target>...) once every target is defined.

# Appends to <out_var> every library <target> links, directly or through its
# dependencies (the interface of each, and the link list of each static
# library, whose objects end up in the program).
function(hz_link_closure target out_var)
  set(seen)
  set(todo ${target})
  while(todo)
    list(POP_FRONT todo t)
    if(t IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${t})
    if(NOT TARGET ${t})
      continue()
    endif()
    get_target_property(aliased ${t} ALIASED_TARGET)
    if(aliased)
      list(APPEND todo ${aliased})
      continue()
    endif()
    set(links)
    get_target_property(type ${t} TYPE)
    if(NOT type STREQUAL "INTERFACE_LIBRARY")
      get_target_property(direct ${t} LINK_LIBRARIES)
      if(direct)
        list(APPEND links ${direct})
      endif()
    endif()
    get_target_property(iface ${t} INTERFACE_LINK_LIBRARIES)
    if(iface)
      list(APPEND links ${iface})
    endif()
    foreach(l IN LISTS links)
      # $<LINK_ONLY:X> and the like: keep the name inside.
      string(REGEX REPLACE "^\\$<[A-Z_]+:(.*)>$" "\\1" l "${l}")
      list(APPEND todo ${l})
    endforeach()
  endwhile()
  list(REMOVE_ITEM seen ${target})
  set(${out_var} ${seen} PARENT_SCOPE)
endfunction()

function(hz_require_qt_free)
  foreach(target IN LISTS ARGN)
    if(NOT TARGET ${target})
      message(FATAL_ERROR "QtFree: no target ${target}")
    endif()
    hz_link_closure(${target} closure)
    foreach(l IN LISTS closure)
      # Qt6::Gui, Qt::Gui, a path to libQt6Gui.so, or the back end itself.
      if(l MATCHES "Qt[56]|^Qt::|^hz_render_qt$")
        message(FATAL_ERROR
          "QtFree: ${target} must not reach Qt, but it links ${l}. "
          "Qt code belongs in src/render_qt and above.")
      endif()
    endforeach()
  endforeach()
endfunction()
