#!/usr/bin/env python3
"""Runs a throwaway nginx on 127.0.0.1 that serves a directory over HTTP and HTTPS.

The download tests use it as the "well-behaved real server": ranges, ETags,
keep-alive, sendfile and TLS exactly as nginx does them.  Everything it needs
(a test CA, a server certificate for 127.0.0.1 and localhost, nginx.conf,
logs, pid and temp directories) is made in a work directory, by default a
temporary one removed at exit.

    python3 tests/servers/nginx_server.py --root DIR [--workdir DIR] [--untrusted-https]

Once nginx answers, one flushed stdout line:

    READY http=<port> https=<port> [https_untrusted=<port>] ca=<CA certificate path>

(`ca=` is always last and runs to the end of the line.)  It then runs until
stdin reaches EOF or a SIGTERM/SIGINT/SIGHUP arrives, stops nginx and cleans
up.  Any failure: a message on stderr and a non-zero exit status.  See
README.md beside this file.

Standard library, the `openssl` command and /usr/sbin/nginx.
"""

import argparse
import ctypes
import grp
import os
import pwd
import secrets
import shutil
import signal
import socket
import ssl
import subprocess
import sys
import tempfile
import threading
import time

from servercontrol import leave

NGINX = "/usr/sbin/nginx"
OPENSSL = "openssl"
READY_TIMEOUT_S = 15.0
STOP_TIMEOUT_S = 2.0
BIND_ATTEMPTS = 5
CERT_DAYS = "30"

# Both server certificates are for the same names and uses; only the CA-signed
# one names its issuer's key.
LEAF_EXTENSIONS = """\
basicConstraints = critical,CA:FALSE
keyUsage = critical,digitalSignature,keyEncipherment
extendedKeyUsage = serverAuth
subjectAltName = IP:127.0.0.1,DNS:localhost
subjectKeyIdentifier = hash
"""

OPENSSL_CONFIG = """\
[req]
distinguished_name = dn
prompt = no

[dn]
CN = unused

[ca_ext]
basicConstraints = critical,CA:TRUE
keyUsage = critical,keyCertSign,cRLSign
subjectKeyIdentifier = hash

[server_ext]
{leaf}authorityKeyIdentifier = keyid,issuer

[untrusted_ext]
{leaf}""".format(leaf=LEAF_EXTENSIONS)

EC_KEY = ["-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes"]


class Failure(Exception):
    """A reason to give up, already worded for the person reading stderr."""


def fail_message(text):
    try:
        sys.stderr.write("nginx_server: %s\n" % text.rstrip("\n"))
        sys.stderr.flush()
    except (OSError, ValueError):
        pass


# ---------------------------------------------------------------------------
# Certificates
# ---------------------------------------------------------------------------

def run_openssl(args, workdir):
    try:
        done = subprocess.run([OPENSSL] + args, cwd=workdir, stdin=subprocess.DEVNULL,
                              stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=60)
    except FileNotFoundError:
        raise Failure("the openssl command is not installed")
    except subprocess.TimeoutExpired:
        raise Failure("openssl %s did not finish within 60 s" % args[0])
    if done.returncode != 0:
        raise Failure("openssl %s failed (exit status %d):\n%s"
                      % (" ".join(args), done.returncode,
                         done.stdout.decode("utf-8", "replace")))


