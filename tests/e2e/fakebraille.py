#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
"""A braille display for brltty's Virtual driver, for the end-to-end tests.

fakebraille.py SOCKET CONTROL LOG [CELLS]

Listens on the Unix socket SOCKET for brltty (started with -b vr -d
client:SOCKET). Once brltty connects it says it has CELLS cells (40 by
default), and logs every line brltty sends ("Visual ...", "Braille ...") to
LOG. Each line written into the named pipe CONTROL is sent on to brltty as a
command from the display: "Route 12", "FWinRt", "LnDn", "cells 14". A brltty
that goes away is waited for again.
"""
import os
import selectors
import socket
import sys


def main():
    sock_path, control_path, log_path = sys.argv[1:4]
    cells = sys.argv[4] if len(sys.argv) > 4 else "40"
    for path in (sock_path, control_path):
        if os.path.exists(path):
            os.unlink(path)
    os.mkfifo(control_path)
    server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    server.bind(sock_path)
    server.listen(1)
    # Read and write: the pipe never reports an end when a writer closes it.
    control = os.open(control_path, os.O_RDWR | os.O_NONBLOCK)
    log = open(log_path, "a", buffering=1)
    sel = selectors.DefaultSelector()
    sel.register(server, selectors.EVENT_READ, "server")
    sel.register(control, selectors.EVENT_READ, "control")
    client = None
    received = b""
    commands = b""
    while True:
        for key, _ in sel.select():
            if key.data == "server":
                if client is not None:
                    sel.unregister(client)
                    client.close()
                client, _ = server.accept()
                sel.register(client, selectors.EVENT_READ, "client")
                client.sendall(f"cells {cells}\n".encode())
                log.write("connected\n")
            elif key.data == "client":
                data = client.recv(4096)
                if not data:
                    sel.unregister(client)
                    client.close()
                    client = None
                    log.write("disconnected\n")
                    continue
                received += data
                while b"\n" in received:
                    line, received = received.split(b"\n", 1)
                    log.write(line.decode("utf-8", "replace").rstrip("\r") + "\n")
            else:
                commands += os.read(control, 4096)
                while b"\n" in commands:
                    line, commands = commands.split(b"\n", 1)
                    if client is not None:
                        client.sendall(line + b"\n")
                        log.write("sent " + line.decode() + "\n")
                        if line.lower().startswith(b"cells "):
                            cells = line.split()[1].decode()


if __name__ == "__main__":
    main()
