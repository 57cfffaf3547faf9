# The desktop game started where it cannot run, or with what it refuses, says why and ends: without a screen it
# exits 1 rather than run unseen; a bad option or saved game it refuses with status 2 before it makes its data
# folder. A data folder it cannot make leaves saving off, and the game goes on to open its window.
set(data ${OUT}/data)
file(REMOVE_RECURSE ${OUT})
file(WRITE ${OUT}/damaged.txt "AIRPORT_CITY\n0\n")
file(WRITE ${OUT}/not-a-folder "")
# Each start: the words after the environment (further settings, then the game and its options), the status and
# what standard error says.
set(starts
    "GAME|1|jetvale: cannot open the display"
    "GAME --load|2|jetvale: --load needs a value"
    "GAME --frame-stats --frame-stats|2|jetvale: --frame-stats may be given only once"
    "GAME --load ${OUT}/damaged.txt --load ${OUT}/damaged.txt|2|jetvale: --load may be given only once"
    "GAME --load ${OUT}/damaged.txt|2|jetvale: cannot load the saved game '.*damaged.txt': line 2: AIRPORT_CITY '0'"
    "GAME --load ${OUT}/missing.txt|2|jetvale: cannot load the saved game '.*missing.txt': the file cannot be read"
    "XDG_DATA_HOME=${OUT}/not-a-folder GAME|1|saving is off\n.*jetvale: cannot open the display")
foreach(start IN LISTS starts)
  string(REPLACE "|" ";" fields "${start}")
  list(GET fields 0 words)
  list(GET fields 1 status)
  list(GET fields 2 reason)
  separate_arguments(words)
  list(TRANSFORM words REPLACE "^GAME$" ${GAME})
  file(REMOVE_RECURSE ${data})
  file(MAKE_DIRECTORY ${data})
  execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=SDL_VIDEODRIVER
                          XDG_DATA_HOME=${data} XDG_CONFIG_HOME=${OUT}/config ${words}
                  RESULT_VARIABLE result ERROR_VARIABLE errors TIMEOUT 20)
  file(GLOB made ${data}/*)
  if(NOT result EQUAL status OR NOT errors MATCHES "${reason}" OR (status EQUAL 2 AND made))
    message(FATAL_ERROR "'${words}' gave ${result} (${status} expected): ${errors}\nmade: ${made}")
  endif()
endforeach()
