# Runs COMMAND with ARGS (separated by |) and checks its exit code and that its
# output (standard output and error together) matches EXPECTED_OUTPUT.
string(REPLACE "|" ";" arguments "${ARGS}")
execute_process(COMMAND ${COMMAND} ${arguments}
                RESULT_VARIABLE exit_code
                OUTPUT_VARIABLE output
                ERROR_VARIABLE output)
if(NOT exit_code STREQUAL EXPECTED_EXIT)
    message(FATAL_ERROR "exit code ${exit_code}, expected ${EXPECTED_EXIT}; output:\n${output}")
endif()
if(NOT output MATCHES "${EXPECTED_OUTPUT}")
    message(FATAL_ERROR "output does not match '${EXPECTED_OUTPUT}':\n${output}")
endif()
