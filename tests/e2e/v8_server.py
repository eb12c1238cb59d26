#!/usr/bin/env python3
"""Serves the pages of the script-context probe: /page calls the program's
functions and reports what it got to /result?<line>, /next calls one before
the program's binding can have reached it. Each reported line goes to
RECORD. Listens on a free port of 127.0.0.1 and writes its number to
PORT_FILE once it listens."""

import sys
import urllib.parse

import record_server

COMMON = b"""
function report(line) { return fetch('/result?' + encodeURIComponent(line)); }
"""

PAGE = b"""<!DOCTYPE html><html><head><title>v8 page</title><script>
""" + COMMON + b"""
function add(a, b) { return a + b; }
function throws() { throw new Error('page threw'); }
function callIt() { return askProgram(7, 'two', [1, 2], {k: 'v'}); }
function start() {
  if (typeof askProgram !== 'function' || typeof doneProgram !== 'function') {
    setTimeout(start, 20);
    return;
  }
  callIt().then(function(v) { return report('ask=' + JSON.stringify(v)); },
                function(e) { return report('ask-error=' + e.message); })
    .then(function() { return failProgram(); })
    .then(function() { return report('fail=resolved'); },
          function(e) { return report('fail=' + e.message); })
    .then(function() { return probeExt.twice(21); })
    .then(function(v) { return report('ext=' + v); },
          function(e) { return report('ext-error=' + e.message); })
    .then(function() { doneProgram(); });
}
start();
</script></head><body>page</body></html>"""

NEXT = b"""<!DOCTYPE html><html><head><title>next</title><script>
""" + COMMON + b"""
askProgram(1, 'early', [], {k: 'e'})
  .then(function(v) { return report('early=' + v.text); },
        function(e) { return report('early-error=' + e.message); })
  .then(function() { doneProgram(); });
</script></head><body>next</body></html>"""


def main():
    record_path, port_path = sys.argv[1], sys.argv[2]

    class Handler(record_server.Handler):
        def do_GET(self):
            path, _, query = self.path.partition("?")
            if path == "/result":
                record_server.append(record_path,
                                     urllib.parse.unquote(query))
            body = {"/page": PAGE, "/next": NEXT}.get(path, b"")
            self.reply(200 if body or path == "/result" else 404, body)

    record_server.serve(Handler, port_path)


if __name__ == "__main__":
    main()
