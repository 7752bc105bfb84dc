#!/usr/bin/env python3
"""Writes the seed corpus of the attachment target (fuzz/corpus/exe-attachment): program
bytes followed by sessions of items, each input behind one chooser byte (0 asks for the
pre-release session)."""
import os
import struct
import zlib

HEAD, TAIL = 0x6A4A61A3, 0x8CF9BF0D


def text(value, size):
    raw = value.encode("latin-1")
    return bytes([len(raw)]) + raw + b"\0" * (size - 1 - len(raw))


def seal(body):
    h = 0
    for b in body:
        h = (3 * h + b) & 0xFFFFFFFF
    return body + struct.pack("<II", h, TAIL)


def item(name, data, folder=""):
    stored = zlib.compress(data)
    body = struct.pack("<I", HEAD) + text(name, 256) + text(folder, 256)
    body += struct.pack("<iiIIi", len(data), len(stored), 0, 0, 2)
    return seal(body) + stored


def session(file, name, items):
    first = len(file)
    for item_name, data in items:
        file += item(item_name, data)
    total = sum(len(d) for _, d in items)
    body = struct.pack("<I", HEAD) + text("seed", 58) + struct.pack("<iiiii", first, 0, len(items), 0, total)
    body += text("seeds", 64) + text(name, 64) + b"\0" * 60
    return file + seal(body)


def main():
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus", "exe-attachment")
    os.makedirs(out, exist_ok=True)
    program = b"\x7fELF" + b"\x55" * 200
    seeds = {
        "notice": session(program, "PreReleaseData", [("Data", b"PRERELEASE\r\n")]),
        "two-items": session(program, "PreReleaseData", [("Data", b"PRERELEASE\r\n"), ("More", b"x" * 300)]),
        "two-sessions": session(session(program, "PreReleaseData", [("Data", b"old")]), "Other", [("A", b"a")]),
        "empty-session": session(program, "PreReleaseData", []),
        "bare": program,
    }
    for name, data in seeds.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(b"\0" + data)


if __name__ == "__main__":
    main()
