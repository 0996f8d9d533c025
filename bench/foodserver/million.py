#!/usr/bin/env python3
"""Writes COUNT foods grown from the bundled tables as tab-separated rows for a foods table:
name, the seven values, checked, revision. Each bundled food is repeated with a numbered batch
after its name ("Rice, white, batch 17"), so searches find what they find in the bundled tables,
many times over. Backslashes are written as COPY's text format wants them.

Usage: million.py DATA_DIR COUNT > foods.tsv
"""
import sys

data, count = sys.argv[1], int(sys.argv[2])
base = []
for table in ("usda-sr28.tsv", "ifct2017.tsv"):
    with open(f"{data}/{table}", encoding="utf-8") as f:
        next(f)
        base += [line.rstrip("\n").split("\t") for line in f if line.strip()]
out = sys.stdout
for i in range(count):
    name, *values = base[i % len(base)]
    name = f"{name}, batch {i // len(base)}".replace("\\", "\\\\")
    out.write("\t".join([name, *values, "t", "0"]) + "\n")
