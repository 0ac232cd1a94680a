#!/usr/bin/env python3
"""HTTPS front for the web tests: accepts TLS on 127.0.0.1 (and ::1 when it
can) with the test server certificate for localhost, and forwards the bytes of
each connection to a plain HTTP server on 127.0.0.1:TARGET (the tests'
loopback server, which scripts and records them). Writes its port to a file,
and exits by itself when a stop file appears or its lifetime ends."""
import argparse
import os
import select
import socket
import ssl
import sys
import threading
import time


def pump(tls, plain, deadline):
    """Copies bytes both ways until either side ends or the deadline passes."""
    sockets = [tls, plain]
    while time.monotonic() < deadline:
        if tls.pending():
            ready = [tls]
        else:
            ready, _, _ = select.select(sockets, [], [], 0.2)
        for source in ready:
            data = source.recv(65536)
            if not data:
                return
            (plain if source is tls else tls).sendall(data)


def serve(raw, context, target, deadline):
    tls = plain = None
    try:
        raw.settimeout(30)
        tls = context.wrap_socket(raw, server_side=True)
        plain = socket.create_connection(("127.0.0.1", target), timeout=30)
        pump(tls, plain, deadline)
    except (OSError, ssl.SSLError):
        pass  # a client that gave up, or a refused handshake: nothing to forward
    finally:
        for s in (plain, tls or raw):
            try:
                if s is not None:
                    s.close()
            except OSError:
                pass


def listeners():
    """A socket on 127.0.0.1 with an ephemeral port, and one on ::1 with the
    same port where IPv6 is there, so that the name localhost reaches it."""
    v4 = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    v4.bind(("127.0.0.1", 0))
    v4.listen(64)
    port = v4.getsockname()[1]
    found = [v4]
    try:
        v6 = socket.socket(socket.AF_INET6, socket.SOCK_STREAM)
        v6.setsockopt(socket.IPPROTO_IPV6, socket.IPV6_V6ONLY, 1)
        v6.bind(("::1", port))
        v6.listen(64)
        found.append(v6)
    except OSError:
        pass
    return found, port


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--cert", required=True)
    parser.add_argument("--key", required=True)
    parser.add_argument("--target-port", type=int, required=True)
    parser.add_argument("--port-file", required=True)
    parser.add_argument("--stop-file", required=True)
    parser.add_argument("--lifetime", type=float, default=120.0)
    args = parser.parse_args()

    deadline = time.monotonic() + args.lifetime
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(args.cert, args.key)
    sockets, port = listeners()
    with open(args.port_file + ".part", "w") as f:
        f.write("%d\n" % port)
    os.replace(args.port_file + ".part", args.port_file)

    while time.monotonic() < deadline and not os.path.exists(args.stop_file):
        ready, _, _ = select.select(sockets, [], [], 0.2)
        for listener in ready:
            raw, _ = listener.accept()
            threading.Thread(target=serve, args=(raw, context, args.target_port, deadline),
                             daemon=True).start()
    for s in sockets:
        s.close()
    for path in (args.port_file, args.stop_file):
        try:
            os.remove(path)
        except OSError:
            pass
    return 0


if __name__ == "__main__":
    sys.exit(main())
