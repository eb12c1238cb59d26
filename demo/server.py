#!/usr/bin/env python3
"""Quillbook: a small sign-in web application to run Pellavine against.

Pages live under /quillbook/: the sign-in page (loginIndex), a signed-in home
page, a public files page with a downloadable attachment and a help page that
the sign-in page opens as a pop-up. /quillbook/_stats reports, as JSON, how
often each path was requested and the last Accept-Language header seen, so
that tests can tell what the program asked for; /quillbook/_break makes the
download of --misbehave breaking-download break off.

Standard library only. Quiet unless --verbose; SIGTERM and SIGINT shut it down
cleanly (exit code 0).
"""

import argparse
import base64
import html
import http.cookies
import http.server
import json
import os
import secrets
import signal
import socket
import struct
import sys
import threading
import urllib.parse

HERE = os.path.dirname(os.path.abspath(__file__))
ATTACHMENT = os.path.join(HERE, "files", "quillbook-users.csv")
ATTACHMENT_NAME = "quillbook-users.csv"

# Demo account; anything else is refused.
USERS = {"demo": "quillbook"}

# A sign-in form is small; anything bigger is not one.
MAX_FORM_BYTES = 16 * 1024

STYLE = """
  body { margin: 0; font: 15px/1.5 "Noto Sans CJK SC", "WenQuanYi Micro Hei",
         "Microsoft YaHei", sans-serif; background: #eef1f5; color: #1f2933; }
  header { position: absolute; left: 0; top: 0; right: 0; height: 56px;
           background: #24466b; color: #fff; }
  header .brand { position: absolute; right: 40px; top: 14px;
                  font-size: 20px; font-weight: bold; }
  header a, header button { font: inherit; display: block;
           position: absolute; top: 12px; width: 120px; height: 32px;
           line-height: 32px; padding: 0; text-align: center; color: #fff;
           background: #35618f; border: 0; border-radius: 4px;
           text-decoration: none; cursor: pointer; }
  .card { position: absolute; left: 40px; top: 100px; width: 400px;
          height: 330px; background: #fff; border-radius: 6px;
          box-shadow: 0 2px 8px rgba(0,0,0,.15); }
  .card h1 { position: absolute; left: 20px; top: 10px; margin: 0;
             font-size: 20px; }
  .card input, .card .primary { position: absolute; left: 20px;
          width: 360px; height: 36px; box-sizing: border-box;
          font: inherit; }
  .card label { position: absolute; left: 20px; font-size: 13px;
                color: #52606d; }
  .primary { background: #24466b; color: #fff; border: 0;
             border-radius: 4px; cursor: pointer; }
  #status { position: absolute; left: 20px; top: 290px; width: 360px;
            min-height: 22px; font-size: 13px; color: #8a4b08; }
  main { position: absolute; left: 40px; top: 100px; right: 40px; }
  .download { position: absolute; left: 40px; top: 220px;
              width: 240px; height: 40px;
              line-height: 40px; text-align: center; background: #24466b;
              color: #fff; text-decoration: none; border-radius: 4px; }
  .back { position: absolute; left: 40px; top: 280px; margin: 0; }
"""


def page(title, body, script=""):
    return (
        "<!DOCTYPE html>\n<html lang=\"zh-CN\"><head><meta charset=\"utf-8\">"
        "<title>%s</title><style>%s</style></head><body>%s%s</body></html>\n"
        % (html.escape(title), STYLE, body,
           "<script>%s</script>" % script if script else "")
    ).encode("utf-8")


HEADER = """
<header>
  <a id="files" href="/quillbook/files" style="left: 40px">资料下载</a>
  <button id="help" type="button" style="left: 180px">帮助</button>
  <span class="brand">Quillbook</span>
</header>
"""

# Fixed positions (header links, fields) let the end-to-end tests click them.
LOGIN_BODY = """
%(header)s
<form class="card" method="post" action="/quillbook/login" autocomplete="off">
  <h1>登录 Quillbook</h1>
  <label for="username" style="top: 52px">用户名</label>
  <input id="username" name="username" value="%(username)s"
         style="top: 72px">
  <label for="password" style="top: 120px">密码</label>
  <input id="password" name="password" type="password" style="top: 140px">
  <button class="primary" type="submit" style="top: 200px">登录</button>
  <div id="status">%(message)s</div>
</form>
"""

