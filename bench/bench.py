#!/usr/bin/python3
"""Benchmark of the real orvanta binary beside a peer that does the same job (kshutdown),
on one private desktop (tests/e2e/harness.py): the same Xvfb, the same private session
and system buses, the logind mock that stamps each power request with the moment it
arrived, the tray host trayer. Both programs run with QT_XCB_GL_INTEGRATION=none and
without an accessibility bus. Prints a table and writes RESULTS.md; it never judges.

    /usr/bin/python3 bench/bench.py BINARY [--out bench/RESULTS.md] [--quick]

The peer always runs inside a mount namespace of its own, where every power command is a
recorder (peer-sandbox.sh). Orvanta gets the recorders first on PATH.

Order: start-up and memory alone, one program at a time; then two lanes at once, one per
program (firing runs, then the 60 s idle and armed windows), each lane starting its
program only after its previous run has ended.
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
from Xlib import X, display as xdisplay  # noqa: E402

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
        if self.kind == "orvanta":
            body = (f"printf '%s\\n' \"$EPOCHREALTIME\" > '{stamp}'\n"
                    f"exec '{self.binary}'\n")
        else:
            quoted = " ".join(f"'{a}'" for a in args)
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


def cost_round(mine, peer, results, window_s, time_of_day=False):
    """Both programs at once, in step, so that neither window sees the other program start
    or end (each start and end moves the icons in the tray, which wakes the other):
    idle for window_s, then armed for window_s on a countdown far away; with time_of_day,
    armed for a time of day an hour ahead instead, and no idle window."""
    ahead = time.time() + 3600
    if time_of_day:
        target = time.localtime(ahead)
        mine.write_settings(action=1, time_setting=0,
                            time_of_day=(target.tm_hour, target.tm_min, target.tm_sec))
        # The peer takes whole minutes; an hour and a bit ahead.
        peer_args = ["--shutdown", time.strftime("%H:%M", time.localtime(ahead + 60))]
    else:
        mine.write_settings(action=1, time_setting=1, countdown=(2, 0, 0))
        peer_args = []
    state = "armed_tod" if time_of_day else "armed"
    runs = []
    try:
        runs.append(mine.start())
        runs.append(peer.start(peer_args))
        time.sleep(3.0)
        if not time_of_day:
            before = [sample(run.pid) for run in runs]
            time.sleep(window_s)
            after = [sample(run.pid) for run in runs]
            for who, a, b in zip(("orvanta", "peer"), before, after):
                _record_cost(results, who, "idle", a, b)
        if not mine.arm(runs[0]):
            results.note(f"orvanta: a {state} window did not arm (the window did not change)")
        if not time_of_day:
            peer.forward(["--shutdown", "30m"])
        wait_for(lambda: "Remaining time" in title(peer.desk, runs[1].wid),
                 10, what="the peer armed")
        time.sleep(3.0)
        before = [sample(run.pid) for run in runs]
        time.sleep(window_s)
        after = [sample(run.pid) for run in runs]
        for who, a, b in zip(("orvanta", "peer"), before, after):
            _record_cost(results, who, state, a, b)
    finally:
        for lane, run in zip((mine, peer), runs):
            lane.stop(run)


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


def table(results):
    lines = ["| Figure | Goal | Orvanta: median [min … max] (n) | Peer: median [min … max] (n) |",
             "|---|---|---|---|"]
    for key, label, goal, digits in ROWS:
        mine = results.values.get((key, "orvanta"), [])
        peer = results.values.get((key, "peer"), [])
        if not mine and not peer:
            continue
        lines.append(f"| {label} | {goal} | {summary(mine, digits)} | {summary(peer, digits)} |")
    for key, label in (("binary_bytes", "Binary size (bytes, as installed/built)"),
                       ("binary_stripped_bytes", "Binary size stripped (bytes)")):
        mine = results.extra.get(f"{key}_orvanta")
        peer = results.extra.get(f"{key}_peer")
        lines.append(f"| {label} | – | {mine if mine is not None else '–'} | "
                     f"{peer if peer is not None else '–'} |")
    return "\n".join(lines)


def thread_table(results):
    lines = ["| Program | State | Wake-ups per 60 s by thread (median over runs) |",
             "|---|---|---|"]
    for who in ("orvanta", "peer"):
        for state in ("idle", "armed", "armed_tod"):
            runs = results.threads.get((who, state), [])
            if not runs:
                continue
            names = sorted({n for r in runs for n in r})
            medians = {n: statistics.median([r.get(n, 0) for r in runs]) for n in names}
            text = ", ".join(f"{n} {v:.0f}" for n, v in
                             sorted(medians.items(), key=lambda kv: -kv[1]))
            lines.append(f"| {who} | {state} | {text} |")
    return "\n".join(lines)


MARK = "<!-- Everything below this line is kept when bench.py rewrites the file. -->"


def write_report(path, results, meta):
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
        "peer ran inside `unshare --mount` with every power command bind-mounted over by a "
        "recorder; Orvanta had the recorders first on PATH. Recorded commands: "
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
        "involuntary context switches summed over /proc/PID/task/*/status, over 60 s idle "
        "(3 s after mapping) and 60 s armed (3 s after arming a countdown two hours away; "
        "the peer: `--shutdown 30m` handed to the running instance), and 60 s armed for a "
        "time of day an hour ahead (the peer: `--shutdown HH:MM`). Both programs ran these "
        "windows at the same time, started together and stopped together afterwards, so "
        "that neither window saw the other program start or end (that wakes a program: "
        "its tray icon moves). Before them, the firing runs ran in two lanes at once, one "
        "per program, each lane one program at a time.",
        "- Libraries: distinct `.so` files in /proc/PID/maps after start-up.",
        "",
        "## Results",
        "",
        table(results),
        "",
        "Goals: fires within 20 ms of its due moment; window mapped within 60 ms; RSS under "
        "35 MB; no wake-ups while idle and one a second while armed.",
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
    return found["dx"], found["dy"]


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
    parser.add_argument("--out", default=os.path.join(HERE, "RESULTS.md"))
    parser.add_argument("--quick", action="store_true", help="few short runs, to try the script")
    parser.add_argument("--command", default="bench/run.sh")
    parser.add_argument("--json", help="also write every measured value here")
    args = parser.parse_args()
    binary = os.path.abspath(args.binary)
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

    began = time.time()
    meta = {"date": time.strftime("%Y-%m-%d %H:%M %Z"), "nproc": os.cpu_count(),
            "kernel": os.uname().release, "load_before": loadavg(),
            "command": args.command.strip(),
            "inner": f"/usr/bin/python3 bench/bench.py {os.path.relpath(binary, ROOT)}"
                     + (" --quick" if quick else "")}
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
    offset = locate_start(binary)
    log(f"Start is at {offset} from the window's corner")

    with BenchDesktop() as desk:
        mine = Lane(desk, "orvanta", "orvanta", binary=binary, start_offset=offset)
        peer = Lane(desk, "peer", "peer")

        log("phase 1: start-up and memory, one program at a time")
        for i in range(n_startup + 1):
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

        log(f"phase 3: idle and armed cost, both programs in step; load average {loadavg()}")
        try:
            for _ in range(n_cost):
                cost_round(mine, peer, results, window_s)
            for _ in range(n_cost):
                cost_round(mine, peer, results, window_s, time_of_day=True)
        except Exception:
            results.note(f"phase 3 stopped early: {traceback.format_exc().strip().splitlines()[-1]}")
            log(traceback.format_exc())
        meta["commands"] = desk.recorded_commands()
        unexpected = [c for c in desk.power_calls() if c["refused"]]
        if unexpected:
            results.note(f"refused power requests: {unexpected}")

    meta["load_after"] = loadavg()
    meta["duration"] = time.time() - began
    print()
    print(table(results))
    print()
    print(thread_table(results))
    write_report(args.out, results, meta)
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
