"""What the scripted test servers share: stdout lines, the stdin command loop,
a quiet request handler base, the report of a handler's own errors and the
run-until-told-to-stop tail of main().

vendor_replica.py and fault_server.py import it as a sibling module (they are
started as `python3 tests/servers/<name>.py`, so this directory comes first on
sys.path).  A server brings its own HTTP server and a controller whose
execute(line) returns (answer line, quit requested); see README.md beside this
file for the protocol both follow.

Standard library only.
"""

import os
import re
import signal
import socket
import sys
import threading
import time
import traceback
from http.server import BaseHTTPRequestHandler

# Errors of a client that went away mid-request; not worth a report.
CLIENT_GONE = (ConnectionError, TimeoutError, socket.timeout)


def printable(text):
    """Replaces control characters so one value stays on one output line."""
    return "".join(c if ord(c) >= 0x20 and not 0x7f <= ord(c) <= 0x9f else "?" for c in text)


class QuietHandler(BaseHTTPRequestHandler):
    """A request handler that logs nothing and answers `Server:` with its
    server_version alone (no Python version)."""

    sys_version = ""

    def version_string(self):
        return self.server_version

    def log_message(self, format, *args):
        pass


class Console:
    """Serialized, flushed lines on stdout."""

    def __init__(self, stream):
        self._stream = stream
        self._lock = threading.Lock()

    def line(self, text):
        with self._lock:
            try:
                self._stream.write(text + "\n")
                self._stream.flush()
            except (OSError, ValueError):
                pass  # nobody listening any more


def report_request_error(server_name, quiet=CLIENT_GONE):
    """For a server's handle_error(): a traceback on stderr for the error being
    handled, unless it is one of quiet (then it is the client's fault)."""
    if isinstance(sys.exc_info()[1], quiet):
        return
    sys.stderr.write("%s: error while handling a request:\n" % server_name)
    traceback.print_exc(file=sys.stderr)
    sys.stderr.flush()


def read_commands(controller, console, stop):
    """Reads commands from stdin until EOF or quit, then asks for shutdown."""
    pending = b""
    try:
        while not stop.is_set():
            try:
                chunk = os.read(0, 4096)
            except InterruptedError:
                continue
            lines = (pending + chunk).split(b"\n")
            pending = lines.pop() if chunk else b""
            for raw in lines:
                line = raw.decode("utf-8", "replace").strip()
                if not line:
                    continue
                answer, wants_quit = controller.execute(line)
                console.line(answer)
                if wants_quit:
                    return
            if not chunk:
                return  # EOF
    except OSError:
        return  # stdin unusable: treat like EOF
    finally:
        stop.set()


def leave(status):
    """Flushes stdout and ends the process at once.  Handler threads and a
    reader blocked on stdin would otherwise keep it alive; none of them holds
    anything that needs cleaning up."""
    try:
        sys.stdout.flush()
    except (OSError, ValueError):
        pass
    os._exit(status)


def serve_until_stopped(server, controller, console, stop, before_shutdown=None):
    """Prints `PORT <n>`, serves and answers stdin commands until EOF of stdin,
    a command asking to quit, SIGTERM or SIGINT; then sets stop, calls
    before_shutdown (if any), shuts the server down and exits with status 0.
    Never returns."""
    console.line("PORT %d" % server.server_address[1])

    signalled = []

    def on_signal(signum, frame):
        signalled.append(signum)  # the main loop notices; no locks taken here

    signal.signal(signal.SIGTERM, on_signal)
    signal.signal(signal.SIGINT, on_signal)

    serving = threading.Thread(target=server.serve_forever, kwargs={"poll_interval": 0.1},
                               name="serve", daemon=True)
    serving.start()
    reader = threading.Thread(target=read_commands, args=(controller, console, stop),
                              name="commands", daemon=True)
    reader.start()

    while not stop.is_set() and not signalled:
        time.sleep(0.05)

    stop.set()
    if before_shutdown is not None:
        before_shutdown()
    server.shutdown()
    server.server_close()
    leave(0)


def parse_range(header, size):
    """Reads a Range header as one range: (start, end) inclusive, "unsatisfiable",
    or None when it is not a single byte range (then the whole body is sent)."""
    if header is None:
        return None
    # Numbers are capped in length so that int() never meets an absurd one.
    m = re.fullmatch(r"\s*bytes\s*=\s*([0-9]{0,19})\s*-\s*([0-9]{0,19})\s*", header, re.ASCII)
    if not m or (not m.group(1) and not m.group(2)):
        return None
    if not m.group(1):
        suffix = int(m.group(2))
        if suffix == 0 or size == 0:
            return "unsatisfiable"
        return max(0, size - suffix), size - 1
    start = int(m.group(1))
    if m.group(2) and int(m.group(2)) < start:
        return None
    if start >= size:
        return "unsatisfiable"
    end = int(m.group(2)) if m.group(2) else size - 1
    return start, min(end, size - 1)
