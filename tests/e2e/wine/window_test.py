#!/usr/bin/env python3
"""End-to-end tests of the Windows program (pellavine.exe) under wine."""

import argparse
import collections
import contextlib
import http.server
import os
import shutil
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402

LOGIN_TITLE = "^Quillbook 登录$"
SAVE_DIALOG = "^(Save As|另存为)$"
# Wine's first start in a fresh namespace is slow.
FIRST_WINDOW_LIMIT = 180
FRAME = 8     # pixels of a sizing border
CAPTION = 32  # pixels of a caption

ARGS = None
WINE = None


class WindowTest(unittest.TestCase):

    def session(self):
        return harness.Session(ARGS.exe, ARGS.source_dir, WINE,
                               ARGS.artifacts, self._testMethodName,
                               ARGS.window_text)

    def open_login(self, s):
        """Starts the program; its window once it shows the sign-in page."""
        s.start_program()
        window = s.wait_window(LOGIN_TITLE, FIRST_WINDOW_LIMIT)
        self.assertIsNotNone(window, "no window took the page's title; see "
                             + s.log_path("program"))
        return window

    def close_and_expect_exit_zero(self, s, window):
        s.key(window, "alt+F4")
        code = s.wait_exit(60)
        self.assertEqual(code, 0, "exit code %r; see %s"
                         % (code, s.log_path("program")))

    def test_window_takes_the_page_title_and_closing_it_ends_the_program(self):
        with self.session() as s:
            s.start_server()
            window = self.open_login(s)
            self.assertEqual(s.stats()["accept_language"], "zh-CN")
            s.screenshot("signed-out")
            # Without a window manager wine's X window is the client area:
            # the frame around it is the window's own, at most a caption
            # and a border wide.
            g = s.geometry(window)
            width, height = harness.SCREEN
            self.assertTrue(
                0 <= g["X"] <= FRAME and 0 <= g["Y"] <= CAPTION + FRAME and
                width - FRAME <= g["X"] + g["WIDTH"] <= width and
                height - FRAME <= g["Y"] + g["HEIGHT"] <= height,
                "the window does not cover the screen: %r" % g)
            self.close_and_expect_exit_zero(s, window)

    def test_signing_in_with_typed_fields_reaches_the_home_page(self):
        with self.session() as s:
            s.start_server()
            window = self.open_login(s)
            # Tab walks from the top: the files link, the help button, then
            # the user name.
            s.key(window, "Tab", "Tab", "Tab")
            s.type_text(window, "demo")
            s.key(window, "Tab")
            s.type_text(window, "quillbook")
            s.key(window, "Return")
            home = s.wait_window("^Quillbook 首页$", 30)
            s.screenshot("home")
            self.assertIsNotNone(home, "the sign-in did not reach the home "
                                 "page; see " + s.log_path("server"))
            self.close_and_expect_exit_zero(s, home)

    def test_f5_reloads_once_outside_a_field_and_not_inside_one(self):
        with self.session() as s:
            s.start_server()
            window = self.open_login(s)
            path = "/quillbook/loginIndex"
            before = s.count(path)
            s.key(window, "F5")
            self.assertTrue(harness.poll(lambda: s.count(path) == before + 1,
                                         20), "F5 did not reload")
            time.sleep(2)  # a second reload would show by now
            self.assertEqual(s.count(path), before + 1)
            window = s.wait_window(LOGIN_TITLE, 20)
            s.key(window, "Tab", "Tab", "Tab")  # into the user name field
            s.key(window, "F5")
            time.sleep(2)
            self.assertEqual(s.count(path), before + 1,
                             "F5 in a field reloaded the page")
            self.close_and_expect_exit_zero(s, window)

    def test_right_click_shows_no_menu(self):
        with self.session() as s:
            s.start_server()
            window = self.open_login(s)
            before = s.visible_windows()
            s.click(window, 600, 500, button=3)  # on the page
            time.sleep(2)  # a menu would be up by now
            self.assertEqual(s.visible_windows(), before)
            s.click(window, 100, 190, button=3)  # in the user name field
            time.sleep(2)
            self.assertEqual(s.visible_windows(), before)
            self.close_and_expect_exit_zero(s, window)

    def test_a_new_window_link_opens_its_own_window_and_the_last_closes(self):
        with self.session() as s:
            s.start_pages({
                "/quillbook/loginIndex":
                    "<title>Opener</title><p>A page that opens another.</p>"
                    "<a href='/quillbook/other' target='_blank'>other</a>",
                "/quillbook/other": "<title>Other window</title><p>Hi</p>",
            })
            s.start_program()
            opener = s.wait_window("^Opener$", FIRST_WINDOW_LIMIT)
            self.assertIsNotNone(opener, "no window")
            s.key(opener, "Tab", "Return")  # the link
            other = s.wait_window("^Other window$", 30)
            s.screenshot("two-windows")
            self.assertIsNotNone(other, "the link opened no window")
            self.assertIsNotNone(s.wait_window("^Opener$", 5),
                                 "the opener did not keep its page")
            # Either window may be the last one. Without a window manager
            # wine activates a window that is clicked, as a person would:
            # here where the new window (placed by the system) is not.
            g = s.geometry(opener)
            s.click(opener, g["WIDTH"] - 20, g["HEIGHT"] - 20)
            s.key(opener, "alt+F4")
            self.assertTrue(harness.poll(
                lambda: not s.windows_named("^Opener$"), 20))
            self.assertIsNone(s.wait_exit(3), "closing one window ended all")
            self.close_and_expect_exit_zero(s, other)

    def open_save_dialog(self, s):
        """From the sign-in page to the download's save dialog, by keys;
        the files page's window and the dialog's."""
        window = self.open_login(s)
        s.key(window, "Tab", "Return")  # the files link
        files = s.wait_window("^Quillbook 资料下载$", 30)
        self.assertIsNotNone(files, "the files page did not open")
        # The files link, the help button, then the download link.
        s.key(files, "Tab", "Tab", "Tab", "Return")
        dialog = s.wait_window(SAVE_DIALOG, 60)
        s.screenshot("save-dialog")
        self.assertIsNotNone(dialog, "no save dialog")
        return files, dialog

    def test_a_download_asks_where_to_save_and_writes_the_file_whole(self):
        with self.session() as s:
            s.start_server()
            target = os.path.join(ARGS.prefix, "drive_c", "e2e-download.csv")
            if os.path.exists(target):
                os.remove(target)
            files, dialog = self.open_save_dialog(s)
            s.key(dialog, "ctrl+a")
            s.type_text(dialog, "C:\\e2e-download.csv")
            s.key(dialog, "Return")
            notice = s.wait_window("^提示$", 60)
            s.screenshot("notice")
            self.assertIsNotNone(notice, "no notice that the download ended")
            self.assertIn("下载成功！", s.shown_text("提示"))
            with open(os.path.join(ARGS.source_dir, "demo", "files",
                                   "quillbook-users.csv"), "rb") as f:
                expected = f.read()
            with open(target, "rb") as f:
                self.assertEqual(f.read(), expected)
            s.key(notice, "Return")
            self.assertTrue(harness.poll(
                lambda: not s.windows_named("^提示$"), 20),
                "the notice did not go away")
            self.assertIsNone(s.program.poll(), "the program ended")
            self.close_and_expect_exit_zero(s, files)

    def test_a_cancelled_save_dialog_saves_nothing_and_says_nothing(self):
        with self.session() as s:
            s.start_server()
            documents = os.path.join(ARGS.prefix, "drive_c", "users",
                                     os.environ.get("USER", "root"),
                                     "Documents", "quillbook-users.csv")
            if os.path.exists(documents):
                os.remove(documents)
            files, dialog = self.open_save_dialog(s)
            s.key(dialog, "Escape")
            self.assertTrue(harness.poll(
                lambda: not s.windows_named(SAVE_DIALOG), 20),
                "the dialog did not close")
            time.sleep(3)  # a notice would show by now
            self.assertEqual(s.windows_named("^提示$"), [],
                             "a cancelled download was announced")
            self.assertFalse(os.path.exists(documents))
            self.close_and_expect_exit_zero(s, files)

    def test_an_unfinished_download_leaves_the_file_it_would_replace(self):
        """The user saves over a file of theirs, meaning to replace it, and
        the download does not finish: the file stays as it was, byte for
        byte, and nothing else stays beside it."""
        cases = [("breaking-download", "the server breaks off"),
                 ("stalled-download", "the window is closed")]
        for misbehave, how in cases:
            with self.subTest(how), self.session() as s:
                self.unfinished_replacement(s, misbehave)

    def unfinished_replacement(self, s, misbehave):
        folder = os.path.join(ARGS.prefix, "drive_c", "e2e-keep")
        shutil.rmtree(folder, ignore_errors=True)
        os.makedirs(folder)
        target = os.path.join(folder, "keep.bin")
        original = b"the user's own file\n" + b"k" * 5000
        with open(target, "wb") as f:
            f.write(original)

        def unchanged():
            with open(target, "rb") as f:
                self.assertEqual(f.read(), original,
                                 "the user's file was changed")
            self.assertEqual(sorted(os.listdir(folder)), ["keep.bin"])

        s.start_server(misbehave)
        s.start_program()
        # The start page itself is the download.
        dialog = s.wait_window(SAVE_DIALOG, FIRST_WINDOW_LIMIT)
        self.assertIsNotNone(dialog, "no save dialog")
        s.key(dialog, "ctrl+a")
        s.type_text(dialog, "C:\\e2e-keep\\keep.bin")
        before = s.visible_windows()
        s.key(dialog, "Return")
        # The dialog asks before replacing a file; the user says yes.
        confirm = harness.poll(
            lambda: [w for w in s.visible_windows() if w not in before], 20)
        self.assertTrue(confirm, "not asked whether to replace the file")
        s.key(confirm[0], "Return")
        # The new file is written beside the old one: made there, it has
        # the folder's security and plain attributes, not those of a
        # temporary file.
        beside = harness.poll(lambda: len(os.listdir(folder)) > 1, 20)
        window = s.wait_window("^Pellavine$", 20)
        self.assertIsNotNone(window, "no program window")

        if misbehave == "breaking-download":
            s.get("/quillbook/_break")
            told = s.wait_window("^Download failed$", 30)
            s.screenshot("told")
            unchanged()
            self.assertIsNotNone(told, "the user was not told")
            self.assertIn("keep.bin", s.shown_text("Download failed"))
            s.key(told, "Return")
            self.assertTrue(harness.poll(
                lambda: not s.windows_named("^Download failed$"), 20))
        self.close_and_expect_exit_zero(s, window)
        unchanged()
        self.assertTrue(beside, "nothing written in the chosen folder while "
                        "the download ran")

    def test_a_huge_page_makes_a_few_hundred_controls_and_a_short_title(self):
        # Every control is a window from the session's desktop heap.
        with self.session() as s:
            s.start_pages({
                "/quillbook/loginIndex":
                    "<title>Huge " + "t" * 100000 + "</title>"
                    + "<p>paragraph" * 5000
                    + "<p>" + "long words " * 20000,
            })
            s.start_program()
            window = s.wait_window("^Huge t", FIRST_WINDOW_LIMIT)
            self.assertIsNotNone(window, "no window")
            windows = harness.poll(
                lambda: [(t, c) for t, c in s.window_texts().items()
                         if t.startswith("Huge t") and c], 30)
            self.assertTrue(windows, "the page's controls were not read")
            title, controls = windows[0]
            self.assertLessEqual(len(title), 1024)
            self.assertGreater(len(controls), 100)
            self.assertLessEqual(len(controls), 300)
            self.assertLessEqual(max(len(text) for _, text in controls), 4096)
            self.close_and_expect_exit_zero(s, window)

    def test_an_embedders_own_post_carries_its_headers_and_body(self):
        """The request probe (tests/e2e/request_probe.cc) loads a POST of
        its own once its first page is in."""
        if not ARGS.request_probe:
            self.skipTest("no --request-probe")
        recorded = []

        class Echo(http.server.BaseHTTPRequestHandler):
            def answer(self):
                length = int(self.headers.get("Content-Length") or 0)
                body = self.rfile.read(length) if length else b""
                if self.path == "/echo":
                    recorded.append((self.command, self.headers.items(),
                                     body))
                page = b"<html><head><title>probe</title></head></html>"
                self.send_response(200)
                self.send_header("Content-Type", "text/html")
                self.send_header("Content-Length", str(len(page)))
                self.end_headers()
                self.wfile.write(page)

            do_GET = do_POST = answer

            def log_message(self, *args):
                pass

        with harness.Session(ARGS.request_probe, ARGS.source_dir, WINE,
                             ARGS.artifacts, self._testMethodName) as s:
            s.serve(Echo)
            s.start_program(env={"PROBE_METHOD": "POST",
                                 "PROBE_URL": "http://127.0.0.1:88/"})
            code = s.wait_exit(FIRST_WINDOW_LIMIT)
            with open(s.log_path("program"), errors="replace") as log:
                output = log.read()
            self.assertEqual(code, 0, output)
            self.assertIn("load-end 200", output)
        self.assertEqual(len(recorded), 1, recorded)
        method, headers, body = recorded[0]
        self.assertEqual(method, "POST")
        self.assertEqual(body, b"first part;second part")

        def values(name):
            return [v for k, v in headers if k.lower() == name.lower()]
        # Repeated names go as one list, in order.
        self.assertEqual(values("X-Probe"), ["one, two"])
        self.assertEqual(values("Content-Type"),
                         ["text/plain; charset=utf-8"])
        self.assertEqual(values("Referer"), ["http://127.0.0.1:88/start"])

    def test_an_error_without_a_body_shows_the_status_text_as_text(self):
        with self.session() as s:
            s.start_pages({
                "/quillbook/loginIndex": {
                    "status": 500, "reason": "Broken &amp; <i>bad</i>",
                    "body": ""},
            })
            s.start_program()
            window = s.wait_window("^500 ", FIRST_WINDOW_LIMIT)
            self.assertIsNotNone(window, "no window")
            shown = harness.poll(
                lambda: s.shown_text("500 Broken &amp; <i>bad</i>"), 30)
            self.assertEqual(shown, "500 Broken &amp; <i>bad</i>")
            self.close_and_expect_exit_zero(s, window)

    def test_while_the_notice_is_up_fields_show_no_menu_and_f5_reloads(self):
        # The notice runs a loop of its own, which hands the page's input
        # to the controls directly.
        with self.session() as s:
            s.start_pages({
                "/quillbook/loginIndex":
                    "<title>Fields</title>" + "<input name=q>" * 5
                    + "<p><a href='/quillbook/file.csv'>file</a>",
                "/quillbook/file.csv": {
                    "headers": {"Content-Type": "text/csv",
                                "Content-Disposition":
                                    "attachment; filename=file.csv"},
                    "body": "a,b\n"},
            })
            target = os.path.join(ARGS.prefix, "drive_c", "e2e-notice.csv")
            if os.path.exists(target):
                os.remove(target)
            s.start_program()
            window = s.wait_window("^Fields$", FIRST_WINDOW_LIMIT)
            self.assertIsNotNone(window, "no window")
            s.key(window, *(["Tab"] * 6 + ["Return"]))  # the link
            dialog = s.wait_window("^(Save As|另存为)$", 60)
            self.assertIsNotNone(dialog, "no save dialog")
            s.key(dialog, "ctrl+a")
            s.type_text(dialog, "C:\\e2e-notice.csv")
            s.key(dialog, "Return")
            notice = s.wait_window("^提示$", 60)
            self.assertIsNotNone(notice, "no notice")
            before = s.visible_windows()
            s.click(window, 100, 95, button=3)  # in a field
            time.sleep(2)  # a menu would be up by now
            s.screenshot("right-click-under-notice")
            self.assertEqual(s.visible_windows(), before,
                             "a menu opened while the notice was up")
            loads = s.count("/quillbook/loginIndex")
            s.key(window, "F5")
            self.assertTrue(harness.poll(
                lambda: s.count("/quillbook/loginIndex") == loads + 1, 20),
                "F5 did not reload while the notice was up")
            # Without a window manager a click makes the notice active again.
            s.click(notice, 10, 10)
            s.key(notice, "Return")
            self.assertTrue(harness.poll(
                lambda: not s.windows_named("^提示$"), 20),
                "the notice did not go away")
            window = s.wait_window("^Fields$", 20)
            self.close_and_expect_exit_zero(s, window)

    def test_the_window_shows_the_programs_icon(self):
        with self.session() as s:
            s.start_pages({"/quillbook/loginIndex": "<title>Icon</title>"})
            s.start_program()
            window = s.wait_window("^Icon$", FIRST_WINDOW_LIMIT)
            self.assertIsNotNone(window, "no window")
            pixels = harness.poll(lambda: s.icon_pixels(window), 20)
            self.assertTrue(pixels, "the window has no icon")
            opaque = collections.Counter(
                p & 0xFFFFFF for p in pixels if p >> 24 == 0xFF)
            # The program's icon is a dark green square (resources/).
            self.assertEqual("%06x" % opaque.most_common(1)[0][0], "1d5e45")
            self.close_and_expect_exit_zero(s, window)

    def test_without_a_server_the_error_page_shows_and_f5_recovers(self):
        with self.session() as s:
            s.start_program()
            # The shell's error page has no title: the window keeps its
            # first one. F5 can only recover if the error page was shown
            # for the failed address.
            error = s.wait_window("^Pellavine$", FIRST_WINDOW_LIMIT)
            self.assertIsNotNone(error, "no window")
            shown = harness.poll(
                lambda: "Failed to load URL" in s.shown_text("Pellavine")
                and s.shown_text("Pellavine"), 30)
            s.screenshot("error-page")
            self.assertIn("Failed to load URL http://127.0.0.1:88/quillbook/"
                          "loginIndex with error ", shown or "(nothing)")
            self.assertIn("(-102).", shown)  # the connection was refused
            self.assertIsNone(s.program.poll(), "the program ended")
            s.start_server()
            s.key(error, "F5")
            window = s.wait_window(LOGIN_TITLE, 30)
            self.assertIsNotNone(window, "F5 did not load the page")
            self.close_and_expect_exit_zero(s, window)

    def test_a_page_too_big_or_never_done_ends_in_the_error_page(self):
        class TooBig(http.server.BaseHTTPRequestHandler):
            def do_GET(self):
                # Over the 16 MB a page may have.
                chunk = b"<p>" + b"x" * (1024 * 1024 - 7) + b"</p>\n"
                self.send_response(200)
                self.send_header("Content-Type", "text/html; charset=utf-8")
                self.send_header("Content-Length", str(17 * len(chunk)))
                self.end_headers()
                with contextlib.suppress(OSError):
                    for _ in range(17):
                        self.wfile.write(chunk)

            def log_message(self, *args):
                pass

        class Drip(TooBig):
            def do_GET(self):
                # A byte a second: never idle long enough for a network
                # timeout, never done.
                self.send_response(200)
                self.send_header("Content-Type", "text/html; charset=utf-8")
                self.send_header("Content-Length", "100000")
                self.end_headers()
                with contextlib.suppress(OSError):
                    for _ in range(100000):
                        self.wfile.write(b"x")
                        self.wfile.flush()
                        time.sleep(1)

        for name, handler, env, code, limit in (
                ("too big", TooBig, {}, "(-8).", 60),
                ("dripping", Drip, {"CEFRT_LOAD_TIMEOUT_MS": "3000"},
                 "(-7).", 30)):
            with self.subTest(name), self.session() as s:
                s.serve(handler)
                s.start_program(env=env)
                window = s.wait_window("^Pellavine$", FIRST_WINDOW_LIMIT)
                self.assertIsNotNone(window, "no window")
                shown = harness.poll(
                    lambda: "Failed to load URL" in s.shown_text("Pellavine")
                    and s.shown_text("Pellavine"), limit)
                s.screenshot("error-page")
                self.assertIn(code, shown or "(nothing shown)")
                self.close_and_expect_exit_zero(s, window)

    def test_a_gbk_page_reads_in_gbk_and_its_form_answers_in_it(self):
        posted = []

        def gbk_site(content_type, head):
            class Site(http.server.BaseHTTPRequestHandler):
                def do_GET(self):
                    body = ("<html><head>" + head + "<title>Quillbook 登录"
                            "</title></head><body><form method=post "
                            "action=/quillbook/login><input name=user "
                            "value='中文'><button>登录</button></form>"
                            "</body></html>").encode("gbk")
                    self.answer(content_type, body)

                def do_POST(self):
                    length = int(self.headers.get("Content-Length", "0"))
                    posted.append(self.rfile.read(length))
                    self.answer("text/html; charset=utf-8",
                                b"<title>Posted</title>")

                def answer(self, kind, body):
                    self.send_response(200)
                    self.send_header("Content-Type", kind)
                    self.send_header("Content-Length", str(len(body)))
                    self.end_headers()
                    self.wfile.write(body)

                def log_message(self, *args):
                    pass
            return Site

        for name, content_type, head in (
                ("by the header", "text/html; charset=GBK", ""),
                ("by <meta charset>", "text/html",
                 "<meta charset='gb2312'>")):
            with self.subTest(name), self.session() as s:
                del posted[:]
                s.serve(gbk_site(content_type, head))
                s.start_program()
                window = s.wait_window("^Quillbook", FIRST_WINDOW_LIMIT)
                s.screenshot("gbk-page")
                self.assertIsNotNone(window, "no window took the title")
                self.assertEqual(
                    s.xdotool("getwindowname", str(window))[1].strip(),
                    "Quillbook 登录")
                s.key(window, "Tab", "Return")  # in the field: submits
                done = s.wait_window("^Posted$", 30)
                self.assertIsNotNone(done, "the form was not sent")
                self.assertEqual(posted, [b"user=%D6%D0%CE%C4"])
                self.close_and_expect_exit_zero(s, done)


