#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
"""A port server for one test: listens on 127.0.0.1 at a free port, says
which on its first line, serves one connection the way the test asks and
stops by itself within a few seconds.

  rfc2217_server.py good|silent|refuse|hangup|junk|endless|flood

good and flood serve a loop-back port through pyserial's own RFC 2217 code:
CTS follows RTS and DSR follows DTR; unlike pyserial's loop://, CD is off,
so all lines can drop at once. good hangs up after a while; flood follows
its handshake with a flood of data.
"""
import random
import socket
import sys
import threading
import time

import serial
import serial.rfc2217
import serial.urlhandler.protocol_loop

IAC, SB, SE, WILL, WONT, DO, DONT = 255, 250, 240, 251, 252, 253, 254
COM_PORT = 44
LIFETIME = 8  # seconds, from the connection on


class LoopPort(serial.urlhandler.protocol_loop.Serial):
    @property
    def cd(self):
        return False

    @property
    def ri(self):
        return False


class Connection:
    def __init__(self, sock):
        self.sock = sock
        self.lock = threading.Lock()

    def write(self, data):
        with self.lock:
            self.sock.sendall(data)


def serve_port(sock, flood):
    port = LoopPort(None)
    port.port = 'loop://'
    port.open()
    connection = Connection(sock)
    manager = serial.rfc2217.PortManager(port, connection)
    end = time.monotonic() + LIFETIME

    def poll_lines():
        while time.monotonic() < end:
            manager.check_modem_lines()
            time.sleep(0.02)

    threading.Thread(target=poll_lines, daemon=True).start()
    if flood:
        def send_flood():
            chunk = bytes(range(255)) * 256  # no 0xFF: plain data
            while time.monotonic() < end:
                connection.write(chunk)
        threading.Thread(target=send_flood, daemon=True).start()
    sock.settimeout(0.1)
    while time.monotonic() < end:
        try:
            data = sock.recv(1024)
        except socket.timeout:
            continue
        if not data:
            break
        for _ in manager.filter(data):
            pass


def drain_until_end(sock, end):
    sock.settimeout(0.1)
    while time.monotonic() < end:
        try:
            if not sock.recv(1024):
                return
        except socket.timeout:
            pass


def main():
    mode = sys.argv[1]
    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.bind(('127.0.0.1', 0))
    listener.listen(1)
    listener.settimeout(LIFETIME)
    print(listener.getsockname()[1], flush=True)
    sock, _ = listener.accept()
    end = time.monotonic() + LIFETIME
    try:
        if mode in ('good', 'flood'):
            serve_port(sock, mode == 'flood')
        elif mode == 'silent':
            drain_until_end(sock, end)
        elif mode == 'refuse':
            sock.recv(3)  # IAC WILL 44
            sock.sendall(bytes([IAC, DONT, COM_PORT, IAC, WONT, COM_PORT]))
            drain_until_end(sock, end)
        elif mode == 'hangup':
            sock.recv(3)
            sock.sendall(bytes([IAC, WILL]))  # and no option
        elif mode == 'junk':
            junk = random.Random(2217).randbytes(1 << 16)
            sock.sendall(junk.replace(bytes([IAC]), b''))  # never an agreement
            drain_until_end(sock, end)
        elif mode == 'endless':
            sock.sendall(bytes([IAC, DO, COM_PORT, IAC, SB, COM_PORT, 107]))
            chunk = bytes([0x10]) * 65536
            sock.settimeout(LIFETIME)
            while time.monotonic() < end:
                sock.sendall(chunk)
    except OSError:
        pass  # the client went away: the test is over
    sock.close()


if __name__ == '__main__':
    main()