# F5 is the program's reload key. When it reaches the page (inside a field)
# the page says so in its status line and its title, and tells the server,
# so that a person and a test can both see it.
HEADER_SCRIPT = """
document.getElementById('help').addEventListener('click', function () {
  window.open('/quillbook/help', 'quillbook-help', 'width=520,height=400');
});
"""

LOGIN_SCRIPT = HEADER_SCRIPT + """
var baseTitle = document.title;
function say(text) {
  document.getElementById('status').textContent = text;
  document.title = baseTitle + ' - ' + text;
}
['username', 'password'].forEach(function (id) {
  document.getElementById(id).addEventListener('keydown', function (e) {
    if (e.key !== 'F5') return;
    e.preventDefault();
    say('在' + (id === 'username' ? '用户名' : '密码') + '中按下了 F5');
    var beacon = new XMLHttpRequest();
    beacon.open('GET', '/quillbook/keys?key=F5&field=' + id);
    beacon.send();
  });
});
"""

LOGIN_TITLE = "Quillbook 登录"


# Deterministic bytes of any length, so a client can check what it saved.
def pattern(offset, size):
    block = bytes(range(256)) * 256
    out = bytearray()
    while len(out) < size:
        start = (offset + len(out)) % len(block)
        out += block[start:start + size - len(out)]
    return bytes(out)


BIG_DOWNLOAD_BYTES = 200 * 1024 * 1024


