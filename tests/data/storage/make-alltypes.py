#!/usr/bin/env python3
"""Writes AllTypes.d: the eleven problem fields, fields of every other type code and a notes
section, built byte by byte here so that the reader is checked against an independent image."""
import struct
import sys

FIELDS = [
    ("XXX.ProblemName", "K"), ("XXX.Ymin", "f"), ("XXX.Ymax", "f"), ("XXX.Zvalue", "f"),
    ("XXX.YPoints", "l"), ("XXX.XPoints", "l"), ("XXX.ShowMosaicDiagram", "b"),
    ("XXX.ShowChart", "b"), ("XXX.Functs", "m"), ("XXX.Yparameter", "K"), ("XXX.Zparameter", "K"),
    ("OLD.Count", "i"), ("OLD.Price", "c"), ("OLD.Day", "d"), ("OLD.Clock", "v"),
    ("OLD.Stamp", "t"), ("Serial", "a"), ("OLD.Remark", "s40"), ("OLD.Comment", "s"),
    ("OLD.Raw", "o"), ("OLD.Styled", "r"), ("OLD.Picture", "g"), ("OLD.Code", "5"),
    ("OLD.Label", "Z"), ("OLD.Nothing", "0"), ("OLD.Two_Words", "T"),
]


def fixed(fmt, value):
    return struct.pack("<" + fmt, value)


def prefixed(data):
    return struct.pack("<i", len(data)) + data


def record(values):
    """values: one entry per field, None for blank, else (length byte, value bytes)."""
    assert len(values) == len(FIELDS)
    lengths = bytes(0 if v is None else v[0] for v in values)
    return lengths + b"".join(v[1] for v in values if v is not None)


def text(data):
    return (len(data), data)


def memo(data):
    return (4, prefixed(data))


RECORDS = [
    record([
        text(b"AB"), (8, fixed("d", 300.0)), (8, fixed("d", 1500.0)), (8, fixed("d", 1.0)),
        (2, fixed("h", 100)), (2, fixed("h", 100)), None, (2, fixed("h", 1)), memo(b"x"),
        text(b"Temperature"), text(b"P"),
        (4, fixed("i", -7)), (8, fixed("d", 12.5)), (4, fixed("i", 737000)),
        (4, fixed("i", 43200000)), (8, fixed("d", 45000.25)), (4, fixed("i", 1)),
        memo(b"a remark of forty characters at most..."), memo(b"c" * 100),
        memo(bytes(range(256))), memo(b"{\\rtf1 styled}"), memo(b"\x89PNG\r\n"),
        text(b"12345"), text(b"L" * 35), None, text(b"two words"),
    ]),
    record([
        text(b"Blank extras"), None, (8, fixed("d", 2.0)), (8, fixed("d", 1e-6)),
        (2, fixed("h", -3)), (2, fixed("h", 32767)), (2, fixed("h", 1)), None,
        memo(b"GL=0\r\nGS=1"), text(b"Pressure"), text(b"T"),
    ] + [None] * 5 + [(4, fixed("i", 2))] + [None] * 9),
    record([None] * 11 + [(4, fixed("i", 2147483647)), (8, fixed("d", -1.0)), None, None,
                          None, (4, fixed("i", 3))] + [None] * 5 + [text(b"A"), None, None,
                                                                    None]),
]

NOTES = b"Converted from an older table.\r\nKeep the extra fields."


def main(path):
    block = b"".join(n.encode() + b" " + c.encode() + b"\x12" for n, c in FIELDS) + b"\x14"
    body = b"S" + struct.pack("<iii", len(RECORDS), len(FIELDS), len(block)) + block
    body += b"*" + struct.pack("<h", len(NOTES)) + NOTES + b"".join(RECORDS)
    with open(path, "wb") as out:
        out.write(struct.pack("<i", len(body) + 4) + body)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "AllTypes.d")