def main():
    global ARGS, WINE
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--exe", required=True)
    parser.add_argument("--window-text", required=True,
                        help="window_text.exe, which reads what windows show")
    parser.add_argument("--request-probe",
                        help="tests/e2e/request_probe.cc, built for Windows")
    parser.add_argument("--source-dir", required=True)
    parser.add_argument("--artifacts", required=True)
    parser.add_argument("--prefix",
                        default=os.environ.get("PELLAVINE_WINEPREFIX"))
    parser.add_argument("--bits", type=int, choices=(32, 64), default=32,
                        help="the width the programs were built for")
    parser.add_argument("--prepare-prefix", action="store_true")
    ARGS, rest = parser.parse_known_args()
    if not ARGS.prefix:
        parser.error("no wine prefix (--prefix or PELLAVINE_WINEPREFIX)")
    ARGS.prefix = os.path.abspath(ARGS.prefix)
    WINE = harness.Wine(ARGS.source_dir, ARGS.bits, ARGS.prefix)
    try:
        if ARGS.prepare_prefix:
            WINE.prepare_prefix()
            return 0
        if not harness.in_private_network():
            return harness.reexec_in_private_network()
        for tool in ("Xvfb", "xdotool"):
            if harness.shutil.which(tool) is None:
                raise harness.Skip(tool + " is not installed")
        WINE.check()
    except harness.Skip as e:
        print("skipped:", e)
        return harness.SKIP
    print("testing", WINE.describe(), flush=True)
    program = unittest.main(argv=[sys.argv[0]] + rest, exit=False,
                            verbosity=2)
    return 0 if program.result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main())
