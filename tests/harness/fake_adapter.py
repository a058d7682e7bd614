#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
"""A USB serial adapter played by pseudo-terminals, for the end-to-end tests
and the latency benchmark.

    fake_adapter.py LINK

LINK is made a symbolic link to the current pty slave, as /dev/serial/by-id
names an adapter. Commands, one a line on standard input, each answered
"ok" (or "stalled") on standard output:
    unplug          close the master: the slave hangs up, as when pulled out;
                    LINK goes too, as udev takes the by-id link away
    plug            a new pty, LINK pointed at it
    flood MIB       send MIB mebibytes as fast as the reader takes them
"""
import os
import select
import sys

link = sys.argv[1]
master = None


def plug():
    global master
    master, slave = os.openpty()
    name = os.ttyname(slave)
    os.close(slave)
    os.set_blocking(master, False)
    aside = link + ".new"
    if os.path.lexists(aside):
        os.remove(aside)
    os.symlink(name, aside)
    os.replace(aside, link)


def unplug():
    # The link goes first: the pty's number is free once the master is
    # closed, and another program's new pty may take it.
    global master
    os.remove(link)
    os.close(master)
    master = None


def flood(mebibytes):
    """False when the reader stops taking data for 10 s."""
    chunk = b"\x55" * 65536
    left = mebibytes * 1024 * 1024
    while left > 0:
        _, writable, _ = select.select([], [master], [], 10)
        if not writable:
            return False
        try:
            left -= os.write(master, chunk[: min(left, len(chunk))])
        except BlockingIOError:
            pass
    return True


plug()
print("ok", flush=True)
for line in sys.stdin:
    command = line.split()
    if command == ["unplug"]:
        unplug()
    elif command == ["plug"]:
        plug()
    elif command and command[0] == "flood":
        if not flood(int(command[1])):
            print("stalled", flush=True)
            continue
    print("ok", flush=True)