class Misbehaving:
    """What the sign-in page does instead, one method per mode."""

    def misbehaving(self):
        getattr(self, "mis_" + self.server.misbehave.replace("-", "_"))()

    def hang(self):
        # Until the server stops; the client must give up on its own.
        self.server.stopping.wait()
        self.close_connection = True

    def reset(self):
        self.wfile.flush()
        self.connection.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER,
                                   struct.pack("ii", 1, 0))
        self.connection.close()
        self.close_connection = True

    def mis_silent(self):
        self.hang()

    def mis_reset(self):
        body = page(LOGIN_TITLE, "<main>" + "x" * 60000 + "</main>")
        self.send_response(200)
        self.send_header("Content-Type", "text/html; charset=utf-8")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body[:len(body) // 3])
        self.reset()

    def mis_garbage(self):
        self.wfile.write(bytes(range(256)) * 64)
        self.reset()

    def mis_redirect_loop(self):
        query = urllib.parse.urlsplit(self.path).query
        n = int(urllib.parse.parse_qs(query).get("n", ["0"])[0]) + 1
        self.send_body(302, "text/plain; charset=utf-8", b"",
                       [("Location", "/quillbook/loginIndex?n=%d" % n)])

    def mis_status_404(self):
        self.send_page(404, page("Quillbook 404",
                                 "<main><h1>404</h1><p>页面不存在。</p></main>"))

    def mis_status_500(self):
        self.send_page(500, page("Quillbook 500",
                                 "<main><h1>500</h1><p>服务器错误。</p></main>"))

    def titled(self, title_bytes):
        self.send_page(200, b"<!DOCTYPE html><html><head><meta charset=utf-8>"
                       b"<title>" + title_bytes + b"</title></head><body>"
                       b"<main><h1>Quillbook</h1></main></body></html>")

    def mis_huge_title(self):
        self.titled(b"Q" * (1024 * 1024))

    def mis_bad_utf8_title(self):
        self.titled(b"Quillbook \xff\xfe\xc0\x80 \xed\xa0\x80 end")

    def mis_astral_title(self):
        self.titled("Quillbook \U0001F600\U0001D11E".encode("utf-8"))

    def mis_popups(self):
        # Pop-ups need the user's gesture: a click anywhere opens them all.
        script = ("document.body.addEventListener('click', function() {"
                  "  var opened = [];"
                  "  for (var i = 0; i < 200; i++)"
                  "    opened.push(window.open('/quillbook/help', 'p' + i,"
                  "                            'width=200,height=100'));"
                  "  var count = opened.filter(function(w) { return w; }).length;"
                  "  document.title = 'Quillbook opened ' + count;"
                  "  setTimeout(function() {"
                  "    opened.forEach(function(w) { if (w) w.close(); });"
                  "    document.title = 'Quillbook closed ' + count;"
                  "  }, 3000);"
                  "});")
        self.send_page(200, page("Quillbook pop-ups",
                                 "<main style=\"height: 100vh\"></main>",
                                 script))

    def mis_spin(self):
        script = ("document.title = 'Quillbook spinning';"
                  "setTimeout(function() { for (;;) {} }, 100);")
        self.send_page(200, page("Quillbook", "<main></main>", script))

    def goodbye_page(self, ask):
        # What a site does to log out or release a record as the page goes:
        # a beacon and a keep-alive fetch, from both pagehide and unload.
        script = ("function bye(kind) {"
                  "  navigator.sendBeacon('/quillbook/goodbye?via=beacon-' + kind,"
                  "                       'bye');"
                  "  fetch('/quillbook/goodbye?via=fetch-' + kind,"
                  "        {method: 'POST', body: 'bye', keepalive: true});"
                  "}"
                  "addEventListener('pagehide', function() { bye('pagehide'); });"
                  "addEventListener('unload', function() { bye('unload'); });")
        if ask:
            script += ("addEventListener('beforeunload', function(e) {"
                       "  e.preventDefault(); e.returnValue = '';"
                       "});")
        # The title says when the handlers are in place.
        script += "document.title = %s;" % json.dumps(LOGIN_TITLE)
        self.send_page(200, page("Quillbook", "<main style=\"height: 100vh\">"
                                 "</main>", script))

    def mis_goodbye(self):
        self.goodbye_page(False)

    def mis_goodbye_after_question(self):
        self.goodbye_page(True)

    def mis_basic_auth(self):
        expected = "Basic " + base64.b64encode(b"demo:quillbook").decode()
        if self.headers.get("Authorization") == expected:
            self.login_index()
            return
        self.send_body(401, "text/plain; charset=utf-8", b"sign in first",
                       [("WWW-Authenticate", "Basic realm=\"Quillbook\"")])

    def mis_upload(self):
        body = ("<form method=\"post\" action=\"/quillbook/upload\" "
                "enctype=\"multipart/form-data\">"
                "<input id=\"file\" type=\"file\" name=\"file\" "
                "style=\"position: absolute; left: 0; top: 0; width: 100vw;"
                " height: 100vh; opacity: 0\"></form>")
        self.send_page(200, page(LOGIN_TITLE, body))

    def attachment_head(self, name, length):
        self.send_response(200)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Disposition",
                         "attachment; filename=\"%s\"" % name)
        self.send_header("Content-Length", str(length))
        self.send_header("Cache-Control", "no-store")
        self.end_headers()

    def mis_download(self):
        data = pattern(0, 100000)
        self.attachment_head("small.bin", len(data))
        self.wfile.write(data)

    def mis_big_download(self):
        self.attachment_head("big.bin", BIG_DOWNLOAD_BYTES)
        chunk = 1024 * 1024
        for offset in range(0, BIG_DOWNLOAD_BYTES, chunk):
            self.wfile.write(pattern(offset, chunk))

    def mis_stalled_download(self):
        self.attachment_head("stalled.bin", 10 * 1024 * 1024)
        self.wfile.write(pattern(0, 256 * 1024))
        self.wfile.flush()
        self.hang()

    def mis_broken_download(self):
        self.attachment_head("broken.bin", 10 * 1024 * 1024)
        self.wfile.write(pattern(0, 3 * 1024 * 1024))
        self.reset()

    def mis_breaking_download(self):
        # Breaks off when asked (/quillbook/_break): once the user has
        # chosen where the file goes.
        self.attachment_head("breaking.bin", 10 * 1024 * 1024)
        self.wfile.write(pattern(0, 256 * 1024))
        self.wfile.flush()
        while not self.server.breaking.wait(0.2):
            if self.server.stopping.is_set():
                return
        self.reset()


MISBEHAVIOURS = sorted(name[4:].replace("_", "-") for name in vars(Misbehaving)
                       if name.startswith("mis_"))


