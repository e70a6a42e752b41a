#!/usr/bin/python3
"""Benchmark of the real orvanta binary beside a peer that does the same job (kshutdown),
on one private desktop (tests/e2e/harness.py): the same Xvfb, the same private session
and system buses, the logind mock that stamps each power request with the moment it
arrived, the tray host trayer (stopped for the last phases). Both programs run with
QT_XCB_GL_INTEGRATION=none and without an accessibility bus. Prints tables and writes
RESULTS.md, the medians of the previous RESULTS.md beside the new ones; it never judges.

    /usr/bin/python3 bench/bench.py BINARY [--out FILE] [--previous FILE] [--quick]
                                           [--only firing]

--quick writes build-bench/RESULTS-quick.md unless --out says otherwise: a trial run on a
busy machine never replaces results. --only firing runs the firing lanes alone (about 8
minutes) and replaces only the firing rows of an existing report, saying so in its header.

The peer always runs inside a mount namespace of its own, where every power command is a
recorder (peer-sandbox.sh). Orvanta gets the recorders first on PATH.

Order: start-up and memory alone, one program at a time; then two lanes at once, one per
program (firing runs), each lane starting its program only after its previous run has
ended; then, with the tray host and again after it has been stopped: Orvanta alone armed
from its command line and handed a command while running, and the 60 s idle and armed
windows of both programs in step.
"""

import argparse
import hashlib
import json
import math
import os
import re
import select
import statistics
import subprocess
import sys
import threading
import time
import traceback

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))

from harness import Desktop, wait_for  # noqa: E402
from Xlib import X, display as xdisplay, error as xerror  # noqa: E402
from Xlib.ext import damage  # noqa: E402

PEER = "/usr/bin/kshutdown"
# The mock knows the flags, so Orvanta never falls back to the old calls; those are the
# peer's, and both programs share the mock.
ORVANTA_REQUESTS = ("PowerOffWithFlags", "RebootWithFlags")
PEER_REQUESTS = ("PowerOff", "Reboot")
GL = {"QT_XCB_GL_INTEGRATION": "none"}
CLK_TCK = os.sysconf("SC_CLK_TCK")

_print_lock = threading.Lock()


def log(message):
    with _print_lock:
        print(f"[{time.strftime('%H:%M:%S')}] {message}", flush=True)


def loadavg():
    with open("/proc/loadavg") as f:
        return " ".join(f.read().split()[:3])


# ---- /proc ------------------------------------------------------------------------------


def _status_fields(path):
    fields = {}
    with open(path) as f:
        for line in f:
            key, _, value = line.partition(":")
            fields[key] = value.strip()
    return fields


def sample(pid):
    """CPU time and context switches of the process, per thread."""
    with open(f"/proc/{pid}/stat") as f:
        after = f.read().rsplit(")", 1)[1].split()
    ticks = int(after[11]) + int(after[12])  # utime + stime, all threads, dead ones too
    tasks = {}
    for tid in os.listdir(f"/proc/{pid}/task"):
        try:
            status = _status_fields(f"/proc/{pid}/task/{tid}/status")
            with open(f"/proc/{pid}/task/{tid}/schedstat") as f:
                runtime_ns = int(f.read().split()[0])
        except (FileNotFoundError, ProcessLookupError):
            continue
        tasks[tid] = (status["Name"], int(status["voluntary_ctxt_switches"]),
                      int(status["nonvoluntary_ctxt_switches"]), runtime_ns)
    return {"t": time.monotonic(), "ticks": ticks, "tasks": tasks}


def window_cost(before, after):
    """What the process spent between two samples: CPU ms (utime+stime), CPU ms from the
    scheduler's nanosecond counters, wake-ups (voluntary + involuntary switches summed over
    the threads) and the wake-ups of each thread name. A thread born in the window counts
    from zero; what a thread that ended in it did there is lost (named in threads_ended)."""
    wakeups = 0
    voluntary = 0
    runtime = 0
    by_name = {}
    for tid, (name, vol, invol, ns) in after["tasks"].items():
        old = before["tasks"].get(tid, (name, 0, 0, 0))
        woke = (vol - old[1]) + (invol - old[2])
        wakeups += woke
        voluntary += vol - old[1]
        runtime += ns - old[3]
        by_name[name] = by_name.get(name, 0) + woke
    return {
        "seconds": after["t"] - before["t"],
        "cpu_ms": (after["ticks"] - before["ticks"]) * 1000 / CLK_TCK,
        "runtime_ms": runtime / 1e6,
        "wakeups": wakeups,
        "voluntary": voluntary,
        "by_thread": by_name,
        "threads_ended": sorted(before["tasks"][tid][0]
                                for tid in set(before["tasks"]) - set(after["tasks"])),
    }


def memory(pid):
    status = _status_fields(f"/proc/{pid}/status")
    rollup = _status_fields(f"/proc/{pid}/smaps_rollup")
    kb = lambda value: int(value.split()[0])  # noqa: E731
    return {"rss_kb": kb(status["VmRSS"]), "pss_kb": kb(rollup["Pss"]),
            "anon_kb": kb(status["RssAnon"]), "file_kb": kb(status["RssFile"]),
            "threads": int(status["Threads"])}


def libraries(pid):
    found = set()
    with open(f"/proc/{pid}/maps") as f:
        for line in f:
            parts = line.split(None, 5)
            if len(parts) == 6 and re.search(r"\.so(\.|$)", parts[5].strip()):
                found.add(parts[5].strip())
    return sorted(found)


def thread_names(pid):
    names = []
    for tid in sorted(os.listdir(f"/proc/{pid}/task"), key=int):
        try:
            with open(f"/proc/{pid}/task/{tid}/comm") as f:
                names.append(f.read().strip())
        except FileNotFoundError:
            pass
    return names


def biggest_mappings(pid, count=8):
    """The mappings holding the most resident memory, summed per file ([heap], [anon] …)."""
    sizes = {}
    name = None
    with open(f"/proc/{pid}/smaps") as f:
        for line in f:
            if re.match(r"^[0-9a-f]+-[0-9a-f]+ ", line):
                parts = line.split(None, 5)
                name = parts[5].strip() if len(parts) == 6 else "[anon]"
            elif line.startswith("Rss:") and name is not None:
                sizes[name] = sizes.get(name, 0) + int(line.split()[1])
    return sorted(sizes.items(), key=lambda kv: -kv[1])[:count]


# ---- the desktop ------------------------------------------------------------------------


class BenchDesktop(Desktop):
    """The end-to-end desktop without the at-spi bus, safe to use from two lanes."""

    def __init__(self):
        super().__init__(a11y=False)
        self._start_lock = threading.Lock()

    def start_program(self, binary, extra_env=None):
        with self._start_lock:
            return super().start_program(binary, extra_env)


class Run:
    def __init__(self, program, wid, exec_at, mapped_at, at_map):
        self.program = program
        self.pid = program.pid
        self.wid = wid
        self.exec_at = exec_at
        self.mapped_at = mapped_at
        # CPU used until the window was mapped: the scheduler's counters of the threads.
        self.startup_cpu = sum(task[3] for task in at_map["tasks"].values()) / 1e9

    @property
    def startup(self):
        return self.mapped_at - self.exec_at


