# The desktop game started where there is no screen must say so and exit non-zero, not run unseen.
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=SDL_VIDEODRIVER
                        ${GAME}
                RESULT_VARIABLE result ERROR_VARIABLE errors TIMEOUT 20)
if(result EQUAL 0 OR NOT errors MATCHES "jetvale: cannot open the display")
  message(FATAL_ERROR "expected a clear display error and a non-zero exit, got ${result}: ${errors}")
endif()
