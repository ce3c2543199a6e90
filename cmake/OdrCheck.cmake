# SPDX-License-Identifier: GPL-3.0-or-later
# The one-definition rule across libraries: two different types (or inline
# functions) under one name in two files link without a word in an ordinary
# build, and the program then uses whichever the linker met first. With
# link-time optimisation GCC sees every file's types at once and -Wodr names
# the clash; here it is an error.
#
# hz_odr_check(<library>...): the program hz_odr_check links every object of
# the libraries (each object file itself, so a file nothing calls is checked
# too) with link-time optimisation; the libraries themselves bring what they
# link in turn (Qt), and nothing of their own, as their objects are there. Only the ODR check build (HOSHIZORA_ODR_CHECK, the
# "odr" preset) makes it.
function(hz_odr_check)
  if(NOT HOSHIZORA_ODR_CHECK)
    return()
  endif()
  set(objects)
  foreach(library IN LISTS ARGN)
    list(APPEND objects "$<TARGET_OBJECTS:${library}>")
  endforeach()
  add_executable(hz_odr_check cmake/odr_check_main.cpp ${objects})
  target_link_libraries(hz_odr_check PRIVATE ${ARGN})
endfunction()
