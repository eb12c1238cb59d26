#!/usr/bin/env python3
"""Serves /start, redirects /redirect to /echo?redirected, and records every
request to /echo (path, method, headers in order, body) as one JSON line in
RECORD. Listens on a free port of
127.0.0.1 and writes its number to PORT_FILE once it listens."""

import json
import sys

import record_server


def main():
    record_path, port_path = sys.argv[1], sys.argv[2]

    class Handler(record_server.Handler):
        def answer(self):
            path = self.path.split("?")[0]
            length = int(self.headers.get("Content-Length") or 0)
            body = self.rfile.read(length) if length else b""
            if path == "/redirect":
                self.send_response(302)
                self.send_header("Location", "/echo?redirected")
                self.send_header("Content-Length", "0")
                self.end_headers()
                return
            if path == "/echo":
                record_server.append(record_path, json.dumps({
                    "path": self.path,
                    "method": self.command,
                    "headers": [[k, v] for k, v in self.headers.items()],
                    "body": body.decode("latin-1"),
                }))
            page = b"<html><head><title>%s</title></head></html>" % (
                path.encode("ascii", "replace"))
            self.reply(200 if path in ("/start", "/echo") else 404, page)

        do_GET = do_POST = do_PUT = answer

    record_server.serve(Handler, port_path)


if __name__ == "__main__":
    main()
