#!/usr/bin/env python3
"""Measures the real window under Xvfb: start to first picture, frames a second and the CPU time of the window
thread and the game thread, while idle on the map (before a game is started, the Tools menu closed) and while 80
planes fly at FAST.

usage: window_fps.py GAME BUSY_SAVE SCREEN_TOOL SIM [--seconds N]
(build/release/src/shell/jetvale build/test/bench/jetvale-busy-save build/test/tests/play/jetvale-screen
build/test/src/cli/jetvale-sim)
"""

import argparse
import os
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "play"))
import real_window_play  # noqa: E402  (the play test's window driver)

TICKS_PER_SECOND = os.sysconf("SC_CLK_TCK")


def thread_times(pid):
    """CPU seconds of each thread of the program: {tid: (name, seconds)}."""
    times = {}
    for tid in os.listdir(f"/proc/{pid}/task"):
        with open(f"/proc/{pid}/task/{tid}/stat") as stat:
            fields = stat.read().rsplit(")", 1)[1].split()
        with open(f"/proc/{pid}/task/{tid}/comm") as comm:
            name = comm.read().strip()
        times[int(tid)] = (name, (int(fields[11]) + int(fields[12])) / TICKS_PER_SECOND)
    return times


def cpu_use(pid, seconds):
    """Per cent of one core used by the window thread (the program's first) and the game thread (the other
    thread of the program's own name; GL driver threads have names of their own) over `seconds`."""
    before = thread_times(pid)
    time.sleep(seconds)
    after = thread_times(pid)
    use = {}
    for tid, (name, spent) in after.items():
        role = "window" if tid == pid else "game" if name == after[pid][0] else name
        use[role] = use.get(role, 0) + 100 * (spent - before.get(tid, (name, 0))[1]) / seconds
    return use


SPAN = re.compile(r"jetvale: ([\d.]+) frames a second over the last")


def frame_rates(log_path, start, end):
    """The frames a second of the window's spans reported between two offsets of its log; the first span began
    before `start`, so it is left out."""
    with open(log_path) as log:
        said = log.read()[start:end]
    return [float(rate) for rate in SPAN.findall(said)][1:]


def measure(game, seconds):
    """CPU per thread and the frame rates of the spans over `seconds`."""
    start = os.path.getsize(game.log.name)
    use = cpu_use(game.process.pid, seconds)
    return use, frame_rates(game.log.name, start, os.path.getsize(game.log.name))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("game")
    parser.add_argument("busy_save")
    parser.add_argument("screen_tool")
    parser.add_argument("sim")
    parser.add_argument("--seconds", type=float, default=20)
    args = parser.parse_args()
    args.keep = None
    play = real_window_play.Play(args)
    os.makedirs(play.save_folder)
    subprocess.run([os.path.abspath(args.busy_save), os.path.join(play.save_folder, "am.txt")], check=True)
    server = real_window_play.start_x_server(play.env)
    try:
        game = real_window_play.GameWindow(play, "measure")
        game.click_text("Cancel")
        idle = measure(game, args.seconds)
        game.menu("Load Game", real_window_play.TOOLS_BUTTON)
        game.click_text("Yes")
        game.wait_for("Game Loaded")
        flying = measure(game, args.seconds)
        game.key("Escape")
        said = game.close()
        print(said.strip())
        for label, (use, rates) in (("idle on the map", idle), ("80 planes at FAST", flying)):
            print(f"CPU, {label}: " + ", ".join(f"{role} thread {share:.1f} %" for role, share in sorted(use.items())))
            if rates:
                print(f"frames a second, {label}: lowest {min(rates):.1f}, mean {sum(rates) / len(rates):.1f} "
                      f"over {len(rates)} spans")
        return 0
    finally:
        server.terminate()
        subprocess.run(["rm", "-rf", play.root])


if __name__ == "__main__":
    sys.exit(main())
