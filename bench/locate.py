#!/usr/bin/python3
"""Finds where Start sits in the main window, once, over AT-SPI, so that the measured runs
can click it with accessibility off (an accessibility bridge would cost memory and
wake-ups that a user without assistive tools never pays). Also checks that a settings
file written before the start is what the window loads.

    /usr/bin/python3 locate.py BINARY SETTINGS_TEXT

Prints one JSON object: the centre of Start relative to the window's top-left corner and
what the window shows.
"""

import json
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))

from harness import Desktop  # noqa: E402


def main():
    binary, settings = os.path.abspath(sys.argv[1]), sys.argv[2]
    with Desktop(tray=False) as desk:
        folder = os.path.join(desk.xdg["XDG_CONFIG_HOME"], "Orvanta")
        os.makedirs(folder)
        with open(os.path.join(folder, "Orvanta.conf"), "w") as f:
            f.write(settings)
        program = desk.start_program(binary, {"QT_XCB_GL_INTEGRATION": "none"})
        wid = program.main_window()
        import a11y  # binds to this desktop's buses, so only now
        window = a11y.Window(program.pid)
        start = window.button("Start")
        x, y, w, h = a11y.extents(start)
        out = desk.xdotool("getwindowgeometry", "--shell", wid).stdout
        geometry = dict(line.split("=", 1) for line in out.split() if "=" in line)
        wx, wy = int(geometry["X"]), int(geometry["Y"])
        shown = {
            "countdown": window.row("Countdown"),
            "time_of_day": window.row("Time of day"),
            "turn_off": a11y.checked(window.radio("Turn off computer")),
            "countdown_mode": a11y.checked(window.radio("Countdown")),
        }
        print(json.dumps({"dx": x + w // 2 - wx, "dy": y + h // 2 - wy, "width": w,
                          "height": h, "shown": shown}))
        program.kill()
        program.wait_exit(5)


if __name__ == "__main__":
    main()
