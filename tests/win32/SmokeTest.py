#!/usr/bin/env python3
"""Drives the real window program under Wine as a user would, with keystrokes.

    SmokeTest.py KestrelToADIF.exe LOG WINE [RECORDS [BOXES]]

Starts the program on the display in DISPLAY (or on an Xvfb of its own), presses Convert,
types the path of a copy of LOG into the Open dialog, answers each message box (BOXES of
them: the sample log's one unreadable record, then the summary) and closes the window. Then
the ADIF file beside the copy must hold the header and RECORDS record lines, each ended by
CR LF. Uses WINEPREFIX when set, else a fresh prefix of its own. Exits 0 when it passed,
1 when it failed and 77 (skipped) when Wine, xdotool or a display is missing.
"""

import glob
import os
import select
import shutil
import subprocess
import sys
import tempfile
import time

SKIPPED = 77
TIMEOUT = 420  # seconds, for the whole run: Wine in a fresh prefix can be slow
TITLE = "^KestrelToADIF$"  # the main window and every message box
OPEN_DIALOG = "^Open$"


class Failure(Exception):
    pass


class Session:
    def __init__(self, env, deadline):
        self.env = env
        self.deadline = deadline
        self.program = None
        self.step = "starting"

    def remaining(self):
        left = self.deadline - time.monotonic()
        if left <= 0:
            raise Failure("timed out after %d s, %s" % (TIMEOUT, self.step))
        if self.program is not None and self.program.poll() is not None:
            raise Failure("the program ended with %d, %s" % (self.program.returncode, self.step))
        return left

    def xdotool(self, *args, timeout=None):
        done = subprocess.run(("xdotool",) + args, env=self.env, capture_output=True, text=True,
                              timeout=min(timeout or TIMEOUT, self.remaining()))
        return done.stdout.split()

    def windows(self, title):
        return self.xdotool("search", "--name", title)

    def wait_for(self, title, besides=()):
        """The first window titled `title` that is not one of `besides`."""
        while True:
            try:
                found = self.xdotool("search", "--sync", "--name", title, timeout=2)
            except subprocess.TimeoutExpired:
                continue  # still not there; looks again whether the program still runs
            found = [w for w in found if w not in besides]
            if found:
                return found[0]
            time.sleep(0.1)

    def wait_gone(self, window, title):
        while window in self.windows(title):
            time.sleep(0.1)

    def press(self, window, *keys):
        self.xdotool("windowfocus", "--sync", window)
        self.xdotool("key", *keys)


def wineserver(wine):
    return shutil.which("wineserver") or os.path.join(os.path.dirname(wine), "wineserver")


def start_xvfb():
    """An Xvfb on a free display: the process and its display name."""
    read, write = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24",
                             "-nolisten", "tcp"], pass_fds=(write,),
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write)
    ready, _, _ = select.select([read], [], [], 30)
    number = os.read(read, 16).decode().strip() if ready else ""
    os.close(read)
    if not number:
        xvfb.kill()
        raise Failure("Xvfb did not start")
    return xvfb, ":" + number


def check_adif(path, records):
    if not os.path.isfile(path):
        raise Failure("no ADIF file at " + path)
    with open(path, "rb") as f:
        data = f.read()
    if not data.endswith(b"\r\n") or data.count(b"\n") != data.count(b"\r\n"):
        raise Failure("lines not all ended by CR LF")
    lines = data[:-2].split(b"\r\n")
    if b"<EOH>" not in lines or not lines[0].startswith(b"ADIF file"):
        raise Failure("no ADIF header: %r" % lines[:4])
    body = lines[lines.index(b"<EOH>") + 1 :]
    if len(body) != records or not all(line.endswith(b"<EOR>") for line in body):
        raise Failure("%d record lines, %d expected" % (len(body), records))