def make_certificates(workdir, untrusted):
    """Writes ca.pem/ca.key, server.pem/server.key (signed by the CA) and, when
    asked, untrusted.pem/untrusted.key (self-signed, unknown to the CA)."""
    config = os.path.join(workdir, "openssl.cnf")
    with open(config, "w", encoding="ascii") as f:
        f.write(OPENSSL_CONFIG)
    common = ["-config", config, "-days", CERT_DAYS]
    run_openssl(["req", "-x509"] + common + ["-extensions", "ca_ext"] + EC_KEY
                + ["-keyout", "ca.key", "-out", "ca.pem",
                   "-subj", "/O=Travonix tests/CN=Travonix test CA"], workdir)
    run_openssl(["req", "-new", "-config", config] + EC_KEY
                + ["-keyout", "server.key", "-out", "server.csr",
                   "-subj", "/O=Travonix tests/CN=127.0.0.1"], workdir)
    run_openssl(["x509", "-req", "-in", "server.csr", "-CA", "ca.pem", "-CAkey", "ca.key",
                 "-set_serial", "0x" + secrets.token_hex(16), "-days", CERT_DAYS,
                 "-extfile", config, "-extensions", "server_ext", "-out", "server.pem"], workdir)
    if untrusted:
        run_openssl(["req", "-x509"] + common + ["-extensions", "untrusted_ext"] + EC_KEY
                    + ["-keyout", "untrusted.key", "-out", "untrusted.pem",
                       "-subj", "/O=Unknown issuer/CN=127.0.0.1"], workdir)


# ---------------------------------------------------------------------------
# nginx configuration
# ---------------------------------------------------------------------------

def conf_path(path):
    """A path as a quoted nginx string.  nginx expands variables in some
    directives (root among them) and reads backslash escapes, so a path with
    such characters is refused rather than quoted wrongly."""
    if any(c in path for c in '"\\$') or any(ord(c) < 0x20 or ord(c) == 0x7f for c in path):
        raise Failure("path not usable in nginx.conf (contains \", \\, $ or a control "
                      "character): %r" % path)
    return '"%s"' % path


def free_ports(count):
    """Ports the kernel hands out for 127.0.0.1 right now.  All sockets are held
    until every port is known, so the ports differ from each other."""
    sockets = []
    try:
        for _ in range(count):
            s = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
            s.bind(("127.0.0.1", 0))
            sockets.append(s)
        return [s.getsockname()[1] for s in sockets]
    finally:
        for s in sockets:
            s.close()


def write_config(workdir, root, ports, untrusted):
    wd = lambda name: conf_path(os.path.join(workdir, name))
    lines = [
        "# Written by nginx_server.py for one test run.",
        "daemon off;",
        "master_process on;",
        "worker_processes 1;",
        "pid %s;" % wd("nginx.pid"),
        "lock_file %s;" % wd("nginx.lock"),
        "error_log %s warn;" % wd("error.log"),
    ]
    if os.geteuid() == 0:
        # Workers keep the invoking identity: the served directory and the work
        # directory are usually private temp directories of that user.
        lines.append("user %s %s;" % (pwd.getpwuid(os.geteuid()).pw_name,
                                      grp.getgrgid(os.getegid()).gr_name))
    lines += [
        "events { worker_connections 512; }",
        "http {",
        "    access_log %s;" % wd("access.log"),
        "    client_body_temp_path %s;" % wd("temp/body"),
        "    proxy_temp_path %s;" % wd("temp/proxy"),
        "    fastcgi_temp_path %s;" % wd("temp/fastcgi"),
        "    uwsgi_temp_path %s;" % wd("temp/uwsgi"),
        "    scgi_temp_path %s;" % wd("temp/scgi"),
        "    types { }",
        "    default_type application/octet-stream;",
        "    sendfile on;",
        "    tcp_nopush on;",
        "    etag on;",
        "    server_tokens off;",
        "    log_not_found off;",
        "    keepalive_timeout 30s;",
        "    server {",
        "        listen 127.0.0.1:%d;" % ports["http"],
        "        root %s;" % conf_path(root),
        "    }",
        "    server {",
        "        listen 127.0.0.1:%d ssl;" % ports["https"],
        "        ssl_certificate %s;" % wd("server.pem"),
        "        ssl_certificate_key %s;" % wd("server.key"),
        "        ssl_protocols TLSv1.2 TLSv1.3;",
        "        root %s;" % conf_path(root),
        "    }",
    ]
    if untrusted:
        lines += [
            "    server {",
            "        listen 127.0.0.1:%d ssl;" % ports["https_untrusted"],
            "        ssl_certificate %s;" % wd("untrusted.pem"),
            "        ssl_certificate_key %s;" % wd("untrusted.key"),
            "        ssl_protocols TLSv1.2 TLSv1.3;",
            "        root %s;" % conf_path(root),
            "    }",
        ]
    lines.append("}")
    path = os.path.join(workdir, "nginx.conf")
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")
    return path


