#!/usr/bin/env python3
"""Sends malformed requests to a food server on loopback and checks it still answers.

Usage: burst.py PORT [COUNT]. Three kinds, in turn: random bytes (the sending side is then
shut, so the server sees the end), a 64 KB query, and well-formed requests with keys missing.
"""
import random
import socket
import sys

port = int(sys.argv[1])
count = int(sys.argv[2]) if len(sys.argv) > 2 else 1000
rng = random.Random(1)


def exchange(data, end_input=False):
    with socket.create_connection(("127.0.0.1", port), timeout=10) as s:
        s.sendall(data)
        if end_input:
            s.shutdown(socket.SHUT_WR)
        reply = b""
        while b"\r\n\r\n" not in reply:
            chunk = s.recv(65536)
            if not chunk:
                break
            reply += chunk
        return reply.split(b" ", 2)[1].decode() if reply.startswith(b"HTTP/1.1 ") else "closed"


missing_keys = [
    b"/modules/swadd.php",
    b"/modules/swadd.php?naam=Apple",
    b"/modules/swadd.php?kj=1&kcal=2",
    b"/modules/swzoek.php",
    b"/modules/swzoek.php?item",
    b"/modules/controle/dietlens_controle.php",
    b"/modules/swzoek.php?item=%",
    b"/modules/swzoek.php?item=%ZZ%",
]
outcomes = {}
for i in range(count):
    kind = i % 3
    if kind == 0:
        data = bytes(rng.randrange(256) for _ in range(rng.randrange(1, 512)))
        result = exchange(data, end_input=True)
    elif kind == 1:
        data = b"GET /modules/swzoek.php?item=" + b"a" * 65536 + b" HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n"
        result = exchange(data)
    else:
        target = missing_keys[i % len(missing_keys)]
        result = exchange(b"GET " + target + b" HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n")
    key = ("random bytes", "64 KB query", "missing keys")[kind] + ": " + result
    outcomes[key] = outcomes.get(key, 0) + 1

for key in sorted(outcomes):
    print(f"  {outcomes[key]:5d}  {key}")
