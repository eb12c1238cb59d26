"""What the end-to-end tests' servers share: a quiet handler that answers
with whole bodies, a record appended a line at a time, and a server on a
free port of 127.0.0.1 whose number appears in a file once it listens."""

import http.server
import os


class Handler(http.server.BaseHTTPRequestHandler):
    def reply(self, status, body, content_type="text/html", headers=()):
        self.send_response(status)
        for name, value in headers:
            self.send_header(name, value)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        pass


def append(path, line):
    with open(path, "a", encoding="utf-8") as out:
        out.write(line + "\n")


def serve(handler, port_path):
    """Serves until killed. The port file appears whole, by a rename: the
    test polls for it and must not read half a number."""
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    with open(port_path + ".tmp", "w", encoding="ascii") as out:
        out.write(str(server.server_address[1]))
    os.rename(port_path + ".tmp", port_path)
    server.serve_forever()