class Quillbook(http.server.ThreadingHTTPServer):
    daemon_threads = True
    allow_reuse_address = True

    def __init__(self, address, verbose, misbehave=None):
        super().__init__(address, Handler)
        self.verbose = verbose
        self.misbehave = misbehave
        self.stopping = threading.Event()
        self.breaking = threading.Event()
        self.lock = threading.Lock()
        self.counts = {}
        self.accept_language = None
        self.sessions = {}

    def record(self, path, accept_language):
        with self.lock:
            self.counts[path] = self.counts.get(path, 0) + 1
            if accept_language is not None:
                self.accept_language = accept_language

    def stats(self):
        with self.lock:
            return {"counts": dict(self.counts),
                    "accept_language": self.accept_language}


class Handler(http.server.BaseHTTPRequestHandler, Misbehaving):
    server_version = "Quillbook/1.0"
    protocol_version = "HTTP/1.1"

    def log_message(self, fmt, *args):
        if self.server.verbose:
            sys.stderr.write("server: %s %s\n" % (self.address_string(),
                                                  fmt % args))

    # Routing

    def do_GET(self):
        self.dispatch({
            "/quillbook/loginIndex": (self.misbehaving if self.server.misbehave
                                      else self.login_index),
            "/quillbook/home": self.home,
            "/quillbook/logout": self.logout,
            "/quillbook/files": self.files,
            "/quillbook/files/" + ATTACHMENT_NAME: self.attachment,
            "/quillbook/help": self.help,
            "/quillbook/keys": self.keys,
            "/quillbook/_stats": self.stats,
            "/quillbook/_break": self.break_off,
            "/": self.to_login,
            "/quillbook": self.to_login,
            "/quillbook/": self.to_login,
        })

    def do_POST(self):
        self.dispatch({"/quillbook/login": self.login,
                       "/quillbook/goodbye": self.absorb,
                       "/quillbook/upload": self.absorb})

    def dispatch(self, routes):
        path = urllib.parse.urlsplit(self.path).path
        if path not in ("/quillbook/_stats", "/quillbook/_break"):
            self.server.record(path, self.headers.get("Accept-Language"))
        handler = routes.get(path)
        if handler is None:
            self.send_page(404, page("Quillbook - 未找到",
                                     "<main><h1>404</h1><p>页面不存在。</p></main>"))
        else:
            handler()

    # Responses

    def send_body(self, status, content_type, body, headers=()):
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Cache-Control", "no-store")
        for name, value in headers:
            self.send_header(name, value)
        self.end_headers()
        if self.command != "HEAD":
            self.wfile.write(body)

    def send_page(self, status, body, headers=()):
        self.send_body(status, "text/html; charset=utf-8", body, headers)

    def redirect(self, location, headers=()):
        self.send_body(303, "text/plain; charset=utf-8", b"",
                       [("Location", location)] + list(headers))

    def session_user(self):
        cookie = http.cookies.SimpleCookie()
        try:
            cookie.load(self.headers.get("Cookie", ""))
        except http.cookies.CookieError:
            return None
        morsel = cookie.get("qb_session")
        if morsel is None:
            return None
        with self.server.lock:
            return self.server.sessions.get(morsel.value)

    # Pages

    def to_login(self):
        self.redirect("/quillbook/loginIndex")

    def login_index(self, username="", message="", status=200):
        body = LOGIN_BODY % {"header": HEADER,
                             "username": html.escape(username),
                             "message": html.escape(message)}
        self.send_page(status, page(LOGIN_TITLE, body, LOGIN_SCRIPT))

    def login(self):
        try:
            length = int(self.headers.get("Content-Length", "0"))
        except ValueError:
            length = -1
        if length < 0 or length > MAX_FORM_BYTES:
            self.send_body(413, "text/plain; charset=utf-8", b"too large",
                           [("Connection", "close")])
            self.close_connection = True
            return
        form = urllib.parse.parse_qs(
            self.rfile.read(length).decode("utf-8", "replace"))
        username = form.get("username", [""])[0].strip()
        password = form.get("password", [""])[0]
        expected = USERS.get(username)
        if expected is None or not secrets.compare_digest(
                expected.encode(), password.encode()):
            self.login_index(username, "用户名或密码错误。", 401)
            return
        token = secrets.token_urlsafe(24)
        with self.server.lock:
            self.server.sessions[token] = username
        self.redirect("/quillbook/home", [(
            "Set-Cookie",
            "qb_session=%s; Path=/quillbook; HttpOnly; SameSite=Lax" % token)])

    def home(self):
        user = self.session_user()
        if user is None:
            self.to_login()
            return
        body = ("%s<main><h1>欢迎，%s</h1><p>您已登录 Quillbook。</p>"
                "<p><a href=\"/quillbook/logout\">退出登录</a></p></main>"
                % (HEADER, html.escape(user)))
        self.send_page(200, page("Quillbook 首页", body, HEADER_SCRIPT))

    def logout(self):
        self.redirect("/quillbook/loginIndex", [(
            "Set-Cookie", "qb_session=; Path=/quillbook; Max-Age=0")])

    def files(self):
        size = os.path.getsize(ATTACHMENT)
        body = ("%s<main><h1>资料下载</h1>"
                "<p>Quillbook 用户名单（CSV，%d 字节）</p></main>"
                "<a id=\"download\" class=\"download\" "
                "href=\"/quillbook/files/%s\">下载用户名单</a>"
                "<p class=\"back\"><a href=\"/quillbook/loginIndex\">返回登录</a></p>"
                % (HEADER, size, ATTACHMENT_NAME))
        self.send_page(200, page("Quillbook 资料下载", body, HEADER_SCRIPT))

    def attachment(self):
        with open(ATTACHMENT, "rb") as f:
            data = f.read()
        self.send_body(200, "text/csv; charset=utf-8", data, [(
            "Content-Disposition",
            "attachment; filename=\"%s\"" % ATTACHMENT_NAME)])

    def help(self):
        body = ("<main style=\"left: 20px; top: 20px\"><h1>帮助</h1>"
                "<p>请使用公司分配的账号登录。忘记密码请联系管理员。</p>"
                "<p>演示账号：demo / quillbook</p>"
                "<button type=\"button\" onclick=\"window.close()\">关闭</button>"
                "</main>")
        self.send_page(200, page("Quillbook 帮助", body))

    def keys(self):
        self.send_body(204, "text/plain", b"")

    def break_off(self):
        self.server.breaking.set()
        self.send_body(200, "text/plain; charset=utf-8", b"broken off")

    def absorb(self):
        try:
            length = int(self.headers.get("Content-Length", "0"))
        except ValueError:
            length = 0
        self.rfile.read(max(0, min(length, MAX_FORM_BYTES)))
        self.send_body(204, "text/plain", b"")

    def stats(self):
        body = json.dumps(self.server.stats(), ensure_ascii=False,
                          sort_keys=True).encode("utf-8")
        self.send_body(200, "application/json; charset=utf-8", body)


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--host", default="0.0.0.0")
    parser.add_argument("--port", type=int, default=88)
    parser.add_argument("--ready-file",
                        help="written once the server listens")
    parser.add_argument("--verbose", action="store_true",
                        help="log every request to stderr")
    parser.add_argument("--misbehave", choices=MISBEHAVIOURS,
                        help="what the sign-in page does instead")
    args = parser.parse_args(argv)

    try:
        server = Quillbook((args.host, args.port), args.verbose,
                           args.misbehave)
    except OSError as e:
        hint = ""
        if args.port < 1024 and e.errno == 13:
            hint = " (ports below 1024 need privileges; see README.md)"
        sys.stderr.write("server: cannot listen on %s:%d: %s%s\n"
                         % (args.host, args.port, e.strerror, hint))
        return 2

    def stop(signum, frame):
        server.stopping.set()
        # shutdown() waits for serve_forever(), which runs on this thread.
        threading.Thread(target=server.shutdown, daemon=True).start()

    signal.signal(signal.SIGTERM, stop)
    signal.signal(signal.SIGINT, stop)

    if args.ready_file:
        with open(args.ready_file + ".tmp", "w") as f:
            f.write("%d\n" % os.getpid())
        os.replace(args.ready_file + ".tmp", args.ready_file)
    if args.verbose:
        sys.stderr.write("server: listening on %s:%d\n"
                         % (args.host, args.port))
    try:
        server.serve_forever(poll_interval=0.2)
    finally:
        server.server_close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