def run(exe, log, wine, records, boxes, scratch):
    deadline = time.monotonic() + TIMEOUT
    env = dict(os.environ, WINEDEBUG="-all", LC_ALL="C.UTF-8")
    own_prefix = not env.get("WINEPREFIX")
    if own_prefix:
        env["WINEPREFIX"] = os.path.join(scratch, "prefix")
        env["WINEDLLOVERRIDES"] = "mscoree,mshtml="  # no installer prompts
    xvfb = None
    program = None
    session = Session(env, deadline)
    try:
        try:
            if not env.get("DISPLAY"):
                xvfb, env["DISPLAY"] = start_xvfb()
            if own_prefix:
                session.step = "setting up the Wine prefix"
                subprocess.run([wine, "wineboot", "-i"], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, timeout=session.remaining())
                # Kept up, with Wine's desktop, until the end: a cold start of both under
                # load can take longer than Wine waits for its desktop.
                subprocess.run([wineserver(wine), "-p"], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, timeout=session.remaining())
            folder = os.path.join(scratch, "Kestrel logs")
            os.makedirs(folder)
            copy = shutil.copy(log, folder)
            adif = os.path.splitext(copy)[0] + ".ADI"

            program = subprocess.Popen([wine, exe], env=env, stdout=subprocess.DEVNULL,
                                       stderr=subprocess.DEVNULL)
            session.program = program
            session.step = "waiting for the main window"
            main_window = session.wait_for(TITLE)
            session.step = "pressing Convert"
            session.press(main_window, "Return")
            session.step = "waiting for the Open dialog"
            dialog = session.wait_for(OPEN_DIALOG)
            session.step = "typing the log's path"
            session.xdotool("windowfocus", "--sync", dialog)
            session.xdotool("type", "--delay", "20", "Z:" + copy.replace("/", "\\"))
            session.xdotool("key", "Return")
            for number in range(1, boxes + 1):
                session.step = "waiting for message box %d of %d" % (number, boxes)
                box = session.wait_for(TITLE, besides=(main_window,))
                session.press(box, "Return")
                session.wait_gone(box, TITLE)
            session.step = "closing the window"
            session.press(main_window, "alt+F4")
            session.program = None  # ending is expected now
            try:
                code = program.wait(timeout=session.remaining())
            except subprocess.TimeoutExpired:
                raise Failure("the window did not close")
            if code != 0:
                raise Failure("the program ended with %d" % code)
            check_adif(adif, records)
        except subprocess.TimeoutExpired as expired:
            raise Failure("timed out in %s" % " ".join(map(str, expired.cmd)))
    except Failure:
        for log_file in glob.glob(os.path.join(env["WINEPREFIX"], "drive_c", "users", "*",
                                               "AppData", "Local", "KestrelToADIF", "*.txt")):
            with open(log_file, encoding="utf-8", errors="replace") as f:
                print("%s:\n%s" % (log_file, f.read()))
        raise
    finally:
        if program is not None and program.poll() is None:
            program.kill()
            program.wait()
        if own_prefix:
            subprocess.run([wineserver(wine), "-k"], env=env, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, timeout=30)
        if xvfb is not None:
            xvfb.terminate()
            xvfb.wait()


def main():
    if len(sys.argv) not in (4, 5, 6):
        sys.exit(__doc__)
    exe, log, wine = sys.argv[1:4]
    records = int(sys.argv[4]) if len(sys.argv) > 4 else 32
    boxes = int(sys.argv[5]) if len(sys.argv) > 5 else 2
    wine = shutil.which(wine)
    missing = [name for name, found in (("wine", wine), ("xdotool", shutil.which("xdotool")))
               if not found]
    if not os.environ.get("DISPLAY") and not shutil.which("Xvfb"):
        missing.append("Xvfb")
    if missing:
        print("skipped: %s not found" % ", ".join(missing))
        return SKIPPED
    with tempfile.TemporaryDirectory(prefix="kestrel-smoke-") as scratch:
        try:
            run(os.path.abspath(exe), os.path.abspath(log), wine, records, boxes, scratch)
        except Failure as failure:
            print("FAILED: %s" % failure)
            return 1
    print("passed: %d records converted through the window" % records)
    return 0


if __name__ == "__main__":
    sys.exit(main())
