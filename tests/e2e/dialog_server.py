#!/usr/bin/env python3
"""Serves the dialog probe's pages, /page/<mode>, whose scripts report what
they got by loading /result?value=<JSON>; and /upload, the file form's
target. Records each result and each uploaded file as one JSON line in
RECORD. Listens on a free port of 127.0.0.1 and writes its number to
PORT_FILE once it listens."""

import email
import email.policy
import json
import sys
import urllib.parse

import record_server

REPORT = """<script>
function report(value) {
  location.href = '/result?value=' + encodeURIComponent(JSON.stringify(value));
}
</script>"""

# The script each page runs as it loads.
ON_LOAD = {
    "alert": "alert('Hello from the page'); report('alerted');",
    "confirm": "report(confirm('Proceed?'));",
    "prompt": "report(prompt('Your name?', 'Anonymous'));",
}

FILE_FORM = """<form id="form" method="post" action="/upload"
      enctype="multipart/form-data">
<input type="file" id="file" name="file" accept="text/plain,image/png">
</form>
<script>
var file = document.getElementById('file');
file.addEventListener('change', function() {
  document.getElementById('form').submit();
});
file.addEventListener('cancel', function() { report('cancelled'); });
</script>"""

LEAVE = """<script>
window.addEventListener('beforeunload', function(e) {
  e.preventDefault();
  e.returnValue = 'Unsaved work';
  return 'Unsaved work';
});
</script>"""


def page(mode):
    body = REPORT
    if mode in ("file", "file-cancel"):
        body += FILE_FORM
    elif mode in ("leave", "stay"):
        body += LEAVE
    else:
        kind = "alert" if mode == "alert" else (
            "prompt" if mode.startswith("prompt") else "confirm")
        body += "<script>" + ON_LOAD[kind] + "</script>"
    return ("<html><head><title>%s</title></head><body>%s</body></html>"
            % (mode, body)).encode("utf-8")


def main():
    record_path, port_path = sys.argv[1], sys.argv[2]

    def record(entry):
        record_server.append(record_path, json.dumps(entry))

    class Handler(record_server.Handler):
        def answer(self):
            url = urllib.parse.urlsplit(self.path)
            length = int(self.headers.get("Content-Length") or 0)
            body = self.rfile.read(length) if length else b""
            status, content = 200, b"<html><head><title>done</title></head></html>"
            if url.path.startswith("/page/"):
                content = page(url.path[len("/page/"):])
            elif url.path == "/result":
                query = urllib.parse.parse_qs(url.query)
                record({"result": query.get("value", [""])[0]})
            elif url.path == "/upload":
                message = email.message_from_bytes(
                    b"Content-Type: " +
                    self.headers.get("Content-Type", "").encode("latin-1") +
                    b"\r\n\r\n" + body, policy=email.policy.HTTP)
                files = []
                for part in message.iter_parts():
                    payload = part.get_payload(decode=True) or b""
                    files.append({"name": part.get_filename() or "",
                                  "content": payload.decode("latin-1")})
                record({"upload": files})
            else:
                status = 404
            self.reply(status, content, "text/html; charset=utf-8")

        do_GET = do_POST = answer

    record_server.serve(Handler, port_path)


if __name__ == "__main__":
    main()
