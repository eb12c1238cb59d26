#!/usr/bin/env python3
"""Measures the whole program against a minimal GTK + WebKitGTK window.

For each subject, run after run and interleaved so that drift hits all of
them alike: start -> window titled, start -> page painted (the page's header
colour on screen), PSS of the process tree once it has settled, and window
closed -> every process gone. Runs in a private network namespace with its
own Xvfb screen and demo server on port 88; writes the figures as JSON.
"""

import argparse
import importlib.util
import json
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
URL = "http://127.0.0.1:88/quillbook/loginIndex"
HEADER_RGB = "24466b"
# Columns of the header clear of its links and brand, at the screen's centre;
# tall enough to find the header below a browser's own title bar.
HEADER_REGION = ("940", "0", "40", "150")
SCREEN = "1920x1080x24"


def login_title():
    spec = importlib.util.spec_from_file_location(
        "demo_server", os.path.join(ROOT, "demo", "server.py"))
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    return module.LOGIN_TITLE


def wait_until(predicate, seconds, step=0.05):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if predicate():
            return True
        time.sleep(step)
    return predicate()


def children_of():
    parents = {}
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open("/proc/%s/stat" % entry) as f:
                stat = f.read()
        except OSError:
            continue
        # The name may hold spaces and parentheses: fields follow the last ')'.
        fields = stat[stat.rfind(")") + 2:].split()
        parents.setdefault(int(fields[1]), []).append(int(entry))
    return parents


def process_tree(pid):
    parents = children_of()
    tree, todo = [], [pid]
    while todo:
        p = todo.pop()
        tree.append(p)
        todo.extend(parents.get(p, []))
    return tree


def alive(pid):
    try:
        with open("/proc/%d/stat" % pid) as f:
            stat = f.read()
    except OSError:
        return False
    return stat[stat.rfind(")") + 2] != "Z"


def cpu_ms(pids):
    """User and system time so far, summed over `pids`."""
    ticks = 0
    for pid in pids:
        try:
            with open("/proc/%d/stat" % pid) as f:
                stat = f.read()
        except OSError:
            continue
        fields = stat[stat.rfind(")") + 2:].split()
        ticks += int(fields[11]) + int(fields[12])  # utime, stime
    return ticks * 1000.0 / os.sysconf("SC_CLK_TCK")


def pss_kib(pids):
    total = 0
    for pid in pids:
        try:
            with open("/proc/%d/smaps_rollup" % pid) as f:
                for line in f:
                    if line.startswith("Pss:"):
                        total += int(line.split()[1])
                        break
        except OSError:
            pass
    return total


class Subject:
    def __init__(self, name, command, workdir, env):
        self.name, self.command, self.workdir, self.env = (
            name, command, workdir, env)


def kill_group(process):
    try:
        os.killpg(process.pid, signal.SIGKILL)
    except ProcessLookupError:
        pass
    process.wait()


