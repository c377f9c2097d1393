#!/usr/bin/env python3
"""Start-up and idle memory of Lingo-Spark against a bare one-label Qt program.

Both probes (startup_lingo, startup_bare) print the wall-clock time of their
first paint; the time from just before the process is spawned to that moment
is the start-up time. Runs alternate between the two programs, so a machine
that gets busier during the run slows both alike and the ratio stays fair.

Usage: startup.py BUILD_DIR DATA_DIR [--runs N] [--platform offscreen|xcb]
Without --platform it measures offscreen, then again under Xvfb when
xvfb-run is installed.
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

LISTS = 100
PAIRS = 40
IDLE_MS = 1500  # past the title animation (46 ticks of 16 ms) and its thunder


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
    print(f"  ratio        {l / b:7.2f} x  (goal <= 1.5 x)")
    rb, rl = med(rss["bare"]) / 1024, med(rss["lingo"]) / 1024
    hb, hl = med(hwm["bare"]) / 1024, med(hwm["lingo"]) / 1024
    print(f"[{label}] resident memory on the idle main menu (VmRSS, peak VmHWM):")
    print(f"  bare label   {rb:7.1f} MB  (peak {hb:5.1f} MB)")
    print(f"  Lingo-Spark  {rl:7.1f} MB  (peak {hl:5.1f} MB)")
    print(f"  ratio        {rl / rb:7.2f} x  (peak {hl / hb:.2f} x; goal <= 1.3 x)")
    sys.stdout.flush()


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("build")
    ap.add_argument("data")
    ap.add_argument("--runs", type=int, default=21)
    ap.add_argument("--platform", choices=["offscreen", "xcb"])
    a = ap.parse_args()
    build, data = os.path.abspath(a.build), os.path.abspath(a.data)
    folder = make_folder(data)
    try:
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
    finally:
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    main()
