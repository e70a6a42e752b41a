#!/usr/bin/python3
"""Finds where Start sits in the main window, once, over AT-SPI, so that the measured runs
can click it and watch it with accessibility off (an accessibility bridge would cost memory
and wake-ups that a user without assistive tools never pays). Also checks that a settings
file written before the start is what the window loads, and that a start with an action
and a countdown on the command line shows the window armed: its button named Stop.

    /usr/bin/python3 locate.py BINARY SETTINGS_TEXT

Prints one JSON object: the centre of Start and its box (x, y, width, height), relative to
the window's top-left corner, what the window shows, and the push buttons of a window
started with --poweroff --force --in 2:00:00.
"""

import json
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))

import harness as h  # noqa: E402


def main():
    binary, settings = os.path.abspath(sys.argv[1]), sys.argv[2]
    with h.Desktop() as desk:
        folder = os.path.join(desk.xdg["XDG_CONFIG_HOME"], "Orvanta")
        os.makedirs(folder)
        with open(os.path.join(folder, "Orvanta.conf"), "w") as f:
            f.write(settings)
        program = desk.start_program(binary, {"QT_XCB_GL_INTEGRATION": "none"})
        wx, wy, _, _ = desk.geometry(desk.main_window(program))
        frame = h.find(h.accessible_app(program.pid), "frame")
        start = h.find(frame, "push button", "Start")
        x, y = h.point(start)
        box = h._fresh(start).queryComponent().getExtents(h.pyatspi.DESKTOP_COORDS)
        row = lambda mode: [h.text(h.find(frame, "text", f"{mode} {unit}"))  # noqa: E731
                            for unit in ("hours", "minutes", "seconds")]
        shown = {
            "countdown": row("Countdown"),
            "time_of_day": row("Time of day"),
            "turn_off": h.state(h.find(frame, "radio button", "Turn off computer"), "checked"),
            "countdown_mode": h.state(h.find(frame, "radio button", "Countdown"), "checked"),
        }
        h.Desktop.stop_popen(program)
        # Two hours away: nothing fires while we look.
        armed = desk.start_program(binary, {"QT_XCB_GL_INTEGRATION": "none"},
                                   ["--poweroff", "--force", "--in", "2:00:00"])
        armed_frame = h.find(h.accessible_app(armed.pid), "frame")
        h.find(armed_frame, "push button", "Stop")
        buttons = sorted(b.name for b in h.find_all(armed_frame, "push button"))
        print(json.dumps({"dx": x - wx, "dy": y - wy,
                          "box": [box.x - wx, box.y - wy, box.width, box.height],
                          "shown": shown, "command_line_buttons": buttons}))


if __name__ == "__main__":
    main()
