"""Runs the Windows program under wine like a person would: a private Xvfb
display, the demo server on port 88 of a private network, real key presses
and clicks through xdotool. Every wait is bounded.

The wine prefix is prepared once (prepare_prefix) before the tests; each
test then starts its own display, server and program (Session)."""

import contextlib
import http.server
import json
import os
import shutil
import signal
import socket
import subprocess
import sys
import threading
import time
import urllib.request

SKIP = 77  # CTest's SKIP_RETURN_CODE for these tests

SCREEN = (1440, 900)
PORT = 88


class Skip(Exception):
    pass


def poll(done, limit, step=0.2):
    """Calls done() until it is true or `limit` seconds pass; its last value."""
    deadline = time.monotonic() + limit
    while True:
        value = done()
        if value or time.monotonic() >= deadline:
            return value
        time.sleep(step)


class Wine:
    """wine for the build's programs of one width, in one prefix, through
    the build's runner (cmake/wine-run), which picks the loader of that
    width and says when this machine cannot run it."""

    def __init__(self, source_dir, bits, prefix):
        self.runner = os.path.join(source_dir, "cmake", "wine-run")
        self.bits = bits
        self.prefix = prefix

    def describe(self):
        return "the %d-bit Windows program under %s" % (
            self.bits, "wine64" if self.bits == 64 else "wine")

    def check(self):
        """Raises Skip with the runner's reason where the width cannot run."""
        result = subprocess.run([self.runner, "--check", str(self.bits)],
                                capture_output=True, text=True, check=False)
        if result.returncode == SKIP:
            raise Skip(result.stdout.strip().removeprefix("skipped: "))
        if result.returncode != 0:
            raise RuntimeError("wine-run --check failed: " + result.stderr)

    def command(self, *args):
        return [self.runner, "--bits", str(self.bits)] + list(args)

    def env(self, display=None):
        env = dict(os.environ)
        env["PELLAVINE_WINEPREFIX"] = self.prefix
        if display is None:
            env.pop("DISPLAY", None)
        else:
            env["DISPLAY"] = display
        return env

    def prepare_prefix(self, limit=600):
        """Creates the prefix once; wine's first start is the slow one."""
        self.check()
        if os.path.exists(os.path.join(self.prefix, "system.reg")):
            return
        os.makedirs(self.prefix, exist_ok=True)
        subprocess.run(self.command("wineboot", "--init"), env=self.env(),
                       timeout=limit, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, check=False)
        subprocess.run(self.command("wineserver", "--wait"), env=self.env(),
                       timeout=limit, check=False)
        if not os.path.exists(os.path.join(self.prefix, "system.reg")):
            raise RuntimeError("wineboot did not create the prefix "
                               + self.prefix)


def in_private_network():
    return os.environ.get("PELLAVINE_PRIVATE_NET") == "1"


def reexec_in_private_network():
    """Runs this script again in a network namespace of its own, so port 88
    and the X display are nobody else's. Returns its exit code."""
    if shutil.which("unshare") is None:
        raise Skip("unshare is not available")
    env = dict(os.environ, PELLAVINE_PRIVATE_NET="1")
    command = "ip link set lo up && exec \"$0\" \"$@\""
    try:
        return subprocess.call(["unshare", "-n", "sh", "-c", command,
                                sys.executable] + sys.argv, env=env)
    except OSError as e:
        raise Skip("cannot enter a private network: %s" % e)


def free_display():
    for n in range(120, 400):
        if not os.path.exists("/tmp/.X%d-lock" % n) and \
                not os.path.exists("/tmp/.X11-unix/X%d" % n):
            return n
    raise RuntimeError("no free X display number")


def port_open(host, port):
    with contextlib.suppress(OSError):
        with socket.create_connection((host, port), timeout=0.5):
            return True
    return False


