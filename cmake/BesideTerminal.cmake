# Programs that drive the substitute terminal through pelmora_e2e_support find it by a path
# relative to their own folder, fixed when that library is built; a program built elsewhere
# must sit at the same depth below the build tree for that path to lead to the terminal.
function(pelmora_check_beside_terminal)
  get_target_property(relative pelmora_e2e_support PELMORA_SIM_TERMINAL_RELATIVE)
  cmake_path(ABSOLUTE_PATH relative BASE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR} NORMALIZE
             OUTPUT_VARIABLE found)
  set(terminal ${PROJECT_BINARY_DIR}/tools/sim-terminal/sim-terminal.exe)
  if(NOT found STREQUAL terminal)
    message(FATAL_ERROR "${CMAKE_CURRENT_SOURCE_DIR}: programs here would look for the terminal "
                        "at ${found}, not ${terminal}")
  endif()
endfunction()
