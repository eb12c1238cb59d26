#!/usr/bin/env python3
"""Serves pages for the cookie probe and records, for every request, its
path and the Cookie header it carried as one JSON line in RECORD. /set
answers with two cookies, srv=one and an HttpOnly hidden=two; /opener opens
/popup in a pop-up. Listens on a free port of 127.0.0.1 and writes its
number to PORT_FILE once it listens."""

import http.server
import json
import sys


def main():
    record_path, port_path = sys.argv[1], sys.argv[2]

    class Handler(http.server.BaseHTTPRequestHandler):
        def do_GET(self):
            path = self.path.split("?")[0]
            if path != "/favicon.ico":
                with open(record_path, "a", encoding="utf-8") as out:
                    out.write(json.dumps({
                        "path": path,
                        "cookie": self.headers.get("Cookie", ""),
                    }) + "\n")
            script = ""
            if path == "/opener":
                script = "<script>window.open('/popup', 'probe-popup');</script>"
            page = ("<html><head><title>%s</title></head><body>%s</body>"
                    "</html>" % (path, script)).encode("utf-8")
            self.send_response(200)
            if path == "/set":
                self.send_header("Set-Cookie", "srv=one; Path=/")
                self.send_header("Set-Cookie", "hidden=two; Path=/; HttpOnly")
            self.send_header("Content-Type", "text/html")
            self.send_header("Content-Length", str(len(page)))
            self.send_header("Cache-Control", "no-store")
            self.end_headers()
            self.wfile.write(page)

        def log_message(self, *args):
            pass

    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    with open(port_path, "w", encoding="ascii") as out:
        out.write(str(server.server_address[1]))
    server.serve_forever()


if __name__ == "__main__":
    main()
