#!/usr/bin/env python3
"""The real-window play test.

Starts the game that the README's play command builds in a real X window (Xvfb) and plays a short game through
clicks and keys, as a player would: a new game, a plane bought and routed on a two-leg trip, a few game days at
FAST, the financial statement, a loan, Save, Exit; then the game again and Load. After each step it presses the
screenshot key and reads the picture with the game's own font (jetvale-screen), so every check is on what the
player sees. The replay that F9 wrote during the first game is then played headless by jetvale-sim, which must
give the very same pictures, byte for byte.

usage: real_window_play.py GAME SIM SCREEN_TOOL [--keep FOLDER]
"""

import argparse
import filecmp
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

SCALE = 3  # the window a fresh player gets: 960 x 720
SHOT_BYTES = 54 + 320 * 240 * 3  # a whole 24-bit screenshot
PATIENCE = 30  # seconds to wait for a screen to show what it should


class PlayFailure(Exception):
    pass


class Screen:
    """The texts of one screenshot: runs of (x, y, text) in the 320 x 240 picture."""

    def __init__(self, path, runs):
        self.path = path
        self.runs = runs

    def find(self, text):
        """The middle of the first `text` on the screen, or None."""
        for x, y, run in self.runs:
            at = run.find(text)
            if at >= 0:
                return x + 5 * at + 5 * len(text) // 2, y + 4
        return None

    def run_at(self, x, y):
        for rx, ry, run in self.runs:
            if rx == x and ry == y:
                return run
        return None

    def row_after(self, text):
        """The texts right of `text` on its row, left to right: a label's values."""
        for x, y, run in self.runs:
            if run.startswith(text):
                return [r for rx, ry, r in sorted(self.runs) if ry == y and rx > x]
        return []

    def row_start(self, text):
        """The left end of the row holding `text`: a list row's "->" marker."""
        for _, y, run in self.runs:
            if text in run:
                return min(rx for rx, ry, _ in self.runs if ry == y), y
        return None

    def __str__(self):
        return "\n".join(f"{x} {y} {run}" for x, y, run in self.runs)


class GameWindow:
    """One run of the desktop game under the test's X server, in the test's own folders."""

    def __init__(self, play, name):
        self.play = play
        self.log = open(os.path.join(play.root, name + ".log"), "w")
        self.process = subprocess.Popen([play.game, "--frame-stats"], cwd=play.root, env=play.env,
                                        stdout=self.log, stderr=subprocess.STDOUT)
        found = subprocess.run(["xdotool", "search", "--sync", "--name", "^Jetvale$"], env=play.env,
                               capture_output=True, text=True, timeout=PATIENCE)
        self.window = found.stdout.split()[0]

    def click(self, x, y):
        """A click on the picture's pixel (x, y): the middle of that pixel in the scaled window."""
        subprocess.run(["xdotool", "mousemove", "--window", self.window, str(x * SCALE + 1), str(y * SCALE + 1),
                        "click", "1"], env=self.play.env, check=True)
        time.sleep(0.12)  # a few frames: a tap acts at the next frame, and the next tap needs its own

    def key(self, name):
        subprocess.run(["xdotool", "key", "--window", self.window, name], env=self.play.env, check=True)
        time.sleep(0.12)

    def look(self):
        """Presses the screenshot key and reads what the picture says."""
        shot = os.path.join(self.play.root, "backbuffer.bmp")
        if os.path.exists(shot):
            os.remove(shot)
        self.key("F12")
        deadline = time.time() + PATIENCE
        while not (os.path.exists(shot) and os.path.getsize(shot) == SHOT_BYTES):
            if time.time() > deadline:
                raise PlayFailure("the screenshot key wrote no backbuffer.bmp")
            time.sleep(0.05)
        time.sleep(0.05)
        kept = os.path.join(self.play.shots, f"{len(os.listdir(self.play.shots)):03d}.bmp")
        shutil.copyfile(shot, kept)
        text = subprocess.run([self.play.screen_tool, "read", kept], capture_output=True, text=True, check=True)
        runs = []
        for line in text.stdout.splitlines():
            x, y, run = line.split(" ", 2)
            runs.append((int(x), int(y), run))
        return Screen(kept, runs)

    def wait_for(self, text):
        """The screen once it shows `text` (the game may still be drawing the step before)."""
        deadline = time.time() + PATIENCE
        while True:
            screen = self.look()
            if screen.find(text) is not None:
                return screen
            if time.time() > deadline:
                raise PlayFailure(f"the screen never showed {text!r}; it showed:\n{screen}")
            time.sleep(0.2)

    def click_text(self, text):
        """A click on a text the screen shows: a button, a menu choice, a row of a list."""
        x, y = self.wait_for(text).find(text)
        self.click(x, y)

    def click_row(self, text):
        """A click on the choice of the list row that shows `text`, just right of its "->" marker."""
        x, y = self.wait_for(text).row_start(text)
        self.click(x + 20, y + 4)


    def menu(self, choice, button=None):
        """A menu choice and its "Ok"; the menu opened first from its toolbar button unless it is up already."""
        if button is not None:
            self.click_item(TOOLBAR, button)
        self.click_text(choice)
        self.click_text("Ok")

    def click_item(self, window, item, times=1):
        """A click on an item of a window's fixed layout, for buttons whose text repeats on the screen."""
        where = subprocess.run([self.play.screen_tool, "item", str(window), str(item)], capture_output=True,
                               text=True, check=True).stdout.split()
        for _ in range(times):
            self.click(int(where[0]), int(where[1]))

    def day(self):
        """The day of the month as the status line shows it ("Jan-3 Year 1 Wed")."""
        for _, y, run in self.look().runs:
            found = re.match(r"[A-Z][a-z][a-z]-(\d+) Year", run)
            if found and y > 230:
                return int(found.group(1))
        raise PlayFailure("no date on the status line")

    def balance(self):
        """The player's balance as the title line shows it."""
        run = self.look().run_at(6, 1)
        if run is None:
            raise PlayFailure("no balance in the title line")
        return run

    def close(self):
        """Waits for the program to end by itself and returns what it said."""
        self.process.wait(timeout=PATIENCE)
        self.log.close()
        with open(self.log.name) as log:
            said = log.read()
        if self.process.returncode != 0:
            raise PlayFailure(f"the game ended with {self.process.returncode}:\n{said}")
        return said


