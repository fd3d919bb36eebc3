# quon_program_file(<target> <file description>)
# Makes <target> a file of the program folder a user gets:
#  - a version resource (product name, version, the given file description, the file's own name);
#  - no debug information in the shipped file: it is kept as <name>.debug in ${CMAKE_BINARY_DIR}/debug/,
#    which the file names through a debug link, so that a debugger finds it beside the build.
# Every executable or library that goes into the program folder calls it once, after its properties:
#   quon_program_file(config "Quon Tollen II — настройки")
function(quon_program_file target description)
  get_target_property(_type ${target} TYPE)
  if(_type STREQUAL "EXECUTABLE")
    set(QUON_FILE_TYPE VFT_APP)
    set(_prefix "")
    set(_suffix ${CMAKE_EXECUTABLE_SUFFIX})
  else()
    set(QUON_FILE_TYPE VFT_DLL)
    set(_prefix ${CMAKE_SHARED_LIBRARY_PREFIX})
    set(_suffix ${CMAKE_SHARED_LIBRARY_SUFFIX})
  endif()
  # The file's own name, as the build writes it (set PREFIX, OUTPUT_NAME or SUFFIX before this call).
  foreach(_part PREFIX OUTPUT_NAME SUFFIX)
    get_target_property(_value ${target} ${_part})
    if(NOT _value STREQUAL "_value-NOTFOUND")
      string(TOLOWER ${_part} _var)
      set(_${_var} "${_value}")
    endif()
  endforeach()
  if(NOT _output_name)
    set(_output_name ${target})
  endif()
  set(QUON_INTERNAL_NAME ${_output_name})
  set(QUON_FILE_NAME ${_prefix}${_output_name}${_suffix})
  set(QUON_FILE_DESCRIPTION "${description}")
  set(_rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/resources/version_info.rc.in ${_rc} @ONLY)
  target_sources(${target} PRIVATE ${_rc})

  set(_debug_dir ${CMAKE_BINARY_DIR}/debug)
  set(_debug_file ${_debug_dir}/${QUON_FILE_NAME}.debug)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E make_directory ${_debug_dir}
    COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:${target}> ${_debug_file}
    COMMAND ${CMAKE_STRIP} --strip-all $<TARGET_FILE:${target}>
    COMMAND ${CMAKE_COMMAND} -E chdir ${_debug_dir}
            ${CMAKE_OBJCOPY} --add-gnu-debuglink=${QUON_FILE_NAME}.debug $<TARGET_FILE:${target}>
    COMMENT "Keeping the debug information of ${QUON_FILE_NAME} in debug/"
    VERBATIM)
endfunction()