class Lane:
    """A program's own HOME and XDG folders (kept warm from run to run, as a user's are),
    and the way to start it and find its main window."""

    def __init__(self, desk, name, kind, binary=None, start_offset=None):
        self.desk = desk
        self.name = name
        self.kind = kind  # "orvanta" or "peer"
        self.binary = binary
        self.start_offset = start_offset
        base = os.path.join(desk.tmp, f"lane-{name}")
        self.env = {"HOME": os.path.join(base, "home")}
        for key in ("XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"):
            self.env[key] = os.path.join(base, key.split("_")[1].lower())
        for path in self.env.values():
            os.makedirs(path, mode=0o700)
            os.chmod(path, 0o700)
        self.env.update(GL)
        self.base = base
        self.count = 0

    # -- starting ----------------------------------------------------------------

    def _wrapper(self, args):
        """A script whose exec is stamped: the start of the program's own process."""
        self.count += 1
        stamp = os.path.join(self.base, f"exec-{self.count}")
        script = os.path.join(self.base, f"start-{self.count}.sh")
        quoted = " ".join(f"'{a}'" for a in args)
        if self.kind == "orvanta":
            body = (f"printf '%s\\n' \"$EPOCHREALTIME\" > '{stamp}'\n"
                    f"exec '{self.binary}' {quoted}\n")
        else:
            body = (f"exec unshare --mount --propagation private /bin/bash "
                    f"'{os.path.join(HERE, 'peer-sandbox.sh')}' '{self.desk.bin}' "
                    f"'{stamp}' {quoted}\n")
        with open(script, "w") as f:
            f.write("#!/bin/bash\n" + body)
        os.chmod(script, 0o755)
        return script, stamp

    def _is_main_window(self, wid, pid):
        if self.desk.pid_of(wid) != pid:
            return False
        box = self.desk.geometry(wid)
        return bool(box) and box[2] >= 100 and box[3] >= 100

    def start(self, args=(), timeout=30):
        script, stamp = self._wrapper(args)
        watcher = MapWatcher(self.desk.display)
        try:
            program = self.desk.start_program(script, self.env)
            deadline = time.monotonic() + timeout
            while True:
                found = watcher.next_map(deadline)
                if found is None:
                    raise BenchError(f"{self.kind} (pid {program.pid}) mapped no window in "
                                     f"{timeout} s: {self.desk.output(program.log)[-2000:]}")
                wid, mapped_at = found
                at_map = sample(program.pid)
                if self._is_main_window(wid, program.pid):
                    break
        finally:
            watcher.close()
        exec_at = float(wait_for(lambda: _read(stamp), 5, what="the exec stamp"))
        run = Run(program, wid, exec_at, mapped_at, at_map)
        if self.kind == "peer":
            # Out of the way of the other lane's clicks (both windows open at 0,0).
            self.desk.ask(wid, lambda w: w.configure(x=760, y=0))
            self.desk.x.sync()
        return run

    def launch(self, args):
        """Starts the program and returns at once: (Popen, path of its exec stamp)."""
        script, stamp = self._wrapper(args)
        return self.desk.start_program(script, self.env), stamp

    def start_watched(self, args, watcher, timeout=30):
        """Like start, with a PaintWatcher opened before the exec; returns the Run."""
        program, stamp = self.launch(args)
        deadline = time.monotonic() + timeout
        seen = 0
        while True:
            while seen < len(watcher.maps):
                wid, mapped_at = watcher.maps[seen]
                seen += 1
                if self._is_main_window(wid, program.pid):
                    at_map = sample(program.pid)
                    exec_at = float(wait_for(lambda: _read(stamp), 5, what="the exec stamp"))
                    return Run(program, wid, exec_at, mapped_at, at_map)
            if not watcher.pump(deadline):
                raise BenchError(f"orvanta (pid {program.pid}) mapped no window in {timeout} s: "
                                 f"{self.desk.output(program.log)[-2000:]}")

    def forward(self, args, timeout=15):
        """A second peer start that hands its arguments to the running instance."""
        script, _ = self._wrapper(args)
        program = self.desk.start_program(script, self.env)
        return program.wait(timeout)

    def stop(self, run):
        Desktop.stop_popen(run.program)

    # -- driving Orvanta ---------------------------------------------------------

    def arm(self, run):
        """Clicks Start; True when the window changed with it (Start turns into Stop and
        the fields grey out)."""
        before = window_digest(self.desk, run.wid)
        self.click_start(run)
        time.sleep(0.3)
        return before != window_digest(self.desk, run.wid)

    def write_settings(self, action, time_setting, countdown=(0, 0, 0), time_of_day=(0, 0, 0)):
        folder = os.path.join(self.env["XDG_CONFIG_HOME"], "Orvanta")
        os.makedirs(folder, exist_ok=True)
        lines = ["[Settings]", f"Action={action}", "Force=1", f"TimeSetting={time_setting}"]
        lines += [f"CountDown{i}={v}" for i, v in enumerate(countdown)]
        lines += [f"Time{i}={v}" for i, v in enumerate(time_of_day)]
        with open(os.path.join(folder, "Orvanta.conf"), "w") as f:
            f.write("\n".join(lines) + "\n")

    def click_start(self, run):
        """A real click on Start (XTest, from this process). Returns (moment, uncertainty)
        in seconds: the middle of the wall-clock bracket in which the X server took the
        release (from sending it to the answer of the round trip after it), and half its
        width."""
        x, y, _, _ = self.desk.geometry(run.wid)
        self.desk.move(x + self.start_offset[0], y + self.start_offset[1])
        under = self.desk.x.screen().root.query_pointer().child
        if getattr(under, "id", under) != run.wid:
            raise BenchError(f"the pointer is over window {under}, not Orvanta's {run.wid}")
        before, after = self.desk.timed_release()
        return (before + after) / 2, (after - before) / 2


class BenchError(Exception):
    pass


class MapWatcher:
    """Listens on the root window for top-level windows being mapped, on a connection of
    its own; open it before the program starts. Each MapNotify is stamped with time.time()
    as soon as it is read."""

    def __init__(self, display):
        self.x = xdisplay.Display(display)
        self.x.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.x.sync()

    def next_map(self, deadline):
        """(window id, moment) of the next window mapped on the root, or None at the
        deadline (a time.monotonic() value). Menus and tool tips (override-redirect) are
        skipped."""
        while True:
            while self.x.pending_events():
                event = self.x.next_event()
                moment = time.time()
                if event.type == X.MapNotify and not event.override:
                    return event.window.id, moment
            left = deadline - time.monotonic()
            if left <= 0:
                return None
            select.select([self.x], [], [], min(left, 0.5))

    def close(self):
        self.x.close()


class PaintWatcher:
    """Sees windows being drawn, from outside and without polling: a connection of its own
    with a DAMAGE object on every top-level window created after it opened (and on those
    named), so that the X server reports each drawing request into them (DamageNotify, raw
    rectangles). Every MapNotify and DamageNotify is stamped with time.time() as it is read.
    Open it before the program starts."""

    def __init__(self, display, windows=()):
        self.x = xdisplay.Display(display)
        if not self.x.has_extension("DAMAGE"):
            raise BenchError("the X server has no DAMAGE extension")
        # A window can be gone before our request for it reaches the server.
        self.x.set_error_handler(lambda *_: None)
        self.x.damage_query_version()  # the extension answers nothing before it
        self.notify = self.x.extension_event.DamageNotify
        self.x.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
        for wid in windows:
            self._watch(wid)
        self.x.sync()
        self.maps = []    # (window id, moment)
        self.paints = []  # (window id, moment, (x, y, width, height))

    def _watch(self, wid):
        self.x.create_resource_object("window", wid).damage_create(
            damage.DamageReportRawRectangles)

    def pump(self, deadline):
        """Reads every event that has come; waits for the first until deadline (a
        time.monotonic() value). Returns how many were read."""
        count = 0
        while True:
            while self.x.pending_events():
                event = self.x.next_event()
                moment = time.time()
                count += 1
                if event.type == X.CreateNotify:
                    self._watch(event.window.id)
                    self.x.flush()
                elif event.type == X.MapNotify and not event.override:
                    self.maps.append((event.window.id, moment))
                elif event.type == self.notify:
                    area = event.area
                    self.paints.append((event.drawable.id, moment,
                                        (area.x, area.y, area.width, area.height)))
            if count:
                return count
            left = deadline - time.monotonic()
            if left <= 0:
                return 0
            select.select([self.x], [], [], min(left, 0.5))

    def image(self, wid, box):
        x, y, width, height = box
        try:
            return self.x.create_resource_object("window", wid).get_image(
                x, y, width, height, X.ZPixmap, 0xFFFFFFFF).data
        except (xerror.BadWindow, xerror.BadDrawable, xerror.BadMatch):
            return None

    def face_shown(self, wid, box, face, deadline, since=0):
        """The moment the window first showed face (the pixels of box) after the paint
        numbered since: each time paints into box have come, the box is read back; when it
        matches, the moment is that of the last of those paints (the frame that drew it).
        Returns (moment, paints into box looked at) or (None, count) at the deadline."""
        looked = since
        count = 0
        while time.monotonic() < deadline:
            fresh = [p for p in self.paints[looked:] if p[0] == wid and overlaps(p[2], box)]
            looked = len(self.paints)
            if fresh:
                count += len(fresh)
                if self.image(wid, box) == face:
                    return fresh[-1][1], count
            self.pump(deadline)
        return None, count

    def close(self):
        self.x.close()


