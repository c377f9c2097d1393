#!/usr/bin/env python3
"""Start-up and idle memory of Lingo-Spark against a bare one-label Qt program.

offscreen, xcb: both probes (startup_lingo, startup_bare) print the wall-clock
time of their first paint; the time from just before the process is spawned to
that moment is the start-up time.

wm: as a user sees it. The real lingo-spark and the bare program run on an
Xvfb display of their own with a window manager (openbox), and the start-up
time is the time from just before the process is spawned until a window of
that process is first visible (mapped and viewable), found by polling the X
server's window tree from the outside. A bare main window with the same menu
bar (startup_menubar) runs alongside for reference: a menu bar's height needs
the font database before the window can be mapped, which the one-label
program only loads for its first paint.

Runs alternate between the two programs, so a machine that gets busier
during the run slows both alike and the ratio stays fair.

Usage: startup.py BUILD_DIR DATA_DIR [--runs N] [--platform offscreen|xcb|wm]
Without --platform it measures offscreen, then under Xvfb (xvfb-run), then
under Xvfb with openbox, each when its tools are installed.
"""
import argparse
import ctypes
import ctypes.util
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

LISTS = 100
PAIRS = 40
IDLE_MS = 1500  # past the title animation (46 ticks of 16 ms) and its thunder
GOAL_START = 1.3
GOAL_MEMORY = 1.2


def make_folder(data_dir):
    folder = tempfile.mkdtemp(prefix="lingo-startup-")
    # A data folder holds the settings and the store only; pictures and sounds
    # come from the program's own files.
    shutil.copy(os.path.join(data_dir, "lsdata.dat"), folder)
    lines = []
    for n in range(1, LISTS + 1):
        if lines:
            lines.append("<New List>")
        lines.append(f"Benchmark list {n:03d}")
        for p in range(1, PAIRS + 1):
            lines += [f"palabra{n}-{p}", f"meaning number {p} of list {n}, señal"]
    with open(os.path.join(folder, "thelists.dat"), "wb") as f:
        f.write(("\r\n".join(lines) + "\r\n").encode("cp1252"))
    return folder


def run_probe(binary, folder, env, idle_ms=None, tries=3):
    args = [binary, "--data", folder] + (["--idle-ms", str(idle_ms)] if idle_ms is not None else [])
    for attempt in range(tries):
        start = time.time_ns()
        run = subprocess.run(args, cwd=folder, env=env, stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=60)
        if run.returncode == 0:
            break
        # A display server shared with other jobs can drop a connection now and then.
        print(f"  ({os.path.basename(binary)} failed with {run.returncode}: "
              f"{run.stderr.decode(errors='replace').strip()[-300:]}; retrying)", file=sys.stderr)
    else:
        raise SystemExit(f"{binary} kept failing")
    fields = dict(item.split("=", 1) for item in run.stdout.decode().split())
    fields["start_ms"] = (int(fields["painted_ns"]) - start) / 1e6
    return fields


def measure(build, folder, platform, runs):
    env = dict(os.environ)
    if platform == "offscreen":
        env["QT_QPA_PLATFORM"] = "offscreen"
    else:
        env.pop("QT_QPA_PLATFORM", None)
    env.setdefault("XDG_RUNTIME_DIR", tempfile.mkdtemp())
    os.chmod(env["XDG_RUNTIME_DIR"], 0o700)
    probes = {"bare": os.path.join(build, "bench", "startup_bare"),
              "lingo": os.path.join(build, "bench", "startup_lingo")}
    for binary in probes.values():  # warm the page cache and font caches
        run_probe(binary, folder, env)
    start = {k: [] for k in probes}
    inproc = {k: [] for k in probes}
    for _ in range(runs):
        for key, binary in probes.items():
            r = run_probe(binary, folder, env)
            start[key].append(r["start_ms"])
            inproc[key].append(float(r["main_ms"]))
    rss = {k: [] for k in probes}
    hwm = {k: [] for k in probes}
    for _ in range(max(3, runs // 4)):
        for key, binary in probes.items():
            r = run_probe(binary, folder, env, IDLE_MS)
            rss[key].append(int(r["rss_kb"]))
            hwm[key].append(int(r["hwm_kb"]))

    med = statistics.median
    label = "Xvfb" if platform == "xcb" else platform
    b, l = med(start["bare"]), med(start["lingo"])
    print(f"[{label}] start to painted main menu, {LISTS} lists, median of {runs}:")
    print(f"  bare label   {b:7.1f} ms  (in main() {med(inproc['bare']):5.1f} ms)")
    print(f"  Lingo-Spark  {l:7.1f} ms  (in main() {med(inproc['lingo']):5.1f} ms)")
    print(f"  ratio        {l / b:7.2f} x  (goal <= {GOAL_START} x)")
    rb, rl = med(rss["bare"]) / 1024, med(rss["lingo"]) / 1024
    hb, hl = med(hwm["bare"]) / 1024, med(hwm["lingo"]) / 1024
    print(f"[{label}] resident memory on the idle main menu (VmRSS, peak VmHWM):")
    print(f"  bare label   {rb:7.1f} MB  (peak {hb:5.1f} MB)")
    print(f"  Lingo-Spark  {rl:7.1f} MB  (peak {hl:5.1f} MB)")
    print(f"  ratio        {rl / rb:7.2f} x  (peak {hl / hb:.2f} x; goal <= {GOAL_MEMORY} x)")
    sys.stdout.flush()


class XWindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int), ("height", ctypes.c_int),
                ("border_width", ctypes.c_int), ("depth", ctypes.c_int), ("visual", ctypes.c_void_p),
                ("root", ctypes.c_ulong), ("c_class", ctypes.c_int), ("bit_gravity", ctypes.c_int),
                ("win_gravity", ctypes.c_int), ("backing_store", ctypes.c_int),
                ("backing_planes", ctypes.c_ulong), ("backing_pixel", ctypes.c_ulong),
                ("save_under", ctypes.c_int), ("colormap", ctypes.c_ulong), ("map_installed", ctypes.c_int),
                ("map_state", ctypes.c_int), ("all_event_masks", ctypes.c_long),
                ("your_event_mask", ctypes.c_long), ("do_not_propagate_mask", ctypes.c_long),
                ("override_redirect", ctypes.c_int), ("screen", ctypes.c_void_p)]


