#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
"""Claims a free X display number by listening on its sockets (the file one
and the abstract one), writes ":N" to DISPLAYFILE and runs the command with
the sockets handed over as KWin takes them for its Xwayland:
--xwayland-display :N --xwayland-fd FD --xwayland-fd FD.
    x11_listen.py DISPLAYFILE command [args...]"""
import os
import socket
import sys

display_file, command = sys.argv[1], sys.argv[2:]
os.makedirs("/tmp/.X11-unix", mode=0o1777, exist_ok=True)
for number in range(60, 200):
    path = f"/tmp/.X11-unix/X{number}"
    if os.path.exists(path) or os.path.exists(f"/tmp/.X{number}-lock"):
        continue
    sockets = []
    try:
        for address in (path, "\0" + path):
            listener = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
            listener.bind(address)
            listener.listen(16)
            os.set_inheritable(listener.fileno(), True)
            sockets.append(listener)
    except OSError:  # taken meanwhile by another session
        for listener in sockets:
            listener.close()
        continue
    break
else:
    sys.exit("no free X display number")
with open(display_file, "w") as out:
    out.write(f":{number}\n")
arguments = ["--xwayland-display", f":{number}"]
for listener in sockets:
    arguments += ["--xwayland-fd", str(listener.fileno())]
os.execvp(command[0], command + arguments)