def overlaps(a, b):
    return a[0] < b[0] + b[2] and b[0] < a[0] + a[2] and a[1] < b[1] + b[3] and b[1] < a[1] + a[3]


def window_digest(desk, wid):
    """A digest of what the window shows now (its pixels), or None if it is gone."""
    def grab(w):
        box = w.get_geometry()
        return w.get_image(0, 0, box.width, box.height, X.ZPixmap, 0xFFFFFFFF).data
    pixels = desk.ask(wid, grab)
    return hashlib.sha1(pixels).hexdigest() if pixels else None


def title(desk, wid):
    return desk.ask(wid, lambda w: w.get_full_text_property(
        desk.x.intern_atom("_NET_WM_NAME"), desk.x.intern_atom("UTF8_STRING"))) or ""


def _read(path):
    try:
        with open(path) as f:
            text = f.read().strip()
        return text or None
    except FileNotFoundError:
        return None


def power_call(desk, methods, known, timeout):
    """The first power request of one of methods among those after the first known ones
    (the mock's record only grows; the other lane's requests are told apart by method)."""
    def find():
        for call in desk.power_calls()[known:]:
            if call["method"] in methods:
                return call
        return None
    return wait_for(find, timeout, interval=0.02, what=f"a power request ({'/'.join(methods)})")


# ---- measurements -------------------------------------------------------------------------


class Results:
    def __init__(self):
        self.lock = threading.Lock()
        self.values = {}   # (figure, program) -> [numbers]
        self.notes = []
        self.threads = {}  # (program, state) -> [by_thread dicts]
        self.extra = {}

    def add(self, figure, program, value):
        with self.lock:
            self.values.setdefault((figure, program), []).append(value)

    def note(self, text):
        with self.lock:
            self.notes.append(text)
        log(text)

    def add_threads(self, program, state, by_thread):
        with self.lock:
            self.threads.setdefault((program, state), []).append(by_thread)


def startup_round(lane, results, keep):
    """Start-up, then memory idle and armed, then the libraries: one run, alone."""
    who = lane.kind
    if who == "orvanta":
        lane.write_settings(action=1, time_setting=1, countdown=(2, 0, 0))
        run = lane.start()
    else:
        run = lane.start()
    try:
        time.sleep(2.0)
        idle = memory(run.pid)
        libs = libraries(run.pid)
        threads_idle = thread_names(run.pid)
        if who == "orvanta":
            armed_ok = lane.arm(run)
            time.sleep(1.7)
        else:
            lane.forward(["--shutdown", "30m"])
            armed_ok = bool(wait_for(
                lambda: "Remaining time" in title(lane.desk, run.wid),
                10, what="the peer armed"))
            time.sleep(2.0)
        armed = memory(run.pid)
        if keep:
            results.add("startup_ms", who, run.startup * 1000)
            results.add("startup_cpu_ms", who, run.startup_cpu * 1000)
            results.add("rss_idle_mb", who, idle["rss_kb"] / 1024)
            results.add("pss_idle_mb", who, idle["pss_kb"] / 1024)
            results.add("rss_armed_mb", who, armed["rss_kb"] / 1024)
            results.add("pss_armed_mb", who, armed["pss_kb"] / 1024)
            results.add("libraries", who, len(libs))
            results.add("threads", who, idle["threads"])
            results.extra.setdefault(f"libs_{who}", libs)
            results.extra.setdefault(f"thread_names_{who}", threads_idle)
            results.extra.setdefault(f"mappings_{who}", biggest_mappings(run.pid))
            results.extra.setdefault(f"memory_split_{who}", idle)
        log(f"{who}: start-up {run.startup * 1000:.1f} ms (CPU {run.startup_cpu * 1000:.1f} ms)"
            f"{'' if keep else ' (warm-up)'}, "
            f"RSS {idle['rss_kb'] / 1024:.1f}/{armed['rss_kb'] / 1024:.1f} MB, "
            f"PSS {idle['pss_kb'] / 1024:.1f}/{armed['pss_kb'] / 1024:.1f} MB idle/armed, "
            f"{len(libs)} libraries, armed {armed_ok}")
        if armed_ok is False:
            results.note(f"{who}: a start-up run did not arm; its armed memory is kept anyway")
    finally:
        lane.stop(run)


