"""The hand-off to a running orvanta, and what clients cannot do to it (via test_e2e.py)."""

import contextlib
import os
import re
import resource
import signal
import socket
import struct
import time

import harness as h
from harness import wait_for

APPLIED = (0, "")


def socket_path(desk):
    return os.path.join(desk.xdg["XDG_RUNTIME_DIR"], "orvanta.socket")


def hand_off(desk, *args):  # as a later start would, without waiting for the answer
    client = socket.socket(socket.AF_UNIX)
    client.connect(socket_path(desk))
    if args:
        payload = b"".join(a.encode() + b"\0" for a in args)
        client.sendall(struct.pack(">I", len(payload)) + payload)
    return client


def answer(client, timeout=5):  # (kind, text) once answered and hung up; 0 is applied
    client.settimeout(timeout)
    data = b""
    while chunk := client.recv(4096):
        data += chunk
    client.close()
    return (data[4], data[5:].decode()) if len(data) > 4 else None


def dropped(client, garbage):
    client.settimeout(2)
    with contextlib.suppress(BrokenPipeError, ConnectionResetError):
        client.sendall(garbage)
        return client.recv(1) == b""
    return True


def hand_off_while_hidden(desk, binary):
    """Hidden, a client gone before its answer; of two commands back to back, the last armed."""
    program, wid, frame, _ = desk.launch(binary)
    desk.click(*h.point(h.find(frame, "push button", "Minimize to system tray")))
    wait_for(lambda: not desk.viewable(wid), 5, what="the window hidden")
    hand_off(desk, "--show").close()
    wait_for(lambda: desk.viewable(wid) or program.poll() is not None, 5, what="shown")
    assert program.poll() is None, "ended by a client gone before its answer"
    first = hand_off(desk, "--reboot", "--in", "1:00:00")
    last = hand_off(desk, "--poweroff", "--force", "--in", "0:00:02")
    assert (answer(first), answer(last)) == (APPLIED, APPLIED)
    call = wait_for(desk.power_calls, 6, what="the last command's request")[0]
    assert call["method"] == "PowerOffWithFlags" and program.wait(5) == 0, desk.power_calls()


def hand_off_unanswered(desk, binary):
    """Too busy to answer: the client says the outcome is unknown; the command applies later."""
    program, _, frame, _ = desk.launch(binary)
    os.kill(program.pid, signal.SIGSTOP)
    later = desk.start_program(binary, args=["--poweroff", "--in", "1:00:00"])
    status = later.wait(15)
    os.kill(program.pid, signal.SIGCONT)
    assert status == 4 and "unknown" in desk.output(later.log), (status, desk.output(later.log))
    h.find(frame, "push button", "Stop")


def hostile_clients(desk, binary):
    """Huge counts, bad text, idle connections past the descriptors, the socket removed."""
    program = desk.start_program(binary, args=["--poweroff", "--force", "--in", "0:00:06"])
    h.find(h.accessible_app(program.pid), "push button", "Stop")
    armed = time.time()  # a little after it was: due 7 s later (6, 5, ... 0, fire)
    resource.prlimit(program.pid, resource.RLIMIT_NOFILE, (1024, 1024))
    path = socket_path(desk)
    assert dropped(hand_off(desk), b"\xff\xff\xff\xfe" + bytes(1 << 20)), "a huge count"
    assert dropped(hand_off(desk), struct.pack(">I", 3) + b"\xff\xfe\0"), "invalid text"
    hard = resource.getrlimit(resource.RLIMIT_NOFILE)[1]
    resource.setrlimit(resource.RLIMIT_NOFILE, (min(hard, 4096), hard))
    idle, deadline = [], time.monotonic() + 3
    while len(idle) < 1100 and time.monotonic() < deadline:
        client = socket.socket(socket.AF_UNIX)
        client.setblocking(False)
        (idle.append if client.connect_ex(path) == 0 else lambda c: c.close())(client)
    print(f"{len(idle)} idle connections")
    os.remove(path)  # as a cleaner of old files would: made again, and said so
    wait_for(lambda: os.path.exists(path), 5, what="the socket made again")
    assert "listening again" in desk.output(program.log), desk.output(program.log)
    later = desk.start_program(binary, args=["--show"])
    assert later.wait(15) == 0 and os.path.exists(path), desk.output(later.log)
    call = wait_for(desk.power_calls, armed + 12 - time.time(), what="the request")[0]
    assert call["t"] - armed < 7.2 and program.wait(5) == 0, call["t"] - armed  # due within 7 s


