# The shipped images are the same bytes wherever and whenever they are built:
# - the linker writes SOURCE_DATE_EPOCH as the time in the PE header and the export
#   directory: the variable's value when the build is configured with it set, else the
#   time of the source tree's last commit, else (a tree without git) 0;
# - no path of the machine gets into them: they are stripped (each where it is made), and
#   __FILE__ names a file from the source tree's root.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(SOURCE_DATE $ENV{SOURCE_DATE_EPOCH})
else()
  # Only this tree's own history: a tree unpacked inside another repository has none.
  execute_process(COMMAND git rev-parse --show-toplevel WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    OUTPUT_VARIABLE top OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE status)
  file(REAL_PATH ${PROJECT_SOURCE_DIR} root)
  set(SOURCE_DATE 0)
  if(status EQUAL 0 AND top STREQUAL root)
    execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
      OUTPUT_VARIABLE SOURCE_DATE OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  endif()
endif()
if(NOT SOURCE_DATE MATCHES "^[0-9]+$")
  message(FATAL_ERROR "SOURCE_DATE_EPOCH is seconds since 1970, not '${SOURCE_DATE}'")
endif()
message(STATUS "The images' time: ${SOURCE_DATE} (SOURCE_DATE_EPOCH)")

add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=)

function(reproducible_images)
  set(stamp ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${SOURCE_DATE})
  set_target_properties(${ARGN} PROPERTIES C_LINKER_LAUNCHER "${stamp}" CXX_LINKER_LAUNCHER "${stamp}")
endfunction()