def orvanta_countdown(lane, results, seconds):
    lane.write_settings(action=1, time_setting=1,
                        countdown=(seconds // 3600, seconds // 60 % 60, seconds % 60))
    known = len(lane.desk.power_calls())
    run = lane.start()
    try:
        time.sleep(1.0)
        clicked, uncertainty = lane.click_start(run)
        due = clicked + seconds + 1
        call = power_call(lane.desk, ORVANTA_REQUESTS, known, seconds + 15)
        late = (call["t"] - due) * 1000
        results.add(f"fire_countdown_{seconds}_ms", "orvanta", late)
        results.add("click_uncertainty_ms", "orvanta", uncertainty * 1000)
        log(f"orvanta 0:{seconds // 60:02d}:{seconds % 60:02d}: {call['method']}{call['args']} "
            f"{late:+.1f} ms from click + {seconds + 1} s (click ±{uncertainty * 1000:.1f} ms)")
        try:
            run.program.wait(10)
        except subprocess.TimeoutExpired:
            results.note("orvanta did not end within 10 s of its power request")
    finally:
        lane.stop(run)


def orvanta_time_of_day(lane, results, lead=5):
    for _ in range(3):
        target = math.floor(time.time()) + lead
        local = time.localtime(target)
        if local[3:6] == (0, 0, 0):
            target += 1  # midnight is the time number 0, which arming refuses
            local = time.localtime(target)
        lane.write_settings(action=2, time_setting=0,
                            time_of_day=(local.tm_hour, local.tm_min, local.tm_sec))
        known = len(lane.desk.power_calls())
        run = lane.start()
        try:
            time.sleep(0.3)
            if target - time.time() < 1.2:
                results.note(f"orvanta time of day: started too slowly "
                             f"({run.startup * 1000:.0f} ms), run repeated")
                continue
            clicked, _ = lane.click_start(run)
            call = power_call(lane.desk, ORVANTA_REQUESTS, known, target - clicked + 10)
            late = (call["t"] - target) * 1000
            results.add("fire_time_of_day_ms", "orvanta", late)
            log(f"orvanta at {time.strftime('%H:%M:%S', local)}: {call['method']}{call['args']} "
                f"{late:+.1f} ms from the start of that second")
            try:
                run.program.wait(10)
            except subprocess.TimeoutExpired:
                results.note("orvanta did not end within 10 s of its power request")
            return
        finally:
            lane.stop(run)


def peer_countdown(lane, results):
    known = len(lane.desk.power_calls())
    run = lane.start(["--shutdown", "1m"])
    try:
        shown = title(lane.desk, run.wid)
        call = power_call(lane.desk, PEER_REQUESTS, known, 80)
        vs_shown = (call["t"] - (run.mapped_at + 60)) * 1000
        vs_told = (call["t"] - (run.exec_at + 60)) * 1000
        results.add("fire_countdown_60_ms", "peer", vs_shown)
        results.add("fire_countdown_60_told_ms", "peer", vs_told)
        log(f"peer --shutdown 1m: {call['method']}{call['args']} {vs_shown:+.1f} ms from window "
            f"shown + 60 s, {vs_told:+.1f} ms from exec + 60 s (title {shown!r})")
        time.sleep(1.0)
    finally:
        lane.stop(run)


def peer_time_of_day(lane, results, lead=8):
    now = time.time()
    target = (math.floor(now / 60) + 1) * 60
    if target - now < lead:
        target += 60
    local = time.localtime(target)
    if local.tm_sec != 0:
        results.note("the local time zone is not a whole number of minutes from UTC")
    hhmm = time.strftime("%H:%M", local)
    known = len(lane.desk.power_calls())
    run = lane.start(["--shutdown", hhmm])
    try:
        call = power_call(lane.desk, PEER_REQUESTS, known, target - time.time() + 15)
        late = (call["t"] - target) * 1000
        results.add("fire_time_of_day_ms", "peer", late)
        log(f"peer --shutdown {hhmm}: {call['method']}{call['args']} {late:+.1f} ms from "
            f"{hhmm}:00")
        time.sleep(1.0)
    finally:
        lane.stop(run)


def _record_cost(results, who, state, before, after):
    cost = window_cost(before, after)
    scale = 60.0 / cost["seconds"]
    results.add(f"cpu_{state}_ms", who, cost["cpu_ms"] * scale)
    results.add(f"runtime_{state}_ms", who, cost["runtime_ms"] * scale)
    results.add(f"wakeups_{state}", who, cost["wakeups"] * scale)
    results.add(f"voluntary_{state}", who, cost["voluntary"] * scale)
    results.add_threads(who, state, {k: v * scale for k, v in cost["by_thread"].items()})
    if cost["threads_ended"]:
        results.note(f"{who} {state}: threads ended in the window (their wake-ups there are "
                     f"not counted): {', '.join(cost['threads_ended'])}")
    log(f"{who} {state} {cost['seconds']:.1f} s: CPU {cost['cpu_ms']:.0f} ms "
        f"(scheduler {cost['runtime_ms']:.1f} ms), {cost['wakeups']} wake-ups "
        f"({cost['voluntary']} voluntary) "
        f"{dict(sorted(cost['by_thread'].items(), key=lambda kv: -kv[1]))}")


def cost_round(mine, peer, results, window_s, variant="countdown", tag="", faces=None):
    """Both programs at once, in step, so that neither window sees the other program start
    or end (each start and end moves the icons in the tray, which wakes the other).
    variant "countdown": idle for window_s, then armed for window_s on a countdown far
    away (Orvanta by a click on Start, the peer by --shutdown 30m handed over); "time_of_day":
    armed for a time of day an hour ahead, no idle window; "command_line": each started
    armed from its command line (Orvanta --poweroff --force --in 2:00:00, the peer
    --shutdown 30m), no idle window. tag names the desktop ("" with a tray host)."""
    ahead = time.time() + 3600
    mine_args, peer_args = [], []
    if variant == "time_of_day":
        target = time.localtime(ahead)
        mine.write_settings(action=1, time_setting=0,
                            time_of_day=(target.tm_hour, target.tm_min, target.tm_sec))
        # The peer takes whole minutes; an hour and a bit ahead.
        peer_args = ["--shutdown", time.strftime("%H:%M", time.localtime(ahead + 60))]
    else:
        mine.write_settings(action=1, time_setting=1, countdown=(2, 0, 0))
    if variant == "command_line":
        mine_args, peer_args = ["--poweroff", "--force", "--in", "2:00:00"], ["--shutdown", "30m"]
        park_pointer(mine.desk)
    state = {"countdown": "armed", "time_of_day": "armed_tod",
             "command_line": "armed_cl"}[variant]
    runs = []
    try:
        runs.append(mine.start(mine_args))
        runs.append(peer.start(peer_args))
        time.sleep(3.0)
        if variant == "countdown":
            before = [sample(run.pid) for run in runs]
            time.sleep(window_s)
            after = [sample(run.pid) for run in runs]
            for who, a, b in zip(("orvanta", "peer"), before, after):
                _record_cost(results, who, "idle" + tag, a, b)
        if variant == "command_line":
            if faces and faces.look(runs[0].wid) != faces.stop:
                results.note(f"orvanta: a {state}{tag} window does not show Stop")
        elif not mine.arm(runs[0]):
            results.note(f"orvanta: a {state}{tag} window did not arm (the window did not change)")
        if variant == "countdown":
            peer.forward(["--shutdown", "30m"])
        wait_for(lambda: "Remaining time" in title(peer.desk, runs[1].wid),
                 10, what="the peer armed")
        time.sleep(3.0)
        before = [sample(run.pid) for run in runs]
        time.sleep(window_s)
        after = [sample(run.pid) for run in runs]
        for who, a, b in zip(("orvanta", "peer"), before, after):
            _record_cost(results, who, state + tag, a, b)
    finally:
        for lane, run in zip((mine, peer), runs):
            lane.stop(run)


# ---- the command line ---------------------------------------------------------------------

COMMAND = ["--poweroff", "--force", "--in", "0:00:05"]
COMMAND_DUE_S = 6  # the fields show 5 down to 0, and the tick after 0 fires


def park_pointer(desk):
    """Out of every window (bottom left; the tray sits bottom right): no hover look."""
    desk.move(0, desk.x.screen().height_in_pixels - 1)


class Faces:
    """The two looks of the Start/Stop button (its box, from locate.py) in this desktop,
    read back from the X server: a window started plainly (Start) and one started armed from
    the command line two hours away (Stop; that such a window names its button Stop was
    checked over AT-SPI by locate.py). Each read 1.5 s after the window was mapped."""

    def __init__(self, lane, box):
        self.desk = lane.desk
        self.box = tuple(box)
        lane.write_settings(action=1, time_setting=1, countdown=(2, 0, 0))
        park_pointer(self.desk)
        self.start = self._read(lane, [])
        self.stop = self._read(lane, ["--poweroff", "--force", "--in", "2:00:00"])
        if not self.start or not self.stop or self.start == self.stop:
            raise BenchError("the button looks the same armed and not armed: cannot tell")

    def _read(self, lane, args):
        run = lane.start(args)
        try:
            time.sleep(1.5)
            return self.look(run.wid)
        finally:
            lane.stop(run)

    def look(self, wid):
        watcher = PaintWatcher(self.desk.display)
        try:
            return watcher.image(wid, self.box)
        finally:
            watcher.close()


def _first_tick(watcher, wid, armed_at):
    """The first paint into the window more than half a second after it showed Stop: the
    countdown's first tick (the seconds field)."""
    deadline = time.monotonic() + (armed_at + 2.0 - time.time())
    while time.monotonic() < deadline:
        for p in watcher.paints:
            if p[0] == wid and p[1] > armed_at + 0.5:
                return p[1]
        watcher.pump(deadline)
    return None


def command_line_round(lane, results, faces, tag):
    """`orvanta --poweroff --force --in 0:00:05` with nothing running: exec → window mapped,
    → first painted, → painted with Stop (armed); the first tick; the power request."""
    lane.write_settings(action=1, time_setting=1, countdown=(2, 0, 0))
    park_pointer(lane.desk)
    known = len(lane.desk.power_calls())
    watcher = PaintWatcher(lane.desk.display)
    run = None
    try:
        run = lane.start_watched(COMMAND, watcher)
        armed_at, _ = watcher.face_shown(run.wid, faces.box, faces.stop, time.monotonic() + 5)
        if armed_at is None:
            results.note(f"command line{tag}: the window never showed Stop")
            return
        first = next(p[1] for p in watcher.paints if p[0] == run.wid)
        tick = _first_tick(watcher, run.wid, armed_at)
        watcher.close()
        watcher = None
        call = power_call(lane.desk, ORVANTA_REQUESTS, known, COMMAND_DUE_S + 15)
        results.add(f"cl_mapped_ms{tag}", "orvanta", run.startup * 1000)
        results.add(f"cl_painted_ms{tag}", "orvanta", (first - run.exec_at) * 1000)
        results.add(f"cl_armed_ms{tag}", "orvanta", (armed_at - run.exec_at) * 1000)
        if tick is not None:
            results.add(f"cl_tick_ms{tag}", "orvanta", (tick - armed_at) * 1000)
        late = (call["t"] - armed_at - COMMAND_DUE_S) * 1000
        results.add(f"cl_fire_ms{tag}", "orvanta", late)
        results.add(f"cl_fire_told_ms{tag}", "orvanta",
                    (call["t"] - run.exec_at - COMMAND_DUE_S) * 1000)
        log(f"command line{tag}: mapped {run.startup * 1000:.1f} ms, painted "
            f"{(first - run.exec_at) * 1000:.1f} ms, Stop {(armed_at - run.exec_at) * 1000:.1f} ms "
            f"after exec; first tick +{(tick - armed_at) * 1000 if tick else float('nan'):.1f} ms; "
            f"{call['method']}{call['args']} {late:+.1f} ms from Stop + {COMMAND_DUE_S} s")
        try:
            run.program.wait(10)
        except subprocess.TimeoutExpired:
            results.note("orvanta did not end within 10 s of its power request")
    finally:
        if watcher is not None:
            watcher.close()
        if run is not None:
            lane.stop(run)


def handoff_round(lane, results, faces, tag):
    """The same command handed to a running Orvanta (started plainly, showing Start): from
    the exec of the second process to the running window painted with Stop; the first tick;
    the power request."""
    lane.write_settings(action=1, time_setting=1, countdown=(2, 0, 0))
    park_pointer(lane.desk)
    run = lane.start()
    watcher = None
    try:
        time.sleep(1.0)
        watcher = PaintWatcher(lane.desk.display, [run.wid])
        # A new DAMAGE object reports the whole window once; that is not a paint.
        watcher.pump(time.monotonic() + 0.3)
        since = len(watcher.paints)
        if faces.look(run.wid) != faces.start:
            results.note(f"handoff{tag}: the running window did not show Start before")
        known = len(lane.desk.power_calls())
        second, stamp = lane.launch(COMMAND)
        armed_at, _ = watcher.face_shown(run.wid, faces.box, faces.stop,
                                         time.monotonic() + 5, since)
        exec_at = float(wait_for(lambda: _read(stamp), 5, what="the exec stamp"))
        if armed_at is None:
            results.note(f"handoff{tag}: the running window never showed Stop")
            return
        tick = _first_tick(watcher, run.wid, armed_at)
        watcher.close()
        watcher = None
        status = second.wait(10)
        if status != 0:
            results.note(f"handoff{tag}: the second process ended with status {status}")
        call = power_call(lane.desk, ORVANTA_REQUESTS, known, COMMAND_DUE_S + 15)
        results.add(f"ho_armed_ms{tag}", "orvanta", (armed_at - exec_at) * 1000)
        if tick is not None:
            results.add(f"ho_tick_ms{tag}", "orvanta", (tick - armed_at) * 1000)
        late = (call["t"] - armed_at - COMMAND_DUE_S) * 1000
        results.add(f"ho_fire_ms{tag}", "orvanta", late)
        results.add(f"ho_fire_told_ms{tag}", "orvanta",
                    (call["t"] - exec_at - COMMAND_DUE_S) * 1000)
        log(f"handoff{tag}: Stop {(armed_at - exec_at) * 1000:.1f} ms after the second exec "
            f"(status {status}); first tick "
            f"+{(tick - armed_at) * 1000 if tick else float('nan'):.1f} ms; "
            f"{call['method']}{call['args']} {late:+.1f} ms from Stop + {COMMAND_DUE_S} s")
        try:
            run.program.wait(10)
        except subprocess.TimeoutExpired:
            results.note("orvanta did not end within 10 s of its power request")
    finally:
        if watcher is not None:
            watcher.close()
        lane.stop(run)


def stop_tray(desk):
    Desktop.stop_popen(desk.tray)
    desk.procs.remove(desk.tray)
    atom = desk.x.intern_atom("_NET_SYSTEM_TRAY_S0")
    wait_for(lambda: desk.x.get_selection_owner(atom) == X.NONE, 10, what="trayer to leave")


# ---- the report ---------------------------------------------------------------------------


def summary(values, digits=1):
    if not values:
        return "–"
    values = sorted(values)
    med = statistics.median(values)
    fmt = f"{{:.{digits}f}}"
    if len(values) == 1:
        return f"{fmt.format(med)} (n 1)"
    return (f"{fmt.format(med)} [{fmt.format(values[0])} … {fmt.format(values[-1])}] "
            f"(n {len(values)})")


ROWS = [
    # figure key, label, goal, digits
    ("fire_countdown_5_ms", "Firing, 0:00:05 countdown: arrival − due (ms)",
     "within 20 ms", 1),
    ("fire_countdown_60_ms", "Firing, 60 s countdown: arrival − due (ms)", "within 20 ms", 1),
    ("fire_countdown_60_told_ms", "  peer only: arrival − (exec + 60 s) (ms)", "within 20 ms", 1),
    ("fire_time_of_day_ms", "Firing, time of day: arrival − start of target second (ms)",
     "within 20 ms", 1),
    ("click_uncertainty_ms", "  arming click moment known to ± (ms)", "–", 1),
    ("startup_ms", "Start-up: exec → main window mapped (ms)", "≤ 60 ms", 1),
    ("startup_cpu_ms", "  CPU time used by then, all threads (ms)", "–", 1),
    ("rss_idle_mb", "RSS idle after start-up (MB)", "< 35 MB", 1),
    ("pss_idle_mb", "PSS idle after start-up (MB)", "–", 1),
    ("rss_armed_mb", "RSS armed (MB)", "< 35 MB", 1),
    ("pss_armed_mb", "PSS armed (MB)", "–", 1),
    ("cpu_idle_ms", "CPU time over 60 s idle, utime+stime (ms)", "–", 0),
    ("runtime_idle_ms", "  same, scheduler ns counters (ms)", "–", 2),
    ("wakeups_idle", "Wake-ups over 60 s idle (context switches, all threads)", "0", 0),
    ("voluntary_idle", "  of which voluntary", "–", 0),
    ("cpu_armed_ms", "CPU time over 60 s armed, utime+stime (ms)", "–", 0),
    ("runtime_armed_ms", "  same, scheduler ns counters (ms)", "–", 2),
    ("wakeups_armed", "Wake-ups over 60 s armed (context switches, all threads)", "60", 0),
    ("voluntary_armed", "  of which voluntary", "–", 0),
    ("cpu_armed_tod_ms", "CPU time over 60 s armed for a time of day, utime+stime (ms)", "–", 0),
    ("runtime_armed_tod_ms", "  same, scheduler ns counters (ms)", "–", 2),
    ("wakeups_armed_tod", "Wake-ups over 60 s armed for a time of day", "60", 0),
    ("voluntary_armed_tod", "  of which voluntary", "–", 0),
    ("threads", "Threads after start-up", "–", 0),
    ("libraries", "Shared libraries loaded (distinct .so in /proc/PID/maps)", "–", 0),
]


COST_ROWS = [
    # state, label of the window
    ("idle", "idle"),
    ("armed", "armed (countdown, by a click on Start)"),
    ("armed_tod", "armed for a time of day"),
    ("armed_cl", "armed from the command line"),
]

COMMAND_ROWS = [
    ("cl_mapped_ms", "Command line, nothing running: exec → main window mapped (ms)", "–", 1),
    ("cl_painted_ms", "  exec → main window first painted (ms)", "–", 1),
    ("cl_armed_ms", "  exec → armed: painted with Stop (ms)", "≤ 100 ms", 1),
    ("cl_tick_ms", "  armed → first tick painted (ms)", "1000", 1),
    ("cl_fire_ms", "  arrival − (armed + 6 s) (ms)", "within 20 ms", 1),
    ("cl_fire_told_ms", "  arrival − (exec + 6 s) (ms)", "–", 1),
    ("ho_armed_ms", "Handed to a running instance: second exec → running window painted with "
     "Stop (ms)", "≤ 50 ms", 1),
    ("ho_tick_ms", "  armed → first tick painted (ms)", "1000", 1),
    ("ho_fire_ms", "  arrival − (armed + 6 s) (ms)", "within 20 ms", 1),
    ("ho_fire_told_ms", "  arrival − (second exec + 6 s) (ms)", "–", 1),
]

NO_TRAY = "_notray"


def row_keys(labels):
    """(parent label, label) for each label: indented labels repeat under their parents."""
    keys, parent = [], ""
    for label in labels:
        if not label.startswith(" "):
            parent = label
        keys.append((parent, label.strip()))
    return keys


def read_previous(path):
    """The first results table of an earlier RESULTS.md: {(parent, label): (orvanta median,
    peer median)} and its date, or ({}, None)."""
    if not path or not os.path.exists(path):
        return {}, None
    with open(path) as f:
        text = f.read().split(MARK, 1)[0]
    date = re.search(r"^- Date: (.+)$", text, re.M)
    rows, header, labels = [], None, []
    for line in text.split("## Results", 1)[-1].splitlines():
        if not line.startswith("|"):
            if header:
                break
            continue
        cells = [c[1:-1] if c.startswith(" ") and c.endswith(" ") else c
                 for c in line.strip()[1:-1].split("|")]
        if header is None:
            header = cells
            continue
        if set(cells[0]) <= set("-"):
            continue
        rows.append(cells)
        labels.append(cells[0])
    if not header:
        return {}, None
    mine = next((i for i, c in enumerate(header) if c.startswith("Orvanta: median")), None)
    peer = next((i for i, c in enumerate(header) if c.startswith("Peer: median")), None)
    found = {}
    for key, cells in zip(row_keys(labels), rows):
        pick = lambda i: cells[i].split()[0] if i is not None and cells[i].split() else "–"  # noqa: E731
        found[key] = (pick(mine), pick(peer))
    return found, date.group(1).strip() if date else None


def _then(old, values):
    """The earlier median, and how far the new one is from it."""
    if old in (None, "–"):
        return "–"
    try:
        before = float(old)
        now = statistics.median(values) if isinstance(values, list) else float(values)
    except (TypeError, ValueError, statistics.StatisticsError):
        return old
    if before == 0:
        return old
    return f"{old} ({(now - before) / abs(before) * 100:+.0f}%)"


def table(results, previous=None):
    """The figures of every run, with the earlier run's medians beside them when given."""
    previous = previous or {}
    with_previous = bool(previous)
    head = "| Figure | Goal | Orvanta: median [min … max] (n) |"
    head += " Orvanta, previous run |" if with_previous else ""
    head += " Peer: median [min … max] (n) |"
    head += " Peer, previous run |" if with_previous else ""
    lines = [head, "|" + "---|" * head.count(" |")]
    keys = row_keys([label for _, label, _, _ in ROWS])

    def line(label, goal, mine_text, peer_text, mine, peer, key):
        cells = [label, goal, mine_text]
        old = previous.get(key, (None, None))
        if with_previous:
            cells.append(_then(old[0], mine))
        cells.append(peer_text)
        if with_previous:
            cells.append(_then(old[1], peer))
        return "| " + " | ".join(cells) + " |"

    for (key, label, goal, digits), row_key in zip(ROWS, keys):
        mine = results.values.get((key, "orvanta"), [])
        peer = results.values.get((key, "peer"), [])
        if not mine and not peer and row_key not in previous:
            continue
        lines.append(line(label, goal, summary(mine, digits), summary(peer, digits),
                          mine, peer, row_key))
    for key, label in (("binary_bytes", "Binary size (bytes, as installed/built)"),
                       ("binary_stripped_bytes", "Binary size stripped (bytes)")):
        mine = results.extra.get(f"{key}_orvanta")
        peer = results.extra.get(f"{key}_peer")
        lines.append(line(label, "–", str(mine) if mine is not None else "–",
                          str(peer) if peer is not None else "–", mine, peer, (label, label)))
    return "\n".join(lines)


def cost_table(results):
    """Idle and armed cost with and without a tray host, side by side."""
    lines = ["| Window of 60 s | Figure | Goal | Orvanta, tray host | Orvanta, no tray host | "
             "Peer, tray host | Peer, no tray host |", "|---|---|---|---|---|---|---|"]
    goals = {"idle": "0", "armed": "60", "armed_tod": "60", "armed_cl": "60"}
    for state, label in COST_ROWS:
        for figure, name, goal, digits in (
                ("wakeups", "wake-ups (context switches, all threads)", goals[state], 0),
                ("voluntary", "  of which voluntary", "–", 0),
                ("cpu", "CPU, utime+stime (ms)", "–", 0),
                ("runtime", "  scheduler ns counters (ms)", "–", 2)):
            key = f"{figure}_{state}" + ("_ms" if figure in ("cpu", "runtime") else "")
            cells = []
            for who in ("orvanta", "peer"):
                for tag in ("", NO_TRAY):
                    cells.append(summary(results.values.get((cost_key(key, tag), who), []),
                                         digits))
            if all(c == "–" for c in cells):
                continue
            lines.append(f"| {label} | {name} | {goal} | " + " | ".join(cells) + " |")
    return "\n".join(lines)


def cost_key(key, tag):
    """wakeups_idle + _notray → wakeups_idle_notray; cpu_idle_ms → cpu_idle_notray_ms."""
    if key.endswith("_ms"):
        return key[:-3] + tag + "_ms"
    return key + tag


def command_table(results):
    lines = ["| Figure (Orvanta, `orvanta --poweroff --force --in 0:00:05`) | Goal | "
             "Tray host: median [min … max] (n) | No tray host: median [min … max] (n) |",
             "|---|---|---|---|"]
    for key, label, goal, digits in COMMAND_ROWS:
        cells = [summary(results.values.get((key + tag, "orvanta"), []), digits)
                 for tag in ("", NO_TRAY)]
        if all(c == "–" for c in cells):
            continue
        lines.append(f"| {label} | {goal} | {cells[0]} | {cells[1]} |")
    return "\n".join(lines)


def thread_table(results):
    lines = ["| Program | Tray host | State | Wake-ups per 60 s by thread (median over runs) |",
             "|---|---|---|---|"]
    for who in ("orvanta", "peer"):
        for tag in ("", NO_TRAY):
            for state, _ in COST_ROWS:
                runs = results.threads.get((who, state + tag), [])
                if not runs:
                    continue
                names = sorted({n for r in runs for n in r})
                medians = {n: statistics.median([r.get(n, 0) for r in runs]) for n in names}
                text = ", ".join(f"{n} {v:.0f}" for n, v in
                                 sorted(medians.items(), key=lambda kv: -kv[1]))
                lines.append(f"| {who} | {'no' if tag else 'yes'} | {state} | {text} |")
    return "\n".join(lines)


MARK = "<!-- Everything below this line is kept when bench.py rewrites the file. -->"


def write_report(path, results, meta, previous=None, previous_date=None):
    kept = ""
    if os.path.exists(path):
        with open(path) as f:
            old = f.read()
        if MARK in old:
            kept = old.split(MARK, 1)[1]
    mib = lambda kb: f"{kb / 1024:.1f}"  # noqa: E731
    parts = [
        "# Benchmark: Orvanta beside a peer (kshutdown)",
        "",
        f"- Date: {meta['date']}",
        f"- Machine: nproc {meta['nproc']}, kernel {meta['kernel']}, "
        f"{meta['cpu']}; load average (1, 5, 15 min) {meta['load_before']} before, "
        f"{meta['load_mid']} after the start-up phase, {meta['load_after']} at the end",
        f"- Programs: Orvanta {meta['orvanta']} (Release build); peer {meta['peer']}",
        f"- Commands: `{meta['command']}` (which runs `{meta['inner']}`); "
        f"total {meta['duration']:.0f} s",
        "",
        "Both programs ran on one private desktop (Xvfb, trayer, a private session bus and a "
        "private system bus with the logind mock of tests/e2e/harness.py), with "
        "`QT_XCB_GL_INTEGRATION=none`, `LC_ALL=C.UTF-8`, no desktop named in the environment, "
        "no accessibility bus, and their own HOME and XDG folders kept from run to run. The "
        "tray host trayer ran for every figure except those marked \"no tray host\", which "
        "were taken last, after trayer had been stopped (its `_NET_SYSTEM_TRAY_S0` selection "
        "gone). The peer ran inside `unshare --mount` with every power command bind-mounted "
        "over by a recorder; Orvanta had the recorders first on PATH. Recorded commands: "
        f"{meta['commands']!r}.",
        "",
        "How each figure was taken:",
        "",
        "- Firing: the logind mock stamps each request with `time.time()` when it arrives. "
        "Orvanta's countdown of N s is armed by a real click on Start (an XTest press and "
        "release sent by the benchmark itself through python3-xlib); the click moment is the "
        "middle of the span from sending the release to the answer of the round trip after "
        "it, within which the X server took it (the row below gives half that span). The "
        "countdown is due (N + 1) s after the click: the fields show N down to 0, and the "
        "tick after 0 fires. The peer takes whole minutes only (`kshutdown --shutdown 1m`) "
        "and fixes its end time when its window is shown, so its due moment is the window "
        "mapped + 60 s; the row below gives it against exec + 60 s (the moment it was told). "
        "Time of day: Orvanta restarts at a second 5 s after its start (set in its settings "
        "file, armed by the same click), the peer shuts down at `--shutdown HH:MM`, due at "
        "the start of that minute. The peer has no 5 s countdown.",
        "- Start-up: from the exec of the program (stamped by the starting script with "
        "bash's `$EPOCHREALTIME` just before `exec`) to the X server's MapNotify of its main "
        "window, read from a connection listening on the root window (no polling). The first "
        "start of each program is a warm-up and not counted.",
        "- Memory: `VmRSS` of /proc/PID/status and `Pss` of /proc/PID/smaps_rollup, 2 s "
        "after the window was mapped (idle) and 2 s after arming (Orvanta: a click on Start "
        "with 2:00:00 to go; the peer: `--shutdown 30m` handed to the running instance), "
        "one program at a time.",
        "- Idle cost: utime + stime of /proc/PID/stat (10 ms ticks) and the scheduler's "
        "nanosecond run time (/proc/PID/task/*/schedstat), and wake-ups as voluntary + "
        "involuntary context switches summed over /proc/PID/task/*/status (the voluntary "
        "ones also alone), over 60 s idle "
        "(3 s after mapping) and 60 s armed (3 s after arming a countdown two hours away; "
        "the peer: `--shutdown 30m` handed to the running instance), 60 s armed for a "
        "time of day an hour ahead (the peer: `--shutdown HH:MM`), and 60 s armed from the "
        "command line (3 s after the window was mapped; Orvanta started as `orvanta "
        "--poweroff --force --in 2:00:00`, the peer as `kshutdown --shutdown 30m`). Both "
        "programs ran these windows at the same time, started together and stopped together "
        "afterwards, so "
        "that neither window saw the other program start or end (that wakes a program: "
        "its tray icon moves). Each kind of window ran with trayer and again without it. "
        "Before them, the firing runs ran in two lanes at once, one "
        "per program, each lane one program at a time.",
        "- Command line (Orvanta alone, nothing else running): `orvanta --poweroff --force "
        "--in 0:00:05` from exec (stamped as for start-up) to \"armed\", seen from outside "
        "without polling and without an accessibility bus: a second X connection puts a "
        "DAMAGE object (raw rectangles) on every top-level window as soon as it is created "
        "and stamps each DamageNotify with `time.time()` as it is read; whenever paints "
        "have come into the box of the Start/Stop button (found once over AT-SPI by "
        "bench/locate.py), the box is read back (GetImage) and compared with the button's "
        "armed look. Armed is the moment of the paint after which the box first shows "
        "Stop. The armed look is read in the same desktop from a window started with "
        "`--in 2:00:00`, 1.5 s after it was mapped; locate.py checked over AT-SPI that such "
        "a window names its button Stop, and that look differs from the window started "
        "plainly. The pointer is parked bottom left, away from every window. The first "
        "tick (the seconds field repainted more than 0.5 s after armed) checks the armed "
        "moment: it comes 1 s after the program armed, so where a window is armed before "
        "its first paint, 1000 ms minus that row is how much earlier the program armed than "
        "it showed it, and the request then comes as much before Stop + 6 s. The request is "
        "due 6 s after arming (5 down to 0, then the tick after 0). Handed to a running "
        "instance: the "
        "program started plainly (showing Start), 1 s later the same command from a second "
        "process; from that process's exec to the running window painted with Stop.",
        "- Libraries: distinct `.so` files in /proc/PID/maps after start-up.",
        "",
        "## Results",
        "",
    ]
    if previous:
        parts += [f"Beside each median, the median of the previous run "
                  f"({previous_date or 'date unknown'}) and the change from it.", ""]
    parts += [
        table(results, previous),
        "",
        "Goals: fires within 20 ms of its due moment; window mapped within 60 ms; RSS under "
        "35 MB; no wake-ups while idle and one a second while armed.",
        "",
        "### Idle and armed cost, with and without a tray host",
        "",
        "Per 60 s window, median [min … max] (n). The columns with a tray host repeat the "
        "cost rows above.",
        "",
        cost_table(results),
        "",
        "### Command line",
        "",
        command_table(results),
        "",
        "### Wake-ups by thread",
        "",
        thread_table(results),
        "",
        "### Threads and memory after start-up (one run)",
        "",
    ]
    for who in ("orvanta", "peer"):
        names = results.extra.get(f"thread_names_{who}")
        split = results.extra.get(f"memory_split_{who}")
        maps = results.extra.get(f"mappings_{who}")
        if names:
            parts.append(f"- {who} threads: {', '.join(names)}")
        if split:
            parts.append(f"- {who} RSS {mib(split['rss_kb'])} MB = anonymous "
                         f"{mib(split['anon_kb'])} MB + file-backed {mib(split['file_kb'])} MB")
        if maps:
            parts.append(f"- {who} largest resident mappings (MB): " + ", ".join(
                f"{os.path.basename(n) or n} {kb / 1024:.1f}" for n, kb in maps))
    if results.notes:
        parts += ["", "### Notes from this run", ""] + [f"- {n}" for n in results.notes]
    parts += ["", MARK]
    text = "\n".join(parts) + (kept if kept else "\n")
    with open(path, "w") as f:
        f.write(text)


FIRING_KEYS = ("fire_countdown_5_ms", "fire_countdown_60_ms", "fire_countdown_60_told_ms",
               "fire_time_of_day_ms", "click_uncertainty_ms")
FIRING_NOTE = "- Firing rows: "


def update_firing_rows(path, results, meta, previous_date):
    """Replaces the firing rows of the report at path with this run's, the report's own
    firing medians beside them as the previous run; every other figure stays as it was.
    False when path holds no results table to update."""
    if not os.path.exists(path):
        return False
    with open(path) as f:
        text = f.read()
    head, sep, kept = text.partition(MARK)
    if "## Results" not in head:
        return False
    previous, _ = read_previous(path)
    # The firing rows may come from an earlier firing-only run.
    earlier = re.search(r"^- Firing rows: replaced by `.*?` on (.+?) \(load", head, re.M)
    previous_date = earlier.group(1) if earlier else previous_date
    fresh = {}
    for line in table(results, previous).splitlines()[2:]:
        fresh[line.split("|")[1].strip()] = line
    labels = {label.strip() for key, label, _, _ in ROWS if key in FIRING_KEYS}
    lines = []
    for line in head.splitlines():
        label = line.split("|")[1].strip() if line.startswith("|") else None
        if label in labels and label in fresh:
            line = fresh[label]
        if line.startswith(FIRING_NOTE):
            continue
        lines.append(line)
        if line.startswith("- Commands:"):
            notes = "; ".join(results.notes)
            lines.append(
                f"{FIRING_NOTE}replaced by `{meta['command']}` on {meta['date']} (load average "
                f"{meta['load_before']} before, {meta['load_after']} after; {meta['duration']:.0f} "
                f"s); their \"previous run\" column is the run of {previous_date}"
                + (f". Notes: {notes}" if notes else ""))
    with open(path, "w") as f:
        f.write("\n".join(lines) + "\n" + sep + kept)
    return True


# ---- main ---------------------------------------------------------------------------------


def locate_start(binary):
    settings = ("[Settings]\nAction=1\nForce=1\nTimeSetting=1\nCountDown0=2\nCountDown1=0\n"
                "CountDown2=0\nTime0=0\nTime1=0\nTime2=0\n")
    out = subprocess.run(["/usr/bin/python3", os.path.join(HERE, "locate.py"), binary, settings],
                         capture_output=True, text=True, timeout=90)
    try:
        found = json.loads(out.stdout.strip().splitlines()[-1])
    except (IndexError, ValueError):
        raise BenchError(f"locating Start failed:\n{out.stdout}\n{out.stderr}")
    if found["shown"] != {"countdown": ["2", "0", "0"], "time_of_day": ["0", "0", "0"],
                          "turn_off": True, "countdown_mode": True}:
        raise BenchError(f"the settings file was not loaded as written: {found['shown']}")
    if "Stop" not in found["command_line_buttons"]:
        raise BenchError(f"started with --in the window shows no Stop: {found}")
    return found


def lane_thread(name, fn, errors):
    def body():
        try:
            fn()
        except Exception:
            errors.append((name, traceback.format_exc()))
            log(f"lane {name} failed:\n{traceback.format_exc()}")
    thread = threading.Thread(target=body, name=name, daemon=True)
    thread.start()
    return thread


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("binary")
    parser.add_argument("--out", help="the report (default bench/RESULTS.md; with --quick "
                        "build-bench/RESULTS-quick.md, so that a trial never replaces results)")
    parser.add_argument("--previous", default=os.path.join(HERE, "RESULTS.md"),
                        help="an earlier report whose medians are shown beside the new ones")
    parser.add_argument("--quick", action="store_true", help="few short runs, to try the script")
    parser.add_argument("--command", default="bench/run.sh")
    parser.add_argument("--json", help="also write every measured value here")
    parser.add_argument("--only", choices=["firing"],
                        help="the firing lanes alone; only their rows of --out are replaced")
    args = parser.parse_args()
    binary = os.path.abspath(args.binary)
    if args.out is None:
        args.out = (os.path.join(ROOT, "build-bench", "RESULTS-quick.md") if args.quick
                    else os.path.join(HERE, "RESULTS.md"))
    # Read before anything is written: --out may be the same file.
    previous, previous_date = read_previous(args.previous)
    if not os.path.exists(PEER):
        sys.exit(f"{PEER} is missing: bench/run.sh installs it")

    quick = args.quick
    n_startup = 2 if quick else 5
    n_fire5 = 2 if quick else 6
    n_tod = 2 if quick else 6
    n_fire60 = 1 if quick else 3
    n_peer60 = 1 if quick else 3
    n_peer_tod = 1 if quick else 3
    n_cost = 1 if quick else 2
    window_s = 10 if quick else 60
    n_command = 2 if quick else 6
    n_handoff = 2 if quick else 6

    began = time.time()
    meta = {"date": time.strftime("%Y-%m-%d %H:%M %Z"), "nproc": os.cpu_count(),
            "kernel": os.uname().release, "load_before": loadavg(),
            "command": args.command.strip(),
            "inner": f"/usr/bin/python3 bench/bench.py {os.path.relpath(binary, ROOT)}"
                     + (" --quick" if quick else "")
                     + (f" --only {args.only}" if args.only else "")}
    with open("/proc/cpuinfo") as f:
        models = [line.split(":", 1)[1].strip() for line in f if line.startswith("model name")]
    meta["cpu"] = models[0] if models else "unknown CPU"
    meta["peer"] = subprocess.run(["dpkg-query", "-W", "-f", "${Package} ${Version}", "kshutdown"],
                                  capture_output=True, text=True).stdout or "kshutdown"
    meta["orvanta"] = os.path.relpath(binary, ROOT)

    results = Results()
    results.extra["binary_bytes_orvanta"] = os.path.getsize(binary)
    results.extra["binary_bytes_peer"] = os.path.getsize(PEER)
    stripped = os.path.join("/tmp", f"orvanta-stripped-{os.getpid()}")
    subprocess.run(["strip", "-o", stripped, binary], check=True)
    results.extra["binary_stripped_bytes_orvanta"] = os.path.getsize(stripped)
    os.unlink(stripped)
    results.extra["binary_stripped_bytes_peer"] = os.path.getsize(PEER)

    log(f"locating Start (AT-SPI, once); load average {meta['load_before']}")
    located = locate_start(binary)
    offset = located["dx"], located["dy"]
    log(f"Start is at {offset} from the window's corner, its box {located['box']}; started with "
        f"--in the window has the push buttons {located['command_line_buttons']}")

    with BenchDesktop() as desk:
        mine = Lane(desk, "orvanta", "orvanta", binary=binary, start_offset=offset)
        peer = Lane(desk, "peer", "peer")

        log("phase 1: start-up and memory, one program at a time")
        for i in range(0 if args.only else n_startup + 1):
            startup_round(mine, results, keep=i > 0)
            startup_round(peer, results, keep=i > 0)
        meta["load_mid"] = loadavg()

        log(f"phase 2: two lanes at once; load average {meta['load_mid']}")

        def orvanta_lane():
            for _ in range(n_fire5):
                orvanta_countdown(mine, results, 5)
            for _ in range(n_tod):
                orvanta_time_of_day(mine, results)
            for _ in range(n_fire60):
                orvanta_countdown(mine, results, 60)

        def peer_lane():
            for _ in range(n_peer60):
                peer_countdown(peer, results)
            for _ in range(n_peer_tod):
                peer_time_of_day(peer, results)

        errors = []
        lanes = [lane_thread("orvanta", orvanta_lane, errors),
                 lane_thread("peer", peer_lane, errors)]
        for thread in lanes:
            thread.join(timeout=1500)
            if thread.is_alive():
                errors.append((thread.name, "still running after 1500 s"))
        for name, text in errors:
            results.note(f"lane {name} stopped early: {text.strip().splitlines()[-1]}")

        def command_line(tag):
            faces = Faces(mine, located["box"])
            for _ in range(n_command):
                command_line_round(mine, results, faces, tag)
            for _ in range(n_handoff):
                handoff_round(mine, results, faces, tag)
            return faces

        def cost(tag, faces):
            for _ in range(n_cost):
                cost_round(mine, peer, results, window_s, tag=tag)
            for _ in range(n_cost):
                cost_round(mine, peer, results, window_s, "time_of_day", tag)
            for _ in range(n_cost):
                cost_round(mine, peer, results, window_s, "command_line", tag, faces)

        faces = None
        for tag in () if args.only else ("", NO_TRAY):
            where = "without a tray host" if tag else "with the tray host"
            if tag:
                log("stopping trayer")
                stop_tray(desk)
            for phase, what in ((command_line, "the command line, Orvanta alone"),
                                (cost, "idle and armed cost, both programs in step")):
                log(f"phase: {what}, {where}; load average {loadavg()}")
                try:
                    if phase is command_line:
                        faces = command_line(tag)
                    else:
                        cost(tag, faces)
                except Exception:
                    results.note(f"{what} {where} stopped early: "
                                 f"{traceback.format_exc().strip().splitlines()[-1]}")
                    log(traceback.format_exc())
        meta["commands"] = desk.recorded_commands()
        unexpected = [c for c in desk.power_calls() if c["refused"]]
        if unexpected:
            results.note(f"refused power requests: {unexpected}")

    meta["load_after"] = loadavg()
    meta["duration"] = time.time() - began
    print()
    for text in (table(results, previous), cost_table(results), command_table(results),
                 thread_table(results)):
        print(text)
        print()
    if not (args.only and update_firing_rows(args.out, results, meta, previous_date)):
        write_report(args.out, results, meta, previous, previous_date)
    if args.json:
        with open(args.json, "w") as f:
            json.dump({"meta": meta, "values": {f"{k[0]}/{k[1]}": v
                                                for k, v in results.values.items()},
                       "threads": {f"{k[0]}/{k[1]}": v for k, v in results.threads.items()},
                       "notes": results.notes}, f, indent=1)
    log(f"written {args.out} in {meta['duration']:.0f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
