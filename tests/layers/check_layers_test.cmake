cmake_minimum_required(VERSION 3.25)
# Runs the layer check on a small tree whose two files each pass an upward
# include by it in a way the plain checks miss, and fails unless the check
# refuses both.
#
# Run with -DCHECK=<the check's script> -DFIXTURE=<this folder>.

execute_process(
  COMMAND ${CMAKE_COMMAND} -DSOURCE=${FIXTURE}/src -DGRAPH=${FIXTURE}/graph.txt -P ${CHECK}
  RESULT_VARIABLE result
  ERROR_VARIABLE output)
# Messages come wrapped over lines.
string(REGEX REPLACE "[ \n]+" " " output "${output}")
foreach(expected "angle_include.cpp: #include <app/run_state.h>" "climbing_include.cpp: #include \"../../app/run_state.h\"")
  string(FIND "${output}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "The layer check let through ${expected}:\n${output}")
  endif()
endforeach()
if(result EQUAL 0)
  message(FATAL_ERROR "The layer check passed a tree with breaches")
endif()