class Session:
    """One display, one demo server and one run of the program."""

    def __init__(self, exe, source_dir, wine, artifacts, name,
                 window_text=None):
        for tool in ("Xvfb", "xdotool"):
            if shutil.which(tool) is None:
                raise Skip(tool + " is not installed")
        self.exe = exe
        self.window_text = window_text
        self.source_dir = source_dir
        self.wine = wine
        self.artifacts = artifacts
        self.name = name
        os.makedirs(artifacts, exist_ok=True)
        self.children = []
        self.program = None
        self.server = None
        self.display = None

    def log_path(self, what):
        return os.path.join(self.artifacts, "%s-%s.log" % (self.name, what))

    def spawn(self, argv, what, env=None, cwd=None):
        out = open(self.log_path(what), "wb")
        child = subprocess.Popen(argv, stdout=out, stderr=subprocess.STDOUT,
                                 env=env, cwd=cwd, start_new_session=True)
        out.close()
        self.children.append(child)
        return child

    def __enter__(self):
        n = free_display()
        self.display = ":%d" % n
        xvfb = self.spawn(["Xvfb", self.display, "-screen", "0",
                           "%dx%dx24" % SCREEN, "-nolisten", "tcp"], "xvfb")
        if not poll(lambda: os.path.exists("/tmp/.X11-unix/X%d" % n), 20):
            raise RuntimeError("Xvfb did not start on " + self.display)
        if xvfb.poll() is not None:
            raise RuntimeError("Xvfb ended at once")
        return self

    def __exit__(self, *exc):
        failed = exc[0] is not None
        if failed:
            self.screenshot("failure")
        for child in reversed(self.children):
            self.stop(child)
        if getattr(self, "pages", None) is not None:
            self.pages.shutdown()
            self.pages.server_close()
        # The namespace's wineserver goes with the last wine process.
        subprocess.run(self.wine.command("wineserver", "--kill"),
                       env=self.wine.env(), check=False,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return False

    @staticmethod
    def stop(child, grace=5):
        if child.poll() is not None:
            return
        with contextlib.suppress(ProcessLookupError):
            os.killpg(child.pid, signal.SIGTERM)
        try:
            child.wait(grace)
        except subprocess.TimeoutExpired:
            with contextlib.suppress(ProcessLookupError):
                os.killpg(child.pid, signal.SIGKILL)
            child.wait(grace)

    # The demo server -----------------------------------------------------

    def start_server(self, misbehave=None):
        """`misbehave` names one of the server's --misbehave modes."""
        argv = [sys.executable,
                os.path.join(self.source_dir, "demo", "server.py"),
                "--host", "127.0.0.1", "--port", str(PORT), "--verbose"]
        if misbehave:
            argv += ["--misbehave", misbehave]
        self.server = self.spawn(argv, "server")
        if not poll(lambda: port_open("127.0.0.1", PORT), 20):
            raise RuntimeError("the demo server did not start on port 88")

    def stats(self):
        """The demo server's request counts and last Accept-Language."""
        url = "http://127.0.0.1:%d/quillbook/_stats" % PORT
        with urllib.request.urlopen(url, timeout=5) as response:
            return json.loads(response.read().decode("utf-8"))

    def get(self, path):
        """One GET to the demo server; the response's status."""
        url = "http://127.0.0.1:%d%s" % (PORT, path)
        with urllib.request.urlopen(url, timeout=5) as response:
            return response.status

    def count(self, path):
        if getattr(self, "pages", None) is not None:
            return self.page_counts.get(path, 0)
        return self.stats()["counts"].get(path, 0)

    def start_pages(self, pages):
        """Instead of the demo server: serves `pages` (path -> HTML) on
        port 88 from this process, for scenarios the demo has no page for.
        A page may also be a dict: "status", "reason", "headers", "body"."""
        counts = self.page_counts = {}

        class Pages(http.server.BaseHTTPRequestHandler):
            def do_GET(self):
                path = self.path.split("?")[0]
                counts[path] = counts.get(path, 0) + 1
                page = pages.get(path)
                if not isinstance(page, dict):
                    page = {"status": 200 if page is not None else 404,
                            "body": page or "<title>404</title>"}
                data = page.get("body", "").encode("utf-8")
                self.send_response(page.get("status", 200),
                                   page.get("reason"))
                headers = page.get("headers") or {
                    "Content-Type": "text/html; charset=utf-8"}
                for name, value in headers.items():
                    self.send_header(name, value)
                self.send_header("Content-Length", str(len(data)))
                self.end_headers()
                self.wfile.write(data)

            def log_message(self, *args):
                pass

        self.serve(Pages)

    def serve(self, handler):
        """Instead of the demo server: `handler` (a BaseHTTPRequestHandler
        class) answers on port 88 from this process."""
        server = http.server.ThreadingHTTPServer(("127.0.0.1", PORT), handler)
        server.daemon_threads = True
        threading.Thread(target=server.serve_forever, daemon=True).start()
        self.pages = server

    def stop_server(self):
        if self.server is not None:
            self.stop(self.server)
            self.server = None

    # The program ---------------------------------------------------------

    def start_program(self, *args, env=None):
        extra = env or {}
        env = self.wine.env(self.display)
        env["CEFRT_STRICT_SHUTDOWN"] = "1"
        env.update(extra)
        self.program = self.spawn(self.wine.command(self.exe, *args), "program",
                                  env=env, cwd=os.path.dirname(self.exe))
        return self.program

    def wait_exit(self, limit):
        """The program's exit code, or None when it did not end in time."""
        try:
            return self.program.wait(limit)
        except subprocess.TimeoutExpired:
            return None

    # The display ---------------------------------------------------------

    def xdotool(self, *args, limit=20):
        env = dict(os.environ, DISPLAY=self.display)
        result = subprocess.run(["xdotool"] + list(args), env=env,
                                capture_output=True, text=True, timeout=limit,
                                check=False)
        return result.returncode, result.stdout

    def windows_named(self, pattern):
        code, out = self.xdotool("search", "--onlyvisible", "--name", pattern)
        return [int(w) for w in out.split()] if code == 0 else []

    def visible_windows(self):
        """Every visible window, named or not (menus are windows too)."""
        code, out = self.xdotool("search", "--onlyvisible", "--name", ".*")
        return sorted(int(w) for w in out.split()) if code == 0 else []

    def wait_window(self, pattern, limit):
        """The id of a visible window whose title matches, or None."""
        found = poll(lambda: self.windows_named(pattern), limit, step=0.5)
        return found[0] if found else None

    def window_texts(self):
        """What each visible top-level window shows, read by a program in
        the same wine session: {title: [(class, text), ...]}."""
        result = subprocess.run(self.wine.command(self.window_text),
                                env=self.wine.env(self.display),
                                capture_output=True, timeout=60, check=False)
        windows, current = {}, None
        for line in result.stdout.decode("utf-8", "replace").splitlines():
            fields = line.split("\t")
            if fields[0] == "window" and len(fields) == 2:
                current = windows.setdefault(fields[1], [])
            elif current is not None and len(fields) == 3 and not fields[0]:
                current.append((fields[1], fields[2]))
        return windows

    def shown_text(self, title):
        """The text of the controls of the window titled `title`, joined."""
        return " ".join(text for _, text in self.window_texts().get(title, []))

    def geometry(self, window):
        code, out = self.xdotool("getwindowgeometry", "--shell", str(window))
        values = dict(line.split("=", 1) for line in out.split() if "=" in line)
        return {k: int(v) for k, v in values.items() if v.lstrip("-").isdigit()}

    def icon_pixels(self, window):
        """The window's icon as the X server has it (_NET_WM_ICON, which
        wine takes from the window class): ARGB values of its first image."""
        env = dict(os.environ, DISPLAY=self.display)
        out = subprocess.run(
            ["xprop", "-id", str(window), "-f", "_NET_WM_ICON", "32c",
             "=$0+", "_NET_WM_ICON"], env=env, capture_output=True,
            text=True, timeout=20, check=False).stdout
        if "=" not in out:
            return []
        values = [int(v) for v in out.split("=", 1)[1].replace(",", " ").split()]
        if len(values) < 2:
            return []
        width, height = values[0], values[1]
        return values[2:2 + width * height]

    def focus(self, window):
        self.xdotool("windowactivate", "--sync", str(window))
        self.xdotool("windowfocus", "--sync", str(window))

    def type_text(self, window, text):
        """Types `text` with real key presses into the focused control."""
        self.focus(window)
        self.xdotool("type", "--delay", "30", text)

    def key(self, window, *keys):
        """Real key presses (XTEST) into `window`, once it has the focus."""
        self.focus(window)
        self.xdotool("key", "--clearmodifiers", *keys)

    def click(self, window, x, y, button=1):
        """A real click at (x, y) of the window."""
        self.focus(window)
        self.xdotool("mousemove", "--window", str(window), str(x), str(y))
        self.xdotool("click", str(button))

    def screenshot(self, what):
        if shutil.which("import") is None or self.display is None:
            return None
        path = os.path.join(self.artifacts, "%s-%s.png" % (self.name, what))
        env = dict(os.environ, DISPLAY=self.display)
        subprocess.run(["import", "-window", "root", path], env=env,
                       timeout=30, check=False, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
        return path if os.path.exists(path) else None
