#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
"""A port server for one test: listens on 127.0.0.1 at a free port, says
which on its first line, serves one connection the way the test asks and
stops by itself within a few seconds (LIFETIME, or as many as the second
argument says).

  rfc2217_server.py good|silent|refuse|hangup|junk|endless|flood|mute|dropsilent
                    [seconds]

good, flood, mute and dropsilent serve a loop-back port through pyserial's
own RFC 2217 code: CTS follows RTS and DSR follows DTR; unlike pyserial's
loop://, CD is off, so all lines can drop at once. good hangs up after a
while; flood follows its handshake with a flood of data; mute stops
answering a second after the connection, as a server whose network is gone,
and never closes it. silent takes every connection and says nothing on any.
dropsilent serves each connection in turn until it gets SIGUSR1, then drops
the one it has and is silent on every connection after.
"""
import random
import signal
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


def serve_port(sock, end, flood=False, mute_after=None, drop=None):
    port = LoopPort(None)
    port.port = 'loop://'
    port.open()
    connection = Connection(sock)
    manager = serial.rfc2217.PortManager(port, connection)
    answers_until = end if mute_after is None else time.monotonic() + mute_after

    def serving():
        return time.monotonic() < end and not (drop and drop.is_set())

    def poll_lines():
        try:
            while serving() and time.monotonic() < answers_until:
                manager.check_modem_lines()
                time.sleep(0.02)
        except OSError:
            pass  # the client went away

    threading.Thread(target=poll_lines, daemon=True).start()
    if flood:
        def send_flood():
            chunk = bytes(range(255)) * 256  # no 0xFF: plain data
            try:
                while time.monotonic() < end:
                    connection.write(chunk)
            except OSError:
                pass  # the client went away
        threading.Thread(target=send_flood, daemon=True).start()
    sock.settimeout(0.1)
    while serving():
        if time.monotonic() >= answers_until:
            # Mute: what comes is neither read nor answered, and the
            # connection stays as it is.
            time.sleep(0.1)
            continue
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


def serve_silently(listener, end, first=None):
    """Every connection from now until the end, each on a thread of its own,
    never answered."""
    if first:
        threading.Thread(target=drain_until_end, args=(first, end), daemon=True).start()
    while time.monotonic() < end:
        listener.settimeout(max(end - time.monotonic(), 0.01))
        try:
            sock, _ = listener.accept()
        except socket.timeout:
            return
        threading.Thread(target=drain_until_end, args=(sock, end), daemon=True).start()
    # The connections go with the process.


def main():
    mode = sys.argv[1]
    lifetime = float(sys.argv[2]) if len(sys.argv) > 2 else LIFETIME
    drop = threading.Event()
    signal.signal(signal.SIGUSR1, lambda *_: drop.set())
    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    listener.bind(('127.0.0.1', 0))
    listener.listen(8)
    listener.settimeout(lifetime)
    print(listener.getsockname()[1], flush=True)
    sock, _ = listener.accept()
    end = time.monotonic() + lifetime
    try:
        if mode in ('good', 'flood', 'mute'):
            serve_port(sock, end, flood=mode == 'flood', mute_after=1 if mode == 'mute' else None)
        elif mode == 'silent':
            serve_silently(listener, end, sock)
        elif mode == 'dropsilent':
            while True:
                serve_port(sock, end, drop=drop)
                sock.close()
                if drop.is_set() or time.monotonic() >= end:
                    break
                listener.settimeout(max(end - time.monotonic(), 0.01))
                sock, _ = listener.accept()
            serve_silently(listener, end)
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