def unusable_paths(desk, binary):
    """A folder at the socket's place, a killed one's lock, a lock that cannot be taken."""
    path, lock = socket_path(desk), os.path.join(desk.xdg["XDG_RUNTIME_DIR"], "orvanta.lock")
    os.mkdir(path)
    first = desk.launch(binary)[0]
    assert f"cannot listen at {path}" in desk.output(first.log), desk.output(first.log)
    first.kill()  # its lock left behind is not taken for a running instance's
    assert first.wait(5) < 0 and os.path.exists(lock)
    os.rmdir(path)
    running = desk.launch(binary)[0]  # a window, not the message box
    inode = wait_for(lambda: os.path.exists(path) and os.stat(path).st_ino, 5, what="socket")
    os.remove(lock)
    os.mkdir(lock)
    second = desk.launch(binary)[0]
    assert "hand-off is off for this run" in desk.output(second.log), desk.output(second.log)
    assert os.stat(path).st_ino == inode and running.poll() is None


def first_starts_at_once(desk, binary):
    """Five first starts at once, each a command: all answered; a list of 100 past 4 KB too."""
    os.makedirs(folder := os.path.join(desk.xdg["XDG_CONFIG_HOME"], "Orvanta"))
    with open(os.path.join(folder, "Orvanta.conf"), "w") as f:  # 95 long lines, all off
        f.write("[Schedules]\n" + "".join(
            f'Schedule{n}="mon,wed,fri,sun {n % 24}:{n % 60:02}|1|1|off"\n' for n in range(1, 96)))
    # The first to take the lock runs on with its schedule; the others hand theirs to it.
    times = [time.strftime("%H:%M", time.localtime(time.time() + 3600 * n)) for n in range(3, 8)]
    starts = [desk.start_program(binary, args=["--schedule", f"daily {at}", "--poweroff"])
              for at in times]
    wait_for(lambda: [s.poll() for s in starts].count(0) == 4, 20, what="four answered")
    listing = desk.start_program(binary, args=["--schedules"])
    assert listing.wait(15) == 0, desk.output(listing.log)
    said = desk.output(listing.log)
    assert len(said) > 4096 and len(re.findall(r"^ ?\d+  o", said, re.M)) == 100, said
    assert all(f"Every day {at} — Turn off computer" in said for at in times), said


def hidden_without_tray(desk, binary):
    """Started with the session, no tray to come back from: a start without arguments shows it."""
    desk.stop_popen(desk.tray)
    first = desk.start_program(binary, args=["--autostart"])
    wait_for(lambda: os.path.exists(socket_path(desk)), 10, what="the channel")
    time.sleep(1)
    assert not desk.windows(first.pid), "shown before it was asked"
    second = desk.start_program(binary)
    assert second.wait(10) == 0 and desk.main_window(first, 5) and not desk.windows(second.pid)


def tray_menu_places(desk, binary):
    """A right click on the icon opens the menu beside it; Exit, its last entry, ends it."""
    program, _, _, (_, (x, y, width, height)) = desk.launch(binary)
    desk.move(x + width // 2, y + height // 2)
    desk.timed_release(button=3)
    menu = wait_for(lambda: [desk.geometry(m) for m in desk.stacking(menus=True)
                             if desk.geometry(m)[3] > 40], 5, what="the tray menu")[0]
    assert abs(menu[1] + menu[3] - y) < 150 and abs(menu[0] - x) < 300, (menu, (x, y))
    desk.click(menu[0] + menu[2] // 2, menu[1] + menu[3] - 8)
    assert program.wait(5) == 0


SCENARIOS = {f.__name__: f for f in (hand_off_while_hidden, hand_off_unanswered,
                                     hostile_clients, unusable_paths, tray_menu_places,
                                     first_starts_at_once, hidden_without_tray)}
POWERING = ("hand_off_while_hidden", "hostile_clients")
