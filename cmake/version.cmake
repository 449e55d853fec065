# The project's version for C++ and resource files alike: setup_version.h, made in the
# build tree, which every floor may include.
#   SETUP_VERSION_TEXT     "1.2.3", as the project states it
#   SETUP_VERSION_NUMBERS  1,2,3,0: the four numbers of a version resource
set(numbers "")
foreach(part MAJOR MINOR PATCH TWEAK)
  if("${PROJECT_VERSION_${part}}" STREQUAL "")
    list(APPEND numbers 0)
  else()
    list(APPEND numbers ${PROJECT_VERSION_${part}})
  endif()
endforeach()
list(JOIN numbers "," SETUP_VERSION_NUMBERS)
configure_file(${CMAKE_CURRENT_LIST_DIR}/setup_version.h.in ${CMAKE_BINARY_DIR}/generated/setup_version.h @ONLY)
include_directories(${CMAKE_BINARY_DIR}/generated)