# Window and item numbers of the fixed layouts (ui/window_layouts), for buttons like "->" that repeat.
TOOLBAR, PLANE_EDIT = 0, 13
PLANES_BUTTON, FINANCE_BUTTON, TOOLS_BUTTON = 0, 1, 3
ORIGIN_FORWARD, DEST_FORWARD, DEST_FORWARD_FIVE, LEG0_LATER, LEG1_LATER, EDIT_OK = 45, 52, 53, 69, 77, 94


class Play:
    def __init__(self, args):
        self.game = os.path.abspath(args.game)
        self.sim = os.path.abspath(args.sim)
        self.screen_tool = os.path.abspath(args.screen_tool)
        self.root = args.keep or tempfile.mkdtemp(prefix="jetvale-play-")
        shutil.rmtree(self.root, ignore_errors=True)
        self.shots = os.path.join(self.root, "shots")
        os.makedirs(self.shots)
        self.env = dict(os.environ, XDG_DATA_HOME=os.path.join(self.root, "data"),
                        XDG_CONFIG_HOME=os.path.join(self.root, "config"))
        self.save_folder = os.path.join(self.root, "data", "jetvale")

    def first_game(self):
        game = GameWindow(self, "first")
        game.wait_for("Tools Menu")
        game.menu("New Game")
        game.menu("Western Airlines")
        game.wait_for("Plane Type")
        before = game.balance()

        game.menu("B 717-200")
        game.menu("List", PLANES_BUTTON)
        fleet = game.wait_for("B 717-200")
        after = game.balance()
        if after == before:
            raise PlayFailure(f"buying a plane left the balance at {before}")

        # Atlanta to Boston at 02:00, back at 07:00: a two-leg trip.
        game.click_row("B 717-200")
        game.click_text("Route")
        game.wait_for("Plane Edit")
        game.click_item(PLANE_EDIT, ORIGIN_FORWARD)
        game.click_item(PLANE_EDIT, DEST_FORWARD_FIVE)
        game.click_item(PLANE_EDIT, DEST_FORWARD)
        game.click_item(PLANE_EDIT, LEG0_LATER, 8)
        game.click_item(PLANE_EDIT, LEG1_LATER, 28)
        screen = game.wait_for("Boston, US")
        if screen.find("Atlanta, US") is None or screen.find("ATL-BOS") is None:
            raise PlayFailure(f"the route editor does not show Atlanta to Boston:\n{screen}")
        game.click_item(PLANE_EDIT, EDIT_OK)
        game.wait_for("Flight Scheduled")
        game.click_text("Close")

        # Two whole game days at FAST: the clock turns and the plane flies both legs.
        day = game.day()
        deadline = time.time() + 90
        while game.day() < day + 2:
            if time.time() > deadline:
                raise PlayFailure("two game days took more than 90 s at FAST")
            time.sleep(1)

        game.menu("Statement", FINANCE_BUTTON)
        statement = game.wait_for("Financial Statement")
        figures = re.findall(r"\d[\d.]*", " ".join(statement.row_after("Economy")))
        if not figures or float(figures[0]) <= 0:
            raise PlayFailure(f"no economy revenue this year:\n{statement}")
        game.click_text("Ok")

        game.menu("New Loan", FINANCE_BUTTON)
        game.wait_for("Loan Amount")  # the first offer: 25M over 36 months
        game.click_text("Ok")
        game.wait_for("Loan Approved")
        game.menu("View Loans", FINANCE_BUTTON)
        loans = game.wait_for("No. Loans")
        if loans.row_after("Loan Amt")[:1] != ["25.M"] or loans.row_after("Months Left")[:1] != ["36"]:
            raise PlayFailure(f"View Loans does not show the loan:\n{loans}")
        game.click_text("Ok")

        game.menu("Save Game", TOOLS_BUTTON)
        game.click_text("Yes")
        game.wait_for("Game saved")
        saved_balance = game.balance()
        game.key("F9")  # the replay of everything so far
        game.menu("Exit Game", TOOLS_BUTTON)
        game.click_text("Yes")
        game.wait_for("Click to Exit")
        game.click(160, 120)
        said = game.close()
        return fleet, saved_balance, said

    def second_game(self, saved_balance):
        game = GameWindow(self, "second")
        game.menu("Load Game")
        game.click_text("Yes")
        game.wait_for("Game Loaded")
        if game.balance() != saved_balance:
            raise PlayFailure(f"the loaded game shows {game.balance()}, the saved one {saved_balance}")
        game.menu("List", PLANES_BUTTON)
        game.wait_for("B 717-200")
        game.key("Escape")
        game.close()

    def replay_gives_the_same_pictures(self):
        """The first game's replay, played headless, paints exactly what the window showed at each F12."""
        replayed = os.path.join(self.root, "replayed")
        os.makedirs(replayed)
        subprocess.run([self.sim, "--replay", os.path.join(self.save_folder, "replay.txt"), "--shots", replayed],
                       check=True, capture_output=True)
        window_shots = sorted(os.listdir(self.shots))
        headless = sorted(os.listdir(replayed))
        # The replay ends at F9: the window's shots up to then, one for one.
        if len(headless) < 10:
            raise PlayFailure(f"the replay kept only {len(headless)} pictures")
        for ours, theirs in zip(window_shots, headless):
            if not filecmp.cmp(os.path.join(self.shots, ours), os.path.join(replayed, theirs), shallow=False):
                raise PlayFailure(f"replayed picture {theirs} differs from the window's {ours}")
        return len(headless)


def start_x_server(env):
    """An X server of the test's own (Xvfb) on a free display, which `env` then names."""
    display = ":%d" % (90 + os.getpid() % 100)
    server = subprocess.Popen(["Xvfb", display, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    env["DISPLAY"] = display
    time.sleep(1)
    return server


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("game")
    parser.add_argument("sim")
    parser.add_argument("screen_tool")
    parser.add_argument("--keep", help="play in this folder and keep it (default: a temporary folder, removed)")
    args = parser.parse_args()
    play = Play(args)
    server = start_x_server(play.env)
    try:
        fleet, saved_balance, said = play.first_game()
        play.second_game(saved_balance)
        pictures = play.replay_gives_the_same_pictures()
        print(said.strip())
        print(f"real-window play: passed; the replay gave the window's {pictures} pictures byte for byte")
        return 0
    except (PlayFailure, subprocess.SubprocessError) as failure:
        print(f"real-window play: FAILED: {failure}\n(pictures and logs in {play.root})", file=sys.stderr)
        args.keep = args.keep or play.root
        return 1
    finally:
        server.terminate()
        if not args.keep:
            shutil.rmtree(play.root, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
