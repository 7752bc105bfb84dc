#!/usr/bin/env python3
"""Writes the seed corpus of the frame fuzz target (run it from anywhere; the output is committed).

Each seed is one data frame as it goes on the line: DLE STX, the body with every DLE
doubled, DLE ETX, the CRC-16/ARC of the plain body and ETX, low byte first.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "corpus", "crs-frame")
MEMORY_ALLOCATION = os.path.join(HERE, "..", "tools", "crs-sim", "fixtures", "programs", "14.ecr")


def crc16_arc(data):
    crc = 0
    for byte in data:
        crc ^= byte
        for _ in range(8):
            crc = (crc >> 1) ^ 0xA001 if crc & 1 else crc >> 1
    return crc


def frame(body):
    crc = crc16_arc(body + b"\x03")
    return b"\x10\x02" + body.replace(b"\x10", b"\x10\x10") + b"\x10\x03" + struct.pack("<H", crc)


def command(code, data, first=0x01, last=0x24):
    return bytes([code]) + data + b"0001" + bytes([first, last])


def first_block(path):
    with open(path, "rb") as f:
        raw = f.read()
    length = struct.unpack_from("<i", raw, 4)[0]
    block = bytearray(raw[8:8 + length])
    block[0] = 0  # the number the register puts on the only block
    return bytes(block)


def body_with_dle_in_crc():
    """A short block whose CRC has a DLE byte, which is never doubled."""
    for n in range(65536):
        body = bytes([0, 1]) + struct.pack("<H", n)
        crc = crc16_arc(body + b"\x03")
        if 0x10 in (crc & 0xFF, crc >> 8):
            return body
    raise SystemExit("no such body")


SEEDS = {
    "status.bin": command(0xA0, b"\x00"),
    "read-financial.bin": command(0xD0, b"\x21", 0x03, 0x12),
    "logon.bin": command(0xE0, b"\x0e"),
    "send-program.bin": command(0xF0, b"\x0e"),
    "clear-flag.bin": command(0xB0, b"\x21"),
    "consolidate.bin": command(0xC1, b"\x07" + bytes(14)),
    "status-answer.bin": bytes([0, 1, 0x20]),
    "error-block.bin": bytes([0, 1, 0xFF, 7]),
    "body-ending-in-dle.bin": bytes([2, 1, 0x41, 0x10]),
    "dle-in-crc.bin": body_with_dle_in_crc(),
    "memory-allocation.bin": first_block(MEMORY_ALLOCATION),
}

os.makedirs(OUT, exist_ok=True)
for name, body in SEEDS.items():
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(frame(body))
