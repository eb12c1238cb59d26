#!/usr/bin/env python3
"""Serves pages for the cookie probe and records, for every request, its
path and the Cookie header it carried as one JSON line in RECORD. /set
answers with two cookies, srv=one and an HttpOnly hidden=two; /opener opens
/popup in a pop-up. Listens on a free port of 127.0.0.1 and writes its
number to PORT_FILE once it listens."""

import json
import sys

import record_server


def main():
    record_path, port_path = sys.argv[1], sys.argv[2]

    class Handler(record_server.Handler):
        def do_GET(self):
            path = self.path.split("?")[0]
            if path != "/favicon.ico":
                record_server.append(record_path, json.dumps({
                    "path": path,
                    "cookie": self.headers.get("Cookie", ""),
                }))
            script = ""
            if path == "/opener":
                script = "<script>window.open('/popup', 'probe-popup');</script>"
            page = ("<html><head><title>%s</title></head><body>%s</body>"
                    "</html>" % (path, script)).encode("utf-8")
            headers = [("Cache-Control", "no-store")]
            if path == "/set":
                headers += [("Set-Cookie", "srv=one; Path=/"),
                            ("Set-Cookie", "hidden=two; Path=/; HttpOnly")]
            self.reply(200, page, headers=headers)

    record_server.serve(Handler, port_path)


if __name__ == "__main__":
    main()
