#!/usr/bin/env python3
"""Reads an animated PNG chunk by chunk (checking every CRC and sequence number), prints
"frames N plays P" and one line "W H X Y DELAY_NUM/DELAY_DEN DISPOSE BLEND" per frame, and
writes each frame as a plain PNG (PREFIX-N.png) so that an image decoder can check it."""
import struct
import sys
import zlib


def chunks(data):
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
    at = 8
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        crc, = struct.unpack(">I", data[at + 8 + length:at + 12 + length])
        assert zlib.crc32(kind + body) == crc, "bad CRC in " + kind.decode()
        yield kind, body
        at += 12 + length


def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


def main(path, prefix):
    header, frames, sequence = None, [], 0
    for kind, body in chunks(open(path, "rb").read()):
        if kind == b"IHDR":
            header = body
        elif kind == b"acTL":
            print("frames %d plays %d" % struct.unpack(">II", body))
        elif kind == b"fcTL":
            fields = struct.unpack(">IIIIIHHBB", body)
            assert fields[0] == sequence, "fcTL out of sequence"
            sequence += 1
            print("%d %d %d %d %d/%d %d %d" % fields[1:])
            frames.append([fields[1:3], b""])
        elif kind == b"IDAT" and frames:
            frames[-1][1] += body
        elif kind == b"fdAT":
            assert struct.unpack(">I", body[:4])[0] == sequence, "fdAT out of sequence"
            sequence += 1
            frames[-1][1] += body[4:]
    for number, ((width, height), pixels) in enumerate(frames):
        own = struct.pack(">II", width, height) + header[8:]
        with open("%s-%d.png" % (prefix, number), "wb") as out:
            out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", own) + chunk(b"IDAT", pixels) +
                      chunk(b"IEND", b""))


main(sys.argv[1], sys.argv[2])
