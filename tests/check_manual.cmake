# Renders the manual page with every groff warning on; any warning fails.
execute_process(COMMAND ${GROFF} -man -ww -z ${PAGE} RESULT_VARIABLE status ERROR_VARIABLE warnings)
if(NOT status EQUAL 0 OR NOT warnings STREQUAL "")
  message(FATAL_ERROR "groff exit status ${status}:\n${warnings}")
endif()
