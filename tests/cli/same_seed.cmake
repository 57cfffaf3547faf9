# jetvale-sim as a bug report uses it: two runs with one seed print the same summary, with the figures of a day
# worked out by hand (see simulation_run_test.cpp), and a bad option is refused.
set(args --seed 3 --days 1 --plane "B 717-200:ATL@1000-CLT@1500")
execute_process(COMMAND ${SIM} ${args} OUTPUT_VARIABLE first RESULT_VARIABLE result1)
execute_process(COMMAND ${SIM} ${args} OUTPUT_VARIABLE second RESULT_VARIABLE result2)
if(NOT result1 EQUAL 0 OR NOT result2 EQUAL 0 OR NOT first STREQUAL second OR NOT first MATCHES "Jan-2 Year 1 Tue, 01:00"
   OR NOT first MATCHES "\n0 Western Airlines   459649172       1       2         198\n"
   OR NOT first MATCHES "\nFIN_INC_ECO_CLS                     13754.38            0.00")
  message(FATAL_ERROR "runs differ, failed or miscounted (${result1}, ${result2}):\n${first}\n---\n${second}")
endif()
execute_process(COMMAND ${SIM} --days many RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 2 OR NOT errors MATCHES "--days takes a whole number")
  message(FATAL_ERROR "a bad option gave ${result}: ${errors}")
endif()
