#!/usr/bin/env python3
"""Writes the simulator tests' fixtures (the output is committed).

reports/33.ecr  three block bodies: a poll header, then two record blocks whose bytes hold
                0x10 and 0x10 0x03 pairs (so they are doubled on the line) and end in 0x10.
reports/96.ecr  two blocks kept as a work file keeps them: the received frame with its
                doubling removed (DLE STX, body, DLE ETX, CRC low, CRC high).
programs/1.ecr  three block bodies numbered 1..3, as a program's send file numbers them.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def crc16_arc(data):
    crc = 0
    for b in data:
        crc ^= b
        for _ in range(8):
            crc = (crc >> 1) ^ 0xA001 if crc & 1 else crc >> 1
    return crc


def stored_frame(body):
    crc = crc16_arc(body + b"\x03")
    return b"\x10\x02" + body + b"\x10\x03" + bytes([crc & 0xFF, crc >> 8])


def write_block_file(path, blocks):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(struct.pack("<i", len(blocks)))
        for block in blocks:
            f.write(struct.pack("<i", len(block)))
            f.write(block)


def poll_header(number):
    header = bytes([0x00, ord("Z"), 1, 0x03, 0x15, 0x26, 0x01, 0x2C, 0x00, 0x00, 0, 0x00])
    return bytes([number, 1]) + header + b"CRS SIM TEST DATA       "


if __name__ == "__main__":
    write_block_file(os.path.join(HERE, "reports", "33.ecr"), [
        poll_header(1),
        bytes([2, 2]) + bytes([0x00, 0x00, 0x12, 0x34, 0x56, 0x7C, 0x00, 0x10, 0x3C]) * 2 + b"\x10\x03\x10",
        bytes([3, 1]) + bytes([0x10, 0x10, 0x03, 0x02, 0x10, 0x04, 0x99, 0x99, 0x9D]),
    ])
    write_block_file(os.path.join(HERE, "reports", "96.ecr"), [
        stored_frame(poll_header(1)),
        stored_frame(bytes([0, 1]) + b"EJ LINE 0001\x10\x03"),
    ])
    write_block_file(os.path.join(HERE, "programs", "1.ecr"), [
        bytes([n, 2]) + bytes([0x00, 0x00, n, 0x10, 0x25, 0x00]) * 2 for n in (1, 2, 3)
    ])