# ---------------------------------------------------------------------------
# nginx process
# ---------------------------------------------------------------------------

def _die_with_parent():
    """Runs in the child before exec: nginx gets SIGTERM should this script be
    killed outright, so no nginx outlives the test."""
    try:
        libc = ctypes.CDLL(None, use_errno=True)
        PR_SET_PDEATHSIG = 1
        libc.prctl(PR_SET_PDEATHSIG, signal.SIGTERM, 0, 0, 0)
    except (OSError, AttributeError):
        pass


def read_text(path, limit=8000):
    try:
        with open(path, "rb") as f:
            data = f.read()
    except OSError:
        return ""
    return data[-limit:].decode("utf-8", "replace")


READY_PROBE = b"HEAD /.nginx-server-ready-probe HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n"


def answers_http(port, context=None):
    """True once something on the port answers an HTTP request (any status)."""
    try:
        with socket.create_connection(("127.0.0.1", port), timeout=1.0) as raw:
            conn = context.wrap_socket(raw, server_hostname="127.0.0.1") if context else raw
            try:
                conn.sendall(READY_PROBE)
                return conn.recv(16).startswith(b"HTTP/")
            finally:
                if conn is not raw:
                    conn.close()
    except (OSError, ssl.SSLError):
        return False


def stop_nginx(process):
    if process is None or process.poll() is not None:
        return
    try:
        process.send_signal(signal.SIGTERM)  # fast shutdown: open transfers are cut
        process.wait(STOP_TIMEOUT_S)
    except subprocess.TimeoutExpired:
        try:
            os.killpg(process.pid, signal.SIGKILL)  # master and worker alike
        except OSError:
            pass
        try:
            process.wait(STOP_TIMEOUT_S)
        except subprocess.TimeoutExpired:
            pass
    except OSError:
        pass


class Nginx:
    def __init__(self, workdir, root, untrusted, stopping):
        self.workdir = workdir
        self.root = root
        self.untrusted = untrusted
        self.stopping = stopping
        self.process = None
        self.ports = None

    def start(self):
        """Starts nginx on fresh free ports; another port is picked only when
        one was taken in between (the error log names it)."""
        names = ["http", "https"] + (["https_untrusted"] if self.untrusted else [])
        for _ in range(BIND_ATTEMPTS):
            self.ports = dict(zip(names, free_ports(len(names))))
            config = write_config(self.workdir, self.root, self.ports, self.untrusted)
            error_log = os.path.join(self.workdir, "error.log")
            try:
                os.remove(error_log)
            except FileNotFoundError:
                pass
            try:
                self.process = subprocess.Popen(
                    [NGINX, "-p", self.workdir + "/", "-c", config, "-e", error_log],
                    stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                    stderr=subprocess.PIPE, start_new_session=True,
                    preexec_fn=_die_with_parent)
            except OSError as error:
                raise Failure("cannot run %s: %s" % (NGINX, error))
            outcome = self._wait_ready()
            if outcome == "ready":
                return
            stderr = self._stderr_text()
            stop_nginx(self.process)
            log = read_text(error_log)
            if outcome == "stopping":
                raise Failure("stopped before nginx was ready")
            if "Address already in use" in log:
                continue
            raise Failure("nginx did not start (%s).\nerror log:\n%s\nstderr:\n%s"
                          % (outcome, log or "(empty)", stderr or "(empty)"))
        raise Failure("nginx found no free ports in %d attempts" % BIND_ATTEMPTS)

    def _stderr_text(self):
        if self.process.poll() is None:
            return ""
        try:
            return self.process.stderr.read().decode("utf-8", "replace")
        except (OSError, ValueError):
            return ""

    def _wait_ready(self):
        trusted = ssl.create_default_context(cafile=os.path.join(self.workdir, "ca.pem"))
        unverified = ssl.SSLContext(ssl.PROTOCOL_TLS_CLIENT)
        unverified.check_hostname = False
        unverified.verify_mode = ssl.CERT_NONE
        deadline = time.monotonic() + READY_TIMEOUT_S
        while time.monotonic() < deadline:
            if self.stopping.is_set():
                return "stopping"
            status = self.process.poll()
            if status is not None:
                return "exit status %d" % status
            if answers_http(self.ports["http"]) \
                    and answers_http(self.ports["https"], trusted) \
                    and (not self.untrusted
                         or answers_http(self.ports["https_untrusted"], unverified)):
                return "ready"
            time.sleep(0.05)
        return "no answer within %g s" % READY_TIMEOUT_S

    def stop(self):
        stop_nginx(self.process)


