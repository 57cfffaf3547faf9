# jetvale-sim's summaries over a matrix of seeds, run lengths and fleets, compared byte for byte with the ones
# kept in fingerprints/: any change to how the world flies shows up here. Each fleet has one file holding the
# summaries of all its runs. Rewrite the files (only when a change of results is meant) with
#   cmake -DSIM=build/test/src/cli/jetvale-sim -DUPDATE=ON -P tests/cli/fingerprints.cmake
set(dir ${CMAKE_CURRENT_LIST_DIR}/fingerprints)
set(seeds 1 7)
set(day_counts 1 3 30 365 400 3650)

# Fleet name, then its --plane options joined by '|'.
set(fleets
    "three-stops|2*B 737-600:ATL@0700-ORD@1100-DFW@1600"
    "long-haul|3*B 747-400:ORD@0100-HND@1900"
    "around-midnight|3*A320:BOS@0000-JFK@2345|2*ERJ145:LHR@0000-CDG@2345"
    "gates-run-out|20*ERJ145:ORD@0130-DTW@1200-DEN@2245"
    "shared-airports|2*A320:ATL@0600-ORD@0900|B 767-200:ORD@0700-ATL@1000|ERJ145:ATL@0630-CLT@0830-ORD@1130|Fokker 100:CLT@0715-ATL@0900")

set(failed "")
foreach(fleet IN LISTS fleets)
  string(REPLACE "|" ";" parts "${fleet}")
  list(POP_FRONT parts name)
  set(planes "")
  foreach(route IN LISTS parts)
    list(APPEND planes --plane "${route}")
  endforeach()
  set(actual "")
  foreach(seed IN LISTS seeds)
    foreach(days IN LISTS day_counts)
      execute_process(COMMAND ${SIM} --seed ${seed} --days ${days} ${planes}
                      OUTPUT_VARIABLE summary ERROR_VARIABLE errors RESULT_VARIABLE result)
      if(NOT result EQUAL 0)
        message(FATAL_ERROR "${name}, seed ${seed}, ${days} days failed (${result}): ${errors}")
      endif()
      string(APPEND actual "${summary}")
    endforeach()
  endforeach()
  if(UPDATE)
    file(WRITE ${dir}/${name}.txt "${actual}")
  else()
    file(READ ${dir}/${name}.txt expected)
    if(NOT actual STREQUAL expected)
      file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${name}.actual.txt "${actual}")
      list(APPEND failed ${name})
    endif()
  endif()
endforeach()
if(failed)
  message(FATAL_ERROR "summaries changed for: ${failed} (actual text in ${CMAKE_CURRENT_BINARY_DIR})")
endif()
