#!/usr/bin/env python3
"""Scripted HTTP/1.1 file server for the download tests.

Serves one deterministic body per size on 127.0.0.1 and, on command, answers
the way broken or hostile servers do: connections cut or stalled mid-body,
slow bodies, ranges ignored or answered from the wrong offset, error pages,
416, redirect chains and loops, bodies without a length, each connection
held to a rate, too many connections refused, a file that changes.  A test drives it
through stdin, one command per line; every command is answered on stdout.
See README.md beside this file for the protocol.

    python3 tests/servers/fault_server.py [--port N] [--cert PEM --key PEM]
    python3 tests/servers/fault_server.py --write-body N OUTFILE

Standard library only.
"""

import argparse
import email.utils
import json
import re
import select
import socket
import ssl
import struct
import sys
import threading
import time
import weakref
from http import HTTPStatus
from http.server import ThreadingHTTPServer
from urllib.parse import parse_qsl, urlsplit, urlunsplit

from servercontrol import (CLIENT_GONE, Console, QuietHandler, parse_range, printable,
                           report_request_error, serve_until_stopped)


# ---------------------------------------------------------------------------
# The body
# ---------------------------------------------------------------------------

def body_byte(i, version=0):
    """Byte i of every body.  The i // 251 term makes the pattern repeat only
    every 64256 bytes, so a body shifted by any amount short of that shows.
    The version term makes every byte of a changed file differ from the same
    byte of every other version (101 is odd, versions stay below 256)."""
    return (i * 7 + i // 251 + version * 101) % 256


PERIOD = 256 * 251  # body_byte(i + PERIOD) == body_byte(i)
SLICE_PERIODS = 16
MAX_SLICE = PERIOD * SLICE_PERIODS  # longest piece handed out at once (~1 MiB)
_PATTERN = bytes(body_byte(i) for i in range(PERIOD)) * (SLICE_PERIODS + 1)
_PATTERN_VIEWS = {0: memoryview(_PATTERN)}  # version -> its pattern
_PATTERN_LOCK = threading.Lock()

# Every body is a stand-in ISO image: an ISO 9660 primary volume
# descriptor begins 32 KiB in, the same in every version.
DESCRIPTOR_AT = 32768
DESCRIPTOR = b"\x01CD001\x01"

MAX_SIZE = 1 << 50
MAX_VERSION = 255
FIRST_MODIFIED = 1704067200  # Mon, 01 Jan 2024 00:00:00 GMT


def body_piece(start, length, version=0):
    """Bytes [start, start + length) of the body; length at most MAX_SLICE."""
    with _PATTERN_LOCK:
        view = _PATTERN_VIEWS.get(version)
        if view is None:
            shift = bytes((b + version * 101) % 256 for b in range(256))
            view = _PATTERN_VIEWS[version] = memoryview(_PATTERN.translate(shift))
    offset = start % PERIOD
    piece = view[offset:offset + length]
    low, high = max(start, DESCRIPTOR_AT), min(start + length, DESCRIPTOR_AT + len(DESCRIPTOR))
    if low >= high:
        return piece
    patched = bytearray(piece)
    patched[low - start:high - start] = DESCRIPTOR[low - DESCRIPTOR_AT:high - DESCRIPTOR_AT]
    return bytes(patched)


def write_body(size, path, version=0):
    with open(path, "wb") as f:
        done = 0
        while done < size:
            n = min(MAX_SLICE, size - done)
            f.write(body_piece(done, n, version))
            done += n


def etag_of(size, version=0):
    return '"fault-%x"' % size if version == 0 else '"fault-%x-%d"' % (size, version)


def last_modified_of(version=0):
    """One day later for each version."""
    return email.utils.formatdate(FIRST_MODIFIED + version * 86400, usegmt=True)


# ---------------------------------------------------------------------------
# Switches
# ---------------------------------------------------------------------------

# Switches that choose the answer; a GET takes the first one that applies.
# "range" ones apply only to GETs with a usable single Range header.
ANSWER_SWITCHES = ("status", "redirect", "416", "badrange", "ignorerange")
RANGE_SWITCHES = ("416", "badrange", "ignorerange")
# Switches that shape a file body (200 or 206); a GET takes at most one of
# each group.
CUT_SWITCHES = ("drop", "rst", "stall")
PACE_SWITCHES = ("drip",)
FRAMING_SWITCHES = ("nolength", "chunked", "keepopen")

# verb -> (argument name or None, lowest value, highest value)
SWITCHES = {
    "drop": ("BYTES", 0, 1 << 62),
    "rst": ("BYTES", 0, 1 << 62),
    "stall": ("AFTER_BYTES", 0, 1 << 62),
    "drip": ("BYTES_PER_SEC", 1, 1 << 40),
    "ignorerange": (None, 0, 0),
    "badrange": ("OFFSET", 0, 1 << 62),
    "status": ("CODE", 200, 599),
    "416": (None, 0, 0),
    "redirect": ("HOPS", 1, 1000),
    "nolength": (None, 0, 0),
    "chunked": (None, 0, 0),
    "keepopen": (None, 0, 0),
    "hang": (None, 0, 0),
}
# Settings: they hold until changed or reset, for every request.
# verb -> (argument name, lowest value, highest value)
SETTINGS = {
    "cap": ("RATE", 0, 1 << 40),
    "version": ("V", 0, MAX_VERSION),
    "ifrange": ("HONOURED", 0, 1),
}
# How a file GET beyond the limit is answered.
LIMIT_ANSWERS = ("503", "429", "close", "rst")
NO_BODY_CODES = (204, 205, 304)
NUMBER_RE = re.compile(r"[0-9]{1,19}", re.ASCII)
MAX_COUNT = 1000000000
KEEPOPEN_S = 30.0
RELEASE_WAIT_S = 5.0


class CommandError(Exception):
    pass


class Switches:
    """Shared state: armed switches, requests seen, held connections."""

    def __init__(self):
        self.lock = threading.Lock()
        self.stopping = threading.Event()
        self._armed = {}  # verb -> [value, requests left]
        self._requests = []
        self.cap = 0  # bytes per second per connection, 0: none
        self.version = 0
        self.ifrange = 1  # 0: If-Range is ignored, as by a careless cache
        self._limit = None  # (K, answer) or None
        self._connections = 0  # TCP connections accepted, since start
        self._busy = 0  # file transfers in progress
        self._peak = 0  # most file transfers at once, since start or reset
        self._refused = 0  # file GETs refused by the limit, since start or reset
        self._sent = 0  # file body bytes handed to sockets, since start or reset
        self._release = threading.Event()  # set (and replaced) by release/reset
        self._held = 0
        self._held_changed = threading.Condition(self.lock)

    def arm(self, verb, value, count):
        with self.lock:
            if count:
                self._armed[verb] = [value, count]
            else:
                self._armed.pop(verb, None)

    def take(self, verb):
        """(True, value) and one use counted when the switch is armed."""
        with self.lock:
            entry = self._armed.get(verb)
            if not entry:
                return False, None
            entry[1] -= 1
            if entry[1] <= 0:
                del self._armed[verb]
            return True, entry[0]

    def take_first(self, verbs):
        """(verb, value) of the first armed switch of verbs, used once; (None, None)."""
        with self.lock:
            for verb in verbs:
                entry = self._armed.get(verb)
                if entry:
                    entry[1] -= 1
                    if entry[1] <= 0:
                        del self._armed[verb]
                    return verb, entry[0]
        return None, None

    def set(self, verb, value):
        with self.lock:
            setattr(self, verb, value)

    def set_limit(self, limit):
        with self.lock:
            self._limit = limit

    def new_connection(self):
        """The id of a newly accepted connection: 1, 2, ... since start."""
        with self.lock:
            self._connections += 1
            return self._connections

    def admit(self):
        """None when a file transfer may begin (then counted as in progress
        until leave()); the limit's answer when K others are in progress."""
        with self.lock:
            if self._limit is not None and self._busy >= self._limit[0]:
                self._refused += 1
                return self._limit[1]
            self._busy += 1
            self._peak = max(self._peak, self._busy)
            return None

    def leave(self):
        with self.lock:
            self._busy -= 1

    def count_sent(self, n):
        with self.lock:
            self._sent += n

    def record(self, method, path, headers, connection):
        with self.lock:
            self._requests.append({"method": method, "path": path, "range": headers.get("Range"),
                                   "ifrange": headers.get("If-Range"), "conn": connection})

    def stats_line(self):
        with self.lock:
            return "STATS connections=%d busy=%d peak=%d refused=%d sent=%d" % (
                self._connections, self._busy, self._peak, self._refused, self._sent)

    def requests_line(self):
        with self.lock:
            return "REQUESTS %d %s" % (len(self._requests), json.dumps(
                self._requests, ensure_ascii=True, separators=(",", ":")))

    # -- held connections (hang, stall, keepopen) ---------------------------

    def hold(self):
        """Registers a held connection; returns the event that releases it."""
        with self.lock:
            self._held += 1
            return self._release

    def unhold(self):
        with self.lock:
            self._held -= 1
            self._held_changed.notify_all()

    def release_held(self):
        """Closes every held connection; waits (a little) until they are closed."""
        with self.lock:
            event, self._release = self._release, threading.Event()
            event.set()
            deadline = time.monotonic() + RELEASE_WAIT_S
            while self._held > 0:
                left = deadline - time.monotonic()
                if left <= 0:
                    break
                self._held_changed.wait(left)

    def reset(self):
        with self.lock:
            self._armed.clear()
            self._requests.clear()
            self.cap = self.version = 0
            self.ifrange = 1
            self._limit = None
            self._peak = self._busy
            self._refused = self._sent = 0
        self.release_held()


class Controller:
    """Applies the commands read from stdin."""

    def __init__(self, switches):
        self.switches = switches

    def execute(self, line):
        """Returns (answer line, quit requested)."""
        words = line.split()
        verb, args = words[0].lower(), words[1:]
        try:
            if verb in SWITCHES:
                self._switch(verb, args)
            elif verb in SETTINGS:
                name, lowest, highest = SETTINGS[verb]
                if len(args) != 1:
                    raise CommandError("usage: %s %s" % (verb, name))
                self.switches.set(verb, self._number(args[0], name, lowest, highest))
            elif verb == "limit":
                self._limit(args)
            elif verb in ("release", "reset", "requests", "stats", "quit"):
                if args:
                    raise CommandError("%s takes no argument" % verb)
                if verb == "release":
                    self.switches.release_held()
                elif verb == "reset":
                    self.switches.reset()
                elif verb == "requests":
                    return self.switches.requests_line(), False
                elif verb == "stats":
                    return self.switches.stats_line(), False
            else:
                raise CommandError("unknown command %s" % printable(verb))
        except CommandError as error:
            return "ERR " + str(error), False
        return "OK " + printable(line), verb == "quit"

    def _switch(self, verb, args):
        name, lowest, highest = SWITCHES[verb]
        wanted = (1 if name else 0)
        if not wanted <= len(args) <= wanted + 1:
            raise CommandError("usage: %s%s [N]" % (verb, " " + name if name else ""))
        value = None
        if name:
            value = self._number(args[0], name, lowest, highest)
            if verb == "status" and value in NO_BODY_CODES:
                raise CommandError("status %d cannot carry the error page" % value)
        count = self._number(args[-1], "N", 0, MAX_COUNT) if len(args) > wanted else 1
        self.switches.arm(verb, value, count)

    def _limit(self, args):
        if not 1 <= len(args) <= 2:
            raise CommandError("usage: limit K [%s]" % "|".join(LIMIT_ANSWERS))
        answer = args[1].lower() if len(args) > 1 else "503"
        if answer not in LIMIT_ANSWERS:
            raise CommandError("the limit's answer is one of %s" % ", ".join(LIMIT_ANSWERS))
        count = self._number(args[0], "K", 0, MAX_COUNT)
        self.switches.set_limit((count, answer) if count else None)

    @staticmethod
    def _number(text, name, lowest, highest):
        if not NUMBER_RE.fullmatch(text) or not lowest <= int(text) <= highest:
            raise CommandError("%s must be an integer from %d to %d" % (name, lowest, highest))
        return int(text)


# ---------------------------------------------------------------------------
# HTTP
# ---------------------------------------------------------------------------

class BodyPlan:
    """How one file body goes out."""

    def __init__(self):
        self.cut = None  # "drop", "rst" or "stall"
        self.cut_bytes = 0
        self.rate = None  # bytes per second: drip or cap, the lower
        self.framing = None  # "nolength", "chunked" or "keepopen"


class FaultHandler(QuietHandler):
    protocol_version = "HTTP/1.1"
    server_version = "FaultServer/1.0"
    timeout = 60  # socket timeout: reading a request, or a client that stops reading

    def setup(self):
        super().setup()
        self.connection_id = self.server.switches.new_connection()
        self.file_version = 0  # as the request found it

    def do_GET(self):
        self._dispatch(head=False)

    def do_HEAD(self):
        self._dispatch(head=True)

    def do_POST(self):
        self.server.switches.record(self.command, self.path, self.headers, self.connection_id)
        if urlsplit(self.path).path != "/dns-query":
            self.close_connection = True
            self._send_small(404, "Not found", False)
            return
        self._answer_no_such_host()

    # -- DNS over HTTPS --------------------------------------------------------

    def _answer_no_such_host(self):
        """Answers every DNS-over-HTTPS question with "no such name", so a
        test can see a failed name lookup without asking any real resolver."""
        try:
            length = int(self.headers.get("Content-Length", "0"))
        except ValueError:
            length = 0
        query = self.rfile.read(min(max(length, 0), 4096))
        if len(query) < 12:
            self._send_small(400, "Bad DNS query", False)
            return
        question_count = query[4:6]
        # Same id, response + recursion desired/available, rcode 3 (NXDOMAIN),
        # the question echoed, no answers.
        answer = query[0:2] + bytes([0x81, 0x83]) + question_count + bytes(6) + query[12:]
        self.send_response(200)
        self.send_header("Content-Type", "application/dns-message")
        self.send_header("Content-Length", str(len(answer)))
        self.end_headers()
        self.wfile.write(answer)

    # -- routing -------------------------------------------------------------

    def _dispatch(self, head):
        sw = self.server.switches
        sw.record(self.command, self.path, self.headers, self.connection_id)
        self.file_version = sw.version
        if self.headers.get("Content-Length", "0").strip() != "0" \
                or self.headers.get("Transfer-Encoding"):
            self.close_connection = True  # a request body is never read
        try:
            parts = urlsplit(self.path)
        except ValueError:
            self._send_small(400, "Bad request", head)
            return
        path = parts.path
        if path == "/loop":
            self._send_redirect(self.path, head)
            return
        if path == "/goto":
            targets = [v for k, v in parse_qsl(parts.query) if k == "to"]
            if len(targets) != 1 or any(ord(c) < 0x21 for c in targets[0]):
                self._send_small(400, "The goto URL needs ?to=URL once", head)
                return
            self._send_redirect(targets[0], head)
            return
        chain = re.fullmatch(r"/chain/([0-9]{1,6})/([^/]+)", path, re.ASCII)
        if chain and int(chain.group(1)) > 0:
            target = "/chain/%d/%s" % (int(chain.group(1)) - 1, chain.group(2))
            self._send_redirect(urlunsplit(("", "", target, parts.query, "")), head)
            return
        single = re.fullmatch(r"/file/([^/]+)", path)
        if not chain and not single:
            self._send_small(404, "Not found", head)
            return
        size = self._size(parts.query)
        if size is None:
            self._send_small(400, "The file URL needs ?size=N (N from 0 to %d)" % MAX_SIZE, head)
            return
        if head:
            self._file_answer(size, None, BodyPlan(), head=True)
            return
        refusal = sw.admit()
        if refusal is not None:
            self._refuse(refusal)
            return
        try:
            self._file_get(size, parts, from_chain=bool(chain))
        finally:
            sw.leave()

    @staticmethod
    def _size(query):
        values = [v for k, v in parse_qsl(query, keep_blank_values=True) if k == "size"]
        if len(values) != 1 or not re.fullmatch(r"[0-9]{1,16}", values[0], re.ASCII):
            return None
        size = int(values[0])
        return size if size <= MAX_SIZE else None

    def _wanted_range(self, size):
        """The requested range as parse_range reads it, or None when the request
        has no usable Range (none, several, malformed, or a failed If-Range)."""
        wanted = parse_range(self.headers.get("Range"), size)
        condition = self.headers.get("If-Range") if self.server.switches.ifrange else None
        if wanted is not None and condition is not None \
                and condition.strip() not in (etag_of(size, self.file_version),
                                              last_modified_of(self.file_version)):
            return None
        return wanted

    def _file_get(self, size, parts, from_chain):
        sw = self.server.switches
        wanted = self._wanted_range(size)
        answer_verbs = [v for v in ANSWER_SWITCHES
                        if (wanted is not None or v not in RANGE_SWITCHES)
                        and (v != "redirect" or not from_chain)]
        verb, value = sw.take_first(("hang",) + tuple(answer_verbs))
        if verb == "hang":
            self._hold(None)
            self.close_connection = True
            return
        if verb == "status":
            self._send_error_page(value)
            return
        if verb == "redirect":
            name = parts.path[len("/file/"):]
            target = "/chain/%d/%s" % (value - 1, name)
            self._send_redirect(urlunsplit(("", "", target, parts.query, "")), False)
            return
        if verb == "416" or (verb is None and wanted == "unsatisfiable"):
            self._send_unsatisfiable(size)
            return
        if verb == "ignorerange":
            wanted = None
        elif verb == "badrange":
            if value >= size:
                self._send_unsatisfiable(size)
                return
            end = size - 1 if wanted == "unsatisfiable" or wanted[1] < value else wanted[1]
            wanted = (value, end)
        plan = BodyPlan()
        plan.cut, plan.cut_bytes = sw.take_first(CUT_SWITCHES)
        pace, rate = sw.take_first(PACE_SWITCHES)
        rates = [r for r in (rate if pace else 0, sw.cap) if r]
        plan.rate = min(rates) if rates else None
        plan.framing, _ = sw.take_first(FRAMING_SWITCHES)
        self._file_answer(size, wanted, plan, head=False)

    # -- answers -------------------------------------------------------------

    def _file_answer(self, size, wanted, plan, head):
        if head and wanted is None:
            wanted = self._wanted_range(size)
        if wanted == "unsatisfiable":
            self._send_unsatisfiable(size, head)
            return
        if wanted is None:
            code, start, length = 200, 0, size
        else:
            code, start, length = 206, wanted[0], wanted[1] - wanted[0] + 1
        self.send_response(code)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Accept-Ranges", "bytes")
        self.send_header("ETag", etag_of(size, self.file_version))
        self.send_header("Last-Modified", last_modified_of(self.file_version))
        if code == 206:
            self.send_header("Content-Range", "bytes %d-%d/%d" % (start, start + length - 1, size))
        if plan.framing == "chunked":
            self.send_header("Transfer-Encoding", "chunked")
        elif plan.framing == "nolength":
            self.send_header("Connection", "close")
        else:
            self.send_header("Content-Length", str(length))
            if plan.framing == "keepopen":
                self.send_header("Connection", "close")
        self.end_headers()
        if head:
            return
        self._send_body(start, length, plan)

    def _send_body(self, start, length, plan):
        sw = self.server.switches
        limit = length if plan.cut is None else min(length, plan.cut_bytes)
        chunked = plan.framing == "chunked"
        step = MAX_SLICE if plan.rate is None else max(1, min(MAX_SLICE, plan.rate // 20))
        began = time.monotonic()
        sent = 0
        while sent < limit:
            n = min(step, limit - sent)
            piece = body_piece(start + sent, n, self.file_version)
            if chunked:
                self.wfile.write(b"%x\r\n" % n)
                self.wfile.write(piece)
                self.wfile.write(b"\r\n")
            else:
                self.wfile.write(piece)
            sent += n
            sw.count_sent(n)
            if plan.rate is not None:
                delay = began + sent / plan.rate - time.monotonic()
                if delay > 0 and sw.stopping.wait(delay):
                    self.close_connection = True
                    return
        if plan.cut == "drop":
            self._drop()
        elif plan.cut == "rst":
            self._reset_connection()
        elif plan.cut == "stall":
            self._hold(None)
            self.close_connection = True
        else:
            if chunked:
                self.wfile.write(b"0\r\n\r\n")
            if plan.framing == "keepopen":
                self._hold(KEEPOPEN_S)
                self.close_connection = True
            elif plan.framing == "nolength":
                self.close_connection = True

    def _refuse(self, answer):
        """A file GET beyond the limit: closed at once (FIN or reset) or an error page."""
        if answer == "close":
            self.close_connection = True
        elif answer == "rst":
            self._reset_connection()
        else:
            self._send_error_page(int(answer), {"Retry-After": "1"})

    def _drop(self):
        """Closes with FIN: whatever was sent arrives, then the end of the stream."""
        self.close_connection = True
        try:
            self.connection.shutdown(socket.SHUT_WR)
            # Read until the client closes too, so the close sends no reset.
            deadline = time.monotonic() + 2.0
            while time.monotonic() < deadline:
                readable, _, _ = select.select([self.connection], [], [], 0.1)
                if readable and not self.connection.recv(65536):
                    break
        except (OSError, ValueError):
            pass

    def _reset_connection(self):
        """Closes with RST (SO_LINGER 0): the client gets "connection reset"."""
        self.close_connection = True
        try:
            self.connection.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER,
                                       struct.pack("ii", 1, 0))
        except OSError:
            pass
        self.server.abort_on_close(self.connection)

    def _hold(self, timeout):
        """Keeps the connection open and silent until release, reset, shutdown,
        the client closing it, or timeout (seconds, None = no limit)."""
        sw = self.server.switches
        released = sw.hold()
        try:
            deadline = None if timeout is None else time.monotonic() + timeout
            while not released.is_set() and not sw.stopping.is_set():
                if deadline is not None and time.monotonic() >= deadline:
                    break
                readable, _, _ = select.select([self.connection], [], [], 0.1)
                if readable and not self.connection.recv(65536):
                    break  # the client closed its end
        except (OSError, ValueError, ssl.SSLError):
            pass
        finally:
            sw.unhold()

    def _send_unsatisfiable(self, size, head=False):
        body = b"<html><body><h1>416 Range Not Satisfiable</h1></body></html>\n"
        self.send_response(416)
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Range", "bytes */%d" % size)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        if not head:
            self.wfile.write(body)

    def _send_error_page(self, code, headers=None):
        try:
            reason = HTTPStatus(code).phrase
        except ValueError:
            reason = "Error"
        text = ("<html><head><title>%d %s</title></head><body><h1>%d Error</h1>\n"
                "<p>%s. The fault server sent this page instead of the file because a test "
                "asked for status %d.</p>\n" % (code, reason, code, reason, code))
        while len(text) < 300:
            text += "<p>This page stands in for the error page of a real web server.</p>\n"
        body = (text + "</body></html>\n").encode("ascii")
        self.send_response(code, reason)
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(len(body)))
        for name, value in (headers or {}).items():
            self.send_header(name, value)
        self.end_headers()
        self.wfile.write(body)

    def _send_redirect(self, location, head):
        body = b"<html><body><h1>302 Found</h1></body></html>\n"
        self.send_response(302)
        self.send_header("Location", location)
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        if not head:
            self.wfile.write(body)

    def _send_small(self, code, text, head):
        body = ("<html><body><h1>%d</h1><p>%s</p></body></html>\n" % (code, text)).encode("ascii")
        self.send_response(code)
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        if not head:
            self.wfile.write(body)


class FaultServer(ThreadingHTTPServer):
    daemon_threads = True
    request_queue_size = 64

    def __init__(self, address, switches, tls_context=None):
        self.switches = switches
        self.tls_context = tls_context
        self._aborted = weakref.WeakSet()
        super().__init__(address, FaultHandler)

    def get_request(self):
        sock, address = super().get_request()
        if self.tls_context is not None:
            # The handshake happens on the first read, in the request's own thread.
            sock = self.tls_context.wrap_socket(sock, server_side=True,
                                                do_handshake_on_connect=False)
        return sock, address

    def abort_on_close(self, sock):
        self._aborted.add(sock)

    def shutdown_request(self, request):
        if request in self._aborted:
            self.close_request(request)  # no FIN first: the linger-0 close resets
            return
        super().shutdown_request(request)

    def handle_error(self, request, client_address):
        # A client that spoke no TLS is no fault of the server either.
        report_request_error("fault_server", CLIENT_GONE + (ssl.SSLError,))


# ---------------------------------------------------------------------------
# Main
# ---------------------------------------------------------------------------

def main(argv=None):
    parser = argparse.ArgumentParser(description="Scripted HTTP file server for download tests.")
    parser.add_argument("--port", type=int, default=0,
                        help="port to listen on (default: a free one)")
    parser.add_argument("--cert", help="PEM certificate: serve HTTPS instead of HTTP")
    parser.add_argument("--key", help="PEM private key of --cert")
    parser.add_argument("--write-body", nargs=2, metavar=("N", "OUTFILE"),
                        help="write the N-byte body to OUTFILE and exit")
    parser.add_argument("--body-version", type=int, default=0, metavar="V",
                        help="with --write-body: the body of version V (0 to %d)" % MAX_VERSION)
    options = parser.parse_args(argv)

    if options.write_body:
        size_text, path = options.write_body
        if not re.fullmatch(r"[0-9]{1,16}", size_text, re.ASCII) or int(size_text) > MAX_SIZE:
            parser.error("--write-body needs a size from 0 to %d" % MAX_SIZE)
        if not 0 <= options.body_version <= MAX_VERSION:
            parser.error("--body-version must be from 0 to %d" % MAX_VERSION)
        try:
            write_body(int(size_text), path, options.body_version)
        except OSError as error:
            sys.stderr.write("fault_server: cannot write %s: %s\n" % (path, error))
            return 1
        return 0

    if not 0 <= options.port <= 65535:
        parser.error("--port must be between 0 and 65535")
    if bool(options.cert) != bool(options.key):
        parser.error("--cert and --key go together")
    context = None
    if options.cert:
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.minimum_version = ssl.TLSVersion.TLSv1_2
        try:
            context.load_cert_chain(options.cert, options.key)
        except (OSError, ssl.SSLError) as error:
            sys.stderr.write("fault_server: cannot load --cert/--key: %s\n" % error)
            return 1

    console = Console(sys.stdout)
    switches = Switches()
    try:
        server = FaultServer(("127.0.0.1", options.port), switches, context)
    except OSError as error:
        sys.stderr.write("fault_server: cannot listen on 127.0.0.1:%d: %s\n"
                         % (options.port, error))
        return 1
    serve_until_stopped(server, Controller(switches), console, switches.stopping)


if __name__ == "__main__":
    sys.exit(main())