# ---------------------------------------------------------------------------
# Main
# ---------------------------------------------------------------------------

def watch_stdin(stopping):
    """Stdin carries no commands: its end (EOF) is the signal to stop."""
    try:
        while os.read(0, 4096):
            pass
    except OSError:
        pass
    stopping.set()


def main(argv=None):
    parser = argparse.ArgumentParser(
        description="Throwaway nginx serving a directory over HTTP and HTTPS on 127.0.0.1.")
    parser.add_argument("--root", required=True, help="directory to serve")
    parser.add_argument("--workdir", default=None,
                        help="where certificates, nginx.conf and logs go (kept at exit); "
                             "default: a temporary directory removed at exit")
    parser.add_argument("--untrusted-https", action="store_true",
                        help="also serve on a third port with a self-signed certificate "
                             "that the test CA did not sign")
    options = parser.parse_args(argv)

    stopping = threading.Event()
    signalled = []

    def on_signal(signum, frame):
        signalled.append(signum)
        stopping.set()

    for signum in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
        signal.signal(signum, on_signal)

    root = os.path.realpath(options.root)
    if not os.path.isdir(root):
        fail_message("--root is not a directory: %s" % options.root)
        return 2
    if not os.access(NGINX, os.X_OK):
        fail_message("nginx not found at %s" % NGINX)
        return 2

    own_workdir = options.workdir is None
    workdir = None
    nginx = None
    status = 0
    try:
        if own_workdir:
            workdir = tempfile.mkdtemp(prefix="travonix-nginx-")
        else:
            workdir = os.path.realpath(options.workdir)
            os.makedirs(workdir, exist_ok=True)
        for sub in ("temp", "temp/body", "temp/proxy", "temp/fastcgi", "temp/uwsgi",
                    "temp/scgi"):
            os.makedirs(os.path.join(workdir, sub), exist_ok=True)
        make_certificates(workdir, options.untrusted_https)
        nginx = Nginx(workdir, root, options.untrusted_https, stopping)
        nginx.start()

        reader = threading.Thread(target=watch_stdin, args=(stopping,), name="stdin",
                                  daemon=True)
        reader.start()
        fields = ["http=%d" % nginx.ports["http"], "https=%d" % nginx.ports["https"]]
        if options.untrusted_https:
            fields.append("https_untrusted=%d" % nginx.ports["https_untrusted"])
        fields.append("ca=%s" % os.path.join(workdir, "ca.pem"))
        sys.stdout.write("READY %s\n" % " ".join(fields))
        sys.stdout.flush()

        while not stopping.wait(0.1):
            exit_status = nginx.process.poll()
            if exit_status is not None:
                raise Failure("nginx stopped by itself (exit status %d).\nerror log:\n%s"
                              % (exit_status, read_text(os.path.join(workdir, "error.log"))))
    except Failure as error:
        fail_message(str(error))
        status = 1
    except OSError as error:
        fail_message(str(error))
        status = 1
    finally:
        if nginx is not None:
            nginx.stop()
        if own_workdir and workdir is not None:
            shutil.rmtree(workdir, ignore_errors=True)
    # The stdin reader may still be blocked in read(); leave without waiting for it.
    leave(status)


if __name__ == "__main__":
    sys.exit(main())
