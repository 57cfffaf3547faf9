# jetvale-sim as a bug report uses it: two runs with one seed print the same summary, and what it cannot do is
# refused. The day's figures, by hand: each way 99 passengers, 90 of them economy at the default 76.4132 (36.88
# plus 0.2017 a mile for 196 miles), so 13754.38 of economy; the balance after the plane and two gates, 459650000,
# less 414 and 414 (7991.87 earned against 8405.43 spent each way, each amount truncated).
set(args --seed 3 --days 1 --plane "B 717-200:ATL@1000-CLT@1500")
execute_process(COMMAND ${SIM} ${args} OUTPUT_VARIABLE first RESULT_VARIABLE result1)
execute_process(COMMAND ${SIM} ${args} OUTPUT_VARIABLE second RESULT_VARIABLE result2)
if(NOT result1 EQUAL 0 OR NOT result2 EQUAL 0 OR NOT first STREQUAL second OR NOT first MATCHES "Jan-2 Year 1 Tue, 01:00"
   OR NOT first MATCHES "\n0 Western Airlines   459649172       1       2         198\n"
   OR NOT first MATCHES "\nFIN_INC_ECO_CLS                     13754.38            0.00")
  message(FATAL_ERROR "runs differ, failed or miscounted (${result1}, ${result2}):\n${first}\n---\n${second}")
endif()
# A saved game it takes is played and kept: one whose ledger holds figures wider than the summary's columns is saved
# before its summary is printed, and the summary widens their cells.
file(MAKE_DIRECTORY ${OUT})
execute_process(COMMAND ${SIM} --days 1 --save ${OUT}/game.txt OUTPUT_QUIET ERROR_QUIET)
file(READ ${OUT}/game.txt game)
string(REGEX REPLACE "\nCY_FIN_EXP_FUEL\n[^\n]*\n" "\nCY_FIN_EXP_FUEL\n1e22\n" wide "${game}")
file(WRITE ${OUT}/wide.txt "${wide}")
file(REMOVE ${OUT}/wide-kept.txt)
execute_process(COMMAND ${SIM} --load ${OUT}/wide.txt --days 1 --save ${OUT}/wide-kept.txt
                OUTPUT_VARIABLE printed ERROR_VARIABLE errors RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT EXISTS ${OUT}/wide-kept.txt
   OR NOT printed MATCHES "\nFIN_EXP_FUEL                 10000000000000000000000.00 10000000000000000000000.00 ")
  message(FATAL_ERROR "the wide game was not kept (${result}):\n${errors}${printed}")
endif()
# What it cannot do is refused with a reason and status 2, printing no summary and making or changing no file: a
# bad option, outputs that cannot be written or that name one file, a damaged saved game, replays that no game
# wrote (unknown speed, taps beside the screen, frame counts beyond a week, a start game that does not load), and
# a TMPDIR that is no folder.
string(REGEX REPLACE "\nGAME_TIME\n[^\n]*\n" "\nGAME_TIME\n298\n" damaged "${game}")
file(WRITE ${OUT}/damaged.txt "${damaged}")
set(head "jetvale replay 1\nspeed 1\nticks 5\nframes 3\nsteps\n")
set(start "jetvale replay 1\nspeed 1\nticks 5\nframes 3\nstart-game 15\nAIRPORT_CITY\n0\n\nsteps\n")
set(refusals
    "${head}|--days many|--days takes a whole number"
    "${head}|--seed 1 --days 1 --seed 2|--seed may be given only once"
    "${head}|--days 1 --save ${OUT}/gone/game.txt|--save: there is no folder"
    "${head}|--days 1 --save ${OUT}/game.txt --history ${OUT}/game.history|--save's history side file and --history"
    "${head}|--load ${OUT}/damaged.txt --days 1 --save ${OUT}/game.txt|damaged.txt': line 5106: GAME_TIME '298' is no"
    "${head}|--replay REPLAY --shot 99999999999|--shot takes a frame number from 1 to 18144000"
    "jetvale replay 1\nspeed 100000000\n|--replay REPLAY|line 2: expected \"speed\" and 1, 6 or 12"
    "${head}2 tap 2147483647 -2147483648\n|--replay REPLAY|line 6: a tap beside the 320 x 240 screen"
    "jetvale replay 1\nspeed 1\nticks\nframes 9223372036854775807\nsteps\n|--replay REPLAY|line 4: expected \"frames\""
    "${head}9223372036854775807 shot\n|--replay REPLAY|line 6: a step after frame 18144000"
    "${start}2 shot\n|--replay REPLAY --shots ${OUT}/pictures|the saved game it starts from: line 2: AIRPORT_CITY '0'"
    "${head}|-E env TMPDIR=${OUT}/missing SIM --replay REPLAY|no temporary folder for the replay's saves \\(TMPDIR")
foreach(refusal IN LISTS refusals)
  string(REPLACE "|" ";" fields "${refusal}")
  list(GET fields 0 replay)
  list(GET fields 1 words)
  list(GET fields 2 reason)
  file(WRITE ${OUT}/replay.txt "${replay}")
  file(GLOB_RECURSE before LIST_DIRECTORIES true ${OUT}/*)
  file(SHA256 ${OUT}/game.txt game_before)
  separate_arguments(words)
  list(TRANSFORM words REPLACE "^REPLAY$" ${OUT}/replay.txt)
  list(TRANSFORM words REPLACE "^SIM$" ${SIM})
  if(words MATCHES "^-E;")
    set(command ${CMAKE_COMMAND} ${words})
  else()
    set(command ${SIM} ${words})
  endif()
  execute_process(COMMAND ${command} RESULT_VARIABLE result OUTPUT_VARIABLE printed ERROR_VARIABLE errors)
  file(GLOB_RECURSE after LIST_DIRECTORIES true ${OUT}/*)
  file(SHA256 ${OUT}/game.txt game_after)
  if(NOT result EQUAL 2 OR NOT printed STREQUAL "" OR NOT errors MATCHES "^jetvale-sim: .*${reason}"
     OR NOT before STREQUAL after OR NOT game_before STREQUAL game_after)
    message(FATAL_ERROR "'${words}' with the replay\n${replay}\ngave ${result}:\n${errors}${printed}")
  endif()
endforeach()