class WindowWatch:
    """Finds the viewable windows of a process by walking the X window tree,
    through libX11 itself: a poll is a handful of round trips, cheap enough to
    repeat every half millisecond without taking a core from the programs."""
    IS_VIEWABLE = 2
    XA_CARDINAL = 6

    def __init__(self, display):
        x = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
        x.XOpenDisplay.restype = ctypes.c_void_p
        x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x.XDefaultRootWindow.restype = ctypes.c_ulong
        x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x.XInternAtom.restype = ctypes.c_ulong
        x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        x.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
                                 ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.POINTER(ctypes.c_ulong)),
                                 ctypes.POINTER(ctypes.c_uint)]
        x.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(XWindowAttributes)]
        x.XGetWindowProperty.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long,
                                         ctypes.c_long, ctypes.c_int, ctypes.c_ulong,
                                         ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_int),
                                         ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_ulong),
                                         ctypes.POINTER(ctypes.c_void_p)]
        x.XFree.argtypes = [ctypes.c_void_p]
        # A window may go away between two requests; the default handler would end this script.
        self._on_error = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda d, e: 0)
        x.XSetErrorHandler(self._on_error)
        self.x = x
        self.dpy = x.XOpenDisplay(display.encode())
        if not self.dpy:
            raise SystemExit(f"cannot open display {display}")
        self.root = x.XDefaultRootWindow(self.dpy)
        self.pid_atom = x.XInternAtom(self.dpy, b"_NET_WM_PID", 0)

    def _pid_of(self, window):
        x = self.x
        kind, fmt, count, after, data = (ctypes.c_ulong(), ctypes.c_int(), ctypes.c_ulong(), ctypes.c_ulong(),
                                          ctypes.c_void_p())
        if x.XGetWindowProperty(self.dpy, window, self.pid_atom, 0, 1, 0, self.XA_CARDINAL, ctypes.byref(kind),
                                ctypes.byref(fmt), ctypes.byref(count), ctypes.byref(after),
                                ctypes.byref(data)) != 0 or not data.value:
            return None
        pid = ctypes.cast(data, ctypes.POINTER(ctypes.c_ulong))[0] if count.value == 1 else None
        x.XFree(data)
        return pid

    def _children(self, window):
        root, parent = ctypes.c_ulong(), ctypes.c_ulong()
        kids, n = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
        if not self.x.XQueryTree(self.dpy, window, ctypes.byref(root), ctypes.byref(parent), ctypes.byref(kids),
                                 ctypes.byref(n)):
            return []
        found = [kids[i] for i in range(n.value)]
        if kids:
            self.x.XFree(kids)
        return found

    def visible(self, pid, window=None, depth=0):
        """Whether a viewable window of `pid` exists below `window` (the root)."""
        attrs = XWindowAttributes()
        for child in self._children(window or self.root):
            if not self.x.XGetWindowAttributes(self.dpy, child, ctypes.byref(attrs)):
                continue
            if attrs.map_state != self.IS_VIEWABLE:
                continue  # nothing below an unmapped window can be seen
            if self._pid_of(child) == pid:
                return True
            if depth < 3 and self.visible(pid, child, depth + 1):
                return True
        return False


def free_display():
    for n in range(70, 100):
        if not os.path.exists(f"/tmp/.X{n}-lock") and not os.path.exists(f"/tmp/.X11-unix/X{n}"):
            return f":{n}"
    raise SystemExit("no free X display number")


