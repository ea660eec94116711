# Pipes the case generator into the checker and fails unless both succeed.
# cmake -DPYTHON=<python3> -DORACLE=<generator.py> -DCHECK=<checker> -P run_oracle.cmake
foreach(var PYTHON ORACLE CHECK)
  if(NOT ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()

execute_process(
  COMMAND ${PYTHON} ${ORACLE}
  COMMAND ${CHECK}
  RESULTS_VARIABLE results
  OUTPUT_VARIABLE output
  ERROR_VARIABLE errors)
message("${output}")
if(errors)
  message("${errors}")
endif()
list(GET results 0 generated)
list(GET results 1 checked)
if(NOT generated EQUAL 0)
  message(FATAL_ERROR "the case generator failed: ${generated}")
endif()
if(NOT checked EQUAL 0)
  message(FATAL_ERROR "the number texts differ from the oracle's answers: ${checked}")
endif()
