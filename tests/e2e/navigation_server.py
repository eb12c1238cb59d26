#!/usr/bin/env python3
"""Serves the navigation probe's pages from DIR, saving each page it sends
as DIR/sent<path> and appending every request's path to DIR/record.
Listens on a free port of 127.0.0.1 and writes its number to DIR/port once
it listens."""

import os
import sys

import record_server

PAGE = ("<html><head><title>%s</title></head>"
        "<body><p id=\"t\">%s</p>%s</body></html>")

PAGES = {
    "/one": PAGE % ("One", "page one", ""),
    # The third page is reached by following this link.
    "/two": PAGE % ("Two", "page two", "<a id=\"next\" href=\"/three\">next</a>"),
    "/three": PAGE % ("Three", "page three", ""),
    "/script": PAGE % (
        "Script", "as served",
        "<script>document.getElementById('t').textContent ="
        " 'changed by script';</script>"),
    "/find": PAGE % ("Find", "apple Apple pear APPLE apple plum", ""),
    "/wide": PAGE % ("Wide", "wide", ""),
    "/latin": PAGE % ("Latin", "caf\u00e9 cr\u00e8me", ""),
}

# Sent in another charset than UTF-8.
CHARSETS = {"/latin": "iso-8859-1"}


def main():
    directory = sys.argv[1]

    class Handler(record_server.Handler):
        def do_GET(self):
            record_server.append(os.path.join(directory, "record"), self.path)
            path = self.path.split("?")[0]
            page = PAGES.get(path)
            status = 200
            if page is None:
                status = 404
                page = PAGE % ("Missing", "no such page", "")
            charset = CHARSETS.get(path, "utf-8")
            body = page.encode(charset)
            with open(os.path.join(directory, "sent" + path.replace("/", "_")),
                      "wb") as out:
                out.write(body)
            self.reply(status, body, "text/html; charset=" + charset,
                       [("Cache-Control", "no-store")])

    record_server.serve(Handler, os.path.join(directory, "port"))


if __name__ == "__main__":
    main()