def start_desktop(env):
    """Xvfb and openbox of this run only; returns their processes."""
    display = free_display()
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    for _ in range(100):
        if os.path.exists(f"/tmp/.X11-unix/X{display[1:]}"):
            break
        time.sleep(0.1)
    env["DISPLAY"] = display
    wm = subprocess.Popen(["openbox"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1)  # openbox has taken the root window before the first program maps one
    return [wm, xvfb]


def resident_kb(pid):
    fields = {}
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            key, _, value = line.partition(":")
            fields[key] = value.split()[0] if value.split() else "0"
    return int(fields["VmRSS"]), int(fields["VmHWM"])


def run_visible(args, folder, env, watch, idle_ms=None):
    """Spawns the program, polls until a window of it is viewable, and returns
    that time in ms (and its memory after `idle_ms` more), then kills it."""
    start = time.monotonic_ns()
    proc = subprocess.Popen(args, cwd=folder, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        while not watch.visible(proc.pid):
            if proc.poll() is not None:
                raise SystemExit(f"{args[0]} ended with {proc.returncode} before showing a window")
            if time.monotonic_ns() - start > 30e9:
                raise SystemExit(f"{args[0]} showed no window within 30 s")
            time.sleep(0.0005)
        shown_ms = (time.monotonic_ns() - start) / 1e6
        memory = None
        if idle_ms is not None:
            time.sleep(idle_ms / 1000)
            memory = resident_kb(proc.pid)
        return shown_ms, memory
    finally:
        proc.send_signal(signal.SIGKILL)
        proc.wait()


def measure_visible(build, folder, runs):
    env = dict(os.environ)
    env.pop("QT_QPA_PLATFORM", None)
    env["XDG_RUNTIME_DIR"] = tempfile.mkdtemp()
    os.chmod(env["XDG_RUNTIME_DIR"], 0o700)
    desktop = start_desktop(env)
    try:
        watch = WindowWatch(env["DISPLAY"])
        programs = {"bare": [os.path.join(build, "bench", "startup_bare"), "--idle-ms", "600000"],
                    "lingo": [os.path.join(build, "lingo-spark"), "--data", folder]}
        menubar = os.path.join(build, "bench", "startup_menubar")
        if os.path.exists(menubar):
            programs["menubar"] = [menubar]
        for args in programs.values():  # warm the page cache and font caches
            run_visible(args, folder, env, watch)
        shown = {k: [] for k in programs}
        for _ in range(runs):
            for key, args in programs.items():
                shown[key].append(run_visible(args, folder, env, watch)[0])
        rss = {k: [] for k in ("bare", "lingo")}
        for _ in range(max(3, runs // 4)):
            for key in rss:
                rss[key].append(run_visible(programs[key], folder, env, watch, IDLE_MS)[1][0])
    finally:
        for proc in desktop:
            proc.terminate()
            proc.wait()
    med = statistics.median
    b, l = med(shown["bare"]), med(shown["lingo"])
    print(f"[Xvfb + openbox] start to first visible window, {LISTS} lists, median of {runs} alternating runs:")
    print(f"  bare label   {b:7.1f} ms  (quartiles {quartiles(shown['bare'])})")
    print(f"  Lingo-Spark  {l:7.1f} ms  (quartiles {quartiles(shown['lingo'])})")
    print(f"  ratio        {l / b:7.2f} x  (goal <= {GOAL_START} x)")
    if "menubar" in shown:
        m = med(shown["menubar"])
        print(f"  a bare main window with the same menu bar, for reference: {m:.1f} ms = {m / b:.2f} x")
    rb, rl = med(rss["bare"]) / 1024, med(rss["lingo"]) / 1024
    print(f"[Xvfb + openbox] resident memory on the idle main menu (VmRSS), median of {len(rss['bare'])}:")
    print(f"  bare label   {rb:7.1f} MB")
    print(f"  Lingo-Spark  {rl:7.1f} MB")
    print(f"  ratio        {rl / rb:7.2f} x  (goal <= {GOAL_MEMORY} x)")
    sys.stdout.flush()


def quartiles(values):
    q = statistics.quantiles(values, n=4)
    return f"{q[0]:.1f} .. {q[2]:.1f}"


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("build")
    ap.add_argument("data")
    ap.add_argument("--runs", type=int, default=21)
    ap.add_argument("--platform", choices=["offscreen", "xcb", "wm"])
    a = ap.parse_args()
    build, data = os.path.abspath(a.build), os.path.abspath(a.data)
    folder = make_folder(data)
    try:
        if a.platform == "wm":
            measure_visible(build, folder, a.runs)
            return
        if a.platform:
            measure(build, folder, a.platform, a.runs)
            return
        measure(build, folder, "offscreen", a.runs)
        if shutil.which("xvfb-run"):
            subprocess.run(["xvfb-run", "-a", "-s", "-screen 0 1280x1024x24 -nolisten tcp", sys.executable,
                            os.path.abspath(__file__), build, data, "--runs", str(a.runs), "--platform", "xcb"],
                           check=True)
        else:
            print("[Xvfb] skipped: xvfb-run is not installed (apt-get install xvfb)")
        if all(shutil.which(tool) for tool in ("Xvfb", "openbox")):
            measure_visible(build, folder, a.runs)
        else:
            print("[Xvfb + openbox] skipped: apt-get install xvfb openbox")
    finally:
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    main()