def run_once(subject, watch, title, settle):
    """One start, paint, settle and close; a dict of figures in ms and MiB,
    or None (with the reason on stderr) if the subject did not get there."""
    watcher = subprocess.Popen(
        [watch, title, HEADER_RGB, *HEADER_REGION, "30000"],
        env=subject.env, stdout=subprocess.PIPE, text=True)
    if watcher.stdout.readline().strip() != "ready":
        watcher.kill()
        watcher.wait()
        sys.exit("measure: the screen watcher could not start")
    start = time.monotonic_ns()
    process = subprocess.Popen(subject.command, cwd=subject.workdir,
                               env=subject.env, start_new_session=True,
                               stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    seen = {}
    cpu = None
    for line in watcher.stdout:
        what, ns = line.split()
        seen[what] = int(ns)
        if what == "painted":
            # What the start cost in CPU, which a loaded machine disturbs
            # less than the wall clock.
            cpu = cpu_ms(process_tree(process.pid))
    watcher.wait()
    if len(seen) < 2:
        print("measure: %s: not titled and painted within 30 s (%s)"
              % (subject.name, ", ".join(seen) or "nothing seen"),
              file=sys.stderr)
        kill_group(process)
        return None
    time.sleep(settle)
    tree = process_tree(process.pid)
    pss = pss_kib(tree)
    closed = subprocess.run([watch, "--close"], env=subject.env,
                            capture_output=True, text=True,
                            check=True).stdout.split()
    requested = int(closed[1])
    deadline = time.monotonic() + 15
    pending = set(tree)
    while pending and time.monotonic() < deadline:
        if process.poll() is not None:
            pending.discard(process.pid)
        pending = {p for p in pending if p == process.pid or alive(p)}
        if pending:
            time.sleep(0.001)
    gone = time.monotonic_ns()
    if pending:
        print("measure: %s: %d processes left 15 s after the close"
              % (subject.name, len(pending)), file=sys.stderr)
        kill_group(process)
        for pid in pending - {process.pid}:
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
        return None
    return {"titled_ms": (seen["titled"] - start) / 1e6,
            "painted_ms": (seen["painted"] - start) / 1e6,
            "pss_mib": pss / 1024.0,
            "cpu_to_paint_ms": cpu,
            "close_ms": (gone - requested) / 1e6,
            "processes": len(tree)}


def summary(values):
    if not values:
        return None
    return {"median": statistics.median(values), "min": min(values),
            "max": max(values), "runs": len(values)}


def measure(args):
    work = tempfile.mkdtemp(prefix="pellavine-bench-")
    helpers = []

    def start(command, **kwargs):
        process = subprocess.Popen(command, **kwargs)
        helpers.append(process)
        return process

    try:
        display_file = os.path.join(work, "display")
        with open(display_file, "w") as out:
            start(["Xvfb", "-displayfd", str(out.fileno()), "-screen", "0",
                   SCREEN, "-nolisten", "tcp", "-noreset"], pass_fds=(out.fileno(),),
                  stderr=subprocess.DEVNULL)
        if not wait_until(lambda: open(display_file).read().strip(), 10):
            sys.exit("measure: Xvfb did not start")
        display = ":" + open(display_file).read().split()[0]

        ready = os.path.join(work, "ready")
        start([sys.executable, os.path.join(ROOT, "demo", "server.py"),
               "--host", "127.0.0.1", "--port", "88", "--ready-file", ready])
        if not wait_until(lambda: os.path.exists(ready), 10):
            sys.exit("measure: the demo server did not start on port 88")

        env = dict(os.environ, DISPLAY=display, NO_AT_BRIDGE="1",
                   GDK_BACKEND="x11", WEBKIT_DISABLE_COMPOSITING_MODE="1",
                   HOME=os.path.join(work, "home"))
        env.pop("WAYLAND_DISPLAY", None)
        os.makedirs(env["HOME"])
        subjects = []
        for name, command in (("program", [args.program]),
                              ("minimal", [args.minimal, URL])):
            workdir = os.path.join(work, name)
            os.makedirs(workdir)
            subjects.append(Subject(name, command, workdir, env))
        chromium = shutil.which("chromium")
        if chromium and not args.no_chromium:
            workdir = os.path.join(work, "chromium")
            os.makedirs(workdir)
            subjects.append(Subject("chromium", [
                chromium, "--app=" + URL, "--user-data-dir=" + workdir,
                "--no-first-run", "--no-default-browser-check",
                "--disable-gpu", "--window-position=0,0",
                "--window-size=1920,1080", "--no-sandbox"], workdir, env))

        title = login_title()
        # One run each that is not counted: caches, fonts, the page cache.
        for subject in subjects:
            run_once(subject, args.watch, title, args.settle)
        runs = {s.name: [] for s in subjects}
        for n in range(args.runs):
            for subject in subjects:
                figures = run_once(subject, args.watch, title, args.settle)
                if figures:
                    runs[subject.name].append(figures)
            print("measure: run %d of %d done" % (n + 1, args.runs),
                  file=sys.stderr)
        result = {}
        for name, figures in runs.items():
            result[name] = {key: summary([f[key] for f in figures])
                            for key in ("titled_ms", "painted_ms",
                                        "cpu_to_paint_ms", "pss_mib",
                                        "close_ms", "processes")}
            result[name]["failed_runs"] = args.runs - len(figures)
        return result
    finally:
        for process in reversed(helpers):
            process.terminate()
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        shutil.rmtree(work, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=10)
    parser.add_argument("--settle", type=float, default=2.0,
                        help="seconds between the paint and the PSS reading")
    parser.add_argument("--program", required=True)
    parser.add_argument("--minimal", required=True)
    parser.add_argument("--watch", required=True)
    parser.add_argument("--no-chromium", action="store_true")
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    for name in ("program", "minimal", "watch", "out"):
        setattr(args, name, os.path.abspath(getattr(args, name)))
    # Port 88 and the display are private to this run.
    if os.environ.get("PELLAVINE_BENCH_NETNS") != "1":
        os.environ["PELLAVINE_BENCH_NETNS"] = "1"
        command = "ip link set lo up && exec " + " ".join(
            "'%s'" % a.replace("'", "'\\''") for a in [sys.executable] + sys.argv)
        # Not root: a user namespace of its own grants the new network.
        user = [] if os.geteuid() == 0 else ["-r"]
        os.execvp("unshare", ["unshare", *user, "-n", "bash", "-c", command])
    with open(args.out, "w") as out:
        json.dump(measure(args), out, indent=1)


if __name__ == "__main__":
    main()
