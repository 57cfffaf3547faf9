# Two game years with a full player fleet around the clock, including legs across midnight: it must run clean
# (the sanitizer build aborts on any undefined behaviour) and keep flying to the end.
execute_process(COMMAND ${SIM} --days 730
                        --plane "5*B 757-200:ATL@0000-ORD@0600-DFW@1800"
                        --plane "5*A320:BOS@1800-JFK@2330"
                        --plane "5*ERJ145:CDG@1200-LHR@2345"
                        --plane "5*B 747-400:LAX@0200-HND@1600"
                OUTPUT_VARIABLE summary RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT summary MATCHES "Jan-1 Year 3")
  message(FATAL_ERROR "the long run failed (${result}):\n${summary}")
endif()
