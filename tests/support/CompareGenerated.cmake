# Runs GENERATOR SCRATCH and fails unless SCRATCH equals EXPECTED byte for byte.
execute_process(COMMAND ${GENERATOR} ${SCRATCH} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "generator failed: ${rc}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SCRATCH} ${EXPECTED} RESULT_VARIABLE diff)
if(NOT diff EQUAL 0)
  message(FATAL_ERROR "${EXPECTED} is out of date: regenerate it with make_demo")
endif()
